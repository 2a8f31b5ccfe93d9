#include "setup/Form49.h"

#include <QFile>

#include <stdexcept>

using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace setup {

FormDesign Form49::design() {
    FormDesign f;
    f.name = u"Form49"_s;
    f.caption = u"インストールガイド"_s;
    f.clientWidth = 10200;
    f.clientHeight = 7680;
    f.backColor = 0xE4EFEF;
    f.borderStyle = BorderStyle::FixedSingle;
    f.maxButton = false;
    f.controls = {
        textBox(u"Text1"_s, 120, 120, 9960, 6840).multi().font(kGothic, 12).text(guideText()).tab(1),
        button(u"f_end"_s, 8400, 7080, 1680, 480).caption_(u"終了 (&C)"_s).font(10.5).tab(0),
    };
    return f;
}

// The same text as tavrin's guide: both programs build in the one file of the medium's guide.
QString Form49::guideText() {
    QFile f(u":/setup/install-guide.txt"_s);
    if (!f.open(QIODevice::ReadOnly)) throw std::logic_error("the installation guide is not built into the launcher");
    return QString::fromUtf8(f.readAll());
}

Form49::Form49() : Form(design()) {
    control<CommandButton>(u"f_end"_s).onClick = [this] { f_end_Click(); };
}

// The guide is for reading: typing into it would change nothing and be lost.
void Form49::Form_Load() { control<TextBox>(u"Text1"_s).setLocked(true); }

void Form49::f_end_Click() { Unload(); }

}  // namespace setup
