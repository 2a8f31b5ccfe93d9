#include "app/StepModePickers.h"

#include "stepmode/Hyser_Step_Mode.h"

#include <stdexcept>
#include <string>

namespace app {
namespace {

// A choice made after the step-mode window was closed loads it again first.
pickers::StationOwner& stepModeWindow() { return forms::instance<stepmode::Hyser_Step_Mode>(); }

const pickers::JapanRegion& regionTable(int number) { return pickers::japanRegions().at(static_cast<std::size_t>(number - 1)); }

}  // namespace

Form90::Form90() : JapanPicker(regionTable(1), stepModeWindow) {}
Form91::Form91() : JapanPicker(regionTable(2), stepModeWindow) {}
Form93::Form93() : JapanPicker(regionTable(3), stepModeWindow) {}
Form94::Form94() : JapanPicker(regionTable(4), stepModeWindow) {}
Form95::Form95() : JapanPicker(regionTable(5), stepModeWindow) {}
Form96::Form96() : JapanPicker(regionTable(6), stepModeWindow) {}
Form97::Form97() : JapanPicker(regionTable(7), stepModeWindow) {}

pickers::JapanPicker& stepModeJapanPicker(int region) {
    switch (region) {
    case 1: return forms::instance<Form90>();
    case 2: return forms::instance<Form91>();
    case 3: return forms::instance<Form93>();
    case 4: return forms::instance<Form94>();
    case 5: return forms::instance<Form95>();
    case 6: return forms::instance<Form96>();
    case 7: return forms::instance<Form97>();
    }
    throw std::out_of_range("no Japan region " + std::to_string(region));
}

}  // namespace app
