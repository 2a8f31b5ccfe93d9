// A station without a normal-values row, chosen in each of the four station chart windows
// from either mode: while "該当するレコードが見つかりません" stands, and after it, the window
// shows the chosen name over an empty table and an empty chart, never the values or the
// points of the station it showed before.
#include "pickers/FamilyPickers.h"
#include "tests/support/ChartWindows.h"

#include <functional>

using namespace forms;
using namespace Qt::Literals::StringLiterals;
using testing_support::ChartWindow;
using testing_support::ChartWindowFixture;
using windows::Family;
using windows::Window;

namespace {

struct StationWindow {
    ChartWindow window;  // no menu item: the main window, which the program starts on
    pickers::WorldPicker& (*oceania)();
    QString auckland;  // the window's Oceania caption of station 57196, which has no row
};
void PrintTo(const StationWindow& w, std::ostream* os) { *os << w.window.name; }

template <class P>
pickers::WorldPicker& pickerOf() {
    return instance<P>();
}

const StationWindow kWindows[] = {
    {testing_support::kMainWindow, pickerOf<pickers::Form12>, u"オークランド"_s},
    {testing_support::kClimographWindow, pickerOf<pickers::Form22>, u"ウェリントン"_s},
    {testing_support::kTwoGraphWindow, pickerOf<pickers::Form87>, u"ウェリントン"_s},
    {testing_support::kStepModeWindow, pickerOf<pickers::Form107>, u"オークランド"_s},
};

// How the station is chosen: on the window's Oceania picker (a world station, which sets
// normal values) or on its Japan picker (伊吹山, which keeps the mode).
enum class Picker { World, Japan };
struct Choice {
    const char* name;
    Picker picker;
    int mode;  // the 平年値 box before the choice
};
const Choice kChoices[] = {
    {"world station from single years", Picker::World, 0},
    {"world station from normal values", Picker::World, 1},
    {"Japanese station from normal values", Picker::Japan, 1},
};

class StationWithoutValuesTest : public ChartWindowFixture, public ::testing::WithParamInterface<StationWindow> {
protected:
    StationWithoutValuesTest() : ChartWindowFixture(GetParam().window) {}

    Form& openWindow() {
        startMain();
        return window.openItem.isEmpty() ? windows::navigation().form(window.window) : open();
    }

    // What the window shows of a station: nothing at all, under the chosen name.
    static void expectNothingShownUnder(const Form& w, const QString& name) {
        EXPECT_EQ(w.control<Label>(u"Label29"_s).Caption(), name);
        EXPECT_NE(w.control<Label>(u"Label36"_s).Caption(), u"東京"_s) << "not the station shown before";
        const ControlArray<Label> temperatures = w.controls<Label>(u"Label2"_s);
        const ControlArray<Label> rain = w.controls<Label>(u"Label3"_s);
        QStringList cells;
        for (int i = 1; i <= 13; ++i) cells << temperatures(i).Caption() << rain(i).Caption();
        EXPECT_EQ(cells.join(QString()), QString()) << "the value cells hold " << cells.join(u' ').toStdString();
        EXPECT_TRUE(w.drawing().empty()) << w.drawing().size() << " drawn, the first in colour "
                                         << (w.drawing().empty() ? 0 : w.drawing()[0].color);
    }
};

TEST_P(StationWithoutValuesTest, NothingOfTheStationShownBeforeStandsWhileTheMessageIsUpOrAfterIt) {
    for (const Choice& choice : kChoices) {
        SCOPED_TRACE(choice.name);
        Form& w = openWindow();
        w.control<CheckBox>(u"Check2"_s).setValue(choice.mode);
        ASSERT_EQ(w.control<Label>(u"Label36"_s).Caption(), u"東京"_s);
        ASSERT_FALSE(w.drawing().empty()) << "東京 drawn before the choice";
        const QString name = choice.picker == Picker::World ? GetParam().auckland : u"伊吹山"_s;

        QImage whileShown;
        services.expectMessage(vbOK, [&] {
            SCOPED_TRACE("while the message is up");
            expectNothingShownUnder(w, name);
            whileShown = w.grabClient();
        });
        if (choice.picker == Picker::World) {
            w.menu(u"W_Oceania"_s).click();
            pickers::WorldPicker& oceania = GetParam().oceania();
            const pickers::WorldStation* station = nullptr;
            for (const pickers::WorldStation& s : oceania.region().stations) {
                if (s.name == name) station = &s;
            }
            ASSERT_NE(station, nullptr);
            oceania.control<Label>(station->label).click();
        } else {
            choose(name);
        }
        collectUnloadedForms();

        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(services.messages[0].prompt, u"該当するレコードが見つかりません"_s);
        EXPECT_EQ(services.beeps, 1);
        {
            SCOPED_TRACE("after the message");
            expectNothingShownUnder(w, name);
        }
        const CheckBox& normalValues = w.control<CheckBox>(u"Check2"_s);
        EXPECT_EQ(normalValues.Value(), 1);
        EXPECT_EQ(normalValues.Enabled(), choice.picker == Picker::Japan) << "a world station stays in normal values";
        // The window painted behind the message is the empty window it shows after it.
        EXPECT_TRUE(whileShown == w.grabClient());

        destroyAllForms();
        services.messages.clear();
        services.beeps = 0;
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, StationWithoutValuesTest, ::testing::ValuesIn(kWindows),
                         [](const ::testing::TestParamInfo<StationWindow>& row) { return std::string(row.param.window.name); });

}  // namespace
