#pragma once
// The land that the region maps show: Japan's prefectures with their borders and
// coasts, and the neighbouring countries in a paler tone.

#include "tools/maps/Geography.h"

#include <QPainter>

#include <functional>
#include <memory>
#include <optional>

namespace maps {

// Longitude and latitude -> picture pixels.
using Projection = std::function<QPointF(QPointF)>;

class Atlas {
public:
    // Reads the prefecture topology and the Natural Earth countries from the data folder.
    static std::optional<Atlas> read(const QString& dataFolder, QString* error);

    // Draws the land within `window` through `project`: other countries, Japan, the
    // prefecture borders, then the coasts. The sea is the caller's background.
    void draw(QPainter& painter, const Projection& project, const Box& window) const;

private:
    struct Polygon {
        std::vector<Path> rings;
        Box box;
    };
    struct Line {
        const Topology* topology;
        int arc;
        Box box;
        QRgb colour;
    };

    std::vector<Polygon> japan_;
    std::vector<Polygon> others_;
    std::vector<Line> lines_;  // drawn in order: coasts of other countries, borders, coasts
    // Held on the heap so that the lines' references survive moving the atlas.
    std::shared_ptr<const Topology> japanTopology_;
    std::shared_ptr<const Topology> worldTopology_;

    static void fill(QPainter& painter, const Projection& project, const Box& window, const std::vector<Polygon>& polygons, QRgb colour);
};

}  // namespace maps
