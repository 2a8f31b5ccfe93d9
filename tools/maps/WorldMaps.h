#pragma once
// The pictures of the world station pickers: the seven region maps, drawn from Natural
// Earth and fitted to the station markers of each region, the station marker and the
// window icon.

#include <QDir>
#include <QString>

namespace maps {

// Writes the pictures under `out` at the names that the world picker tables give them;
// false, with a message on standard error, when something cannot be read, fitted or
// written.
bool makeWorldPictures(const QString& dataFolder, const QDir& out);

}  // namespace maps
