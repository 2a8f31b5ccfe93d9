#pragma once
// How the menus show a window: a minimised or maximised window is only restored to its
// normal size; otherwise the window is placed and shown modeless. Placed windows never
// start with a negative Left or Top on a screen smaller than they are.

#include "platform/forms/Form.h"

namespace forms {

enum class Placement {
    AboveCentre,  // centred across, 210 twips above the vertical centre
    Centre,       // centred exactly
    ToolOffset,   // 1500 twips right of and 2500 twips above the centred position
};

// The rule: restore, or place and show.
void showWindow(Form& w, Placement placement = Placement::AboveCentre);
// Where a placement puts the window with its present size (twips, never negative).
double placedLeft(const Form& w, Placement placement);
double placedTop(const Form& w, Placement placement);
// Places and shows without looking at the window's state.
void placeAndShow(Form& w, Placement placement);

template <class W>
W& showWindow(Placement placement = Placement::AboveCentre) {
    W& w = instance<W>();  // a window that is not loaded loads here
    showWindow(w, placement);
    return w;
}

}  // namespace forms
