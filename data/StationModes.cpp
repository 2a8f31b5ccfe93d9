#include "data/StationModes.h"

#include "data/climate/DataPeriod.h"
#include "platform/forms/Services.h"
#include "platform/forms/Text.h"

#include <QScopedValueRollback>
#include <QStringList>

#include <cmath>
#include <exception>

using namespace Qt::Literals::StringLiterals;

namespace data {

StationModes::StationModes(const forms::Form& form, StationModeWindow& window, const Labels& labels, int choiceYear,
                           bool focusModeBoxAfterStep)
    : window_(window),
      choiceYear_(choiceYear),
      focusModeBoxAfterStep_(focusModeBoxAfterStep),
      mode_(form.control<forms::Label>(u"Label19"_s)),
      year_(form.control<forms::Label>(u"Label4"_s)),
      yearsPiled_(form.control<forms::Label>(u"Label16"_s)),
      station_(form.control<forms::Label>(u"Label29"_s)),
      boundStation_(form.control<forms::Label>(u"Label36"_s)),
      boundId_(form.control<forms::Label>(u"Label39"_s)),
      normalsArea_(form.control<forms::Label>(labels.record.normalsArea)),
      yearsArea_(form.control<forms::Label>(labels.record.yearsArea)),
      area_(form.control<forms::Label>(labels.areaCell)),
      normalValues_(form.control<forms::CheckBox>(u"Check2"_s)),
      cumulative_(form.control<forms::FormsCheckBox>(u"CheckBox1"_s)),
      spin_(form.control<forms::SpinButton>(u"SpinButton1"_s)) {}

// The station a mode switch goes on with: the one of the current record, or, when a search
// found nothing and the bound name reads empty, the station the window last looked up.
QString StationModes::stationForSwitch() const {
    if (!boundStation_.Caption().isEmpty()) return boundStation_.Caption();
    if (!station_.Caption().isEmpty()) return station_.Caption();
    const Station_Ref* s = stationByNumber(window_.lookedUpStation());
    return s ? s->name : QString();
}

void StationModes::switchMode() {
    if (reverting_) return;
    const QString station = stationForSwitch();
    if (normalValues_.Value() == 0) {
        // Everything the single years need is opened before anything changes: a database
        // or table that cannot be opened leaves the window showing what it showed.
        const Station_Ref& s = window_.stationNamed(station);
        try {
            prepared_ = window_.openYears(QString::number(s.region), s.table);
        } catch (const std::exception& e) {
            prepared_.reset();
            forms::MsgBox(u"各年値を開けません。\n"_s + QString::fromStdString(e.what()), forms::vbExclamation);
            const QScopedValueRollback<bool> guard(reverting_, true);
            normalValues_.setValue(1);
            return;
        }
        mode_.setVisible(false);
        mode_.setCaption(u"各年値"_s);
        mode_.setForeColor(0xFF);
        cumulative_.setEnabled(true);
        station_.setCaption(station);
        window_.setArea(yearsArea_.Caption());
    } else if (normalValues_.Value() == 1) {
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
        station_.setCaption(station);
        window_.setArea(normalsArea_.Caption());
    } else {
        return;
    }
    window_.modeSwitched();
}

StationYears StationModes::takeYears(const QString& regionCaption, const QString& table) {
    StationYears years = prepared_ && prepared_->table == table ? std::move(*prepared_) : window_.openYears(regionCaption, table);
    prepared_.reset();
    return years;
}

// The station's first year is the floor; a row whose ID is no number stops the steps down
// too. A year without a row steps on down to the years that have one, and never below the
// first of them.
bool StationModes::atFirstYear() const {
    if (window_.yearRows().hasCurrentRow()) {
        bool numeric = false;
        const double id = boundId_.Caption().trimmed().toDouble(&numeric);
        return !numeric || !std::isfinite(id) || id <= 1;
    }
    return forms::Val(year_.Caption()) <= window_.firstYear();
}

void StationModes::step(int by) {
    window_.stepStarting();
    if (mode_.Caption() == u"平年値"_s) {
        // Past the last row the table starts again at its first, before the first at its
        // last.
        ado::Recordset& rs = window_.normalRows();
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
        if (window_.yearRows().RecordCount() == 0) return forms::Beep();
        if (by > 0 ? forms::Val(year_.Caption()) >= climate::kLastSingleYear : atFirstYear()) return;
        year_.setCaption(forms::Str(forms::Val(year_.Caption()) + by));
        window_.drawYear();
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

}  // namespace data
