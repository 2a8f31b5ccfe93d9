// Normal values and single years in the climograph window: the 平年値 box, the spin
// button stepping through the normal-values table or the station's years within the
// data, 累積表示, and a window that keeps its station through empty searches and failed
// switches, apart from the main window.
#include "data/ClimateDb.h"
#include "data/climate/DataPeriod.h"
#include "platform/forms/Text.h"
#include "tests/climograph/ClimographFixture.h"

#include <QFile>

using namespace climograph;
using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace {

class ClimographModesTest : public testing_support::ClimographFixture {
protected:
    static QString cell(const data::ClimateRow& row, const QString& field) { return FormatOneDecimal(Val(row.value(field))); }
    void expectYear(const Uonz_Main& w, int year) {
        const data::ClimateRow& row = fixture.yearRow(47662, year);
        EXPECT_EQ(w.Label4.Caption(), QString::number(year));
        EXPECT_EQ(w.Label1.Caption(), QString::number(year));
        for (int i = 1; i <= 13; ++i) {
            const bool missing = row.value(data::ondoField(i)) == u"×"_s || row.value(data::rainField(i)) == u"×"_s;
            EXPECT_EQ(w.Label2(i).Caption(), missing ? row.value(data::ondoField(i)) : cell(row, data::ondoField(i))) << year << " " << i;
        }
    }
    void dropTokyoYearsAfter(int year) {
        std::erase_if(fixture.years, [year](const data::ClimateRow& r) {
            return r.value(u"Point_No"_s).toInt() == 47662 && r.value(u"nen"_s).toInt() > year;
        });
    }
    Uonz_Main& startOnTokyoSingleYears() {
        Uonz_Main& w = start();
        choose(u"東京"_s);  // the year 2000, the counters at 0
        w.Check2.setValue(0);
        return w;
    }
};

// What the window shows: the station, the mode, the year, the value table and the chart.
struct Shown {
    QString station, year, area;
    int mode;
    bool modeEnabled;
    QStringList cells;
    std::size_t drawn;
    bool operator==(const Shown&) const = default;
};

Shown shownBy(const Uonz_Main& w) {
    Shown s{w.Label29.Caption(), w.Label4.Caption(), w.Label55.Caption(), w.Check2.Value(), w.Check2.Enabled(), {}, w.drawing().size()};
    for (int i = 1; i <= 13; ++i) s.cells << w.Label2(i).Caption() << w.Label3(i).Caption();
    return s;
}

TEST_F(ClimographModesTest, SwitchingToSingleYearsShowsTheYearOfTheYearLabelWithItsOwnArea) {
    Uonz_Main& w = start();
    w.Check2.setValue(0);
    EXPECT_FALSE(w.Label19.Visible());
    EXPECT_EQ(w.Label19.Caption(), u"各年値"_s);
    EXPECT_EQ(w.Label19.ForeColor(), 0xFFu);
    EXPECT_TRUE(w.CheckBox1.Enabled());
    EXPECT_EQ(w.Label29.Caption(), u"東京"_s);
    EXPECT_EQ(w.Label55.Caption(), u"日本"_s) << "the single year's row names its area itself";
    EXPECT_EQ(w.Uonz_Rs->Source(), u"Tokyo_Hyser_data"_s);
    expectYear(w, fixture.normals.front().value(u"nen"_s).toInt());
    EXPECT_EQ(services.beeps, 0);

    w.Label4.setCaption(u"1995"_s);
    w.Check2.setValue(1);
    EXPECT_TRUE(w.Label19.Visible());
    EXPECT_EQ(w.Label19.Caption(), u"平年値"_s);
    EXPECT_EQ(w.Label19.ForeColor(), 0xFF0000u);
    EXPECT_FALSE(w.CheckBox1.Enabled());
    EXPECT_EQ(w.Label4.Caption(), u"2000"_s);
    EXPECT_EQ(w.Label55.Caption(), u"関東"_s);
    EXPECT_EQ(w.Label2(1).Caption(), cell(fixture.normalsRow(47662), u"Ondo_1"_s));
}

TEST_F(ClimographModesTest, SpinningThroughTheYearsCountsOnlyTheStepsForward) {
    Uonz_Main& w = startOnTokyoSingleYears();
    w.SpinButton1.spinUp();
    expectYear(w, 2001);
    EXPECT_EQ(w.Label16.Caption(), u"1"_s);
    w.SpinButton1.spinDown();
    w.SpinButton1.spinDown();
    expectYear(w, 1999);
    EXPECT_EQ(w.Label16.Caption(), u"1"_s);
    EXPECT_EQ(w.ActiveControl(), &w.SpinButton1);
    EXPECT_EQ(w.drawing().size(), 26u) << "one year at a time";
}

TEST_F(ClimographModesTest, YearsStopAtTheDatasLastYearUpAndAtTheFirstRowDown) {
    const QString last = QString::number(climate::kLastSingleYear);
    Uonz_Main& w = startOnTokyoSingleYears();
    w.Label4.setCaption(last);
    w.Hyouji();
    w.Hyouji_Uonz();
    w.Command1.SetFocus();
    const Shown atTheEnd = shownBy(w);
    w.SpinButton1_SpinUp();
    EXPECT_EQ(shownBy(w), atTheEnd);
    EXPECT_EQ(w.ActiveControl(), &w.Command1) << "a step that stops moves no focus";

    w.Label4.setCaption(u"1875"_s);
    w.Hyouji();
    w.Hyouji_Uonz();
    ASSERT_EQ(w.Label39.Caption(), u"1"_s);
    const Shown atTheStart = shownBy(w);
    w.SpinButton1_SpinDown();
    EXPECT_EQ(shownBy(w), atTheStart);
    EXPECT_EQ(services.beeps, 0);
}

TEST_F(ClimographModesTest, AYearWithoutARowShowsAnEmptyChartAndStepsOnDown) {
    dropTokyoYearsAfter(2012);
    Uonz_Main& w = start();
    w.Check2.setValue(0);  // the normals' year: no row
    EXPECT_EQ(services.beeps, 1);
    EXPECT_TRUE(services.messages.empty()) << "a missing year only beeps";
    EXPECT_EQ(w.Label2(1).Caption(), QString());
    EXPECT_TRUE(w.drawing().empty());
    for (int i = 1; i <= 12; ++i) EXPECT_FALSE(w.Label51(i).Visible()) << "no bars of another year";
    const int from = w.Label4.Caption().toInt();
    for (int year = from - 1; year >= 2012; --year) w.SpinButton1.spinDown();
    expectYear(w, 2012);
}

TEST_F(ClimographModesTest, NormalValuesStepStationByStationAndWrapAround) {
    Uonz_Main& w = start();
    ASSERT_EQ(fixture.normals[3].value(u"spot"_s), u"東京"_s);
    const QString year = w.Label4.Caption();
    w.SpinButton1.spinUp();
    EXPECT_EQ(w.Label29.Caption(), fixture.normals[4].value(u"spot"_s));
    EXPECT_EQ(w.Label2(1).Caption(), cell(fixture.normals[4], u"Ondo_1"_s));
    EXPECT_EQ(w.Label4.Caption(), year) << "no lookup, no search";

    const int last = static_cast<int>(fixture.normals.size()) - 1;
    while (w.Label29.Caption() != fixture.normals[last].value(u"spot"_s)) w.SpinButton1.spinUp();
    w.SpinButton1.spinUp();
    EXPECT_EQ(w.Label29.Caption(), fixture.normals.front().value(u"spot"_s)) << "from the last row to the first";
    w.SpinButton1.spinDown();
    EXPECT_EQ(w.Label29.Caption(), fixture.normals[last].value(u"spot"_s)) << "and back";
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(ClimographModesTest, SteppingOntoAWorldStationLocksNormalValuesAndSizesTheArea) {
    data::ClimateRow madang = fixture.normalsRow(57001);
    madang[u"Point_No"_s] = u"57195"_s;
    madang[u"spot"_s] = u"マダン"_s;
    madang[u"area"_s] = u"パプアニューギニア"_s;
    fixture.addNormals(madang);
    Uonz_Main& w = start();
    while (w.Label29.Caption() != u"オスロ"_s) w.SpinButton1.spinUp();
    EXPECT_FALSE(w.Check2.Enabled());
    EXPECT_EQ(w.Label55.Font().size, 20);
    w.SpinButton1.spinUp();
    EXPECT_EQ(w.Label55.Caption(), u"パプアニューギニア"_s);
    EXPECT_EQ(w.Label55.Font().size, 18);
    while (w.Label29.Caption() != fixture.normals.front().value(u"spot"_s)) w.SpinButton1.spinUp();
    EXPECT_TRUE(w.Check2.Enabled()) << "a Japanese station again";
    EXPECT_EQ(w.Label55.Font().size, 20);
}

TEST_F(ClimographModesTest, SwitchingAfterSteppingShowsTheSteppedToStation) {
    Uonz_Main& w = start();
    w.SpinButton1.spinUp();  // 広島
    w.Check2.setValue(0);
    EXPECT_EQ(w.Label29.Caption(), u"広島"_s);
    EXPECT_EQ(w.Uonz_Station_Table, u"Hiroshima_Hyser_Data"_s);
    EXPECT_EQ(w.Label46.Caption(), u"5"_s);
}

TEST_F(ClimographModesTest, SwitchingBackAfterAYearWithoutARowKeepsTheStation) {
    dropTokyoYearsAfter(2012);
    Uonz_Main& w = start();
    w.Check2.setValue(0);
    ASSERT_EQ(w.Label2(1).Caption(), QString());
    w.Check2.setValue(1);
    EXPECT_EQ(w.Label29.Caption(), u"東京"_s) << "not the station a lookup of nothing falls back to";
    EXPECT_EQ(w.Label2(1).Caption(), cell(fixture.normalsRow(47662), u"Ondo_1"_s));
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(ClimographModesTest, AStationWithoutAnyRowKeepsItsNameAndAnEmptyChartThroughBothSwitches) {
    Uonz_Main& w = start();
    services.expectMessage();  // 該当するレコードが見つかりません
    choose(u"伊吹山"_s);
    EXPECT_EQ(services.messages.back().prompt, u"該当するレコードが見つかりません"_s);
    EXPECT_EQ(w.Label29.Caption(), u"伊吹山"_s);
    EXPECT_EQ(w.Label2(1).Caption(), QString()) << "never another station's row";
    EXPECT_TRUE(w.drawing().empty());
    w.Check2.setValue(0);
    EXPECT_EQ(w.Label29.Caption(), u"伊吹山"_s);
    EXPECT_EQ(w.Label2(1).Caption(), QString());
    const Shown before = shownBy(w);
    const int beeps = services.beeps;
    w.SpinButton1.spinUp();
    w.SpinButton1.spinDown();
    EXPECT_EQ(shownBy(w), before) << "the arrows have no years to go to";
    EXPECT_EQ(services.beeps, beeps + 2);
    EXPECT_TRUE(w.Check2.Enabled()) << "the way back stays open";
    services.expectMessage();
    w.Check2.setValue(1);
    EXPECT_EQ(w.Label29.Caption(), u"伊吹山"_s);
    EXPECT_EQ(w.Label2(1).Caption(), QString());
}

TEST_F(ClimographModesTest, ADatabaseGoneBeforeASwitchLeavesTheWindowAsItWas) {
    Uonz_Main& w = start();
    choose(u"那覇"_s);
    const Shown before = shownBy(w);
    ASSERT_TRUE(QFile::remove(fixture.folder() + u"/Hyther_DB/Okinawa_Hyser_Data.mdb"_s));
    services.expectMessage();
    w.Check2.setValue(0);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages[0].prompt.contains(u"Okinawa_Hyser_Data.mdb"_s)) << services.messages[0].prompt.toStdString();
    EXPECT_EQ(shownBy(w), before) << "the box is ticked again and nothing else changed";
    EXPECT_TRUE(w.Label19.Visible());
}

TEST_F(ClimographModesTest, CumulativeDisplayStartsFrom2000AndOnlyForAJapaneseArea) {
    Uonz_Main& w = startOnTokyoSingleYears();
    w.SpinButton1.spinUp();
    w.Label15.setCaption(u"3"_s);
    w.CheckBox1.click();
    EXPECT_TRUE(w.CheckBox1.Value());
    EXPECT_EQ(w.Label4.Caption(), u"2000"_s);
    EXPECT_EQ(w.Label15.Caption(), u"0"_s);
    EXPECT_EQ(w.Label16.Caption(), u"0"_s);
    expectYear(w, 2000);

    // Any other area: the click changes nothing, also for a region of Japan.
    for (const QString& area : {u"関東"_s, u"北海道"_s, u"アメリカ合衆国"_s}) {
        SCOPED_TRACE(area.toStdString());
        w.Label55.setCaption(area);
        w.Label4.setCaption(u"1999"_s);
        const std::size_t drawn = w.drawing().size();
        w.CheckBox1_Click();
        EXPECT_EQ(w.Label4.Caption(), u"1999"_s);
        EXPECT_EQ(w.drawing().size(), drawn);
    }
}

TEST_F(ClimographModesTest, TickingNormalValuesWhilePilingUpEndsInNormalValues) {
    Uonz_Main& w = startOnTokyoSingleYears();
    w.CheckBox1.click();
    w.SpinButton1.spinUp();
    ASSERT_TRUE(w.CheckBox1.Value());
    w.Check2.click();  // 平年値: clearing 累積表示 from there fires its click
    EXPECT_EQ(w.Check2.Value(), 1);
    EXPECT_TRUE(w.Label19.Visible());
    EXPECT_EQ(w.Label19.Caption(), u"平年値"_s);
    EXPECT_FALSE(w.CheckBox1.Value());
    EXPECT_FALSE(w.CheckBox1.Enabled());
    EXPECT_EQ(w.Label2(1).Caption(), cell(fixture.normalsRow(47662), u"Ondo_1"_s));
    EXPECT_EQ(w.drawing().size(), 26u) << "the normal values, joined again";
}

TEST_F(ClimographModesTest, TheWindowsStationModeAndYearAreItsOwn) {
    Uonz_Main& w = startOnTokyoSingleYears();
    auto& main = instance<hythergraph::Hyser_Main>();
    w.SpinButton1.spinUp();
    EXPECT_EQ(main.Check2.Value(), 1);
    EXPECT_EQ(main.Label29.Caption(), u"東京"_s);
    main.SpinButton1.spinUp();  // the main window steps to 広島
    EXPECT_EQ(w.Label29.Caption(), u"東京"_s);
    expectYear(w, 2001);
    w.Hyouji();
    w.Hyouji_Uonz();
    expectYear(w, 2001);
}

}  // namespace
