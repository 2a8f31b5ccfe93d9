#pragma once
// Pieces shared by the seven picker designs, and the routine that stacks a region's
// controls in the order its window lays them.

#include "pickers/tables/JapanRegions.h"

#include <functional>

namespace pickers::detail {

// One row of a region's station table: the label, the station it names and its marker.
struct StationRow {
    QString label;
    QString name;
    QString table;
    int left, top, width, height;  // the label's rectangle
    QString marker;
    int markerLeft, markerTop;  // the marker's size follows from its picture
    Marker picture;
};

// The window every picker shares: pale background, sizable border, no maximise button
// and the picker icon; `width` and `height` are the client area.
forms::FormDesign pickerWindow(const QString& name, const QString& caption, double width, double height);

// `Command1` and `Command2`, first and second in the tab order.
forms::ControlDesign labelButton(double l, double t, double w, double h, const QString& caption);
forms::ControlDesign markerButton(double l, double t, double w, double h);

// The instruction label of every region but Hokkaido: one blank before the text.
forms::ControlDesign instruction(double l, double t, double w, double h);

// `Image1`, the map, stretched to its rectangle.
forms::ControlDesign mapImage(double l, double t, double w, double h);

// A station label in the region's label colour, green bold 12-point text.
forms::ControlDesign stationLabel(const StationRow& row, forms::Color back, const QString& face);

// A station marker at the natural size of its picture.
forms::ControlDesign stationMarker(const StationRow& row);

// "Label30", "Label29", ..., "Label16": a run of numbered names, either way.
QStringList run(const QString& prefix, int from, int to);

// Puts a region together. `fixed` holds every control that is not a station control,
// `labelOf` makes a station's label, and `stackTopDown` names every control from the top
// of the stack down, as a window's design lists it. A name that is missing,
// unknown or repeated throws std::logic_error.
void assemble(JapanRegion& region, std::vector<forms::ControlDesign> fixed, const std::vector<StationRow>& rows,
              const std::function<forms::ControlDesign(const StationRow&)>& labelOf, const QStringList& stackTopDown);

// The control of `region` named `name`, for the few rows that differ from their kind.
forms::ControlDesign& control(JapanRegion& region, const QString& name);

// The regions, one source file each.
JapanRegion hokkaido();
JapanRegion tohoku();
JapanRegion kanto();
JapanRegion kinkiChubu();
JapanRegion chugokuShikoku();
JapanRegion kyushu();
JapanRegion okinawa();

}  // namespace pickers::detail
