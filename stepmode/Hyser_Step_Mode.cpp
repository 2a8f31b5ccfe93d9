#include "stepmode/Hyser_Step_Mode.h"

#include "chart/ColourSchemes.h"
#include "platform/forms/Text.h"

#include <algorithm>

using namespace chart;
using namespace forms;
using namespace Qt::Literals::StringLiterals;
using windows::Window;

namespace stepmode {
namespace {

const stationwindow::Traits kTraits{
    .family = windows::Family::StepMode,
    .recordLabels = {u"Label52"_s, u"Label51"_s},
    .areaCell = u"Label53"_s,
    .yearCaption = u"Label54"_s,
    .startsInProgramFolder = true,
    .captureSuffix = u"_Hyser.bmp"_s,
    .windowItems = {{u"Rain_Ondo_Graph"_s, Window::Climograph},
                    {u"graph_2_mode"_s, Window::TwoGraph},
                    {u"auto_View"_s, Window::HytherInput},
                    {u"F_keppen"_s, Window::Koppen},
                    {u"F_keppen_2"_s, Window::KoppenDetail},
                    // The tool moves the main window's month numbers; its item here is
                    // hidden and disabled.
                    {u"tuki_set"_s, Window::MonthNumberTool, Placement::ToolOffset},
                    {u"Readme_View"_s, Window::Readme},
                    {u"kisyou_data"_s, Window::WeatherData},
                    {u"kisyocho_V"_s, Window::Browser},
                    {u"install_Guide"_s, Window::InstallGuide},
                    {u"Readme_New_dev"_s, Window::History}},
};

// The step the step label shows; whatever it holds, a step within 1..kClosingStep.
int shownStep(const Label& label) { return std::clamp(truncateToInt(Val(label.Caption())), 1, kClosingStep); }

}  // namespace

Hyser_Step_Mode::Hyser_Step_Mode() : StationWindow(design(), kTraits) {
    Command2.onClick = [this] { Command2_Click(); };
    SpinButton2.onSpinUp = [this] { SpinButton2_SpinUp(); };
    SpinButton2.onSpinDown = [this] { SpinButton2_SpinDown(); };
}

void Hyser_Step_Mode::loadState() {
    state.Mark_DX = 45;
    state.Mark_DY = 30;
    Step_No = 1;
}

// This window's own data objects and scales: the main window keeps showing and stepping
// through the ones it opened.
void Hyser_Step_Mode::loadScales() {
    state.Rain_Scale = 11;
    state.Temp_Scale = 110;
}

void Hyser_Step_Mode::Hyouji_Hyther() {
    showRow();
    // Stepping redraws the same months again and again: the count says how many points of
    // this drawing lie outside the frame, not how often they were drawn.
    Label15.setCaption(u"0"_s);
    plotMonths(hyther, state, geometry, Step_No);
}

void Hyser_Step_Mode::Month_Set(int month) { chart::Month_Set(hyther, state, geometry, month); }
void Hyser_Step_Mode::Line_Set() { chart::Line_Set(hyther, state, geometry, false, Step_No); }
void Hyser_Step_Mode::Line_Set_BW() { chart::Line_Set(hyther, state, geometry, true, Step_No); }
void Hyser_Step_Mode::Line_Reset() { chart::Line_Reset(hyther, geometry, 13); }
void Hyser_Step_Mode::Kion_Color() { colourValueTable(valueTable, state); }

// クリア empties the chart and starts the steps again; nothing is drawn until the next
// step or redraw.
void Hyser_Step_Mode::Command1_Click() {
    Label55.setCaption(u"1"_s);
    Step_No = 1;
    StationWindow::Command1_Click();
}

void Hyser_Step_Mode::Command2_Click() { StationWindow::Command1_Click(); }

// The step is read from the label that shows it, so the two never disagree.
void Hyser_Step_Mode::SpinButton2_SpinUp() {
    Step_No = std::min(shownStep(Label55) + 1, kClosingStep);
    Label55.setCaption(QString::number(Step_No));
    // A higher step draws more of the same chart: nothing needs taking down first.
    redraw();
}

void Hyser_Step_Mode::SpinButton2_SpinDown() {
    Step_No = std::max(shownStep(Label55) - 1, 1);
    Label55.setCaption(QString::number(Step_No));
    // What the lower step no longer draws goes with the clearing.
    Command2_Click();
    redraw();
}

void Hyser_Step_Mode::changeScale(bool changed) { stationwindow::changeHythergraphScale(*this, state, changed); }

void Hyser_Step_Mode::takePointSize(const stationwindow::PointSizeLook& look) {
    state.Point_Width = look.width;
    state.Mark_DX = look.dx;
    state.Mark_DY = look.dy;
}

void Hyser_Step_Mode::addSchemeRows(std::vector<stationwindow::SchemeRow>& rows) {
    rows.push_back({{&Label14}, {{{kPale, 0x4000}, {kWhite, kSysButtonText}}}});
    rows.push_back({{&Label55}, {{{0xFFFF, 0xC000C0}, {kWhite, kSysButtonText}}}});
}

}  // namespace stepmode
