#pragma once
// The two-graph window opened from the main window's menu, on a fixture program folder.

#include "app/Start.h"
#include "hythergraph/Hyser_Main.h"
#include "platform/forms/Services.h"
#include "tests/support/ClimateFixture.h"
#include "tests/support/FakeServices.h"
#include "twograph/Form55.h"

#include <QDir>

#include <gtest/gtest.h>

namespace testing_support {

class TwoGraphFixture : public ::testing::Test {
protected:
    explicit TwoGraphFixture(ClimateFixture f = ClimateFixture()) : fixture(std::move(f)) {}

    void TearDown() override {
        forms::destroyAllForms();
        forms::AppInfo::setPath(QString());
    }

    // Starts the program on the fixture's databases (built now, with the test's changes)
    // and opens the two-graph window by the main window's menu item.
    twograph::Form55& start() {
        forms::AppInfo::setPath(fixture.build());
        EXPECT_EQ(app::startProgram(), -1);
        QDir::setCurrent(fixture.folder());
        forms::instance<hythergraph::Hyser_Main>().menu(QStringLiteral("graph_2_mode")).click();
        return forms::instance<twograph::Form55>();
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
