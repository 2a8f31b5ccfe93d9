#pragma once
// The main window started on a fixture program folder, for the chart tests.

#include "app/Start.h"
#include "hythergraph/Hyser_Main.h"
#include "pickers/FamilyPickers.h"
#include "pickers/tables/JapanRegions.h"
#include "platform/forms/Services.h"
#include "tests/support/ClimateFixture.h"
#include "tests/support/FakeServices.h"

#include <gtest/gtest.h>

namespace testing_support {

class MainWindowFixture : public ::testing::Test {
protected:
    explicit MainWindowFixture(bool everyStation = false) : fixture(everyStation ? ClimateFixture::allStations() : ClimateFixture()) {}

    void TearDown() override {
        forms::destroyAllForms();
        forms::AppInfo::setPath(QString());
    }

    // Starts the program on the fixture's databases (built now, with the test's changes).
    hythergraph::Hyser_Main& start() {
        forms::AppInfo::setPath(fixture.build());
        EXPECT_EQ(app::startProgram(), -1);
        return forms::instance<hythergraph::Hyser_Main>();
    }

    // Chooses a Japanese station on the main window's picker of its region, as a click on
    // its label does; the pickers' maps are put beside the program first.
    void show(hythergraph::Hyser_Main&, const QString& name) {
        fixture.copyMaps();
        for (const pickers::JapanRegion& region : pickers::japanRegions()) {
            for (const pickers::PickerStation& station : region.stations) {
                if (station.name == name) return pickers::japanPicker(windows::Family::Hythergraph, region.region).chooseStation(station);
            }
        }
        ADD_FAILURE() << "no picker offers " << name.toStdString();
    }

    FakeServices services;
    ClimateFixture fixture;
};

}  // namespace testing_support
