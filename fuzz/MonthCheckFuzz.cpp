// The check of a typed month value as the input windows leave a box: a text passes when
// it is empty or a plain number between blanks, and a passing number is the value drawn.
// What the input method types (full-width digits, signs, point and blanks) reads as the
// ASCII it stands for.
#include "chart/InputChart.h"
#include "fuzz/FuzzInput.h"
#include "platform/forms/Text.h"

#include <cmath>
#include <cstdlib>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

// The characters a typed number may be made of: blanks, a sign, digits, a point, an
// exponent, in ASCII or as the input method types them.
bool numberCharacter(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'０' && c <= u'９') || QStringView(u" \t+-.eE\u3000＋－−．Ｅｅ").contains(c);
}

// The ASCII a character of a passing text stands for; a blank for a blank.
char asciiOf(QChar c) {
    if (c.isDigit()) return static_cast<char>('0' + c.digitValue());
    if (QStringView(u"＋").contains(c)) return '+';
    if (QStringView(u"－−").contains(c)) return '-';
    if (QStringView(u"．").contains(c)) return '.';
    if (QStringView(u"Ｅｅ").contains(c)) return 'e';
    if (c == u'\u3000' || c == u'\t') return ' ';
    return static_cast<char>(c.unicode());
}

// The text as typed with the input method on: each ASCII character that has a full-width
// form in it, a blank as the ideographic blank.
QString fullWidth(const QString& text) {
    QString out;
    for (const QChar c : text) {
        if (c == u' ')
            out += u'\u3000';
        else if (c > u' ' && c <= u'~')
            out += QChar(static_cast<char16_t>(c.unicode() - u'!' + u'！'));
        else
            out += c;
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = fuzz::text(data, size);
    const bool number = chart::readsAsNumber(text);
    const bool fails = chart::failsCheck(text);
    const std::optional<double> typed = chart::typedValue(text);

    fuzz::check(!(text.isEmpty() && fails), "an empty box passes the check", text);
    fuzz::check(text.isEmpty() || fails != number, "a box with text passes exactly when it reads as a number", text);
    fuzz::check(typed.has_value() == number, "a value is typed exactly when the text reads as a number", text);
    const QString wide = fullWidth(text);
    fuzz::check(chart::readsAsNumber(wide) == number && chart::typedValue(wide) == typed,
                "a text typed in full width reads as the ASCII text does, to the same value", text);
    if (!number) return 0;

    bool digit = false;
    for (const QChar c : text) {
        fuzz::check(numberCharacter(c), "a passing text holds only blanks, sign, digits, point and exponent, in ASCII or full width", text);
        digit = digit || c.isDigit();
    }
    fuzz::check(digit, "a passing text holds a digit", text);
    fuzz::check(chart::readsAsNumber(u" \t"_s + text + u"\t "_s), "blanks around a passing text keep it passing", text);
    fuzz::check(!chart::readsAsNumber(text + u"×"_s), "a passing text with a mark after it fails", text);

    // The drawn value is the whole number the text spells, held at the largest double.
    fuzz::check(std::isfinite(*typed), "a typed value is finite", text);
    QByteArray spelled;
    for (const QChar c : text) {
        if (asciiOf(c) != ' ') spelled += asciiOf(c);
    }
    const double exact = std::strtod(spelled.constData(), nullptr);
    const double expected = std::isinf(exact) ? std::copysign(std::numeric_limits<double>::max(), exact) : exact;
    // Below the smallest normal double the readers may differ in flushing to 0.
    const bool subnormal = std::fabs(expected) < std::numeric_limits<double>::min();
    fuzz::check(*typed == expected || (subnormal && std::fabs(*typed) < std::numeric_limits<double>::min()),
                "a typed value is the number its text spells", text);
    return 0;
}
