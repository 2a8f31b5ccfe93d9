#include "tools/maps/WorldMaps.h"

#include "pickers/tables/WorldRegions.h"
#include "tools/gifwriter/GifWriter.h"
#include "tools/maps/Fit.h"
#include "tools/maps/MapStyle.h"
#include "tools/maps/WorldAtlas.h"
#include "tools/maps/WorldPlaces.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>

using namespace Qt::Literals::StringLiterals;
using pickers::Family;
using pickers::WorldArea;

namespace maps {

namespace {

// What each region's map shows besides its land.
struct WorldMap {
    WorldArea area;
    QSize picture;
    double middle;  // the longitude that the map centres on: outlines are taken within half a turn of it
    double step;    // degrees between the lines of the graticule
    bool equator;
    bool arcticCircle;
};
const WorldMap kMaps[] = {
    {WorldArea::Europe, {1000, 637}, 10, 10, false, true},         {WorldArea::RussiaMiddleEast, {992, 637}, 90, 10, false, true},
    {WorldArea::Asia, {992, 637}, 105, 10, true, false},           {WorldArea::Africa, {1004, 637}, 20, 20, true, false},
    {WorldArea::NorthAmerica, {1004, 637}, -100, 10, false, true}, {WorldArea::SouthAmerica, {1004, 637}, -65, 10, true, false},
    {WorldArea::Oceania, {1004, 637}, 160, 20, true, false},
};

constexpr double kArcticCircle = 66.5622;

// The station marker, row by row: R red, M magenta, the rest transparent.
const char* const kMarkerRows[16] = {
    "................", "................", "................", "................", ".....RRRRRR.....", "....RRMMMMRR....",
    "...RRMMMMMMRR...", "...RMMMMMMMMR...", "...RRMMMMMMRR...", "....RRMMMMRR....", ".....RRRRRR.....", "................",
    "................", "................", "................", "................",
};

// The middle of the marker's oval, in pixels from the picture's top left corner.
QPointF markerCentre() {
    QRect box;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if (kMarkerRows[y][x] != '.') box |= QRect(x, y, 1, 1);
    return QRectF(box).center();
}

// Longitude and latitude -> the plane that the fit starts from: plate carrée, with the
// latitude growing southward like the rows of a picture.
QPointF plateCarree(QPointF lonLat) { return {lonLat.x(), -lonLat.y()}; }

// Land, a border on it, or the coast round it.
bool isShore(QRgb c) {
    c |= 0xFF000000u;
    return c == style::kWorldLand || c == style::kWorldBorder || c == style::kWorldCoast;
}

double nearTo(double lon, double middle) { return lon + 360 * std::round((middle - lon) / 360); }

bool write(const QImage& canvas, const QList<QRgb>& palette, const QString& path) {
    const QImage picture = gif::toIndexed(canvas, palette);
    if (picture.isNull() || !QDir().mkpath(QFileInfo(path).path()) || !gif::save(picture, path)) {
        std::fprintf(stderr, "maps: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

const forms::ControlDesign* findControl(const forms::FormDesign& design, const QString& name) {
    for (const auto& c : design.controls)
        if (c.name == name) return &c;
    return nullptr;
}

void drawLine(QPainter& painter, const Projection& project, QPointF from, QPointF to) {
    constexpr int kSteps = 400;
    QPolygonF line;
    for (int i = 0; i <= kSteps; ++i) line << project(from + (to - from) * i / kSteps);
    painter.drawPolyline(line);
}

class WorldMapMaker {
public:
    WorldMapMaker(const WorldAtlas& atlas, const QHash<QString, QPointF>& places, const QDir& out)
        : atlas_(atlas), places_(places), out_(out) {}

    bool make(const WorldMap& map);

private:
    QImage draw(const WorldMap& map, const MapFit& fit, const QSizeF& span, const std::function<QPointF(QPointF)>& toPicture) const;

    const WorldAtlas& atlas_;
    const QHash<QString, QPointF>& places_;
    const QDir& out_;
};

bool WorldMapMaker::make(const WorldMap& map) {
    const pickers::WorldRegion& main = pickers::worldRegion(map.area, Family::Hythergraph);
    const forms::ControlDesign* image1 = findControl(main.design, u"Image1"_s);
    if (!image1) return false;
    // A stretched picture covers the map image; another shows at its own size from the
    // image's corner.
    const QPointF origin(image1->left, image1->top);
    const QSizeF span = image1->stretch ? QSizeF(image1->width, image1->height) : QSizeF(map.picture) * kTwipsPerPixel;
    const double sx = map.picture.width() / span.width();
    const double sy = map.picture.height() / span.height();
    const std::function<QPointF(QPointF)> toPicture = [sx, sy](QPointF t) { return QPointF(t.x() * sx, t.y() * sy); };

    // Every station whose marker lies on the map, at its place in the main window's copy;
    // a station that only another copy names (ウェリントン) at its place there.
    std::vector<Placed> stations;
    for (const Family family : {Family::Hythergraph, Family::TwoGraph, Family::Climograph, Family::StepMode}) {
        const pickers::WorldRegion& r = pickers::worldRegion(map.area, family);
        for (const auto& s : r.stations) {
            if (std::any_of(stations.begin(), stations.end(), [&](const Placed& p) { return p.name == s.name; })) continue;
            const forms::ControlDesign* marker = findControl(r.design, s.marker);
            if (!marker || !places_.contains(s.name)) {
                std::fprintf(stderr, "maps: no place or marker for %s\n", qPrintable(s.name));
                return false;
            }
            const QPointF target = QPointF(marker->left, marker->top) + markerCentre() * kTwipsPerPixel - origin;
            if (!QRectF(QPointF(0, 0), span).contains(target)) continue;  // ボストーク基地, below the map
            const QPointF place = places_.value(s.name);
            stations.push_back({s.name, QPointF(nearTo(place.x(), map.middle), place.y()), target});
        }
    }

    const QString file = main.mapPicture.mid(2);
    std::printf("%s  %dx%d pixels, %zu stations\n", qPrintable(file), map.picture.width(), map.picture.height(), stations.size());

    // A station by the sea can fall a pixel off the drawn coast. Such a station is moved
    // onto the nearest land or coast pixel and the map fitted again: its place then lies
    // a pixel or two from the middle of its marker, which stays on land.
    const auto pixelOf = [&](QPointF target) {
        const QPointF p = toPicture(target);
        return QPoint(static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y())));
    };
    std::vector<QPointF> markers;
    for (const auto& s : stations) markers.push_back(s.target);
    constexpr int kRounds = 4;
    constexpr int kReach = 3;  // pixels
    for (int round = 1;; ++round) {
        const auto fit = fitToMarkers(stations, span, plateCarree);
        if (!fit) {
            std::fprintf(stderr, "maps: cannot fit %s to its markers without folding it\n", qPrintable(file));
            return false;
        }
        const QImage canvas = draw(map, *fit, span, toPicture);
        bool moved = false;
        for (size_t i = 0; i < stations.size(); ++i) {
            const QPoint c = pixelOf(markers[i]);
            if (isShore(canvas.pixel(c))) continue;
            std::optional<QPoint> nearest;
            for (int dy = -kReach; dy <= kReach; ++dy) {
                for (int dx = -kReach; dx <= kReach; ++dx) {
                    const QPoint p = c + QPoint(dx, dy);
                    if (!canvas.rect().contains(p) || !isShore(canvas.pixel(p))) continue;
                    if (!nearest || QPoint::dotProduct(p - c, p - c) < QPoint::dotProduct(*nearest - c, *nearest - c)) nearest = p;
                }
            }
            if (!nearest) {
                std::fprintf(stderr, "maps: no land within %d pixels of %s on %s\n", kReach, qPrintable(stations[i].name),
                             qPrintable(file));
                return false;
            }
            const QPoint by = c - *nearest;
            std::printf("  %s moved %d, %d pixels onto the coast\n", qPrintable(stations[i].name), by.x(), by.y());
            stations[i].target += QPointF(by.x() / sx, by.y() / sy);
            moved = true;
        }
        if (!moved) return write(canvas, style::kWorldPalette, out_.filePath(file));
        if (round == kRounds) {
            std::fprintf(stderr, "maps: the stations of %s do not settle on land\n", qPrintable(file));
            return false;
        }
    }
}

QImage WorldMapMaker::draw(const WorldMap& map, const MapFit& fit, const QSizeF& span,
                           const std::function<QPointF(QPointF)>& toPicture) const {
    const Projection project = [&](QPointF ll) { return toPicture(fit.place(ll)); };

    // The longitudes and latitudes that the picture shows, widened for the bend.
    Box window{1e9, 1e9, -1e9, -1e9};
    for (const QPointF corner :
         {QPointF(0, 0), QPointF(span.width(), 0), QPointF(0, span.height()), QPointF(span.width(), span.height())}) {
        const QPointF back = fit.affine.unmap(corner);
        window.west = std::min(window.west, back.x() - 5);
        window.east = std::max(window.east, back.x() + 5);
        window.south = std::min(window.south, -back.y() - 5);
        window.north = std::max(window.north, -back.y() + 5);
    }
    window.south = std::max(window.south, -90.0);
    window.north = std::min(window.north, 90.0);

    QImage canvas(map.picture, QImage::Format_RGB32);
    canvas.fill(QColor(style::kWorldSea));
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(style::kWorldGraticule), 0));
    for (double lon = std::ceil(window.west / map.step) * map.step; lon <= window.east; lon += map.step)
        drawLine(painter, project, {lon, window.south}, {lon, window.north});
    for (double lat = std::ceil(window.south / map.step) * map.step; lat <= window.north; lat += map.step) {
        if (lat == 0 && map.equator) continue;
        drawLine(painter, project, {window.west, lat}, {window.east, lat});
    }
    if (map.arcticCircle) {
        QPen dashed(QColor(style::kWorldGraticule), 0, Qt::DashLine);
        painter.setPen(dashed);
        drawLine(painter, project, {window.west, kArcticCircle}, {window.east, kArcticCircle});
    }
    if (map.equator) {
        painter.setPen(QPen(QColor(style::kWorldEquator), 0));
        drawLine(painter, project, {window.west, 0}, {window.east, 0});
    }
    atlas_.draw(painter, project, window);
    painter.end();
    return canvas;
}

// The world marker, a red-ringed magenta oval on a transparent ground.
bool writeMarker(const QDir& out) {
    const QList<QRgb> palette = {qRgba(255, 255, 255, 0), qRgb(255, 0, 0), qRgb(255, 0, 255)};
    QImage marker(16, 16, QImage::Format_Indexed8);
    marker.setColorTable(palette);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) marker.setPixel(x, y, kMarkerRows[y][x] == 'R' ? 1 : kMarkerRows[y][x] == 'M' ? 2 : 0);
    const QString path = out.filePath(pickers::worldMarkerResource().mid(2));
    if (!QDir().mkpath(QFileInfo(path).path()) || !gif::save(marker, path)) {
        std::fprintf(stderr, "maps: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// The window icon: the Americas in green on a yellow ground inside a grey frame, in the
// sixteen colours of the classic palette.
bool writeIcon(const WorldAtlas& atlas, const QDir& out) {
    const QList<QRgb> palette = {
        qRgb(0, 0, 0),     qRgb(128, 0, 0),     qRgb(0, 128, 0),     qRgb(128, 128, 0),   qRgb(0, 0, 128), qRgb(128, 0, 128),
        qRgb(0, 128, 128), qRgb(192, 192, 192), qRgb(128, 128, 128), qRgb(255, 0, 0),     qRgb(0, 255, 0), qRgb(255, 255, 0),
        qRgb(0, 0, 255),   qRgb(255, 0, 255),   qRgb(0, 255, 255),   qRgb(255, 255, 255),
    };
    QImage canvas(32, 32, QImage::Format_RGB32);
    canvas.fill(QColor(128, 128, 128));
    QPainter painter(&canvas);
    painter.fillRect(QRect(1, 1, 30, 30), QColor(192, 192, 192));
    painter.fillRect(QRect(3, 3, 26, 26), QColor(255, 255, 0));
    // From the Bering Strait to the easternmost cape of Brazil, and from the north of
    // Greenland to Cape Horn, into the yellow square.
    const Box americas{-170, -56, -30, 84};
    const Projection project = [&](QPointF ll) {
        return QPointF(3 + (ll.x() - americas.west) / (americas.east - americas.west) * 26,
                       3 + (americas.north - ll.y()) / (americas.north - americas.south) * 26);
    };
    painter.setClipRect(QRect(3, 3, 26, 26));
    atlas.fillLand(painter, project, americas, QColor(0, 128, 0));
    painter.end();
    return write(canvas, palette, out.filePath(pickers::worldRegions().front().design.icon.mid(2)));
}

}  // namespace

bool makeWorldPictures(const QString& dataFolder, const QDir& out) {
    QString error;
    const auto places = readWorldPlaces(dataFolder, &error);
    const auto atlas = places ? WorldAtlas::read(dataFolder, &error) : std::nullopt;
    if (!places || !atlas) {
        std::fprintf(stderr, "maps: %s\n", qPrintable(error));
        return false;
    }
    WorldMapMaker maker(*atlas, *places, out);
    bool ok = true;
    for (const auto& map : kMaps) ok = maker.make(map) && ok;
    ok = writeMarker(out) && ok;
    ok = writeIcon(*atlas, out) && ok;
    return ok;
}

}  // namespace maps
