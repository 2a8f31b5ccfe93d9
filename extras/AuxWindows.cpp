#include "extras/AuxWindows.h"

using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace extras {

Form57::Form57() : Form(plainDesign(u"Form57"_s, u"月数字位置調整"_s, 4500, 2400)) {}
frmAbout::frmAbout() : Form(plainDesign(u"frmAbout"_s, u"バージョン Infomation"_s, 5700, 3600)) {}
Form48::Form48() : Form(plainDesign(u"Form48"_s, u"ruvirov Veranth Readme"_s)) {}
Form49::Form49() : Form(plainDesign(u"Form49"_s, u"インストールガイド"_s)) {}
Form50::Form50() : Form(plainDesign(u"Form50"_s, u"気象庁データについて"_s)) {}
Form51::Form51() : Form(plainDesign(u"Form51"_s, u"ruvirov Veranth 更新履歴"_s)) {}
frmBrowser::frmBrowser() : Form(plainDesign(u"frmBrowser"_s, u"気象庁 統計WEB"_s, 10500, 7500)) {}
Form111::Form111() : Form(plainDesign(u"Form111"_s, u"ケッペン気候区分"_s, 12000, 7000)) {}
Form112::Form112() : Form(plainDesign(u"Form112"_s, u"ケッペン気候区分"_s, 9000, 7000)) {}

}  // namespace extras
