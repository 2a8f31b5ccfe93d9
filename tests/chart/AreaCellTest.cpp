// The area cell: the usual sizes for the names that fit, smaller type for those that
// would not, and never smaller than can be read.
#include "chart/AreaCell.h"
#include "tests/chart/ChartForm.h"
#include "tests/support/FakeServices.h"

#include <gtest/gtest.h>

using namespace chart;
using namespace Qt::Literals::StringLiterals;

namespace {

class AreaCellTest : public ::testing::Test {
protected:
    testing_support::FakeServices services;
    testing_support::ChartForm w;
};

TEST_F(AreaCellTest, TheUsualSizesStayForNamesThatFit) {
    const forms::Label& cell = w.Label53;
    const struct {
        QString area;
        double size;  // the two long names have always been set smaller
    } cases[] = {{u"関東"_s, 20}, {u"日本"_s, 20}, {u"パプアニューギニア"_s, 18}, {u"トリニダード・トバゴ"_s, 18}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.area.toStdString());
        EXPECT_EQ(areaFontSize(c.area, cell.Font(), cell.Width()), c.size);
    }
}

TEST_F(AreaCellTest, ANameThatWouldNotFitShrinksAPixelAtATimeUntilItDoes) {
    forms::Label& cell = w.Label53;
    const QString area = u"セントビンセント及びグレナディーン諸島"_s;
    forms::FontDesign usual = cell.Font();
    usual.size = 20;
    ASSERT_GT(forms::textWidthTwips(usual, area), cell.Width() - 60) << "a name too long for the usual size";
    showArea(cell, area);
    EXPECT_EQ(cell.Caption(), area);
    const double size = cell.Font().size;
    EXPECT_LT(size, 18);
    EXPECT_LE(forms::textWidthTwips(cell.Font(), area), cell.Width() - 60) << "the name shows whole";
    forms::FontDesign larger = cell.Font();
    larger.size = size + 0.75;
    EXPECT_GT(forms::textWidthTwips(larger, area), cell.Width() - 60) << "one pixel larger would not fit";

    // The next, short name takes the usual size again.
    showArea(cell, u"関東"_s);
    EXPECT_EQ(cell.Font().size, 20);
}

TEST_F(AreaCellTest, ACellTooNarrowForAnyTypeStopsAtEightPoints) {
    EXPECT_EQ(areaFontSize(u"パプアニューギニア独立国"_s, w.Label53.Font(), 300), 8);
}

}  // namespace
