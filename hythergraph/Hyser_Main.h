#pragma once
// The hythergraph main window: the first window of the program. It shows a station's
// normal values or one of its years as a value table beside the hythergraph, and leads
// to every other window through its menus. Its chart and data state are its own.

#include "chart/Hythergraph.h"
#include "stationwindow/StationWindow.h"
#include "windows/MonthNumbers.h"

namespace hythergraph {

class Hyser_Main : public stationwindow::StationWindow, public windows::MonthNumberOwner {
public:
    Hyser_Main();

    static forms::FormDesign design();
    static std::vector<forms::MenuDesign> menuTree();

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
    windows::MonthNumberPositions Tuki_Positions;  // where the month-number tool left them

    // What the month-number tool uses of this window.
    forms::Form& ownerForm() override { return *this; }
    forms::Label& monthNumber(int month) override { return Label28(month); }
    void clearMonthNumbersMoved() override { tuki_Moved = 0; }
    void monthNumbersMoved(const windows::MonthNumberPositions& positions) override {
        tuki_Moved = 1;
        Tuki_Positions = positions;
    }

    forms::Label& Label14{control<forms::Label>(QStringLiteral("Label14"))};  // ｍｍ
    forms::Label& Label53{control<forms::Label>(QStringLiteral("Label53"))};  // the area
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

}  // namespace hythergraph
