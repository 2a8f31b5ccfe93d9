#include "stationwindow/StationModes.h"

#include "data/ClimateDb.h"

#include "data/climate/DataPeriod.h"
#include "platform/forms/Services.h"
#include "platform/forms/Text.h"

#include <QScopedValueRollback>
#include <QStringList>

#include <cmath>
#include <exception>

using namespace Qt::Literals::StringLiterals;

namespace stationwindow {

using namespace data;

StationModes::StationModes(const forms::Form& form, StationModeWindow& window, const Records& records, Labels labels, int choiceYear,
                           bool focusModeBoxAfterStep)
    : form_(form),
      window_(window),
      records_(records),
      labels_(std::move(labels)),
      choiceYear_(choiceYear),
      focusModeBoxAfterStep_(focusModeBoxAfterStep),
      mode_(form.control<forms::Label>(u"Label19"_s)),
      year_(form.control<forms::Label>(u"Label4"_s)),
      yearsPiled_(form.control<forms::Label>(u"Label16"_s)),
      station_(form.control<forms::Label>(u"Label29"_s)),
      boundStation_(form.control<forms::Label>(u"Label36"_s)),
      boundId_(form.control<forms::Label>(u"Label39"_s)),
      normalsArea_(form.control<forms::Label>(labels_.record.normalsArea)),
      yearsArea_(form.control<forms::Label>(labels_.record.yearsArea)),
      area_(form.control<forms::Label>(labels_.areaCell)),
      region_(form.control<forms::Label>(u"Label46"_s)),
      normalValues_(form.control<forms::CheckBox>(u"Check2"_s)),
      cumulative_(form.control<forms::FormsCheckBox>(u"CheckBox1"_s)),
      spin_(form.control<forms::SpinButton>(u"SpinButton1"_s)) {}

// --- The records ----------------------------------------------------------------------------

StationYears StationModes::openYears(const QString& regionCaption, const QString& table) const {
    return openStationYears(regionCaption, table, records_.yearsConnection);
}

// The normal-values labels follow the normal values and fill the value cells.
void StationModes::bindNormalValues() { data::bindNormalValues(form_, records_.normals, labels_.record); }

// The single-year labels follow the years; the station's name and year follow them only
// when single years are shown.
void StationModes::bindYearLabels(bool nameAndYear) { data::bindYearLabels(form_, records_.years, labels_.record, nameAndYear); }

void StationModes::openAtStart() {
    NormalValues normals = openNormalValues();
    records_.normalsConnection = std::move(normals.connection);
    records_.normals = std::move(normals.recordset);
    station_.setCaption(u"東京"_s);
    boundStation_.setCaption(u"東京"_s);
    mode_.setCaption(u"平年値"_s);
    bindNormalValues();

    StationYears years = openYears(QString::number(kDefaultStationRegion), kDefaultStationTable);
    records_.yearsConnection = std::move(years.connection);
    records_.years = std::move(years.recordset);
    firstYear_ = years.firstYear;
    // The normal-values table lies in the first database, and so does the first row.
    region_.setCaption(QString::number(kNormalsRegion));
    bindYearLabels(false);
}

void StationModes::lookUp() {
    const Station_Ref& s = window_.stationNamed(station_.Caption());
    records_.stationNumber = s.number;
    records_.stationTable = s.table;
    region_.setCaption(QString::number(s.region));
    if (!labels_.tableCell.isEmpty()) form_.control<forms::Label>(labels_.tableCell).setCaption(s.table);
}

void StationModes::bind() {
    if (normalValues_.Value() == 1) {
        // The cells take the looked-up station's row, or nothing when it has none; never
        // the row that happens to be current, which is the station shown before.
        records_.normals->MoveFirst();
        records_.normals->Find(u"Point_No="_s + QString::number(records_.stationNumber));
        bindNormalValues();
    } else if (normalValues_.Value() == 0) {
        // What the mode switch opened ahead is used; otherwise the station's table is
        // opened here, and the window's objects are replaced only once it is open.
        StationYears years = prepared_ && prepared_->table == records_.stationTable ? std::move(*prepared_)
                                                                                    : openYears(region_.Caption(), records_.stationTable);
        prepared_.reset();
        records_.yearsConnection = std::move(years.connection);
        records_.years = std::move(years.recordset);
        firstYear_ = years.firstYear;
        bindYearLabels(true);
        showYearInCells(form_);
    }
}

void StationModes::find() {
    if (normalValues_.Value() == 1) {
        lookUp();
        records_.findKey = u"Point_No="_s + QString::number(records_.stationNumber);
        records_.normals->MoveFirst();
        records_.normals->Find(records_.findKey);
        // A station without a row shows nothing rather than another station's row, and
        // the message stands over the window as it is left: the chosen name over an empty
        // table and chart.
        if (records_.normals->isEOF()) {
            window_.drawRow();
            forms::Beep();
            forms::MsgBox(u"該当するレコードが見つかりません"_s);
        }
    } else if (normalValues_.Value() == 0) {
        records_.findKey = u"nen="_s + forms::Str(forms::Val(year_.Caption()));
        records_.years->MoveFirst();
        records_.years->Find(records_.findKey);
        // A year without a row shows nothing rather than another year.
        if (records_.years->isEOF()) forms::Beep();
    }
}

// --- The modes and the steps ----------------------------------------------------------------

// The station a mode switch goes on with: the one of the current record, or, when a search
// found nothing and the bound name reads empty, the station the window last looked up.
QString StationModes::stationForSwitch() const {
    if (!boundStation_.Caption().isEmpty()) return boundStation_.Caption();
    if (!station_.Caption().isEmpty()) return station_.Caption();
    const Station_Ref* s = stationByNumber(records_.stationNumber);
    return s ? s->name : QString();
}

void StationModes::switchMode() {
    if (reverting_) return;
    const int mode = normalValues_.Value();
    if (mode != 0 && mode != 1) return;
    if (handingOver_) {
        // The picker looks the chosen station up and draws it next: the station shown
        // before is neither named, looked up nor drawn again on the way.
        showMode(mode);
        return;
    }
    const QString station = stationForSwitch();
    if (mode == 0) {
        // Everything the single years need is opened before anything changes: a database
        // or table that cannot be opened leaves the window showing what it showed.
        const Station_Ref& s = window_.stationNamed(station);
        try {
            prepared_ = openYears(QString::number(s.region), s.table);
        } catch (const std::exception& e) {
            prepared_.reset();
            forms::MsgBox(u"各年値を開けません。\n"_s + QString::fromStdString(e.what()), forms::vbExclamation);
            const QScopedValueRollback<bool> guard(reverting_, true);
            normalValues_.setValue(1);
            return;
        }
    }
    showMode(mode);
    station_.setCaption(station);
    window_.setArea(mode == 1 ? normalsArea_.Caption() : yearsArea_.Caption());
    lookUp();
    bind();
    window_.redraw();
}

void StationModes::showMode(int mode) {
    if (mode == 0) {
        mode_.setVisible(false);
        mode_.setCaption(u"各年値"_s);
        mode_.setForeColor(0xFF);
        cumulative_.setEnabled(true);
    } else {
        mode_.setVisible(true);
        mode_.setCaption(u"平年値"_s);
        mode_.setForeColor(0xFF0000);
        {
            // Clearing 累積表示 here is the window's own change, not the user's: its Click
            // must neither switch back to single years nor start anything again.
            const QScopedValueRollback<bool> guard(reverting_, true);
            cumulative_.setValue(false);
        }
        year_.setCaption(QString::number(choiceYear_));
        cumulative_.setEnabled(false);
    }
}

void StationModes::handOver(bool normalValues) {
    const QScopedValueRollback<bool> guard(handingOver_, true);
    normalValues_.setValue(normalValues ? 1 : 0);
}

// The station's first year is the floor; a row whose ID is no number stops the steps down
// too. A year without a row steps on down to the years that have one, and never below the
// first of them.
bool StationModes::atFirstYear() const {
    if (records_.years->hasCurrentRow()) {
        bool numeric = false;
        const double id = boundId_.Caption().trimmed().toDouble(&numeric);
        return !numeric || !std::isfinite(id) || id <= 1;
    }
    return forms::Val(year_.Caption()) <= firstYear_;
}

void StationModes::step(int by) {
    window_.stepStarting();
    if (mode_.Caption() == u"平年値"_s) {
        // Past the last row the table starts again at its first, before the first at its
        // last.
        ado::Recordset& rs = *records_.normals;
        if (by > 0) {
            if (!rs.isEOF()) rs.MoveNext();
            if (rs.isEOF()) rs.MoveFirst();
        } else {
            if (!rs.isBOF()) rs.MovePrevious();
            if (rs.isBOF()) rs.MoveLast();
        }
        window_.drawRow();
        station_.setCaption(boundStation_.Caption());
        window_.setArea(normalsArea_.Caption());
    } else if (mode_.Caption() == u"各年値"_s) {
        // A station without years has nothing to step to; the last year of the data is
        // the ceiling.
        if (records_.years->RecordCount() == 0) return forms::Beep();
        if (by > 0 ? forms::Val(year_.Caption()) >= climate::kLastSingleYear : atFirstYear()) return;
        year_.setCaption(forms::Str(forms::Val(year_.Caption()) + by));
        window_.redraw();
        if (by > 0) yearsPiled_.setCaption(forms::Str(forms::Val(yearsPiled_.Caption()) + 1));
    }
    stepEnd();
}

void StationModes::stepEnd() {
    static const QStringList japaneseAreas = {u"日本"_s, u"北海道"_s,     u"東北"_s, u"関東"_s,
                                              u"近畿"_s, u"中国・四国"_s, u"九州"_s, u"沖縄"_s};
    if (focusModeBoxAfterStep_ && !cumulative_.Value() && normalValues_.Enabled()) normalValues_.SetFocus();
    // Single years exist for Japanese stations only; in single years the way back to the
    // normal values stays open, also on a year without a row.
    normalValues_.setEnabled(normalValues_.Value() == 0 || japaneseAreas.contains(area_.Caption()));
    window_.stepEnding();
    window_.setArea(area_.Caption());
    spin_.SetFocus();
}

}  // namespace stationwindow
