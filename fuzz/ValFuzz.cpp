// The leading-number reader of captions: defined for any text, always finite, blind to
// what follows the number, and read back from what Str and FormatOneDecimal write.
#include "fuzz/FuzzInput.h"
#include "platform/forms/Text.h"

#include <cmath>

using forms::Val;
using namespace Qt::Literals::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = fuzz::text(data, size);
    const double value = Val(text);
    fuzz::check(std::isfinite(value), "Val is always finite", text);

    bool asciiDigit = false;
    for (const QChar c : text) asciiDigit = asciiDigit || (c >= u'0' && c <= u'9');
    fuzz::check(asciiDigit || value == 0, "a text without digits reads 0", text);

    // Only the leading number counts: nothing after it, and no blank before it.
    fuzz::check(Val(text + u"×mm"_s) == value, "what follows the number is ignored", text);
    fuzz::check(Val(u" \t"_s + text) == value, "leading blanks are skipped", text);
    const bool unsigned_ = !text.isEmpty() && (text[0] == u'.' || (text[0] >= u'0' && text[0] <= u'9'));
    if (unsigned_) fuzz::check(Val(u'-' + text) == -value, "a minus sign negates the reading", text);

    // What the program writes of a number reads back as that number, and writing it again
    // changes nothing.
    const QString written = forms::Str(value);
    fuzz::check(written != forms::kMissingMark, "a finite value is never written as missing", text);
    const double back = Val(written);
    fuzz::check(std::fabs(back - value) <= std::fabs(value) * 1e-14, "Str reads back as its value", text);
    fuzz::check(forms::Str(back) == written, "Str is stable through Val", text);

    // A value cell: one decimal that reads back within half a tenth of the value.
    const QString cell = forms::FormatOneDecimal(value);
    const qsizetype point = cell.indexOf(u'.');
    fuzz::check(point > 0 && point == cell.size() - 2, "a value cell has exactly one decimal", text);
    if (std::fabs(value) < 1e15) {
        fuzz::check(std::fabs(Val(cell) - value) <= 0.05 + 1e-9 * std::fabs(value) + 1e-12, "a value cell rounds to the nearest tenth",
                    text);
    }
    const int whole = forms::truncateToInt(value);
    fuzz::check(std::fabs(static_cast<double>(whole)) <= std::fabs(value), "truncation never grows a value", text);
    return 0;
}
