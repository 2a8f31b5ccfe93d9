#pragma once
// The version window: the product, its version and where its data come from. Four
// invisible labels in its corners, clicked in turn (upper left, lower right, upper right,
// lower left), turn the globe round for a second.

#include "platform/forms/Form.h"

namespace extras {

class frmAbout : public forms::Form {
public:
    frmAbout();
    static forms::FormDesign design();
    static constexpr int kSwapMs = 1000;  // how long the other side of the globe shows
    static const QString kContact;        // the project's address

    void cmdOK_Click() { Unload(); }
    void Label4_Click();
    void Label7_Click();
    void Label8_Click();
    void Label9_Click();
    void Label10_Click();
    // The end of the picture swap.
    void tmrSwap_Timer();

    forms::Image& Image1{control<forms::Image>(QStringLiteral("Image1"))};
    forms::Image& Image2{control<forms::Image>(QStringLiteral("Image2"))};
    forms::Label& Label4{control<forms::Label>(QStringLiteral("Label4"))};
    forms::Label& Label7{control<forms::Label>(QStringLiteral("Label7"))};
    forms::Label& Label8{control<forms::Label>(QStringLiteral("Label8"))};
    forms::Label& Label9{control<forms::Label>(QStringLiteral("Label9"))};
    forms::Label& Label10{control<forms::Label>(QStringLiteral("Label10"))};
    forms::CommandButton& cmdOK{control<forms::CommandButton>(QStringLiteral("cmdOK"))};
    forms::Timer& tmrSwap{control<forms::Timer>(QStringLiteral("tmrSwap"))};
};

}  // namespace extras
