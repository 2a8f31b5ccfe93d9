#include "pickers/WorldPickers.h"

using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace pickers {

Form3::Form3() : Form(plainDesign(u"Form3"_s, u"データ選択"_s, 10470, 7710)) {}
Form5::Form5() : Form(plainDesign(u"Form5"_s, u"データ選択"_s, 10470, 7710)) {}
Form6::Form6() : Form(plainDesign(u"Form6"_s, u"データ選択"_s, 10470, 7710)) {}
Form7::Form7() : Form(plainDesign(u"Form7"_s, u"データ選択"_s, 10470, 7710)) {}
Form10::Form10() : Form(plainDesign(u"Form10"_s, u"データ選択"_s, 10470, 7710)) {}
Form11::Form11() : Form(plainDesign(u"Form11"_s, u"データ選択"_s, 10470, 7710)) {}
Form12::Form12() : Form(plainDesign(u"Form12"_s, u"データ選択"_s, 10470, 7710)) {}

}  // namespace pickers
