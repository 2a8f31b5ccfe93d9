// The month-number position tool against a chart window of its own: which number moves,
// how far, where it stops, and what the window is told.
#include "extras/MonthNumberTool.h"
#include "platform/forms/Form.h"
#include "tests/support/CaptionInk.h"
#include "tests/support/FakeServices.h"
#include "windows/MonthNumbers.h"
#include "windows/Navigation.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace extras;
using namespace forms;
using namespace Qt::Literals::StringLiterals;
using testing_support::FakeServices;
using windows::Window;

namespace {

constexpr double kClientWidth = 6000;
constexpr double kClientHeight = 4500;
constexpr double kNumberWidth = 300;
constexpr double kNumberHeight = 255;

// A chart window with thirteen month numbers, month i at (1000 + 100 i, 500 + 200 i).
class ChartWindow : public Form, public windows::MonthNumberOwner {
public:
    ChartWindow() : Form(design()) {}
    static FormDesign design() {
        FormDesign f = plainDesign(u"ChartWindow"_s, u"chart"_s, kClientWidth, kClientHeight);
        for (int i = 1; i <= 13; ++i) {
            f.controls.push_back(
                label(u"Label28"_s, 1000 + 100 * i, 500 + 200 * i, kNumberWidth, kNumberHeight).at(i).caption_(QString::number(i)));
        }
        return f;
    }
    Form& ownerForm() override { return *this; }
    Label& monthNumber(int month) override { return Label28(month); }
    void clearMonthNumbersMoved() override { tuki_Moved = 0; }
    void monthNumbersMoved(const windows::MonthNumberPositions& p) override {
        tuki_Moved = 1;
        positions = p;
        ++moves;
    }

    ControlArray<Label> Label28{controls<Label>(u"Label28"_s)};
    int tuki_Moved = 1;
    windows::MonthNumberPositions positions;
    int moves = 0;
};

class ToolNavigation final : public windows::Navigation {
public:
    Form& form(Window w) override {
        if (w == Window::Hythergraph) return instance<ChartWindow>();
        if (w == Window::MonthNumberTool) return instance<Form57>();
        throw std::logic_error("not in this test");
    }
    bool isLoaded(Window w) const override {
        if (w == Window::Hythergraph) return forms::isLoaded<ChartWindow>();
        return w == Window::MonthNumberTool && forms::isLoaded<Form57>();
    }
    void show(Window w, Placement placement) override { showWindow(form(w), placement); }
    void showJapanPicker(windows::Family, int) override {}
    void showWorldPicker(windows::Family, int) override {}
};

class MonthNumberToolTest : public ::testing::Test {
protected:
    void SetUp() override { windows::setNavigation(&navigation); }
    void TearDown() override {
        destroyAllForms();
        windows::setNavigation(nullptr);
    }
    ChartWindow& chart() { return instance<ChartWindow>(); }
    Form57& tool() { return instance<Form57>(); }

    FakeServices services;
    ToolNavigation navigation;
};

TEST_F(MonthNumberToolTest, OpeningSelectsJanuaryAndClearsTheMovedFlag) {
    chart();
    Form57& t = tool();
    EXPECT_EQ(t.Caption(), u"月数字位置調整"_s);
    EXPECT_EQ(t.Tuki_No, 1);
    EXPECT_TRUE(t.option(1).Value());
    EXPECT_EQ(chart().tuki_Moved, 0);
    EXPECT_EQ(t.option(7).Caption(), u"７月"_s);
    EXPECT_EQ(t.option(10).Caption(), u"10月"_s);
}

TEST_F(MonthNumberToolTest, TheTwoDigitMonthsShowTheirWholeCaption) {
    chart();
    Form57& t = tool();
    const QImage shot = t.grabClient();
    for (int month = 10; month <= 12; ++month) {
        SCOPED_TRACE(month);
        EXPECT_TRUE(testing_support::captionShowsWhole(shot, t, t.option(month), t.option(month).Caption()));
    }
}

TEST_F(MonthNumberToolTest, TheFirstSpinMovesJanuaryBeforeAnyOptionIsClicked) {
    const double top = chart().Label28(1).Top();
    tool().SpinButton1.spinDown();
    EXPECT_EQ(chart().Label28(1).Top(), top + 30);
}

TEST_F(MonthNumberToolTest, EachArrowMovesTheChosenNumberThirtyTwipsItsWay) {
    struct Case {
        const char* name;
        void (MonthNumberTool::*spin)();
        double dx, dy;
    };
    const Case cases[] = {
        {"SpinButton1 up moves it up", &MonthNumberTool::SpinButton1_SpinUp, 0, -30},
        {"SpinButton1 down moves it down", &MonthNumberTool::SpinButton1_SpinDown, 0, 30},
        {"SpinButton2 up moves it right", &MonthNumberTool::SpinButton2_SpinUp, 30, 0},
        {"SpinButton2 down moves it left", &MonthNumberTool::SpinButton2_SpinDown, -30, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ChartWindow& w = chart();
        Form57& t = tool();
        t.option(7).click();
        const double left = w.Label28(7).Left();
        const double top = w.Label28(7).Top();
        (t.*c.spin)();
        EXPECT_EQ(w.Label28(7).Left(), left + c.dx);
        EXPECT_EQ(w.Label28(7).Top(), top + c.dy);
        EXPECT_EQ(w.Label28(1).Top(), 700) << "January stays";
        EXPECT_EQ(w.tuki_Moved, 1);
        destroyAllForms();
    }
}

TEST_F(MonthNumberToolTest, TenStepsDownMoveANumber300TwipsAndEveryPositionIsKept) {
    ChartWindow& w = chart();
    Form57& t = tool();
    t.option(4).click();
    EXPECT_EQ(t.Tuki_No, 4);
    for (int i = 0; i < 10; ++i) t.SpinButton1.spinDown();
    EXPECT_EQ(w.Label28(4).Top(), 1300 + 300);
    EXPECT_EQ(w.moves, 10);
    for (int month = 1; month <= 12; ++month) {
        SCOPED_TRACE(month);
        EXPECT_EQ(w.positions.Tuki_Left[static_cast<size_t>(month)], w.Label28(month).Left());
        EXPECT_EQ(w.positions.Tuki_Top[static_cast<size_t>(month)], w.Label28(month).Top());
    }
    EXPECT_EQ(w.Label28(13).Top(), 500 + 200 * 13) << "the annual entry is never moved";
}

TEST_F(MonthNumberToolTest, PositionsAreKeptInWholeTwips) {
    ChartWindow& w = chart();
    w.Label28(2).Move(1200.6, 900.4);
    tool().option(2).click();
    tool().SpinButton2.spinUp();
    EXPECT_EQ(w.positions.Tuki_Left[2], 1231);
    EXPECT_EQ(w.positions.Tuki_Top[2], 900);
}

TEST_F(MonthNumberToolTest, ANumberStopsAtTheEdgesOfItsWindowAndComesBack) {
    struct Case {
        const char* name;
        double left, top;
        void (MonthNumberTool::*outward)();
        void (MonthNumberTool::*inward)();
    };
    const Case cases[] = {
        {"top edge", 1200, 0, &MonthNumberTool::SpinButton1_SpinUp, &MonthNumberTool::SpinButton1_SpinDown},
        {"bottom edge", 1200, kClientHeight - kNumberHeight, &MonthNumberTool::SpinButton1_SpinDown, &MonthNumberTool::SpinButton1_SpinUp},
        {"left edge", 10, 900, &MonthNumberTool::SpinButton2_SpinDown, &MonthNumberTool::SpinButton2_SpinUp},
        {"right edge", kClientWidth - kNumberWidth, 900, &MonthNumberTool::SpinButton2_SpinUp, &MonthNumberTool::SpinButton2_SpinDown},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ChartWindow& w = chart();
        Form57& t = tool();
        t.option(2).click();
        w.Label28(2).Move(c.left, c.top);
        for (int i = 0; i < 5000; ++i) (t.*c.outward)();
        EXPECT_GE(w.Label28(2).Left(), 0);
        EXPECT_GE(w.Label28(2).Top(), 0);
        EXPECT_LE(w.Label28(2).Left() + kNumberWidth, kClientWidth);
        EXPECT_LE(w.Label28(2).Top() + kNumberHeight, kClientHeight);
        const double left = w.Label28(2).Left();
        const double top = w.Label28(2).Top();
        (t.*c.inward)();
        EXPECT_EQ(std::abs(w.Label28(2).Left() - left) + std::abs(w.Label28(2).Top() - top), 30);
        destroyAllForms();
    }
}

TEST_F(MonthNumberToolTest, ANumberLeftOutsideTheWindowCanOnlyComeBackIn) {
    ChartWindow& w = chart();
    Form57& t = tool();
    w.Label28(1).Move(1e12, -1e12);  // where a redraw from wild values may have put it
    t.SpinButton2.spinUp();
    t.SpinButton1.spinUp();
    EXPECT_EQ(w.Label28(1).Left(), 1e12);
    EXPECT_EQ(w.Label28(1).Top(), -1e12);
    t.SpinButton2.spinDown();
    t.SpinButton1.spinDown();
    EXPECT_EQ(w.Label28(1).Left(), 1e12 - 30);
    EXPECT_EQ(w.Label28(1).Top(), -1e12 + 30);
    EXPECT_EQ(w.positions.Tuki_Left[1], INT_MAX);
    EXPECT_EQ(w.positions.Tuki_Top[1], INT_MIN);
}

TEST_F(MonthNumberToolTest, ReopeningTheToolClearsTheFlagAndKeepsThePositions) {
    ChartWindow& w = chart();
    tool().SpinButton1.spinUp();
    ASSERT_EQ(w.tuki_Moved, 1);
    const int top = w.positions.Tuki_Top[1];
    tool().Unload();
    collectUnloadedForms();
    tool();
    EXPECT_EQ(w.tuki_Moved, 0);
    EXPECT_EQ(w.positions.Tuki_Top[1], top);
    EXPECT_EQ(tool().Tuki_No, 1);
}

TEST_F(MonthNumberToolTest, WithoutItsWindowTheToolMovesNothing) {
    Form57& t = tool();
    t.SpinButton1.spinUp();
    t.SpinButton2.spinDown();
    t.tuki_Position();
    EXPECT_FALSE(isLoaded<ChartWindow>()) << "the tool never loads its window";
}

}  // namespace
