#include "app/TwoGraphPickers.h"

#include "twograph/Form55.h"

#include <stdexcept>
#include <string>

namespace app {
namespace {

// A choice made after the two-graph window was closed loads it again first.
pickers::StationOwner& twoGraphWindow() { return forms::instance<twograph::Form55>(); }

const pickers::JapanRegion& regionTable(int number) { return pickers::japanRegions().at(static_cast<std::size_t>(number - 1)); }

}  // namespace

Form61::Form61() : JapanPicker(regionTable(1), twoGraphWindow) {}
Form62::Form62() : JapanPicker(regionTable(2), twoGraphWindow) {}
Form63::Form63() : JapanPicker(regionTable(3), twoGraphWindow) {}
Form64::Form64() : JapanPicker(regionTable(4), twoGraphWindow) {}
Form65::Form65() : JapanPicker(regionTable(5), twoGraphWindow) {}
Form66::Form66() : JapanPicker(regionTable(6), twoGraphWindow) {}
Form67::Form67() : JapanPicker(regionTable(7), twoGraphWindow) {}

pickers::JapanPicker& twoGraphJapanPicker(int region) {
    switch (region) {
    case 1: return forms::instance<Form61>();
    case 2: return forms::instance<Form62>();
    case 3: return forms::instance<Form63>();
    case 4: return forms::instance<Form64>();
    case 5: return forms::instance<Form65>();
    case 6: return forms::instance<Form66>();
    case 7: return forms::instance<Form67>();
    }
    throw std::out_of_range("no Japan region " + std::to_string(region));
}

Form56::Form56() : MonthNumberTool(QStringLiteral("Form56"), windows::Window::TwoGraph) {}

}  // namespace app
