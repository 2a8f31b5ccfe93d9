#include "app/Start.h"

#include "app/Navigator.h"
#include "data/StationData.h"
#include "hythergraph/Hyser_Main.h"
#include "platform/forms/Services.h"
#include "platform/shell/Files.h"

using namespace Qt::Literals::StringLiterals;

namespace app {

int startProgram() {
    installNavigation();
    try {
        // The main window reads its databases in the program's folder, as its load step
        // goes there first: going there now lets them be read while the window is built
        // and the splash painted.
        shell::ChDir(forms::AppInfo::Path());
        data::openStartRecordsAhead();
        forms::instance<hythergraph::Hyser_Main>();
    } catch (const std::exception& e) {
        data::dropStartRecordsOpenedAhead();
        forms::MsgBox(QString::fromStdString(e.what()) + u"\n\nプログラムを終了します。"_s, forms::vbCritical);
        return 1;
    }
    data::dropStartRecordsOpenedAhead();
    if (forms::AppInfo::ending()) return forms::AppInfo::exitStatus();
    return -1;
}

}  // namespace app
