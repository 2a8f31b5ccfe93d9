#pragma once
// Window geometry is kept in twips, as the designs give it; the screen has 15 twips
// per pixel in both directions.

#include <cmath>

namespace forms {

inline constexpr double kTwipsPerPixel = 15.0;

inline int toPixels(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }
inline double toTwips(int pixels) { return pixels * kTwipsPerPixel; }

}  // namespace forms
