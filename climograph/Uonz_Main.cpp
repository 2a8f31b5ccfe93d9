#include "climograph/Uonz_Main.h"

using namespace Qt::Literals::StringLiterals;

namespace climograph {

Uonz_Main::Uonz_Main() : Form(forms::plainDesign(u"Uonz_Main"_s, u"雨温図グラフ Veranth"_s, 11880, 8145)) {}

}  // namespace climograph
