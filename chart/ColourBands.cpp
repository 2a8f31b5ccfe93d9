#include "chart/ColourBands.h"

using namespace Qt::Literals::StringLiterals;

namespace chart {

CellColours temperatureBand(float t) {
    // The positive bands, closed below and open above.
    if (t > 0.0f && t < 5.0f) return {0xE0FFFF, std::nullopt};
    if (t >= 5.0f && t < 8.0f) return {0xD0FFFF, std::nullopt};
    if (t >= 8.0f && t < 10.0f) return {0xC0FFFF, std::nullopt};
    if (t >= 10.0f && t < 13.0f) return {0xB0FFFF, std::nullopt};
    if (t >= 13.0f && t < 15.0f) return {0xA0FFFF, std::nullopt};
    if (t >= 15.0f && t < 18.0f) return {0x90FFFF, std::nullopt};
    if (t >= 18.0f && t < 20.0f) return {0x60FFFF, std::nullopt};
    if (t >= 20.0f && t < 23.0f) return {0x30FFFF, std::nullopt};
    if (t >= 23.0f && t < 25.0f) return {0x00D0FF, std::nullopt};
    if (t >= 25.0f && t < 28.0f) return {0xD0D0FF, std::nullopt};
    if (t >= 28.0f && t < 30.0f) return {0xB0B0FF, std::nullopt};
    if (t >= 30.0f && t < 33.0f) return {0x9090FF, std::nullopt};
    if (t >= 33.0f && t < 35.0f) return {0x7070FF, std::nullopt};
    if (t >= 35.0f && t < 38.0f) return {0x5050FF, std::nullopt};
    if (t >= 38.0f) return {0x3030FF, std::nullopt};
    // At and below zero, open below and closed above.
    if (t > -5.0f) return {0xFFFFE9, 0x808000};
    if (t > -10.0f) return {0xFFFFD0, 0x808000};
    if (t > -15.0f) return {0xFFFFA0, 0x808000};
    if (t > -20.0f) return {0xFFFF00, 0x808000};
    if (t > -25.0f) return {0xFFFF00, 0xA00000};
    return {0xFFFF00, 0xC00000};
}

CellColours monthlyRainBand(double p) {
    if (p >= 0 && p < 10) return {0x80FFFF, 0x4000};
    if (p >= 10 && p < 50) return {0xE0FFE0, 0x4000};
    if (p >= 50 && p < 100) return {0xC0FFC0, 0x4000};
    if (p >= 100 && p < 150) return {0x90FF90, 0x4000};
    if (p >= 150 && p < 200) return {0x60FF60, 0x4000};
    if (p >= 200 && p < 250) return {0x40FF40, 0x4000};
    if (p >= 250 && p < 300) return {0x20FF20, 0x4000};
    if (p >= 300 && p < 350) return {0x20FF20, 0xC00000};
    if (p >= 350 && p < 500) return {0xFFFF80, 0xC00000};
    if (p >= 500 && p < 700) return {0xFFFF00, 0xC00000};
    if (p >= 700) return {0xFFFF00, 0x800000};
    return {0xFFFFFF, std::nullopt};
}

CellColours annualRainBand(double p) {
    if (p >= 0 && p < 100) return {0x80FFFF, 0x4000};
    if (p >= 100 && p < 500) return {0xE0FFE0, 0x4000};
    if (p >= 500 && p < 1000) return {0xC0FFC0, 0x4000};
    if (p >= 1000 && p < 1500) return {0x90FF90, 0x4000};
    if (p >= 1500 && p < 2000) return {0x60FF60, 0x4000};
    if (p >= 2000 && p < 2500) return {0x40FF40, 0x4000};
    if (p >= 2500 && p < 3000) return {0x20FF20, 0x4000};
    if (p >= 3000 && p < 3500) return {0x20FF20, 0xC00000};
    if (p >= 3500 && p < 4000) return {0xFFFF80, 0xC00000};
    if (p >= 4000 && p < 5000) return {0xFFFF00, 0xC00000};
    if (p >= 5000) return {0xFFFF00, 0x800000};
    return {0xFFFFFF, std::nullopt};
}

forms::Color elevationBand(double h) { return annualRainBand(h).back; }

std::optional<forms::Color> latitudeColour(const QString& text) {
    if (text.endsWith(u'N')) return 0xFFFF80;
    if (text.endsWith(u'S')) return 0x8080FF;
    return std::nullopt;
}

std::optional<forms::Color> longitudeColour(const QString& text) {
    if (text.endsWith(u'W')) return 0x80FFFF;
    if (text.endsWith(u'E')) return 0xC0FFC0;
    return std::nullopt;
}

bool isMissing(const QString& text) { return text.isEmpty() || text == u"×"_s; }

}  // namespace chart
