#include "chart/CaptureFolder.h"

#include <QDir>
#include <QStandardPaths>

#include <filesystem>
#include <stdexcept>
#include <system_error>

using namespace Qt::Literals::StringLiterals;

namespace chart {
namespace {

// Makes the folder and its parents; the system's reason when that fails, else empty.
QString makeFolder(const QString& path) {
    std::error_code ec;
    const std::filesystem::path p(path.toStdU16String());
    std::filesystem::create_directories(p, ec);
    if (!ec && std::filesystem::is_directory(p, ec)) return QString();
    if (!ec) ec = std::make_error_code(std::errc::not_a_directory);
    return QString::fromLocal8Bit(ec.message());
}

}  // namespace

CaptureFolder makeCaptureFolder(const QString& programFolder, const QString& place) {
    const QString beside = QDir(programFolder).absoluteFilePath(u"CAP/"_s + place);
    const QString besideReason = makeFolder(beside);
    if (besideReason.isEmpty()) return {u"CAP/"_s + place, true};

    const QString dataRoot = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!dataRoot.isEmpty()) {
        const QString inData = QDir(dataRoot).absoluteFilePath(u"CAP/"_s + place);
        const QString dataReason = makeFolder(inData);
        if (dataReason.isEmpty()) return {inData, false};
        throw std::runtime_error(
            (u"キャプチャの保存先を作れません。\n"_s + beside + u" ("_s + besideReason + u")\n"_s + inData + u" ("_s + dataReason + u')')
                .toStdString());
    }
    throw std::runtime_error((u"キャプチャの保存先を作れません。\n"_s + beside + u" ("_s + besideReason + u')').toStdString());
}

}  // namespace chart
