// The main window's own ways with its looks and printing: the pale ground after 白黒画面,
// the 累積表示 box on white print, and a page printed to a PDF file. What the four station
// chart windows share is in tests/app/ChartWindowLooksTest.cpp.
#include "tests/hythergraph/MainWindowFixture.h"

#include <QFileInfo>

using namespace hythergraph;
using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace {

class ViewsTest : public testing_support::MainWindowFixture {};

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

TEST_F(ViewsTest, WhitePrintLeavesTheCumulativeBoxOnItsBackground) {
    Hyser_Main& w = start();
    w.menu(u"Print_White"_s).click();
    EXPECT_EQ(w.BackColor(), 0xFFFFFFu);
    EXPECT_EQ(w.CheckBox1.BackColor(), 0xE4EFEFu);
    EXPECT_EQ(w.Label14.BackColor(), 0xE4EFEFu);
}

TEST_F(ViewsTest, PrintingToAPdfFileGoesThroughTheSamePagePainting) {
    Hyser_Main& w = start();
    const QString pdf = fixture.folder() + u"/page.pdf"_s;
    forms::services().printer = forms::makePdfPrinter(pdf);
    w.menu(u"Print_White"_s).click();
    EXPECT_GT(QFileInfo(pdf).size(), 1000);
}

}  // namespace
