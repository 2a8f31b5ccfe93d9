#pragma once
// The seven world station pickers of the main window. Each is its caption and size until
// the world maps are built.

#include "platform/forms/Form.h"

namespace pickers {

#define TAVRIN_WORLD_PICKER(Name)     \
    class Name : public forms::Form { \
    public:                           \
        Name();                       \
    }

TAVRIN_WORLD_PICKER(Form3);   // Europe
TAVRIN_WORLD_PICKER(Form5);   // Russia and the Middle East
TAVRIN_WORLD_PICKER(Form6);   // Asia
TAVRIN_WORLD_PICKER(Form7);   // Africa
TAVRIN_WORLD_PICKER(Form10);  // North America
TAVRIN_WORLD_PICKER(Form11);  // South America
TAVRIN_WORLD_PICKER(Form12);  // Oceania

#undef TAVRIN_WORLD_PICKER

}  // namespace pickers
