#pragma once
// Pieces shared by the seven world picker designs, and the routine that puts one window
// of a region together for one owner family.

#include "pickers/tables/WorldRegions.h"

namespace pickers::detail {

// One row of a region's station table: the label, the station it names and its marker.
struct WorldRow {
    QString label;
    QString name;
    int left, top, width, height;  // the label's rectangle
    QString marker;
    int markerLeft, markerTop;  // every marker is 240 × 240
};

// What a region's file gives for one of its four windows.
struct WorldDesign {
    WorldArea area;
    Family family;
    QString window;
    QString mapPicture;  // the region's map
    double mapWidth;     // Image1 is 60, 750, mapWidth, 9615
    bool mapStretched;
    // The two-graph family's maps come from the main window's picker when they load;
    // only a few of those windows carry the picture in their design as well.
    bool mapInDesign;
    // The credit line, notes and leader lines: every control that is neither a station's
    // nor one that all world pickers share.
    std::vector<forms::ControlDesign> fixed;
    std::vector<WorldRow> rows;
    QString smallerType;  // the label whose choice gives the owner 20-point type, if any
    QStringList labelToggle;
    QStringList markerToggle;
};

// The credit line of a map picture: red 11.25-point text over the map's corner.
forms::ControlDesign creditLine(const QString& name, double left, double top);

// A station label: dark red bold 12-point text, centred, on no background of its own.
forms::ControlDesign worldLabel(const WorldRow& row);

// Puts a window together: the common controls (map, instruction, buttons) and the given
// ones, stacked from the map at the bottom up through the credit line and notes, the
// leader lines, the labels and the markers to the instruction and the buttons. A name
// that is repeated throws std::logic_error.
WorldRegion assembleWorld(WorldDesign design);

// The control of `region` named `name`, for the few rows that differ from their kind.
forms::ControlDesign& worldControl(WorldRegion& region, const QString& name);

// The regions, one source file each.
WorldRegion europe(Family family);
WorldRegion russiaMiddleEast(Family family);
WorldRegion asia(Family family);
WorldRegion africa(Family family);
WorldRegion northAmerica(Family family);
WorldRegion southAmerica(Family family);
WorldRegion oceania(Family family);

// The window's name in a family: {main, two-graph, climograph, step-mode}.
QString windowOf(Family family, const char16_t* const (&names)[4]);

}  // namespace pickers::detail
