#include "app/Start.h"

#include "app/Navigator.h"
#include "hythergraph/Hyser_Main.h"
#include "platform/forms/Services.h"

using namespace Qt::Literals::StringLiterals;

namespace app {

int startProgram() {
    installNavigation();
    try {
        forms::instance<hythergraph::Hyser_Main>();
    } catch (const std::exception& e) {
        forms::MsgBox(QString::fromStdString(e.what()) + u"\n\nプログラムを終了します。"_s, forms::vbCritical);
        return 1;
    }
    if (forms::AppInfo::ending()) return forms::AppInfo::exitStatus();
    return -1;
}

}  // namespace app
