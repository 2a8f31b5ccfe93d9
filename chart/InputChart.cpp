#include "chart/InputChart.h"

#include "chart/ColourBands.h"
#include "platform/forms/Text.h"

#include <QRegularExpression>

#include <algorithm>
#include <limits>

using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace chart {
double UserScale::clampX(double units) const { return std::clamp(units, 0.0, width); }
double UserScale::clampY(double units) const { return std::clamp(units, 0.0, height); }

bool readsAsNumber(const QString& text) {
    // \z and not $: a $ would also match before a final line break, and "12\n" would pass.
    static const QRegularExpression number(uR"(^[ \t]*[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?[ \t]*\z)"_s,
                                           QRegularExpression::DontCaptureOption);
    const QString ascii = asciiForms(text);
    // Digits of other scripts are no typed value: the number reading takes ASCII only.
    for (const QChar c : ascii) {
        if (c.isDigit() && c.unicode() >= 128) return false;
    }
    return number.match(ascii).hasMatch();
}

std::optional<double> typedValue(const QString& text) {
    if (!readsAsNumber(text)) return std::nullopt;
    return boxValue(text);
}

double boxValue(const QString& text) { return Val(asciiForms(text)); }

bool failsCheck(const QString& text) { return !text.isEmpty() && !readsAsNumber(text); }

void markFailedCheck(TextBox& box) {
    box.setBackColor(kFailedBack);
    box.setForeColor(kFailedFore);
}

void colourInputBoxes(const InputBoxes& boxes, std::array<float, 14>& kionVal) {
    for (int i = 1; i <= 13; ++i) {
        boxes.rains(i).setForeColor(kRainText);
        boxes.temps(i).setForeColor(kTempText);
    }
    for (int i = 1; i <= 13; ++i) {
        TextBox& temp = boxes.temps(i);
        kionVal[i] = toSingle(boxValue(temp.Text()));
        if (failsCheck(temp.Text())) {
            markFailedCheck(temp);
        } else {
            const CellColours band = temperatureBand(kionVal[i]);
            temp.setBackColor(band.back);
            if (band.fore) temp.setForeColor(*band.fore);
        }
        TextBox& rain = boxes.rains(i);
        if (failsCheck(rain.Text())) {
            markFailedCheck(rain);
            continue;
        }
        const double p = boxValue(rain.Text());
        // The year's box ends with the annual bands, as a value table's does.
        const CellColours band = i == 13 ? annualRainBand(p) : monthlyRainBand(p);
        rain.setBackColor(band.back);
        if (band.fore) rain.setForeColor(*band.fore);
    }
    if (const auto colour = latitudeColour(asciiForms(boxes.latitude.Text()))) boxes.latitude.setBackColor(*colour);
    if (const auto colour = longitudeColour(asciiForms(boxes.longitude.Text()))) boxes.longitude.setBackColor(*colour);
    boxes.elevation.setBackColor(elevationBand(boxValue(boxes.elevation.Text())));
}

}  // namespace chart
