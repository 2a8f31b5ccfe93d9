#pragma once
// The hythergraph of typed-in values: each month whose temperature and precipitation
// both read as numbers is a point with its dot on the temperature axis and its marker,
// the months are joined in order into a closed polygon, and the month numbers stand
// beside their points when 月表示 asks for them. It draws in the input window's own
// scale (chart/InputChart.h) and reads the window's text boxes.

#include "chart/Hythergraph.h"
#include "chart/InputChart.h"

namespace chart {

// Where the hythergraph lies on the input window, in the window's units.
struct HytherInputGeometry {
    HytherGeometry chart{3400, 5310, 2850, 8800, 30000};  // 0 mm, 0 °C, the axis dots, 600 mm, parked
    double numberDX = -240;                               // a month number's left edge from its point
    double numberDY = 60;                                 // its top from its point
    UserScale scale;
};

// The controls of the input window that the drawing reads, moves, shows and hides.
struct HytherInputControls {
    forms::Form& surface;
    forms::ControlArray<forms::TextBox> temps;       // 1..12 read, 13 the year is not drawn
    forms::ControlArray<forms::TextBox> rains;       // 1..12
    forms::ControlArray<forms::Label> monthNumbers;  // 1..12
    forms::ControlArray<forms::Line> joins;          // month i to month i + 1, 12 to 1
    forms::ControlArray<forms::Shape> markers;       // 1..12
    forms::FormsCheckBox& monthNumbersBox;           // 月表示
};

// A month is drawn when both of its boxes read as numbers; an empty box, "×" and any
// text the input check refuses leave the month out.
bool monthHasData(const HytherInputControls& c, int month);

// Plots every month with data (x = P × Rain_Scale + 3400, y = 5310 − T × Temp_Scale, kept
// on the window), places the month numbers that 月表示 asks for, then joins them.
void Hyouji_Hyther_Input(const HytherInputControls& c, HytherState& s, const HytherInputGeometry& g);

// Shows the number of month 1..12 beside its point, or hides it when the month has no data.
void Month_Set(const HytherInputControls& c, const HytherState& s, const HytherInputGeometry& g, int month);

// Joins the months with data into a closed polygon, shows the month numbers that 月表示
// asks for, wipes the drawing and draws every month with data again with its marker; a
// month without data has its lines, number and marker taken off the chart. Black and
// white: dots, and every marker (those off the chart too), in the button-text colour.
void Line_Set(const HytherInputControls& c, HytherState& s, const HytherInputGeometry& g, bool blackAndWhite = false);

// Takes the month numbers, joining lines and markers off the chart.
void Line_Reset(const HytherInputControls& c, const HytherInputGeometry& g);

}  // namespace chart
