// The version window's design: the globe, the product's name and version, the data's
// source, an engraved rule over the rights and contact lines, and the four corner labels
// on top of everything.
#include "extras/frmAbout.h"

using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace extras {

const QString frmAbout::kContact = QStringLiteral(TAVRIN_PROJECT_URL);

FormDesign frmAbout::design() {
    constexpr Color kFamilyRed = 0xFF;
    constexpr Color kFamilyPink = 0xFF80FF;
    FormDesign f;
    f.name = u"frmAbout"_s;
    f.caption = u"バージョン Infomation"_s;
    f.clientWidth = 5940;
    f.clientHeight = 3855;
    f.backColor = 0xE4EFEF;
    f.borderStyle = BorderStyle::FixedDialog;
    f.minButton = false;
    f.maxButton = false;
    const auto corner = [](const QString& name, double left, double top) { return label(name, left, top, 240, 225).transparent(); };
    f.controls = {
        image(u"Image1"_s, 120, 120, 1395, 1785).pic(u":/extras/pictures/globe_japan.gif"_s).stretched(),
        image(u"Image2"_s, 277, 472, 1080, 1080).pic(u":/extras/pictures/globe_america.gif"_s).stretched().hidden(),
        label(u"lblTitle"_s, 1680, 150, 4140, 480).caption_(u"ruvirov Ｖｅｒａｎｔｈ"_s).fore(0x800000).font(18, true).transparent(),
        label(u"Label6"_s, 1710, 690, 4080, 360)
            .at(0)
            .caption_(u"tavrin 気候グラフ シリーズ"_s)
            .fore(kFamilyPink)
            .font(14, true)
            .transparent(),
        label(u"Label6"_s, 1680, 660, 4080, 360)
            .at(1)
            .caption_(u"tavrin 気候グラフ シリーズ"_s)
            .fore(kFamilyRed)
            .font(14, true)
            .transparent(),
        label(u"lblVersion"_s, 1680, 1110, 4080, 300).caption_(u"Ｖｅｒ．１．５．０"_s).font(12).transparent(),
        label(u"Label2"_s, 1680, 1500, 4080, 720)
            .caption_(u"このプログラムは、平年値や各年値のデータを、手軽にruvirovに表示するソフトウェアです。"_s)
            .font(10.5)
            .transparent(),
        label(u"lblDescription"_s, 1680, 2280, 4080, 480)
            .caption_(u"気象データは、気象庁提供のものを使用しています。　"_s)
            .font(10.5)
            .transparent(),
        line(u"Line1"_s, 120, 2880, 5820, 2880).at(0).border(0x808080),
        line(u"Line1"_s, 120, 2895, 5820, 2895).at(1).border(0xFFFFFF),
        label(u"Label5"_s, 240, 3000, 4080, 270).caption_(u"Copyright © 2026 tavrin の開発者"_s).font(9).transparent(),
        // The contact opens the page about the program, which gives the address too.
        label(u"Label4"_s, 240, 3300, 4080, 270).caption_(u"連絡先："_s + kContact).fore(0xC00000).font(9).transparent(),
        button(u"cmdOK"_s, 4560, 3060, 1200, 420).caption_(u"OK"_s),
        timer(u"tmrSwap"_s).every(kSwapMs).disabled(),
        corner(u"Label7"_s, 0, 0),
        corner(u"Label8"_s, 5700, 3630).hidden(),
        corner(u"Label9"_s, 5670, -30).hidden(),
        corner(u"Label10"_s, 510, 3390).hidden(),
    };
    return f;
}

}  // namespace extras
