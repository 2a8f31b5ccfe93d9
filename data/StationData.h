#pragma once
// What every chart window does with a station's data: opening the station's table of
// single years, and binding labels to the fields of a recordset.

#include "platform/ado/Ado.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

#include <QString>

#include <initializer_list>
#include <memory>
#include <utility>

namespace data {

// A station's table of single years, opened but not yet bound to a window.
struct StationYears {
    QString table;
    std::shared_ptr<ado::Connection> connection;
    std::shared_ptr<ado::Recordset> recordset;
    int firstYear = 0;  // the year of the table's first row; 0 for an empty table
};

// The normal values of every station, opened as a window starts.
struct NormalValues {
    std::shared_ptr<ado::Connection> connection;
    std::shared_ptr<ado::Recordset> recordset;
};
NormalValues openNormalValues();

// Opens the table on the database of the region the caption names ("1".."7"). The region is
// compared as text, as the label holds it: "03" or " 3" select no database, and `current`,
// the connection the window has, is used.
StationYears openStationYears(const QString& regionCaption, const QString& table, const std::shared_ptr<ado::Connection>& current);

// Binds labels to fields of a recordset, and the two month arrays (1..13) to "Ondo_" and
// "Rain_" followed by the month.
void bindFields(const std::shared_ptr<ado::Recordset>& rs, std::initializer_list<std::pair<forms::Label*, QString>> fields,
                const forms::ControlArray<forms::Label>& ondo, const forms::ControlArray<forms::Label>& rain);

// What a station chart window shows of its records, by the names its design gives the
// labels: the normal-values labels (Label30/31 the months, Label32..34 the position) and the
// single-year labels (Label40/41, Label42..44, Label39 the ID, Label47/48 the marks); the
// station's name and year (Label36, Label1); the value cells (Label2/3, Label20..22). Only
// the area labels differ between the windows.
struct RecordLabels {
    QString normalsArea;  // the area of the normal-values row
    QString yearsArea;    // the area of the single-year row
};

// Binds the window's normal-values labels to `rs` and fills the value cells from them.
void bindNormalValues(const forms::Form& w, const std::shared_ptr<ado::Recordset>& rs, const RecordLabels& labels);
// Binds the window's single-year labels to `rs`; the station's name and year follow the
// single years only when they are shown (`nameAndYear`).
void bindYearLabels(const forms::Form& w, const std::shared_ptr<ado::Recordset>& rs, const RecordLabels& labels, bool nameAndYear);
// Fills the value cells from the bound single-year labels.
void showYearInCells(const forms::Form& w);

}  // namespace data
