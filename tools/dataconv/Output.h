#pragma once
// Writes data/climate/: normals.csv, years.csv, the README that documents them and
// DataPeriod.h, which gives the program the years the files hold.

#include <QString>

struct ClimateData;

void writeNormals(const QString& path, const ClimateData& data);
void writeYears(const QString& path, const ClimateData& data);
void writeReadme(const QString& path, const ClimateData& data);
void writeDataPeriod(const QString& path, const ClimateData& data);
