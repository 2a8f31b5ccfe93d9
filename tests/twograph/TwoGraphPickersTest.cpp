// The two-graph window's fourteen station pickers: each opened by its menu item, each
// handing its station to this window and to no other, world stations in normal values
// only, ウェリントン found under both its names, and the month numbers placed by rule
// again after every choice.
#include "data/Catalogue.h"
#include "pickers/FamilyPickers.h"
#include "tests/twograph/TwoGraphFixture.h"

using namespace twograph;
using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace {

class TwoGraphPickersTest : public testing_support::TwoGraphFixture {
protected:
    TwoGraphPickersTest() : TwoGraphFixture(testing_support::ClimateFixture::allStations()) {}

    // Whether the data have normal values of a station, and a row of the year 2000.
    bool hasNormals(int number) const {
        for (const data::ClimateRow& r : fixture.normals) {
            if (r.value(u"Point_No"_s).toInt() == number) return true;
        }
        return false;
    }
    bool hasYear2000(int number) const {
        for (const data::ClimateRow& r : fixture.years) {
            if (r.value(u"Point_No"_s).toInt() == number && r.value(u"nen"_s) == u"2000"_s) return true;
        }
        return false;
    }
};

const char16_t* const kJapanItems[7] = {u"select_hokkaido", u"select_touhok", u"select_kanto",  u"select_kinki",
                                        u"select_tyugok",   u"select_kyusyu", u"select_okinawa"};
const char16_t* const kWorldItems[7] = {u"W_Uro", u"W_Rossia", u"W_Asia", u"W_Afrika", u"W_N_America", u"W_S_America", u"W_Oceania"};

TEST_F(TwoGraphPickersTest, EveryJapanPickerHandsItsStationToThisWindowInTheModeItShows) {
    Form55& w = start();
    fixture.copyMaps();
    const auto& main = instance<hythergraph::Hyser_Main>();
    for (int region = 1; region <= 7; ++region) {
        for (const int mode : {1, 0}) {
            SCOPED_TRACE(region * 10 + mode);
            w.Check2.setValue(mode);
            w.tuki_Moved = 1;
            w.menu(QString::fromUtf16(kJapanItems[region - 1])).click();
            pickers::JapanPicker& picker = pickers::japanPicker(windows::Family::TwoGraph, region);
            ASSERT_TRUE(picker.Visible());
            EXPECT_DOUBLE_EQ(picker.Left(), (services.screenWidth - picker.Width()) / 2) << "centred exactly";
            EXPECT_DOUBLE_EQ(picker.Top(), (services.screenHeight - picker.Height()) / 2);
            // The last station of the region's table that has both kinds of rows.
            const pickers::PickerStation* chosen = nullptr;
            for (const pickers::PickerStation& s : picker.region().stations) {
                const int number = data::lookupStation(s.name).number;
                if (hasNormals(number) && hasYear2000(number)) chosen = &s;
            }
            ASSERT_NE(chosen, nullptr);
            const pickers::PickerStation station = *chosen;
            picker.chooseStation(station);
            EXPECT_FALSE(picker.isLoaded()) << "the picker closes";
            collectUnloadedForms();

            EXPECT_EQ(w.Label29.Caption(), station.name);
            EXPECT_EQ(w.Label46.Caption(), QString::number(region));
            EXPECT_EQ(w.Check2.Value(), mode) << "the mode stays";
            EXPECT_TRUE(w.Check2.Enabled());
            EXPECT_EQ(w.Label4.Caption(), u"2000"_s);
            EXPECT_EQ(w.tuki_Moved, 0) << "the month numbers go back to their places by rule";
            EXPECT_EQ(w.Graph2_Cn->dataSource(), data::regionDatabase(region).replace(u'\\', u'/'));
            EXPECT_EQ(w.Graph2_Point_No_Cur, data::lookupStation(station.name).number);
            if (mode == 1) {
                EXPECT_EQ(w.Label36.Caption(), station.name) << "its normal-values row";
            } else {
                EXPECT_EQ(w.Label1.Caption(), u"2000"_s) << "its row of the year 2000";
                EXPECT_EQ(w.Station_Table, station.table);
            }
            EXPECT_FALSE(w.drawing().empty());
            EXPECT_EQ(main.Label29.Caption(), u"東京"_s) << "the main window keeps its station";
        }
    }
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(TwoGraphPickersTest, EveryWorldPickerShowsTheMainWindowsMapAndHandsItsStationInNormalValues) {
    Form55& w = start();
    fixture.copyMaps();
    for (int area = 1; area <= 7; ++area) {
        SCOPED_TRACE(area);
        if (area == 1) w.Check2.setValue(0);  // from single years and from normal values alike
        w.tuki_Moved = 1;
        w.menu(QString::fromUtf16(kWorldItems[area - 1])).click();
        pickers::WorldPicker* picker = nullptr;
        const pickers::WorldPicker* mainPicker = nullptr;
        switch (area) {
        case 1: picker = &instance<pickers::Form81>(), mainPicker = &instance<pickers::Form3>(); break;
        case 2: picker = &instance<pickers::Form82>(), mainPicker = &instance<pickers::Form5>(); break;
        case 3: picker = &instance<pickers::Form83>(), mainPicker = &instance<pickers::Form6>(); break;
        case 4: picker = &instance<pickers::Form84>(), mainPicker = &instance<pickers::Form7>(); break;
        case 5: picker = &instance<pickers::Form85>(), mainPicker = &instance<pickers::Form10>(); break;
        case 6: picker = &instance<pickers::Form86>(), mainPicker = &instance<pickers::Form11>(); break;
        case 7: picker = &instance<pickers::Form87>(), mainPicker = &instance<pickers::Form12>(); break;
        }
        ASSERT_TRUE(picker->Visible());
        EXPECT_FALSE(mainPicker->Visible()) << "the main window's picker lends its map unseen";
        EXPECT_FALSE(picker->Image1.Picture().isNull());
        EXPECT_EQ(picker->Image1.Picture().widthPixels(), mainPicker->Image1.Picture().widthPixels());
        EXPECT_DOUBLE_EQ(picker->Top(), (services.screenHeight - picker->Height()) / 2 - 210);

        const pickers::WorldStation* station = nullptr;
        for (const pickers::WorldStation& s : picker->region().stations) {
            if (hasNormals(data::lookupStation(s.name).number)) {
                station = &s;
                break;
            }
        }
        ASSERT_NE(station, nullptr);
        picker->chooseStation(*station);
        collectUnloadedForms();
        EXPECT_EQ(w.Label29.Caption(), station->name);
        EXPECT_EQ(w.Label36.Caption(), station->name) << "its normal-values row";
        EXPECT_EQ(w.Check2.Value(), 1);
        EXPECT_FALSE(w.Check2.Enabled());
        EXPECT_EQ(w.Label46.Caption(), u"1"_s);
        EXPECT_EQ(w.Label4.Caption(), u"2000"_s);
        EXPECT_EQ(w.tuki_Moved, 0) << "every pick places the month numbers by rule again";
        EXPECT_FALSE(w.drawing().empty());
    }
    EXPECT_TRUE(services.messages.empty());

    // A Japanese pick frees the mode again.
    w.menu(u"select_kanto"_s).click();
    pickers::japanPicker(windows::Family::TwoGraph, 3)
        .chooseStation(pickers::japanPicker(windows::Family::TwoGraph, 3).region().stations.front());
    EXPECT_TRUE(w.Check2.Enabled());
    EXPECT_EQ(w.Check2.Value(), 1);
}

TEST_F(TwoGraphPickersTest, WellingtonIsFoundUnderBothItsNames) {
    // The database keeps 57196 as オークランド; this window's Oceania picker names it
    // ウェリントン.
    data::ClimateRow auckland = fixture.normalsRow(57001);
    auckland[u"Point_No"_s] = u"57196"_s;
    auckland[u"spot"_s] = u"オークランド"_s;
    auckland[u"area"_s] = u"ニュージーランド"_s;
    if (!hasNormals(57196)) fixture.addNormals(auckland);
    Form55& w = start();
    fixture.copyMaps();
    w.menu(u"W_Oceania"_s).click();
    auto& picker = instance<pickers::Form87>();
    const pickers::WorldStation* wellington = nullptr;
    for (const pickers::WorldStation& s : picker.region().stations) {
        if (s.name == u"ウェリントン"_s) wellington = &s;
    }
    ASSERT_NE(wellington, nullptr);
    picker.chooseStation(*wellington);
    EXPECT_EQ(w.Graph2_Point_No_Cur, 57196);
    EXPECT_EQ(w.Label29.Caption(), u"ウェリントン"_s);
    EXPECT_EQ(w.Label36.Caption(), u"オークランド"_s) << "its row, not 帯広's";
    EXPECT_TRUE(services.messages.empty());

    for (const QString& name : {u"オークランド"_s, u"\"ウェリントン\""_s, u"\"オークランド\""_s}) {
        SCOPED_TRACE(name.toStdString());
        w.Label29.setCaption(name);
        w.Heinen_Name();
        EXPECT_EQ(w.Graph2_Point_No_Cur, 57196);
    }
    w.Label29.setCaption(u"どこでもない"_s);
    w.Heinen_Name();
    EXPECT_EQ(w.Graph2_Point_No_Cur, data::kFallbackStation) << "an unknown name is still 帯広";
}

}  // namespace
