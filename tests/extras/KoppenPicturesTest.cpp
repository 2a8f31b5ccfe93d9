// The Köppen pictures as committed: their sizes, their palette, a legend with every class
// and a credit line, and the classes where they belong on the maps.
#include "tools/koppen/Koppen.h"
#include "tools/koppen/Projection.h"

#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kExtras = QString::fromUtf8(TAVRIN_EXTRAS_DIR);

QImage picture(const QString& name) { return QImage(kExtras + u'/' + name).convertToFormat(QImage::Format_RGB32); }

struct MapCase {
    const char* name;
    QString file;
    QSize size;
    std::function<std::optional<QPointF>(double, double)> toPixel;
    double mapRight;  // the legend stands to the right of it
};

std::vector<MapCase> maps() {
    const koppen::Mollweide world = koppen::worldMap();
    const koppen::PlateCarree section = koppen::sectionMap();
    return {
        {"world", u"maps/koppen_world.gif"_s, QSize(2007, 1023), [world](double lon, double lat) { return world.toPixel(lon, lat); },
         koppen::kMapLeft + koppen::kWorldWidth},
        {"section", u"maps/koppen_section.gif"_s, QSize(1521, 1023),
         [section](double lon, double lat) { return section.toPixel(lon, lat); }, koppen::kMapLeft + koppen::kSectionWidth},
    };
}

// The class shown where a place lands, or "" for anything else (the sea, a line).
QString classAt(const QImage& image, const MapCase& m, double lon, double lat) {
    const auto at = m.toPixel(lon, lat);
    if (!at) return u"off the map"_s;
    const QRgb c = image.pixel(static_cast<int>(std::floor(at->x())), static_cast<int>(std::floor(at->y()))) | 0xFF000000u;
    for (const koppen::ClimateClass& k : koppen::classes())
        if (k.colour == c) return k.code;
    return QString();
}

TEST(KoppenPictures, EachMapHasTheSizeItsWindowShowsAndOnlyThePalettesColours) {
    QSet<QRgb> palette;
    for (const QRgb c : koppen::palette()) palette.insert(c | 0xFF000000u);
    for (const MapCase& m : maps()) {
        SCOPED_TRACE(m.name);
        const QImage image = picture(m.file);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), m.size);
        QSet<QRgb> used;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) used.insert(image.pixel(x, y));
        EXPECT_TRUE(palette.contains(used));
    }
}

TEST(KoppenPictures, TheLegendShowsEveryClassAndACreditLineStandsBelowTheMap) {
    for (const MapCase& m : maps()) {
        SCOPED_TRACE(m.name);
        const QImage image = picture(m.file);
        QSet<QRgb> legend;
        for (int y = 0; y < image.height(); ++y)
            for (int x = static_cast<int>(m.mapRight) + 1; x < image.width(); ++x) legend.insert(image.pixel(x, y));
        for (const koppen::ClimateClass& k : koppen::classes())
            EXPECT_TRUE(legend.contains(k.colour | 0xFF000000u)) << k.code.toStdString();
        int ink = 0;
        for (int y = static_cast<int>(koppen::kMapTop + koppen::kMapHeight) + 2; y < image.height(); ++y)
            for (int x = 0; x < static_cast<int>(m.mapRight); ++x) ink += image.pixel(x, y) == (koppen::kInk | 0xFF000000u);
        EXPECT_GT(ink, 2000) << "two lines of credit";
    }
}

TEST(KoppenPictures, TheClassesStandWhereTheyBelong) {
    struct Place {
        const char* name;
        double lon, lat;
        const char* world;    // the class on the world map
        const char* section;  // on the section; "off the map" where it does not reach
    };
    const Place places[] = {
        {"the Sahara", 10.25, 24.25, "BWh", "BWh"},
        {"the Amazon", -62.25, -3.25, "Af", "off the map"},
        {"central Siberia", 100.25, 62.25, "Dfc", "Dfc"},
        {"the Amur, in Siberia's dry winters", 122.25, 55.25, "Dwc", "Dwc"},
        {"the Greenland ice", -39.75, 75.25, "EF", "off the map"},
        {"Tokyo", 139.75, 35.75, "Cfa", "Cfa"},
        {"Paris", 2.25, 48.75, "Cfb", "Cfb"},
        {"central Australia", 133.25, -25.25, "BWh", "BWh"},
        {"the Pacific", -150, 0, "", "off the map"},
    };
    for (const MapCase& m : maps()) {
        const QImage image = picture(m.file);
        for (const Place& p : places) {
            SCOPED_TRACE(std::string(m.name) + ", " + p.name);
            EXPECT_EQ(classAt(image, m, p.lon, p.lat), QString::fromUtf8(m.name == std::string("world") ? p.world : p.section));
        }
    }
}

TEST(KoppenPictures, TheVersionWindowsGlobesAndTheLogoHaveTheirSizes) {
    struct Case {
        const char* file;
        QSize size;
    };
    for (const Case& c : {Case{"pictures/globe_japan.gif", QSize(155, 210)}, Case{"pictures/globe_america.gif", QSize(260, 260)},
                          Case{"pictures/logo.gif", QSize(32, 32)}}) {
        SCOPED_TRACE(c.file);
        const QImage image(kExtras + u'/' + QString::fromUtf8(c.file));
        EXPECT_EQ(image.size(), c.size);
    }
    const QImage logo(kExtras + u"/pictures/logo.gif"_s);
    EXPECT_EQ(qAlpha(logo.pixel(0, 0)), 0) << "the logo's corners let its background through";
    EXPECT_EQ(qAlpha(logo.pixel(16, 16)), 255);
}

// The projections that place the tests' places agree with themselves both ways.
TEST(KoppenPictures, EveryProjectionFindsItsOwnPlacesBack) {
    const koppen::Mollweide world = koppen::worldMap();
    const koppen::PlateCarree section = koppen::sectionMap();
    const koppen::Orthographic globe(QPointF(100, 100), 90, 135, 35);
    const std::pair<const char*, const koppen::Projection*> projections[] = {{"world", &world}, {"section", &section}, {"globe", &globe}};
    for (const auto& [name, projection] : projections) {
        for (const auto& [lon, lat] :
             {std::pair{139.75, 35.75}, std::pair{100.25, 62.25}, std::pair{105.25, 15.25}, std::pair{133.25, -25.25}}) {
            SCOPED_TRACE(std::string(name) + " " + std::to_string(lon) + "," + std::to_string(lat));
            const auto at = projection->toPixel(lon, lat);
            ASSERT_TRUE(at.has_value());
            const auto back = projection->toPlace(*at);
            ASSERT_TRUE(back.has_value());
            EXPECT_NEAR(back->x(), lon, 1e-6);
            EXPECT_NEAR(back->y(), lat, 1e-6);
        }
    }
    EXPECT_FALSE(globe.toPixel(-45, -35).has_value()) << "the far side of the globe";
    EXPECT_FALSE(world.toPlace(QPointF(koppen::kMapLeft + 1, koppen::kMapTop + 1)).has_value()) << "a corner outside the ellipse";
}

}  // namespace
