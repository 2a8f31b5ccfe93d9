#pragma once
// The seven world station-picker windows as data, in the four copies that the four
// station chart windows own: each window's design, its stations and what its two buttons
// hide and show. The picker windows are built from these tables; nothing here has
// behaviour.

#include "platform/forms/Design.h"
#include "windows/Family.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace pickers {

enum class WorldArea { Europe, RussiaMiddleEast, Asia, Africa, NorthAmerica, SouthAmerica, Oceania };

// The station chart window that owns a copy of each world picker.
using windows::Family;

struct WorldStation {
    QString label;     // label control name, e.g. "Label1"
    QString name;      // caption handed to the owner, exactly as the owner's lookup knows it
    QString marker;    // the marker whose click is this label's click, e.g. "Image13"
    double pointSize;  // of the owner's station-name label after the choice
};

struct WorldRegion {
    WorldArea area;
    Family family;
    QString window;                      // "Form3", "Form81", ...
    QString mapPicture;                  // the region's map, built into the program
    bool mapFromHythergraphPicker;       // the two-graph family takes the main window's map when it loads
    forms::FormDesign design;            // every control, in stacking order: first row lowest (Image1 first)
    std::vector<WorldStation> stations;  // in the order of the region's table
    QStringList labelToggle;             // what Command1 hides and shows, in its order (labels, then lines)
    QStringList markerToggle;            // what Command2 hides and shows, in its order
};

// The 28 windows: the seven areas in order for the hythergraph main window, then for the
// two-graph, climograph and step-mode windows.
const std::vector<WorldRegion>& worldRegions();
const WorldRegion& worldRegion(WorldArea area, Family family);

// The marker picture of every world station.
QString worldMarkerResource();

}  // namespace pickers
