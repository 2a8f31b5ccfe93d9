#pragma once
// The climograph of typed-in values: each month's precipitation as a bar standing on the
// chart's foot, each month whose temperature reads as a number as a point with its dot on
// the temperature axis and its marker, the points joined from January to December and on
// to a closing point that repeats January at the right end, and the month numbers above
// the points when 月表示 asks for them. It draws in the input window's own scale
// (chart/InputChart.h) and reads the window's text boxes; temperature and precipitation
// are independent, so a month can have a bar without a point or a point without a bar.

#include "chart/Hythergraph.h"
#include "chart/InputChart.h"

namespace chart {

// Where the climograph lies on the input window, in the window's units.
struct ClimographInputGeometry {
    double firstX = 3865;         // January's point; December's is 8430
    double monthStep = 415;       // from one month's point to the next
    double closingX = 8845;       // the closing point, at January's temperature
    double originY = 5340;        // 0 °C
    double axisX = 2800;          // the dots beside the temperature axis
    double barFoot = 7550;        // where every bar stands
    double numberLeftDX = -240;   // a month number's left edge from its point, January to August
    double numberRightDX = 180;   // September to December, right of the point
    double numberDY = -210;       // its top from its point: above it
    double parked = 30000;        // where taken-down chart objects wait
    double parkedBarTop = 10000;  // below the window
    UserScale scale;

    double pointX(int month) const { return firstX + monthStep * (month - 1); }
};

// The controls of the input window that the drawing reads, moves, shows and hides.
struct ClimographInputControls {
    forms::Form& surface;
    forms::ControlArray<forms::TextBox> temps;       // 1..12 read, 13 the year is not drawn
    forms::ControlArray<forms::TextBox> rains;       // 1..12
    forms::ControlArray<forms::Label> bars;          // 1..12
    forms::ControlArray<forms::Label> monthNumbers;  // 1..12 used
    forms::ControlArray<forms::Line> joins;          // month i to month i + 1, 12 to the closing point
    forms::ControlArray<forms::Shape> markers;       // 1..12, 13 the closing point's
    forms::FormsCheckBox& monthNumbersBox;           // 月表示
};

// A month has a temperature when its temperature box reads as a number.
bool hasTemperature(const ClimographInputControls& c, int month);

// Draws every month's point and bar (Temp_Scale units per °C, Rain_Scale units of bar per
// mm, all kept on the window; a negative or unreadable precipitation has no bar), places
// the month numbers that 月表示 asks for, then joins the points.
void Hyouji_Uonz_Input(const ClimographInputControls& c, HytherState& s, const ClimographInputGeometry& g);

// Shows the number of month 1..12 above its point: left of it January to August, right of
// it September to December.
void Month_Set(const ClimographInputControls& c, const HytherState& s, const ClimographInputGeometry& g, int month);

// Joins the points with a temperature, December to the closing point, shows the month
// numbers that 月表示 asks for, wipes the drawing and draws every point, the closing point
// included, again with its marker. Black and white: dots, and every marker (those off
// the chart too), in the button-text colour.
void Line_Set(const ClimographInputControls& c, HytherState& s, const ClimographInputGeometry& g, bool blackAndWhite = false);

// Takes the month numbers, lines, markers and bars off the chart.
void Line_Reset(const ClimographInputControls& c, const ClimographInputGeometry& g);

}  // namespace chart
