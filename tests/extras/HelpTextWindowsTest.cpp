// The four help windows: their captions, texts and close buttons, and every letter of
// their texts drawn.
#include "extras/HelpTextWindows.h"
#include "platform/forms/Form.h"
#include "tests/support/FakeServices.h"
#include "tests/support/Glyphs.h"

#include <QGlyphRun>
#include <QPlainTextEdit>
#include <QRawFont>
#include <QTextBlock>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <functional>

using namespace extras;
using namespace forms;
using namespace Qt::Literals::StringLiterals;
using testing_support::FakeServices;

namespace {

// The Korean weather service's own name, in Hangul: the one script of the texts that the
// Japanese faces do not have.
const QString kKoreanService = u"기상청"_s;

struct HelpWindowCase {
    const char* name;
    std::function<HelpTextWindow&()> open;
    std::function<bool()> loaded;
    QString caption;
    QString button;
    QStringList mentions;  // what the text must cover
};

template <class W>
HelpWindowCase helpCase(const char* name, QString caption, QString button, QStringList mentions) {
    return {name,
            []() -> HelpTextWindow& { return instance<W>(); },
            [] { return isLoaded<W>(); },
            std::move(caption),
            std::move(button),
            std::move(mentions)};
}

std::vector<HelpWindowCase> helpWindows() {
    return {
        helpCase<Form48>("Readme", u"ruvirov Veranth Readme"_s, u"終了 (&C)"_s,
                         {u"155"_s, u"204"_s, u"ステップ表示モード"_s, u"キャプチャー"_s, u"ケッペン"_s,
                          u"該当するレコードが見つかりません"_s, u"出典：気象庁ホームページ"_s, kKoreanService}),
        helpCase<Form49>("installation guide", u"インストールガイド"_s, u"終了 (&C)"_s,
                         {u"Linux"_s, u"W_disk_1/SETUP.exe"_s, u"W_disk_2/AccessRuntime.exe"_s, u"~/.local/lib/tavrin"_s, u"Ｑ８"_s,
                          u"W_disk_1/SETUP.exe --uninstall"_s}),
        helpCase<Form50>("the weather service's data", u"気象庁データについて"_s, u" 終了 (&C)"_s,
                         {u"出典：気象庁ホームページ"_s, u"平年値"_s, u"日別値"_s, u"Environment and Climate Change Canada"_s,
                          u"交通部中央氣象署"_s, u"NOAA"_s, u"Kottek"_s, kKoreanService}),
        helpCase<Form51>("history", u"ruvirov Veranth 更新履歴"_s, u"終了 (&C)"_s, {u"Ver.1.5.0"_s, u"2026年12月"_s}),
    };
}

class HelpTextWindowsTest : public ::testing::Test {
protected:
    void TearDown() override { destroyAllForms(); }
    FakeServices services;
};

TEST_F(HelpTextWindowsTest, EachWindowShowsItsCaptionTextAndButton) {
    for (const HelpWindowCase& c : helpWindows()) {
        SCOPED_TRACE(c.name);
        HelpTextWindow& w = c.open();
        EXPECT_EQ(w.Caption(), c.caption);
        EXPECT_EQ(w.f_end.Caption(), c.button);
        EXPECT_TRUE(w.Text1.multiLine());
        EXPECT_TRUE(w.Text1.Locked()) << "the user reads the text, and cannot change it";
        EXPECT_EQ(w.Text1.Font().name, kGothic);
        EXPECT_EQ(w.Text1.Font().size, 12);
        for (const QString& m : c.mentions) EXPECT_TRUE(w.Text1.Text().contains(m)) << m.toStdString();
        // The text box fills most of the window and the button stands below it.
        EXPECT_GT(w.Text1.Width() * w.Text1.Height(), 0.8 * w.ScaleWidth() * w.ScaleHeight());
        EXPECT_GE(w.f_end.Top(), w.Text1.Top() + w.Text1.Height());
        EXPECT_LE(w.f_end.Top() + w.f_end.Height(), w.ScaleHeight());
    }
}

TEST_F(HelpTextWindowsTest, TheButtonClosesTheWindowAndTheNextUseOpensItAgain) {
    for (const HelpWindowCase& c : helpWindows()) {
        SCOPED_TRACE(c.name);
        HelpTextWindow& w = c.open();
        w.Show();
        w.Text1.type(u"typed over"_s);
        EXPECT_NE(w.Text1.Text(), u"typed over"_s);
        w.f_end.click();
        EXPECT_FALSE(c.loaded());
        collectUnloadedForms();
        EXPECT_EQ(c.open().Caption(), c.caption);
    }
}

// Every letter of every text, and of the button, has a glyph in the faces the window
// draws it with, the fallbacks Qt picks for letters the Japanese faces lack included:
// none shows as an empty box.
TEST_F(HelpTextWindowsTest, EveryLetterOfEveryTextHasAGlyph) {
    for (const HelpWindowCase& c : helpWindows()) {
        SCOPED_TRACE(c.name);
        HelpTextWindow& w = c.open();
        w.Show();
        ASSERT_NE(w.Text1.widget(), nullptr);
        ASSERT_NE(w.f_end.widget(), nullptr);
        const QString text = testing_support::charactersWithoutGlyph(w.Text1.widget()->font(), w.Text1.Text());
        EXPECT_TRUE(text.isEmpty()) << "no glyph for " << testing_support::describeCharacters(text);
        const QString button = testing_support::charactersWithoutGlyph(w.f_end.widget()->font(), w.f_end.Caption());
        EXPECT_TRUE(button.isEmpty()) << "no glyph for " << testing_support::describeCharacters(button);
    }
}

// The Korean service's name as the window paints it: each of its three letters from a face
// that has it (not glyph 0, the empty box), painted with ink, and each unlike the others,
// where three empty boxes would paint alike.
TEST_F(HelpTextWindowsTest, TheKoreanServiceNamePaintsItsLettersNotEmptyBoxes) {
    for (const HelpWindowCase& c : helpWindows()) {
        if (!c.mentions.contains(kKoreanService)) continue;
        SCOPED_TRACE(c.name);
        HelpTextWindow& w = c.open();
        w.Show();
        auto* edit = qobject_cast<QPlainTextEdit*>(w.Text1.widget());
        ASSERT_NE(edit, nullptr);
        const int at = static_cast<int>(edit->toPlainText().indexOf(kKoreanService));
        ASSERT_GE(at, 0);

        // The glyphs the text box lays the name out with.
        const QTextBlock block = edit->document()->findBlock(at);
        ASSERT_NE(block.layout(), nullptr);
        const QList<QGlyphRun> runs = block.layout()->glyphRuns(at - block.position(), static_cast<int>(kKoreanService.size()));
        ASSERT_FALSE(runs.isEmpty());
        for (const QGlyphRun& run : runs) {
            SCOPED_TRACE(run.rawFont().familyName().toStdString());
            for (const QChar letter : kKoreanService) EXPECT_TRUE(run.rawFont().supportsCharacter(letter));
            for (const quint32 glyph : run.glyphIndexes()) EXPECT_NE(glyph, 0u);
        }

        // The pixels: the name scrolled into view, each letter cut out of the window's picture.
        QTextCursor cursor(edit->document());
        cursor.setPosition(at);
        edit->setTextCursor(cursor);
        edit->ensureCursorVisible();
        const QFontMetrics metrics(edit->font());
        std::vector<QRect> letters;
        for (int i = 0; i < kKoreanService.size(); ++i) {
            cursor.setPosition(at + i);
            const QRect r = edit->cursorRect(cursor);
            const QPoint topLeft = edit->viewport()->mapTo(w.clientWidget(), r.topLeft());
            letters.emplace_back(topLeft.x(), topLeft.y(), metrics.horizontalAdvance(kKoreanService[i]), r.height());
        }
        const QImage picture = w.grabClient();
        const QRgb paper = edit->palette().color(QPalette::Base).rgb();
        std::vector<QImage> cuts;
        for (const QRect& r : letters) {
            ASSERT_TRUE(picture.rect().contains(r)) << "the letter is in view";
            cuts.push_back(picture.copy(r));
            int ink = 0;
            for (int y = 0; y < cuts.back().height(); ++y) {
                for (int x = 0; x < cuts.back().width(); ++x) ink += cuts.back().pixel(x, y) != paper;
            }
            EXPECT_GT(ink, 10) << "the letter is painted";
        }
        for (std::size_t i = 0; i < cuts.size(); ++i) {
            for (std::size_t j = i + 1; j < cuts.size(); ++j) {
                EXPECT_TRUE(cuts[i] != cuts[j]) << "letters " << i << " and " << j << " paint alike, as empty boxes do";
            }
        }
    }
}

}  // namespace
