#include "tools/maps/Geography.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace maps {

namespace {

std::vector<int> refsOf(const QJsonArray& ring) {
    std::vector<int> refs;
    refs.reserve(static_cast<size_t>(ring.size()));
    for (const auto& r : ring) refs.push_back(r.toInt());
    return refs;
}

}  // namespace

std::optional<Topology> Topology::read(const QString& path, const QString& object, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = u"cannot read "_s + path;
        return std::nullopt;
    }
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parse);
    if (doc.isNull()) {
        *error = path + u": "_s + parse.errorString();
        return std::nullopt;
    }
    const QJsonObject root = doc.object();
    const QJsonObject transform = root[u"transform"_s].toObject();
    const QJsonArray scale = transform[u"scale"_s].toArray();
    const QJsonArray translate = transform[u"translate"_s].toArray();
    if (scale.size() != 2 || translate.size() != 2) {
        *error = path + u": not a quantized topology"_s;
        return std::nullopt;
    }
    const double sx = scale[0].toDouble(), sy = scale[1].toDouble();
    const double tx = translate[0].toDouble(), ty = translate[1].toDouble();

    Topology topo;
    for (const auto& arcValue : root[u"arcs"_s].toArray()) {
        Path arc;
        double x = 0, y = 0;  // positions are delta-encoded
        for (const auto& pos : arcValue.toArray()) {
            const QJsonArray d = pos.toArray();
            x += d[0].toDouble();
            y += d[1].toDouble();
            arc.emplace_back(x * sx + tx, y * sy + ty);
        }
        topo.arcs.push_back(std::move(arc));
    }
    topo.arcUse.assign(topo.arcs.size(), 0);

    const QJsonObject collection = root[u"objects"_s].toObject()[object].toObject();
    if (collection.isEmpty()) {
        *error = path + u": no object "_s + object;
        return std::nullopt;
    }
    for (const auto& g : collection[u"geometries"_s].toArray()) {
        const QJsonObject geometry = g.toObject();
        const QString type = geometry[u"type"_s].toString();
        QJsonArray polygons;
        if (type == u"Polygon"_s)
            polygons.append(geometry[u"arcs"_s].toArray());
        else if (type == u"MultiPolygon"_s)
            polygons = geometry[u"arcs"_s].toArray();
        else
            continue;

        Shape shape;
        const QJsonValue id = geometry[u"id"_s];
        shape.id = id.isDouble() ? QString::number(id.toInt()) : id.toString();
        for (const auto& polygon : polygons) {
            std::vector<std::vector<int>> rings;
            for (const auto& ring : polygon.toArray()) {
                rings.push_back(refsOf(ring.toArray()));
                for (const int ref : rings.back()) {
                    const int index = ref < 0 ? ~ref : ref;
                    if (index >= static_cast<int>(topo.arcs.size())) {
                        *error = path + u": arc reference out of range"_s;
                        return std::nullopt;
                    }
                    ++topo.arcUse[static_cast<size_t>(index)];
                }
            }
            shape.polygons.push_back(std::move(rings));
        }
        topo.shapes.push_back(std::move(shape));
    }
    return topo;
}

Path Topology::ring(const std::vector<int>& refs) const {
    Path out;
    for (const int ref : refs) {
        const Path& a = arc(ref);
        // Consecutive arcs share their joining point: keep it once.
        const auto skip = static_cast<std::ptrdiff_t>(out.empty() || a.empty() ? 0 : 1);
        if (ref >= 0)
            out.insert(out.end(), a.begin() + skip, a.end());
        else
            out.insert(out.end(), a.rbegin() + skip, a.rend());
    }
    return out;
}

Box boxOf(const Path& path) {
    Box b{1e9, 1e9, -1e9, -1e9};
    for (const auto& p : path) {
        b.west = std::min(b.west, p.x());
        b.east = std::max(b.east, p.x());
        b.south = std::min(b.south, p.y());
        b.north = std::max(b.north, p.y());
    }
    return b;
}

bool contains(const Path& ring, QPointF p) {
    bool in = false;
    for (size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
        const QPointF& a = ring[i];
        const QPointF& b = ring[j];
        if ((a.y() > p.y()) != (b.y() > p.y()) && p.x() < a.x() + (p.y() - a.y()) * (b.x() - a.x()) / (b.y() - a.y())) in = !in;
    }
    return in;
}

QPointF centroid(const Path& ring) {
    double area = 0, cx = 0, cy = 0;
    for (size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
        const double cross = ring[j].x() * ring[i].y() - ring[i].x() * ring[j].y();
        area += cross;
        cx += (ring[j].x() + ring[i].x()) * cross;
        cy += (ring[j].y() + ring[i].y()) * cross;
    }
    if (area == 0) return ring.empty() ? QPointF() : ring.front();
    return {cx / (3 * area), cy / (3 * area)};
}

}  // namespace maps
