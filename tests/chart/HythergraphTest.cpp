// The hythergraph engine on a window of its controls: the points and their axis dots in
// the month colours, the closed polygon of joining lines, the markers and month numbers
// beside their points, months without data, the out-of-frame count and the value cells,
// drawn from 東京's normal values.
#include "chart/Hythergraph.h"
#include "data/ClimateDb.h"
#include "platform/forms/Text.h"
#include "tests/chart/ChartForm.h"
#include "tests/support/ClimateFixture.h"
#include "tests/support/FakeServices.h"

#include <gtest/gtest.h>

using namespace chart;
using namespace forms;
using namespace Qt::Literals::StringLiterals;
using testing_support::ChartForm;

namespace {

class HythergraphTest : public ::testing::Test {
protected:
    HythergraphTest() {
        for (const data::ClimateRow& row : testing_support::committedNormals()) {
            if (row.value(u"Point_No"_s) == u"47662"_s) tokyo = row;
        }
    }
    void show(const data::ClimateRow& row) {
        QStringList t, p;
        for (int i = 1; i <= 13; ++i) {
            t << row.value(data::ondoField(i));
            p << row.value(data::rainField(i));
        }
        w.show(t, p);
    }
    double x(int month) const { return ChartForm::geometry.originX + Val(tokyo.value(data::rainField(month))) * w.state.Rain_Scale; }
    double y(int month) const { return ChartForm::geometry.originY - Val(tokyo.value(data::ondoField(month))) * w.state.Temp_Scale; }

    testing_support::FakeServices services;
    data::ClimateRow tokyo;
    ChartForm w;
};

TEST_F(HythergraphTest, TokyosTwelveMonthsArePlottedJoinedAndMarked) {
    ASSERT_FALSE(tokyo.isEmpty());
    show(tokyo);
    const HytherGeometry& g = ChartForm::geometry;
    ASSERT_EQ(w.drawing().size(), 24u) << "twelve points and twelve axis dots";
    for (int i = 1; i <= 12; ++i) {
        SCOPED_TRACE(i);
        const auto points = w.pointsIn(monthColour(i));
        ASSERT_EQ(points.size(), 2u);
        EXPECT_NEAR(points[0].x1, x(i), 0.01);
        EXPECT_NEAR(points[0].y1, y(i), 0.01);
        EXPECT_EQ(points[0].width, 6) << "the window's pen while no point size is chosen";
        EXPECT_NEAR(points[1].x1, g.axisX, 0.01) << "the dot beside the temperature axis";
        EXPECT_NEAR(points[1].y1, y(i), 0.01);
        EXPECT_NEAR(w.state.Plot_X[i], points[0].x1, 0.01);
        EXPECT_NEAR(w.state.Plot_Y[i], points[0].y1, 0.01);

        const int next = i == 12 ? 1 : i + 1;
        const Line& join = w.Line11(i);
        EXPECT_TRUE(join.Visible());
        EXPECT_NEAR(join.X1(), x(i), 0.01);
        EXPECT_NEAR(join.Y1(), y(i), 0.01);
        EXPECT_NEAR(join.X2(), x(next), 0.01);
        EXPECT_NEAR(join.Y2(), y(next), 0.01);

        EXPECT_NEAR(w.Shape3(i).Left(), x(i) - w.state.Mark_DX, 0.01);
        EXPECT_NEAR(w.Shape3(i).Top(), y(i) - w.state.Mark_DY, 0.01);

        const Label& number = w.Label28(i);
        EXPECT_TRUE(number.Visible());
        // The summer numbers stand left of their points and higher, clear of the turn.
        const bool summer = i >= 6 && i <= 9;
        EXPECT_NEAR(number.Left(), summer ? x(i) - 240 : x(i) + 120, 0.01);
        EXPECT_NEAR(number.Top(), summer ? y(i) - 60 : y(i) + 60, 0.01);
    }
    EXPECT_FALSE(w.Label28(13).Visible()) << "the year is never plotted";
    EXPECT_EQ(w.Label15.Caption(), u"0"_s);
}

TEST_F(HythergraphTest, MonthColoursAreTheFixedPlottingColours) {
    const Color expected[13] = {0,        0x11111111, 0xFF0000, 0xFF80FF, 0x90FF90, 0xC000,  0xFFFF00,
                                0xFF00FF, 0xFF,       0xFF0099, 0xFFFF,   0x80FF,   0xFF8080};
    for (int i = 1; i <= 12; ++i) EXPECT_EQ(monthColour(i), expected[i]) << i;
    EXPECT_EQ(Month_Color(1), u"286331153"_s);
    EXPECT_EQ(Month_Color(12), u"16744576"_s);
}

TEST_F(HythergraphTest, ValueCellsShowOneDecimalAndMissingValuesRaw) {
    tokyo[u"Ondo_5"_s] = u"×"_s;
    tokyo[u"Rain_5"_s] = u"139.70"_s;
    tokyo[u"Ondo_2"_s] = u"6"_s;
    tokyo[u"Rain_2"_s] = u"56.45"_s;
    show(tokyo);
    EXPECT_EQ(w.Label2(5).Caption(), u"×"_s);
    EXPECT_EQ(w.Label3(5).Caption(), u"139.70"_s) << "the month's other value is shown unformatted too";
    EXPECT_EQ(w.Label2(2).Caption(), u"6.0"_s);
    EXPECT_EQ(w.Label3(2).Caption(), u"56.5"_s);
    EXPECT_EQ(w.Label2(13).Caption(), u"15.8"_s);
    EXPECT_EQ(w.Label3(13).Caption(), u"1598.2"_s);
}

TEST_F(HythergraphTest, MonthWithoutDataIsNeitherPlottedNorJoined) {
    tokyo[u"Ondo_5"_s] = u"×"_s;
    show(tokyo);
    EXPECT_TRUE(w.pointsIn(monthColour(5)).empty()) << "no point and no axis dot for May";
    EXPECT_EQ(w.drawing().size(), 22u);
    EXPECT_FALSE(w.Line11(4).Visible()) << "April to May";
    EXPECT_FALSE(w.Line11(5).Visible()) << "May to June";
    EXPECT_TRUE(w.Line11(3).Visible());
    EXPECT_TRUE(w.Line11(6).Visible());
    EXPECT_FALSE(w.Label28(5).Visible());
    EXPECT_TRUE(w.Label28(4).Visible());
    EXPECT_EQ(w.Shape3(5).Left(), ChartForm::geometry.parked) << "May's marker waits off the chart";
}

TEST_F(HythergraphTest, JanuaryWithoutDataHidesTheLinesOnBothSidesOfIt) {
    tokyo[u"Rain_1"_s] = QString();
    show(tokyo);
    EXPECT_FALSE(w.Line11(1).Visible());
    EXPECT_FALSE(w.Line11(12).Visible());
    EXPECT_TRUE(w.Label28(12).Visible()) << "December's number follows 月表示";
}

TEST_F(HythergraphTest, PointsRightOfTheFrameAreCountedFrom600Point1Millimetres) {
    tokyo[u"Rain_1"_s] = u"600.0"_s;
    tokyo[u"Rain_2"_s] = u"600.1"_s;
    tokyo[u"Rain_3"_s] = u"750.0"_s;
    show(tokyo);
    EXPECT_EQ(w.Label15.Caption(), u"2"_s);
    EXPECT_NEAR(w.pointsIn(monthColour(1))[0].x1, ChartForm::geometry.rightLimit, 0.01) << "600 mm lies on the frame";
}

TEST_F(HythergraphTest, MonthNumbersFollowTheMonthNumbersBox) {
    show(tokyo);
    w.CheckBox3.setValue(false);
    Line_Set(w.hyther, w.state, ChartForm::geometry);
    for (int i = 1; i <= 12; ++i) EXPECT_FALSE(w.Label28(i).Visible()) << i;
}

TEST_F(HythergraphTest, BlackAndWhiteDrawsBlackDotsAndMarkersUntilTheColoursReturn) {
    show(tokyo);
    Line_Set(w.hyther, w.state, ChartForm::geometry, true);
    for (const DrawOp& op : w.drawing()) EXPECT_EQ(op.color, 0u);
    EXPECT_EQ(w.Shape3(3).BackColor(), kSysButtonText);
    Line_Set(w.hyther, w.state, ChartForm::geometry);
    EXPECT_EQ(w.pointsIn(monthColour(3)).size(), 2u) << "the dots take their colours again";
    EXPECT_EQ(w.Shape3(3).BackColor(), kSysButtonText) << "the markers wait for the colour scheme";
}

TEST_F(HythergraphTest, ChosenPointSizeDrawsWithItsPenWidth) {
    w.state.Point_Width = 12;
    show(tokyo);
    ASSERT_FALSE(w.drawing().empty());
    for (const DrawOp& op : w.drawing()) EXPECT_EQ(op.width, 12);
}

TEST_F(HythergraphTest, ARowWithoutValuesShowsAnEmptyTableAndNothingOnTheChart) {
    show(tokyo);
    w.show(QStringList(13, QString()), QStringList(13, QString()));
    for (int i = 1; i <= 13; ++i) {
        EXPECT_EQ(w.Label2(i).Caption(), QString()) << i;
        EXPECT_EQ(w.Label3(i).Caption(), QString()) << i;
        EXPECT_EQ(w.Label2(i).BackColor(), 0xFFFFFFu) << "a missing value keeps the cell's design colours";
    }
    EXPECT_TRUE(w.drawing().empty());
    for (int i = 1; i <= 12; ++i) {
        EXPECT_FALSE(w.Line11(i).Visible());
        EXPECT_EQ(w.Shape3(i).Left(), ChartForm::geometry.parked);
    }
}

TEST_F(HythergraphTest, ClearingTakesTheMarkersLinesAndNumbersOffTheChart) {
    show(tokyo);
    Line_Reset(w.hyther, ChartForm::geometry);
    for (int i = 1; i <= 12; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(w.Label28(i).Left(), ChartForm::geometry.parked);
        EXPECT_EQ(w.Shape3(i).Left(), ChartForm::geometry.parked);
        EXPECT_EQ(w.Line11(i).X1(), ChartForm::geometry.parked);
        EXPECT_EQ(w.Line11(i).Y2(), ChartForm::geometry.parked);
    }
}

}  // namespace
