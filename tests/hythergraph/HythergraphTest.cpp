// The hythergraph drawn in the main window: the points and their axis dots in the month
// colours, the closed polygon of joining lines, the markers and month numbers beside
// their points, months without data, the out-of-frame count and the value cells.
#include "chart/Hythergraph.h"
#include "data/ClimateDb.h"
#include "platform/forms/Text.h"
#include "tests/hythergraph/MainWindowFixture.h"

using namespace chart;
using namespace hythergraph;
using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace {

class HythergraphTest : public testing_support::MainWindowFixture {
protected:
    // The points the drawing holds for a month: the point, then its axis dot.
    static std::vector<DrawOp> pointsOf(const Hyser_Main& w, Color colour) {
        std::vector<DrawOp> found;
        for (const DrawOp& op : w.drawing()) {
            if (op.kind == DrawOp::Point && op.color == colour) found.push_back(op);
        }
        return found;
    }
};

TEST_F(HythergraphTest, TokyosTwelveMonthsArePlottedJoinedAndMarked) {
    Hyser_Main& w = start();
    const data::ClimateRow& tokyo = fixture.normalsRow(47662);
    ASSERT_EQ(w.drawing().size(), 24u) << "twelve points and twelve axis dots";
    for (int i = 1; i <= 12; ++i) {
        SCOPED_TRACE(i);
        const double p = Val(tokyo.value(data::rainField(i)));
        const double t = Val(tokyo.value(data::ondoField(i)));
        const double x = 4170 + p * 11;
        const double y = 5310 - t * 110;
        const auto points = pointsOf(w, monthColour(i));
        ASSERT_EQ(points.size(), 2u);
        EXPECT_NEAR(points[0].x1, x, 0.01);
        EXPECT_NEAR(points[0].y1, y, 0.01);
        EXPECT_EQ(points[0].width, 6) << "the pen width of start-up";
        EXPECT_NEAR(points[1].x1, 3500, 0.01) << "the dot beside the temperature axis";
        EXPECT_NEAR(points[1].y1, y, 0.01);

        const int next = i == 12 ? 1 : i + 1;
        const Line& join = w.Line11(i);
        EXPECT_TRUE(join.Visible());
        EXPECT_NEAR(join.X1(), x, 0.01);
        EXPECT_NEAR(join.Y1(), y, 0.01);
        EXPECT_NEAR(join.X2(), 4170 + Val(tokyo.value(data::rainField(next))) * 11, 0.01);
        EXPECT_NEAR(join.Y2(), 5310 - Val(tokyo.value(data::ondoField(next))) * 110, 0.01);

        EXPECT_NEAR(w.Shape3(i).Left(), x - 45, 0.01);
        EXPECT_NEAR(w.Shape3(i).Top(), y - 30, 0.01);

        const Label& number = w.Label28(i);
        EXPECT_TRUE(number.Visible());
        const bool summer = i >= 6 && i <= 9;
        EXPECT_NEAR(number.Left(), summer ? x - 240 : x + 120, 0.01);
        EXPECT_NEAR(number.Top(), summer ? y - 60 : y + 60, 0.01);
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
    data::ClimateRow& tokyo = fixture.normalsRow(47662);
    tokyo[u"Ondo_5"_s] = u"×"_s;
    tokyo[u"Rain_5"_s] = u"139.70"_s;
    tokyo[u"Ondo_2"_s] = u"6"_s;
    tokyo[u"Rain_2"_s] = u"56.45"_s;
    Hyser_Main& w = start();
    EXPECT_EQ(w.Label2(5).Caption(), u"×"_s);
    EXPECT_EQ(w.Label3(5).Caption(), u"139.70"_s) << "the month's other value is shown unformatted too";
    EXPECT_EQ(w.Label2(2).Caption(), u"6.0"_s);
    EXPECT_EQ(w.Label3(2).Caption(), u"56.5"_s);
    EXPECT_EQ(w.Label2(13).Caption(), u"15.8"_s);
    EXPECT_EQ(w.Label3(13).Caption(), u"1598.2"_s);
}

TEST_F(HythergraphTest, MonthWithoutDataIsNeitherPlottedNorJoined) {
    data::ClimateRow& tokyo = fixture.normalsRow(47662);
    tokyo[u"Ondo_5"_s] = u"×"_s;
    Hyser_Main& w = start();
    EXPECT_TRUE(pointsOf(w, monthColour(5)).empty()) << "no point and no axis dot for May";
    EXPECT_EQ(w.drawing().size(), 22u);
    EXPECT_FALSE(w.Line11(4).Visible()) << "April to May";
    EXPECT_FALSE(w.Line11(5).Visible()) << "May to June";
    EXPECT_TRUE(w.Line11(3).Visible());
    EXPECT_TRUE(w.Line11(6).Visible());
    EXPECT_FALSE(w.Label28(5).Visible());
    EXPECT_TRUE(w.Label28(4).Visible());
    EXPECT_EQ(w.Shape3(5).Left(), 30000) << "May's marker waits off the chart";
}

TEST_F(HythergraphTest, JanuaryWithoutDataHidesTheLinesOnBothSidesOfIt) {
    fixture.normalsRow(47662)[u"Rain_1"_s] = QString();
    Hyser_Main& w = start();
    EXPECT_FALSE(w.Line11(1).Visible());
    EXPECT_FALSE(w.Line11(12).Visible());
    EXPECT_TRUE(w.Label28(12).Visible()) << "December's number follows 月表示";
}

TEST_F(HythergraphTest, PointsRightOfTheFrameAreCountedFrom600Point1Millimetres) {
    data::ClimateRow& tokyo = fixture.normalsRow(47662);
    tokyo[u"Rain_1"_s] = u"600.0"_s;
    tokyo[u"Rain_2"_s] = u"600.1"_s;
    tokyo[u"Rain_3"_s] = u"750.0"_s;
    Hyser_Main& w = start();
    EXPECT_EQ(w.Label15.Caption(), u"2"_s);
    EXPECT_NEAR(pointsOf(w, monthColour(1))[0].x1, 10770, 0.01);
}

TEST_F(HythergraphTest, MonthNumbersFollowTheMonthNumbersBox) {
    Hyser_Main& w = start();
    w.CheckBox3.setValue(false);
    w.Line_Set();
    for (int i = 1; i <= 12; ++i) EXPECT_FALSE(w.Label28(i).Visible()) << i;
}

TEST_F(HythergraphTest, BlackAndWhiteDrawsBlackDotsAndMarkersUntilTheColoursReturn) {
    Hyser_Main& w = start();
    w.Line_Set_BW();
    for (const DrawOp& op : w.drawing()) EXPECT_EQ(op.color, 0u);
    EXPECT_EQ(w.Shape3(3).BackColor(), kSysButtonText);
    w.Line_Set();
    EXPECT_EQ(pointsOf(w, monthColour(3)).size(), 2u) << "the dots take their colours again";
    EXPECT_EQ(w.Shape3(3).BackColor(), kSysButtonText) << "the markers wait for the colour scheme";
}

TEST_F(HythergraphTest, ChosenPointSizeDrawsWithItsPenWidth) {
    Hyser_Main& w = start();
    w.state.Point_Width = 12;
    w.Hyouji_Hyther();
    for (const DrawOp& op : w.drawing()) EXPECT_EQ(op.width, 12);
}

TEST_F(HythergraphTest, StationWithoutANormalsRowShowsAnEmptyTableAfterTheMessage) {
    Hyser_Main& w = start();
    services.expectMessage();
    show(w, u"伊吹山"_s);
    EXPECT_EQ(services.beeps, 1);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].prompt, u"該当するレコードが見つかりません"_s);
    EXPECT_EQ(w.Label29.Caption(), u"伊吹山"_s);
    for (int i = 1; i <= 13; ++i) {
        EXPECT_EQ(w.Label2(i).Caption(), QString()) << i;
        EXPECT_EQ(w.Label3(i).Caption(), QString()) << i;
        EXPECT_EQ(w.Label2(i).BackColor(), 0xFFFFFFu) << "a missing value keeps the cell's design colours";
    }
    EXPECT_TRUE(w.drawing().empty());
    for (int i = 1; i <= 12; ++i) {
        EXPECT_FALSE(w.Line11(i).Visible());
        EXPECT_EQ(w.Shape3(i).Left(), 30000);
    }
}

}  // namespace
