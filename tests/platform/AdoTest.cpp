// The data-access layer over SQLite: opening by connection string, a static snapshot in
// table order, moves with EOF and BOF, forward finds, table names without regard to case,
// failures that name what is missing and carry SQLite's code, damaged files, the writer
// that builds the databases, and recordsets that outlive their replacement.
#include "platform/ado/Ado.h"
#include "platform/forms/Form.h"
#include "tests/support/FakeServices.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <functional>
#include <optional>

using namespace ado;
using namespace Qt::Literals::StringLiterals;
using testing_support::TempFolder;

namespace {

class AdoTest : public ::testing::Test {
protected:
    void SetUp() override {
        QDir().mkpath(folder.file(u"Hyther_DB"_s));
        path = folder.file(u"Hyther_DB/Test.mdb"_s);
        DatabaseWriter w(path);
        w.createTable(u"Tokyo_Hyser_Data"_s, {{u"ID"_s, true}, {u"nen"_s, true}, {u"Ondo_1"_s, false}});
        w.insert(u"Tokyo_Hyser_Data"_s, {u"1"_s, u"1998"_s, u"5.1"_s});
        w.insert(u"Tokyo_Hyser_Data"_s, {u"2"_s, u"1999"_s, u"×"_s});
        w.insert(u"Tokyo_Hyser_Data"_s, {u"3"_s, u"2000"_s, u""_s});
        w.insert(u"Tokyo_Hyser_Data"_s, {u"4"_s, u"1999"_s, u"7.0"_s});
        w.createTable(u"Empty_Hyser_Data"_s, {{u"nen"_s, true}});
        w.commit();
        cn = std::make_shared<Connection>();
        cn->ConnectionString = u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source="_s + QDir::toNativeSeparators(path).replace(u'/', u'\\') +
                               u";Jet OLEDB:Database Password=pm3Kd_vrhx_tq"_s;
        cn->Open(QString(), QString(), QString(), -1);
    }

    std::shared_ptr<Recordset> open(const QString& table) {
        auto rs = std::make_shared<Recordset>();
        rs->Open(table, cn, adOpenStatic, -1, -1);
        return rs;
    }

    TempFolder folder;
    QString path;
    std::shared_ptr<Connection> cn;
};

TEST_F(AdoTest, ConnectionStringGivesTheDataSourceWithBackslashesRead) {
    EXPECT_EQ(cn->dataSource(), path);
    EXPECT_EQ(Connection::keyValue(u"Provider=X;Data Source=a\\b.mdb;Jet OLEDB:Database Password=p"_s, u"data source"_s), u"a\\b.mdb"_s);
}

TEST_F(AdoTest, RecordsetStartsOnTheFirstRowAndMovesThroughTheTableInOrder) {
    auto rs = open(u"Tokyo_Hyser_Data"_s);
    EXPECT_EQ(rs->RecordCount(), 4);
    EXPECT_EQ(rs->Fields(u"nen"_s), u"1998"_s);
    EXPECT_EQ(rs->Fields(u"ID"_s), u"1"_s) << "numbers come back as text";
    rs->MoveNext();
    EXPECT_EQ(rs->Fields(u"Ondo_1"_s), u"×"_s);
    rs->MoveLast();
    EXPECT_EQ(rs->Fields(u"ID"_s), u"4"_s);
    rs->MoveNext();
    EXPECT_TRUE(rs->isEOF());
    EXPECT_FALSE(rs->isBOF());
    EXPECT_THROW(rs->MoveNext(), Error) << "no move past EOF";
    EXPECT_THROW(rs->Fields(u"nen"_s), Error) << "no field at EOF";
    EXPECT_EQ(rs->valueOrEmpty(u"nen"_s), QString());
    rs->MoveFirst();
    rs->MovePrevious();
    EXPECT_TRUE(rs->isBOF());
    EXPECT_THROW(rs->MovePrevious(), Error);
    rs->MoveNext();
    EXPECT_EQ(rs->Fields(u"ID"_s), u"1"_s);
}

TEST_F(AdoTest, FindSearchesForwardFromTheCurrentRowAndStopsAtEofWhenNothingMatches) {
    auto rs = open(u"Tokyo_Hyser_Data"_s);
    rs->Find(u"nen=1999"_s);
    EXPECT_EQ(rs->Fields(u"ID"_s), u"2"_s);
    rs->Find(u"nen=1999"_s);
    EXPECT_EQ(rs->Fields(u"ID"_s), u"2"_s) << "the current row is searched first";
    rs->MoveNext();
    rs->Find(u"nen=1999"_s);
    EXPECT_EQ(rs->Fields(u"ID"_s), u"4"_s);
    rs->MoveNext();
    rs->MoveFirst();
    rs->Find(u"nen=2000.5"_s);
    EXPECT_TRUE(rs->isEOF());
    rs->MoveFirst();
    rs->Find(u"nen=1998"_s);
    EXPECT_EQ(rs->AbsolutePosition(), 1);
}

// A recordset keeps what it has found out about a column for the finds after it; opened
// again on another table it must forget it.
TEST_F(AdoTest, FindsAgreeAfterMovesAndAfterTheRecordsetIsOpenedOnAnotherTable) {
    const QString file = folder.file(u"other.mdb"_s);
    {
        DatabaseWriter w(file);
        w.createTable(u"Other"_s, {{u"ID"_s, true}, {u"nen"_s, false}});
        // As many rows as the first table, its years in other places.
        w.insert(u"Other"_s, {u"7"_s, u" 1999 "_s});  // blanks around a number still match
        w.insert(u"Other"_s, {u"8"_s, u"1998"_s});
        w.insert(u"Other"_s, {u"9"_s, u"2001"_s});
        w.insert(u"Other"_s, {u"10"_s, u"1997"_s});
        w.commit();
    }
    auto other = std::make_shared<Connection>();
    other->Open(u"Data Source="_s + file);

    auto rs = open(u"Tokyo_Hyser_Data"_s);
    rs->Find(u"nen=1999"_s);
    EXPECT_EQ(rs->Fields(u"ID"_s), u"2"_s);
    rs->MoveNext();
    rs->Find(u"nen=1999"_s);
    EXPECT_EQ(rs->Fields(u"ID"_s), u"4"_s);
    rs->MoveFirst();
    rs->Find(u"nen=1998"_s);
    EXPECT_EQ(rs->Fields(u"ID"_s), u"1"_s);

    rs->Open(u"Other"_s, other);
    rs->Find(u"nen=1998"_s);
    EXPECT_EQ(rs->Fields(u"ID"_s), u"8"_s);
    rs->MoveFirst();
    rs->Find(u"nen=1999"_s);
    EXPECT_EQ(rs->Fields(u"ID"_s), u"7"_s);
    rs->MoveFirst();
    rs->Find(u"nen=2000"_s);
    EXPECT_TRUE(rs->isEOF()) << "no row of the table opened before";
}

// Fields of every width side by side, NULL and empty text apart: each reads back as it was
// stored, whichever row and column it lies in.
TEST_F(AdoTest, EveryFieldReadsBackAsStored) {
    const QString file = folder.file(u"fields.mdb"_s);
    {
        DatabaseWriter w(file);
        w.createTable(u"Fields"_s, {{u"ID"_s, true}, {u"a"_s, false}, {u"b"_s, false}});
        w.commit();
    }
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.toUtf8().constData(), &db), SQLITE_OK);
    const char* sql =
        "INSERT INTO Fields VALUES (1, NULL, '');"
        "INSERT INTO Fields VALUES (2, '東京', '×');"
        "INSERT INTO Fields VALUES (3, '', NULL);"
        "INSERT INTO Fields VALUES (4, 'ワシントンＤ．Ｃ．', '𝄞 5.4');"
        "INSERT INTO Fields VALUES (5, NULL, NULL);";
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);

    struct Row {
        QString a, b;
    };
    const Row rows[] = {
        {QString(), u""_s}, {u"東京"_s, u"×"_s}, {u""_s, QString()}, {u"ワシントンＤ．Ｃ．"_s, u"𝄞 5.4"_s}, {QString(), QString()}};
    auto cn2 = std::make_shared<Connection>();
    cn2->Open(u"Data Source="_s + file);
    Recordset rs;
    rs.Open(u"Fields"_s, cn2);
    ASSERT_EQ(rs.RecordCount(), 5);
    for (const Row& row : rows) {
        SCOPED_TRACE(rs.Fields(u"ID"_s).toStdString());
        EXPECT_EQ(rs.Fields(u"a"_s), row.a);
        EXPECT_EQ(rs.Fields(u"a"_s).isNull(), row.a.isNull()) << "NULL reads as the null text, '' as the empty one";
        EXPECT_EQ(rs.valueOrEmpty(u"b"_s), row.b);
        EXPECT_EQ(rs.valueOrEmpty(u"b"_s).isNull(), row.b.isNull());
        rs.MoveNext();
    }
    EXPECT_TRUE(rs.isEOF());
}

TEST_F(AdoTest, BadFindCriteriaAndUnknownFieldsAreErrors) {
    auto rs = open(u"Tokyo_Hyser_Data"_s);
    EXPECT_THROW(rs->Find(u"nen"_s), Error);
    EXPECT_THROW(rs->Find(u"nen=abc"_s), Error);
    EXPECT_THROW(rs->Find(u"nen=nan"_s), Error) << "no field equals it";
    EXPECT_THROW(rs->Find(u"nen=inf"_s), Error);
    EXPECT_THROW(rs->Find(u"nen=1e999"_s), Error);
    EXPECT_THROW(rs->Find(u"Point_No=47662"_s), Error);
    EXPECT_THROW(rs->Fields(u"spot"_s), Error);
}

TEST_F(AdoTest, TableNamesMatchWithoutRegardToCase) {
    auto rs = open(u"tokyo_hyser_data"_s);
    EXPECT_EQ(rs->RecordCount(), 4);
    EXPECT_EQ(open(u"TOKYO_HYSER_DATA"_s)->RecordCount(), 4);
}

TEST_F(AdoTest, EmptyTableStandsAtBothEofAndBof) {
    auto rs = open(u"Empty_Hyser_Data"_s);
    EXPECT_TRUE(rs->isEOF());
    EXPECT_TRUE(rs->isBOF());
    EXPECT_FALSE(rs->hasCurrentRow());
    rs->Find(u"nen=2000"_s);
    EXPECT_TRUE(rs->isEOF());
}

TEST_F(AdoTest, FailuresNameWhatIsMissing) {
    try {
        open(u"Nowhere_Hyser_Data"_s);
        FAIL() << "a missing table opened";
    } catch (const Error& e) {
        EXPECT_TRUE(e.message().contains(u"Nowhere_Hyser_Data"_s));
    }
    Connection missing;
    try {
        missing.Open(u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=Hyther_DB\\NoSuch.mdb;"_s);
        FAIL() << "a missing file opened";
    } catch (const Error& e) {
        EXPECT_TRUE(e.message().contains(u"Hyther_DB/NoSuch.mdb"_s));
    }
    QFile junk(folder.file(u"junk.mdb"_s));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("this is not a database at all, just some text that is long enough");
    junk.close();
    Connection bad;
    EXPECT_THROW(bad.Open(u"Data Source="_s + junk.fileName()), Error);
    auto closed = std::make_shared<Connection>();
    Recordset rs;
    EXPECT_THROW(rs.Open(u"Tokyo_Hyser_Data"_s, closed), Error);
}

TEST_F(AdoTest, ConnectionIsReadOnly) {
    auto rs = open(u"Tokyo_Hyser_Data"_s);
    QFile f(path);
    const auto before = QFileInfo(path).lastModified();
    EXPECT_EQ(rs->RecordCount(), 4);
    EXPECT_EQ(QFileInfo(path).lastModified(), before);
}

TEST_F(AdoTest, BoundLabelFollowsItsRecordsetAndKeepsItAliveWhenReplaced) {
    testing_support::FakeServices services;
    forms::FormDesign d;
    d.name = u"Bound"_s;
    d.controls = {forms::label(u"Label1"_s, 0, 0, 100, 100)};
    forms::Form form(d);
    auto& label = form.control<forms::Label>(u"Label1"_s);

    auto rs = open(u"Tokyo_Hyser_Data"_s);
    label.setDataSource(rs);
    label.setDataField(u"nen"_s);
    EXPECT_EQ(label.Caption(), u"1998"_s);
    rs->MoveNext();
    EXPECT_EQ(label.Caption(), u"1999"_s);
    rs->MoveLast();
    rs->MoveNext();
    EXPECT_EQ(label.Caption(), QString()) << "no current row: the empty text";

    std::weak_ptr<Recordset> old = rs;
    rs->MoveFirst();
    rs = open(u"Tokyo_Hyser_Data"_s);  // the program puts a new one in the same place
    rs->MoveLast();
    EXPECT_FALSE(old.expired());
    EXPECT_EQ(label.Caption(), u"1998"_s) << "the label still shows the recordset it was bound to";
    EXPECT_THROW(label.setDataField(u"nosuch"_s), Error);
}

}  // namespace

namespace {

// A database of one table that spans several pages, so that damage can hit the table
// and leave the schema readable.
void writeLongTable(const QString& path) {
    DatabaseWriter w(path);
    w.createTable(u"Naha_Hyser_Data"_s, {{u"ID"_s, true}, {u"spot"_s, false}});
    for (int i = 1; i <= 400; ++i) w.insert(u"Naha_Hyser_Data"_s, {QString::number(i), u"那覇"_s + QString(60, u'x')});
    w.commit();
}

// Overwrites bytes of a file in place.
void patch(const QString& path, qint64 offset, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.seek(offset));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

int pageSize(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return 0;
    const QByteArray header = f.read(100);
    const int size = (static_cast<unsigned char>(header[16]) << 8) | static_cast<unsigned char>(header[17]);
    return size == 1 ? 65536 : size;
}

// Opens the connection and then the table, and gives the error of whichever fails.
std::optional<Error> failureOpening(const QString& path, const QString& table) {
    try {
        auto cn = std::make_shared<Connection>();
        cn->Open(u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source="_s + path + u";"_s);
        Recordset rs;
        rs.Open(table, cn);
    } catch (const Error& e) {
        return e;
    }
    return std::nullopt;
}

TEST_F(AdoTest, FilesThatCannotBeReadGiveTheSqliteCodeAndNameTheFile) {
    struct Case {
        const char* name;
        std::function<void(const QString& path)> make;
        QString table;
        int code;
    };
    const Case cases[] = {
        {"no file at all", [](const QString&) {}, u"Naha_Hyser_Data"_s, SQLITE_CANTOPEN},
        {"a text file",
         [](const QString& p) {
             QFile f(p);
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
             f.write(QByteArray("this is not a database at all, just some text that is long enough to have a header").repeated(50));
         },
         u"Naha_Hyser_Data"_s, SQLITE_NOTADB},
        {"a database whose header is overwritten",
         [](const QString& p) {
             writeLongTable(p);
             patch(p, 0, "SQLite format 2\0");
         },
         u"Naha_Hyser_Data"_s, SQLITE_NOTADB},
        {"a database whose schema page is damaged",
         [](const QString& p) {
             writeLongTable(p);
             patch(p, 100, QByteArray(64, '\xA5'));  // the b-tree header of page 1
         },
         u"Naha_Hyser_Data"_s, SQLITE_CORRUPT},
        {"a database whose table page is damaged",
         [](const QString& p) {
             writeLongTable(p);
             patch(p, pageSize(p), QByteArray(64, '\xA5'));  // the table's root page
         },
         u"Naha_Hyser_Data"_s, SQLITE_CORRUPT},
        {"a database cut short",
         [](const QString& p) {
             writeLongTable(p);
             QFile f(p);
             ASSERT_TRUE(f.resize(2 * pageSize(p)));
         },
         u"Naha_Hyser_Data"_s, SQLITE_CORRUPT},
        {"a database without the table", [](const QString& p) { writeLongTable(p); }, u"Nago_Hyser_Data"_s, SQLITE_ERROR},
        {"an empty file: a database without tables",
         [](const QString& p) {
             QFile f(p);
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
         },
         u"Naha_Hyser_Data"_s, SQLITE_ERROR},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = folder.file(u"case%1.mdb"_s.arg(++n));
        c.make(file);
        const std::optional<Error> e = failureOpening(file, c.table);
        ASSERT_TRUE(e.has_value()) << "it opened";
        EXPECT_EQ(e->code(), c.code) << e->message().toStdString();
        EXPECT_TRUE(e->message().contains(file)) << e->message().toStdString();
        if (c.code == SQLITE_ERROR) {
            EXPECT_TRUE(e->message().contains(c.table)) << e->message().toStdString();
        }
        if (c.code == SQLITE_NOTADB || c.code == SQLITE_CORRUPT) {
            EXPECT_FALSE(e->sqliteMessage().isEmpty());
            EXPECT_TRUE(e->message().contains(e->sqliteMessage())) << "the user reads what SQLite found";
        }
    }
}

TEST_F(AdoTest, RulesOfTheLayerAreErrorsWithoutAnSqliteCode) {
    auto rs = open(u"Tokyo_Hyser_Data"_s);
    rs->MoveLast();
    rs->MoveNext();
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"a move past EOF", [&] { rs->MoveNext(); }},
        {"a field at EOF", [&] { rs->Fields(u"nen"_s); }},
        {"a criterion that is not a number", [&] { rs->Find(u"nen=abc"_s); }},
        {"an unknown field", [&] { rs->Find(u"spot=1"_s); }},
        {"a recordset that was never opened", [] { Recordset().MoveFirst(); }},
    };
    for (const auto& [name, action] : cases) {
        SCOPED_TRACE(name);
        try {
            action();
            ADD_FAILURE() << "no error";
        } catch (const Error& e) {
            EXPECT_EQ(e.code(), 0);
            EXPECT_FALSE(e.message().isEmpty());
        }
    }
}

TEST_F(AdoTest, WriterRoundTripKeepsTextNumbersAndOrder) {
    const QString file = folder.file(u"round.mdb"_s);
    const QString table = u"Odd \"name\" Hyser_data"_s;  // quotes and blanks survive
    DatabaseWriter w(file);
    w.createTable(table, {{u"ID"_s, true}, {u"spot"_s, false}, {u"Ondo_1"_s, false}});
    const std::vector<QStringList> rows = {
        {u"1"_s, u"東京"_s, u"5.4"_s},
        {u"-2"_s, u"ワシントンＤ．Ｃ．"_s, u"×"_s},
        {u"9007199254740993"_s, u"it's"_s, u""_s},  // beyond a double's exact integers
    };
    for (const QStringList& r : rows) w.insert(table, r);
    w.createTable(u"Second"_s, {{u"nen"_s, true}});
    for (int year = 1961; year <= 2000; ++year) w.insert(u"Second"_s, {QString::number(year)});
    w.commit();

    auto written = std::make_shared<Connection>();
    written->Open(u"Data Source="_s + file);
    Recordset rs;
    rs.Open(table, written);
    EXPECT_EQ(rs.FieldNames(), (QStringList{u"ID"_s, u"spot"_s, u"Ondo_1"_s}));
    ASSERT_EQ(rs.RecordCount(), 3);
    for (const QStringList& r : rows) {
        SCOPED_TRACE(r.join(u',').toStdString());
        EXPECT_EQ(rs.Fields(u"ID"_s), r[0]);
        EXPECT_EQ(rs.Fields(u"spot"_s), r[1]);
        EXPECT_EQ(rs.Fields(u"Ondo_1"_s), r[2]);
        rs.MoveNext();
    }
    Recordset years;
    years.Open(u"second"_s, written);
    EXPECT_EQ(years.RecordCount(), 40);
    years.MoveLast();
    EXPECT_EQ(years.Fields(u"nen"_s), u"2000"_s);
}

TEST_F(AdoTest, WriterRefusesWhatItCannotWriteAndLeavesNoHalfBuiltFile) {
    const QString file = folder.file(u"refused.mdb"_s);
    {
        DatabaseWriter w(file);
        w.createTable(u"T"_s, {{u"nen"_s, true}, {u"spot"_s, false}});
        w.insert(u"T"_s, {u"2000"_s, u"東京"_s});
        EXPECT_THROW(w.insert(u"T"_s, {u"20x0"_s, u"東京"_s}), Error) << "an integer column takes whole numbers";
        EXPECT_THROW(w.insert(u"T"_s, {u"2000"_s}), Error) << "one value per column";
        EXPECT_THROW(w.insert(u"U"_s, {u"2000"_s}), Error) << "a table that was not created";
        EXPECT_THROW(w.createTable(u"T"_s, {{u"nen"_s, true}}), Error) << "a table made twice";
        w.insert(u"T"_s, {u"2001"_s, u"大阪"_s});  // a refused row leaves the writer usable
        EXPECT_TRUE(QFileInfo::exists(file));
    }
    EXPECT_FALSE(QFileInfo::exists(file)) << "a writer that never committed leaves nothing behind";

    try {
        DatabaseWriter w(folder.file(u"no/such/folder/x.mdb"_s));
        FAIL() << "a file in a missing folder was created";
    } catch (const Error& e) {
        EXPECT_EQ(e.code(), SQLITE_CANTOPEN);
        EXPECT_TRUE(e.message().contains(u"no/such/folder/x.mdb"_s)) << e.message().toStdString();
    }
}

}  // namespace
