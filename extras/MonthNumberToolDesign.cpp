// The month-number position tool's design: twelve month options in a frame, two rows of
// six, and the two spin buttons below them.
#include "extras/MonthNumberTool.h"

using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace extras {

FormDesign MonthNumberTool::design(const QString& name) {
    constexpr Color kBack = 0xE4EFEF;
    FormDesign f;
    f.name = name;
    f.caption = u"月数字位置調整"_s;
    f.clientWidth = 4380;
    f.clientHeight = 1860;
    f.backColor = kBack;
    f.borderStyle = BorderStyle::FixedSingle;
    f.maxButton = false;

    f.controls.push_back(frame(u"Frame1"_s, 120, 90, 4140, 1020).back(kBack));
    static const char16_t* const kCaptions[12] = {u"１月", u"２月", u"３月", u"４月", u"５月", u"６月",
                                                  u"７月", u"８月", u"９月", u"10月", u"11月", u"12月"};
    for (int month = 1; month <= 12; ++month) {
        const int column = (month - 1) % 6;
        const int row = (month - 1) / 6;
        auto o = optionButton(u"Option"_s + QString::number(month), 120 + 660 * column, 210 + 390 * row, 600, 330)
                     .caption_(QString::fromUtf16(kCaptions[month - 1]))
                     .back(kBack)
                     .inside(u"Frame1"_s);
        if (month == 1) o.checked();
        f.controls.push_back(o);
    }
    f.controls.push_back(label(u"Label1"_s, 240, 1320, 1320, 300).caption_(u"上下に調整"_s).back(kBack).font(kPGothic, 12));
    f.controls.push_back(spinButton(u"SpinButton1"_s, 1620, 1200, 300, 540));
    f.controls.push_back(label(u"Label2"_s, 2280, 1320, 1320, 300).caption_(u"左右に調整"_s).back(kBack).font(kPGothic, 12));
    f.controls.push_back(spinButton(u"SpinButton2"_s, 3660, 1320, 540, 300).horizontal());
    return f;
}

}  // namespace extras
