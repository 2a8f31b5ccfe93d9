// Region 3: the Kanto picker, with the Izu and Ogasawara islands and 南鳥島 and eight
// labels that write latitudes and longitudes on the map. Its table names end in
// "_Hyser_data".

#include "pickers/tables/RegionBuilder.h"

using namespace Qt::Literals::StringLiterals;

namespace pickers::detail {

namespace {

// A coordinate label: navy bold text on the map itself; it takes no click.
forms::ControlDesign coordinate(const QString& name, const QString& caption, double l, double t, double w, double h) {
    return forms::label(name, l, t, w, h).caption_(caption).fore(0x800000).transparent().center().font(forms::kPGothic, 12, true);
}

}  // namespace

JapanRegion kanto() {
    JapanRegion r;
    r.region = 3;
    r.window = u"Form47"_s;
    r.dbFile = u"Hyther_DB/Kanto_Hyser_Data.mdb"_s;
    r.letsEventsRun = true;
    r.mapFile = u"W_GIF/Map_Kanto.gif"_s;
    r.mapLoadedByOwner = false;
    r.design = pickerWindow(u"Form47"_s, u"地域選択"_s, 9375, 6900);

    std::vector<forms::ControlDesign> fixed = {
        labelButton(240, 180, 1815, 435, u"ラベル非表示"_s),
        markerButton(2280, 180, 1635, 435),
        instruction(4140, 240, 5055, 315),
        mapImage(120, 780, 9120, 5910),
        coordinate(u"Label14"_s, u"26N"_s, 7740, 6360, 495, 255),
        coordinate(u"Label15"_s, u"142E"_s, 6870, 6120, 555, 255),
        coordinate(u"Label28"_s, u"143E"_s, 8490, 6120, 645, 285),
        coordinate(u"Label29"_s, u"154E"_s, 7890, 3420, 675, 225),
        coordinate(u"Label30"_s, u"24N"_s, 8700, 2850, 525, 285),
        coordinate(u"Label31"_s, u"25N"_s, 8670, 1290, 555, 285),
        coordinate(u"Label32"_s, u"140E"_s, 6000, 6420, 585, 255),
        coordinate(u"Label33"_s, u"33N"_s, 6300, 5730, 465, 255),
    };

    // label, name, table, label rectangle, marker, marker left/top, picture
    const std::vector<StationRow> rows = {
        {u"Label2"_s, u"千葉"_s, u"Chiba_Hyser_data"_s, 4920, 4020, 555, 255, u"Image2"_s, 4500, 3900, Marker::Dot31},
        {u"Label3"_s, u"熊谷"_s, u"Kumagaya_Hyser_data"_s, 3240, 3420, 555, 255, u"Image3"_s, 3360, 3180, Marker::SmallDot16},
        {u"Label4"_s, u"前橋"_s, u"Maebashi_Hyser_data"_s, 2580, 2520, 555, 255, u"Image4"_s, 2700, 2700, Marker::Dot31},
        {u"Label5"_s, u"水戸"_s, u"Mito_Hyser_data"_s, 5640, 2820, 585, 255, u"Image5"_s, 5100, 2700, Marker::Dot31},
        {u"Label6"_s, u"東京"_s, u"Tokyo_Hyser_data"_s, 3360, 3900, 615, 255, u"Image6"_s, 4020, 3900, Marker::Dot16},
        {u"Label7"_s, u"宇都宮"_s, u"Utsunomiya_Hyser_data"_s, 4620, 2340, 795, 255, u"Image7"_s, 4260, 2520, Marker::Dot31},
        {u"Label8"_s, u"横浜"_s, u"Yokohama_Hyser_data"_s, 3360, 4500, 585, 255, u"Image8"_s, 3780, 4260, Marker::Dot16},
        {u"Label9"_s, u"父島"_s, u"Chichijima_Hyser_data"_s, 7620, 4680, 555, 255, u"Image9"_s, 7320, 4740, Marker::SmallDot16},
        {u"Label10"_s, u"南鳥島"_s, u"Minamitorishima_Hyser_data"_s, 8340, 2400, 795, 255, u"Image10"_s, 8040, 2400, Marker::SmallDot16},
        {u"Label11"_s, u"大島"_s, u"Oshima_Hyser_data"_s, 3420, 5580, 585, 255, u"Image11"_s, 3300, 5340, Marker::SmallDot16},
        {u"Label12"_s, u"三宅島"_s, u"Miyakejima_Hyser_data"_s, 3900, 6240, 855, 255, u"Image12"_s, 3600, 6240, Marker::SmallDot16},
        {u"Label13"_s, u"八丈島"_s, u"Hachijojima_Hyser_data"_s, 5340, 5940, 855, 255, u"Image13"_s, 5820, 5580, Marker::SmallDot16},
        {u"Label16"_s, u"高田"_s, u"Takada_Hyser_data"_s, 1080, 1320, 615, 255, u"Image14"_s, 1440, 1680, Marker::Ring16},
        {u"Label17"_s, u"軽井沢"_s, u"Karuizawa_Hyser_data"_s, 1080, 2880, 855, 255, u"Image15"_s, 2040, 2880, Marker::Ring16},
        {u"Label18"_s, u"日光"_s, u"Nikko_Hyser_data"_s, 3600, 1860, 525, 255, u"Image16"_s, 3720, 2160, Marker::Ring16},
        {u"Label19"_s, u"石廊崎"_s, u"Irozaki_Hyser_data"_s, 2100, 5820, 795, 255, u"Image19"_s, 2400, 5520, Marker::Ring16},
        {u"Label20"_s, u"館山"_s, u"Tateyama_Hyser_data"_s, 4200, 5280, 600, 255, u"Image20"_s, 4140, 4920, Marker::Ring16},
        {u"Label21"_s, u"勝浦"_s, u"Katsuura_Hyser_data"_s, 5040, 4860, 615, 255, u"Image21"_s, 4860, 4680, Marker::Ring16},
        {u"Label22"_s, u"銚子"_s, u"Choshi_Hyser_data"_s, 6000, 3780, 555, 255, u"Image17"_s, 5700, 3780, Marker::Ring16},
        {u"Label23"_s, u"御前崎"_s, u"Omaezaki_Hyser_data"_s, 960, 5820, 795, 255, u"Image18"_s, 1380, 5520, Marker::Ring16},
        {u"Label24"_s, u"河口湖"_s, u"Kawaguchiko_Hyser_data"_s, 2100, 3840, 795, 255, u"Image24"_s, 2340, 4140, Marker::Ring16},
        {u"Label25"_s, u"秩父"_s, u"Chichibu_Hyser_data"_s, 2280, 3360, 525, 255, u"Image25"_s, 2820, 3360, Marker::Ring16},
        {u"Label26"_s, u"館野"_s, u"Tateno_Hyser_data"_s, 4740, 3240, 615, 255, u"Image22"_s, 4440, 3360, Marker::Ring16},
        {u"Label27"_s, u"網代"_s, u"Ajiro_Hyser_data"_s, 3060, 4920, 615, 255, u"Image23"_s, 2820, 4860, Marker::Ring16},
    };

    const auto labelOf = [](const StationRow& row) { return stationLabel(row, 0xC0FFFF, forms::kPGothic); };

    // The window's own stacking. Where a station's label and marker overlap, this order
    // decides which takes the click: Label2, Label4 and Label7 over their markers,
    // Image21 over Label21.
    QStringList stack = {u"Command2"_s, u"Command1"_s};
    stack << run(u"Label"_s, 33, 28) << run(u"Image"_s, 25, 22) << run(u"Label"_s, 27, 24) << run(u"Image"_s, 21, 17)
          << run(u"Label"_s, 23, 19) << run(u"Image"_s, 16, 14) << run(u"Label"_s, 18, 16) << u"Image13"_s << run(u"Label"_s, 15, 9)
          << run(u"Image"_s, 12, 8) << run(u"Label"_s, 8, 2)
          << QStringList{u"Image2"_s, u"Image4"_s, u"Image5"_s, u"Image6"_s, u"Image7"_s, u"Image3"_s} << u"Label1"_s << u"Image1"_s;
    assemble(r, std::move(fixed), rows, labelOf, stack);

    control(r, u"Label6"_s).fore(0xC0);  // 東京 in red
    control(r, u"Label12"_s).back(0xE0FFFF).font(forms::kPGothic, 12, false);

    r.labelToggle = run(u"Label"_s, 2, 13) + run(u"Label"_s, 16, 27);
    r.markerToggle = run(u"Image"_s, 2, 25);
    return r;
}

}  // namespace pickers::detail
