// The two-graph window's menus and check boxes: chart options and window sizes, the view
// schemes and printing, the capture to bitmaps, and the way to the other windows.
#include "twograph/Form55.h"

#include "chart/CScreenCapture.h"
#include "chart/CaptureFile.h"
#include "chart/CaptureFolder.h"
#include "chart/ColourSchemes.h"
#include "chart/WindowSizes.h"
#include "platform/forms/Placement.h"
#include "platform/forms/Services.h"
#include "windows/Navigation.h"

#include <optional>

using namespace chart;
using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace twograph {
namespace {

constexpr Color kText = kSysButtonText;

// What the colour look gives the climograph's month axis numbers, by month.
constexpr Color kMonthAxisColours[13] = {0,        0x0,  0xFF0000, 0xFF80FF, 0xFF00, 0x8000,  0xFFFF00,
                                         0xFF00FF, 0xFF, 0x800080, 0x8080,   0x4080, 0xFF8080};

using windows::Family;
using windows::navigation;
using windows::showFromMenu;
using windows::Window;
using windows::wireRegionMenus;

// Where the window's design puts a control across.
double designLeft(const QString& name) {
    static const FormDesign design = Form55::design();
    for (const ControlDesign& c : design.controls) {
        if (c.name == name) return c.left;
    }
    throw std::logic_error("no such control in the design");
}

}  // namespace

void Form55::wireMenus() {
    const std::pair<const char16_t*, void (Form55::*)()> items[] = {
        {u"Point_Very_Big", &Form55::Point_Very_Big_Click},
        {u"Point_Big", &Form55::Point_Big_Click},
        {u"Point_Mid", &Form55::Point_Mid_Click},
        {u"Point_Mini", &Form55::Point_Mini_Click},
        {u"Yokohaba_wide", &Form55::Yokohaba_wide_Click},
        {u"Yo_tatenaga_Max", &Form55::Yo_tatenaga_Max_Click},
        {u"Yokohaba_defolt", &Form55::Yokohaba_defolt_Click},
        {u"View_White", &Form55::View_White_Click},
        {u"View_gray", &Form55::View_gray_Click},
        {u"View_BKWT", &Form55::View_BKWT_Click},
        {u"View_Color", &Form55::View_Color_Click},
        {u"Print_White", &Form55::Print_White_Click},
        {u"Print_Black_White", &Form55::Print_Black_White_Click},
        {u"Print_Gray", &Form55::Print_Gray_Click},
        {u"Cap_White", &Form55::Cap_White_Click},
        {u"Cap_Gray", &Form55::Cap_Gray_Click},
        {u"adsasd", &Form55::adsasd_Click},
    };
    for (const auto& [name, handler] : items) {
        menu(QString::fromUtf16(name)).onClick = [this, handler] { (this->*handler)(); };
    }
    wireRegionMenus(*this, Family::TwoGraph);
    const std::pair<const char16_t*, Window> windowItems[] = {
        {u"Step_Run", Window::StepMode},       {u"Rain_Ondo_Graph", Window::Climograph},
        {u"Hyther_mode", Window::Hythergraph}, {u"auto_View", Window::HytherInput},
        {u"F_keppen", Window::Koppen},         {u"F_keppen_2", Window::KoppenDetail},
        {u"Readme_View", Window::Readme},      {u"kisyou_data", Window::WeatherData},
        {u"kisyocho_V", Window::Browser},      {u"install_Guide", Window::InstallGuide},
        {u"Readme_New_dev", Window::History},
    };
    for (const auto& [name, target] : windowItems) {
        menu(QString::fromUtf16(name)).onClick = [this, target] { showFromMenu(*this, target); };
    }
    menu(u"tuki_ichi"_s).onClick = [this] { showFromMenu(*this, Window::TwoGraphTool, Placement::ToolOffset); };
    // The version window is centred exactly, whatever its state.
    menu(u"ver_access"_s).onClick = [this] {
        BusyScope busy(*this);
        placeAndShow(navigation().form(Window::About), Placement::Centre);
    };
}

void Form55::redraw() {
    Hyouji();
    Hyouji_Hyther();
    Kion_Color();
}

// --- Chart options --------------------------------------------------------------------------

void Form55::CheckBox1_Click() {
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

void Form55::CheckBox3_Change() {
    const bool on = CheckBox3.Value();
    for (int i = 1; i <= 12; ++i) {
        Label28(i).setVisible(on);
        Label57(i).setVisible(on);
    }
    if (on) redraw();
}

void Form55::CheckBox4_Click() {
    const bool changed = CheckBox4.Value();
    Cls();
    hytherState.Rain_Scale = changed ? kRainScaleDoubled : kRainScale;
    hytherState.Temp_Scale = kTempScale;
    for (int i = 1; i <= 6; ++i) Label13(i).setCaption(QString::number((changed ? 50 : 100) * i));
    redraw();
}

// One size for the points and markers of both charts.
void Form55::pointSize(const QString& item, int width, double dx, double dy, double size) {
    hytherState.Point_Width = uonzState.Point_Width = width;
    hytherState.Mark_DX = uonzState.Mark_DX = dx;
    hytherState.Mark_DY = uonzState.Mark_DY = dy;
    for (int i = 1; i <= 12; ++i) {
        for (Shape* marker : {&Shape3(i), &Shape4(i)}) {
            marker->setWidth(size);
            marker->setHeight(size);
        }
    }
    for (const QString& name : {u"Point_Very_Big"_s, u"Point_Big"_s, u"Point_Mid"_s, u"Point_Mini"_s}) {
        menu(name).setChecked(name == item);
    }
    redraw();
}

void Form55::Point_Very_Big_Click() { pointSize(u"Point_Very_Big"_s, 12, 90, 75, 180); }
void Form55::Point_Big_Click() { pointSize(u"Point_Big"_s, 8, 60, 45, 120); }
void Form55::Point_Mid_Click() { pointSize(u"Point_Mid"_s, 6, 45, 30, 90); }
void Form55::Point_Mini_Click() { pointSize(u"Point_Mini"_s, 4, 30, 15, 60); }

void Form55::Yokohaba_wide_Click() { sizeChartWindow(*this, chart::ChartWindowSize::Wide); }

void Form55::Yo_tatenaga_Max_Click() { sizeChartWindow(*this, chart::ChartWindowSize::Tall); }

void Form55::Yokohaba_defolt_Click() { sizeChartWindow(*this, chart::ChartWindowSize::Standard); }

// --- View schemes -------------------------------------------------------------------------

// A new background colour wipes the drawing surface; the view, print and capture items
// only recolour, so the years piled up by 累積表示 come back as they were drawn.
void Form55::setBackColorKeepingChart(Color c) {
    std::vector<DrawOp> kept = drawing();
    setBackColor(c);
    if (drawing().size() != kept.size()) restoreDrawing(std::move(kept));
}

void Form55::setBackground(Color c) {
    setBackColorKeepingChart(c);
    for (Control* ctl : std::initializer_list<Control*>{&Label9, &Label11, &Label16, &Label17, &Label14(0), &CheckBox1, &Check2}) {
        ctl->setBackColor(c);
    }
    for (int i = 0; i <= 6; ++i) {
        Label12(i).setBackColor(c);
        Label13(i).setBackColor(c);
    }
}

void Form55::View_White_Click() {
    setBackground(kWhite);
    menu(u"View_gray"_s).setEnabled(true);
    menu(u"View_White"_s).setEnabled(false);
    if (!CheckBox1.Value()) Hyouji_Hyther();
}

void Form55::View_gray_Click() {
    setBackground(kPale);
    menu(u"View_gray"_s).setEnabled(false);
    menu(u"View_White"_s).setEnabled(true);
    if (!CheckBox1.Value()) Hyouji_Hyther();
}

void Form55::View_BKWT_Click() {
    setBackColorKeepingChart(kWhite);
    for (Control* c : std::initializer_list<Control*>{&Label9, &Label11, &Label16, &Label17, &CheckBox1, &Check2}) c->setBackColor(kWhite);
    for (int i = 0; i <= 6; ++i) {
        paint(Label12(i), kWhite, kText);
        paint(Label13(i), kWhite, kText);
    }
    for (Control* c : std::initializer_list<Control*>{&Label29, &Label53, &Label5, &Label6, &Label10, &Label25, &Label23, &Label24,
                                                      &Label26, &Label27, &Label38, &Label20, &Label21, &Label22, &Label39}) {
        paint(*c, kWhite, kText);
    }
    for (Control* c : std::initializer_list<Control*>{&Label60, &Label8, &Label55}) c->setBackColor(kWhite);
    for (Control* c : std::initializer_list<Control*>{&Label1, &Label9, &Label19, &Check2, &Label11, &Label14(0), &Label14(1)}) {
        c->setForeColor(kText);
    }
    for (int i = 3; i <= 15; ++i) paint(lblLabels(i), kWhite, kText);
    for (int i = 0; i <= 5; ++i) paint(Label58(i), kWhite, kText);
    for (int i = 1; i <= 13; ++i) {
        paint(Label2(i), kWhite, kText);
        paint(Label3(i), kWhite, kText);
        Label28(i).setForeColor(kText);
    }
    for (int i = 1; i <= 12; ++i) {
        Line4(i).setBorderColor(kText);
        Label56(i).setBackColor(0x909090);
        Label59(i).setForeColor(kText);
    }
    if (!CheckBox1.Value()) {
        Line_Set_BW();
        Line_Set_BW_U();
    }
}

void Form55::View_Color_Click() {
    setBackColorKeepingChart(kPale);
    for (Control* c : std::initializer_list<Control*>{&Label9, &Label11, &Label16, &Label17, &Label14(0), &CheckBox1, &Check2}) {
        c->setBackColor(kPale);
    }
    for (int i = 0; i <= 6; ++i) {
        Label12(i).setBackColor(kPale);
        Label13(i).setBackColor(kPale);
    }
    paint(Label29, 0xC0FFC0, 0x4000);
    paint(Label53, 0xC0C0FF, 0x800000);
    paint(Label5, 0xC0FFFF, 0x80);
    paint(Label6, 0xC0FFFF, 0x4000);
    paint(Label10, 0xC0FFFF, kText);
    for (Control* c : std::initializer_list<Control*>{&Label25, &Label23, &Label24, &Label26, &Label27, &Label38})
        paint(*c, 0xFFC0FF, kText);
    paint(Label60, 0xFFC0FF, std::nullopt);
    for (Control* c : std::initializer_list<Control*>{&Label20, &Label21, &Label22, &Label1}) c->setForeColor(0x800000);
    Label39.setForeColor(0xFF00FF);
    Label9.setForeColor(0x4000);
    Label19.setForeColor(0xFF0000);
    Check2.setForeColor(0x40);
    for (int m = 1; m <= 12; ++m) {
        paint(lblLabels(kMonthRows[m].caption), 0xC0FFFF, kMonthRows[m].captionFore);
        for (Shape* marker : {&Shape3(m), &Shape4(m)}) {
            marker->setBackColor(kMonthRows[m].marker);
            marker->setBorderColor(kMonthRows[m].marker);
        }
    }
    paint(lblLabels(kYearRowCaption), 0xC0FFFF, 0x4000);
    paint(Label8, 0xFFFFC0, kText);
    Label55.setBackColor(0xFFFFC0);
    for (int i = 0; i <= 5; ++i) Label58(i).setForeColor(0x4000);
    for (int i = 1; i <= 13; ++i) {
        Label2(i).setForeColor(0xC0);
        Label3(i).setForeColor(0x4000);
        Label28(i).setForeColor(0x4000);
    }
    for (int i = 0; i <= 6; ++i) {
        Label12(i).setForeColor(i <= 3 ? 0x40 : 0x800000);
        Label13(i).setForeColor(0x4000);
    }
    Label11.setForeColor(0x80);
    Label14(0).setForeColor(0x4000);
    Label14(1).setForeColor(0x4000);
    for (int i = 1; i <= 12; ++i) {
        Line4(i).setBorderColor(0xFF);
        Label56(i).setBackColor(0xC000);
        Label59(i).setForeColor(kMonthAxisColours[i]);
    }
    redraw();
    if (!CheckBox1.Value()) Line_Set();
}

// --- Printing ----------------------------------------------------------------------------

void Form55::print() {
    try {
        PrintForm();
    } catch (const std::exception& e) {
        MsgBox(QString::fromStdString(e.what()), vbExclamation);
    }
}

void Form55::Print_White_Click() {
    setBackColorKeepingChart(kWhite);
    for (Control* c : std::initializer_list<Control*>{&Label9, &Label11, &Check2}) c->setBackColor(kWhite);
    for (int i = 0; i <= 6; ++i) {
        Label12(i).setBackColor(kWhite);
        Label13(i).setBackColor(kWhite);
    }
    menu(u"View_White"_s).setEnabled(false);
    menu(u"View_gray"_s).setEnabled(true);
    if (!CheckBox1.Value()) Line_Set();
    print();
}

void Form55::Print_Black_White_Click() {
    View_BKWT_Click();
    print();
}

void Form55::Print_Gray_Click() {
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

// A capture on white also brings the row's ID to light, right of the value table.
void Form55::Cap_White_Click() { capture(&Form55::View_White_Click, true); }
void Form55::Cap_Gray_Click() { capture(&Form55::View_gray_Click, false); }

void Form55::capture(void (Form55::*view)(), bool showIds) {
    // Menu picks wait until the capture is done.
    BusyScope busy(*this);
    (this->*view)();
    for (Control* c : std::initializer_list<Control*>{&Command1, &CheckBox1, &CheckBox3, &CheckBox4, &Check2}) c->setVisible(false);
    SpinButton1.setLeft(22000);
    if (showIds) {
        Label38.setVisible(false);
        Label39.setVisible(false);
    }
    // The controls come back however the capture ends.
    struct PutBack {
        Form55& w;
        bool ids;
        ~PutBack() {
            for (Control* c : std::initializer_list<Control*>{&w.CheckBox1, &w.CheckBox3, &w.CheckBox4, &w.Check2, &w.Command1}) {
                c->setVisible(true);
            }
            w.SpinButton1.setLeft(designLeft(w.SpinButton1.Name()));
            if (ids) {
                w.Label38.setVisible(true);
                w.Label39.setVisible(true);
            }
        }
    } putBack{*this, showIds};
    Hyther_Capture();
}

void Form55::Make_Folda() {
    const CaptureFolder folder = makeCaptureFolder(AppInfo::Path(), captureName(Label36.Caption()));
    Cap_Folder = folder.path;
    capturesBesideProgram_ = folder.besideProgram;
}

// As every chart window's capture, with no notice after it beside the program; a capture
// that went to the user's data folder instead says where, or the user would never find it.
void Form55::Hyther_Capture() {
    const auto holder = []() -> PictureBox& { return navigation().form(Window::CaptureHolder).control<PictureBox>(u"picCapture"_s); };
    if (!chart::captureChart(
            *Screen_Cap, Label36.Caption(), Label4.Caption(), u"_2graph.bmp"_s, [this] { Make_Folda(); }, Cap_Folder, holder, Cap_File))
        return;
    if (!capturesBesideProgram_) showCaptureNotice(navigation().form(Window::CaptureNotice), false, Cap_Folder);
}

// --- The maker's site ------------------------------------------------------------------------

void Form55::adsasd_Click() { windows::openProgramPage(); }

}  // namespace twograph
