// The splash and the version window: what they show, how the splash goes, and the version
// window's corner chain with its one-second picture swap on the test's clock.
#include "extras/frmAbout.h"
#include "extras/frmSplash.h"
#include "platform/forms/Form.h"
#include "platform/shell/Files.h"
#include "tests/support/FakeServices.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QWidget>

#include <algorithm>

#include <gtest/gtest.h>

using namespace extras;
using namespace forms;
using namespace Qt::Literals::StringLiterals;
using testing_support::FakeServices;

namespace {

class SplashAndAboutTest : public ::testing::Test {
protected:
    void TearDown() override { destroyAllForms(); }
    FakeServices services;
};

// A click where the user clicks: the topmost visible control there that takes clicks.
void clickAt(Form& f, double x, double y) { f.clientPressed(x, y); }
void clickOn(Form& f, const Control& c) { clickAt(f, c.Left() + 60, std::max(0.0, c.Top()) + 60); }

TEST_F(SplashAndAboutTest, TheSplashNamesTheProductItsVersionAndLinux) {
    frmSplash& s = instance<frmSplash>();
    EXPECT_TRUE(s.Caption().isEmpty());
    EXPECT_EQ(s.control<Label>(u"lblProductName"_s).Caption(), u"ruvirov"_s);
    EXPECT_EQ(s.control<Label>(u"Label2"_s).Caption(), u"Ｖｅｒａｎｔｈ"_s);
    EXPECT_EQ(s.control<Label>(u"lblVersion"_s).Caption(), u"Ｖｅｒ．１．５．０"_s);
    EXPECT_TRUE(s.lblPlatform.Caption().contains(u"Ｌｉｎｕｘ"_s));
    EXPECT_FALSE(s.lblPlatform.Caption().contains(u"ＷＩＮＤＯＷＳ"_s));
    EXPECT_EQ(s.control<Label>(u"Label1"_s).Caption(), u"データは、気象庁提供のものを使用しています。"_s);
    const auto shadow = s.controls<Label>(u"lblCompanyProduct"_s);
    EXPECT_EQ(shadow(0).Caption(), shadow(1).Caption()) << "the family name stands twice, as its own shadow";
    EXPECT_NE(shadow(0).ForeColor(), shadow(1).ForeColor());
    EXPECT_EQ(s.control<Image>(u"imgLogo"_s).Picture().widthPixels(), 32);
    EXPECT_EQ(s.control<Image>(u"imgLogo"_s).Picture().heightPixels(), 32);
    EXPECT_EQ(s.Frame1.BackColor(), 0x99FF00u);
    EXPECT_EQ(s.Frame1.Width(), s.ScaleWidth()) << "the panel fills the window";
    EXPECT_EQ(s.Frame1.Height(), s.ScaleHeight());
}

TEST_F(SplashAndAboutTest, TheSplashIsCentredOnTheScreen) {
    frmSplash& s = instance<frmSplash>();
    EXPECT_DOUBLE_EQ(s.Left(), (services.screenWidth - s.Width()) / 2);
    EXPECT_DOUBLE_EQ(s.Top(), (services.screenHeight - s.Height()) / 2);
}

TEST_F(SplashAndAboutTest, AKeyPressedOnTheSplashClosesIt) {
    for (const auto& [key, text] : {std::pair{Qt::Key_A, u"a"_s}, std::pair{Qt::Key_Space, u" "_s}, std::pair{Qt::Key_Return, u"\r"_s}}) {
        SCOPED_TRACE(text.toStdString());
        frmSplash& s = instance<frmSplash>();
        s.Show();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(s.windowWidget(), &press);
        EXPECT_FALSE(isLoaded<frmSplash>());
        collectUnloadedForms();
    }
}

TEST_F(SplashAndAboutTest, AClickOnThePanelClosesTheSplashAndUnloadingItAgainDoesNothing) {
    frmSplash& s = instance<frmSplash>();
    s.Show();
    clickOn(s, s.control<Label>(u"lblProductName"_s));
    EXPECT_TRUE(isLoaded<frmSplash>()) << "the texts take their own clicks";
    clickAt(s, 100, 100);
    EXPECT_FALSE(isLoaded<frmSplash>());
    s.Unload();
    EXPECT_FALSE(isLoaded<frmSplash>());
}

TEST_F(SplashAndAboutTest, TheVersionWindowShowsTheProductAndItsData) {
    frmAbout& a = instance<frmAbout>();
    EXPECT_EQ(a.Caption(), u"バージョン Infomation"_s);
    EXPECT_EQ(a.ScaleWidth(), 5940);
    EXPECT_EQ(a.ScaleHeight(), 3855);
    EXPECT_EQ(a.control<Label>(u"lblVersion"_s).Caption(), u"Ｖｅｒ．１．５．０"_s);
    EXPECT_EQ(a.control<Label>(u"Label2"_s).Caption(),
              u"このプログラムは、平年値や各年値のデータを、手軽にruvirovに表示するソフトウェアです。"_s);
    EXPECT_EQ(a.control<Label>(u"lblDescription"_s).Caption(), u"気象データは、気象庁提供のものを使用しています。　"_s);
    EXPECT_EQ(a.cmdOK.Caption(), u"OK"_s);
    struct Picture {
        const char* name;
        const Image& image;
        int widthPixels, heightPixels;
        double width, height;
    };
    for (const Picture& p : {Picture{"Image1", a.Image1, 155, 210, 1395, 1785}, Picture{"Image2", a.Image2, 260, 260, 1080, 1080}}) {
        SCOPED_TRACE(p.name);
        EXPECT_EQ(p.image.Picture().widthPixels(), p.widthPixels);
        EXPECT_EQ(p.image.Picture().heightPixels(), p.heightPixels);
        EXPECT_EQ(p.image.Width(), p.width) << "shown stretched";
        EXPECT_EQ(p.image.Height(), p.height);
    }
    EXPECT_TRUE(a.Image1.Visible());
    EXPECT_FALSE(a.Image2.Visible());
}

// The contact names the project's address and opens the page about the program beside
// it, in Japanese, not the developers' read-me.
TEST_F(SplashAndAboutTest, TheContactNamesTheProjectAndOpensThePageAboutTheProgram) {
    frmAbout& a = instance<frmAbout>();
    a.Show();
    EXPECT_EQ(a.Label4.Caption(), u"連絡先："_s + frmAbout::kContact);
    EXPECT_TRUE(frmAbout::kContact.startsWith(u"https://"_s));
    clickOn(a, a.Label4);
    ASSERT_EQ(services.openedUrls.size(), 1u);
    EXPECT_EQ(services.openedUrls[0], shell::fileUrl(AppInfo::Path() + u"/tavrin.html"_s));

    services.urlFails = true;
    services.expectMessage();
    clickOn(a, a.Label4);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages[0].prompt.contains(u"tavrin.html"_s)) << services.messages[0].prompt.toStdString();
    EXPECT_TRUE(isLoaded<frmAbout>());
}

// The page the build puts beside the program, as the medium installs it.
TEST_F(SplashAndAboutTest, ThePageAboutTheProgramIsJapaneseWithItsDataSourcesContactAndLicence) {
    QFile page(QStringLiteral(TAVRIN_PROGRAM_PAGE));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << TAVRIN_PROGRAM_PAGE;
    const QString html = QString::fromUtf8(page.readAll());
    EXPECT_TRUE(html.contains(u"<html lang=\"ja\">"_s));
    EXPECT_TRUE(html.contains(u"<meta charset=\"utf-8\">"_s));
    EXPECT_FALSE(html.contains(u'@')) << "every setting of the page was filled in";
    for (const QString& topic :
         {u"ハイサーグラフ"_s, u"雨温図"_s, u"日本語"_s, u"出典：気象庁ホームページ"_s, u"기상청"_s, u"資料來源：交通部中央氣象署"_s,
          u"Source: Environment and Climate Change Canada"_s, u"NOAA National Centers for Environmental Information"_s,
          u"出典：地球地図日本"_s, u"Natural Earth"_s, u"Kottek"_s, u"利用条件"_s, u"ライセンス"_s, u"無保証"_s, u"連絡先"_s}) {
        EXPECT_TRUE(html.contains(topic)) << topic.toStdString();
    }
    EXPECT_TRUE(html.contains(u"<a href=\""_s + frmAbout::kContact + u"\">"_s)) << "the version window's contact";
}

TEST_F(SplashAndAboutTest, TheCornersClickedInTurnShowTheOtherSideForOneSecond) {
    frmAbout& a = instance<frmAbout>();
    a.Show();
    EXPECT_TRUE(a.Label7.Visible());
    EXPECT_FALSE(a.Label8.Visible());
    // Ahead of the chain, the hidden corners take no clicks.
    clickOn(a, a.Label9);
    clickOn(a, a.Label10);
    EXPECT_FALSE(a.Label10.Visible());
    EXPECT_TRUE(a.Image1.Visible());

    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE(run);
        clickOn(a, a.Label7);  // upper left
        EXPECT_TRUE(a.Label8.Visible());
        clickOn(a, a.Label8);  // lower right
        EXPECT_FALSE(a.Label8.Visible());
        EXPECT_TRUE(a.Label9.Visible());
        clickOn(a, a.Label9);  // upper right
        EXPECT_FALSE(a.Label9.Visible());
        EXPECT_TRUE(a.Label10.Visible());
        clickOn(a, a.Label10);  // lower left
        EXPECT_FALSE(a.Label10.Visible());
        EXPECT_FALSE(a.Image1.Visible());
        EXPECT_TRUE(a.Image2.Visible());
        EXPECT_FALSE(a.busy()) << "the program goes on during the swap";
        EXPECT_EQ(services.sleptMs, 0);

        services.advanceClock(frmAbout::kSwapMs - 1);
        EXPECT_TRUE(a.Image2.Visible());
        services.advanceClock(1);
        EXPECT_TRUE(a.Image1.Visible());
        EXPECT_FALSE(a.Image2.Visible());
        EXPECT_EQ(services.runningTimers(), 0);
        EXPECT_TRUE(a.Label7.Visible()) << "the chain can run again";
        EXPECT_FALSE(a.Label8.Visible() || a.Label9.Visible() || a.Label10.Visible());
    }
}

TEST_F(SplashAndAboutTest, TheChainRunAgainDuringTheSwapStartsTheSecondAgain) {
    frmAbout& a = instance<frmAbout>();
    const auto chain = [&] {
        for (const Label* l : {&a.Label7, &a.Label8, &a.Label9, &a.Label10}) clickOn(a, *l);
    };
    chain();
    services.advanceClock(600);
    chain();
    services.advanceClock(600);
    EXPECT_TRUE(a.Image2.Visible());
    services.advanceClock(400);
    EXPECT_TRUE(a.Image1.Visible());
}

TEST_F(SplashAndAboutTest, ClosingTheVersionWindowStopsTheSwapAndReopeningStartsFromTheDesign) {
    frmAbout& a = instance<frmAbout>();
    for (const Label* l : {&a.Label7, &a.Label8, &a.Label9, &a.Label10}) clickOn(a, *l);
    ASSERT_TRUE(a.Image2.Visible());
    a.cmdOK.click();
    EXPECT_FALSE(isLoaded<frmAbout>());
    EXPECT_EQ(services.runningTimers(), 0);
    collectUnloadedForms();
    frmAbout& again = instance<frmAbout>();
    EXPECT_TRUE(again.Image1.Visible());
    EXPECT_FALSE(again.Image2.Visible());
    clickOn(again, again.Label8);
    EXPECT_FALSE(again.Label9.Visible()) << "the chain starts again from the upper left";
}

}  // namespace
