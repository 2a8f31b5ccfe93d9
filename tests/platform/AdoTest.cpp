// The data-access layer over SQLite: opening by connection string, a static snapshot in
// table order, moves with EOF and BOF, forward finds, table names without regard to case,
// failures that name what is missing, and recordsets that outlive their replacement.
#include "platform/ado/Ado.h"
#include "platform/forms/Form.h"
#include "tests/support/FakeServices.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

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

TEST_F(AdoTest, BadFindCriteriaAndUnknownFieldsAreErrors) {
    auto rs = open(u"Tokyo_Hyser_Data"_s);
    EXPECT_THROW(rs->Find(u"nen"_s), Error);
    EXPECT_THROW(rs->Find(u"nen=abc"_s), Error);
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
