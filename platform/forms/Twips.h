#pragma once
// Window geometry is kept in twips, as the designs give it; the screen has 15 twips
// per pixel in both directions.

#include <algorithm>
#include <cmath>

namespace forms {

inline constexpr double kTwipsPerPixel = 15.0;
// The largest extent a widget can have; coordinates beyond it are drawn at its edge.
inline constexpr double kMaxPixels = 16777215;

// Whole pixels, rounded half away from zero. Defined for any input: a position far
// outside every window (a huge value read from text) lands at the limit, NaN at 0.
inline double toPixelsF(double twips) {
    const double px = twips / kTwipsPerPixel;
    if (std::isnan(px)) return 0;
    return std::clamp(px, -kMaxPixels, kMaxPixels);
}
inline int toPixels(double twips) { return static_cast<int>(std::round(toPixelsF(twips))); }
inline double toTwips(int pixels) { return pixels * kTwipsPerPixel; }

}  // namespace forms
