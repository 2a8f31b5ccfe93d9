#include "platform/ado/Ado.h"

#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

namespace ado {
namespace {

std::function<void()>& moveObserver() {
    static std::function<void()> observer;
    return observer;
}

QString sqliteMessage(sqlite3* db) { return QString::fromUtf8(sqlite3_errmsg(db)); }

QString quoteIdentifier(const QString& name) {
    QString q = name;
    q.replace(u'"', QStringLiteral("\"\""));
    return u'"' + q + u'"';
}

}  // namespace

Error::Error(const QString& message) : std::runtime_error(message.toStdString()) {}
QString Error::message() const { return QString::fromStdString(what()); }

// --- Connection ------------------------------------------------------------------------

QString Connection::keyValue(const QString& connectionString, const QString& key) {
    const QStringList parts = connectionString.split(u';');
    for (const QString& part : parts) {
        const int eq = part.indexOf(u'=');
        if (eq < 0) continue;
        if (part.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0) {
            return part.mid(eq + 1).trimmed();
        }
    }
    return QString();
}

void Connection::Open(const QString& connectionString, const QString&, const QString&, int) {
    if (!connectionString.isEmpty()) ConnectionString = connectionString;
    QString path = keyValue(ConnectionString, QStringLiteral("Data Source"));
    if (path.isEmpty()) {
        throw Error(QStringLiteral("接続文字列にデータソースがありません: ") + ConnectionString);
    }
    path.replace(u'\\', u'/');
    if (!QFileInfo::exists(path)) {
        throw Error(QStringLiteral("データベースファイルが見つかりません: ") + path);
    }
    sqlite3* raw = nullptr;
    const QByteArray utf8 = path.toUtf8();
    const int rc = sqlite3_open_v2(utf8.constData(), &raw, SQLITE_OPEN_READONLY, nullptr);
    std::shared_ptr<sqlite3> db(raw, [](sqlite3* d) { sqlite3_close(d); });
    if (rc != SQLITE_OK) {
        throw Error(QStringLiteral("データベースを開けません: ") + path + QStringLiteral(" (") + (raw ? sqliteMessage(raw) : QString()) +
                    u')');
    }
    // A file that is not a database only shows itself on the first read.
    if (sqlite3_exec(raw, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) != SQLITE_OK) {
        throw Error(QStringLiteral("データベースを読めません: ") + path + QStringLiteral(" (") + sqliteMessage(raw) + u')');
    }
    db_ = std::move(db);
    dataSource_ = path;
}

// --- Recordset -------------------------------------------------------------------------

void Recordset::setMoveObserver(std::function<void()> observer) { moveObserver() = std::move(observer); }

void Recordset::moved() {
    if (moveObserver()) moveObserver()();
}

void Recordset::Open(const QString& source, const std::shared_ptr<Connection>& activeConnection, int, int, int) {
    if (!activeConnection || !activeConnection->isOpen()) {
        throw Error(QStringLiteral("接続が開かれていません: テーブル ") + source);
    }
    sqlite3* db = activeConnection->db_.get();
    const QString where = activeConnection->dataSource();

    // Table names match without regard to case, as the original databases did.
    QString table;
    {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, "SELECT name FROM sqlite_master WHERE type='table' AND lower(name)=lower(?1)", -1, &st, nullptr);
        const QByteArray name = source.toUtf8();
        sqlite3_bind_text(st, 1, name.constData(), static_cast<int>(name.size()), SQLITE_TRANSIENT);
        if (sqlite3_step(st) == SQLITE_ROW) {
            table = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
        }
        sqlite3_finalize(st);
    }
    if (table.isEmpty()) {
        throw Error(QStringLiteral("テーブルが見つかりません: ") + source + QStringLiteral(" (") + where + u')');
    }

    sqlite3_stmt* st = nullptr;
    const QByteArray sql = (QStringLiteral("SELECT * FROM ") + quoteIdentifier(table) + QStringLiteral(" ORDER BY rowid")).toUtf8();
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr) != SQLITE_OK) {
        const QString msg = sqliteMessage(db);
        throw Error(QStringLiteral("テーブルを読めません: ") + table + QStringLiteral(" (") + msg + u')');
    }
    QStringList fields;
    const int n = sqlite3_column_count(st);
    for (int i = 0; i < n; ++i) fields << QString::fromUtf8(sqlite3_column_name(st, i));
    std::vector<QStringList> rows;
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        QStringList row;
        row.reserve(n);
        for (int i = 0; i < n; ++i) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
            row << (text ? QString::fromUtf8(text, sqlite3_column_bytes(st, i)) : QString());
        }
        rows.push_back(std::move(row));
    }
    sqlite3_finalize(st);
    if (rc != SQLITE_DONE) {
        throw Error(QStringLiteral("テーブルを読めません: ") + table + QStringLiteral(" (") + sqliteMessage(db) + u')');
    }
    source_ = source;
    fields_ = std::move(fields);
    rows_ = std::move(rows);
    pos_ = 0;
    open_ = true;
    moved();
}

void Recordset::MoveFirst() {
    if (!open_) throw Error(QStringLiteral("レコードセットが開かれていません"));
    pos_ = 0;
    moved();
}

void Recordset::MoveLast() {
    if (!open_) throw Error(QStringLiteral("レコードセットが開かれていません"));
    pos_ = rows_.empty() ? 0 : static_cast<int>(rows_.size()) - 1;
    moved();
}

void Recordset::MoveNext() {
    if (!open_) throw Error(QStringLiteral("レコードセットが開かれていません"));
    if (isEOF()) throw Error(QStringLiteral("現在のレコードがありません (EOF): ") + source_);
    ++pos_;
    moved();
}

void Recordset::MovePrevious() {
    if (!open_) throw Error(QStringLiteral("レコードセットが開かれていません"));
    if (pos_ < 0) throw Error(QStringLiteral("現在のレコードがありません (BOF): ") + source_);
    --pos_;
    moved();
}

void Recordset::Find(const QString& criteria) {
    if (!open_) throw Error(QStringLiteral("レコードセットが開かれていません"));
    const int eq = criteria.indexOf(u'=');
    if (eq <= 0) throw Error(QStringLiteral("検索条件が正しくありません: ") + criteria);
    const QString field = criteria.left(eq).trimmed();
    bool numeric = false;
    const double wanted = criteria.mid(eq + 1).trimmed().toDouble(&numeric);
    if (!numeric) throw Error(QStringLiteral("検索条件が正しくありません: ") + criteria);
    const int col = fieldIndex(field);
    if (col < 0) throw Error(QStringLiteral("フィールドが見つかりません: ") + field + QStringLiteral(" (") + source_ + u')');
    int i = pos_ < 0 ? 0 : pos_;
    for (; i < static_cast<int>(rows_.size()); ++i) {
        bool ok = false;
        const double v = rows_[static_cast<std::size_t>(i)][col].trimmed().toDouble(&ok);
        if (ok && v == wanted) break;
    }
    pos_ = i;
    moved();
}

int Recordset::fieldIndex(const QString& name) const {
    for (int i = 0; i < fields_.size(); ++i) {
        if (fields_[i].compare(name, Qt::CaseInsensitive) == 0) return i;
    }
    return -1;
}

QString Recordset::Fields(const QString& name) const {
    if (!hasCurrentRow()) {
        throw Error(QStringLiteral("現在のレコードがありません: ") + source_);
    }
    const int col = fieldIndex(name);
    if (col < 0) throw Error(QStringLiteral("フィールドが見つかりません: ") + name + QStringLiteral(" (") + source_ + u')');
    return rows_[static_cast<std::size_t>(pos_)][col];
}

QString Recordset::valueOrEmpty(const QString& name) const {
    if (!hasCurrentRow()) return QString();
    const int col = fieldIndex(name);
    if (col < 0) return QString();
    return rows_[static_cast<std::size_t>(pos_)][col];
}

// --- DatabaseWriter --------------------------------------------------------------------

DatabaseWriter::DatabaseWriter(const QString& path) : path_(path) {
    QFile::remove(path);
    const QByteArray utf8 = path.toUtf8();
    if (sqlite3_open_v2(utf8.constData(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        const QString msg = db_ ? sqliteMessage(db_) : QString();
        sqlite3_close(db_);
        db_ = nullptr;
        throw Error(QStringLiteral("データベースを作れません: ") + path + QStringLiteral(" (") + msg + u')');
    }
    exec(QStringLiteral("PRAGMA journal_mode=OFF"));
    exec(QStringLiteral("BEGIN"));
}

DatabaseWriter::~DatabaseWriter() {
    if (db_) sqlite3_close(db_);
}

void DatabaseWriter::exec(const QString& sql) {
    char* err = nullptr;
    if (sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &err) != SQLITE_OK) {
        const QString msg = QString::fromUtf8(err ? err : "");
        sqlite3_free(err);
        throw Error(QStringLiteral("データベースに書けません: ") + path_ + QStringLiteral(" (") + msg + u')');
    }
}

void DatabaseWriter::createTable(const QString& table, const std::vector<Column>& columns) {
    QStringList defs;
    for (const Column& c : columns) defs << quoteIdentifier(c.name) + (c.integer ? QStringLiteral(" INTEGER") : QStringLiteral(" TEXT"));
    exec(QStringLiteral("CREATE TABLE ") + quoteIdentifier(table) + QStringLiteral(" (") + defs.join(QStringLiteral(", ")) + u')');
    tables_.emplace_back(table, columns);
}

void DatabaseWriter::insert(const QString& table, const QStringList& values) {
    const std::vector<Column>* columns = nullptr;
    for (const auto& t : tables_) {
        if (t.first == table) columns = &t.second;
    }
    if (!columns) throw Error(QStringLiteral("テーブルが見つかりません: ") + table);
    if (static_cast<std::size_t>(values.size()) != columns->size()) {
        throw Error(QStringLiteral("列の数が合いません: ") + table);
    }
    QStringList marks;
    for (std::size_t i = 0; i < columns->size(); ++i) marks << QStringLiteral("?");
    const QByteArray sql =
        (QStringLiteral("INSERT INTO ") + quoteIdentifier(table) + QStringLiteral(" VALUES (") + marks.join(u',') + u')').toUtf8();
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db_, sql.constData(), -1, &st, nullptr) != SQLITE_OK) {
        throw Error(QStringLiteral("データベースに書けません: ") + path_ + QStringLiteral(" (") + sqliteMessage(db_) + u')');
    }
    for (std::size_t i = 0; i < columns->size(); ++i) {
        const int slot = static_cast<int>(i) + 1;
        const QString& v = values[static_cast<int>(i)];
        if ((*columns)[i].integer) {
            bool ok = false;
            const qlonglong n = v.toLongLong(&ok);
            if (!ok) {
                sqlite3_finalize(st);
                throw Error(QStringLiteral("整数ではありません: ") + v + QStringLiteral(" (") + table + u')');
            }
            sqlite3_bind_int64(st, slot, n);
        } else {
            const QByteArray text = v.toUtf8();
            sqlite3_bind_text(st, slot, text.constData(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
        }
    }
    const int rc = sqlite3_step(st);
    sqlite3_finalize(st);
    if (rc != SQLITE_DONE) {
        throw Error(QStringLiteral("データベースに書けません: ") + path_ + QStringLiteral(" (") + sqliteMessage(db_) + u')');
    }
}

void DatabaseWriter::commit() {
    exec(QStringLiteral("COMMIT"));
    sqlite3_close(db_);
    db_ = nullptr;
}

}  // namespace ado
