#pragma once
// The splash window shown while a chart window starts. A key press or a click closes it.

#include "platform/forms/Form.h"

namespace extras {

class frmSplash : public forms::Form {
public:
    frmSplash();
    static forms::FormDesign design();
    void Form_KeyPress(int& keyAscii) override;
    void Form_Click() override;
};

}  // namespace extras
