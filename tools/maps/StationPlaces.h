#pragma once
// Where the Japanese stations stand: latitude and longitude by display name, from the
// JMA normals file where it has the station and from the station coverage table
// (the NOAA station history's position) otherwise.

#include <QHash>
#include <QPointF>
#include <QString>

#include <optional>

namespace maps {

// Display name -> (longitude, latitude), read from the shared data folder.
std::optional<QHash<QString, QPointF>> readStationPlaces(const QString& dataFolder, QString* error);

}  // namespace maps
