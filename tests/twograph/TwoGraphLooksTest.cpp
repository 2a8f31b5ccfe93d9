// The two-graph window's looks and printing: white and pale backgrounds, the black-and-
// white screen and the colour screen that brings the designed colours back, what a new
// station keeps of a look, and the three print items.
#include "chart/Hythergraph.h"
#include "tests/support/ChartPixels.h"
#include "tests/twograph/TwoGraphFixture.h"

using namespace twograph;
using namespace forms;
using namespace Qt::Literals::StringLiterals;
using testing_support::colourName;
using testing_support::shownAt;

namespace {

class TwoGraphLooksTest : public testing_support::TwoGraphFixture {};

constexpr Color kText = kSysButtonText;

TEST_F(TwoGraphLooksTest, WhiteAndPaleBackgroundsSwapTheirItemsAndRedrawBothCharts) {
    Form55& w = start();
    w.Cls();
    w.menu(u"View_White"_s).click();
    EXPECT_EQ(w.BackColor(), 0xFFFFFFu);
    for (const Control* c : std::initializer_list<const Control*>{&w.Label9, &w.Label11, &w.Label16, &w.Label17, &w.Label14(0),
                                                                  &w.CheckBox1, &w.Check2, &w.Label12(6), &w.Label13(0)}) {
        EXPECT_EQ(c->BackColor(), 0xFFFFFFu) << c->Name().toStdString();
    }
    EXPECT_NE(w.Label14(1).BackColor(), 0xFFFFFFu) << "the climograph's unit keeps its colour";
    EXPECT_FALSE(w.menu(u"View_White"_s).Enabled());
    EXPECT_TRUE(w.menu(u"View_gray"_s).Enabled());
    EXPECT_EQ(w.drawing().size(), 48u) << "both charts drawn again";

    w.menu(u"View_gray"_s).click();
    EXPECT_EQ(w.BackColor(), 0xE4EFEFu);
    EXPECT_EQ(w.Label12(0).BackColor(), 0xE4EFEFu);
    EXPECT_TRUE(w.menu(u"View_White"_s).Enabled());
    EXPECT_FALSE(w.menu(u"View_gray"_s).Enabled());
}

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

// Each marker of both charts lies over its point: a grab shows the colour the look gave
// the marker, even where the month's plotting colour is another; after 白黒画面 every
// point shows black, and still does when the next year draws the points in their colours.
TEST_F(TwoGraphLooksTest, EachPointOfBothChartsShowsItsMarkerInTheLooksColour) {
    Form55& w = start();
    w.menu(u"View_Color"_s).click();
    const QImage colour = w.grabClient();
    for (int month : {1, 4, 9, 11}) {
        SCOPED_TRACE(month);
        ASSERT_NE(colourName(w.Shape3(month).BackColor()), colourName(chart::monthColour(month))) << "a marker unlike its point";
        EXPECT_EQ(shownAt(colour, w.hytherState.Plot_X[month], w.hytherState.Plot_Y[month]), colourName(w.Shape3(month).BackColor()));
        EXPECT_EQ(shownAt(colour, w.uonzState.Plot_X[month], w.uonzState.Plot_Y[month]), colourName(w.Shape4(month).BackColor()));
    }

    w.Check2.setValue(0);
    w.menu(u"View_BKWT"_s).click();
    for (const char* when : {"black and white", "the next year"}) {
        SCOPED_TRACE(when);
        const QImage shot = w.grabClient();
        int shown = 0;
        for (int month = 1; month <= 12; ++month) {
            if (w.Shape3(month).Left() < Form55::hytherGeometry.parked) {
                ++shown;
                EXPECT_EQ(shownAt(shot, w.hytherState.Plot_X[month], w.hytherState.Plot_Y[month]), colourName(kText)) << month;
            }
            if (w.Shape4(month).Left() < Form55::uonzGeometry.parked) {
                ++shown;
                EXPECT_EQ(shownAt(shot, w.uonzState.Plot_X[month], w.uonzState.Plot_Y[month]), colourName(kText)) << month;
            }
        }
        EXPECT_EQ(shown, 24);
        w.SpinButton1.spinUp();
    }
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

TEST_F(TwoGraphLooksTest, ThePrintItemsPrintTheWindowInTheirLooks) {
    Form55& w = start();
    struct Case {
        QString item;
        Color back;
        bool whiteEnabled;
    };
    const Case cases[] = {
        {u"Print_White"_s, 0xFFFFFF, false},
        {u"Print_Black_White"_s, 0xFFFFFF, false},
        {u"Print_Gray"_s, 0xE4EFEF, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item.toStdString());
        services.printedPages.clear();
        w.menu(c.item).click();
        ASSERT_EQ(services.printedPages.size(), 1u);
        EXPECT_EQ(w.BackColor(), c.back);
        EXPECT_EQ(w.menu(u"View_White"_s).Enabled(), c.whiteEnabled);
        const QImage& page = services.printedPages[0];
        EXPECT_FALSE(page.isNull());
    }
    services.printerFailure = u"no printer"_s;
    services.expectMessage();
    w.menu(u"Print_White"_s).click();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages[0].prompt.contains(u"no printer"_s));
}

}  // namespace
