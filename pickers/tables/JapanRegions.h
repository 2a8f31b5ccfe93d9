#pragma once
// The seven Japan station-picker windows as data: each window's design, its stations
// and what its two buttons hide and show. The picker windows are built from these
// tables; nothing here has behaviour.

#include "platform/forms/Design.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace pickers {

// The five marker pictures that stand for a station on a map.
enum class Marker { Ring16, Dot16, SmallDot16, Dot31, WideDot31 };

struct PickerStation {
    QString label;   // label control name, e.g. "Label1"
    QString name;    // display name handed to the owner window, exactly as the catalogue writes it
    QString table;   // single-year table name
    QString marker;  // marker control name, e.g. "Image2"
    Marker picture;
};

struct JapanRegion {
    int region;                           // 1..7
    QString window;                       // "Form2", "Form18", ...
    QString dbFile;                       // "Hyther_DB/Hokkaido_Hyser_Data.mdb" (forward slashes)
    bool letsEventsRun;                   // Tohoku, Kanto, Kinki and Chubu
    QString mapFile;                      // "W_GIF/hokkaido_master.gif"; empty for Okinawa (map built in)
    bool mapLoadedByOwner;                // Hokkaido only
    forms::FormDesign design;             // every control, in stacking order: first row lowest (Image1 first)
    std::vector<PickerStation> stations;  // in the order of the region's table
    QStringList labelToggle;              // what Command1 hides/shows, in its order (labels; Tohoku also Line1..3)
    QStringList markerToggle;             // what Command2 hides/shows, in its order
};

// The seven regions, in region order 1..7.
const std::vector<JapanRegion>& japanRegions();

// The built-in picture of a marker: ":/markers/Marker_Ring16.gif" etc.
QString markerResource(Marker m);

}  // namespace pickers
