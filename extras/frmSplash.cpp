#include "extras/frmSplash.h"

using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace extras {

FormDesign frmSplash::design() {
    constexpr Color kFamilyRed = 0xFF;
    constexpr Color kFamilyPink = 0xFF80FF;
    FormDesign f;
    f.name = u"frmSplash"_s;
    f.caption = QString();
    f.clientWidth = 6750;
    f.clientHeight = 4200;
    f.backColor = 0x99FF00;
    f.borderStyle = BorderStyle::None;
    f.minButton = false;
    f.maxButton = false;
    f.centredOnScreen = true;
    f.controls = {
        // The panel under everything: windowless, so that the texts show above it.
        label(u"Frame1"_s, 0, 0, 6750, 4200).back(0x99FF00).border(),
        image(u"imgLogo"_s, 360, 345, 480, 480).pic(u":/extras/pictures/logo.gif"_s),
        label(u"lblProductName"_s, 1020, 240, 2640, 720).caption_(u"ruvirov"_s).back(0xFFFF00).fore(0xFF0000).font(30, true).center(),
        label(u"Label2"_s, 3780, 330, 2760, 600).caption_(u"Ｖｅｒａｎｔｈ"_s).fore(0xFF0000).font(24, true).transparent(),
        label(u"lblCompanyProduct"_s, 390, 1230, 6000, 540)
            .at(0)
            .caption_(u"tavrin 気候グラフ シリーズ"_s)
            .fore(kFamilyPink)
            .font(20, true)
            .center()
            .transparent(),
        label(u"lblCompanyProduct"_s, 360, 1200, 6000, 540)
            .at(1)
            .caption_(u"tavrin 気候グラフ シリーズ"_s)
            .fore(kFamilyRed)
            .font(20, true)
            .center()
            .transparent(),
        label(u"lblVersion"_s, 360, 1920, 6000, 420).caption_(u"Ｖｅｒ．１．５．０"_s).fore(0x8000).font(16, true).center().transparent(),
        label(u"lblPlatform"_s, 360, 2460, 6000, 420).caption_(u"Ｌｉｎｕｘ 対応"_s).fore(0x4000).font(14, true).center().transparent(),
        label(u"Label1"_s, 360, 3120, 6000, 330)
            .caption_(u"データは、気象庁提供のものを使用しています。"_s)
            .font(11)
            .center()
            .transparent(),
        label(u"Label3"_s, 360, 3600, 6000, 300).caption_(u"Copyright © 2026 tavrin の開発者"_s).font(9).center().transparent(),
    };
    return f;
}

frmSplash::frmSplash() : Form(design()) {
    Frame1.onClick = [this] { Frame1_Click(); };
}

void frmSplash::Form_KeyPress(int&) { Unload(); }
void frmSplash::Frame1_Click() { Unload(); }

}  // namespace extras
