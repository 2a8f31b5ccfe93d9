#pragma once
// The map projection: Mercator, an affine fit to the hand-placed markers, and a
// thin-plate spline that moves each station's real place exactly under its marker.

#include <QPointF>

#include <optional>
#include <vector>

namespace maps {

// Mercator in degrees: x the longitude, y the stretched latitude, growing southward so
// that it runs with the rows of a picture.
QPointF mercator(QPointF lonLat);
QPointF unmercator(QPointF xy);

// x' = a x + b y + c, y' = d x + e y + f.
struct Affine {
    double a = 1, b = 0, c = 0, d = 0, e = 1, f = 0;

    QPointF map(QPointF p) const { return {a * p.x() + b * p.y() + c, d * p.x() + e * p.y() + f}; }
    QPointF unmap(QPointF p) const;

    // The least-squares fit taking `from` to `to`; none for fewer than three points or
    // points on one line.
    static std::optional<Affine> fit(const std::vector<QPointF>& from, const std::vector<QPointF>& to);
};

// The smoothest displacement field (least bending energy) that takes each of its points
// exactly by its given shift.
class ThinPlate {
public:
    static std::optional<ThinPlate> fit(const std::vector<QPointF>& at, const std::vector<QPointF>& shift);
    QPointF operator()(QPointF p) const;

private:
    std::vector<QPointF> at_;
    std::vector<double> wx_, wy_;  // radial weights, then the affine part: 1, x, y
};

// Solves a x = b by Gaussian elimination with partial pivoting; none when singular.
std::optional<std::vector<double>> solve(std::vector<std::vector<double>> a, std::vector<double> b);

}  // namespace maps
