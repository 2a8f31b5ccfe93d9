#pragma once
// The two-graph window opened from the main window's menu, on a fixture program folder.

#include "tests/support/ChartWindows.h"

namespace testing_support {

class TwoGraphFixture : public ChartWindowFixture {
protected:
    explicit TwoGraphFixture(ClimateFixture f = ClimateFixture()) : ChartWindowFixture(kTwoGraphWindow, std::move(f)) {}

    // Starts the program on the fixture's databases (built now, with the test's changes)
    // and opens the two-graph window by the main window's menu item.
    twograph::Form55& start() { return dynamic_cast<twograph::Form55&>(ChartWindowFixture::start()); }
};

}  // namespace testing_support
