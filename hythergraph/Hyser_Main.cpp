#include "hythergraph/Hyser_Main.h"

#include "chart/ColourSchemes.h"

using namespace chart;
using namespace forms;
using namespace Qt::Literals::StringLiterals;
using stationwindow::WindowItem;
using windows::Window;

namespace hythergraph {
namespace {

const stationwindow::Traits kTraits{
    .family = windows::Family::Hythergraph,
    .recordLabels = {u"Label52"_s, u"Label51"_s},
    .areaCell = u"Label53"_s,
    .yearCaption = u"Label54"_s,
    .startsInProgramFolder = true,
    .endsProgram = true,
    .captureSuffix = u"_Hyser.bmp"_s,
    .windowItems = {{u"Step_Run"_s, Window::StepMode},
                    {u"Rain_Ondo_Graph"_s, Window::Climograph},
                    {u"graph_2_mode"_s, Window::TwoGraph},
                    {u"auto_View"_s, Window::HytherInput},
                    {u"F_keppen"_s, Window::Koppen},
                    {u"F_keppen_2"_s, Window::KoppenDetail},
                    {u"tuki_set"_s, Window::MonthNumberTool, Placement::ToolOffset},
                    {u"Readme_View"_s, Window::Readme},
                    {u"kisyou_data"_s, Window::WeatherData},
                    {u"kisyocho_V"_s, Window::Browser},
                    {u"install_Guide"_s, Window::InstallGuide},
                    {u"Readme_New_dev"_s, Window::History}},
};

}  // namespace

Hyser_Main::Hyser_Main() : StationWindow(design(), kTraits) {}

void Hyser_Main::loadState() {
    state.Mark_DX = 45;
    state.Mark_DY = 30;
}

// The point size stays unset, and points are drawn with the window's pen, until the user
// picks a size.
void Hyser_Main::loadScales() {
    state.Rain_Scale = 11;
    state.Temp_Scale = 110;
}

void Hyser_Main::Hyouji_Hyther() {
    showRow();
    plotMonths(hyther, state, geometry);
}

void Hyser_Main::Month_Set(int month) { chart::Month_Set(hyther, state, geometry, month); }
void Hyser_Main::Line_Set() { chart::Line_Set(hyther, state, geometry); }
void Hyser_Main::Line_Set_BW() { chart::Line_Set(hyther, state, geometry, true); }
void Hyser_Main::Line_Reset() { chart::Line_Reset(hyther, geometry); }
void Hyser_Main::Kion_Color() { colourValueTable(valueTable, state); }

void Hyser_Main::changeScale(bool changed) { stationwindow::changeHythergraphScale(*this, state, changed); }

void Hyser_Main::takePointSize(const stationwindow::PointSizeLook& look) {
    state.Point_Width = look.width;
    state.Mark_DX = look.dx;
    state.Mark_DY = look.dy;
}

void Hyser_Main::addSchemeRows(std::vector<stationwindow::SchemeRow>& rows) {
    rows.push_back({{&Label14}, {{{kPale, 0x4000}, {kWhite, kSysButtonText}}}});
}

}  // namespace hythergraph
