#pragma once
// The step-mode window: the hythergraph drawn one month at a time.

#include "platform/forms/Form.h"

namespace stepmode {

class Hyser_Step_Mode : public forms::Form {
public:
    Hyser_Step_Mode();
};

}  // namespace stepmode
