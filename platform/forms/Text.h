#pragma once
// How the program reads numbers out of captions and writes them back. Every function is
// defined for any input: huge and tiny values, NaN and infinities, empty text and text
// that is not a number.

#include <QString>

namespace forms {

// The mark of a value that is missing: what a number that is no number (NaN, an
// infinity) is written as.
inline const QString kMissingMark = QStringLiteral("×");

// The decimal-point reading of a caption: its leading number (optional blanks, a sign,
// digits, one decimal point, an exponent), the rest ignored; 0 when it starts with none.
// "1981-2010" reads 1981, "×" and "" read 0, " 12.5mm" reads 12.5. The reading is always
// finite: a number too large for a double reads as the largest one of its sign, one too
// small as 0; "nan" and "inf" are no numbers and read 0.
double Val(const QString& text);

// A text typed with the input method on, in the ASCII forms that Val and the number
// checks read: the full-width forms of ASCII characters (０-９, ＋, －, ．, Ｅ, Ｎ ...) become
// those characters, the minus sign − a hyphen-minus and the ideographic blank a blank.
// Every other character stays as it is (kana, kanji, ×, the long vowel mark ー).
// "－１２．５" -> "-12.5", "３５．７Ｎ" -> "35.7N", "２００５年" -> "2005年".
QString asciiForms(const QString& text);

// The whole part of a number as an int, for counts and indexes read from captions:
// truncated toward zero, held at the int range, NaN reads 0. (A plain cast of a double
// outside the int range is undefined.)
int truncateToInt(double value);

// A double in single precision, as the drawing surface takes plot coordinates: held at
// the float's range (a plain cast of a double beyond it is undefined); NaN stays NaN.
float toSingle(double value);

// A number written back as text in its shortest form: 2000 -> "2000", 12.5 -> "12.5",
// -0.25 -> "-0.25", 1e20 -> "1e+20" (Val reads every one of them back); NaN and the
// infinities are the missing mark.
QString Str(double value);

// The value-cell pattern "###0.0": one decimal, rounded half away from zero, at least one
// digit before the point, no thousands separator, a minus sign for negative values (none
// for a value that rounds to 0.0). Every digit of a huge value is written; NaN and the
// infinities are the missing mark.
QString FormatOneDecimal(double value);

}  // namespace forms
