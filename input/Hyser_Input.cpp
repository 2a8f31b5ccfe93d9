#include "input/Hyser_Input.h"

#include "chart/WindowSizes.h"

#include "platform/forms/Placement.h"
#include "platform/forms/Services.h"

using namespace chart;
using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace input {

Hyser_Input::Hyser_Input()
    : InputWindow(design(), {windows::Window::Hythergraph, windows::Window::Climograph, u"_Hyser_In.bmp"_s, std::nullopt, 0xFF0000}) {
    menu(u"Point_Very_Big"_s).onClick = [this] { Point_Very_Big_Click(); };
    menu(u"Point_Big"_s).onClick = [this] { Point_Big_Click(); };
    menu(u"Point_Mid"_s).onClick = [this] { Point_Mid_Click(); };
    menu(u"Point_Mini"_s).onClick = [this] { Point_Mini_Click(); };
    menu(u"Yokohaba_wide"_s).onClick = [this] { Yokohaba_wide_Click(); };
}

void Hyser_Input::startState() {
    state.Rain_Scale = 9;
    state.Mark_DX = 30;
    state.Mark_DY = 30;
    state.Temp_Scale = 110;
}

// --- Drawing --------------------------------------------------------------------------------

void Hyser_Input::Hyouji_Hyther_Input() { chart::Hyouji_Hyther_Input(hyther, state, geometry); }
void Hyser_Input::Month_Set(int month) { chart::Month_Set(hyther, state, geometry, month); }
void Hyser_Input::Line_Set() { chart::Line_Set(hyther, state, geometry); }
void Hyser_Input::Line_Set_BW() { chart::Line_Set(hyther, state, geometry, true); }
void Hyser_Input::Line_Reset() { chart::Line_Reset(hyther, geometry); }

void Hyser_Input::redrawInColour() {
    Kion_Color();
    Line_Set();
}

// --- Chart options --------------------------------------------------------------------------

// 目盛変更 halves the precipitation axis: 300 mm at the right edge instead of 600.
void Hyser_Input::CheckBox4_Click() {
    const bool halved = CheckBox4.Value();
    Cls();
    state.Rain_Scale = halved ? 18 : 9;
    state.Temp_Scale = 110;
    for (int i = 1; i <= 6; ++i) Label13(i).setCaption(QString::number((halved ? 50 : 100) * i));
    redraw();
}

void Hyser_Input::setPointSize(int width, double dx, double dy, double size) {
    state.Point_Width = width;
    state.Mark_DX = dx;
    state.Mark_DY = dy;
    for (int i = 1; i <= 12; ++i) {
        Shape3(i).setWidth(geometry.scale.x(size));
        Shape3(i).setHeight(geometry.scale.y(size));
    }
}

void Hyser_Input::Point_Very_Big_Click() { pointSize(u"Point_Very_Big"_s, 12, 75, 75, 180); }
void Hyser_Input::Point_Big_Click() { pointSize(u"Point_Big"_s, 8, 60, 45, 120); }
void Hyser_Input::Point_Mid_Click() { pointSize(u"Point_Mid"_s, 6, 30, 30, 90); }
void Hyser_Input::Point_Mini_Click() { pointSize(u"Point_Mini"_s, 4, 15, 15, 60); }

void Hyser_Input::Yokohaba_wide_Click() { chart::sizeChartWindow(*this, chart::ChartWindowSize::Wide); }

// --- Capture --------------------------------------------------------------------------------

void Hyser_Input::Hyther_Capture() { captureWindow(); }

}  // namespace input
