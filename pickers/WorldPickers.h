#pragma once
// The world station pickers of the four station chart windows, seven regions each. Each
// picker hands its stations to its own chart window, which it reaches through the
// program's navigation; the two-graph window's pickers show the maps of the main
// window's.

#include "pickers/WorldPicker.h"

namespace pickers {

#define TAVRIN_WORLD_PICKER(Name)     \
    class Name : public WorldPicker { \
    public:                           \
        Name();                       \
    }

// The hythergraph main window's: Europe, Russia and the Middle East, Asia, Africa, North
// America, South America, Oceania.
TAVRIN_WORLD_PICKER(Form3);
TAVRIN_WORLD_PICKER(Form5);
TAVRIN_WORLD_PICKER(Form6);
TAVRIN_WORLD_PICKER(Form7);
TAVRIN_WORLD_PICKER(Form10);
TAVRIN_WORLD_PICKER(Form11);
TAVRIN_WORLD_PICKER(Form12);
// The two-graph window's, in the same order.
TAVRIN_WORLD_PICKER(Form81);
TAVRIN_WORLD_PICKER(Form82);
TAVRIN_WORLD_PICKER(Form83);
TAVRIN_WORLD_PICKER(Form84);
TAVRIN_WORLD_PICKER(Form85);
TAVRIN_WORLD_PICKER(Form86);
TAVRIN_WORLD_PICKER(Form87);
// The climograph window's.
TAVRIN_WORLD_PICKER(Form13);
TAVRIN_WORLD_PICKER(Form15);
TAVRIN_WORLD_PICKER(Form16);
TAVRIN_WORLD_PICKER(Form17);
TAVRIN_WORLD_PICKER(Form20);
TAVRIN_WORLD_PICKER(Form21);
TAVRIN_WORLD_PICKER(Form22);
// The step-mode window's.
TAVRIN_WORLD_PICKER(Form101);
TAVRIN_WORLD_PICKER(Form102);
TAVRIN_WORLD_PICKER(Form103);
TAVRIN_WORLD_PICKER(Form104);
TAVRIN_WORLD_PICKER(Form105);
TAVRIN_WORLD_PICKER(Form106);
TAVRIN_WORLD_PICKER(Form107);

#undef TAVRIN_WORLD_PICKER

}  // namespace pickers
