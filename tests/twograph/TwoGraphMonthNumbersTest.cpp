// The two-graph window's month-number tool: it moves this window's hythergraph month
// numbers 30 twips a step, within the window; the window keeps them there through its
// redraws until a step or a station choice places them by rule again; the main window's
// moved numbers never reach it.
#include "extras/MonthNumberTool.h"
#include "pickers/FamilyPickers.h"
#include "tests/support/CaptionInk.h"
#include "tests/twograph/TwoGraphFixture.h"

using namespace twograph;
using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace {

class TwoGraphMonthNumbersTest : public testing_support::TwoGraphFixture {
protected:
    extras::Form56& openTool(Form55& w) {
        w.menu(u"tuki_ichi"_s).click();
        return instance<extras::Form56>();
    }
};

TEST_F(TwoGraphMonthNumbersTest, TheToolOpensBesideTheCentreOnJanuary) {
    Form55& w = start();
    extras::Form56& tool = openTool(w);
    EXPECT_TRUE(tool.Visible());
    EXPECT_EQ(tool.Caption(), u"月数字位置調整"_s);
    EXPECT_DOUBLE_EQ(tool.Left(), (services.screenWidth - tool.Width()) / 2 + 1500);
    EXPECT_DOUBLE_EQ(tool.Top(), (services.screenHeight - tool.Height()) / 2 - 2500);
    EXPECT_EQ(tool.Tuki_No, 1);
    EXPECT_FALSE(isLoaded<extras::Form57>()) << "not the main window's tool";
}

TEST_F(TwoGraphMonthNumbersTest, TheToolShowsTheWholeCaptionOfTheTwoDigitMonths) {
    extras::Form56& tool = openTool(start());
    const QImage shot = tool.grabClient();
    for (int month = 10; month <= 12; ++month) {
        SCOPED_TRACE(month);
        EXPECT_TRUE(testing_support::captionShowsWhole(shot, tool, tool.option(month), tool.option(month).Caption()));
    }
}

TEST_F(TwoGraphMonthNumbersTest, StepsOfThirtyTwipsMoveTheChosenNumberAndKeepAllTwelvePositions) {
    Form55& w = start();
    extras::Form56& tool = openTool(w);
    const double left = w.Label28(1).Left();
    const double top = w.Label28(1).Top();
    for (int i = 0; i < 10; ++i) tool.SpinButton1.spinDown();
    EXPECT_EQ(w.Label28(1).Top(), top + 300);
    EXPECT_EQ(w.tuki_Moved, 1);
    tool.option(7).click();
    tool.SpinButton2.spinUp();
    tool.SpinButton2.spinUp();
    tool.SpinButton1.spinUp();
    const double julyLeft = w.Label28(7).Left();
    EXPECT_EQ(w.Label28(1).Left(), left) << "January stays where it was moved";
    for (int m = 1; m <= 12; ++m) {
        SCOPED_TRACE(m);
        EXPECT_EQ(w.Tuki_Positions.Tuki_Left[m], static_cast<int>(std::lround(w.Label28(m).Left())));
        EXPECT_EQ(w.Tuki_Positions.Tuki_Top[m], static_cast<int>(std::lround(w.Label28(m).Top())));
    }
    EXPECT_NEAR(julyLeft, w.hytherState.Plot_X[7] - 300 + 60, 0.51) << "two steps right";
}

TEST_F(TwoGraphMonthNumbersTest, MovedNumbersStayThroughAScaleAndAPointSizeChangeWhileTheClimographsFollowTheirPoints) {
    Form55& w = start();
    extras::Form56& tool = openTool(w);
    tool.option(4).click();
    for (int i = 0; i < 3; ++i) tool.SpinButton2.spinDown();
    const double aprilLeft = w.Label28(4).Left();
    const double augustLeft = w.Label28(8).Left();
    const double climographTop = w.Label57(4).Top();

    // Kept in whole twips.
    w.CheckBox4.setValue(true);
    EXPECT_NEAR(w.Label28(4).Left(), aprilLeft, 0.5);
    EXPECT_NEAR(w.Label28(8).Left(), augustLeft, 0.5) << "the numbers not moved stay too";
    EXPECT_NE(w.Label28(8).Left(), w.hytherState.Plot_X[8] - 300) << "not where the rule would put them now";
    w.menu(u"Point_Very_Big"_s).click();
    EXPECT_NEAR(w.Label28(4).Left(), aprilLeft, 0.5);
    EXPECT_EQ(w.Label57(4).Top(), climographTop) << "the climograph's numbers go by their points";
    EXPECT_NEAR(w.Label57(4).Left(), w.uonzState.Plot_X[4] - 60, 0.01);

    // A step places them by rule again.
    w.SpinButton1.spinUp();
    EXPECT_NEAR(w.Label28(4).Left(), w.hytherState.Plot_X[4] - 300, 0.01);
}

TEST_F(TwoGraphMonthNumbersTest, ReopeningTheToolLetsTheNextDrawingPlaceThemByRule) {
    Form55& w = start();
    openTool(w).SpinButton1.spinUp();
    ASSERT_EQ(w.tuki_Moved, 1);
    instance<extras::Form56>().Unload();
    collectUnloadedForms();
    openTool(w);
    EXPECT_EQ(w.tuki_Moved, 0);
    w.Hyouji_Hyther();
    EXPECT_NEAR(w.Label28(1).Top(), w.hytherState.Plot_Y[1] - 150, 0.01);
}

TEST_F(TwoGraphMonthNumbersTest, ANumberCannotBePushedOutOfTheWindow) {
    Form55& w = start();
    extras::Form56& tool = openTool(w);
    tool.option(12).click();
    for (int i = 0; i < 2000; ++i) tool.SpinButton2.spinUp();
    for (int i = 0; i < 2000; ++i) tool.SpinButton1.spinDown();
    const Label& december = w.Label28(12);
    EXPECT_LE(december.Left() + december.Width(), w.clientWidthTwips());
    EXPECT_GT(december.Left() + december.Width(), w.clientWidthTwips() - 30);
    EXPECT_LE(december.Top() + december.Height(), w.clientHeightTwips());
    for (int i = 0; i < 2000; ++i) tool.SpinButton2.spinDown();
    for (int i = 0; i < 2000; ++i) tool.SpinButton1.spinUp();
    EXPECT_GE(december.Left(), 0);
    EXPECT_GE(december.Top(), 0);
    w.Hyouji_Hyther();
    EXPECT_EQ(december.Left(), w.Tuki_Positions.Tuki_Left[12]) << "put back where the user left it";
}

TEST_F(TwoGraphMonthNumbersTest, TheMainWindowsMovedNumbersNeverReachThisWindowNorThisWindowsThat) {
    Form55& w = start();
    auto& main = instance<hythergraph::Hyser_Main>();
    main.menu(u"tuki_set"_s).click();
    auto& mainTool = instance<extras::Form57>();
    for (int i = 0; i < 5; ++i) mainTool.SpinButton1.spinDown();
    ASSERT_EQ(main.tuki_Moved, 1);
    EXPECT_EQ(w.tuki_Moved, 0);
    w.Hyouji_Hyther();
    EXPECT_NEAR(w.Label28(1).Top(), w.hytherState.Plot_Y[1] - 150, 0.01) << "by rule";

    const double mainTop = main.Label28(1).Top();
    openTool(w).SpinButton1.spinUp();
    EXPECT_EQ(main.Label28(1).Top(), mainTop);
    EXPECT_EQ(main.Tuki_Positions.Tuki_Top[1], static_cast<int>(std::lround(mainTop)));
}

}  // namespace
