#pragma once
// What a station picker does to the chart window it belongs to. Every station chart
// window offers the same operations; the picker never reaches the window's fields.

#include "platform/ado/Ado.h"
#include "platform/forms/Form.h"

#include <memory>

namespace windows {

// The year a window stands on after a new station is chosen: single years start there,
// and a switch to normal values puts it back.
inline constexpr int kChoiceYear = 2000;
// The region number that world stations carry: their rows lie in the first database.
inline constexpr int kWorldStationRegion = 1;

class StationOwner {
public:
    virtual ~StationOwner() = default;

    virtual forms::Form& ownerForm() = 0;
    // True while the window shows normal values (its 平年値 box is ticked).
    virtual bool showsNormalValues() const = 0;

    // The station's name in the window's name label (Label29); a point size of 0 keeps
    // the label's font.
    virtual void setStationName(const QString& name, double pointSize = 0) = 0;
    // The chosen station's data: the connection on its region's database and, for
    // single years, its table, already open. A null recordset keeps the window's own.
    virtual void takeStationData(std::shared_ptr<ado::Connection> connection, std::shared_ptr<ado::Recordset> recordset) = 0;
    // Year kChoiceYear, counters at zero, month numbers back at their places by rule.
    virtual void resetForNewStation() = 0;
    virtual void setRegion(int region) = 0;  // Label46
    // Ticks or clears the 平年値 box for the station being handed over: a change switches
    // the mode's tags only, as the hand-off looks the station up and draws it itself.
    virtual void setNormalValues(bool on) = 0;
    virtual void setNormalValuesEnabled(bool enabled) = 0;

    // The window's own operations, in the order a hand-off calls them after the clearing:
    virtual void Command1_Click() = 0;  // クリア: the chart and the counters cleared
    virtual void Heinen_Name() = 0;     // the named station looked up: number, table, region
    virtual void DB_conect() = 0;       // the rows of the mode shown bound to the window's labels
    virtual void Hyouji() = 0;          // the station's row (normal values) or the year's found
    virtual void Hyouji_Hyther() = 0;   // the value table filled and the chart drawn
    virtual void Kion_Color() = 0;      // the value cells coloured by their bands
};

}  // namespace windows
