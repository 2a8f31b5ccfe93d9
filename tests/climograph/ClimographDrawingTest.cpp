// The climograph drawn in its window: the temperature points at their month positions
// with their axis dots and a closing point at January's height, the joining lines,
// markers and month numbers, the precipitation bars, months without data, the value
// cells and the black-and-white redraw.
#include "chart/Climograph.h"
#include "data/ClimateDb.h"
#include "platform/forms/Text.h"
#include "tests/climograph/ClimographFixture.h"

using namespace chart;
using namespace climograph;
using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace {

class ClimographDrawingTest : public testing_support::ClimographFixture {};

TEST_F(ClimographDrawingTest, TokyosMonthsStandAsBarsAndAJoinedLineOfPoints) {
    Uonz_Main& w = start();
    const data::ClimateRow& tokyo = fixture.normalsRow(47662);
    ASSERT_EQ(w.drawing().size(), 26u) << "twelve points, a closing point and their axis dots";
    const auto yOf = [&](int month) { return 5310 - 111 * Val(tokyo.value(data::ondoField(month))); };
    for (int i = 1; i <= 13; ++i) {
        SCOPED_TRACE(i);
        const int month = i == 13 ? 1 : i;
        const double x = 510 * i + 4200;
        const double y = yOf(month);
        EXPECT_NEAR(w.state.Plot_X[i], x, 0.01);
        EXPECT_NEAR(w.state.Plot_Y[i], y, 0.01);
        const auto points = pointsIn(w, monthColour(month));
        ASSERT_EQ(points.size(), month == 1 ? 4u : 2u);
        const std::size_t at = i == 13 ? 2 : 0;
        EXPECT_NEAR(points[at].x1, x, 0.01);
        EXPECT_NEAR(points[at].y1, y, 0.01);
        EXPECT_EQ(points[at].width, 6) << "the pen width of start-up";
        EXPECT_NEAR(points[at + 1].x1, 3500, 0.01) << "the dot beside the temperature axis";
        EXPECT_NEAR(points[at + 1].y1, y, 0.01);
        EXPECT_NEAR(w.Shape3(i).Left(), x - 30, 0.01);
        EXPECT_NEAR(w.Shape3(i).Top(), y - 30, 0.01);
    }
    for (int i = 1; i <= 12; ++i) {
        SCOPED_TRACE(i);
        const double x = 510 * i + 4200;
        const double y = yOf(i);
        const Line& join = w.Line11(i);
        EXPECT_TRUE(join.Visible());
        EXPECT_NEAR(join.X1(), x, 0.01);
        EXPECT_NEAR(join.Y1(), y, 0.01);
        EXPECT_NEAR(join.X2(), x + 510, 0.01) << "December runs on to the closing point at 10830";
        EXPECT_NEAR(join.Y2(), yOf(i == 12 ? 1 : i + 1), 0.01);

        const double mm = Val(tokyo.value(data::rainField(i)));
        const Label& bar = w.Label51(i);
        EXPECT_TRUE(bar.Visible());
        EXPECT_EQ(bar.Left(), 4530 + 510 * (i - 1)) << "bars never move sideways";
        EXPECT_EQ(bar.Width(), 390);
        EXPECT_NEAR(bar.Height(), 11.1 * mm, 0.01);
        EXPECT_NEAR(bar.Top() + bar.Height(), 7545, 0.01) << "standing on the chart's foot";

        const Label& number = w.Label28(i);
        EXPECT_TRUE(number.Visible());
        EXPECT_EQ(number.Caption(), QString::number(i));
        EXPECT_NEAR(number.Left(), x - 240, 0.01);
        EXPECT_NEAR(number.Top(), i <= 8 ? y - 210 : y + 60, 0.01) << "autumn's numbers under the line";
        EXPECT_EQ(w.Label2(i).Caption(), FormatOneDecimal(Val(tokyo.value(data::ondoField(i)))));
        EXPECT_EQ(w.Label3(i).Caption(), FormatOneDecimal(mm));
    }
    EXPECT_FALSE(w.Label28(13).Visible()) << "the closing point has no number";
    EXPECT_EQ(w.Label3(13).Caption(), FormatOneDecimal(Val(tokyo.value(data::rainField(13)))));
    EXPECT_EQ(w.Label22.Caption(), Str(Val(tokyo.value(u"P_High"_s))));
}

TEST_F(ClimographDrawingTest, ABarShowsOnlyForAPrecipitationAboveNothingAndNeverWhilePilingUp) {
    Uonz_Main& w = start();
    struct Case {
        const char* name;
        QString precipitation;
        bool cumulative;
        bool shown;
    };
    const Case cases[] = {
        {"a value", u"123.4"_s, false, true},       {"a small value", u"0.5"_s, false, true},
        {"empty", QString(), false, false},         {"two blanks", u"  "_s, false, false},
        {"the missing mark", u"×"_s, false, false}, {"the missing mark and a blank", u"× "_s, false, false},
        {"nothing fell", u"0.0"_s, false, false},   {"below nothing", u"-3.0"_s, false, false},
        {"piling up", u"123.4"_s, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        w.CheckBox1.setValue(c.cumulative);
        w.Label3(4).setCaption(c.precipitation);
        plotClimograph(w.uonz, w.state, w.geometry);
        EXPECT_EQ(w.Label51(4).Visible(), c.shown);
        if (c.shown) {
            EXPECT_NEAR(w.Label51(4).Height(), 11.1 * Val(c.precipitation), 0.01);
        }
        EXPECT_TRUE(w.Label51(5).Visible() != c.cumulative) << "its neighbour goes by its own value";
    }
}

TEST_F(ClimographDrawingTest, AMonthWithoutTemperatureHasNoPointNorLinesButKeepsItsBar) {
    for (const QString& missing : {u"×"_s, QString()}) {
        SCOPED_TRACE(missing.toStdString());
        fixture.normalsRow(47662)[u"Ondo_5"_s] = missing;
        Uonz_Main& w = start();
        EXPECT_EQ(w.drawing().size(), 24u) << "one point and its dot fewer";
        EXPECT_TRUE(pointsIn(w, monthColour(5)).empty());
        EXPECT_EQ(w.Shape3(5).Left(), 30000) << "its marker off the chart";
        EXPECT_FALSE(w.Label28(5).Visible());
        EXPECT_FALSE(w.Line11(4).Visible()) << "April to May";
        EXPECT_FALSE(w.Line11(5).Visible()) << "May to June";
        EXPECT_TRUE(w.Line11(6).Visible());
        EXPECT_TRUE(w.Label51(5).Visible()) << "the bar goes by its precipitation alone";
        EXPECT_EQ(w.Label2(5).Caption(), missing) << "both cells keep their texts";
        EXPECT_EQ(w.Label3(5).Caption(), fixture.normalsRow(47662).value(u"Rain_5"_s));
        destroyAllForms();
    }
}

TEST_F(ClimographDrawingTest, JanuaryWithoutTemperatureTakesTheClosingPointAway) {
    fixture.normalsRow(47662)[u"Ondo_1"_s] = u"×"_s;
    Uonz_Main& w = start();
    EXPECT_EQ(w.drawing().size(), 22u);
    EXPECT_TRUE(pointsIn(w, monthColour(1)).empty());
    EXPECT_EQ(w.Shape3(1).Left(), 30000);
    EXPECT_EQ(w.Shape3(13).Left(), 30000);
    EXPECT_FALSE(w.Line11(12).Visible()) << "December has nothing to run on to";
    EXPECT_FALSE(w.Line11(1).Visible());
    EXPECT_TRUE(w.Label28(12).Visible()) << "December's number follows 月表示";
}

TEST_F(ClimographDrawingTest, AMissingPrecipitationLeavesTheTemperaturePointInPlace) {
    fixture.normalsRow(47662)[u"Rain_7"_s] = u"×"_s;
    Uonz_Main& w = start();
    EXPECT_EQ(pointsIn(w, monthColour(7)).size(), 2u) << "the line needs only the temperature";
    EXPECT_FALSE(w.Label51(7).Visible());
    EXPECT_EQ(w.Label3(7).Caption(), u"×"_s);
    EXPECT_EQ(w.Label2(7).Caption(), fixture.normalsRow(47662).value(u"Ondo_7"_s)) << "the pair is shown as stored";
}

TEST_F(ClimographDrawingTest, ATemperatureThatIsNoNumberIsDrawnAtZero) {
    fixture.normalsRow(47662)[u"Ondo_3"_s] = u"--"_s;
    Uonz_Main& w = start();
    EXPECT_NEAR(w.state.Plot_Y[3], 5310, 0.01);
}

TEST_F(ClimographDrawingTest, TheScaleChangeHalvesTheBarsAndRewritesTheAxis) {
    Uonz_Main& w = start();
    const double tall = w.Label51(6).Height();
    const double y = w.state.Plot_Y[6];
    w.CheckBox4.click();
    EXPECT_EQ(w.state.Rain_Scale, 5.55);
    EXPECT_NEAR(w.Label51(6).Height(), tall / 2, 0.01);
    EXPECT_NEAR(w.Label51(6).Top() + w.Label51(6).Height(), 7545, 0.01);
    EXPECT_NEAR(w.state.Plot_Y[6], y, 0.01) << "the points stay";
    for (int i = 0; i <= 6; ++i) EXPECT_EQ(w.Label13(i).Caption(), QString::number(200 * i)) << i;
    EXPECT_EQ(w.Label13(4).Font().size, 18);
    EXPECT_EQ(w.Label13(5).Font().size, 14);
    EXPECT_EQ(w.Label13(6).Font().size, 14);
    EXPECT_EQ(w.drawing().size(), 26u) << "cleared, then drawn once";

    w.CheckBox4.click();
    EXPECT_EQ(w.state.Rain_Scale, 11.1);
    EXPECT_NEAR(w.Label51(6).Height(), tall, 0.01);
    for (int i = 0; i <= 6; ++i) EXPECT_EQ(w.Label13(i).Caption(), QString::number(100 * i)) << i;
    EXPECT_EQ(w.Label13(6).Font().size, 18);
}

TEST_F(ClimographDrawingTest, BlackAndWhiteDrawsTheSamePlacesInTheButtonTextColour) {
    Uonz_Main& w = start();
    const std::vector<DrawOp> colour = w.drawing();
    w.Line_Set_BW();
    ASSERT_EQ(w.drawing().size(), colour.size());
    for (std::size_t i = 0; i < colour.size(); ++i) {
        EXPECT_EQ(w.drawing()[i].x1, colour[i].x1);
        EXPECT_EQ(w.drawing()[i].y1, colour[i].y1);
        EXPECT_EQ(w.drawing()[i].color, kSysButtonText);
    }
    for (int i = 1; i <= 13; ++i) {
        EXPECT_EQ(w.Shape3(i).BackColor(), kSysButtonText) << i;
        EXPECT_EQ(w.Shape3(i).BorderColor(), kSysButtonText) << i;
    }
    w.Line_Set();
    EXPECT_EQ(w.drawing().back().color, 0x11111111u) << "the closing point in January's colour";
    EXPECT_EQ(w.Shape3(2).BackColor(), kSysButtonText) << "the markers keep what the last scheme gave them";
}

TEST_F(ClimographDrawingTest, MonthNumbersVanishAtOnceAndComeBackWithARedraw) {
    Uonz_Main& w = start();
    const std::size_t drawn = w.drawing().size();
    w.CheckBox3.click();
    for (int i = 1; i <= 12; ++i) EXPECT_FALSE(w.Label28(i).Visible()) << i;
    EXPECT_EQ(w.drawing().size(), drawn) << "no redraw";
    w.Hyouji_Uonz();
    for (int i = 1; i <= 12; ++i) EXPECT_FALSE(w.Label28(i).Visible()) << "still off " << i;
    w.CheckBox3.click();
    for (int i = 1; i <= 12; ++i) EXPECT_TRUE(w.Label28(i).Visible()) << i;
    EXPECT_EQ(w.drawing().size(), drawn);
}

}  // namespace
