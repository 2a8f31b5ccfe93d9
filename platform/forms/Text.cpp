#include "platform/forms/Text.h"

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
    // Round half away from zero on the decimal value the text stood for: 0.05 -> 0.1.
    const double scaled = value * 10.0;
    double rounded = std::round(scaled);
    if (std::fabs(scaled - rounded) > 0.5 - 1e-9 && std::fabs(scaled - rounded) < 0.5 + 1e-9) {
        rounded = scaled > 0 ? std::floor(scaled) + 1 : std::ceil(scaled) - 1;
    }
    const long long tenths = static_cast<long long>(rounded);
    const long long whole = std::llabs(tenths) / 10;
    const long long frac = std::llabs(tenths) % 10;
    QString out = QString::number(whole) + u'.' + QString::number(frac);
    if (tenths < 0) out.prepend(u'-');
    return out;
}

}  // namespace forms
