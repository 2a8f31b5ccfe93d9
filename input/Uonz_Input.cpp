#include "input/Uonz_Input.h"

using namespace chart;
using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace input {

Uonz_Input::Uonz_Input()
    : InputWindow(design(), {windows::Window::Climograph, windows::Window::Hythergraph, u"_Uonz_In.bmp"_s, 0xFFFFFF, 0xC0}) {
    menu(u"Point_Very_Big"_s).onClick = [this] { Point_Very_Big_Click(); };
    menu(u"Point_Big"_s).onClick = [this] { Point_Big_Click(); };
    menu(u"Point_Mid"_s).onClick = [this] { Point_Mid_Click(); };
    menu(u"Point_Mini"_s).onClick = [this] { Point_Mini_Click(); };
}

void Uonz_Input::startState() {
    state.Rain_Scale = 11;
    state.Temp_Scale = 110;
    state.Mark_DX = 30;
    state.Mark_DY = 30;
}

// --- Drawing --------------------------------------------------------------------------------

void Uonz_Input::Hyouji_Uonz_Input() { chart::Hyouji_Uonz_Input(climograph, state, geometry); }
void Uonz_Input::Month_Set(int month) { chart::Month_Set(climograph, state, geometry, month); }
void Uonz_Input::Line_Set() { chart::Line_Set(climograph, state, geometry); }
void Uonz_Input::Line_Set_BW() { chart::Line_Set(climograph, state, geometry, true); }
void Uonz_Input::Line_Reset() { chart::Line_Reset(climograph, geometry); }

void Uonz_Input::redrawInColour() {
    Hyouji_Uonz_Input();
    Kion_Color();
    Line_Set();
}

// --- Looks ----------------------------------------------------------------------------------

void Uonz_Input::paintBlackAndWhite() {
    for (int i = 0; i <= 12; ++i) {
        Label52(i).setBackColor(0xFFFFFF);
        Label52(i).setForeColor(kSysButtonText);
    }
    for (int i = 1; i <= 12; ++i) Label51(i).setBackColor(0x909090);
}

void Uonz_Input::paintColour() {
    for (int i = 0; i <= 12; ++i) {
        Label52(i).setBackColor(0xE4EFEF);
        Label52(i).setForeColor(0x4000);
    }
    for (int i = 1; i <= 12; ++i) Label51(i).setBackColor(0xC000);
}

// The month row lies on the background and takes its colour.
void Uonz_Input::paintBackground(Color c) {
    for (int i = 0; i <= 12; ++i) Label52(i).setBackColor(c);
}

// --- Chart options --------------------------------------------------------------------------

// 目盛変更 halves the bars: 1200 mm reaches the top of the chart instead of 600.
void Uonz_Input::CheckBox4_Click() {
    const bool halved = CheckBox4.Value();
    Cls();
    state.Rain_Scale = halved ? 5.5 : 11;
    for (int i = 1; i <= 6; ++i) Label13(i).setCaption(QString::number((halved ? 200 : 100) * i));
    // The four-digit captions at the top would run past the window's edge at full size.
    Label13(5).setFontSize(halved ? 14 : 18);
    Label13(6).setFontSize(halved ? 14 : 18);
    Hyouji_Uonz_Input();
    Kion_Color();
}

void Uonz_Input::setPointSize(int width, double dx, double dy, double size) {
    state.Point_Width = width;
    state.Mark_DX = dx;
    state.Mark_DY = dy;
    for (int i = 1; i <= 13; ++i) {
        Shape3(i).setWidth(geometry.scale.x(size));
        Shape3(i).setHeight(geometry.scale.y(size));
    }
}

void Uonz_Input::Point_Very_Big_Click() { pointSize(u"Point_Very_Big"_s, 12, 75, 75, 180); }
void Uonz_Input::Point_Big_Click() { pointSize(u"Point_Big"_s, 8, 45, 45, 120); }
void Uonz_Input::Point_Mid_Click() { pointSize(u"Point_Mid"_s, 6, 30, 30, 90); }
void Uonz_Input::Point_Mini_Click() { pointSize(u"Point_Mini"_s, 4, 15, 15, 60); }

// --- Capture --------------------------------------------------------------------------------

void Uonz_Input::Uonz_Capture() { captureWindow(); }

}  // namespace input
