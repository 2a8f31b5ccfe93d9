#pragma once
// Where the world stations stand: longitude and latitude by display name. The station
// of the normal values where the normals sources give its position, the station history
// of the coverage table next, and for the rest the NOAA ISD station history by station
// identifier, as listed here.

#include <QHash>
#include <QPointF>
#include <QString>

#include <optional>

namespace maps {

// Display name -> (longitude, latitude), read from the shared data folder. Besides the
// catalogue's names it knows ウェリントン, the name that the climograph and two-graph
// windows give station 57196, at Wellington.
std::optional<QHash<QString, QPointF>> readWorldPlaces(const QString& dataFolder, QString* error);

}  // namespace maps
