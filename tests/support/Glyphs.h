#pragma once
// Whether the installed fonts draw a text, or the user sees empty boxes in its place.

#include <QFont>
#include <QString>

namespace testing_support {

// The characters of the text, each once in the order of first use, that no face draws in
// this font, counting the faces Qt falls back to for characters the font itself lacks.
// Line ends and the other control characters are never drawn and never counted.
QString charactersWithoutGlyph(const QFont& font, const QString& text);

// The characters with their code points, for a failure message: "기 (U+AE30)".
std::string describeCharacters(const QString& characters);

}  // namespace testing_support
