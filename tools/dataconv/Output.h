#pragma once
// Writes data/climate/: normals.csv, years.csv and the README that documents them.

#include <QString>

struct ClimateData;

void writeNormals(const QString& path, const ClimateData& data);
void writeYears(const QString& path, const ClimateData& data);
void writeReadme(const QString& path, const ClimateData& data);
