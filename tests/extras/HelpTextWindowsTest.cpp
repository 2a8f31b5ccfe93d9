// The four help windows: their captions, texts and close buttons.
#include "extras/HelpTextWindows.h"
#include "platform/forms/Form.h"
#include "tests/support/FakeServices.h"

#include <gtest/gtest.h>

#include <functional>

using namespace extras;
using namespace forms;
using namespace Qt::Literals::StringLiterals;
using testing_support::FakeServices;

namespace {

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
                          u"該当するレコードが見つかりません"_s, u"出典：気象庁ホームページ"_s}),
        helpCase<Form49>("installation guide", u"インストールガイド"_s, u"終了 (&C)"_s,
                         {u"Linux"_s, u"W_disk_1/SETUP.exe"_s, u"W_disk_2/AccessRuntime.exe"_s, u"~/.local/lib/tavrin"_s, u"Ｑ８"_s,
                          u"W_disk_1/SETUP.exe --uninstall"_s}),
        helpCase<Form50>("the weather service's data", u"気象庁データについて"_s, u" 終了 (&C)"_s,
                         {u"出典：気象庁ホームページ"_s, u"平年値"_s, u"日別値"_s, u"Environment and Climate Change Canada"_s,
                          u"交通部中央氣象署"_s, u"NOAA"_s, u"Kottek"_s}),
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

}  // namespace
