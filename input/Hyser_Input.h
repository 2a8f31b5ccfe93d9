#pragma once
// The own-town hythergraph window: the user types the twelve monthly values of a place
// of their own and sees them drawn at once as a hythergraph. It reads no database; it
// writes only its capture bitmaps.

#include "chart/HytherInput.h"
#include "input/InputWindow.h"

namespace input {

class Hyser_Input : public InputWindow {
public:
    Hyser_Input();

    static forms::FormDesign design();
    static std::vector<forms::MenuDesign> menuTree();

    void CheckBox4_Click() override;
    void Point_Very_Big_Click();
    void Point_Big_Click();
    void Point_Mid_Click();
    void Point_Mini_Click();
    void Yokohaba_wide_Click();

    // Drawing (the chart engine with this window's controls and state).
    void Hyouji_Hyther_Input();
    void Month_Set(int month);
    void Line_Set() override;
    void Line_Set_BW() override;
    void Line_Reset() override;
    void Hyther_Capture();

    // Chart state, this window's own: Rain_Scale is its precipitation factor (9 units per
    // mm, 18 with 目盛変更), Mark_DX and Mark_DY its marker offsets, Point_Width its point size.
    chart::HytherState state;
    static constexpr chart::HytherInputGeometry geometry{};

    forms::Label& Label51{control<forms::Label>(QStringLiteral("Label51"))};

    chart::HytherInputControls hyther{*this, Text3, Text4, Label28, Line11, Shape3, CheckBox3};

protected:
    void startState() override;
    void drawChart() override { Hyouji_Hyther_Input(); }
    void setPointSize(int width, double dx, double dy, double size) override;
    void redrawInColour() override;
};

}  // namespace input
