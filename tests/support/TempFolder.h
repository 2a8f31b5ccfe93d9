#pragma once
// A fresh folder for one test's files, removed afterwards; tests never write into the
// working directory, so they can run in parallel.

#include <QDir>
#include <QTemporaryDir>

namespace testing_support {

class TempFolder {
public:
    TempFolder() { dir_.setAutoRemove(true); }
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return QDir(dir_.path()).filePath(name); }

private:
    QTemporaryDir dir_;
};

}  // namespace testing_support
