#include "tools/maps/Fit.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace maps {

namespace {

double length(QPointF p) { return std::hypot(p.x(), p.y()); }

}  // namespace

std::optional<MapFit> fitToMarkers(const std::vector<Placed>& stations, const QSizeF& twips, std::function<QPointF(QPointF)> base) {
    std::vector<QPointF> from, to;
    for (const auto& p : stations) {
        from.push_back(base(p.lonLat));
        to.push_back(p.target);
    }
    const auto affine = Affine::fit(from, to);
    if (!affine) return std::nullopt;

    std::vector<QPointF> at, shift;
    double sum = 0;
    std::vector<std::pair<double, QString>> misses;
    for (size_t i = 0; i < stations.size(); ++i) {
        at.push_back(affine->map(from[i]));
        shift.push_back(to[i] - at.back());
        const double miss = length(shift.back()) / kTwipsPerPixel;  // screen pixels
        sum += miss * miss;
        misses.emplace_back(miss, stations[i].name);
    }
    const auto bend = ThinPlate::fit(at, shift);
    if (!bend) return std::nullopt;

    std::sort(misses.rbegin(), misses.rend());
    const double east = length({affine->a, affine->d}) / kTwipsPerPixel;
    const double south = length({affine->b, affine->e}) / kTwipsPerPixel;
    std::printf(
        "  fit: %.1f screen px per degree of longitude, %.2f as much per degree of the base "
        "projection's latitude, turned %.1f degrees\n",
        east, south / east, std::atan2(affine->d, affine->a) * 180 / std::numbers::pi);
    std::printf("  misses before bending (screen px): rms %.1f, largest", std::sqrt(sum / static_cast<double>(stations.size())));
    for (size_t i = 0; i < 3 && i < misses.size(); ++i) std::printf(" %s %.1f", qPrintable(misses[i].second), misses[i].first);
    std::printf("\n");

    // The bend folds the map where its area factor is not positive.
    const auto moved = [&](QPointF q) { return q + (*bend)(q); };
    double smallest = 1e9;
    for (double y = 0; y <= twips.height(); y += 30) {
        for (double x = 0; x <= twips.width(); x += 30) {
            const QPointF dx = (moved({x + 1, y}) - moved({x - 1, y})) / 2;
            const QPointF dy = (moved({x, y + 1}) - moved({x, y - 1})) / 2;
            smallest = std::min(smallest, dx.x() * dy.y() - dx.y() * dy.x());
        }
    }
    std::printf("  bending: area factor at least %.2f on the picture\n", smallest);
    if (smallest <= 0) return std::nullopt;
    return MapFit{std::move(base), *affine, *bend};
}

}  // namespace maps
