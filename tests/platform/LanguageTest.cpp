// Qt's own texts in Japanese: the standard buttons of the program's message boxes read in
// Japanese whatever the locale of the user's environment.
#include "platform/forms/Language.h"
#include "platform/forms/Services.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace {

bool haveJapaneseQt() { return QFile::exists(QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath)).filePath(u"qtbase_ja.qm"_s)); }

// The button texts as the user reads them, without their keyboard marks ("はい(&Y)" reads
// "はい"), sorted: the order of the buttons is the platform's.
std::vector<std::string> readTexts(const QMessageBox& box) {
    static const QRegularExpression mark(u"\\(&.\\)|&"_s);
    std::vector<std::string> texts;
    for (const QAbstractButton* b : box.buttons()) texts.push_back(QString(b->text()).remove(mark).toStdString());
    std::sort(texts.begin(), texts.end());
    return texts;
}

// Shows a message box through the production service and reads its buttons while it waits.
std::vector<std::string> buttonsOf(MessageBoxService& boxes, int style) {
    std::vector<std::string> texts;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        texts = readTexts(*box);
        box->reject();
    });
    poll.start(5);
    QTimer::singleShot(5000, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->reject();
    });
    boxes.show(u"続けますか。"_s, style, u"テスト"_s);
    return texts;
}

TEST(LanguageTest, MessageBoxButtonsReadInJapanese) {
    if (!haveJapaneseQt()) GTEST_SKIP() << "Qt's Japanese translations are not installed (qt6-translations-l10n)";
    ASSERT_TRUE(useJapanese());
    const Services fakes = services();
    installDefaultServices();
    const std::shared_ptr<MessageBoxService> real = services().messageBox;
    services() = fakes;

    struct Case {
        const char* name;
        int style;
        std::vector<std::string> texts;  // sorted
    };
    const Case cases[] = {
        {"OK and cancel", vbOKCancel | vbInformation, {"OK", "キャンセル"}},
        {"yes, no and cancel", vbYesNoCancel | vbQuestion, {"いいえ", "キャンセル", "はい"}},
        {"yes and no", vbYesNo, {"いいえ", "はい"}},
        {"abort, retry and ignore", vbAbortRetryIgnore, {"中止", "再試行", "無視"}},
        {"retry and cancel", vbRetryCancel | vbExclamation, {"キャンセル", "再試行"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> expected = c.texts;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(buttonsOf(*real, c.style), expected);
    }
}

TEST(LanguageTest, TheLocaleIsJapaneseAndATranslationLoadsOnce) {
    if (!haveJapaneseQt()) GTEST_SKIP() << "Qt's Japanese translations are not installed (qt6-translations-l10n)";
    ASSERT_TRUE(useJapanese());
    EXPECT_EQ(QLocale().language(), QLocale::Japanese) << "what the web engine takes its pages' language from";
    EXPECT_TRUE(useJapanese()) << "a second call finds it installed";
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"キャンセル"_s);
    EXPECT_FALSE(installQtTranslation(u"no_such_module"_s));
}

}  // namespace
