// Region 1: the Hokkaido picker. Its map comes from the owner window, which loads it
// before every showing; its instruction label is Label13, among the station numbers.

#include "pickers/tables/RegionBuilder.h"

using namespace Qt::Literals::StringLiterals;

namespace pickers::detail {

JapanRegion hokkaido() {
    JapanRegion r;
    r.region = 1;
    r.window = u"Form2"_s;
    r.dbFile = u"Hyther_DB/Hokkaido_Hyser_Data.mdb"_s;
    r.letsEventsRun = false;
    r.mapFile = u"W_GIF/hokkaido_master.gif"_s;
    r.mapLoadedByOwner = true;
    r.design = pickerWindow(u"Form2"_s, u"データ選択"_s, 10470, 7710);

    std::vector<forms::ControlDesign> fixed = {
        labelButton(240, 120, 2055, 375, u"ラベル非表示"_s),
        markerButton(2580, 120, 1695, 375),
        forms::label(u"Label13"_s, 4560, 120, 5775, 375)
            .caption_(u"測候所、または都市名をクリックしてください"_s)
            .back(0xFFFFFF)
            .fore(0x4000)
            .border()
            .center()
            .font(forms::kPGothic, 14.25),
        mapImage(120, 720, 10260, 6900),
    };

    // label, name, table, label rectangle, marker, marker left/top, picture
    const std::vector<StationRow> rows = {
        {u"Label1"_s, u"帯広"_s, u"Obihiro_Hyser_Data"_s, 5520, 4440, 615, 255, u"Image2"_s, 5760, 4770, Marker::Ring16},
        {u"Label2"_s, u"札幌"_s, u"Sapporo_Hyser_Data"_s, 3210, 4140, 645, 255, u"Image3"_s, 3240, 4440, Marker::WideDot31},
        {u"Label3"_s, u"旭川"_s, u"Asahikawa_Hyser_Data"_s, 4560, 3240, 615, 255, u"Image4"_s, 4770, 3570, Marker::Ring16},
        {u"Label4"_s, u"函館"_s, u"Hakodate_Hyser_Data"_s, 2100, 7020, 615, 255, u"Image5"_s, 2160, 6630, Marker::Ring16},
        {u"Label5"_s, u"室蘭"_s, u"Muroran_Hyser_Data"_s, 2640, 6000, 615, 255, u"Image13"_s, 2670, 5730, Marker::Ring16},
        {u"Label6"_s, u"釧路"_s, u"Kushiro_Hyser_Data"_s, 7140, 5100, 615, 255, u"Image6"_s, 7290, 4710, Marker::Ring16},
        {u"Label7"_s, u"稚内"_s, u"Wakkanai_Hyser_Data"_s, 3720, 1260, 615, 255, u"Image7"_s, 3960, 1590, Marker::Ring16},
        {u"Label8"_s, u"紋別"_s, u"Monbetu_Hyser_Data"_s, 6180, 2580, 615, 255, u"Image14"_s, 5910, 2790, Marker::Ring16},
        {u"Label9"_s, u"根室"_s, u"Nemuro_Hyser_Data"_s, 8640, 4680, 615, 255, u"Image10"_s, 8730, 4200, Marker::Ring16},
        {u"Label10"_s, u"江差"_s, u"Esashi_Hyser_Data"_s, 600, 6420, 615, 255, u"Image19"_s, 1320, 6420, Marker::Ring16},
        {u"Label11"_s, u"寿都"_s, u"Suttu_Hyser_Data"_s, 1320, 4680, 615, 255, u"Image20"_s, 1800, 4920, Marker::Ring16},
        {u"Label12"_s, u"網走"_s, u"Abashiri_Hyser_Data"_s, 7080, 2940, 615, 255, u"Image8"_s, 7050, 3240, Marker::Ring16},
        {u"Label14"_s, u"浦河"_s, u"Urakawa_Hyser_Data"_s, 4800, 6300, 615, 255, u"Image16"_s, 5250, 6030, Marker::Ring16},
        {u"Label15"_s, u"岩見沢"_s, u"Iwamizawa_Hyser_Data"_s, 4050, 4110, 840, 255, u"Image21"_s, 3780, 4440, Marker::Ring16},
        {u"Label16"_s, u"羽幌"_s, u"Haboro_Hyser_Data"_s, 3360, 2520, 615, 255, u"Image17"_s, 3870, 2790, Marker::Ring16},
        {u"Label17"_s, u"広尾"_s, u"Hiroo_Hyser_Data"_s, 6360, 5820, 615, 255, u"Image15"_s, 5970, 5670, Marker::Ring16},
        {u"Label18"_s, u"苫小牧"_s, u"Tomakomai_Hyser_Data"_s, 3360, 5640, 855, 255, u"Image9"_s, 3540, 5220, Marker::Ring16},
        {u"Label19"_s, u"倶知安"_s, u"Kucchan_Hyser_Data"_s, 2280, 5040, 840, 255, u"Image11"_s, 2490, 4770, Marker::Ring16},
        {u"Label20"_s, u"北見枝幸"_s, u"KitamiEsasi_Hyser_Data"_s, 4980, 1620, 1095, 255, u"Image23"_s, 4950, 2070, Marker::Ring16},
        {u"Label21"_s, u"小樽"_s, u"Otaru_Hyser_Data"_s, 2430, 3900, 615, 255, u"Image22"_s, 2940, 4350, Marker::Ring16},
        {u"Label22"_s, u"留萌"_s, u"Rumoi_Hyser_Data"_s, 3060, 3240, 615, 255, u"Image12"_s, 3720, 3360, Marker::Ring16},
        {u"Label23"_s, u"雄武"_s, u"Oumu_Hyser_Data"_s, 5640, 2220, 615, 255, u"Image18"_s, 5400, 2490, Marker::Ring16},
    };

    const auto labelOf = [](const StationRow& row) { return stationLabel(row, 0xC0FFC0, forms::kGothic); };

    // The markers lie above the labels: 寿都's marker covers a corner of its own label.
    QStringList stack = {u"Command2"_s, u"Command1"_s};
    stack << run(u"Image"_s, 23, 2) << run(u"Label"_s, 23, 14) << run(u"Label"_s, 12, 1) << u"Label13"_s << u"Image1"_s;
    assemble(r, std::move(fixed), rows, labelOf, stack);

    // Two labels are set in the proportional face.
    control(r, u"Label21"_s).font(forms::kPGothic, 12, true);
    control(r, u"Label23"_s).font(forms::kPGothic, 12, true);

    r.labelToggle = run(u"Label"_s, 1, 12) + run(u"Label"_s, 14, 23);
    r.markerToggle = run(u"Image"_s, 2, 23);
    return r;
}

}  // namespace pickers::detail
