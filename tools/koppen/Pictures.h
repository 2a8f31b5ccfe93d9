#pragma once
// The pictures drawn from the Köppen grid: the two map pictures with their legend and
// credit line, the globes of the version window and the program's small logo. Every
// pixel has one of the colours of koppen::palette().

#include "tools/koppen/Koppen.h"

#include <QImage>

namespace koppen {

QImage worldPicture(const Grid& grid);    // kWorldPicture, Mollweide
QImage sectionPicture(const Grid& grid);  // kSectionPicture, plate carrée
// A globe above a place, in the middle of a picture on the version window's background.
QImage globePicture(const Grid& grid, QSize size, double lon0, double lat0);
// The globe above Africa, 32 by 32, on a background that the GIF makes transparent.
QImage logoPicture(const Grid& grid);

}  // namespace koppen
