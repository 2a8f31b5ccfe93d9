// The step-mode window's menus and check boxes: chart options and window sizes, the
// looks and printing, the capture to bitmaps, and the way to the other windows.
#include "stepmode/Hyser_Step_Mode.h"

#include "chart/CScreenCapture.h"
#include "chart/CaptureFile.h"
#include "chart/CaptureFolder.h"
#include "chart/ColourSchemes.h"
#include "chart/HythergraphLooks.h"
#include "chart/WindowSizes.h"
#include "platform/forms/Placement.h"
#include "platform/forms/Services.h"
#include "platform/forms/Text.h"
#include "windows/Navigation.h"

#include <optional>

using namespace chart;
using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace stepmode {
namespace {

using windows::Family;
using windows::navigation;
using windows::showFromMenu;
using windows::Window;
using windows::wireRegionMenus;

}  // namespace

void Hyser_Step_Mode::wireMenus() {
    CheckBox1.onClick = [this] { CheckBox1_Click(); };
    CheckBox3.onChange = [this] { CheckBox3_Change(); };
    CheckBox4.onClick = [this] { CheckBox4_Click(); };
    const std::pair<const char16_t*, void (Hyser_Step_Mode::*)()> items[] = {
        {u"Point_Very_Big", &Hyser_Step_Mode::Point_Very_Big_Click},
        {u"Point_Big", &Hyser_Step_Mode::Point_Big_Click},
        {u"Point_Mid", &Hyser_Step_Mode::Point_Mid_Click},
        {u"Point_Mini", &Hyser_Step_Mode::Point_Mini_Click},
        {u"Yokohaba_wide", &Hyser_Step_Mode::Yokohaba_wide_Click},
        {u"Yo_tatenaga_Max", &Hyser_Step_Mode::Yo_tatenaga_Max_Click},
        {u"Yokohaba_defolt", &Hyser_Step_Mode::Yokohaba_defolt_Click},
        {u"View_White", &Hyser_Step_Mode::View_White_Click},
        {u"View_gray", &Hyser_Step_Mode::View_gray_Click},
        {u"View_BKWT", &Hyser_Step_Mode::View_BKWT_Click},
        {u"View_Color", &Hyser_Step_Mode::View_Color_Click},
        {u"Print_White", &Hyser_Step_Mode::Print_White_Click},
        {u"Print_Black_White", &Hyser_Step_Mode::Print_Black_White_Click},
        {u"Print_Gray", &Hyser_Step_Mode::Print_Gray_Click},
        {u"Cap_White", &Hyser_Step_Mode::Cap_White_Click},
        {u"Cap_Gray", &Hyser_Step_Mode::Cap_Gray_Click},
        {u"Orvell_web", &Hyser_Step_Mode::Orvell_web_Click},
    };
    for (const auto& [name, handler] : items) {
        menu(QString::fromUtf16(name)).onClick = [this, handler] { (this->*handler)(); };
    }
    wireRegionMenus(*this, Family::StepMode);
    const std::pair<const char16_t*, Window> windows[] = {
        {u"Rain_Ondo_Graph", Window::Climograph}, {u"graph_2_mode", Window::TwoGraph},
        {u"auto_View", Window::HytherInput},      {u"F_keppen", Window::Koppen},
        {u"F_keppen_2", Window::KoppenDetail},    {u"Readme_View", Window::Readme},
        {u"kisyou_data", Window::WeatherData},    {u"kisyocho_V", Window::Browser},
        {u"install_Guide", Window::InstallGuide}, {u"Readme_New_dev", Window::History},
    };
    for (const auto& [name, w] : windows) {
        menu(QString::fromUtf16(name)).onClick = [this, w] { showFromMenu(*this, w); };
    }
    // The tool moves the main window's month numbers; its item here is hidden and disabled.
    menu(u"tuki_set"_s).onClick = [this] { showFromMenu(*this, Window::MonthNumberTool, Placement::ToolOffset); };
    // The version window is centred exactly, whatever its state.
    menu(u"ver_access"_s).onClick = [this] {
        BusyScope busy(*this);
        placeAndShow(navigation().form(Window::About), Placement::Centre);
    };
}

void Hyser_Step_Mode::redraw() {
    Hyouji();
    Hyouji_Hyther();
    Kion_Color();
}

// --- Chart options --------------------------------------------------------------------------

// Piling years up, or stopping, starts the steps again from January.
void Hyser_Step_Mode::CheckBox1_Click() {
    if (modes_.reverting()) return;
    if (Label53.Caption() != u"日本"_s) return;
    Command1_Click();
    Cls();
    Line_Reset();
    Label4.setCaption(QString::number(windows::kChoiceYear));
    // Look the shown station up again first: the table to bind is this window's own.
    Heinen_Name();
    DB_conect();
    redraw();
}

void Hyser_Step_Mode::CheckBox3_Change() {
    showMonthNumbers(*this, CheckBox3.Value());
    if (CheckBox3.Value()) redraw();
}

void Hyser_Step_Mode::CheckBox4_Click() {
    changePrecipitationScale(*this, state, CheckBox4.Value());
    redraw();
}

void Hyser_Step_Mode::pointSize(PointSize size) {
    setPointSize(*this, state, size);
    redraw();
}

void Hyser_Step_Mode::Point_Very_Big_Click() { pointSize(PointSize::VeryBig); }
void Hyser_Step_Mode::Point_Big_Click() { pointSize(PointSize::Big); }
void Hyser_Step_Mode::Point_Mid_Click() { pointSize(PointSize::Mid); }
void Hyser_Step_Mode::Point_Mini_Click() { pointSize(PointSize::Mini); }

void Hyser_Step_Mode::Yokohaba_wide_Click() { sizeChartWindow(*this, chart::ChartWindowSize::Wide); }

void Hyser_Step_Mode::Yo_tatenaga_Max_Click() { sizeChartWindow(*this, chart::ChartWindowSize::Tall); }

void Hyser_Step_Mode::Yokohaba_defolt_Click() { sizeChartWindow(*this, chart::ChartWindowSize::Standard); }

// --- Looks -------------------------------------------------------------------------------

void Hyser_Step_Mode::setBackColorKeepingChart(Color c) { chart::setBackColorKeepingChart(*this, c); }

void Hyser_Step_Mode::setBackground(Color c) { chart::hythergraphGround(*this, c); }

void Hyser_Step_Mode::View_White_Click() {
    setBackground(kWhite);
    menu(u"View_gray"_s).setEnabled(true);
    menu(u"View_White"_s).setEnabled(false);
    if (!CheckBox1.Value()) Line_Set();
}

void Hyser_Step_Mode::View_gray_Click() {
    setBackground(kPale);
    menu(u"View_gray"_s).setEnabled(false);
    menu(u"View_White"_s).setEnabled(true);
    if (!CheckBox1.Value()) Line_Set();
}

void Hyser_Step_Mode::View_BKWT_Click() {
    chart::hythergraphBlackAndWhite(*this);
    Label55.setBackColor(kWhite);
    Label55.setForeColor(kSysButtonText);
    if (!CheckBox1.Value()) Line_Set_BW();
}

void Hyser_Step_Mode::View_Color_Click() {
    chart::hythergraphColours(*this);
    Label55.setBackColor(0xFFFF);
    Label55.setForeColor(0xC000C0);
    redraw();
    if (!CheckBox1.Value()) Line_Set();
}

// --- Printing ----------------------------------------------------------------------------

void Hyser_Step_Mode::print() {
    try {
        PrintForm();
    } catch (const std::exception& e) {
        // The toolkit's message already says that printing failed, and why.
        MsgBox(QString::fromStdString(e.what()), vbExclamation);
    }
}

void Hyser_Step_Mode::Print_White_Click() {
    for (Control* c : std::initializer_list<Control*>{&Label9, &Label11, &Check2}) c->setBackColor(kWhite);
    setBackColorKeepingChart(kWhite);
    for (int i = 0; i <= 6; ++i) {
        Label12(i).setBackColor(kWhite);
        Label13(i).setBackColor(kWhite);
    }
    menu(u"View_gray"_s).setEnabled(true);
    menu(u"View_White"_s).setEnabled(false);
    if (!CheckBox1.Value()) Line_Set();
    print();
}

void Hyser_Step_Mode::Print_Black_White_Click() {
    View_BKWT_Click();
    print();
}

void Hyser_Step_Mode::Print_Gray_Click() {
    View_Color_Click();
    setBackColorKeepingChart(kPale);
    Label9.setBackColor(kPale);
    Label11.setBackColor(kPale);
    for (int i = 0; i <= 6; ++i) {
        Label12(i).setBackColor(kPale);
        Label13(i).setBackColor(kPale);
    }
    menu(u"View_gray"_s).setEnabled(false);
    menu(u"View_White"_s).setEnabled(true);
    if (!CheckBox1.Value()) Line_Set();
    print();
}

// --- Capture -----------------------------------------------------------------------------

void Hyser_Step_Mode::Cap_White_Click() { capture(&Hyser_Step_Mode::View_White_Click); }
void Hyser_Step_Mode::Cap_Gray_Click() { capture(&Hyser_Step_Mode::View_gray_Click); }

void Hyser_Step_Mode::capture(void (Hyser_Step_Mode::*view)()) {
    // Menu picks wait until the capture is done.
    BusyScope busy(*this);
    (this->*view)();
    if (!CheckBox1.Value()) Line_Set();
    // The year's buttons leave the picture; the step counter stays in it.
    struct PutBack {
        Hyser_Step_Mode& w;
        double command1Left = w.Command1.Left();
        double spinLeft = w.SpinButton1.Left();
        ~PutBack() {
            w.Command1.setLeft(command1Left);
            w.SpinButton1.setLeft(spinLeft);
            for (Control* c : std::initializer_list<Control*>{&w.CheckBox1, &w.CheckBox3, &w.CheckBox4, &w.Check2}) c->setVisible(true);
        }
    } putBack{*this};
    Command1.setLeft(20000);
    for (Control* c : std::initializer_list<Control*>{&CheckBox1, &CheckBox3, &CheckBox4, &Check2}) c->setVisible(false);
    SpinButton1.setLeft(22000);
    Hyther_Capture();
}

void Hyser_Step_Mode::Make_Folda() {
    const CaptureFolder folder = makeCaptureFolder(AppInfo::Path(), captureName(Label36.Caption()));
    Cap_Folder = folder.path;
    capturesBesideProgram_ = folder.besideProgram;
}

void Hyser_Step_Mode::Hyther_Capture() {
    const auto holder = []() -> PictureBox& { return navigation().form(Window::CaptureHolder).control<PictureBox>(u"picCapture"_s); };
    if (!chart::captureChart(
            *Screen_Cap, Label36.Caption(), Label4.Caption(), u"_Hyser.bmp"_s, [this] { Make_Folda(); }, Cap_Folder, holder, Cap_File))
        return;
    showCaptureNotice(navigation().form(Window::CaptureNotice), capturesBesideProgram_, Cap_Folder);
}

// --- The maker's site ------------------------------------------------------------------------

void Hyser_Step_Mode::Orvell_web_Click() { windows::openProgramPage(); }

}  // namespace stepmode
