#include "chart/JapanPickers.h"

#include "chart/Hyser_Main.h"

namespace chart {
namespace {

pickers::StationOwner& mainWindow() { return forms::instance<Hyser_Main>(); }

const pickers::JapanRegion& regionTable(int number) { return pickers::japanRegions().at(static_cast<std::size_t>(number - 1)); }

}  // namespace

Form2::Form2() : JapanPicker(regionTable(1), mainWindow) {}
Form18::Form18() : JapanPicker(regionTable(2), mainWindow) {}
Form47::Form47() : JapanPicker(regionTable(3), mainWindow) {}
Form42::Form42() : JapanPicker(regionTable(4), mainWindow) {}
Form37::Form37() : JapanPicker(regionTable(5), mainWindow) {}
Form23::Form23() : JapanPicker(regionTable(6), mainWindow) {}
Form32::Form32() : JapanPicker(regionTable(7), mainWindow) {}

}  // namespace chart
