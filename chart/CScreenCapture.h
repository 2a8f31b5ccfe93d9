#pragma once
// Copies the pixels of a window, of the whole screen or of the foreground window into a
// picture that a picture box can show and that can be saved as a bitmap. Every chart
// window keeps one, bound to itself, and captures its client area (type 2).
//
// No failure leaves the class: each operation shows "Error: <number>. <description>" in a
// message box titled with the operation's name and carries on. A capture that fails
// leaves no picture, so an earlier one is never taken for it.

#include "platform/shell/Picture.h"

#include <optional>

namespace forms {
class Form;
}

namespace chart {

class CScreenCapture {
public:
    enum CaptureKind { WholeScreen = 0, WindowWithFrame = 1, ClientArea = 2, ForegroundWindow = 3 };
    enum Orientation { Portrait = 0, Landscape = 1, BestFit = 2 };
    // The numbers of the class's messages, one per kind of failure.
    enum ErrorNumber { NoScreen = 1001, NoWindow = 1002, CopyFailed = 1003, Unexpected = 1004, NoPicture = 1005 };

    CScreenCapture();

    long CaptureType() const { return captureType_; }
    void setCaptureType(long type) { captureType_ = type; }
    forms::Form* Form() const { return form_; }
    // Setting no window keeps the window set before.
    void setForm(forms::Form* form);
    long PrintOrientation() const { return orientation_; }
    void setPrintOrientation(long value) { orientation_ = value; }

    // The picture of the last capture; empty before the first and after Clear.
    shell::Picture PictureData() const;

    void Capture();
    void Clear();
    // Prints the picture on the printer, scaled to fill the page's width or height.
    void PrintPicture();

private:
    void CaptureScreen();
    void CaptureForm();
    void CaptureClient();
    void CaptureActiveWindow();
    bool GetBestFit();

    long captureType_ = WholeScreen;
    forms::Form* form_ = nullptr;
    long orientation_ = Portrait;
    shell::Picture picture_;
};

}  // namespace chart
