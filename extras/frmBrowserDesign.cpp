// The browser window's design: the toolbar across the top, the address row below it, and
// the browser filling the rest (placed by the window, not a control of the table).
#include "extras/frmBrowser.h"

using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace extras {

const QString frmBrowser::kStartAddress = u"https://www.data.jma.go.jp/stats/etrn/index.php"_s;
const QString frmBrowser::kButtonKeys[5] = {QString(), u"Back"_s, u"Forward"_s, u"Stop"_s, u"Refresh"_s};

FormDesign frmBrowser::design() {
    FormDesign f;
    f.name = u"frmBrowser"_s;
    f.caption = QString();
    f.clientWidth = 11880;
    f.clientHeight = 8490;
    const char16_t* const captions[5] = {nullptr, u"← 戻る", u"進む →", u"中止", u"再表示"};
    for (int i = 1; i <= 4; ++i) {
        f.controls.push_back(
            button(u"tbToolBar"_s, 60 + 1230 * (i - 1), 60, 1170, 390).at(i).caption_(QString::fromUtf16(captions[i])).noTabStop());
    }
    f.controls.push_back(label(u"picAddress"_s, 0, 510, 11880, 375));
    f.controls.push_back(label(u"lblAddress"_s, 60, 570, 780, 270).caption_(u"ｱﾄﾞﾚｽ(&A):"_s).transparent());
    f.controls.push_back(comboBox(u"cboAddress"_s, 852, 510, 10200, 330).text(kStartAddress).tab(0));
    f.controls.push_back(timer(u"timTimer"_s).every(5).disabled());
    return f;
}

}  // namespace extras
