#include "tests/support/Glyphs.h"

#include <QGlyphRun>
#include <QRawFont>
#include <QSet>
#include <QTextLayout>

namespace testing_support {

namespace {

// Lays the character out as a text box does, fallbacks included: drawn when each face
// the layout chose has the character and gives it a real glyph (glyph 0 is the face's
// empty box).
bool drawn(const QFont& font, char32_t c) {
    QTextLayout layout(QString::fromUcs4(&c, 1), font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (runs.isEmpty()) return false;
    for (const QGlyphRun& run : runs) {
        if (!run.rawFont().supportsCharacter(c)) return false;
        for (const quint32 glyph : run.glyphIndexes()) {
            if (glyph == 0) return false;
        }
    }
    return true;
}

}  // namespace

QString charactersWithoutGlyph(const QFont& font, const QString& text) {
    QString missing;
    QSet<char32_t> seen;
    for (const char32_t c : text.toUcs4()) {
        if (seen.contains(c) || QChar::category(c) == QChar::Other_Control) continue;
        seen.insert(c);
        if (!drawn(font, c)) missing += QString::fromUcs4(&c, 1);
    }
    return missing;
}

std::string describeCharacters(const QString& characters) {
    QString out;
    for (const char32_t c : characters.toUcs4()) {
        if (!out.isEmpty()) out += QStringLiteral(", ");
        out += QString::fromUcs4(&c, 1) + QStringLiteral(" (U+%1)").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0')).toUpper();
    }
    return out.toStdString();
}

}  // namespace testing_support
