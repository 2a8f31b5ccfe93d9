#pragma once
// The climograph window's seven Japan station pickers: the same regions as the main
// window's, handing their stations to the climograph window.

#include "pickers/JapanPicker.h"

namespace app {

#define TAVRIN_CLIMOGRAPH_PICKER(Name)         \
    class Name : public pickers::JapanPicker { \
    public:                                    \
        Name();                                \
    }

TAVRIN_CLIMOGRAPH_PICKER(Form4);   // Hokkaido
TAVRIN_CLIMOGRAPH_PICKER(Form19);  // Tohoku
TAVRIN_CLIMOGRAPH_PICKER(Form46);  // Kanto
TAVRIN_CLIMOGRAPH_PICKER(Form43);  // Kinki and Chubu
TAVRIN_CLIMOGRAPH_PICKER(Form38);  // Chugoku and Shikoku
TAVRIN_CLIMOGRAPH_PICKER(Form24);  // Kyushu
TAVRIN_CLIMOGRAPH_PICKER(Form33);  // Okinawa

#undef TAVRIN_CLIMOGRAPH_PICKER

// The climograph window's picker of a Japan region (1..7), loaded when it is not.
pickers::JapanPicker& climographJapanPicker(int region);

}  // namespace app
