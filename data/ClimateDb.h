#pragma once
// The climate databases: seven files under Hyther_DB/, one per region of Japan. The
// first holds the normal values of every station; each holds one single-year table per
// Japanese station of its region. Every value is text as shown ("5.4", "×", ""), except
// nen, Point_No and ID, which are numbers.

#include <QMap>
#include <QString>
#include <QStringList>

#include <vector>

namespace data {

inline constexpr int kRegionCount = 7;

// The database of a region, as the classic path with "\" ("Hyther_DB\Kanto_Hyser_Data.mdb").
QString regionDatabase(int region);
// The connection string of a region's database, in its classic form.
QString connectionString(int region);
// The same for a database file given by its path ("/" or "\" separators).
QString connectionStringFor(const QString& databasePath);

extern const QString kNormalsTable;  // Heinenchi_Hyser_Data, in the file of kNormalsRegion
// The region whose database holds the normal values of every station.
inline constexpr int kNormalsRegion = 1;
extern const QString kDefaultStationTable;  // the table opened at start-up: Tokyo_Hyser_Data
inline constexpr int kDefaultStationRegion = 3;

// Field names: "Ondo_" or "Rain_" followed by the month 1..13 (13: the year).
QString ondoField(int month);
QString rainField(int month);

// The fields of the two kinds of table, in their column order.
QStringList normalsFields();
QStringList yearFields();

// One row of a climate table: field name -> text.
using ClimateRow = QMap<QString, QString>;

// Reads a data file of ours: UTF-8, a header line naming the fields, one row per line,
// fields separated by commas. Throws std::runtime_error naming the file and line.
std::vector<ClimateRow> readClimateCsv(const QString& path);

// Writes the seven databases into folder/Hyther_DB/: the normal values (rows with a
// Point_No) into region 1's file, and for every Japanese station of the catalogue its
// single-year table in its region's file, holding its rows of years (rows with Point_No
// and ID), in the order given. A station without rows gets an empty table.
// Throws ado::Error or std::runtime_error on a failure.
void buildClimateDatabases(const QString& folder, const std::vector<ClimateRow>& normals, const std::vector<ClimateRow>& years);

}  // namespace data
