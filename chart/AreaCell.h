#pragma once
// The area cell of a chart window's value table: the region or country of the station,
// in large type that shrinks for the names that would not fit.

#include "platform/forms/Controls.h"
#include "platform/forms/Design.h"

#include <QString>

namespace chart {

// The point size the area cell shows `area` in: 20, 18 for the two long names the
// windows have always set smaller, and smaller again, a pixel at a time, until the
// name fits `cellWidth` twips (the cell's border and a little air taken off).
double areaFontSize(const QString& area, const forms::FontDesign& font, double cellWidth);

// Shows `area` in the cell at the size that fits it.
void showArea(forms::Label& cell, const QString& area);

}  // namespace chart
