// What the climograph window does its own way with normal values and single years: 累積表示
// unticks 平年値 itself, and its station, mode and year stay its own, apart from the main
// window's. (What every station chart window does with them is tested on all four in
// tests/app/ChartWindowModesTest.cpp.)
#include "data/ClimateDb.h"
#include "platform/forms/Text.h"
#include "tests/climograph/ClimographFixture.h"

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
    Uonz_Main& startOnTokyoSingleYears() {
        Uonz_Main& w = start();
        choose(u"東京"_s);  // the year 2000, the counters at 0
        w.Check2.setValue(0);
        return w;
    }
};

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
