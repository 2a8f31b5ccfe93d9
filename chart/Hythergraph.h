#pragma once
// The hythergraph engine: fills a window's value table from its bound labels, plots the
// twelve months as points with their dots on the temperature axis, joins them into a
// closed polygon, places the markers and month numbers, and colours the value table by
// the bands. A window passes its own controls and its own chart state in.

#include "platform/forms/Form.h"

#include <QString>

#include <array>

namespace chart {

// Where a month number stands from its point.
struct NumberOffset {
    double dx = 0;
    double dy = 0;
};

// Where a hythergraph lies on its window, in the window's units.
struct HytherGeometry {
    double originX = 4170;      // x of 0 mm
    double originY = 5310;      // y of 0 °C
    double axisX = 3500;        // x of the month dots beside the temperature axis
    double rightLimit = 10770;  // a point right of this falls outside the frame
    double parked = 30000;      // where taken-down chart objects wait, far right
    // The month numbers of January to May, June to September and October to December:
    // the summer numbers go left of the point and higher, clear of the polygon's turn.
    std::array<NumberOffset, 3> numberOffsets{{{120, 60}, {-240, -60}, {120, 60}}};
};

// The chart state a hythergraph window owns.
struct HytherState {
    double Rain_Scale = 0;  // horizontal units per mm
    double Temp_Scale = 0;  // vertical units per °C
    int Point_Width = 0;    // pen width chosen by the user; 0 until chosen
    double Mark_DX = 0;     // a marker's top left corner from its point
    double Mark_DY = 0;
    std::array<double, 14> Plot_X{};
    std::array<double, 14> Plot_Y{};
    QString Month_Color_Text;
    // Left by the colouring.
    std::array<float, 14> Kion_Val{};
    QString Lat_Letter;
    QString Lon_Letter;
    QString High_Text;
};

// The controls of a window that the engine reads and moves.
struct HytherControls {
    forms::Form& surface;
    forms::ControlArray<forms::Label> tempCells;     // 1..13, 13 the year
    forms::ControlArray<forms::Label> rainCells;     // 1..13
    forms::ControlArray<forms::Label> monthNumbers;  // 1..12 used
    forms::ControlArray<forms::Line> joins;          // month i to month i + 1, 12 to 1
    forms::ControlArray<forms::Shape> markers;       // 1..12
    forms::Label& outOfFrame;                        // count of points right of the frame
    forms::FormsCheckBox& monthNumbersBox;           // 月表示
    forms::FormsCheckBox& cumulativeBox;             // 累積表示
};

// The value cells the colouring reads, with the colours a cell keeps when its value is
// missing.
struct ValueTableControls {
    forms::ControlArray<forms::Label> tempCells;
    forms::ControlArray<forms::Label> rainCells;
    forms::Label& latitude;
    forms::Label& longitude;
    forms::Label& elevation;
    forms::Color cellBack = 0xFFFFFF;
    forms::Color elevationBack = 0xFFFF00;
};

// The plotting colour of a month, 1..12.
forms::Color monthColour(int month);
// The same as decimal text.
QString Month_Color(int month);

// A month has data when neither of its cells is "" or "×".
bool monthHasData(const HytherControls& c, int month);

// Fills the value table: each month's two cells from the source captions, formatted to
// one decimal, or both raw when either is missing.
void fillValueTable(const HytherControls& c, const forms::ControlArray<forms::Label>& tempSource,
                    const forms::ControlArray<forms::Label>& rainSource);
// The same for any window's two columns of cells.
void fillValueTable(const forms::ControlArray<forms::Label>& tempCells, const forms::ControlArray<forms::Label>& rainCells,
                    const forms::ControlArray<forms::Label>& tempSource, const forms::ControlArray<forms::Label>& rainSource);

// How far a drawing goes, for a chart built up one month at a time: step n (1..12) draws
// months 1..n joined in calendar order; kClosingStep draws all twelve and the line from
// December back to January, the whole chart.
inline constexpr int kClosingStep = 13;

// Plots the months with data up to the step and finishes the chart: joined (normal
// display) or with the chart objects taken down (cumulative display, the points pile up).
void plotMonths(const HytherControls& c, HytherState& s, const HytherGeometry& g, int step = kClosingStep);

// Places the number of one month beside its point.
void Month_Set(const HytherControls& c, const HytherState& s, const HytherGeometry& g, int month);

// Joins the months with data into a closed polygon, shows the month numbers that 月表示
// asks for, wipes the drawing and draws every month with data again with its marker; a
// step short of kClosingStep does so for its months and lines only. Black and white:
// black dots, and every marker (those off the chart or past the step too) in the
// button-text colour.
void Line_Set(const HytherControls& c, HytherState& s, const HytherGeometry& g, bool blackAndWhite = false, int step = kClosingStep);

// The parts of a drawing, for a window that draws more than one chart on its surface and
// wipes it once for all of them. plotMonths is plotPoints, then (normal display) the
// month numbers hidden and Line_Set, or (cumulative display) Line_Reset; Line_Set is
// joinMonths, Cls and replotMonths.
//   plotPoints: the first pass, each month with data up to the step as a point with its
//   dot beside the temperature axis, and its number placed.
//   joinMonths: the joining lines and which month numbers show.
//   replotMonths: every month with data up to the step drawn again with its marker.
void plotPoints(const HytherControls& c, HytherState& s, const HytherGeometry& g, int step = kClosingStep);
void joinMonths(const HytherControls& c, const HytherState& s, const HytherGeometry& g, bool blackAndWhite = false,
                int step = kClosingStep);
void replotMonths(const HytherControls& c, HytherState& s, const HytherGeometry& g, bool blackAndWhite = false, int step = kClosingStep);

// Takes the month numbers, joining lines and markers 1..last off the chart.
void Line_Reset(const HytherControls& c, const HytherGeometry& g, int last = 12);

// Colours the value table by the bands; a missing value keeps the cell's design colours.
void colourValueTable(const ValueTableControls& c, HytherState& s);

}  // namespace chart
