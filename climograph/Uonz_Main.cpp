#include "climograph/Uonz_Main.h"

#include "chart/AreaCell.h"
#include "chart/CScreenCapture.h"
#include "chart/ColourBands.h"
#include "data/Catalogue.h"
#include "data/ClimateDb.h"
#include "platform/forms/Placement.h"
#include "platform/forms/Services.h"
#include "platform/forms/Text.h"
#include "windows/Navigation.h"

#include <cmath>

using namespace chart;
using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace climograph {

namespace {

// Where this window shows the area of each kind of row.
const data::RecordLabels kRecordLabels{u"Label54"_s, u"Label53"_s};

}  // namespace

// The climograph leaves the focus with the spin button after a step.
Uonz_Main::Uonz_Main()
    : Form(design()),
      modes_(*this, *this, {Uonz_Heinen_Cn, Uonz_Heinen_Rs, Uonz_Cn, Uonz_Rs, Point_No_Cur, Uonz_Station_Table, Uonz_Find_Key},
             {kRecordLabels, u"Label55"_s, u"Label45"_s}, windows::kChoiceYear, false) {
    wire();
}

Uonz_Main::~Uonz_Main() = default;

void Uonz_Main::wire() {
    Command1.onClick = [this] { Command1_Click(); };
    Command1.onGotFocus = [this] { Command1_GotFocus(); };
    Check2.onClick = [this] { Check2_Click(); };
    SpinButton1.onSpinUp = [this] { SpinButton1_SpinUp(); };
    SpinButton1.onSpinDown = [this] { SpinButton1_SpinDown(); };
    menu(u"Form_end"_s).onClick = [this] { Form_end_Click(); };
    wireMenus();
}

// --- Start-up and end ---------------------------------------------------------------------

// The paths of the data stay relative to the folder the main window's start-up made
// current; this window never changes it.
void Uonz_Main::Form_Load() {
    if (AppInfo::PrevInstance()) {
        MsgBox(u" 複数の起動はできません "_s);
        AppInfo::End(1);
        return;
    }
    state.Mark_DX = 30;
    state.Mark_DY = 30;
    setWidth(12000);

    windows::showSplash();
    placeAndShow(*this, Placement::AboveCentre);
    windows::unloadSplash();

    setDrawWidth(6);
    state.Rain_Scale = kRainScale;
    Start_DB_conect();
    Label4.setCaption(Label1.Caption());
    setArea(Label54.Caption());

    Hyouji();
    Hyouji_Uonz();
    Kion_Color();

    Screen_Cap = std::make_unique<chart::CScreenCapture>();
    Screen_Cap->setForm(this);

    Check2.SetFocus();
    SpinButton1.SetFocus();
}

// 終了 closes this window only: the program and its open pickers go on, and a choice on
// one of them loads the window again.
void Uonz_Main::Form_end_Click() { Unload(); }

// --- Opening the data ----------------------------------------------------------------------

// The window's records: opened at the start, looked up, bound and searched as every station
// chart window does it.
void Uonz_Main::Start_DB_conect() { modes_.openAtStart(); }
void Uonz_Main::Heinen_Name() { modes_.lookUp(); }
void Uonz_Main::DB_conect() { modes_.bind(); }
void Uonz_Main::Hyouji() { modes_.find(); }

void Uonz_Main::Hyouji_Uonz() {
    const int mode = Check2.Value();
    // The marks belong to single years; in normal values they stay hidden.
    Label49.setVisible(mode == 0 && !Label47.Caption().isEmpty());
    Label50.setVisible(mode == 0 && !Label48.Caption().isEmpty());
    if (mode == 1 || mode == 0) {
        const bool normals = mode == 1;
        fillValueTable(Label2, Label3, normals ? Label30 : Label40, normals ? Label31 : Label41);
        // The area of the row shown: a single year's table says 日本.
        setArea(normals ? Label54.Caption() : Label53.Caption());
        Label20.setCaption((normals ? Label32 : Label42).Caption());
        Label21.setCaption((normals ? Label33 : Label43).Caption());
        const QString elevation = (normals ? Label34 : Label44).Caption();
        Label22.setCaption(isMissing(elevation) ? elevation : Str(Val(elevation)));
    }
    plotClimograph(uonz, state, geometry);
}

void Uonz_Main::Month_Set_U(int month) { chart::Month_Set_U(uonz, state, geometry, month); }
void Uonz_Main::Line_Set() { chart::Line_Set(uonz, state, geometry); }
void Uonz_Main::Line_Set_BW() { chart::Line_Set(uonz, state, geometry, true); }
void Uonz_Main::Line_Reset() { chart::Line_Reset(uonz, geometry); }
void Uonz_Main::Kion_Color() { colourValueTable(valueTable, state); }

// --- Normal values and single years -----------------------------------------------------

void Uonz_Main::Check2_Click() { modes_.switchMode(); }
void Uonz_Main::SpinButton1_SpinUp() { modes_.step(1); }
void Uonz_Main::SpinButton1_SpinDown() { modes_.step(-1); }

const data::Station_Ref& Uonz_Main::stationNamed(const QString& caption) const { return data::lookupPickedStation(caption); }

void Uonz_Main::drawRow() {
    Hyouji_Uonz();
    Kion_Color();
}

void Uonz_Main::setArea(const QString& area) { showArea(Label55, area); }

// --- Clear ------------------------------------------------------------------------------

void Uonz_Main::clearChart() {
    Label15.setCaption(u"0"_s);
    Label16.setCaption(u"0"_s);
    Cls();
    Line_Reset();
}

void Uonz_Main::Command1_Click() {
    clearChart();
    if (Check2.Enabled()) Check2.SetFocus();
}

void Uonz_Main::Command1_GotFocus() { clearChart(); }

// --- What the station pickers do to this window ------------------------------------------

bool Uonz_Main::showsNormalValues() const { return Check2.Value() == 1; }

void Uonz_Main::setStationName(const QString& name, double pointSize) {
    Label29.setCaption(name);
    if (pointSize > 0) Label29.setFontSize(pointSize);
}

void Uonz_Main::takeStationData(std::shared_ptr<ado::Connection> connection, std::shared_ptr<ado::Recordset> recordset) {
    Uonz_Cn = std::move(connection);
    if (recordset) Uonz_Rs = std::move(recordset);
}

void Uonz_Main::resetForNewStation() {
    Label4.setCaption(QString::number(windows::kChoiceYear));
    Label15.setCaption(u"0"_s);
    Label16.setCaption(u"0"_s);
}

void Uonz_Main::setRegion(int region) { Label46.setCaption(QString::number(region)); }

void Uonz_Main::setNormalValues(bool on) { modes_.handOver(on); }

void Uonz_Main::setNormalValuesEnabled(bool enabled) { Check2.setEnabled(enabled); }

}  // namespace climograph
