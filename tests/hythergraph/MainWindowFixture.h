#pragma once
// The main window started on a fixture program folder, for the chart tests.

#include "tests/support/ChartWindows.h"

namespace testing_support {

class MainWindowFixture : public ChartWindowFixture {
protected:
    explicit MainWindowFixture(bool everyStation = false)
        : ChartWindowFixture(kMainWindow, everyStation ? ClimateFixture::allStations() : ClimateFixture()) {}

    // Starts the program on the fixture's databases (built now, with the test's changes).
    hythergraph::Hyser_Main& start() {
        startMain();
        return mainWindow();
    }

    // Chooses a Japanese station on the main window's picker of its region.
    void show(hythergraph::Hyser_Main&, const QString& name) { choose(name); }
};

}  // namespace testing_support
