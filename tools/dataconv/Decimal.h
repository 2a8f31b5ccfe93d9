#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// Exact decimal arithmetic on the numbers of the source files. A value is held
// as a whole number of units of 10^-places, so rounding never depends on
// binary floating point and the output is the same on every machine.
namespace decimal {

// Reads a plain decimal number ("25", "-0.6", "+0207.6", "-113.51833") and
// rounds it half away from zero to `places` decimals. Returns nothing when the
// text is not such a number.
std::optional<qint64> parseRounded(QStringView text, int places);

// numerator / denominator, rounded half away from zero; denominator > 0.
qint64 divideRounded(qint64 numerator, qint64 denominator);

// Writes units of 10^-places with exactly `places` decimals ("-0.6", "13.0").
// A value that is zero is written without a minus sign.
QString format(qint64 units, int places);

}  // namespace decimal
