#include "extras/AuxWindows.h"

using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace extras {

frmAbout::frmAbout() : Form(plainDesign(u"frmAbout"_s, u"バージョン Infomation"_s, 5700, 3600)) {}
frmBrowser::frmBrowser() : Form(plainDesign(u"frmBrowser"_s, u"気象庁 統計WEB"_s, 10500, 7500)) {}
Form111::Form111() : Form(plainDesign(u"Form111"_s, u"ケッペン気候区分"_s, 12000, 7000)) {}
Form112::Form112() : Form(plainDesign(u"Form112"_s, u"ケッペン気候区分"_s, 9000, 7000)) {}

}  // namespace extras
