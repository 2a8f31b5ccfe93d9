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
        const bool reserved = u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == u'/' || u == u'\\' || u == u':' || u == u'*' || u == u'?' ||
                              u == u'"' || u == u'<' || u == u'>' || u == u'|';
        out += reserved ? QChar(u'_') : c;
    }
    // A name made only of dots would climb out of its folder or vanish, and some file
    // systems drop blanks and dots at the end of a name: both go from either end, in any
    // mix (" 那覇 ." is 那覇, not "那覇 ").
    const auto edge = [](QChar c) { return c == u'.' || c.isSpace(); };
    qsizetype from = 0;
    qsizetype to = out.size();
    while (from < to && edge(out[from])) ++from;
    while (to > from && edge(out[to - 1])) --to;
    out = out.mid(from, to - from);
    out.replace(QStringLiteral(".."), QStringLiteral("_"));
    if (out.isEmpty()) out = fallback;
    return out;
}

}  // namespace shell
