#include "tools/maps/WorldAtlas.h"

#include "tools/maps/MapStyle.h"

#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace maps {

namespace {

// The outlines run from 180° east to 180° west without a break where they cross the
// antimeridian: these make each one continuous, running on past ±180 instead.
Path unwrapped(const Path& path) {
    Path out;
    out.reserve(path.size() + 2);
    double turn = 0;
    for (size_t i = 0; i < path.size(); ++i) {
        if (i > 0) {
            const double jump = path[i].x() - path[i - 1].x();
            if (jump > 180) turn -= 360;
            if (jump < -180) turn += 360;
        }
        out.emplace_back(path[i].x() + turn, path[i].y());
    }
    return out;
}

// A ring round a pole (Antarctica) ends a whole turn from where it starts once it is
// continuous: it closes along the pole's parallel.
Path closedRing(const Path& ring) {
    Path out = unwrapped(ring);
    if (out.size() > 1 && std::abs(out.back().x() - out.front().x()) > 180) {
        const double pole = out.front().y() < 0 ? -90 : 90;
        out.emplace_back(out.back().x(), pole);
        out.emplace_back(out.front().x(), pole);
    }
    return out;
}

// The whole turns that take a shape of `box` nearest to the middle of `window`.
double turnToward(const Box& box, const Box& window) {
    const double middle = (window.west + window.east) / 2;
    return 360 * std::round((middle - (box.west + box.east) / 2) / 360);
}

Box shifted(Box b, double by) {
    b.west += by;
    b.east += by;
    return b;
}

QPolygonF projected(const Path& path, const Projection& project, double by) {
    QPolygonF out;
    out.reserve(static_cast<qsizetype>(path.size()));
    for (const auto& p : path) out << project({p.x() + by, p.y()});
    return out;
}

// The part of a ring inside `window` (Sutherland–Hodgman), `by` degrees east. The bend
// of a map holds only near its picture: far outside it, it could fold distant coasts
// back over the picture, so nothing beyond the window is projected.
Path clippedRing(const Path& ring, const Box& window, double by) {
    Path out;
    out.reserve(ring.size());
    for (const auto& p : ring) out.emplace_back(p.x() + by, p.y());
    const auto clip = [&out](const auto& inside, const auto& cross) {
        if (out.empty()) return;
        Path in;
        in.swap(out);
        QPointF previous = in.back();
        for (const QPointF& p : in) {
            if (inside(p)) {
                if (!inside(previous)) out.push_back(cross(previous, p));
                out.push_back(p);
            } else if (inside(previous)) {
                out.push_back(cross(previous, p));
            }
            previous = p;
        }
    };
    const auto atX = [](double x) {
        return [x](QPointF a, QPointF b) { return QPointF(x, a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x())); };
    };
    const auto atY = [](double y) {
        return [y](QPointF a, QPointF b) { return QPointF(a.x() + (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y()), y); };
    };
    clip([&](QPointF p) { return p.x() >= window.west; }, atX(window.west));
    clip([&](QPointF p) { return p.x() <= window.east; }, atX(window.east));
    clip([&](QPointF p) { return p.y() >= window.south; }, atY(window.south));
    clip([&](QPointF p) { return p.y() <= window.north; }, atY(window.north));
    return out;
}

// The runs of a line inside `window` (Liang–Barsky on each segment), `by` degrees east.
std::vector<Path> clippedLine(const Path& line, const Box& window, double by) {
    std::vector<Path> runs;
    Path run;
    for (size_t i = 1; i < line.size(); ++i) {
        const QPointF a(line[i - 1].x() + by, line[i - 1].y());
        const QPointF b(line[i].x() + by, line[i].y());
        const QPointF d = b - a;
        double t0 = 0, t1 = 1;
        const double p[4] = {-d.x(), d.x(), -d.y(), d.y()};
        const double q[4] = {a.x() - window.west, window.east - a.x(), a.y() - window.south, window.north - a.y()};
        bool visible = true;
        for (int k = 0; k < 4 && visible; ++k) {
            if (p[k] == 0) {
                visible = q[k] >= 0;
            } else {
                const double t = q[k] / p[k];
                if (p[k] < 0)
                    t0 = std::max(t0, t);
                else
                    t1 = std::min(t1, t);
                visible = t0 <= t1;
            }
        }
        if (!visible) {
            if (!run.empty()) runs.push_back(std::move(run));
            run.clear();
            continue;
        }
        if (run.empty() || t0 > 0) {
            if (!run.empty()) runs.push_back(std::move(run));
            run = {a + d * t0};
        }
        run.push_back(a + d * t1);
        if (t1 < 1) {
            runs.push_back(std::move(run));
            run.clear();
        }
    }
    if (!run.empty()) runs.push_back(std::move(run));
    return runs;
}

}  // namespace

std::optional<WorldAtlas> WorldAtlas::read(const QString& dataFolder, QString* error) {
    auto land = Topology::read(dataFolder + u"/natural-earth-world-atlas/land-50m.json"_s, u"land"_s, error);
    if (!land) return std::nullopt;
    auto countries = Topology::read(dataFolder + u"/natural-earth-world-atlas/countries-50m.json"_s, u"countries"_s, error);
    if (!countries) return std::nullopt;

    WorldAtlas atlas;
    const Topology& ld = *land;
    const Topology& ct = *countries;
    for (const auto& shape : ld.shapes) {
        for (const auto& polygon : shape.polygons) {
            Polygon p;
            for (const auto& refs : polygon) p.rings.push_back(closedRing(ld.ring(refs)));
            p.box = boxOf(p.rings.front());
            atlas.land_.push_back(std::move(p));
        }
    }
    for (const auto& arc : ld.arcs) {
        Path line = unwrapped(arc);
        const Box box = boxOf(line);
        atlas.coasts_.push_back({std::move(line), box});
    }
    // An arc that two countries share is a border; one of a single country is a coast,
    // which the land draws.
    for (size_t arc = 0; arc < ct.arcs.size(); ++arc) {
        if (ct.arcUse[arc] != 2) continue;
        Path line = unwrapped(ct.arcs[arc]);
        const Box box = boxOf(line);
        atlas.borders_.push_back({std::move(line), box});
    }
    return atlas;
}

void WorldAtlas::fillLand(QPainter& painter, const Projection& project, const Box& window, QColor colour) const {
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const auto& polygon : land_) {
        const double by = turnToward(polygon.box, window);
        if (!shifted(polygon.box, by).meets(window)) continue;
        QPainterPath path;
        path.setFillRule(Qt::OddEvenFill);  // lakes are holes
        for (const auto& ring : polygon.rings) {
            const Path inside = clippedRing(ring, window, by);
            if (inside.size() < 3) continue;
            path.addPolygon(projected(inside, project, 0));
            path.closeSubpath();
        }
        painter.fillPath(path, colour);
    }
}

void WorldAtlas::draw(QPainter& painter, const Projection& project, const Box& window) const {
    fillLand(painter, project, window, QColor(style::kWorldLand));
    const auto stroke = [&](const std::vector<Line>& lines, QRgb colour) {
        painter.setPen(QPen(QColor(colour), 0));
        for (const auto& line : lines) {
            const double by = turnToward(line.box, window);
            if (!shifted(line.box, by).meets(window)) continue;
            for (const Path& run : clippedLine(line.points, window, by)) {
                const QPolygonF points = projected(run, project, 0);
                const QRectF extent = points.boundingRect();
                if (extent.width() < 1 && extent.height() < 1) {
                    // An island smaller than a pixel still shows.
                    painter.drawPoint(extent.center());
                } else {
                    painter.drawPolyline(points);
                }
            }
        }
    };
    stroke(borders_, style::kWorldBorder);
    stroke(coasts_, style::kWorldCoast);
}

}  // namespace maps
