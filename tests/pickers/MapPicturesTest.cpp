// The region maps, read back from the source tree: each is as large as its picker's map
// image, uses the map palette only, and has land under the centre of every station
// marker's ellipse.

#include "pickers/tables/JapanRegions.h"
#include "tools/maps/MapStyle.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QSet>

#include <cmath>

using namespace Qt::Literals::StringLiterals;
using pickers::JapanRegion;

namespace {

const QString kPickers = QString::fromUtf8(TAVRIN_PICKERS_DIR);
constexpr double kTwipsPerPixel = 15;

// Most stations stand in harbour towns, right on the drawn coast: the centre of a
// marker must fall on land or on the coast line round it. The recorded place of 西郷
// lies a few metres off the outline of its island: there the coast must be within reach.
const QSet<QString> kOffshore = {u"西郷"_s};
constexpr int kCoastReach = 2;

const forms::ControlDesign& control(const JapanRegion& r, const QString& name) {
    for (const auto& c : r.design.controls)
        if (c.name == name) return c;
    throw std::runtime_error("no control " + name.toStdString());
}

// The map picture of a region: its file under W_GIF, or Okinawa's built-in picture.
QString mapOf(const JapanRegion& r) { return kPickers + u'/' + (r.mapFile.isEmpty() ? control(r, u"Image1"_s).picture.mid(2) : r.mapFile); }

// The centre of a marker picture's ellipse, from its opaque pixels.
QPointF ellipseCentre(const QString& resource) {
    const QImage marker(kPickers + u'/' + resource.mid(2));
    QRect box;
    for (int y = 0; y < marker.height(); ++y)
        for (int x = 0; x < marker.width(); ++x)
            if (qAlpha(marker.pixel(x, y)) != 0) box |= QRect(x, y, 1, 1);
    return QRectF(box).center();
}

// Japan's land, a prefecture border on it, or its coast line.
bool isShore(QRgb c) {
    c |= 0xFF000000u;
    return c == maps::style::kLand || c == maps::style::kBorder || c == maps::style::kCoast;
}

TEST(RegionMaps, EachMapIsAsLargeAsItsMapImage) {
    for (const auto& r : pickers::japanRegions()) {
        SCOPED_TRACE(mapOf(r).toStdString());
        const QImage map(mapOf(r));
        ASSERT_FALSE(map.isNull());
        const auto& image1 = control(r, u"Image1"_s);
        const QSize expected =
            r.region == 7 ? QSize(650, 459) : QSize(qRound(image1.width / kTwipsPerPixel), qRound(image1.height / kTwipsPerPixel));
        EXPECT_EQ(map.size(), expected);
    }
}

TEST(RegionMaps, MapsUseOnlyTheMapColours) {
    const QSet<QRgb> palette(maps::style::kPalette.begin(), maps::style::kPalette.end());
    EXPECT_LE(palette.size(), 16);
    for (const auto& r : pickers::japanRegions()) {
        SCOPED_TRACE(mapOf(r).toStdString());
        const QImage map = QImage(mapOf(r)).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(map.isNull());
        QSet<QRgb> used;
        for (int y = 0; y < map.height(); ++y)
            for (int x = 0; x < map.width(); ++x) used.insert(map.pixel(x, y));
        EXPECT_TRUE(palette.contains(used)) << "a colour outside the map palette";
        EXPECT_TRUE(used.contains(maps::style::kLand));
        EXPECT_TRUE(used.contains(maps::style::kSea));
    }
}

TEST(RegionMaps, EveryStationLiesOnLandUnderItsMarker) {
    for (const auto& r : pickers::japanRegions()) {
        const QImage map(mapOf(r));
        ASSERT_FALSE(map.isNull());
        const auto& image1 = control(r, u"Image1"_s);
        // The picture is stretched to the map image.
        const double sx = map.width() / image1.width;
        const double sy = map.height() / image1.height;
        for (const auto& s : r.stations) {
            SCOPED_TRACE(s.name.toStdString());
            const auto& marker = control(r, s.marker);
            const QPointF centre = QPointF(marker.left, marker.top) + ellipseCentre(marker.picture) * kTwipsPerPixel;
            const int x = static_cast<int>(std::floor((centre.x() - image1.left) * sx));
            const int y = static_cast<int>(std::floor((centre.y() - image1.top) * sy));
            ASSERT_TRUE(map.rect().contains(x, y));
            if (isShore(map.pixel(x, y))) continue;
            if (!kOffshore.contains(s.name)) {
                ADD_FAILURE() << "no land at " << x << ',' << y;
                continue;
            }
            bool near = false;
            for (int dy = -kCoastReach; dy <= kCoastReach && !near; ++dy)
                for (int dx = -kCoastReach; dx <= kCoastReach && !near; ++dx)
                    near = map.rect().contains(x + dx, y + dy) && isShore(map.pixel(x + dx, y + dy));
            EXPECT_TRUE(near) << "no coast within " << kCoastReach << " pixels of " << x << ',' << y;
        }
    }
}

}  // namespace
