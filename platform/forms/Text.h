#pragma once
// How the program reads numbers out of captions and writes them back.

#include <QString>

namespace forms {

// The decimal-point reading of a caption: its leading number (optional blanks, a sign,
// digits, one decimal point, an exponent), the rest ignored; 0 when it starts with none.
// "1981-2010" reads 1981, "×" and "" read 0, " 12.5mm" reads 12.5.
double Val(const QString& text);

// A number written back as text in its shortest form: 2000 -> "2000", 12.5 -> "12.5",
// -0.25 -> "-0.25".
QString Str(double value);

// The value-cell pattern "###0.0": one decimal, rounded half away from zero, at least one
// digit before the point, no thousands separator, a minus sign for negative values.
QString FormatOneDecimal(double value);

}  // namespace forms
