// The own-town hythergraph: typed values drawn as points, axis dots, markers, the closed
// polygon and the month numbers, in the window's own scale (1.225 twips across a unit).
#include "extras/frmSplash.h"
#include "input/Hyser_Input.h"
#include "tests/input/InputWindowFixture.h"

#include <cmath>

using namespace forms;
using namespace input;
using namespace testing_support;
using namespace Qt::Literals::StringLiterals;

namespace {

constexpr double kUnit = 1.225;  // twips across one unit

class HytherInputTest : public InputWindowFixture {
protected:
    Hyser_Input& open() { return instance<Hyser_Input>(); }

    // The drawing's points: each month's point, then its dot on the temperature axis.
    static std::vector<DrawOp> points(const Form& w) {
        std::vector<DrawOp> out;
        for (const DrawOp& op : w.drawing()) {
            if (op.kind == DrawOp::Point) out.push_back(op);
        }
        return out;
    }
};

TEST_F(HytherInputTest, OpensEmptyWithItsOwnScaleAndNothingDrawn) {
    Hyser_Input& w = open();
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(w.Width(), 12000);
    EXPECT_EQ(w.Caption(), u"ruvirov 手動入力"_s);
    EXPECT_EQ(w.state.Rain_Scale, 9);
    EXPECT_EQ(w.state.Temp_Scale, 110);
    EXPECT_EQ(w.state.Mark_DX, 30);
    EXPECT_EQ(w.state.Mark_DY, 30);
    EXPECT_EQ(w.state.Point_Width, 0) << "the point size is chosen by the user";
    EXPECT_EQ(w.DrawWidth(), 6);
    EXPECT_EQ(w.ActiveControl(), &w.Text1);
    EXPECT_TRUE(w.drawing().empty());
    EXPECT_EQ(w.Text1.Text(), u"地域名"_s);
    EXPECT_EQ(w.Text2.Text(), u"年"_s);
    EXPECT_EQ(w.Text8.Text(), u"国名"_s);
    for (int i = 1; i <= 13; ++i) EXPECT_TRUE(w.Text3(i).Text().isEmpty() && w.Text4(i).Text().isEmpty());
    EXPECT_EQ(w.Text3(1).Alignment(), Align::Right);
    EXPECT_EQ(w.Text1.Alignment(), Align::Center);
    EXPECT_FALSE(isLoaded<extras::frmSplash>()) << "the splash goes once the window shows";
}

TEST_F(HytherInputTest, TypingAFullYearDrawsTwelvePointsTheirAxisDotsAndTheClosedPolygon) {
    Hyser_Input& w = open();
    typeYear(w, kTemps, kRains);

    const std::vector<DrawOp> drawn = points(w);
    ASSERT_EQ(drawn.size(), 24u);
    for (int i = 1; i <= 12; ++i) {
        SCOPED_TRACE(i);
        const double x = kRains[i - 1] * 9 + 3400;
        const double y = 5310 - kTemps[i - 1] * 110;
        EXPECT_NEAR(w.state.Plot_X[i], x, 1e-9);
        EXPECT_NEAR(w.state.Plot_Y[i], y, 1e-9);
        const DrawOp& point = drawn[2 * (i - 1)];
        const DrawOp& dot = drawn[2 * (i - 1) + 1];
        EXPECT_NEAR(point.x1, x * kUnit, 1e-6);
        EXPECT_NEAR(point.y1, y, 1e-6);
        EXPECT_NEAR(dot.x1, 2850 * kUnit, 1e-6);
        EXPECT_NEAR(dot.y1, y, 1e-6);
        EXPECT_EQ(point.color, chart::monthColour(i));
        EXPECT_EQ(dot.color, chart::monthColour(i));
        EXPECT_EQ(point.width, 6);

        const int n = i == 12 ? 1 : i + 1;
        const Line& join = w.Line11(i);
        EXPECT_TRUE(join.Visible());
        EXPECT_NEAR(join.X1(), x * kUnit, 1e-6);
        EXPECT_NEAR(join.Y1(), y, 1e-6);
        EXPECT_NEAR(join.X2(), (kRains[n - 1] * 9 + 3400) * kUnit, 1e-6);
        EXPECT_NEAR(join.Y2(), 5310 - kTemps[n - 1] * 110, 1e-6);

        EXPECT_NEAR(w.Shape3(i).Left(), (x - 30) * kUnit, 1e-6);
        EXPECT_NEAR(w.Shape3(i).Top(), y - 30, 1e-6);
        EXPECT_FALSE(w.Label28(i).Visible()) << "月表示 is off";
    }
    EXPECT_FALSE(w.Label28(13).Visible());
}

TEST_F(HytherInputTest, AMonthWithoutAValueLeavesTheChartWithItsPointMarkerAndBothLines) {
    struct Case {
        const char* name;
        int box;  // 3: temperature, 4: precipitation
        QString text;
        int answer;  // the check's answer; 0: no check
    };
    const Case cases[] = {
        {"empty temperature", 3, QString(), 0}, {"empty precipitation", 4, QString(), 0},      {"missing mark", 3, u"×"_s, vbContinue},
        {"letters", 4, u"abc"_s, vbContinue},   {"leading digits", 3, u"12abc"_s, vbContinue},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Hyser_Input& w = open();
        typeYear(w, kTemps, kRains);
        if (c.answer) services.expectMessage(c.answer);
        typeInto(c.box == 3 ? w.Text3(1) : w.Text4(1), c.text);
        leave(w);
        w.Command2.click();  // 作図

        EXPECT_EQ(points(w).size(), 22u);
        EXPECT_FALSE(w.Line11(1).Visible()) << "January to February";
        EXPECT_FALSE(w.Line11(12).Visible()) << "December to January";
        for (int i = 2; i <= 11; ++i) EXPECT_TRUE(w.Line11(i).Visible()) << i;
        EXPECT_GT(w.Shape3(1).Left(), w.ScaleWidth()) << "January's marker waits off the chart";
        EXPECT_LT(w.Shape3(2).Left(), 14700);
        w.Unload();
    }
}

TEST_F(HytherInputTest, OneMonthIsOnePointWithItsDotAndMarkerAndNoLine) {
    Hyser_Input& w = open();
    w.Text3(4).setText(u"12.5"_s);
    typeInto(w.Text4(4), u"100"_s);
    leave(w);
    const std::vector<DrawOp> drawn = points(w);
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_NEAR(drawn[0].x1, (100 * 9 + 3400) * kUnit, 1e-6);
    EXPECT_NEAR(drawn[0].y1, 5310 - 12.5 * 110, 1e-6);
    EXPECT_EQ(drawn[0].color, 0x90FF90u);
    for (int i = 1; i <= 12; ++i) EXPECT_FALSE(w.Line11(i).Visible()) << i;
    EXPECT_NEAR(w.Shape3(4).Left(), (4300 - 30) * kUnit, 1e-6);
    EXPECT_GT(w.Shape3(5).Left(), w.ScaleWidth());
}

TEST_F(HytherInputTest, MonthNumbersStandLeftOfAndBelowTheirPointsWhen月表示IsOn) {
    Hyser_Input& w = open();
    typeYear(w, kTemps, kRains);
    w.Text3(6).setText(QString());
    w.CheckBox3.click();
    for (int i = 1; i <= 12; ++i) {
        SCOPED_TRACE(i);
        if (i == 6) {
            EXPECT_FALSE(w.Label28(i).Visible()) << "June has no point";
            continue;
        }
        EXPECT_TRUE(w.Label28(i).Visible());
        EXPECT_NEAR(w.Label28(i).Left(), (w.state.Plot_X[i] - 240) * kUnit, 1e-6);
        EXPECT_NEAR(w.Label28(i).Top(), w.state.Plot_Y[i] + 60, 1e-6);
    }
    EXPECT_FALSE(w.Label28(13).Visible()) << "no number for the year";

    const std::size_t drawn = w.drawing().size();
    w.CheckBox3.click();
    for (int i = 1; i <= 12; ++i) EXPECT_FALSE(w.Label28(i).Visible()) << i;
    EXPECT_EQ(w.drawing().size(), drawn) << "switching the numbers off draws nothing";
}

TEST_F(HytherInputTest, ValuesFarOutsideTheChartStayOnTheWindow) {
    struct Case {
        const char* name;
        QString temp, rain;
        double x, y;  // units
    };
    const Case cases[] = {
        {"huge", u"1e300"_s, u"1e300"_s, 12000, 0},
        {"beyond a double", u"-1e400"_s, u"1e400"_s, 12000, 8145},
        {"negative precipitation", u"10"_s, u"-1000000"_s, 0, 4210},
        {"600 mm at the right edge", u"0"_s, u"600"_s, 8800, 5310},
    };
    Hyser_Input& w = open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        w.Text3(1).setText(c.temp);
        w.Text4(1).setText(c.rain);
        w.Command2.click();
        EXPECT_DOUBLE_EQ(w.state.Plot_X[1], c.x);
        EXPECT_DOUBLE_EQ(w.state.Plot_Y[1], c.y);
        for (const DrawOp& op : w.drawing()) {
            EXPECT_TRUE(std::isfinite(op.x1) && std::isfinite(op.y1));
            EXPECT_LE(op.x1, 14700 + 1e-6);
        }
    }
}

TEST_F(HytherInputTest, ClearTakesTheChartDownAndKeepsTheValues) {
    Hyser_Input& w = open();
    typeYear(w, kTemps, kRains);
    ASSERT_FALSE(w.drawing().empty());
    struct Case {
        const char* name;
        void (*clear)(Hyser_Input&);
    };
    const Case cases[] = {
        {"click", [](Hyser_Input& window) { window.Command1.click(); }},
        {"tabbing onto it", [](Hyser_Input& window) { window.Command1.SetFocus(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        w.Command2.click();
        ASSERT_EQ(w.drawing().size(), 24u);
        c.clear(w);
        EXPECT_TRUE(w.drawing().empty());
        for (int i = 1; i <= 12; ++i) {
            EXPECT_GT(w.Shape3(i).Left(), w.ScaleWidth());
            EXPECT_GT(w.Line11(i).X1(), w.ScaleWidth());
        }
        EXPECT_EQ(w.Text3(7).Text(), QString::number(kTemps[6]));
        w.Text8.SetFocus();
    }
}

TEST_F(HytherInputTest, 数値クリアEmptiesTheValueBoxesAndLeavesTheChart) {
    Hyser_Input& w = open();
    w.Text1.setText(u"札幌"_s);
    w.Text5.setText(u"43.1N"_s);
    w.Text7.setText(u"17"_s);
    typeYear(w, kTemps, kRains);
    const std::size_t drawn = w.drawing().size();
    w.menu(u"clear_suuji"_s).click();
    for (int i = 1; i <= 13; ++i) {
        for (const TextBox* box : {&w.Text3(i), &w.Text4(i)}) {
            EXPECT_TRUE(box->Text().isEmpty());
            EXPECT_EQ(box->BackColor(), kSysWindow);
        }
    }
    for (const TextBox* box : {&w.Text5, &w.Text6, &w.Text7}) {
        EXPECT_TRUE(box->Text().isEmpty());
        EXPECT_EQ(box->BackColor(), kSysWindow);
    }
    EXPECT_EQ(w.Text1.Text(), u"札幌"_s);
    EXPECT_EQ(w.Text2.Text(), u"年"_s);
    EXPECT_EQ(w.Text8.Text(), u"国名"_s);
    EXPECT_EQ(w.drawing().size(), drawn);
}

}  // namespace
