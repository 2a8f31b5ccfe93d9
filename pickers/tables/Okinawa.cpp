// Region 7: the Okinawa and Nansei islands picker. Its map is built into the window.

#include "pickers/tables/RegionBuilder.h"

using namespace Qt::Literals::StringLiterals;

namespace pickers::detail {

JapanRegion okinawa() {
    JapanRegion r;
    r.region = 7;
    r.window = u"Form32"_s;
    r.dbFile = u"Hyther_DB/Okinawa_Hyser_Data.mdb"_s;
    r.letsEventsRun = false;
    r.mapLoadedByOwner = false;
    r.design = pickerWindow(u"Form32"_s, u"地域選択"_s, 9375, 6900);

    std::vector<forms::ControlDesign> fixed = {
        labelButton(330, 180, 1695, 435, u"非表示"_s),
        markerButton(2280, 180, 1635, 435),
        instruction(4140, 240, 5055, 315),
        mapImage(150, 810, 9120, 5910).pic(u":/maps/okinawa.gif"_s),
    };

    // label, name, table, label rectangle, marker, marker left/top, picture
    const std::vector<StationRow> rows = {
        {u"Label2"_s, u"種子島"_s, u"Tanegashima_Hyser_Data"_s, 8220, 1230, 915, 255, u"Image2"_s, 7860, 1320, Marker::Ring16},
        {u"Label3"_s, u"屋久島"_s, u"Yakushima_Hyser_Data"_s, 6330, 1530, 870, 255, u"Image3"_s, 7470, 1500, Marker::Ring16},
        {u"Label4"_s, u"名瀬"_s, u"Naze_Hyser_Data"_s, 7020, 3150, 735, 255, u"Image4"_s, 6600, 3060, Marker::Ring16},
        {u"Label5"_s, u"沖永良部"_s, u"Okinoerabu_Hyser_Data"_s, 6240, 3840, 1110, 255, u"Image5"_s, 5910, 3810, Marker::Ring16},
        {u"Label6"_s, u"名護"_s, u"Nago_Hyser_Data"_s, 4830, 4020, 675, 255, u"Image6"_s, 5310, 4410, Marker::Ring16},
        {u"Label7"_s, u"那覇"_s, u"Naha_Okinawa_Hyser_Data"_s, 5430, 4950, 735, 255, u"Image7"_s, 5010, 4680, Marker::Dot31},
        {u"Label8"_s, u"久米島"_s, u"Kumejima_Hyser_Data"_s, 3780, 4230, 825, 285, u"Image8"_s, 4290, 4650, Marker::Ring16},
        {u"Label9"_s, u"宮古島"_s, u"Miyakojima_Hyser_Data"_s, 3060, 5400, 855, 285, u"Image9"_s, 3060, 5820, Marker::Ring16},
        {u"Label10"_s, u"石垣島"_s, u"Ishigakijima_Hyser_Data"_s, 1560, 5790, 885, 255, u"Image10"_s, 2100, 6120, Marker::Ring16},
        {u"Label11"_s, u"与那国島"_s, u"Yonagunijima_Hyser_Data"_s, 570, 6300, 1125, 255, u"Image11"_s, 1170, 6060, Marker::Ring16},
        {u"Label12"_s, u"南大東島"_s, u"Minamidaitojima_Hyser_Data"_s, 7590, 5280, 1125, 285, u"Image12"_s, 8070, 5010, Marker::Ring16},
    };

    const auto labelOf = [](const StationRow& row) { return stationLabel(row, 0xC0FFFF, forms::kPGothic); };

    // The labels lie above the markers: 那覇's label covers part of its own marker.
    QStringList stack = {u"Command2"_s, u"Command1"_s};
    stack << run(u"Label"_s, 12, 2) << run(u"Image"_s, 12, 2) << u"Label1"_s << u"Image1"_s;
    assemble(r, std::move(fixed), rows, labelOf, stack);

    r.labelToggle = run(u"Label"_s, 2, 12);
    r.markerToggle = run(u"Image"_s, 2, 12);
    return r;
}

}  // namespace pickers::detail
