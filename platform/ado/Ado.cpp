#include "platform/ado/Ado.h"

#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <cmath>
#include <limits>

namespace ado {

// One compiled SQL statement, finalized when it goes: the only owner of a sqlite3_stmt in
// this layer. Every call that can fail is checked; a failure throws Error with SQLite's
// code and message after the context the statement was made with, so that the user
// reads which file or table failed.
class Statement {
public:
    // Compiles sql; throws when it does not compile (a file that is not a database, a
    // damaged schema).
    Statement(sqlite3* db, const QByteArray& sql, QString context);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bindText(int slot, const QString& value);
    void bindInteger(int slot, qint64 value);
    // Runs one step: true when it stands on a row, false when the statement is done.
    bool step();
    // Ready to run again, with no value bound.
    void reset();

    int columnCount() const;
    QString columnName(int column) const;
    // The column of the current row as text; NULL reads as the null string.
    QString columnText(int column) const;
    // The same as SQLite holds it, UTF-8, valid until the next step; NULL is a null view.
    QByteArrayView columnUtf8(int column) const;

private:
    void check(int rc);
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
    QString context_;
};

namespace {

QString quoteIdentifier(const QString& name) {
    QString q = name;
    q.replace(u'"', QStringLiteral("\"\""));
    return u'"' + q + u'"';
}

// "<context> (<SQLite's message>)" with the connection's last error code.
[[noreturn]] void throwSqliteError(sqlite3* db, const QString& context) {
    const int code = db ? sqlite3_extended_errcode(db) : SQLITE_NOMEM;
    const QString detail = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(code));
    throw Error(context + QStringLiteral(" (") + detail + u')', code, detail);
}

}  // namespace

Error::Error(const QString& message, int code, QString sqliteMessage)
    : std::runtime_error(message.toStdString()), extendedCode_(code), sqliteMessage_(std::move(sqliteMessage)) {}
QString Error::message() const { return QString::fromStdString(what()); }

// --- Statement -------------------------------------------------------------------------

Statement::Statement(sqlite3* db, const QByteArray& sql, QString context) : db_(db), context_(std::move(context)) {
    const int rc = sqlite3_prepare_v2(db_, sql.constData(), static_cast<int>(sql.size()), &stmt_, nullptr);
    if (rc != SQLITE_OK) {
        // A failed prepare leaves no statement behind, but say so rather than trust it.
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
        throwSqliteError(db_, context_);
    }
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

void Statement::check(int rc) {
    if (rc != SQLITE_OK) throwSqliteError(db_, context_);
}

void Statement::bindText(int slot, const QString& value) {
    const QByteArray utf8 = value.toUtf8();
    check(sqlite3_bind_text(stmt_, slot, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT));
}

void Statement::bindInteger(int slot, qint64 value) { check(sqlite3_bind_int64(stmt_, slot, value)); }

bool Statement::step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    throwSqliteError(db_, context_);
}

void Statement::reset() {
    // The result of reset repeats the last step's, which has been reported already.
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

int Statement::columnCount() const { return sqlite3_column_count(stmt_); }

QString Statement::columnName(int column) const { return QString::fromUtf8(sqlite3_column_name(stmt_, column)); }

QString Statement::columnText(int column) const { return QString::fromUtf8(columnUtf8(column)); }

QByteArrayView Statement::columnUtf8(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return text ? QByteArrayView(text, sqlite3_column_bytes(stmt_, column)) : QByteArrayView();
}

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
        throw Error(QStringLiteral("データベースファイルが見つかりません: ") + path, SQLITE_CANTOPEN);
    }
    sqlite3* raw = nullptr;
    const QByteArray utf8 = path.toUtf8();
    // A connection is used by one thread at a time, so SQLite need not lock it on every
    // call, which was a good part of reading a table.
    const int rc = sqlite3_open_v2(utf8.constData(), &raw, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
    // The handle is owned from here on, even when opening failed.
    std::shared_ptr<sqlite3> db(raw, [](sqlite3* d) { sqlite3_close_v2(d); });
    if (rc != SQLITE_OK) throwSqliteError(raw, QStringLiteral("データベースを開けません: ") + path);
    sqlite3_extended_result_codes(raw, 1);
    {
        // A file that is not a database, or one whose schema is damaged, only shows itself
        // on the first read.
        Statement probe(raw, "SELECT count(*) FROM sqlite_master", QStringLiteral("データベースを読めません: ") + path);
        probe.step();
    }
    db_ = std::move(db);
    dataSource_ = path;
}

// --- Recordset -------------------------------------------------------------------------

namespace detail {
struct MoveListener {
    std::function<void()> call;
    bool active = true;
};
struct MoveListeners {
    std::vector<std::shared_ptr<MoveListener>> list;
};
}  // namespace detail

MoveSubscription::~MoveSubscription() { reset(); }

MoveSubscription& MoveSubscription::operator=(MoveSubscription&& other) noexcept {
    if (this != &other) {
        reset();
        listeners_ = std::move(other.listeners_);
        listener_ = std::move(other.listener_);
    }
    return *this;
}

void MoveSubscription::reset() {
    if (!listener_) return;
    // Marked first: a move that is calling its listeners right now skips this one.
    listener_->active = false;
    if (const auto owner = listeners_.lock()) std::erase(owner->list, listener_);
    listener_.reset();
    listeners_.reset();
}

bool MoveSubscription::active() const { return listener_ && !listeners_.expired(); }

Recordset::Recordset() : listeners_(std::make_shared<detail::MoveListeners>()) {}

Recordset::~Recordset() = default;

MoveSubscription Recordset::onMove(std::function<void()> listener) {
    MoveSubscription s;
    s.listener_ = std::make_shared<detail::MoveListener>(detail::MoveListener{std::move(listener)});
    s.listeners_ = listeners_;
    listeners_->list.push_back(s.listener_);
    return s;
}

void Recordset::moved() {
    // The listeners of this moment, kept alive through the calls: one may unsubscribe
    // others, subscribe new ones, or drop the last reference to this recordset.
    const std::vector<std::shared_ptr<detail::MoveListener>> now = listeners_->list;
    for (const auto& l : now) {
        if (l->active) l->call();
    }
}

void Recordset::Open(const QString& source, const std::shared_ptr<Connection>& activeConnection, int, int, int) {
    if (!activeConnection || !activeConnection->isOpen()) {
        throw Error(QStringLiteral("接続が開かれていません: テーブル ") + source);
    }
    sqlite3* db = activeConnection->db_.get();
    const QString where = activeConnection->dataSource();
    const QString unreadable = QStringLiteral("テーブルを読めません: ") + source + QStringLiteral(" (") + where + u')';

    // Table names match without regard to case, as the original databases did.
    QString table;
    {
        Statement lookup(db, "SELECT name FROM sqlite_master WHERE type='table' AND lower(name)=lower(?1)", unreadable);
        lookup.bindText(1, source);
        if (lookup.step()) table = lookup.columnText(0);
    }
    if (table.isEmpty()) {
        // The code SQLite gives a query on a table that is not there.
        throw Error(QStringLiteral("テーブルが見つかりません: ") + source + QStringLiteral(" (") + where + u')', SQLITE_ERROR);
    }

    Statement select(db, (QStringLiteral("SELECT * FROM ") + quoteIdentifier(table) + QStringLiteral(" ORDER BY rowid")).toUtf8(),
                     unreadable);
    QStringList fields;
    const int n = select.columnCount();
    for (int i = 0; i < n; ++i) fields << select.columnName(i);
    // Every row is read here, so that a damaged table fails to open rather than later.
    std::string text;
    std::vector<std::size_t> ends;
    std::vector<bool> nulls;
    int rows = 0;
    while (select.step()) {
        for (int i = 0; i < n; ++i) {
            const QByteArrayView field = select.columnUtf8(i);
            text.append(field.data(), static_cast<std::size_t>(field.size()));
            ends.push_back(text.size());
            nulls.push_back(field.isNull());
        }
        ++rows;
    }
    source_ = source;
    fields_ = std::move(fields);
    text_ = std::move(text);
    ends_ = std::move(ends);
    nulls_ = std::move(nulls);
    rowCount_ = rows;
    numbers_.assign(static_cast<std::size_t>(n), {});
    pos_ = 0;
    open_ = true;
    moved();
}

QString Recordset::cell(int row, int column) const {
    const std::size_t i = static_cast<std::size_t>(row) * static_cast<std::size_t>(fields_.size()) + static_cast<std::size_t>(column);
    if (nulls_[i]) return QString();
    const std::size_t begin = i == 0 ? 0 : ends_[i - 1];
    return QString::fromUtf8(QByteArrayView(text_.data() + begin, static_cast<qsizetype>(ends_[i] - begin)));
}

const std::vector<double>& Recordset::numbers(int column) {
    std::vector<double>& out = numbers_[static_cast<std::size_t>(column)];
    if (static_cast<int>(out.size()) == rowCount_) return out;
    out.resize(static_cast<std::size_t>(rowCount_));
    for (int row = 0; row < rowCount_; ++row) {
        bool ok = false;
        const double v = cell(row, column).trimmed().toDouble(&ok);
        // NaN equals nothing, so a field that is no number matches no criterion.
        out[static_cast<std::size_t>(row)] = ok ? v : std::numeric_limits<double>::quiet_NaN();
    }
    return out;
}

void Recordset::MoveFirst() {
    if (!open_) throw Error(QStringLiteral("レコードセットが開かれていません"));
    pos_ = 0;
    moved();
}

void Recordset::MoveLast() {
    if (!open_) throw Error(QStringLiteral("レコードセットが開かれていません"));
    pos_ = rowCount_ == 0 ? 0 : rowCount_ - 1;
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
    // "nan" and "inf" read as numbers here, but no field equals them.
    bool numeric = false;
    const double wanted = criteria.mid(eq + 1).trimmed().toDouble(&numeric);
    if (!numeric || !std::isfinite(wanted)) throw Error(QStringLiteral("検索条件が正しくありません: ") + criteria);
    const int col = fieldIndex(field);
    if (col < 0) throw Error(QStringLiteral("フィールドが見つかりません: ") + field + QStringLiteral(" (") + source_ + u')');
    const std::vector<double>& column = numbers(col);
    int i = pos_ < 0 ? 0 : pos_;
    while (i < rowCount_ && column[static_cast<std::size_t>(i)] != wanted) ++i;
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
    return cell(pos_, col);
}

QString Recordset::valueOrEmpty(const QString& name) const {
    if (!hasCurrentRow()) return QString();
    const int col = fieldIndex(name);
    if (col < 0) return QString();
    return cell(pos_, col);
}

// --- DatabaseWriter --------------------------------------------------------------------

void DatabaseWriter::Closer::operator()(sqlite3* db) const { sqlite3_close_v2(db); }

DatabaseWriter::DatabaseWriter(const QString& path) : path_(path) {
    QFile::remove(path);
    const QByteArray utf8 = path.toUtf8();
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(utf8.constData(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    db_.reset(raw);
    if (rc != SQLITE_OK) throwSqliteError(raw, QStringLiteral("データベースを作れません: ") + path);
    sqlite3_extended_result_codes(raw, 1);
    exec(QStringLiteral("PRAGMA journal_mode=OFF"));
    exec(QStringLiteral("BEGIN"));
}

DatabaseWriter::~DatabaseWriter() {
    if (!db_) return;
    // Never committed: the statements and the file go, so no half-built database is left.
    tables_.clear();
    db_.reset();
    QFile::remove(path_);
}

sqlite3* DatabaseWriter::handle() const {
    if (!db_) throw Error(QStringLiteral("データベースは閉じられています: ") + path_);
    return db_.get();
}

void DatabaseWriter::exec(const QString& sql) {
    Statement st(handle(), sql.toUtf8(), QStringLiteral("データベースに書けません: ") + path_);
    while (st.step()) {
    }
}

void DatabaseWriter::createTable(const QString& table, const std::vector<Column>& columns) {
    if (tables_.count(table)) throw Error(QStringLiteral("テーブルがすでにあります: ") + table + QStringLiteral(" (") + path_ + u')');
    QStringList defs;
    for (const Column& c : columns) defs << quoteIdentifier(c.name) + (c.integer ? QStringLiteral(" INTEGER") : QStringLiteral(" TEXT"));
    exec(QStringLiteral("CREATE TABLE ") + quoteIdentifier(table) + QStringLiteral(" (") + defs.join(QStringLiteral(", ")) + u')');
    tables_[table].columns = columns;
}

void DatabaseWriter::insert(const QString& table, const QStringList& values) {
    sqlite3* db = handle();
    const auto it = tables_.find(table);
    if (it == tables_.end()) throw Error(QStringLiteral("テーブルが見つかりません: ") + table + QStringLiteral(" (") + path_ + u')');
    Table& t = it->second;
    if (static_cast<std::size_t>(values.size()) != t.columns.size()) {
        throw Error(QStringLiteral("列の数が合いません: ") + table + QStringLiteral(" (") + path_ + u')');
    }
    if (!t.insert) {
        QStringList marks;
        for (std::size_t i = 0; i < t.columns.size(); ++i) marks << QStringLiteral("?");
        const QByteArray sql =
            (QStringLiteral("INSERT INTO ") + quoteIdentifier(table) + QStringLiteral(" VALUES (") + marks.join(u',') + u')').toUtf8();
        t.insert = std::make_unique<Statement>(db, sql,
                                               QStringLiteral("データベースに書けません: ") + path_ + QStringLiteral(" テーブル ") + table);
    }
    Statement& st = *t.insert;
    st.reset();
    for (std::size_t i = 0; i < t.columns.size(); ++i) {
        const int slot = static_cast<int>(i) + 1;
        const QString& v = values[static_cast<int>(i)];
        if (t.columns[i].integer) {
            bool ok = false;
            const qlonglong n = v.toLongLong(&ok);
            if (!ok) throw Error(QStringLiteral("整数ではありません: ") + v + QStringLiteral(" (") + table + u')');
            st.bindInteger(slot, n);
        } else {
            st.bindText(slot, v);
        }
    }
    st.step();
}

void DatabaseWriter::commit() {
    exec(QStringLiteral("COMMIT"));
    tables_.clear();
    db_.reset();
}

}  // namespace ado
