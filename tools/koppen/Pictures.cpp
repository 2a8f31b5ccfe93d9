#include "tools/koppen/Pictures.h"

#include "tools/koppen/Projection.h"

#include <QFont>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace koppen {
namespace {

// Crisp text in exactly the pen's colour, so that the picture keeps to its palette.
QFont font(int pixels, bool bold = false) {
    QFont f(u"IPAPGothic"_s);
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setStyleStrategy(QFont::NoAntialias);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

// Paints the map: each pixel takes the class of the place it shows, the sea its own
// colour with the graticule every `step` degrees (none for 0), and the map's edge a line.
void paintMap(QImage& image, const Projection& map, const Grid& grid, double step) {
    const auto placeAt = [&](int x, int y) { return map.toPlace(QPointF(x + 0.5, y + 0.5)); };
    const auto cellOf = [&](double v) { return std::floor(v / step); };
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const auto place = placeAt(x, y);
            if (!place) continue;
            const auto right = placeAt(x + 1, y);
            const auto below = placeAt(x, y + 1);
            const auto left = placeAt(x - 1, y);
            const auto above = placeAt(x, y - 1);
            if (!right || !below || !left || !above) {
                line[x] = kOutline;
                continue;
            }
            if (const ClimateClass* c = grid.at(place->x(), place->y())) {
                line[x] = c->colour;
                continue;
            }
            const bool meridian = step > 0 && cellOf(place->x()) != cellOf(right->x());
            const bool parallel = step > 0 && cellOf(place->y()) != cellOf(below->y());
            line[x] = meridian || parallel ? kGraticule : kSea;
        }
    }
}

// The legend: a row for each class, from the top of the map down, at `left`.
void paintLegend(QPainter& p, double left) {
    constexpr int kRow = 27;
    int y = static_cast<int>(kMapTop);
    for (const ClimateClass& c : classes()) {
        p.fillRect(QRect(static_cast<int>(left), y + 3, 30, 20), QColor::fromRgb(c.colour));
        p.setPen(QColor::fromRgb(kInk));
        p.drawRect(QRect(static_cast<int>(left), y + 3, 29, 19));
        p.setFont(font(17, true));
        p.drawText(QRect(static_cast<int>(left) + 36, y, 46, kRow), Qt::AlignLeft | Qt::AlignVCenter, c.code);
        p.setFont(font(17));
        p.drawText(QRect(static_cast<int>(left) + 82, y, 260, kRow), Qt::AlignLeft | Qt::AlignVCenter, c.name);
        y += kRow;
    }
}

QImage mapPicture(const Grid& grid, QSize size, const Projection& map, double mapWidth, double step, const QString& title,
                  const QString& projectionName) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(kPaper);
    paintMap(image, map, grid, step);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setPen(QColor::fromRgb(kInk));
    p.setFont(font(28, true));
    p.drawText(QRect(static_cast<int>(kMapLeft), 8, size.width() - 32, 40), Qt::AlignLeft | Qt::AlignVCenter, title);
    paintLegend(p, kMapLeft + mapWidth + 16);
    p.setPen(QColor::fromRgb(kInk));
    p.setFont(font(16));
    const int creditTop = static_cast<int>(kMapTop + kMapHeight) + 22;
    p.drawText(QRect(static_cast<int>(kMapLeft), creditTop, size.width() - 32, 26), Qt::AlignLeft | Qt::AlignVCenter,
               u"Köppen-Geiger classification: Kottek et al. (2006) / Rubel & Kottek (2010), via R package kgc "
               u"(BSD-2-Clause, © 2017 C. Bryant, N. R. Wheeler, F. Rubel, R. H. French)"_s);
    p.drawText(
        QRect(static_cast<int>(kMapLeft), creditTop + 30, size.width() - 32, 26), Qt::AlignLeft | Qt::AlignVCenter,
        u"0.5° の格子（陸のみ、30区分）による気候区分。"_s + projectionName + u"。経緯線は"_s + QString::number(step) + u"°ごと。"_s);
    return image;
}

}  // namespace

QImage worldPicture(const Grid& grid) {
    return mapPicture(grid, kWorldPicture, worldMap(), kWorldWidth, 30, u"ケッペン・ガイガーの気候区分　世界"_s, u"モルワイデ図法"_s);
}

QImage sectionPicture(const Grid& grid) {
    return mapPicture(grid, kSectionPicture, sectionMap(), kSectionWidth, 20,
                      u"ケッペン・ガイガーの気候区分　ユーラシア・アフリカ・オセアニア"_s, u"正距円筒図法"_s);
}

QImage globePicture(const Grid& grid, QSize size, double lon0, double lat0) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(kAboutBack);
    const double radius = std::min(size.width(), size.height()) / 2.0 - 5;
    paintMap(image, Orthographic(QPointF(size.width() / 2.0, size.height() / 2.0), radius, lon0, lat0), grid, 30);
    return image;
}

QImage logoPicture(const Grid& grid) {
    QImage image(QSize(32, 32), QImage::Format_RGB32);
    image.fill(kPaper);
    paintMap(image, Orthographic(QPointF(16, 16), 15.5, 20, 10), grid, 0);
    return image;
}

}  // namespace koppen
