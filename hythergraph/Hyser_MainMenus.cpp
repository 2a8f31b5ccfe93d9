// The main window's menus and check boxes: chart options and window sizes, the view
// schemes and printing, the capture to bitmaps, and the way to every other window.
#include "hythergraph/Hyser_Main.h"

#include "chart/CScreenCapture.h"
#include "chart/CaptureFile.h"
#include "chart/CaptureFolder.h"
#include "chart/ColourSchemes.h"
#include "chart/HythergraphLooks.h"
#include "chart/WindowSizes.h"
#include "platform/forms/Placement.h"
#include "platform/forms/Services.h"
#include "platform/forms/Text.h"
#include "platform/shell/Files.h"
#include "windows/Navigation.h"
#include "windows/StationOwner.h"

#include <optional>

using namespace chart;
using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace hythergraph {
namespace {

using windows::Family;
using windows::navigation;
using windows::showFromMenu;
using windows::Window;
using windows::wireRegionMenus;

// Where the window's design puts a control across.
double designLeft(const QString& name) {
    static const FormDesign design = Hyser_Main::design();
    for (const ControlDesign& c : design.controls) {
        if (c.name == name) return c.left;
    }
    throw std::logic_error("no such control in the design");
}

}  // namespace

void Hyser_Main::wireMenus() {
    CheckBox1.onClick = [this] { CheckBox1_Click(); };
    CheckBox3.onChange = [this] { CheckBox3_Change(); };
    CheckBox4.onClick = [this] { CheckBox4_Click(); };
    const std::pair<const char16_t*, void (Hyser_Main::*)()> items[] = {
        {u"Point_Very_Big", &Hyser_Main::Point_Very_Big_Click},
        {u"Point_Big", &Hyser_Main::Point_Big_Click},
        {u"Point_Mid", &Hyser_Main::Point_Mid_Click},
        {u"Point_Mini", &Hyser_Main::Point_Mini_Click},
        {u"Yokohaba_wide", &Hyser_Main::Yokohaba_wide_Click},
        {u"Yo_tatenaga_Max", &Hyser_Main::Yo_tatenaga_Max_Click},
        {u"Yokohaba_defolt", &Hyser_Main::Yokohaba_defolt_Click},
        {u"View_White", &Hyser_Main::View_White_Click},
        {u"View_gray", &Hyser_Main::View_gray_Click},
        {u"View_BKWT", &Hyser_Main::View_BKWT_Click},
        {u"View_Color", &Hyser_Main::View_Color_Click},
        {u"Print_White", &Hyser_Main::Print_White_Click},
        {u"Print_Black_White", &Hyser_Main::Print_Black_White_Click},
        {u"Print_Gray", &Hyser_Main::Print_Gray_Click},
        {u"Cap_White", &Hyser_Main::Cap_White_Click},
        {u"Cap_Gray", &Hyser_Main::Cap_Gray_Click},
        {u"Orvell_web", &Hyser_Main::Orvell_web_Click},
    };
    for (const auto& [name, handler] : items) {
        menu(QString::fromUtf16(name)).onClick = [this, handler] { (this->*handler)(); };
    }
    wireRegionMenus(*this, Family::Hythergraph);
    menu(u"Step_Run"_s).onClick = [this] { showFromMenu(*this, Window::StepMode); };
    menu(u"Rain_Ondo_Graph"_s).onClick = [this] { showFromMenu(*this, Window::Climograph); };
    menu(u"graph_2_mode"_s).onClick = [this] { showFromMenu(*this, Window::TwoGraph); };
    menu(u"auto_View"_s).onClick = [this] { showFromMenu(*this, Window::HytherInput); };
    menu(u"F_keppen"_s).onClick = [this] { showFromMenu(*this, Window::Koppen); };
    menu(u"F_keppen_2"_s).onClick = [this] { showFromMenu(*this, Window::KoppenDetail); };
    menu(u"tuki_set"_s).onClick = [this] { showFromMenu(*this, Window::MonthNumberTool, Placement::ToolOffset); };
    menu(u"Readme_View"_s).onClick = [this] { showFromMenu(*this, Window::Readme); };
    menu(u"kisyou_data"_s).onClick = [this] { showFromMenu(*this, Window::WeatherData); };
    menu(u"kisyocho_V"_s).onClick = [this] { showFromMenu(*this, Window::Browser); };
    menu(u"install_Guide"_s).onClick = [this] { showFromMenu(*this, Window::InstallGuide); };
    menu(u"Readme_New_dev"_s).onClick = [this] { showFromMenu(*this, Window::History); };
    // The version window is centred exactly, whatever its state.
    menu(u"ver_access"_s).onClick = [this] {
        BusyScope busy(*this);
        placeAndShow(navigation().form(Window::About), Placement::Centre);
    };
}

void Hyser_Main::redraw() {
    Hyouji();
    Hyouji_Hyther();
    Kion_Color();
}

// --- Chart options --------------------------------------------------------------------------

void Hyser_Main::CheckBox1_Click() {
    if (Label53.Caption() != u"日本"_s) return;
    Command1_Click();
    Cls();
    Line_Reset();
    // Piling up starts from the year a station choice starts from.
    Label4.setCaption(QString::number(windows::kChoiceYear));
    // Look the shown station up again first: the table to bind is this window's own.
    Heinen_Name();
    DB_conect();
    redraw();
}

void Hyser_Main::CheckBox3_Change() {
    showMonthNumbers(*this, CheckBox3.Value());
    if (CheckBox3.Value()) redraw();
}

void Hyser_Main::CheckBox4_Click() {
    changePrecipitationScale(*this, state, CheckBox4.Value());
    redraw();
}

void Hyser_Main::pointSize(PointSize size) {
    setPointSize(*this, state, size);
    redraw();
}

void Hyser_Main::Point_Very_Big_Click() { pointSize(PointSize::VeryBig); }
void Hyser_Main::Point_Big_Click() { pointSize(PointSize::Big); }
void Hyser_Main::Point_Mid_Click() { pointSize(PointSize::Mid); }
void Hyser_Main::Point_Mini_Click() { pointSize(PointSize::Mini); }

void Hyser_Main::Yokohaba_wide_Click() { sizeChartWindow(*this, chart::ChartWindowSize::Wide); }

void Hyser_Main::Yo_tatenaga_Max_Click() { sizeChartWindow(*this, chart::ChartWindowSize::Tall); }

void Hyser_Main::Yokohaba_defolt_Click() { sizeChartWindow(*this, chart::ChartWindowSize::Standard); }

// --- View schemes -------------------------------------------------------------------------

void Hyser_Main::setBackColorKeepingChart(Color c) { chart::setBackColorKeepingChart(*this, c); }

void Hyser_Main::setBackground(Color c) { chart::hythergraphGround(*this, c); }

void Hyser_Main::View_White_Click() {
    setBackground(kWhite);
    menu(u"View_gray"_s).setEnabled(true);
    menu(u"View_White"_s).setEnabled(false);
    if (!CheckBox1.Value()) Line_Set();
}

void Hyser_Main::View_gray_Click() {
    setBackground(kPale);
    menu(u"View_gray"_s).setEnabled(false);
    menu(u"View_White"_s).setEnabled(true);
    if (!CheckBox1.Value()) Line_Set();
}

void Hyser_Main::View_BKWT_Click() {
    chart::hythergraphBlackAndWhite(*this);
    if (!CheckBox1.Value()) Line_Set_BW();
}

void Hyser_Main::View_Color_Click() {
    chart::hythergraphColours(*this);
    redraw();
    if (!CheckBox1.Value()) Line_Set();
}

// --- Printing ----------------------------------------------------------------------------

void Hyser_Main::print() {
    try {
        PrintForm();
    } catch (const std::exception& e) {
        // The toolkit's message already says that printing failed, and why.
        MsgBox(QString::fromStdString(e.what()), vbExclamation);
    }
}

void Hyser_Main::Print_White_Click() {
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

void Hyser_Main::Print_Black_White_Click() {
    View_BKWT_Click();
    print();
}

void Hyser_Main::Print_Gray_Click() {
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

void Hyser_Main::Cap_White_Click() { capture(&Hyser_Main::View_White_Click); }
void Hyser_Main::Cap_Gray_Click() { capture(&Hyser_Main::View_gray_Click); }

void Hyser_Main::capture(void (Hyser_Main::*view)()) {
    // Menu picks wait until the capture is done.
    BusyScope busy(*this);
    (this->*view)();
    if (!CheckBox1.Value()) Line_Set();
    Command1.setLeft(20000);
    CheckBox1.setVisible(false);
    CheckBox3.setVisible(false);
    CheckBox4.setVisible(false);
    Check2.setVisible(false);
    SpinButton1.setLeft(22000);
    // The controls come back however the capture ends.
    struct PutBack {
        Hyser_Main& w;
        ~PutBack() {
            w.Command1.setLeft(designLeft(w.Command1.Name()));
            w.CheckBox1.setVisible(true);
            w.CheckBox3.setVisible(true);
            w.CheckBox4.setVisible(true);
            w.Check2.setVisible(true);
            w.SpinButton1.setLeft(designLeft(w.SpinButton1.Name()));
        }
    } putBack{*this};
    Hyther_Capture();
}

void Hyser_Main::Make_Folda() {
    const CaptureFolder folder = makeCaptureFolder(AppInfo::Path(), shell::safeFileName(Label36.Caption(), u"名称未設定"_s));
    Cap_Folder = folder.path;
    capturesBesideProgram_ = folder.besideProgram;
}

void Hyser_Main::Hyther_Capture() {
    const auto holder = []() -> PictureBox& { return navigation().form(Window::CaptureHolder).control<PictureBox>(u"picCapture"_s); };
    if (!chart::captureChart(
            *Screen_Cap, Label36.Caption(), Label4.Caption(), u"_Hyser.bmp"_s, [this] { Make_Folda(); }, Cap_Folder, holder, Cap_File))
        return;
    showCaptureNotice(navigation().form(Window::CaptureNotice), capturesBesideProgram_, Cap_Folder);
}

// --- The maker's site ------------------------------------------------------------------------

void Hyser_Main::Orvell_web_Click() { windows::openProgramPage(); }

}  // namespace hythergraph
