// The design of the own-town climograph window: every control with its place (twips),
// captions, colours and fonts, in stacking order (later rows lie above earlier ones). The
// design's client area is wider than the window it opens at; the strip right of about x
// 11900 parks the month numbers and joining lines.
#include "input/Uonz_Input.h"

#include "input/InputDesign.h"

using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace input {

FormDesign Uonz_Input::design() {
    FormDesign f;
    f.name = u"Uonz_Input"_s;
    f.caption = u"雨温図グラフ 手動入力"_s;
    f.clientWidth = 14700;
    f.clientHeight = 8145;
    f.backColor = 0xE4EFEF;
    auto& c = f.controls;

    // Panels under the value table and the place's facts.
    design::valueTableCaptions(c, 1770);
    c.push_back(label(u"Label25"_s, 240, 6960, 3015, 825).back(0xFFC0FF));
    c.push_back(label(u"Label23"_s, 315, 7110, 435, 255).caption_(u"緯度"_s).back(0xFFC0FF).fore(kSysButtonText).font(9.75));
    c.push_back(label(u"Label26"_s, 315, 7470, 435, 255).caption_(u"経度"_s).back(0xFFC0FF).fore(kSysButtonText).font(9.75));
    c.push_back(label(u"Label24"_s, 2160, 7110, 435, 255).caption_(u"標高"_s).back(0xFFC0FF).fore(kSysButtonText).font(9.75));
    c.push_back(label(u"Label27"_s, 2610, 7110, 255, 255).caption_(u"ｍ"_s).back(0xFFC0FF).fore(kSysButtonText).font(9.75));

    // The chart: plot area, the band below 0 °C, the frame, the grid, the axis captions.
    c.push_back(label(u"Label7"_s, 4170, 945, 6836, 6630).back(0xFFFFFF));
    c.push_back(label(u"Label8"_s, 4170, 5340, 6836, 2205).back(0xFFFFC0));
    c.push_back(shape(u"Shape1"_s, 4170, 930, 6836, 6630).border(0x000000));
    c.push_back(line(u"Line4"_s, 4170, 2040, 11000, 2040).border(0xC0C0C0));  // 30 °C
    c.push_back(line(u"Line2"_s, 4170, 3135, 11000, 3135).border(0xC0C0C0));  // 20 °C
    c.push_back(line(u"Line3"_s, 4170, 4240, 11000, 4240).border(0xC0C0C0));  // 10 °C
    c.push_back(line(u"Line1"_s, 4170, 5340, 11000, 5340).border(0x808080));  // 0 °C
    c.push_back(line(u"Line5"_s, 4170, 6435, 11000, 6435).border(0xC0C0C0));  // -10 °C
    design::temperatureAxis(c);
    const double rainTops[7] = {7320, 6210, 5130, 4050, 2970, 1860, 840};
    for (int i = 0; i <= 6; ++i) {
        c.push_back(label(u"Label13"_s,
                          i == 0   ? 11280
                          : i <= 4 ? 11160
                                   : 11087,
                          rainTops[i], 690, 375)
                        .at(i)
                        .caption_(QString::number(100 * i))
                        .fore(0x4000)
                        .back(0xE4EFEF)
                        .font(18)
                        .transparent());
    }
    c.push_back(label(u"Label14"_s, 11209, 7620, 600, 330).caption_(u"ｍｍ"_s).fore(0x4000).back(0xE4EFEF).font(14.25, true).transparent());
    const double monthLefts[13] = {10719, 4650, 5130, 5640, 6150, 6660, 7170, 7680, 8190, 8700, 9180, 9690, 10200};
    const QString months[13] = {u"月"_s, u"１"_s, u"２"_s, u"３"_s, u"４"_s, u"５"_s, u"６"_s,
                                u"７"_s, u"８"_s, u"９"_s, u"10"_s, u"11"_s, u"12"_s};
    for (int i = 0; i <= 12; ++i) {
        c.push_back(
            label(u"Label52"_s, monthLefts[i], 7680, 360, 315).at(i).caption_(months[i]).back(0xE4EFEF).fore(0x4000).font(14.25, true));
    }

    // The chart's objects, above the grid: bars, joining lines, markers, month numbers.
    // The points drawn on the window lie above the bars and beneath the rest, so that
    // each marker covers its own point.
    for (int i = 1; i <= 12; ++i) c.push_back(label(u"Label51"_s, 4530 + 510 * (i - 1), 6630, 405, 915).at(i).back(0xC800).hidden());
    c.push_back(drawingSurface());
    design::joiningLines(c);
    design::markers(c, 13);
    for (int i = 0; i <= 14; ++i) {
        c.push_back(label(u"Label28"_s, i <= 7 ? 13500 : 13830, 2100 + 300 * (i % 8), 300, 255)
                        .at(i)
                        .caption_(QString::number(i))
                        .fore(0x4000)
                        .back(0xE4EFEF)
                        .font(12, true)
                        .transparent()
                        .hidden());
    }

    // Title row: place, の雨温図グラフ, year, 年.
    c.push_back(
        label(u"Label9"_s, 4116, 180, 2895, 465).caption_(u"の雨温図グラフ"_s).fore(0x4000).back(0xE4EFEF).font(21.75).transparent());
    c.push_back(label(u"Label51"_s, 8730, 180, 540, 465).at(0).caption_(u"年"_s).fore(0x4000).back(0xE4EFEF).font(21.75).transparent());
    c.push_back(label(u"Label19"_s, 10920, 1050, 1365, 465).caption_(u"平年値"_s).fore(0xFF0000).back(0xE4EFEF).font(21.75).hidden());

    // Windowed controls, above everything drawn, in the tab order of the typing.
    // The year box lies over the caption 年, with room for a year typed with its 年.
    design::titleBoxes(c, 3816, 7110, 2145);
    design::monthBoxes(c, 1710, 6480, false);
    c.push_back(textBox(u"Text5"_s, 750, 7050, 1155, 315).back(0x80C0FF).fore(0x4000).font(9.75, true).center().tab(30));
    c.push_back(textBox(u"Text6"_s, 750, 7410, 1155, 315).back(0x80C0FF).fore(0x4000).font(9.75, true).center().tab(31));
    c.push_back(textBox(u"Text7"_s, 2040, 7380, 1102, 345).back(0xFFFF00).fore(0x800000).font(11.25, true).center().tab(32));
    c.push_back(button(u"Command2"_s, 9420, 30, 1035, 405).caption_(u"作図"_s).font(12).tab(33));
    c.push_back(button(u"Command1"_s, 9420, 510, 1035, 315).caption_(u"クリア"_s).font(11.25).tab(34));
    c.push_back(formsCheckBox(u"CheckBox3"_s, 10590, 300, 1155, 375).caption_(u"月表示"_s).back(0xE4EFEF).font(10.5).tab(35));
    // Within the window's width from the start, above 月表示.
    c.push_back(formsCheckBox(u"CheckBox4"_s, 10590, 0, 1275, 300).caption_(u"目盛変更"_s).back(0xE4EFEF).font(10.5).tab(36));

    f.menus = menuTree();
    return f;
}

std::vector<MenuDesign> Uonz_Input::menuTree() { return design::menus(u" ruvirov "_s, false); }

}  // namespace input
