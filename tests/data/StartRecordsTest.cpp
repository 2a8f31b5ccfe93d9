// The records a station chart window opens as it starts, opened ahead on a thread of their
// own: they are the very records the window would open, taken once, and only from the
// folder they were opened in; whatever keeps them from opening leaves the window to open
// its own.
#include "data/ClimateDb.h"
#include "data/StationData.h"
#include "tests/support/ClimateFixture.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>

using namespace data;
using namespace Qt::Literals::StringLiterals;
using testing_support::ClimateFixture;

namespace {

class StartRecordsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QDir::setCurrent(fixture.build())); }
    void TearDown() override {
        dropStartRecordsOpenedAhead();
        QDir::setCurrent(before);
    }

    const QString before = QDir::currentPath();
    ClimateFixture fixture;
};

// Every field of every row, in order, and the row the recordset stands on.
void expectSameRecords(ado::Recordset& ahead, ado::Recordset& own) {
    ASSERT_EQ(ahead.FieldNames(), own.FieldNames());
    ASSERT_EQ(ahead.RecordCount(), own.RecordCount());
    EXPECT_EQ(ahead.AbsolutePosition(), own.AbsolutePosition());
    for (ahead.MoveFirst(), own.MoveFirst(); !own.isEOF(); ahead.MoveNext(), own.MoveNext()) {
        for (const QString& field : own.FieldNames()) EXPECT_EQ(ahead.Fields(field), own.Fields(field)) << field.toStdString();
    }
}

TEST_F(StartRecordsTest, TheRecordsOpenedAheadAreTheOnesTheWindowWouldOpen) {
    openStartRecordsAhead();
    std::optional<StartRecords> ahead = takeStartRecordsOpenedAhead();
    ASSERT_TRUE(ahead.has_value());

    const NormalValues normals = openNormalValues();
    EXPECT_EQ(ahead->normals.connection->dataSource(), normals.connection->dataSource());
    expectSameRecords(*ahead->normals.recordset, *normals.recordset);

    const StationYears years = openStationYears(QString::number(kDefaultStationRegion), kDefaultStationTable, nullptr);
    EXPECT_EQ(ahead->years.connection->dataSource(), years.connection->dataSource());
    EXPECT_EQ(ahead->years.table, years.table);
    EXPECT_EQ(ahead->years.firstYear, years.firstYear);
    EXPECT_GT(years.recordset->RecordCount(), 0);
    expectSameRecords(*ahead->years.recordset, *years.recordset);

    EXPECT_FALSE(takeStartRecordsOpenedAhead().has_value()) << "taken once";
}

TEST_F(StartRecordsTest, RecordsThatCannotBeTakenLeaveTheWindowToOpenItsOwn) {
    const QString empty = fixture.folder() + u"/empty"_s;
    ASSERT_TRUE(QDir().mkpath(empty));
    const auto removeDatabase = [](int region) {
        return [region] { ASSERT_TRUE(QFile::remove(regionDatabase(region).replace(u'\\', u'/'))); };
    };
    struct Case {
        const char* name;
        std::function<void()> before;  // before they start opening ahead
        bool openAhead;
        std::function<void()> between;  // after they started opening
    };
    const Case cases[] = {
        {"never opened ahead", {}, false, {}},
        {"dropped", {}, true, [] { dropStartRecordsOpenedAhead(); }},
        {"opened from another folder", {}, true, [&] { ASSERT_TRUE(QDir::setCurrent(empty)); }},
        {"no databases in the folder", [&] { ASSERT_TRUE(QDir::setCurrent(empty)); }, true, {}},
        {"the normal values missing", removeDatabase(kNormalsRegion), true, {}},
        {"東京's years missing", removeDatabase(kDefaultStationRegion), true, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(QDir::setCurrent(fixture.build()));
        if (c.before) c.before();
        if (c.openAhead) openStartRecordsAhead();
        if (c.between) c.between();
        EXPECT_FALSE(takeStartRecordsOpenedAhead().has_value());
    }
}

}  // namespace
