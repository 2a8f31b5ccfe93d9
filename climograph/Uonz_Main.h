#pragma once
// The climograph window: a station's normal values or one of its years as a value table
// beside the climograph (precipitation bars and the temperature line). Its station, mode,
// year, scales and chart state are its own, apart from the hythergraph windows'.

#include "chart/Climograph.h"
#include "data/StationData.h"
#include "data/StationModes.h"
#include "data/climate/DataPeriod.h"
#include "platform/ado/Ado.h"
#include "platform/forms/Form.h"
#include "windows/StationOwner.h"

#include <memory>
#include <optional>
#include <random>

namespace chart {
class CScreenCapture;
}

namespace climograph {

class Uonz_Main : public forms::Form, public windows::StationOwner, private data::StationModeWindow {
public:
    Uonz_Main();
    ~Uonz_Main() override;

    static forms::FormDesign design();
    static std::vector<forms::MenuDesign> menuTree();

    // Events.
    void Form_Load() override;
    void Form_end_Click();
    void Command1_Click() override;
    void Command1_GotFocus();
    void Check2_Click();
    void SpinButton1_SpinUp();
    void SpinButton1_SpinDown();
    void CheckBox1_Click();
    void CheckBox3_Change();
    void CheckBox4_Click();

    // Options.
    void Point_Very_Big_Click();
    void Point_Big_Click();
    void Point_Mid_Click();
    void Point_Mini_Click();
    void Yo_tatenaga_Max_Click();
    void Yokohaba_defolt_Click();
    void Paper_Fubuki_Click();
    bool confettiRunning() const;

    // Views and printing.
    void View_White_Click();
    void View_gray_Click();
    void View_BKWT_Click();
    void View_Color_Click();
    void Print_White_Click();
    void Print_Black_White_Click();
    void Print_Gray_Click();

    // Capture.
    void Cap_White_Click();
    void Cap_Gray_Click();
    void Uonz_Capture();
    void Make_Folda();
    QString Cap_File;
    QString Cap_Folder;
    bool capturesBesideProgram_ = true;

    // The maker's site: the program's own documentation for now.
    void Orvell_web_Click();

    // The window's public operations.
    void DB_conect() override;
    void Hyouji() override;
    void Hyouji_Uonz();
    void Month_Set_U(int month);
    void Line_Set();
    void Line_Set_BW();
    void Line_Reset();
    void Kion_Color() override;
    void Heinen_Name() override;

    // What the station pickers use of this window; its drawing is the climograph.
    forms::Form& ownerForm() override { return *this; }
    bool showsNormalValues() const override;
    void setStationName(const QString& name, double pointSize = 0) override;
    void takeStationData(std::shared_ptr<ado::Connection> connection, std::shared_ptr<ado::Recordset> recordset) override;
    void resetForNewStation() override;
    void setRegion(int region) override;
    void setNormalValues(bool on) override;
    void setNormalValuesEnabled(bool enabled) override;
    void Hyouji_Hyther() override { Hyouji_Uonz(); }

    // Data state: the normal-values table and the current station's single-year table.
    std::shared_ptr<ado::Connection> Uonz_Heinen_Cn;
    std::shared_ptr<ado::Recordset> Uonz_Heinen_Rs;
    std::shared_ptr<ado::Connection> Uonz_Cn;
    std::shared_ptr<ado::Recordset> Uonz_Rs;
    int Point_No_Cur = 0;
    QString Uonz_Station_Table;
    QString Uonz_Find_Key;

    // Chart state: bar scale, point size, marker offsets, the plotted points.
    chart::ClimographState state;
    static constexpr chart::ClimographGeometry geometry{};
    static constexpr double kRainScale = 11.1;        // twips per mm: 600 mm reach the frame's top
    static constexpr double kRainScaleHalved = 5.55;  // 目盛変更: 1200 mm

    std::unique_ptr<chart::CScreenCapture> Screen_Cap;

    // Controls the other windows and the tests reach.
    forms::Label& Label1{control<forms::Label>(QStringLiteral("Label1"))};
    forms::Label& Label4{control<forms::Label>(QStringLiteral("Label4"))};
    forms::Label& Label5{control<forms::Label>(QStringLiteral("Label5"))};
    forms::Label& Label6{control<forms::Label>(QStringLiteral("Label6"))};
    forms::Label& Label8{control<forms::Label>(QStringLiteral("Label8"))};
    forms::Label& Label9{control<forms::Label>(QStringLiteral("Label9"))};
    forms::Label& Label10{control<forms::Label>(QStringLiteral("Label10"))};
    forms::Label& Label11{control<forms::Label>(QStringLiteral("Label11"))};
    forms::Label& Label14{control<forms::Label>(QStringLiteral("Label14"))};
    forms::Label& Label15{control<forms::Label>(QStringLiteral("Label15"))};
    forms::Label& Label16{control<forms::Label>(QStringLiteral("Label16"))};
    forms::Label& Label17{control<forms::Label>(QStringLiteral("Label17"))};
    forms::Label& Label19{control<forms::Label>(QStringLiteral("Label19"))};
    forms::Label& Label20{control<forms::Label>(QStringLiteral("Label20"))};
    forms::Label& Label21{control<forms::Label>(QStringLiteral("Label21"))};
    forms::Label& Label22{control<forms::Label>(QStringLiteral("Label22"))};
    forms::Label& Label23{control<forms::Label>(QStringLiteral("Label23"))};
    forms::Label& Label24{control<forms::Label>(QStringLiteral("Label24"))};
    forms::Label& Label25{control<forms::Label>(QStringLiteral("Label25"))};
    forms::Label& Label26{control<forms::Label>(QStringLiteral("Label26"))};
    forms::Label& Label27{control<forms::Label>(QStringLiteral("Label27"))};
    forms::Label& Label29{control<forms::Label>(QStringLiteral("Label29"))};
    forms::Label& Label32{control<forms::Label>(QStringLiteral("Label32"))};
    forms::Label& Label33{control<forms::Label>(QStringLiteral("Label33"))};
    forms::Label& Label34{control<forms::Label>(QStringLiteral("Label34"))};
    forms::Label& Label36{control<forms::Label>(QStringLiteral("Label36"))};
    forms::Label& Label38{control<forms::Label>(QStringLiteral("Label38"))};
    forms::Label& Label39{control<forms::Label>(QStringLiteral("Label39"))};
    forms::Label& Label42{control<forms::Label>(QStringLiteral("Label42"))};
    forms::Label& Label43{control<forms::Label>(QStringLiteral("Label43"))};
    forms::Label& Label44{control<forms::Label>(QStringLiteral("Label44"))};
    forms::Label& Label45{control<forms::Label>(QStringLiteral("Label45"))};
    forms::Label& Label46{control<forms::Label>(QStringLiteral("Label46"))};
    forms::Label& Label47{control<forms::Label>(QStringLiteral("Label47"))};
    forms::Label& Label48{control<forms::Label>(QStringLiteral("Label48"))};
    forms::Label& Label49{control<forms::Label>(QStringLiteral("Label49"))};
    forms::Label& Label50{control<forms::Label>(QStringLiteral("Label50"))};
    forms::Label& Label53{control<forms::Label>(QStringLiteral("Label53"))};
    forms::Label& Label54{control<forms::Label>(QStringLiteral("Label54"))};
    forms::Label& Label55{control<forms::Label>(QStringLiteral("Label55"))};
    forms::Label& Label56{control<forms::Label>(QStringLiteral("Label56"))};
    forms::ControlArray<forms::Label> Label12{controls<forms::Label>(QStringLiteral("Label12"))};
    forms::ControlArray<forms::Label> Label13{controls<forms::Label>(QStringLiteral("Label13"))};
    forms::ControlArray<forms::Label> Label52{controls<forms::Label>(QStringLiteral("Label52"))};
    forms::ControlArray<forms::Label> lblLabels{controls<forms::Label>(QStringLiteral("lblLabels"))};
    forms::ControlArray<forms::Label> Label2{controls<forms::Label>(QStringLiteral("Label2"))};
    forms::ControlArray<forms::Label> Label3{controls<forms::Label>(QStringLiteral("Label3"))};
    forms::ControlArray<forms::Label> Label28{controls<forms::Label>(QStringLiteral("Label28"))};
    forms::ControlArray<forms::Label> Label30{controls<forms::Label>(QStringLiteral("Label30"))};
    forms::ControlArray<forms::Label> Label31{controls<forms::Label>(QStringLiteral("Label31"))};
    forms::ControlArray<forms::Label> Label40{controls<forms::Label>(QStringLiteral("Label40"))};
    forms::ControlArray<forms::Label> Label41{controls<forms::Label>(QStringLiteral("Label41"))};
    forms::ControlArray<forms::Label> Label51{controls<forms::Label>(QStringLiteral("Label51"))};
    forms::ControlArray<forms::Shape> Shape3{controls<forms::Shape>(QStringLiteral("Shape3"))};
    forms::ControlArray<forms::Line> Line11{controls<forms::Line>(QStringLiteral("Line11"))};
    forms::CheckBox& Check2{control<forms::CheckBox>(QStringLiteral("Check2"))};
    forms::CommandButton& Command1{control<forms::CommandButton>(QStringLiteral("Command1"))};
    forms::SpinButton& SpinButton1{control<forms::SpinButton>(QStringLiteral("SpinButton1"))};
    forms::FormsCheckBox& CheckBox1{control<forms::FormsCheckBox>(QStringLiteral("CheckBox1"))};
    forms::FormsCheckBox& CheckBox3{control<forms::FormsCheckBox>(QStringLiteral("CheckBox3"))};
    forms::FormsCheckBox& CheckBox4{control<forms::FormsCheckBox>(QStringLiteral("CheckBox4"))};
    forms::Timer& Timer1{control<forms::Timer>(QStringLiteral("Timer1"))};  // drives the confetti

    // The engine's view of this window.
    chart::ClimographControls uonz{*this, Label2, Label3, Label51, Label28, Line11, Shape3, CheckBox3, CheckBox1};
    chart::ValueTableControls valueTable{Label2, Label3, Label20, Label21, Label22};

private:
    void Start_DB_conect();
    data::StationModes modes_;

    // What the mode switch and the steps ask of this window.
    const data::Station_Ref& stationNamed(const QString& caption) const override;
    void drawRow() override;

    void clearChart();
    void setArea(const QString& area) override;
    void wire();
    void wireMenus();
    void redraw() override;
    void pointSize(const QString& item, int width, double offset, double size);
    void setBackground(forms::Color c);
    void setBackColorKeepingChart(forms::Color c);
    void capture(void (Uonz_Main::*view)());
    void print();
    void confettiDots();

    std::mt19937 confettiRandom_;
};

}  // namespace climograph
