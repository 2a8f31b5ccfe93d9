// Normal values and single years: the 平年値 box switching between them, and the spin
// button stepping through the normal-values table or the station's years.
#include "data/ClimateDb.h"
#include "data/climate/DataPeriod.h"
#include "platform/forms/Text.h"

#include <QFile>
#include "tests/hythergraph/MainWindowFixture.h"

using namespace chart;
using namespace hythergraph;
using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace {

class ModesTest : public testing_support::MainWindowFixture {
protected:
    // The cell text a row's value shows as.
    static QString cell(const data::ClimateRow& row, const QString& field) { return FormatOneDecimal(Val(row.value(field))); }
    void expectYear(const Hyser_Main& w, int year) {
        const data::ClimateRow& row = fixture.yearRow(47662, year);
        EXPECT_EQ(w.Label4.Caption(), QString::number(year));
        EXPECT_EQ(w.Label1.Caption(), QString::number(year));
        EXPECT_EQ(w.Label39.Caption(), row.value(u"ID"_s));
        for (int i = 1; i <= 13; ++i) {
            const QString t = row.value(data::ondoField(i));
            EXPECT_EQ(w.Label2(i).Caption(), t == u"×"_s || row.value(data::rainField(i)) == u"×"_s ? t : cell(row, data::ondoField(i)))
                << year << " month " << i;
        }
    }
    // A station whose years end early, as some do.
    void dropTokyoYearsAfter(int year) {
        std::erase_if(fixture.years, [year](const data::ClimateRow& r) {
            return r.value(u"Point_No"_s).toInt() == 47662 && r.value(u"nen"_s).toInt() > year;
        });
    }
    Hyser_Main& startOnTokyoSingleYears() {
        Hyser_Main& w = start();
        show(w, u"東京"_s);
        w.Check2.setValue(0);
        return w;
    }
};

TEST_F(ModesTest, SwitchingToSingleYearsShowsTheYearOfTheYearLabel) {
    Hyser_Main& w = startOnTokyoSingleYears();
    EXPECT_FALSE(w.Label19.Visible());
    EXPECT_EQ(w.Label19.Caption(), u"各年値"_s);
    EXPECT_EQ(w.Label19.ForeColor(), 0xFFu);
    EXPECT_TRUE(w.CheckBox1.Enabled());
    EXPECT_EQ(w.Label29.Caption(), u"東京"_s);
    EXPECT_EQ(w.Label53.Caption(), u"日本"_s);
    EXPECT_EQ(w.Station_Table, u"Tokyo_Hyser_data"_s);
    EXPECT_EQ(w.Hyser_Rs->Source(), u"Tokyo_Hyser_data"_s);
    expectYear(w, 2000);
    EXPECT_EQ(services.beeps, 0);
}

TEST_F(ModesTest, SwitchingBackShowsTheNormalValuesAndResetsTheYear) {
    Hyser_Main& w = startOnTokyoSingleYears();
    w.Label4.setCaption(u"1995"_s);
    w.Check2.setValue(1);
    EXPECT_TRUE(w.Label19.Visible());
    EXPECT_EQ(w.Label19.Caption(), u"平年値"_s);
    EXPECT_EQ(w.Label19.ForeColor(), 0xFF0000u);
    EXPECT_FALSE(w.CheckBox1.Value());
    EXPECT_FALSE(w.CheckBox1.Enabled());
    EXPECT_EQ(w.Label4.Caption(), u"2000"_s);
    EXPECT_EQ(w.Label2(1).Caption(), u"5.4"_s);
    EXPECT_EQ(w.Label53.Caption(), u"関東"_s);
    EXPECT_FALSE(w.Label49.Visible());
    EXPECT_FALSE(w.Label50.Visible()) << "the marks belong to single years";
}

TEST_F(ModesTest, SingleYearRightAfterStartUpShowsTheNormalsYear) {
    Hyser_Main& w = start();
    w.Check2.setValue(0);
    expectYear(w, 2020);
    EXPECT_EQ(services.beeps, 0);
}

TEST_F(ModesTest, SingleYearRightAfterStartUpWithoutThatYearsRowShowsItEmpty) {
    dropTokyoYearsAfter(2012);
    Hyser_Main& w = start();
    w.Check2.setValue(0);
    EXPECT_EQ(w.Label4.Caption(), u"2020"_s) << "the year asked for stays";
    EXPECT_EQ(services.beeps, 1);
    EXPECT_TRUE(services.messages.empty()) << "a missing year only beeps";
    EXPECT_EQ(w.Label2(1).Caption(), QString());
    EXPECT_TRUE(w.drawing().empty());
}

TEST_F(ModesTest, SpinningThroughTheYears) {
    Hyser_Main& w = startOnTokyoSingleYears();
    w.SpinButton1.spinUp();
    expectYear(w, 2001);
    EXPECT_EQ(w.Label16.Caption(), u"1"_s);
    w.SpinButton1.spinDown();
    w.SpinButton1.spinDown();
    expectYear(w, 1999);
    EXPECT_EQ(w.Label16.Caption(), u"1"_s) << "only steps forward are counted";
    EXPECT_EQ(w.ActiveControl(), &w.SpinButton1);
}

TEST_F(ModesTest, QualityMarksShowInSingleYears) {
    fixture.yearRow(47662, 2000)[u"KS"_s] = u"1"_s;
    fixture.yearRow(47662, 2001)[u"TS"_s] = u"1"_s;
    Hyser_Main& w = startOnTokyoSingleYears();
    EXPECT_TRUE(w.Label50.Visible());
    EXPECT_FALSE(w.Label49.Visible());
    w.SpinButton1.spinUp();
    EXPECT_TRUE(w.Label49.Visible());
    EXPECT_FALSE(w.Label50.Visible());
}

TEST_F(ModesTest, YearsStopAtTheDatasLastYearUpAndAtTheFirstRowDown) {
    const QString last = QString::number(climate::kLastSingleYear);
    Hyser_Main& w = startOnTokyoSingleYears();
    w.Label4.setCaption(last);
    w.Hyouji();
    w.Command1.SetFocus();
    w.tuki_Moved = 1;
    w.SpinButton1_SpinUp();
    EXPECT_EQ(w.Label4.Caption(), last);
    EXPECT_EQ(w.tuki_Moved, 0);
    EXPECT_EQ(w.ActiveControl(), &w.Command1) << "a step that stops moves no focus";

    w.Label4.setCaption(QString::number(climate::kLastSingleYear + 1));
    w.SpinButton1_SpinUp();
    EXPECT_EQ(w.Label4.Caption(), QString::number(climate::kLastSingleYear + 1)) << "a year beyond the data never rises further";

    w.Label4.setCaption(u"1875"_s);
    w.Hyouji();
    w.Hyouji_Hyther();
    ASSERT_EQ(w.Label39.Caption(), u"1"_s);
    w.SpinButton1_SpinDown();
    EXPECT_EQ(w.Label4.Caption(), u"1875"_s);
}

TEST_F(ModesTest, FromAYearWithoutARowTheYearsStepOnDown) {
    dropTokyoYearsAfter(2012);
    Hyser_Main& w = start();
    w.Check2.setValue(0);  // searches 2020: no row
    for (int year = 2019; year >= 2012; --year) w.SpinButton1_SpinDown();
    expectYear(w, 2012);
    EXPECT_EQ(services.beeps, 1 + 7);
}

TEST_F(ModesTest, NormalValuesStepStationByStationAndWrapAround) {
    Hyser_Main& w = start();
    ASSERT_EQ(fixture.normals[3].value(u"spot"_s), u"東京"_s);
    w.SpinButton1.spinUp();
    EXPECT_EQ(w.Label29.Caption(), fixture.normals[4].value(u"spot"_s));
    EXPECT_EQ(w.Label2(1).Caption(), cell(fixture.normals[4], u"Ondo_1"_s));
    EXPECT_EQ(w.Label4.Caption(), fixture.normals.front().value(u"nen"_s)) << "no lookup, no search";

    const int last = static_cast<int>(fixture.normals.size()) - 1;
    while (w.Label29.Caption() != fixture.normals[last].value(u"spot"_s)) w.SpinButton1.spinUp();
    w.SpinButton1.spinUp();
    EXPECT_EQ(w.Label29.Caption(), fixture.normals.front().value(u"spot"_s)) << "straight from the last row to the first";
    w.SpinButton1.spinDown();
    EXPECT_EQ(w.Label29.Caption(), fixture.normals[last].value(u"spot"_s)) << "and back";
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(ModesTest, SteppingOntoAWorldStationLocksNormalValues) {
    data::ClimateRow madang = fixture.normalsRow(57001);
    madang[u"Point_No"_s] = u"57195"_s;
    madang[u"spot"_s] = u"マダン"_s;
    madang[u"area"_s] = u"パプアニューギニア"_s;
    fixture.addNormals(madang);
    Hyser_Main& w = start();
    while (w.Label29.Caption() != u"オスロ"_s) w.SpinButton1.spinUp();
    EXPECT_FALSE(w.Check2.Enabled());
    EXPECT_EQ(w.Label53.Font().size, 20);
    w.SpinButton1.spinUp();
    EXPECT_EQ(w.Label29.Caption(), u"マダン"_s);
    EXPECT_EQ(w.Label53.Font().size, 18);
    w.SpinButton1.spinUp();  // wraps to the first, a Japanese station
    EXPECT_TRUE(w.Check2.Enabled());
    EXPECT_EQ(w.Label53.Font().size, 20);
}

TEST_F(ModesTest, SwitchingAfterSteppingShowsTheSteppedToStation) {
    Hyser_Main& w = start();
    show(w, u"東京"_s);
    w.SpinButton1.spinUp();  // 広島
    w.Check2.setValue(0);
    EXPECT_EQ(w.Label29.Caption(), u"広島"_s);
    EXPECT_EQ(w.Station_Table, u"Hiroshima_Hyser_Data"_s);
    EXPECT_EQ(w.Label1.Caption(), u"2000"_s);
}

}  // namespace

namespace {

// What the window shows: the station, the mode, the year, the value table and the chart.
struct Shown {
    QString station, year, area;
    int mode;
    bool modeEnabled;
    QStringList cells;
    std::size_t drawn;
    bool operator==(const Shown&) const = default;
};

Shown shownBy(const Hyser_Main& w) {
    Shown s{w.Label29.Caption(), w.Label4.Caption(), w.Label53.Caption(), w.Check2.Value(), w.Check2.Enabled(), {}, w.drawing().size()};
    for (int i = 1; i <= 13; ++i) s.cells << w.Label2(i).Caption() << w.Label3(i).Caption();
    return s;
}

TEST_F(ModesTest, SwitchingBackAfterAYearWithoutARowKeepsTheStation) {
    dropTokyoYearsAfter(2012);
    Hyser_Main& w = start();
    w.Check2.setValue(0);  // 2020: no row, an empty table
    ASSERT_EQ(w.Label2(1).Caption(), QString());
    w.Check2.setValue(1);
    EXPECT_EQ(w.Label29.Caption(), u"東京"_s) << "not the station a lookup of nothing falls back to";
    EXPECT_EQ(w.Label2(1).Caption(), cell(fixture.normalsRow(47662), u"Ondo_1"_s));
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(ModesTest, StationsWithoutAnyRowKeepTheirNameThroughBothSwitches) {
    for (const QString& name : {u"伊吹山"_s, u"剣山"_s, u"阿蘇山"_s}) {
        SCOPED_TRACE(name.toStdString());
        Hyser_Main& w = start();
        services.expectMessage();  // 該当するレコードが見つかりません
        show(w, name);
        EXPECT_EQ(w.Label29.Caption(), name);
        w.Check2.setValue(0);
        EXPECT_EQ(w.Label29.Caption(), name);
        EXPECT_EQ(w.Label2(1).Caption(), QString()) << "an empty table, never another station's row";
        services.expectMessage();
        w.Check2.setValue(1);
        EXPECT_EQ(w.Label29.Caption(), name);
        EXPECT_EQ(w.Label2(1).Caption(), QString());
        EXPECT_EQ(services.messages.back().prompt, u"該当するレコードが見つかりません"_s);
        forms::destroyAllForms();
    }
}

TEST_F(ModesTest, OnAStationWithoutYearsTheArrowsOnlyBeepAndTheWayBackStaysOpen) {
    Hyser_Main& w = start();
    services.expectMessage();
    show(w, u"伊吹山"_s);
    w.Check2.setValue(0);
    const Shown before = shownBy(w);
    const int beeps = services.beeps;
    for (int i = 0; i < 5; ++i) w.SpinButton1.spinDown();
    for (int i = 0; i < 5; ++i) w.SpinButton1.spinUp();
    EXPECT_EQ(shownBy(w), before);
    EXPECT_EQ(services.beeps, beeps + 10);
    EXPECT_TRUE(w.Check2.Enabled());
}

TEST_F(ModesTest, SteppingDownNeverLeavesTheStationsFirstYear) {
    Hyser_Main& w = startOnTokyoSingleYears();
    // A year below the station's data: the arrow has nowhere to go.
    w.Label4.setCaption(u"1700"_s);
    w.Hyouji();
    w.Hyouji_Hyther();
    w.SpinButton1.spinDown();
    EXPECT_EQ(w.Label4.Caption(), u"1700"_s);
    EXPECT_TRUE(w.Check2.Enabled());
}

TEST_F(ModesTest, ADatabaseGoneBetweenTwoSwitchesLeavesTheWindowAsItWas) {
    Hyser_Main& w = start();
    show(w, u"那覇"_s);
    const Shown before = shownBy(w);
    ASSERT_TRUE(QFile::remove(fixture.folder() + u"/Hyther_DB/Okinawa_Hyser_Data.mdb"_s));
    services.expectMessage();
    w.Check2.setValue(0);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages[0].prompt.contains(u"Okinawa_Hyser_Data.mdb"_s)) << services.messages[0].prompt.toStdString();
    EXPECT_EQ(shownBy(w), before) << "the box is ticked again and nothing else changed";
    EXPECT_TRUE(w.Label19.Visible());
}

TEST_F(ModesTest, ATableGoneAfterAChoiceInNormalValuesNeverShowsAnotherStationsYears) {
    Hyser_Main& w = start();
    w.Check2.setValue(0);  // Tokyo's years are open
    w.Check2.setValue(1);
    show(w, u"那覇"_s);
    const Shown before = shownBy(w);
    // Naha's years go; Tokyo's table is still open in the window.
    ado::DatabaseWriter(fixture.folder() + u"/Hyther_DB/Okinawa_Hyser_Data.mdb"_s).commit();
    services.expectMessage();
    w.Check2.setValue(0);
    EXPECT_TRUE(services.messages.back().prompt.contains(u"Naha"_s, Qt::CaseInsensitive)) << services.messages.back().prompt.toStdString();
    EXPECT_EQ(shownBy(w), before) << "neither Tokyo's years under Naha's name nor a half-switched window";
}

}  // namespace
