#include "platform/forms/Text.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>

namespace forms {

double Val(const QString& text) {
    int i = 0;
    const int n = static_cast<int>(text.size());
    while (i < n && (text[i] == u' ' || text[i] == u'\t')) ++i;
    QString number;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) number += text[i++];
    bool digits = false;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        number += text[i++];
        digits = true;
    }
    if (i < n && text[i] == u'.') {
        number += text[i++];
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
            number += text[i++];
            digits = true;
        }
    }
    if (!digits) return 0.0;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        int j = i + 1;
        QString exponent = QStringLiteral("e");
        if (j < n && (text[j] == u'+' || text[j] == u'-')) exponent += text[j++];
        bool expDigits = false;
        while (j < n && text[j].isDigit() && text[j].unicode() < 128) {
            exponent += text[j++];
            expDigits = true;
        }
        if (expDigits) number += exponent;
    }
    // What the grammar above lets through always converts; out of range it comes back
    // as an infinity (too large) or 0 (too small).
    const double value = number.toDouble();
    if (std::isinf(value)) return std::copysign(std::numeric_limits<double>::max(), value);
    return value;
}

QString asciiForms(const QString& text) {
    QString out = text;
    for (QChar& c : out) {
        const char16_t u = c.unicode();
        if (u >= 0xFF01 && u <= 0xFF5E) {
            c = QChar(static_cast<char16_t>(u - 0xFF01 + 0x21));  // the block mirrors ASCII ! to ~
        } else if (u == 0x2212) {
            c = u'-';
        } else if (u == 0x3000) {
            c = u' ';
        }
    }
    return out;
}

int truncateToInt(double value) {
    if (std::isnan(value)) return 0;
    constexpr double low = std::numeric_limits<int>::min();
    constexpr double high = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(std::trunc(value), low, high));
}

float toSingle(double value) {
    if (std::isnan(value)) return std::numeric_limits<float>::quiet_NaN();
    constexpr double top = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(value, -top, top));
}

QString Str(double value) {
    if (!std::isfinite(value)) return kMissingMark;
    if (value == std::floor(value) && std::fabs(value) < 1e15) {
        return QString::number(static_cast<long long>(value));
    }
    return QString::number(value, 'g', 15);
}

QString FormatOneDecimal(double value) {
    if (!std::isfinite(value)) return kMissingMark;
    // From here on a double is spaced an eighth or more apart and ten times it may not fit
    // a whole number: there are no tenths left to round, and its exact digits are written.
    if (std::fabs(value) >= 1e15) return QString::number(value, 'f', 1);
    // Round half away from zero on the decimal value the text stood for: 0.05 -> 0.1 and
    // 0.15 -> 0.2, though 0.15 is held as 0.1499... The shortest digits that read back as
    // the same double are that decimal value, so the rounding is done on them; no tolerance
    // around the half is needed, and a value just under it (0.0499999999) stays down.
    const QString digits = QString::number(std::fabs(value), 'f', QLocale::FloatingPointShortest);
    const qsizetype point = digits.indexOf(u'.');
    const QStringView integral = point < 0 ? QStringView(digits) : QStringView(digits).left(point);
    const auto digitAt = [&](qsizetype i) { return point >= 0 && point + i < digits.size() ? digits[point + i].digitValue() : 0; };
    long long tenthsAbs = integral.toLongLong() * 10 + digitAt(1);
    if (digitAt(2) >= 5) ++tenthsAbs;
    QString out = QString::number(tenthsAbs / 10) + u'.' + QString::number(tenthsAbs % 10);
    if (value < 0 && tenthsAbs != 0) out.prepend(u'-');
    return out;
}

}  // namespace forms
