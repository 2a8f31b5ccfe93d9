// The Oceania picker: the western Pacific from the Philippines and Indonesia to Hawaii,
// with Australia and New Zealand. Station 57196 carries the name under which the owner's
// station lookup knows it, and stands where that name puts it.

#include "pickers/tables/RegionBuilder.h"
#include "pickers/tables/WorldBuilder.h"

using namespace Qt::Literals::StringLiterals;

namespace pickers::detail {

namespace {

// Station 57196 under the name that the owner's lookup knows it by, where that name puts it.
WorldRow newZealand(Family family) {
    switch (family) {
    case Family::TwoGraph: return {u"Label11"_s, u"ウェリントン"_s, 9870, 8520, 1305, 255, u"Image20"_s, 9600, 8520};
    case Family::Climograph: return {u"Label11"_s, u"ウェリントン"_s, 9810, 7920, 1305, 255, u"Image20"_s, 9570, 8070};
    case Family::Hythergraph:
    case Family::StepMode: break;
    }
    return {u"Label11"_s, u"オークランド"_s, 9840, 7920, 1305, 255, u"Image20"_s, 9570, 8040};
}

}  // namespace

WorldRegion oceania(Family family) {
    WorldDesign d;
    d.area = WorldArea::Oceania;
    d.family = family;
    d.window = windowOf(family, {u"Form12", u"Form87", u"Form22", u"Form107"});
    d.mapPicture = u":/maps/world_oceania.gif"_s;
    d.mapWidth = 15120;
    d.mapStretched = true;
    d.mapInDesign = family != Family::TwoGraph;
    if (family != Family::Climograph) d.fixed.push_back(creditLine(u"Label34"_s, 150, 10020));

    // label, caption, label rectangle, marker, marker left/top
    d.rows = {
        {u"Label1"_s, u"ホノルル"_s, 12660, 1890, 1035, 255, u"Image2"_s, 12420, 1950},
        {u"Label2"_s, u"スバ"_s, 10200, 6030, 510, 255, u"Image3"_s, 9900, 6060},
        {u"Label3"_s, u"マニラ・アキノ"_s, 4170, 2610, 1500, 255, u"Image4"_s, 3930, 2730},
        {u"Label4"_s, u"パース"_s, 2580, 7530, 780, 255, u"Image5"_s, 3390, 7530},
        {u"Label5"_s, u"アリススプリングス"_s, 4440, 6510, 1980, 255, u"Image13"_s, 5220, 6750},
        {u"Label6"_s, u"マジュロ"_s, 9150, 3390, 945, 255, u"Image6"_s, 8940, 3420},
        {u"Label7"_s, u"コロール"_s, 5610, 3390, 945, 255, u"Image7"_s, 5340, 3420},
        {u"Label8"_s, u"ジャカルタ"_s, 2610, 4740, 1200, 255, u"Image14"_s, 2430, 4860},
        {u"Label10"_s, u"シドニー"_s, 7410, 7710, 960, 255, u"Image19"_s, 7080, 7740},
        newZealand(family),
        {u"Label12"_s, u"アガナ"_s, 6720, 2790, 705, 255, u"Image8"_s, 6420, 2790},
        {u"Label15"_s, u"アピア"_s, 11190, 5640, 750, 255, u"Image21"_s, 10950, 5640},
        {u"Label16"_s, u"ホニアラ"_s, 8280, 5130, 990, 255, u"Image17"_s, 8040, 5160},
        {u"Label18"_s, u"マダン"_s, 6720, 4710, 690, 255, u"Image9"_s, 6480, 4740},
        {u"Label19"_s, u"ダーウィン"_s, 4710, 5250, 1170, 255, u"Image11"_s, 5010, 5520},
        {u"Label20"_s, u"メルボルン"_s, 6510, 8370, 1215, 255, u"Image23"_s, 6390, 8190},
        {u"Label21"_s, u"フナフティ"_s, 10230, 4980, 1125, 255, u"Image22"_s, 9990, 4980},
        {u"Label22"_s, u"タラワ"_s, 9630, 3990, 675, 255, u"Image12"_s, 9390, 4020},
        {u"Label23"_s, u"キャンベラ"_s, 7170, 7980, 1170, 255, u"Image18"_s, 6870, 7890},
    };

    d.labelToggle = run(u"Label"_s, 1, 8) + run(u"Label"_s, 10, 12) + run(u"Label"_s, 15, 16) + run(u"Label"_s, 18, 23);
    d.markerToggle = run(u"Image"_s, 2, 9) + run(u"Image"_s, 11, 14) + run(u"Image"_s, 17, 23);
    return assembleWorld(std::move(d));
}

}  // namespace pickers::detail
