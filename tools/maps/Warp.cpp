#include "tools/maps/Warp.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace maps {

namespace {

constexpr double kDeg = std::numbers::pi / 180;

double radial(double r2) { return r2 > 0 ? r2 * std::log(r2) / 2 : 0; }  // r² log r

}  // namespace

QPointF mercator(QPointF lonLat) { return {lonLat.x(), -std::log(std::tan(std::numbers::pi / 4 + lonLat.y() * kDeg / 2)) / kDeg}; }

QPointF unmercator(QPointF xy) { return {xy.x(), (2 * std::atan(std::exp(-xy.y() * kDeg)) - std::numbers::pi / 2) / kDeg}; }

QPointF Affine::unmap(QPointF p) const {
    const double det = a * e - b * d;
    const double x = p.x() - c, y = p.y() - f;
    return {(e * x - b * y) / det, (a * y - d * x) / det};
}

std::optional<Affine> Affine::fit(const std::vector<QPointF>& from, const std::vector<QPointF>& to) {
    if (from.size() < 3 || from.size() != to.size()) return std::nullopt;
    // Normal equations of [x y 1], shared by both output coordinates.
    std::vector<std::vector<double>> n(3, std::vector<double>(3, 0));
    std::vector<double> bx(3, 0), by(3, 0);
    for (size_t i = 0; i < from.size(); ++i) {
        const double row[3] = {from[i].x(), from[i].y(), 1};
        for (size_t r = 0; r < 3; ++r) {
            for (size_t c = 0; c < 3; ++c) n[r][c] += row[r] * row[c];
            bx[r] += row[r] * to[i].x();
            by[r] += row[r] * to[i].y();
        }
    }
    const auto px = solve(n, bx);
    const auto py = solve(n, by);
    if (!px || !py) return std::nullopt;
    return Affine{(*px)[0], (*px)[1], (*px)[2], (*py)[0], (*py)[1], (*py)[2]};
}

std::optional<ThinPlate> ThinPlate::fit(const std::vector<QPointF>& at, const std::vector<QPointF>& shift) {
    const size_t n = at.size();
    if (n < 3 || shift.size() != n) return std::nullopt;
    const size_t size = n + 3;
    std::vector<std::vector<double>> m(size, std::vector<double>(size, 0));
    std::vector<double> vx(size, 0), vy(size, 0);
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = 0; j < n; ++j) {
            const QPointF d = at[i] - at[j];
            m[i][j] = radial(d.x() * d.x() + d.y() * d.y());
        }
        const double p[3] = {1, at[i].x(), at[i].y()};
        for (size_t k = 0; k < 3; ++k) {
            m[i][n + k] = p[k];
            m[n + k][i] = p[k];
        }
        vx[i] = shift[i].x();
        vy[i] = shift[i].y();
    }
    auto wx = solve(m, vx);
    auto wy = solve(m, vy);
    if (!wx || !wy) return std::nullopt;
    ThinPlate t;
    t.at_ = at;
    t.wx_ = std::move(*wx);
    t.wy_ = std::move(*wy);
    return t;
}

QPointF ThinPlate::operator()(QPointF p) const {
    const size_t n = at_.size();
    double x = wx_[n] + wx_[n + 1] * p.x() + wx_[n + 2] * p.y();
    double y = wy_[n] + wy_[n + 1] * p.x() + wy_[n + 2] * p.y();
    for (size_t i = 0; i < n; ++i) {
        const QPointF d = p - at_[i];
        const double u = radial(d.x() * d.x() + d.y() * d.y());
        x += wx_[i] * u;
        y += wy_[i] * u;
    }
    return {x, y};
}

std::optional<std::vector<double>> solve(std::vector<std::vector<double>> a, std::vector<double> b) {
    const size_t n = b.size();
    for (size_t col = 0; col < n; ++col) {
        size_t pivot = col;
        for (size_t r = col + 1; r < n; ++r)
            if (std::abs(a[r][col]) > std::abs(a[pivot][col])) pivot = r;
        if (std::abs(a[pivot][col]) < 1e-12) return std::nullopt;
        std::swap(a[col], a[pivot]);
        std::swap(b[col], b[pivot]);
        for (size_t r = col + 1; r < n; ++r) {
            const double k = a[r][col] / a[col][col];
            if (k == 0) continue;
            for (size_t c = col; c < n; ++c) a[r][c] -= k * a[col][c];
            b[r] -= k * b[col];
        }
    }
    std::vector<double> x(n, 0);
    for (size_t i = n; i-- > 0;) {
        double s = b[i];
        for (size_t c = i + 1; c < n; ++c) s -= a[i][c] * x[c];
        x[i] = s / a[i][i];
    }
    return x;
}

}  // namespace maps
