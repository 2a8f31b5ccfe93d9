// What the two-graph window's steps do its own way: long names in smaller type and the month
// numbers placed by rule again. (What every station chart window does with normal values
// and single years is tested on all four in tests/app/ChartWindowModesTest.cpp.)
#include "data/ClimateDb.h"
#include "tests/twograph/TwoGraphFixture.h"

using namespace twograph;
using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace {

class TwoGraphModesTest : public testing_support::TwoGraphFixture {};

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
