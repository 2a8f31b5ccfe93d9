// The seven Japan station pickers of the main window: every station chosen by its label
// and by its marker, in both modes; overlapping controls; the two toggle buttons; the
// menu items that show the pickers; missing maps and databases.
#include "chart/ColourBands.h"
#include "data/Catalogue.h"
#include "data/ClimateDb.h"
#include "pickers/FamilyPickers.h"
#include "platform/forms/Placement.h"
#include "platform/forms/Text.h"
#include "tests/hythergraph/MainWindowFixture.h"
#include "windows/Navigation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTimer>

using namespace chart;
using namespace hythergraph;
using namespace pickers;
using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace {

// The picker window of a region, loaded through its program-wide instance.
pickers::JapanPicker& picker(int region) {
    switch (region) {
    case 1: return instance<Form2>();
    case 2: return instance<Form18>();
    case 3: return instance<Form47>();
    case 4: return instance<Form42>();
    case 5: return instance<Form37>();
    case 6: return instance<Form23>();
    default: return instance<Form32>();
    }
}

bool pickerLoaded(int region) {
    switch (region) {
    case 1: return isLoaded<Form2>();
    case 2: return isLoaded<Form18>();
    case 3: return isLoaded<Form47>();
    case 4: return isLoaded<Form42>();
    case 5: return isLoaded<Form37>();
    case 6: return isLoaded<Form23>();
    default: return isLoaded<Form32>();
    }
}

const QString kMenuItems[8] = {QString(),         u"select_hokkaido"_s, u"select_touhok"_s, u"select_kanto"_s,
                               u"select_kinki"_s, u"select_tyugok"_s,   u"select_kyusyu"_s, u"select_okinawa"_s};

// Stations without data: a normal-values choice brings the message.
bool hasNormals(const QString& name) { return name != u"伊吹山"_s && name != u"剣山"_s && name != u"阿蘇山"_s; }

class PickersTest : public testing_support::MainWindowFixture {
protected:
    PickersTest() : MainWindowFixture(true) { fixture.copyMaps(); }

    Hyser_Main& startInFolder() {
        Hyser_Main& w = start();
        QDir::setCurrent(fixture.folder());
        return w;
    }

    // The point in the middle of where two controls overlap.
    static std::pair<double, double> overlapOf(const pickers::JapanPicker& p, const QString& a, const QString& b) {
        const QRectF both = p.find(a, -1)->rect().intersected(p.find(b, -1)->rect());
        EXPECT_FALSE(both.isEmpty()) << a.toStdString() << " and " << b.toStdString() << " do not overlap";
        return {both.center().x(), both.center().y()};
    }

    void expectChosen(const Hyser_Main& w, const QString& name, int region) {
        const data::Station_Ref& s = data::lookupStation(name);
        ASSERT_EQ(s.name, name) << "every picker name is in the catalogue";
        EXPECT_EQ(w.Label29.Caption(), name);
        EXPECT_EQ(w.Label46.Caption(), QString::number(region));
        EXPECT_EQ(w.Point_No_Cur, s.number);
        EXPECT_EQ(w.Station_Table, s.table);
        EXPECT_EQ(s.region, region);
    }
};

class EveryStationTest : public PickersTest, public ::testing::WithParamInterface<int> {};

TEST_P(EveryStationTest, LabelAndMarkerHandTheOwnerTheSameStationInBothModes) {
    const int region = GetParam();
    Hyser_Main& w = startInFolder();
    for (const int mode : {1, 0}) {
        w.Check2.setValue(mode);
        for (const pickers::PickerStation& station : pickers::japanRegions()[static_cast<std::size_t>(region - 1)].stations) {
            for (const bool byMarker : {false, true}) {
                SCOPED_TRACE(station.name.toStdString() + (byMarker ? " marker" : " label") + (mode ? " normal values" : " single years"));
                if (mode == 1 && !hasNormals(station.name)) services.expectMessage();
                w.Label4.setCaption(u"1999"_s);
                w.Label15.setCaption(u"5"_s);
                w.Label16.setCaption(u"7"_s);
                w.tuki_Moved = 1;
                const auto recordsetBefore = w.Hyser_Rs;
                pickers::JapanPicker& p = picker(region);
                (byMarker ? static_cast<Control&>(p.control<Image>(station.marker))
                          : static_cast<Control&>(p.control<Label>(station.label)))
                    .click();

                expectChosen(w, station.name, region);
                EXPECT_FALSE(pickerLoaded(region)) << "the picker closes after a choice";
                EXPECT_EQ(w.Label4.Caption(), u"2000"_s);
                int outside = 0;  // the count starts again from 0 for the new drawing
                for (int i = 1; i <= 12; ++i) {
                    if (!chart::isMissing(w.Label2(i).Caption()) && Val(w.Label3(i).Caption()) > 600) ++outside;
                }
                EXPECT_EQ(w.Label15.Caption(), QString::number(outside));
                EXPECT_EQ(w.Label16.Caption(), u"0"_s);
                EXPECT_EQ(w.tuki_Moved, 0);
                EXPECT_EQ(w.Check2.Value(), mode) << "a Japan picker keeps the mode";
                EXPECT_TRUE(w.Check2.Enabled());
                EXPECT_EQ(w.ActiveControl(), &w.Check2);
                EXPECT_EQ(w.Hyser_Cn->dataSource(), data::regionDatabase(region).replace(u'\\', u'/'));
                if (mode == 1) {
                    EXPECT_EQ(w.Hyser_Rs, recordsetBefore) << "normal values open no table";
                } else {
                    EXPECT_EQ(w.Hyser_Rs->Source().toLower(), station.table.toLower());
                }
                collectUnloadedForms();
            }
        }
    }
}

std::string regionName(const ::testing::TestParamInfo<int>& info) {
    static const char* const names[] = {"", "Hokkaido", "Tohoku", "Kanto", "KinkiChubu", "ChugokuShikoku", "Kyushu", "Okinawa"};
    return names[info.param];
}

INSTANTIATE_TEST_SUITE_P(Regions, EveryStationTest, ::testing::Range(1, 8), regionName);

TEST_F(PickersTest, ChoosingADisabledNormalValuesBoxEnablesItAndKeepsItsValue) {
    Hyser_Main& w = startInFolder();
    w.Check2.setEnabled(false);
    picker(7).control<Label>(picker(7).region().stations[0].label).click();
    EXPECT_TRUE(w.Check2.Enabled());
    EXPECT_EQ(w.Check2.Value(), 1);
}

TEST_F(PickersTest, LabelsLyingOnOtherStationsMarkersChooseTheirStationUntilHidden) {
    Hyser_Main& w = startInFolder();
    struct Case {
        int region;
        QString top, topName, under, underName;
    };
    const Case cases[] = {
        {4, u"大阪"_s, u"大阪"_s, u"神戸"_s, u"神戸"_s},
        {4, u"松本"_s, u"松本"_s, u"長野"_s, u"長野"_s},
        {4, u"上野"_s, u"上野"_s, u"津"_s, u"津"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.top.toStdString());
        const auto& stations = pickers::japanRegions()[static_cast<std::size_t>(c.region - 1)].stations;
        const auto byName = [&](const QString& n) {
            return *std::find_if(stations.begin(), stations.end(), [&](const auto& s) { return s.name == n; });
        };
        pickers::JapanPicker& p = picker(c.region);
        const auto [x, y] = overlapOf(p, byName(c.top).label, byName(c.under).marker);
        p.clientPressed(x, y);
        EXPECT_EQ(w.Label29.Caption(), c.topName);
        collectUnloadedForms();

        pickers::JapanPicker& again = picker(c.region);
        again.Command1_Click();  // labels hidden
        again.clientPressed(x, y);
        EXPECT_EQ(w.Label29.Caption(), c.underName);
        collectUnloadedForms();
    }
}

TEST_F(PickersTest, SagasMarkerLiesOnFukuokasInTheKyushuStrip) {
    Hyser_Main& w = startInFolder();
    const auto& stations = pickers::japanRegions()[5].stations;
    const auto markerOf = [&](const QString& n) {
        return std::find_if(stations.begin(), stations.end(), [&](const auto& s) { return s.name == n; })->marker;
    };
    pickers::JapanPicker& p = picker(6);
    const auto [x, y] = overlapOf(p, markerOf(u"佐賀"_s), markerOf(u"福岡"_s));
    p.clientPressed(x, y);
    EXPECT_EQ(w.Label29.Caption(), u"佐賀"_s);
}

TEST_F(PickersTest, ALabelAndItsOwnMarkerChooseTheSameStationWhereTheyOverlap) {
    Hyser_Main& w = startInFolder();
    pickers::JapanPicker& p = picker(1);
    const auto [x, y] = overlapOf(p, u"Label11"_s, u"Image20"_s);  // 寿都
    p.clientPressed(x, y);
    EXPECT_EQ(w.Label29.Caption(), u"寿都"_s);
}

TEST_F(PickersTest, InstructionAndMapTakeNoChoice) {
    Hyser_Main& w = startInFolder();
    for (int region = 1; region <= 7; ++region) {
        SCOPED_TRACE(region);
        pickers::JapanPicker& p = picker(region);
        const auto instruction = std::find_if(p.allControls().begin(), p.allControls().end(), [](const auto& c) {
            auto* l = dynamic_cast<Label*>(c.get());
            return l && l->Caption().contains(u"クリックしてください"_s);
        });
        ASSERT_NE(instruction, p.allControls().end());
        p.clientPressed((*instruction)->rect().center().x(), (*instruction)->rect().center().y());
        p.clientPressed(p.Image1.Left() + 20, p.Image1.Top() + 20);  // a corner of the map
        EXPECT_TRUE(pickerLoaded(region));
        EXPECT_EQ(w.Label29.Caption(), u"東京"_s);
    }
}

TEST_F(PickersTest, ToggleButtonsHideAndShowLabelsAndMarkers) {
    startInFolder();
    pickers::JapanPicker& tohoku = picker(2);
    tohoku.Command1.click();
    EXPECT_EQ(tohoku.Command1.Caption(), u"測候所名表示"_s);
    const QString firstLabel = tohoku.region().stations[0].label;
    EXPECT_FALSE(tohoku.control<Label>(firstLabel).Visible());
    for (const QString& line : {u"Line1"_s, u"Line2"_s, u"Line3"_s}) {
        EXPECT_FALSE(tohoku.find(line, -1)->Visible()) << "Tohoku's leader lines go with the labels";
    }
    EXPECT_TRUE(tohoku.control<Image>(tohoku.region().stations[0].marker).Visible()) << "the markers stay";
    tohoku.Command1.click();
    EXPECT_EQ(tohoku.Command1.Caption(), u"非表示"_s);
    EXPECT_TRUE(tohoku.control<Label>(firstLabel).Visible());

    tohoku.Command2.click();
    EXPECT_EQ(tohoku.Command2.Caption(), u"都市表示"_s);
    EXPECT_FALSE(tohoku.control<Image>(tohoku.region().stations[0].marker).Visible());
    tohoku.Command2.click();
    EXPECT_EQ(tohoku.Command2.Caption(), u"都市非表示"_s);

    pickers::JapanPicker& kanto = picker(3);
    const std::size_t coordinates = std::count_if(kanto.allControls().begin(), kanto.allControls().end(), [](const auto& c) {
        auto* l = dynamic_cast<Label*>(c.get());
        return l && l->transparent() && l->Visible();
    });
    ASSERT_GT(coordinates, 0u);
    kanto.Command1.click();
    const std::size_t after = std::count_if(kanto.allControls().begin(), kanto.allControls().end(), [](const auto& c) {
        auto* l = dynamic_cast<Label*>(c.get());
        return l && l->transparent() && l->Visible();
    });
    EXPECT_EQ(after, coordinates) << "Kanto's coordinate labels are never hidden";
}

TEST_F(PickersTest, AReopenedPickerShowsItsLabelsAndItsFirstClickHidesThem) {
    startInFolder();
    pickers::JapanPicker& p = picker(3);
    p.Command1.click();
    p.Unload();
    collectUnloadedForms();
    pickers::JapanPicker& again = picker(3);
    EXPECT_EQ(again.Command1.Caption(), u"ラベル非表示"_s);
    EXPECT_TRUE(again.control<Label>(again.region().stations[0].label).Visible());
    again.Command1.click();
    EXPECT_FALSE(again.control<Label>(again.region().stations[0].label).Visible());
    EXPECT_EQ(again.Command1.Caption(), u"測候所名表示"_s);
}

TEST_F(PickersTest, RegionItemsShowTheirPickerCentredExactly) {
    Hyser_Main& w = startInFolder();
    for (int region = 1; region <= 7; ++region) {
        SCOPED_TRACE(region);
        w.menu(kMenuItems[region]).click();
        pickers::JapanPicker& p = picker(region);
        EXPECT_TRUE(p.Visible());
        EXPECT_DOUBLE_EQ(p.Left(), (services.screenWidth - p.Width()) / 2);
        EXPECT_DOUBLE_EQ(p.Top(), (services.screenHeight - p.Height()) / 2);
        EXPECT_FALSE(p.Image1.Picture().isNull()) << "every picker shows its map";
    }
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(PickersTest, HokkaidoItemReadsTheMapEachTimeButOnlyRestoresAMinimisedPicker) {
    Hyser_Main& w = startInFolder();
    w.menu(u"select_hokkaido"_s).click();
    Form2& p = instance<Form2>();
    p.Image1.setPicture(shell::Picture());
    p.setWindowState(vbMinimized);
    w.menu(u"select_hokkaido"_s).click();
    EXPECT_EQ(p.WindowState(), vbNormal);
    EXPECT_TRUE(p.Image1.Picture().isNull()) << "restoring does not read the file";
    w.menu(u"select_hokkaido"_s).click();
    EXPECT_FALSE(p.Image1.Picture().isNull());
}

TEST_F(PickersTest, MissingMapIsReportedAndThePickerStaysUsable) {
    Hyser_Main& w = startInFolder();
    QFile::remove(fixture.folder() + u"/W_GIF/MAP_Tohoku.gif"_s);
    QFile::remove(fixture.folder() + u"/W_GIF/hokkaido_master.gif"_s);
    services.expectMessage();
    w.menu(u"select_touhok"_s).click();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages.back().prompt.contains(u"W_GIF/MAP_Tohoku.gif"_s));
    EXPECT_TRUE(instance<Form18>().Visible());
    EXPECT_TRUE(instance<Form18>().Image1.Picture().isNull());

    services.expectMessage();
    w.menu(u"select_hokkaido"_s).click();
    EXPECT_TRUE(services.messages.back().prompt.contains(u"W_GIF/hokkaido_master.gif"_s));
    EXPECT_TRUE(instance<Form2>().Visible());

    const pickers::PickerStation& first = instance<Form18>().region().stations[0];
    instance<Form18>().control<Label>(first.label).click();
    EXPECT_EQ(w.Label29.Caption(), first.name);
}

TEST_F(PickersTest, MissingDatabaseOrTableIsReportedAndTheOwnerKeepsItsStation) {
    Hyser_Main& w = startInFolder();
    const QString kanto = fixture.folder() + u"/Hyther_DB/Kanto_Hyser_Data.mdb"_s;
    QFile::rename(kanto, kanto + u".away"_s);
    services.expectMessage();
    pickers::JapanPicker& p = picker(3);
    p.control<Label>(p.region().stations[0].label).click();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages[0].prompt.contains(u"Hyther_DB/Kanto_Hyser_Data.mdb"_s));
    EXPECT_EQ(w.Label29.Caption(), u"東京"_s);
    EXPECT_EQ(w.Label2(1).Caption(), u"5.4"_s);
    EXPECT_TRUE(pickerLoaded(3)) << "the picker stays usable";
    QFile::rename(kanto + u".away"_s, kanto);

    // A missing table in single-year mode.
    w.Check2.setValue(0);
    {
        ado::DatabaseWriter writer(fixture.folder() + u"/Hyther_DB/Okinawa_Hyser_Data.mdb"_s);
        writer.createTable(u"Other"_s, {{u"x"_s, false}});
        writer.commit();
    }
    services.expectMessage();
    picker(7).control<Label>(picker(7).region().stations[0].label).click();
    EXPECT_TRUE(services.messages.back().prompt.contains(picker(7).region().stations.front().table));
    EXPECT_EQ(w.Label29.Caption(), u"東京"_s);
}

TEST_F(PickersTest, ClicksAndMenuPicksWaitWhileAChoiceRuns) {
    Hyser_Main& w = startInFolder();
    pickers::JapanPicker& tohoku = picker(2);  // lets pending events run before it opens the database
    const pickers::PickerStation& first = tohoku.region().stations[0];
    const pickers::PickerStation& second = tohoku.region().stations[1];
    bool menuRan = false;
    w.menu(u"select_kanto"_s).onClick = [&] { menuRan = true; };
    QTimer::singleShot(0, [&] {
        tohoku.control<Label>(second.label).click();
        w.menu(u"select_kanto"_s).click();
    });
    tohoku.control<Label>(first.label).click();
    QCoreApplication::processEvents();
    EXPECT_EQ(w.Label29.Caption(), first.name);
    EXPECT_FALSE(menuRan);
}

}  // namespace

namespace {

class WorldChoiceTest : public testing_support::MainWindowFixture {};

// A world station in the main window: its normal values, the 平年値 box ticked and locked.
TEST_F(WorldChoiceTest, AWorldStationSwitchesToNormalValuesLocksTheBoxAndDrawsIt) {
    Hyser_Main& w = start();
    w.Check2.setValue(0);  // single years of Tokyo
    windows::navigation().showWorldPicker(windows::Family::Hythergraph, 1);
    auto& picker = instance<pickers::Form3>();
    const pickers::WorldStation* oslo = nullptr;
    for (const pickers::WorldStation& s : picker.region().stations) {
        if (s.name == u"オスロ"_s) oslo = &s;
    }
    ASSERT_NE(oslo, nullptr);
    picker.chooseStation(*oslo);
    EXPECT_FALSE(isLoaded<pickers::Form3>()) << "the picker goes after a choice";
    EXPECT_EQ(w.Label29.Caption(), u"オスロ"_s);
    EXPECT_EQ(w.Check2.Value(), 1);
    EXPECT_FALSE(w.Check2.Enabled());
    EXPECT_EQ(w.Label46.Caption(), u"1"_s);
    EXPECT_EQ(w.Label2(1).Caption(), FormatOneDecimal(Val(fixture.normalsRow(57001).value(u"Ondo_1"_s))));
    EXPECT_FALSE(w.drawing().empty());
}

}  // namespace

namespace {

class EveryWorldStationTest : public testing_support::MainWindowFixture {
protected:
    EveryWorldStationTest() : MainWindowFixture(true) {}

    // A value cell of the table as the row gives it: one decimal, or the raw text of a
    // month that lacks either value.
    static QString cell(const data::ClimateRow& row, const QString& field, int month) {
        const QString t = row.value(data::ondoField(month));
        const QString p = row.value(data::rainField(month));
        if (chart::isMissing(t) || chart::isMissing(p)) return row.value(field);
        return FormatOneDecimal(Val(row.value(field)));
    }

    // The main window's world picker of a region (1..7), shown as its menu item shows it.
    static pickers::WorldPicker& shownPicker(int region) {
        windows::navigation().showWorldPicker(windows::Family::Hythergraph, region);
        using namespace pickers;
        switch (region) {
        case 1: return instance<Form3>();
        case 2: return instance<Form5>();
        case 3: return instance<Form6>();
        case 4: return instance<Form7>();
        case 5: return instance<Form10>();
        case 6: return instance<Form11>();
        default: return instance<Form12>();
        }
    }
};

// Every station of the seven world maps, picked in the main window: one with normal
// values shows and draws them; one without says so and leaves an empty table, never
// another station's values.
TEST_F(EveryWorldStationTest, EachDrawsItsNormalValuesOrSaysItHasNone) {
    Hyser_Main& w = start();
    std::map<int, const data::ClimateRow*> rows;
    for (const data::ClimateRow& r : fixture.normals) rows[r.value(u"Point_No"_s).toInt()] = &r;
    int drawn = 0, withoutValues = 0;
    for (int region = 1; region <= 7; ++region) {
        const std::vector<pickers::WorldStation> stations = shownPicker(region).region().stations;
        for (const pickers::WorldStation& station : stations) {
            SCOPED_TRACE(station.name.toStdString());
            const int number = data::lookupStation(station.name).number;
            const auto row = rows.find(number);
            if (row == rows.end()) services.expectMessage();  // 該当するレコードが見つかりません
            const std::size_t messages = services.messages.size();
            w.Label2(1).setCaption(u"stale"_s);
            shownPicker(region).chooseStation(station);
            EXPECT_EQ(w.Label29.Caption(), station.name);
            EXPECT_EQ(w.Check2.Value(), 1);
            EXPECT_FALSE(w.Check2.Enabled());
            if (row != rows.end()) {
                ++drawn;
                EXPECT_EQ(services.messages.size(), messages);
                EXPECT_EQ(w.Label2(1).Caption(), cell(*row->second, data::ondoField(1), 1));
                EXPECT_EQ(w.Label3(7).Caption(), cell(*row->second, data::rainField(7), 7));
                EXPECT_FALSE(w.drawing().empty());
            } else {
                ++withoutValues;
                EXPECT_EQ(services.messages.size(), messages + 1);
                EXPECT_EQ(w.Label2(1).Caption(), QString()) << "an empty table";
            }
        }
    }
    // マニラ・アキノ and メキシコ stand on two maps each.
    EXPECT_EQ(drawn + withoutValues, 205);
    EXPECT_GT(drawn, 100);
}

}  // namespace
