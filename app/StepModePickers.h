#pragma once
// The step-mode window's seven Japan station pickers: the same regions as the main
// window's, handing their stations to the step-mode window.

#include "pickers/JapanPicker.h"

namespace app {

#define TAVRIN_STEP_MODE_PICKER(Name)          \
    class Name : public pickers::JapanPicker { \
    public:                                    \
        Name();                                \
    }

TAVRIN_STEP_MODE_PICKER(Form90);  // Hokkaido
TAVRIN_STEP_MODE_PICKER(Form91);  // Tohoku
TAVRIN_STEP_MODE_PICKER(Form93);  // Kanto
TAVRIN_STEP_MODE_PICKER(Form94);  // Kinki and Chubu
TAVRIN_STEP_MODE_PICKER(Form95);  // Chugoku and Shikoku
TAVRIN_STEP_MODE_PICKER(Form96);  // Kyushu
TAVRIN_STEP_MODE_PICKER(Form97);  // Okinawa

#undef TAVRIN_STEP_MODE_PICKER

// The step-mode window's picker of a Japan region (1..7), loaded when it is not.
pickers::JapanPicker& stepModeJapanPicker(int region);

}  // namespace app
