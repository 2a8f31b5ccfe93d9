// Writes the five station marker pictures and the picker window icon as GIF files:
//
//   markers <pickers folder>
//
// giving <pickers folder>/markers/Marker_*.gif and <pickers folder>/icons/picker.gif.

#include "tools/gifwriter/GifWriter.h"
#include "tools/markers/MarkerShapes.h"

#include <QCoreApplication>
#include <QDir>

#include <cmath>
#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

// The sixteen colours of every picture written here; white is the transparent one.
const QList<QRgb> kPalette = {
    qRgb(0, 0, 0),     qRgb(128, 0, 0),     qRgb(0, 128, 0),     qRgb(128, 128, 0),       qRgb(0, 0, 128), qRgb(128, 0, 128),
    qRgb(0, 128, 128), qRgb(192, 192, 192), qRgb(128, 128, 128), qRgb(255, 0, 0),         qRgb(0, 255, 0), qRgb(255, 255, 0),
    qRgb(0, 0, 255),   qRgb(255, 0, 255),   qRgb(0, 255, 255),   qRgba(255, 255, 255, 0),
};
constexpr uchar kRed = 9;
constexpr uchar kMagenta = 13;
constexpr uchar kWhite = 15;

QImage markerPicture(const markers::MarkerShape& s) {
    QImage picture(s.size, s.size, QImage::Format_Indexed8);
    picture.setColorTable(kPalette);
    picture.fill(kWhite);

    const QPointF centre = markers::ellipseCentre(s);
    const double a = (s.right - s.left + 1) / 2.0;
    const double b = (s.bottom - s.top + 1) / 2.0;
    // A pixel belongs to the ellipse when its centre does.
    const auto inside = [&](int x, int y) {
        const double dx = (x + 0.5 - centre.x()) / a;
        const double dy = (y + 0.5 - centre.y()) / b;
        return dx * dx + dy * dy <= 1.0;
    };
    for (int y = 0; y < s.size; ++y) {
        for (int x = 0; x < s.size; ++x) {
            if (!inside(x, y)) continue;
            const bool rim = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
            picture.setPixel(x, y, s.ring && !rim ? kMagenta : kRed);
        }
    }
    return picture;
}

// A red map pin with a yellow head standing on its grey shadow, drawn pixel by pixel
// about the picture's vertical middle.
QImage pickerIcon() {
    constexpr uchar kMaroon = 1;
    constexpr uchar kGrey = 8;
    constexpr uchar kYellow = 11;
    QImage icon(32, 32, QImage::Format_Indexed8);
    icon.setColorTable(kPalette);
    icon.fill(kWhite);

    const auto body = [](int x, int y) {
        const double dx = x + 0.5 - 16, dy = y + 0.5;
        const bool head = dx * dx + (dy - 11) * (dy - 11) <= 9.5 * 9.5;
        const bool point = dy >= 15 && dy <= 29.5 && std::abs(dx) <= (29.5 - dy) * 7.5 / 14.5;
        return head || point;
    };
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const double dx = x + 0.5 - 16, dy = y + 0.5;
            const double fromHead = std::hypot(dx, dy - 11);
            if (body(x, y)) {
                const bool edge = !body(x - 1, y) || !body(x + 1, y) || !body(x, y - 1) || !body(x, y + 1);
                if (edge || (fromHead > 4 && fromHead <= 5))
                    icon.setPixel(x, y, kMaroon);
                else
                    icon.setPixel(x, y, fromHead <= 4 ? kYellow : kRed);
            } else if ((dx / 7) * (dx / 7) + ((dy - 28.5) / 2.5) * ((dy - 28.5) / 2.5) <= 1) {
                icon.setPixel(x, y, kGrey);
            }
        }
    }
    return icon;
}

bool write(const QImage& picture, const QString& path) {
    if (!gif::save(picture, path)) {
        std::fprintf(stderr, "markers: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: markers <pickers folder>\n");
        return 2;
    }
    const QDir root(args[1]);
    if (!root.mkpath(u"markers"_s) || !root.mkpath(u"icons"_s)) {
        std::fprintf(stderr, "markers: cannot create the folders under %s\n", qPrintable(args[1]));
        return 1;
    }

    bool ok = true;
    for (const auto& shape : markers::kShapes) {
        const QString file = u"markers/"_s + QString::fromUtf16(shape.name) + u".gif"_s;
        ok = write(markerPicture(shape), root.filePath(file)) && ok;
    }
    ok = write(pickerIcon(), root.filePath(u"icons/picker.gif"_s)) && ok;
    return ok ? 0 : 1;
}
