#include "input/InputWindow.h"

#include "chart/CScreenCapture.h"
#include "chart/CaptureFile.h"
#include "chart/CaptureFolder.h"
#include "chart/ColourSchemes.h"
#include "chart/WindowSizes.h"
#include "platform/forms/Placement.h"
#include "platform/forms/Services.h"
#include "platform/forms/Text.h"

#include <QScopedValueRollback>

#include <optional>

using namespace chart;
using namespace forms;
using namespace Qt::Literals::StringLiterals;
using windows::navigation;
using windows::Window;

namespace input {
namespace {

constexpr Color kText = kSysButtonText;

// The month check's box: キャンセル, 再試行 (the default) and 続行, with the stop sign.
constexpr int kCheckStyle = vbCancelTryContinue + vbCritical + vbDefaultButton2;

}  // namespace

InputWindow::InputWindow(FormDesign design, Traits traits) : Form(std::move(design)), traits_(std::move(traits)) { wire(); }

InputWindow::~InputWindow() = default;

void InputWindow::wire() {
    for (int i = 1; i <= 13; ++i) {
        Text3(i).onLostFocus = [this, i] { Text3_LostFocus(i); };
        Text4(i).onLostFocus = [this, i] { Text4_LostFocus(i); };
    }
    for (TextBox* box : {&Text5, &Text6, &Text7}) box->onLostFocus = [this, box] { showAsRead(*box); };
    Command2.onClick = [this] { Command2_Click(); };
    Command1.onClick = [this] { Command1_Click(); };
    Command1.onGotFocus = [this] { Command1_GotFocus(); };
    CheckBox3.onChange = [this] { CheckBox3_Change(); };
    CheckBox4.onClick = [this] { CheckBox4_Click(); };
    const std::pair<const char16_t*, void (InputWindow::*)()> items[] = {
        {u"clear_suuji", &InputWindow::clear_suuji_Click},
        {u"Form_end", &InputWindow::Form_end_Click},
        {u"Yo_tatenaga_Max", &InputWindow::Yo_tatenaga_Max_Click},
        {u"Yokohaba_defolt", &InputWindow::Yokohaba_defolt_Click},
        {u"View_White", &InputWindow::View_White_Click},
        {u"View_gray", &InputWindow::View_gray_Click},
        {u"View_BKWT", &InputWindow::View_BKWT_Click},
        {u"View_Color", &InputWindow::View_Color_Click},
        {u"Print_White", &InputWindow::Print_White_Click},
        {u"Print_Black_White", &InputWindow::Print_Black_White_Click},
        {u"Print_Gray", &InputWindow::Print_Gray_Click},
        {u"Cap_White", &InputWindow::Cap_White_Click},
        {u"Cap_Gray", &InputWindow::Cap_Gray_Click},
    };
    for (const auto& [name, handler] : items) {
        menu(QString::fromUtf16(name)).onClick = [this, handler] { (this->*handler)(); };
    }
    menu(u"auto_View"_s).onClick = [this] { windows::showFromMenu(*this, traits_.databaseWindow); };
    menu(u"Rain_Ondo_Graph"_s).onClick = [this] { windows::showFromMenu(*this, traits_.otherChart); };
    menu(u"Readme_View"_s).onClick = [this] { windows::showFromMenu(*this, Window::Readme); };
    menu(u"kisyou_data"_s).onClick = [this] { windows::showFromMenu(*this, Window::WeatherData); };
    menu(u"install_Guide"_s).onClick = [this] { windows::showFromMenu(*this, Window::InstallGuide); };
    // The version window is centred exactly, whatever its state.
    menu(u"ver_access"_s).onClick = [this] {
        BusyScope busy(*this);
        placeAndShow(navigation().form(Window::About), Placement::Centre);
    };
}

// --- Start-up and end -----------------------------------------------------------------------

void InputWindow::Form_Load() {
    if (AppInfo::PrevInstance()) {
        MsgBox(u" すでに起動しています "_s);
        AppInfo::End(1);
        return;
    }
    startState();
    setWidth(12000);

    windows::showSplash();
    placeAndShow(*this, Placement::AboveCentre);
    windows::unloadSplash();

    setDrawWidth(6);
    Text1.SetFocus();
    Screen_Cap = std::make_unique<CScreenCapture>();
    Screen_Cap->setForm(this);
}

// Only this window goes; the program and the other windows carry on.
void InputWindow::Form_end_Click() { Unload(); }

// --- Typing ---------------------------------------------------------------------------------

void InputWindow::Text3_LostFocus(int index) { checkMonthBox(Text3(index)); }
void InputWindow::Text4_LostFocus(int index) { checkMonthBox(Text4(index)); }

void InputWindow::checkMonthBox(TextBox& box) {
    // Leaving the other box while the focus goes back to this one is not the user's.
    if (returningFocus_) return;
    const QString text = box.Text();
    if (!failsCheck(text)) {
        showAsRead(box);
        redraw();
        return;
    }
    markFailedCheck(box);
    if (MsgBox(u"このデータで良いですか。"_s, kCheckStyle, u"入力チェック"_s) == vbContinue) return;
    // 再試行 and キャンセル: back to the box, its text selected for the correction. The box
    // the user was moving to shows no selection of its own meanwhile.
    const QScopedValueRollback<bool> guard(returningFocus_, true);
    if (auto* next = dynamic_cast<TextBox*>(ActiveControl()); next && next != &box) next->setSelStart(0);
    box.SetFocus();
    box.setSelStart(0);
    box.setSelLength(static_cast<int>(box.Text().size()));
}

// A value typed with the input method on ("１２．５", "３５．７Ｎ") shows as the window reads
// it once the user leaves its box, as a spreadsheet shows a number typed in full width:
// the user sees it was taken as a number, and it fits its box beside the others.
void InputWindow::showAsRead(TextBox& box) { box.setText(asciiForms(box.Text())); }

void InputWindow::redraw() {
    Command1_Click();
    drawChart();
    Kion_Color();
}

void InputWindow::Kion_Color() {
    std::array<float, 14> kionVal{};
    colourInputBoxes(boxes, kionVal);
}

void InputWindow::Command2_Click() { redraw(); }

void InputWindow::Command1_Click() {
    Cls();
    Line_Reset();
}

// Tabbing onto クリア clears the chart as a click does.
void InputWindow::Command1_GotFocus() { Command1_Click(); }

void InputWindow::clear_suuji_Click() {
    for (int i = 1; i <= 13; ++i) {
        for (TextBox* box : {&Text3(i), &Text4(i)}) {
            box->setText(QString());
            box->setBackColor(kSysWindow);
        }
    }
    for (TextBox* box : {&Text5, &Text6, &Text7}) {
        box->setText(QString());
        box->setBackColor(kSysWindow);
    }
}

// --- Chart options --------------------------------------------------------------------------

void InputWindow::CheckBox3_Change() {
    for (int i = 1; i <= 12; ++i) Label28(i).setVisible(CheckBox3.Value());
    if (!CheckBox3.Value()) return;
    drawChart();
    Kion_Color();
}

void InputWindow::pointSize(const QString& item, int width, double dx, double dy, double size) {
    setPointSize(width, dx, dy, size);
    for (const QString& name : {u"Point_Very_Big"_s, u"Point_Big"_s, u"Point_Mid"_s, u"Point_Mini"_s}) {
        menu(name).setChecked(name == item);
    }
    drawChart();
    Kion_Color();
}

// The check mark moves to the size item picked (the climograph window has no 横幅最大).
void InputWindow::Yo_tatenaga_Max_Click() { sizeChartWindow(*this, chart::ChartWindowSize::Tall); }

void InputWindow::Yokohaba_defolt_Click() { sizeChartWindow(*this, chart::ChartWindowSize::Standard); }

// --- Looks ----------------------------------------------------------------------------------

// A new background wipes the drawing surface; every look ends with a drawing.
void InputWindow::setBackground(Color c) {
    setBackColor(c);
    for (Label* l : {&Label9, &Label11, &Label14}) l->setBackColor(c);
    for (int i = 0; i <= 6; ++i) {
        Label12(i).setBackColor(c);
        Label13(i).setBackColor(c);
    }
}

void InputWindow::View_White_Click() {
    setBackground(kWhite);
    paintBackground(kWhite);
    menu(u"View_gray"_s).setEnabled(true);
    menu(u"View_White"_s).setEnabled(false);
    Line_Set();
}

void InputWindow::View_gray_Click() {
    setBackground(kPale);
    paintBackground(kPale);
    menu(u"View_gray"_s).setEnabled(false);
    menu(u"View_White"_s).setEnabled(true);
    Line_Set();
}

void InputWindow::View_BKWT_Click() {
    setBackground(kWhite);
    for (Control* c : std::initializer_list<Control*>{&Text1, &Text8, &Label5, &Label6, &Label23, &Label24, &Label26, &Label27, &Text5,
                                                      &Text6, &Text7}) {
        paint(*c, kWhite, kText);
    }
    for (Control* c : std::initializer_list<Control*>{&Label10, &Label25, &Label8}) paint(*c, kWhite, std::nullopt);
    for (Control* c : std::initializer_list<Control*>{&Text2, &Label9, &Label11, &Label14}) paint(*c, std::nullopt, kText);
    for (int i = 3; i <= 15; ++i) paint(lblLabels(i), kWhite, kText);
    for (int i = 1; i <= 13; ++i) {
        paint(Text3(i), kWhite, kText);
        paint(Text4(i), kWhite, kText);
        paint(Label28(i), std::nullopt, kText);
    }
    for (int i = 0; i <= 6; ++i) {
        paint(Label12(i), std::nullopt, kText);
        paint(Label13(i), std::nullopt, kText);
    }
    markFailedBoxes();
    paintBlackAndWhite();
    Line_Set_BW();
}

// A box whose text the check refused keeps its mark in every look until it is corrected.
void InputWindow::markFailedBoxes() {
    for (int i = 1; i <= 13; ++i) {
        for (TextBox* box : {&Text3(i), &Text4(i)}) {
            if (failsCheck(box->Text())) markFailedCheck(*box);
        }
    }
}

void InputWindow::View_Color_Click() {
    setBackground(kPale);
    paint(Text1, 0xC0FFC0, 0x4000);
    paint(Text8, 0xC0C0FF, 0x800000);
    paint(Text2, traits_.yearBackInColour, traits_.yearForeInColour);
    paint(Label9, std::nullopt, 0x4000);
    paint(Label5, 0xC0FFFF, 0x80);
    paint(Label6, 0xC0FFFF, 0x4000);
    paint(Label10, 0xC0FFFF, std::nullopt);
    paint(Label25, 0xFFC0FF, std::nullopt);
    for (Control* c : std::initializer_list<Control*>{&Label23, &Label24, &Label26, &Label27}) paint(*c, 0xFFC0FF, kText);
    for (Control* c : std::initializer_list<Control*>{&Text5, &Text6, &Text7}) paint(*c, kWhite, 0x800000);
    for (int m = 1; m <= 12; ++m) {
        paint(lblLabels(kMonthRows[m].caption), 0xC0FFFF, kMonthRows[m].captionFore);
        paint(Shape3(m), kMonthRows[m].marker, kMonthRows[m].marker);
    }
    paint(lblLabels(kYearRowCaption), 0xC0FFFF, 0x4000);
    for (int i = 1; i <= 13; ++i) paint(Label28(i), std::nullopt, 0x4000);
    for (int i = 0; i <= 6; ++i) {
        paint(Label12(i), std::nullopt, i <= 3 ? 0x40 : 0x800000);
        paint(Label13(i), std::nullopt, 0x4000);
    }
    paint(Label11, std::nullopt, 0x80);
    paint(Label14, std::nullopt, 0x4000);
    paint(Label8, 0xFFFFC0, std::nullopt);
    paintColour();
    redrawInColour();
}

// --- Printing -------------------------------------------------------------------------------

void InputWindow::print() {
    try {
        PrintForm();
    } catch (const std::exception& e) {
        MsgBox(QString::fromStdString(e.what()), vbExclamation);
    }
}

// The value table keeps its colours: only the background goes white.
void InputWindow::Print_White_Click() {
    setBackground(kWhite);
    menu(u"View_gray"_s).setEnabled(true);
    menu(u"View_White"_s).setEnabled(false);
    Line_Set();
    print();
}

void InputWindow::Print_Black_White_Click() {
    View_BKWT_Click();
    print();
}

void InputWindow::Print_Gray_Click() {
    View_Color_Click();
    setBackground(kPale);
    menu(u"View_gray"_s).setEnabled(false);
    menu(u"View_White"_s).setEnabled(true);
    Line_Set();
    print();
}

// --- Capture --------------------------------------------------------------------------------

void InputWindow::Cap_White_Click() { showWithout(&InputWindow::View_White_Click); }
void InputWindow::Cap_Gray_Click() { showWithout(&InputWindow::View_gray_Click); }

// The capture shows the chart on the chosen background without the buttons and check boxes.
void InputWindow::showWithout(void (InputWindow::*look)()) {
    // Menu picks wait until the capture is done.
    BusyScope busy(*this);
    (this->*look)();
    // They come back however the capture ends, the focus with them.
    const HiddenControls hidden(*this, {&Command1, &Command2, &CheckBox3, &CheckBox4});
    captureWindow();
}

void InputWindow::Make_Folda() {
    const CaptureFolder folder = makeCaptureFolder(AppInfo::Path(), captureName(Text1.Text()));
    Cap_Folder = folder.path;
    capturesBesideProgram_ = folder.besideProgram;
}

void InputWindow::captureWindow() {
    const auto holder = []() -> PictureBox& { return navigation().form(Window::CaptureHolder).control<PictureBox>(u"picCapture"_s); };
    if (!chart::captureChart(
            *Screen_Cap, Text1.Text(), Text2.Text(), traits_.captureSuffix, [this] { Make_Folda(); }, Cap_Folder, holder, Cap_File))
        return;
    showCaptureNotice(navigation().form(Window::CaptureNotice), capturesBesideProgram_, Cap_Folder);
}

}  // namespace input
