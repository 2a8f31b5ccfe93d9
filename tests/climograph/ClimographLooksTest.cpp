// The climograph window's own looks: a redraw after 白黒画面 beside its grey bars, the
// capture to "_Uonz.bmp" bitmaps, and the confetti. What the four station chart windows
// share is in tests/app/ChartWindowLooksTest.cpp.
#include "extras/CaptureWindows.h"
#include "tests/climograph/ClimographFixture.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>

#include <set>

using namespace climograph;
using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace {

class ClimographLooksTest : public testing_support::ClimographFixture {
protected:
    static QColor pixelAt(const QImage& image, double xTwips, double yTwips) {
        return QColor(image.pixel(static_cast<int>(xTwips / 15), static_cast<int>(yTwips / 15)));
    }
    void expectControlsBack(const Uonz_Main& w) {
        EXPECT_EQ(w.SpinButton1.Left(), 8250);
        for (const Control* c : std::initializer_list<const Control*>{&w.Command1, &w.CheckBox1, &w.CheckBox3, &w.CheckBox4, &w.Check2}) {
            EXPECT_TRUE(c->Visible()) << c->Name().toStdString();
        }
    }
};

TEST_F(ClimographLooksTest, ARedrawAfterBlackAndWhiteDrawsColouredPointsBesideGreyBars) {
    Uonz_Main& w = start();
    w.menu(u"View_BKWT"_s).click();
    w.SpinButton1.spinUp();
    EXPECT_EQ(w.drawing().front().color, 0x11111111u);
    EXPECT_EQ(w.Label51(1).BackColor(), 0x909090u);
    EXPECT_EQ(w.Shape3(2).BackColor(), kSysButtonText);
    EXPECT_NE(w.Label3(1).BackColor(), 0xFFFFFFu) << "the cells in their bands again";
}

TEST_F(ClimographLooksTest, CaptureWritesTheStationsBitmapWithoutTheControlsAndPutsThemBack) {
    Uonz_Main& w = start();
    choose(u"広島"_s);
    w.Check2.setValue(0);
    w.Label4.setCaption(u"1995"_s);
    w.Hyouji();
    w.Hyouji_Uonz();
    w.Kion_Color();
    ASSERT_FALSE(QDir(u"CAP"_s).exists()) << "CAP/ is made by the capture";

    w.menu(u"Cap_White"_s).click();

    const QString file = u"CAP/広島/広島1995_Uonz.bmp"_s;
    ASSERT_TRUE(QFile::exists(file));
    EXPECT_EQ(w.Cap_File, file);
    EXPECT_EQ(w.Cap_Folder, u"CAP/広島"_s);
    const QImage bmp(file);
    EXPECT_EQ(bmp.width(), static_cast<int>(w.clientWidthTwips() / 15));
    // Where the boxes and the button stood, the white background shows.
    EXPECT_EQ(pixelAt(bmp, 10300, 120), QColor(255, 255, 255)) << "累積表示";
    EXPECT_EQ(pixelAt(bmp, 9100, 120), QColor(255, 255, 255)) << "平年値";
    EXPECT_EQ(pixelAt(bmp, 8500, 300), QColor(255, 255, 255)) << "the spin button";
    EXPECT_EQ(pixelAt(bmp, 9400, 600), QColor(255, 255, 255)) << "クリア";
    // The chart is in the picture as the window shows it: July's point and bar.
    EXPECT_EQ(pixelAt(bmp, w.state.Plot_X[7], w.state.Plot_Y[7]), QColor(255, 0, 255));
    EXPECT_EQ(pixelAt(bmp, w.Label51(7).Left() + 30, 7500), QColor(0, 0xC8, 0)) << "July's bar";
    expectControlsBack(w);
    EXPECT_EQ(w.BackColor(), 0xFFFFFFu) << "the window stays on the white background";
    ASSERT_TRUE(isLoaded<extras::Dialog_cap>());
    EXPECT_TRUE(instance<extras::Dialog_cap>().Visible());
    EXPECT_EQ(instance<extras::Form399>().picCapture.Picture().widthPixels(), bmp.width());

    w.menu(u"Cap_Gray"_s).click();
    EXPECT_EQ(QDir(u"CAP/広島"_s).entryList(QDir::Files).size(), 1) << "the same row replaces its file";
    EXPECT_EQ(w.BackColor(), 0xE4EFEFu);
}

TEST_F(ClimographLooksTest, ConfettiWritesItsMessageAndScattersPaletteDotsOverTheWholeWindow) {
    Uonz_Main& w = start();
    w.menu(u"Paper_Fubuki"_s).click();
    EXPECT_TRUE(w.confettiRunning());
    ASSERT_EQ(w.drawing().size(), 1u) << "the chart wiped, the message written";
    const DrawOp& message = w.drawing().front();
    EXPECT_EQ(message.kind, DrawOp::Text);
    EXPECT_EQ(message.text, u"おめでとう !"_s);
    EXPECT_EQ(message.color, 0x8080u);
    EXPECT_EQ(message.font.size, 40);
    EXPECT_NEAR(message.x1 + textWidthTwips(message.font, message.text) / 2, w.clientWidthTwips() / 2, 1) << "centred across";
    EXPECT_LT(message.y1, w.clientHeightTwips() / 2) << "above the middle line";
    EXPECT_TRUE(w.Label29.Visible()) << "the controls stay";

    services.advanceClock(1000);
    const std::vector<DrawOp>& dots = w.drawing();
    ASSERT_GT(dots.size(), 100u);
    const std::set<Color> palette = {0x0,      0x800000, 0x8000, 0x808000, 0x80, 0x800080, 0x8080, 0xC0C0C0,
                                     0x808080, 0xFF0000, 0xFF00, 0xFFFF00, 0xFF, 0xFF00FF, 0xFFFF, 0xFFFFFF};
    std::set<Color> seen;
    for (std::size_t i = 1; i < dots.size(); ++i) {
        const DrawOp& dot = dots[i];
        ASSERT_EQ(dot.kind, DrawOp::Point);
        EXPECT_EQ(dot.width, 3);
        EXPECT_TRUE(palette.count(dot.color)) << std::hex << dot.color;
        EXPECT_GE(dot.x1, 0);
        EXPECT_LT(dot.x1, w.clientWidthTwips());
        EXPECT_GE(dot.y1, 0);
        EXPECT_LT(dot.y1, w.clientHeightTwips());
        seen.insert(dot.color);
    }
    EXPECT_EQ(seen.size(), 16u);
    EXPECT_EQ(w.DrawWidth(), 6) << "the chart's pen between two ticks";
}

TEST_F(ClimographLooksTest, ConfettiNeverPilesUpWithoutEnd) {
    Uonz_Main& w = start();
    w.menu(u"Paper_Fubuki"_s).click();
    services.advanceClock(60000);
    EXPECT_LE(w.drawing().size(), 6001u);
    EXPECT_EQ(w.drawing().front().kind, DrawOp::Text) << "the message stays while the oldest dots go";
}

TEST_F(ClimographLooksTest, ConfettiStopsWhenChosenAgainOrWhenTheWindowClosesAndLeavesTheNextChartInPlace) {
    Uonz_Main& w = start();
    const std::vector<DrawOp> chart = w.drawing();
    w.menu(u"Paper_Fubuki"_s).click();
    services.advanceClock(100);
    w.menu(u"Paper_Fubuki"_s).click();
    EXPECT_FALSE(w.confettiRunning());
    EXPECT_EQ(services.runningTimers(), 0);
    const std::size_t left = w.drawing().size();
    services.advanceClock(1000);
    EXPECT_EQ(w.drawing().size(), left) << "no dot after the stop";

    w.menu(u"Paper_Fubuki"_s).click();
    services.advanceClock(100);
    w.SpinButton1.spinUp();  // the window goes on working while the dots fall
    w.SpinButton1.spinDown();
    std::vector<DrawOp> redrawn;
    for (const DrawOp& op : w.drawing()) {
        if (op.width != 3) redrawn.push_back(op);
    }
    ASSERT_EQ(redrawn.size(), chart.size());
    for (std::size_t i = 0; i < chart.size(); ++i) {
        EXPECT_EQ(redrawn[i].x1, chart[i].x1) << "where it belongs " << i;
        EXPECT_EQ(redrawn[i].y1, chart[i].y1) << i;
        EXPECT_EQ(redrawn[i].width, chart[i].width) << i;
    }

    w.menu(u"Form_end"_s).click();
    collectUnloadedForms();
    EXPECT_EQ(services.runningTimers(), 0) << "the confetti stops with its window";
    services.advanceClock(1000);
}

}  // namespace
