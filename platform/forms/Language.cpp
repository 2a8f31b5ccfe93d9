#include "platform/forms/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSet>
#include <QTranslator>

namespace forms {

bool useJapanese() {
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    return installQtTranslation(QStringLiteral("qtbase"));
}

bool installQtTranslation(const QString& module) {
    static QSet<QString> installed;
    if (installed.contains(module)) return true;
    // One file by its exact name, no other language tried in its place: the translations
    // of the other modules load with their modules, and start-up pays only for the
    // widgets' own (a mapped file).
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(module + QStringLiteral("_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath), QString(),
                          QStringLiteral(".qm")) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    installed.insert(module);
    return true;
}

}  // namespace forms
