#include "app/Navigator.h"

#include "app/ClimographPickers.h"
#include "app/JapanPickers.h"
#include "app/StepModePickers.h"
#include "app/TwoGraphPickers.h"
#include "climograph/Uonz_Main.h"
#include "extras/AuxWindows.h"
#include "extras/CaptureWindows.h"
#include "extras/frmSplash.h"
#include "hythergraph/Hyser_Main.h"
#include "input/Hyser_Input.h"
#include "input/Uonz_Input.h"
#include "pickers/WorldPickers.h"
#include "stepmode/Hyser_Step_Mode.h"
#include "twograph/Form55.h"

#include <stdexcept>

using windows::Family;
using windows::Window;

namespace app {
namespace {

// Calls f with a null pointer of the window's class, so one switch serves instance,
// isLoaded and show alike.
template <class F>
decltype(auto) withWindow(Window w, F&& f) {
    switch (w) {
    case Window::Splash: return f(static_cast<extras::frmSplash*>(nullptr));
    case Window::About: return f(static_cast<extras::frmAbout*>(nullptr));
    case Window::CaptureHolder: return f(static_cast<extras::Form399*>(nullptr));
    case Window::CaptureNotice: return f(static_cast<extras::Dialog_cap*>(nullptr));
    case Window::Hythergraph: return f(static_cast<hythergraph::Hyser_Main*>(nullptr));
    case Window::Climograph: return f(static_cast<climograph::Uonz_Main*>(nullptr));
    case Window::TwoGraph: return f(static_cast<twograph::Form55*>(nullptr));
    case Window::StepMode: return f(static_cast<stepmode::Hyser_Step_Mode*>(nullptr));
    case Window::HytherInput: return f(static_cast<input::Hyser_Input*>(nullptr));
    case Window::Koppen: return f(static_cast<extras::Form111*>(nullptr));
    case Window::KoppenDetail: return f(static_cast<extras::Form112*>(nullptr));
    case Window::MonthNumberTool: return f(static_cast<extras::Form57*>(nullptr));
    case Window::TwoGraphTool: return f(static_cast<Form56*>(nullptr));
    case Window::Readme: return f(static_cast<extras::Form48*>(nullptr));
    case Window::InstallGuide: return f(static_cast<extras::Form49*>(nullptr));
    case Window::WeatherData: return f(static_cast<extras::Form50*>(nullptr));
    case Window::History: return f(static_cast<extras::Form51*>(nullptr));
    case Window::Browser: return f(static_cast<extras::frmBrowser*>(nullptr));
    case Window::ClimographInput: return f(static_cast<input::Uonz_Input*>(nullptr));
    }
    throw std::logic_error("this window is not part of the program yet");
}

template <class W>
void showPicker(forms::Placement placement) {
    forms::showWindow<W>(placement);
}

// A family's picker of a Japan region, loaded when it is not.
pickers::JapanPicker& japanPicker(Family family, int region) {
    switch (family) {
    case Family::Hythergraph: return mainJapanPicker(region);
    case Family::Climograph: return climographJapanPicker(region);
    case Family::StepMode: return stepModeJapanPicker(region);
    case Family::TwoGraph: return twoGraphJapanPicker(region);
    }
    throw std::logic_error("this chart window has no pickers");
}

// A family's world pickers, one per region (1..7) in the menu's order, placed above the
// centre of the screen.
template <class... Pickers>
void showWorldRegion(int region) {
    static_assert(sizeof...(Pickers) == 7);
    if (region < 1 || region > 7) throw std::out_of_range("no world region " + std::to_string(region));
    int at = 0;
    ((++at == region ? showPicker<Pickers>(forms::Placement::AboveCentre) : void()), ...);
}

}  // namespace

forms::Form& Navigator::form(Window w) {
    return withWindow(w, []<class W>(W*) -> forms::Form& { return forms::instance<W>(); });
}

bool Navigator::isLoaded(Window w) const {
    return withWindow(w, []<class W>(W*) { return forms::isLoaded<W>(); });
}

void Navigator::show(Window w, forms::Placement placement) {
    withWindow(w, [placement]<class W>(W*) { forms::showWindow<W>(placement); });
}

void Navigator::showJapanPicker(Family family, int region) {
    pickers::JapanPicker& picker = japanPicker(family, region);
    if (region == 1) {
        // Hokkaido's map is loaded each time the picker is placed, not by the picker.
        if (picker.WindowState() == forms::vbMinimized || picker.WindowState() == forms::vbMaximized) {
            picker.setWindowState(forms::vbNormal);
            return;
        }
        picker.loadMap();
        forms::placeAndShow(picker, forms::Placement::Centre);
        return;
    }
    forms::showWindow(picker, forms::Placement::Centre);
}

void Navigator::showWorldPicker(Family family, int region) {
    using namespace pickers;
    switch (family) {
    case Family::Hythergraph: return showWorldRegion<Form3, Form5, Form6, Form7, Form10, Form11, Form12>(region);
    case Family::Climograph: return showWorldRegion<Form13, Form15, Form16, Form17, Form20, Form21, Form22>(region);
    case Family::TwoGraph: return showWorldRegion<Form81, Form82, Form83, Form84, Form85, Form86, Form87>(region);
    case Family::StepMode: return showWorldRegion<Form101, Form102, Form103, Form104, Form105, Form106, Form107>(region);
    }
    throw std::logic_error("this chart window has no world pickers");
}

void installNavigation() {
    static Navigator navigator;
    windows::setNavigation(&navigator);
}

}  // namespace app
