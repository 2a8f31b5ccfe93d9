#pragma once
// The colours of the chart windows' looks: the pale background they open on, white, and
// what the colour look (カラー画面) gives each month's row caption and marker. The markers'
// colours are not quite the months' plotting colours (April, September, November and
// January differ), and the row captions' not quite the markers'.

#include "platform/forms/Color.h"
#include "platform/forms/Controls.h"

#include <optional>

namespace chart {

inline constexpr forms::Color kPale = 0xE4EFEF;   // 淡地
inline constexpr forms::Color kWhite = 0xFFFFFF;  // 白地

// A look's colours for one control; a colour left out stays as it is.
inline void paint(forms::Control& c, std::optional<forms::Color> back, std::optional<forms::Color> fore) {
    if (back) c.setBackColor(*back);
    if (fore) c.setForeColor(*fore);
}

struct MonthRowColours {
    int caption;  // index of the row caption lblLabels
    forms::Color captionFore;
    forms::Color marker;  // back and border of the month's marker
};

// By month, 1..12; the year's caption, lblLabels(7), is &H4000.
inline constexpr MonthRowColours kMonthRows[13] = {
    {0, 0, 0},
    {3, forms::kSysButtonText, forms::kSysButtonText},
    {8, 0xFF0000, 0xFF0000},
    {9, 0xFF80FF, 0xFF80FF},
    {10, 0x90FF90, 0x80FF80},
    {11, 0x8000, 0xC000},
    {12, 0xFFFF00, 0xFFFF00},
    {13, 0xFF00FF, 0xFF00FF},
    {14, 0xFF, 0xFF},
    {15, 0x800080, 0x800080},
    {4, 0x8080, 0xFFFF},
    {5, 0x40C0, 0x60FF},
    {6, 0xFF8080, 0xFF8080},
};
inline constexpr int kYearRowCaption = 7;

}  // namespace chart
