#pragma once
// The four help windows: a text built into the program, to read and scroll, and a button
// that closes the window.

#include "platform/forms/Form.h"

namespace extras {

class HelpTextWindow : public forms::Form {
public:
    static forms::FormDesign design(const QString& name, const QString& caption, const QString& buttonCaption);
    void f_end_Click() { Unload(); }

    forms::TextBox& Text1{control<forms::TextBox>(QStringLiteral("Text1"))};
    forms::CommandButton& f_end{control<forms::CommandButton>(QStringLiteral("f_end"))};

protected:
    HelpTextWindow(const QString& name, const QString& caption, const QString& text, const QString& buttonCaption);
};

class Form48 final : public HelpTextWindow {  // Readme
public:
    Form48();
};

class Form49 final : public HelpTextWindow {  // installation guide
public:
    Form49();
};

class Form50 final : public HelpTextWindow {  // the weather service's data and our sources
public:
    Form50();
};

class Form51 final : public HelpTextWindow {  // history
public:
    Form51();
};

}  // namespace extras
