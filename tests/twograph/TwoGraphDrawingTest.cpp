// Both charts drawn in the two-graph window: one temperature scale for the climograph's
// points and the hythergraph's, the bars, the joining lines of both charts, markers and
// month numbers, months without data, the scale change and the cumulative display.
#include "chart/Hythergraph.h"
#include "data/ClimateDb.h"
#include "platform/forms/Text.h"
#include "tests/twograph/TwoGraphFixture.h"

using namespace chart;
using namespace twograph;
using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace {

class TwoGraphDrawingTest : public testing_support::TwoGraphFixture {
protected:
    double celsius(int month) { return Val(fixture.normalsRow(47662).value(data::ondoField(month))); }
    double mm(int month) { return Val(fixture.normalsRow(47662).value(data::rainField(month))); }
};

TEST_F(TwoGraphDrawingTest, TokyosTwoChartsShareOneTemperatureScale) {
    Form55& w = start();
    ASSERT_EQ(w.drawing().size(), 48u) << "twelve points of each chart with their axis dots";
    for (int i = 1; i <= 12; ++i) {
        SCOPED_TRACE(i);
        const double y = 6500 - 90 * celsius(i);
        const double hx = 6960 + 9 * mm(i);
        const double ux = 420 * i + 825;
        EXPECT_NEAR(w.hytherState.Plot_Y[i], y, 0.01);
        EXPECT_NEAR(w.uonzState.Plot_Y[i], y, 0.01);
        EXPECT_NEAR(w.hytherState.Plot_X[i], hx, 0.01);
        EXPECT_NEAR(w.uonzState.Plot_X[i], ux, 0.01);

        // Each month's colour: the climograph's point and dot, then the hythergraph's.
        const auto points = pointsIn(w, monthColour(i));
        ASSERT_EQ(points.size(), 4u);
        const double expected[4][2] = {{ux, y}, {780, y}, {hx, y}, {6840, y}};
        for (int k = 0; k < 4; ++k) {
            EXPECT_NEAR(points[k].x1, expected[k][0], 0.01) << k;
            EXPECT_NEAR(points[k].y1, expected[k][1], 0.01) << k;
            EXPECT_EQ(points[k].width, 6) << "the pen width of start-up";
        }
        EXPECT_NEAR(w.Shape3(i).Left(), hx - 45, 0.01);
        EXPECT_NEAR(w.Shape3(i).Top(), y - 30, 0.01);
        EXPECT_NEAR(w.Shape4(i).Left(), ux - 45, 0.01);
        EXPECT_NEAR(w.Shape4(i).Top(), y - 30, 0.01);

        const Label& bar = w.Label56(i);
        EXPECT_TRUE(bar.Visible());
        EXPECT_EQ(bar.Left(), 420 * i + 690) << "under its month's point";
        EXPECT_EQ(bar.Width(), 285);
        EXPECT_NEAR(bar.Height(), 9 * mm(i), 0.01);
        EXPECT_NEAR(bar.Top() + bar.Height(), 7410, 0.01) << "standing on the climograph's foot";
    }
    EXPECT_EQ(w.Label15.Caption(), u"0"_s) << "nothing in this window counts points beyond the frame";
}

TEST_F(TwoGraphDrawingTest, TheHythergraphClosesItsPolygonAndTheClimographRunsOnToTheFramesEdge) {
    Form55& w = start();
    for (int i = 1; i <= 12; ++i) {
        SCOPED_TRACE(i);
        const int next = i == 12 ? 1 : i + 1;
        const Line& h = w.Line11(i);
        EXPECT_TRUE(h.Visible());
        EXPECT_NEAR(h.X1(), w.hytherState.Plot_X[i], 0.01);
        EXPECT_NEAR(h.Y1(), w.hytherState.Plot_Y[i], 0.01);
        EXPECT_NEAR(h.X2(), w.hytherState.Plot_X[next], 0.01);
        EXPECT_NEAR(h.Y2(), w.hytherState.Plot_Y[next], 0.01);

        const Line& u = w.Line4(i);
        EXPECT_TRUE(u.Visible());
        EXPECT_NEAR(u.X1(), 420 * i + 825, 0.01);
        EXPECT_NEAR(u.Y1(), w.uonzState.Plot_Y[i], 0.01);
        EXPECT_NEAR(u.X2(), i == 12 ? 6285 : 420 * i + 1245, 0.01) << "December's line ends on the frame's right edge";
        EXPECT_NEAR(u.Y2(), w.uonzState.Plot_Y[next], 0.01) << "at January's height after December";
    }
}

TEST_F(TwoGraphDrawingTest, MonthNumbersStandBesideTheirPointsByMonthGroup) {
    Form55& w = start();
    struct Offset {
        int first, last;
        double dx, dy;
    };
    // Autumn's numbers go right of and below their points, not where spring's go.
    const Offset groups[] = {{1, 5, -300, -150}, {6, 9, -300, -60}, {10, 12, 240, 150}};
    for (const Offset& g : groups) {
        for (int m = g.first; m <= g.last; ++m) {
            SCOPED_TRACE(m);
            EXPECT_TRUE(w.Label28(m).Visible());
            EXPECT_NEAR(w.Label28(m).Left(), w.hytherState.Plot_X[m] + g.dx, 0.01);
            EXPECT_NEAR(w.Label28(m).Top(), w.hytherState.Plot_Y[m] + g.dy, 0.01);
            EXPECT_TRUE(w.Label57(m).Visible());
            EXPECT_NEAR(w.Label57(m).Left(), w.uonzState.Plot_X[m] - 60, 0.01);
            EXPECT_NEAR(w.Label57(m).Top(), w.uonzState.Plot_Y[m] - 360, 0.01);
        }
    }
    EXPECT_FALSE(w.Label28(13).Visible());
    EXPECT_FALSE(w.Label57(13).Visible());
}

// March as a case gives it: its two texts (a null text keeps the stored one) and what
// each chart then shows of it.
struct MarchCase {
    const char* name;
    QString temperature, precipitation;
    bool climograph, hythergraph, bar;
};

void PrintTo(const MarchCase& c, std::ostream* os) { *os << c.name; }

class TwoGraphMissingTest : public TwoGraphDrawingTest, public ::testing::WithParamInterface<MarchCase> {};

TEST_P(TwoGraphMissingTest, AMonthIsLeftOutOfTheChartThatNeedsWhatItLacks) {
    const MarchCase& c = GetParam();
    data::ClimateRow& tokyo = fixture.normalsRow(47662);
    if (!c.temperature.isNull()) tokyo[data::ondoField(3)] = c.temperature;
    if (!c.precipitation.isNull()) tokyo[data::rainField(3)] = c.precipitation;
    Form55& w = start();

    EXPECT_EQ(pointsIn(w, monthColour(3)).size(), (c.climograph ? 2u : 0u) + (c.hythergraph ? 2u : 0u));
    EXPECT_EQ(w.Shape4(3).Left() < 12000, c.climograph) << "the climograph's marker";
    EXPECT_EQ(w.Shape3(3).Left() < 12000, c.hythergraph) << "the hythergraph's marker";
    EXPECT_EQ(w.Label57(3).Visible(), c.climograph);
    EXPECT_EQ(w.Label28(3).Visible(), c.hythergraph);
    EXPECT_EQ(w.Line4(2).Visible(), c.climograph) << "February to March";
    EXPECT_EQ(w.Line4(3).Visible(), c.climograph) << "March to April";
    EXPECT_EQ(w.Line11(2).Visible(), c.hythergraph);
    EXPECT_EQ(w.Line11(3).Visible(), c.hythergraph);
    EXPECT_EQ(w.Label56(3).Visible(), c.bar);
    if (c.bar) {
        EXPECT_NEAR(w.Label56(3).Height(), 9 * mm(3), 0.01) << "its bar stands at its height";
    }
    if (c.hythergraph && !c.bar) {
        EXPECT_NEAR(w.hytherState.Plot_X[3], 6960, 0.01) << "on the 0 mm axis";
    }
    EXPECT_TRUE(w.Line4(1).Visible());
    EXPECT_TRUE(w.Line11(12).Visible()) << "December to January is untouched";

    // Black and white turns March's markers whether it places them or parks them.
    w.menu(u"View_BKWT"_s).click();
    EXPECT_EQ(w.Shape3(3).BackColor(), kSysButtonText);
    EXPECT_EQ(w.Shape3(3).BorderColor(), kSysButtonText);
    EXPECT_EQ(w.Shape4(3).BackColor(), kSysButtonText);
    EXPECT_EQ(w.Shape4(3).BorderColor(), kSysButtonText);
}

INSTANTIATE_TEST_SUITE_P(March, TwoGraphMissingTest,
                         ::testing::Values(MarchCase{"TemperatureWithoutPrecipitation", QString(), u"×"_s, true, false, false},
                                           MarchCase{"PrecipitationWithoutTemperature", u"×"_s, QString(), false, false, true},
                                           MarchCase{"NoPrecipitationAtAll", QString(), u"0.0"_s, true, true, false},
                                           MarchCase{"ABlankAfterTheCross", QString(), u"× "_s, true, true, false},
                                           MarchCase{"Nothing", u""_s, u""_s, false, false, false}),
                         [](const ::testing::TestParamInfo<MarchCase>& p) { return std::string(p.param.name); });

TEST_F(TwoGraphDrawingTest, WithoutJanuaryNeitherChartRunsIntoIt) {
    fixture.normalsRow(47662)[data::ondoField(1)] = u"×"_s;
    Form55& w = start();
    EXPECT_FALSE(w.Line11(12).Visible());
    EXPECT_FALSE(w.Line11(1).Visible());
    EXPECT_FALSE(w.Label28(1).Visible());
    EXPECT_EQ(w.Shape3(1).Left(), 30000);
    EXPECT_FALSE(w.Line4(12).Visible()) << "December's line ends at January's height";
    EXPECT_FALSE(w.Line4(1).Visible());
    EXPECT_EQ(w.Shape4(1).Left(), 30000);
    EXPECT_TRUE(w.Label28(12).Visible());
    EXPECT_TRUE(w.Label57(12).Visible());
}

TEST_F(TwoGraphDrawingTest, TheScaleChangeWidensTheHythergraphOnly) {
    Form55& w = start();
    const auto bars = [&] {
        std::vector<double> heights;
        for (int i = 1; i <= 12; ++i) heights.push_back(w.Label56(i).Height());
        return heights;
    };
    const std::vector<double> before = bars();
    const auto climograph = w.uonzState.Plot_X;
    w.CheckBox4.setValue(true);
    for (int i = 1; i <= 12; ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(w.hytherState.Plot_X[i], 6960 + 18 * mm(i), 0.01) << "twice as far right of 0 mm";
        EXPECT_NEAR(w.hytherState.Plot_Y[i], 6500 - 90 * celsius(i), 0.01);
    }
    EXPECT_EQ(bars(), before);
    EXPECT_EQ(w.uonzState.Plot_X, climograph);
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(w.Label13(i).Caption(), QString::number(50 * i));

    w.CheckBox4.setValue(false);
    EXPECT_NEAR(w.hytherState.Plot_X[8], 6960 + 9 * mm(8), 0.01);
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(w.Label13(i).Caption(), QString::number(100 * i));
}

TEST_F(TwoGraphDrawingTest, MonthNumbersGoWithoutARedrawAndComeBackWithOne) {
    Form55& w = start();
    w.CheckBox3.setValue(false);
    for (int i = 1; i <= 12; ++i) {
        EXPECT_FALSE(w.Label28(i).Visible());
        EXPECT_FALSE(w.Label57(i).Visible());
    }
    w.Cls();
    w.CheckBox3.setValue(true);
    EXPECT_EQ(w.drawing().size(), 48u) << "drawn again";
    for (int i = 1; i <= 12; ++i) {
        EXPECT_TRUE(w.Label28(i).Visible());
        EXPECT_TRUE(w.Label57(i).Visible());
    }
    // A drawing with the numbers off leaves them all hidden.
    w.CheckBox3.setValue(false);
    w.Hyouji_Hyther();
    for (int i = 1; i <= 12; ++i) {
        EXPECT_FALSE(w.Label28(i).Visible());
        EXPECT_FALSE(w.Label57(i).Visible());
    }
}

TEST_F(TwoGraphDrawingTest, TheCumulativeDisplayPilesUpTheYearsOfBothChartsWithoutBars) {
    Form55& w = start();
    w.Check2.setValue(0);
    ASSERT_EQ(w.Label53.Caption(), u"日本"_s);
    w.CheckBox1.setValue(true);
    const std::size_t oneYear = w.drawing().size();
    ASSERT_GT(oneYear, 0u);
    w.SpinButton1.spinDown();
    w.SpinButton1.spinDown();
    EXPECT_EQ(w.Label4.Caption(), u"1998"_s);
    EXPECT_EQ(w.drawing().size(), 3 * oneYear) << "every year's points of both charts stay";
    for (int i = 1; i <= 12; ++i) {
        SCOPED_TRACE(i);
        EXPECT_FALSE(w.Label56(i).Visible()) << "no bars";
        EXPECT_EQ(w.Shape3(i).Left(), 30000);
        EXPECT_EQ(w.Shape4(i).Left(), 30000);
        EXPECT_EQ(w.Label28(i).Left(), 30000);
        EXPECT_EQ(w.Label57(i).Left(), 30000);
        EXPECT_EQ(w.Line11(i).X1(), 30000);
        EXPECT_EQ(w.Line4(i).X1(), 30000);
    }
}

}  // namespace
