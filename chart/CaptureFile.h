#pragma once
// Saving a chart window's capture: the bitmap CAP/<place>/<place><year><suffix>, written
// through the capture holder's picture box, and the notice that says it is done. Every
// step that fails tells the user what failed and saves nothing in its place.

#include "platform/forms/Form.h"
#include "platform/shell/Picture.h"

#include <QString>

#include <functional>

namespace chart {

class CScreenCapture;

// The place as one part of a path: separators, "..", control and reserved characters
// replaced; an empty place is 名称未設定.
QString captureName(const QString& place);

// place + the year's number (the leading number of the year's text, 0 when it has none)
// + the window's suffix: 札幌, "2005年", "_Hyser_In.bmp" -> 札幌2005_Hyser_In.bmp; a year in
// full-width digits reads as its ASCII form ("２００５年" is 2005).
QString captureFileName(const QString& place, const QString& yearText, const QString& suffix);

// False, after telling the user, when the grab took no picture: an earlier capture is
// never saved in its place. `file` is where it would have gone.
bool pictureTaken(const shell::Picture& picture, const QString& file);

// Puts the picture into the holder's picture box and saves it as a bitmap at `file`;
// false, after telling the user why, when it cannot be written.
bool saveCapture(const shell::Picture& picture, forms::PictureBox& holder, const QString& file);

// A chart window's capture of its client area, as every chart window takes it: pending
// events run, the grab, the folder made by the window's own `makeFolder` (which sets
// `folder`), the bitmap <folder>/<place><year><suffix> written through the capture
// holder's picture box (`holder`, reached only once there is a picture to put in it).
// True with `file` set when the bitmap was saved; false, after telling the user what
// failed, when nothing was.
bool captureChart(CScreenCapture& grabber, const QString& place, const QString& yearText, const QString& suffix,
                  const std::function<void()>& makeFolder, const QString& folder, const std::function<forms::PictureBox&()>& holder,
                  QString& file);

// Places and shows the capture-complete notice; a capture that could not go beside the
// program says where it went instead.
void showCaptureNotice(forms::Form& notice, bool besideProgram, const QString& folder);

}  // namespace chart
