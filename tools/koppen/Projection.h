#pragma once
// The projections of the Köppen pictures and where each map lies in its picture. Pixel
// coordinates run right and down from the picture's top left corner; a pixel's centre is
// at +0.5. Places are (longitude, latitude) in degrees.

#include <QPointF>
#include <QRectF>
#include <QSize>

#include <optional>

namespace koppen {

class Projection {
public:
    virtual ~Projection() = default;
    // Where a place lands in the picture; nullopt where the map does not show it.
    virtual std::optional<QPointF> toPixel(double lon, double lat) const = 0;
    // The place a point of the picture shows; nullopt off the map.
    virtual std::optional<QPointF> toPlace(QPointF pixel) const = 0;
};

// The whole world on an ellipse twice as wide as high, areas true to scale.
class Mollweide final : public Projection {
public:
    explicit Mollweide(QRectF ellipse) : ellipse_(ellipse) {}
    std::optional<QPointF> toPixel(double lon, double lat) const override;
    std::optional<QPointF> toPlace(QPointF pixel) const override;

private:
    QRectF ellipse_;
};

// Longitude and latitude as straight, evenly spaced lines over a rectangle.
class PlateCarree final : public Projection {
public:
    PlateCarree(QRectF frame, double west, double east, double north, double south)
        : frame_(frame), west_(west), east_(east), north_(north), south_(south) {}
    std::optional<QPointF> toPixel(double lon, double lat) const override;
    std::optional<QPointF> toPlace(QPointF pixel) const override;

private:
    QRectF frame_;
    double west_, east_, north_, south_;
};

// The globe as seen from far away above a place.
class Orthographic final : public Projection {
public:
    Orthographic(QPointF centre, double radius, double lon0, double lat0) : centre_(centre), radius_(radius), lon0_(lon0), lat0_(lat0) {}
    std::optional<QPointF> toPixel(double lon, double lat) const override;
    std::optional<QPointF> toPlace(QPointF pixel) const override;

private:
    QPointF centre_;
    double radius_, lon0_, lat0_;
};

// The two map pictures: their sizes, as their windows show them, and their maps. The
// world map is an ellipse, the section a rectangle from 20°W to 160°E and 80°N to 48°S
// (Europe, Africa, Asia and Australia) in square degrees; both leave room on the right
// for the legend and below for the credit line.
inline constexpr QSize kWorldPicture(2007, 1023);
inline constexpr QSize kSectionPicture(1521, 1023);
inline constexpr double kMapLeft = 16;
inline constexpr double kMapTop = 56;
inline constexpr double kMapHeight = 820;
inline constexpr double kWorldWidth = 2 * kMapHeight;
inline constexpr double kSectionWest = -20, kSectionEast = 160, kSectionNorth = 80, kSectionSouth = -48;
inline constexpr double kSectionWidth = kMapHeight * (kSectionEast - kSectionWest) / (kSectionNorth - kSectionSouth);
Mollweide worldMap();
PlateCarree sectionMap();

}  // namespace koppen
