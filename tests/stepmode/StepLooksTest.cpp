// The looks of the step-mode window at a given step (black and white, colour, the white
// and pale grounds), its three print items and its capture.
#include "extras/CaptureWindows.h"
#include "tests/stepmode/StepModeFixture.h"
#include "tests/support/ChartPixels.h"

#include <QColor>
#include <QFile>

using namespace chart;
using namespace stepmode;
using namespace forms;
using namespace Qt::Literals::StringLiterals;
using testing_support::colourName;
using testing_support::shownAt;

namespace {

class StepLooksTest : public testing_support::StepModeFixture {
protected:
    static QColor rgb(Color c) {
        return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
    }
    static QColor pixelAt(const QImage& picture, double xTwips, double yTwips) {
        return QColor(picture.pixel(static_cast<int>(xTwips / 15), static_cast<int>(yTwips / 15)));
    }
    static int linesOnChart(const Hyser_Step_Mode& w) {
        int n = 0;
        for (int i = 1; i <= 13; ++i) n += onChart(w.Line11(i)) ? 1 : 0;
        return n;
    }
};

TEST_F(StepLooksTest, BlackAndWhiteAtStepFiveDrawsFiveBlackPointsAndFourLines) {
    Hyser_Step_Mode& w = start();
    stepTo(w, 5);
    w.menu(u"View_BKWT"_s).click();
    EXPECT_EQ(w.BackColor(), 0xFFFFFFu);
    EXPECT_EQ(w.Label55.BackColor(), 0xFFFFFFu) << "the step number turns with the rest";
    EXPECT_EQ(w.Label55.ForeColor(), kSysButtonText);
    EXPECT_EQ(w.Label9.ForeColor(), kSysButtonText);
    ASSERT_EQ(w.drawing().size(), 10u);
    for (const DrawOp& op : w.drawing()) EXPECT_EQ(op.color, 0u);
    for (int i = 1; i <= 5; ++i) {
        EXPECT_TRUE(onChart(w.Shape3(i))) << i;
        EXPECT_EQ(w.Shape3(i).BackColor(), kSysButtonText) << i;
    }
    EXPECT_FALSE(onChart(w.Shape3(6)));
    EXPECT_EQ(linesOnChart(w), 4);
    EXPECT_TRUE(onChart(w.Label28(5))) << "the last month's number stays";
    for (int i = 3; i <= 15; ++i) EXPECT_EQ(w.lblLabels(i).ForeColor(), kSysButtonText) << i;
    EXPECT_EQ(w.Label2(1).BackColor(), 0xFFFFFFu);
    EXPECT_EQ(w.Label2(1).ForeColor(), kSysButtonText);
}

// The markers lie over their points: after 白黒画面 at step 5 a grab shows five black
// points, and the next step six, its new month's marker black as well, though the step
// draws the points in their colours again.
TEST_F(StepLooksTest, AfterBlackAndWhiteTheStepAndTheNextShowBlackPoints) {
    Hyser_Step_Mode& w = start();
    stepTo(w, 5);
    w.menu(u"View_BKWT"_s).click();
    for (int step : {5, 6}) {
        SCOPED_TRACE(step);
        stepTo(w, step);
        const QImage shot = w.grabClient();
        for (int month = 1; month <= step; ++month) {
            EXPECT_EQ(shownAt(shot, w.state.Plot_X[month], w.state.Plot_Y[month]), colourName(kSysButtonText)) << month;
        }
    }
    EXPECT_EQ(pointsIn(w, monthColour(6)).size(), 2u) << "the step's points are in their colours, under the markers";
}

TEST_F(StepLooksTest, ColourAfterBlackAndWhiteRedrawsTheSameStepInItsColours) {
    Hyser_Step_Mode& w = start();
    stepTo(w, 5);
    const Color janCell = w.Label2(1).BackColor();
    w.menu(u"View_BKWT"_s).click();
    w.menu(u"View_Color"_s).click();
    EXPECT_EQ(w.BackColor(), 0xE4EFEFu);
    EXPECT_EQ(w.Label55.BackColor(), 0xFFFFu);
    EXPECT_EQ(w.Label55.ForeColor(), 0xC000C0u);
    EXPECT_EQ(w.Label55.Caption(), u"5"_s);
    ASSERT_EQ(w.drawing().size(), 10u);
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(pointsIn(w, monthColour(i)).size(), 2u) << i;
    EXPECT_EQ(w.Shape3(4).BackColor(), 0x80FF80u);
    EXPECT_EQ(w.lblLabels(10).ForeColor(), 0x90FF90u) << "April's header";
    EXPECT_EQ(w.Label2(1).BackColor(), janCell) << "the band colours are back";
    EXPECT_EQ(linesOnChart(w), 4);
}

TEST_F(StepLooksTest, BlackAndWhiteWhilePilingUpKeepsThePointsAsDrawn) {
    Hyser_Step_Mode& w = start();
    w.Check2.setValue(0);
    w.CheckBox1.click();
    stepTo(w, 2);
    const std::vector<DrawOp> piled = w.drawing();
    w.menu(u"View_BKWT"_s).click();
    ASSERT_EQ(w.drawing().size(), piled.size());
    for (std::size_t i = 0; i < piled.size(); ++i) EXPECT_EQ(w.drawing()[i].color, piled[i].color) << i;
    EXPECT_EQ(w.Label55.BackColor(), 0xFFFFFFu);
}

TEST_F(StepLooksTest, ColourAfterTheWhiteGroundIsPaleAndLeavesTheGroundItems) {
    Hyser_Step_Mode& w = start();
    stepTo(w, 3);
    w.menu(u"View_White"_s).click();
    EXPECT_EQ(w.BackColor(), 0xFFFFFFu);
    EXPECT_EQ(w.drawing().size(), 6u) << "the step's points are drawn again";
    w.menu(u"View_Color"_s).click();
    EXPECT_EQ(w.BackColor(), 0xE4EFEFu);
    EXPECT_FALSE(w.menu(u"View_White"_s).Enabled());
    EXPECT_TRUE(w.menu(u"View_gray"_s).Enabled());
}

TEST_F(StepLooksTest, EachPrintItemPrintsOnePageAtTheStep) {
    struct Case {
        QString item;
        QColor ground;
        QColor stepNumber;
    };
    const Case cases[] = {
        {u"Print_White"_s, QColor(255, 255, 255), rgb(0xFFFF)},
        {u"Print_Black_White"_s, QColor(255, 255, 255), QColor(255, 255, 255)},
        {u"Print_Gray"_s, rgb(0xE4EFEF), rgb(0xFFFF)},
    };
    Hyser_Step_Mode& w = start();
    stepTo(w, 4);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item.toStdString());
        const QImage page = printOnePage(w, c.item);
        ASSERT_FALSE(page.isNull());
        EXPECT_EQ(pixelAt(page, 11400, 2000), c.ground);
        EXPECT_EQ(pixelAt(page, 8280, 270), c.stepNumber) << "the step number's cell";
        EXPECT_EQ(w.drawing().size(), 8u);
    }
}

TEST_F(StepLooksTest, APrinterThatFailsIsReportedOnceAndTheStepsGoOn) {
    Hyser_Step_Mode& w = start();
    services.printerFailure = u"プリンターが見つかりません。"_s;
    services.expectMessage();
    w.menu(u"Print_Black_White"_s).click();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].prompt.count(u"印刷できませんでした"_s), 1) << services.messages[0].prompt.toStdString();
    EXPECT_TRUE(services.messages[0].prompt.contains(u"プリンターが見つかりません"_s));
    w.SpinButton2.spinUp();
    EXPECT_EQ(w.Label55.Caption(), u"2"_s);
}

TEST_F(StepLooksTest, CaptureWritesTheHythergraphBitmapWithTheStepCounterAndPutsTheButtonsBack) {
    Hyser_Step_Mode& w = start();
    w.menu(u"Point_Very_Big"_s).click();
    stepTo(w, 2);
    w.menu(u"Cap_White"_s).click();
    const QString file = u"CAP/東京/東京"_s + w.Label4.Caption() + u"_Hyser.bmp"_s;
    ASSERT_TRUE(QFile::exists(file));
    EXPECT_EQ(w.Cap_File, file);
    const QImage bmp(file);
    EXPECT_EQ(pixelAt(bmp, 9500, 600), QColor(255, 255, 255)) << "クリア left the picture";
    EXPECT_EQ(pixelAt(bmp, 5900, 300), QColor(255, 255, 255)) << "so did the year's spin button";
    EXPECT_EQ(pixelAt(bmp, 8280, 270), rgb(0xFFFF)) << "the step number stays in it";
    EXPECT_EQ(pixelAt(bmp, w.state.Plot_X[2], w.state.Plot_Y[2]), rgb(monthColour(2)));
    EXPECT_EQ(w.Command1.Left(), 9330);
    EXPECT_EQ(w.SpinButton1.Left(), 5790);
    for (const Control* c : std::initializer_list<const Control*>{&w.CheckBox1, &w.CheckBox3, &w.CheckBox4, &w.Check2}) {
        EXPECT_TRUE(c->Visible()) << c->Name().toStdString();
    }
    EXPECT_EQ(w.Label55.Caption(), u"2"_s);
    EXPECT_TRUE(instance<extras::Dialog_cap>().Visible());
}

}  // namespace
