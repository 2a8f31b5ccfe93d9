#pragma once
// The own-town hythergraph window, where the user types in the twelve monthly values.

#include "platform/forms/Form.h"

namespace input {

class Hyser_Input : public forms::Form {
public:
    Hyser_Input();
};

}  // namespace input
