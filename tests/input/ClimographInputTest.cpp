// The own-town climograph: bars, temperature points with their closing point, the line,
// month numbers, its own scale and point sizes, looks and capture.
#include "extras/CaptureWindows.h"
#include "input/Hyser_Input.h"
#include "input/Uonz_Input.h"
#include "tests/input/InputWindowFixture.h"
#include "windows/Navigation.h"

#include <QFile>

using namespace forms;
using namespace input;
using namespace testing_support;
using namespace Qt::Literals::StringLiterals;

namespace {

constexpr double kUnit = 1.225;

class ClimographInputTest : public InputWindowFixture {
protected:
    Uonz_Input& open() {
        windows::navigation().show(windows::Window::ClimographInput);
        return instance<Uonz_Input>();
    }
    static std::vector<DrawOp> points(const Form& w) {
        std::vector<DrawOp> out;
        for (const DrawOp& op : w.drawing()) {
            if (op.kind == DrawOp::Point) out.push_back(op);
        }
        return out;
    }
};

TEST_F(ClimographInputTest, OpensEmptyWithItsOwnBarScaleAnd目盛変更InReach) {
    Uonz_Input& w = open();
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(w.Caption(), u"雨温図グラフ 手動入力"_s);
    EXPECT_EQ(w.state.Rain_Scale, 11);
    EXPECT_EQ(w.state.Mark_DX, 30);
    EXPECT_TRUE(w.drawing().empty());
    EXPECT_TRUE(w.CheckBox4.Visible());
    EXPECT_LE(w.CheckBox4.Left() + w.CheckBox4.Width(), w.clientWidthTwips()) << "within the window from the start";
    EXPECT_THROW(w.menu(u"Yokohaba_wide"_s), std::exception) << "no 横幅最大";
    EXPECT_EQ(w.menu(u"Rain_Ondo_Graph"_s).Caption(), u" ruvirov "_s);
    for (int i = 1; i <= 12; ++i) EXPECT_FALSE(w.Label51(i).Visible()) << i;
}

TEST_F(ClimographInputTest, TypingAFullYearDrawsBarsPointsTheLineAndTheClosingPoint) {
    Uonz_Input& w = open();
    typeYear(w, kTemps, kRains);

    const std::vector<DrawOp> drawn = points(w);
    ASSERT_EQ(drawn.size(), 26u) << "twelve points, the closing point, and a dot on the axis for each";
    for (int i = 1; i <= 12; ++i) {
        SCOPED_TRACE(i);
        const double x = 415 * i + 3450;
        const double y = 5340 - 110 * kTemps[i - 1];
        EXPECT_DOUBLE_EQ(w.state.Plot_X[i], x);
        EXPECT_NEAR(w.state.Plot_Y[i], y, 1e-9);
        EXPECT_NEAR(drawn[2 * (i - 1)].x1, x * kUnit, 1e-6);
        EXPECT_NEAR(drawn[2 * (i - 1)].y1, y, 1e-6);
        EXPECT_NEAR(drawn[2 * (i - 1) + 1].x1, 2800 * kUnit, 1e-6);
        EXPECT_EQ(drawn[2 * (i - 1)].color, chart::monthColour(i));

        const Label& bar = w.Label51(i);
        EXPECT_TRUE(bar.Visible());
        EXPECT_NEAR(bar.Top(), 7550 - 11 * kRains[i - 1], 1e-9);
        EXPECT_NEAR(bar.Height(), 11 * kRains[i - 1], 1e-9);
        EXPECT_EQ(bar.Left(), 4530 + 510 * (i - 1)) << "the design places the bars";
        EXPECT_NEAR(bar.Left() + bar.Width() / 2, x * kUnit, 20) << "under its point, within about a pixel";

        const Line& join = w.Line11(i);
        EXPECT_TRUE(join.Visible());
        EXPECT_NEAR(join.X1(), x * kUnit, 1e-6);
        EXPECT_NEAR(join.Y1(), y, 1e-6);
    }
    // December's line runs on to the closing point at January's temperature.
    const double january = 5340 - 110 * kTemps[0];
    EXPECT_NEAR(w.Line11(12).X2(), 8845 * kUnit, 1e-6);
    EXPECT_NEAR(w.Line11(12).Y2(), january, 1e-6);
    EXPECT_NEAR(drawn[24].x1, 8845 * kUnit, 1e-6);
    EXPECT_NEAR(drawn[24].y1, january, 1e-6);
    EXPECT_EQ(drawn[24].color, chart::monthColour(1));
    EXPECT_NEAR(w.Line11(11).X2(), (415 * 12 + 3450) * kUnit, 1e-6);
    EXPECT_FALSE(w.Shape3(13).Visible()) << "the closing point has no marker of its own to see";
}

TEST_F(ClimographInputTest, WithoutJanuarysTemperatureItsLinesAndTheClosingPointGoButItsBarStays) {
    Uonz_Input& w = open();
    typeYear(w, kTemps, kRains);
    typeInto(w.Text3(1), QString());
    leave(w);
    EXPECT_EQ(points(w).size(), 22u);
    EXPECT_FALSE(w.Line11(1).Visible());
    EXPECT_FALSE(w.Line11(12).Visible());
    EXPECT_TRUE(w.Line11(11).Visible());
    EXPECT_TRUE(w.Label51(1).Visible());
    EXPECT_GT(w.Shape3(1).Left(), w.ScaleWidth());
}

TEST_F(ClimographInputTest, APrecipitationOfNothingHasNoBar) {
    struct Case {
        const char* name;
        QString text;
        int answer;  // the check's answer; 0: no check
    };
    const Case cases[] = {
        {"zero", u"0"_s, 0},
        {"empty", QString(), 0},
        {"negative", u"-5"_s, 0},
        {"the missing mark", u"×"_s, vbContinue},
        {"two blanks", u"  "_s, vbContinue},
    };
    Uonz_Input& w = open();
    typeYear(w, kTemps, kRains);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.answer) services.expectMessage(c.answer);
        typeInto(w.Text4(3), c.text);
        leave(w);
        w.Command2.click();
        EXPECT_FALSE(w.Label51(3).Visible());
        EXPECT_TRUE(w.Label51(4).Visible());
        EXPECT_TRUE(w.Line11(3).Visible()) << "the temperature line does not depend on the bars";
    }
}

TEST_F(ClimographInputTest, BarsAndPointsStayOnTheWindow) {
    Uonz_Input& w = open();
    w.Text3(5).setText(u"1e308"_s);
    w.Text4(5).setText(u"1e308"_s);
    w.Command2.click();
    EXPECT_DOUBLE_EQ(w.state.Plot_Y[5], 0);
    EXPECT_DOUBLE_EQ(w.Label51(5).Top(), 0);
    EXPECT_DOUBLE_EQ(w.Label51(5).Height(), 7550);
}

TEST_F(ClimographInputTest, MonthNumbersStandAboveTheirPointsLeftUntilAugustAndRightFromSeptember) {
    Uonz_Input& w = open();
    typeYear(w, kTemps, kRains);
    w.CheckBox3.click();
    for (int i = 1; i <= 12; ++i) {
        SCOPED_TRACE(i);
        const Label& number = w.Label28(i);
        EXPECT_TRUE(number.Visible());
        EXPECT_NEAR(number.Left(), (w.state.Plot_X[i] + (i <= 8 ? -240 : 180)) * kUnit, 1e-6);
        EXPECT_NEAR(number.Top(), w.state.Plot_Y[i] - 210, 1e-6);
    }
    EXPECT_FALSE(w.Label28(13).Visible());
    EXPECT_FALSE(w.Label28(14).Visible()) << "no number outside the months";
    w.CheckBox3.click();
    for (int i = 1; i <= 12; ++i) EXPECT_FALSE(w.Label28(i).Visible()) << i;
}

TEST_F(ClimographInputTest, 目盛変更HalvesTheBarsAndRelabelsTheRightAxis) {
    Uonz_Input& w = open();
    typeYear(w, kTemps, kRains);
    w.Text4(8).setText(u"1200"_s);
    w.CheckBox4.click();
    EXPECT_EQ(w.state.Rain_Scale, 5.5);
    const QString halved[7] = {u"0"_s, u"200"_s, u"400"_s, u"600"_s, u"800"_s, u"1000"_s, u"1200"_s};
    for (int i = 0; i <= 6; ++i) EXPECT_EQ(w.Label13(i).Caption(), halved[i]) << i;
    EXPECT_DOUBLE_EQ(w.Label51(8).Top(), 950) << "1200 mm reaches the top of the chart";
    w.CheckBox4.click();
    EXPECT_EQ(w.state.Rain_Scale, 11);
    EXPECT_EQ(w.Label13(6).Caption(), u"600"_s);
    EXPECT_DOUBLE_EQ(w.Label51(8).Top(), 0) << "above the chart, kept on the window";
}

TEST_F(ClimographInputTest, PointSizesGiveBothOffsetsTheSameValue) {
    Uonz_Input& w = open();
    typeYear(w, kTemps, kRains);
    w.menu(u"Point_Big"_s).click();
    EXPECT_EQ(w.state.Point_Width, 8);
    EXPECT_EQ(w.state.Mark_DX, 45);
    EXPECT_EQ(w.state.Mark_DY, 45);
    EXPECT_NEAR(w.Shape3(13).Width(), 120 * kUnit, 1e-9);
    EXPECT_TRUE(w.menu(u"Point_Big"_s).Checked());
    EXPECT_FALSE(w.menu(u"Point_Mid"_s).Checked());
    for (const DrawOp& op : w.drawing()) EXPECT_EQ(op.width, 8);
}

TEST_F(ClimographInputTest, TheTwoInputWindowsKeepTheirOwnScalesAndPointSizes) {
    Uonz_Input& climograph = open();
    Hyser_Input& hythergraph = instance<Hyser_Input>();
    climograph.CheckBox4.click();
    climograph.menu(u"Point_Very_Big"_s).click();
    EXPECT_EQ(hythergraph.state.Rain_Scale, 9);
    EXPECT_EQ(hythergraph.state.Point_Width, 0);
    hythergraph.CheckBox4.click();
    EXPECT_EQ(climograph.state.Rain_Scale, 5.5);
}

TEST_F(ClimographInputTest, BothWindowsColourTheSameTextsAlike) {
    Uonz_Input& climograph = open();
    Hyser_Input& hythergraph = instance<Hyser_Input>();
    const QString texts[] = {QString(), u"×"_s, u"-25"_s, u"4.99999999"_s, u"12.5"_s, u"38"_s, u"300"_s, u"-5"_s};
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        for (InputWindow* w : std::initializer_list<InputWindow*>{&climograph, &hythergraph}) {
            w->Text3(2).setText(text);
            w->Text4(2).setText(text);
            w->Kion_Color();
        }
        EXPECT_EQ(climograph.Text3(2).BackColor(), hythergraph.Text3(2).BackColor());
        EXPECT_EQ(climograph.Text3(2).ForeColor(), hythergraph.Text3(2).ForeColor());
        EXPECT_EQ(climograph.Text4(2).BackColor(), hythergraph.Text4(2).BackColor());
        EXPECT_EQ(climograph.Text4(2).ForeColor(), hythergraph.Text4(2).ForeColor());
    }
}

TEST_F(ClimographInputTest, LooksRecolourTheBarsAndTheMonthRowAndTheBackgroundItemsRedraw) {
    Uonz_Input& w = open();
    typeYear(w, kTemps, kRains);
    EXPECT_EQ(w.Label51(1).BackColor(), 0xC800u);
    w.menu(u"View_BKWT"_s).click();
    EXPECT_EQ(w.Label51(1).BackColor(), 0x909090u);
    EXPECT_EQ(w.Label52(3).BackColor(), 0xFFFFFFu);
    EXPECT_EQ(w.Label52(3).ForeColor(), kSysButtonText);
    EXPECT_EQ(w.Text2.ForeColor(), kSysButtonText);
    for (const DrawOp& op : w.drawing()) EXPECT_EQ(op.color, kSysButtonText);

    w.menu(u"View_Color"_s).click();
    EXPECT_EQ(w.Label51(1).BackColor(), 0xC000u);
    EXPECT_EQ(w.Label52(3).BackColor(), 0xE4EFEFu);
    EXPECT_EQ(w.Text2.BackColor(), 0xFFFFFFu);
    EXPECT_EQ(w.Text2.ForeColor(), 0xC0u);
    EXPECT_EQ(points(w).size(), 26u);

    w.menu(u"View_White"_s).click();
    EXPECT_EQ(w.BackColor(), 0xFFFFFFu);
    EXPECT_EQ(w.Label52(0).BackColor(), 0xFFFFFFu) << "the month row lies on the background";
    EXPECT_EQ(points(w).size(), 26u) << "the points are drawn again";
    w.menu(u"Print_Gray"_s).click();
    EXPECT_EQ(services.printedPages.size(), 1u);
    EXPECT_EQ(w.Label52(0).BackColor(), 0xE4EFEFu);
}

TEST_F(ClimographInputTest, ACaptureWritesThePlacesBitmapAndBringsTheButtonsBack) {
    Uonz_Input& w = open();
    w.Text1.setText(u"那覇"_s);
    w.Text2.setText(u"1999"_s);
    typeYear(w, kTemps, kRains);
    w.menu(u"Cap_Gray"_s).click();
    EXPECT_EQ(w.Cap_File, u"CAP/那覇/那覇1999_Uonz_In.bmp"_s);
    ASSERT_TRUE(QFile::exists(w.Cap_File));
    EXPECT_EQ(points(w).size(), 26u) << "the capture contains the points";
    for (const Control* c : std::initializer_list<const Control*>{&w.Command1, &w.Command2, &w.CheckBox3, &w.CheckBox4}) {
        EXPECT_TRUE(c->Visible()) << c->Name().toStdString();
    }
    EXPECT_TRUE(instance<extras::Dialog_cap>().Visible());
}

}  // namespace
