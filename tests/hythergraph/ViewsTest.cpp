// The view schemes and the three print items.
#include "tests/hythergraph/MainWindowFixture.h"
#include "tests/support/ChartPixels.h"

#include <QColor>
#include <QFileInfo>

#include <algorithm>

using namespace chart;
using namespace hythergraph;
using namespace forms;
using namespace Qt::Literals::StringLiterals;
using testing_support::colourName;
using testing_support::shownAt;

namespace {

class ViewsTest : public testing_support::MainWindowFixture {
protected:
    static QColor pixelAt(const QImage& page, double xTwips, double yTwips) {
        return QColor(page.pixel(static_cast<int>(xTwips / 15), static_cast<int>(yTwips / 15)));
    }
    // A point of the window's own background, clear of every control.
    static constexpr double kBackgroundX = 11400, kBackgroundY = 2000;
};

TEST_F(ViewsTest, BackgroundItemsSwapTheirEnabledFlags) {
    Hyser_Main& w = start();
    MenuItem& white = w.menu(u"View_White"_s);
    MenuItem& pale = w.menu(u"View_gray"_s);
    EXPECT_TRUE(white.Enabled());
    EXPECT_FALSE(pale.Enabled());
    white.click();
    EXPECT_EQ(w.BackColor(), 0xFFFFFFu);
    EXPECT_EQ(w.Label12(2).BackColor(), 0xFFFFFFu);
    EXPECT_FALSE(white.Enabled());
    EXPECT_TRUE(pale.Enabled());
    EXPECT_EQ(w.drawing().size(), 24u) << "the chart is drawn again";

    w.menu(u"View_Color"_s).click();
    EXPECT_EQ(w.BackColor(), 0xE4EFEFu);
    EXPECT_FALSE(white.Enabled()) << "the colour scheme leaves the flags";
    EXPECT_TRUE(pale.Enabled());

    pale.click();
    EXPECT_EQ(w.BackColor(), 0xE4EFEFu);
    EXPECT_TRUE(white.Enabled());
    EXPECT_FALSE(pale.Enabled());
}

TEST_F(ViewsTest, BlackAndWhiteThenColourBringsBackTheColoursAndBands) {
    Hyser_Main& w = start();
    const Color januaryBack = w.Label2(1).BackColor();
    w.menu(u"View_BKWT"_s).click();
    EXPECT_EQ(w.BackColor(), 0xFFFFFFu);
    EXPECT_EQ(w.Label29.BackColor(), 0xFFFFFFu);
    EXPECT_EQ(w.Label29.ForeColor(), kSysButtonText);
    EXPECT_EQ(w.Label2(1).BackColor(), 0xFFFFFFu) << "the cells stay white: no bands";
    EXPECT_EQ(w.lblLabels(8).ForeColor(), kSysButtonText);
    EXPECT_EQ(w.Shape3(2).BackColor(), kSysButtonText);
    for (const DrawOp& op : w.drawing()) EXPECT_EQ(op.color, 0u);

    w.menu(u"View_Color"_s).click();
    EXPECT_EQ(w.BackColor(), 0xE4EFEFu);
    EXPECT_EQ(w.Label29.BackColor(), 0xC0FFC0u);
    EXPECT_EQ(w.Label29.ForeColor(), 0x4000u);
    EXPECT_EQ(w.Label2(1).BackColor(), januaryBack) << "the bands are back";
    EXPECT_EQ(w.lblLabels(8).ForeColor(), 0xFF0000u);
    EXPECT_EQ(w.lblLabels(10).ForeColor(), 0x90FF90u);
    EXPECT_EQ(w.Shape3(4).BackColor(), 0x80FF80u) << "the scheme's marker colour, not the plotting colour";
    EXPECT_EQ(w.Shape3(1).BorderColor(), kSysButtonText);
    EXPECT_EQ(w.Label39.ForeColor(), 0xFF00FFu);
}

// Each marker lies over its point: a grab shows the colour the look gave the marker,
// even where the month's plotting colour is another.
TEST_F(ViewsTest, EachPointShowsItsMarkerInTheColourScreensColour) {
    Hyser_Main& w = start();
    w.menu(u"View_Color"_s).click();
    const QImage shot = w.grabClient();
    for (int month : {1, 4, 9, 11}) {
        SCOPED_TRACE(month);
        ASSERT_NE(colourName(w.Shape3(month).BackColor()), colourName(monthColour(month))) << "a marker unlike its point";
        EXPECT_EQ(shownAt(shot, w.state.Plot_X[month], w.state.Plot_Y[month]), colourName(w.Shape3(month).BackColor()));
    }
}

// After 白黒画面 every point shows its black marker, and still does when the next year
// draws the points in their colours again under the markers.
TEST_F(ViewsTest, AfterBlackAndWhiteEveryPointShowsBlackThroughTheNextYear) {
    Hyser_Main& w = start();
    w.Check2.setValue(0);
    w.menu(u"View_BKWT"_s).click();
    for (const char* when : {"black and white", "the next year"}) {
        SCOPED_TRACE(when);
        const QImage shot = w.grabClient();
        int shown = 0;
        for (int month = 1; month <= 12; ++month) {
            if (w.Shape3(month).Left() >= Hyser_Main::geometry.parked) continue;
            ++shown;
            EXPECT_EQ(shownAt(shot, w.state.Plot_X[month], w.state.Plot_Y[month]), colourName(kSysButtonText)) << month;
        }
        EXPECT_EQ(shown, 12);
        w.SpinButton1.spinUp();
    }
    const auto september = [&](const DrawOp& op) { return op.color == monthColour(9); };
    EXPECT_TRUE(std::any_of(w.drawing().begin(), w.drawing().end(), september)) << "the next year's points are in their colours";
}

TEST_F(ViewsTest, PaleAfterBlackAndWhiteTurnsOnlyTheBackgroundControlsPale) {
    Hyser_Main& w = start();
    w.menu(u"View_BKWT"_s).click();
    w.menu(u"View_White"_s).click();
    w.menu(u"View_gray"_s).click();
    EXPECT_EQ(w.BackColor(), 0xE4EFEFu);
    EXPECT_EQ(w.Label10.BackColor(), 0xFFFFFFu) << "the panels stay white";
    EXPECT_EQ(w.Label9.ForeColor(), kSysButtonText);
    EXPECT_EQ(w.drawing().front().color, 0x11111111u) << "the points are in colour again";
}

TEST_F(ViewsTest, WithCumulativeDisplayEveryLookKeepsThePiledUpYears) {
    Hyser_Main& w = start();
    show(w, u"東京"_s);
    w.Check2.setValue(0);
    w.CheckBox1.click();
    w.SpinButton1.spinUp();
    w.SpinButton1.spinUp();
    const std::vector<DrawOp> piled = w.drawing();
    ASSERT_EQ(piled.size(), 3 * 24u) << "three years, each twelve points and twelve dots";
    for (const QString& item : {u"View_BKWT"_s, u"View_Color"_s, u"View_White"_s, u"View_gray"_s}) {
        SCOPED_TRACE(item.toStdString());
        w.menu(item).click();
        // カラー画面 draws the shown year once more; what it adds lies on what is there.
        ASSERT_GE(w.drawing().size(), piled.size());
        for (std::size_t i = 0; i < w.drawing().size(); ++i) {
            const DrawOp& op = w.drawing()[i];
            const DrawOp& was = piled[i < piled.size() ? i : piled.size() - 24 + (i - piled.size()) % 24];
            EXPECT_EQ(op.x1, was.x1) << i;
            EXPECT_EQ(op.y1, was.y1) << i;
            EXPECT_EQ(op.color, was.color) << i;
        }
    }
}

TEST_F(ViewsTest, EachPrintItemPrintsOnePageInItsScheme) {
    Hyser_Main& w = start();
    struct Case {
        QString item;
        QColor background;
        QColor stationBack;
    };
    const Case cases[] = {
        {u"Print_White"_s, QColor(255, 255, 255), QColor(0xC0, 0xFF, 0xC0)},
        {u"Print_Black_White"_s, QColor(255, 255, 255), QColor(255, 255, 255)},
        {u"Print_Gray"_s, QColor(0xEF, 0xEF, 0xE4), QColor(0xC0, 0xFF, 0xC0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item.toStdString());
        services.printedPages.clear();
        w.menu(c.item).click();
        ASSERT_EQ(services.printedPages.size(), 1u);
        const QImage& page = services.printedPages[0];
        EXPECT_EQ(page.width(), 792);
        EXPECT_EQ(page.height(), 543);
        EXPECT_EQ(pixelAt(page, kBackgroundX, kBackgroundY), c.background);
        EXPECT_EQ(pixelAt(page, 600, 200), c.stationBack);
    }
    EXPECT_TRUE(w.menu(u"View_White"_s).Enabled()) << "カラー印刷 leaves 白地に変更 enabled";
    EXPECT_EQ(w.CheckBox1.BackColor(), 0xE4EFEFu);
}

TEST_F(ViewsTest, WhitePrintLeavesTheCumulativeBoxOnItsBackground) {
    Hyser_Main& w = start();
    w.menu(u"Print_White"_s).click();
    EXPECT_EQ(w.BackColor(), 0xFFFFFFu);
    EXPECT_EQ(w.CheckBox1.BackColor(), 0xE4EFEFu);
    EXPECT_EQ(w.Label14.BackColor(), 0xE4EFEFu);
}

TEST_F(ViewsTest, APrinterThatFailsIsReportedAndTheProgramGoesOn) {
    Hyser_Main& w = start();
    services.printerFailure = u"プリンターが見つかりません。"_s;
    services.expectMessage();
    w.menu(u"Print_Gray"_s).click();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages[0].prompt.contains(u"プリンターが見つかりません"_s));
    EXPECT_EQ(services.messages[0].prompt.count(u"印刷できませんでした"_s), 1) << services.messages[0].prompt.toStdString();
    w.SpinButton1.spinUp();
    EXPECT_NE(w.Label29.Caption(), u"東京"_s) << "the window still works";
}

TEST_F(ViewsTest, PrintingToAPdfFileGoesThroughTheSamePagePainting) {
    Hyser_Main& w = start();
    const QString pdf = fixture.folder() + u"/page.pdf"_s;
    forms::services().printer = forms::makePdfPrinter(pdf);
    w.menu(u"Print_White"_s).click();
    EXPECT_GT(QFileInfo(pdf).size(), 1000);
}

}  // namespace
