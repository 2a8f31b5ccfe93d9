// The Asia picker: South, Southeast, Central and East Asia. マニラ・アキノ, which the
// Oceania picker offers too, stands apart: neither button hides its label or marker.

#include "pickers/tables/RegionBuilder.h"
#include "pickers/tables/WorldBuilder.h"

using namespace Qt::Literals::StringLiterals;

namespace pickers::detail {

WorldRegion asia(Family family) {
    WorldDesign d;
    d.area = WorldArea::Asia;
    d.family = family;
    d.window = windowOf(family, {u"Form6", u"Form83", u"Form16", u"Form103"});
    d.mapPicture = u":/maps/world_asia.gif"_s;
    d.mapWidth = 15120;
    d.mapStretched = true;
    d.mapInDesign = true;  // the two-graph window's copy too
    if (family != Family::Climograph) d.fixed.push_back(creditLine(u"Label36"_s, 150, 10050));

    // label, caption, label rectangle, marker, marker left/top
    d.rows = {
        {u"Label1"_s, u"ペシャーワル"_s, 2550, 3990, 1485, 255, u"Image2"_s, 3060, 3750},
        {u"Label2"_s, u"マドラス"_s, 4710, 7080, 855, 255, u"Image3"_s, 4470, 7110},
        {u"Label3"_s, u"シンガポール"_s, 8550, 8910, 1425, 255, u"Image4"_s, 8250, 8910},
        {u"Label4"_s, u"ソウル"_s, 12420, 3210, 810, 255, u"Image5"_s, 11970, 3240},
        {u"Label5"_s, u"ピョンヤン"_s, 12150, 2790, 1140, 255, u"Image13"_s, 11760, 2850},
        {u"Label6"_s, u"ダッカ"_s, 6360, 5430, 765, 255, u"Image6"_s, 6150, 5340},
        {u"Label7"_s, u"ニューデリー"_s, 3570, 4920, 1425, 255, u"Image7"_s, 3990, 4680},
        {u"Label8"_s, u"クアラルンプール"_s, 8160, 8520, 1845, 255, u"Image14"_s, 7890, 8550},
        {u"Label9"_s, u"ハノイ"_s, 8820, 5880, 870, 255, u"Image10"_s, 8550, 5820},
        {u"Label10"_s, u"プサン"_s, 12510, 3570, 780, 255, u"Image19"_s, 12210, 3540},
        {u"Label11"_s, u"カトマンズ"_s, 5010, 4500, 1095, 255, u"Image20"_s, 5310, 4770},
        {u"Label12"_s, u"カラチ"_s, 1860, 5400, 735, 255, u"Image8"_s, 2370, 5160},
        {u"Label14"_s, u"ハルビン"_s, 11550, 1620, 1035, 255, u"Image16"_s, 11850, 1890},
        {u"Label15"_s, u"コロンボ"_s, 4170, 8340, 990, 255, u"Image21"_s, 4470, 8010},
        {u"Label16"_s, u"チェラプンジ"_s, 6660, 5070, 1365, 255, u"Image17"_s, 6420, 5100},
        {u"Label17"_s, u"ビエンチャン"_s, 8370, 6240, 1425, 255, u"Image15"_s, 8040, 6240},
        {u"Label18"_s, u"ウランバートル"_s, 8190, 1770, 1590, 255, u"Image9"_s, 8730, 1530},
        {u"Label19"_s, u"香港"_s, 9960, 5790, 675, 255, u"Image11"_s, 9870, 5610},
        {u"Label20"_s, u"ヤンゴン"_s, 6300, 6240, 990, 255, u"Image23"_s, 7020, 6480},
        {u"Label21"_s, u"ボンベイ"_s, 2370, 6090, 945, 255, u"Image22"_s, 3300, 6090},
        {u"Label22"_s, u"カルカッタ"_s, 5370, 5850, 1110, 255, u"Image12"_s, 5790, 5580},
        {u"Label23"_s, u"バンコク"_s, 7560, 6660, 975, 255, u"Image18"_s, 7740, 6930},
        {u"Label24"_s, u"ウルムチ"_s, 5250, 1980, 1035, 255, u"Image24"_s, 5610, 2220},
        {u"Label25"_s, u"カシガル"_s, 4080, 2910, 945, 255, u"Image25"_s, 3810, 2910},
        {u"Label26"_s, u"ランチョウ蘭州"_s, 7470, 3180, 1665, 255, u"Image26"_s, 8190, 3450},
        {u"Label27"_s, u"シェンヤン瀋陽"_s, 10650, 2280, 1635, 255, u"Image27"_s, 11400, 2490},
        {u"Label28"_s, u"ペキン北京"_s, 9780, 2610, 1275, 255, u"Image28"_s, 10230, 2880},
        {u"Label29"_s, u"ラサ"_s, 6420, 4470, 555, 255, u"Image29"_s, 6210, 4470},
        {u"Label30"_s, u"チョンツー成都"_s, 7530, 3960, 1695, 255, u"Image30"_s, 8310, 4230},
        {u"Label31"_s, u"クンミン昆明"_s, 8280, 5160, 1365, 255, u"Image31"_s, 8040, 5160},
        {u"Label32"_s, u"シーアン西安"_s, 8700, 3480, 1605, 255, u"Image32"_s, 9000, 3690},
        {u"Label33"_s, u"ウーハン武漢"_s, 9240, 4560, 1635, 255, u"Image33"_s, 9900, 4290},
        {u"Label34"_s, u"シャンハイ上海"_s, 11250, 4200, 1695, 255, u"Image34"_s, 10980, 4200},
        {u"Label35"_s, u"タイペイ台北"_s, 11250, 5190, 1485, 255, u"Image35"_s, 11010, 5220},
    };
    // マニラ・アキノ: the climograph window's copy names its label Label36, where the
    // others keep their credit line, and places it and its marker a little differently.
    switch (family) {
    case Family::Climograph:
        d.rows.push_back({u"Label36"_s, u"マニラ・アキノ"_s, 11340, 6660, 1605, 315, u"Image36"_s, 10980, 6870});
        break;
    case Family::TwoGraph: d.rows.push_back({u"Label37"_s, u"マニラ・アキノ"_s, 11370, 6600, 1575, 285, u"Image36"_s, 11010, 6840}); break;
    case Family::Hythergraph:
    case Family::StepMode: d.rows.push_back({u"Label37"_s, u"マニラ・アキノ"_s, 11340, 6600, 1575, 285, u"Image36"_s, 11010, 6840}); break;
    }
    const QString manila = d.rows.back().label;

    d.labelToggle = run(u"Label"_s, 1, 12) + run(u"Label"_s, 14, 35);
    d.markerToggle = run(u"Image"_s, 2, 35);
    WorldRegion r = assembleWorld(std::move(d));
    forms::ControlDesign& label = worldControl(r, manila);
    label.backColor.reset();
    label.alignment = forms::Align::Left;
    return r;
}

}  // namespace pickers::detail
