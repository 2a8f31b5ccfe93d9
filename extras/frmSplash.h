#pragma once
// The splash window shown while a chart window starts: the product's name, version and
// platforms on a green panel. A key press or a click on the panel closes it early.

#include "platform/forms/Form.h"

namespace extras {

class frmSplash : public forms::Form {
public:
    frmSplash();
    static forms::FormDesign design();
    void Form_KeyPress(int& keyAscii) override;
    void Frame1_Click();

    forms::Label& Frame1{control<forms::Label>(QStringLiteral("Frame1"))};
    forms::Label& lblPlatform{control<forms::Label>(QStringLiteral("lblPlatform"))};
};

}  // namespace extras
