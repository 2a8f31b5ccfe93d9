#pragma once
// The step-mode window opened from the main window's menu, on a fixture program folder.

#include "app/Start.h"
#include "hythergraph/Hyser_Main.h"
#include "pickers/FamilyPickers.h"
#include "pickers/tables/JapanRegions.h"
#include "platform/forms/Services.h"
#include "stepmode/Hyser_Step_Mode.h"
#include "tests/support/ClimateFixture.h"
#include "tests/support/FakeServices.h"

#include <QDir>

#include <gtest/gtest.h>

namespace testing_support {

class StepModeFixture : public ::testing::Test {
protected:
    void TearDown() override {
        forms::destroyAllForms();
        forms::AppInfo::setPath(QString());
    }

    // Starts the program on the fixture's databases (built now, with the test's changes)
    // and opens the step-mode window by the main window's menu item.
    stepmode::Hyser_Step_Mode& start() {
        forms::AppInfo::setPath(fixture.build());
        EXPECT_EQ(app::startProgram(), -1);
        QDir::setCurrent(fixture.folder());
        mainWindow().menu(QStringLiteral("Step_Run")).click();
        return forms::instance<stepmode::Hyser_Step_Mode>();
    }

    static hythergraph::Hyser_Main& mainWindow() { return forms::instance<hythergraph::Hyser_Main>(); }

    // Presses the step spin button up until the window stands at the step.
    static void stepTo(stepmode::Hyser_Step_Mode& w, int step) {
        while (w.Step_No < step) w.SpinButton2.spinUp();
    }

    // Chooses a Japanese station on the step-mode window's picker of its region, as a
    // click on its label does; the pickers' maps are put beside the program first.
    void choose(const QString& name) {
        fixture.copyMaps();
        for (const pickers::JapanRegion& region : pickers::japanRegions()) {
            for (const pickers::PickerStation& station : region.stations) {
                if (station.name == name) return pickers::japanPicker(windows::Family::StepMode, region.region).chooseStation(station);
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

    // A chart object is on the chart when it is not waiting far right of it.
    static bool onChart(const forms::Control& c) { return c.Visible() && c.Left() < stepmode::Hyser_Step_Mode::geometry.parked; }

    FakeServices services;
    ClimateFixture fixture;
};

}  // namespace testing_support
