#pragma once
// What the month-number tool uses of the chart window whose month numbers it moves. The
// window keeps the flag and the positions itself: a tool moves only its own window's
// numbers, and only that window reads them back.

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

#include <array>

namespace windows {

// Where the twelve month numbers stood after the last move by hand, in whole twips;
// indexed by month, 1..12 (0 and 13 unused).
struct MonthNumberPositions {
    std::array<int, 14> Tuki_Left{};
    std::array<int, 14> Tuki_Top{};
};

class MonthNumberOwner {
public:
    virtual ~MonthNumberOwner() = default;

    virtual forms::Form& ownerForm() = 0;
    // The number that stands beside a month's point (Label28), month 1..12.
    virtual forms::Label& monthNumber(int month) = 0;
    // The tool was opened again: the numbers count as not moved (tuki_Moved := 0); the
    // positions kept stay.
    virtual void clearMonthNumbersMoved() = 0;
    // The user moved a number: tuki_Moved := 1, with the positions of all twelve.
    virtual void monthNumbersMoved(const MonthNumberPositions& positions) = 0;
};

}  // namespace windows
