// The station catalogue and the lookup from a display name.
#include "data/Catalogue.h"
#include "data/ClimateDb.h"

#include <QSet>

#include <gtest/gtest.h>

#include <map>

using namespace data;
using namespace Qt::Literals::StringLiterals;

namespace {

struct LookupCase {
    const char* name;
    QString caption;
    int number;
    QString table;
    int region;
};

TEST(CatalogueTest, LookupResolvesDisplayNamesAndFallsBackToObihiro) {
    const QString obihiro = u"Obihiro_Hyser_Data"_s;
    const LookupCase cases[] = {
        {"Tokyo, a Kanto table written _Hyser_data", u"東京"_s, 47662, u"Tokyo_Hyser_data"_s, 3},
        {"the name in ASCII quotation marks", u"\"東京\""_s, 47662, u"Tokyo_Hyser_data"_s, 3},
        {"full-width quotation marks are not quotes", u"＂東京＂"_s, 47417, obihiro, 1},
        {"a leading blank", u" 東京"_s, 47417, obihiro, 1},
        {"a trailing blank", u"東京 "_s, 47417, obihiro, 1},
        {"an empty caption", u""_s, 47417, obihiro, 1},
        {"a romanised name", u"Tokyo"_s, 47417, obihiro, 1},
        {"Obihiro itself", u"帯広"_s, 47417, obihiro, 1},
        {"Naha", u"那覇"_s, 47936, u"Naha_Okinawa_Hyser_Data"_s, 7},
        {"Fushiki", u"伏木"_s, 47606, u"Fushiki_Hyser_Data"_s, 4},
        {"a world station", u"オークランド"_s, 57196, u"Heinenchi_World_Data"_s, 1},
        {"mixed widths as stored", u"ヌーク・ｺﾞｯﾄﾎｰﾌﾟ"_s, 57007, u"Heinenchi_World_Data"_s, 1},
        {"the same name all full-width", u"ヌーク・ゴットホープ"_s, 47417, obihiro, 1},
        {"the same name all half-width", u"ﾇｰｸ･ｺﾞｯﾄﾎｰﾌﾟ"_s, 47417, obihiro, 1},
        {"ASCII letters", u"Chileka"_s, 57133, u"Heinenchi_World_Data"_s, 1},
        {"full-width letters and stops", u"ワシントンＤ．Ｃ．"_s, 57148, u"Heinenchi_World_Data"_s, 1},
        {"full-width capitals", u"ＰＵＤＡＨＵＥＬ"_s, 57180, u"Heinenchi_World_Data"_s, 1},
        {"the katakana middle dot", u"デ・ビルト"_s, 57009, u"Heinenchi_World_Data"_s, 1},
        {"a middle dot of another kind", u"デ･ビルト"_s, 47417, obihiro, 1},
        {"one quotation mark only", u"\"東京"_s, 47417, obihiro, 1},
    };
    for (const LookupCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Station_Ref& s = lookupStation(c.caption);
        EXPECT_EQ(s.number, c.number);
        EXPECT_EQ(s.table, c.table);
        EXPECT_EQ(s.region, c.region);
    }
}

TEST(CatalogueTest, Holds359UniqueNamesWithTheRegionsAndWorldNumbering) {
    const auto& all = stationCatalogue();
    ASSERT_EQ(all.size(), 359u);
    QSet<QString> names;
    std::map<int, int> japanByRegion;
    std::vector<int> world;
    for (const Station_Ref& s : all) {
        names.insert(s.name);
        if (isJapanese(s)) {
            ++japanByRegion[s.region];
            EXPECT_GE(s.number, 47401);
            EXPECT_LE(s.number, 47991);
            const QString suffix = s.region == 3 ? u"_Hyser_data"_s : u"_Hyser_Data"_s;
            EXPECT_TRUE(s.table.endsWith(suffix)) << s.table.toStdString();
        } else {
            world.push_back(s.number);
            EXPECT_EQ(s.table, kWorldTable);
            EXPECT_EQ(s.region, 1);
        }
    }
    EXPECT_EQ(names.size(), 359);
    const std::map<int, int> expected{{1, 22}, {2, 20}, {3, 24}, {4, 29}, {5, 28}, {6, 21}, {7, 11}};
    EXPECT_EQ(japanByRegion, expected);
    ASSERT_EQ(world.size(), 204u);
    for (std::size_t i = 0; i < world.size(); ++i) EXPECT_EQ(world[i], 57001 + static_cast<int>(i));
}

TEST(CatalogueTest, RegionDatabasesKeepTheirClassicNamesAndConnectionString) {
    EXPECT_EQ(regionDatabase(1), u"Hyther_DB\\Hokkaido_Hyser_Data.mdb"_s);
    EXPECT_EQ(regionDatabase(2), u"Hyther_DB\\Touhok_Hyser_Data.mdb"_s);
    EXPECT_EQ(regionDatabase(5), u"Hyther_DB\\Chugok_Hyser_Data.mdb"_s);
    EXPECT_EQ(regionDatabase(7), u"Hyther_DB\\Okinawa_Hyser_Data.mdb"_s);
    EXPECT_EQ(regionDatabase(0), QString());
    EXPECT_EQ(regionDatabase(8), QString());
    EXPECT_EQ(connectionString(3),
              u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=Hyther_DB\\Kanto_Hyser_Data.mdb;Jet OLEDB:Database Password=pm3Kd_vrhx_tq"_s);
}

}  // namespace
