#pragma once
// The step-mode window: a station's hythergraph built up one month at a time, for
// explaining how the chart is drawn. Step n (1..12) draws January to the n-th month
// joined in calendar order; step 13 closes the polygon from December back to January and
// shows the whole chart. Otherwise it is the hythergraph main window's twin: the same
// value table, modes, year stepping, looks, printing and capture. Its data objects,
// scales, point size and marker offsets are its own, so nothing it does changes the main
// window.

#include "stationwindow/HythergraphWindow.h"

namespace stepmode {

class Hyser_Step_Mode : public stationwindow::HythergraphWindow {
public:
    Hyser_Step_Mode();

    static forms::FormDesign design();
    static std::vector<forms::MenuDesign> menuTree();

    void Command1_Click() override;  // クリア: the steps start again
    void Command2_Click();           // the main window's clear: the step stays
    void SpinButton2_SpinUp();
    void SpinButton2_SpinDown();
    void Hyouji_Hyther() override;

    int Step_No = 1;  // how far the chart is drawn: 1..chart::kClosingStep

    forms::Label& Label55{control<forms::Label>(QStringLiteral("Label55"))};  // the step shown
    forms::CommandButton& Command2{control<forms::CommandButton>(QStringLiteral("Command2"))};
    forms::SpinButton& SpinButton2{control<forms::SpinButton>(QStringLiteral("SpinButton2"))};  // the steps

private:
    int drawnSteps() const override { return Step_No; }
    void loadState() override;
    void addSchemeRows(std::vector<stationwindow::SchemeRow>& rows) override;
};

}  // namespace stepmode
