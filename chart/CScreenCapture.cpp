#include "chart/CScreenCapture.h"

#include "platform/forms/Form.h"
#include "platform/forms/Services.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <functional>
#include <stdexcept>

using namespace Qt::Literals::StringLiterals;

namespace chart {
namespace {

// A failure the class knows, with the number its message carries.
class CaptureError : public std::runtime_error {
public:
    CaptureError(int number, const char* what) : std::runtime_error(what), number_(number) {}
    int number() const { return number_; }

private:
    int number_;
};

// Runs one operation; a failure becomes the class's message box, titled with the
// operation's name.
template <class F>
void guarded(const QString& routine, F&& body) {
    int number = CScreenCapture::Unexpected;
    QString what;
    try {
        body();
        return;
    } catch (const CaptureError& e) {
        number = e.number();
        what = QString::fromStdString(e.what());
    } catch (const std::exception& e) {
        what = QString::fromStdString(e.what());
    }
    forms::MsgBox(u"Error: "_s + QString::number(number) + u". "_s + what, forms::vbOKOnly, routine);
}

QImage grabWidget(QWidget* w) {
    if (!w) throw CaptureError(CScreenCapture::NoWindow, "no window to capture");
    QImage image = forms::grabLogical(*w);
    if (image.isNull()) throw CaptureError(CScreenCapture::CopyFailed, "the window could not be copied");
    return image;
}

}  // namespace

CScreenCapture::CScreenCapture() {
    guarded(u"Class_Initialize"_s, [this] { captureType_ = WholeScreen; });
}

void CScreenCapture::setForm(forms::Form* form) {
    guarded(u"Form"_s, [this, form] {
        if (form) form_ = form;
    });
}

shell::Picture CScreenCapture::PictureData() const {
    shell::Picture result;
    guarded(u"PictureData"_s, [this, &result] { result = picture_; });
    return result;
}

void CScreenCapture::Capture() {
    guarded(u"Capture"_s, [this] {
        picture_ = shell::Picture();
        switch (captureType_) {
        case WholeScreen: CaptureScreen(); break;
        case WindowWithFrame:
            if (form_) CaptureForm();
            break;
        case ClientArea:
            if (form_) CaptureClient();
            break;
        case ForegroundWindow: CaptureActiveWindow(); break;
        default: break;
        }
    });
}

void CScreenCapture::Clear() {
    guarded(u"Clear"_s, [this] { picture_ = shell::Picture(); });
}

void CScreenCapture::CaptureScreen() {
    guarded(u"CaptureScreen"_s, [this] {
        QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen) throw CaptureError(NoScreen, "no screen");
        const int width = static_cast<int>(forms::Screen().Width()) / static_cast<int>(forms::Screen().TwipsPerPixelX());
        const int height = static_cast<int>(forms::Screen().Height()) / static_cast<int>(forms::Screen().TwipsPerPixelY());
        QImage image = screen->grabWindow(0, 0, 0, width, height).toImage();
        if (image.isNull()) throw CaptureError(CopyFailed, "the screen could not be copied");
        // A scaled screen gives device pixels; the picture keeps the logical size as the
        // window captures do.
        if (image.size() != QSize(width, height)) image = image.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        image.setDevicePixelRatio(1);
        picture_ = shell::Picture(image.convertToFormat(QImage::Format_RGB32));
    });
}

void CScreenCapture::CaptureForm() {
    guarded(u"CaptureForm"_s, [this] {
        // The window as the program draws it, menu bar included; the frame belongs to the
        // desktop and is not the program's to copy.
        QWidget* w = form_->windowWidget();
        picture_ = shell::Picture(grabWidget(w));
    });
}

void CScreenCapture::CaptureClient() {
    guarded(u"CaptureClient"_s, [this] {
        // The client area, one pixel for every 15 twips whatever the window's own scale
        // and the screen's device pixel ratio.
        QImage image = form_->grabClient();
        if (image.isNull()) throw CaptureError(CopyFailed, "the window could not be copied");
        picture_ = shell::Picture(std::move(image));
    });
}

void CScreenCapture::CaptureActiveWindow() {
    guarded(u"CaptureActiveWindow"_s, [this] {
        QWidget* w = QApplication::activeWindow();
        if (!w) throw CaptureError(NoWindow, "no window in the foreground");
        picture_ = shell::Picture(grabWidget(w));
    });
}

bool CScreenCapture::GetBestFit() {
    bool landscape = false;
    guarded(u"GetBestFit"_s, [this, &landscape] { landscape = !picture_.isNull() && picture_.heightPixels() < picture_.widthPixels(); });
    return landscape;
}

void CScreenCapture::PrintPicture() {
    guarded(u"PrintPicture"_s, [this] {
        if (picture_.isNull()) throw CaptureError(NoPicture, "no picture to print");
        forms::PageOrientation o = forms::PageOrientation::Unchanged;
        if (orientation_ == Portrait)
            o = forms::PageOrientation::Portrait;
        else if (orientation_ == Landscape)
            o = forms::PageOrientation::Landscape;
        else if (orientation_ == BestFit)
            o = GetBestFit() ? forms::PageOrientation::Landscape : forms::PageOrientation::Portrait;
        forms::services().printer->printPage(picture_.image(), u"ScreenCapture"_s, o, true);
    });
}

}  // namespace chart
