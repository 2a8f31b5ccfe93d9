#pragma once
// Outlines read from TopoJSON topologies. Points are (longitude, latitude) in degrees.

#include <QPointF>
#include <QString>

#include <optional>
#include <vector>

namespace maps {

using Path = std::vector<QPointF>;

struct Topology {
    // One geometry of the object: its polygons, each a list of rings (the first the
    // outline, the others holes), each ring a list of arc references (~i: arc i reversed).
    struct Shape {
        QString id;
        std::vector<std::vector<std::vector<int>>> polygons;
    };

    std::vector<Path> arcs;
    std::vector<Shape> shapes;
    // How many ring references each arc has: 1 for a coast, 2 for a border between two
    // shapes (or between two polygons of one shape).
    std::vector<int> arcUse;

    static std::optional<Topology> read(const QString& path, const QString& object, QString* error);

    Path ring(const std::vector<int>& refs) const;
    const Path& arc(int ref) const { return arcs[static_cast<size_t>(ref < 0 ? ~ref : ref)]; }
    int use(int ref) const { return arcUse[static_cast<size_t>(ref < 0 ? ~ref : ref)]; }
};

// The bounding box of a path; x longitude, y latitude.
struct Box {
    double west = 0, south = 0, east = 0, north = 0;
    bool meets(const Box& other) const { return west <= other.east && other.west <= east && south <= other.north && other.south <= north; }
};
Box boxOf(const Path& path);

// Whether `p` lies inside the ring (even-odd rule).
bool contains(const Path& ring, QPointF p);

// The area-weighted centre of a ring.
QPointF centroid(const Path& ring);

}  // namespace maps
