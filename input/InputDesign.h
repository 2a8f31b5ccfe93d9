#pragma once
// The parts of the two input windows' designs that are the same but for a shift: the
// value table of text boxes with its captions, the temperature axis, the month markers,
// and the menu tree. Geometry in twips.

#include "platform/forms/Design.h"

#include <vector>

namespace input::design {

// The panel, the column heads and the row captions of the value table; `top` is the Top
// of the 「１月」 row caption.
void valueTableCaptions(std::vector<forms::ControlDesign>& out, double top);

// The boxes Text3 and Text4 of months 1..12 from `top` on, 390 twips apart, and of the
// year at `yearTop`, in the tab order after the place, year and country (4..29); `imeOff`
// switches the input method off so that digits are typed directly.
void monthBoxes(std::vector<forms::ControlDesign>& out, double top, double yearTop, bool imeOff);

// The place, year and country boxes, tab order 1..3.
void titleBoxes(std::vector<forms::ControlDesign>& out, double placeWidth, double yearLeft, double yearWidth);

// The temperature axis captions "40" to "-20" and the ℃ label.
void temperatureAxis(std::vector<forms::ControlDesign>& out);

// The month markers Shape3(1..count), circles 90 twips wide in the month colours, standing
// at the window's left edge until the first clear parks them; a thirteenth (the
// climograph's closing point) is black and hidden.
void markers(std::vector<forms::ControlDesign>& out, int count);

// The joining lines Line11(1..12), hidden and parked right of the chart.
void joiningLines(std::vector<forms::ControlDesign>& out);

// The menu tree; `otherChart` is the caption of the item that opens the other chart's
// station window, `wide` adds 横幅最大.
std::vector<forms::MenuDesign> menus(const QString& otherChart, bool wide);

}  // namespace input::design
