#include "tools/dataconv/Sources.h"

#include "data/Catalogue.h"
#include "tools/dataconv/Areas.h"
#include "tools/dataconv/CsvFile.h"
#include "tools/dataconv/Decimal.h"

#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <algorithm>
#include <array>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString missingMark = u"×"_s;

// ---------------------------------------------------------------------------
// Cell readers: every malformed value stops the conversion with file and line.

int readInt(const CsvFile& file, const CsvFile::Row& row, int column) {
    bool ok = false;
    const int value = row.cells.at(column).toInt(&ok);
    if (!ok) file.fail(row, u"\"%1\" is not a whole number"_s.arg(row.cells.at(column)));
    return value;
}

// A climate value in tenths; nothing for an empty cell.
std::optional<qint64> readTenths(const CsvFile& file, const CsvFile::Row& row, int column) {
    const QString& text = row.cells.at(column);
    if (text.isEmpty()) return std::nullopt;
    const std::optional<qint64> value = decimal::parseRounded(text, 1);
    if (!value) file.fail(row, u"\"%1\" is not a number"_s.arg(text));
    return value;
}

// "35.6917" -> "35.69N"; the hemisphere letter follows the sign.
QString formatCoordinate(const CsvFile& file, const CsvFile::Row& row, const QString& text, int limit, QChar positive, QChar negative) {
    const std::optional<qint64> hundredths = decimal::parseRounded(text, 2);
    if (!hundredths || *hundredths > limit * 100 || *hundredths < -limit * 100)
        file.fail(row, u"\"%1\" is not a coordinate in degrees"_s.arg(text));
    const qint64 magnitude = *hundredths < 0 ? -*hundredths : *hundredths;
    return decimal::format(magnitude, 2) + (*hundredths < 0 ? negative : positive);
}

QString formatLatitude(const CsvFile& file, const CsvFile::Row& row, const QString& text) {
    return formatCoordinate(file, row, text, 90, u'N', u'S');
}

QString formatLongitude(const CsvFile& file, const CsvFile::Row& row, const QString& text) {
    return formatCoordinate(file, row, text, 180, u'E', u'W');
}

// Elevation in metres, the shortest text with at most one decimal.
QString formatElevation(const CsvFile& file, const CsvFile::Row& row, const QString& text) {
    const std::optional<qint64> tenths = decimal::parseRounded(text, 1);
    if (!tenths) file.fail(row, u"\"%1\" is not an elevation"_s.arg(text));
    return *tenths % 10 == 0 ? decimal::format(*tenths / 10, 0) : decimal::format(*tenths, 1);
}

// The twelve monthly values followed by their annual mean (temperature) or
// total (precipitation), all computed in tenths.
QStringList formatWithAnnual(const std::array<qint64, 12>& months, bool mean) {
    QStringList values;
    qint64 sum = 0;
    for (qint64 tenths : months) {
        values.append(decimal::format(tenths, 1));
        sum += tenths;
    }
    values.append(decimal::format(mean ? decimal::divideRounded(sum, 12) : sum, 1));
    return values;
}

// "1991-2020" -> 2020; a normals period spans thirty years.
int readPeriodEnd(const CsvFile& file, const CsvFile::Row& row, const QString& period) {
    const QStringList years = period.split(u'-');
    bool startOk = false;
    bool endOk = false;
    const int start = years.size() == 2 ? years[0].toInt(&startOk) : 0;
    const int end = years.size() == 2 ? years[1].toInt(&endOk) : 0;
    if (!startOk || !endOk || end - start != 29) file.fail(row, u"\"%1\" is not a thirty-year period"_s.arg(period));
    return end;
}

// ---------------------------------------------------------------------------
// coverage.csv lists the program stations with what each source holds for
// them. Its names and regions must equal the catalogue's.

using CoverageRow = QHash<QString, QString>;  // cell by column name

const QString coverageWorldColumns[] = {
    u"jma_world_normals(study-app)_station"_s,
    u"jma_world_normals(climograph)_wmo"_s,
    u"jma_world_normals(country-map-maker)_stn"_s,
    u"jma_world_normals(insight-journal)_stn"_s,
};

struct Coverage {
    QHash<int, CoverageRow> rows;
    QList<ProgramStation> stations;  // catalogue order
};

Coverage readCoverage(const QString& dataDir) {
    const CsvFile file = CsvFile::read(dataDir + u"/coverage.csv"_s);
    const int numberColumn = file.column(u"point_no"_s);
    const int nameColumn = file.column(u"display_name"_s);
    const int kindColumn = file.column(u"kind"_s);
    const int regionColumn = file.column(u"region_or_block"_s);
    QStringList kept = {u"normals_status"_s, u"amedastable_code"_s, u"amedastable_alt_m"_s, u"daily_derived_monthly_years"_s};
    for (const QString& column : coverageWorldColumns) kept.append(column);
    QList<int> keptColumns;
    for (const QString& column : std::as_const(kept)) keptColumns.append(file.column(column));

    Coverage coverage;
    QHash<int, QString> groups;
    for (const CsvFile::Row& row : file.rows()) {
        const int number = readInt(file, row, numberColumn);
        const data::Station_Ref* station = data::stationByNumber(number);
        if (!station) file.fail(row, u"station %1 is not in the catalogue"_s.arg(number));
        if (coverage.rows.contains(number)) file.fail(row, u"station %1 is listed twice"_s.arg(number));
        if (row.cells.at(nameColumn) != station->name)
            file.fail(row, u"display name \"%1\" differs from the catalogue's \"%2\""_s.arg(row.cells.at(nameColumn), station->name));
        const bool japanese = data::isJapanese(*station);
        const QString& region = row.cells.at(regionColumn);
        if (row.cells.at(kindColumn) != (japanese ? u"japan"_s : u"world"_s) || (japanese && region != QString::number(station->region)) ||
            (!japanese && region.isEmpty()))
            file.fail(row, u"kind or region of %1 differs from the catalogue's"_s.arg(station->name));
        groups.insert(number, japanese ? u"%1 (region %2)"_s.arg(regionArea(station->region)).arg(station->region) : region);
        CoverageRow& entry = coverage.rows[number];
        for (int i = 0; i < kept.size(); ++i) entry.insert(kept[i], row.cells.at(keptColumns[i]));
    }
    for (const data::Station_Ref& station : data::stationCatalogue()) {
        if (!coverage.rows.contains(station.number))
            throw ConversionError(u"%1: %2 %3 of the catalogue is missing"_s.arg(file.path(), station.name).arg(station.number));
        const bool japanese = data::isJapanese(station);
        coverage.stations.append({station.number, station.name, japanese ? station.region : 0, groups[station.number]});
    }
    return coverage;
}

// ---------------------------------------------------------------------------
// Japanese normals 1991-2020, with the elevation from the AMeDAS table.

// Station elevations of the AMeDAS table by station code.
QHash<QString, qint64> readAmedasAltitudes(const QString& dataDir) {
    const QString path = dataDir + u"/jma-amedas-station-table/amedastable.json"_s;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw ConversionError(u"%1: cannot open: %2"_s.arg(path, file.errorString()));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (!document.isObject()) throw ConversionError(u"%1: not a JSON object: %2"_s.arg(path, error.errorString()));
    QHash<QString, qint64> altitudes;
    const QJsonObject stations = document.object();
    for (auto it = stations.begin(); it != stations.end(); ++it) {
        const QJsonValue altitude = it.value().toObject().value(u"alt"_s);
        if (!altitude.isDouble()) throw ConversionError(u"%1: station %2 has no numeric \"alt\""_s.arg(path, it.key()));
        altitudes.insert(it.key(), altitude.toInteger());
    }
    return altitudes;
}

struct JapanNormals {
    NormalsRow row;
    std::array<qint64, 24> months;  // temperatures, then precipitation, in tenths
    QString rawLatitude;
    QString rawLongitude;
};

QHash<int, JapanNormals> readJapanNormals(const QString& dataDir, const Coverage& coverage) {
    const CsvFile file = CsvFile::read(dataDir + u"/jma-normals-1991-2020/normals_1991_2020_shakai.csv"_s);
    const int numberColumn = file.column(u"地点番号"_s);
    const int nameColumn = file.column(u"地点名"_s);
    const int latitudeColumn = file.column(u"緯度"_s);
    const int longitudeColumn = file.column(u"経度"_s);
    std::array<int, 26> valueColumns;  // 12 months + year, temperature then precipitation
    for (int month = 1; month <= 13; ++month) {
        const QString suffix = month <= 12 ? u"%1月"_s.arg(month) : u"年"_s;
        valueColumns[month - 1] = file.column(u"気温"_s + suffix);
        valueColumns[month + 12] = file.column(u"降水量"_s + suffix);
    }

    QHash<int, ProgramStation> japan;
    for (const ProgramStation& station : coverage.stations) {
        if (station.region > 0) japan.insert(station.number, station);
    }
    const QHash<QString, qint64> altitudes = readAmedasAltitudes(dataDir);

    QHash<int, JapanNormals> normals;
    for (const CsvFile::Row& row : file.rows()) {
        const int number = readInt(file, row, numberColumn);
        const auto station = japan.constFind(number);
        if (station == japan.constEnd()) continue;  // a JMA station the program does not show
        if (normals.contains(number)) file.fail(row, u"station %1 is listed twice"_s.arg(number));
        if (row.cells.at(nameColumn) != station->name)
            file.fail(row, u"name \"%1\" differs from the catalogue's \"%2\""_s.arg(row.cells.at(nameColumn), station->name));

        JapanNormals entry;
        NormalsRow& out = entry.row;
        out.number = number;
        out.spot = station->name;
        out.endYear = 2020;
        entry.rawLatitude = row.cells.at(latitudeColumn);
        entry.rawLongitude = row.cells.at(longitudeColumn);
        out.latitude = formatLatitude(file, row, entry.rawLatitude);
        out.longitude = formatLongitude(file, row, entry.rawLongitude);
        out.area = regionArea(station->region);
        for (int i = 0; i < 26; ++i) {
            const std::optional<qint64> value = readTenths(file, row, valueColumns[i]);
            if (!value) file.fail(row, u"station %1 lacks a value"_s.arg(number));
            (i < 13 ? out.ondo : out.rain).append(decimal::format(*value, 1));
            if (i % 13 != 12) entry.months[i < 13 ? i : i - 1] = *value;
        }

        const CoverageRow cover = coverage.rows.value(number);
        const QString code = cover[u"amedastable_code"_s];
        const QString altitude = cover[u"amedastable_alt_m"_s];
        bool altitudeOk = false;
        const qint64 metres = altitude.toLongLong(&altitudeOk);
        if (!altitudeOk || !altitudes.contains(code) || altitudes[code] != metres)
            throw ConversionError(
                u"coverage.csv: elevation \"%1\" of %2 does not match AMeDAS station \"%3\""_s.arg(altitude, station->name, code));
        out.elevation = QString::number(metres);
        normals.insert(number, entry);
    }
    return normals;
}

// The prefectural-capital copy of the same normals must agree value for value.
void checkJapanCopy(const QString& dataDir, const QHash<int, JapanNormals>& normals) {
    const CsvFile file = CsvFile::read(dataDir + u"/jma-normals-1991-2020/japan_check_climograph.csv"_s);
    const int numberColumn = file.column(u"stationNo"_s);
    const int latitudeColumn = file.column(u"lat"_s);
    const int longitudeColumn = file.column(u"lon"_s);
    auto sameNumber = [](const QString& a, const QString& b) {
        const std::optional<qint64> x = decimal::parseRounded(a, 6);
        return x && x == decimal::parseRounded(b, 6);
    };
    for (const CsvFile::Row& row : file.rows()) {
        const int number = readInt(file, row, numberColumn);
        const auto entry = normals.constFind(number);
        if (entry == normals.constEnd()) continue;
        if (!sameNumber(row.cells.at(latitudeColumn), entry->rawLatitude) ||
            !sameNumber(row.cells.at(longitudeColumn), entry->rawLongitude))
            file.fail(row, u"position of %1 differs from the normals file"_s.arg(number));
        for (int i = 0; i < 24; ++i) {
            const QString name = (i < 12 ? u"T%1"_s : u"P%1"_s).arg(i % 12 + 1);
            if (readTenths(file, row, file.column(name)) != entry->months[i])
                file.fail(row, u"%1 of %2 differs from the normals file"_s.arg(name).arg(number));
        }
    }
}

// ---------------------------------------------------------------------------
// World normals: several files, each holding some stations. A station's
// values come from all files that hold it, and they must agree.

enum class Numbering {
    Wmo,     // WMO index numbers, leading zeros possibly dropped
    Agency,  // the source_agency column names the numbering; JMA means WMO
    Cwa,
    Eccc,
    Listed,  // "WMO 91408 / GHCN-D PSW00040309": the station's numbers in several schemes
};

struct WorldSource {
    QString file;   // under the data folder
    QString label;  // for messages and the data README
    Numbering numbering;
    QString stationColumn;
    QString pointColumn;      // the program station of a row; if empty, coverage.csv matches the rows
    QString coverageColumn;   // where coverage.csv names the station; may be empty
    bool ownPosition;         // lat/lon are the station's (not a city's)
    QString elevationColumn;  // the station's elevation; empty if the file gives none
    // The observations from which the data collectors computed the normals
    // themselves; empty for normals as a weather service published them.
    QString computedFrom;
};

// In order of preference for the position and the elevation: the JMA and KMA
// station pages (official, then climograph), JMA's ClimatView, the CWA and ECCC
// station lists, and the file of normals computed from GHCN-Daily (its position is
// the NOAA station history's). The last two files give no station coordinates.
const WorldSource worldSources[] = {
    {u"world-normals-official/world_normals_official.csv"_s, u"official"_s, Numbering::Agency, u"source_station_no"_s,
     u"program_point_no"_s, QString(), true, u"elevation_m"_s, QString()},
    {u"jma-world-normals-1991-2020/world_check_climograph.csv"_s, u"climograph"_s, Numbering::Wmo, u"wmoNo"_s, QString(),
     u"jma_world_normals(climograph)_wmo"_s, true, QString(), QString()},
    {u"jma-world-normals-1991-2020/world_normals_insight-journal.csv"_s, u"insight-journal"_s, Numbering::Wmo, u"source_station_no"_s,
     u"program_point_no"_s, u"jma_world_normals(insight-journal)_stn"_s, true, u"elevation_m"_s, QString()},
    {u"jma-world-normals-1991-2020/world_normals_taiwan-cwa.csv"_s, u"taiwan-cwa"_s, Numbering::Cwa, u"source_station_no"_s,
     u"program_point_no"_s, QString(), true, u"elevation_m"_s, QString()},
    {u"jma-world-normals-1991-2020/world_normals_1981-2010_eccc.csv"_s, u"eccc"_s, Numbering::Eccc, u"source_station_no"_s,
     u"program_point_no"_s, QString(), true, u"elevation_m"_s, QString()},
    {u"world-normals-more/world_normals_more.csv"_s, u"ghcn-daily"_s, Numbering::Listed, u"wmo_or_station_id"_s, u"point_no"_s, QString(),
     true, u"elev_m"_s, u"GHCN-Daily"_s},
    {u"jma-world-normals-1991-2020/world_normals_country-map-maker.csv"_s, u"country-map-maker"_s, Numbering::Wmo, u"source_station_no"_s,
     u"program_point_no"_s, u"jma_world_normals(country-map-maker)_stn"_s, false, QString(), QString()},
    {u"jma-world-normals-1991-2020/world_normals_study-app.csv"_s, u"study-app"_s, Numbering::Wmo, u"jma_station_no"_s, QString(),
     u"jma_world_normals(study-app)_station"_s, false, QString(), QString()},
};

struct WorldRecord {
    QString origin;    // file:line
    QString source;    // WorldSource::label
    QString station;   // e.g. "WMO 03772"
    QString wmo;       // five digits, or empty when the numbering is not WMO's
    QString computed;  // "GHCN-Daily 1991-2020 (world-normals-more)" for normals computed by the data collectors
    int endYear = 0;
    std::array<std::optional<qint64>, 24> months;  // temperatures, then precipitation
    QString latitude;
    QString longitude;
    QString elevation;
};

// Zero-pads a WMO index number as given ("3772" -> "03772").
QString wmoNumber(const CsvFile& file, const CsvFile::Row& row, const QString& text) {
    const bool digits = std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!digits || text.isEmpty() || text.size() > 5) file.fail(row, u"\"%1\" is not a WMO index number"_s.arg(text));
    return text.rightJustified(5, u'0');
}

// Station identity of a row: its agency's numbering and number.
void identifyStation(const WorldSource& source, const CsvFile& file, const CsvFile::Row& row, WorldRecord& record) {
    const QString number = row.cells.at(file.column(source.stationColumn));
    if (source.numbering == Numbering::Listed) {
        const QStringList parts = number.split(u" / "_s);
        for (const QString& part : parts) {
            const QString scheme = part.section(u' ', 0, 0);
            const QString id = part.section(u' ', 1);
            if (scheme.isEmpty() || id.isEmpty() || id.contains(u' ')) file.fail(row, u"\"%1\" is not a station number"_s.arg(part));
            if (scheme == u"WMO"_s) record.wmo = wmoNumber(file, row, id);
        }
        record.station = parts.join(u", "_s);
        return;
    }
    QString agency;
    switch (source.numbering) {
    case Numbering::Wmo: agency = u"JMA"_s; break;
    case Numbering::Agency: agency = row.cells.at(file.column(u"source_agency"_s)).section(u' ', 0, 0); break;
    case Numbering::Cwa: agency = u"CWA"_s; break;
    case Numbering::Eccc: agency = u"ECCC"_s; break;
    case Numbering::Listed: break;  // above
    }
    if (agency == u"JMA"_s) {
        record.wmo = wmoNumber(file, row, number);
        record.station = u"WMO "_s + record.wmo;
    } else {
        if (agency.isEmpty() || number.isEmpty()) file.fail(row, u"no station number or agency"_s);
        record.station = agency + u' ' + number;
    }
}

// Reads the rows of one world file that belong to program stations.
QList<std::pair<int, WorldRecord>> readWorldSource(const QString& dataDir, const WorldSource& source, const Coverage& coverage) {
    const CsvFile file = CsvFile::read(dataDir + u'/' + source.file);

    // Files without program numbers are matched through coverage.csv.
    QHash<QString, int> pointByStation;
    if (!source.coverageColumn.isEmpty()) {
        for (auto it = coverage.rows.begin(); it != coverage.rows.end(); ++it) {
            const QString station = it.value().value(source.coverageColumn);
            if (station.isEmpty()) continue;
            const QString key = station.rightJustified(5, u'0');
            if (pointByStation.contains(key))
                throw ConversionError(u"coverage.csv: %1 %2 stands for two program stations"_s.arg(source.coverageColumn, station));
            pointByStation.insert(key, it.key());
        }
    }

    QList<std::pair<int, WorldRecord>> records;
    QHash<QString, int> unmatched = pointByStation;
    for (const CsvFile::Row& row : file.rows()) {
        WorldRecord record;
        record.origin = u"%1:%2"_s.arg(file.path()).arg(row.line);
        record.source = source.label;
        identifyStation(source, file, row, record);

        int point = 0;
        if (!source.pointColumn.isEmpty()) {
            if (row.cells.at(file.column(source.pointColumn)).isEmpty()) continue;
            point = readInt(file, row, file.column(source.pointColumn));
            if (file.hasColumn(u"role"_s) && row.cells.at(file.column(u"role"_s)) != u"match"_s)
                file.fail(row, u"a row for program station %1 that is not its match"_s.arg(point));
            if (!coverage.rows.contains(point)) file.fail(row, u"%1 is not a program station"_s.arg(point));
            if (!source.coverageColumn.isEmpty() && pointByStation.value(record.wmo) != point)
                file.fail(row, u"coverage.csv does not name %1 for %2"_s.arg(record.station).arg(point));
        } else {
            if (!pointByStation.contains(record.wmo)) continue;
            point = pointByStation.value(record.wmo);
        }
        unmatched.remove(record.wmo);

        const QString period = file.hasColumn(u"period"_s) ? row.cells.at(file.column(u"period"_s))
                                                           : u"1991-2020"_s;  // the file holds JMA's 1991-2020 normals
        record.endYear = readPeriodEnd(file, row, period);
        for (int i = 0; i < 24; ++i) {
            const QString name = (i < 12 ? u"T%1"_s : u"P%1"_s).arg(i % 12 + 1);
            record.months[i] = readTenths(file, row, file.column(name));
        }
        if (source.ownPosition) {
            const QString latitude = row.cells.at(file.column(u"lat"_s));
            const QString longitude = row.cells.at(file.column(u"lon"_s));
            if (!latitude.isEmpty() && !longitude.isEmpty()) {
                record.latitude = formatLatitude(file, row, latitude);
                record.longitude = formatLongitude(file, row, longitude);
            }
        }
        if (!source.elevationColumn.isEmpty()) {
            const QString elevation = row.cells.at(file.column(source.elevationColumn));
            if (!elevation.isEmpty()) record.elevation = formatElevation(file, row, elevation);
        }
        // Only normals computed the one way the data README describes are taken.
        if (!source.computedFrom.isEmpty()) {
            if (row.cells.at(file.column(u"method"_s)) != u"computed-from-daily"_s)
                file.fail(row, u"normals made by the method \"%1\""_s.arg(row.cells.at(file.column(u"method"_s))));
            record.computed = u"%1 %2 (%3)"_s.arg(source.computedFrom, period, source.file.section(u'/', 0, 0));
        }
        records.append({point, record});
    }
    if (!unmatched.isEmpty())
        throw ConversionError(u"%1: no row for station %2, which coverage.csv names"_s.arg(file.path(), unmatched.constBegin().key()));
    return records;
}

// NOAA ISD station history, used where no normals file gives the station's
// own position or elevation.
class IsdHistory {
public:
    explicit IsdHistory(const QString& dataDir) : m_file(CsvFile::read(dataDir + u"/noaa-isd-station-history/isd-history.csv"_s)) {
        const int idColumn = m_file.column(u"USAF"_s);
        for (qsizetype i = 0; i < m_file.rows().size(); ++i) m_rows.insert(m_file.rows().at(i).cells.at(idColumn), i);
    }

    // Position or elevation of a WMO station; all ISD rows of it must agree.
    QString latitude(const QString& wmo) const { return lookup(wmo, u"LAT"_s); }
    QString longitude(const QString& wmo) const { return lookup(wmo, u"LON"_s); }
    QString elevation(const QString& wmo) const { return lookup(wmo, u"ELEV(M)"_s); }

private:
    QString lookup(const QString& wmo, const QString& column) const {
        const QList<qsizetype> indexes = m_rows.values(wmo + u'0');
        if (indexes.isEmpty()) throw ConversionError(u"%1: no station %2"_s.arg(m_file.path(), wmo + u'0'));
        const int index = m_file.column(column);
        const CsvFile::Row& first = m_file.rows().at(indexes.first());
        const QString text = first.cells.at(index);
        for (qsizetype i : indexes) {
            if (m_file.rows().at(i).cells.at(index) != text)
                m_file.fail(m_file.rows().at(i), u"rows of station %1 disagree on %2"_s.arg(wmo, column));
        }
        if (text.isEmpty()) m_file.fail(first, u"station %1 has no %2"_s.arg(wmo, column));
        if (column == u"LAT"_s) return formatLatitude(m_file, first, text);
        if (column == u"LON"_s) return formatLongitude(m_file, first, text);
        return formatElevation(m_file, first, text);
    }

    CsvFile m_file;
    QMultiHash<QString, qsizetype> m_rows;  // row indexes by USAF id
};

// The status in the words of coverage.csv: "T+P 1991-2020", "T only 1991-2020",
// "T+P 1981-2010 only" (older normals only), "none", or for normals that the
// data collectors computed from observations "computed from GHCN-Daily
// 1991-2020 (world-normals-more)".
QString describeNormals(bool temperature, bool precipitation, int endYear, const QString& computed = QString()) {
    if (!temperature && !precipitation) return u"none"_s;
    if (!computed.isEmpty()) return u"computed from "_s + computed;
    QString text = temperature && precipitation ? u"T+P"_s : temperature ? u"T only"_s : u"P only"_s;
    text += u" %1-%2"_s.arg(endYear - 29).arg(endYear);
    if (endYear != 2020) text += u" only"_s;
    return text;
}

// Joins the records of one world station into its normals row, if it has both
// elements; returns the status in any case.
QString mergeWorldStation(const ProgramStation& station, const QList<WorldRecord>& records, const IsdHistory& isd,
                          QList<NormalsRow>& rows) {
    if (records.isEmpty()) return describeNormals(false, false, 0);
    const WorldRecord& first = records.first();
    std::array<std::optional<qint64>, 24> months;
    std::array<QString, 24> monthOrigins;
    for (const WorldRecord& record : records) {
        if (record.station != first.station || record.endYear != first.endYear)
            throw ConversionError(u"%1 and %2 hold different stations or periods for %3 %4"_s.arg(first.origin, record.origin, station.name)
                                      .arg(station.number));
        for (int i = 0; i < 24; ++i) {
            if (!record.months[i]) continue;
            if (months[i] && months[i] != record.months[i])
                throw ConversionError(u"%1 and %2 disagree on %3 of %4 %5: %6 against %7"_s
                                          .arg(monthOrigins[i], record.origin, (i < 12 ? u"T%1"_s : u"P%1"_s).arg(i % 12 + 1), station.name)
                                          .arg(station.number)
                                          .arg(decimal::format(*months[i], 1), decimal::format(*record.months[i], 1)));
            months[i] = record.months[i];
            monthOrigins[i] = record.origin;
        }
    }
    auto complete = [&months](int from) {
        for (int i = from; i < from + 12; ++i) {
            if (!months[i]) return false;
        }
        return true;
    };
    const bool temperature = complete(0);
    const bool precipitation = complete(12);
    QString computed;
    for (const WorldRecord& record : records) {
        if (!record.computed.isEmpty()) computed = record.computed;
    }
    const QString status = describeNormals(temperature, precipitation, first.endYear, computed);
    if (!temperature || !precipitation) return status;

    NormalsRow row;
    row.number = station.number;
    row.spot = station.name;
    row.endYear = first.endYear;
    row.station = first.station;
    std::array<qint64, 12> ondo;
    std::array<qint64, 12> rain;
    for (int i = 0; i < 12; ++i) {
        ondo[i] = *months[i];
        rain[i] = *months[i + 12];
    }
    row.ondo = formatWithAnnual(ondo, true);
    row.rain = formatWithAnnual(rain, false);
    for (const WorldRecord& record : records) {
        row.valueSources.append(record.source);
        if (row.latitude.isEmpty() && !record.latitude.isEmpty()) {
            row.latitude = record.latitude;
            row.longitude = record.longitude;
            row.positionSource = record.source;
        }
        if (row.elevation.isEmpty() && !record.elevation.isEmpty()) {
            row.elevation = record.elevation;
            row.elevationSource = record.source;
        }
    }
    if (row.latitude.isEmpty() || row.elevation.isEmpty()) {
        if (first.wmo.isEmpty()) throw ConversionError(u"no position or elevation for %1 %2"_s.arg(station.name).arg(station.number));
        if (row.latitude.isEmpty()) {
            row.latitude = isd.latitude(first.wmo);
            row.longitude = isd.longitude(first.wmo);
            row.positionSource = u"isd-history"_s;
        }
        if (row.elevation.isEmpty()) {
            row.elevation = isd.elevation(first.wmo);
            row.elevationSource = u"isd-history"_s;
        }
    }
    const std::optional<QString> country = countryOf(station.number);
    if (!country) throw ConversionError(u"no country for %1 %2; add it to the country table"_s.arg(station.name).arg(station.number));
    row.area = *country;
    rows.append(row);
    return status;
}

QList<NormalsRow> readWorldNormals(const QString& dataDir, const Coverage& coverage, QMap<int, QString>& statuses) {
    QHash<int, QList<WorldRecord>> records;
    for (const WorldSource& source : worldSources) {
        for (const auto& [point, record] : readWorldSource(dataDir, source, coverage)) records[point].append(record);
    }
    const IsdHistory isd(dataDir);

    QList<NormalsRow> rows;
    for (const ProgramStation& station : coverage.stations) {
        if (station.region > 0) continue;
        const QString status = mergeWorldStation(station, records.value(station.number), isd, rows);
        const QString expected = coverage.rows[station.number].value(u"normals_status"_s);
        if (status != expected)
            throw ConversionError(
                u"%1 %2: the sources give \"%3\", coverage.csv says \"%4\""_s.arg(station.name).arg(station.number).arg(status, expected));
        statuses.insert(station.number, status);
    }
    for (int number : countryTableNumbers()) {
        if (std::none_of(rows.begin(), rows.end(), [number](const NormalsRow& row) { return row.number == number; }))
            throw ConversionError(u"the country table names %1, which has no normals row"_s.arg(number));
    }
    return rows;
}

// ---------------------------------------------------------------------------
// Single years, from the monthly values computed from JMA's daily data.

struct MonthValues {
    std::optional<qint64> temperature;
    std::optional<qint64> precipitation;
    bool complete = false;  // every day of the month has both values
};

using StationMonths = QMap<int, std::array<std::optional<MonthValues>, 12>>;  // by year

QMap<int, StationMonths> readMonthlyValues(const QString& dataDir, const Coverage& coverage) {
    const CsvFile file = CsvFile::read(dataDir + u"/jma-daily-derived-monthly/monthly_from_daily.csv"_s);
    const int stationColumn = file.column(u"station_no"_s);
    const int yearColumn = file.column(u"year"_s);
    const int monthColumn = file.column(u"month"_s);
    const int daysColumn = file.column(u"days_in_month"_s);

    QSet<int> japan;
    for (const ProgramStation& station : coverage.stations) {
        if (station.region > 0) japan.insert(station.number);
    }

    QMap<int, StationMonths> stations;
    for (const CsvFile::Row& row : file.rows()) {
        const int number = readInt(file, row, stationColumn);
        const int year = readInt(file, row, yearColumn);
        const int month = readInt(file, row, monthColumn);
        const int days = readInt(file, row, daysColumn);
        if (!japan.contains(number)) file.fail(row, u"%1 is not a Japanese program station"_s.arg(number));
        if (month < 1 || month > 12 || days < 28 || days > 31) file.fail(row, u"month %1 with %2 days"_s.arg(month).arg(days));

        // A value is present exactly when at least one day had one.
        MonthValues values;
        values.complete = true;
        auto readElement = [&](int valueColumn, int presentColumn) {
            const std::optional<qint64> value = readTenths(file, row, valueColumn);
            const int present = readInt(file, row, presentColumn);
            if (present < 0 || present > days || (present == 0) != !value) file.fail(row, u"a value with %1 days of data"_s.arg(present));
            values.complete = values.complete && present == days;
            return value;
        };
        values.temperature = readElement(file.column(u"tavg_c"_s), file.column(u"tavg_days"_s));
        values.precipitation = readElement(file.column(u"prcp_mm"_s), file.column(u"prcp_days"_s));
        std::optional<MonthValues>& slot = stations[number][year][month - 1];
        if (slot) file.fail(row, u"%1 %2-%3 is listed twice"_s.arg(number).arg(year).arg(month));
        slot = values;
    }
    return stations;
}

// A year's twelve values with the annual mean or total, or "×" for a missing
// month and then for the year as well.
QStringList formatYear(const std::array<std::optional<qint64>, 12>& months, bool mean) {
    std::array<qint64, 12> values;
    for (int i = 0; i < 12; ++i) {
        if (!months[i]) {
            QStringList text;
            for (const std::optional<qint64>& month : months) text.append(month ? decimal::format(*month, 1) : missingMark);
            text.append(missingMark);
            return text;
        }
        values[i] = *months[i];
    }
    return formatWithAnnual(values, mean);
}

// The last year whose December the daily data reach at any station: a year the
// collection ends in before its December would be shown as if it were complete.
int lastCompleteYear(const QMap<int, StationMonths>& stations) {
    int last = 0;
    for (const StationMonths& station : stations) {
        for (auto year = station.begin(); year != station.end(); ++year) {
            if (year.value()[11]) last = std::max(last, year.key());
        }
    }
    return last;
}

void readYears(const QString& dataDir, const Coverage& coverage, ClimateData& data) {
    const QMap<int, StationMonths> stations = readMonthlyValues(dataDir, coverage);
    for (auto it = coverage.rows.begin(); it != coverage.rows.end(); ++it) {
        const auto station = stations.constFind(it.key());
        const QString span = station == stations.constEnd() ? QString() : u"%1-%2"_s.arg(station->firstKey()).arg(station->lastKey());
        if (span != it.value().value(u"daily_derived_monthly_years"_s))
            throw ConversionError(u"coverage.csv: daily years of %1 are \"%2\", the data give \"%3\""_s.arg(it.key()).arg(
                it.value().value(u"daily_derived_monthly_years"_s), span));
    }

    data.lastYear = lastCompleteYear(stations);
    if (data.lastYear == 0) throw ConversionError(u"the daily data hold no complete year"_s);
    for (auto station = stations.begin(); station != stations.end(); ++station) {
        StationYears years;
        years.number = station.key();
        for (int year = station->firstKey(); year <= data.lastYear; ++year) {
            const auto months = station->value(year);
            std::array<std::optional<qint64>, 12> temperature;
            std::array<std::optional<qint64>, 12> precipitation;
            YearRow row;
            row.year = year;
            for (int i = 0; i < 12; ++i) {
                if (months[i]) {
                    temperature[i] = months[i]->temperature;
                    precipitation[i] = months[i]->precipitation;
                }
                row.incomplete = row.incomplete || !months[i] || !months[i]->complete;
            }
            row.ondo = formatYear(temperature, true);
            row.rain = formatYear(precipitation, false);
            years.years.append(row);
        }
        if (years.years.isEmpty()) continue;
        if (data.firstYear == 0 || years.years.first().year < data.firstYear) data.firstYear = years.years.first().year;
        data.years.append(years);
    }
}

}  // namespace

ClimateData readClimateData(const QString& dataDir) {
    const Coverage coverage = readCoverage(dataDir);
    const QHash<int, JapanNormals> japan = readJapanNormals(dataDir, coverage);
    checkJapanCopy(dataDir, japan);

    ClimateData data;
    data.stations = coverage.stations;
    for (const JapanNormals& entry : japan) data.normals.append(entry.row);
    data.normals += readWorldNormals(dataDir, coverage, data.worldStatus);
    std::sort(data.normals.begin(), data.normals.end(), [](const NormalsRow& a, const NormalsRow& b) { return a.number < b.number; });

    readYears(dataDir, coverage, data);
    for (const StationYears& station : std::as_const(data.years)) {
        if (!japan.contains(station.number))
            throw ConversionError(u"station %1 has single years but no normals, so no position"_s.arg(station.number));
    }
    return data;
}
