// The design of the hythergraph main window: every control with its place (twips),
// captions, colours and fonts, in stacking order (later rows lie above earlier ones).
// The design's client area is wider than the window it opens at; the strip right of
// about x 11900 parks hidden labels, month numbers and joining lines.
#include "hythergraph/Hyser_Main.h"

using namespace chart;
using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace hythergraph {

namespace {

void add(std::vector<ControlDesign>& out, ControlDesign d) { out.push_back(std::move(d)); }

// Row captions of the value table: index, caption, left, top, width, text colour.
struct RowCaption {
    int index;
    QString caption;
    double left, top, width;
    Color fore;
};

}  // namespace

FormDesign Hyser_Main::design() {
    FormDesign f;
    f.name = u"Hyser_Main"_s;
    f.caption = u"ruvirov Veranth"_s;
    f.clientWidth = 14700;
    f.clientHeight = 8145;
    f.backColor = 0xE4EFEF;
    f.borderStyle = BorderStyle::Sizable;
    auto& c = f.controls;

    // Panels under the value table and the station facts.
    add(c, label(u"Label10"_s, 210, 1230, 3075, 6585).back(0xC0FFFF).border());
    add(c, label(u"Label25"_s, 240, 6960, 3015, 825).back(0xFFC0FF));

    // The chart: plot area, the band below 0 °C, the frame, the grid, the axis captions.
    add(c, label(u"Label7"_s, 4185, 930, 6615, 6540).back(0xFFFFFF));
    add(c, label(u"Label8"_s, 4185, 5325, 6600, 2190).back(0xFFFFC0));
    add(c, shape(u"Shape1"_s, 4170, 930, 6630, 6600).border(0x000000));
    add(c, line(u"Line1"_s, 4170, 5310, 10785, 5310).border(0x808080));  // 0 °C
    add(c, line(u"Line2"_s, 4170, 3105, 10785, 3105).border(0xC0C0C0));  // 20 °C
    add(c, line(u"Line3"_s, 4170, 4215, 10785, 4215).border(0xC0C0C0));  // 10 °C
    add(c, line(u"Line4"_s, 4170, 2010, 10785, 2010).border(0xC0C0C0));  // 30 °C
    add(c, line(u"Line5"_s, 4170, 6405, 10785, 6405).border(0xC0C0C0));  // -10 °C
    add(c, line(u"Line7"_s, 5265, 945, 5265, 7530).border(0xC0C0C0));    // 100 mm
    add(c, line(u"Line8"_s, 6375, 945, 6375, 7530).border(0xC0C0C0));    // 200 mm
    add(c, line(u"Line6"_s, 7470, 945, 7470, 7530).border(0xC0C0C0));    // 300 mm
    add(c, line(u"Line9"_s, 8580, 945, 8580, 7530).border(0xC0C0C0));    // 400 mm
    add(c, line(u"Line10"_s, 9675, 945, 9675, 7530).border(0xC0C0C0));   // 500 mm

    const double tempTops[7] = {810, 1830, 2910, 4020, 5130, 6210, 7350};
    const QString tempCaptions[7] = {u"40"_s, u"30"_s, u"20"_s, u"10"_s, u"０"_s, u"-10"_s, u"-20"_s};
    for (int i = 0; i <= 6; ++i) {
        const double left = i == 5 ? 3600 : i == 6 ? 3570 : 3720;
        add(c, label(u"Label12"_s, left, tempTops[i], 555, 375)
                   .at(i)
                   .caption_(tempCaptions[i])
                   .fore(i <= 3 ? 0x40 : 0x800000)
                   .back(0xE4EFEF)
                   .font(18)
                   .transparent());
    }
    const double rainLefts[7] = {4080, 5010, 6090, 7200, 8310, 9420, 10485};
    for (int i = 0; i <= 6; ++i) {
        add(c, label(u"Label13"_s, rainLefts[i], 7620, 690, 375)
                   .at(i)
                   .caption_(QString::number(100 * i))
                   .fore(0x4000)
                   .back(0xE4EFEF)
                   .font(18)
                   .transparent());
    }
    add(c, label(u"Label11"_s, 3600, 7710, 375, 330).caption_(u"℃"_s).fore(0x80).back(0xE4EFEF).font(12, true).transparent());
    add(c, label(u"Label14"_s, 11100, 7680, 600, 330).caption_(u"ｍｍ"_s).fore(0x4000).back(0xE4EFEF).font(12, true).transparent());

    // The points drawn on the window lie above the plot area, the band and the grid, and
    // beneath the chart's objects, so that each marker covers its own point.
    add(c, drawingSurface());

    // The chart's objects, above the grid: joining lines, markers, month numbers.
    for (int i = 1; i <= 12; ++i) {
        add(c, line(u"Line11"_s, 12330, 300 + 150 * i, 13410, 300 + 150 * i).at(i).border(0x404040).width_(2));
    }
    const Color markerColors[13] = {0,        0x0,  0xFF0000, 0xFF80FF, 0x80FF80, 0xC000,  0xFFFF00,
                                    0xFF00FF, 0xFF, 0x800080, 0xFFFF,   0x60FF,   0xFF8080};
    for (int i = 1; i <= 12; ++i) {
        auto m = shape(u"Shape3"_s, 0, 2010 + static_cast<int>(2400.0 * (i - 1) / 11 + 0.5), 90, 90)
                     .at(i)
                     .kindOf(ShapeKind::Circle)
                     .fill(markerColors[i]);
        if (i != 1) m.border(markerColors[i]);  // January keeps the default border colour
        add(c, m);
    }
    for (int i = 1; i <= 13; ++i) {
        auto n = label(u"Label28"_s, i <= 6 ? 13500 : 13830, 2400 + 300 * ((i - 1) % 7), 300, 255)
                     .at(i)
                     .caption_(QString::number(i))
                     .fore(0x4000)
                     .back(0xE4EFEF)
                     .font(12, true)
                     .transparent();
        if (i == 13) n.hidden();
        add(c, n);
    }

    // Header row.
    add(c, label(u"Label29"_s, 210, 90, 3810, 585).caption_(u"東京"_s).back(0xC0FFC0).fore(0x4000).font(24).center().border());
    add(c, label(u"Label53"_s, 210, 780, 3075, 465).back(0xC0C0FF).fore(0x800000).font(20.25).center().border());
    add(c, label(u"Label4"_s, 6690, 90, 1515, 585).back(0xFFFFFF).fore(0xC0).font(24).center().border());
    add(c, label(u"Label19"_s, 6780, 165, 1365, 465).caption_(u"平年値"_s).back(0xFFFFFF).fore(0xFF0000).font(21.75).center());
    add(c, label(u"Label9"_s, 4080, 180, 2595, 465).caption_(u"ruvirov"_s).fore(0x4000).back(0xE4EFEF).font(20.25).transparent());

    // Value table.
    add(c, label(u"Label5"_s, 1020, 1380, 1065, 285).caption_(u"平均気温"_s).back(0xC0FFFF).fore(0x80).font(12, true));
    add(c, label(u"Label6"_s, 2070, 1380, 1035, 285).caption_(u"月降水量"_s).back(0xC0FFFF).fore(0x4000).font(12, true));
    for (int i = 1; i <= 13; ++i) {
        const double top = i <= 12 ? 1710 + 390 * (i - 1) : 6480;
        add(c, label(u"Label2"_s, 1035, top, 990, 420).at(i).back(0xFFFFFF).fore(0xC0).font(15.75, true).right().border());
        add(c, label(u"Label3"_s, 2040, top, 1110, 420).at(i).back(0xFFFFFF).fore(0x4000).font(15.75, true).right().border());
    }
    const RowCaption rows[] = {
        {3, u"１月"_s, 450, 1770, 495, kSysButtonText}, {8, u"２月"_s, 450, 2160, 495, 0xFF0000},
        {9, u"３月"_s, 450, 2580, 495, 0xFF80FF},       {10, u"４月"_s, 450, 2970, 495, 0x90FF90},
        {11, u"５月"_s, 450, 3360, 495, 0x8000},        {12, u"６月"_s, 450, 3750, 495, 0xFFFF00},
        {13, u"７月"_s, 450, 4170, 495, 0xFF00FF},      {14, u"８月"_s, 450, 4530, 495, 0xFF},
        {15, u"９月"_s, 450, 4920, 495, 0x800080},      {4, u"１０月"_s, 330, 5310, 615, 0x8080},
        {5, u"１１月"_s, 330, 5700, 615, 0x60FF},       {6, u"１２月"_s, 330, 6090, 615, 0xFF8080},
        {7, u"年間"_s, 330, 6540, 585, 0x4000},
    };
    for (const RowCaption& r : rows) {
        add(c, label(u"lblLabels"_s, r.left, r.top, r.width, 255)
                   .at(r.index)
                   .caption_(r.caption)
                   .back(0xC0FFFF)
                   .fore(r.fore)
                   .font(12, true)
                   .right());
    }

    // Station facts.
    add(c, label(u"Label23"_s, 315, 7110, 435, 255).caption_(u"緯度"_s).back(0xFFC0FF).fore(kSysButtonText).font(9.75, true));
    add(c, label(u"Label26"_s, 315, 7470, 435, 255).caption_(u"経度"_s).back(0xFFC0FF).fore(kSysButtonText).font(9.75, true));
    add(c, label(u"Label24"_s, 1995, 7080, 435, 195).caption_(u"標高"_s).back(0xFFC0FF).fore(kSysButtonText).font(9, true));
    add(c, label(u"Label27"_s, 2100, 7260, 255, 180).caption_(u"ｍ"_s).back(0xFFC0FF).fore(kSysButtonText).font(8.25));
    add(c, label(u"Label20"_s, 750, 7050, 1170, 315).back(0x8080FF).fore(0x800000).font(12, true).center().border());
    add(c, label(u"Label21"_s, 750, 7410, 1170, 315).back(0xC0FFC0).fore(0x800000).font(12, true).center().border());
    add(c, label(u"Label22"_s, 2415, 7050, 780, 315).back(0xFFFF00).fore(0x800000).font(12, true).center().border());
    add(c, label(u"Label54"_s, 2055, 7500, 285, 195).caption_(u"年"_s).back(0xFFC0FF).font(9).center());
    add(c, label(u"Label1"_s, 2415, 7410, 780, 315).back(0xFFFFFF).fore(0x800000).font(11.25, true).center().border());
    add(c, label(u"Label49"_s, 240, 7830, 1545, 315).caption_(u"統計切断"_s).back(0xFFFF).font(14.25, true).hidden());
    add(c, label(u"Label50"_s, 1890, 7830, 1395, 315).caption_(u"欠測あり"_s).back(0xFF).font(14.25, true));

    // Counters and the labels the data reach the window through, all hidden in the
    // parking strip.
    add(c, label(u"Label15"_s, 12330, 2400, 600, 255).caption_(u"0"_s).hidden());
    add(c, label(u"Label18"_s, 12960, 2400, 1200, 255).caption_(u"枠外打点数"_s).hidden());
    add(c, label(u"Label16"_s, 12330, 2700, 600, 255).caption_(u"1"_s).hidden());
    add(c, label(u"Label17"_s, 12960, 2700, 600, 255).caption_(u"年間"_s).hidden());
    add(c, label(u"Label46"_s, 12330, 3000, 600, 255).caption_(u"0"_s).hidden());
    add(c, label(u"Label36"_s, 12330, 3300, 1200, 255).hidden());
    add(c, label(u"Label32"_s, 12330, 3600, 600, 255).hidden());
    add(c, label(u"Label33"_s, 12960, 3600, 600, 255).hidden());
    add(c, label(u"Label34"_s, 13590, 3600, 600, 255).hidden());
    add(c, label(u"Label52"_s, 14220, 3600, 450, 255).hidden());
    add(c, label(u"Label39"_s, 12330, 3900, 600, 255).hidden());
    add(c, label(u"Label42"_s, 12330, 4200, 600, 255).hidden());
    add(c, label(u"Label43"_s, 12960, 4200, 600, 255).hidden());
    add(c, label(u"Label44"_s, 13590, 4200, 600, 255).hidden());
    add(c, label(u"Label51"_s, 14220, 4200, 450, 255).hidden());
    add(c, label(u"Label47"_s, 12330, 4500, 600, 255).hidden());
    add(c, label(u"Label48"_s, 12960, 4500, 600, 255).hidden());
    for (int i = 1; i <= 13; ++i) {
        const double top = 4800 + 240 * (i - 1);
        add(c, label(u"Label30"_s, 12330, top, 500, 240).at(i).hidden());
        add(c, label(u"Label31"_s, 12840, top, 500, 240).at(i).hidden());
        add(c, label(u"Label40"_s, 13350, top, 500, 240).at(i).hidden());
        add(c, label(u"Label41"_s, 13860, top, 500, 240).at(i).hidden());
    }
    add(c, label(u"Label35"_s, 12330, 8000, 600, 255).caption_(u"平年値"_s).hidden());
    add(c, label(u"Label37"_s, 12960, 8000, 600, 255).caption_(u"各年値"_s).hidden());
    add(c, label(u"Label38"_s, 13590, 8000, 300, 255).caption_(u"ID"_s).hidden());
    add(c, label(u"Label45"_s, 13950, 8000, 600, 255).caption_(u"Label45"_s).hidden());
    add(c, shape(u"Shape2"_s, 12330, 8300, 600, 300).hidden());

    // Windowed controls, above everything drawn.
    add(c, spinButton(u"SpinButton1"_s, 8250, 90, 555, 570).tab(0));
    add(c, checkBox(u"Check2"_s, 8970, 30, 1155, 315).caption_(u"平年値"_s).back(0xE4EFEF).fore(0x40).font(12, true).checked().tab(1));
    add(c, button(u"Command1"_s, 8970, 420, 1035, 405).caption_(u"クリア"_s).font(11.25).tab(2));
    add(c, formsCheckBox(u"CheckBox1"_s, 10140, 30, 1245, 315).caption_(u"累積表示"_s).back(0xE4EFEF).font(10.5).disabled().tab(3));
    add(c, formsCheckBox(u"CheckBox4"_s, 10140, 300, 1245, 315).caption_(u"目盛変更"_s).back(0xE4EFEF).font(10.5).tab(4));
    add(c, formsCheckBox(u"CheckBox3"_s, 10140, 570, 1215, 315).caption_(u"月表示"_s).back(0xE4EFEF).font(10.5).checked().tab(5));

    f.menus = menuTree();
    return f;
}

std::vector<MenuDesign> Hyser_Main::menuTree() {
    return {
        menuItem(1, u"file_select"_s, u" 日本ファイル(&F ) "_s),
        menuItem(2, u"Step_Run"_s, u"ステップ表示モード"_s),
        menuItem(2, u"hjmghjkg"_s, u"-"_s),
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
        menuItem(2, u"fimkc"_s, u"-"_s),
        menuItem(2, u"Print_White"_s, u"白地で印刷"_s),
        menuItem(2, u"Print_Black_White"_s, u"白黒で印刷"_s),
        menuItem(2, u"Print_Gray"_s, u"カラー印刷"_s),
        menuItem(2, u"fbik"_s, u"-"_s).hidden(),
        menuItem(1, u"Form_Capt"_s, u" キャプチャー "_s),
        menuItem(2, u"Cap_White"_s, u"白地"_s),
        menuItem(2, u"Cap_Gray"_s, u"淡地"_s),
        menuItem(1, u"Rain_Ondo_Graph"_s, u" 雨温図グラフ  "_s),
        menuItem(1, u"graph_2_mode"_s, u" ２グラフ "_s),
        menuItem(1, u"auto_View"_s, u" 手動入力 "_s),
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
        menuItem(2, u"nyunryun"_s, u"-"_s),
        menuItem(2, u"tuki_set"_s, u"月数字位置調整"_s),
        menuItem(2, u"Paper_Fubuki"_s, u"紙ふぶき"_s).hidden().disabled(),
        menuItem(1, u"help_View"_s, u" ヘルプ "_s),
        menuItem(2, u"Readme_View"_s, u"Readme"_s),
        menuItem(2, u"kisyou_data"_s, u"気象庁データについて"_s),
        menuItem(2, u"kisyocho_V"_s, u"気象庁 統計WEB"_s),
        menuItem(2, u"Orvell_web"_s, u"開発元サイト"_s),
        menuItem(2, u"install_Guide"_s, u"インストールガイド"_s),
        menuItem(2, u"Readme_New_dev"_s, u"更新履歴"_s),
        menuItem(2, u"mkixh"_s, u"-"_s),
        menuItem(2, u"ver_access"_s, u"バージョンINFO"_s),
    };
}

}  // namespace hythergraph
