// Normal values and single years in the two-graph window: the switch between them, the
// spin button stepping through the normal-values rows and through the years within the
// data's years, world rows, stations and years without a row.
#include "data/Catalogue.h"
#include "data/ClimateDb.h"
#include "data/climate/DataPeriod.h"
#include "platform/forms/Text.h"
#include "tests/twograph/TwoGraphFixture.h"

using namespace twograph;
using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace {

class TwoGraphModesTest : public testing_support::TwoGraphFixture {
protected:
    // Shows a year of the station in single years, as stepping to it would.
    void showYear(Form55& w, int year) {
        w.Label4.setCaption(QString::number(year));
        w.Hyouji();
        w.Hyouji_Hyther();
        w.Kion_Color();
    }
};

TEST_F(TwoGraphModesTest, SingleYearsShowTheStationsYearAndNormalValuesComeBackAtTheChoiceYear) {
    Form55& w = start();
    const QString year = w.Label4.Caption();
    w.Check2.setValue(0);
    EXPECT_FALSE(w.Label19.Visible());
    EXPECT_EQ(w.Label19.Caption(), u"各年値"_s);
    EXPECT_EQ(w.Label19.ForeColor(), 0xFFu);
    EXPECT_TRUE(w.CheckBox1.Enabled());
    EXPECT_EQ(w.Label4.Caption(), year);
    EXPECT_EQ(w.Label1.Caption(), year) << "the year's row is current";
    EXPECT_EQ(w.Label36.Caption(), u"東京"_s);
    EXPECT_EQ(w.Label53.Caption(), u"日本"_s) << "the area of the row shown";
    const data::ClimateRow& row = fixture.yearRow(47662, year.toInt());
    EXPECT_EQ(w.Label2(7).Caption(), FormatOneDecimal(Val(row.value(data::ondoField(7)))));
    EXPECT_EQ(w.Label3(7).Caption(), FormatOneDecimal(Val(row.value(data::rainField(7)))));
    EXPECT_NEAR(w.hytherState.Plot_Y[7], 6500 - 90 * Val(row.value(data::ondoField(7))), 0.01);
    EXPECT_EQ(w.Graph2_Rs->Source(), u"Tokyo_Hyser_data"_s);
    EXPECT_EQ(w.drawing().size(), 48u);

    w.Check2.setValue(1);
    EXPECT_TRUE(w.Label19.Visible());
    EXPECT_EQ(w.Label19.Caption(), u"平年値"_s);
    EXPECT_EQ(w.Label4.Caption(), u"2000"_s);
    EXPECT_FALSE(w.CheckBox1.Enabled());
    EXPECT_EQ(w.Label53.Caption(), u"関東"_s);
    EXPECT_EQ(w.Label2(1).Caption(), u"5.4"_s);
}

TEST_F(TwoGraphModesTest, TheMarksFollowTheYearsRowInSingleYearsOnly) {
    fixture.yearRow(47662, 1990)[u"TS"_s] = u"1"_s;
    Form55& w = start();
    w.Check2.setValue(0);
    showYear(w, 1990);
    EXPECT_TRUE(w.Label49.Visible()) << "統計切断";
    w.Check2.setValue(1);
    EXPECT_FALSE(w.Label49.Visible()) << "the year's marks are not the normal values'";
}

TEST_F(TwoGraphModesTest, SteppingUpStopsAtTheLastYearOfTheData) {
    Form55& w = start();
    w.Check2.setValue(0);
    showYear(w, climate::kLastSingleYear - 1);
    w.Label16.setCaption(u"0"_s);
    w.SpinButton1.spinUp();
    EXPECT_EQ(w.Label4.Caption(), QString::number(climate::kLastSingleYear));
    EXPECT_EQ(w.Label16.Caption(), u"1"_s) << "the year counter";
    const std::size_t drawn = w.drawing().size();
    w.SpinButton1.spinUp();
    EXPECT_EQ(w.Label4.Caption(), QString::number(climate::kLastSingleYear));
    EXPECT_EQ(w.Label16.Caption(), u"1"_s);
    EXPECT_EQ(w.drawing().size(), drawn);
    EXPECT_EQ(services.beeps, 0);
}

TEST_F(TwoGraphModesTest, SteppingDownStopsAtTheStationsFirstYear) {
    Form55& w = start();
    w.Check2.setValue(0);
    int tokyoFirst = 0;
    for (const data::ClimateRow& r : fixture.years) {
        if (r.value(u"Point_No"_s) == u"47662"_s && r.value(u"ID"_s) == u"1"_s) tokyoFirst = r.value(u"nen"_s).toInt();
    }
    ASSERT_GT(tokyoFirst, 0);
    showYear(w, tokyoFirst + 1);
    w.SpinButton1.spinDown();
    EXPECT_EQ(w.Label4.Caption(), QString::number(tokyoFirst));
    EXPECT_EQ(w.Label39.Caption(), u"1"_s);
    w.SpinButton1.spinDown();
    EXPECT_EQ(w.Label4.Caption(), QString::number(tokyoFirst)) << "nothing before the first year";
}

TEST_F(TwoGraphModesTest, NormalValuesStepThroughTheTableAndGoRoundAtBothEnds) {
    Form55& w = start();
    w.SpinButton1.spinUp();
    EXPECT_EQ(w.Label29.Caption(), w.Label36.Caption());
    EXPECT_EQ(w.Graph2_Heinen_Rs->Fields(u"Point_No"_s), u"47765"_s) << "the next row after 東京";
    EXPECT_EQ(w.Label53.Caption(), w.control<Label>(u"Label52"_s).Caption());
    EXPECT_EQ(w.drawing().size(), 48u);

    w.Graph2_Heinen_Rs->MoveLast();
    w.SpinButton1.spinUp();
    EXPECT_EQ(w.Graph2_Heinen_Rs->Fields(u"Point_No"_s), u"47401"_s) << "past the last row comes the first";
    EXPECT_EQ(w.Label29.Caption(), u"稚内"_s);
    w.SpinButton1.spinDown();
    EXPECT_EQ(w.Graph2_Heinen_Rs->Fields(u"Point_No"_s), fixture.normals.back().value(u"Point_No"_s))
        << "before the first row comes the last";
    EXPECT_EQ(w.Label29.Caption(), fixture.normals.back().value(u"spot"_s));
    EXPECT_EQ(w.ActiveControl(), &w.SpinButton1);
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(TwoGraphModesTest, AWorldRowLocksTheNormalValuesAndAJapaneseRowFreesThem) {
    Form55& w = start();
    ASSERT_EQ(fixture.normals.back().value(u"Point_No"_s), u"57001"_s) << "the fixture's one world row";
    w.Graph2_Heinen_Rs->MoveLast();
    w.Graph2_Heinen_Rs->MovePrevious();
    w.SpinButton1.spinUp();
    ASSERT_EQ(w.Label29.Caption(), u"オスロ"_s);
    EXPECT_FALSE(w.Check2.Enabled());
    EXPECT_EQ(w.Label53.Caption(), u"ノルウェー"_s);
    EXPECT_EQ(w.Label29.Font().size, 24);
    w.SpinButton1.spinDown();
    EXPECT_TRUE(w.Check2.Enabled()) << w.Label29.Caption().toStdString();
}

TEST_F(TwoGraphModesTest, LongNamesTakeSmallerType) {
    // サンクトペテルブルグ's row, and a country whose name is longer than any the data has.
    data::ClimateRow peter = fixture.normalsRow(57001);
    peter[u"Point_No"_s] = u"57036"_s;
    peter[u"spot"_s] = u"サンクトペテルブルグ"_s;
    fixture.addNormals(peter);
    data::ClimateRow far = fixture.normalsRow(57001);
    far[u"Point_No"_s] = u"57100"_s;
    far[u"area"_s] = u"パプアニューギニア独立国"_s;
    fixture.addNormals(far);
    Form55& w = start();
    w.Graph2_Heinen_Rs->MoveFirst();
    while (w.Graph2_Heinen_Rs->Fields(u"Point_No"_s) != u"57001"_s) w.Graph2_Heinen_Rs->MoveNext();
    w.SpinButton1.spinUp();
    ASSERT_EQ(w.Label29.Caption(), u"サンクトペテルブルグ"_s);
    EXPECT_EQ(w.Label29.Font().size, 20);
    w.SpinButton1.spinUp();
    ASSERT_EQ(w.Label53.Caption(), u"パプアニューギニア独立国"_s);
    EXPECT_LT(w.Label53.Font().size, 18) << "the area cell's text fits";
    EXPECT_EQ(w.Label29.Font().size, 24);
}

TEST_F(TwoGraphModesTest, AStationWithoutARowShowsAnEmptyChartInBothModes) {
    Form55& w = start();
    w.Label29.setCaption(u"函館"_s);  // in the catalogue, not among the fixture's rows
    services.expectMessage();
    w.Hyouji();
    w.Hyouji_Hyther();
    w.Kion_Color();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].prompt, u"該当するレコードが見つかりません"_s);
    EXPECT_EQ(services.beeps, 1);
    EXPECT_TRUE(w.drawing().empty()) << "never another station's row";
    EXPECT_EQ(w.Label2(1).Caption(), QString());

    // The switch after the empty search goes on with the station looked up.
    w.Check2.setValue(0);
    EXPECT_EQ(w.Label29.Caption(), u"函館"_s);
    EXPECT_EQ(w.Station_Table, data::lookupStation(u"函館"_s).table);
    EXPECT_EQ(services.beeps, 2) << "its empty table has no year either";
    EXPECT_TRUE(w.drawing().empty());
    w.SpinButton1.spinUp();
    EXPECT_EQ(services.beeps, 3) << "nothing to step to";
    EXPECT_TRUE(w.Check2.Enabled()) << "the way back to the normal values stays open";
}

TEST_F(TwoGraphModesTest, AStepPlacesTheMonthNumbersByRuleAgain) {
    Form55& w = start();
    for (const bool up : {true, false}) {
        w.tuki_Moved = 1;
        up ? w.SpinButton1.spinUp() : w.SpinButton1.spinDown();
        EXPECT_EQ(w.tuki_Moved, 0);
        EXPECT_NEAR(w.Label28(3).Left(), w.hytherState.Plot_X[3] - 300, 0.01);
    }
}

}  // namespace
