#pragma once
// The own-town climograph window: the user types the twelve monthly values of a place of
// their own and sees them drawn at once as a climograph, precipitation as bars and the
// temperature as a line. It reads no database; it writes only its capture bitmaps.

#include "chart/ClimographInput.h"
#include "input/InputWindow.h"

namespace input {

class Uonz_Input : public InputWindow {
public:
    Uonz_Input();

    static forms::FormDesign design();
    static std::vector<forms::MenuDesign> menuTree();

    void CheckBox4_Click() override;
    void Point_Very_Big_Click();
    void Point_Big_Click();
    void Point_Mid_Click();
    void Point_Mini_Click();

    // Drawing (the chart engine with this window's controls and state).
    void Hyouji_Uonz_Input();
    void Month_Set(int month);
    void Line_Set() override;
    void Line_Set_BW() override;
    void Line_Reset() override;
    void Uonz_Capture();

    // Chart state, this window's own: Rain_Scale is its bar factor (11 units per mm, 5.5
    // with 目盛変更), Mark_DX and Mark_DY its marker offsets, Point_Width its point size,
    // Plot_X and Plot_Y its points (13 the closing point).
    chart::HytherState state;
    static constexpr chart::ClimographInputGeometry geometry{};

    forms::ControlArray<forms::Label> Label51{controls<forms::Label>(QStringLiteral("Label51"))};  // 0 「年」, 1..12 the bars
    forms::ControlArray<forms::Label> Label52{controls<forms::Label>(QStringLiteral("Label52"))};  // the month row

    chart::ClimographInputControls climograph{*this, Text3, Text4, Label51, Label28, Line11, Shape3, CheckBox3};

protected:
    void startState() override;
    void drawChart() override { Hyouji_Uonz_Input(); }
    void setPointSize(int width, double dx, double dy, double size) override;
    void paintBlackAndWhite() override;
    void paintColour() override;
    void paintBackground(forms::Color c) override;
    void redrawInColour() override;
};

}  // namespace input
