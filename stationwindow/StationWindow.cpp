#include "stationwindow/StationWindow.h"

#include "chart/AreaCell.h"
#include "chart/CScreenCapture.h"
#include "chart/CaptureFile.h"
#include "chart/CaptureFolder.h"
#include "chart/ColourBands.h"
#include "chart/ColourSchemes.h"
#include "chart/WindowSizes.h"
#include "platform/forms/Services.h"
#include "platform/forms/Text.h"
#include "platform/shell/Files.h"

using namespace chart;
using namespace forms;
using namespace Qt::Literals::StringLiterals;
using windows::navigation;
using windows::Window;

namespace stationwindow {

void applyScheme(const std::vector<SchemeRow>& rows, Scheme scheme) {
    for (const SchemeRow& row : rows) {
        for (Control* c : row.controls) paint(*c, row.looks[scheme].back, row.looks[scheme].fore);
    }
}

StationWindow::StationWindow(FormDesign design, Traits traits)
    : Form(std::move(design)),
      traits_(std::move(traits)),
      modes_(*this, *this, {normalsConnection, normals, yearsConnection, years, stationNumber, stationTable, findKey},
             {traits_.recordLabels, traits_.areaCell, traits_.tableCell}, windows::kChoiceYear, traits_.focusModeBoxAfterStep) {
    wire();
}

StationWindow::~StationWindow() = default;

void StationWindow::wire() {
    Command1.onClick = [this] { Command1_Click(); };
    Command1.onGotFocus = [this] { Command1_GotFocus(); };
    Check2.onClick = [this] { Check2_Click(); };
    SpinButton1.onSpinUp = [this] { SpinButton1_SpinUp(); };
    SpinButton1.onSpinDown = [this] { SpinButton1_SpinDown(); };
    CheckBox1.onClick = [this] { CheckBox1_Click(); };
    CheckBox3.onChange = [this] { CheckBox3_Change(); };
    CheckBox4.onClick = [this] { CheckBox4_Click(); };
    const std::pair<const char16_t*, std::function<void()>> items[] = {
        {u"Form_end", [this] { Form_end_Click(); }},
        {u"Point_Very_Big", [this] { pointSize(VeryBig); }},
        {u"Point_Big", [this] { pointSize(Big); }},
        {u"Point_Mid", [this] { pointSize(Mid); }},
        {u"Point_Mini", [this] { pointSize(Mini); }},
        {u"Yokohaba_wide", [this] { sizeChartWindow(*this, ChartWindowSize::Wide); }},
        {u"Yo_tatenaga_Max", [this] { sizeChartWindow(*this, ChartWindowSize::Tall); }},
        {u"Yokohaba_defolt", [this] { sizeChartWindow(*this, ChartWindowSize::Standard); }},
        {u"View_White", [this] { View_White_Click(); }},
        {u"View_gray", [this] { View_gray_Click(); }},
        {u"View_BKWT", [this] { View_BKWT_Click(); }},
        {u"View_Color", [this] { View_Color_Click(); }},
        {u"Print_White", [this] { Print_White_Click(); }},
        {u"Print_Black_White", [this] { Print_Black_White_Click(); }},
        {u"Print_Gray", [this] { Print_Gray_Click(); }},
        {u"Cap_White", [this] { Cap_White_Click(); }},
        {u"Cap_Gray", [this] { Cap_Gray_Click(); }},
        // The version window is centred exactly, whatever its state.
        {u"ver_access",
         [this] {
             BusyScope busy(*this);
             placeAndShow(navigation().form(Window::About), Placement::Centre);
         }},
    };
    for (const auto& [name, handler] : items) {
        for (const auto& m : menus()) {
            if (m->Name() == QString::fromUtf16(name)) m->onClick = handler;
        }
    }
    menu(traits_.makersSiteItem).onClick = [this] { Orvell_web_Click(); };
    windows::wireRegionMenus(*this, traits_.family);
    // The items that open other windows, by the names every station chart window gives them.
    std::vector<WindowItem> windowItems = {
        {u"Step_Run"_s, Window::StepMode},
        {u"Rain_Ondo_Graph"_s, Window::Climograph},
        {u"graph_2_mode"_s, Window::TwoGraph},
        {u"graph_2_mode_U"_s, Window::TwoGraph},
        {u"Hyther_mode"_s, Window::Hythergraph},
        {u"auto_View"_s, Window::HytherInput},
        {u"syudou"_s, Window::ClimographInput},
        {u"F_keppen"_s, Window::Koppen},
        {u"F_keppen_2"_s, Window::KoppenDetail},
        {u"tuki_set"_s, Window::MonthNumberTool, Placement::ToolOffset},
        {u"tuki_ichi"_s, Window::TwoGraphTool, Placement::ToolOffset},
        {u"Readme_View"_s, Window::Readme},
        {u"kisyou_data"_s, Window::WeatherData},
        {u"kisyocho_V"_s, Window::Browser},
        {u"install_Guide"_s, Window::InstallGuide},
        {u"Readme_New_dev"_s, Window::History},
    };
    windowItems.insert(windowItems.end(), traits_.windowItems.begin(), traits_.windowItems.end());
    for (const WindowItem& w : windowItems) {
        for (const auto& m : menus()) {
            if (m->Name() == w.item) m->onClick = [this, w] { windows::showFromMenu(*this, w.window, w.placement); };
        }
    }
}

// --- Load and end ----------------------------------------------------------------------------

void StationWindow::Form_Load() {
    if (traits_.startsInProgramFolder) shell::ChDir(AppInfo::Path());
    if (AppInfo::PrevInstance()) {
        MsgBox(u" 複数の起動はできません "_s);
        AppInfo::End(1);
        return;
    }
    loadState();

    windows::showSplash();
    setWidth(12000);
    placeAndShow(*this, Placement::AboveCentre);
    windows::unloadSplash();

    setDrawWidth(6);
    loadScales();
    modes_.openAtStart();
    Label4.setCaption(Label1.Caption());
    setArea(control<Label>(traits_.recordLabels.normalsArea).Caption());
    Hyouji();
    Hyouji_Hyther();
    Kion_Color();

    Screen_Cap = std::make_unique<CScreenCapture>();
    Screen_Cap->setForm(this);
    Check2.SetFocus();
    SpinButton1.SetFocus();
}

// Closing the main window ends the program. Closing another leaves the program and its
// open pickers running: a choice on one of them loads the window again.
void StationWindow::Form_Unload(int&) {
    if (traits_.endsProgram) AppInfo::End(0);
}

// 終了 of the main window ends the program; the others close only themselves.
void StationWindow::Form_end_Click() {
    if (traits_.endsProgram) return AppInfo::End(0);
    Unload();
}

// --- The records -----------------------------------------------------------------------------

void StationWindow::Heinen_Name() { modes_.lookUp(); }
void StationWindow::DB_conect() { modes_.bind(); }
void StationWindow::Hyouji() { modes_.find(); }

const data::Station_Ref& StationWindow::stationNamed(const QString& caption) const { return traits_.lookup(caption); }

void StationWindow::showRow() {
    const int mode = Check2.Value();
    // The marks belong to single years; in normal values they stay hidden.
    Label49.setVisible(mode == 0 && !Label47.Caption().isEmpty());
    Label50.setVisible(mode == 0 && !Label48.Caption().isEmpty());
    if (mode != 0 && mode != 1) return;
    const bool normalValues = mode == 1;
    fillValueTable(Label2, Label3, normalValues ? Label30 : Label40, normalValues ? Label31 : Label41);
    // The area of the row shown: a single year's table says 日本, which is also what lets
    // 累積表示 pile up the years.
    const data::RecordLabels& areas = traits_.recordLabels;
    setArea(control<Label>(normalValues ? areas.normalsArea : areas.yearsArea).Caption());
    Label20.setCaption((normalValues ? Label32 : Label42).Caption());
    Label21.setCaption((normalValues ? Label33 : Label43).Caption());
    const QString elevation = (normalValues ? Label34 : Label44).Caption();
    Label22.setCaption(traits_.elevationAsNumber && !isMissing(elevation) ? Str(Val(elevation)) : elevation);
}

void StationWindow::redraw() {
    Hyouji();
    Hyouji_Hyther();
    Kion_Color();
}

void StationWindow::drawRow() {
    Hyouji_Hyther();
    Kion_Color();
}

void StationWindow::setArea(const QString& area) { showArea(control<Label>(traits_.areaCell), area); }

// --- The buttons and boxes -----------------------------------------------------------------

void StationWindow::clearChart() {
    Label15.setCaption(u"0"_s);
    Label16.setCaption(u"0"_s);
    Cls();
    Line_Reset();
}

void StationWindow::Command1_Click() {
    clearChart();
    if (Check2.Enabled()) Check2.SetFocus();
}

void StationWindow::Command1_GotFocus() { clearChart(); }

void StationWindow::Check2_Click() { modes_.switchMode(); }
void StationWindow::SpinButton1_SpinUp() { modes_.step(1); }
void StationWindow::SpinButton1_SpinDown() { modes_.step(-1); }

// Piling up the years of a Japanese station starts again from the year a station choice
// starts from. The window's own untick, from the switch to normal values, starts nothing.
void StationWindow::CheckBox1_Click() {
    if (modes_.reverting() || control<Label>(traits_.areaCell).Caption() != u"日本"_s) return;
    Command1_Click();
    Cls();
    Line_Reset();
    if (traits_.cumulativeShowsYears) Check2.setValue(0);
    Label4.setCaption(QString::number(windows::kChoiceYear));
    // Look the shown station up again first: the table to bind is this window's own.
    Heinen_Name();
    DB_conect();
    redraw();
}

void StationWindow::CheckBox3_Change() {
    const bool shown = CheckBox3.Value();
    for (const QString& name : traits_.monthNumberArrays) {
        const ControlArray<Label> numbers = controls<Label>(name);
        for (int i = 1; i <= 12; ++i) numbers(i).setVisible(shown);
    }
    if (shown) redraw();
}

void StationWindow::CheckBox4_Click() {
    changeScale(CheckBox4.Value());
    redraw();
}

void StationWindow::pointSize(PointSize size) {
    const PointSizeLook& look = traits_.pointSizes[size];
    takePointSize(look);
    for (const QString& name : traits_.markerArrays) {
        const ControlArray<Shape> markers = controls<Shape>(name);
        for (int i = 1; i <= traits_.markedMonths; ++i) {
            markers(i).setWidth(look.side);
            markers(i).setHeight(look.side);
        }
    }
    const char16_t* const items[] = {u"Point_Very_Big", u"Point_Big", u"Point_Mid", u"Point_Mini"};
    for (int i = VeryBig; i <= Mini; ++i) menu(QString::fromUtf16(items[i])).setChecked(i == size);
    redraw();
}

// --- Looks -----------------------------------------------------------------------------------

// A new background colour wipes the drawing surface; the looks, print and capture items
// only recolour, so the years piled up by 累積表示 come back as they were drawn.
void StationWindow::setBackColorKeepingChart(Color c) {
    std::vector<DrawOp> kept = drawing();
    setBackColor(c);
    if (drawing().size() != kept.size()) restoreDrawing(std::move(kept));
}

void StationWindow::ground(Color c) {
    setBackColorKeepingChart(c);
    std::vector<Control*> painted = {&Label9, &Label11, &Label16, &Label17, &CheckBox1, &Check2};
    for (Control* extra : groundExtras()) painted.push_back(extra);
    for (Control* p : painted) p->setBackColor(c);
    for (int i = 0; i <= 6; ++i) {
        Label12(i).setBackColor(c);
        Label13(i).setBackColor(c);
    }
}

void StationWindow::groundChanged() {
    if (!CheckBox1.Value()) Line_Set();
}

void StationWindow::View_White_Click() {
    ground(kWhite);
    menu(u"View_gray"_s).setEnabled(true);
    menu(u"View_White"_s).setEnabled(false);
    groundChanged();
}

void StationWindow::View_gray_Click() {
    ground(kPale);
    menu(u"View_gray"_s).setEnabled(false);
    menu(u"View_White"_s).setEnabled(true);
    groundChanged();
}

// The rows every station chart window shares; the cells of the month rows and the
// markers come last, over the captions' common colours.
std::vector<SchemeRow> StationWindow::schemeRows() {
    constexpr Color kText = kSysButtonText;
    const Look white{kWhite, kText}, whiteBack{kWhite, std::nullopt};
    std::vector<SchemeRow> rows = {
        {{&Label9}, {{{kPale, 0x4000}, white}}},
        {{&Label11}, {{{kPale, 0x80}, white}}},
        {{&Check2}, {{{kPale, 0x40}, white}}},
        {{&Label16, &Label17, &CheckBox1}, {{{kPale, std::nullopt}, whiteBack}}},
        {members(Label12, 0, 3), {{{kPale, 0x40}, white}}},
        {members(Label12, 4, 6), {{{kPale, 0x800000}, white}}},
        {members(Label13, 0, 6), {{{kPale, 0x4000}, white}}},
        {{&Label29}, {{{0xC0FFC0, 0x4000}, white}}},
        {{&control<Label>(traits_.areaCell)}, {{{0xC0C0FF, 0x800000}, white}}},
        {{&Label5}, {{{0xC0FFFF, 0x80}, white}}},
        {{&Label6}, {{{0xC0FFFF, 0x4000}, white}}},
        {{&Label10}, {{{0xC0FFFF, kText}, white}}},
        {{&Label25, &Label23, &Label24, &Label26, &Label27, &Label38}, {{{0xFFC0FF, kText}, white}}},
        {{&control<Label>(traits_.yearCaption)}, {{{0xFFC0FF, std::nullopt}, whiteBack}}},
        {{&Label20, &Label21, &Label22}, {{{std::nullopt, 0x800000}, white}}},
        {{&Label1}, {{{std::nullopt, 0x800000}, {std::nullopt, kText}}}},
        {{&Label39}, {{{std::nullopt, 0xFF00FF}, white}}},
        {{&Label19}, {{{std::nullopt, 0xFF0000}, {std::nullopt, kText}}}},
        {{&Label8}, {{{0xFFFFC0, kText}, white}}},
        {members(lblLabels, 3, 15), {{{0xC0FFFF, std::nullopt}, white}}},
        {members(Label2, 1, 13), {{{std::nullopt, 0xC0}, white}}},
        {members(Label3, 1, 13), {{{std::nullopt, 0x4000}, white}}},
        {members(Label28, 1, 13), {{{std::nullopt, 0x4000}, {std::nullopt, kText}}}},
        {{&lblLabels(kYearRowCaption)}, {{{std::nullopt, 0x4000}, {}}}},
    };
    for (int m = 1; m <= 12; ++m) {
        rows.push_back({{&lblLabels(kMonthRows[m].caption)}, {{{std::nullopt, kMonthRows[m].captionFore}, {}}}});
        // The black-and-white markers take the button-text colour as they are placed.
        for (const QString& name : traits_.markerArrays) {
            rows.push_back({{&controls<Shape>(name)(m)}, {{{kMonthRows[m].marker, kMonthRows[m].marker}, {}}}});
        }
    }
    addSchemeRows(rows);
    return rows;
}

void StationWindow::View_BKWT_Click() {
    setBackColorKeepingChart(kWhite);
    applyScheme(schemeRows(), BlackAndWhite);
    if (!CheckBox1.Value()) Line_Set_BW();
}

void StationWindow::View_Color_Click() {
    setBackColorKeepingChart(kPale);
    applyScheme(schemeRows(), Colour);
    redraw();
    if (!CheckBox1.Value()) Line_Set();
}

// --- Printing --------------------------------------------------------------------------------

void StationWindow::print() {
    try {
        PrintForm();
    } catch (const std::exception& e) {
        // The toolkit's message already says that printing failed, and why.
        MsgBox(QString::fromStdString(e.what()), vbExclamation);
    }
}

// The print items recolour only the background and what stands on it; the piled-up years
// of 累積表示 are printed as they are.
void StationWindow::printGround(Color c) {
    setBackColorKeepingChart(c);
    std::vector<Control*> painted = {&Label9, &Label11};
    for (int i = 0; i <= 6; ++i) {
        painted.push_back(&Label12(i));
        painted.push_back(&Label13(i));
    }
    for (Control* extra : printGroundExtras()) painted.push_back(extra);
    for (Control* p : painted) p->setBackColor(c);
    menu(u"View_gray"_s).setEnabled(c != kPale);
    menu(u"View_White"_s).setEnabled(c != kWhite);
    if (!CheckBox1.Value()) Line_Set();
    print();
}

void StationWindow::Print_White_Click() {
    Check2.setBackColor(kWhite);
    printGround(kWhite);
}

void StationWindow::Print_Black_White_Click() {
    View_BKWT_Click();
    print();
}

void StationWindow::Print_Gray_Click() {
    View_Color_Click();
    printGround(kPale);
}

// --- Capture ---------------------------------------------------------------------------------

void StationWindow::Cap_White_Click() { capture(true); }
void StationWindow::Cap_Gray_Click() { capture(false); }

// The picture holds the chart and its table, not the buttons and boxes; they come back,
// shown and where they stood, however the capture ends.
void StationWindow::capture(bool white) {
    // Menu picks wait until the capture is done.
    BusyScope busy(*this);
    white ? View_White_Click() : View_gray_Click();
    std::vector<Control*> hidden = {&CheckBox1, &CheckBox3, &CheckBox4, &Check2};
    std::vector<std::pair<Control*, double>> moved = {{&SpinButton1, 22000}};
    if (traits_.captureHidesCommand) {
        hidden.push_back(&Command1);
    } else {
        moved.emplace_back(&Command1, 20000);
    }
    for (Control* c : hiddenInCapture(white)) hidden.push_back(c);
    struct PutBack {
        std::vector<Control*> shown;
        std::vector<std::pair<Control*, double>> places;
        ~PutBack() {
            for (Control* c : shown) c->setVisible(true);
            for (auto [c, left] : places) c->setLeft(left);
        }
    } putBack;
    for (Control* c : hidden) c->setVisible(false);
    putBack.shown = hidden;
    for (auto [c, left] : moved) {
        putBack.places.emplace_back(c, c->Left());
        c->setLeft(left);
    }
    Hyther_Capture();
}

void StationWindow::Make_Folda() {
    const CaptureFolder folder = makeCaptureFolder(AppInfo::Path(), captureName(Label36.Caption()));
    Cap_Folder = folder.path;
    capturesBesideProgram_ = folder.besideProgram;
}

void StationWindow::Hyther_Capture() {
    const auto holder = []() -> PictureBox& { return navigation().form(Window::CaptureHolder).control<PictureBox>(u"picCapture"_s); };
    if (!captureChart(
            *Screen_Cap, Label36.Caption(), Label4.Caption(), traits_.captureSuffix, [this] { Make_Folda(); }, Cap_Folder, holder,
            Cap_File))
        return;
    // A capture that went to the user's data folder says where, or the user would never find it.
    if (!traits_.noticeOnlyElsewhere || !capturesBesideProgram_) {
        showCaptureNotice(navigation().form(Window::CaptureNotice), capturesBesideProgram_, Cap_Folder);
    }
}

// --- The maker's site --------------------------------------------------------------------------

void StationWindow::Orvell_web_Click() { windows::openProgramPage(); }

// --- What the station pickers do to this window ----------------------------------------------

bool StationWindow::showsNormalValues() const { return Check2.Value() == 1; }

void StationWindow::setStationName(const QString& name, double size) {
    Label29.setCaption(name);
    if (size > 0) Label29.setFontSize(size);
}

void StationWindow::takeStationData(std::shared_ptr<ado::Connection> connection, std::shared_ptr<ado::Recordset> recordset) {
    yearsConnection = std::move(connection);
    if (recordset) years = std::move(recordset);
}

// A new station: its month numbers placed by rule again.
void StationWindow::resetForNewStation() {
    tuki_Moved = 0;
    Label4.setCaption(QString::number(windows::kChoiceYear));
    Label15.setCaption(u"0"_s);
    Label16.setCaption(u"0"_s);
}

void StationWindow::setRegion(int region) { Label46.setCaption(QString::number(region)); }
void StationWindow::setNormalValues(bool on) { modes_.handOver(on); }
void StationWindow::setNormalValuesEnabled(bool enabled) { Check2.setEnabled(enabled); }

}  // namespace stationwindow
