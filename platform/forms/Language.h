#pragma once
// The interface is Japanese, whatever the user's locale: the program's own texts are
// Japanese, and so are Qt's (the standard buttons of message boxes, the text boxes'
// menus) and the web engine's own pages.

#include <QString>

namespace forms {

// Makes Japanese the application's locale (the web engine takes its pages' language
// from it when it starts) and installs Qt's Japanese translation of its widgets. Call it
// once the application object exists. False when the translation is not installed: Qt's
// own texts then stay English.
bool useJapanese();

// Installs Qt's Japanese translation of one of its modules ("qtbase", "qtwebengine"),
// once; false when the system has none.
bool installQtTranslation(const QString& module);

}  // namespace forms
