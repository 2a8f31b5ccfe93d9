#include "twograph/Form55.h"

using namespace Qt::Literals::StringLiterals;

namespace twograph {

Form55::Form55() : Form(forms::plainDesign(u"Form55"_s, u"ハイサー 雨温図 Veranth"_s, 11880, 8145)) {}

}  // namespace twograph
