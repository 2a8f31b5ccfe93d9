#include "pickers/WorldPickers.h"

#include "windows/Navigation.h"

#include <stdexcept>

using windows::Window;

namespace pickers {
namespace {

// The chart window that owns a family's pickers, as the program's navigation finds it.
WorldPicker::OwnerAccess ownerOf(Window window) {
    return [window]() -> StationOwner& {
        auto* owner = dynamic_cast<StationOwner*>(&windows::navigation().form(window));
        if (!owner) throw std::logic_error("this chart window does not take stations yet");
        return *owner;
    };
}

// The map of a main window's picker, which is loaded, not shown, when it is not loaded.
template <class W>
const shell::Picture& mapOf() {
    return forms::instance<W>().Image1.Picture();
}

const WorldRegion& table(WorldArea area, PickerFamily family) { return worldRegion(area, family); }

constexpr auto kMain = PickerFamily::Hythergraph;
constexpr auto kTwo = PickerFamily::TwoGraph;
constexpr auto kClimo = PickerFamily::Climograph;
constexpr auto kStep = PickerFamily::StepMode;

}  // namespace

Form3::Form3() : WorldPicker(table(WorldArea::Europe, kMain), ownerOf(Window::Hythergraph), keptToggles<Form3>()) {}
Form5::Form5() : WorldPicker(table(WorldArea::RussiaMiddleEast, kMain), ownerOf(Window::Hythergraph), keptToggles<Form5>()) {}
Form6::Form6() : WorldPicker(table(WorldArea::Asia, kMain), ownerOf(Window::Hythergraph), keptToggles<Form6>()) {}
Form7::Form7() : WorldPicker(table(WorldArea::Africa, kMain), ownerOf(Window::Hythergraph), keptToggles<Form7>()) {}
Form10::Form10() : WorldPicker(table(WorldArea::NorthAmerica, kMain), ownerOf(Window::Hythergraph), keptToggles<Form10>()) {}
Form11::Form11() : WorldPicker(table(WorldArea::SouthAmerica, kMain), ownerOf(Window::Hythergraph), keptToggles<Form11>()) {}
Form12::Form12() : WorldPicker(table(WorldArea::Oceania, kMain), ownerOf(Window::Hythergraph), keptToggles<Form12>()) {}

Form81::Form81() : WorldPicker(table(WorldArea::Europe, kTwo), ownerOf(Window::TwoGraph), keptToggles<Form81>(), mapOf<Form3>) {}
Form82::Form82() : WorldPicker(table(WorldArea::RussiaMiddleEast, kTwo), ownerOf(Window::TwoGraph), keptToggles<Form82>(), mapOf<Form5>) {}
Form83::Form83() : WorldPicker(table(WorldArea::Asia, kTwo), ownerOf(Window::TwoGraph), keptToggles<Form83>(), mapOf<Form6>) {}
Form84::Form84() : WorldPicker(table(WorldArea::Africa, kTwo), ownerOf(Window::TwoGraph), keptToggles<Form84>(), mapOf<Form7>) {}
Form85::Form85() : WorldPicker(table(WorldArea::NorthAmerica, kTwo), ownerOf(Window::TwoGraph), keptToggles<Form85>(), mapOf<Form10>) {}
Form86::Form86() : WorldPicker(table(WorldArea::SouthAmerica, kTwo), ownerOf(Window::TwoGraph), keptToggles<Form86>(), mapOf<Form11>) {}
Form87::Form87() : WorldPicker(table(WorldArea::Oceania, kTwo), ownerOf(Window::TwoGraph), keptToggles<Form87>(), mapOf<Form12>) {}

Form13::Form13() : WorldPicker(table(WorldArea::Europe, kClimo), ownerOf(Window::Climograph), keptToggles<Form13>()) {}
Form15::Form15() : WorldPicker(table(WorldArea::RussiaMiddleEast, kClimo), ownerOf(Window::Climograph), keptToggles<Form15>()) {}
Form16::Form16() : WorldPicker(table(WorldArea::Asia, kClimo), ownerOf(Window::Climograph), keptToggles<Form16>()) {}
Form17::Form17() : WorldPicker(table(WorldArea::Africa, kClimo), ownerOf(Window::Climograph), keptToggles<Form17>()) {}
Form20::Form20() : WorldPicker(table(WorldArea::NorthAmerica, kClimo), ownerOf(Window::Climograph), keptToggles<Form20>()) {}
Form21::Form21() : WorldPicker(table(WorldArea::SouthAmerica, kClimo), ownerOf(Window::Climograph), keptToggles<Form21>()) {}
Form22::Form22() : WorldPicker(table(WorldArea::Oceania, kClimo), ownerOf(Window::Climograph), keptToggles<Form22>()) {}

Form101::Form101() : WorldPicker(table(WorldArea::Europe, kStep), ownerOf(Window::StepMode), keptToggles<Form101>()) {}
Form102::Form102() : WorldPicker(table(WorldArea::RussiaMiddleEast, kStep), ownerOf(Window::StepMode), keptToggles<Form102>()) {}
Form103::Form103() : WorldPicker(table(WorldArea::Asia, kStep), ownerOf(Window::StepMode), keptToggles<Form103>()) {}
Form104::Form104() : WorldPicker(table(WorldArea::Africa, kStep), ownerOf(Window::StepMode), keptToggles<Form104>()) {}
Form105::Form105() : WorldPicker(table(WorldArea::NorthAmerica, kStep), ownerOf(Window::StepMode), keptToggles<Form105>()) {}
Form106::Form106() : WorldPicker(table(WorldArea::SouthAmerica, kStep), ownerOf(Window::StepMode), keptToggles<Form106>()) {}
Form107::Form107() : WorldPicker(table(WorldArea::Oceania, kStep), ownerOf(Window::StepMode), keptToggles<Form107>()) {}

}  // namespace pickers
