#pragma once
// What the program builds for the two-graph window from other windows' classes: its seven
// Japan station pickers, the same regions as the main window's handing their stations to
// the two-graph window, and its month-number tool, the main window's tool moving the
// two-graph window's numbers.

#include "extras/MonthNumberTool.h"
#include "pickers/JapanPicker.h"

namespace app {

#define TAVRIN_TWO_GRAPH_PICKER(Name)          \
    class Name : public pickers::JapanPicker { \
    public:                                    \
        Name();                                \
    }

TAVRIN_TWO_GRAPH_PICKER(Form61);  // Hokkaido
TAVRIN_TWO_GRAPH_PICKER(Form62);  // Tohoku
TAVRIN_TWO_GRAPH_PICKER(Form63);  // Kanto
TAVRIN_TWO_GRAPH_PICKER(Form64);  // Kinki and Chubu
TAVRIN_TWO_GRAPH_PICKER(Form65);  // Chugoku and Shikoku
TAVRIN_TWO_GRAPH_PICKER(Form66);  // Kyushu
TAVRIN_TWO_GRAPH_PICKER(Form67);  // Okinawa

#undef TAVRIN_TWO_GRAPH_PICKER

// The two-graph window's picker of a Japan region (1..7), loaded when it is not.
pickers::JapanPicker& twoGraphJapanPicker(int region);

class Form56 final : public extras::MonthNumberTool {
public:
    Form56();
};

}  // namespace app
