#include "app/JapanPickers.h"

#include "hythergraph/Hyser_Main.h"

#include <stdexcept>
#include <string>

namespace app {
namespace {

pickers::StationOwner& mainWindow() { return forms::instance<hythergraph::Hyser_Main>(); }

const pickers::JapanRegion& regionTable(int number) { return pickers::japanRegions().at(static_cast<std::size_t>(number - 1)); }

}  // namespace

Form2::Form2() : JapanPicker(regionTable(1), mainWindow) {}
Form18::Form18() : JapanPicker(regionTable(2), mainWindow) {}
Form47::Form47() : JapanPicker(regionTable(3), mainWindow) {}
Form42::Form42() : JapanPicker(regionTable(4), mainWindow) {}
Form37::Form37() : JapanPicker(regionTable(5), mainWindow) {}
Form23::Form23() : JapanPicker(regionTable(6), mainWindow) {}
Form32::Form32() : JapanPicker(regionTable(7), mainWindow) {}

pickers::JapanPicker& mainJapanPicker(int region) {
    switch (region) {
    case 1: return forms::instance<Form2>();
    case 2: return forms::instance<Form18>();
    case 3: return forms::instance<Form47>();
    case 4: return forms::instance<Form42>();
    case 5: return forms::instance<Form37>();
    case 6: return forms::instance<Form23>();
    case 7: return forms::instance<Form32>();
    }
    throw std::out_of_range("no Japan region " + std::to_string(region));
}

}  // namespace app
