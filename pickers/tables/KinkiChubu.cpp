// Region 4: the Kinki and Chubu picker.

#include "pickers/tables/RegionBuilder.h"

using namespace Qt::Literals::StringLiterals;

namespace pickers::detail {

JapanRegion kinkiChubu() {
    JapanRegion r;
    r.region = 4;
    r.window = u"Form42"_s;
    r.dbFile = u"Hyther_DB/Kinki_Hyser_Data.mdb"_s;
    r.letsEventsRun = true;
    r.mapFile = u"W_GIF/Map_Kinki.gif"_s;
    r.mapLoadedByOwner = false;
    r.design = pickerWindow(u"Form42"_s, u"地域選択"_s, 9375, 6900);

    std::vector<forms::ControlDesign> fixed = {
        labelButton(240, 180, 1815, 435, u"ラベル非表示"_s),
        markerButton(2280, 180, 1635, 435),
        instruction(4140, 240, 5055, 315),
        mapImage(120, 780, 9120, 5910),
    };

    // label, name, table, label rectangle, marker, marker left/top, picture
    const std::vector<StationRow> rows = {
        {u"Label2"_s, u"福井"_s, u"Fukui_Hyser_Data"_s, 2580, 1920, 555, 255, u"Image2"_s, 3060, 2100, Marker::Dot31},
        {u"Label3"_s, u"岐阜"_s, u"Gifu_Hyser_Data"_s, 4440, 3180, 555, 255, u"Image3"_s, 4140, 3240, Marker::Dot16},
        {u"Label4"_s, u"金沢"_s, u"Kanazawa_Hyser_Data"_s, 3240, 1320, 555, 255, u"Image4"_s, 3780, 1320, Marker::Dot31},
        {u"Label5"_s, u"神戸"_s, u"Kobe_Hyser_Data"_s, 1020, 4620, 585, 255, u"Image5"_s, 1320, 4260, Marker::Dot31},
        {u"Label6"_s, u"甲府"_s, u"Kofu_Hyser_Data"_s, 7380, 2880, 555, 255, u"Image6"_s, 6900, 2820, Marker::Dot31},
        {u"Label7"_s, u"京都"_s, u"Kyoto_Hyser_Data"_s, 2040, 3600, 555, 255, u"Image7"_s, 2340, 3780, Marker::Dot31},
        {u"Label8"_s, u"長野"_s, u"Nagano_Hyser_Data"_s, 6360, 960, 525, 285, u"Image8"_s, 6420, 1200, Marker::Dot31},
        {u"Label9"_s, u"名古屋"_s, u"Nagoya_Hyser_Data"_s, 4680, 3660, 855, 285, u"Image9"_s, 4260, 3600, Marker::Dot31},
        {u"Label10"_s, u"奈良"_s, u"Nara_Hyser_Data"_s, 2400, 4620, 555, 255, u"Image10"_s, 2520, 4380, Marker::Dot16},
        {u"Label11"_s, u"大阪"_s, u"Osaka_Hyser_Data"_s, 1740, 4620, 585, 255, u"Image11"_s, 1860, 4260, Marker::Dot31},
        {u"Label12"_s, u"静岡"_s, u"Shizuoka_Hyser_Data"_s, 6720, 4140, 615, 285, u"Image12"_s, 6780, 3780, Marker::Dot31},
        {u"Label13"_s, u"富山"_s, u"Toyama_Hyser_Data"_s, 4680, 1500, 555, 255, u"Image13"_s, 4800, 1260, Marker::Dot16},
        {u"Label14"_s, u"津"_s, u"Tsu_Hyser_Data"_s, 3720, 4620, 495, 255, u"Image14"_s, 3540, 4260, Marker::Dot31},
        {u"Label15"_s, u"和歌山"_s, u"Wakayama_Hyser_Data"_s, 1140, 5280, 855, 255, u"Image15"_s, 1320, 4920, Marker::Dot31},
        {u"Label16"_s, u"彦根"_s, u"Hikone_Hyser_Data"_s, 3120, 3660, 555, 255, u"Image16"_s, 3240, 3420, Marker::SmallDot16},
        {u"Label17"_s, u"潮岬"_s, u"Shionomisaki_Hyser_Data"_s, 2820, 6240, 675, 255, u"Image17"_s, 2460, 6240, Marker::Ring16},
        {u"Label18"_s, u"伊吹山"_s, u"Ibukiyama_Hyser_Data"_s, 3360, 2880, 810, 255, u"Image18"_s, 3480, 3180, Marker::Ring16},
        {u"Label19"_s, u"伏木"_s, u"Fushiki_Hyser_Data"_s, 3990, 960, 525, 255, u"Image19"_s, 4560, 1080, Marker::Ring16},
        {u"Label20"_s, u"高山"_s, u"Takayama_Hyser_Data"_s, 4680, 2400, 600, 255, u"Image20"_s, 4860, 2100, Marker::Ring16},
        {u"Label21"_s, u"松本"_s, u"Matsumoto_Hyser_Data"_s, 5880, 1620, 555, 255, u"Image21"_s, 6060, 1920, Marker::Ring16},
        {u"Label22"_s, u"諏訪"_s, u"Suwa_Hyser_Data"_s, 6240, 2460, 555, 255, u"Image22"_s, 6360, 2220, Marker::Ring16},
        {u"Label23"_s, u"四日市"_s, u"Yokkaichi_Hyser_Data"_s, 4080, 4080, 825, 255, u"Image23"_s, 3840, 3960, Marker::Ring16},
        {u"Label24"_s, u"敦賀"_s, u"Tsuruga_Hyser_Data"_s, 2280, 2700, 600, 255, u"Image24"_s, 2940, 2880, Marker::Ring16},
        {u"Label25"_s, u"飯田"_s, u"Iida_Hyser_Data"_s, 5700, 3360, 600, 255, u"Image25"_s, 5880, 3120, Marker::Ring16},
        {u"Label26"_s, u"浜松"_s, u"Hamamatsu_Hyser_Data"_s, 5730, 4620, 615, 255, u"Image26"_s, 5700, 4320, Marker::Ring16},
        {u"Label27"_s, u"上野"_s, u"Ueno_Hyser_Data"_s, 3000, 4440, 555, 255, u"Image27"_s, 3060, 4200, Marker::Ring16},
        {u"Label28"_s, u"伊良湖"_s, u"Irako_Hyser_Data"_s, 4620, 4680, 825, 255, u"Image28"_s, 4680, 4440, Marker::Ring16},
        {u"Label29"_s, u"三島"_s, u"Mishima_Hyser_Data"_s, 8040, 3660, 555, 255, u"Image29"_s, 7740, 3660, Marker::Ring16},
        {u"Label30"_s, u"尾鷲"_s, u"Owase_Hyser_Data"_s, 3480, 5280, 615, 255, u"Image30"_s, 3120, 5220, Marker::Ring16},
    };

    const auto labelOf = [](const StationRow& row) { return stationLabel(row, 0xC0FFFF, forms::kPGothic); };

    // Three labels cover another station's marker and take the click there: 大阪 over
    // 神戸's, 松本 over 長野's and 上野 over 津's. Of the stations whose own label and
    // marker overlap, 長野, 津 and 和歌山 have the marker on top, the others the label.
    QStringList stack = {u"Command2"_s, u"Command1"_s};
    stack << run(u"Image"_s, 30, 16) << run(u"Label"_s, 30, 16) << QStringList{u"Image15"_s, u"Image14"_s, u"Image8"_s}
          << run(u"Label"_s, 15, 2) << run(u"Image"_s, 13, 9) << run(u"Image"_s, 7, 2) << u"Label1"_s << u"Image1"_s;
    assemble(r, std::move(fixed), rows, labelOf, stack);

    r.labelToggle = run(u"Label"_s, 2, 30);
    r.markerToggle = run(u"Image"_s, 2, 30);
    return r;
}

}  // namespace pickers::detail
