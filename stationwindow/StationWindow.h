#pragma once
// What the four station chart windows (the hythergraph main window, the step-mode, the
// climograph and the two-graph window) have in common: the controls each of them has by
// the same name, the handlers they share, what a station picker uses of them, their load
// step, looks, printing and capture. A window adds its design, a Traits row and the few
// hooks below: what it draws, its scales and what it alone shows.
//
//   class Hyser_Main : public stationwindow::StationWindow {
//       Hyser_Main() : StationWindow(design(), kTraits) {}
//       void Hyouji_Hyther() override { showRow(); plotMonths(...); }
//       ...
//   };

#include "chart/Hythergraph.h"
#include "data/Catalogue.h"
#include "data/StationData.h"
#include "platform/ado/Ado.h"
#include "platform/forms/Form.h"
#include "platform/forms/Placement.h"
#include "stationwindow/Schemes.h"
#include "stationwindow/StationModes.h"
#include "windows/Navigation.h"
#include "windows/StationOwner.h"

#include <array>
#include <memory>
#include <vector>

namespace chart {
class CScreenCapture;
}

namespace stationwindow {

// One item of the point-size menu: the pen, the markers' offset from their point and their
// side.
struct PointSizeLook {
    int width;
    double dx, dy, side;
};
// 特大, 大, 中 and 小, in the menu's order.
enum PointSize { VeryBig, Big, Mid, Mini };
inline constexpr std::array<PointSizeLook, 4> kHythergraphPointSizes{
    {{12, 90, 75, 180}, {8, 60, 45, 120}, {6, 45, 30, 90}, {4, 30, 15, 60}}};

// A menu item that opens another window.
struct WindowItem {
    QString item;
    windows::Window window;
    forms::Placement placement = forms::Placement::AboveCentre;
};

// What one station chart window does its own way, as plain values.
struct Traits {
    windows::Family family;
    data::RecordLabels recordLabels;  // where the two kinds of row bind their areas
    QString areaCell;                 // the area shown
    QString tableCell;                // where the looked-up table is named; empty for nowhere
    QString yearCaption;              // 年 beside the year
    // A station's display name to its record; some windows know a picker's other names.
    const data::Station_Ref& (*lookup)(const QString&) = data::lookupStation;
    bool focusModeBoxAfterStep = true;   // a step leaves the focus on 平年値
    bool startsInProgramFolder = false;  // its load makes the program's folder current
    bool endsProgram = false;            // 終了 and closing end the program
    bool cumulativeShowsYears = false;   // 累積表示 unticks 平年値 itself
    bool elevationAsNumber = false;      // the elevation cell drops the decimals
    QString captureSuffix;               // of the bitmap's name
    bool noticeOnlyElsewhere = false;    // the capture notice only for the user's data folder
    bool captureHidesCommand = false;    // クリア hidden for a capture, else moved off it
    QString makersSiteItem = QStringLiteral("Orvell_web");
    std::array<PointSizeLook, 4> pointSizes = kHythergraphPointSizes;
    QStringList markerArrays = {QStringLiteral("Shape3")};  // sized by the point sizes
    int markedMonths = 12;
    QStringList monthNumberArrays = {QStringLiteral("Label28")};  // shown by 月表示
    // The items that open other windows, where they differ from what the items of those
    // names open in every station chart window.
    std::vector<WindowItem> windowItems;
};

class StationWindow : public forms::Form, public windows::StationOwner, protected StationModeWindow {
public:
    StationWindow(forms::FormDesign design, Traits traits);
    ~StationWindow() override;

    // Events.
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void Form_end_Click();
    void Command1_Click() override;  // クリア
    void Command1_GotFocus();
    void Check2_Click();  // 平年値
    void SpinButton1_SpinUp();
    void SpinButton1_SpinDown();
    void CheckBox1_Click();   // 累積表示
    void CheckBox3_Change();  // 月表示
    void CheckBox4_Click();   // 目盛変更

    // Options, looks, printing and capture, as the menus name them.
    void pointSize(PointSize size);
    void View_White_Click();
    void View_gray_Click();
    void View_BKWT_Click();
    void View_Color_Click();
    void Print_White_Click();
    void Print_Black_White_Click();
    void Print_Gray_Click();
    void Cap_White_Click();
    void Cap_Gray_Click();
    void Hyther_Capture();
    void Make_Folda();
    void Orvell_web_Click();  // the maker's site: the program's own page

    // The operations the pickers and the other windows call.
    void Heinen_Name() override;  // the station named looked up
    void DB_conect() override;    // the mode's rows bound
    void Hyouji() override;       // the row of the station or the year found
    virtual void Line_Set() = 0;
    virtual void Line_Set_BW() = 0;
    virtual void Line_Reset() = 0;

    // What the station pickers use of this window.
    forms::Form& ownerForm() override { return *this; }
    bool showsNormalValues() const override;
    void setStationName(const QString& name, double pointSize = 0) override;
    void takeStationData(std::shared_ptr<ado::Connection> connection, std::shared_ptr<ado::Recordset> recordset) override;
    void resetForNewStation() override;
    void setRegion(int region) override;
    void setNormalValues(bool on) override;
    void setNormalValuesEnabled(bool enabled) override;

    // The window's records by their roles; each window names them as its design does.
    std::shared_ptr<ado::Connection> normalsConnection;
    std::shared_ptr<ado::Recordset> normals;
    std::shared_ptr<ado::Connection> yearsConnection;
    std::shared_ptr<ado::Recordset> years;
    int stationNumber = 0;
    QString stationTable;
    QString findKey;

    QString Cap_File;
    QString Cap_Folder;
    bool capturesBesideProgram_ = true;
    std::unique_ptr<chart::CScreenCapture> Screen_Cap;
    int tuki_Moved = 0;  // 1 while the month numbers stand where the user moved them

    // The controls every station chart window has.
    forms::Label& Label1{control<forms::Label>(QStringLiteral("Label1"))};    // the row's year, bound
    forms::Label& Label4{control<forms::Label>(QStringLiteral("Label4"))};    // the year shown
    forms::Label& Label5{control<forms::Label>(QStringLiteral("Label5"))};    // 平均気温, a column's caption
    forms::Label& Label6{control<forms::Label>(QStringLiteral("Label6"))};    // 月降水量
    forms::Label& Label8{control<forms::Label>(QStringLiteral("Label8"))};    // the yellow panel under the chart
    forms::Label& Label9{control<forms::Label>(QStringLiteral("Label9"))};    // the chart's title
    forms::Label& Label10{control<forms::Label>(QStringLiteral("Label10"))};  // the value table's panel
    forms::Label& Label11{control<forms::Label>(QStringLiteral("Label11"))};  // ℃ at the temperature axis
    forms::Label& Label15{control<forms::Label>(QStringLiteral("Label15"))};  // points beyond the frame
    forms::Label& Label16{control<forms::Label>(QStringLiteral("Label16"))};  // years piled up
    forms::Label& Label17{control<forms::Label>(QStringLiteral("Label17"))};  // its caption
    forms::Label& Label19{control<forms::Label>(QStringLiteral("Label19"))};  // 平年値 or 各年値
    forms::Label& Label20{control<forms::Label>(QStringLiteral("Label20"))};  // latitude shown
    forms::Label& Label21{control<forms::Label>(QStringLiteral("Label21"))};  // longitude shown
    forms::Label& Label22{control<forms::Label>(QStringLiteral("Label22"))};  // elevation shown
    forms::Label& Label23{control<forms::Label>(QStringLiteral("Label23"))};  // 緯度, 標高, the panel, 経度, ｍ
    forms::Label& Label24{control<forms::Label>(QStringLiteral("Label24"))};
    forms::Label& Label25{control<forms::Label>(QStringLiteral("Label25"))};
    forms::Label& Label26{control<forms::Label>(QStringLiteral("Label26"))};
    forms::Label& Label27{control<forms::Label>(QStringLiteral("Label27"))};
    forms::Label& Label29{control<forms::Label>(QStringLiteral("Label29"))};  // the station's name
    forms::Label& Label32{control<forms::Label>(QStringLiteral("Label32"))};  // the normals' latitude, longitude, elevation
    forms::Label& Label33{control<forms::Label>(QStringLiteral("Label33"))};
    forms::Label& Label34{control<forms::Label>(QStringLiteral("Label34"))};
    forms::Label& Label36{control<forms::Label>(QStringLiteral("Label36"))};  // the station bound to the row
    forms::Label& Label38{control<forms::Label>(QStringLiteral("Label38"))};  // ID's caption
    forms::Label& Label39{control<forms::Label>(QStringLiteral("Label39"))};  // the row's ID
    forms::Label& Label42{control<forms::Label>(QStringLiteral("Label42"))};  // the year's latitude, longitude, elevation
    forms::Label& Label43{control<forms::Label>(QStringLiteral("Label43"))};
    forms::Label& Label44{control<forms::Label>(QStringLiteral("Label44"))};
    forms::Label& Label46{control<forms::Label>(QStringLiteral("Label46"))};  // the region's number
    forms::Label& Label47{control<forms::Label>(QStringLiteral("Label47"))};  // the year's two marks, bound
    forms::Label& Label48{control<forms::Label>(QStringLiteral("Label48"))};
    forms::Label& Label49{control<forms::Label>(QStringLiteral("Label49"))};  // and shown
    forms::Label& Label50{control<forms::Label>(QStringLiteral("Label50"))};
    forms::ControlArray<forms::Label> Label2{controls<forms::Label>(QStringLiteral("Label2"))};    // the temperature cells, 13 the year
    forms::ControlArray<forms::Label> Label3{controls<forms::Label>(QStringLiteral("Label3"))};    // the precipitation cells
    forms::ControlArray<forms::Label> Label12{controls<forms::Label>(QStringLiteral("Label12"))};  // the temperature axis, 0..6
    forms::ControlArray<forms::Label> Label13{controls<forms::Label>(QStringLiteral("Label13"))};  // the precipitation axis, 0..6
    forms::ControlArray<forms::Label> Label28{controls<forms::Label>(QStringLiteral("Label28"))};  // the month numbers
    forms::ControlArray<forms::Label> Label30{controls<forms::Label>(QStringLiteral("Label30"))};  // the normals, bound
    forms::ControlArray<forms::Label> Label31{controls<forms::Label>(QStringLiteral("Label31"))};
    forms::ControlArray<forms::Label> Label40{controls<forms::Label>(QStringLiteral("Label40"))};  // the year, bound
    forms::ControlArray<forms::Label> Label41{controls<forms::Label>(QStringLiteral("Label41"))};
    forms::ControlArray<forms::Label> lblLabels{controls<forms::Label>(QStringLiteral("lblLabels"))};  // the rows' captions
    forms::ControlArray<forms::Shape> Shape3{controls<forms::Shape>(QStringLiteral("Shape3"))};        // the markers
    forms::ControlArray<forms::Line> Line11{controls<forms::Line>(QStringLiteral("Line11"))};          // the joining lines
    forms::CheckBox& Check2{control<forms::CheckBox>(QStringLiteral("Check2"))};                       // 平年値
    forms::CommandButton& Command1{control<forms::CommandButton>(QStringLiteral("Command1"))};         // クリア
    forms::SpinButton& SpinButton1{control<forms::SpinButton>(QStringLiteral("SpinButton1"))};         // the year's steps
    forms::FormsCheckBox& CheckBox1{control<forms::FormsCheckBox>(QStringLiteral("CheckBox1"))};       // 累積表示
    forms::FormsCheckBox& CheckBox3{control<forms::FormsCheckBox>(QStringLiteral("CheckBox3"))};       // 月表示
    forms::FormsCheckBox& CheckBox4{control<forms::FormsCheckBox>(QStringLiteral("CheckBox4"))};       // 目盛変更

    chart::ValueTableControls valueTable{Label2, Label3, Label20, Label21, Label22};

protected:
    // Before the window shows: its marker offsets and counters.
    virtual void loadState() {}
    // After it shows, before the first station is opened: its scales.
    virtual void loadScales() = 0;
    // 目盛変更 ticked or not: the scales and the axis captions, the drawing wiped.
    virtual void changeScale(bool changed) = 0;
    // A point size taken by the chart states; the markers are sized here.
    virtual void takePointSize(const PointSizeLook& look) = 0;
    // What a ground (白地, 淡地) colours besides the axes and the boxes, and what a print
    // ground colours besides the axes.
    virtual std::vector<forms::Control*> groundExtras() { return {}; }
    virtual std::vector<forms::Control*> printGroundExtras() { return {}; }
    // The window's own rows of the looks, after the rows every window shares.
    virtual void addSchemeRows(std::vector<SchemeRow>& rows) { (void)rows; }
    // After a ground changed: the chart joined again, unless years are piled up.
    virtual void groundChanged();
    // What a capture hides besides the boxes; `white` for a capture on 白地.
    virtual std::vector<forms::Control*> hiddenInCapture(bool white) {
        (void)white;
        return {};
    }

    // The row shown in the value table: its cells, area, position and marks.
    void showRow();
    void clearChart();
    void redraw() override;
    void drawRow() override;
    void setArea(const QString& area) override;
    const data::Station_Ref& stationNamed(const QString& caption) const override;

    const Traits traits_;
    StationModes modes_;

private:
    void wire();
    void setBackColorKeepingChart(forms::Color c);
    void ground(forms::Color c);
    void printGround(forms::Color c);
    std::vector<SchemeRow> schemeRows();
    void capture(bool white);
    void print();
};

}  // namespace stationwindow
