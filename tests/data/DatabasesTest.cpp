// The seven databases the build puts beside the program, opened the way the program
// opens them, hold the real values of the committed data files.
#include "data/Catalogue.h"
#include "data/ClimateDb.h"
#include "data/climate/DataPeriod.h"
#include "platform/ado/Ado.h"
#include "tests/support/ClimateFixture.h"

#include <QDir>

#include <gtest/gtest.h>

#include <map>

using namespace data;
using namespace Qt::Literals::StringLiterals;

namespace {

class DatabasesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { QDir::setCurrent(QStringLiteral(TAVRIN_OUTPUT_DIR)); }

    static std::shared_ptr<ado::Recordset> open(int region, const QString& table) {
        auto cn = std::make_shared<ado::Connection>();
        cn->ConnectionString = connectionString(region);
        cn->Open();
        auto rs = std::make_shared<ado::Recordset>();
        rs->Open(table, cn, ado::adOpenStatic, -1, -1);
        return rs;
    }
    static void seek(ado::Recordset& rs, const QString& key) {
        rs.MoveFirst();
        rs.Find(key);
        ASSERT_FALSE(rs.isEOF()) << key.toStdString();
    }
};

TEST_F(DatabasesTest, TokyoAndNahaNormalValues) {
    auto rs = open(1, kNormalsTable);
    seek(*rs, u"Point_No=47662"_s);
    EXPECT_EQ(rs->Fields(u"spot"_s), u"東京"_s);
    EXPECT_EQ(rs->Fields(u"nen"_s), u"2020"_s);
    EXPECT_EQ(rs->Fields(u"area"_s), u"関東"_s);
    EXPECT_EQ(rs->Fields(u"latitude"_s), u"35.69N"_s);
    EXPECT_EQ(rs->Fields(u"longitude"_s), u"139.75E"_s);
    EXPECT_EQ(rs->Fields(u"Ondo_1"_s), u"5.4"_s);
    EXPECT_EQ(rs->Fields(u"Rain_1"_s), u"59.7"_s);
    EXPECT_EQ(rs->Fields(u"Ondo_13"_s), u"15.8"_s);
    EXPECT_EQ(rs->Fields(u"Rain_13"_s), u"1598.2"_s);
    seek(*rs, u"Point_No=47936"_s);
    EXPECT_EQ(rs->Fields(u"Ondo_7"_s), u"29.1"_s);
    EXPECT_EQ(rs->Fields(u"area"_s), u"沖縄"_s);
}

TEST_F(DatabasesTest, WorldStationRowCarriesItsCountry) {
    auto rs = open(1, kNormalsTable);
    seek(*rs, u"Point_No=57001"_s);
    EXPECT_EQ(rs->Fields(u"spot"_s), u"オスロ"_s);
    EXPECT_EQ(rs->Fields(u"area"_s), u"ノルウェー"_s);
    EXPECT_TRUE(rs->Fields(u"latitude"_s).endsWith(u'N'));
    rs->MoveFirst();
    rs->Find(u"Point_No=57195"_s);
    EXPECT_TRUE(rs->isEOF()) << "a world station without normals has no row";
}

TEST_F(DatabasesTest, StationsWithoutDataHaveNoNormalsRowAndAnEmptyTable) {
    auto normals = open(1, kNormalsTable);
    for (const QString& name : {u"伊吹山"_s, u"剣山"_s, u"阿蘇山"_s}) {
        SCOPED_TRACE(name.toStdString());
        const Station_Ref& s = lookupStation(name);
        normals->MoveFirst();
        normals->Find(u"Point_No="_s + QString::number(s.number));
        EXPECT_TRUE(normals->isEOF());
        auto years = open(s.region, s.table);
        EXPECT_EQ(years->RecordCount(), 0);
    }
}

TEST_F(DatabasesTest, TokyosSingleYearsStartAtIdOne) {
    auto rs = open(3, u"Tokyo_Hyser_data"_s);
    EXPECT_EQ(rs->Fields(u"ID"_s), u"1"_s);
    EXPECT_EQ(rs->Fields(u"nen"_s), u"1875"_s);
    EXPECT_EQ(rs->Fields(u"area"_s), u"日本"_s);
    seek(*rs, u"nen=2000"_s);
    EXPECT_EQ(rs->Fields(u"ID"_s), u"126"_s);
    EXPECT_EQ(rs->Fields(u"spot"_s), u"東京"_s);
    EXPECT_EQ(rs->Fields(u"TS"_s), QString());
    rs->MoveLast();
    EXPECT_EQ(rs->Fields(u"nen"_s), QString::number(climate::kLastSingleYear));
}

TEST_F(DatabasesTest, KnownStationsHaveARowForTheLastYear) {
    struct Case {
        const char16_t* name;
        const char16_t* ks;        // 稚内 lacks days in some month of 2023
        const char16_t* ondoYear;  // empty: not checked
    };
    // 2023 is the warmest year of both series: 東京 17.6 °C, 札幌 11.0 °C.
    const Case cases[] = {
        {u"東京", u"", u"17.6"},
        {u"札幌", u"", u"11.0"},
        {u"稚内", u"1", u""},
        {u"那覇", u"", u""},
    };
    for (const Case& c : cases) {
        const QString name = QString::fromUtf16(c.name);
        SCOPED_TRACE(name.toStdString());
        const Station_Ref& s = lookupStation(name);
        auto rs = open(s.region, s.table);
        seek(*rs, u"nen="_s + QString::number(climate::kLastSingleYear));
        EXPECT_EQ(rs->Fields(u"spot"_s), name);
        EXPECT_EQ(rs->Fields(u"KS"_s), QString::fromUtf16(c.ks));
        for (int month = 1; month <= 13; ++month) {
            EXPECT_NE(rs->Fields(ondoField(month)), u"×"_s) << month;
            EXPECT_NE(rs->Fields(rainField(month)), u"×"_s) << month;
        }
        if (*c.ondoYear) {
            EXPECT_EQ(rs->Fields(u"Ondo_13"_s), QString::fromUtf16(c.ondoYear));
        }
        rs->MoveNext();
        EXPECT_TRUE(rs->isEOF()) << "the last year is the table's last row";
    }
}

TEST_F(DatabasesTest, AnIncompleteYearIsMarkedAndAMissingMonthIsACross) {
    auto rs = open(3, u"Tokyo_Hyser_data"_s);
    // Tokyo's first year began after January.
    EXPECT_EQ(rs->Fields(u"KS"_s), u"1"_s);
    EXPECT_EQ(rs->Fields(u"Ondo_1"_s), u"×"_s);
    EXPECT_EQ(rs->Fields(u"Ondo_13"_s), u"×"_s);
}

TEST_F(DatabasesTest, EveryJapaneseStationHasItsTableInItsRegionsFileWithTheRowsOfTheDataFile) {
    std::map<int, int> rowsByStation;
    for (const ClimateRow& r : testing_support::committedYears()) ++rowsByStation[r.value(u"Point_No"_s).toInt()];
    for (const Station_Ref& s : stationCatalogue()) {
        if (!isJapanese(s)) continue;
        SCOPED_TRACE(s.name.toStdString());
        if (s.region == 3) {
            EXPECT_TRUE(s.table.endsWith(u"_Hyser_data"_s));
        }
        auto rs = open(s.region, s.table);
        EXPECT_EQ(rs->RecordCount(), rowsByStation[s.number]);
    }
    EXPECT_EQ(open(1, kNormalsTable)->RecordCount(), static_cast<int>(testing_support::committedNormals().size()));
}

}  // namespace
