#include "pickers/FamilyPickers.h"

#include "windows/Navigation.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace pickers {
namespace {

// Calls visit.operator()<W>(region) for each of the family's fourteen picker classes W.
template <Family F, class Visit>
void visitFamily(Visit& visit) {
    [&visit]<int... R>(std::integer_sequence<int, R...>) {
        (visit.template operator()<JapanPickerOf<F, R + 1>>(R + 1), ...);
        (visit.template operator()<WorldPickerOf<F, static_cast<WorldArea>(R)>>(R + 1), ...);
    }
    (std::make_integer_sequence<int, windows::kRegions>{});
}

template <class Visit>
void visitPickers(Family family, Visit&& visit) {
    switch (family) {
    case Family::Hythergraph: return visitFamily<Family::Hythergraph>(visit);
    case Family::Climograph: return visitFamily<Family::Climograph>(visit);
    case Family::TwoGraph: return visitFamily<Family::TwoGraph>(visit);
    case Family::StepMode: return visitFamily<Family::StepMode>(visit);
    }
    throw std::logic_error("no such chart window");
}

template <class Picker>
Picker& pickerOf(Family family, int region) {
    Picker* found = nullptr;
    visitPickers(family, [&]<class W>(int r) {
        if constexpr (std::is_base_of_v<Picker, W>) {
            if (r == region) found = &forms::instance<W>();
        }
    });
    if (!found) throw std::out_of_range("no region " + std::to_string(region));
    return *found;
}

}  // namespace

StationPicker::OwnerAccess ownerOf(Family family) {
    return [family]() -> StationOwner& {
        auto* owner = dynamic_cast<StationOwner*>(&windows::navigation().form(windows::chartWindow(family)));
        if (!owner) throw std::logic_error("this chart window does not take stations");
        return *owner;
    };
}

JapanPicker& japanPicker(Family family, int region) { return pickerOf<JapanPicker>(family, region); }
WorldPicker& worldPicker(Family family, int region) { return pickerOf<WorldPicker>(family, region); }

}  // namespace pickers
