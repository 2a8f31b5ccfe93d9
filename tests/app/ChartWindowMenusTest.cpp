// The menus of the four station chart windows, each window in turn: the tree its design
// lays out, every item the user can pick wired, the items that open other windows opening
// the right ones where the rule places them, the window sizes, the maker's site and 終了.
#include "extras/AuxWindows.h"
#include "extras/MonthNumberTool.h"
#include "input/Hyser_Input.h"
#include "input/Uonz_Input.h"
#include "platform/forms/Placement.h"
#include "tests/support/ChartWindows.h"

#include <functional>
#include <map>

using namespace forms;
using namespace Qt::Literals::StringLiterals;
using testing_support::ChartWindow;
using windows::Family;

namespace {

// Where a window opened from a menu stands, from the centre of the screen.
struct Place {
    double dx = 0, dy = 0;
};
constexpr Place kAboveCentre{0, -210};  // the rule
constexpr Place kCentre{0, 0};          // the version window and the Japan pickers
constexpr Place kToolOffset{1500, -2500};

struct Opens {
    std::function<Form&()> window;
    Place place;
};
template <class W>
Opens opens(Place place = kAboveCentre) {
    return {[]() -> Form& { return instance<W>(); }, place};
}

// What the items that open other windows open, by the names every station chart window
// gives them; a window that gives a name another meaning says so in its row below.
std::map<QString, Opens> windowItems(Family family) {
    std::map<QString, Opens> items = {
        {u"Step_Run"_s, opens<stepmode::Hyser_Step_Mode>()},
        {u"Rain_Ondo_Graph"_s, opens<climograph::Uonz_Main>()},
        {u"graph_2_mode"_s, opens<twograph::Form55>()},
        {u"graph_2_mode_U"_s, opens<twograph::Form55>()},
        {u"Hyther_mode"_s, opens<hythergraph::Hyser_Main>()},
        {u"auto_View"_s, opens<input::Hyser_Input>()},
        {u"syudou"_s, opens<input::Uonz_Input>()},
        {u"F_keppen"_s, opens<extras::Form111>()},
        {u"F_keppen_2"_s, opens<extras::Form112>()},
        {u"tuki_set"_s, opens<extras::Form57>(kToolOffset)},
        {u"tuki_ichi"_s, opens<extras::Form56>(kToolOffset)},
        {u"Readme_View"_s, opens<extras::Form48>()},
        {u"kisyou_data"_s, opens<extras::Form50>()},
        {u"kisyocho_V"_s, opens<extras::frmBrowser>()},
        {u"install_Guide"_s, opens<extras::Form49>()},
        {u"Readme_New_dev"_s, opens<extras::Form51>()},
        {u"ver_access"_s, opens<extras::frmAbout>(kCentre)},
    };
    // The climograph window's 手動入力 leads back to the main window.
    if (family == Family::Climograph) items[u"auto_View"_s] = opens<hythergraph::Hyser_Main>();
    const QString japan[] = {u"select_hokkaido"_s, u"select_touhok"_s, u"select_kanto"_s,  u"select_kinki"_s,
                             u"select_tyugok"_s,   u"select_kyusyu"_s, u"select_okinawa"_s};
    const QString world[] = {u"W_Uro"_s, u"W_Rossia"_s, u"W_Asia"_s, u"W_Afrika"_s, u"W_N_America"_s, u"W_S_America"_s, u"W_Oceania"_s};
    for (int region = 1; region <= 7; ++region) {
        items[japan[region - 1]] = {[family, region]() -> Form& { return pickers::japanPicker(family, region); }, kCentre};
        items[world[region - 1]] = {[family, region]() -> Form& { return pickers::worldPicker(family, region); }, kAboveCentre};
    }
    return items;
}

// The items that act on the window itself, its looks, printing, capture, sizes and points.
const QStringList kOwnItems = {u"Form_end"_s,      u"View_White"_s,        u"View_gray"_s,       u"View_BKWT"_s,      u"View_Color"_s,
                               u"Print_White"_s,   u"Print_Black_White"_s, u"Print_Gray"_s,      u"Cap_White"_s,      u"Cap_Gray"_s,
                               u"Yokohaba_wide"_s, u"Yo_tatenaga_Max"_s,   u"Yokohaba_defolt"_s, u"Point_Very_Big"_s, u"Point_Big"_s,
                               u"Point_Mid"_s,     u"Point_Mini"_s,        u"Paper_Fubuki"_s};
const QString kMakersSite = u"開発元サイト"_s;

// The user can pick an item that shows, with every menu above it, and takes picks.
bool pickable(const MenuItem& m) {
    for (const MenuItem* i = &m; i; i = i->parentItem()) {
        if (!i->Visible() || !i->Enabled()) return false;
    }
    return !m.isSeparator() && m.children().empty();
}

// The windows of the program loaded now.
std::vector<bool> loadedWindows() {
    std::vector<bool> loaded;
    for (int w = static_cast<int>(windows::Window::Splash); w <= static_cast<int>(windows::Window::Browser); ++w) {
        loaded.push_back(windows::navigation().isLoaded(static_cast<windows::Window>(w)));
    }
    return loaded;
}

class ChartWindowMenusTest : public testing_support::ChartWindowFixture, public ::testing::WithParamInterface<ChartWindow> {
protected:
    ChartWindowMenusTest() : ChartWindowFixture(GetParam()) {}

    void expectPlaced(const Form& f, Place place) {
        EXPECT_TRUE(f.Visible());
        EXPECT_DOUBLE_EQ(f.Left(), (services.screenWidth - f.Width()) / 2 + place.dx);
        EXPECT_DOUBLE_EQ(f.Top(), (services.screenHeight - f.Height()) / 2 + place.dy);
    }
    static QStringList checkedOf(const Form& w, const QStringList& items) {
        QStringList checked;
        for (const QString& i : items) {
            if (w.menu(i).Checked()) checked << i;
        }
        return checked;
    }
};

TEST_P(ChartWindowMenusTest, TheMenusAreTheDesignsTreeWithItsCaptionsAndStates) {
    const Form& w = start();
    const std::vector<MenuDesign> design = window.menuTree();
    ASSERT_EQ(w.menus().size(), design.size());
    std::vector<const MenuItem*> open;  // the last item of each level so far
    for (std::size_t i = 0; i < design.size(); ++i) {
        const MenuDesign& d = design[i];
        const MenuItem& m = *w.menus()[i];
        SCOPED_TRACE(d.name.toStdString());
        EXPECT_EQ(m.Name(), d.name);
        EXPECT_EQ(m.Caption(), d.caption);
        EXPECT_EQ(m.level(), d.level);
        EXPECT_EQ(m.Visible(), d.visible);
        EXPECT_EQ(m.Enabled(), d.enabled);
        EXPECT_EQ(m.Checked(), d.checked);
        ASSERT_LE(d.level, static_cast<int>(open.size()) + 1) << "a level skipped";
        open.resize(d.level - 1);
        EXPECT_EQ(m.parentItem(), open.empty() ? nullptr : open.back()) << "under the item before it one level up";
        open.push_back(&m);
    }
}

TEST_P(ChartWindowMenusTest, EveryItemTheUserCanPickIsWiredAndKnown) {
    const Form& w = start();
    const std::map<QString, Opens> others = windowItems(window.family);
    int picked = 0;
    for (const auto& m : w.menus()) {
        if (!pickable(*m)) continue;
        SCOPED_TRACE(m->Name().toStdString());
        ++picked;
        EXPECT_TRUE(m->onClick) << "an item that does nothing";
        EXPECT_TRUE(others.contains(m->Name()) || kOwnItems.contains(m->Name()) || m->Caption() == kMakersSite) << "an item no test knows";
    }
    EXPECT_GT(picked, 40);
}

TEST_P(ChartWindowMenusTest, AnItemThatIsHiddenOrDisabledDoesNothing) {
    Form& w = start();
    int tried = 0;
    for (const auto& m : w.menus()) {
        if (pickable(*m) || m->isSeparator() || !m->onClick) continue;
        SCOPED_TRACE(m->Name().toStdString());
        ++tried;
        const std::vector<bool> loaded = loadedWindows();
        const Color back = w.BackColor();
        m->click();
        EXPECT_EQ(loadedWindows(), loaded);
        EXPECT_EQ(w.BackColor(), back);
        EXPECT_TRUE(services.openedUrls.empty());
        EXPECT_TRUE(services.printedPages.empty());
    }
    EXPECT_GT(tried, 0) << "淡地に変更 at least waits for 白地に変更";
}

TEST_P(ChartWindowMenusTest, WindowItemsOpenTheirWindowsWhereTheRulePlacesThem) {
    Form& w = start();
    mainWindow().Move(0, 0);  // the main window too, where an item opens it
    const std::map<QString, Opens> items = windowItems(window.family);
    int opened = 0;
    for (const auto& m : w.menus()) {
        const auto item = items.find(m->Name());
        if (!pickable(*m) || item == items.end()) continue;
        SCOPED_TRACE(m->Name().toStdString());
        ++opened;
        m->click();
        Form& f = item->second.window();
        expectPlaced(f, item->second.place);
        // Moved by the user, it is put back by the next pick.
        f.Move(10, 10);
        m->click();
        expectPlaced(f, item->second.place);
    }
    EXPECT_GE(opened, 14 + 9);
    EXPECT_TRUE(services.messages.empty());
}

template <class F>
bool shown() {
    return isLoaded<F>() && instance<F>().Visible();
}

// The pickers an item shows are the window's own, by the names the program gives them. (The
// two-graph window's world pickers load the main window's to borrow their maps, unseen.)
TEST_P(ChartWindowMenusTest, RegionItemsShowThisWindowsOwnPickersWithTheirMaps) {
    Form& w = start();
    struct Own {
        Family family;
        bool (*kanto)();
        bool (*europe)();
    };
    const Own own[] = {
        {Family::Hythergraph, shown<pickers::Form47>, shown<pickers::Form3>},
        {Family::Climograph, shown<pickers::Form46>, shown<pickers::Form13>},
        {Family::TwoGraph, shown<pickers::Form63>, shown<pickers::Form81>},
        {Family::StepMode, shown<pickers::Form93>, shown<pickers::Form101>},
    };
    w.menu(u"select_kanto"_s).click();
    w.menu(u"W_Uro"_s).click();
    for (const Own& o : own) {
        SCOPED_TRACE(static_cast<int>(o.family));
        EXPECT_EQ(o.kanto(), o.family == window.family);
        EXPECT_EQ(o.europe(), o.family == window.family);
    }
    w.menu(u"select_hokkaido"_s).click();
    EXPECT_FALSE(pickers::japanPicker(window.family, 1).Image1.Picture().isNull()) << "the map is read for the showing";
}

TEST_P(ChartWindowMenusTest, TheVersionWindowIsCentredWhateverItsState) {
    Form& w = start();
    auto& about = instance<extras::frmAbout>();
    about.Show();
    about.setWindowState(vbMinimized);
    w.menu(u"ver_access"_s).click();
    EXPECT_EQ(about.WindowState(), vbMinimized) << "its state is not looked at";
    EXPECT_DOUBLE_EQ(about.Left(), (services.screenWidth - about.Width()) / 2);
    EXPECT_DOUBLE_EQ(about.Top(), (services.screenHeight - about.Height()) / 2);
}

TEST_P(ChartWindowMenusTest, TheWindowSizesKeepOneCheckMarkAndStayOnTheScreen) {
    Form& w = start();
    QStringList sizes;
    for (const QString& item : {u"Yokohaba_wide"_s, u"Yo_tatenaga_Max"_s, u"Yokohaba_defolt"_s}) {
        for (const auto& m : w.menus()) {
            if (m->Name() == item) sizes << item;
        }
    }
    ASSERT_TRUE(sizes.contains(u"Yokohaba_defolt"_s) && sizes.contains(u"Yo_tatenaga_Max"_s));
    // It opens at the standard width above the centre.
    EXPECT_EQ(w.Width(), 12000);
    expectPlaced(w, kAboveCentre);
    EXPECT_EQ(checkedOf(w, sizes), QStringList{u"Yokohaba_defolt"_s});

    w.menu(u"Yo_tatenaga_Max"_s).click();
    EXPECT_EQ(checkedOf(w, sizes), QStringList{u"Yo_tatenaga_Max"_s});
    EXPECT_EQ(w.Height(), 11055);
    EXPECT_EQ(w.Top(), 0);
    EXPECT_EQ(w.Width(), 12000);
    EXPECT_DOUBLE_EQ(w.Left(), (services.screenWidth - 12000) / 2);

    if (sizes.contains(u"Yokohaba_wide"_s)) {
        w.menu(u"Yokohaba_wide"_s).click();
        EXPECT_EQ(checkedOf(w, sizes), QStringList{u"Yokohaba_wide"_s});
        EXPECT_EQ(w.Left(), 0);
        EXPECT_EQ(w.Width(), services.screenWidth);
    }

    w.menu(u"Yokohaba_defolt"_s).click();
    EXPECT_EQ(checkedOf(w, sizes), QStringList{u"Yokohaba_defolt"_s});
    EXPECT_EQ(w.Width(), 12000);
    EXPECT_EQ(w.Height(), 8835);
    expectPlaced(w, kAboveCentre);

    services.screenHeight = 9000;  // a low screen
    w.menu(u"Yo_tatenaga_Max"_s).click();
    EXPECT_EQ(w.Height(), 9000);
    EXPECT_EQ(w.Top(), 0);
}

TEST_P(ChartWindowMenusTest, TheMakersSiteOpensThePageAboutTheProgramOrSaysItCannot) {
    Form& w = start();
    MenuItem* site = nullptr;
    for (const auto& m : w.menus()) {
        if (m->Caption() == kMakersSite) site = m.get();
    }
    ASSERT_NE(site, nullptr);
    site->click();
    site->click();
    ASSERT_EQ(services.openedUrls.size(), 2u) << "each pick opens one more";
    EXPECT_TRUE(services.openedUrls[0].startsWith(u"file://"_s));
    EXPECT_TRUE(services.openedUrls[0].endsWith(u"/tavrin.html"_s));
    services.urlFails = true;
    services.expectMessage();
    site->click();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages.back().prompt.contains(u"tavrin.html"_s));
}

// 終了 and closing the main window end the program; any other window closes alone, and
// the next opening starts again from 東京's normal values.
TEST_P(ChartWindowMenusTest, QuitEndsTheProgramFromTheMainWindowAndElseClosesOnlyThisWindow) {
    Form& w = start();
    if (window.openItem.isEmpty()) {
        w.menu(u"Form_end"_s).click();
        EXPECT_EQ(services.endedWith, 0);
        services.endedWith.reset();
        w.userClosed();
        EXPECT_EQ(services.endedWith, 0);
        return;
    }
    w.control<SpinButton>(u"SpinButton1"_s).spinUp();
    ASSERT_NE(w.control<Label>(u"Label29"_s).Caption(), u"東京"_s);
    w.menu(u"Form_end"_s).click();
    collectUnloadedForms();
    EXPECT_FALSE(windows::navigation().isLoaded(window.window));
    EXPECT_FALSE(services.endedWith.has_value()) << "the program goes on";
    EXPECT_TRUE(mainWindow().Visible());

    Form& again = open();
    EXPECT_EQ(again.control<Label>(u"Label29"_s).Caption(), u"東京"_s);
    EXPECT_EQ(again.control<CheckBox>(u"Check2"_s).Value(), 1);
    EXPECT_EQ(again.drawing().size(), window.drawnForARow);

    again.userClosed();
    collectUnloadedForms();
    EXPECT_FALSE(windows::navigation().isLoaded(window.window));
    EXPECT_FALSE(services.endedWith.has_value());
}

INSTANTIATE_TEST_SUITE_P(StationWindows, ChartWindowMenusTest, ::testing::ValuesIn(testing_support::kChartWindows),
                         testing_support::rowName);

}  // namespace
