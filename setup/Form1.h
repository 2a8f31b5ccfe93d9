#pragma once
// The launcher's one window. It starts the product installer from the installation
// medium and waits for it, showing what it writes in the launcher's log window, then
// offers the runtime installer, and shows the installation guide. Both installers lie
// beside the launcher, in the medium's own folders.

#include "platform/forms/Form.h"
#include "platform/forms/Services.h"

namespace setup {

class Form1 : public forms::Form {
public:
    Form1();
    static forms::FormDesign design();

    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void Command1_Click();  // install
    void Command4_Click();  // the installation guide
    void Command2_Click();  // close

    // Where the installers are: the launcher's folder on the medium.
    static QString productInstaller();
    static QString runtimeInstaller();

private:
    bool installerPresent(const QString& path) const;
    // Starts an installer; with wait, its exit code lands in exitCode and what it writes
    // goes to output as it runs. False, after telling the user, when it could not be started.
    bool startInstaller(const QString& path, bool wait, int& exitCode, const forms::OutputSink& output) const;
};

}  // namespace setup
