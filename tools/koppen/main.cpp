// Draws the Köppen-Geiger pictures of the program from the public 0.5° classification:
//
//   koppen <data folder> <extras folder>
//
// reads <data folder>/koppen-geiger-kgc/climatezones.csv and writes, into the extras
// folder, the two map pictures (maps/koppen_world.gif, maps/koppen_section.gif) and the
// globes and logo of the version and splash windows (pictures/globe_japan.gif,
// pictures/globe_america.gif, pictures/logo.gif). Running it again on the same data
// reproduces the pictures byte for byte.

#include "tools/gifwriter/GifWriter.h"
#include "tools/koppen/Koppen.h"
#include "tools/koppen/Pictures.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

bool write(const QImage& picture, QList<QRgb> palette, const QString& path) {
    const QImage indexed = gif::toIndexed(picture, palette);
    if (indexed.isNull()) {
        std::fprintf(stderr, "koppen: %s has a colour outside its palette\n", qPrintable(path));
        return false;
    }
    if (!QDir().mkpath(QFileInfo(path).path()) || !gif::save(indexed, path)) {
        std::fprintf(stderr, "koppen: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    // Fonts need a GUI application; no window is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: koppen <data folder> <extras folder>\n");
        return 2;
    }
    const QString data = QString::fromLocal8Bit(argv[1]);
    const QDir extras(QString::fromLocal8Bit(argv[2]));

    QString error;
    const auto grid = koppen::Grid::read(data + u"/koppen-geiger-kgc/climatezones.csv"_s, &error);
    if (!grid) {
        std::fprintf(stderr, "koppen: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("%d land cells\n", grid->landCells());

    const QList<QRgb> palette = koppen::palette();
    // The logo's background is transparent, whatever it is drawn on.
    QList<QRgb> logoPalette = palette;
    logoPalette[static_cast<int>(palette.indexOf(koppen::kPaper))] = koppen::kPaper & 0x00FFFFFFu;

    bool ok = write(koppen::worldPicture(*grid), palette, extras.filePath(u"maps/koppen_world.gif"_s));
    ok = write(koppen::sectionPicture(*grid), palette, extras.filePath(u"maps/koppen_section.gif"_s)) && ok;
    ok = write(koppen::globePicture(*grid, QSize(155, 210), 135, 35), palette, extras.filePath(u"pictures/globe_japan.gif"_s)) && ok;
    ok = write(koppen::globePicture(*grid, QSize(260, 260), -60, 0), palette, extras.filePath(u"pictures/globe_america.gif"_s)) && ok;
    ok = write(koppen::logoPicture(*grid), logoPalette, extras.filePath(u"pictures/logo.gif"_s)) && ok;
    return ok ? 0 : 1;
}
