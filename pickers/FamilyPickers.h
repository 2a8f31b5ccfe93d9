#pragma once
// The pickers of the four station chart windows: for each window (a family), seven Japan
// regions and seven world regions, each picker a window class of its own with one
// program-wide instance, handing its stations to its family's chart window.

#include "pickers/JapanPicker.h"
#include "pickers/WorldPicker.h"
#include "platform/forms/Form.h"
#include "windows/Family.h"

namespace pickers {

// The family's chart window, as the program's navigation finds it: a choice made after
// the window was closed loads it again first.
StationPicker::OwnerAccess ownerOf(Family family);

template <Family F, int Region>
class JapanPickerOf final : public JapanPicker {
public:
    JapanPickerOf() : JapanPicker(japanRegions().at(Region - 1), ownerOf(F)) {}
};

template <Family F, WorldArea Area>
class WorldPickerOf final : public WorldPicker {
public:
    WorldPickerOf() : WorldPicker(worldRegion(Area, F), ownerOf(F), keptToggles(), mapOfMainPicker()) {}

    // The flags of this window's buttons, kept for as long as the program runs.
    static Toggles& keptToggles() {
        static Toggles toggles;
        return toggles;
    }

private:
    // The two-graph window's pickers show the main window's maps, loading that picker
    // without showing it.
    static MapAccess mapOfMainPicker() {
        if constexpr (F == Family::TwoGraph) {
            return []() -> const shell::Picture& { return forms::instance<WorldPickerOf<Family::Hythergraph, Area>>().Image1.Picture(); };
        } else {
            return {};
        }
    }
};

// A family's picker of a Japan region or a world region, 1..kRegions, loaded when it is not.
JapanPicker& japanPicker(Family family, int region);
WorldPicker& worldPicker(Family family, int region);

// The windows by the names the program gives them, region by region.
using Form2 = JapanPickerOf<Family::Hythergraph, 1>;
using Form18 = JapanPickerOf<Family::Hythergraph, 2>;
using Form47 = JapanPickerOf<Family::Hythergraph, 3>;
using Form42 = JapanPickerOf<Family::Hythergraph, 4>;
using Form37 = JapanPickerOf<Family::Hythergraph, 5>;
using Form23 = JapanPickerOf<Family::Hythergraph, 6>;
using Form32 = JapanPickerOf<Family::Hythergraph, 7>;
using Form4 = JapanPickerOf<Family::Climograph, 1>;
using Form19 = JapanPickerOf<Family::Climograph, 2>;
using Form46 = JapanPickerOf<Family::Climograph, 3>;
using Form43 = JapanPickerOf<Family::Climograph, 4>;
using Form38 = JapanPickerOf<Family::Climograph, 5>;
using Form24 = JapanPickerOf<Family::Climograph, 6>;
using Form33 = JapanPickerOf<Family::Climograph, 7>;
using Form61 = JapanPickerOf<Family::TwoGraph, 1>;
using Form62 = JapanPickerOf<Family::TwoGraph, 2>;
using Form63 = JapanPickerOf<Family::TwoGraph, 3>;
using Form64 = JapanPickerOf<Family::TwoGraph, 4>;
using Form65 = JapanPickerOf<Family::TwoGraph, 5>;
using Form66 = JapanPickerOf<Family::TwoGraph, 6>;
using Form67 = JapanPickerOf<Family::TwoGraph, 7>;
using Form90 = JapanPickerOf<Family::StepMode, 1>;
using Form91 = JapanPickerOf<Family::StepMode, 2>;
using Form93 = JapanPickerOf<Family::StepMode, 3>;
using Form94 = JapanPickerOf<Family::StepMode, 4>;
using Form95 = JapanPickerOf<Family::StepMode, 5>;
using Form96 = JapanPickerOf<Family::StepMode, 6>;
using Form97 = JapanPickerOf<Family::StepMode, 7>;

using Form3 = WorldPickerOf<Family::Hythergraph, WorldArea::Europe>;
using Form5 = WorldPickerOf<Family::Hythergraph, WorldArea::RussiaMiddleEast>;
using Form6 = WorldPickerOf<Family::Hythergraph, WorldArea::Asia>;
using Form7 = WorldPickerOf<Family::Hythergraph, WorldArea::Africa>;
using Form10 = WorldPickerOf<Family::Hythergraph, WorldArea::NorthAmerica>;
using Form11 = WorldPickerOf<Family::Hythergraph, WorldArea::SouthAmerica>;
using Form12 = WorldPickerOf<Family::Hythergraph, WorldArea::Oceania>;
using Form13 = WorldPickerOf<Family::Climograph, WorldArea::Europe>;
using Form15 = WorldPickerOf<Family::Climograph, WorldArea::RussiaMiddleEast>;
using Form16 = WorldPickerOf<Family::Climograph, WorldArea::Asia>;
using Form17 = WorldPickerOf<Family::Climograph, WorldArea::Africa>;
using Form20 = WorldPickerOf<Family::Climograph, WorldArea::NorthAmerica>;
using Form21 = WorldPickerOf<Family::Climograph, WorldArea::SouthAmerica>;
using Form22 = WorldPickerOf<Family::Climograph, WorldArea::Oceania>;
using Form81 = WorldPickerOf<Family::TwoGraph, WorldArea::Europe>;
using Form82 = WorldPickerOf<Family::TwoGraph, WorldArea::RussiaMiddleEast>;
using Form83 = WorldPickerOf<Family::TwoGraph, WorldArea::Asia>;
using Form84 = WorldPickerOf<Family::TwoGraph, WorldArea::Africa>;
using Form85 = WorldPickerOf<Family::TwoGraph, WorldArea::NorthAmerica>;
using Form86 = WorldPickerOf<Family::TwoGraph, WorldArea::SouthAmerica>;
using Form87 = WorldPickerOf<Family::TwoGraph, WorldArea::Oceania>;
using Form101 = WorldPickerOf<Family::StepMode, WorldArea::Europe>;
using Form102 = WorldPickerOf<Family::StepMode, WorldArea::RussiaMiddleEast>;
using Form103 = WorldPickerOf<Family::StepMode, WorldArea::Asia>;
using Form104 = WorldPickerOf<Family::StepMode, WorldArea::Africa>;
using Form105 = WorldPickerOf<Family::StepMode, WorldArea::NorthAmerica>;
using Form106 = WorldPickerOf<Family::StepMode, WorldArea::SouthAmerica>;
using Form107 = WorldPickerOf<Family::StepMode, WorldArea::Oceania>;

}  // namespace pickers
