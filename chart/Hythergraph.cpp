#include "chart/Hythergraph.h"

#include "chart/ColourBands.h"
#include "platform/forms/Text.h"

#include <algorithm>

using namespace forms;

namespace chart {
namespace {

constexpr Color kMonthColours[13] = {0,        0x11111111, 0xFF0000, 0xFF80FF, 0x90FF90, 0xC000,  0xFFFF00,
                                     0xFF00FF, 0xFF,       0xFF0099, 0xFFFF,   0x80FF,   0xFF8080};

int nextMonth(int month) { return month == 12 ? 1 : month + 1; }

// The last month a step plots and the last line it draws.
int lastMonth(int step) { return std::clamp(step, 0, 12); }
int lastLine(int step) { return std::clamp(step - 1, 0, 12); }

void applyPenWidth(const HytherControls& c, const HytherState& s) {
    // Until the user picks a size the window keeps the pen it was given.
    if (s.Point_Width == 12 || s.Point_Width == 8 || s.Point_Width == 6 || s.Point_Width == 4) {
        c.surface.setDrawWidth(s.Point_Width);
    }
}

// Black and white turns every marker of the chart, those waiting off it too, so that a
// month that comes onto it in a later drawing shows no colour before the colour look
// gives the markers theirs back.
void turnBlackAndWhite(Shape& marker) {
    marker.setBackColor(kSysButtonText);
    marker.setBorderColor(kSysButtonText);
}

void plotPoint(const HytherControls& c, HytherState& s, const HytherGeometry& g, int month) {
    s.Plot_X[month] = Val(c.rainCells(month).Caption()) * s.Rain_Scale + g.originX;
    s.Plot_Y[month] = g.originY - Val(c.tempCells(month).Caption()) * s.Temp_Scale;
}

}  // namespace

Color monthColour(int month) { return month >= 1 && month <= 12 ? kMonthColours[month] : 0; }

QString Month_Color(int month) { return QString::number(monthColour(month)); }

bool monthHasData(const HytherControls& c, int month) {
    return !isMissing(c.tempCells(month).Caption()) && !isMissing(c.rainCells(month).Caption());
}

void fillValueTable(const HytherControls& c, const ControlArray<Label>& tempSource, const ControlArray<Label>& rainSource) {
    fillValueTable(c.tempCells, c.rainCells, tempSource, rainSource);
}

void fillValueTable(const ControlArray<Label>& tempCells, const ControlArray<Label>& rainCells, const ControlArray<Label>& tempSource,
                    const ControlArray<Label>& rainSource) {
    for (int i = 1; i <= 13; ++i) {
        const QString t = tempSource(i).Caption();
        const QString p = rainSource(i).Caption();
        if (isMissing(t) || isMissing(p)) {
            tempCells(i).setCaption(t);
            rainCells(i).setCaption(p);
        } else {
            tempCells(i).setCaption(FormatOneDecimal(Val(t)));
            rainCells(i).setCaption(FormatOneDecimal(Val(p)));
        }
    }
}

void plotPoints(const HytherControls& c, HytherState& s, const HytherGeometry& g, int step) {
    const bool cumulative = c.cumulativeBox.Value();
    for (int i = 1; i <= lastMonth(step); ++i) {
        if (!monthHasData(c, i)) continue;
        plotPoint(c, s, g, i);
        applyPenWidth(c, s);
        s.Month_Color_Text = Month_Color(i);
        const Color colour = monthColour(i);
        // The points go in single precision, as the drawing surface takes them.
        c.surface.PSet(toSingle(s.Plot_X[i]), toSingle(s.Plot_Y[i]), colour);
        c.surface.PSet(toSingle(g.axisX), toSingle(s.Plot_Y[i]), colour);
        if (c.monthNumbersBox.Value() && !cumulative) Month_Set(c, s, g, i);
        if (s.Plot_X[i] > g.rightLimit) c.outOfFrame.setCaption(Str(Val(c.outOfFrame.Caption()) + 1));
    }
}

void plotMonths(const HytherControls& c, HytherState& s, const HytherGeometry& g, int step) {
    const bool cumulative = c.cumulativeBox.Value();
    plotPoints(c, s, g, step);
    if (!cumulative) {
        for (int i = 1; i <= lastMonth(step); ++i) c.monthNumbers(i).setVisible(false);
        Line_Set(c, s, g, false, step);
    } else {
        Line_Reset(c, g);
    }
}

void Month_Set(const HytherControls& c, const HytherState& s, const HytherGeometry& g, int month) {
    Label& number = c.monthNumbers(month);
    if (!monthHasData(c, month)) {
        number.setVisible(false);
        return;
    }
    if (c.cumulativeBox.Value()) {
        number.setVisible(false);
        return;
    }
    if (!c.monthNumbersBox.Value()) return;
    number.setVisible(true);
    const int n = truncateToInt(Val(number.Caption()));
    const NumberOffset& at = g.numberOffsets[n >= 6 && n <= 9 ? 1 : n >= 10 && n <= 12 ? 2 : 0];
    number.Move(s.Plot_X[month] + at.dx, s.Plot_Y[month] + at.dy);
}

void Line_Set(const HytherControls& c, HytherState& s, const HytherGeometry& g, bool blackAndWhite, int step) {
    joinMonths(c, s, g, blackAndWhite, step);
    c.surface.Cls();
    replotMonths(c, s, g, blackAndWhite, step);
}

void joinMonths(const HytherControls& c, const HytherState& s, const HytherGeometry& g, bool blackAndWhite, int step) {
    const bool numbers = c.monthNumbersBox.Value();
    // The last month of a part of the polygon ends no line, so no line shows its number:
    // the numbers of a part are placed month by month first. Colour only: black and
    // white keeps the numbers as they are.
    if (step < kClosingStep && !blackAndWhite) {
        for (int i = 1; i <= lastMonth(step); ++i) Month_Set(c, s, g, i);
    }
    for (int i = 1; i <= lastLine(step); ++i) {
        const int n = nextMonth(i);
        Line& join = c.joins(i);
        Label& number = c.monthNumbers(i);
        if (!monthHasData(c, i)) {
            join.setVisible(false);
            number.setVisible(false);
            // A month without data has no place on the chart: its line waits off it.
            join.setX1(g.parked);
            join.setY1(g.parked);
            join.setX2(g.parked);
            join.setY2(g.parked);
            continue;
        }
        join.setVisible(monthHasData(c, n));
        number.setVisible(numbers);
        join.setX1(s.Plot_X[i]);
        join.setY1(s.Plot_Y[i]);
        join.setX2(s.Plot_X[n]);
        join.setY2(s.Plot_Y[n]);
    }
}

void replotMonths(const HytherControls& c, HytherState& s, const HytherGeometry& g, bool blackAndWhite, int step) {
    if (blackAndWhite) {
        for (int i = 1; i <= 12; ++i) turnBlackAndWhite(c.markers(i));
    }
    for (int i = 1; i <= lastMonth(step); ++i) {
        Shape& marker = c.markers(i);
        if (!monthHasData(c, i)) {
            // Not left where an earlier drawing put it.
            marker.setLeft(g.parked);
            c.monthNumbers(i).setLeft(g.parked);
            continue;
        }
        plotPoint(c, s, g, i);
        applyPenWidth(c, s);
        s.Month_Color_Text = Month_Color(i);
        const Color colour = blackAndWhite ? 0 : monthColour(i);
        c.surface.PSet(toSingle(s.Plot_X[i]), toSingle(s.Plot_Y[i]), colour);
        c.surface.PSet(toSingle(g.axisX), toSingle(s.Plot_Y[i]), colour);
        marker.Move(s.Plot_X[i] - s.Mark_DX, s.Plot_Y[i] - s.Mark_DY);
    }
}

void Line_Reset(const HytherControls& c, const HytherGeometry& g, int last) {
    for (int i = 1; i <= last; ++i) {
        c.monthNumbers(i).setLeft(g.parked);
        Line& join = c.joins(i);
        join.setX1(g.parked);
        join.setY1(g.parked);
        join.setX2(g.parked);
        join.setY2(g.parked);
        c.markers(i).setLeft(g.parked);
    }
}

void colourValueTable(const ValueTableControls& c, HytherState& s) {
    for (int i = 1; i <= 13; ++i) {
        c.rainCells(i).setForeColor(kRainText);
        c.tempCells(i).setForeColor(kTempText);
    }
    for (int i = 1; i <= 13; ++i) {
        Label& temp = c.tempCells(i);
        s.Kion_Val[i] = toSingle(Val(temp.Caption()));
        if (isMissing(temp.Caption())) {
            temp.setBackColor(c.cellBack);
        } else {
            const CellColours band = temperatureBand(s.Kion_Val[i]);
            temp.setBackColor(band.back);
            if (band.fore) temp.setForeColor(*band.fore);
        }
        Label& rain = c.rainCells(i);
        if (isMissing(rain.Caption())) {
            rain.setBackColor(c.cellBack);
            continue;
        }
        const CellColours band = i == 13 ? annualRainBand(Val(rain.Caption())) : monthlyRainBand(Val(rain.Caption()));
        rain.setBackColor(band.back);
        if (band.fore) rain.setForeColor(*band.fore);
    }
    const QString lat = c.latitude.Caption();
    s.Lat_Letter = lat.isEmpty() ? QString() : lat.right(1);
    if (const auto colour = latitudeColour(lat)) c.latitude.setBackColor(*colour);
    const QString lon = c.longitude.Caption();
    s.Lon_Letter = lon.isEmpty() ? QString() : lon.right(1);
    if (const auto colour = longitudeColour(lon)) c.longitude.setBackColor(*colour);
    const QString elevation = c.elevation.Caption();
    s.High_Text = Str(Val(elevation));
    c.elevation.setBackColor(isMissing(elevation) ? c.elevationBack : elevationBand(Val(s.High_Text)));
}

}  // namespace chart
