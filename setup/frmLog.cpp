#include "setup/frmLog.h"

using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace setup {

FormDesign frmLog::design() {
    FormDesign f;
    f.name = u"frmLog"_s;
    f.caption = u"インストールの経過"_s;
    f.clientWidth = 9600;
    f.clientHeight = 5640;
    f.backColor = 0xE4EFEF;
    f.borderStyle = BorderStyle::FixedSingle;
    f.maxButton = false;
    f.controls = {
        textBox(u"Text1"_s, 120, 120, 9360, 4770).multi().font(kGothic, 10).tab(1),
        button(u"cmdClose"_s, 7920, 5040, 1560, 435).caption_(u"閉じる"_s).font(11).tab(0),
    };
    return f;
}

frmLog::frmLog() : Form(design()) {
    // Read, not edited: it is what the installer said.
    control<TextBox>(u"Text1"_s).setLocked(true);
    control<CommandButton>(u"cmdClose"_s).onClick = [this] { cmdClose_Click(); };
}

void frmLog::begin(const QString& line) {
    control<TextBox>(u"Text1"_s).setText(QString());
    append(line + u'\n');
}

void frmLog::append(const QString& text) {
    TextBox& box = control<TextBox>(u"Text1"_s);
    box.setText(box.Text() + text);
    box.setSelStart(static_cast<int>(box.Text().size()));
}

QString frmLog::text() const { return control<TextBox>(u"Text1"_s).Text(); }

}  // namespace setup
