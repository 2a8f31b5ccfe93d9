// The month-number tool on the running program: opened from the main window's menu, it
// moves the main window's own month numbers.
#include "extras/MonthNumberTool.h"
#include "hythergraph/Hyser_Main.h"
#include "tests/hythergraph/MainWindowFixture.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace forms;
using namespace Qt::Literals::StringLiterals;
using hythergraph::Hyser_Main;

namespace {

using MainWindowToolTest = testing_support::MainWindowFixture;

TEST_F(MainWindowToolTest, TheMenuItemOpensTheToolThatMovesTheMainWindowsNumbers) {
    Hyser_Main& w = start();
    w.tuki_Moved = 1;
    w.menu(u"tuki_set"_s).click();
    auto& tool = instance<extras::Form57>();
    EXPECT_TRUE(tool.Visible());
    EXPECT_EQ(w.tuki_Moved, 0) << "opening the tool clears the flag";

    tool.option(3).click();
    const double left = w.Label28(3).Left();
    const double top = w.Label28(3).Top();
    tool.SpinButton1.spinUp();
    tool.SpinButton2.spinUp();
    EXPECT_EQ(w.Label28(3).Top(), top - 30);
    EXPECT_EQ(w.Label28(3).Left(), left + 30);
    EXPECT_EQ(w.tuki_Moved, 1);
    EXPECT_EQ(w.Tuki_Positions.Tuki_Top[3], static_cast<int>(std::lround(top - 30)));
    EXPECT_EQ(w.Tuki_Positions.Tuki_Left[12], static_cast<int>(std::lround(w.Label28(12).Left())));
}

TEST_F(MainWindowToolTest, ARedrawPutsMovedNumbersBackByRule) {
    Hyser_Main& w = start();
    w.menu(u"tuki_set"_s).click();
    auto& tool = instance<extras::Form57>();
    const double top = w.Label28(1).Top();
    for (int i = 0; i < 4; ++i) tool.SpinButton1.spinDown();
    ASSERT_EQ(w.Label28(1).Top(), top + 120);
    w.Hyouji_Hyther();
    EXPECT_EQ(w.Label28(1).Top(), top);
    EXPECT_EQ(w.Tuki_Positions.Tuki_Top[1], static_cast<int>(std::lround(top + 120))) << "the kept positions stay";
}

}  // namespace
