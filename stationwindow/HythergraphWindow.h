#pragma once
// A station chart window laid out as the hythergraph main window: the main window and its
// twin, the step-mode window, which draws the same chart a month at a time. Both have the
// same value table, scales, point sizes and looks, each with its own state.

#include "chart/Hythergraph.h"
#include "stationwindow/StationWindow.h"

namespace stationwindow {

class HythergraphWindow : public StationWindow {
public:
    // Both make the program's folder current as they load and save their captures as
    // <place><year>_Hyser.bmp. `lastChartObject`: the last of the markers and joining lines
    // a clearing takes down.
    HythergraphWindow(forms::FormDesign design, windows::Family family, bool endsProgram, int lastChartObject);

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

    forms::Label& Label14{control<forms::Label>(QStringLiteral("Label14"))};  // ｍｍ
    forms::Label& Label53{control<forms::Label>(QStringLiteral("Label53"))};  // the area
    chart::HytherControls hyther{*this, Label2, Label3, Label28, Line11, Shape3, Label15, CheckBox3, CheckBox1};

protected:
    // How far the chart is drawn: the whole chart unless the window steps through it.
    virtual int drawnSteps() const { return chart::kClosingStep; }
    void loadState() override;
    void addSchemeRows(std::vector<SchemeRow>& rows) override;

private:
    void loadScales() override;
    void changeScale(bool changed) override;
    void takePointSize(const PointSizeLook& look) override;
    std::vector<forms::Control*> groundExtras() override { return {&Label14}; }
    // A step or a new station places the month numbers by rule again.
    void stepStarting() override { tuki_Moved = 0; }

    int lastChartObject_;
};

}  // namespace stationwindow
