// The two-graph window's own looks: 白黒画面 on both charts through a new drawing until the
// colour screen brings the designed colours back, and the looks under 累積表示. What the
// four station chart windows share is in tests/app/ChartWindowLooksTest.cpp.
#include "chart/Hythergraph.h"
#include "tests/twograph/TwoGraphFixture.h"

using namespace twograph;
using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace {

class TwoGraphLooksTest : public testing_support::TwoGraphFixture {};

constexpr Color kText = kSysButtonText;

TEST_F(TwoGraphLooksTest, BlackAndWhiteLastsThroughANewDrawingUntilTheColourScreen) {
    Form55& w = start();
    w.menu(u"View_BKWT"_s).click();
    EXPECT_EQ(w.BackColor(), 0xFFFFFFu);
    for (int i = 1; i <= 12; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(w.Shape3(i).BackColor(), kText);
        EXPECT_EQ(w.Shape4(i).BorderColor(), kText);
        EXPECT_EQ(w.Line4(i).BorderColor(), kText);
        EXPECT_EQ(w.Label56(i).BackColor(), 0x909090u) << "grey bars";
        EXPECT_EQ(w.Label59(i).ForeColor(), kText);
    }
    for (const DrawOp& op : w.drawing()) EXPECT_NE(op.color, chart::monthColour(8)) << "no point in its month's colour";
    EXPECT_EQ(w.Label8.BackColor(), 0xFFFFFFu);
    EXPECT_EQ(w.Label55.BackColor(), 0xFFFFFFu);
    EXPECT_EQ(w.Label14(1).ForeColor(), kText);
    EXPECT_EQ(w.Label58(0).BackColor(), 0xFFFFFFu);
    EXPECT_FALSE(w.menu(u"View_gray"_s).Enabled()) << "the background items keep their states";

    // A new drawing colours the points and the cells; the rest stays black and white.
    w.SpinButton1.spinUp();
    EXPECT_EQ(pointsIn(w, chart::monthColour(8)).size(), 4u);
    EXPECT_EQ(w.Shape3(8).BackColor(), kText);
    EXPECT_NE(w.Label2(8).BackColor(), 0xFFFFFFu) << "the bands are back in the cells";

    w.menu(u"View_Color"_s).click();
    EXPECT_EQ(w.BackColor(), 0xE4EFEFu);
    EXPECT_EQ(w.Label8.BackColor(), 0xFFFFC0u);
    EXPECT_EQ(w.Label55.BackColor(), 0xFFFFC0u) << "both bands below 0 °C";
    const Color markers[13] = {0,        kText, 0xFF0000, 0xFF80FF, 0x80FF80, 0xC000,  0xFFFF00,
                               0xFF00FF, 0xFF,  0x800080, 0xFFFF,   0x60FF,   0xFF8080};
    const Color axis[13] = {0, 0x0, 0xFF0000, 0xFF80FF, 0xFF00, 0x8000, 0xFFFF00, 0xFF00FF, 0xFF, 0x800080, 0x8080, 0x4080, 0xFF8080};
    for (int i = 1; i <= 12; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(w.Shape3(i).BackColor(), markers[i]);
        EXPECT_EQ(w.Shape4(i).BorderColor(), markers[i]);
        EXPECT_EQ(w.Line4(i).BorderColor(), 0xFFu);
        EXPECT_EQ(w.Label56(i).BackColor(), 0xC000u);
        EXPECT_EQ(w.Label59(i).ForeColor(), axis[i]);
    }
    EXPECT_EQ(w.lblLabels(10).ForeColor(), 0x90FF90u) << "April's header as the colour screen gives it";
    EXPECT_EQ(w.Label29.BackColor(), 0xC0FFC0u);
    EXPECT_EQ(w.Label12(5).ForeColor(), 0x800000u);
    EXPECT_EQ(pointsIn(w, chart::monthColour(8)).size(), 6u) << "both charts redrawn, the hythergraph once more on top";
}

TEST_F(TwoGraphLooksTest, WithTheCumulativeDisplayTheLooksOnlyRecolourAndKeepThePiledUpYears) {
    Form55& w = start();
    w.Check2.setValue(0);
    w.CheckBox1.setValue(true);
    w.SpinButton1.spinDown();
    const std::vector<DrawOp> piled = w.drawing();
    ASSERT_EQ(piled.size(), 2 * 48u);
    for (const QString& item : {u"View_White"_s, u"View_gray"_s, u"View_BKWT"_s}) {
        SCOPED_TRACE(item.toStdString());
        w.menu(item).click();
        EXPECT_EQ(w.drawing().size(), piled.size()) << "nothing drawn, nothing wiped";
    }
    EXPECT_EQ(w.Shape3(1).BackColor(), 0x0u) << "black and white does not reach the markers without a redraw";
}

}  // namespace
