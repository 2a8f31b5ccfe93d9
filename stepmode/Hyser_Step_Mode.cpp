#include "stepmode/Hyser_Step_Mode.h"

#include "chart/AreaCell.h"
#include "chart/CScreenCapture.h"
#include "data/Catalogue.h"
#include "data/ClimateDb.h"
#include "platform/forms/Services.h"
#include "platform/forms/Text.h"
#include "platform/shell/Files.h"
#include "windows/Navigation.h"

#include <algorithm>
#include <cmath>

using namespace chart;
using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace stepmode {

namespace {

// Where this window shows the area of each kind of row.
const data::RecordLabels kRecordLabels{u"Label52"_s, u"Label51"_s};

}  // namespace

Hyser_Step_Mode::Hyser_Step_Mode()
    : Form(design()),
      modes_(*this, *this, {Heinen_Cn, Heinen_Rs, Hyser_Cn, Hyser_Rs, Point_No_Cur, Station_Table, Find_Key},
             {kRecordLabels, u"Label53"_s, QString()}, windows::kChoiceYear) {
    wire();
}

Hyser_Step_Mode::~Hyser_Step_Mode() = default;

void Hyser_Step_Mode::wire() {
    Command1.onClick = [this] { Command1_Click(); };
    Command1.onGotFocus = [this] { Command1_GotFocus(); };
    Command2.onClick = [this] { Command2_Click(); };
    SpinButton2.onSpinUp = [this] { SpinButton2_SpinUp(); };
    SpinButton2.onSpinDown = [this] { SpinButton2_SpinDown(); };
    Check2.onClick = [this] { Check2_Click(); };
    SpinButton1.onSpinUp = [this] { SpinButton1_SpinUp(); };
    SpinButton1.onSpinDown = [this] { SpinButton1_SpinDown(); };
    menu(u"Form_end"_s).onClick = [this] { Form_end_Click(); };
    wireMenus();
}

// --- Load and unload -----------------------------------------------------------------------

void Hyser_Step_Mode::Form_Load() {
    shell::ChDir(AppInfo::Path());
    if (AppInfo::PrevInstance()) {
        MsgBox(u" 複数の起動はできません "_s);
        AppInfo::End(1);
        return;
    }
    state.Mark_DX = 45;
    state.Mark_DY = 30;
    Step_No = 1;

    windows::showSplash();

    setWidth(12000);
    placeAndShow(*this, Placement::AboveCentre);
    windows::unloadSplash();

    setDrawWidth(6);
    state.Rain_Scale = 11;
    state.Temp_Scale = 110;
    Work_Dir = shell::CurDir() + u'/';
    shell::ChDir(Work_Dir);

    // This window's own data objects: the main window keeps showing and stepping through
    // the ones it opened.
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

// Closing this window leaves the program and its open pickers running: a choice on one
// loads this window again.
void Hyser_Step_Mode::Form_end_Click() { Unload(); }

// --- Opening the data ----------------------------------------------------------------------

// The window's records: opened at the start, looked up, bound and searched as every station
// chart window does it.
void Hyser_Step_Mode::Start_DB_conect() { modes_.openAtStart(); }
void Hyser_Step_Mode::Heinen_Name() { modes_.lookUp(); }
void Hyser_Step_Mode::DB_conect() { modes_.bind(); }
void Hyser_Step_Mode::Hyouji() { modes_.find(); }

namespace {

// The step the step label shows; whatever it holds, a step within 1..kClosingStep.
int shownStep(const Label& label) { return std::clamp(truncateToInt(Val(label.Caption())), 1, kClosingStep); }

}  // namespace

// --- Drawing ---------------------------------------------------------------------------------

void Hyser_Step_Mode::Hyouji_Hyther() {
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
        setArea(Label51.Caption());
        Label20.setCaption(Label42.Caption());
        Label21.setCaption(Label43.Caption());
        Label22.setCaption(Label44.Caption());
    }
    // Stepping redraws the same months again and again: the count says how many points of
    // this drawing lie outside the frame, not how often they were drawn.
    Label15.setCaption(u"0"_s);
    plotMonths(hyther, state, geometry, Step_No);
}

void Hyser_Step_Mode::Month_Set(int month) { chart::Month_Set(hyther, state, geometry, month); }
void Hyser_Step_Mode::Line_Set() { chart::Line_Set(hyther, state, geometry, false, Step_No); }
void Hyser_Step_Mode::Line_Set_BW() { chart::Line_Set(hyther, state, geometry, true, Step_No); }
void Hyser_Step_Mode::Line_Reset() { chart::Line_Reset(hyther, geometry, 13); }
void Hyser_Step_Mode::Kion_Color() { colourValueTable(valueTable, state); }

// --- The step counter --------------------------------------------------------------------

void Hyser_Step_Mode::backToFirstStep() {
    Label55.setCaption(u"1"_s);
    Step_No = 1;
}

void Hyser_Step_Mode::clearChart() {
    Label15.setCaption(u"0"_s);
    Label16.setCaption(u"0"_s);
    Cls();
    Line_Reset();
}

// クリア empties the chart and starts the steps again; nothing is drawn until the next
// step or redraw.
void Hyser_Step_Mode::Command1_Click() {
    Label15.setCaption(u"0"_s);
    Label16.setCaption(u"0"_s);
    backToFirstStep();
    Cls();
    Line_Reset();
    if (Check2.Enabled()) Check2.SetFocus();
}

void Hyser_Step_Mode::Command1_GotFocus() { clearChart(); }

// The main window's clear: the step stays.
void Hyser_Step_Mode::Command2_Click() {
    clearChart();
    if (Check2.Enabled()) Check2.SetFocus();
}

// The step is read from the label that shows it, so the two never disagree.
void Hyser_Step_Mode::SpinButton2_SpinUp() {
    Step_No = std::min(shownStep(Label55) + 1, kClosingStep);
    Label55.setCaption(QString::number(Step_No));
    // A higher step draws more of the same chart: nothing needs taking down first.
    redraw();
}

void Hyser_Step_Mode::SpinButton2_SpinDown() {
    Step_No = std::max(shownStep(Label55) - 1, 1);
    Label55.setCaption(QString::number(Step_No));
    // What the lower step no longer draws goes with the clearing.
    Command2_Click();
    redraw();
}

// --- Normal values and single years -----------------------------------------------------

void Hyser_Step_Mode::Check2_Click() { modes_.switchMode(); }
void Hyser_Step_Mode::SpinButton1_SpinUp() { modes_.step(1); }
void Hyser_Step_Mode::SpinButton1_SpinDown() { modes_.step(-1); }

const data::Station_Ref& Hyser_Step_Mode::stationNamed(const QString& caption) const { return data::lookupStation(caption); }

void Hyser_Step_Mode::drawRow() {
    Hyouji_Hyther();
    Kion_Color();
}

void Hyser_Step_Mode::setArea(const QString& area) { showArea(Label53, area); }

// --- What the station pickers do to this window ------------------------------------------

bool Hyser_Step_Mode::showsNormalValues() const { return Check2.Value() == 1; }

void Hyser_Step_Mode::setStationName(const QString& name, double pointSize) {
    Label29.setCaption(name);
    if (pointSize > 0) Label29.setFontSize(pointSize);
}

void Hyser_Step_Mode::takeStationData(std::shared_ptr<ado::Connection> connection, std::shared_ptr<ado::Recordset> recordset) {
    Hyser_Cn = std::move(connection);
    if (recordset) Hyser_Rs = std::move(recordset);
}

void Hyser_Step_Mode::resetForNewStation() {
    tuki_Moved = 0;
    Label4.setCaption(QString::number(windows::kChoiceYear));
    Label15.setCaption(u"0"_s);
    Label16.setCaption(u"0"_s);
}

void Hyser_Step_Mode::setRegion(int region) { Label46.setCaption(QString::number(region)); }

void Hyser_Step_Mode::setNormalValues(bool on) { modes_.handOver(on); }

void Hyser_Step_Mode::setNormalValuesEnabled(bool enabled) { Check2.setEnabled(enabled); }

}  // namespace stepmode
