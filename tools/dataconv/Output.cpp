#include "tools/dataconv/Output.h"

#include "tools/dataconv/CsvFile.h"
#include "tools/dataconv/Sources.h"

#include <QFile>
#include <QHash>
#include <QMap>
#include <QSaveFile>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

void saveFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw ConversionError(u"%1: cannot write: %2"_s.arg(path, file.errorString()));
}

// The files are read by splitting lines at commas, so no value may need quoting.
void saveCsv(const QString& path, const QStringList& header, const QList<QStringList>& rows) {
    QString text = header.join(u',') + u'\n';
    int line = 1;
    for (const QStringList& row : rows) {
        ++line;
        for (const QString& cell : row) {
            if (cell.contains(u',') || cell.contains(u'"') || cell.contains(u'\n') || cell.contains(u'\r'))
                throw ConversionError(u"%1:%2: the value \"%3\" cannot be written unquoted"_s.arg(path).arg(line).arg(cell));
        }
        text += row.join(u',') + u'\n';
    }
    saveFile(path, text.toUtf8());
}

QStringList monthHeader() {
    QStringList header;
    for (const QString& element : {u"Ondo_"_s, u"Rain_"_s}) {
        for (int month = 1; month <= 13; ++month) header.append(element + QString::number(month));
    }
    return header;
}

const NormalsRow* findNormals(const ClimateData& data, int number) {
    const auto it =
        std::find_if(data.normals.begin(), data.normals.end(), [number](const NormalsRow& row) { return row.number == number; });
    return it == data.normals.end() ? nullptr : &*it;
}

const StationYears* findYears(const ClimateData& data, int number) {
    const auto it =
        std::find_if(data.years.begin(), data.years.end(), [number](const StationYears& station) { return station.number == number; });
    return it == data.years.end() ? nullptr : &*it;
}

// ---------------------------------------------------------------------------
// README parts

QString stationLabel(const ProgramStation& station) { return u"%1 %2"_s.arg(station.name).arg(station.number); }

// What a station lacks, or nothing when it has all its data.
QString missingText(const ClimateData& data, const ProgramStation& station) {
    const NormalsRow* normals = findNormals(data, station.number);
    if (station.region > 0) {
        QStringList missing;
        if (!normals) missing.append(u"no normals"_s);
        if (!findYears(data, station.number)) missing.append(u"no single years"_s);
        return missing.join(u" and "_s);
    }
    const QString status = data.worldStatus.value(station.number);
    if (normals && status.startsWith(u"computed from "_s)) return u"normals %1, not published ones"_s.arg(status);
    if (normals) return normals->endYear == 2020 ? QString() : u"normals of 1981-2010 only"_s;
    if (status.startsWith(u"T only"_s)) return u"temperature normals only, no row"_s;
    return u"no normals, no row"_s;
}

QString coverageSection(const ClimateData& data) {
    QStringList groups;
    for (const ProgramStation& station : data.stations) {
        if (!groups.contains(station.group)) groups.append(station.group);
    }

    QString table =
        u"| Region or block | Point_No | Catalogue | Normals | Single years | Years |\n"
        u"|---|---|---:|---:|---:|---|\n"_s;
    QString missing;
    int totals[3] = {0, 0, 0};
    for (const QString& group : std::as_const(groups)) {
        int stations = 0;
        int normals = 0;
        int withYears = 0;
        int firstYear = 0;
        int low = 0;
        int high = 0;
        bool japanese = false;
        QMap<QString, QStringList> lacking;  // stations by what they lack
        for (const ProgramStation& station : data.stations) {
            if (station.group != group) continue;
            japanese = station.region > 0;
            ++stations;
            if (low == 0 || station.number < low) low = station.number;
            high = std::max(high, station.number);
            if (findNormals(data, station.number)) ++normals;
            if (const StationYears* years = findYears(data, station.number); years && !years->years.isEmpty()) {
                ++withYears;
                const int first = years->years.first().year;
                if (firstYear == 0 || first < firstYear) firstYear = first;
            }
            const QString text = missingText(data, station);
            if (!text.isEmpty()) lacking[text].append(stationLabel(station));
        }
        const QString numbers = japanese ? u"47xxx"_s : u"%1–%2"_s.arg(low).arg(high);
        const QString years = withYears > 0 ? u"%1–%2"_s.arg(firstYear).arg(data.lastYear) : u"—"_s;
        table += u"| %1 | %2 | %3 | %4 | %5 | %6 |\n"_s.arg(group, numbers).arg(stations).arg(normals).arg(withYears).arg(years);
        totals[0] += stations;
        totals[1] += normals;
        totals[2] += withYears;
        for (auto it = lacking.begin(); it != lacking.end(); ++it)
            missing += u"- %1, %2: %3.\n"_s.arg(group, it.key(), it.value().join(u", "_s));
    }
    table += u"| **All** | | %1 | %2 | %3 | |\n"_s.arg(totals[0]).arg(totals[1]).arg(totals[2]);
    return table + u"\nStations that lack something:\n\n"_s + missing;
}

QString worldSection(const ClimateData& data) {
    QString table =
        u"| Point_No | Station | Source station | nen | Values | Position | Elevation |\n"
        u"|---|---|---|---|---|---|---|\n"_s;
    for (const NormalsRow& row : data.normals) {
        if (row.station.isEmpty()) continue;  // a Japanese station
        table += u"| %1 | %2 | %3 | %4 | %5 | %6 | %7 |\n"_s.arg(row.number)
                     .arg(row.spot, row.station)
                     .arg(row.endYear)
                     .arg(row.valueSources.join(u", "_s), row.positionSource, row.elevationSource);
    }
    return table;
}

QString fillTemplate(QString text, const QHash<QString, QString>& values) {
    for (auto it = values.begin(); it != values.end(); ++it) {
        if (!text.contains(it.key())) throw ConversionError(u"README template: no placeholder %1"_s.arg(it.key()));
        text.replace(it.key(), it.value());
    }
    return text;
}

}  // namespace

void writeNormals(const QString& path, const ClimateData& data) {
    const QStringList header =
        QStringList{u"Point_No"_s, u"spot"_s, u"nen"_s, u"latitude"_s, u"longitude"_s, u"P_High"_s, u"area"_s} + monthHeader();
    QList<QStringList> rows;
    for (const NormalsRow& row : data.normals) {
        rows.append(QStringList{QString::number(row.number), row.spot, QString::number(row.endYear), row.latitude, row.longitude,
                                row.elevation, row.area} +
                    row.ondo + row.rain);
    }
    saveCsv(path, header, rows);
}

void writeYears(const QString& path, const ClimateData& data) {
    const QStringList header =
        QStringList{u"Point_No"_s, u"ID"_s, u"nen"_s, u"spot"_s, u"latitude"_s, u"longitude"_s, u"P_High"_s, u"area"_s, u"TS"_s, u"KS"_s} +
        monthHeader();
    QList<QStringList> rows;
    for (const StationYears& station : data.years) {
        const NormalsRow* normals = findNormals(data, station.number);
        int id = 0;
        for (const YearRow& year : station.years) {
            rows.append(QStringList{QString::number(station.number), QString::number(++id), QString::number(year.year), normals->spot,
                                    normals->latitude, normals->longitude, normals->elevation, u"日本"_s, QString(),
                                    year.incomplete ? u"1"_s : QString()} +
                        year.ondo + year.rain);
        }
    }
    saveCsv(path, header, rows);
}

void writeReadme(const QString& path, const ClimateData& data) {
    int japanese = 0;
    int yearRows = 0;
    for (const NormalsRow& row : data.normals) {
        if (row.station.isEmpty()) ++japanese;
    }
    for (const StationYears& station : data.years) yearRows += int(station.years.size());

    QFile templateFile(u":/climate-readme.md.in"_s);
    if (!templateFile.open(QIODevice::ReadOnly)) throw ConversionError(u"the README template is not built in"_s);
    const QString text = fillTemplate(
        QString::fromUtf8(templateFile.readAll()),
        {
            {u"@NORMALS_ROWS@"_s,
             u"%1 rows: %2 Japanese and %3 world stations"_s.arg(data.normals.size()).arg(japanese).arg(data.normals.size() - japanese)},
            {u"@YEAR_ROWS@"_s, u"%1 rows for %2 Japanese stations"_s.arg(yearRows).arg(data.years.size())},
            {u"@FIRST_YEAR@"_s, QString::number(data.firstYear)},
            {u"@LAST_YEAR@"_s, QString::number(data.lastYear)},
            {u"@COVERAGE@"_s, coverageSection(data)},
            {u"@WORLD_STATIONS@"_s, worldSection(data)},
        });
    saveFile(path, text.toUtf8());
}

void writeDataPeriod(const QString& path, const ClimateData& data) {
    const QString text =
        uR"(#pragma once
// Generated by tools/dataconv together with years.csv, from the monthly values of JMA's daily
// data in the shared source data (jma-daily-derived-monthly): regenerate, do not edit. Every
// Japanese station with single years has a row for each year from its first year through
// kLastSingleYear, the last year whose December the daily data reach.

namespace climate {

inline constexpr int kFirstSingleYear = %1;  // the earliest first year of any station
inline constexpr int kLastSingleYear = %2;

}  // namespace climate
)"_s.arg(data.firstYear)
            .arg(data.lastYear);
    saveFile(path, text.toUtf8());
}
