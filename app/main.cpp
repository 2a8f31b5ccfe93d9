// tavrin: climate charts of weather stations and of the user's own values.
#include "app/Start.h"
#include "platform/forms/FontsAhead.h"
#include "platform/forms/Form.h"
#include "platform/forms/Language.h"
#include "platform/forms/Services.h"
#include "platform/forms/WebEngineBrowser.h"

#include <QApplication>

int main(int argc, char** argv) {
    // The font configuration loads while the application object is made and the first
    // window built.
    forms::FontsAhead fontsAhead;
    forms::installWebEngineBrowser();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tavrin"));
    forms::useJapanese();
    int status = app::startProgram();
    if (status < 0) {
        const int loop = QApplication::exec();
        status = forms::AppInfo::ending() ? forms::AppInfo::exitStatus() : loop;
    }
    forms::destroyAllForms();
    return status;
}
