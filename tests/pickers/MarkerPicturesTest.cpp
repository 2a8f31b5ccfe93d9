// The five station marker pictures and the picker icon, read back from the source tree
// as the program reads them: size, transparent white, and exactly which pixels are red
// and which magenta.

#include "pickers/tables/JapanRegions.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;
using pickers::Marker;

namespace {

const QString kPickers = QString::fromUtf8(TAVRIN_PICKERS_DIR);

// The pictures as designed: square size, the first and last column and row of the
// ellipse, and whether it is a red rim round magenta.
struct Expected {
    Marker marker;
    int size;
    int left, top, right, bottom;
    bool ring;
};
const Expected kMarkers[] = {
    {Marker::Ring16, 16, 3, 4, 12, 10, true},  {Marker::Dot16, 16, 2, 3, 13, 11, false},      {Marker::SmallDot16, 16, 3, 4, 12, 10, false},
    {Marker::Dot31, 31, 9, 10, 20, 18, false}, {Marker::WideDot31, 31, 9, 10, 21, 18, false},
};

// ":/markers/Marker_Ring16.gif" -> the file in the source tree.
QString fileOf(const QString& resource) { return kPickers + u'/' + resource.mid(2); }

constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kMagenta = 0xFFFF00FF;

TEST(MarkerPictures, EachEllipseFillsExactlyItsColumnsAndRows) {
    for (const auto& e : kMarkers) {
        const QString path = fileOf(pickers::markerResource(e.marker));
        SCOPED_TRACE(path.toStdString());
        const QImage picture(path);
        ASSERT_FALSE(picture.isNull());
        ASSERT_EQ(picture.size(), QSize(e.size, e.size));

        const auto opaque = [&picture](int x, int y) { return picture.rect().contains(x, y) && qAlpha(picture.pixel(x, y)) != 0; };
        QRect box;
        int widest = 0;
        for (int y = 0; y < e.size; ++y) {
            int first = -1, last = -1, count = 0;
            for (int x = 0; x < e.size; ++x) {
                if (!opaque(x, y)) continue;
                box |= QRect(x, y, 1, 1);
                first = first < 0 ? x : first;
                last = x;
                ++count;
                const bool rim = !opaque(x - 1, y) || !opaque(x + 1, y) || !opaque(x, y - 1) || !opaque(x, y + 1);
                EXPECT_EQ(picture.pixel(x, y), e.ring && !rim ? kMagenta : kRed) << x << ',' << y;
            }
            if (count == 0) continue;
            // One run per row, centred on the ellipse, widening to the middle row and
            // narrowing after it.
            EXPECT_EQ(count, last - first + 1) << "row " << y;
            EXPECT_EQ(first - e.left, e.right - last) << "row " << y;
            const bool upperHalf = 2 * y <= e.top + e.bottom;
            if (upperHalf) {
                EXPECT_GE(count, widest) << "row " << y;
            } else {
                EXPECT_LE(count, widest) << "row " << y;
            }
            widest = std::max(widest, count);
        }
        EXPECT_EQ(box, QRect(QPoint(e.left, e.top), QPoint(e.right, e.bottom)));
        if (e.ring) {
            EXPECT_EQ(picture.pixel((e.left + e.right) / 2, (e.top + e.bottom) / 2), kMagenta);
        }
    }
}

// The file itself: a sixteen-colour global palette whose transparent entry is white.
TEST(MarkerPictures, PaletteHasSixteenColoursWithTransparentWhite) {
    for (const auto& e : kMarkers) {
        const QString path = fileOf(pickers::markerResource(e.marker));
        SCOPED_TRACE(path.toStdString());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray b = file.readAll();
        ASSERT_GT(b.size(), 13 + 48 + 8);
        EXPECT_TRUE(b.startsWith("GIF89a"));
        const auto at = [&b](int i) { return static_cast<unsigned char>(b[i]); };
        ASSERT_TRUE(at(10) & 0x80) << "no global colour table";
        EXPECT_EQ(2 << (at(10) & 7), 16);
        const int gce = 13 + 48;
        ASSERT_EQ(at(gce), 0x21);
        ASSERT_EQ(at(gce + 1), 0xF9);
        EXPECT_TRUE(at(gce + 3) & 1) << "no transparent colour";
        const int entry = 13 + 3 * at(gce + 6);
        EXPECT_EQ(at(entry), 0xFF);
        EXPECT_EQ(at(entry + 1), 0xFF);
        EXPECT_EQ(at(entry + 2), 0xFF);
    }
}

TEST(PickerIcon, IsA32PixelPictureOnATransparentGround) {
    const QImage icon(kPickers + u"/icons/picker.gif"_s);
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.size(), QSize(32, 32));
    int clear = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) clear += qAlpha(icon.pixel(x, y)) == 0 ? 1 : 0;
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_GT(clear, 0);
    EXPECT_LT(clear, 32 * 32 * 3 / 4);  // something is drawn
}

}  // namespace
