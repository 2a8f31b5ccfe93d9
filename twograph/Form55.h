#pragma once
// The two-graph window: a station's normal values or one of its years as a value table
// above its climograph (left) and its hythergraph (right), both on one temperature
// scale. Its station, mode, year, scales, point size, plotted points and moved month
// numbers are its own, apart from every other window's.

#include "chart/Climograph.h"
#include "chart/Hythergraph.h"
#include "data/StationData.h"
#include "data/StationModes.h"
#include "data/climate/DataPeriod.h"
#include "platform/ado/Ado.h"
#include "platform/forms/Form.h"
#include "windows/MonthNumbers.h"
#include "windows/StationOwner.h"

#include <limits>
#include <memory>
#include <optional>

namespace chart {
class CScreenCapture;
}

namespace twograph {

class Form55 : public forms::Form, public windows::StationOwner, public windows::MonthNumberOwner, private data::StationModeWindow {
public:
    Form55();
    ~Form55() override;

    static forms::FormDesign design();
    static std::vector<forms::MenuDesign> menuTree();

    // Events.
    void Form_Load() override;
    void Form_end_Click();
    void Command1_Click() override;
    void Command1_GotFocus();
    void Check2_Click();
    void CheckBox1_Click();
    void CheckBox3_Change();
    void CheckBox4_Click();
    void SpinButton1_SpinUp();
    void SpinButton1_SpinDown();

    // Options.
    void Point_Very_Big_Click();
    void Point_Big_Click();
    void Point_Mid_Click();
    void Point_Mini_Click();
    void Yokohaba_wide_Click();
    void Yo_tatenaga_Max_Click();
    void Yokohaba_defolt_Click();

    // Views and printing.
    void View_White_Click();
    void View_gray_Click();
    void View_BKWT_Click();
    void View_Color_Click();
    void Print_White_Click();
    void Print_Black_White_Click();
    void Print_Gray_Click();

    // Capture: no notice follows it in this window, unless it went to the user's data
    // folder instead of beside the program.
    void Cap_White_Click();
    void Cap_Gray_Click();
    void Hyther_Capture();
    void Make_Folda();
    QString Cap_File;
    QString Cap_Folder;
    bool capturesBesideProgram_ = true;

    // The maker's site: the program's own documentation for now.
    void adsasd_Click();

    // The window's public operations.
    void DB_conect() override;
    void Hyouji() override;
    void Hyouji_Hyther() override;
    void Month_Set(int month);
    void Month_Set_U(int month);
    void Line_Set();
    void Line_Reset();
    void Line_Set_U();
    void Kion_Color() override;
    void Heinen_Name() override;

    // What the station pickers use of this window.
    forms::Form& ownerForm() override { return *this; }
    bool showsNormalValues() const override;
    void setStationName(const QString& name, double pointSize = 0) override;
    void takeStationData(std::shared_ptr<ado::Connection> connection, std::shared_ptr<ado::Recordset> recordset) override;
    void resetForNewStation() override;
    void setRegion(int region) override;
    void setNormalValues(bool on) override;
    void setNormalValuesEnabled(bool enabled) override;

    // Data state: the normal-values table and the current station's single-year table.
    std::shared_ptr<ado::Connection> Graph2_Heinen_Cn;
    std::shared_ptr<ado::Recordset> Graph2_Heinen_Rs;
    std::shared_ptr<ado::Connection> Graph2_Cn;
    std::shared_ptr<ado::Recordset> Graph2_Rs;
    int Graph2_Point_No_Cur = 0;
    QString Graph2_Find_Key;
    QString Station_Table;
    QString Work_Dir;

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
    int tuki_Moved = 0;
    windows::MonthNumberPositions Tuki_Positions;

    // What the month-number tool uses of this window.
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

    std::unique_ptr<chart::CScreenCapture> Screen_Cap;

    // Controls the other windows and the tests reach.
    forms::Label& Label1{control<forms::Label>(QStringLiteral("Label1"))};
    forms::Label& Label4{control<forms::Label>(QStringLiteral("Label4"))};
    forms::Label& Label5{control<forms::Label>(QStringLiteral("Label5"))};
    forms::Label& Label6{control<forms::Label>(QStringLiteral("Label6"))};
    forms::Label& Label7{control<forms::Label>(QStringLiteral("Label7"))};
    forms::Label& Label8{control<forms::Label>(QStringLiteral("Label8"))};
    forms::Label& Label9{control<forms::Label>(QStringLiteral("Label9"))};
    forms::Label& Label10{control<forms::Label>(QStringLiteral("Label10"))};
    forms::Label& Label11{control<forms::Label>(QStringLiteral("Label11"))};
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
    forms::Label& Label51{control<forms::Label>(QStringLiteral("Label51"))};
    forms::Label& Label52{control<forms::Label>(QStringLiteral("Label52"))};
    forms::Label& Label53{control<forms::Label>(QStringLiteral("Label53"))};
    forms::Label& Label54{control<forms::Label>(QStringLiteral("Label54"))};
    forms::Label& Label55{control<forms::Label>(QStringLiteral("Label55"))};
    forms::Label& Label60{control<forms::Label>(QStringLiteral("Label60"))};
    forms::ControlArray<forms::Label> Label2{controls<forms::Label>(QStringLiteral("Label2"))};
    forms::ControlArray<forms::Label> Label3{controls<forms::Label>(QStringLiteral("Label3"))};
    forms::ControlArray<forms::Label> Label12{controls<forms::Label>(QStringLiteral("Label12"))};
    forms::ControlArray<forms::Label> Label13{controls<forms::Label>(QStringLiteral("Label13"))};
    forms::ControlArray<forms::Label> Label14{controls<forms::Label>(QStringLiteral("Label14"))};
    forms::ControlArray<forms::Label> Label28{controls<forms::Label>(QStringLiteral("Label28"))};
    forms::ControlArray<forms::Label> Label30{controls<forms::Label>(QStringLiteral("Label30"))};
    forms::ControlArray<forms::Label> Label31{controls<forms::Label>(QStringLiteral("Label31"))};
    forms::ControlArray<forms::Label> Label40{controls<forms::Label>(QStringLiteral("Label40"))};
    forms::ControlArray<forms::Label> Label41{controls<forms::Label>(QStringLiteral("Label41"))};
    forms::ControlArray<forms::Label> Label56{controls<forms::Label>(QStringLiteral("Label56"))};
    forms::ControlArray<forms::Label> Label57{controls<forms::Label>(QStringLiteral("Label57"))};
    forms::ControlArray<forms::Label> Label58{controls<forms::Label>(QStringLiteral("Label58"))};
    forms::ControlArray<forms::Label> Label59{controls<forms::Label>(QStringLiteral("Label59"))};
    forms::ControlArray<forms::Label> lblLabels{controls<forms::Label>(QStringLiteral("lblLabels"))};
    forms::ControlArray<forms::Shape> Shape3{controls<forms::Shape>(QStringLiteral("Shape3"))};  // 0 the climograph's frame
    forms::ControlArray<forms::Shape> Shape4{controls<forms::Shape>(QStringLiteral("Shape4"))};
    forms::ControlArray<forms::Line> Line4{controls<forms::Line>(QStringLiteral("Line4"))};
    forms::ControlArray<forms::Line> Line11{controls<forms::Line>(QStringLiteral("Line11"))};
    forms::CheckBox& Check2{control<forms::CheckBox>(QStringLiteral("Check2"))};
    forms::CommandButton& Command1{control<forms::CommandButton>(QStringLiteral("Command1"))};
    forms::SpinButton& SpinButton1{control<forms::SpinButton>(QStringLiteral("SpinButton1"))};
    forms::FormsCheckBox& CheckBox1{control<forms::FormsCheckBox>(QStringLiteral("CheckBox1"))};
    forms::FormsCheckBox& CheckBox3{control<forms::FormsCheckBox>(QStringLiteral("CheckBox3"))};
    forms::FormsCheckBox& CheckBox4{control<forms::FormsCheckBox>(QStringLiteral("CheckBox4"))};

    // The engine's view of this window: the two charts share the value cells, the boxes
    // and the drawing surface.
    chart::HytherControls hyther{*this, Label2, Label3, Label28, Line11, Shape3, Label15, CheckBox3, CheckBox1};
    chart::ClimographControls uonz{*this, Label2, Label3, Label56, Label57, Line4, Shape4, CheckBox3, CheckBox1};
    chart::ValueTableControls valueTable{Label2, Label3, Label20, Label21, Label22};

private:
    void Start_DB_conect();
    data::StationModes modes_;

    // What the mode switch and the steps ask of this window.
    const data::Station_Ref& stationNamed(const QString& caption) const override;
    void drawRow() override;
    // A step places the month numbers by rule again.
    void stepStarting() override { tuki_Moved = 0; }
    void stepEnding() override;

    void clearChart();
    void setArea(const QString& area) override;
    void wire();
    void wireMenus();
    void redraw() override;
    void pointSize(const QString& item, int width, double dx, double dy, double size);
    void setBackground(forms::Color c);
    void setBackColorKeepingChart(forms::Color c);
    void Line_Set_BW();
    void Line_Set_BW_U();
    void putBackMovedNumbers();
    void capture(void (Form55::*view)(), bool showIds);
    void print();
};

}  // namespace twograph
