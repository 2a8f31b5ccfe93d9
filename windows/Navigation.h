#pragma once
// How one window opens or reaches another without knowing its class. The program's
// start-up (app/) knows every window and installs the one Navigation; window folders only
// name what they want by these identifiers, so they never include each other.

#include "platform/forms/Form.h"
#include "platform/forms/Placement.h"
#include "windows/Family.h"

namespace windows {

// The windows that one window opens or reaches by name.
enum class Window {
    Splash,           // frmSplash
    About,            // frmAbout, the version window
    CaptureHolder,    // Form399: takes the captured picture for saving
    CaptureNotice,    // Dialog_cap: 「キャプチャ完了」
    Hythergraph,      // Hyser_Main
    Climograph,       // Uonz_Main
    TwoGraph,         // Form55
    StepMode,         // Hyser_Step_Mode
    HytherInput,      // Hyser_Input
    ClimographInput,  // Uonz_Input
    Koppen,           // Form111
    KoppenDetail,     // Form112
    MonthNumberTool,  // Form57 (the main window's month numbers)
    TwoGraphTool,     // Form56 (the two-graph window's month numbers)
    Readme,           // Form48
    InstallGuide,     // Form49
    WeatherData,      // Form50
    History,          // Form51
    Browser,          // frmBrowser
};

class Navigation {
public:
    virtual ~Navigation() = default;
    // The window's single instance, loaded when it is not.
    virtual forms::Form& form(Window w) = 0;
    virtual bool isLoaded(Window w) const = 0;
    // Shows a window by the window-showing rule with the given placement.
    virtual void show(Window w, forms::Placement placement = forms::Placement::AboveCentre) = 0;
    // Shows a family's picker of a Japan region (1..7) or a world region (1..7: Europe,
    // Russia and the Middle East, Asia, Africa, North America, South America, Oceania).
    virtual void showJapanPicker(Family family, int region) = 0;
    virtual void showWorldPicker(Family family, int region) = 0;
};

// The station chart window of a family.
Window chartWindow(Family family);

// The program's navigation; installed by the start-up before the first window loads.
Navigation& navigation();
void setNavigation(Navigation* n);

// The splash over a window that is loading: shown, pending events let run once and, as a
// window manager may show it some time later, a short wait until it has painted, so that
// it is seen before the window's load goes on.
void showSplash();
// Unloads the splash once the window it stood for is shown.
void unloadSplash();

// What a menu item that opens a window does: shows it by the window-showing rule, the
// owner taking no other pick until the window has loaded.
void showFromMenu(forms::Form& owner, Window w, forms::Placement placement = forms::Placement::AboveCentre);

// The page about the program, beside it: what it is, its data and their sources, the
// contact and the licence.
inline const QString kProgramPage = QStringLiteral("tavrin.html");
// Opens that page in the user's browser, as the maker's-site items and the version
// window's contact do; tells the user when the browser cannot be opened.
void openProgramPage();

// Wires a station chart window's fourteen region items, 日本ファイル's seven and 世界ファイル's
// seven, to its family's pickers.
void wireRegionMenus(forms::Form& owner, Family family);

}  // namespace windows
