#include "chart/ClimographInput.h"

using namespace forms;

namespace chart {
namespace {

constexpr int kClosing = 13;

void applyPenWidth(const ClimographInputControls& c, const HytherState& s) {
    // Until the user picks a size the window keeps the pen it was given.
    if (s.Point_Width == 12 || s.Point_Width == 8 || s.Point_Width == 6 || s.Point_Width == 4) {
        c.surface.setDrawWidth(s.Point_Width);
    }
}

// The point of a month, 1..12, or the closing point at January's temperature.
void plotPoint(const ClimographInputControls& c, HytherState& s, const ClimographInputGeometry& g, int point) {
    const int month = point == kClosing ? 1 : point;
    const double t = typedValue(c.temps(month).Text()).value_or(0);
    s.Plot_X[point] = g.scale.clampX(point == kClosing ? g.closingX : g.pointX(point));
    s.Plot_Y[point] = g.scale.clampY(g.originY - t * s.Temp_Scale);
}

void drawPoint(const ClimographInputControls& c, HytherState& s, const ClimographInputGeometry& g, int point, Color colour) {
    applyPenWidth(c, s);
    s.Month_Color_Text = Month_Color(point == kClosing ? 1 : point);
    c.surface.PSet(g.scale.x(s.Plot_X[point]), g.scale.y(s.Plot_Y[point]), colour);
    c.surface.PSet(g.scale.x(g.axisX), g.scale.y(s.Plot_Y[point]), colour);
}

void setBar(const ClimographInputControls& c, const HytherState& s, const ClimographInputGeometry& g, int month) {
    Label& bar = c.bars(month);
    const double p = typedValue(c.rains(month).Text()).value_or(0);
    // No bar for nothing, for text that is no number and for a negative amount.
    if (!(p > 0)) {
        bar.setVisible(false);
        return;
    }
    const double top = g.scale.clampY(g.barFoot - s.Rain_Scale * p);
    bar.setTop(g.scale.y(top));
    bar.setHeight(g.scale.y(g.barFoot - top));
    bar.setVisible(true);
}

void park(const ClimographInputGeometry& g, Line& join) {
    const double x = g.scale.x(g.parked);
    const double y = g.scale.y(g.parked);
    join.setX1(x);
    join.setY1(y);
    join.setX2(x);
    join.setY2(y);
}

}  // namespace

bool hasTemperature(const ClimographInputControls& c, int month) { return readsAsNumber(c.temps(month).Text()); }

void Hyouji_Uonz_Input(const ClimographInputControls& c, HytherState& s, const ClimographInputGeometry& g) {
    for (int i = 1; i <= 12; ++i) {
        if (hasTemperature(c, i)) {
            plotPoint(c, s, g, i);
            drawPoint(c, s, g, i, monthColour(i));
        }
        setBar(c, s, g, i);
        if (hasTemperature(c, i) && c.monthNumbersBox.Value()) Month_Set(c, s, g, i);
    }
    Line_Set(c, s, g);
}

void Month_Set(const ClimographInputControls& c, const HytherState& s, const ClimographInputGeometry& g, int month) {
    if (month < 1 || month > 12) return;
    Label& number = c.monthNumbers(month);
    number.setVisible(true);
    const double dx = month <= 8 ? g.numberLeftDX : g.numberRightDX;
    number.Move(g.scale.x(s.Plot_X[month] + dx), g.scale.y(s.Plot_Y[month] + g.numberDY));
}

void Line_Set(const ClimographInputControls& c, HytherState& s, const ClimographInputGeometry& g, bool blackAndWhite) {
    const bool numbers = c.monthNumbersBox.Value();
    // The points as the boxes hold them now: a box can change between two drawings.
    for (int i = 1; i <= 12; ++i) {
        if (hasTemperature(c, i)) plotPoint(c, s, g, i);
    }
    if (hasTemperature(c, 1)) plotPoint(c, s, g, kClosing);
    for (int i = 1; i <= 12; ++i) {
        Line& join = c.joins(i);
        // December's line runs to the closing point, which stands or falls with January.
        const int partner = i == 12 ? 1 : i + 1;
        const bool joined = hasTemperature(c, i) && hasTemperature(c, partner);
        join.setVisible(joined);
        c.monthNumbers(i).setVisible(hasTemperature(c, i) && numbers);
        if (!joined) {
            park(g, join);
            continue;
        }
        const int to = i == 12 ? kClosing : partner;
        join.setX1(g.scale.x(s.Plot_X[i]));
        join.setY1(g.scale.y(s.Plot_Y[i]));
        join.setX2(g.scale.x(s.Plot_X[to]));
        join.setY2(g.scale.y(s.Plot_Y[to]));
    }
    c.surface.Cls();
    if (blackAndWhite) {
        // Every marker turns, those waiting off the chart too: a month typed in later
        // shows no colour before the colour look gives the markers theirs back.
        for (int point = 1; point <= kClosing; ++point) {
            c.markers(point).setBackColor(kSysButtonText);
            c.markers(point).setBorderColor(kSysButtonText);
        }
    }
    for (int point = 1; point <= kClosing; ++point) {
        const int month = point == kClosing ? 1 : point;
        Shape& marker = c.markers(point);
        if (!hasTemperature(c, month)) {
            // Not left where an earlier drawing put it.
            marker.setLeft(g.scale.x(g.parked));
            if (point != kClosing) c.monthNumbers(point).setLeft(g.scale.x(g.parked));
            continue;
        }
        drawPoint(c, s, g, point, blackAndWhite ? kSysButtonText : monthColour(month));
        marker.Move(g.scale.x(s.Plot_X[point] - s.Mark_DX), g.scale.y(s.Plot_Y[point] - s.Mark_DY));
    }
}

void Line_Reset(const ClimographInputControls& c, const ClimographInputGeometry& g) {
    for (int i = 1; i <= 12; ++i) {
        c.monthNumbers(i).setLeft(g.scale.x(g.parked));
        park(g, c.joins(i));
        c.markers(i).setLeft(g.scale.x(g.parked));
        c.bars(i).setHeight(0);
        c.bars(i).setTop(g.scale.y(g.parkedBarTop));
    }
    c.markers(kClosing).setLeft(g.scale.x(g.parked));
}

}  // namespace chart
