// The two Köppen map windows: their caption and built-in picture, a window that fits the
// screen, and a map that fills the window with its shape kept.
#include "extras/KoppenMaps.h"
#include "platform/forms/Form.h"
#include "tests/support/FakeServices.h"

#include <gtest/gtest.h>

#include <functional>

using namespace extras;
using namespace forms;
using namespace Qt::Literals::StringLiterals;
using testing_support::FakeServices;

namespace {

struct MapWindowCase {
    const char* name;
    std::function<KoppenMapWindow&()> open;
    int widthPixels, heightPixels;
};

std::vector<MapWindowCase> mapWindows() {
    return {
        {"Form111", []() -> KoppenMapWindow& { return instance<Form111>(); }, 2007, 1023},
        {"Form112", []() -> KoppenMapWindow& { return instance<Form112>(); }, 1521, 1023},
    };
}

class KoppenMapWindowsTest : public ::testing::Test {
protected:
    void TearDown() override { destroyAllForms(); }

    // The map's picture fills the client area across or down, its shape kept, centred.
    static void expectFilled(KoppenMapWindow& w, const MapWindowCase& c) {
        const Image& map = w.Image1;
        const double aspect = static_cast<double>(c.widthPixels) / c.heightPixels;
        EXPECT_NEAR(map.Picture().widthPixels(), map.Picture().heightPixels() * aspect, 2);
        EXPECT_LE(map.Width(), w.ScaleWidth() + 1);
        EXPECT_LE(map.Height(), w.ScaleHeight() + 1);
        EXPECT_TRUE(map.Width() >= w.ScaleWidth() - 30 || map.Height() >= w.ScaleHeight() - 30);
        EXPECT_NEAR(map.Left() * 2 + map.Width(), w.ScaleWidth(), 1);
        EXPECT_NEAR(map.Top() * 2 + map.Height(), w.ScaleHeight(), 1);
    }

    FakeServices services;
};

TEST_F(KoppenMapWindowsTest, EachWindowHoldsItsMapAtTheSizeItWasDrawn) {
    for (const MapWindowCase& c : mapWindows()) {
        SCOPED_TRACE(c.name);
        KoppenMapWindow& w = c.open();
        EXPECT_EQ(w.Caption(), u"ケッペン気候区分"_s);
        EXPECT_EQ(w.map().widthPixels(), c.widthPixels);
        EXPECT_EQ(w.map().heightPixels(), c.heightPixels);
    }
}

TEST_F(KoppenMapWindowsTest, OnASmallScreenTheWindowOpensSmallerAndTheMapFillsIt) {
    for (const MapWindowCase& c : mapWindows()) {
        SCOPED_TRACE(c.name);
        KoppenMapWindow& w = c.open();
        EXPECT_LE(w.Width(), services.screenWidth * KoppenMapWindow::kScreenShare + 15);
        EXPECT_LE(w.Height(), services.screenHeight * KoppenMapWindow::kScreenShare + 15);
        expectFilled(w, c);
        EXPECT_LT(w.Image1.Picture().widthPixels(), c.widthPixels);
    }
}

TEST_F(KoppenMapWindowsTest, OnALargeScreenTheMapShowsAtItsOwnSize) {
    services.screenWidth = 3000 * 15;
    services.screenHeight = 2000 * 15;
    for (const MapWindowCase& c : mapWindows()) {
        SCOPED_TRACE(c.name);
        KoppenMapWindow& w = c.open();
        EXPECT_EQ(w.ScaleWidth(), c.widthPixels * 15);
        EXPECT_EQ(w.ScaleHeight(), c.heightPixels * 15);
        EXPECT_EQ(w.Image1.Picture().widthPixels(), c.widthPixels);
        EXPECT_EQ(w.Image1.Left(), 0);
        EXPECT_EQ(w.Image1.Top(), 0);
    }
}

TEST_F(KoppenMapWindowsTest, AfterTheUserResizesTheWindowTheMapFillsItAgain) {
    for (const MapWindowCase& c : mapWindows()) {
        for (const auto& [width, height] : {std::pair{9000.0, 3000.0}, std::pair{4000.0, 6000.0}, std::pair{1500.0, 1200.0}}) {
            SCOPED_TRACE(std::string(c.name) + " " + std::to_string(width) + "x" + std::to_string(height));
            KoppenMapWindow& w = c.open();
            w.Move(0, 0);
            w.setWidth(width);
            w.setHeight(height);
            w.Form_Resize();
            expectFilled(w, c);
        }
    }
}

TEST_F(KoppenMapWindowsTest, AWindowWithoutRoomForTheMapKeepsAPixelOfIt) {
    KoppenMapWindow& w = instance<Form111>();
    w.setWidth(100);
    w.setHeight(100);
    w.Form_Resize();
    EXPECT_EQ(w.Image1.Picture().widthPixels(), 1);
    EXPECT_EQ(w.Image1.Picture().heightPixels(), 1);
}

}  // namespace
