#include "stepmode/Hyser_Step_Mode.h"

#include "chart/ColourSchemes.h"
#include "platform/forms/Text.h"

#include <algorithm>

using namespace chart;
using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace stepmode {
namespace {

// The step the step label shows; whatever it holds, a step within 1..kClosingStep.
int shownStep(const Label& label) { return std::clamp(truncateToInt(Val(label.Caption())), 1, kClosingStep); }

}  // namespace

// Its data objects and scales are its own: the main window keeps showing and stepping
// through the ones it opened. Closing it leaves the program running.
Hyser_Step_Mode::Hyser_Step_Mode() : HythergraphWindow(design(), windows::Family::StepMode, false, 13) {
    Command2.onClick = [this] { Command2_Click(); };
    SpinButton2.onSpinUp = [this] { SpinButton2_SpinUp(); };
    SpinButton2.onSpinDown = [this] { SpinButton2_SpinDown(); };
}

void Hyser_Step_Mode::loadState() {
    HythergraphWindow::loadState();
    Step_No = 1;
}

// Stepping redraws the same months again and again: the count says how many points of
// this drawing lie outside the frame, not how often they were drawn.
void Hyser_Step_Mode::Hyouji_Hyther() {
    Label15.setCaption(u"0"_s);
    HythergraphWindow::Hyouji_Hyther();
}

// クリア empties the chart and starts the steps again; nothing is drawn until the next
// step or redraw.
void Hyser_Step_Mode::Command1_Click() {
    Label55.setCaption(u"1"_s);
    Step_No = 1;
    HythergraphWindow::Command1_Click();
}

void Hyser_Step_Mode::Command2_Click() { HythergraphWindow::Command1_Click(); }

// The step is read from the label that shows it, so the two never disagree.
void Hyser_Step_Mode::SpinButton2_SpinUp() {
    Step_No = std::min(shownStep(Label55) + 1, kClosingStep);
    Label55.setCaption(QString::number(Step_No));
    // A higher step draws more of the same chart: nothing needs taking down first.
    redraw();
}

void Hyser_Step_Mode::SpinButton2_SpinDown() {
    Step_No = std::max(shownStep(Label55) - 1, 1);
    Label55.setCaption(QString::number(Step_No));
    // What the lower step no longer draws goes with the clearing.
    Command2_Click();
    redraw();
}

void Hyser_Step_Mode::addSchemeRows(std::vector<stationwindow::SchemeRow>& rows) {
    HythergraphWindow::addSchemeRows(rows);
    rows.push_back({{&Label55}, {{{0xFFFF, 0xC000C0}, {kWhite, kSysButtonText}}}});
}

}  // namespace stepmode
