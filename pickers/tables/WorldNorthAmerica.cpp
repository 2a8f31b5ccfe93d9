// The North America picker: from Alaska and the Arctic islands to Mexico and Florida.

#include "pickers/tables/RegionBuilder.h"
#include "pickers/tables/WorldBuilder.h"

using namespace Qt::Literals::StringLiterals;

namespace pickers::detail {

WorldRegion northAmerica(Family family) {
    WorldDesign d;
    d.area = WorldArea::NorthAmerica;
    d.family = family;
    d.window = windowOf(family, {u"Form10", u"Form85", u"Form20", u"Form105"});
    d.mapPicture = u":/maps/world_north_america.gif"_s;
    d.mapWidth = 15120;
    d.mapStretched = false;
    d.mapInDesign = family != Family::TwoGraph;
    if (family != Family::Climograph) d.fixed.push_back(creditLine(u"Label34"_s, 180, 9810));

    // label, caption, label rectangle, marker, marker left/top
    d.rows = {
        {u"Label1"_s, u"バロー"_s, 1410, 2220, 915, 255, u"Image2"_s, 1710, 2520},
        {u"Label2"_s, u"ダラス"_s, 7830, 6240, 675, 225, u"Image3"_s, 8040, 6450},
        {u"Label3"_s, u"メキシコ"_s, 6870, 8010, 975, 255, u"Image4"_s, 7770, 7980},
        {u"Label4"_s, u"ニューヨーク"_s, 10800, 5730, 1395, 255, u"Image5"_s, 10410, 5700},
        {u"Label5"_s, u"サンフランシスコ"_s, 3540, 6030, 1785, 255, u"Image13"_s, 5340, 6060},
        {u"Label6"_s, u"モントリオール"_s, 9720, 4920, 1635, 255, u"Image6"_s, 10350, 5160},
        {u"Label7"_s, u"エドモントン"_s, 5820, 4110, 1335, 255, u"Image7"_s, 6330, 4380},
        {u"Label8"_s, u"シアトル"_s, 4350, 4980, 900, 255, u"Image14"_s, 5310, 4980},
        {u"Label10"_s, u"ボストン"_s, 11010, 5460, 930, 255, u"Image19"_s, 10680, 5520},
        {u"Label11"_s, u"ワシントンＤ．Ｃ．"_s, 10440, 6000, 1890, 255, u"Image20"_s, 10110, 5910},
        {u"Label12"_s, u"アンカレジ"_s, 1080, 3540, 1275, 255, u"Image8"_s, 2370, 3540},
        {u"Label15"_s, u"ロサンゼルス"_s, 4380, 6540, 1470, 255, u"Image21"_s, 5790, 6450},
        {u"Label16"_s, u"エウレカ"_s, 8160, 1200, 1125, 255, u"Image17"_s, 8610, 1590},
        {u"Label18"_s, u"ラスヴェガス"_s, 6240, 6360, 1335, 255, u"Image9"_s, 6120, 6150},
        {u"Label19"_s, u"デンバー"_s, 6840, 5580, 1020, 255, u"Image11"_s, 7140, 5820},
        {u"Label20"_s, u"シカゴ"_s, 8310, 5430, 675, 255, u"Image23"_s, 8940, 5610},
        {u"Label21"_s, u"アトランタ"_s, 9030, 6210, 1035, 255, u"Image22"_s, 9390, 6420},
        {u"Label22"_s, u"マイアミ"_s, 10020, 7110, 855, 255, u"Image12"_s, 9750, 7200},
        {u"Label23"_s, u"デトロイト"_s, 9150, 5340, 1065, 255, u"Image18"_s, 9390, 5580},
    };

    for (const auto& row : d.rows) d.labelToggle << row.label;
    d.markerToggle = run(u"Image"_s, 2, 9) + run(u"Image"_s, 11, 14) + run(u"Image"_s, 17, 23);
    return assembleWorld(std::move(d));
}

}  // namespace pickers::detail
