#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// One row of normals.csv, every value already written as it is stored.
struct NormalsRow {
    int number = 0;
    QString spot;
    int endYear = 0;
    QString latitude;
    QString longitude;
    QString elevation;
    QString area;
    QStringList ondo;  // months 1..12, then the annual mean
    QStringList rain;  // months 1..12, then the annual total

    // Provenance of a world row, for the data README.
    QString station;           // e.g. "WMO 03772", "KMA 159"
    QStringList valueSources;  // the source files that hold the values
    QString positionSource;
    QString elevationSource;
};

// One row of years.csv without the station columns.
struct YearRow {
    int year = 0;
    QStringList ondo;  // 13 values as for NormalsRow; "×" where missing
    QStringList rain;
    bool incomplete = false;  // some month lacks days of data
};

struct StationYears {
    int number = 0;
    QList<YearRow> years;  // consecutive, from the station's first year to ClimateData::lastYear
};

// A station of the program's catalogue, with the group the data README lists
// it under: its region of Japan (北海道 ...) or its world block (Europe ...).
struct ProgramStation {
    int number = 0;
    QString name;
    int region = 0;  // 1..7; 0 for a world station
    QString group;
};

struct ClimateData {
    QList<ProgramStation> stations;  // catalogue order
    QList<NormalsRow> normals;       // ascending station number
    QList<StationYears> years;       // ascending station number
    QMap<int, QString> worldStatus;  // every world station: "T+P 1991-2020", "none", ...
    int firstYear = 0;               // of the earliest station's single years
    int lastYear = 0;                // of every station's single years: the last complete year of the daily data
};

// Reads and cross-checks everything under the shared data folder.
ClimateData readClimateData(const QString& dataDir);
