#include "input/Hyser_Input.h"

using namespace Qt::Literals::StringLiterals;

namespace input {

Hyser_Input::Hyser_Input() : Form(forms::plainDesign(u"Hyser_Input"_s, u"ruvirov 手動入力"_s, 11880, 8145)) {}

}  // namespace input
