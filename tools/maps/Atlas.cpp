#include "tools/maps/Atlas.h"

#include "tools/maps/MapStyle.h"

#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace maps {

namespace {

// Only land around Japan is ever drawn.
constexpr Box kAroundJapan{115, 15, 160, 55};

bool inside(const std::vector<Path>& rings, QPointF p) {
    if (!contains(rings.front(), p)) return false;
    for (size_t i = 1; i < rings.size(); ++i)
        if (contains(rings[i], p)) return false;
    return true;
}

QPolygonF projected(const Path& path, const Projection& project) {
    QPolygonF out;
    out.reserve(static_cast<qsizetype>(path.size()));
    for (const auto& p : path) out << project(p);
    return out;
}

}  // namespace

std::optional<Atlas> Atlas::read(const QString& dataFolder, QString* error) {
    auto japan = Topology::read(dataFolder + u"/japan-prefectures-globalmap/japan.topojson"_s, u"japan"_s, error);
    if (!japan) return std::nullopt;
    auto world = Topology::read(dataFolder + u"/natural-earth-world-atlas/countries-50m.json"_s, u"countries"_s, error);
    if (!world) return std::nullopt;

    Atlas atlas;
    atlas.japanTopology_ = std::make_shared<const Topology>(std::move(*japan));
    atlas.worldTopology_ = std::make_shared<const Topology>(std::move(*world));
    const Topology& jp = *atlas.japanTopology_;
    const Topology& wd = *atlas.worldTopology_;

    for (const auto& shape : jp.shapes) {
        for (const auto& polygon : shape.polygons) {
            Polygon p;
            for (const auto& refs : polygon) p.rings.push_back(jp.ring(refs));
            p.box = boxOf(p.rings.front());
            atlas.japan_.push_back(std::move(p));
        }
    }

    std::vector<int> otherCoasts;
    for (const auto& shape : wd.shapes) {
        if (shape.id == u"392"_s) continue;  // Japan, ISO 3166-1 numeric
        for (const auto& polygon : shape.polygons) {
            Polygon p;
            for (const auto& refs : polygon) p.rings.push_back(wd.ring(refs));
            p.box = boxOf(p.rings.front());
            if (!p.box.meets(kAroundJapan)) continue;
            // Islands that the Japanese outlines already draw (the northern islands
            // off Hokkaido) are left to them, so the two sources never overlap.
            const QPointF centre = centroid(p.rings.front());
            const Box dot{centre.x(), centre.y(), centre.x(), centre.y()};
            const bool japanese = std::any_of(atlas.japan_.begin(), atlas.japan_.end(),
                                              [&](const Polygon& j) { return j.box.meets(dot) && inside(j.rings, centre); });
            if (japanese) continue;
            for (const auto& refs : polygon)
                for (const int ref : refs)
                    if (wd.use(ref) == 1) otherCoasts.push_back(ref < 0 ? ~ref : ref);
            atlas.others_.push_back(std::move(p));
        }
    }

    for (const int arc : otherCoasts) atlas.lines_.push_back({&wd, arc, boxOf(wd.arcs[static_cast<size_t>(arc)]), style::kOtherCoast});
    for (int pass = 0; pass < 2; ++pass) {
        // Borders between prefectures first, so that the coasts stay whole where they meet.
        for (size_t arc = 0; arc < jp.arcs.size(); ++arc) {
            const bool coast = jp.arcUse[arc] == 1;
            if (coast != (pass == 1)) continue;
            atlas.lines_.push_back({&jp, static_cast<int>(arc), boxOf(jp.arcs[arc]), coast ? style::kCoast : style::kBorder});
        }
    }
    return atlas;
}

void Atlas::fill(QPainter& painter, const Projection& project, const Box& window, const std::vector<Polygon>& polygons, QRgb colour) {
    for (const auto& polygon : polygons) {
        if (!polygon.box.meets(window)) continue;
        QPainterPath path;
        path.setFillRule(Qt::OddEvenFill);  // lakes are holes
        for (const auto& ring : polygon.rings) {
            path.addPolygon(projected(ring, project));
            path.closeSubpath();
        }
        painter.fillPath(path, QColor(colour));
    }
}

void Atlas::draw(QPainter& painter, const Projection& project, const Box& window) const {
    painter.setRenderHint(QPainter::Antialiasing, false);
    fill(painter, project, window, others_, style::kOtherLand);
    fill(painter, project, window, japan_, style::kLand);
    for (const auto& line : lines_) {
        if (!line.box.meets(window)) continue;
        painter.setPen(QPen(QColor(line.colour), 0));
        painter.drawPolyline(projected(line.topology->arcs[static_cast<size_t>(line.arc)], project));
    }
}

}  // namespace maps
