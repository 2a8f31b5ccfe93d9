#include "setup/Form1.h"

#include "platform/forms/Placement.h"
#include "platform/forms/Services.h"
#include "platform/shell/Files.h"
#include "setup/Form49.h"
#include "setup/frmLog.h"

#include <algorithm>
#include <stdexcept>

using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace setup {

namespace {

// Both installers keep the names the medium has always given them.
const QString kProductInstaller = u"W_disk_1\\SETUP.exe"_s;
const QString kRuntimeInstaller = u"W_disk_2\\AccessRuntime.exe"_s;

// Lets the product installer's windows go before the next question comes up.
constexpr int kPauseAfterProductMs = 2000;

QString besideLauncher(const QString& relative) { return AppInfo::Path() + u'/' + shell::nativePath(relative); }

}  // namespace

Form1::Form1() : Form(design()) {
    control<CommandButton>(u"Command1"_s).onClick = [this] { Command1_Click(); };
    control<CommandButton>(u"Command4"_s).onClick = [this] { Command4_Click(); };
    control<CommandButton>(u"Command2"_s).onClick = [this] { Command2_Click(); };
}

QString Form1::productInstaller() { return besideLauncher(kProductInstaller); }
QString Form1::runtimeInstaller() { return besideLauncher(kRuntimeInstaller); }

void Form1::Form_Load() { placeAndShow(*this, Placement::Centre); }

// Closing the launcher ends it, and its guide and log with it.
void Form1::Form_Unload(int&) {
    if (forms::isLoaded<Form49>()) instance<Form49>().Unload();
    if (forms::isLoaded<frmLog>()) instance<frmLog>().Unload();
    AppInfo::End(0);
}

void Form1::Command2_Click() { Unload(); }

void Form1::Command1_Click() {
    const QString product = productInstaller();
    if (!installerPresent(product)) return;
    // The installer's progress shows in the launcher's own window: where it finds a
    // terminal window it says so there and goes on in it, elsewhere it writes here.
    frmLog& log = instance<frmLog>();
    log.begin(u"製品のインストーラーを実行しています: "_s + product);
    placeAndShow(log, Placement::Centre);
    const auto follow = [](const QString& text) {
        if (forms::isLoaded<frmLog>()) instance<frmLog>().append(text);  // unless the user closed it
    };
    int exitCode = 0;
    {
        // The window keeps painting while the installer runs, but takes no clicks until
        // the question: a second install, or closing the launcher under a running
        // installer, would leave the user guessing what was installed.
        BusyScope busy(*this);
        if (!startInstaller(product, true, exitCode, follow)) {
            follow(u"\n製品のインストーラーを起動できませんでした。\n"_s);
            return;
        }
        follow(exitCode == 0 ? u"\n製品のインストーラーが終わりました。\n"_s
                             : u"\n製品のインストーラーが終了コード "_s + QString::number(exitCode) + u" で終わりました。\n"_s);
        DoEvents();
        services().clock->sleep(kPauseAfterProductMs);
    }
    if (exitCode != 0) {
        MsgBox(u"製品のインストールが正常に終わりませんでした（終了コード "_s + QString::number(exitCode) +
                   u"）。\nインストーラーのウィンドウに出た内容を確かめてください。"_s,
               vbExclamation, Caption());
    }
    if (MsgBox(u"次に、アクセス・ランタイムを"_s + u"インストールします。  "_s, vbOKCancel | vbInformation, u"インフォメーション"_s) !=
        vbOK) {
        return;
    }
    const QString runtime = runtimeInstaller();
    if (!installerPresent(runtime)) return;
    int ignored = 0;
    startInstaller(runtime, false, ignored, {});
}

void Form1::Command4_Click() {
    Form49& guide = instance<Form49>();
    if (guide.WindowState() != vbNormal) {
        guide.setWindowState(vbNormal);
        return;
    }
    // Never off the top or left edge of a screen smaller than the guide.
    guide.Move(std::max(0.0, (Screen().Width() - guide.Width()) / 2 - 60), std::max(0.0, (Screen().Height() - guide.Height()) / 2));
    guide.Show();
}

bool Form1::installerPresent(const QString& path) const {
    if (shell::fileExists(path)) return true;
    MsgBox(u"インストーラーが見つかりません。\n\n"_s + path + u"\n\nインストールメディアの内容がそろっているか確かめてください。"_s,
           vbExclamation, Caption());
    return false;
}

bool Form1::startInstaller(const QString& path, bool wait, int& exitCode, const OutputSink& output) const {
    try {
        exitCode = services().process->run(path, {}, wait, output);
        return true;
    } catch (const std::runtime_error& e) {
        MsgBox(QString::fromStdString(e.what()) + u"\n\nファイルに実行の許可があるか確かめてください。"_s, vbExclamation, Caption());
        return false;
    }
}

}  // namespace setup
