#include "tools/koppen/Projection.h"

#include <cmath>
#include <numbers>

namespace koppen {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDegree = kPi / 180;

// The auxiliary angle of the Mollweide projection: 2θ + sin 2θ = π sin φ, by Newton's
// method (it converges within a few steps everywhere but right at the poles).
double auxiliaryAngle(double phi) {
    if (std::abs(std::abs(phi) - kPi / 2) < 1e-9) return phi;
    double theta = phi;
    for (int i = 0; i < 50; ++i) {
        const double f = 2 * theta + std::sin(2 * theta) - kPi * std::sin(phi);
        const double step = f / (2 + 2 * std::cos(2 * theta));
        theta -= step;
        if (std::abs(step) < 1e-12) break;
    }
    return theta;
}

}  // namespace

std::optional<QPointF> Mollweide::toPixel(double lon, double lat) const {
    if (std::abs(lon) > 180 || std::abs(lat) > 90) return std::nullopt;
    const double theta = auxiliaryAngle(lat * kDegree);
    const double a = ellipse_.width() / 2;   // 2√2 R
    const double b = ellipse_.height() / 2;  // √2 R
    return QPointF(ellipse_.center().x() + a * (lon / 180) * std::cos(theta), ellipse_.center().y() - b * std::sin(theta));
}

std::optional<QPointF> Mollweide::toPlace(QPointF pixel) const {
    const double a = ellipse_.width() / 2;
    const double b = ellipse_.height() / 2;
    const double x = (pixel.x() - ellipse_.center().x()) / a;  // -1..1 across the equator
    const double y = (ellipse_.center().y() - pixel.y()) / b;  // -1..1 pole to pole
    if (x * x + y * y > 1) return std::nullopt;
    const double theta = std::asin(y);
    const double lat = std::asin((2 * theta + std::sin(2 * theta)) / kPi) / kDegree;
    const double c = std::cos(theta);
    const double lon = c > 1e-12 ? 180 * x / c : 0;
    if (std::abs(lon) > 180) return std::nullopt;
    return QPointF(lon, lat);
}

std::optional<QPointF> PlateCarree::toPixel(double lon, double lat) const {
    if (lon < west_ || lon > east_ || lat > north_ || lat < south_) return std::nullopt;
    return QPointF(frame_.left() + frame_.width() * (lon - west_) / (east_ - west_),
                   frame_.top() + frame_.height() * (north_ - lat) / (north_ - south_));
}

std::optional<QPointF> PlateCarree::toPlace(QPointF pixel) const {
    if (!frame_.contains(pixel)) return std::nullopt;
    return QPointF(west_ + (east_ - west_) * (pixel.x() - frame_.left()) / frame_.width(),
                   north_ - (north_ - south_) * (pixel.y() - frame_.top()) / frame_.height());
}

std::optional<QPointF> Orthographic::toPixel(double lon, double lat) const {
    const double phi = lat * kDegree, lambda = (lon - lon0_) * kDegree, phi0 = lat0_ * kDegree;
    const double cosC = std::sin(phi0) * std::sin(phi) + std::cos(phi0) * std::cos(phi) * std::cos(lambda);
    if (cosC < 0) return std::nullopt;  // the far side
    const double x = radius_ * std::cos(phi) * std::sin(lambda);
    const double y = radius_ * (std::cos(phi0) * std::sin(phi) - std::sin(phi0) * std::cos(phi) * std::cos(lambda));
    return QPointF(centre_.x() + x, centre_.y() - y);
}

std::optional<QPointF> Orthographic::toPlace(QPointF pixel) const {
    const double x = pixel.x() - centre_.x();
    const double y = centre_.y() - pixel.y();
    const double rho = std::hypot(x, y);
    if (rho > radius_) return std::nullopt;
    const double phi0 = lat0_ * kDegree;
    if (rho < 1e-12) return QPointF(lon0_, lat0_);
    const double c = std::asin(rho / radius_);
    const double lat = std::asin(std::cos(c) * std::sin(phi0) + y * std::sin(c) * std::cos(phi0) / rho) / kDegree;
    double lon = lon0_ + std::atan2(x * std::sin(c), rho * std::cos(c) * std::cos(phi0) - y * std::sin(c) * std::sin(phi0)) / kDegree;
    if (lon > 180) lon -= 360;
    if (lon < -180) lon += 360;
    return QPointF(lon, lat);
}

Mollweide worldMap() { return Mollweide(QRectF(kMapLeft, kMapTop, kWorldWidth, kMapHeight)); }

PlateCarree sectionMap() {
    return PlateCarree(QRectF(kMapLeft, kMapTop, kSectionWidth, kMapHeight), kSectionWest, kSectionEast, kSectionNorth, kSectionSouth);
}

}  // namespace koppen
