#pragma once
// Writes one-frame GIF89a pictures from 8-bit indexed images. The image's colour table
// becomes the GIF's global colour table (padded to a power of two); an entry whose alpha
// is 0 becomes the transparent colour.

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

namespace gif {

// The GIF file of `image`, which must be Format_Indexed8 with 1 to 256 colours, every
// pixel within the colour table and at most one transparent entry. Anything else gives
// an empty array.
QByteArray encode(const QImage& image);

// Encodes `image` and writes it to `path`; false when it cannot be encoded or written.
bool save(const QImage& image, const QString& path);

// `picture` with each pixel replaced by the index of the `palette` entry of exactly its
// colour (alpha ignored), keeping `palette` as the colour table; a null image when some
// pixel's colour is not in the palette.
QImage toIndexed(const QImage& picture, const QList<QRgb>& palette);

}  // namespace gif
