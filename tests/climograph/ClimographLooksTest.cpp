// The climograph window's looks: the two schemes and the two backgrounds, the three
// print items, the capture to "_Uonz.bmp" bitmaps, and the confetti.
#include "extras/CaptureWindows.h"
#include "tests/climograph/ClimographFixture.h"
#include "tests/support/ChartPixels.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>

#include <set>

using namespace climograph;
using namespace forms;
using namespace Qt::Literals::StringLiterals;
using testing_support::colourName;
using testing_support::shownAt;

namespace {

class ClimographLooksTest : public testing_support::ClimographFixture {
protected:
    static QColor pixelAt(const QImage& image, double xTwips, double yTwips) {
        return QColor(image.pixel(static_cast<int>(xTwips / 15), static_cast<int>(yTwips / 15)));
    }
    // A point of the window's own background, clear of every control.
    static constexpr double kBackgroundX = 11500, kBackgroundY = 4000;
    Uonz_Main& startPilingUp() {
        Uonz_Main& w = start();
        choose(u"東京"_s);
        w.Check2.setValue(0);
        w.CheckBox1.click();
        w.SpinButton1.spinUp();
        w.SpinButton1.spinUp();
        EXPECT_EQ(w.drawing().size(), 3 * 24u) << "three years, each twelve points and twelve dots";
        return w;
    }
    void expectControlsBack(const Uonz_Main& w) {
        EXPECT_EQ(w.SpinButton1.Left(), 8250);
        for (const Control* c : std::initializer_list<const Control*>{&w.Command1, &w.CheckBox1, &w.CheckBox3, &w.CheckBox4, &w.Check2}) {
            EXPECT_TRUE(c->Visible()) << c->Name().toStdString();
        }
    }
};

TEST_F(ClimographLooksTest, BackgroundItemsRecolourTheBackgroundSwapTheirFlagsAndRedraw) {
    Uonz_Main& w = start();
    MenuItem& white = w.menu(u"View_White"_s);
    MenuItem& pale = w.menu(u"View_gray"_s);
    ASSERT_TRUE(white.Enabled());
    ASSERT_FALSE(pale.Enabled());
    white.click();
    for (const Control* c : std::initializer_list<const Control*>{&w.Label9, &w.Label19, &w.Label11, &w.Label14, &w.CheckBox1, &w.Check2,
                                                                  &w.Label12(6), &w.Label13(3), &w.Label52(0), &w.Label52(12)}) {
        EXPECT_EQ(c->BackColor(), 0xFFFFFFu) << c->Name().toStdString() << c->Index();
    }
    EXPECT_EQ(w.BackColor(), 0xFFFFFFu);
    EXPECT_EQ(w.Label10.BackColor(), 0xC0FFFFu) << "panels keep their colours";
    EXPECT_EQ(w.Label51(1).BackColor(), 0xC800u) << "and so do the bars";
    EXPECT_FALSE(white.Enabled());
    EXPECT_TRUE(pale.Enabled());
    EXPECT_EQ(w.drawing().size(), 26u) << "the chart is drawn again";
    pale.click();
    EXPECT_EQ(w.BackColor(), 0xE4EFEFu);
    EXPECT_EQ(w.Label19.BackColor(), 0xE4EFEFu);
    EXPECT_TRUE(white.Enabled());
    EXPECT_FALSE(pale.Enabled());
}

TEST_F(ClimographLooksTest, BlackAndWhiteThenColourBringsBackTheColoursAndBands) {
    Uonz_Main& w = start();
    const Color januaryBack = w.Label2(1).BackColor();
    w.menu(u"View_BKWT"_s).click();
    EXPECT_EQ(w.BackColor(), 0xFFFFFFu);
    EXPECT_FALSE(w.menu(u"View_gray"_s).Enabled()) << "the schemes leave the background items";
    struct Case {
        const Control* control;
        Color back, fore;
    };
    for (const Case& c : {Case{&w.Label29, 0xFFFFFF, kSysButtonText}, Case{&w.Label55, 0xFFFFFF, kSysButtonText},
                          Case{&w.Label2(1), 0xFFFFFF, kSysButtonText}, Case{&w.lblLabels(8), 0xFFFFFF, kSysButtonText},
                          Case{&w.Label52(3), 0xFFFFFF, kSysButtonText}, Case{&w.Label8, 0xFFFFFF, kSysButtonText}}) {
        EXPECT_EQ(c.control->BackColor(), c.back) << c.control->Name().toStdString();
        EXPECT_EQ(c.control->ForeColor(), c.fore) << c.control->Name().toStdString();
    }
    EXPECT_EQ(w.Label51(3).BackColor(), 0x909090u) << "grey bars";
    EXPECT_EQ(w.Shape3(2).BackColor(), kSysButtonText);
    EXPECT_EQ(w.drawing().size(), 26u);
    for (const DrawOp& op : w.drawing()) EXPECT_EQ(op.color, kSysButtonText);

    w.menu(u"View_Color"_s).click();
    EXPECT_EQ(w.BackColor(), 0xE4EFEFu);
    for (const Case& c :
         {Case{&w.Label29, 0xC0FFC0, 0x4000}, Case{&w.Label55, 0xC0C0FF, 0x800000}, Case{&w.Label5, 0xC0FFFF, 0x80},
          Case{&w.Label8, 0xFFFFC0, kSysButtonText}, Case{&w.Label12(5), 0xE4EFEF, 0x800000}, Case{&w.Label12(1), 0xE4EFEF, 0x40}}) {
        EXPECT_EQ(c.control->BackColor(), c.back) << c.control->Name().toStdString();
        EXPECT_EQ(c.control->ForeColor(), c.fore) << c.control->Name().toStdString();
    }
    EXPECT_EQ(w.Label2(1).BackColor(), januaryBack) << "the bands are back";
    EXPECT_EQ(w.lblLabels(5).ForeColor(), 0x40C0u) << "November's name";
    EXPECT_EQ(w.Shape3(4).BackColor(), 0x80FF80u) << "the scheme's marker colour, not the plotting colour";
    EXPECT_EQ(w.Shape3(10).BorderColor(), 0xFFFFu);
    for (int i = 1; i <= 12; ++i) EXPECT_EQ(w.Label51(i).BackColor(), 0xC000u) << i;
    EXPECT_EQ(w.drawing().front().color, 0x11111111u) << "the points in their month colours";
}

// Each marker lies over its point: a grab shows the colour the look gave the marker,
// even where the month's plotting colour is another; after 白黒画面 every point shows
// black, and still does when the next year draws the points in their colours again.
TEST_F(ClimographLooksTest, EachPointShowsItsMarkerInTheLooksColour) {
    Uonz_Main& w = start();
    w.menu(u"View_Color"_s).click();
    const QImage colour = w.grabClient();
    for (int month : {1, 4, 9, 11}) {
        SCOPED_TRACE(month);
        ASSERT_NE(colourName(w.Shape3(month).BackColor()), colourName(chart::climographColour(month))) << "a marker unlike its point";
        EXPECT_EQ(shownAt(colour, w.state.Plot_X[month], w.state.Plot_Y[month]), colourName(w.Shape3(month).BackColor()));
    }

    w.Check2.setValue(0);
    w.menu(u"View_BKWT"_s).click();
    for (const char* when : {"black and white", "the next year"}) {
        SCOPED_TRACE(when);
        const QImage shot = w.grabClient();
        int shown = 0;
        for (int point = 1; point <= 13; ++point) {
            if (w.Shape3(point).Left() >= Uonz_Main::geometry.parked) continue;
            ++shown;
            EXPECT_EQ(shownAt(shot, w.state.Plot_X[point], w.state.Plot_Y[point]), colourName(kSysButtonText)) << point;
        }
        EXPECT_EQ(shown, 13);
        w.SpinButton1.spinUp();
    }
}

TEST_F(ClimographLooksTest, ARedrawAfterBlackAndWhiteDrawsColouredPointsBesideGreyBars) {
    Uonz_Main& w = start();
    w.menu(u"View_BKWT"_s).click();
    w.SpinButton1.spinUp();
    EXPECT_EQ(w.drawing().front().color, 0x11111111u);
    EXPECT_EQ(w.Label51(1).BackColor(), 0x909090u);
    EXPECT_EQ(w.Shape3(2).BackColor(), kSysButtonText);
    EXPECT_NE(w.Label3(1).BackColor(), 0xFFFFFFu) << "the cells in their bands again";
}

TEST_F(ClimographLooksTest, EachPrintItemPrintsOnePageInItsScheme) {
    Uonz_Main& w = start();
    struct Case {
        QString item;
        QColor background;
        QColor stationBack;
        bool paleEnabledAfter;
    };
    const Case cases[] = {
        {u"Print_White"_s, QColor(255, 255, 255), QColor(0xC0, 0xFF, 0xC0), true},
        {u"Print_Black_White"_s, QColor(255, 255, 255), QColor(255, 255, 255), true},
        {u"Print_Gray"_s, QColor(0xEF, 0xEF, 0xE4), QColor(0xC0, 0xFF, 0xC0), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item.toStdString());
        services.printedPages.clear();
        w.menu(c.item).click();
        ASSERT_EQ(services.printedPages.size(), 1u);
        const QImage& page = services.printedPages[0];
        EXPECT_EQ(pixelAt(page, kBackgroundX, kBackgroundY), c.background);
        EXPECT_EQ(pixelAt(page, 600, 200), c.stationBack);
        EXPECT_EQ(w.menu(u"View_gray"_s).Enabled(), c.paleEnabledAfter);
        EXPECT_EQ(w.drawing().size(), 26u);
    }
    EXPECT_EQ(w.CheckBox1.BackColor(), 0xE4EFEFu);
}

TEST_F(ClimographLooksTest, APrinterFailureIsReportedAndTheWindowGoesOn) {
    Uonz_Main& w = start();
    services.printerFailure = u"プリンターがありません"_s;
    services.expectMessage();
    w.menu(u"Print_White"_s).click();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages[0].prompt.contains(u"プリンターがありません"_s));
    EXPECT_EQ(services.messages[0].prompt.count(u"印刷できませんでした"_s), 1) << services.messages[0].prompt.toStdString();
    EXPECT_EQ(w.drawing().size(), 26u);
}

TEST_F(ClimographLooksTest, WithCumulativeDisplayEveryLookPrintAndCaptureKeepsThePiledUpYears) {
    Uonz_Main& w = startPilingUp();
    const std::vector<DrawOp> piled = w.drawing();
    int year = 2100;  // each capture its own file
    for (const QString& item : {u"View_BKWT"_s, u"View_Color"_s, u"View_White"_s, u"View_gray"_s, u"Print_White"_s, u"Print_Black_White"_s,
                                u"Print_Gray"_s, u"Cap_White"_s, u"Cap_Gray"_s}) {
        SCOPED_TRACE(item.toStdString());
        w.Label4.setCaption(QString::number(++year));
        w.menu(item).click();
        // カラー画面 draws the shown row once more; what it adds lies on what is there.
        ASSERT_GE(w.drawing().size(), piled.size());
        for (std::size_t i = 0; i < piled.size(); ++i) {
            EXPECT_EQ(w.drawing()[i].x1, piled[i].x1) << i;
            EXPECT_EQ(w.drawing()[i].y1, piled[i].y1) << i;
            EXPECT_EQ(w.drawing()[i].color, piled[i].color) << i;
        }
        if (isLoaded<extras::Dialog_cap>()) instance<extras::Dialog_cap>().Unload();
    }
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

TEST_F(ClimographLooksTest, AFailedGrabSavesNothingAndShowsNoNotice) {
    Uonz_Main& w = start();
    w.setHeight(w.frameHeight());  // no client area to copy
    services.expectMessage();      // the capture class's own report
    services.expectMessage();      // the window's: nothing saved
    w.menu(u"Cap_White"_s).click();
    ASSERT_EQ(services.messages.size(), 2u);
    EXPECT_TRUE(services.messages[0].prompt.startsWith(u"Error: 1003. "_s)) << services.messages[0].prompt.toStdString();
    EXPECT_TRUE(services.messages[1].prompt.endsWith(u"_Uonz.bmp"_s)) << services.messages[1].prompt.toStdString();
    EXPECT_FALSE(QDir(u"CAP/東京"_s).exists() && !QDir(u"CAP/東京"_s).entryList(QDir::Files).isEmpty());
    EXPECT_FALSE(isLoaded<extras::Dialog_cap>());
    expectControlsBack(w);
}

TEST_F(ClimographLooksTest, AFileThatCannotBeWrittenIsReportedAndTheControlsComeBack) {
    Uonz_Main& w = start();
    const QString name = u"CAP/東京/東京"_s + w.Label4.Caption() + u"_Uonz.bmp"_s;
    QDir().mkpath(name);  // a folder where the file should go
    services.expectMessage();
    w.menu(u"Cap_White"_s).click();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages[0].prompt.contains(name));
    EXPECT_FALSE(isLoaded<extras::Dialog_cap>());
    expectControlsBack(w);
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
