#pragma once
// A small layer in the image of the classic data-access objects, over SQLite.
//
// - A Connection takes a connection string of the classic form
//   "Provider=...;Data Source=path;...Password=..." and opens the data source path as a
//   SQLite file, read-only; the provider and the password are ignored, "\" in the path
//   is read as "/".
// - A Recordset opened on a table (matched without regard to case) is a static snapshot
//   of the table in row order. It stands on a row, after the last row (EOF) or before
//   the first (BOF); an empty table is both. Moving past EOF or BOF, or reading a field
//   there, throws ado::Error, as the classic API raises its error.
// - Find("Point_No=47662") searches forward from the current row, the current row
//   included; when nothing matches the recordset stands at EOF.
// - Objects are shared: a label bound to a recordset keeps it alive after the program
//   has put a new one in its place.
//
// - Every failure throws ado::Error. Its message is for the user and names the file or the
//   table; code() is the SQLite result code (SQLITE_NOTADB for a file that is not a
//   database, SQLITE_CORRUPT for a damaged one, SQLITE_CANTOPEN for a missing one,
//   SQLITE_ERROR for a missing table), or 0 where a rule of this layer failed (a move past
//   EOF, a bad criterion, an unknown field, a closed connection).
//
// Nothing is ever written through a Connection. DatabaseWriter builds database files.

#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

struct sqlite3;

namespace ado {

class Error : public std::runtime_error {
public:
    // code: SQLite's extended result code, or 0 for a rule of this layer; sqliteMessage:
    // what SQLite said, when it said something.
    explicit Error(const QString& message, int code = 0, QString sqliteMessage = QString());
    // For the user: what failed, naming the file or the table.
    QString message() const;
    // The primary SQLite result code (SQLITE_CORRUPT ...), or 0.
    int code() const { return extendedCode_ & 0xFF; }
    int extendedCode() const { return extendedCode_; }
    const QString& sqliteMessage() const { return sqliteMessage_; }

private:
    int extendedCode_;
    QString sqliteMessage_;
};

class Statement;

namespace detail {
struct MoveListener;
struct MoveListeners;
}  // namespace detail

// A listener of one recordset's moves; it stops listening when it goes. Either side may
// go first: a subscription that outlives its recordset hears nothing more, and a
// recordset that outlives its subscriptions calls nobody.
class MoveSubscription {
public:
    MoveSubscription() = default;
    ~MoveSubscription();
    MoveSubscription(MoveSubscription&& other) noexcept = default;
    MoveSubscription& operator=(MoveSubscription&& other) noexcept;
    MoveSubscription(const MoveSubscription&) = delete;
    MoveSubscription& operator=(const MoveSubscription&) = delete;

    void reset();
    bool active() const;

private:
    friend class Recordset;
    std::weak_ptr<detail::MoveListeners> listeners_;
    std::shared_ptr<detail::MoveListener> listener_;
};

class Connection {
public:
    Connection() = default;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    QString ConnectionString;

    // An empty string opens with ConnectionString. User, password and options are
    // accepted for the classic call shape and ignored.
    void Open(const QString& connectionString = QString(), const QString& user = QString(), const QString& password = QString(),
              int options = -1);
    bool isOpen() const { return db_ != nullptr; }
    // The data source path as opened ("/" separators).
    QString dataSource() const { return dataSource_; }

    // The value of one key of a connection string ("Data Source"), or empty.
    static QString keyValue(const QString& connectionString, const QString& key);

private:
    friend class Recordset;
    std::shared_ptr<sqlite3> db_;
    QString dataSource_;
};

enum CursorType { adOpenForwardOnly = 0, adOpenKeyset = 1, adOpenDynamic = 2, adOpenStatic = 3 };

class Recordset {
public:
    Recordset();
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // Opens a snapshot of the table named source. The cursor type, lock type and options
    // are accepted for the classic call shape; every recordset is static and read-only.
    void Open(const QString& source, const std::shared_ptr<Connection>& activeConnection, int cursorType = adOpenStatic, int lockType = -1,
              int options = -1);
    bool isOpen() const { return open_; }

    bool isEOF() const { return open_ && pos_ >= rowCount_; }
    bool isBOF() const { return open_ && (pos_ < 0 || rowCount_ == 0); }
    bool hasCurrentRow() const { return open_ && pos_ >= 0 && pos_ < rowCount_; }

    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();
    void Find(const QString& criteria);

    int RecordCount() const { return rowCount_; }
    // 1-based position of the current row; 0 at BOF or EOF.
    int AbsolutePosition() const { return hasCurrentRow() ? pos_ + 1 : 0; }
    QString Source() const { return source_; }
    const QStringList& FieldNames() const { return fields_; }
    bool hasField(const QString& name) const { return fieldIndex(name) >= 0; }

    // The field of the current row as text. Throws at EOF or BOF, or for an unknown field.
    QString Fields(const QString& name) const;
    // The same, or the empty text where there is no current row (what a bound label shows).
    QString valueOrEmpty(const QString& name) const;

    // Calls listener after every move and every Open of this recordset, until the
    // subscription goes: what a bound label listens to. A listener may subscribe or
    // unsubscribe others while it runs.
    [[nodiscard]] MoveSubscription onMove(std::function<void()> listener);

private:
    int fieldIndex(const QString& name) const;
    // One field of one row as text; NULL reads as the null string.
    QString cell(int row, int column) const;
    // The fields of one column read as numbers, NaN where a field reads as none.
    const std::vector<double>& numbers(int column);
    void moved();

    std::shared_ptr<detail::MoveListeners> listeners_;
    bool open_ = false;
    QString source_;
    QStringList fields_;
    // The snapshot, read whole at Open: the text of every field, row after row, as UTF-8
    // one after another, where each field ends and which fields are NULL. A table is held
    // in a few blocks rather than a string per field, and a field becomes text only when
    // it is read.
    std::string text_;
    std::vector<std::size_t> ends_;
    std::vector<bool> nulls_;
    int rowCount_ = 0;
    // Made by the first Find over a column, for the finds after it.
    std::vector<std::vector<double>> numbers_;
    int pos_ = 0;
};

// Builds a database file from nothing: tables of text or whole-number columns, rows in
// order. Used by the build to make the program's databases and by the tests' fixtures.
class DatabaseWriter {
public:
    struct Column {
        QString name;
        bool integer = false;
    };

    // Creates (or replaces) the file; its folder must exist.
    explicit DatabaseWriter(const QString& path);
    // A writer that goes without commit removes its file: nothing half-built is left.
    ~DatabaseWriter();
    DatabaseWriter(const DatabaseWriter&) = delete;
    DatabaseWriter& operator=(const DatabaseWriter&) = delete;

    void createTable(const QString& table, const std::vector<Column>& columns);
    // Values in column order; an integer column takes its text as a whole number.
    void insert(const QString& table, const QStringList& values);
    // Writes everything to the file and closes it; the writer takes nothing more.
    void commit();

private:
    struct Table {
        std::vector<Column> columns;
        std::unique_ptr<Statement> insert;  // prepared on the first row, kept for the others
    };
    struct Closer {
        void operator()(sqlite3* db) const;
    };
    void exec(const QString& sql);
    sqlite3* handle() const;
    QString path_;
    // Declared before the tables: their statements are finalized before the file closes.
    std::unique_ptr<sqlite3, Closer> db_;
    std::map<QString, Table> tables_;
};

}  // namespace ado
