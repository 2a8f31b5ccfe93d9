#pragma once
// What the two own-town input windows share of the chart engine: the scale they draw in,
// what counts as a typed value, and the colouring of their value boxes by the bands. The
// windows read no database: every value is what the user typed into a text box.

#include "platform/forms/Form.h"

#include <QString>

#include <array>
#include <optional>

namespace chart {

// The input windows draw in a scale of their own, fixed by their design: a unit is
// 1.225 twips across and one twip down, whatever size the window is given (12000 by
// 8145 units over the designed client area). Control positions stay in twips.
struct UserScale {
    double twipsPerX = 1.225;
    double twipsPerY = 1;
    double width = 12000;  // the designed client area, in units
    double height = 8145;

    double x(double units) const { return units * twipsPerX; }
    double y(double units) const { return units * twipsPerY; }
    // A point kept on the window: values typed far outside the chart never overflow a
    // coordinate, they stand at the window's edge.
    double clampX(double units) const;
    double clampY(double units) const;
};

// A typed value: blanks around an optional sign, digits with at most one decimal point
// (at least one digit) and an optional exponent. "", "×", "abc", " " and "12abc" are not.
// What the input method types reads as its ASCII form (forms::asciiForms): "－１２．５"
// and "１２.５" are -12.5 and 12.5, "１２ａｂｃ" is no more a value than "12abc".
bool readsAsNumber(const QString& text);

// The value of a box that reads as a number; anything else is no value.
std::optional<double> typedValue(const QString& text);

// The leading number of a box's text in its ASCII form, 0 when it starts with none (Val).
double boxValue(const QString& text);

// The colours of a value box whose text failed the input check; it keeps them until the
// text is corrected.
inline constexpr forms::Color kFailedBack = 0xC0C0C0;
inline constexpr forms::Color kFailedFore = 0xFF;

// A value box that holds text the input check refuses (anything but a number or nothing).
bool failsCheck(const QString& text);

// The value boxes of an input window.
struct InputBoxes {
    forms::ControlArray<forms::TextBox> temps;  // 1..12 the months, 13 the year
    forms::ControlArray<forms::TextBox> rains;  // 1..13
    forms::TextBox& latitude;
    forms::TextBox& longitude;
    forms::TextBox& elevation;
};

// Colours the value boxes as a station's value table is coloured: every month and the
// year by the temperature and monthly precipitation bands (an empty box reads 0), the
// annual precipitation by the annual bands, the hemisphere of the latitude and the
// longitude, the elevation by its bands. A box that failed the check keeps its mark.
// Each temperature is left in kionVal[1..13], in single precision as it was compared.
void colourInputBoxes(const InputBoxes& boxes, std::array<float, 14>& kionVal);

// Marks a box whose text failed the check.
void markFailedCheck(forms::TextBox& box);

}  // namespace chart
