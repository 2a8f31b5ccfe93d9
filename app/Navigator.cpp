#include "app/Navigator.h"

#include "climograph/Uonz_Main.h"
#include "extras/AuxWindows.h"
#include "extras/CaptureWindows.h"
#include "extras/MonthNumberTool.h"
#include "extras/frmSplash.h"
#include "hythergraph/Hyser_Main.h"
#include "input/Hyser_Input.h"
#include "input/Uonz_Input.h"
#include "pickers/FamilyPickers.h"
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
    case Window::TwoGraphTool: return f(static_cast<extras::Form56*>(nullptr));
    case Window::Readme: return f(static_cast<extras::Form48*>(nullptr));
    case Window::InstallGuide: return f(static_cast<extras::Form49*>(nullptr));
    case Window::WeatherData: return f(static_cast<extras::Form50*>(nullptr));
    case Window::History: return f(static_cast<extras::Form51*>(nullptr));
    case Window::Browser: return f(static_cast<extras::frmBrowser*>(nullptr));
    case Window::ClimographInput: return f(static_cast<input::Uonz_Input*>(nullptr));
    }
    throw std::logic_error("this window is not part of the program yet");
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
    pickers::JapanPicker& picker = pickers::japanPicker(family, region);
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

// The world pickers are placed above the centre of the screen.
void Navigator::showWorldPicker(Family family, int region) {
    forms::showWindow(pickers::worldPicker(family, region), forms::Placement::AboveCentre);
}

void installNavigation() {
    static Navigator navigator;
    windows::setNavigation(&navigator);
}

}  // namespace app
