#include "tools/maps/StationPlaces.h"

#include "tools/maps/Csv.h"

using namespace Qt::Literals::StringLiterals;

namespace maps {

std::optional<QHash<QString, QPointF>> readStationPlaces(const QString& dataFolder, QString* error) {
    // The normals file opens with one comment line before its header.
    const auto normals = readCsv(dataFolder + u"/jma-normals-1991-2020/normals_1991_2020_shakai.csv"_s, 1, error);
    if (!normals) return std::nullopt;
    const auto coverage = readCsv(dataFolder + u"/coverage.csv"_s, 0, error);
    if (!coverage) return std::nullopt;

    QHash<QString, QPointF> byNumber;
    for (const auto& r : *normals) {
        bool okLat = false, okLon = false;
        const double lat = r.value(u"緯度"_s).toDouble(&okLat);
        const double lon = r.value(u"経度"_s).toDouble(&okLon);
        if (okLat && okLon) byNumber.insert(r.value(u"地点番号"_s), QPointF(lon, lat));
    }

    QHash<QString, QPointF> places;
    for (const auto& r : *coverage) {
        if (r.value(u"kind"_s) != u"japan"_s) continue;
        const QString number = r.value(u"point_no"_s);
        if (byNumber.contains(number)) {
            places.insert(r.value(u"display_name"_s), byNumber.value(number));
            continue;
        }
        bool okLat = false, okLon = false;
        const double lat = r.value(u"isd_lat"_s).toDouble(&okLat);
        const double lon = r.value(u"isd_lon"_s).toDouble(&okLon);
        if (okLat && okLon) places.insert(r.value(u"display_name"_s), QPointF(lon, lat));
    }
    return places;
}

}  // namespace maps
