#pragma once
// The climograph window opened from the main window's menu, on a fixture program folder.

#include "app/Start.h"
#include "climograph/Uonz_Main.h"
#include "hythergraph/Hyser_Main.h"
#include "pickers/FamilyPickers.h"
#include "pickers/tables/JapanRegions.h"
#include "platform/forms/Services.h"
#include "tests/support/ClimateFixture.h"
#include "tests/support/FakeServices.h"

#include <QDir>

#include <gtest/gtest.h>

namespace testing_support {

class ClimographFixture : public ::testing::Test {
protected:
    explicit ClimographFixture(bool everyStation = false) : fixture(everyStation ? ClimateFixture::allStations() : ClimateFixture()) {}

    void TearDown() override {
        forms::destroyAllForms();
        forms::AppInfo::setPath(QString());
    }

    // Starts the program on the fixture's databases (built now, with the test's changes)
    // and opens the climograph window by the main window's menu item.
    climograph::Uonz_Main& start() {
        forms::AppInfo::setPath(fixture.build());
        EXPECT_EQ(app::startProgram(), -1);
        QDir::setCurrent(fixture.folder());
        forms::instance<hythergraph::Hyser_Main>().menu(QStringLiteral("Rain_Ondo_Graph")).click();
        return forms::instance<climograph::Uonz_Main>();
    }

    // Chooses a Japanese station on the climograph window's picker of its region, as a
    // click on its label does; the pickers' maps are put beside the program first.
    void choose(const QString& name) {
        fixture.copyMaps();
        for (const pickers::JapanRegion& region : pickers::japanRegions()) {
            for (const pickers::PickerStation& station : region.stations) {
                if (station.name == name) return pickers::japanPicker(windows::Family::Climograph, region.region).chooseStation(station);
            }
        }
        ADD_FAILURE() << "no picker offers " << name.toStdString();
    }

    // The points the drawing holds in one colour, in the order drawn.
    static std::vector<forms::DrawOp> pointsIn(const forms::Form& w, forms::Color colour) {
        std::vector<forms::DrawOp> found;
        for (const forms::DrawOp& op : w.drawing()) {
            if (op.kind == forms::DrawOp::Point && op.color == colour) found.push_back(op);
        }
        return found;
    }

    FakeServices services;
    ClimateFixture fixture;
};

}  // namespace testing_support
