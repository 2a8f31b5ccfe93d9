// The design of the launcher's window: its controls in stacking order (later rows lie
// above earlier ones), in twips.
#include "setup/Form1.h"

using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace setup {

namespace {

const QString kProductName = u"ruvirov Ｖｅｒａｎｔｈ"_s;
constexpr Color kGround = 0xE4EFEF;

}  // namespace

FormDesign Form1::design() {
    FormDesign f;
    f.name = u"Form1"_s;
    f.caption = kProductName;
    f.clientWidth = 6915;
    f.clientHeight = 4680;
    f.backColor = kGround;
    f.borderStyle = BorderStyle::FixedSingle;
    f.minButton = false;
    f.maxButton = false;
    auto& c = f.controls;

    // The title, each line over its shadow 30 twips down and right.
    c.push_back(label(u"Label1"_s, 930, 270, 5115, 615).at(1).caption_(kProductName).fore(0xFF00FF).font(24).center().transparent());
    c.push_back(label(u"Label1"_s, 900, 240, 5115, 615).at(0).caption_(kProductName).fore(0x0000FF).font(24).center().transparent());
    c.push_back(label(u"Label2"_s, 1230, 1005, 4515, 735)
                    .at(1)
                    .caption_(u"インストーラー"_s)
                    .fore(0xFFFF00)
                    .font(27.75, true)
                    .center()
                    .transparent());
    c.push_back(label(u"Label2"_s, 1200, 975, 4515, 735)
                    .at(0)
                    .caption_(u"インストーラー"_s)
                    .fore(0xFF0000)
                    .font(27.75, true)
                    .center()
                    .transparent());

    c.push_back(label(u"Label4"_s, 600, 1890, 5715, 330)
                    .at(0)
                    .caption_(u"気候グラフ教材シリーズ"_s)
                    .fore(0x404040)
                    .font(12)
                    .center()
                    .transparent());
    c.push_back(label(u"Label4"_s, 600, 2250, 5715, 255)
                    .at(1)
                    .caption_(u"Copyright (C) tavrin の開発者たち"_s)
                    .fore(0x606060)
                    .font(9)
                    .center()
                    .transparent());

    // Pictures: two small charts beside the title, weather signs above the buttons.
    c.push_back(image(u"Image1"_s, 240, 360, 600, 600).pic(u":/setup/pictures/hythergraph.gif"_s).stretched());
    c.push_back(image(u"Image2"_s, 6075, 360, 600, 600).pic(u":/setup/pictures/climograph.gif"_s).stretched());
    const QString signs[5] = {u"sun"_s, u"cloud"_s, u"rain"_s, u"snow"_s, u"thermometer"_s};
    for (int i = 0; i < 5; ++i) {
        c.push_back(image(u"Image"_s + QString::number(3 + i), 1275 + 1000 * i, 2580, 360, 360)
                        .pic(u":/setup/pictures/"_s + signs[i] + u".gif"_s)
                        .stretched());
    }

    // Coloured bars under and beside the buttons.
    c.push_back(label(u"Label3"_s, 1110, 3525, 4695, 45).back(0x00C000));
    c.push_back(label(u"Label6"_s, 1110, 4155, 4695, 45).back(0x00FFFF));
    c.push_back(label(u"Label5"_s, 975, 3060, 60, 1095).back(0x0000FF));

    // Graphical buttons: white, each with its picture beside the caption.
    const auto picture = [](const char16_t* name) { return u":/setup/pictures/"_s + QString::fromUtf16(name) + u".gif"_s; };
    c.push_back(button(u"Command1"_s, 1110, 3060, 4695, 435)
                    .caption_(u"インストール開始"_s)
                    .graphical()
                    .pic(picture(u"install"))
                    .back(0xFFFFFF)
                    .font(18)
                    .tab(0));
    c.push_back(button(u"Command4"_s, 1110, 3750, 4695, 375)
                    .caption_(u"インストール・ガイド"_s)
                    .graphical()
                    .pic(picture(u"guide"))
                    .back(0xFFFFFF)
                    .font(11)
                    .tab(1));
    c.push_back(button(u"Command2"_s, 5790, 4230, 1005, 375)
                    .caption_(u"閉じる"_s)
                    .graphical()
                    .pic(picture(u"close"))
                    .back(0xFFFFFF)
                    .font(11)
                    .tab(2));
    return f;
}

}  // namespace setup
