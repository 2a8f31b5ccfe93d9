// The pictures of the world pickers, read back from the source tree: each region map at
// its size in the map colours with land under the centre of every station marker of all
// four copies of its window; the station marker pixel by pixel; the window icon.

#include "pickers/tables/WorldRegions.h"
#include "tools/maps/MapStyle.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QSet>

#include <cmath>

using namespace Qt::Literals::StringLiterals;
using pickers::Family;
using pickers::WorldArea;
using pickers::WorldRegion;

namespace {

const QString kPickers = QString::fromUtf8(TAVRIN_PICKERS_DIR);
constexpr double kTwipsPerPixel = 15;
constexpr int kOffPlaceReach = 2;

// ":/maps/world_europe.gif" -> the file in the source tree.
QString fileOf(const QString& resource) { return kPickers + u'/' + resource.mid(2); }

const forms::ControlDesign& control(const WorldRegion& r, const QString& name) {
    for (const auto& c : r.design.controls)
        if (c.name == name) return c;
    throw std::runtime_error("no control " + name.toStdString());
}

std::string traceOf(const WorldRegion& r) { return r.window.toStdString() + ' ' + r.mapPicture.toStdString(); }

// The size of each region's picture, as its description gives it.
QSize pictureSize(WorldArea area) {
    switch (area) {
    case WorldArea::Europe: return {1000, 637};
    case WorldArea::RussiaMiddleEast:
    case WorldArea::Asia: return {992, 637};
    case WorldArea::Africa:
    case WorldArea::NorthAmerica:
    case WorldArea::SouthAmerica:
    case WorldArea::Oceania: break;
    }
    return {1004, 637};
}

// Land, a border on it, or the coast round it.
bool isShore(QRgb c) {
    c |= 0xFF000000u;
    return c == maps::style::kWorldLand || c == maps::style::kWorldBorder || c == maps::style::kWorldCoast;
}

TEST(WorldPictures, EachMapHasTheSizeOfItsDescription) {
    for (const WorldRegion& r : pickers::worldRegions()) {
        SCOPED_TRACE(traceOf(r));
        const QImage map(fileOf(r.mapPicture));
        ASSERT_FALSE(map.isNull());
        EXPECT_EQ(map.size(), pictureSize(r.area));
    }
}

TEST(WorldPictures, MapsUseOnlyTheWorldMapColours) {
    const QSet<QRgb> palette(maps::style::kWorldPalette.begin(), maps::style::kWorldPalette.end());
    EXPECT_LE(palette.size(), 32);
    for (const WorldRegion& r : pickers::worldRegions()) {
        if (r.family != Family::Hythergraph) continue;  // the others show the same pictures
        SCOPED_TRACE(traceOf(r));
        const QImage map = QImage(fileOf(r.mapPicture)).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(map.isNull());
        QSet<QRgb> used;
        for (int y = 0; y < map.height(); ++y)
            for (int x = 0; x < map.width(); ++x) used.insert(map.pixel(x, y));
        EXPECT_TRUE(palette.contains(used)) << "a colour outside the map palette";
        EXPECT_TRUE(used.contains(maps::style::kWorldLand));
        EXPECT_TRUE(used.contains(maps::style::kWorldSea));
        EXPECT_TRUE(used.contains(maps::style::kWorldBorder));
        EXPECT_TRUE(used.contains(maps::style::kWorldGraticule));
    }
}

// Where the window shows the picture: stretched over the map image, or at its own size
// from the image's corner. Every copy, the two-graph window's included, shows the
// region's picture.
TEST(WorldPictures, EveryStationLiesOnLandUnderItsMarkerInEveryCopy) {
    const QImage marker(fileOf(pickers::worldMarkerResource()));
    ASSERT_FALSE(marker.isNull());
    QRect oval;
    for (int y = 0; y < marker.height(); ++y)
        for (int x = 0; x < marker.width(); ++x)
            if (qAlpha(marker.pixel(x, y)) != 0) oval |= QRect(x, y, 1, 1);
    const QPointF centre = QRectF(oval).center() * kTwipsPerPixel;

    for (const WorldRegion& r : pickers::worldRegions()) {
        const QImage map(fileOf(r.mapPicture));
        ASSERT_FALSE(map.isNull());
        const auto& image1 = control(r, u"Image1"_s);
        const QSizeF span = image1.stretch ? QSizeF(image1.width, image1.height) : QSizeF(map.size()) * kTwipsPerPixel;
        for (const auto& s : r.stations) {
            SCOPED_TRACE(traceOf(r) + ' ' + s.name.toStdString());
            if (s.name == u"ボストーク基地"_s) continue;  // below the map, beside its position note
            const auto& m = control(r, s.marker);
            const QPointF at = QPointF(m.left, m.top) + centre - QPointF(image1.left, image1.top);
            const int x = static_cast<int>(std::floor(at.x() * map.width() / span.width()));
            const int y = static_cast<int>(std::floor(at.y() * map.height() / span.height()));
            ASSERT_TRUE(map.rect().contains(x, y));
            if (isShore(map.pixel(x, y))) continue;
            // The climograph window's copies place two markers two pixels off the others'.
            const bool offPlace = r.family == Family::Climograph && (s.name == u"マニラ・アキノ"_s || s.name == u"ウェリントン"_s);
            if (!offPlace) {
                ADD_FAILURE() << "no land at " << x << ',' << y;
                continue;
            }
            bool near = false;
            for (int dy = -kOffPlaceReach; dy <= kOffPlaceReach && !near; ++dy)
                for (int dx = -kOffPlaceReach; dx <= kOffPlaceReach && !near; ++dx)
                    near = map.rect().contains(x + dx, y + dy) && isShore(map.pixel(x + dx, y + dy));
            EXPECT_TRUE(near) << "no coast within " << kOffPlaceReach << " pixels of " << x << ',' << y;
        }
    }
}

// On a transparent ground, an oval 10 pixels wide and 7 high: magenta inside a red rim
// two pixels thick at its ends.
TEST(WorldPictures, TheMarkerIsTheRedRingedMagentaOval) {
    const QImage marker(fileOf(pickers::worldMarkerResource()));
    ASSERT_FALSE(marker.isNull());
    ASSERT_EQ(marker.size(), QSize(16, 16));
    struct Row {
        int y;
        std::vector<int> red;
        int magentaFrom, magentaTo;  // empty when from > to
    };
    const Row rows[] = {
        {4, {5, 6, 7, 8, 9, 10}, 1, 0}, {5, {4, 5, 10, 11}, 6, 9}, {6, {3, 4, 11, 12}, 5, 10},      {7, {3, 12}, 4, 11},
        {8, {3, 4, 11, 12}, 5, 10},     {9, {4, 5, 10, 11}, 6, 9}, {10, {5, 6, 7, 8, 9, 10}, 1, 0},
    };
    for (int y = 0; y < 16; ++y) {
        const auto row = std::find_if(std::begin(rows), std::end(rows), [y](const Row& r) { return r.y == y; });
        for (int x = 0; x < 16; ++x) {
            SCOPED_TRACE(std::to_string(x) + ',' + std::to_string(y));
            const QRgb c = marker.pixel(x, y);
            if (row != std::end(rows) && std::find(row->red.begin(), row->red.end(), x) != row->red.end()) {
                EXPECT_EQ(c, 0xFFFF0000u);
            } else if (row != std::end(rows) && x >= row->magentaFrom && x <= row->magentaTo) {
                EXPECT_EQ(c, 0xFFFF00FFu);
            } else {
                EXPECT_EQ(qAlpha(c), 0);
            }
        }
    }
}

// 32 × 32 in at most 16 colours: a grey frame round a yellow ground with green land.
TEST(WorldPictures, TheIconShowsGreenLandOnYellowInAGreyFrame) {
    const QString icon = fileOf(pickers::worldRegions().front().design.icon);
    const QImage picture = QImage(icon).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(picture.isNull());
    ASSERT_EQ(picture.size(), QSize(32, 32));
    QSet<QRgb> used;
    int green = 0, yellow = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb c = picture.pixel(x, y);
            used.insert(c);
            const bool edge = x == 0 || y == 0 || x == 31 || y == 31;
            if (edge) {
                EXPECT_EQ(qRed(c), qGreen(c)) << "grey frame at " << x << ',' << y;
                EXPECT_EQ(qGreen(c), qBlue(c)) << "grey frame at " << x << ',' << y;
            }
            green += c == qRgb(0, 128, 0);
            yellow += c == qRgb(255, 255, 0);
        }
    }
    EXPECT_LE(used.size(), 16);
    EXPECT_GT(green, 100);
    EXPECT_GT(yellow, 100);
}

}  // namespace
