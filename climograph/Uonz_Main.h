#pragma once
// The climograph window: a station's normal values or one of its years as a value table
// beside the climograph (precipitation bars and the temperature line). Its station, mode,
// year, scales and chart state are its own, apart from the hythergraph windows'.

#include "chart/Climograph.h"
#include "stationwindow/StationWindow.h"

#include <random>

namespace climograph {

class Uonz_Main : public stationwindow::StationWindow {
public:
    Uonz_Main();

    static forms::FormDesign design();
    static std::vector<forms::MenuDesign> menuTree();

    void Paper_Fubuki_Click();  // the confetti, started or stopped
    bool confettiRunning() const;

    void Hyouji_Uonz();
    void Hyouji_Hyther() override { Hyouji_Uonz(); }
    void Month_Set_U(int month);
    void Line_Set() override;
    void Line_Set_BW() override;
    void Line_Reset() override;
    void Kion_Color() override;
    void Uonz_Capture() { Hyther_Capture(); }

    // The records as the window names them.
    std::shared_ptr<ado::Connection>& Uonz_Heinen_Cn{normalsConnection};
    std::shared_ptr<ado::Recordset>& Uonz_Heinen_Rs{normals};
    std::shared_ptr<ado::Connection>& Uonz_Cn{yearsConnection};
    std::shared_ptr<ado::Recordset>& Uonz_Rs{years};
    int& Point_No_Cur{stationNumber};
    QString& Uonz_Station_Table{stationTable};
    QString& Uonz_Find_Key{findKey};

    chart::ClimographState state;
    static constexpr chart::ClimographGeometry geometry{};
    static constexpr double kRainScale = 11.1;        // twips per mm: 600 mm reach the frame's top
    static constexpr double kRainScaleHalved = 5.55;  // 目盛変更: 1200 mm

    forms::Label& Label14{control<forms::Label>(QStringLiteral("Label14"))};                       // ｍｍ
    forms::Label& Label45{control<forms::Label>(QStringLiteral("Label45"))};                       // the table looked up
    forms::Label& Label53{control<forms::Label>(QStringLiteral("Label53"))};                       // the year's area, bound
    forms::Label& Label54{control<forms::Label>(QStringLiteral("Label54"))};                       // the normals' area, bound
    forms::Label& Label55{control<forms::Label>(QStringLiteral("Label55"))};                       // the area
    forms::ControlArray<forms::Label> Label51{controls<forms::Label>(QStringLiteral("Label51"))};  // the bars
    forms::ControlArray<forms::Label> Label52{controls<forms::Label>(QStringLiteral("Label52"))};  // the month axis
    forms::Timer& Timer1{control<forms::Timer>(QStringLiteral("Timer1"))};                         // drives the confetti
    chart::ClimographControls uonz{*this, Label2, Label3, Label51, Label28, Line11, Shape3, CheckBox3, CheckBox1};

private:
    void loadState() override;
    void loadScales() override;
    void changeScale(bool changed) override;
    void takePointSize(const stationwindow::PointSizeLook& look) override;
    std::vector<forms::Control*> groundExtras() override;
    std::vector<forms::Control*> printGroundExtras() override;
    void addSchemeRows(std::vector<stationwindow::SchemeRow>& rows) override;
    void confettiDots();

    std::mt19937 confettiRandom_;
};

}  // namespace climograph
