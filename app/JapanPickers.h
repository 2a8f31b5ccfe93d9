#pragma once
// The hythergraph main window's seven Japan station pickers.

#include "pickers/JapanPicker.h"

namespace app {

#define TAVRIN_JAPAN_PICKER(Name)              \
    class Name : public pickers::JapanPicker { \
    public:                                    \
        Name();                                \
    }

TAVRIN_JAPAN_PICKER(Form2);   // Hokkaido
TAVRIN_JAPAN_PICKER(Form18);  // Tohoku
TAVRIN_JAPAN_PICKER(Form47);  // Kanto
TAVRIN_JAPAN_PICKER(Form42);  // Kinki and Chubu
TAVRIN_JAPAN_PICKER(Form37);  // Chugoku and Shikoku
TAVRIN_JAPAN_PICKER(Form23);  // Kyushu
TAVRIN_JAPAN_PICKER(Form32);  // Okinawa

#undef TAVRIN_JAPAN_PICKER

// The main window's picker of a Japan region (1..7), loaded when it is not.
pickers::JapanPicker& mainJapanPicker(int region);

}  // namespace app
