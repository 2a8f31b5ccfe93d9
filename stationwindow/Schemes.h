#pragma once
// The looks of a window as rows of data: each row names controls and the colours each
// scheme (カラー画面, 白黒画面) gives them; a colour left out stays as it is. A new scheme
// is one more column in every row.

#include "platform/forms/Color.h"
#include "platform/forms/Controls.h"

#include <array>
#include <optional>
#include <vector>

namespace stationwindow {

enum Scheme { Colour, BlackAndWhite, kSchemes };

struct Look {
    std::optional<forms::Color> back, fore;
};

struct SchemeRow {
    std::vector<forms::Control*> controls;
    std::array<Look, kSchemes> looks;
};

// Paints every row in order, so a later row can refine an earlier one.
void applyScheme(const std::vector<SchemeRow>& rows, Scheme scheme);

// The members from..to of a control array.
template <class T>
std::vector<forms::Control*> members(const forms::ControlArray<T>& a, int from, int to) {
    std::vector<forms::Control*> out;
    for (int i = from; i <= to; ++i) out.push_back(&a(i));
    return out;
}

}  // namespace stationwindow
