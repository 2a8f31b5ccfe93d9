#include "tools/maps/StationPlaces.h"

#include <QFile>
#include <QStringList>
#include <QTextStream>

using namespace Qt::Literals::StringLiterals;

namespace maps {

namespace {

// One CSV record; fields may be quoted, quotes inside doubled.
QStringList splitCsv(const QString& line) {
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c == u'"' && i + 1 < line.size() && line[i + 1] == u'"') {
                field += c;
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            fields << field;
            field.clear();
        } else {
            field += c;
        }
    }
    fields << field;
    return fields;
}

// The file's records after its header; `skip` lines come before the header.
std::optional<QList<QHash<QString, QString>>> readCsv(const QString& path, int skip, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = u"cannot read "_s + path;
        return std::nullopt;
    }
    QTextStream in(&file);
    for (int i = 0; i < skip; ++i) in.readLine();
    const QStringList header = splitCsv(in.readLine());
    QList<QHash<QString, QString>> records;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.trimmed().isEmpty()) continue;
        const QStringList fields = splitCsv(line);
        QHash<QString, QString> record;
        for (qsizetype i = 0; i < header.size() && i < fields.size(); ++i) record.insert(header[i], fields[i]);
        records << record;
    }
    return records;
}

}  // namespace

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
