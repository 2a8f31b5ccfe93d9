#pragma once
// A picture as the windows hold it: loaded from a GIF or BMP file (or built into the
// program as ":/name"), shown by image and picture-box controls, saved as a BMP file.

#include <QImage>
#include <QString>

namespace shell {

class Picture {
public:
    Picture() = default;
    explicit Picture(QImage image) : image_(std::move(image)) {}

    bool isNull() const { return image_.isNull(); }
    int widthPixels() const { return image_.width(); }
    int heightPixels() const { return image_.height(); }
    const QImage& image() const { return image_; }

private:
    QImage image_;
};

// Throws std::runtime_error naming the file when it is missing or unreadable.
Picture LoadPicture(const QString& path);
// The picture scaled smoothly to a size in pixels, for showing a large picture smaller;
// a null picture, or a size below one pixel, gives a null picture.
Picture scaledPicture(const Picture& picture, int widthPixels, int heightPixels);
// Writes a Windows bitmap; a file of that name is replaced. Throws std::runtime_error
// naming the file when there is no picture or it cannot be written.
void SavePicture(const Picture& picture, const QString& path);

}  // namespace shell
