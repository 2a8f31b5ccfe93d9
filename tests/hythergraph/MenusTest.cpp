// The main window's window items on windows the user has moved, minimised or maximised,
// and the placements on a known screen. (What every station chart window's menus do is
// tested on all four in tests/app/ChartWindowMenusTest.cpp.)
#include "platform/forms/Placement.h"
#include "tests/hythergraph/MainWindowFixture.h"

using namespace hythergraph;
using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace {

class MenusTest : public testing_support::MainWindowFixture {};

TEST_F(MenusTest, AMinimisedOrMaximisedWindowIsOnlyRestored) {
    Hyser_Main& w = start();
    for (const int state : {vbMinimized, vbMaximized}) {
        w.menu(u"Rain_Ondo_Graph"_s).click();
        auto& uonz = instance<climograph::Uonz_Main>();
        uonz.Move(30, 40);
        uonz.setWindowState(state);
        w.menu(u"Rain_Ondo_Graph"_s).click();
        EXPECT_EQ(uonz.WindowState(), vbNormal);
        EXPECT_EQ(uonz.Left(), 30) << "not re-centred";
        EXPECT_EQ(uonz.Top(), 40);
    }
}

TEST_F(MenusTest, PlacementOnAKnownScreen) {
    services.screenHeight = 11520;
    forms::FormDesign d = plainDesign(u"Probe"_s, u"probe"_s);
    Form probe(d);
    probe.setHeight(2000);
    const auto topFor = [&](Placement p) {
        placeAndShow(probe, p);
        return probe.Top();
    };
    EXPECT_EQ(topFor(Placement::AboveCentre), 4550);
    EXPECT_EQ(topFor(Placement::Centre), 4760);
    EXPECT_EQ(topFor(Placement::ToolOffset), 2260);
    services.screenHeight = 1500;
    EXPECT_EQ(topFor(Placement::AboveCentre), 0) << "never above the screen";
}

}  // namespace
