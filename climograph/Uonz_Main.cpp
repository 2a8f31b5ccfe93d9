#include "climograph/Uonz_Main.h"

#include "chart/ColourSchemes.h"
#include "platform/forms/Text.h"
#include "platform/forms/Twips.h"

#include <QFontMetricsF>

#include <cmath>

using namespace chart;
using namespace forms;
using namespace Qt::Literals::StringLiterals;
using stationwindow::members;
using windows::Window;

namespace climograph {
namespace {

const stationwindow::Traits kTraits{
    .family = windows::Family::Climograph,
    .recordLabels = {u"Label54"_s, u"Label53"_s},
    .areaCell = u"Label55"_s,
    .tableCell = u"Label45"_s,
    .yearCaption = u"Label56"_s,
    .lookup = data::lookupPickedStation,
    // The climograph leaves the focus with the spin button after a step.
    .focusModeBoxAfterStep = false,
    .cumulativeShowsYears = true,
    .elevationAsNumber = true,
    .captureSuffix = u"_Uonz.bmp"_s,
    .captureHidesCommand = true,
    // Each size keeps the marker's centre 15 twips right of and below its point.
    .pointSizes = {{{12, 75, 75, 180}, {8, 45, 45, 120}, {6, 30, 30, 90}, {4, 15, 15, 60}}},
    .markedMonths = 13,
    // Its 手動入力 item opens the main window.
    .windowItems = {{u"auto_View"_s, Window::Hythergraph}},
};

}  // namespace

Uonz_Main::Uonz_Main() : StationWindow(design(), kTraits) {
    Timer1.onTimer = [this] { confettiDots(); };
    menu(u"Paper_Fubuki"_s).onClick = [this] { Paper_Fubuki_Click(); };
}

// The paths of the data stay relative to the folder the main window's start-up made
// current; this window never changes it.
void Uonz_Main::loadState() {
    state.Mark_DX = 30;
    state.Mark_DY = 30;
}

void Uonz_Main::loadScales() { state.Rain_Scale = kRainScale; }

void Uonz_Main::Hyouji_Uonz() {
    showRow();
    plotClimograph(uonz, state, geometry);
}

void Uonz_Main::Month_Set_U(int month) { chart::Month_Set_U(uonz, state, geometry, month); }
void Uonz_Main::Line_Set() { chart::Line_Set(uonz, state, geometry); }
void Uonz_Main::Line_Set_BW() { chart::Line_Set(uonz, state, geometry, true); }
void Uonz_Main::Line_Reset() { chart::Line_Reset(uonz, geometry); }
void Uonz_Main::Kion_Color() { colourValueTable(valueTable, state); }

void Uonz_Main::changeScale(bool halved) {
    Cls();
    state.Rain_Scale = halved ? kRainScaleHalved : kRainScale;
    for (int i = 1; i <= 6; ++i) Label13(i).setCaption(QString::number((halved ? 200 : 100) * i));
    // The four-digit captions at the top would not fit their place at full size.
    Label13(5).setFontSize(halved ? 14 : 18);
    Label13(6).setFontSize(halved ? 14 : 18);
}

void Uonz_Main::takePointSize(const stationwindow::PointSizeLook& look) {
    state.Point_Width = look.width;
    state.Mark_DX = look.dx;
    state.Mark_DY = look.dy;
}

// --- Looks -----------------------------------------------------------------------------------

std::vector<Control*> Uonz_Main::groundExtras() {
    std::vector<Control*> extras = {&Label19, &Label14};
    for (Control* c : printGroundExtras()) extras.push_back(c);
    return extras;
}

std::vector<Control*> Uonz_Main::printGroundExtras() { return members(Label52, 0, 12); }

void Uonz_Main::addSchemeRows(std::vector<stationwindow::SchemeRow>& rows) {
    const stationwindow::Look white{kWhite, kSysButtonText};
    rows.push_back({{&Label14}, {{{kPale, 0x4000}, white}}});
    rows.push_back({members(Label52, 0, 12), {{{kPale, 0x4000}, white}}});
    rows.push_back({members(Label51, 1, 12), {{{0xC000, std::nullopt}, {0x909090, std::nullopt}}}});
}

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

}  // namespace climograph
