#include "chart/HytherInput.h"

using namespace forms;

namespace chart {
namespace {

int nextMonth(int month) { return month == 12 ? 1 : month + 1; }

void applyPenWidth(const HytherInputControls& c, const HytherState& s) {
    // Until the user picks a size the window keeps the pen it was given.
    if (s.Point_Width == 12 || s.Point_Width == 8 || s.Point_Width == 6 || s.Point_Width == 4) {
        c.surface.setDrawWidth(s.Point_Width);
    }
}

void plotPoint(const HytherInputControls& c, HytherState& s, const HytherInputGeometry& g, int month) {
    const double p = typedValue(c.rains(month).Text()).value_or(0);
    const double t = typedValue(c.temps(month).Text()).value_or(0);
    s.Plot_X[month] = g.scale.clampX(p * s.Rain_Scale + g.chart.originX);
    s.Plot_Y[month] = g.scale.clampY(g.chart.originY - t * s.Temp_Scale);
}

void drawPoint(const HytherInputControls& c, HytherState& s, const HytherInputGeometry& g, int month, Color colour) {
    applyPenWidth(c, s);
    s.Month_Color_Text = Month_Color(month);
    c.surface.PSet(g.scale.x(s.Plot_X[month]), g.scale.y(s.Plot_Y[month]), colour);
    c.surface.PSet(g.scale.x(g.chart.axisX), g.scale.y(s.Plot_Y[month]), colour);
}

void park(const HytherInputGeometry& g, Line& join) {
    const double x = g.scale.x(g.chart.parked);
    const double y = g.scale.y(g.chart.parked);
    join.setX1(x);
    join.setY1(y);
    join.setX2(x);
    join.setY2(y);
}

}  // namespace

bool monthHasData(const HytherInputControls& c, int month) {
    return readsAsNumber(c.temps(month).Text()) && readsAsNumber(c.rains(month).Text());
}

void Hyouji_Hyther_Input(const HytherInputControls& c, HytherState& s, const HytherInputGeometry& g) {
    for (int i = 1; i <= 12; ++i) {
        if (!monthHasData(c, i)) continue;
        plotPoint(c, s, g, i);
        drawPoint(c, s, g, i, monthColour(i));
        if (c.monthNumbersBox.Value()) Month_Set(c, s, g, i);
    }
    Line_Set(c, s, g);
}

void Month_Set(const HytherInputControls& c, const HytherState& s, const HytherInputGeometry& g, int month) {
    if (month < 1 || month > 12) return;
    Label& number = c.monthNumbers(month);
    if (!monthHasData(c, month)) {
        number.setVisible(false);
        return;
    }
    number.setVisible(true);
    number.Move(g.scale.x(s.Plot_X[month] + g.numberDX), g.scale.y(s.Plot_Y[month] + g.numberDY));
}

void Line_Set(const HytherInputControls& c, HytherState& s, const HytherInputGeometry& g, bool blackAndWhite) {
    const bool numbers = c.monthNumbersBox.Value();
    // The points as the boxes hold them now: a box can change between two drawings.
    for (int i = 1; i <= 12; ++i) {
        if (monthHasData(c, i)) plotPoint(c, s, g, i);
    }
    for (int i = 1; i <= 12; ++i) {
        Line& join = c.joins(i);
        if (!monthHasData(c, i)) {
            join.setVisible(false);
            c.monthNumbers(i).setVisible(false);
            park(g, join);
            continue;
        }
        const int n = nextMonth(i);
        join.setVisible(monthHasData(c, n));
        c.monthNumbers(i).setVisible(numbers);
        // A partner without data has no point of this drawing: its line waits off the chart.
        if (!monthHasData(c, n)) {
            park(g, join);
            continue;
        }
        join.setX1(g.scale.x(s.Plot_X[i]));
        join.setY1(g.scale.y(s.Plot_Y[i]));
        join.setX2(g.scale.x(s.Plot_X[n]));
        join.setY2(g.scale.y(s.Plot_Y[n]));
    }
    c.surface.Cls();
    if (blackAndWhite) {
        // Every marker turns, those waiting off the chart too: a month typed in later
        // shows no colour before the colour look gives the markers theirs back.
        for (int i = 1; i <= 12; ++i) {
            c.markers(i).setBackColor(kSysButtonText);
            c.markers(i).setBorderColor(kSysButtonText);
        }
    }
    for (int i = 1; i <= 12; ++i) {
        Shape& marker = c.markers(i);
        if (!monthHasData(c, i)) {
            // Not left where an earlier drawing put it.
            marker.setLeft(g.scale.x(g.chart.parked));
            c.monthNumbers(i).setLeft(g.scale.x(g.chart.parked));
            continue;
        }
        drawPoint(c, s, g, i, blackAndWhite ? kSysButtonText : monthColour(i));
        marker.Move(g.scale.x(s.Plot_X[i] - s.Mark_DX), g.scale.y(s.Plot_Y[i] - s.Mark_DY));
    }
}

void Line_Reset(const HytherInputControls& c, const HytherInputGeometry& g) {
    for (int i = 1; i <= 12; ++i) {
        c.monthNumbers(i).setLeft(g.scale.x(g.chart.parked));
        park(g, c.joins(i));
        c.markers(i).setLeft(g.scale.x(g.chart.parked));
    }
}

}  // namespace chart
