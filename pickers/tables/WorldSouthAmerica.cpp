// The South America picker: Central America, the Caribbean, South America and, below the
// map with a note of its position, the Antarctic station ボストーク基地.

#include "pickers/tables/RegionBuilder.h"
#include "pickers/tables/WorldBuilder.h"

using namespace Qt::Literals::StringLiterals;

namespace pickers::detail {

WorldRegion southAmerica(Family family) {
    WorldDesign d;
    d.area = WorldArea::SouthAmerica;
    d.family = family;
    d.window = windowOf(family, {u"Form11", u"Form86", u"Form21", u"Form106"});
    d.mapPicture = u":/maps/world_south_america.gif"_s;
    d.mapWidth = 15120;
    d.mapStretched = true;
    d.mapInDesign = family != Family::TwoGraph;
    if (family != Family::Climograph) d.fixed.push_back(creditLine(u"Label34"_s, 180, 9990));
    d.fixed.push_back(forms::label(u"Label32"_s, 8310, 10380, 1815, 255)
                          .caption_(u"78.27S  106.52E"_s)
                          .fore(0x400000)
                          .transparent()
                          .font(forms::kPGothic, 11.25));
    // Lines 1 and 9 run from the label to the marker, the others from the marker.
    const double lines[9][4] = {
        {3630, 2400, 4500, 2400}, {4680, 2550, 4170, 2640}, {4950, 2490, 4590, 2880}, {5280, 2940, 4920, 3300}, {6300, 3420, 5730, 3600},
        {7830, 2820, 8280, 2730}, {8130, 3180, 8610, 3090}, {8430, 3360, 9000, 3420}, {6210, 5880, 6960, 5700},
    };
    for (int i = 0; i < 9; ++i) {
        const auto& l = lines[i];
        d.fixed.push_back(forms::line(u"Line"_s + QString::number(i + 1), l[0], l[1], l[2], l[3]));
    }

    // label, caption, label rectangle, marker, marker left/top
    d.rows = {
        {u"Label1"_s, u"メキシコ"_s, 3390, 1530, 885, 255, u"Image2"_s, 3660, 1830},
        {u"Label2"_s, u"サンサルバドル"_s, 2490, 2580, 1680, 255, u"Image3"_s, 4650, 2400},
        {u"Label3"_s, u"ブラジリア"_s, 8550, 5250, 1200, 255, u"Image4"_s, 9000, 5490},
        {u"Label4"_s, u"カラカス"_s, 6660, 2970, 1035, 255, u"Image5"_s, 7020, 2760},
        {u"Label5"_s, u"ボゴタ"_s, 4980, 3540, 720, 255, u"Image13"_s, 6270, 3300},
        {u"Label6"_s, u"ハバナ"_s, 4710, 1260, 795, 255, u"Image6"_s, 5370, 1380},
        {u"Label7"_s, u"キングストン"_s, 5520, 2190, 1335, 255, u"Image7"_s, 5940, 1950},
        {u"Label8"_s, u"サルヴァドル"_s, 10350, 5130, 1425, 255, u"Image14"_s, 9990, 5160},
        {u"Label9"_s, u"リオデジャネイロ"_s, 9960, 6180, 1860, 255, u"Image10"_s, 9510, 6210},
        {u"Label10"_s, u"ジョージタウン"_s, 8730, 2940, 1530, 255, u"Image19"_s, 7920, 3120},
        {u"Label11"_s, u"ブリッジタウン"_s, 8040, 2220, 1500, 255, u"Image20"_s, 7770, 2430},
        {u"Label12"_s, u"ナッソー"_s, 6240, 1080, 885, 255, u"Image8"_s, 5910, 1170},
        {u"Label14"_s, u"キト"_s, 5040, 3960, 585, 255, u"Image16"_s, 5760, 3900},
        {u"Label15"_s, u"チョルテカ"_s, 3450, 2910, 1290, 255, u"Image21"_s, 4860, 2310},
        {u"Label16"_s, u"サントドミンゴ"_s, 6930, 1590, 1560, 255, u"Image17"_s, 6660, 1890},
        {u"Label17"_s, u"サンパウロ"_s, 9270, 6570, 1245, 255, u"Image15"_s, 9150, 6270},
        {u"Label18"_s, u"サンホセ"_s, 3960, 3300, 1080, 255, u"Image9"_s, 5190, 2760},
        {u"Label19"_s, u"トリニダード"_s, 8280, 2610, 1380, 255, u"Image11"_s, 7590, 2730},
        {u"Label20"_s, u"パラマリボ"_s, 9060, 3300, 1170, 255, u"Image23"_s, 8220, 3240},
        {u"Label21"_s, u"グアテマラ"_s, 2400, 2280, 1275, 255, u"Image22"_s, 4470, 2310},
        {u"Label22"_s, u"ベリーズ"_s, 4500, 1710, 990, 255, u"Image12"_s, 4740, 1920},
        {u"Label23"_s, u"マナオス"_s, 7440, 4380, 1080, 255, u"Image18"_s, 7710, 4140},
        {u"Label24"_s, u"リマ"_s, 5340, 5040, 525, 255, u"Image24"_s, 5940, 5010},
        {u"Label25"_s, u"ラパス"_s, 5430, 5790, 825, 255, u"Image25"_s, 6930, 5580},
        {u"Label26"_s, u"ＰＵＤＡＨＵＥＬ"_s, 4830, 7260, 1635, 255, u"Image26"_s, 6600, 7260},
        {u"Label27"_s, u"アスンシオン"_s, 7650, 6180, 1395, 255, u"Image27"_s, 8010, 6420},
        {u"Label28"_s, u"ローチャ"_s, 8760, 7500, 1065, 255, u"Image28"_s, 8340, 7440},
        {u"Label29"_s, u"ブエノスアイレス"_s, 8130, 7920, 1815, 255, u"Image29"_s, 7890, 7470},
        {u"Label30"_s, u"ウスワイア"_s, 7050, 9870, 1275, 255, u"Image30"_s, 6870, 9570},
        {u"Label31"_s, u"ボストーク基地"_s, 6180, 10380, 1695, 255, u"Image31"_s, 7920, 10410},
    };

    d.labelToggle = run(u"Label"_s, 1, 12) + run(u"Label"_s, 14, 31) + run(u"Line"_s, 1, 9);
    d.markerToggle = run(u"Image"_s, 2, 31);
    return assembleWorld(std::move(d));
}

}  // namespace pickers::detail
