// The screen-capture class: what it captures of a window, at what size, and its printing.
#include "chart/CScreenCapture.h"
#include "platform/forms/Form.h"
#include "tests/support/FakeServices.h"

#include <QColor>
#include <QWidget>

#include <gtest/gtest.h>

using chart::CScreenCapture;
using namespace forms;
using namespace Qt::Literals::StringLiterals;
using testing_support::FakeServices;

namespace {

class ScreenCaptureTest : public ::testing::Test {
protected:
    void TearDown() override { destroyAllForms(); }
    static FormDesign windowDesign() {
        FormDesign d = plainDesign(u"Target"_s, u"target"_s, 3000, 1500);
        d.controls = {label(u"Red"_s, 0, 0, 1500, 1500).back(0xFF)};
        return d;
    }
    FakeServices services;
};

TEST_F(ScreenCaptureTest, ANewObjectCapturesTheScreenAndHoldsNoPicture) {
    CScreenCapture cap;
    EXPECT_EQ(cap.CaptureType(), 0);
    EXPECT_EQ(cap.Form(), nullptr);
    EXPECT_TRUE(cap.PictureData().isNull());
}

TEST_F(ScreenCaptureTest, WindowCapturesWithoutAWindowAndUnknownTypesDoNothing) {
    CScreenCapture cap;
    for (const long type : {1L, 2L, 4L, -1L}) {
        SCOPED_TRACE(type);
        cap.setCaptureType(type);
        cap.Capture();
        EXPECT_TRUE(cap.PictureData().isNull());
    }
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(ScreenCaptureTest, ClientAreaCaptureIsTheClientAreaInPixelsEvenWithAUserScale) {
    Form target(windowDesign());
    target.Scale(0, 0, 100, 50);
    CScreenCapture cap;
    cap.setForm(&target);
    cap.setForm(nullptr);  // ignored: the window set before stays
    EXPECT_EQ(cap.Form(), &target);
    cap.setCaptureType(CScreenCapture::ClientArea);
    cap.Capture();
    const shell::Picture picture = cap.PictureData();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.widthPixels(), 200);
    EXPECT_EQ(picture.heightPixels(), 100);
    EXPECT_EQ(QColor(picture.image().pixel(10, 10)), QColor(255, 0, 0));
    cap.Clear();
    EXPECT_TRUE(cap.PictureData().isNull());
}

// Also run on a screen scaled to 200 % (QT_SCALE_FACTOR=2, see CMakeLists.txt): the picture
// is the whole window at its size in logical pixels, a colour in each quarter where it shows.
TEST_F(ScreenCaptureTest, WindowCapturesHoldTheWholeWindowAtItsSizeOnAnyScreen) {
    FormDesign d = plainDesign(u"Quarters"_s, u"quarters"_s, 3000, 1500);
    d.controls = {label(u"TopLeft"_s, 0, 0, 1500, 750).back(0xFF), label(u"TopRight"_s, 1500, 0, 1500, 750).back(0xFF00),
                  label(u"BottomLeft"_s, 0, 750, 1500, 750).back(0xFF0000), label(u"BottomRight"_s, 1500, 750, 1500, 750).back(0xFFFF)};
    Form target(d);
    target.Show();
    if (qEnvironmentVariable("QT_SCALE_FACTOR") == u"2"_s) {
        ASSERT_EQ(target.clientWidget()->devicePixelRatio(), 2.0);
    }
    CScreenCapture cap;
    cap.setForm(&target);
    for (const long type : {long(CScreenCapture::ClientArea), long(CScreenCapture::WindowWithFrame)}) {
        SCOPED_TRACE(type);
        cap.setCaptureType(type);
        cap.Capture();
        const QImage picture = cap.PictureData().image();
        ASSERT_FALSE(picture.isNull());
        const QSize window = type == CScreenCapture::ClientArea ? target.clientWidget()->size() : target.windowWidget()->size();
        EXPECT_EQ(picture.size(), window);
        // The client area lies at the bottom of the window, under its menu bar if any.
        const QPoint client(0, picture.height() - 100);
        const std::pair<QPoint, QColor> quarters[] = {
            {client + QPoint(50, 25), QColor(255, 0, 0)},
            {client + QPoint(150, 25), QColor(0, 255, 0)},
            {client + QPoint(50, 75), QColor(0, 0, 255)},
            {client + QPoint(150, 75), QColor(255, 255, 0)},
        };
        for (const auto& [at, colour] : quarters) EXPECT_EQ(QColor(picture.pixel(at)).name(), colour.name()) << at.x() << "," << at.y();
    }
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(ScreenCaptureTest, PrintingWithoutAPictureIsReportedInTheClassesOwnFormat) {
    CScreenCapture cap;
    services.expectMessage();
    cap.PrintPicture();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages[0].prompt.startsWith(u"Error: "_s));
    EXPECT_TRUE(services.messages[0].prompt.contains(u". "_s));
    EXPECT_EQ(services.messages[0].title, u"PrintPicture"_s);
    EXPECT_EQ(services.messages[0].style, vbOKOnly);
    EXPECT_TRUE(services.printedPages.empty());
}

TEST_F(ScreenCaptureTest, BestFitPrintsAWidePictureInLandscapeAndASquareOneInPortrait) {
    struct Case {
        const char* name;
        double width, height;
        PageOrientation expected;
    };
    const Case cases[] = {
        {"wider than tall", 3000, 1500, PageOrientation::Landscape},
        {"square", 1500, 1500, PageOrientation::Portrait},
        {"taller than wide", 1500, 3000, PageOrientation::Portrait},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Form target(plainDesign(u"T"_s, u"t"_s, c.width, c.height));
        CScreenCapture cap;
        cap.setForm(&target);
        cap.setCaptureType(CScreenCapture::ClientArea);
        cap.setPrintOrientation(CScreenCapture::BestFit);
        cap.Capture();
        services.printedOrientations.clear();
        cap.PrintPicture();
        ASSERT_EQ(services.printedOrientations.size(), 1u);
        EXPECT_EQ(services.printedOrientations[0], c.expected);
    }
}

}  // namespace
