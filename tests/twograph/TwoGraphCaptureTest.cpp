// Capturing the two-graph window to CAP/<station>/<station><year>_2graph.bmp: without the
// buttons and boxes, with no notice afterwards, the row's ID brought to light by a capture
// on white, and the controls back. A file that cannot be written, a failed grab and a year
// without a number are tested on all four windows in tests/app/ChartWindowLooksTest.cpp.
#include "extras/CaptureWindows.h"
#include "tests/twograph/TwoGraphFixture.h"

#include <QColor>
#include <QFile>
#include <QImage>

using namespace twograph;
using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace {

class TwoGraphCaptureTest : public testing_support::TwoGraphFixture {
protected:
    void expectControlsBack(const Form55& w) {
        EXPECT_EQ(w.SpinButton1.Left(), 8670);
        for (const Control* c : std::initializer_list<const Control*>{&w.Command1, &w.CheckBox1, &w.CheckBox3, &w.CheckBox4, &w.Check2}) {
            EXPECT_TRUE(c->Visible()) << c->Name().toStdString();
        }
    }
};

TEST_F(TwoGraphCaptureTest, OnWhiteWritesTheStationsBitmapWithoutTheControlsAndShowsNoNotice) {
    Form55& w = start();
    w.Check2.setValue(0);
    w.Label4.setCaption(u"1990"_s);
    w.Hyouji();
    w.Hyouji_Hyther();
    w.Kion_Color();
    ASSERT_FALSE(QDir(u"CAP"_s).exists()) << "CAP/ is made by the capture";
    ASSERT_FALSE(w.Label39.Visible());

    w.menu(u"Cap_White"_s).click();

    const QString file = u"CAP/東京/東京1990_2graph.bmp"_s;
    ASSERT_TRUE(QFile::exists(file));
    EXPECT_EQ(w.Cap_File, file);
    EXPECT_EQ(w.Cap_Folder, u"CAP/東京"_s);
    const QImage bmp(file);
    EXPECT_EQ(bmp.width(), static_cast<int>(w.clientWidthTwips() / 15));
    // Where the boxes and the buttons stood, the white background shows.
    for (const Control* c : std::initializer_list<const Control*>{&w.CheckBox1, &w.Check2, &w.Command1, &w.SpinButton1}) {
        const QPointF at = c->rect().center() / 15;
        EXPECT_EQ(QColor(bmp.pixel(at.toPoint())), QColor(255, 255, 255)) << c->Name().toStdString();
    }
    // Both charts are in the picture: August's points in their colour.
    for (const double x : {w.hytherState.Plot_X[8], w.uonzState.Plot_X[8]}) {
        EXPECT_EQ(QColor(bmp.pixel(static_cast<int>(x / 15), static_cast<int>(w.hytherState.Plot_Y[8] / 15))), QColor(255, 0, 0));
    }
    expectControlsBack(w);
    EXPECT_TRUE(w.Label38.Visible()) << "the ID comes to light after a capture on white";
    EXPECT_TRUE(w.Label39.Visible());
    EXPECT_EQ(w.BackColor(), 0xFFFFFFu) << "the window stays on the white background";
    EXPECT_FALSE(isLoaded<extras::Dialog_cap>()) << "this window shows no notice";
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(instance<extras::Form399>().picCapture.Picture().widthPixels(), bmp.width());
}

TEST_F(TwoGraphCaptureTest, OnPaleLeavesTheIdAsItWasAndCapturingAgainReplacesTheFile) {
    Form55& w = start();
    w.menu(u"View_White"_s).click();
    w.menu(u"Cap_Gray"_s).click();
    w.menu(u"Cap_Gray"_s).click();
    EXPECT_TRUE(QFile::exists(u"CAP/東京/東京2020_2graph.bmp"_s)) << "the year label of the normal values";
    EXPECT_EQ(QDir(u"CAP/東京"_s).entryList(QDir::Files).size(), 1);
    EXPECT_EQ(w.BackColor(), 0xE4EFEFu);
    EXPECT_FALSE(w.menu(u"View_gray"_s).Enabled());
    EXPECT_FALSE(w.Label38.Visible());
    EXPECT_FALSE(w.Label39.Visible());
    expectControlsBack(w);
    EXPECT_FALSE(isLoaded<extras::Dialog_cap>());
}

TEST_F(TwoGraphCaptureTest, WithTheCumulativeDisplayTheCaptureKeepsThePiledUpYears) {
    Form55& w = start();
    w.Check2.setValue(0);
    w.CheckBox1.setValue(true);
    w.SpinButton1.spinDown();
    const std::size_t piled = w.drawing().size();
    w.menu(u"Cap_White"_s).click();
    EXPECT_EQ(w.drawing().size(), piled);
    const QImage bmp(u"CAP/東京/東京1999_2graph.bmp"_s);
    ASSERT_FALSE(bmp.isNull());
    const DrawOp& first = w.drawing().front();
    EXPECT_NE(QColor(bmp.pixel(static_cast<int>(first.x1 / 15), static_cast<int>(first.y1 / 15))), QColor(255, 255, 255));
}

}  // namespace
