#pragma once
// The climograph window opened from the main window's menu, on a fixture program folder.

#include "tests/support/ChartWindows.h"

namespace testing_support {

class ClimographFixture : public ChartWindowFixture {
protected:
    explicit ClimographFixture(bool everyStation = false)
        : ChartWindowFixture(kClimographWindow, everyStation ? ClimateFixture::allStations() : ClimateFixture()) {}

    // Starts the program on the fixture's databases (built now, with the test's changes)
    // and opens the climograph window by the main window's menu item.
    climograph::Uonz_Main& start() { return dynamic_cast<climograph::Uonz_Main&>(ChartWindowFixture::start()); }
};

}  // namespace testing_support
