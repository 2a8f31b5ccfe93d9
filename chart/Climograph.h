#pragma once
// The climograph engine: the twelve monthly precipitation totals as bars standing on the
// chart's foot, the monthly mean temperatures as points at fixed month positions joined
// by lines, with a thirteenth point at January's temperature on the right-hand edge so
// the line runs on past December, markers, month numbers and the dots on the
// temperature axis. A window passes its own controls and its own chart state in.

#include "chart/Hythergraph.h"
#include "platform/forms/Form.h"

#include <QString>

#include <array>

namespace chart {

// Where a climograph lies on its window, in the window's units.
struct ClimographGeometry {
    double firstX = 4710;            // x of January's point
    double monthStep = 510;          // from one month's point to the next
    double originY = 5310;           // y of 0 °C
    double tempScale = 111;          // units per °C: 40 °C lies on the frame's top edge
    double axisX = 3500;             // x of the dots beside the temperature axis
    double barFoot = 7545;           // where every bar stands
    double monthNumberDX = -240;     // a month number's left edge from its point
    double monthNumberAbove = -210;  // its top from the point, January to August
    double monthNumberBelow = 60;    // September to December, under the line's autumn fall
    double parked = 30000;           // where taken-down chart objects wait, far right
    // A thirteenth point and marker at January's temperature where the line ends; without
    // it the line still runs on to that place.
    bool closingPoint = true;

    // The point of a month, 1..12; 13 is January's temperature again at the right edge.
    double pointX(int point) const { return firstX + monthStep * (point - 1); }
    double pointY(double celsius) const { return originY - celsius * tempScale; }
};

// The chart state a climograph window owns.
struct ClimographState {
    double Rain_Scale = 0;  // bar height in units per mm
    int Point_Width = 0;    // pen width chosen by the user; 0 until chosen
    double Mark_DX = 0;     // a marker's top left corner from its point
    double Mark_DY = 0;
    std::array<double, 14> Plot_X{};  // 1..12 the months, 13 the closing point
    std::array<double, 14> Plot_Y{};
    QString Month_Color_Text;
    // Left by the colouring.
    std::array<float, 14> Kion_Val{};
    QString Lat_Letter;
    QString Lon_Letter;
    QString High_Text;
};

// The controls of a window that the engine reads, moves, shows and hides.
struct ClimographControls {
    forms::Form& surface;
    forms::ControlArray<forms::Label> tempCells;     // 1..13, 13 the year
    forms::ControlArray<forms::Label> rainCells;     // 1..13
    forms::ControlArray<forms::Label> bars;          // 1..12
    forms::ControlArray<forms::Label> monthNumbers;  // 1..12 used
    forms::ControlArray<forms::Line> joins;          // month i to month i + 1, 12 to the closing point
    forms::ControlArray<forms::Shape> markers;       // 1..13, 13 the closing point
    forms::FormsCheckBox& monthNumbersBox;           // 月表示
    forms::FormsCheckBox& cumulativeBox;             // 累積表示
};

// The plotting colour of a point, 1..13: the months' colours, and January's for the
// closing point.
forms::Color climographColour(int point);

// A point has a temperature when its month's temperature cell is neither "" nor "×";
// the closing point 13 goes by January's.
bool hasTemperature(const ClimographControls& c, int point);

// Draws the chart from the filled value table: each month with a temperature as a point
// and an axis dot, every month's bar from its precipitation alone, the month numbers;
// then joined and marked (normal display), or with the chart objects taken down while
// the points of each year pile up (cumulative display).
void plotClimograph(const ClimographControls& c, ClimographState& s, const ClimographGeometry& g);

// The parts of a drawing, for a window that draws more than one chart on its surface and
// wipes it once for all of them. plotClimograph is plotClimographPoints, then (normal
// display) the month numbers hidden and Line_Set, or (cumulative display) Line_Reset;
// Line_Set is joinClimograph, Cls and replotClimograph.
//   plotClimographPoints: the first pass, the points with their axis dots, the bars and
//   the month numbers.
//   joinClimograph: the joining lines and which month numbers show.
//   replotClimograph: every point with a temperature drawn again with its marker.
void plotClimographPoints(const ClimographControls& c, ClimographState& s, const ClimographGeometry& g);
void joinClimograph(const ClimographControls& c, const ClimographState& s, const ClimographGeometry& g);
void replotClimograph(const ClimographControls& c, ClimographState& s, const ClimographGeometry& g, bool blackAndWhite = false);

// Places or hides the number of one month beside its point.
void Month_Set_U(const ClimographControls& c, const ClimographState& s, const ClimographGeometry& g, int month);

// Joins the points with a temperature, shows the month numbers that 月表示 asks for,
// wipes the drawing and draws every point with a temperature again with its marker.
// Black and white: dots, and every marker (those off the chart too), in the button-text
// colour.
void Line_Set(const ClimographControls& c, ClimographState& s, const ClimographGeometry& g, bool blackAndWhite = false);

// Takes the month numbers, joining lines and markers off the chart and hides the bars.
void Line_Reset(const ClimographControls& c, const ClimographGeometry& g);

// Colours the value table by the bands, as every chart window does.
void colourValueTable(const ValueTableControls& c, ClimographState& s);

}  // namespace chart
