// The faces the windows draw with: the designs' Japanese Gothic faces are IPA Gothic, which
// draws every Japanese letter itself, and the Hangul it lacks falls back to Noto Sans CJK
// rather than showing as empty boxes.
#include "platform/forms/Controls.h"
#include "platform/forms/Design.h"

#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>

#include <gtest/gtest.h>

using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace {

struct PaintedRun {
    std::string family;
    bool blank;  // some glyph is glyph 0, the face's empty box
};

std::vector<PaintedRun> runsOf(const QFont& font, const QString& text) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    std::vector<PaintedRun> runs;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QList<quint32> glyphs = run.glyphIndexes();
        runs.push_back({run.rawFont().familyName().toStdString(), glyphs.contains(0u)});
    }
    return runs;
}

TEST(FontsTest, JapaneseStaysInIpaGothicAndHangulFallsBackToNotoSansCjk) {
    struct Case {
        const char* name;
        FontDesign design;
        std::string face;
    };
    const Case cases[] = {
        {"proportional", {kPGothic, 9, false}, "IPAPGothic"},
        {"proportional, bold", {kPGothic, 12, true}, "IPAPGothic"},
        {"fixed", {kGothic, 12, false}, "IPAGothic"},
    };
    // Kanji, kana, full-width forms and the signs of the help texts.
    const QString japanese = u"気象庁データについて（平年値）：２℃×〜※■━、。「」"_s;
    const QString hangul = u"기상청"_s;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QFont font = toQFont(c.design);
        for (const PaintedRun& run : runsOf(font, japanese)) {
            EXPECT_EQ(run.family, c.face);
            EXPECT_FALSE(run.blank);
        }
        const std::vector<PaintedRun> korean = runsOf(font, hangul);
        ASSERT_FALSE(korean.empty());
        for (const PaintedRun& run : korean) {
            EXPECT_TRUE(run.family.starts_with("Noto Sans") && run.family.find("CJK") != std::string::npos) << run.family;
            EXPECT_FALSE(run.blank) << run.family;
        }
    }
}

}  // namespace
