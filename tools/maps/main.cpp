// Draws the region maps of the station pickers from real outlines:
//
//   maps <data folder> <pickers folder>
//
// The data folder holds the prefecture outlines, the Natural Earth land and countries,
// the normals with their station positions, the station coverage table and the station
// history. The Japan maps go to <pickers folder>/W_GIF/ under the names the pickers load,
// and the Okinawa map, which is built into its window, to <pickers folder>/maps/okinawa.gif;
// the world maps, which are built into their windows, with the world marker and window
// icon to <pickers folder>/maps/ (WorldMaps.h).
//
// Each map is as large as its picker's map image, so that nothing is scaled on screen
// (the Okinawa picture keeps its own size). The markers were placed by hand, so no
// projection puts every station under its marker: the map is Mercator, fitted to the
// markers by least squares with an affine map, and then bent by a thin-plate spline
// that takes each station's real place exactly to the centre of its marker's ellipse.

#include "pickers/tables/JapanRegions.h"
#include "tools/gifwriter/GifWriter.h"
#include "tools/maps/Atlas.h"
#include "tools/maps/Fit.h"
#include "tools/maps/MapStyle.h"
#include "tools/maps/StationPlaces.h"
#include "tools/maps/Warp.h"
#include "tools/maps/WorldMaps.h"
#include "tools/markers/MarkerShapes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>

using namespace Qt::Literals::StringLiterals;

namespace {

using maps::kTwipsPerPixel;

// The picture built into the Okinawa picker keeps its own size; it is stretched to the
// map image like the others.
const QSize kOkinawaPicture(650, 459);

// A far island that a map shows in a framed box of its own, at the scale of the map.
struct Inset {
    QString station;
    QRectF frame;  // twips in the window's client area
    std::vector<double> meridians;
    std::vector<double> parallels;
};

// The Kanto picker places 八丈島, 父島 and 南鳥島 far from their true places, with
// coordinate labels beside them: each gets an inset with the lines that the labels name.
std::vector<Inset> insetsOf(int region) {
    if (region != 3) return {};
    return {
        {u"八丈島"_s, QRectF(QPointF(5280, 5340), QPointF(6840, 6690)), {140}, {33}},
        {u"父島"_s, QRectF(QPointF(6840, 3840), QPointF(9240, 6690)), {142, 143}, {26}},
        {u"南鳥島"_s, QRectF(QPointF(7680, 1080), QPointF(9240, 3720)), {154}, {24, 25}},
    };
}

const forms::ControlDesign* findControl(const forms::FormDesign& design, const QString& name) {
    for (const auto& c : design.controls)
        if (c.name == name) return &c;
    return nullptr;
}

// The box of longitudes and latitudes that `corners` (twips) come from, widened.
maps::Box windowOf(const std::vector<QPointF>& corners, const std::function<QPointF(QPointF)>& back, double margin) {
    maps::Box box{1e9, 1e9, -1e9, -1e9};
    for (const auto& c : corners) {
        const QPointF ll = maps::unmercator(back(c));
        box.west = std::min(box.west, ll.x() - margin);
        box.east = std::max(box.east, ll.x() + margin);
        box.south = std::min(box.south, ll.y() - margin);
        box.north = std::max(box.north, ll.y() + margin);
    }
    return box;
}

std::vector<QPointF> cornersOf(const QRectF& r) { return {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}; }

// Lines of constant longitude and latitude across `window`.
void drawGraticule(QPainter& painter, const maps::Projection& project, const maps::Box& window, const Inset& inset) {
    painter.setPen(QPen(QColor(maps::style::kGraticule), 0));
    constexpr int kSteps = 200;
    for (const double lon : inset.meridians) {
        QPolygonF line;
        for (int i = 0; i <= kSteps; ++i) line << project({lon, window.south + (window.north - window.south) * i / kSteps});
        painter.drawPolyline(line);
    }
    for (const double lat : inset.parallels) {
        QPolygonF line;
        for (int i = 0; i <= kSteps; ++i) line << project({window.west + (window.east - window.west) * i / kSteps, lat});
        painter.drawPolyline(line);
    }
}

class MapMaker {
public:
    MapMaker(const maps::Atlas& atlas, const QHash<QString, QPointF>& places, const QDir& out)
        : atlas_(atlas), places_(places), out_(out) {}

    bool make(const pickers::JapanRegion& region);

private:
    // Draws `inset` round its island: the map's scale, moved to put the island under
    // its marker. `toPicture` takes twips from the map image's corner to pixels.
    void drawInset(QPainter& painter, const Inset& inset, const maps::Placed& island, const maps::Affine& affine,
                   const std::function<QPointF(QPointF)>& toPicture, QPointF origin) const;

    const maps::Atlas& atlas_;
    const QHash<QString, QPointF>& places_;
    const QDir& out_;
};

void MapMaker::drawInset(QPainter& painter, const Inset& inset, const maps::Placed& island, const maps::Affine& affine,
                         const std::function<QPointF(QPointF)>& toPicture, QPointF origin) const {
    const QPointF move = island.target - affine.map(maps::mercator(island.lonLat));
    const maps::Projection project = [&](QPointF ll) { return toPicture(affine.map(maps::mercator(ll)) + move); };
    const QRectF frame = inset.frame.translated(-origin);
    const QRectF pixels(toPicture(frame.topLeft()), toPicture(frame.bottomRight()));
    const auto back = [&](QPointF t) { return affine.unmap(t - move); };
    const maps::Box window = windowOf(cornersOf(frame), back, 0.2);

    painter.save();
    painter.setClipRect(pixels);
    painter.fillRect(pixels, QColor(maps::style::kSea));
    drawGraticule(painter, project, window, inset);
    atlas_.draw(painter, project, window);
    painter.restore();
    painter.setPen(QPen(QColor(maps::style::kFrame), 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(pixels.toRect().adjusted(0, 0, -1, -1));

    // Where the lines fall, to hold against the coordinate labels beside them.
    const QPointF unit = toPicture({1, 1});
    for (const double lon : inset.meridians)
        std::printf("  inset %s: %gE at x = %.0f twips\n", qPrintable(inset.station), lon,
                    project({lon, island.lonLat.y()}).x() / unit.x() + origin.x());
    for (const double lat : inset.parallels)
        std::printf("  inset %s: %gN at y = %.0f twips\n", qPrintable(inset.station), lat,
                    project({island.lonLat.x(), lat}).y() / unit.y() + origin.y());
}

bool MapMaker::make(const pickers::JapanRegion& region) {
    const forms::ControlDesign* image1 = findControl(region.design, u"Image1"_s);
    if (!image1) return false;
    const QPointF origin(image1->left, image1->top);
    const QSizeF twips(image1->width, image1->height);
    const QString file = region.mapFile.isEmpty() ? image1->picture.mid(2) : region.mapFile;
    const QSize size = region.mapFile.isEmpty() ? kOkinawaPicture : (twips / kTwipsPerPixel).toSize();
    const double sx = size.width() / twips.width();
    const double sy = size.height() / twips.height();
    const std::function<QPointF(QPointF)> toPicture = [sx, sy](QPointF t) { return QPointF(t.x() * sx, t.y() * sy); };

    const std::vector<Inset> insets = insetsOf(region.region);
    std::vector<maps::Placed> onMap, inInsets;
    for (const auto& station : region.stations) {
        const forms::ControlDesign* marker = findControl(region.design, station.marker);
        if (!marker || !places_.contains(station.name)) {
            std::fprintf(stderr, "maps: no place or marker for %s\n", qPrintable(station.name));
            return false;
        }
        const QPointF centre = markers::ellipseCentre(markers::shapeOf(station.picture)) * kTwipsPerPixel;
        const maps::Placed placed{station.name, places_.value(station.name), QPointF(marker->left, marker->top) + centre - origin};
        const bool inset = std::any_of(insets.begin(), insets.end(), [&](const Inset& i) { return i.station == station.name; });
        (inset ? inInsets : onMap).push_back(placed);
    }

    std::printf("%s  %dx%d pixels, %zu stations on the map, %zu in insets\n", qPrintable(file), size.width(), size.height(), onMap.size(),
                inInsets.size());
    const auto fit = maps::fitToMarkers(onMap, twips, maps::mercator);
    if (!fit) {
        std::fprintf(stderr, "maps: cannot fit %s to its markers without folding it\n", qPrintable(file));
        return false;
    }

    QImage canvas(size, QImage::Format_RGB32);
    canvas.fill(QColor(maps::style::kSea));
    QPainter painter(&canvas);
    const maps::Projection project = [&](QPointF ll) { return toPicture(fit->place(ll)); };
    const auto back = [&](QPointF t) { return fit->affine.unmap(t); };
    atlas_.draw(painter, project, windowOf(cornersOf(QRectF(QPointF(0, 0), twips)), back, 1.0));
    for (const auto& inset : insets) {
        const auto island = std::find_if(inInsets.begin(), inInsets.end(), [&](const maps::Placed& p) { return p.name == inset.station; });
        drawInset(painter, inset, *island, fit->affine, toPicture, origin);
    }
    painter.end();

    const QImage picture = gif::toIndexed(canvas, maps::style::kPalette);
    const QString path = out_.filePath(file);
    if (picture.isNull() || !QDir().mkpath(QFileInfo(path).path()) || !gif::save(picture, path)) {
        std::fprintf(stderr, "maps: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: maps <data folder> <pickers folder>\n");
        return 2;
    }
    QString error;
    const auto places = maps::readStationPlaces(args[1], &error);
    const auto atlas = places ? maps::Atlas::read(args[1], &error) : std::nullopt;
    if (!places || !atlas) {
        std::fprintf(stderr, "maps: %s\n", qPrintable(error));
        return 1;
    }
    const QDir out(args[2]);
    MapMaker maker(*atlas, *places, out);
    bool ok = true;
    for (const auto& region : pickers::japanRegions()) ok = maker.make(region) && ok;
    ok = maps::makeWorldPictures(args[1], out) && ok;
    return ok ? 0 : 1;
}
