#pragma once
// The colour bands of the value tables: every chart window and both input windows
// colour their cells with these thresholds and colours, so warm and cold months, wet and
// dry months, high stations and the hemisphere are seen at a glance.

#include "platform/forms/Color.h"

#include <QChar>
#include <QString>

#include <array>
#include <optional>

namespace chart {

struct CellColours {
    forms::Color back;
    std::optional<forms::Color> fore;  // empty: the text colour stays as it was
};

// Design text colours of the value cells, which every colouring starts from.
inline constexpr forms::Color kTempText = 0xC0;
inline constexpr forms::Color kRainText = 0x4000;

// Monthly or annual mean temperature, compared in single precision. Positive bands are
// closed below, the bands at and below zero closed above: 0 itself is the first cold band.
CellColours temperatureBand(float t);
// Monthly precipitation in mm; a negative value is white and keeps its text colour.
CellColours monthlyRainBand(double p);
// Annual precipitation in mm: the monthly thresholds times ten, but 4000 and 5000 at the top.
CellColours annualRainBand(double p);
// Elevation in metres: the annual bands' backgrounds.
forms::Color elevationBand(double h);
// The hemisphere colour of a latitude text by its last character ("N" or "S"), or none.
std::optional<forms::Color> latitudeColour(const QString& text);
// The same for a longitude text ("E" or "W").
std::optional<forms::Color> longitudeColour(const QString& text);

// A value cell whose text is missing ("" or "×").
bool isMissing(const QString& text);

}  // namespace chart
