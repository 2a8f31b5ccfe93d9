// The design of the two-graph window: every control with its place (twips), captions,
// colours and fonts, in stacking order (later rows lie above earlier ones). The header
// and the value table run across the top; below them the climograph (left) and the
// hythergraph (right) share one temperature scale, 0 °C at y 6500 and 90 twips a degree.
// The design's client area is wider than the window it opens at; the strip right of about
// x 12900 parks hidden labels, month numbers, markers and joining lines.
#include "twograph/Form55.h"

using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace twograph {

namespace {

void add(std::vector<ControlDesign>& out, ControlDesign d) { out.push_back(std::move(d)); }

constexpr Color kPale = 0xE4EFEF;
constexpr double kCellLeft = 870;   // the value table's first column, January
constexpr double kCellStep = 825;   // from one column to the next
constexpr double kCellWidth = 810;  // a column, the air between columns taken off

double cellLeft(int column) { return kCellLeft + kCellStep * (column - 1); }

// A column of the value table: the month it heads (13 the year), the index of its
// caption in lblLabels, the caption, its colour at start-up.
struct Column {
    int month;
    int caption;
    QString text;
    Color fore;
};

}  // namespace

FormDesign Form55::design() {
    FormDesign f;
    f.name = u"Form55"_s;
    f.caption = u"ハイサー 雨温図 Veranth"_s;
    f.clientWidth = 14700;
    f.clientHeight = 8145;
    f.backColor = kPale;
    f.borderStyle = BorderStyle::Sizable;
    auto& c = f.controls;

    // Panels under the value table and the station facts.
    add(c, label(u"Label10"_s, 210, 1470, 11430, 975).back(0xC0FFFF).fore(kSysButtonText).border());
    add(c, label(u"Label25"_s, 3420, 930, 8220, 465).back(0xFFC0FF).fore(kSysButtonText));

    // The axes' numbers lie under the plot areas: the hythergraph's "600" stands where the
    // band below 0 °C covers it.
    const double tempLefts[7] = {6450, 6450, 6450, 6450, 6360, 6315, 7110};
    const double tempTops[7] = {2820, 3690, 4590, 5490, 6420, 7320, 7860};
    const QString tempCaptions[7] = {u"40"_s, u"30"_s, u"20"_s, u"10"_s, u"０"_s, u"-10"_s, u"-20"_s};
    for (int i = 0; i <= 6; ++i) {
        auto d = label(u"Label12"_s, tempLefts[i], tempTops[i], 510, 345)
                     .at(i)
                     .caption_(tempCaptions[i])
                     .fore(i <= 3 ? 0x40 : 0x800000)
                     .back(kPale)
                     .font(14.25, true)
                     .transparent();
        if (i == 6) d.hidden();
        add(c, d);
    }
    const double rainLefts[7] = {6900, 7620, 8520, 9435, 10335, 11175, 10800};
    for (int i = 0; i <= 6; ++i) {
        add(c, label(u"Label13"_s, rainLefts[i], i == 6 ? 6990 : 7500, 600, 345)
                   .at(i)
                   .caption_(QString::number(100 * i))
                   .fore(0x4000)
                   .back(kPale)
                   .font(14.25, true)
                   .transparent());
    }
    const double barTops[6] = {2820, 3660, 4560, 5460, 6390, 7260};
    for (int i = 0; i <= 5; ++i) {
        add(c, label(u"Label58"_s, 210, barTops[i], 600, 345)
                   .at(i)
                   .caption_(QString::number(500 - 100 * i))
                   .fore(0x4000)
                   .back(kPale)
                   .font(14.25, true)
                   .right()
                   .transparent());
    }
    const double monthLefts[13] = {0, 1095, 1515, 1935, 2340, 2790, 3195, 3615, 4050, 4455, 4890, 5325, 5730};
    const Color monthFores[13] = {0, 0x0, 0xFF0000, 0xFF80FF, 0xFF00, 0x8000, 0xFFFF00, 0xFF00FF, 0xFF, 0x800080, 0x8080, 0x60FF, 0xFF8080};
    for (int i = 1; i <= 12; ++i) {
        add(c, label(u"Label59"_s, monthLefts[i], 7500, 330, 300)
                   .at(i)
                   .caption_(QString::number(i))
                   .fore(monthFores[i])
                   .back(kPale)
                   .font(12, true)
                   .transparent());
    }
    add(c, label(u"Label11"_s, 6480, 7740, 375, 330).caption_(u"℃"_s).fore(0x80).back(kPale).font(12, true).transparent());
    add(c, label(u"Label14"_s, 11175, 7770, 600, 330).at(0).caption_(u"ｍｍ"_s).fore(0x4000).back(kPale).font(12, true).transparent());
    add(c, label(u"Label14"_s, 240, 7710, 600, 330).at(1).caption_(u"ｍｍ"_s).fore(0x4000).back(kPale).font(12, true).transparent());

    // The plot areas and the bands below 0 °C, then the frames and the grids.
    add(c, label(u"Label54"_s, 870, 2940, 5415, 4455).back(0xFFFFFF));
    add(c, label(u"Label55"_s, 885, 6510, 5385, 900).back(0xFFFFC0).fore(kSysButtonText));
    add(c, label(u"Label7"_s, 6960, 2910, 4515, 4515).back(0xFFFFFF));
    add(c, label(u"Label8"_s, 6960, 6510, 4500, 900).back(0xFFFFC0).fore(kSysButtonText));
    add(c, shape(u"Shape3"_s, 870, 2910, 5415, 4515).at(0).border(0x000000));
    add(c, shape(u"Shape1"_s, 6960, 2910, 4515, 4515).border(0x000000));
    const QString climographGrid[4] = {u"Line15"_s, u"Line14"_s, u"Line13"_s, u"Line12"_s};
    const QString hytherGrid[4] = {u"Line5"_s, u"Line1"_s, u"Line3"_s, u"Line2"_s};
    const double gridYs[4] = {6510, 5610, 4710, 3795};  // 0, 10, 20, 30 °C
    for (int k = 0; k < 4; ++k) {
        const Color colour = k == 0 ? 0x808080 : 0xC0C0C0;
        add(c, line(climographGrid[k], 870, gridYs[k], 6270, gridYs[k]).border(colour));
        add(c, line(hytherGrid[k], 6960, gridYs[k], 11475, gridYs[k]).border(colour));
    }
    const QString rainGrid[4] = {u"Line7"_s, u"Line8"_s, u"Line6"_s, u"Line9"_s};
    for (int k = 0; k < 4; ++k) {
        const double x = 7860 + 900 * k;  // 100 to 400 mm
        add(c, line(rainGrid[k], x, k == 0 ? 2895 : 2910, x, 7425).border(0xC0C0C0));
    }

    // The chart's objects, above the grids: bars, joining lines, markers, month numbers.
    // The points drawn on the window lie above the bars and beneath the rest, so that
    // each marker covers its own point.
    for (int i = 1; i <= 12; ++i) add(c, label(u"Label56"_s, 420 * i + 690, 6795, 285, 615).at(i).back(0xC000));
    add(c, drawingSurface());
    for (int i = 1; i <= 12; ++i) {
        add(c, line(u"Line4"_s, 12960, 300 + 150 * i, 13950, 300 + 150 * i).at(i).border(0xFF).width_(2));
        add(c, line(u"Line11"_s, 12960, 2250 + 150 * i, 13950, 2250 + 150 * i).at(i).border(0x404040).width_(2));
    }
    const Color markerColors[13] = {0,        0x0,  0xFF0000, 0xFF80FF, 0x80FF80, 0xC000,  0xFFFF00,
                                    0xFF00FF, 0xFF, 0x800080, 0xFFFF,   0x60FF,   0xFF8080};
    for (int i = 1; i <= 12; ++i) {
        add(c,
            shape(u"Shape4"_s, 14100, 300 + 150 * i, 90, 90).at(i).kindOf(ShapeKind::Circle).fill(markerColors[i]).border(markerColors[i]));
        add(c,
            shape(u"Shape3"_s, 14400, 300 + 150 * i, 90, 90).at(i).kindOf(ShapeKind::Circle).fill(markerColors[i]).border(markerColors[i]));
    }
    for (int i = 1; i <= 13; ++i) {
        auto n = label(u"Label28"_s, i <= 7 ? 13080 : 13410, 4350 + 300 * ((i - 1) % 7), 300, 255)
                     .at(i)
                     .caption_(QString::number(i))
                     .fore(0x4000)
                     .back(kPale)
                     .font(12, true)
                     .transparent();
        if (i == 13) n.hidden();
        add(c, n);
        add(c, label(u"Label57"_s, i <= 7 ? 13770 : 14100, 4350 + 300 * ((i - 1) % 7), 330, 270)
                   .at(i)
                   .caption_(QString::number(i))
                   .fore(0x4000)
                   .back(kPale)
                   .font(12, true)
                   .transparent()
                   .hidden());
    }
    add(c, label(u"Label49"_s, 8730, 2550, 1545, 315).caption_(u"統計切断"_s).back(0xFFFF).font(14.25, true).hidden());
    add(c, label(u"Label50"_s, 10320, 2550, 1395, 315).caption_(u"欠測あり"_s).back(0xFF).font(14.25, true));

    // Header row.
    add(c, label(u"Label29"_s, 210, 90, 3810, 585).caption_(u"東京"_s).back(0xC0FFC0).fore(0x4000).font(24).center().border());
    add(c, label(u"Label9"_s, 4170, 180, 2790, 465).caption_(u"のruvirov"_s).fore(0x4000).back(kPale).font(20.25).transparent());
    add(c, label(u"Label4"_s, 7050, 90, 1515, 585).back(0xFFFFFF).fore(0xC0).font(24).center().border());
    add(c, label(u"Label19"_s, 7125, 165, 1365, 465).caption_(u"平年値"_s).back(0xFFFFFF).fore(0xFF0000).font(21.75).center());

    // The area and the station facts.
    add(c, label(u"Label53"_s, 210, 930, 3075, 465).back(0xC0C0FF).fore(0x800000).font(20).center().border());
    add(c, label(u"Label23"_s, 3525, 1035, 435, 255).caption_(u"緯度"_s).back(0xFFC0FF).fore(kSysButtonText).font(9.75, true));
    add(c, label(u"Label20"_s, 3975, 1005, 1170, 315).back(0x8080FF).fore(0x800000).font(12, true).center().border());
    add(c, label(u"Label26"_s, 5310, 1035, 435, 255).caption_(u"経度"_s).back(0xFFC0FF).fore(kSysButtonText).font(9.75, true));
    add(c, label(u"Label21"_s, 5760, 1005, 1170, 315).back(0xC0FFC0).fore(0x800000).font(12, true).center().border());
    add(c, label(u"Label24"_s, 7095, 1035, 435, 255).caption_(u"標高"_s).back(0xFFC0FF).fore(kSysButtonText).font(9.75, true));
    add(c, label(u"Label22"_s, 7545, 1005, 780, 315).back(0xFFFF00).fore(0x800000).font(12, true).center().border());
    add(c, label(u"Label27"_s, 8355, 1065, 255, 210).caption_(u"ｍ"_s).back(0xFFC0FF).fore(kSysButtonText).font(9));
    add(c, label(u"Label60"_s, 8790, 1035, 870, 255).caption_(u"平年値年"_s).back(0xFFC0FF).fore(kSysButtonText).font(9.75, true));
    add(c, label(u"Label1"_s, 9690, 1005, 780, 315).back(0xFFFFFF).fore(0x800000).font(11.25, true).center().border());

    // Value table: a column a month and the year, the temperatures above the
    // precipitation.
    const Column columns[13] = {
        {1, 3, u"１月"_s, kSysButtonText}, {2, 8, u"２月"_s, 0xFF0000},  {3, 9, u"３月"_s, 0xFF80FF},  {4, 10, u"４月"_s, 0xFF00},
        {5, 11, u"５月"_s, 0x8000},        {6, 12, u"６月"_s, 0xFFFF00}, {7, 13, u"７月"_s, 0xFF00FF}, {8, 14, u"８月"_s, 0xFF},
        {9, 15, u"９月"_s, 0x800080},      {10, 4, u"１０月"_s, 0x8080}, {11, 5, u"１１月"_s, 0x40C0}, {12, 6, u"１２月"_s, 0xFF8080},
        {13, 7, u"年間"_s, 0x4000},
    };
    for (const Column& col : columns) {
        add(c, label(u"lblLabels"_s, cellLeft(col.month), 1530, kCellWidth, 255)
                   .at(col.caption)
                   .caption_(col.text)
                   .back(0xC0FFFF)
                   .fore(col.fore)
                   .font(12, true)
                   .center());
    }
    add(c, label(u"Label5"_s, 270, 1845, 570, 255).caption_(u"気温"_s).back(0xC0FFFF).fore(0x80).font(12, true));
    add(c, label(u"Label6"_s, 270, 2160, 570, 255).caption_(u"降水"_s).back(0xC0FFFF).fore(0x4000).font(12, true));
    for (int i = 1; i <= 13; ++i) {
        add(c, label(u"Label2"_s, cellLeft(i), 1815, kCellWidth, 300).at(i).back(0xFFFFFF).fore(0xC0).font(11.25, true).right().border());
        add(c, label(u"Label3"_s, cellLeft(i), 2130, kCellWidth, 300)
                   .at(i)
                   .back(0xFFFFFF)
                   .fore(i == 12 ? 0x800000 : 0x4000)
                   .font(11.25, true)
                   .right()
                   .border());
    }
    // The row's ID, right of the table: out of sight at the standard width, and shown
    // from the first capture on white on.
    add(c, label(u"Label38"_s, 11940, 1845, 300, 255).caption_(u"ID"_s).back(0xFFC0FF).fore(kSysButtonText).font(9.75, true).hidden());
    add(c, label(u"Label39"_s, 12270, 1815, 600, 300).back(0xFFFFFF).fore(0xFF00FF).font(11.25, true).center().hidden());

    // Counters and the labels the data reach the window through, all hidden.
    add(c, label(u"Label15"_s, 12960, 6600, 600, 255).caption_(u"0"_s).hidden());
    add(c, label(u"Label16"_s, 13590, 6600, 450, 255).caption_(u"1"_s).back(kPale).hidden());
    add(c, label(u"Label17"_s, 14040, 6600, 450, 255).caption_(u"年間"_s).back(kPale).hidden());
    add(c, label(u"Label46"_s, 12960, 6900, 600, 255).caption_(u"0"_s).hidden());
    add(c, label(u"Label45"_s, 13590, 6900, 1050, 255).caption_(u"Label45"_s).hidden());
    add(c, label(u"Label36"_s, 12960, 7200, 1200, 255).hidden());
    add(c, label(u"Label52"_s, 14190, 7200, 450, 255).hidden());
    add(c, label(u"Label51"_s, 14190, 7500, 450, 255).hidden());
    add(c, label(u"Label32"_s, 12960, 7500, 600, 255).hidden());
    add(c, label(u"Label33"_s, 12960, 7800, 600, 255).hidden());
    add(c, label(u"Label34"_s, 13590, 7800, 600, 255).hidden());
    add(c, label(u"Label42"_s, 13590, 7500, 600, 255).hidden());
    add(c, label(u"Label43"_s, 14190, 7800, 450, 255).hidden());
    add(c, label(u"Label44"_s, 12960, 8100, 600, 255).hidden());
    add(c, label(u"Label47"_s, 13590, 8100, 600, 255).hidden());
    add(c, label(u"Label48"_s, 14190, 8100, 450, 255).hidden());
    for (int i = 1; i <= 13; ++i) {
        const double left = 12960 + 150 * (i - 1);
        add(c, label(u"Label30"_s, left, 0, 150, 240).at(i).hidden());
        add(c, label(u"Label31"_s, left, 240, 150, 240).at(i).hidden());
        add(c, label(u"Label40"_s, left, 4050, 150, 240).at(i).hidden());
        add(c, label(u"Label41"_s, left, 6300, 150, 240).at(i).hidden());
    }

    // Windowed controls, above everything drawn.
    add(c, spinButton(u"SpinButton1"_s, 8670, 90, 555, 570).tab(0));
    add(c, checkBox(u"Check2"_s, 9390, 30, 1155, 315).caption_(u"平年値"_s).back(kPale).fore(0x40).font(12, true).checked().tab(1));
    add(c, button(u"Command1"_s, 9390, 420, 1035, 405).caption_(u"クリア"_s).font(11.25).tab(2));
    add(c, formsCheckBox(u"CheckBox1"_s, 10560, 30, 1245, 315).caption_(u"累積表示"_s).back(kPale).font(10.5).disabled().tab(3));
    add(c, formsCheckBox(u"CheckBox4"_s, 10560, 300, 1245, 315).caption_(u"目盛変更"_s).back(kPale).font(10.5).tab(4));
    add(c, formsCheckBox(u"CheckBox3"_s, 10560, 570, 1215, 315).caption_(u"月表示"_s).back(kPale).font(10.5).checked().tab(5));

    f.menus = menuTree();
    return f;
}

std::vector<MenuDesign> Form55::menuTree() {
    return {
        menuItem(1, u"file_select"_s, u" 日本ファイル(&F ) "_s),
        menuItem(2, u"Step_Run"_s, u"ステップ表示モード"_s),
        menuItem(2, u"jkghjghhj"_s, u"-"_s),
        menuItem(2, u"select_hokkaido"_s, u"北海道地方"_s),
        menuItem(2, u"select_touhok"_s, u"東北地方"_s),
        menuItem(2, u"select_kanto"_s, u"関東地方"_s),
        menuItem(2, u"select_kinki"_s, u"近畿・中部地方"_s),
        menuItem(2, u"select_tyugok"_s, u"中国・四国地方"_s),
        menuItem(2, u"select_kyusyu"_s, u"九州地方"_s),
        menuItem(2, u"select_okinawa"_s, u"沖縄・南西諸島"_s),
        menuItem(2, u"ldung"_s, u"-"_s).hidden(),
        menuItem(2, u"aeria_Parret"_s, u"地域選択パレット"_s).hidden(),
        menuItem(2, u"paret"_s, u"-"_s),
        menuItem(2, u"Form_end"_s, u"終了"_s),
        menuItem(1, u"World_View"_s, u" 世界ファイル(&W ) "_s),
        menuItem(2, u"W_Uro"_s, u"ヨーロッパ"_s),
        menuItem(2, u"W_Rossia"_s, u"ロシア・中東"_s),
        menuItem(2, u"W_Asia"_s, u"アジア"_s),
        menuItem(2, u"W_Afrika"_s, u"アフリカ"_s),
        menuItem(2, u"W_N_America"_s, u"北アメリカ"_s),
        menuItem(2, u"W_S_America"_s, u"南アメリカ"_s),
        menuItem(2, u"W_Oceania"_s, u"オセアニア"_s),
        menuItem(1, u"print_View"_s, u" 印刷 "_s),
        menuItem(2, u"View_White"_s, u"白地に変更"_s),
        menuItem(2, u"View_gray"_s, u"淡地に変更"_s).disabled(),
        menuItem(2, u"hbnk"_s, u"-"_s),
        menuItem(2, u"View_BKWT"_s, u"白黒画面"_s),
        menuItem(2, u"View_Color"_s, u"カラー画面"_s),
        menuItem(2, u"mkinjh"_s, u"-"_s),
        menuItem(2, u"Print_White"_s, u"白地で印刷"_s),
        menuItem(2, u"Print_Black_White"_s, u"白黒で印刷"_s),
        menuItem(2, u"Print_Gray"_s, u"カラー印刷"_s),
        menuItem(2, u"fbik"_s, u"-"_s).hidden(),
        menuItem(1, u"Form_Capt"_s, u" キャプチャー "_s),
        menuItem(2, u"Cap_White"_s, u"白地"_s),
        menuItem(2, u"Cap_Gray"_s, u"淡地"_s),
        menuItem(1, u"Rain_Ondo_Graph"_s, u" 雨温図グラフ  "_s),
        menuItem(1, u"Hyther_mode"_s, u" ruvirov "_s),
        menuItem(1, u"auto_View"_s, u" 手動入力モード "_s).hidden().disabled(),
        menuItem(1, u"option_VIew"_s, u" オプション "_s),
        menuItem(2, u"Yokohaba_wide"_s, u"横幅最大"_s),
        menuItem(2, u"Yo_tatenaga_Max"_s, u"縦長最大"_s),
        menuItem(2, u"Yokohaba_defolt"_s, u"標準画面"_s).checked_(),
        menuItem(2, u"ljhbt"_s, u"-"_s),
        menuItem(2, u"F_keppen"_s, u"ケッペン区分図１"_s),
        menuItem(2, u"F_keppen_2"_s, u"ケッペン区分図２"_s),
        menuItem(2, u"hsbvu"_s, u"-"_s),
        menuItem(2, u"Point_size"_s, u"点の大きさ"_s),
        menuItem(3, u"Point_Very_Big"_s, u"特大"_s),
        menuItem(3, u"Point_Big"_s, u"大"_s),
        menuItem(3, u"Point_Mid"_s, u"中"_s).checked_(),
        menuItem(3, u"Point_Mini"_s, u"小"_s),
        menuItem(2, u"kdidk"_s, u"-"_s),
        menuItem(2, u"tuki_ichi"_s, u"月数字位置調整"_s),
        menuItem(1, u"help_View"_s, u" ヘルプ "_s),
        menuItem(2, u"Readme_View"_s, u"Readme"_s),
        menuItem(2, u"kisyou_data"_s, u"気象庁データについて"_s),
        menuItem(2, u"kisyocho_V"_s, u"気象庁 統計WEB"_s),
        menuItem(2, u"adsasd"_s, u"開発元サイト"_s),
        menuItem(2, u"install_Guide"_s, u"インストールガイド"_s),
        menuItem(2, u"Readme_New_dev"_s, u"更新履歴"_s),
        menuItem(2, u"mkixh"_s, u"-"_s),
        menuItem(2, u"ver_access"_s, u"バージョンINFO"_s),
    };
}

}  // namespace twograph
