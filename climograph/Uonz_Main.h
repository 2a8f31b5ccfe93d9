#pragma once
// The climograph window: precipitation bars and a temperature line of a station.

#include "platform/forms/Form.h"

namespace climograph {

class Uonz_Main : public forms::Form {
public:
    Uonz_Main();
};

}  // namespace climograph
