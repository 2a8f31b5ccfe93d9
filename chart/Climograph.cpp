#include "chart/Climograph.h"

#include "chart/ColourBands.h"
#include "platform/forms/Text.h"

using namespace forms;

namespace chart {
namespace {

constexpr int kClosingPoint = 13;

// The month whose temperature a point shows: the closing point repeats January.
int monthOf(int point) { return point == kClosingPoint ? 1 : point; }

void applyPenWidth(const ClimographControls& c, const ClimographState& s) {
    // Until the user picks a size the window keeps the pen it was given.
    if (s.Point_Width == 12 || s.Point_Width == 8 || s.Point_Width == 6 || s.Point_Width == 4) {
        c.surface.setDrawWidth(s.Point_Width);
    }
}

// Stores the point's place and sets it with its dot on the temperature axis.
void drawPoint(const ClimographControls& c, ClimographState& s, const ClimographGeometry& g, int point, Color colour) {
    s.Plot_X[point] = g.pointX(point);
    s.Plot_Y[point] = g.pointY(Val(c.tempCells(monthOf(point)).Caption()));
    applyPenWidth(c, s);
    s.Month_Color_Text = QString::number(climographColour(point));
    // The points go in single precision, as the drawing surface takes them.
    c.surface.PSet(toSingle(s.Plot_X[point]), toSingle(s.Plot_Y[point]), colour);
    c.surface.PSet(toSingle(g.axisX), toSingle(s.Plot_Y[point]), colour);
}

// Black and white turns every marker of the chart, those waiting off it too, so that a
// point that comes onto it in a later drawing shows no colour before the colour look
// gives the markers theirs back.
void turnBlackAndWhite(Shape& marker) {
    marker.setBackColor(kSysButtonText);
    marker.setBorderColor(kSysButtonText);
}

// A bar stands for every month with a precipitation above nothing, whatever its
// temperature; the piled-up years of the cumulative display show none.
void setBar(const ClimographControls& c, const ClimographState& s, const ClimographGeometry& g, int month, bool cumulative) {
    Label& bar = c.bars(month);
    const QString text = c.rainCells(month).Caption();
    const double mm = Val(text);
    // Blanks around the mark of a missing value count as missing too.
    if (cumulative || isMissing(text.trimmed()) || mm <= 0) {
        bar.setVisible(false);
        return;
    }
    const double height = mm * s.Rain_Scale;
    bar.setTop(g.barFoot - height);
    bar.setHeight(height);
    bar.setVisible(true);
}

void park(Line& join, double parked) {
    join.setX1(parked);
    join.setY1(parked);
    join.setX2(parked);
    join.setY2(parked);
}

}  // namespace

Color climographColour(int point) { return monthColour(monthOf(point)); }

bool hasTemperature(const ClimographControls& c, int point) { return !isMissing(c.tempCells(monthOf(point)).Caption()); }

void plotClimographPoints(const ClimographControls& c, ClimographState& s, const ClimographGeometry& g) {
    const bool cumulative = c.cumulativeBox.Value();
    for (int i = 1; i <= 12; ++i) {
        const bool temperature = hasTemperature(c, i);
        if (temperature) drawPoint(c, s, g, i, climographColour(i));
        setBar(c, s, g, i, cumulative);
        if (temperature && c.monthNumbersBox.Value() && !cumulative) Month_Set_U(c, s, g, i);
    }
}

void plotClimograph(const ClimographControls& c, ClimographState& s, const ClimographGeometry& g) {
    const bool cumulative = c.cumulativeBox.Value();
    plotClimographPoints(c, s, g);
    if (!cumulative) {
        for (int i = 1; i <= 12; ++i) c.monthNumbers(i).setVisible(false);
        Line_Set(c, s, g);
    } else {
        Line_Reset(c, g);
    }
}

void Month_Set_U(const ClimographControls& c, const ClimographState& s, const ClimographGeometry& g, int month) {
    Label& number = c.monthNumbers(month);
    if (!hasTemperature(c, month) || c.cumulativeBox.Value()) {
        number.setVisible(false);
        return;
    }
    if (!c.monthNumbersBox.Value()) return;
    number.setVisible(true);
    // Autumn's numbers go under the point, where the falling line leaves room.
    number.Move(s.Plot_X[month] + g.monthNumberDX, s.Plot_Y[month] + (month <= 8 ? g.monthNumberAbove : g.monthNumberBelow));
}

void Line_Set(const ClimographControls& c, ClimographState& s, const ClimographGeometry& g, bool blackAndWhite) {
    joinClimograph(c, s, g);
    c.surface.Cls();
    replotClimograph(c, s, g, blackAndWhite);
}

void joinClimograph(const ClimographControls& c, const ClimographState& s, const ClimographGeometry& g) {
    const bool numbers = c.monthNumbersBox.Value();
    for (int i = 1; i <= 12; ++i) {
        Line& join = c.joins(i);
        join.setVisible(hasTemperature(c, i) && hasTemperature(c, i + 1));
        c.monthNumbers(i).setVisible(hasTemperature(c, i) && numbers);
        // December runs on to January's height at the right-hand edge.
        join.setX1(s.Plot_X[i]);
        join.setY1(s.Plot_Y[i]);
        join.setX2(i == 12 ? g.pointX(kClosingPoint) : s.Plot_X[i + 1]);
        join.setY2(i == 12 ? s.Plot_Y[1] : s.Plot_Y[i + 1]);
    }
}

void replotClimograph(const ClimographControls& c, ClimographState& s, const ClimographGeometry& g, bool blackAndWhite) {
    const int points = g.closingPoint ? kClosingPoint : 12;
    if (blackAndWhite) {
        for (int i = 1; i <= points; ++i) turnBlackAndWhite(c.markers(i));
    }
    for (int i = 1; i <= points; ++i) {
        Shape& marker = c.markers(i);
        if (!hasTemperature(c, i)) {
            marker.setLeft(g.parked);
            continue;
        }
        drawPoint(c, s, g, i, blackAndWhite ? kSysButtonText : climographColour(i));
        marker.Move(s.Plot_X[i] - s.Mark_DX, s.Plot_Y[i] - s.Mark_DY);
    }
}

void Line_Reset(const ClimographControls& c, const ClimographGeometry& g) {
    for (int i = 1; i <= 12; ++i) {
        c.monthNumbers(i).setLeft(g.parked);
        park(c.joins(i), g.parked);
        c.markers(i).setLeft(g.parked);
        c.bars(i).setVisible(false);
    }
    if (g.closingPoint) c.markers(kClosingPoint).setLeft(g.parked);
}

void colourValueTable(const ValueTableControls& c, ClimographState& s) {
    HytherState work;
    colourValueTable(c, work);
    s.Kion_Val = work.Kion_Val;
    s.Lat_Letter = work.Lat_Letter;
    s.Lon_Letter = work.Lon_Letter;
    s.High_Text = work.High_Text;
}

}  // namespace chart
