#pragma once
// The colours of the region maps: a calm atlas style in a small palette, drawn without
// anti-aliasing so that every pixel has one of these colours exactly.

#include <QList>
#include <QRgb>

namespace maps::style {

inline constexpr QRgb kSea = qRgb(206, 228, 243);
inline constexpr QRgb kLand = qRgb(244, 239, 218);       // Japan
inline constexpr QRgb kOtherLand = qRgb(226, 226, 221);  // other countries
inline constexpr QRgb kCoast = qRgb(86, 118, 146);
inline constexpr QRgb kOtherCoast = qRgb(158, 162, 166);
inline constexpr QRgb kBorder = qRgb(172, 172, 172);  // between prefectures
inline constexpr QRgb kGraticule = qRgb(150, 184, 210);
inline constexpr QRgb kFrame = qRgb(90, 90, 90);  // round an inset

inline const QList<QRgb> kPalette = {kSea, kLand, kOtherLand, kCoast, kOtherCoast, kBorder, kGraticule, kFrame};

// The world maps: every country alike, national borders in red, a grey graticule under
// the land and the equator in a red of its own.
inline constexpr QRgb kWorldSea = kSea;
inline constexpr QRgb kWorldLand = qRgb(233, 237, 208);
inline constexpr QRgb kWorldCoast = kCoast;
inline constexpr QRgb kWorldBorder = qRgb(255, 0, 0);
inline constexpr QRgb kWorldGraticule = qRgb(143, 143, 143);
inline constexpr QRgb kWorldEquator = qRgb(214, 48, 48);

inline const QList<QRgb> kWorldPalette = {kWorldSea, kWorldLand, kWorldCoast, kWorldBorder, kWorldGraticule, kWorldEquator};

}  // namespace maps::style
