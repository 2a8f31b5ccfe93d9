// Region 6: the Kyushu picker, with Tsushima and the Goto islands.

#include "pickers/tables/RegionBuilder.h"

using namespace Qt::Literals::StringLiterals;

namespace pickers::detail {

JapanRegion kyushu() {
    JapanRegion r;
    r.region = 6;
    r.window = u"Form23"_s;
    r.dbFile = u"Hyther_DB/Kyusyu_Hyser_Data.mdb"_s;
    r.letsEventsRun = false;
    r.mapFile = u"W_GIF/MAP_Kyushu.gif"_s;
    r.mapLoadedByOwner = false;
    r.design = pickerWindow(u"Form23"_s, u"地域選択"_s, 9375, 6900);

    std::vector<forms::ControlDesign> fixed = {
        labelButton(300, 180, 1695, 435, u"ラベル非表示"_s),
        markerButton(2280, 180, 1635, 435),
        instruction(4140, 210, 5055, 345),
        mapImage(150, 810, 9120, 5910),
    };

    // label, name, table, label rectangle, marker, marker left/top, picture
    const std::vector<StationRow> rows = {
        {u"Label2"_s, u"福岡"_s, u"Fukuoka_Hyser_Data"_s, 3840, 1980, 675, 255, u"Image2"_s, 4320, 2130, Marker::Dot31},
        {u"Label3"_s, u"長崎"_s, u"Nagasaki_Hyser_Data"_s, 2700, 3480, 735, 255, u"Image3"_s, 3450, 3360, Marker::Dot31},
        {u"Label4"_s, u"大分"_s, u"Ooita_Hyser_Data"_s, 6780, 2700, 675, 255, u"Image4"_s, 6300, 2670, Marker::Dot31},
        {u"Label5"_s, u"熊本"_s, u"Kumamoto_Hyser_Data"_s, 4680, 3600, 645, 255, u"Image5"_s, 4830, 3270, Marker::Dot31},
        {u"Label6"_s, u"宮崎"_s, u"Miyazaki_Hyser_Data"_s, 6450, 4800, 675, 255, u"Image6"_s, 6000, 4680, Marker::Dot31},
        {u"Label7"_s, u"鹿児島"_s, u"Kagosima_Hyser_Data"_s, 3720, 5280, 825, 255, u"Image7"_s, 4500, 5160, Marker::Dot31},
        {u"Label8"_s, u"佐賀"_s, u"Saga_Hyser_Data"_s, 3540, 2400, 645, 285, u"Image8"_s, 4080, 2580, Marker::Dot31},
        {u"Label9"_s, u"厳原"_s, u"Izuhara_Hyser_Data"_s, 2760, 1260, 675, 255, u"Image9"_s, 2520, 1260, Marker::Ring16},
        {u"Label10"_s, u"平戸"_s, u"Hirado_Hyser_Data"_s, 2730, 2220, 585, 255, u"Image10"_s, 3000, 2520, Marker::Ring16},
        {u"Label11"_s, u"飯塚"_s, u"Iizuka_Hyser_Data"_s, 4800, 1860, 585, 255, u"Image11"_s, 4860, 2160, Marker::Ring16},
        {u"Label12"_s, u"佐世保"_s, u"Sasebo_Hyser_Data"_s, 2460, 2820, 795, 255, u"Image12"_s, 3300, 2820, Marker::Ring16},
        {u"Label13"_s, u"日田"_s, u"Hita_Hyser_Data"_s, 5460, 2280, 525, 255, u"Image13"_s, 5340, 2580, Marker::Ring16},
        {u"Label14"_s, u"阿蘇山"_s, u"Asosan_Hyser_Data"_s, 5220, 3000, 825, 255, u"Image14"_s, 5520, 3240, Marker::Ring16},
        {u"Label15"_s, u"延岡"_s, u"Nobeoka_Hyser_Data"_s, 6900, 3660, 585, 255, u"Image15"_s, 6540, 3720, Marker::Ring16},
        {u"Label16"_s, u"阿久根"_s, u"Akune_Hyser_Data"_s, 3240, 4620, 795, 255, u"Image16"_s, 4080, 4620, Marker::Ring16},
        {u"Label17"_s, u"人吉"_s, u"Hitoyoshi_Hyser_Data"_s, 4470, 4260, 525, 255, u"Image17"_s, 5040, 4320, Marker::Ring16},
        {u"Label18"_s, u"都城"_s, u"Miyakonojo_Hyser_Data"_s, 5220, 5040, 555, 255, u"Image18"_s, 5400, 4860, Marker::Ring16},
        {u"Label19"_s, u"枕崎"_s, u"Makurazaki_Hyser_Data"_s, 3480, 5760, 675, 255, u"Image19"_s, 4260, 5760, Marker::Ring16},
        {u"Label20"_s, u"油津"_s, u"Aburatsu_Hyser_Data"_s, 6360, 5280, 675, 255, u"Image20"_s, 6060, 5280, Marker::Ring16},
        {u"Label21"_s, u"牛深"_s, u"Ushibuka_Hyser_Data"_s, 3060, 4260, 675, 255, u"Image21"_s, 3780, 4260, Marker::Ring16},
        {u"Label22"_s, u"福江"_s, u"Fukue_Hyser_Data"_s, 1560, 3900, 675, 255, u"Image22"_s, 1800, 3540, Marker::Ring16},
    };

    const auto labelOf = [](const StationRow& row) { return stationLabel(row, 0xC0FFFF, forms::kPGothic); };

    // The window's own stacking. It decides the click where controls overlap: Image18,
    // Image14 and Image8 over their labels; Label7, Label6, Label5 and Label2 over their
    // markers; and 佐賀's marker over a strip of 福岡's.
    QStringList stack = {u"Command2"_s, u"Command1"_s};
    stack << run(u"Image"_s, 22, 9) << run(u"Label"_s, 22, 9) << u"Image8"_s << run(u"Label"_s, 8, 2)
          << QStringList{u"Image2"_s, u"Image4"_s, u"Image5"_s, u"Image6"_s, u"Image7"_s, u"Image3"_s} << u"Label1"_s << u"Image1"_s;
    assemble(r, std::move(fixed), rows, labelOf, stack);

    r.labelToggle = run(u"Label"_s, 2, 22);
    r.markerToggle = run(u"Image"_s, 2, 22);
    return r;
}

}  // namespace pickers::detail
