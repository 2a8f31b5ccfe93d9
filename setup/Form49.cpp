#include "setup/Form49.h"

using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace setup {

FormDesign Form49::design() {
    FormDesign f;
    f.name = u"Form49"_s;
    f.caption = u"インストールガイド"_s;
    f.clientWidth = 10200;
    f.clientHeight = 7440;
    f.borderStyle = BorderStyle::FixedSingle;
    f.maxButton = false;
    f.controls = {
        textBox(u"Text1"_s, 120, 120, 9960, 6570).multi().font(kGothic, 12).text(guideText()).tab(1),
        button(u"f_end"_s, 8535, 6840, 1545, 435).caption_(u"終了 (&C)"_s).tab(0),
    };
    return f;
}

Form49::Form49() : Form(design()) {
    control<CommandButton>(u"f_end"_s).onClick = [this] { f_end_Click(); };
}

// The guide is for reading: typing into it would change nothing and be lost.
void Form49::Form_Load() { control<TextBox>(u"Text1"_s).setLocked(true); }

void Form49::f_end_Click() { Unload(); }

}  // namespace setup
