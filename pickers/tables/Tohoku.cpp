// Region 2: the Tohoku picker, with three leader lines that join labels set apart
// from their stations to the markers.

#include "pickers/tables/RegionBuilder.h"

using namespace Qt::Literals::StringLiterals;

namespace pickers::detail {

JapanRegion tohoku() {
    JapanRegion r;
    r.region = 2;
    r.window = u"Form18"_s;
    r.dbFile = u"Hyther_DB/Touhok_Hyser_Data.mdb"_s;
    r.letsEventsRun = true;
    r.mapFile = u"W_GIF/MAP_Tohoku.gif"_s;
    r.mapLoadedByOwner = false;
    r.design = pickerWindow(u"Form18"_s, u"地域選択"_s, 9375, 6900);

    std::vector<forms::ControlDesign> fixed = {
        labelButton(240, 180, 1755, 435, u"ラベル非表示"_s),
        markerButton(2280, 180, 1635, 435),
        instruction(4140, 240, 5055, 315),
        mapImage(120, 840, 9120, 5910),
        // 新庄's label into its marker, 福島's marker centre to its label, 若松's marker to
        // its label.
        forms::line(u"Line1"_s, 4320, 4380, 5400, 4380).border(0x000000),
        forms::line(u"Line2"_s, 5760, 5580, 6600, 5580).border(0x000000),
        forms::line(u"Line3"_s, 5100, 5880, 6600, 5880).border(forms::kSysWindowText),
    };

    // label, name, table, label rectangle, marker, marker left/top, picture
    const std::vector<StationRow> rows = {
        {u"Label2"_s, u"青森"_s, u"Aomori_Hyser_Data"_s, 5820, 2100, 615, 255, u"Image2"_s, 6000, 1800, Marker::Dot16},
        {u"Label3"_s, u"秋田"_s, u"Akita_Hyser_Data"_s, 4380, 3180, 615, 255, u"Image3"_s, 5040, 3180, Marker::Dot16},
        {u"Label4"_s, u"盛岡"_s, u"Morioka_Hyser_Data"_s, 6240, 3480, 675, 255, u"Image4"_s, 6480, 3180, Marker::Dot16},
        {u"Label5"_s, u"仙台"_s, u"Sendai_Hyser_Data"_s, 6600, 4980, 615, 255, u"Image5"_s, 6180, 4800, Marker::Dot16},
        {u"Label6"_s, u"山形"_s, u"Yamagata_Hyser_Data"_s, 5160, 5100, 615, 255, u"Image6"_s, 5400, 4860, Marker::Dot16},
        {u"Label7"_s, u"福島"_s, u"Fukushima_Hyser_Data"_s, 6600, 5400, 615, 255, u"Image7"_s, 5640, 5460, Marker::Dot16},
        {u"Label8"_s, u"新潟"_s, u"Niigata_Hyser_Data"_s, 3360, 4860, 615, 255, u"Image8"_s, 3720, 5160, Marker::Dot16},
        {u"Label9"_s, u"相川"_s, u"Aikawa_Hyser_Data"_s, 1920, 4920, 615, 255, u"Image9"_s, 2520, 5100, Marker::Ring16},
        {u"Label10"_s, u"大船渡"_s, u"Oohunato_Hyser_Data"_s, 7740, 3960, 780, 255, u"Image10"_s, 7260, 3840, Marker::Ring16},
        {u"Label11"_s, u"新庄"_s, u"Shinjo_Hyser_Data"_s, 3720, 4260, 615, 255, u"Image11"_s, 5340, 4260, Marker::Ring16},
        {u"Label12"_s, u"若松"_s, u"Wakamatsu_Hyser_Data"_s, 6600, 5760, 615, 255, u"Image12"_s, 4920, 5760, Marker::Ring16},
        {u"Label13"_s, u"深浦"_s, u"Fukaura_Hyser_Data"_s, 4140, 1920, 615, 255, u"Image13"_s, 4920, 1980, Marker::Ring16},
        {u"Label14"_s, u"むつ"_s, u"Mutsu_Hyser_Data"_s, 7140, 1260, 555, 255, u"Image14"_s, 6600, 1260, Marker::Ring16},
        {u"Label15"_s, u"八戸"_s, u"Hachinohe_Hyser_Data"_s, 7500, 2160, 615, 255, u"Image15"_s, 7020, 2160, Marker::Ring16},
        {u"Label16"_s, u"宮古"_s, u"Miyako_Hyser_Data"_s, 7980, 3240, 615, 255, u"Image16"_s, 7620, 3240, Marker::Ring16},
        {u"Label17"_s, u"酒田"_s, u"Sakata_Hyser_Data"_s, 4020, 3840, 615, 255, u"Image17"_s, 4680, 4020, Marker::Ring16},
        {u"Label18"_s, u"石巻"_s, u"Ishinomaki_Hyser_Data"_s, 7260, 4560, 615, 255, u"Image18"_s, 6720, 4620, Marker::Ring16},
        {u"Label19"_s, u"白河"_s, u"Shirakawa_Hyser_Data"_s, 4620, 6360, 615, 255, u"Image19"_s, 5280, 6240, Marker::Ring16},
        {u"Label20"_s, u"小名浜"_s, u"Onahama_Hyser_Data"_s, 6600, 6300, 795, 255, u"Image20"_s, 6180, 6360, Marker::Ring16},
        {u"Label21"_s, u"輪島"_s, u"Wajima_Hyser_Data"_s, 360, 5520, 615, 255, u"Image21"_s, 600, 5880, Marker::Ring16},
    };

    const auto labelOf = [](const StationRow& row) { return stationLabel(row, 0xC0FFFF, forms::kPGothic); };

    // The leader lines lie on top but take no clicks, so a click on a line's end goes to
    // the label or marker it reaches into. The markers lie above the labels: 相川's
    // marker covers a strip of its own label.
    QStringList stack = {u"Command2"_s, u"Command1"_s, u"Line3"_s, u"Line2"_s, u"Line1"_s};
    stack << run(u"Image"_s, 21, 2) << run(u"Label"_s, 21, 2) << u"Label1"_s << u"Image1"_s;
    assemble(r, std::move(fixed), rows, labelOf, stack);

    r.labelToggle = run(u"Label"_s, 2, 21) + QStringList{u"Line1"_s, u"Line2"_s, u"Line3"_s};
    r.markerToggle = run(u"Image"_s, 2, 21);
    return r;
}

}  // namespace pickers::detail
