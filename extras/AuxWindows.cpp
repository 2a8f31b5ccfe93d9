#include "extras/AuxWindows.h"

using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace extras {

frmBrowser::frmBrowser() : Form(plainDesign(u"frmBrowser"_s, u"気象庁 統計WEB"_s, 10500, 7500)) {}

}  // namespace extras
