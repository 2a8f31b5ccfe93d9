// The Europe picker: from Iceland to Turkey and Cyprus, with five leader lines from the
// crowded Low Countries and the Danube to labels set apart.

#include "pickers/tables/RegionBuilder.h"
#include "pickers/tables/WorldBuilder.h"

using namespace Qt::Literals::StringLiterals;

namespace pickers::detail {

WorldRegion europe(Family family) {
    WorldDesign d;
    d.area = WorldArea::Europe;
    d.family = family;
    d.window = windowOf(family, {u"Form3", u"Form81", u"Form13", u"Form101"});
    d.mapPicture = u":/maps/world_europe.gif"_s;
    d.mapWidth = 15060;
    d.mapStretched = false;
    d.mapInDesign = family != Family::TwoGraph;
    if (family != Family::Climograph) d.fixed.push_back(creditLine(u"Label34"_s, 9210, 10050));
    d.fixed.push_back(forms::line(u"Line1"_s, 9210, 5820, 10680, 5400));
    d.fixed.push_back(forms::line(u"Line2"_s, 9810, 6480, 11760, 5850));
    d.fixed.push_back(forms::line(u"Line6"_s, 6510, 4890, 5850, 3840));
    d.fixed.push_back(forms::line(u"Line7"_s, 6240, 5220, 3780, 5550));
    d.fixed.push_back(forms::line(u"Line8"_s, 6660, 5490, 4020, 5880));

    // label, caption, label rectangle, marker, marker left/top
    d.rows = {
        {u"Label1"_s, u"オスロ"_s, 6780, 3120, 765, 255, u"Image2"_s, 7560, 3210},
        {u"Label2"_s, u"コペンハーゲン"_s, 6210, 4020, 1710, 255, u"Image3"_s, 7920, 4080},
        {u"Label3"_s, u"プラハ"_s, 8550, 5220, 765, 255, u"Image4"_s, 8340, 5250},
        {u"Label4"_s, u"マドリード"_s, 4050, 7560, 1080, 255, u"Image5"_s, 4380, 7290},
        {u"Label5"_s, u"パリ"_s, 5610, 6060, 540, 255, u"Image13"_s, 5850, 5790},
        {u"Label6"_s, u"ストックホルム"_s, 8370, 3600, 1665, 255, u"Image6"_s, 9090, 3390},
        {u"Label7"_s, u"ロンドン"_s, 4590, 4740, 915, 255, u"Image7"_s, 5280, 4950},
        {u"Label8"_s, u"ウィーン"_s, 8310, 5910, 915, 255, u"Image14"_s, 8730, 5670},
        {u"Label9"_s, u"ブラチスラバ"_s, 10650, 5250, 1410, 255, u"Image10"_s, 9000, 5700},
        {u"Label10"_s, u"リスボン"_s, 2490, 7680, 915, 255, u"Image19"_s, 3420, 7680},
        {u"Label11"_s, u"ルクセンブルク"_s, 2310, 5790, 1695, 255, u"Image20"_s, 6600, 5370},
        {u"Label12"_s, u"ヘルシンキ"_s, 10110, 2790, 1215, 255, u"Image8"_s, 10620, 3120},
        {u"Label14"_s, u"ブダペスト"_s, 9630, 5880, 1095, 255, u"Image16"_s, 9360, 5850},
        {u"Label15"_s, u"デ・ビルト"_s, 5190, 3570, 1020, 255, u"Image21"_s, 6450, 4860},
        {u"Label16"_s, u"ダブリン"_s, 3030, 4590, 915, 255, u"Image17"_s, 3960, 4560},
        {u"Label17"_s, u"ワルシャワ"_s, 9390, 4620, 1200, 255, u"Image15"_s, 9900, 4920},
        {u"Label18"_s, u"ブリュッセル"_s, 2400, 5460, 1440, 255, u"Image9"_s, 6210, 5100},
        {u"Label19"_s, u"チューリヒ"_s, 6630, 6120, 1140, 255, u"Image11"_s, 7050, 5880},
        {u"Label22"_s, u"レイキャビク"_s, 270, 2580, 1365, 255, u"Image12"_s, 720, 2310},
        {u"Label23"_s, u"ベルリン"_s, 7080, 4770, 1005, 255, u"Image18"_s, 8070, 4770},
        {u"Label24"_s, u"ベオグラード"_s, 11790, 5730, 1455, 255, u"Image24"_s, 9630, 6390},
        {u"Label25"_s, u"スコピエ"_s, 9510, 7230, 915, 255, u"Image25"_s, 9840, 7020},
        {u"Label26"_s, u"ブカレスト"_s, 11100, 6420, 1155, 255, u"Image26"_s, 10860, 6420},
        {u"Label27"_s, u"ソフィア"_s, 10560, 6780, 915, 255, u"Image27"_s, 10320, 6810},
        {u"Label28"_s, u"ローマ"_s, 7650, 7320, 795, 255, u"Image28"_s, 7980, 7020},
        {u"Label29"_s, u"ルカ・バレッタ"_s, 7800, 8490, 1575, 255, u"Image29"_s, 8340, 8280},
        {u"Label30"_s, u"アテネ"_s, 10350, 8010, 735, 255, u"Image30"_s, 10320, 7800},
        {u"Label31"_s, u"イスタンブール"_s, 11520, 6900, 1635, 255, u"Image31"_s, 11340, 7140},
        {u"Label32"_s, u"アンカラ"_s, 11880, 7650, 975, 255, u"Image32"_s, 12180, 7440},
        {u"Label33"_s, u"ラルナカ・ニコシア"_s, 11940, 8670, 2025, 255, u"Image33"_s, 12360, 8430},
    };

    d.labelToggle = run(u"Label"_s, 1, 12) + run(u"Label"_s, 14, 19) + run(u"Label"_s, 22, 33);
    d.labelToggle << u"Line1"_s << u"Line2"_s << u"Line6"_s << u"Line7"_s << u"Line8"_s;
    d.markerToggle = run(u"Image"_s, 2, 21) + run(u"Image"_s, 24, 33);
    return assembleWorld(std::move(d));
}

}  // namespace pickers::detail
