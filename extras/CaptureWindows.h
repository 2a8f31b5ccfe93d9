#pragma once
// The capture holder, never shown, whose picture box takes a chart window's capture for
// saving, and the notice that tells the user the capture was saved.

#include "platform/forms/Form.h"

#include <memory>

namespace chart {
class CScreenCapture;
}

namespace extras {

class Form399 : public forms::Form {
public:
    Form399();
    ~Form399() override;
    static forms::FormDesign design();
    void Form_Load() override;

    forms::PictureBox& picCapture{control<forms::PictureBox>(QStringLiteral("picCapture"))};

private:
    void showCapture(long type);
    std::unique_ptr<chart::CScreenCapture> Screen_Cap;
};

class Dialog_cap : public forms::Form {
public:
    Dialog_cap();
    static forms::FormDesign design();
    void OKButton_Click() { Unload(); }

    forms::Label& Label1{control<forms::Label>(QStringLiteral("Label1"))};
    forms::CommandButton& OKButton{control<forms::CommandButton>(QStringLiteral("OKButton"))};
};

}  // namespace extras
