#pragma once
// The two-graph window: a station's climograph and hythergraph side by side.

#include "platform/forms/Form.h"

namespace twograph {

class Form55 : public forms::Form {
public:
    Form55();
};

}  // namespace twograph
