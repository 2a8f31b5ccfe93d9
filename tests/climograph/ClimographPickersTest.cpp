// The climograph window's own Japan station pickers: every station handed over by its
// label, a marker in single years, the menu items that show them, the mode they keep,
// and a choice made after the window was closed.
#include "data/Catalogue.h"
#include "data/ClimateDb.h"
#include "pickers/FamilyPickers.h"
#include "tests/climograph/ClimographFixture.h"
#include "windows/Navigation.h"

#include <algorithm>

using namespace climograph;
using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace {

bool climographPickerLoaded(int region) {
    switch (region) {
    case 1: return isLoaded<pickers::Form4>();
    case 2: return isLoaded<pickers::Form19>();
    case 3: return isLoaded<pickers::Form46>();
    case 4: return isLoaded<pickers::Form43>();
    case 5: return isLoaded<pickers::Form38>();
    case 6: return isLoaded<pickers::Form24>();
    default: return isLoaded<pickers::Form33>();
    }
}

bool mainPickerLoaded() {
    return isLoaded<pickers::Form2>() || isLoaded<pickers::Form18>() || isLoaded<pickers::Form47>() || isLoaded<pickers::Form42>() ||
           isLoaded<pickers::Form37>() || isLoaded<pickers::Form23>() || isLoaded<pickers::Form32>();
}

const QString kMenuItems[8] = {QString(),         u"select_hokkaido"_s, u"select_touhok"_s, u"select_kanto"_s,
                               u"select_kinki"_s, u"select_tyugok"_s,   u"select_kyusyu"_s, u"select_okinawa"_s};

// Stations without data: a normal-values choice brings the message.
bool hasNormals(const QString& name) { return name != u"伊吹山"_s && name != u"剣山"_s && name != u"阿蘇山"_s; }

class ClimographPickersTest : public testing_support::ClimographFixture {
protected:
    ClimographPickersTest() : ClimographFixture(true) { fixture.copyMaps(); }

    void expectChosen(const Uonz_Main& w, const QString& name, int region) {
        const data::Station_Ref& s = data::lookupStation(name);
        ASSERT_EQ(s.name, name) << "every picker name is in the catalogue";
        EXPECT_EQ(w.Label29.Caption(), name);
        EXPECT_EQ(w.Label46.Caption(), QString::number(region));
        EXPECT_EQ(w.Point_No_Cur, s.number);
        EXPECT_EQ(w.Uonz_Station_Table, s.table);
        EXPECT_EQ(w.Label4.Caption(), u"2000"_s);
        EXPECT_EQ(w.Label15.Caption(), u"0"_s);
        EXPECT_EQ(w.Label16.Caption(), u"0"_s);
        EXPECT_TRUE(w.Check2.Enabled());
        EXPECT_EQ(w.Uonz_Cn->dataSource(), data::regionDatabase(region).replace(u'\\', u'/'));
    }
};

TEST_F(ClimographPickersTest, EveryStationLabelHandsItsStationToTheClimographWindow) {
    Uonz_Main& w = start();
    auto& main = instance<hythergraph::Hyser_Main>();
    for (const pickers::JapanRegion& region : pickers::japanRegions()) {
        for (const pickers::PickerStation& station : region.stations) {
            SCOPED_TRACE(station.name.toStdString());
            if (!hasNormals(station.name)) services.expectMessage();
            w.Label15.setCaption(u"5"_s);
            w.Label16.setCaption(u"7"_s);
            pickers::JapanPicker& p = pickers::japanPicker(windows::Family::Climograph, region.region);
            p.control<Label>(station.label).click();
            expectChosen(w, station.name, region.region);
            EXPECT_EQ(w.Check2.Value(), 1) << "a Japan picker keeps the mode";
            if (hasNormals(station.name)) {
                EXPECT_EQ(w.Label36.Caption(), station.name) << "its own normal-values row";
                EXPECT_FALSE(w.drawing().empty());
            }
            EXPECT_FALSE(climographPickerLoaded(region.region)) << "the picker closes after a choice";
            collectUnloadedForms();
        }
    }
    EXPECT_EQ(main.Label29.Caption(), u"東京"_s) << "the main window keeps its station";
    EXPECT_FALSE(mainPickerLoaded());
}

TEST_F(ClimographPickersTest, AMarkerInSingleYearsShowsTheStationsYear2000) {
    Uonz_Main& w = start();
    w.Check2.setValue(0);
    for (const pickers::JapanRegion& region : pickers::japanRegions()) {
        const pickers::PickerStation& station = region.stations.front();
        SCOPED_TRACE(station.name.toStdString());
        pickers::JapanPicker& p = pickers::japanPicker(windows::Family::Climograph, region.region);
        p.control<Image>(station.marker).click();
        expectChosen(w, station.name, region.region);
        EXPECT_EQ(w.Check2.Value(), 0);
        EXPECT_EQ(w.Uonz_Rs->Source().toLower(), station.table.toLower());
        EXPECT_EQ(w.Label1.Caption(), u"2000"_s) << "the row of the year 2000";
        EXPECT_EQ(w.Label55.Caption(), u"日本"_s);
        collectUnloadedForms();
    }
}

TEST_F(ClimographPickersTest, MenuItemsShowTheWindowsOwnPickersCentredExactly) {
    Uonz_Main& w = start();
    for (int region = 1; region <= 7; ++region) {
        SCOPED_TRACE(region);
        w.menu(kMenuItems[region]).click();
        ASSERT_TRUE(climographPickerLoaded(region));
        const pickers::JapanPicker& p = pickers::japanPicker(windows::Family::Climograph, region);
        EXPECT_TRUE(p.Visible());
        EXPECT_DOUBLE_EQ(p.Left(), (services.screenWidth - p.Width()) / 2);
        EXPECT_DOUBLE_EQ(p.Top(), (services.screenHeight - p.Height()) / 2);
        EXPECT_FALSE(p.Image1.Picture().isNull()) << "its map";
    }
    EXPECT_FALSE(mainPickerLoaded()) << "not the main window's pickers";
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(ClimographPickersTest, AMinimisedPickerIsOnlyRestored) {
    Uonz_Main& w = start();
    for (const int region : {1, 3}) {
        SCOPED_TRACE(region);
        w.menu(kMenuItems[region]).click();
        pickers::JapanPicker& p = pickers::japanPicker(windows::Family::Climograph, region);
        p.Move(30, 40);
        p.setWindowState(vbMinimized);
        w.menu(kMenuItems[region]).click();
        EXPECT_EQ(p.WindowState(), vbNormal);
        EXPECT_EQ(p.Left(), 30) << "not placed again";
    }
}

TEST_F(ClimographPickersTest, AJapanChoiceAfterAWorldStationOpensTheModeBoxAgainAndKeepsTheNamesSize) {
    Uonz_Main& w = start();
    for (int i = 0; i < 400 && w.Check2.Enabled(); ++i) w.SpinButton1.spinDown();  // round onto a world station
    ASSERT_FALSE(w.Check2.Enabled());
    w.setStationName(w.Label29.Caption(), 20);  // as a world picker writes サンクトペテルブルグ
    choose(u"札幌"_s);
    EXPECT_TRUE(w.Check2.Enabled());
    EXPECT_EQ(w.Check2.Value(), 1) << "still normal values until the user clears the box";
    EXPECT_EQ(w.Label29.Caption(), u"札幌"_s);
    EXPECT_EQ(w.Label29.Font().size, 20);
}

TEST_F(ClimographPickersTest, ClosingTheWindowLeavesItsOpenPickersAndTheMainWindowsOpen) {
    Uonz_Main& w = start();
    w.menu(u"select_kanto"_s).click();
    w.menu(u"W_Oceania"_s).click();
    windows::navigation().showJapanPicker(windows::Family::Hythergraph, 3);
    ASSERT_TRUE(isLoaded<pickers::Form46>());
    ASSERT_TRUE(isLoaded<pickers::Form22>());
    w.menu(u"Form_end"_s).click();
    collectUnloadedForms();
    EXPECT_FALSE(isLoaded<Uonz_Main>());
    EXPECT_TRUE(isLoaded<pickers::Form46>()) << "a picker is a window of its own";
    EXPECT_TRUE(isLoaded<pickers::Form22>());
    EXPECT_TRUE(isLoaded<pickers::Form47>()) << "the main window's picker stays";
}

// The climograph window's world picker of a region (1..7), loaded when it is not.
pickers::WorldPicker& worldPicker(int region) {
    switch (region) {
    case 1: return instance<pickers::Form13>();
    case 2: return instance<pickers::Form15>();
    case 3: return instance<pickers::Form16>();
    case 4: return instance<pickers::Form17>();
    case 5: return instance<pickers::Form20>();
    case 6: return instance<pickers::Form21>();
    default: return instance<pickers::Form22>();
    }
}

const QString kWorldItems[8] = {QString(),     u"W_Uro"_s,       u"W_Rossia"_s,    u"W_Asia"_s,
                                u"W_Afrika"_s, u"W_N_America"_s, u"W_S_America"_s, u"W_Oceania"_s};

TEST_F(ClimographPickersTest, EveryWorldStationIsHandedOverInNormalValuesWithTheModeBoxLocked) {
    Uonz_Main& w = start();
    auto& main = instance<hythergraph::Hyser_Main>();
    for (int region = 1; region <= 7; ++region) {
        const auto& stations = worldPicker(region).region().stations;
        for (const pickers::WorldStation& station : stations) {
            SCOPED_TRACE(station.name.toStdString());
            if (&station == &stations.front()) {
                // From a Japanese station's single years: the hand-off switches the mode.
                choose(u"東京"_s);
                w.Check2.setValue(0);
                ASSERT_EQ(w.Label19.Caption(), u"各年値"_s);
            }
            pickers::WorldPicker& p = worldPicker(region);
            const int number = data::lookupStation(station.name == u"ウェリントン"_s ? u"オークランド"_s : station.name).number;
            const bool hasRow = std::any_of(fixture.normals.begin(), fixture.normals.end(),
                                            [&](const data::ClimateRow& r) { return r.value(u"Point_No"_s).toInt() == number; });
            if (!hasRow) services.expectMessage();  // 該当するレコードが見つかりません: an empty chart
            p.control<Label>(station.label).click();
            EXPECT_EQ(w.Label29.Caption(), station.name) << "the chosen station, not the one shown before";
            EXPECT_EQ(w.Point_No_Cur, number) << "never the fallback station";
            EXPECT_EQ(w.Label36.Caption(), hasRow ? fixture.normalsRow(number).value(u"spot"_s) : QString());
            EXPECT_EQ(w.Check2.Value(), 1);
            EXPECT_FALSE(w.Check2.Enabled());
            EXPECT_EQ(w.Label46.Caption(), u"1"_s);
            EXPECT_EQ(w.Label4.Caption(), u"2000"_s);
            EXPECT_EQ(w.Uonz_Cn->dataSource(), data::regionDatabase(1).replace(u'\\', u'/'));
            EXPECT_EQ(w.drawing().empty(), !hasRow);
            collectUnloadedForms();
        }
    }
    EXPECT_EQ(main.Label29.Caption(), u"東京"_s) << "the main window keeps its station";
}

TEST_F(ClimographPickersTest, AucklandIsStation57196UnderBothItsNamesAndAJapanChoiceOpensTheModeBoxAgain) {
    Uonz_Main& w = start();
    w.menu(u"W_Oceania"_s).click();
    pickers::WorldPicker& p = worldPicker(7);
    EXPECT_TRUE(p.Visible());
    EXPECT_DOUBLE_EQ(p.Top(), (services.screenHeight - p.Height()) / 2 - 210);
    // The data may hold no normal values for it: then the chart stays empty, and never
    // shows 帯広, where an unknown name would lead.
    const bool hasRow = std::any_of(fixture.normals.begin(), fixture.normals.end(),
                                    [](const data::ClimateRow& r) { return r.value(u"Point_No"_s).toInt() == 57196; });
    if (!hasRow) services.expectMessage();
    p.control<Image>(u"Image20"_s).click();  // station 57196's marker
    EXPECT_EQ(w.Point_No_Cur, 57196);
    EXPECT_EQ(w.Uonz_Find_Key, u"Point_No=57196"_s);
    EXPECT_EQ(w.Label36.Caption(), hasRow ? fixture.normalsRow(57196).value(u"spot"_s) : QString());
    EXPECT_FALSE(w.Check2.Enabled());
    for (const QString& name : {u"オークランド"_s, u"ウェリントン"_s, u"\"ウェリントン\""_s}) {
        SCOPED_TRACE(name.toStdString());
        w.Label29.setCaption(name);
        w.Heinen_Name();
        EXPECT_EQ(w.Point_No_Cur, 57196);
        EXPECT_EQ(w.Label46.Caption(), u"1"_s);
    }
    choose(u"札幌"_s);
    EXPECT_TRUE(w.Check2.Enabled());
    EXPECT_EQ(w.Check2.Value(), 1);
}

TEST_F(ClimographPickersTest, WorldMenuItemsShowTheWindowsOwnWorldPickers) {
    Uonz_Main& w = start();
    for (int region = 1; region <= 7; ++region) {
        SCOPED_TRACE(region);
        w.menu(kWorldItems[region]).click();
        const pickers::WorldPicker& p = worldPicker(region);
        EXPECT_TRUE(p.Visible());
        EXPECT_EQ(p.region().family, pickers::Family::Climograph);
    }
    EXPECT_FALSE(isLoaded<pickers::Form3>()) << "not the main window's";
    EXPECT_TRUE(services.messages.empty());
}

}  // namespace
