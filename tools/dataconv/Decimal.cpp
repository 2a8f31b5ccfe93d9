#include "tools/dataconv/Decimal.h"

namespace decimal {

namespace {

qint64 powerOfTen(int exponent) {
    qint64 result = 1;
    while (exponent-- > 0) result *= 10;
    return result;
}

// Longer numbers than this do not occur in climate data and could overflow.
constexpr int maxDigits = 15;

}  // namespace

std::optional<qint64> parseRounded(QStringView text, int places) {
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text = text.mid(1);
    }
    const qsizetype point = text.indexOf(u'.');
    const QStringView whole = point < 0 ? text : text.left(point);
    const QStringView fraction = point < 0 ? QStringView() : text.mid(point + 1);
    if (whole.isEmpty() && fraction.isEmpty()) return std::nullopt;
    if (whole.size() + fraction.size() > maxDigits) return std::nullopt;

    qint64 units = 0;  // the value in units of 10^-places, truncated
    int digitsUsed = 0;
    bool roundUp = false;
    auto addDigit = [&](QChar c) { units = units * 10 + (c.unicode() - u'0'); };
    for (QChar c : whole) {
        if (c < u'0' || c > u'9') return std::nullopt;
        addDigit(c);
    }
    for (qsizetype i = 0; i < fraction.size(); ++i) {
        const QChar c = fraction.at(i);
        if (c < u'0' || c > u'9') return std::nullopt;
        if (digitsUsed < places) {
            addDigit(c);
            ++digitsUsed;
        } else if (i == places) {
            roundUp = c >= u'5';  // the first dropped digit decides: half away from zero
        }
    }
    units *= powerOfTen(places - digitsUsed);
    if (roundUp) ++units;
    return negative ? -units : units;
}

qint64 divideRounded(qint64 numerator, qint64 denominator) {
    const qint64 magnitude = numerator < 0 ? -numerator : numerator;
    qint64 quotient = magnitude / denominator;
    if (2 * (magnitude % denominator) >= denominator) ++quotient;
    return numerator < 0 ? -quotient : quotient;
}

QString format(qint64 units, int places) {
    const qint64 scale = powerOfTen(places);
    const qint64 magnitude = units < 0 ? -units : units;
    QString text = QString::number(magnitude / scale);
    if (places > 0) text += u'.' + QString::number(magnitude % scale).rightJustified(places, u'0');
    return units < 0 ? u'-' + text : text;
}

}  // namespace decimal
