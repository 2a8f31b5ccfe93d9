#include "input/InputDesign.h"

using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace input::design {
namespace {

// Row captions of the value table: index, caption, left, top below 「１月」, width, text colour.
struct RowCaption {
    int index;
    QString caption;
    double left, below, width;
    Color fore;
};

}  // namespace

void valueTableCaptions(std::vector<ControlDesign>& out, double top) {
    const double shift = top - 1800;
    out.push_back(label(u"Label10"_s, 210, 1260 + shift, 3090, 6585).back(0xC0FFFF));
    out.push_back(label(u"Label5"_s, 1020, 1410 + shift, 1065, 285).caption_(u"平均気温"_s).back(0xC0FFFF).fore(0x80).font(12, true));
    out.push_back(label(u"Label6"_s, 2070, 1410 + shift, 1035, 285).caption_(u"月降水量"_s).back(0xC0FFFF).fore(0x4000).font(12, true));
    const RowCaption rows[] = {
        {3, u"１月"_s, 450, 0, 495, kSysButtonText}, {4, u"１０月"_s, 330, 3540, 615, 0x8080},  {5, u"１１月"_s, 330, 3930, 615, 0x60FF},
        {6, u"１２月"_s, 330, 4320, 615, 0xFF8080},  {7, u"年間"_s, 330, 4770, 585, 0x4000},    {8, u"２月"_s, 450, 390, 495, 0xFF0000},
        {9, u"３月"_s, 450, 810, 495, 0xFF80FF},     {10, u"４月"_s, 450, 1200, 495, 0x90FF90}, {11, u"５月"_s, 450, 1590, 495, 0x8000},
        {12, u"６月"_s, 450, 1980, 495, 0xFFFF00},   {13, u"７月"_s, 450, 2400, 495, 0xFF00FF}, {14, u"８月"_s, 450, 2760, 495, 0xFF},
        {15, u"９月"_s, 450, 3150, 495, 0x800080},
    };
    for (const RowCaption& r : rows) {
        out.push_back(label(u"lblLabels"_s, r.left, top + r.below, r.width, 255)
                          .at(r.index)
                          .caption_(r.caption)
                          .back(0xC0FFFF)
                          .fore(r.fore)
                          .font(12, true)
                          .right());
    }
}

void monthBoxes(std::vector<ControlDesign>& out, double top, double yearTop, bool imeOff) {
    for (int column = 0; column < 2; ++column) {
        for (int i = 1; i <= 13; ++i) {
            const double t = i <= 12 ? top + 390 * (i - 1) : yearTop;
            ControlDesign box =
                column == 0 ? textBox(u"Text3"_s, 1050, t, 990, 420).fore(0xC0) : textBox(u"Text4"_s, 2040, t, 1102, 420).fore(0x4000);
            box.at(i).back(kSysWindow).font(15.75, true).right().tab(3 + 13 * column + i);
            if (imeOff) box.noIme();
            out.push_back(box);
        }
    }
}

void titleBoxes(std::vector<ControlDesign>& out, double placeWidth, double yearLeft, double yearWidth) {
    out.push_back(textBox(u"Text1"_s, 210, 90, placeWidth, 630).text(u"地域名"_s).back(0xC0FFC0).fore(0x4000).font(24).center().tab(1));
    out.push_back(textBox(u"Text2"_s, yearLeft, 90, yearWidth, 630).text(u"年"_s).back(kSysWindow).fore(0xC0).font(24).center().tab(2));
    out.push_back(textBox(u"Text8"_s, 210, 780, 3090, 480).text(u"国名"_s).back(0xC0C0FF).fore(0x400000).font(17.25).center().tab(3));
}

void temperatureAxis(std::vector<ControlDesign>& out) {
    const double tops[7] = {810, 1830, 2910, 4020, 5130, 6210, 7350};
    const QString captions[7] = {u"40"_s, u"30"_s, u"20"_s, u"10"_s, u"０"_s, u"-10"_s, u"-20"_s};
    for (int i = 0; i <= 6; ++i) {
        const double left = i == 5 ? 3600 : i == 6 ? 3570 : 3720;
        out.push_back(label(u"Label12"_s, left, tops[i], 555, 375)
                          .at(i)
                          .caption_(captions[i])
                          .fore(i <= 3 ? 0x40 : 0x800000)
                          .back(0xE4EFEF)
                          .font(18)
                          .transparent());
    }
    out.push_back(label(u"Label11"_s, 3600, 7710, 375, 330).caption_(u"℃"_s).fore(0x80).back(0xE4EFEF).font(12, true).transparent());
}

void markers(std::vector<ControlDesign>& out, int count) {
    const Color colours[14] = {0,        0x0,  0xFF0000, 0xFF80FF, 0x80FF80, 0xC000,   0xFFFF00,
                               0xFF00FF, 0xFF, 0x800080, 0xFFFF,   0x60FF,   0xFF8080, 0x0};
    for (int i = 1; i <= count; ++i) {
        auto m = shape(u"Shape3"_s, 0, 2370 + static_cast<int>(2400.0 * (std::min(i, 12) - 1) / 11 + 0.5), 90, 90)
                     .at(i)
                     .kindOf(ShapeKind::Circle)
                     .fill(colours[i])
                     .border(colours[i]);
        if (i == 13) m.hidden();
        out.push_back(m);
    }
}

void joiningLines(std::vector<ControlDesign>& out) {
    for (int i = 1; i <= 12; ++i) {
        out.push_back(line(u"Line11"_s, 12330, 300 + 150 * i, 13410, 300 + 150 * i).at(i).border(0x404040).width_(2).hidden());
    }
}

std::vector<MenuDesign> menus(const QString& otherChart, bool wide) {
    std::vector<MenuDesign> m = {
        menuItem(1, u"file_select"_s, u" 日本ファイル(&F ) "_s),
        menuItem(2, u"clear_suuji"_s, u"数値クリア"_s),
        menuItem(2, u"sep_file"_s, u"-"_s),
        menuItem(2, u"select_hokkaido"_s, u"北海道地方"_s).disabled(),
        menuItem(2, u"select_touhok"_s, u"東北地方"_s).disabled(),
        menuItem(2, u"select_kanto"_s, u"関東地方"_s).disabled(),
        menuItem(2, u"select_kinki"_s, u"近畿・中部地方"_s).disabled(),
        menuItem(2, u"select_tyugok"_s, u"中国・四国地方"_s).disabled(),
        menuItem(2, u"select_kyusyu"_s, u"九州地方"_s).disabled(),
        menuItem(2, u"select_okinawa"_s, u"沖縄・南西諸島"_s).disabled(),
        menuItem(2, u"sep_end"_s, u"-"_s),
        menuItem(2, u"Form_end"_s, u"終了"_s),
        menuItem(1, u"World_View"_s, u" 世界ファイル(&W ) "_s),
        menuItem(2, u"W_Asia"_s, u"アジア"_s).disabled(),
        menuItem(2, u"W_Uro"_s, u"ヨーロッパ"_s).disabled(),
        menuItem(2, u"W_Afrika"_s, u"アフリカ"_s).disabled(),
        menuItem(2, u"W_N_America"_s, u"北アメリカ"_s).disabled(),
        menuItem(2, u"W_S_America"_s, u"南アメリカ"_s).disabled(),
        menuItem(2, u"W_Oceania"_s, u"オセアニア"_s).disabled(),
        menuItem(1, u"print_View"_s, u" 印刷 "_s),
        menuItem(2, u"View_White"_s, u"白地に変更"_s),
        menuItem(2, u"View_gray"_s, u"淡地に変更"_s).disabled(),
        menuItem(2, u"sep_look"_s, u"-"_s),
        menuItem(2, u"View_BKWT"_s, u"白黒画面"_s),
        menuItem(2, u"View_Color"_s, u"カラー画面"_s),
        menuItem(2, u"sep_print"_s, u"-"_s),
        menuItem(2, u"Print_White"_s, u"白地で印刷"_s),
        menuItem(2, u"Print_Black_White"_s, u"白黒で印刷"_s),
        menuItem(2, u"Print_Gray"_s, u"カラー印刷"_s),
        menuItem(1, u"Form_Capt"_s, u" キャプチャー "_s),
        menuItem(2, u"Cap_White"_s, u"白地"_s),
        menuItem(2, u"Cap_Gray"_s, u"淡地"_s),
        menuItem(1, u"Rain_Ondo_Graph"_s, otherChart),
        menuItem(1, u"auto_View"_s, u" データベースモード "_s),
        menuItem(1, u"option_VIew"_s, u" オプション "_s),
    };
    if (wide) m.push_back(menuItem(2, u"Yokohaba_wide"_s, u"横幅最大"_s));
    const std::vector<MenuDesign> rest = {
        menuItem(2, u"Yo_tatenaga_Max"_s, u"縦長最大"_s),
        menuItem(2, u"Yokohaba_defolt"_s, u"標準画面"_s).checked_(),
        menuItem(2, u"sep_size"_s, u"-"_s),
        menuItem(2, u"Point_size"_s, u"点の大きさ"_s),
        menuItem(3, u"Point_Very_Big"_s, u"特大"_s),
        menuItem(3, u"Point_Big"_s, u"大"_s),
        menuItem(3, u"Point_Mid"_s, u"中"_s).checked_(),
        menuItem(3, u"Point_Mini"_s, u"小"_s),
        menuItem(1, u"help_View"_s, u" ヘルプ "_s),
        menuItem(2, u"Readme_View"_s, u"Readme"_s),
        menuItem(2, u"kisyou_data"_s, u"気象庁データについて"_s),
        menuItem(2, u"install_Guide"_s, u"インストールガイド"_s),
        menuItem(2, u"sep_help"_s, u"-"_s),
        menuItem(2, u"ver_access"_s, u"バージョンINFO"_s),
    };
    m.insert(m.end(), rest.begin(), rest.end());
    return m;
}

}  // namespace input::design
