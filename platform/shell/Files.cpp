#include "platform/shell/Files.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <stdexcept>

namespace shell {

QString nativePath(const QString& path) {
    QString p = path;
    p.replace(u'\\', u'/');
    return p;
}

QString CurDir() { return QDir::currentPath(); }

void ChDir(const QString& path) {
    if (!QDir::setCurrent(nativePath(path))) {
        throw std::runtime_error((QStringLiteral("フォルダーに移動できません: ") + nativePath(path)).toStdString());
    }
}

void MkDir(const QString& path) {
    const QString p = nativePath(path);
    QFileInfo info(p);
    if (info.exists() || !QDir().mkdir(p)) {
        throw std::runtime_error((QStringLiteral("フォルダーを作れません: ") + p).toStdString());
    }
}

bool makePath(const QString& path) {
    const QString p = nativePath(path);
    return QDir().mkpath(p) && QFileInfo(p).isDir();
}

bool folderExists(const QString& path) { return QFileInfo(nativePath(path)).isDir(); }
bool fileExists(const QString& path) { return QFileInfo(nativePath(path)).isFile(); }

QString fileUrl(const QString& path) { return QUrl::fromLocalFile(nativePath(path)).toString(); }

QString safeFileName(const QString& name, const QString& fallback) {
    QString out;
    out.reserve(name.size());
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        const bool reserved = u < 0x20 || u == 0x7F || u == u'/' || u == u'\\' || u == u':' || u == u'*' || u == u'?' || u == u'"' ||
                              u == u'<' || u == u'>' || u == u'|';
        out += reserved ? QChar(u'_') : c;
    }
    // A name made only of dots would climb out of its folder or vanish.
    out = out.trimmed();
    while (out.startsWith(u'.')) out.remove(0, 1);
    while (out.endsWith(u'.')) out.chop(1);
    out.replace(QStringLiteral(".."), QStringLiteral("_"));
    if (out.isEmpty()) out = fallback;
    return out;
}

}  // namespace shell
