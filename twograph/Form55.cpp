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

#include <QScopedValueRollback>

#include <cmath>

using namespace chart;
using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace twograph {
namespace {

// Station 57196, whose row the database stores as オークランド: this window's Oceania
// picker shows it as ウェリントン.
constexpr int kWellington = 57196;

// The station lookup of this window: the catalogue's, knowing 57196 by both names.
const data::Station_Ref& lookup(const QString& caption) {
    const QString name =
        caption.size() >= 2 && caption.front() == u'"' && caption.back() == u'"' ? caption.mid(1, caption.size() - 2) : caption;
    if (name == u"ウェリントン"_s) {
        if (const data::Station_Ref* s = data::stationByNumber(kWellington)) return *s;
    }
    return data::lookupStation(caption);
}

}  // namespace

Form55::Form55() : Form(design()) { wire(); }

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

    windows::navigation().form(windows::Window::Splash).Show();
    DoEvents();
    placeAndShow(*this, Placement::AboveCentre);
    if (windows::navigation().isLoaded(windows::Window::Splash)) windows::navigation().form(windows::Window::Splash).Unload();

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

// Closing this window leaves the program and every other window running.
void Form55::Form_end_Click() { Unload(); }

// Its pickers go with it: a pick on one left open would bring the window back unasked.
void Form55::Form_Unload(int&) { windows::navigation().unloadPickers(windows::Family::TwoGraph); }

// --- Opening the data ----------------------------------------------------------------------

namespace {

// Where this window shows the area of each kind of row.
const data::RecordLabels kRecordLabels{u"Label52"_s, u"Label51"_s};

}  // namespace

void Form55::Start_DB_conect() {
    data::NormalValues normals = data::openNormalValues();
    Graph2_Heinen_Cn = std::move(normals.connection);
    Graph2_Heinen_Rs = std::move(normals.recordset);
    Label29.setCaption(u"東京"_s);
    Label36.setCaption(u"東京"_s);
    Label19.setCaption(u"平年値"_s);
    bindNormalValues();

    StationYears years = openStationYears(QString::number(data::kDefaultStationRegion), data::kDefaultStationTable);
    Graph2_Cn = std::move(years.connection);
    Graph2_Rs = std::move(years.recordset);
    firstYear_ = years.firstYear;
    // The normal-values table lies in the first database, and so does the first row.
    Label46.setCaption(QString::number(data::kNormalsRegion));
    bindYearLabels(false);
}

Form55::StationYears Form55::openStationYears(const QString& regionCaption, const QString& table) const {
    return data::openStationYears(regionCaption, table, Graph2_Cn);
}

// The normal-values labels follow Graph2_Heinen_Rs and fill the value cells.
void Form55::bindNormalValues() { data::bindNormalValues(*this, Graph2_Heinen_Rs, kRecordLabels); }

// The single-year labels follow Graph2_Rs; the station's name and year follow it only
// when single years are shown.
void Form55::bindYearLabels(bool nameAndYear) { data::bindYearLabels(*this, Graph2_Rs, kRecordLabels, nameAndYear); }

void Form55::bindSingleYears() {
    // What the mode switch opened ahead is used; otherwise the station's table is opened
    // here, and the window's objects are replaced only once it is open.
    StationYears years =
        prepared_ && prepared_->table == Station_Table ? std::move(*prepared_) : openStationYears(Label46.Caption(), Station_Table);
    prepared_.reset();
    Graph2_Cn = std::move(years.connection);
    Graph2_Rs = std::move(years.recordset);
    firstYear_ = years.firstYear;
    bindYearLabels(true);
    data::showYearInCells(*this);
}

void Form55::DB_conect() {
    if (Check2.Value() == 1) {
        bindNormalValues();
    } else if (Check2.Value() == 0) {
        bindSingleYears();
    }
}

void Form55::Heinen_Name() {
    const data::Station_Ref& s = lookup(Label29.Caption());
    Graph2_Point_No_Cur = s.number;
    Station_Table = s.table;
    Label46.setCaption(QString::number(s.region));
    Label45.setCaption(s.table);
}

void Form55::Hyouji() {
    if (Check2.Value() == 1) {
        Heinen_Name();
        Graph2_Find_Key = u"Point_No="_s + QString::number(Graph2_Point_No_Cur);
        Graph2_Heinen_Rs->MoveFirst();
        Graph2_Heinen_Rs->Find(Graph2_Find_Key);
    } else if (Check2.Value() == 0) {
        Graph2_Find_Key = u"nen="_s + Str(Val(Label4.Caption()));
        Graph2_Rs->MoveFirst();
        Graph2_Rs->Find(Graph2_Find_Key);
    }
    // A station or year without a row shows nothing rather than another station's row
    // or another year: the recordset stays after its last row and the cells stay empty.
    if (Check2.Value() == 1) {
        if (Graph2_Heinen_Rs->isEOF()) {
            Beep();
            MsgBox(u"該当するレコードが見つかりません"_s);
        }
    } else if (Check2.Value() == 0) {
        if (Graph2_Rs->isEOF()) Beep();
    }
}

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

// The station a mode switch goes on with: the one of the current record, or, when a search
// found nothing and the bound name reads empty, the station the window last looked up.
QString Form55::stationForSwitch() const {
    if (!Label36.Caption().isEmpty()) return Label36.Caption();
    if (!Label29.Caption().isEmpty()) return Label29.Caption();
    const data::Station_Ref* s = data::stationByNumber(Graph2_Point_No_Cur);
    return s ? s->name : QString();
}

void Form55::Check2_Click() {
    if (revertingMode_) return;
    const QString station = stationForSwitch();
    if (Check2.Value() == 0) {
        // Everything the single years need is opened before anything changes: a database
        // or table that cannot be opened leaves the window showing what it showed.
        const data::Station_Ref& s = lookup(station);
        try {
            prepared_ = openStationYears(QString::number(s.region), s.table);
        } catch (const std::exception& e) {
            prepared_.reset();
            MsgBox(u"各年値を開けません。\n"_s + QString::fromStdString(e.what()), vbExclamation);
            const QScopedValueRollback<bool> guard(revertingMode_, true);
            Check2.setValue(1);
            return;
        }
        Label19.setVisible(false);
        Label19.setCaption(u"各年値"_s);
        Label19.setForeColor(0xFF);
        CheckBox1.setEnabled(true);
        Label29.setCaption(station);
        setArea(Label51.Caption());
    } else if (Check2.Value() == 1) {
        Label19.setVisible(true);
        Label19.setCaption(u"平年値"_s);
        Label19.setForeColor(0xFF0000);
        {
            // Clearing 累積表示 here must not switch the window back to single years.
            const QScopedValueRollback<bool> guard(revertingMode_, true);
            CheckBox1.setValue(false);
        }
        Label4.setCaption(QString::number(windows::kChoiceYear));
        CheckBox1.setEnabled(false);
        Label29.setCaption(station);
        setArea(Label52.Caption());
    } else {
        return;
    }
    Heinen_Name();
    DB_conect();
    Hyouji();
    Hyouji_Hyther();
    Kion_Color();
}

void Form55::SpinButton1_SpinUp() { step(1); }
void Form55::SpinButton1_SpinDown() { step(-1); }

// One normal-values row or one year up or down. A step places the month numbers by rule
// again.
void Form55::step(int by) {
    tuki_Moved = 0;
    if (Label19.Caption() == u"平年値"_s) {
        // Past the last row the table starts again at its first, before the first at its
        // last.
        ado::Recordset& rs = *Graph2_Heinen_Rs;
        if (by > 0) {
            if (!rs.isEOF()) rs.MoveNext();
            if (rs.isEOF()) rs.MoveFirst();
        } else {
            if (!rs.isBOF()) rs.MovePrevious();
            if (rs.isBOF()) rs.MoveLast();
        }
        Hyouji_Hyther();
        Kion_Color();
        Label29.setCaption(Label36.Caption());
        setArea(Label52.Caption());
    } else if (Label19.Caption() == u"各年値"_s) {
        // A station without years has nothing to step to.
        if (Graph2_Rs->RecordCount() == 0) return Beep();
        if (by > 0 ? Val(Label4.Caption()) >= kLastYear : atFirstYear()) return;
        Label4.setCaption(Str(Val(Label4.Caption()) + by));
        Hyouji();
        Hyouji_Hyther();
        Kion_Color();
        if (by > 0) Label16.setCaption(Str(Val(Label16.Caption()) + 1));
    }
    stepEnd();
}

// The station's first year is the floor; a row whose ID is no number stops the steps down
// too. A year without a row steps on down to the years that have one, and never below the
// first of them.
bool Form55::atFirstYear() const {
    if (Graph2_Rs->hasCurrentRow()) {
        bool numeric = false;
        const double id = Label39.Caption().trimmed().toDouble(&numeric);
        return !numeric || !std::isfinite(id) || id <= 1;
    }
    return Val(Label4.Caption()) <= firstYear_;
}

void Form55::setArea(const QString& area) { showArea(Label53, area); }

void Form55::stepEnd() {
    static const QStringList japaneseAreas = {u"日本"_s, u"北海道"_s,     u"東北"_s, u"関東"_s,
                                              u"近畿"_s, u"中国・四国"_s, u"九州"_s, u"沖縄"_s};
    if (!CheckBox1.Value() && Check2.Enabled()) Check2.SetFocus();
    // Single years exist for Japanese stations only; in single years the way back to the
    // normal values stays open, also on a year without a row.
    Check2.setEnabled(Check2.Value() == 0 || japaneseAreas.contains(Label53.Caption()));
    Label29.setFontSize(Label29.Caption() == u"サンクトペテルブルグ"_s ? 20 : 24);
    setArea(Label53.Caption());
    SpinButton1.SetFocus();
}

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

void Form55::setNormalValues(bool on) { Check2.setValue(on ? 1 : 0); }

void Form55::setNormalValuesEnabled(bool enabled) { Check2.setEnabled(enabled); }

}  // namespace twograph
