#include "extras/frmSplash.h"

using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace extras {

FormDesign frmSplash::design() {
    FormDesign f;
    f.name = u"frmSplash"_s;
    f.caption = QString();
    f.clientWidth = 6750;
    f.clientHeight = 3600;
    f.backColor = 0xE4EFEF;
    f.borderStyle = BorderStyle::None;
    f.centredOnScreen = true;
    f.controls = {
        label(u"Frame"_s, 0, 0, 6750, 3600).back(0xE4EFEF).border(),
        label(u"Band"_s, 120, 120, 6510, 1140).back(0xC0FFC0),
        label(u"lblProductName"_s, 240, 330, 6270, 735)
            .caption_(u"ruvirov Veranth"_s)
            .fore(0x4000)
            .font(27.75, true)
            .center()
            .transparent(),
        label(u"lblCharts"_s, 240, 1560, 6270, 450).caption_(u"気候グラフ"_s).fore(0x800000).font(18).center().transparent(),
        label(u"lblLoading"_s, 240, 2520, 6270, 360).caption_(u"起動しています…"_s).fore(0x404040).font(12).center().transparent(),
        label(u"lblSource"_s, 240, 3060, 6270, 300).caption_(u"出典：気象庁ホームページ"_s).fore(0x404040).font(9).center().transparent(),
    };
    return f;
}

frmSplash::frmSplash() : Form(design()) {
    for (const auto& c : allControls()) c->onClick = [this] { Unload(); };
}

void frmSplash::Form_KeyPress(int&) { Unload(); }
void frmSplash::Form_Click() { Unload(); }

}  // namespace extras
