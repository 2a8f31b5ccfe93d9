// The hythergraph drawn step by step: the months and joining lines each step draws, the
// step spin button's bounds, クリア, a month without data and the out-of-frame count.
#include "data/ClimateDb.h"
#include "platform/forms/Text.h"
#include "tests/stepmode/StepModeFixture.h"

using namespace chart;
using namespace stepmode;
using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace {

class StepDrawingTest : public testing_support::StepModeFixture {
protected:
    // Where Tokyo's normal values put a month's point.
    double xOf(int month) { return 4170 + Val(fixture.normalsRow(47662).value(data::rainField(month))) * 11; }
    double yOf(int month) { return 5310 - Val(fixture.normalsRow(47662).value(data::ondoField(month))) * 110; }

    // What a step shows of Tokyo with every month present: the points, markers and
    // numbers of months 1..min(step, 12), the lines 1..step - 1, nothing else.
    void expectStep(const Hyser_Step_Mode& w, int step) {
        const int months = std::min(step, 12);
        EXPECT_EQ(w.Label55.Caption(), QString::number(step));
        EXPECT_EQ(w.Step_No, step);
        EXPECT_EQ(w.drawing().size(), 2u * static_cast<unsigned>(months)) << "a point and its axis dot per month";
        for (int i = 1; i <= 12; ++i) {
            SCOPED_TRACE(i);
            const bool drawn = i <= months;
            const auto points = pointsIn(w, monthColour(i));
            ASSERT_EQ(points.size(), drawn ? 2u : 0u);
            EXPECT_EQ(onChart(w.Shape3(i)), drawn);
            EXPECT_EQ(onChart(w.Label28(i)), drawn);
            const Line& join = w.Line11(i);
            EXPECT_EQ(onChart(join), i < step);
            if (drawn) {
                EXPECT_NEAR(points[0].x1, xOf(i), 0.01);
                EXPECT_NEAR(points[0].y1, yOf(i), 0.01);
                EXPECT_NEAR(points[1].x1, 3500, 0.01);
                EXPECT_NEAR(w.Shape3(i).Left(), xOf(i) - 45, 0.01);
                EXPECT_NEAR(w.Shape3(i).Top(), yOf(i) - 30, 0.01);
                const bool summer = i >= 6 && i <= 9;
                EXPECT_NEAR(w.Label28(i).Left(), summer ? xOf(i) - 240 : xOf(i) + 120, 0.01);
            }
            if (i < step) {
                const int next = i == 12 ? 1 : i + 1;
                EXPECT_NEAR(join.X1(), xOf(i), 0.01);
                EXPECT_NEAR(join.Y1(), yOf(i), 0.01);
                EXPECT_NEAR(join.X2(), xOf(next), 0.01);
                EXPECT_NEAR(join.Y2(), yOf(next), 0.01);
            }
        }
        for (const auto* c : std::initializer_list<const Control*>{&w.Line11(13), &w.Shape3(13), &w.Label28(13)}) {
            EXPECT_FALSE(onChart(*c)) << "the year is never plotted";
        }
    }
};

TEST_F(StepDrawingTest, OpeningShowsTokyosNormalValuesWithJanuaryAlone) {
    Hyser_Step_Mode& w = start();
    EXPECT_EQ(w.Caption(), u" ステップ実行モード"_s);
    EXPECT_EQ(w.Label29.Caption(), u"東京"_s);
    EXPECT_EQ(w.Label19.Caption(), u"平年値"_s);
    EXPECT_EQ(w.Check2.Value(), 1);
    for (int i = 1; i <= 13; ++i) {
        EXPECT_FALSE(w.Label2(i).Caption().isEmpty()) << "the whole table, whatever the step: " << i;
        EXPECT_FALSE(w.Label3(i).Caption().isEmpty()) << i;
    }
    expectStep(w, 1);
    EXPECT_TRUE(w.Label28(1).Visible()) << "月表示 is on";
    EXPECT_EQ(w.Width(), 12000);
    EXPECT_EQ(w.ActiveControl(), &w.SpinButton1);
}

TEST_F(StepDrawingTest, EachStepDrawsItsMonthsAndTheLinesBetweenThem) {
    Hyser_Step_Mode& w = start();
    for (const int step : {2, 5, 12, 13}) {
        SCOPED_TRACE(step);
        stepTo(w, step);
        expectStep(w, step);
    }
}

TEST_F(StepDrawingTest, TheLastStepIsTheMainWindowsPicture) {
    Hyser_Step_Mode& w = start();
    stepTo(w, 13);
    const hythergraph::Hyser_Main& main = mainWindow();
    ASSERT_EQ(w.drawing().size(), main.drawing().size());
    for (std::size_t i = 0; i < w.drawing().size(); ++i) {
        SCOPED_TRACE(i);
        const DrawOp& a = w.drawing()[i];
        const DrawOp& b = main.drawing()[i];
        EXPECT_EQ(a.kind, b.kind);
        EXPECT_DOUBLE_EQ(a.x1, b.x1);
        EXPECT_DOUBLE_EQ(a.y1, b.y1);
        EXPECT_EQ(a.color, b.color);
        EXPECT_EQ(a.width, b.width);
    }
    for (int i = 1; i <= 12; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(w.Line11(i).Visible(), main.Line11(i).Visible());
        EXPECT_EQ(w.Line11(i).X1(), main.Line11(i).X1());
        EXPECT_EQ(w.Line11(i).Y2(), main.Line11(i).Y2());
        EXPECT_EQ(w.Shape3(i).Left(), main.Shape3(i).Left());
        EXPECT_EQ(w.Shape3(i).Top(), main.Shape3(i).Top());
        EXPECT_EQ(w.Label28(i).Visible(), main.Label28(i).Visible());
        EXPECT_EQ(w.Label28(i).Left(), main.Label28(i).Left());
        EXPECT_EQ(w.Label28(i).Top(), main.Label28(i).Top());
    }
}

TEST_F(StepDrawingTest, UpStopsAtTheLastStepAndRedrawsIt) {
    Hyser_Step_Mode& w = start();
    for (int press = 1; press <= 12; ++press) w.SpinButton2.spinUp();
    expectStep(w, 13);
    w.SpinButton2.spinUp();
    expectStep(w, 13);
}

TEST_F(StepDrawingTest, DownTakesTheLastMonthAwayAndAtStepOneDrawsJanuaryAgain) {
    Hyser_Step_Mode& w = start();
    stepTo(w, 5);
    w.SpinButton2.spinDown();
    expectStep(w, 4);
    stepTo(w, 13);
    w.SpinButton2.spinDown();
    expectStep(w, 12);
    EXPECT_FALSE(onChart(w.Line11(12))) << "December no longer joins January";
    while (w.Step_No > 1) w.SpinButton2.spinDown();
    w.SpinButton2.spinDown();
    expectStep(w, 1);
}

TEST_F(StepDrawingTest, TheStepIsReadFromItsLabel) {
    Hyser_Step_Mode& w = start();
    w.Label55.setCaption(u"7"_s);
    w.SpinButton2.spinUp();
    expectStep(w, 8);
}

// Whatever the label holds, a step lands within 1..13 and the label shows it.
TEST_F(StepDrawingTest, AStepLabelBeyondAnyStepIsHeldToTheSteps) {
    Hyser_Step_Mode& w = start();
    struct Case {
        QString label;
        bool up;
        int step;
    };
    const Case cases[] = {
        {u"1e300"_s, true, 13}, {u"1e300"_s, false, 12}, {u"-1e300"_s, true, 2}, {u"-1e300"_s, false, 1},
        {u"nan"_s, true, 2},    {u"99"_s, false, 12},    {u"×"_s, false, 1},     {u"2147483648"_s, true, 13},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label.toStdString() + (c.up ? " up" : " down"));
        w.Command2_Click();
        w.Label55.setCaption(c.label);
        c.up ? w.SpinButton2.spinUp() : w.SpinButton2.spinDown();
        expectStep(w, c.step);
        EXPECT_EQ(w.Label55.Caption(), QString::number(c.step));
    }
}

TEST_F(StepDrawingTest, ClearEmptiesTheChartAndTheNextStepDrawsTwoMonths) {
    Hyser_Step_Mode& w = start();
    stepTo(w, 6);
    w.Command1.click();
    EXPECT_TRUE(w.drawing().empty());
    EXPECT_EQ(w.Label55.Caption(), u"1"_s);
    EXPECT_EQ(w.Step_No, 1);
    for (int i = 1; i <= 13; ++i) {
        EXPECT_FALSE(onChart(w.Shape3(i))) << i;
        EXPECT_FALSE(onChart(w.Line11(i))) << i;
        EXPECT_FALSE(onChart(w.Label28(i))) << i;
    }
    w.SpinButton2.spinUp();
    expectStep(w, 2);
}

TEST_F(StepDrawingTest, TheHiddenResetClearsWithoutChangingTheStep) {
    Hyser_Step_Mode& w = start();
    stepTo(w, 4);
    w.Command2_Click();
    EXPECT_TRUE(w.drawing().empty());
    EXPECT_EQ(w.Label55.Caption(), u"4"_s);
    w.SpinButton2.spinUp();
    expectStep(w, 5);
}

TEST_F(StepDrawingTest, AMonthWithoutDataIsSkippedAndTheLinesBesideItHidden) {
    fixture.normalsRow(47662)[u"Ondo_5"_s] = u"×"_s;
    Hyser_Step_Mode& w = start();
    stepTo(w, 5);
    EXPECT_TRUE(pointsIn(w, monthColour(5)).empty());
    EXPECT_EQ(w.drawing().size(), 8u);
    EXPECT_FALSE(w.Line11(4).Visible()) << "April to May";
    EXPECT_FALSE(onChart(w.Shape3(5)));
    EXPECT_FALSE(w.Label28(5).Visible());
    stepTo(w, 7);
    EXPECT_FALSE(w.Line11(5).Visible()) << "May to June";
    EXPECT_TRUE(onChart(w.Line11(6)));
    EXPECT_TRUE(onChart(w.Shape3(7)));
}

TEST_F(StepDrawingTest, JanuaryWithoutDataHidesBothOfItsLinesAtTheLastStep) {
    fixture.normalsRow(47662)[u"Rain_1"_s] = QString();
    Hyser_Step_Mode& w = start();
    EXPECT_TRUE(w.drawing().empty()) << "step 1 has nothing to draw";
    stepTo(w, 13);
    EXPECT_FALSE(w.Line11(1).Visible());
    EXPECT_FALSE(w.Line11(12).Visible());
    EXPECT_TRUE(onChart(w.Line11(11)));
}

TEST_F(StepDrawingTest, PointsRightOfTheFrameAreCountedOncePerDrawing) {
    data::ClimateRow& tokyo = fixture.normalsRow(47662);
    tokyo[u"Rain_1"_s] = u"700.0"_s;
    tokyo[u"Rain_3"_s] = u"650.0"_s;
    Hyser_Step_Mode& w = start();
    EXPECT_EQ(w.Label15.Caption(), u"1"_s);
    w.SpinButton2.spinUp();
    EXPECT_EQ(w.Label15.Caption(), u"1"_s) << "January drawn again is not counted again";
    w.SpinButton2.spinUp();
    EXPECT_EQ(w.Label15.Caption(), u"2"_s);
    w.menu(u"Point_Big"_s).click();
    EXPECT_EQ(w.Label15.Caption(), u"2"_s);
    w.SpinButton2.spinDown();
    EXPECT_EQ(w.Label15.Caption(), u"1"_s);
}

TEST_F(StepDrawingTest, PilingUpDrawsEachStepsPointsWithoutLinesOverWhatIsThere) {
    Hyser_Step_Mode& w = start();
    w.Check2.setValue(0);
    w.CheckBox1.click();
    EXPECT_EQ(w.Label55.Caption(), u"1"_s);
    stepTo(w, 3);
    EXPECT_EQ(w.drawing().size(), 2u * (1 + 2 + 3)) << "nothing clears: each step's points pile up";
    for (int i = 1; i <= 12; ++i) {
        EXPECT_FALSE(onChart(w.Line11(i))) << i;
        EXPECT_FALSE(onChart(w.Shape3(i))) << i;
    }
}

TEST_F(StepDrawingTest, AChosenPointSizeDrawsEveryPassWithItsPen) {
    Hyser_Step_Mode& w = start();
    stepTo(w, 3);
    w.menu(u"Point_Very_Big"_s).click();
    ASSERT_EQ(w.drawing().size(), 6u);
    for (const DrawOp& op : w.drawing()) EXPECT_EQ(op.width, 12);
    EXPECT_NEAR(w.Shape3(2).Left(), xOf(2) - 90, 0.01);
    EXPECT_NEAR(w.Shape3(2).Top(), yOf(2) - 75, 0.01);
    EXPECT_EQ(w.Shape3(2).Width(), 180);
    EXPECT_TRUE(w.menu(u"Point_Very_Big"_s).Checked());
    EXPECT_FALSE(w.menu(u"Point_Mid"_s).Checked());
}

// A picture of the window at step 5: the five points under their markers, each in its
// marker's colour, and the sixth month nowhere.
TEST_F(StepDrawingTest, TheWindowShowsFivePointsAtStepFive) {
    Hyser_Step_Mode& w = start();
    w.menu(u"Point_Very_Big"_s).click();  // points large enough to hit on the picture
    stepTo(w, 5);
    const QImage picture = w.grabClient();
    const auto pixelAt = [&](int month) {
        return QColor(picture.pixel(static_cast<int>(xOf(month) / 15), static_cast<int>(yOf(month) / 15)));
    };
    const auto rgb = [](Color c) {
        return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
    };
    for (int i = 2; i <= 5; ++i) EXPECT_EQ(pixelAt(i), rgb(w.Shape3(i).BackColor())) << i;
    EXPECT_NE(pixelAt(6), rgb(monthColour(6))) << "no June yet";
    EXPECT_NE(pixelAt(6), rgb(w.Shape3(6).BackColor()));
}

}  // namespace
