#include "chart/CaptureFile.h"

#include "chart/CScreenCapture.h"

#include "platform/forms/Placement.h"
#include "platform/forms/Services.h"
#include "platform/forms/Text.h"
#include "platform/shell/Files.h"

#include <QDir>

#include <QFileInfo>

#include <algorithm>

using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace chart {

QString captureName(const QString& place) { return shell::safeFileName(place, u"名称未設定"_s); }

QString captureFileName(const QString& place, const QString& yearText, const QString& suffix) {
    // A year typed with the input method on, "２００５年", is the year 2005.
    return captureName(place) + Str(Val(asciiForms(yearText))) + suffix;
}

bool pictureTaken(const shell::Picture& picture, const QString& file) {
    if (!picture.isNull()) return true;
    MsgBox(u"キャプチャできなかったため、保存していません: "_s + QFileInfo(file).absoluteFilePath(), vbExclamation);
    return false;
}

bool saveCapture(const shell::Picture& picture, PictureBox& holder, const QString& file) {
    holder.setPicture(picture);
    try {
        shell::SavePicture(holder.Picture(), file);
    } catch (const std::exception& e) {
        MsgBox(u"キャプチャを保存できませんでした: "_s + QFileInfo(file).absoluteFilePath() + u"\n"_s + QString::fromStdString(e.what()),
               vbExclamation);
        return false;
    }
    return true;
}

bool captureChart(CScreenCapture& grabber, const QString& place, const QString& yearText, const QString& suffix,
                  const std::function<void()>& makeFolder, const QString& folder, const std::function<PictureBox&()>& holder,
                  QString& file) {
    DoEvents();
    grabber.setCaptureType(CScreenCapture::ClientArea);
    grabber.Capture();
    const QString fileName = captureFileName(place, yearText, suffix);
    const shell::Picture picture = grabber.PictureData();
    if (!pictureTaken(picture, QDir(AppInfo::Path()).absoluteFilePath(u"CAP/"_s + captureName(place) + u'/' + fileName))) return false;
    try {
        makeFolder();
    } catch (const std::exception& e) {
        MsgBox(QString::fromStdString(e.what()), vbExclamation);
        return false;
    }
    file = folder + u'/' + fileName;
    return saveCapture(picture, holder(), file);
}

void showCaptureNotice(Form& notice, bool besideProgram, const QString& folder) {
    Label& where = notice.control<Label>(u"Label2"_s);
    where.setCaption(besideProgram ? QString() : u"保存先: "_s + folder);
    where.setVisible(!besideProgram);
    if (!besideProgram) {
        // A folder in the user's data folder takes a few lines: the label grows to show all
        // of it, and the button and the notice's bottom move down as much.
        const double grow = std::max(0.0, where.fittedHeight() - where.Height());
        CommandButton& ok = notice.control<CommandButton>(u"OKButton"_s);
        where.setHeight(where.Height() + grow);
        ok.setTop(ok.Top() + grow);
        notice.setHeight(notice.Height() + grow);
    }
    placeAndShow(notice, Placement::AboveCentre);
}

}  // namespace chart
