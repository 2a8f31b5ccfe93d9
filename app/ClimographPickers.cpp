#include "app/ClimographPickers.h"

#include "climograph/Uonz_Main.h"

#include <stdexcept>
#include <string>

namespace app {
namespace {

// A choice made after the climograph window was closed loads it again first.
pickers::StationOwner& climographWindow() { return forms::instance<climograph::Uonz_Main>(); }

const pickers::JapanRegion& regionTable(int number) { return pickers::japanRegions().at(static_cast<std::size_t>(number - 1)); }

}  // namespace

Form4::Form4() : JapanPicker(regionTable(1), climographWindow) {}
Form19::Form19() : JapanPicker(regionTable(2), climographWindow) {}
Form46::Form46() : JapanPicker(regionTable(3), climographWindow) {}
Form43::Form43() : JapanPicker(regionTable(4), climographWindow) {}
Form38::Form38() : JapanPicker(regionTable(5), climographWindow) {}
Form24::Form24() : JapanPicker(regionTable(6), climographWindow) {}
Form33::Form33() : JapanPicker(regionTable(7), climographWindow) {}

pickers::JapanPicker& climographJapanPicker(int region) {
    switch (region) {
    case 1: return forms::instance<Form4>();
    case 2: return forms::instance<Form19>();
    case 3: return forms::instance<Form46>();
    case 4: return forms::instance<Form43>();
    case 5: return forms::instance<Form38>();
    case 6: return forms::instance<Form24>();
    case 7: return forms::instance<Form33>();
    }
    throw std::out_of_range("no Japan region " + std::to_string(region));
}

}  // namespace app
