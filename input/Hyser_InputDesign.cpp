// The design of the own-town hythergraph window: every control with its place (twips),
// captions, colours and fonts, in stacking order (later rows lie above earlier ones). The
// design's client area is wider than the window it opens at; the strip right of about x
// 11900 parks the month numbers and joining lines.
#include "input/Hyser_Input.h"

#include "input/InputDesign.h"

using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace input {

FormDesign Hyser_Input::design() {
    FormDesign f;
    f.name = u"Hyser_Input"_s;
    f.caption = u"ruvirov 手動入力"_s;
    f.clientWidth = 14700;
    f.clientHeight = 8145;
    f.backColor = 0xE4EFEF;
    auto& c = f.controls;

    // Panels under the value table and the place's facts.
    design::valueTableCaptions(c, 1800);
    c.push_back(label(u"Label25"_s, 240, 6990, 3030, 825).back(0xFFC0FF));
    c.push_back(label(u"Label23"_s, 315, 7140, 435, 255).caption_(u"緯度"_s).back(0xFFC0FF).fore(kSysButtonText).font(9.75));
    c.push_back(label(u"Label26"_s, 315, 7500, 435, 255).caption_(u"経度"_s).back(0xFFC0FF).fore(kSysButtonText).font(9.75));
    c.push_back(label(u"Label24"_s, 2340, 7110, 435, 255).caption_(u"標高"_s).back(0xFFC0FF).fore(kSysButtonText).font(9.75));
    c.push_back(label(u"Label27"_s, 2820, 7110, 255, 255).caption_(u"ｍ"_s).back(0xFFC0FF).fore(kSysButtonText).font(9.75));

    // The chart: plot area, the band below 0 °C, the frame, the grid, the axis captions.
    c.push_back(label(u"Label7"_s, 4200, 930, 6600, 6600).back(0xFFFFFF));
    c.push_back(label(u"Label8"_s, 4185, 5325, 6615, 2190).back(0xFFFFC0));
    c.push_back(shape(u"Shape1"_s, 4170, 930, 6630, 6600).border(0x000000));
    c.push_back(line(u"Line4"_s, 4190, 2010, 10798, 2010).border(0xC0C0C0));  // 30 °C
    c.push_back(line(u"Line2"_s, 4170, 3105, 10804, 3105).border(0xC0C0C0));  // 20 °C
    c.push_back(line(u"Line3"_s, 4170, 4215, 10804, 4215).border(0xC0C0C0));  // 10 °C
    c.push_back(line(u"Line1"_s, 4170, 5310, 10804, 5310).border(0x808080));  // 0 °C
    c.push_back(line(u"Line5"_s, 4170, 6405, 10804, 6405).border(0xC0C0C0));  // -10 °C
    c.push_back(line(u"Line7"_s, 5261, 945, 5261, 7530).border(0xC0C0C0));    // 100 mm
    c.push_back(line(u"Line8"_s, 6375, 945, 6375, 7530).border(0xC0C0C0));    // 200 mm
    c.push_back(line(u"Line6"_s, 7470, 945, 7470, 7530).border(0xC0C0C0));    // 300 mm
    c.push_back(line(u"Line9"_s, 8580, 945, 8580, 7530).border(0xC0C0C0));    // 400 mm
    c.push_back(line(u"Line10"_s, 9675, 945, 9675, 7530).border(0xC0C0C0));   // 500 mm
    design::temperatureAxis(c);
    const double rainLefts[7] = {4080, 5010, 6090, 7200, 8310, 9405, 10485};
    for (int i = 0; i <= 6; ++i) {
        c.push_back(label(u"Label13"_s, rainLefts[i], 7620, 690, 375)
                        .at(i)
                        .caption_(QString::number(100 * i))
                        .fore(0x4000)
                        .back(0xE4EFEF)
                        .font(18)
                        .transparent());
    }
    c.push_back(label(u"Label14"_s, 11100, 7680, 600, 330).caption_(u"ｍｍ"_s).fore(0x4000).back(0xE4EFEF).font(14.25, true).transparent());

    // The points drawn on the window lie above the plot area, the band and the grid, and
    // beneath the chart's objects, so that each marker covers its own point.
    c.push_back(drawingSurface());

    // The chart's objects, above the grid: joining lines, markers, month numbers.
    design::joiningLines(c);
    design::markers(c, 12);
    for (int i = 1; i <= 13; ++i) {
        c.push_back(label(u"Label28"_s, i <= 6 ? 13500 : 13830, 2400 + 300 * ((i - 1) % 7), 300, 255)
                        .at(i)
                        .caption_(QString::number(i))
                        .fore(0x4000)
                        .back(0xE4EFEF)
                        .font(12, true)
                        .transparent()
                        .hidden());
    }

    // Title row: place, year, 年, のruvirov.
    c.push_back(label(u"Label51"_s, 5070, 180, 540, 465).caption_(u"年"_s).fore(0x4000).back(0xE4EFEF).font(21.75).transparent());
    c.push_back(label(u"Label9"_s, 5610, 180, 3315, 465).caption_(u"のruvirov"_s).fore(0x4000).back(0xE4EFEF).font(21.75).transparent());
    c.push_back(label(u"Label19"_s, 10920, 1050, 1365, 465).caption_(u"平年値"_s).fore(0xFF0000).back(0xE4EFEF).font(21.75).hidden());

    // Windowed controls, above everything drawn, in the tab order of the typing.
    // The year box lies over the caption 年, with room for a year typed with its 年.
    design::titleBoxes(c, 3075, 3450, 2085);
    design::monthBoxes(c, 1740, 6510, true);
    c.push_back(textBox(u"Text5"_s, 750, 7080, 1433, 315).back(0xFFFFC0).fore(0x4000).font(9.75, true).center().noIme().tab(30));
    c.push_back(textBox(u"Text6"_s, 750, 7440, 1433, 315).back(0xC0FFFF).fore(0x4000).font(9.75, true).center().noIme().tab(31));
    c.push_back(textBox(u"Text7"_s, 2280, 7410, 885, 345).back(0xFFFF00).fore(0x800000).font(11.25, true).center().noIme().tab(33));
    c.push_back(button(u"Command2"_s, 8970, 30, 1035, 435).caption_(u"作図"_s).font(12).tab(34));
    c.push_back(button(u"Command1"_s, 8970, 510, 1035, 315).caption_(u"クリア"_s).font(11.25).tab(35));
    c.push_back(formsCheckBox(u"CheckBox4"_s, 10110, 150, 1275, 345).caption_(u"目盛変更"_s).back(0xE4EFEF).font(10.5).tab(36));
    c.push_back(formsCheckBox(u"CheckBox3"_s, 10110, 450, 1155, 375).caption_(u"月表示"_s).back(0xE4EFEF).font(10.5).tab(37));

    f.menus = menuTree();
    return f;
}

std::vector<MenuDesign> Hyser_Input::menuTree() { return design::menus(u" 雨温図グラフ "_s, true); }

}  // namespace input
