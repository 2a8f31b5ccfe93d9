// The GIF encoder, read back by Qt's own GIF reader: every pixel must come back with its
// colour, transparent where its colour table entry is, across palette sizes and pictures
// that push the code table through its width changes and restarts.

#include "tools/gifwriter/GifWriter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <functional>
#include <random>

using namespace Qt::Literals::StringLiterals;

namespace {

QList<QRgb> spread(int n) {
    QList<QRgb> colours;
    for (int i = 0; i < n; ++i) colours << qRgb((i * 37) % 256, (i * 91 + 17) % 256, (255 - i) % 256);
    return colours;
}

QImage indexed(int w, int h, const QList<QRgb>& colours, const std::function<int(int, int)>& index) {
    QImage image(w, h, QImage::Format_Indexed8);
    image.setColorTable(colours);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) image.setPixel(x, y, static_cast<uint>(index(x, y)));
    return image;
}

void expectReadBackEqual(const QImage& image) {
    const QByteArray bytes = gif::encode(image);
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_TRUE(bytes.startsWith("GIF89a"));
    EXPECT_EQ(bytes.back(), ';');
    const QImage back = QImage::fromData(bytes, "GIF");
    ASSERT_FALSE(back.isNull());
    ASSERT_EQ(back.size(), image.size());
    int wrong = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb want = image.color(image.pixelIndex(x, y));
            const QRgb got = back.pixel(x, y);
            const bool same = qAlpha(want) == 0 ? qAlpha(got) == 0 : got == (want | 0xFF000000u);
            if (!same && ++wrong <= 3) ADD_FAILURE() << "pixel " << x << ',' << y;
        }
    }
    EXPECT_EQ(wrong, 0);
}

TEST(GifWriter, PicturesReadBackPixelForPixel) {
    std::mt19937 random(20240611);
    const auto noise = [&random](int n) {
        return [&random, n](int, int) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    };
    struct Case {
        const char* what;
        int w, h, colours;
        std::function<int(int, int)> index;
    };
    const Case cases[] = {
        {"one pixel, one colour", 1, 1, 1, [](int, int) { return 0; }},
        {"two colours, checkerboard", 3, 2, 2, [](int x, int y) { return (x + y) % 2; }},
        {"three colours, table padded to four", 5, 7, 3, [](int x, int y) { return (x * y) % 3; }},
        {"256 colours of noise: the table restarts many times", 128, 128, 256, noise(256)},
        {"long runs: codes grow to twelve bits", 700, 500, 16, [](int x, int y) { return (x / 7 + y / 5) % 16; }},
        {"one colour everywhere", 300, 200, 16, [](int, int) { return 9; }},
        {"sixteen colours of noise", 97, 61, 16, noise(16)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        expectReadBackEqual(indexed(c.w, c.h, spread(c.colours), c.index));
    }
}

TEST(GifWriter, AnEntryWithoutAlphaBecomesTransparent) {
    QList<QRgb> colours = spread(16);
    colours[15] = qRgba(255, 255, 255, 0);
    const QImage image = indexed(40, 30, colours, [](int x, int y) { return (x / 3 + y / 4) % 16; });
    expectReadBackEqual(image);
    const QImage back = QImage::fromData(gif::encode(image), "GIF");
    EXPECT_EQ(qAlpha(back.pixel(0, 0)), 255);
    EXPECT_EQ(qAlpha(back.pixel(33, 16)), 0);  // entry 15: 33 / 3 + 16 / 4
}

TEST(GifWriter, RefusesWhatItCannotWrite) {
    QImage rgb(4, 4, QImage::Format_RGB32);
    rgb.fill(Qt::red);
    EXPECT_TRUE(gif::encode(rgb).isEmpty());

    EXPECT_TRUE(gif::encode(QImage()).isEmpty());

    QImage beyond = indexed(4, 4, spread(3), [](int, int) { return 0; });
    beyond.scanLine(2)[1] = 3;  // the fourth entry of a three-colour table
    EXPECT_TRUE(gif::encode(beyond).isEmpty());

    QList<QRgb> twoClear = spread(4);
    twoClear[1] = qRgba(0, 0, 0, 0);
    twoClear[2] = qRgba(255, 255, 255, 0);
    EXPECT_TRUE(gif::encode(indexed(2, 2, twoClear, [](int, int) { return 0; })).isEmpty());

    QImage noTable(2, 2, QImage::Format_Indexed8);
    noTable.fill(0);
    EXPECT_TRUE(gif::encode(noTable).isEmpty());
}

TEST(GifWriter, SavesToAFileAndReportsAFolderItCannotWriteTo) {
    const QImage image = indexed(8, 8, spread(4), [](int x, int y) { return (x ^ y) % 4; });
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(u"picture.gif"_s);
    ASSERT_TRUE(gif::save(image, path));
    const QImage back(path);
    ASSERT_EQ(back.size(), image.size());
    EXPECT_EQ(back.pixel(3, 5), image.color(image.pixelIndex(3, 5)));
    EXPECT_FALSE(gif::save(image, dir.filePath(u"missing/picture.gif"_s)));
}

TEST(GifWriter, ToIndexedTakesEachColourToItsPaletteEntry) {
    const QList<QRgb> palette = {qRgb(10, 20, 30), qRgba(255, 255, 255, 0), qRgb(255, 0, 0)};
    QImage picture(3, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(255, 255, 255));  // matches the transparent white: alpha is ignored
    picture.setPixel(2, 0, qRgb(10, 20, 30));
    const QImage out = gif::toIndexed(picture, palette);
    ASSERT_EQ(out.format(), QImage::Format_Indexed8);
    EXPECT_EQ(out.colorTable(), palette);
    EXPECT_EQ(out.pixelIndex(0, 0), 2);
    EXPECT_EQ(out.pixelIndex(1, 0), 1);
    EXPECT_EQ(out.pixelIndex(2, 0), 0);

    picture.setPixel(2, 0, qRgb(10, 20, 31));
    EXPECT_TRUE(gif::toIndexed(picture, palette).isNull());
}

}  // namespace
