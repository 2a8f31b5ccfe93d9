// The climograph window's menus and check boxes: chart options and window sizes, the
// confetti, the view schemes and printing, the capture to bitmaps, and the way to every
// other window.
#include "chart/CScreenCapture.h"
#include "chart/CaptureFile.h"
#include "chart/CaptureFolder.h"
#include "chart/ColourSchemes.h"
#include "chart/WindowSizes.h"
#include "climograph/Uonz_Main.h"
#include "platform/forms/Placement.h"
#include "platform/forms/Services.h"
#include "platform/forms/Text.h"
#include "platform/forms/Twips.h"
#include "platform/shell/Files.h"
#include "windows/Navigation.h"

#include <QFontMetricsF>

#include <array>
#include <cmath>
#include <optional>

using namespace chart;
using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace climograph {
namespace {

constexpr Color kText = kSysButtonText;

using windows::Family;
using windows::navigation;
using windows::showFromMenu;
using windows::Window;
using windows::wireRegionMenus;

}  // namespace

void Uonz_Main::wireMenus() {
    CheckBox1.onClick = [this] { CheckBox1_Click(); };
    CheckBox3.onChange = [this] { CheckBox3_Change(); };
    CheckBox4.onClick = [this] { CheckBox4_Click(); };
    Timer1.onTimer = [this] { confettiDots(); };
    const std::pair<const char16_t*, void (Uonz_Main::*)()> items[] = {
        {u"Point_Very_Big", &Uonz_Main::Point_Very_Big_Click},
        {u"Point_Big", &Uonz_Main::Point_Big_Click},
        {u"Point_Mid", &Uonz_Main::Point_Mid_Click},
        {u"Point_Mini", &Uonz_Main::Point_Mini_Click},
        {u"Yo_tatenaga_Max", &Uonz_Main::Yo_tatenaga_Max_Click},
        {u"Yokohaba_defolt", &Uonz_Main::Yokohaba_defolt_Click},
        {u"Paper_Fubuki", &Uonz_Main::Paper_Fubuki_Click},
        {u"View_White", &Uonz_Main::View_White_Click},
        {u"View_gray", &Uonz_Main::View_gray_Click},
        {u"View_BKWT", &Uonz_Main::View_BKWT_Click},
        {u"View_Color", &Uonz_Main::View_Color_Click},
        {u"Print_White", &Uonz_Main::Print_White_Click},
        {u"Print_Black_White", &Uonz_Main::Print_Black_White_Click},
        {u"Print_Gray", &Uonz_Main::Print_Gray_Click},
        {u"Cap_White", &Uonz_Main::Cap_White_Click},
        {u"Cap_Gray", &Uonz_Main::Cap_Gray_Click},
        {u"Orvell_web", &Uonz_Main::Orvell_web_Click},
    };
    for (const auto& [name, handler] : items) {
        menu(QString::fromUtf16(name)).onClick = [this, handler] { (this->*handler)(); };
    }
    wireRegionMenus(*this, Family::Climograph);
    const std::pair<QString, Window> windowItems[] = {
        {u"Step_Run"_s, Window::StepMode},          {u"auto_View"_s, Window::Hythergraph},  {u"graph_2_mode_U"_s, Window::TwoGraph},
        {u"syudou"_s, Window::ClimographInput},     {u"Readme_View"_s, Window::Readme},     {u"kisyou_data"_s, Window::WeatherData},
        {u"install_Guide"_s, Window::InstallGuide}, {u"Readme_New_dev"_s, Window::History}, {u"kisyocho_V"_s, Window::Browser},
    };
    for (const auto& [name, target] : windowItems) {
        menu(name).onClick = [this, target] { showFromMenu(*this, target); };
    }
    // The version window is centred exactly, whatever its state.
    menu(u"ver_access"_s).onClick = [this] {
        BusyScope busy(*this);
        placeAndShow(navigation().form(Window::About), Placement::Centre);
    };
}

void Uonz_Main::redraw() {
    Hyouji();
    Hyouji_Uonz();
    Kion_Color();
}

// --- Chart options --------------------------------------------------------------------------

void Uonz_Main::CheckBox1_Click() {
    if (modes_.reverting() || Label55.Caption() != u"日本"_s) return;
    Command1_Click();
    Cls();
    Line_Reset();
    Check2.setValue(0);
    // Piling up starts from the year a station choice starts from.
    Label4.setCaption(QString::number(windows::kChoiceYear));
    // Look the shown station up again first: the table to bind is the one it shows.
    Heinen_Name();
    DB_conect();
    redraw();
}

void Uonz_Main::CheckBox3_Change() {
    if (CheckBox3.Value()) {
        for (int i = 1; i <= 12; ++i) Label28(i).setVisible(true);
        redraw();
    } else {
        for (int i = 1; i <= 12; ++i) Label28(i).setVisible(false);
    }
}

void Uonz_Main::CheckBox4_Click() {
    const bool halved = CheckBox4.Value();
    Cls();
    state.Rain_Scale = halved ? kRainScaleHalved : kRainScale;
    for (int i = 1; i <= 6; ++i) Label13(i).setCaption(QString::number((halved ? 200 : 100) * i));
    // The four-digit captions at the top would not fit their place at full size.
    Label13(5).setFontSize(halved ? 14 : 18);
    Label13(6).setFontSize(halved ? 14 : 18);
    redraw();
}

void Uonz_Main::pointSize(const QString& item, int width, double offset, double size) {
    state.Point_Width = width;
    state.Mark_DX = offset;
    state.Mark_DY = offset;
    for (int i = 1; i <= 13; ++i) {
        Shape3(i).setWidth(size);
        Shape3(i).setHeight(size);
    }
    for (const QString& name : {u"Point_Very_Big"_s, u"Point_Big"_s, u"Point_Mid"_s, u"Point_Mini"_s}) {
        menu(name).setChecked(name == item);
    }
    redraw();
}

// Each size keeps the marker's centre 15 twips right of and below its point.
void Uonz_Main::Point_Very_Big_Click() { pointSize(u"Point_Very_Big"_s, 12, 75, 180); }
void Uonz_Main::Point_Big_Click() { pointSize(u"Point_Big"_s, 8, 45, 120); }
void Uonz_Main::Point_Mid_Click() { pointSize(u"Point_Mid"_s, 6, 30, 90); }
void Uonz_Main::Point_Mini_Click() { pointSize(u"Point_Mini"_s, 4, 15, 60); }

void Uonz_Main::Yo_tatenaga_Max_Click() { sizeChartWindow(*this, chart::ChartWindowSize::Tall); }

void Uonz_Main::Yokohaba_defolt_Click() { sizeChartWindow(*this, chart::ChartWindowSize::Standard); }

// --- Confetti -------------------------------------------------------------------------------

namespace {

// The sixteen colours of the classic palette, &HBBGGRR.
constexpr Color kPalette[16] = {0x0,      0x800000, 0x8000, 0x808000, 0x80, 0x800080, 0x8080, 0xC0C0C0,
                                0x808080, 0xFF0000, 0xFF00, 0xFFFF00, 0xFF, 0xFF00FF, 0xFFFF, 0xFFFFFF};
constexpr int kConfettiPen = 3;          // pixels; no point size of the chart draws this wide
constexpr int kDotsPerTick = 24;         // a tick every 15 ms: as lively as a loop without pause
constexpr std::size_t kMostDots = 6000;  // the oldest go first, so painting never slows down

}  // namespace

bool Uonz_Main::confettiRunning() const { return Timer1.Enabled(); }

// The animation runs from the window's timer, so it cannot re-enter itself and stops with
// the window; choosing the item again stops it too. It draws in the window's own units,
// and gives the pen and the text colour back after each dot, so the charts drawn while
// or after it runs land where they belong.
void Uonz_Main::Paper_Fubuki_Click() {
    if (confettiRunning()) {
        Timer1.setEnabled(false);
        return;
    }
    Cls();
    const QString message = u"おめでとう !"_s;
    FontDesign font;
    font.size = 40;
    setFont(font);
    const QFontMetricsF metrics(toQFont(font));
    setCurrentX(clientWidthTwips() / 2 - textWidthTwips(font, message) / 2);
    setCurrentY(clientHeightTwips() / 2 - metrics.height() * kTwipsPerPixel);
    const Color pen = ForeColor();
    setForeColor(kPalette[6]);
    Print(message);
    setForeColor(pen);
    Timer1.setEnabled(true);
}

void Uonz_Main::confettiDots() {
    const int pen = DrawWidth();
    setDrawWidth(kConfettiPen);
    std::uniform_real_distribution<double> r(0.0, 1.0);
    for (int i = 0; i < kDotsPerTick; ++i) {
        const double x = r(confettiRandom_) * clientWidthTwips();
        const double y = r(confettiRandom_) * clientHeightTwips();
        // Halves round to the even index, so 0 and 15 come half as often as the others.
        const auto n = static_cast<std::size_t>(std::nearbyint(r(confettiRandom_) * 15));
        PSet(x, y, kPalette[n]);
    }
    setDrawWidth(pen);
    if (drawing().size() > kMostDots) {
        std::vector<DrawOp> kept;
        kept.reserve(kMostDots);
        std::size_t drop = drawing().size() - kMostDots / 2;
        for (const DrawOp& op : drawing()) {
            if (drop > 0 && op.kind == DrawOp::Point && op.width == kConfettiPen) {
                --drop;
                continue;
            }
            kept.push_back(op);
        }
        restoreDrawing(std::move(kept));
    }
}

// --- View schemes -------------------------------------------------------------------------

// A new background colour wipes the drawing surface; the view, print and capture items
// only recolour, so the years piled up by 累積表示 come back as they were drawn.
void Uonz_Main::setBackColorKeepingChart(Color c) {
    std::vector<DrawOp> kept = drawing();
    setBackColor(c);
    if (drawing().size() != kept.size()) restoreDrawing(std::move(kept));
}

void Uonz_Main::setBackground(Color c) {
    setBackColorKeepingChart(c);
    for (Control* ctl : std::initializer_list<Control*>{&Label9, &Label19, &Label11, &Label16, &Label17, &Label14, &CheckBox1, &Check2}) {
        ctl->setBackColor(c);
    }
    for (int i = 0; i <= 6; ++i) {
        Label12(i).setBackColor(c);
        Label13(i).setBackColor(c);
    }
    for (int i = 0; i <= 12; ++i) Label52(i).setBackColor(c);
}

void Uonz_Main::View_White_Click() {
    setBackground(kWhite);
    menu(u"View_gray"_s).setEnabled(true);
    menu(u"View_White"_s).setEnabled(false);
    if (!CheckBox1.Value()) Line_Set();
}

void Uonz_Main::View_gray_Click() {
    setBackground(kPale);
    menu(u"View_gray"_s).setEnabled(false);
    menu(u"View_White"_s).setEnabled(true);
    if (!CheckBox1.Value()) Line_Set();
}

namespace {

// One row of the two schemes: the controls and the colours カラー画面 and 白黒画面 give
// them; an empty colour is left as it is.
struct SchemeRow {
    std::vector<Control*> controls;
    std::optional<Color> colourBack, colourFore, bwBack, bwFore;
};

void paintScheme(const std::vector<SchemeRow>& rows, bool blackAndWhite) {
    for (const SchemeRow& row : rows) {
        const std::optional<Color> back = blackAndWhite ? row.bwBack : row.colourBack;
        const std::optional<Color> fore = blackAndWhite ? row.bwFore : row.colourFore;
        for (Control* c : row.controls) paint(*c, back, fore);
    }
}

template <class T>
std::vector<Control*> all(const ControlArray<T>& a, int from, int to) {
    std::vector<Control*> out;
    for (int i = from; i <= to; ++i) out.push_back(&a(i));
    return out;
}

}  // namespace

namespace {

// Both schemes recolour the same controls; the band colours of the cells come from
// Kion_Color in the colour scheme.
std::vector<SchemeRow> schemeRows(Uonz_Main& w) {
    const std::nullopt_t none = std::nullopt;
    std::vector<SchemeRow> rows = {
        {{&w.Label9}, kPale, 0x4000, kWhite, kText},
        {{&w.Label11}, kPale, 0x80, kWhite, kText},
        {{&w.Label14}, kPale, 0x4000, kWhite, kText},
        {{&w.Label16, &w.Label17, &w.CheckBox1}, kPale, none, kWhite, none},
        {{&w.Check2}, kPale, 0x40, kWhite, kText},
        {all(w.Label12, 0, 3), kPale, 0x40, kWhite, kText},
        {all(w.Label12, 4, 6), kPale, 0x800000, kWhite, kText},
        {all(w.Label13, 0, 6), kPale, 0x4000, kWhite, kText},
        {all(w.Label52, 0, 12), kPale, 0x4000, kWhite, kText},
        {{&w.Label29}, 0xC0FFC0, 0x4000, kWhite, kText},
        {{&w.Label55}, 0xC0C0FF, 0x800000, kWhite, kText},
        {{&w.Label5}, 0xC0FFFF, 0x80, kWhite, kText},
        {{&w.Label6}, 0xC0FFFF, 0x4000, kWhite, kText},
        {{&w.Label10}, 0xC0FFFF, kText, kWhite, kText},
        {all(w.lblLabels, 3, 15), 0xC0FFFF, none, kWhite, kText},
        {all(w.Label2, 1, 13), none, 0xC0, kWhite, kText},
        {all(w.Label3, 1, 13), none, 0x4000, kWhite, kText},
        {{&w.Label25, &w.Label23, &w.Label24, &w.Label26, &w.Label27, &w.Label38}, 0xFFC0FF, kText, kWhite, kText},
        {{&w.Label56}, 0xFFC0FF, none, kWhite, none},
        {{&w.Label20, &w.Label21, &w.Label22}, none, 0x800000, kWhite, kText},
        {{&w.Label1}, none, 0x800000, none, kText},
        {{&w.Label39}, none, 0xFF00FF, kWhite, kText},
        {{&w.Label19}, none, 0xFF0000, none, kText},
        {all(w.Label28, 1, 13), none, 0x4000, none, kText},
        {{&w.Label8}, 0xFFFFC0, kText, kWhite, kText},
        {all(w.Label51, 1, 12), 0xC000, none, 0x909090, none},
    };
    return rows;
}

}  // namespace

void Uonz_Main::View_BKWT_Click() {
    setBackColorKeepingChart(kWhite);
    paintScheme(schemeRows(*this), true);
    // The markers take the button-text colour as they are placed.
    if (!CheckBox1.Value()) Line_Set_BW();
}

void Uonz_Main::View_Color_Click() {
    setBackColorKeepingChart(kPale);
    paintScheme(schemeRows(*this), false);
    for (int m = 1; m <= 12; ++m) {
        lblLabels(kMonthRows[m].caption).setForeColor(kMonthRows[m].captionFore);
        Shape3(m).setBackColor(kMonthRows[m].marker);
        Shape3(m).setBorderColor(kMonthRows[m].marker);
    }
    lblLabels(7).setForeColor(0x4000);
    redraw();
    if (!CheckBox1.Value()) Line_Set();
}

// --- Printing ----------------------------------------------------------------------------

void Uonz_Main::print() {
    try {
        PrintForm();
    } catch (const std::exception& e) {
        MsgBox(QString::fromStdString(e.what()), vbExclamation);
    }
}

// The print items recolour only the background and what stands on it; the piled-up
// years of 累積表示 are printed as they are.
void Uonz_Main::Print_White_Click() {
    setBackColorKeepingChart(kWhite);
    for (Control* c : std::initializer_list<Control*>{&Label9, &Label11, &Check2}) c->setBackColor(kWhite);
    for (int i = 0; i <= 6; ++i) {
        Label12(i).setBackColor(kWhite);
        Label13(i).setBackColor(kWhite);
    }
    for (int i = 0; i <= 12; ++i) Label52(i).setBackColor(kWhite);
    menu(u"View_gray"_s).setEnabled(true);
    menu(u"View_White"_s).setEnabled(false);
    if (!CheckBox1.Value()) Line_Set();
    print();
}

void Uonz_Main::Print_Black_White_Click() {
    View_BKWT_Click();
    print();
}

void Uonz_Main::Print_Gray_Click() {
    View_Color_Click();
    setBackColorKeepingChart(kPale);
    Label9.setBackColor(kPale);
    Label11.setBackColor(kPale);
    for (int i = 0; i <= 6; ++i) {
        Label12(i).setBackColor(kPale);
        Label13(i).setBackColor(kPale);
    }
    for (int i = 0; i <= 12; ++i) Label52(i).setBackColor(kPale);
    menu(u"View_gray"_s).setEnabled(false);
    menu(u"View_White"_s).setEnabled(true);
    if (!CheckBox1.Value()) Line_Set();
    print();
}

// --- Capture -----------------------------------------------------------------------------

void Uonz_Main::Cap_White_Click() { capture(&Uonz_Main::View_White_Click); }
void Uonz_Main::Cap_Gray_Click() { capture(&Uonz_Main::View_gray_Click); }

void Uonz_Main::capture(void (Uonz_Main::*view)()) {
    // Menu picks wait until the capture is done.
    BusyScope busy(*this);
    (this->*view)();
    if (!CheckBox1.Value()) Line_Set();
    const std::array<Control*, 5> hidden = {&Command1, &CheckBox1, &CheckBox3, &CheckBox4, &Check2};
    for (Control* c : hidden) c->setVisible(false);
    SpinButton1.setLeft(22000);
    // The controls come back however the capture ends.
    struct PutBack {
        Uonz_Main& w;
        const std::array<Control*, 5>& controls;
        ~PutBack() {
            for (Control* c : controls) c->setVisible(true);
            w.SpinButton1.setLeft(8250);
        }
    } putBack{*this, hidden};
    Uonz_Capture();
}

void Uonz_Main::Make_Folda() {
    const CaptureFolder folder = makeCaptureFolder(AppInfo::Path(), shell::safeFileName(Label36.Caption(), u"名称未設定"_s));
    Cap_Folder = folder.path;
    capturesBesideProgram_ = folder.besideProgram;
}

void Uonz_Main::Uonz_Capture() {
    const auto holder = []() -> PictureBox& { return navigation().form(Window::CaptureHolder).control<PictureBox>(u"picCapture"_s); };
    if (!chart::captureChart(
            *Screen_Cap, Label36.Caption(), Label4.Caption(), u"_Uonz.bmp"_s, [this] { Make_Folda(); }, Cap_Folder, holder, Cap_File))
        return;
    showCaptureNotice(navigation().form(Window::CaptureNotice), capturesBesideProgram_, Cap_Folder);
}

// --- The maker's site ------------------------------------------------------------------------

void Uonz_Main::Orvell_web_Click() { windows::openProgramPage(); }

}  // namespace climograph
