#pragma once
// Fitting a map to the markers of its picker: the markers were placed by hand, so no
// projection puts every station under its marker. A base projection is fitted to the
// markers by least squares with an affine map, and then bent by a thin-plate spline that
// takes each station's real place exactly to the centre of its marker's ellipse.

#include "tools/maps/Warp.h"

#include <QPointF>
#include <QSizeF>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace maps {

inline constexpr double kTwipsPerPixel = 15;

// A station with its real place and the point its map must put there: the centre of
// its marker's ellipse, in twips from the map image's top left corner.
struct Placed {
    QString name;
    QPointF lonLat;
    QPointF target;
};

// Places to twips from the map image's top left corner: the base projection, the affine
// fit, then the bend.
struct MapFit {
    std::function<QPointF(QPointF)> base;
    Affine affine;
    ThinPlate bend;

    QPointF place(QPointF lonLat) const {
        const QPointF q = affine.map(base(lonLat));
        return q + bend(q);
    }
};

// Fits a map to the markers of `stations` on a map image of `twips`, and reports how far
// the affine fit alone misses them. None when it cannot be fitted or the bend would fold
// the map somewhere on the image.
std::optional<MapFit> fitToMarkers(const std::vector<Placed>& stations, const QSizeF& twips, std::function<QPointF(QPointF)> base);

}  // namespace maps
