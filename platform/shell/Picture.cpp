#include "platform/shell/Picture.h"

#include "platform/shell/Files.h"

#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

#include <stdexcept>

namespace shell {

Picture LoadPicture(const QString& path) {
    const QString p = path.startsWith(u':') ? path : nativePath(path);
    if (!p.startsWith(u':') && !QFileInfo(p).isFile()) {
        throw std::runtime_error((QStringLiteral("画像ファイルが見つかりません: ") + p).toStdString());
    }
    QImageReader reader(p);
    QImage image = reader.read();
    if (image.isNull()) {
        throw std::runtime_error(
            (QStringLiteral("画像ファイルを読めません: ") + p + QStringLiteral(" (") + reader.errorString() + u')').toStdString());
    }
    return Picture(std::move(image));
}

Picture scaledPicture(const Picture& picture, int widthPixels, int heightPixels) {
    if (picture.isNull() || widthPixels < 1 || heightPixels < 1) return Picture();
    return Picture(picture.image().scaled(widthPixels, heightPixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void SavePicture(const Picture& picture, const QString& path) {
    const QString p = nativePath(path);
    if (picture.isNull()) {
        throw std::runtime_error((QStringLiteral("保存する画像がありません: ") + p).toStdString());
    }
    // A Windows bitmap of 24 bits per pixel, as the captures have always been written.
    const QImage rgb = picture.image().convertToFormat(QImage::Format_RGB888);
    // Written beside the file and put in its place only when every byte went out: a full
    // disk leaves neither a cut-off bitmap nor a lost earlier file. The last buffered bytes
    // are flushed here, where a failure shows: the flush inside commit() goes unchecked
    // and would put a cut-off file in place.
    QSaveFile file(p);
    QImageWriter writer(&file, "BMP");
    if (!file.open(QIODevice::WriteOnly) || !writer.write(rgb) || !file.flush() || !file.commit()) {
        const QString reason = file.error() != QFileDevice::NoError ? file.errorString() : writer.errorString();
        file.cancelWriting();
        throw std::runtime_error((QStringLiteral("画像ファイルを書けません: ") + p + QStringLiteral(" (") + reason + u')').toStdString());
    }
}

}  // namespace shell
