#pragma once
// The land that the world maps show: Natural Earth's land with its coasts, and the
// borders between its countries.

#include "tools/maps/Atlas.h"
#include "tools/maps/Geography.h"

#include <QPainter>

#include <optional>

namespace maps {

class WorldAtlas {
public:
    // Reads the Natural Earth land and countries from the data folder.
    static std::optional<WorldAtlas> read(const QString& dataFolder, QString* error);

    // Draws the land within `window` through `project`: the land, the borders between
    // countries, then the coasts; an island too small to show as an outline is one pixel
    // of coast. The window's longitudes may run past ±180: each outline is taken a whole
    // turn east or west where that brings it nearer the window's middle. The sea and the
    // graticule are the caller's.
    void draw(QPainter& painter, const Projection& project, const Box& window) const;

    // Fills the land within `window` in `colour`, and nothing else: for the icon.
    void fillLand(QPainter& painter, const Projection& project, const Box& window, QColor colour) const;

private:
    struct Polygon {
        std::vector<Path> rings;
        Box box;
    };
    struct Line {
        Path points;
        Box box;
    };

    std::vector<Polygon> land_;
    std::vector<Line> borders_;
    std::vector<Line> coasts_;
};

}  // namespace maps
