// Region 5: the Chugoku and Shikoku picker.

#include "pickers/tables/RegionBuilder.h"

using namespace Qt::Literals::StringLiterals;

namespace pickers::detail {

JapanRegion chugokuShikoku() {
    JapanRegion r;
    r.region = 5;
    r.window = u"Form37"_s;
    r.dbFile = u"Hyther_DB/Chugok_Hyser_Data.mdb"_s;
    r.letsEventsRun = false;
    r.mapFile = u"W_GIF/Map_Tyugok_Sikok.gif"_s;
    r.mapLoadedByOwner = false;
    r.design = pickerWindow(u"Form37"_s, u"地域選択"_s, 9375, 6900);

    std::vector<forms::ControlDesign> fixed = {
        labelButton(270, 180, 1755, 435, u"ラベル非表示"_s),
        markerButton(2280, 180, 1635, 435),
        instruction(4140, 240, 5055, 315),
        mapImage(120, 840, 9120, 5910),
    };

    // label, name, table, label rectangle, marker, marker left/top, picture
    const std::vector<StationRow> rows = {
        {u"Label2"_s, u"鳥取"_s, u"Tottori_Hyser_Data"_s, 5760, 1740, 555, 255, u"Image2"_s, 5820, 1980, Marker::Dot31},
        {u"Label3"_s, u"松江"_s, u"Matsue_Hyser_Data"_s, 3300, 1980, 585, 255, u"Image3"_s, 3960, 2280, Marker::Dot16},
        {u"Label4"_s, u"岡山"_s, u"Okayama_Hyser_Data"_s, 5100, 3060, 615, 255, u"Image4"_s, 5160, 3300, Marker::Dot31},
        {u"Label5"_s, u"広島"_s, u"Hiroshima_Hyser_Data"_s, 2760, 3480, 585, 255, u"Image5"_s, 2880, 3840, Marker::Dot16},
        {u"Label6"_s, u"高松"_s, u"Takamatsu_Hyser_Data"_s, 5820, 3840, 615, 255, u"Image6"_s, 5460, 3780, Marker::Dot31},
        {u"Label7"_s, u"徳島"_s, u"Tokushima_Hyser_Data"_s, 6660, 4200, 615, 255, u"Image7"_s, 6240, 4140, Marker::Dot31},
        {u"Label8"_s, u"山口"_s, u"Yamaguchi_Hyser_Data"_s, 1200, 4620, 585, 225, u"Image8"_s, 1260, 4200, Marker::Dot16},
        {u"Label9"_s, u"松山"_s, u"Matsuyama_Hyser_Data"_s, 2760, 4680, 555, 240, u"Image9"_s, 3240, 4560, Marker::Dot31},
        {u"Label10"_s, u"高知"_s, u"Kouchi_Hyser_Data"_s, 4620, 5340, 585, 255, u"Image10"_s, 4680, 4920, Marker::Dot31},
        {u"Label11"_s, u"多度津"_s, u"Tadotsu_Hyser_Data"_s, 4620, 4260, 825, 255, u"Image11"_s, 5100, 4020, Marker::Ring16},
        {u"Label12"_s, u"宇和島"_s, u"Uwajima_Hyser_Data"_s, 2160, 5580, 840, 255, u"Image12"_s, 3060, 5580, Marker::Ring16},
        {u"Label13"_s, u"剣山"_s, u"Tsurugisan_Hyser_Data"_s, 5640, 4920, 600, 255, u"Image13"_s, 5640, 4680, Marker::Ring16},
        {u"Label14"_s, u"宿毛"_s, u"Sukumo_Hyser_Data"_s, 2640, 6240, 615, 255, u"Image14"_s, 3300, 6060, Marker::Ring16},
        {u"Label15"_s, u"清水"_s, u"Shimizu_Hyser_Data"_s, 4080, 6360, 735, 255, u"Image15"_s, 3840, 6360, Marker::Ring16},
        {u"Label16"_s, u"室戸岬"_s, u"Murotomisaki_Hyser_Data"_s, 5640, 5760, 840, 255, u"Image16"_s, 5760, 5520, Marker::Ring16},
        {u"Label17"_s, u"下関"_s, u"Shimonoseki_Hyser_Data"_s, 180, 4200, 615, 255, u"Image17"_s, 300, 4500, Marker::Ring16},
        {u"Label18"_s, u"呉"_s, u"Kure_Hyser_Data"_s, 3420, 4080, 495, 255, u"Image18"_s, 3120, 4080, Marker::Ring16},
        {u"Label19"_s, u"福山"_s, u"Fukuyama_Hyser_Data"_s, 4200, 3420, 615, 255, u"Image19"_s, 4440, 3720, Marker::Ring16},
        {u"Label20"_s, u"姫路"_s, u"Himeji_Hyser_Data"_s, 6420, 2880, 675, 255, u"Image20"_s, 6660, 3180, Marker::Ring16},
        {u"Label21"_s, u"洲本"_s, u"Sumoto_Hyser_Data"_s, 7260, 3840, 615, 255, u"Image21"_s, 6960, 3840, Marker::Ring16},
        {u"Label22"_s, u"西郷"_s, u"Saigo_Hyser_Data"_s, 4620, 1080, 615, 255, u"Image22"_s, 4380, 1080, Marker::Ring16},
        {u"Label23"_s, u"境"_s, u"Sakai_Hyser_Data"_s, 4140, 1740, 615, 255, u"Image23"_s, 4260, 2040, Marker::Ring16},
        {u"Label24"_s, u"米子"_s, u"Yonago_Hyser_Data"_s, 4200, 2520, 555, 255, u"Image24"_s, 4380, 2280, Marker::Ring16},
        {u"Label25"_s, u"豊岡"_s, u"Toyooka_Hyser_Data"_s, 6720, 1620, 615, 255, u"Image25"_s, 6960, 2040, Marker::Ring16},
        {u"Label26"_s, u"舞鶴"_s, u"Maizuru_Hyser_Data"_s, 7860, 1740, 615, 255, u"Image26"_s, 7800, 2160, Marker::Ring16},
        {u"Label27"_s, u"萩"_s, u"Hagi_Hyser_Data"_s, 900, 3450, 495, 255, u"Image27"_s, 1140, 3780, Marker::Ring16},
        {u"Label28"_s, u"浜田"_s, u"Hamada_Hyser_Data"_s, 1920, 2700, 615, 255, u"Image28"_s, 2280, 3060, Marker::Ring16},
        {u"Label29"_s, u"津山"_s, u"Tsuyama_Hyser_Data"_s, 5280, 2460, 615, 255, u"Image29"_s, 5460, 2700, Marker::Ring16},
    };

    const auto labelOf = [](const StationRow& row) { return stationLabel(row, 0xC0FFFF, forms::kPGothic); };

    // The window's own stacking. Where a station's label and marker overlap, this order
    // decides which takes the click: Image29 over Label29; Label2, Label4, Label6,
    // Label7, Label9 and Label10 over their markers.
    QStringList stack = {u"Command2"_s, u"Command1"_s};
    stack << run(u"Image"_s, 29, 22) << run(u"Label"_s, 29, 22) << run(u"Image"_s, 21, 17) << run(u"Label"_s, 21, 17)
          << run(u"Image"_s, 16, 11) << run(u"Label"_s, 16, 9) << run(u"Image"_s, 10, 8) << run(u"Label"_s, 8, 2)
          << QStringList{u"Image2"_s, u"Image4"_s, u"Image5"_s, u"Image6"_s, u"Image7"_s, u"Image3"_s} << u"Label1"_s << u"Image1"_s;
    assemble(r, std::move(fixed), rows, labelOf, stack);

    r.labelToggle = run(u"Label"_s, 2, 29);
    r.markerToggle = run(u"Image"_s, 2, 29);
    return r;
}

}  // namespace pickers::detail
