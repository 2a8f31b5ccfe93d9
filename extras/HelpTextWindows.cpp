#include "extras/HelpTextWindows.h"

#include "extras/texts/HelpTexts.h"

using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace extras {
namespace {
const QString kClose = u"終了 (&C)"_s;
}

FormDesign HelpTextWindow::design(const QString& name, const QString& caption, const QString& buttonCaption) {
    FormDesign f;
    f.name = name;
    f.caption = caption;
    f.clientWidth = 10200;
    f.clientHeight = 7680;
    f.backColor = 0xE4EFEF;
    f.borderStyle = BorderStyle::FixedSingle;
    f.maxButton = false;
    f.controls = {
        textBox(u"Text1"_s, 120, 120, 9960, 6840).multi().font(kGothic, 12),
        button(u"f_end"_s, 8400, 7080, 1680, 480).caption_(buttonCaption).font(10.5),
    };
    return f;
}

HelpTextWindow::HelpTextWindow(const QString& name, const QString& caption, const QString& text, const QString& buttonCaption)
    : Form(design(name, caption, buttonCaption)) {
    Text1.setText(text);
    // Read, not edited: the text is the program's own.
    Text1.setLocked(true);
    f_end.onClick = [this] { f_end_Click(); };
}

Form48::Form48() : HelpTextWindow(u"Form48"_s, u"ruvirov Veranth Readme"_s, texts::readme(), kClose) {}
Form49::Form49() : HelpTextWindow(u"Form49"_s, u"インストールガイド"_s, texts::installGuide(), kClose) {}
Form50::Form50() : HelpTextWindow(u"Form50"_s, u"気象庁データについて"_s, texts::weatherData(), u" "_s + kClose) {}
Form51::Form51() : HelpTextWindow(u"Form51"_s, u"ruvirov Veranth 更新履歴"_s, texts::history(), kClose) {}

}  // namespace extras
