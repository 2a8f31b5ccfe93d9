#pragma once
// The installation guide: a text window whose text is built into the launcher, the same
// window and text as tavrin's guide.

#include "platform/forms/Form.h"

namespace setup {

class Form49 : public forms::Form {
public:
    Form49();
    static forms::FormDesign design();
    // The guide's text as the window shows it.
    static QString guideText();

    void Form_Load() override;
    void f_end_Click();
};

}  // namespace setup
