#include "stepmode/Hyser_Step_Mode.h"

using namespace Qt::Literals::StringLiterals;

namespace stepmode {

Hyser_Step_Mode::Hyser_Step_Mode() : Form(forms::plainDesign(u"Hyser_Step_Mode"_s, u" ステップ実行モード"_s, 11880, 8145)) {}

}  // namespace stepmode
