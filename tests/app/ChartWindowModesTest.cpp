// Normal values and single years in the four station chart windows, each window in turn:
// the 平年値 box switching between them, the spin button stepping through the
// normal-values table or the station's years within the data, stations and years without
// a row, a table that cannot be opened, and 累積表示 outside Japan.
#include "data/Catalogue.h"
#include "data/ClimateDb.h"
#include "data/climate/DataPeriod.h"
#include "platform/forms/Text.h"
#include "tests/support/ChartWindows.h"

#include <QFile>

using namespace forms;
using namespace Qt::Literals::StringLiterals;
using testing_support::ChartWindow;
using testing_support::Shown;

namespace {

class ChartWindowModesTest : public testing_support::ChartWindowFixture, public ::testing::WithParamInterface<ChartWindow> {
protected:
    ChartWindowModesTest() : ChartWindowFixture(GetParam()) {}

    stationwindow::StationWindow& startWindow() {
        start();
        return stationWindow();
    }
    // 東京 chosen on a picker, in single years: the year 2000.
    stationwindow::StationWindow& startOnTokyoSingleYears() {
        stationwindow::StationWindow& w = startWindow();
        choose(u"東京"_s);
        w.Check2.setValue(0);
        return w;
    }
    Label& area() { return stationWindow().control<Label>(window.areaCell); }

    // The cell text a row's value shows as.
    static QString cell(const data::ClimateRow& row, const QString& field) { return FormatOneDecimal(Val(row.value(field))); }
    void expectYear(const stationwindow::StationWindow& w, int year) {
        const data::ClimateRow& row = fixture.yearRow(47662, year);
        EXPECT_EQ(w.Label4.Caption(), QString::number(year));
        EXPECT_EQ(w.Label1.Caption(), QString::number(year));
        EXPECT_EQ(w.Label39.Caption(), row.value(u"ID"_s));
        for (int i = 1; i <= 13; ++i) {
            const bool missing = row.value(data::ondoField(i)) == u"×"_s || row.value(data::rainField(i)) == u"×"_s;
            EXPECT_EQ(w.Label2(i).Caption(), missing ? row.value(data::ondoField(i)) : cell(row, data::ondoField(i)))
                << year << " month " << i;
        }
    }
    // Shows a year of the station in single years, as stepping to it would.
    static void showYear(stationwindow::StationWindow& w, int year) {
        w.Label4.setCaption(QString::number(year));
        w.Hyouji();
        w.Hyouji_Hyther();
        w.Kion_Color();
    }
    // A station whose years end early, as some do.
    void dropTokyoYearsAfter(int year) {
        std::erase_if(fixture.years, [year](const data::ClimateRow& r) {
            return r.value(u"Point_No"_s).toInt() == 47662 && r.value(u"nen"_s).toInt() > year;
        });
    }
    int tokyosFirstYear() const {
        for (const data::ClimateRow& r : fixture.years) {
            if (r.value(u"Point_No"_s) == u"47662"_s && r.value(u"ID"_s) == u"1"_s) return r.value(u"nen"_s).toInt();
        }
        return 0;
    }
};

TEST_P(ChartWindowModesTest, SwitchingToSingleYearsShowsTheYearOfTheYearLabelAndBackTheNormalValues) {
    stationwindow::StationWindow& w = startWindow();
    const int normalsYear = fixture.normals.front().value(u"nen"_s).toInt();
    w.Check2.setValue(0);
    EXPECT_FALSE(w.Label19.Visible());
    EXPECT_EQ(w.Label19.Caption(), u"各年値"_s);
    EXPECT_EQ(w.Label19.ForeColor(), 0xFFu);
    EXPECT_TRUE(w.CheckBox1.Enabled());
    EXPECT_EQ(w.Label29.Caption(), u"東京"_s);
    EXPECT_EQ(w.Label36.Caption(), u"東京"_s);
    EXPECT_EQ(area().Caption(), u"日本"_s) << "the single year's row names its area itself";
    EXPECT_EQ(w.stationTable, u"Tokyo_Hyser_data"_s);
    EXPECT_EQ(w.years->Source(), u"Tokyo_Hyser_data"_s);
    expectYear(w, normalsYear);
    EXPECT_EQ(w.drawing().size(), window.drawnForARow);
    EXPECT_EQ(services.beeps, 0);

    w.Label4.setCaption(u"1995"_s);
    w.Check2.setValue(1);
    EXPECT_TRUE(w.Label19.Visible());
    EXPECT_EQ(w.Label19.Caption(), u"平年値"_s);
    EXPECT_EQ(w.Label19.ForeColor(), 0xFF0000u);
    EXPECT_FALSE(w.CheckBox1.Value());
    EXPECT_FALSE(w.CheckBox1.Enabled());
    EXPECT_EQ(w.Label4.Caption(), u"2000"_s);
    EXPECT_EQ(area().Caption(), u"関東"_s);
    EXPECT_EQ(w.Label2(1).Caption(), cell(fixture.normalsRow(47662), u"Ondo_1"_s));
    EXPECT_FALSE(w.Label49.Visible());
    EXPECT_FALSE(w.Label50.Visible()) << "the marks belong to single years";

    // A station chosen stands on the year 2000, which the switch shows.
    choose(u"東京"_s);
    w.Check2.setValue(0);
    expectYear(w, 2000);
    EXPECT_EQ(services.beeps, 0);
}

TEST_P(ChartWindowModesTest, SpinningThroughTheYearsCountsOnlyTheStepsForward) {
    stationwindow::StationWindow& w = startOnTokyoSingleYears();
    w.SpinButton1.spinUp();
    expectYear(w, 2001);
    EXPECT_EQ(w.Label16.Caption(), u"1"_s);
    w.SpinButton1.spinDown();
    w.SpinButton1.spinDown();
    expectYear(w, 1999);
    EXPECT_EQ(w.Label16.Caption(), u"1"_s);
    EXPECT_EQ(w.ActiveControl(), &w.SpinButton1);
    EXPECT_EQ(w.drawing().size(), window.drawnForARow) << "one year at a time";
}

TEST_P(ChartWindowModesTest, QualityMarksShowInSingleYearsOnly) {
    fixture.yearRow(47662, 2000)[u"KS"_s] = u"1"_s;
    fixture.yearRow(47662, 2001)[u"TS"_s] = u"1"_s;
    stationwindow::StationWindow& w = startOnTokyoSingleYears();
    EXPECT_TRUE(w.Label50.Visible());
    EXPECT_FALSE(w.Label49.Visible());
    w.SpinButton1.spinUp();
    EXPECT_TRUE(w.Label49.Visible()) << "統計切断";
    EXPECT_FALSE(w.Label50.Visible());
    w.Check2.setValue(1);
    EXPECT_FALSE(w.Label49.Visible()) << "a single year's mark never stands beside the normal values";
}

TEST_P(ChartWindowModesTest, YearsStopAtTheDatasLastYearUpAndAtTheStationsFirstDown) {
    const int last = climate::kLastSingleYear;
    stationwindow::StationWindow& w = startOnTokyoSingleYears();
    showYear(w, last - 1);
    w.Label16.setCaption(u"0"_s);
    w.SpinButton1.spinUp();
    EXPECT_EQ(w.Label4.Caption(), QString::number(last));
    EXPECT_EQ(w.Label1.Caption(), QString::number(last));
    EXPECT_EQ(w.Label16.Caption(), u"1"_s) << "the year counter";
    const std::size_t drawn = w.drawing().size();
    w.SpinButton1.spinUp();
    EXPECT_EQ(w.Label4.Caption(), QString::number(last));
    EXPECT_EQ(w.Label16.Caption(), u"1"_s);
    EXPECT_EQ(w.drawing().size(), drawn);

    w.Command1.SetFocus();  // which clears the chart
    w.tuki_Moved = 1;
    const Shown atTheEnd = Shown::of(w);
    w.SpinButton1.spinUp();
    EXPECT_EQ(Shown::of(w), atTheEnd);
    EXPECT_EQ(w.tuki_Moved, window.stepsPlaceMonthNumbers ? 0 : 1) << "a step places the month numbers by rule, also one that stops";
    EXPECT_EQ(w.ActiveControl(), &w.Command1) << "a step that stops moves no focus";
    w.Label4.setCaption(QString::number(last + 1));
    w.SpinButton1.spinUp();
    EXPECT_EQ(w.Label4.Caption(), QString::number(last + 1)) << "a year beyond the data never rises further";

    const int first = tokyosFirstYear();
    ASSERT_GT(first, 0);
    showYear(w, first + 1);
    w.SpinButton1.spinDown();
    EXPECT_EQ(w.Label4.Caption(), QString::number(first));
    ASSERT_EQ(w.Label39.Caption(), u"1"_s);
    const Shown atTheStart = Shown::of(w);
    w.SpinButton1.spinDown();
    EXPECT_EQ(Shown::of(w), atTheStart) << "nothing before the first year";
    EXPECT_EQ(services.beeps, 0);

    // A year below the station's data: the arrow has nowhere to go.
    w.Label4.setCaption(u"1700"_s);
    w.Hyouji();
    w.Hyouji_Hyther();
    w.SpinButton1.spinDown();
    EXPECT_EQ(w.Label4.Caption(), u"1700"_s);
    EXPECT_TRUE(w.Check2.Enabled());
}

TEST_P(ChartWindowModesTest, AYearWithoutARowShowsAnEmptyChartAndTheStepsGoOnDown) {
    dropTokyoYearsAfter(2012);
    stationwindow::StationWindow& w = startWindow();
    w.Check2.setValue(0);  // searches the normal values' year, 2020: no row
    EXPECT_EQ(w.Label4.Caption(), u"2020"_s) << "the year asked for stays";
    EXPECT_EQ(services.beeps, 1);
    EXPECT_TRUE(services.messages.empty()) << "a missing year only beeps";
    EXPECT_EQ(w.Label2(1).Caption(), QString());
    EXPECT_TRUE(w.drawing().empty());
    if (!window.bars.isEmpty()) {
        for (int i = 1; i <= 12; ++i) EXPECT_FALSE(w.controls<Label>(window.bars)(i).Visible()) << "no bar of another year " << i;
    }
    for (int year = 2019; year >= 2012; --year) w.SpinButton1.spinDown();
    expectYear(w, 2012);
    EXPECT_EQ(services.beeps, 1 + 7);
}

TEST_P(ChartWindowModesTest, NormalValuesStepStationByStationAndWrapAround) {
    stationwindow::StationWindow& w = startWindow();
    ASSERT_EQ(fixture.normals[3].value(u"spot"_s), u"東京"_s);
    const QString year = w.Label4.Caption();
    w.SpinButton1.spinUp();
    EXPECT_EQ(w.Label29.Caption(), fixture.normals[4].value(u"spot"_s));
    EXPECT_EQ(w.Label36.Caption(), w.Label29.Caption());
    EXPECT_EQ(w.Label2(1).Caption(), cell(fixture.normals[4], u"Ondo_1"_s));
    EXPECT_EQ(area().Caption(), fixture.normals[4].value(u"area"_s));
    EXPECT_EQ(w.Label4.Caption(), year) << "no lookup, no search";
    EXPECT_EQ(w.drawing().size(), window.drawnForARow);

    const int last = static_cast<int>(fixture.normals.size()) - 1;
    while (w.Label29.Caption() != fixture.normals[last].value(u"spot"_s)) w.SpinButton1.spinUp();
    w.SpinButton1.spinUp();
    EXPECT_EQ(w.Label29.Caption(), fixture.normals.front().value(u"spot"_s)) << "straight from the last row to the first";
    w.SpinButton1.spinDown();
    EXPECT_EQ(w.Label29.Caption(), fixture.normals[last].value(u"spot"_s)) << "and back";
    EXPECT_EQ(w.ActiveControl(), &w.SpinButton1);
    EXPECT_TRUE(services.messages.empty());
}

TEST_P(ChartWindowModesTest, SteppingOntoAWorldStationLocksNormalValuesAndSizesTheArea) {
    data::ClimateRow madang = fixture.normalsRow(57001);
    madang[u"Point_No"_s] = u"57195"_s;
    madang[u"spot"_s] = u"マダン"_s;
    madang[u"area"_s] = u"パプアニューギニア"_s;
    fixture.addNormals(madang);
    stationwindow::StationWindow& w = startWindow();
    while (w.Label29.Caption() != u"オスロ"_s) w.SpinButton1.spinUp();
    EXPECT_FALSE(w.Check2.Enabled());
    EXPECT_EQ(area().Caption(), u"ノルウェー"_s);
    EXPECT_EQ(area().Font().size, 20);
    w.SpinButton1.spinUp();
    EXPECT_EQ(w.Label29.Caption(), u"マダン"_s);
    EXPECT_EQ(area().Caption(), u"パプアニューギニア"_s);
    EXPECT_EQ(area().Font().size, 18);
    while (w.Label29.Caption() != fixture.normals.front().value(u"spot"_s)) w.SpinButton1.spinUp();
    EXPECT_TRUE(w.Check2.Enabled()) << "a Japanese station again";
    EXPECT_EQ(area().Font().size, 20);
}

TEST_P(ChartWindowModesTest, SwitchingAfterSteppingShowsTheSteppedToStation) {
    stationwindow::StationWindow& w = startWindow();
    choose(u"東京"_s);
    w.SpinButton1.spinUp();  // 広島
    w.Check2.setValue(0);
    EXPECT_EQ(w.Label29.Caption(), u"広島"_s);
    EXPECT_EQ(w.stationTable, u"Hiroshima_Hyser_Data"_s);
    EXPECT_EQ(w.Label46.Caption(), u"5"_s);
    EXPECT_EQ(w.Label1.Caption(), u"2000"_s);
}

TEST_P(ChartWindowModesTest, SwitchingBackAfterAYearWithoutARowKeepsTheStation) {
    dropTokyoYearsAfter(2012);
    stationwindow::StationWindow& w = startWindow();
    w.Check2.setValue(0);  // 2020: no row, an empty table
    ASSERT_EQ(w.Label2(1).Caption(), QString());
    w.Check2.setValue(1);
    EXPECT_EQ(w.Label29.Caption(), u"東京"_s) << "not the station a lookup of nothing falls back to";
    EXPECT_EQ(w.Label2(1).Caption(), cell(fixture.normalsRow(47662), u"Ondo_1"_s));
    EXPECT_TRUE(services.messages.empty());
}

TEST_P(ChartWindowModesTest, StationsWithoutAnyRowKeepTheirNameAndAnEmptyChartThroughBothSwitches) {
    for (const QString& name : {u"伊吹山"_s, u"剣山"_s, u"阿蘇山"_s}) {
        SCOPED_TRACE(name.toStdString());
        stationwindow::StationWindow& w = startWindow();
        services.messages.clear();
        services.expectMessage();
        choose(name);
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(services.messages[0].prompt, u"該当するレコードが見つかりません"_s);
        EXPECT_EQ(w.Label29.Caption(), name);
        for (int i = 1; i <= 13; ++i) EXPECT_EQ(w.Label2(i).Caption(), QString()) << "never another station's row " << i;
        EXPECT_TRUE(w.drawing().empty());

        w.Check2.setValue(0);
        EXPECT_EQ(w.Label29.Caption(), name);
        EXPECT_EQ(w.stationTable, data::lookupStation(name).table);
        EXPECT_EQ(w.Label2(1).Caption(), QString());
        EXPECT_TRUE(w.drawing().empty());
        // Its table has no year to step to.
        const Shown before = Shown::of(w);
        const int beeps = services.beeps;
        for (int i = 0; i < 3; ++i) w.SpinButton1.spinDown();
        for (int i = 0; i < 3; ++i) w.SpinButton1.spinUp();
        EXPECT_EQ(Shown::of(w), before);
        EXPECT_EQ(services.beeps, beeps + 6);
        EXPECT_TRUE(w.Check2.Enabled()) << "the way back to the normal values stays open";

        services.expectMessage();
        w.Check2.setValue(1);
        EXPECT_EQ(w.Label29.Caption(), name);
        EXPECT_EQ(w.Label2(1).Caption(), QString());
        EXPECT_EQ(services.messages.back().prompt, u"該当するレコードが見つかりません"_s);
        destroyAllForms();
    }
}

TEST_P(ChartWindowModesTest, ADatabaseGoneBeforeASwitchLeavesTheWindowAsItWas) {
    stationwindow::StationWindow& w = startWindow();
    choose(u"那覇"_s);
    const Shown before = Shown::of(w);
    ASSERT_TRUE(QFile::remove(fixture.folder() + u"/Hyther_DB/Okinawa_Hyser_Data.mdb"_s));
    services.expectMessage();
    w.Check2.setValue(0);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages[0].prompt.contains(u"Okinawa_Hyser_Data.mdb"_s)) << services.messages[0].prompt.toStdString();
    EXPECT_EQ(Shown::of(w), before) << "the box is ticked again and nothing else changed";
    EXPECT_TRUE(w.Label19.Visible());
}

TEST_P(ChartWindowModesTest, ATableGoneAfterAChoiceInNormalValuesNeverShowsAnotherStationsYears) {
    stationwindow::StationWindow& w = startWindow();
    w.Check2.setValue(0);  // Tokyo's years are open
    w.Check2.setValue(1);
    choose(u"那覇"_s);
    const Shown before = Shown::of(w);
    // Naha's years go; Tokyo's table is still open in the window.
    ado::DatabaseWriter(fixture.folder() + u"/Hyther_DB/Okinawa_Hyser_Data.mdb"_s).commit();
    services.expectMessage();
    w.Check2.setValue(0);
    EXPECT_TRUE(services.messages.back().prompt.contains(u"Naha"_s, Qt::CaseInsensitive)) << services.messages.back().prompt.toStdString();
    EXPECT_EQ(Shown::of(w), before) << "neither Tokyo's years under Naha's name nor a half-switched window";
}

// 累積表示 starts again from 2000 with the counters at nothing, and piles up each year's
// points alone: no bars, joining lines, markers nor month numbers. Ticked off, the next
// drawing shows the one year again.
TEST_P(ChartWindowModesTest, CumulativeDisplayStartsFrom2000AndPilesUpTheYearsPointsAlone) {
    stationwindow::StationWindow& w = startOnTokyoSingleYears();
    w.SpinButton1.spinUp();  // 2001, with joining lines
    w.Label15.setCaption(u"3"_s);
    w.CheckBox1.click();
    EXPECT_TRUE(w.CheckBox1.Value());
    EXPECT_EQ(w.Label15.Caption(), u"0"_s);
    EXPECT_EQ(w.Label16.Caption(), u"0"_s);
    expectYear(w, 2000);
    if (window.piledOverThreeYears == 0) return;  // its steps pile up as well
    const std::size_t perYear = window.piledOverThreeYears / 3;
    EXPECT_EQ(w.drawing().size(), perYear) << "2000 alone";
    w.SpinButton1.spinUp();
    w.SpinButton1.spinUp();
    EXPECT_EQ(w.Label4.Caption(), u"2002"_s);
    EXPECT_EQ(w.drawing().size(), 3 * perYear) << "each year adds its points";
    for (const DrawOp& op : w.drawing()) EXPECT_EQ(op.kind, DrawOp::Point);
    constexpr double parked = 30000;
    for (const QString& name : window.markers) {
        const ControlArray<Shape> markers = w.controls<Shape>(name);
        for (int i = 1; i <= markers.UBound(); ++i) EXPECT_EQ(markers(i).Left(), parked) << "no markers " << name.toStdString() << i;
    }
    for (const QString& name : window.monthNumbers) {
        for (int i = 1; i <= 12; ++i)
            EXPECT_EQ(w.controls<Label>(name)(i).Left(), parked) << "no month numbers " << name.toStdString() << i;
    }
    for (const QString& name : window.joins) {
        for (int i = 1; i <= 12; ++i) EXPECT_EQ(w.controls<Line>(name)(i).X1(), parked) << "no joining lines " << name.toStdString() << i;
    }
    if (!window.bars.isEmpty()) {
        for (int i = 1; i <= 12; ++i) EXPECT_FALSE(w.controls<Label>(window.bars)(i).Visible()) << "no bars " << i;
    }

    w.CheckBox4.click();  // the scale change clears, then draws the current year alone
    EXPECT_EQ(w.drawing().size(), perYear);

    w.CheckBox1.click();  // off again: the next drawing shows the one year
    w.Hyouji_Hyther();
    EXPECT_EQ(w.drawing().size(), window.drawnForARow);
    if (!window.bars.isEmpty()) {
        EXPECT_TRUE(w.controls<Label>(window.bars)(1).Visible()) << "the bars are back";
    }
}

TEST_P(ChartWindowModesTest, CumulativeDisplayDoesNothingOutsideAJapaneseArea) {
    stationwindow::StationWindow& w = startOnTokyoSingleYears();
    // Any other area: the click changes nothing, also for a region of Japan.
    for (const QString& name : {u"関東"_s, u"北海道"_s, u"アメリカ合衆国"_s}) {
        SCOPED_TRACE(name.toStdString());
        area().setCaption(name);
        w.Label4.setCaption(u"1999"_s);
        const std::size_t drawn = w.drawing().size();
        w.CheckBox1_Click();
        EXPECT_EQ(w.Label4.Caption(), u"1999"_s);
        EXPECT_EQ(w.drawing().size(), drawn);
    }
}

INSTANTIATE_TEST_SUITE_P(StationWindows, ChartWindowModesTest, ::testing::ValuesIn(testing_support::kChartWindows),
                         testing_support::rowName);

}  // namespace
