// The Russia and Middle East picker: Eastern Europe, Siberia, the Caucasus, Central Asia
// and the Gulf. Its longest name is handed over in smaller type.

#include "pickers/tables/RegionBuilder.h"
#include "pickers/tables/WorldBuilder.h"

using namespace Qt::Literals::StringLiterals;

namespace pickers::detail {

WorldRegion russiaMiddleEast(Family family) {
    WorldDesign d;
    d.area = WorldArea::RussiaMiddleEast;
    d.family = family;
    d.window = windowOf(family, {u"Form5", u"Form82", u"Form15", u"Form102"});
    d.mapPicture = u":/maps/world_russia.gif"_s;
    d.mapWidth = 15120;
    d.mapStretched = true;
    d.mapInDesign = family != Family::TwoGraph;
    if (family != Family::Climograph) d.fixed.push_back(creditLine(u"Label34"_s, 150, 9990));
    d.fixed.push_back(forms::line(u"Line1"_s, 3540, 6690, 3720, 6390));

    // label, caption, label rectangle, marker, marker left/top
    d.rows = {
        {u"Label1"_s, u"ディクソン"_s, 7740, 2070, 1185, 255, u"Image2"_s, 8130, 2400},
        {u"Label2"_s, u"オムスク"_s, 6960, 4050, 960, 255, u"Image3"_s, 7290, 4320},
        {u"Label3"_s, u"アンマン"_s, 3420, 6990, 945, 255, u"Image4"_s, 3360, 6780},
        {u"Label4"_s, u"タシケント"_s, 6480, 5520, 1065, 255, u"Image5"_s, 6840, 5790},
        {u"Label5"_s, u"トビリシ"_s, 3810, 5400, 900, 255, u"Image13"_s, 4200, 5700},
        {u"Label6"_s, u"タリン"_s, 1650, 3630, 705, 255, u"Image6"_s, 2160, 3870},
        {u"Label7"_s, u"サンクトペテルブルグ"_s, 2880, 3840, 2355, 255, u"Image7"_s, 2610, 3870},
        {u"Label8"_s, u"エルサレム"_s, 1980, 6840, 1230, 255, u"Image14"_s, 3210, 6810},
        {u"Label9"_s, u"リャド"_s, 4200, 7680, 690, 255, u"Image10"_s, 4470, 7440},
        {u"Label10"_s, u"アシハバード"_s, 5190, 5910, 1425, 255, u"Image19"_s, 5700, 6090},
        {u"Label11"_s, u"キエフ"_s, 2820, 5010, 735, 255, u"Image20"_s, 2730, 4830},
        {u"Label12"_s, u"オイミャコン"_s, 13650, 3120, 1395, 255, u"Image8"_s, 14790, 3480},
        {u"Label14"_s, u"バグダッド"_s, 4380, 6630, 1185, 255, u"Image16"_s, 4170, 6600},
        {u"Label15"_s, u"イルクーツク"_s, 9840, 4260, 1425, 255, u"Image21"_s, 10560, 4590},
        {u"Label16"_s, u"カウナス"_s, 1110, 4260, 930, 255, u"Image17"_s, 2040, 4350},
        {u"Label17"_s, u"クウェート"_s, 4740, 6990, 1140, 255, u"Image15"_s, 4560, 7020},
        {u"Label18"_s, u"ウラジオストク"_s, 12870, 5280, 1515, 255, u"Image9"_s, 13530, 5550},
        {u"Label19"_s, u"カラガンダ"_s, 7470, 4800, 1140, 255, u"Image11"_s, 7230, 4830},
        {u"Label20"_s, u"ダマスカス"_s, 3420, 6180, 1185, 255, u"Image23"_s, 3390, 6630},
        {u"Label21"_s, u"モスクワ"_s, 3750, 4320, 915, 255, u"Image22"_s, 3510, 4320},
        {u"Label22"_s, u"ミンスク"_s, 2130, 4560, 960, 255, u"Image12"_s, 2400, 4410},
        {u"Label23"_s, u"ベイルート"_s, 2190, 6480, 1110, 255, u"Image18"_s, 3240, 6570},
        {u"Label24"_s, u"テヘラン"_s, 5190, 6360, 975, 255, u"Image24"_s, 4950, 6390},
        {u"Label25"_s, u"カンダハル"_s, 6300, 6960, 1275, 255, u"Image25"_s, 6510, 6750},
        {u"Label26"_s, u"バーレーン"_s, 5010, 7290, 1245, 255, u"Image26"_s, 4800, 7410},
        {u"Label27"_s, u"アブダビ"_s, 4830, 7890, 945, 255, u"Image27"_s, 5310, 7530},
        {u"Label28"_s, u"マスカット"_s, 5820, 7650, 1095, 255, u"Image28"_s, 5610, 7650},
    };
    d.smallerType = u"Label7"_s;

    d.labelToggle = run(u"Label"_s, 1, 12) + run(u"Label"_s, 14, 28);
    d.labelToggle << u"Line1"_s;
    d.markerToggle = run(u"Image"_s, 2, 28);
    return assembleWorld(std::move(d));
}

}  // namespace pickers::detail
