#include "extras/MonthNumberTool.h"

#include <algorithm>
#include <climits>
#include <cmath>

using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace extras {
namespace {

// One step along an axis, unless it would take the number further out of its window's
// client area (0 to limit): the number stays where the user can see it and move it back.
double stepWithin(double at, double step, double limit) {
    const double next = at + step;
    if ((step < 0 && next < 0) || (step > 0 && next > limit)) return at;
    return next;
}

// A position as a whole number of twips, whatever the label holds.
int wholeTwips(double v) {
    if (std::isnan(v)) return 0;
    return static_cast<int>(std::lround(std::clamp(v, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX))));
}

}  // namespace

MonthNumberTool::MonthNumberTool(const QString& name, windows::Window owner) : Form(design(name)), owner_(owner) {
    for (int month = 1; month <= 12; ++month) option(month).onClick = [this, month] { Option_Click(month); };
    SpinButton1.onSpinUp = [this] { SpinButton1_SpinUp(); };
    SpinButton1.onSpinDown = [this] { SpinButton1_SpinDown(); };
    SpinButton2.onSpinUp = [this] { SpinButton2_SpinUp(); };
    SpinButton2.onSpinDown = [this] { SpinButton2_SpinDown(); };
}

OptionButton& MonthNumberTool::option(int month) const { return control<OptionButton>(u"Option"_s + QString::number(month)); }

void MonthNumberTool::Form_Load() {
    Tuki_No = 1;
    if (windows::MonthNumberOwner* o = owner()) o->clearMonthNumbersMoved();
}

void MonthNumberTool::Option_Click(int month) { Tuki_No = month; }

void MonthNumberTool::SpinButton1_SpinUp() { move(0, -kStep); }
void MonthNumberTool::SpinButton1_SpinDown() { move(0, kStep); }
void MonthNumberTool::SpinButton2_SpinUp() { move(kStep, 0); }
void MonthNumberTool::SpinButton2_SpinDown() { move(-kStep, 0); }

void MonthNumberTool::move(double dx, double dy) {
    windows::MonthNumberOwner* o = owner();
    if (!o) return;
    Label& number = o->monthNumber(Tuki_No);
    const Form& chart = o->ownerForm();
    number.Move(stepWithin(number.Left(), dx, chart.clientWidthTwips() - number.Width()),
                stepWithin(number.Top(), dy, chart.clientHeightTwips() - number.Height()));
    tuki_Position();
}

void MonthNumberTool::tuki_Position() {
    windows::MonthNumberOwner* o = owner();
    if (!o) return;
    windows::MonthNumberPositions where;
    for (int Loop_i = 1; Loop_i <= 12; ++Loop_i) {
        const Label& number = o->monthNumber(Loop_i);
        where.Tuki_Left[Loop_i] = wholeTwips(number.Left());
        where.Tuki_Top[Loop_i] = wholeTwips(number.Top());
    }
    o->monthNumbersMoved(where);
}

windows::MonthNumberOwner* MonthNumberTool::owner() const {
    if (!windows::navigation().isLoaded(owner_)) return nullptr;
    return dynamic_cast<windows::MonthNumberOwner*>(&windows::navigation().form(owner_));
}

Form57::Form57() : MonthNumberTool(u"Form57"_s, windows::Window::Hythergraph) {}
Form56::Form56() : MonthNumberTool(u"Form56"_s, windows::Window::TwoGraph) {}

}  // namespace extras
