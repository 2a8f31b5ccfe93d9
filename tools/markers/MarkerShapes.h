#pragma once
// The five station marker pictures: each is a square picture, transparent but for an
// ellipse that fills exactly the given columns and rows (counted from 0 at the top left).

#include "pickers/tables/JapanRegions.h"

#include <QPointF>
#include <QString>

namespace markers {

struct MarkerShape {
    pickers::Marker marker;
    const char16_t* name;          // the picture's file name without ".gif"
    int size;                      // pixels, square
    int left, top, right, bottom;  // the ellipse's first and last column and row
    bool ring;                     // a red rim round a magenta fill; otherwise solid red
};

inline constexpr MarkerShape kShapes[] = {
    {pickers::Marker::Ring16, u"Marker_Ring16", 16, 3, 4, 12, 10, true},
    {pickers::Marker::Dot16, u"Marker_Dot16", 16, 2, 3, 13, 11, false},
    {pickers::Marker::SmallDot16, u"Marker_SmallDot16", 16, 3, 4, 12, 10, false},
    {pickers::Marker::Dot31, u"Marker_Dot31", 31, 9, 10, 20, 18, false},
    {pickers::Marker::WideDot31, u"Marker_WideDot31", 31, 9, 10, 21, 18, false},
};

inline const MarkerShape& shapeOf(pickers::Marker m) {
    for (const auto& s : kShapes)
        if (s.marker == m) return s;
    return kShapes[0];
}

// The ellipse's centre in pixel units from the picture's top left corner.
inline QPointF ellipseCentre(const MarkerShape& s) { return {(s.left + s.right + 1) / 2.0, (s.top + s.bottom + 1) / 2.0}; }

}  // namespace markers
