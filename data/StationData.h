#pragma once
// What every chart window does with a station's data: opening the station's table of
// single years, and binding labels to the fields of a recordset.

#include "platform/ado/Ado.h"
#include "platform/forms/Controls.h"

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

// Opens the table on the database of the region the caption names ("1".."7"). The region is
// compared as text, as the label holds it: "03" or " 3" select no database, and `current`,
// the connection the window has, is used.
StationYears openStationYears(const QString& regionCaption, const QString& table, const std::shared_ptr<ado::Connection>& current);

// Binds labels to fields of a recordset, and the two month arrays (1..13) to "Ondo_" and
// "Rain_" followed by the month.
void bindFields(const std::shared_ptr<ado::Recordset>& rs, std::initializer_list<std::pair<forms::Label*, QString>> fields,
                const forms::ControlArray<forms::Label>& ondo, const forms::ControlArray<forms::Label>& rain);

}  // namespace data
