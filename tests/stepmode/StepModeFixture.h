#pragma once
// The step-mode window opened from the main window's menu, on a fixture program folder.

#include "tests/support/ChartWindows.h"

namespace testing_support {

class StepModeFixture : public ChartWindowFixture {
protected:
    StepModeFixture() : ChartWindowFixture(kStepModeWindow) {}

    // Starts the program on the fixture's databases (built now, with the test's changes)
    // and opens the step-mode window by the main window's menu item.
    stepmode::Hyser_Step_Mode& start() { return dynamic_cast<stepmode::Hyser_Step_Mode&>(ChartWindowFixture::start()); }

    // Presses the step spin button up until the window stands at the step.
    static void stepTo(stepmode::Hyser_Step_Mode& w, int step) {
        while (w.Step_No < step) w.SpinButton2.spinUp();
    }

    // A chart object is on the chart when it is not waiting far right of it.
    static bool onChart(const forms::Control& c) { return c.Visible() && c.Left() < stepmode::Hyser_Step_Mode::geometry.parked; }
};

}  // namespace testing_support
