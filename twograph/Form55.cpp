#include "twograph/Form55.h"

#include "chart/ColourSchemes.h"

using namespace chart;
using namespace forms;
using namespace Qt::Literals::StringLiterals;
using stationwindow::Look;
using stationwindow::members;

namespace twograph {
namespace {

const stationwindow::Traits kTraits{
    .family = windows::Family::TwoGraph,
    .recordLabels = {u"Label52"_s, u"Label51"_s},
    .areaCell = u"Label53"_s,
    .tableCell = u"Label45"_s,
    .yearCaption = u"Label60"_s,
    .lookup = data::lookupPickedStation,
    .captureSuffix = u"_2graph.bmp"_s,
    .noticeOnlyElsewhere = true,
    .captureHidesCommand = true,
    .makersSiteItem = u"adsasd"_s,
    .markerArrays = {u"Shape3"_s, u"Shape4"_s},
    .monthNumberArrays = {u"Label28"_s, u"Label57"_s},
};

// What the colour look gives the climograph's month axis numbers, by month.
constexpr Color kMonthAxisColours[13] = {0,        0x0,  0xFF0000, 0xFF80FF, 0xFF00, 0x8000,  0xFFFF00,
                                         0xFF00FF, 0xFF, 0x800080, 0x8080,   0x4080, 0xFF8080};

}  // namespace

Form55::Form55() : StationWindow(design(), kTraits) {}

void Form55::loadState() {
    tuki_Moved = 0;
    hytherState.Mark_DX = uonzState.Mark_DX = 45;
    hytherState.Mark_DY = uonzState.Mark_DY = 30;
}

void Form55::loadScales() {
    hytherState.Rain_Scale = kRainScale;
    hytherState.Temp_Scale = kTempScale;
    uonzState.Rain_Scale = kBarScale;
    Line_Reset();
}

// --- Drawing -------------------------------------------------------------------------------

void Form55::Hyouji_Hyther() {
    showRow();
    // Both charts read the cells, so they plot the values as the table shows them.
    plotPoints(hyther, hytherState, hytherGeometry);
    const bool cumulative = CheckBox1.Value();
    if (tuki_Moved != 0 && CheckBox3.Value() && !cumulative) putBackMovedNumbers();
    plotClimographPoints(uonz, uonzState, uonzGeometry);
    if (!cumulative) {
        for (int i = 1; i <= 12; ++i) {
            Label28(i).setVisible(false);
            Label57(i).setVisible(false);
        }
        Line_Set();
        Line_Set_U();
    } else {
        Line_Reset();
    }
}

void Form55::putBackMovedNumbers() {
    for (int Loop_j = 1; Loop_j <= 12; ++Loop_j) Label28(Loop_j).Move(Tuki_Positions.Tuki_Left[Loop_j], Tuki_Positions.Tuki_Top[Loop_j]);
}

void Form55::monthNumbersMoved(const windows::MonthNumberPositions& positions) {
    tuki_Moved = 1;
    Tuki_Positions = positions;
}

void Form55::Month_Set(int month) {
    chart::Month_Set(hyther, hytherState, hytherGeometry, month);
    if (tuki_Moved != 0) putBackMovedNumbers();
}

void Form55::Month_Set_U(int month) { chart::Month_Set_U(uonz, uonzState, uonzGeometry, month); }

void Form55::Line_Set() {
    joinMonths(hyther, hytherState, hytherGeometry);
    replotMonths(hyther, hytherState, hytherGeometry);
}

void Form55::Line_Set_U() {
    joinClimograph(uonz, uonzState, uonzGeometry);
    Cls();
    replotClimograph(uonz, uonzState, uonzGeometry);
    replotMonths(hyther, hytherState, hytherGeometry);
}

void Form55::Line_Set_BW() {
    joinMonths(hyther, hytherState, hytherGeometry, true);
    joinClimograph(uonz, uonzState, uonzGeometry);
    Cls();
    replotClimograph(uonz, uonzState, uonzGeometry, true);
    replotMonths(hyther, hytherState, hytherGeometry, true);
}

void Form55::Line_Reset() {
    chart::Line_Reset(hyther, hytherGeometry);
    chart::Line_Reset(uonz, uonzGeometry);
}

void Form55::Kion_Color() { colourValueTable(valueTable, hytherState); }

void Form55::stepEnding() { Label29.setFontSize(Label29.Caption() == u"サンクトペテルブルグ"_s ? 20 : 24); }

// --- Options and looks -------------------------------------------------------------------------

void Form55::changeScale(bool changed) {
    Cls();
    hytherState.Rain_Scale = changed ? kRainScaleDoubled : kRainScale;
    hytherState.Temp_Scale = kTempScale;
    for (int i = 1; i <= 6; ++i) Label13(i).setCaption(QString::number((changed ? 50 : 100) * i));
}

// One size for the points and markers of both charts.
void Form55::takePointSize(const stationwindow::PointSizeLook& look) {
    hytherState.Point_Width = uonzState.Point_Width = look.width;
    hytherState.Mark_DX = uonzState.Mark_DX = look.dx;
    hytherState.Mark_DY = uonzState.Mark_DY = look.dy;
}

// A new ground draws both charts again.
void Form55::groundChanged() {
    if (!CheckBox1.Value()) Hyouji_Hyther();
}

void Form55::addSchemeRows(std::vector<stationwindow::SchemeRow>& rows) {
    constexpr Color kText = kSysButtonText;
    const Look textOnly{std::nullopt, kText};
    rows.push_back({{&Label14(0)}, {{{kPale, 0x4000}, textOnly}}});
    rows.push_back({{&Label14(1)}, {{{std::nullopt, 0x4000}, textOnly}}});
    rows.push_back({{&Label55}, {{{0xFFFFC0, std::nullopt}, {kWhite, std::nullopt}}}});
    rows.push_back({members(Label58, 0, 5), {{{std::nullopt, 0x4000}, {kWhite, kText}}}});
    rows.push_back({members(Line4, 1, 12), {{{std::nullopt, 0xFF}, textOnly}}});
    rows.push_back({members(Label56, 1, 12), {{{0xC000, std::nullopt}, {0x909090, std::nullopt}}}});
    for (int i = 1; i <= 12; ++i) rows.push_back({{&Label59(i)}, {{{std::nullopt, kMonthAxisColours[i]}, textOnly}}});
}

// A capture on white leaves the row's ID out of the picture and brings it to light after.
std::vector<Control*> Form55::hiddenInCapture(bool white) {
    if (!white) return {};
    return {&Label38, &Label39};
}

}  // namespace twograph
