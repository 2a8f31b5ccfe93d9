#include "platform/forms/Placement.h"

#include "platform/forms/Services.h"

#include <algorithm>

namespace forms {

void placeAndShow(Form& w, Placement placement) {
    const double sw = Screen().Width();
    const double sh = Screen().Height();
    double left = (sw - w.Width()) / 2;
    double top = (sh - w.Height()) / 2;
    switch (placement) {
    case Placement::AboveCentre: top -= 210; break;
    case Placement::Centre: break;
    case Placement::ToolOffset:
        left += 1500;
        top -= 2500;
        break;
    }
    w.Move(std::max(0.0, left), std::max(0.0, top));
    w.Show();
}

void showWindow(Form& w, Placement placement) {
    if (!w.isLoaded()) return;  // its load step ended the window
    if (w.WindowState() == vbMinimized || w.WindowState() == vbMaximized) {
        w.setWindowState(vbNormal);
        return;
    }
    placeAndShow(w, placement);
}

}  // namespace forms
