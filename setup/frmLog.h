#pragma once
// The launcher's own window for what an installer it waits for writes: the installer's
// progress, which the user would not see otherwise where no terminal window can be opened
// for it. The launcher opens it for each install and appends as the installer writes.

#include "platform/forms/Form.h"

namespace setup {

class frmLog : public forms::Form {
public:
    frmLog();
    static forms::FormDesign design();

    // Starts the log again with its first line.
    void begin(const QString& line);
    // Appends what the installer wrote, as it came, and scrolls to the end.
    void append(const QString& text);
    QString text() const;

    void cmdClose_Click() { Unload(); }
};

}  // namespace setup
