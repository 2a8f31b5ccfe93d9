#pragma once
// The main window started on a fixture program folder, for the chart tests.

#include "chart/Hyser_Main.h"
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
    chart::Hyser_Main& start() {
        forms::AppInfo::setPath(fixture.build());
        EXPECT_EQ(chart::startProgram(), -1);
        return forms::instance<chart::Hyser_Main>();
    }

    // What a station picker does once it has written the name: look up, bind, position,
    // draw, colour.
    static void show(chart::Hyser_Main& w, const QString& name) {
        w.Label29.setCaption(name);
        w.Label4.setCaption(QStringLiteral("2000"));
        w.Command1_Click();
        w.Heinen_Name();
        w.DB_conect();
        w.Hyouji();
        w.Hyouji_Hyther();
        w.Kion_Color();
    }

    FakeServices services;
    ClimateFixture fixture;
};

}  // namespace testing_support
