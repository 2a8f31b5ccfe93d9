#include "stationwindow/HythergraphWindow.h"

#include "chart/ColourSchemes.h"

using namespace chart;
using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace stationwindow {

HythergraphWindow::HythergraphWindow(FormDesign design, windows::Family family, bool endsProgram, int lastChartObject)
    : StationWindow(std::move(design), {.family = family,
                                        .recordLabels = {u"Label52"_s, u"Label51"_s},
                                        .areaCell = u"Label53"_s,
                                        .yearCaption = u"Label54"_s,
                                        .startsInProgramFolder = true,
                                        .endsProgram = endsProgram,
                                        .captureSuffix = u"_Hyser.bmp"_s}),
      lastChartObject_(lastChartObject) {}

void HythergraphWindow::loadState() {
    state.Mark_DX = 45;
    state.Mark_DY = 30;
}

// The point size stays unset, and points are drawn with the window's pen, until the user
// picks a size.
void HythergraphWindow::loadScales() {
    state.Rain_Scale = 11;
    state.Temp_Scale = 110;
}

void HythergraphWindow::Hyouji_Hyther() {
    showRow();
    plotMonths(hyther, state, geometry, drawnSteps());
}

void HythergraphWindow::Month_Set(int month) { chart::Month_Set(hyther, state, geometry, month); }
void HythergraphWindow::Line_Set() { chart::Line_Set(hyther, state, geometry, false, drawnSteps()); }
void HythergraphWindow::Line_Set_BW() { chart::Line_Set(hyther, state, geometry, true, drawnSteps()); }
void HythergraphWindow::Line_Reset() { chart::Line_Reset(hyther, geometry, lastChartObject_); }
void HythergraphWindow::Kion_Color() { colourValueTable(valueTable, state); }

// 目盛変更: 50 mm a line instead of 100.
void HythergraphWindow::changeScale(bool changed) {
    Cls();
    state.Rain_Scale = changed ? 22 : 11;
    state.Temp_Scale = 110;
    for (int i = 1; i <= 6; ++i) Label13(i).setCaption(QString::number((changed ? 50 : 100) * i));
}

void HythergraphWindow::takePointSize(const PointSizeLook& look) {
    state.Point_Width = look.width;
    state.Mark_DX = look.dx;
    state.Mark_DY = look.dy;
}

void HythergraphWindow::addSchemeRows(std::vector<SchemeRow>& rows) {
    rows.push_back({{&Label14}, {{{kPale, 0x4000}, {kWhite, kSysButtonText}}}});
}

}  // namespace stationwindow
