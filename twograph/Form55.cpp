#include "twograph/Form55.h"

#include "chart/AreaCell.h"
#include "chart/CScreenCapture.h"
#include "data/Catalogue.h"
#include "data/ClimateDb.h"
#include "platform/forms/Placement.h"
#include "platform/forms/Services.h"
#include "platform/forms/Text.h"
#include "platform/shell/Files.h"
#include "windows/Navigation.h"

#include <cmath>

using namespace chart;
using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace twograph {
namespace {

// Where this window shows the area of each kind of row.
const data::RecordLabels kRecordLabels{u"Label52"_s, u"Label51"_s};

}  // namespace

Form55::Form55()
    : Form(design()),
      modes_(*this, *this, {Graph2_Heinen_Cn, Graph2_Heinen_Rs, Graph2_Cn, Graph2_Rs, Graph2_Point_No_Cur, Station_Table, Graph2_Find_Key},
             {kRecordLabels, u"Label53"_s, u"Label45"_s}, windows::kChoiceYear) {
    wire();
}

Form55::~Form55() = default;

void Form55::wire() {
    Command1.onClick = [this] { Command1_Click(); };
    Command1.onGotFocus = [this] { Command1_GotFocus(); };
    Check2.onClick = [this] { Check2_Click(); };
    CheckBox1.onClick = [this] { CheckBox1_Click(); };
    CheckBox3.onChange = [this] { CheckBox3_Change(); };
    CheckBox4.onClick = [this] { CheckBox4_Click(); };
    SpinButton1.onSpinUp = [this] { SpinButton1_SpinUp(); };
    SpinButton1.onSpinDown = [this] { SpinButton1_SpinDown(); };
    menu(u"Form_end"_s).onClick = [this] { Form_end_Click(); };
    wireMenus();
}

// --- Start-up and end ---------------------------------------------------------------------

void Form55::Form_Load() {
    if (AppInfo::PrevInstance()) {
        MsgBox(u" 複数の起動はできません "_s);
        AppInfo::End(1);
        return;
    }
    tuki_Moved = 0;
    hytherState.Mark_DX = uonzState.Mark_DX = 45;
    hytherState.Mark_DY = uonzState.Mark_DY = 30;
    setWidth(12000);

    windows::showSplash();
    placeAndShow(*this, Placement::AboveCentre);
    windows::unloadSplash();

    setDrawWidth(6);
    hytherState.Rain_Scale = kRainScale;
    hytherState.Temp_Scale = kTempScale;
    uonzState.Rain_Scale = kBarScale;
    Work_Dir = shell::CurDir() + u'/';
    shell::ChDir(Work_Dir);
    Line_Reset();

    Start_DB_conect();
    Label4.setCaption(Label1.Caption());
    setArea(Label52.Caption());

    Hyouji();
    Hyouji_Hyther();
    Kion_Color();

    Screen_Cap = std::make_unique<chart::CScreenCapture>();
    Screen_Cap->setForm(this);

    Check2.SetFocus();
    SpinButton1.SetFocus();
}

// Closing this window leaves the program and every other window running, its own open
// pickers too: a choice on one loads this window again.
void Form55::Form_end_Click() { Unload(); }

// --- Opening the data ----------------------------------------------------------------------

// The window's records: opened at the start, looked up, bound and searched as every station
// chart window does it.
void Form55::Start_DB_conect() { modes_.openAtStart(); }
void Form55::Heinen_Name() { modes_.lookUp(); }
void Form55::DB_conect() { modes_.bind(); }
void Form55::Hyouji() { modes_.find(); }

// --- Drawing -------------------------------------------------------------------------------

void Form55::Hyouji_Hyther() {
    const int mode = Check2.Value();
    // The marks belong to single years; in normal values they stay hidden.
    Label49.setVisible(mode == 0 && !Label47.Caption().isEmpty());
    Label50.setVisible(mode == 0 && !Label48.Caption().isEmpty());
    if (mode == 1) {
        fillValueTable(Label2, Label3, Label30, Label31);
        setArea(Label52.Caption());
        Label20.setCaption(Label32.Caption());
        Label21.setCaption(Label33.Caption());
        Label22.setCaption(Label34.Caption());
    } else if (mode == 0) {
        fillValueTable(Label2, Label3, Label40, Label41);
        // The area of the row shown: a single year's table says 日本, which is also what
        // lets 累積表示 pile up the years.
        setArea(Label51.Caption());
        Label20.setCaption(Label42.Caption());
        Label21.setCaption(Label43.Caption());
        Label22.setCaption(Label44.Caption());
    }
    // Both charts read the cells, so they plot the values as the table shows them.
    plotPoints(hyther, hytherState, hytherGeometry);
    const bool cumulative = CheckBox1.Value();
    if (tuki_Moved != 0 && CheckBox3.Value() && !cumulative) putBackMovedNumbers();
    plotClimographPoints(uonz, uonzState, uonzGeometry);
    if (!cumulative) {
        for (int i = 1; i <= 12; ++i) {
            Label28(i).setVisible(false);
            Label57(i).setVisible(false);
        }
        Line_Set();
        Line_Set_U();
    } else {
        Line_Reset();
    }
}

void Form55::putBackMovedNumbers() {
    for (int Loop_j = 1; Loop_j <= 12; ++Loop_j) Label28(Loop_j).Move(Tuki_Positions.Tuki_Left[Loop_j], Tuki_Positions.Tuki_Top[Loop_j]);
}

void Form55::monthNumbersMoved(const windows::MonthNumberPositions& positions) {
    tuki_Moved = 1;
    Tuki_Positions = positions;
}

void Form55::Month_Set(int month) {
    chart::Month_Set(hyther, hytherState, hytherGeometry, month);
    if (tuki_Moved != 0) putBackMovedNumbers();
}

void Form55::Month_Set_U(int month) { chart::Month_Set_U(uonz, uonzState, uonzGeometry, month); }

// The hythergraph joined and drawn again on top of what the window shows.
void Form55::Line_Set() {
    joinMonths(hyther, hytherState, hytherGeometry);
    replotMonths(hyther, hytherState, hytherGeometry);
}

// The climograph joined; then the window wiped and both charts drawn again.
void Form55::Line_Set_U() {
    joinClimograph(uonz, uonzState, uonzGeometry);
    Cls();
    replotClimograph(uonz, uonzState, uonzGeometry);
    replotMonths(hyther, hytherState, hytherGeometry);
}

void Form55::Line_Set_BW() {
    joinMonths(hyther, hytherState, hytherGeometry, true);
    replotMonths(hyther, hytherState, hytherGeometry, true);
}

void Form55::Line_Set_BW_U() {
    joinClimograph(uonz, uonzState, uonzGeometry);
    Cls();
    replotClimograph(uonz, uonzState, uonzGeometry, true);
    replotMonths(hyther, hytherState, hytherGeometry, true);
}

void Form55::Line_Reset() {
    chart::Line_Reset(hyther, hytherGeometry);
    chart::Line_Reset(uonz, uonzGeometry);
}

void Form55::Kion_Color() { colourValueTable(valueTable, hytherState); }

// --- Normal values and single years -----------------------------------------------------

void Form55::Check2_Click() { modes_.switchMode(); }
void Form55::SpinButton1_SpinUp() { modes_.step(1); }
void Form55::SpinButton1_SpinDown() { modes_.step(-1); }

const data::Station_Ref& Form55::stationNamed(const QString& caption) const { return data::lookupPickedStation(caption); }

void Form55::drawRow() {
    Hyouji_Hyther();
    Kion_Color();
}

void Form55::setArea(const QString& area) { showArea(Label53, area); }

void Form55::stepEnding() { Label29.setFontSize(Label29.Caption() == u"サンクトペテルブルグ"_s ? 20 : 24); }

// --- Clear ------------------------------------------------------------------------------

void Form55::clearChart() {
    Label15.setCaption(u"0"_s);
    Label16.setCaption(u"0"_s);
    Cls();
    Line_Reset();
}

void Form55::Command1_Click() {
    clearChart();
    if (Check2.Enabled()) Check2.SetFocus();
}

void Form55::Command1_GotFocus() { clearChart(); }

// --- What the station pickers do to this window ------------------------------------------

bool Form55::showsNormalValues() const { return Check2.Value() == 1; }

void Form55::setStationName(const QString& name, double pointSize) {
    Label29.setCaption(name);
    if (pointSize > 0) Label29.setFontSize(pointSize);
}

void Form55::takeStationData(std::shared_ptr<ado::Connection> connection, std::shared_ptr<ado::Recordset> recordset) {
    Graph2_Cn = std::move(connection);
    if (recordset) Graph2_Rs = std::move(recordset);
}

// Every station choice, Japanese or world, places the month numbers by rule again.
void Form55::resetForNewStation() {
    tuki_Moved = 0;
    Label4.setCaption(QString::number(windows::kChoiceYear));
    Label15.setCaption(u"0"_s);
    Label16.setCaption(u"0"_s);
}

void Form55::setRegion(int region) { Label46.setCaption(QString::number(region)); }

void Form55::setNormalValues(bool on) { modes_.handOver(on); }

void Form55::setNormalValuesEnabled(bool enabled) { Check2.setEnabled(enabled); }

}  // namespace twograph
