// The Africa picker: the continent with Madagascar and the islands of the Indian Ocean,
// and サル of the Cape Verde Islands. The crowded coast of West Africa sends fifteen
// leader lines out to labels set apart.

#include "pickers/tables/RegionBuilder.h"
#include "pickers/tables/WorldBuilder.h"

using namespace Qt::Literals::StringLiterals;

namespace pickers::detail {

WorldRegion africa(Family family) {
    WorldDesign d;
    d.area = WorldArea::Africa;
    d.family = family;
    d.window = windowOf(family, {u"Form7", u"Form84", u"Form17", u"Form104"});
    d.mapPicture = u":/maps/world_africa.gif"_s;
    d.mapWidth = 15120;
    d.mapStretched = true;
    d.mapInDesign = family != Family::TwoGraph;
    if (family != Family::Climograph) d.fixed.push_back(creditLine(u"Label47"_s, 150, 10080));
    // From the marker to the label.
    const double lines[15][4] = {
        {3420, 4860, 3000, 5010}, {3510, 5040, 3000, 5340},  {3660, 5250, 3120, 5640}, {5670, 5430, 5100, 6600}, {5910, 5940, 5400, 6960},
        {6120, 6420, 5610, 7410}, {6270, 6870, 5820, 7710},  {5130, 5250, 4590, 6330}, {4980, 5280, 4380, 6030}, {4710, 5280, 3660, 6300},
        {4380, 5370, 3060, 6420}, {9960, 7980, 10200, 8280}, {4680, 4620, 2880, 6090}, {3180, 4650, 2760, 4770}, {3090, 4350, 2640, 4470},
    };
    for (int i = 0; i < 15; ++i) {
        const auto& l = lines[i];
        d.fixed.push_back(forms::line(u"Line"_s + QString::number(i + 1), l[0], l[1], l[2], l[3]));
    }

    // label, caption, label rectangle, marker, marker left/top
    d.rows = {
        {u"Label1"_s, u"ラバト"_s, 3360, 2040, 735, 255, u"Image2"_s, 4170, 2160},
        {u"Label2"_s, u"ビサオ"_s, 2010, 4680, 735, 255, u"Image3"_s, 3150, 4530},
        {u"Label3"_s, u"アジスアベバ"_s, 9090, 4890, 1410, 255, u"Image4"_s, 8850, 4890},
        {u"Label4"_s, u"アスワン"_s, 7830, 3060, 930, 255, u"Image5"_s, 8220, 3270},
        {u"Label5"_s, u"カイロ"_s, 7830, 2310, 750, 255, u"Image13"_s, 8040, 2640},
        {u"Label6"_s, u"チュニス"_s, 5790, 1710, 975, 255, u"Image6"_s, 5850, 1980},
        {u"Label7"_s, u"ニアメ"_s, 5190, 4260, 795, 255, u"Image7"_s, 5010, 4350},
        {u"Label8"_s, u"モガディシュ"_s, 9780, 5550, 1365, 255, u"Image14"_s, 9570, 5520},
        {u"Label9"_s, u"ナイロビ"_s, 8910, 5940, 915, 255, u"Image10"_s, 8670, 5940},
        {u"Label10"_s, u"ハルツーム"_s, 7710, 4470, 1230, 255, u"Image19"_s, 8220, 4230},
        {u"Label11"_s, u"ポートルイス"_s, 11070, 7890, 1440, 255, u"Image20"_s, 10830, 7920},
        {u"Label12"_s, u"アルジェ"_s, 4590, 1710, 975, 255, u"Image8"_s, 5100, 1980},
        {u"Label14"_s, u"セーシェル"_s, 10860, 6270, 1155, 255, u"Image16"_s, 10620, 6270},
        {u"Label15"_s, u"コナクリ"_s, 2100, 4950, 855, 255, u"Image21"_s, 3390, 4740},
        {u"Label16"_s, u"バマコ"_s, 3810, 4200, 705, 255, u"Image17"_s, 3990, 4440},
        {u"Label17"_s, u"ダルエスサラーム"_s, 9120, 6540, 1980, 255, u"Image15"_s, 8880, 6510},
        {u"Label18"_s, u"ルンギ"_s, 2190, 5280, 870, 255, u"Image9"_s, 3480, 4890},
        {u"Label19"_s, u"トリポリ"_s, 6150, 2130, 945, 255, u"Image11"_s, 6180, 2370},
        {u"Label20"_s, u"アスマラ"_s, 8550, 3960, 900, 255, u"Image23"_s, 8850, 4170},
        {u"Label21"_s, u"ダカール"_s, 1710, 4380, 975, 255, u"Image22"_s, 3060, 4230},
        {u"Label22"_s, u"ヌアクショット"_s, 1440, 3690, 1440, 255, u"Image12"_s, 3180, 3840},
        {u"Label23"_s, u"ジブチ"_s, 9510, 4560, 750, 255, u"Image18"_s, 9270, 4590},
        {u"Label24"_s, u"キガリ"_s, 7680, 6330, 795, 255, u"Image24"_s, 7950, 6120},
        {u"Label25"_s, u"ポアントノアール"_s, 3870, 7380, 1845, 255, u"Image25"_s, 6030, 6240},
        {u"Label26"_s, u"リーブルビル"_s, 4050, 6990, 1455, 255, u"Image26"_s, 5820, 5730},
        {u"Label27"_s, u"ボセンベレ"_s, 6540, 5070, 1245, 255, u"Image27"_s, 6720, 5250},
        {u"Label28"_s, u"ンジャメナ"_s, 6450, 4290, 1185, 255, u"Image28"_s, 6420, 4500},
        {u"Label29"_s, u"ヤウンデ"_s, 6180, 5520, 975, 255, u"Image29"_s, 6030, 5340},
        {u"Label30"_s, u"ポートハーコート"_s, 3480, 6630, 1815, 255, u"Image30"_s, 5580, 5250},
        {u"Label31"_s, u"コトヌー"_s, 4230, 6330, 855, 255, u"Image31"_s, 5040, 5070},
        {u"Label32"_s, u"ロメ"_s, 4020, 6060, 525, 255, u"Image32"_s, 4890, 5100},
        {u"Label33"_s, u"クマシ"_s, 3300, 6330, 705, 255, u"Image33"_s, 4650, 5100},
        {u"Label34"_s, u"ワガドゥーグー"_s, 1380, 6120, 1635, 255, u"Image34"_s, 4620, 4470},
        {u"Label35"_s, u"アビジャン"_s, 2100, 6480, 1125, 255, u"Image35"_s, 4350, 5190},
        {u"Label36"_s, u"ロバーツポート"_s, 1590, 5580, 1605, 255, u"Image36"_s, 3630, 5100},
        {u"Label37"_s, u"ルアンダ"_s, 4860, 7740, 1035, 255, u"Image37"_s, 6210, 6720},
        {u"Label38"_s, u"アンタナナリボ"_s, 10170, 8280, 1605, 255, u"Image38"_s, 9780, 7800},
        {u"Label39"_s, u"マプート"_s, 8430, 8580, 945, 255, u"Image39"_s, 8190, 8520},
        {u"Label40"_s, u"カブウェ"_s, 7560, 7020, 1005, 255, u"Image40"_s, 7830, 7290},
        {u"Label41"_s, u"Chileka"_s, 8730, 7350, 915, 255, u"Image41"_s, 8460, 7380},
        {u"Label42"_s, u"ハラーレ"_s, 8220, 7710, 1005, 255, u"Image42"_s, 8010, 7650},
        {u"Label43"_s, u"ウィントフック"_s, 5160, 8160, 1485, 255, u"Image43"_s, 6660, 8160},
        {u"Label44"_s, u"プレトリア"_s, 7470, 8190, 1095, 255, u"Image44"_s, 7860, 8400},
        {u"Label45"_s, u"ケープタウン"_s, 6060, 9570, 1545, 255, u"Image45"_s, 6750, 9300},
        {u"Label46"_s, u"サル"_s, 1770, 4080, 615, 285, u"Image46"_s, 2400, 4110},
    };

    d.labelToggle = run(u"Label"_s, 1, 12) + run(u"Label"_s, 14, 46) + run(u"Line"_s, 1, 15);
    d.markerToggle = run(u"Image"_s, 2, 46);
    return assembleWorld(std::move(d));
}

}  // namespace pickers::detail
