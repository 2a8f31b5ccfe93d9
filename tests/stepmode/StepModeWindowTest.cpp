// The step-mode window as a window: its menu tree, the windows and pickers it opens,
// station choices, normal values and single years, closing it, and the main window
// going on as it was whatever this window does.
#include "chart/ColourBands.h"
#include "data/climate/DataPeriod.h"
#include "extras/AuxWindows.h"
#include "pickers/FamilyPickers.h"
#include "platform/forms/Placement.h"
#include "platform/forms/Text.h"
#include "tests/stepmode/StepModeFixture.h"

#include <QFile>

#include <string>

using namespace chart;
using namespace stepmode;
using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace {

class StepModeWindowTest : public testing_support::StepModeFixture {};

TEST_F(StepModeWindowTest, TheStepCounterSitsInTheHeaderRowWithTheResetHidden) {
    Hyser_Step_Mode& w = start();
    EXPECT_EQ(w.Label9.Caption(), u"ステップ実行"_s);
    EXPECT_EQ(w.Label55.BackColor(), 0xFFFFu);
    EXPECT_EQ(w.Label55.ForeColor(), 0xC000C0u);
    EXPECT_EQ(w.Label55.rect(), QRectF(8250, 240, 465, 495));
    EXPECT_EQ(w.SpinButton2.rect(), QRectF(8730, 120, 495, 570));
    EXPECT_EQ(w.SpinButton2.orientation(), Orientation::Vertical);
    EXPECT_EQ(w.Command1.Caption(), u"クリア"_s);
    EXPECT_EQ(w.Command1.rect(), QRectF(9330, 450, 1035, 405));
    EXPECT_EQ(w.Command2.Caption(), u"リセット"_s);
    EXPECT_FALSE(w.Command2.Visible());
    EXPECT_EQ(w.SpinButton1.Left(), 5790);
    EXPECT_EQ(w.BackColor(), 0xE4EFEFu);
    // The header's rearranged buttons cover none of each other, of its labels or of the
    // check boxes they moved towards.
    const std::vector<const Control*> moved = {&w.SpinButton1, &w.SpinButton2, &w.Check2, &w.Command1};
    const std::vector<const Control*> others = {&w.Label29, &w.Label4, &w.Label9, &w.Label55, &w.CheckBox1, &w.CheckBox4, &w.CheckBox3};
    for (std::size_t i = 0; i < moved.size(); ++i) {
        for (std::size_t j = i + 1; j < moved.size(); ++j) {
            EXPECT_FALSE(moved[i]->rect().intersects(moved[j]->rect()))
                << moved[i]->Name().toStdString() << " and " << moved[j]->Name().toStdString();
        }
        for (const Control* o : others) {
            EXPECT_FALSE(moved[i]->rect().intersects(o->rect())) << moved[i]->Name().toStdString() << " and " << o->Name().toStdString();
        }
    }
}

TEST_F(StepModeWindowTest, AChoiceReturnsToStepOneWithTheChosenStation) {
    Hyser_Step_Mode& w = start();
    stepTo(w, 5);
    choose(u"札幌"_s);
    EXPECT_EQ(w.Label29.Caption(), u"札幌"_s);
    EXPECT_EQ(w.Label55.Caption(), u"1"_s);
    EXPECT_EQ(w.Step_No, 1);
    EXPECT_EQ(w.drawing().size(), 2u) << "January alone";
    EXPECT_EQ(w.Label2(1).Caption(), FormatOneDecimal(Val(fixture.normalsRow(47412).value(u"Ondo_1"_s))));
    EXPECT_EQ(w.Label46.Caption(), u"1"_s);
    EXPECT_FALSE(isLoaded<pickers::Form90>()) << "the picker goes";
    EXPECT_EQ(mainWindow().Label29.Caption(), u"東京"_s) << "the main window keeps its station";
}

TEST_F(StepModeWindowTest, AWorldStationReturnsToStepOneInItsNormalValuesWithTheBoxLocked) {
    Hyser_Step_Mode& w = start();
    w.Check2.setValue(0);
    stepTo(w, 4);
    w.menu(u"W_Uro"_s).click();
    auto& picker = instance<pickers::Form101>();
    EXPECT_TRUE(picker.Visible());
    EXPECT_DOUBLE_EQ(picker.Top(), (services.screenHeight - picker.Height()) / 2 - 210);
    EXPECT_FALSE(isLoaded<pickers::Form3>()) << "not the main window's picker";
    const pickers::WorldStation* oslo = nullptr;
    for (const pickers::WorldStation& s : picker.region().stations) {
        if (s.name == u"オスロ"_s) oslo = &s;
    }
    ASSERT_NE(oslo, nullptr);
    picker.chooseStation(*oslo);
    EXPECT_EQ(w.Label29.Caption(), u"オスロ"_s);
    EXPECT_EQ(w.Check2.Value(), 1);
    EXPECT_FALSE(w.Check2.Enabled());
    EXPECT_EQ(w.Label55.Caption(), u"1"_s);
    EXPECT_EQ(w.drawing().size(), 2u);
    EXPECT_EQ(w.Label2(1).Caption(), FormatOneDecimal(Val(fixture.normalsRow(57001).value(u"Ondo_1"_s))));
    EXPECT_EQ(mainWindow().Label29.Caption(), u"東京"_s);
}

TEST_F(StepModeWindowTest, AChoiceInSingleYearsShowsTheStationsYear2000) {
    Hyser_Step_Mode& w = start();
    w.Check2.setValue(0);
    stepTo(w, 3);
    choose(u"札幌"_s);
    EXPECT_EQ(w.Label4.Caption(), u"2000"_s);
    EXPECT_EQ(w.Label1.Caption(), u"2000"_s);
    EXPECT_EQ(w.Station_Table, w.Hyser_Rs->Source());
    EXPECT_EQ(w.Label55.Caption(), u"1"_s);
    EXPECT_EQ(w.Label2(1).Caption(), FormatOneDecimal(Val(fixture.yearRow(47412, 2000).value(u"Ondo_1"_s))));
}

TEST_F(StepModeWindowTest, ModeSwitchesAndYearStepsKeepTheStep) {
    Hyser_Step_Mode& w = start();
    stepTo(w, 4);
    w.Check2.setValue(0);
    EXPECT_EQ(w.Label19.Caption(), u"各年値"_s);
    EXPECT_EQ(w.Label55.Caption(), u"4"_s);
    EXPECT_EQ(w.drawing().size(), 8u);
    const QString year = w.Label4.Caption();
    w.SpinButton1.spinUp();
    EXPECT_EQ(w.Label4.Caption(), Str(Val(year) + 1));
    EXPECT_EQ(w.Label55.Caption(), u"4"_s);
    EXPECT_EQ(w.drawing().size(), 8u);
    w.CheckBox1.click();  // piling up starts again from January
    EXPECT_EQ(w.Label55.Caption(), u"1"_s);
    stepTo(w, 3);
    w.Check2.setValue(1);  // clears 累積表示 on the way, and keeps the step
    EXPECT_FALSE(w.CheckBox1.Value());
    EXPECT_EQ(w.Label55.Caption(), u"3"_s);
    EXPECT_EQ(w.drawing().size(), 6u);
    EXPECT_TRUE(onChart(w.Line11(2)));
}

TEST_F(StepModeWindowTest, TurningPilingUpOffAlsoReturnsToStepOne) {
    Hyser_Step_Mode& w = start();
    w.Check2.setValue(0);
    w.CheckBox1.click();
    stepTo(w, 6);
    w.CheckBox1.click();
    EXPECT_FALSE(w.CheckBox1.Value());
    EXPECT_EQ(w.Label55.Caption(), u"1"_s);
    EXPECT_EQ(w.drawing().size(), 2u);
}

TEST_F(StepModeWindowTest, YearsStopAtTheDatasLastYear) {
    const QString last = QString::number(climate::kLastSingleYear);
    Hyser_Step_Mode& w = start();
    w.Check2.setValue(0);
    w.Label4.setCaption(QString::number(climate::kLastSingleYear - 1));
    w.SpinButton1.spinUp();
    EXPECT_EQ(w.Label1.Caption(), last);
    w.SpinButton1.spinUp();
    EXPECT_EQ(w.Label4.Caption(), last);
    EXPECT_EQ(services.beeps, 0);
}

TEST_F(StepModeWindowTest, AStationWithoutRowsStaysEmptyThroughTheModeSwitch) {
    Hyser_Step_Mode& w = start();
    stepTo(w, 4);
    services.expectMessage();
    choose(u"伊吹山"_s);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].prompt, u"該当するレコードが見つかりません"_s);
    EXPECT_EQ(w.Label29.Caption(), u"伊吹山"_s);
    EXPECT_TRUE(w.drawing().empty());
    w.Check2.setValue(0);
    EXPECT_EQ(w.Label29.Caption(), u"伊吹山"_s) << "not another station's row";
    EXPECT_EQ(w.Label2(1).Caption(), QString());
    w.SpinButton2.spinUp();
    EXPECT_EQ(w.Label55.Caption(), u"2"_s);
    EXPECT_TRUE(w.drawing().empty());
    EXPECT_EQ(services.messages.size(), 1u) << "a year without a row only beeps";
}

TEST_F(StepModeWindowTest, OpeningThisWindowLeavesTheMainWindowsDataAndSteppingAlone) {
    forms::AppInfo::setPath(fixture.build());
    ASSERT_EQ(app::startProgram(), -1);
    hythergraph::Hyser_Main& main = mainWindow();
    const auto normals = main.Heinen_Rs;
    const auto years = main.Hyser_Rs;
    main.menu(u"Step_Run"_s).click();
    Hyser_Step_Mode& w = instance<Hyser_Step_Mode>();
    EXPECT_EQ(main.Heinen_Rs, normals);
    EXPECT_EQ(main.Hyser_Rs, years);
    EXPECT_NE(w.Heinen_Rs, normals) << "its own recordsets";
    EXPECT_NE(w.Hyser_Rs, years);

    // This window's stepping moves its own record only.
    w.SpinButton1.spinUp();
    EXPECT_NE(w.Label29.Caption(), u"東京"_s);
    EXPECT_EQ(main.Label36.Caption(), u"東京"_s);
    // The main window steps on from its own record.
    const QString next = w.Label29.Caption();
    main.SpinButton1.spinUp();
    EXPECT_EQ(main.Label29.Caption(), next);
    main.SpinButton1.spinDown();
    EXPECT_EQ(main.Label29.Caption(), u"東京"_s);
}

TEST_F(StepModeWindowTest, ThisWindowsPointSizeAndScaleLeaveTheMainWindowsMarkersCentred) {
    Hyser_Step_Mode& w = start();
    hythergraph::Hyser_Main& main = mainWindow();
    w.menu(u"Point_Very_Big"_s).click();
    w.CheckBox4.click();
    EXPECT_EQ(w.state.Rain_Scale, 22);
    main.SpinButton1.spinUp();
    main.SpinButton1.spinDown();
    EXPECT_EQ(main.state.Point_Width, 0);
    EXPECT_EQ(main.state.Rain_Scale, 11);
    EXPECT_TRUE(main.menu(u"Point_Mid"_s).Checked());
    for (int i = 1; i <= 12; ++i) {
        SCOPED_TRACE(i);
        const Shape& marker = main.Shape3(i);
        EXPECT_EQ(marker.Width(), 90);
        EXPECT_DOUBLE_EQ(marker.Left(), main.state.Plot_X[i] - 45) << "centred across its point";
        EXPECT_DOUBLE_EQ(marker.Top(), main.state.Plot_Y[i] - 30);
    }
    for (const DrawOp& op : main.drawing()) EXPECT_EQ(op.width, 6);
}

TEST_F(StepModeWindowTest, ClosingLeavesTheProgramRunningAndReopeningStartsAtStepOne) {
    Hyser_Step_Mode& first = start();
    stepTo(first, 7);
    first.menu(u"Form_end"_s).click();
    EXPECT_FALSE(isLoaded<Hyser_Step_Mode>());
    EXPECT_FALSE(services.endedWith.has_value());
    EXPECT_TRUE(mainWindow().Visible());
    collectUnloadedForms();
    mainWindow().menu(u"Step_Run"_s).click();
    Hyser_Step_Mode& again = instance<Hyser_Step_Mode>();
    EXPECT_EQ(again.Label55.Caption(), u"1"_s);
    EXPECT_EQ(again.Step_No, 1);
    EXPECT_EQ(again.drawing().size(), 2u);
}

TEST_F(StepModeWindowTest, ADatabaseGoneBetweenTwoSwitchesLeavesTheWindowAsItWas) {
    Hyser_Step_Mode& w = start();
    stepTo(w, 2);
    QFile::remove(fixture.folder() + u"/Hyther_DB/Kanto_Hyser_Data.mdb"_s);
    services.expectMessage();
    w.Check2.setValue(0);
    EXPECT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(w.Check2.Value(), 1);
    EXPECT_EQ(w.Label19.Caption(), u"平年値"_s);
    EXPECT_EQ(w.Label55.Caption(), u"2"_s);
    EXPECT_EQ(w.drawing().size(), 4u);
}

}  // namespace
