#include "platform/forms/Placement.h"

#include "platform/forms/Services.h"

#include <QPointF>

#include <algorithm>

namespace forms {

namespace {

QPointF placed(const Form& w, Placement placement) {
    double left = (Screen().Width() - w.Width()) / 2;
    double top = (Screen().Height() - w.Height()) / 2;
    switch (placement) {
    case Placement::AboveCentre: top -= 210; break;
    case Placement::Centre: break;
    case Placement::ToolOffset:
        left += 1500;
        top -= 2500;
        break;
    }
    return {std::max(0.0, left), std::max(0.0, top)};
}

}  // namespace

double placedLeft(const Form& w, Placement placement) { return placed(w, placement).x(); }
double placedTop(const Form& w, Placement placement) { return placed(w, placement).y(); }

void placeAndShow(Form& w, Placement placement) {
    const QPointF at = placed(w, placement);
    w.Move(at.x(), at.y());
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
