#pragma once
// The two-graph window: a station's normal values or one of its years as a value table
// above its climograph (left) and its hythergraph (right), both on one temperature
// scale. Its station, mode, year, scales, point size, plotted points and moved month
// numbers are its own, apart from every other window's.

#include "chart/Climograph.h"
#include "chart/Hythergraph.h"
#include "stationwindow/StationWindow.h"
#include "windows/MonthNumbers.h"

#include <limits>

namespace twograph {

class Form55 : public stationwindow::StationWindow, public windows::MonthNumberOwner {
public:
    Form55();

    static forms::FormDesign design();
    static std::vector<forms::MenuDesign> menuTree();

    void Hyouji_Hyther() override;
    void Month_Set(int month);
    void Month_Set_U(int month);
    void Line_Set() override;     // the hythergraph joined and drawn again
    void Line_Set_U();            // the climograph joined, the window wiped, both drawn again
    void Line_Set_BW() override;  // both joined and drawn again in black and white
    void Line_Reset() override;
    void Kion_Color() override;

    // The records as the window names them.
    std::shared_ptr<ado::Connection>& Graph2_Heinen_Cn{normalsConnection};
    std::shared_ptr<ado::Recordset>& Graph2_Heinen_Rs{normals};
    std::shared_ptr<ado::Connection>& Graph2_Cn{yearsConnection};
    std::shared_ptr<ado::Recordset>& Graph2_Rs{years};
    int& Graph2_Point_No_Cur{stationNumber};
    QString& Graph2_Find_Key{findKey};
    QString& Station_Table{stationTable};

    // Chart state. The hythergraph's scales are Graph2_Rain_Scale and Graph2_Temp_Scale,
    // the climograph's bar scale Graph2_Bar_Scale; both charts take the one point size.
    chart::HytherState hytherState;                  // Plot_X, Plot_Y: Graph2_HX, Graph2_HY
    chart::ClimographState uonzState;                // Rain_Scale: Graph2_Bar_Scale; Plot_X, Plot_Y: Graph2_UX, Graph2_UY
    static constexpr double kRainScale = 9;          // twips per mm
    static constexpr double kRainScaleDoubled = 18;  // 目盛変更: 250 mm across the frame
    static constexpr double kTempScale = 90;         // twips per °C, both charts
    static constexpr double kBarScale = 9;           // twips per mm, whatever 目盛変更 says

    // The hythergraph's month numbers as the month-number tool left them: every drawing
    // puts them back there while tuki_Moved is 1.
    windows::MonthNumberPositions Tuki_Positions;

    // What the month-number tool uses of this window.
    forms::Form& ownerForm() override { return *this; }
    forms::Label& monthNumber(int month) override { return Label28(month); }
    void clearMonthNumbersMoved() override { tuki_Moved = 0; }
    void monthNumbersMoved(const windows::MonthNumberPositions& positions) override;

    // Where the two charts lie: one temperature scale, 0 °C at y 6500.
    static constexpr chart::HytherGeometry hytherGeometry = [] {
        chart::HytherGeometry g;
        g.originX = 6960;
        g.originY = 6500;
        g.axisX = 6840;
        // Nothing in this window counts points beyond the frame.
        g.rightLimit = std::numeric_limits<double>::infinity();
        g.numberOffsets = {{{-300, -150}, {-300, -60}, {240, 150}}};
        return g;
    }();
    static constexpr chart::ClimographGeometry uonzGeometry = [] {
        chart::ClimographGeometry g;
        g.firstX = 1245;
        g.monthStep = 420;
        g.originY = 6500;
        g.tempScale = kTempScale;
        g.axisX = 780;
        g.barFoot = 7410;
        g.monthNumberDX = -60;
        g.monthNumberAbove = -360;
        g.monthNumberBelow = -360;
        // The line runs on from December to the frame's edge at January's height; no
        // point stands there.
        g.closingPoint = false;
        return g;
    }();

    forms::Label& Label53{control<forms::Label>(QStringLiteral("Label53"))};                       // the area
    forms::Label& Label55{control<forms::Label>(QStringLiteral("Label55"))};                       // the panel under the climograph
    forms::ControlArray<forms::Label> Label14{controls<forms::Label>(QStringLiteral("Label14"))};  // ｍｍ of each chart
    forms::ControlArray<forms::Label> Label56{controls<forms::Label>(QStringLiteral("Label56"))};  // the bars
    forms::ControlArray<forms::Label> Label57{controls<forms::Label>(QStringLiteral("Label57"))};  // the climograph's month numbers
    forms::ControlArray<forms::Label> Label58{controls<forms::Label>(QStringLiteral("Label58"))};  // its precipitation axis
    forms::ControlArray<forms::Label> Label59{controls<forms::Label>(QStringLiteral("Label59"))};  // its month axis
    forms::ControlArray<forms::Shape> Shape4{controls<forms::Shape>(QStringLiteral("Shape4"))};    // its markers
    forms::ControlArray<forms::Line> Line4{controls<forms::Line>(QStringLiteral("Line4"))};        // its line

    // The engine's view of this window: the two charts share the value cells, the boxes
    // and the drawing surface.
    chart::HytherControls hyther{*this, Label2, Label3, Label28, Line11, Shape3, Label15, CheckBox3, CheckBox1};
    chart::ClimographControls uonz{*this, Label2, Label3, Label56, Label57, Line4, Shape4, CheckBox3, CheckBox1};

private:
    void loadState() override;
    void loadScales() override;
    void changeScale(bool changed) override;
    void takePointSize(const stationwindow::PointSizeLook& look) override;
    std::vector<forms::Control*> groundExtras() override { return {&Label14(0)}; }
    void addSchemeRows(std::vector<stationwindow::SchemeRow>& rows) override;
    void groundChanged() override;
    std::vector<forms::Control*> hiddenInCapture(bool white) override;
    // A step places the month numbers by rule again.
    void stepStarting() override { tuki_Moved = 0; }
    void stepEnding() override;
    void putBackMovedNumbers();
};

}  // namespace twograph
