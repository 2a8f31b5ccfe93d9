#include "app/Navigator.h"

#include "app/JapanPickers.h"
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

void requireMainFamily(Family family) {
    if (family != Family::Hythergraph) throw std::logic_error("this chart window has no pickers yet");
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
    requireMainFamily(family);
    using forms::Placement;
    switch (region) {
    case 1: {
        // Hokkaido's map is loaded each time the picker is placed, not by the picker.
        Form2& picker = forms::instance<Form2>();
        if (picker.WindowState() == forms::vbMinimized || picker.WindowState() == forms::vbMaximized) {
            picker.setWindowState(forms::vbNormal);
            return;
        }
        picker.loadMap();
        forms::placeAndShow(picker, Placement::Centre);
        return;
    }
    case 2: return showPicker<Form18>(Placement::Centre);
    case 3: return showPicker<Form47>(Placement::Centre);
    case 4: return showPicker<Form42>(Placement::Centre);
    case 5: return showPicker<Form37>(Placement::Centre);
    case 6: return showPicker<Form23>(Placement::Centre);
    case 7: return showPicker<Form32>(Placement::Centre);
    }
    throw std::out_of_range("no Japan region " + std::to_string(region));
}

void Navigator::showWorldPicker(Family family, int region) {
    requireMainFamily(family);
    using forms::Placement;
    switch (region) {
    case 1: return showPicker<pickers::Form3>(Placement::AboveCentre);
    case 2: return showPicker<pickers::Form5>(Placement::AboveCentre);
    case 3: return showPicker<pickers::Form6>(Placement::AboveCentre);
    case 4: return showPicker<pickers::Form7>(Placement::AboveCentre);
    case 5: return showPicker<pickers::Form10>(Placement::AboveCentre);
    case 6: return showPicker<pickers::Form11>(Placement::AboveCentre);
    case 7: return showPicker<pickers::Form12>(Placement::AboveCentre);
    }
    throw std::out_of_range("no world region " + std::to_string(region));
}

void installNavigation() {
    static Navigator navigator;
    windows::setNavigation(&navigator);
}

}  // namespace app
