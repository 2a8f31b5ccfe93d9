// setup: the launcher at the root of the installation medium.
#include "platform/forms/Form.h"
#include "platform/forms/Language.h"
#include "platform/forms/Services.h"
#include "setup/Form1.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("setup"));
    forms::useJapanese();
    forms::instance<setup::Form1>();
    const int loop = QApplication::exec();
    const int status = forms::AppInfo::ending() ? forms::AppInfo::exitStatus() : loop;
    forms::destroyAllForms();
    return status;
}
