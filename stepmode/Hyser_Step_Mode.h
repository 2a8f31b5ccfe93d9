#pragma once
// The step-mode window: a station's hythergraph built up one month at a time, for
// explaining how the chart is drawn. Step n (1..12) draws January to the n-th month
// joined in calendar order; step 13 closes the polygon from December back to January and
// shows the whole chart. Otherwise it is the hythergraph main window's twin: the same
// value table, modes, year stepping, looks, printing and capture. Its data objects,
// scales, point size and marker offsets are its own, so nothing it does changes the main
// window.

#include "chart/Hythergraph.h"
#include "stationwindow/StationWindow.h"

namespace stepmode {

class Hyser_Step_Mode : public stationwindow::StationWindow {
public:
    Hyser_Step_Mode();

    static forms::FormDesign design();
    static std::vector<forms::MenuDesign> menuTree();

    void Command1_Click() override;  // クリア: the steps start again
    void Command2_Click();           // the main window's clear: the step stays
    void SpinButton2_SpinUp();
    void SpinButton2_SpinDown();

    void Hyouji_Hyther() override;
    void Month_Set(int month);
    void Line_Set() override;
    void Line_Set_BW() override;
    void Line_Reset() override;
    void Kion_Color() override;

    // The records as the window names them.
    std::shared_ptr<ado::Connection>& Heinen_Cn{normalsConnection};
    std::shared_ptr<ado::Recordset>& Heinen_Rs{normals};
    std::shared_ptr<ado::Connection>& Hyser_Cn{yearsConnection};
    std::shared_ptr<ado::Recordset>& Hyser_Rs{years};
    int& Point_No_Cur{stationNumber};
    QString& Station_Table{stationTable};

    chart::HytherState state;
    static constexpr chart::HytherGeometry geometry{};
    int Step_No = 1;  // how far the chart is drawn: 1..chart::kClosingStep

    forms::Label& Label14{control<forms::Label>(QStringLiteral("Label14"))};  // ｍｍ
    forms::Label& Label53{control<forms::Label>(QStringLiteral("Label53"))};  // the area
    forms::Label& Label55{control<forms::Label>(QStringLiteral("Label55"))};  // the step shown
    forms::CommandButton& Command2{control<forms::CommandButton>(QStringLiteral("Command2"))};
    forms::SpinButton& SpinButton2{control<forms::SpinButton>(QStringLiteral("SpinButton2"))};  // the steps
    chart::HytherControls hyther{*this, Label2, Label3, Label28, Line11, Shape3, Label15, CheckBox3, CheckBox1};

private:
    void loadState() override;
    void loadScales() override;
    void changeScale(bool changed) override;
    void takePointSize(const stationwindow::PointSizeLook& look) override;
    std::vector<forms::Control*> groundExtras() override { return {&Label14}; }
    void addSchemeRows(std::vector<stationwindow::SchemeRow>& rows) override;
    void stepStarting() override { tuki_Moved = 0; }
};

}  // namespace stepmode
