#include "extras/texts/HelpTexts.h"

#include <QFile>

#include <stdexcept>

namespace extras::texts {

// The medium's guide, as the launcher shows it too: one file, built into both programs.
QString installGuide() {
    QFile f(QStringLiteral(":/extras/install-guide.txt"));
    if (!f.open(QIODevice::ReadOnly)) throw std::logic_error("the installation guide is not built into the program");
    return QString::fromUtf8(f.readAll());
}

}  // namespace extras::texts
