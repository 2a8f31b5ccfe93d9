#include "tools/gifwriter/GifWriter.h"

#include <QFile>
#include <QHash>

#include <algorithm>
#include <vector>

namespace gif {

namespace {

constexpr int kMaxCode = 4095;  // codes are at most 12 bits wide

// Packs variable-width codes into bytes, least significant bit first.
class CodeWriter {
public:
    explicit CodeWriter(QByteArray& out) : out_(out) {}

    void put(int code, int width) {
        acc_ |= static_cast<quint32>(code) << bits_;
        bits_ += width;
        while (bits_ >= 8) {
            out_.append(static_cast<char>(acc_ & 0xFF));
            acc_ >>= 8;
            bits_ -= 8;
        }
    }

    void flush() {
        if (bits_ > 0) out_.append(static_cast<char>(acc_ & 0xFF));
        acc_ = 0;
        bits_ = 0;
    }

private:
    QByteArray& out_;
    quint32 acc_ = 0;
    int bits_ = 0;
};

// The LZW stream of the image's pixels, before it is cut into sub-blocks. The code width
// grows and the table restarts exactly where a decoder expects it to.
QByteArray compress(const QImage& image, int minCodeSize) {
    const int clear = 1 << minCodeSize;
    const int end = clear + 1;
    QByteArray bytes;
    CodeWriter writer(bytes);

    int width = minCodeSize + 1;
    int next = end + 1;
    // The code that extends `prefix` by one pixel value, 0 when there is none yet.
    std::vector<quint16> extension(static_cast<size_t>(kMaxCode + 1) * 256, 0);

    const auto output = [&](int code) {
        writer.put(code, width);
        if (next >= (1 << width) && width < 12) ++width;
    };

    output(clear);
    int prefix = -1;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            const int value = line[x];
            if (prefix < 0) {
                prefix = value;
                continue;
            }
            quint16& slot = extension[static_cast<size_t>(prefix) * 256 + static_cast<size_t>(value)];
            if (slot != 0) {
                prefix = slot;
                continue;
            }
            output(prefix);
            if (next >= kMaxCode) {
                output(clear);
                std::fill(extension.begin(), extension.end(), 0);
                next = end + 1;
                width = minCodeSize + 1;
            } else {
                slot = static_cast<quint16>(next++);
            }
            prefix = value;
        }
    }
    output(prefix);
    output(end);
    writer.flush();
    return bytes;
}

void putWord(QByteArray& out, int value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

void putByte(QByteArray& out, int value) { out.append(static_cast<char>(value & 0xFF)); }

}  // namespace

QByteArray encode(const QImage& image) {
    if (image.format() != QImage::Format_Indexed8 || image.isNull()) return {};
    if (image.width() > 0xFFFF || image.height() > 0xFFFF) return {};
    const QList<QRgb> colours = image.colorTable();
    if (colours.isEmpty() || colours.size() > 256) return {};

    int transparent = -1;
    for (int i = 0; i < colours.size(); ++i) {
        if (qAlpha(colours[i]) != 0) continue;
        if (transparent >= 0) return {};
        transparent = i;
    }
    for (int y = 0; y < image.height(); ++y) {
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x)
            if (line[x] >= colours.size()) return {};
    }

    int tableBits = 1;
    while ((1 << tableBits) < colours.size()) ++tableBits;

    QByteArray out("GIF89a");
    putWord(out, image.width());
    putWord(out, image.height());
    putByte(out, 0x80 | 0x70 | (tableBits - 1));  // global table, 8-bit colour resolution
    putByte(out, 0);                              // background colour index
    putByte(out, 0);                              // square pixels
    for (int i = 0; i < (1 << tableBits); ++i) {
        const QRgb c = i < colours.size() ? colours[i] : qRgb(0, 0, 0);
        putByte(out, qRed(c));
        putByte(out, qGreen(c));
        putByte(out, qBlue(c));
    }

    if (transparent >= 0) {
        // Graphic control extension: no disposal, no delay, a transparent index.
        putByte(out, 0x21);
        putByte(out, 0xF9);
        putByte(out, 4);
        putByte(out, 0x01);
        putWord(out, 0);
        putByte(out, transparent);
        putByte(out, 0);
    }

    putByte(out, 0x2C);  // image descriptor: the whole screen, not interlaced
    putWord(out, 0);
    putWord(out, 0);
    putWord(out, image.width());
    putWord(out, image.height());
    putByte(out, 0);

    const int minCodeSize = tableBits < 2 ? 2 : tableBits;
    putByte(out, minCodeSize);
    const QByteArray data = compress(image, minCodeSize);
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const qsizetype n = std::min<qsizetype>(255, data.size() - at);
        putByte(out, static_cast<int>(n));
        out.append(data.constData() + at, n);
    }
    putByte(out, 0);
    putByte(out, 0x3B);  // trailer
    return out;
}

bool save(const QImage& image, const QString& path) {
    const QByteArray bytes = encode(image);
    if (bytes.isEmpty()) return false;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return file.write(bytes) == bytes.size() && file.flush();
}

QImage toIndexed(const QImage& picture, const QList<QRgb>& palette) {
    if (palette.isEmpty() || palette.size() > 256) return {};
    QHash<QRgb, int> index;
    for (int i = palette.size() - 1; i >= 0; --i) index.insert(palette[i] & 0xFFFFFF, i);

    const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
    QImage out(source.size(), QImage::Format_Indexed8);
    out.setColorTable(palette);
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* line = out.scanLine(y);
        for (int x = 0; x < source.width(); ++x) {
            const auto found = index.constFind(in[x] & 0xFFFFFF);
            if (found == index.constEnd()) return {};
            line[x] = static_cast<uchar>(found.value());
        }
    }
    return out;
}

}  // namespace gif
