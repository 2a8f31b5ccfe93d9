#include "chart/WindowSizes.h"

#include "platform/forms/Placement.h"
#include "platform/forms/Services.h"

#include <algorithm>

using namespace forms;

namespace chart {
namespace {

QString menuItem(ChartWindowSize size) {
    switch (size) {
    case ChartWindowSize::Standard: return QStringLiteral("Yokohaba_defolt");
    case ChartWindowSize::Wide: return QStringLiteral("Yokohaba_wide");
    case ChartWindowSize::Tall: return QStringLiteral("Yo_tatenaga_Max");
    }
    return {};
}

}  // namespace

void sizeChartWindow(Form& w, ChartWindowSize size) {
    for (const auto& m : w.menus()) {
        for (ChartWindowSize s : {ChartWindowSize::Standard, ChartWindowSize::Wide, ChartWindowSize::Tall}) {
            if (m->Name() == menuItem(s)) m->setChecked(s == size);
        }
    }
    switch (size) {
    case ChartWindowSize::Wide:
        w.setLeft(0);
        w.setWidth(Screen().Width());
        w.setTop(placedTop(w, Placement::AboveCentre));
        break;
    case ChartWindowSize::Tall:
        w.setLeft(placedLeft(w, Placement::AboveCentre));
        w.setHeight(std::min(11055.0, Screen().Height()));
        w.setTop(0);
        break;
    case ChartWindowSize::Standard:
        w.setWidth(std::min(12000.0, Screen().Width()));
        w.setHeight(std::min(8835.0, Screen().Height()));
        w.setLeft(placedLeft(w, Placement::AboveCentre));
        w.setTop(placedTop(w, Placement::AboveCentre));
        break;
    }
    w.Show();
}

}  // namespace chart
