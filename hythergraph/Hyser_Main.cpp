#include "hythergraph/Hyser_Main.h"

#include "chart/AreaCell.h"
#include "chart/CScreenCapture.h"
#include "chart/ColourBands.h"
#include "data/Catalogue.h"
#include "data/ClimateDb.h"
#include "platform/forms/Services.h"
#include "platform/forms/Text.h"
#include "platform/shell/Files.h"
#include "windows/Navigation.h"

#include <cmath>

using namespace chart;
using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace hythergraph {

namespace {

// Where this window shows the area of each kind of row.
const data::RecordLabels kRecordLabels{u"Label52"_s, u"Label51"_s};

}  // namespace

Hyser_Main::Hyser_Main()
    : Form(design()),
      modes_(*this, *this, {Heinen_Cn, Heinen_Rs, Hyser_Cn, Hyser_Rs, Point_No_Cur, Station_Table, Find_Key},
             {kRecordLabels, u"Label53"_s, QString()}, windows::kChoiceYear) {
    wire();
}

Hyser_Main::~Hyser_Main() = default;

void Hyser_Main::wire() {
    Command1.onClick = [this] { Command1_Click(); };
    Command1.onGotFocus = [this] { Command1_GotFocus(); };
    Check2.onClick = [this] { Check2_Click(); };
    SpinButton1.onSpinUp = [this] { SpinButton1_SpinUp(); };
    SpinButton1.onSpinDown = [this] { SpinButton1_SpinDown(); };
    menu(u"Form_end"_s).onClick = [this] { Form_end_Click(); };
    wireMenus();
}

// --- Start-up and end ---------------------------------------------------------------------

void Hyser_Main::Form_Load() {
    shell::ChDir(AppInfo::Path());
    if (AppInfo::PrevInstance()) {
        MsgBox(u" 複数の起動はできません "_s);
        AppInfo::End(1);
        return;
    }
    state.Mark_DX = 45;
    state.Mark_DY = 30;

    windows::showSplash();

    setWidth(12000);
    placeAndShow(*this, Placement::AboveCentre);
    windows::unloadSplash();

    setDrawWidth(6);
    state.Rain_Scale = 11;
    state.Temp_Scale = 110;
    Work_Dir = shell::CurDir() + u'/';
    shell::ChDir(Work_Dir);

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

void Hyser_Main::Form_Unload(int&) { AppInfo::End(0); }

void Hyser_Main::Form_end_Click() { AppInfo::End(0); }

// --- Opening the data ----------------------------------------------------------------------

// The window's records: opened at the start, looked up, bound and searched as every station
// chart window does it.
void Hyser_Main::Start_DB_conect() { modes_.openAtStart(); }
void Hyser_Main::Heinen_Name() { modes_.lookUp(); }
void Hyser_Main::DB_conect() { modes_.bind(); }
void Hyser_Main::Hyouji() { modes_.find(); }

void Hyser_Main::Hyouji_Hyther() {
    const int mode = Check2.Value();
    // The marks belong to single years; in normal values they stay hidden.
    Label49.setVisible(mode == 0 && !Label47.Caption().isEmpty());
    Label50.setVisible(mode == 0 && !Label48.Caption().isEmpty());
    if (mode == 1) {
        fillValueTable(hyther, Label30, Label31);
        setArea(Label52.Caption());
        Label20.setCaption(Label32.Caption());
        Label21.setCaption(Label33.Caption());
        Label22.setCaption(Label34.Caption());
    } else if (mode == 0) {
        fillValueTable(hyther, Label40, Label41);
        // The area of the row shown: a single year's table says 日本.
        setArea(Label51.Caption());
        Label20.setCaption(Label42.Caption());
        Label21.setCaption(Label43.Caption());
        Label22.setCaption(Label44.Caption());
    }
    plotMonths(hyther, state, geometry);
}

void Hyser_Main::Month_Set(int month) { chart::Month_Set(hyther, state, geometry, month); }
void Hyser_Main::Line_Set() { chart::Line_Set(hyther, state, geometry); }
void Hyser_Main::Line_Set_BW() { chart::Line_Set(hyther, state, geometry, true); }
void Hyser_Main::Line_Reset() { chart::Line_Reset(hyther, geometry); }
void Hyser_Main::Kion_Color() { colourValueTable(valueTable, state); }

// --- Normal values and single years -----------------------------------------------------

void Hyser_Main::Check2_Click() { modes_.switchMode(); }
void Hyser_Main::SpinButton1_SpinUp() { modes_.step(1); }
void Hyser_Main::SpinButton1_SpinDown() { modes_.step(-1); }

const data::Station_Ref& Hyser_Main::stationNamed(const QString& caption) const { return data::lookupStation(caption); }

void Hyser_Main::drawRow() {
    Hyouji_Hyther();
    Kion_Color();
}

void Hyser_Main::setArea(const QString& area) { showArea(Label53, area); }

// --- Clear ------------------------------------------------------------------------------

void Hyser_Main::clearChart() {
    Label15.setCaption(u"0"_s);
    Label16.setCaption(u"0"_s);
    Cls();
    Line_Reset();
}

void Hyser_Main::Command1_Click() {
    clearChart();
    if (Check2.Enabled()) Check2.SetFocus();
}

void Hyser_Main::Command1_GotFocus() { clearChart(); }

}  // namespace hythergraph

namespace hythergraph {

// --- What the station pickers do to this window ------------------------------------------

bool Hyser_Main::showsNormalValues() const { return Check2.Value() == 1; }

void Hyser_Main::setStationName(const QString& name, double pointSize) {
    Label29.setCaption(name);
    if (pointSize > 0) Label29.setFontSize(pointSize);
}

void Hyser_Main::takeStationData(std::shared_ptr<ado::Connection> connection, std::shared_ptr<ado::Recordset> recordset) {
    Hyser_Cn = std::move(connection);
    if (recordset) Hyser_Rs = std::move(recordset);
}

void Hyser_Main::resetForNewStation() {
    tuki_Moved = 0;
    Label4.setCaption(QString::number(windows::kChoiceYear));
    Label15.setCaption(u"0"_s);
    Label16.setCaption(u"0"_s);
}

void Hyser_Main::setRegion(int region) { Label46.setCaption(QString::number(region)); }

void Hyser_Main::setNormalValues(bool on) { modes_.handOver(on); }

void Hyser_Main::setNormalValuesEnabled(bool enabled) { Check2.setEnabled(enabled); }

}  // namespace hythergraph
