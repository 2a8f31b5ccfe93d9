// The web engine behind the browser seam, on local pages: it loads a page, reports the
// page's title and address, follows a second address and goes back; and it speaks
// Japanese, whatever the environment's locale (CTest runs it in English). Its own main,
// set up as the program's: the engine before the application object, the language after.
#include "platform/forms/Browser.h"
#include "platform/forms/Form.h"
#include "platform/forms/Language.h"
#include "platform/forms/WebEngineBrowser.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace {

class Host : public Form {
public:
    Host() : Form(plainDesign(u"Host"_s, u"host"_s, 6000, 4500)) {}
};

void writePage(const QString& path, const QString& title, const QString& body) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write((u"<html><head><title>"_s + title + u"</title></head><body>"_s + body + u"</body></html>"_s).toUtf8());
}

// Lets the engine work until the condition holds or twenty seconds have gone.
bool waitFor(const std::function<bool()>& done) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < 20000) QApplication::processEvents(QEventLoop::AllEvents, 50);
    return done();
}

TEST(WebEngineBrowser, LoadsLocalPagesAndGoesBack) {
    if (!hasWebEngine()) GTEST_SKIP() << "built without the web engine";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString first = dir.filePath(u"first.html"_s);
    const QString second = dir.filePath(u"second.html"_s);
    writePage(first, u"最初のページ"_s, u"<p>one</p>"_s);
    writePage(second, u"Second page"_s, u"<p>two</p>"_s);

    Host& host = instance<Host>();
    host.Show();
    std::unique_ptr<WebBrowser> b = browsers().create(host);
    b->Move(0, 0, 6000, 4500);
    int arrived = 0, completed = 0;
    b->onNavigateComplete2 = [&] { ++arrived; };
    b->onDownloadComplete = [&] { ++completed; };

    b->Navigate(QUrl::fromLocalFile(first).toString());
    EXPECT_TRUE(b->Busy()) << "busy from the moment a page is asked for";
    ASSERT_TRUE(waitFor([&] { return completed >= 1 && b->LocationName() == u"最初のページ"_s; }));
    EXPECT_GE(arrived, 1);
    EXPECT_FALSE(b->Busy());
    EXPECT_EQ(b->LocationURL(), QUrl::fromLocalFile(first).toString());

    b->Navigate(QUrl::fromLocalFile(second).toString());
    ASSERT_TRUE(waitFor([&] { return completed >= 2 && b->LocationName() == u"Second page"_s; }));
    b->GoBack();
    ASSERT_TRUE(waitFor([&] { return b->LocationURL() == QUrl::fromLocalFile(first).toString() && !b->Busy(); }));
    b->Stop();
    EXPECT_FALSE(b->Busy());

    b.reset();  // the browser goes before its window
    destroyAllForms();
}

// The engine is asked for Japanese pages (what a page's script sees of the user's
// languages, and so what it sends servers), and its own pages, here the one it shows
// when a site cannot be reached, are in Japanese.
TEST(WebEngineBrowser, AsksForJapanesePagesAndShowsItsOwnPagesInJapanese) {
    if (!hasWebEngine()) GTEST_SKIP() << "built without the web engine";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString page = dir.filePath(u"languages.html"_s);
    writePage(page, u"?"_s, u"<script>document.title = navigator.languages.join(',');</script>"_s);

    Host& host = instance<Host>();
    host.Show();
    std::unique_ptr<WebBrowser> b = browsers().create(host);
    b->Move(0, 0, 6000, 4500);
    int completed = 0;
    b->onDownloadComplete = [&] { ++completed; };
    b->Navigate(QUrl::fromLocalFile(page).toString());
    ASSERT_TRUE(waitFor([&] { return completed >= 1 && b->LocationName() != u"?"_s; }));
    EXPECT_EQ(b->LocationName().toStdString(), "ja") << "the languages a page sees";

    // A port the engine refuses to reach, so the page is the engine's own on any machine,
    // with or without a network.
    b->Navigate(u"http://127.0.0.1:9/"_s);
    ASSERT_TRUE(waitFor([&] { return completed >= 2 && !b->Busy(); }));
    auto* view = host.clientWidget()->findChild<QWebEngineView*>();
    ASSERT_NE(view, nullptr);
    QString text;
    bool read = false;
    view->page()->toPlainText([&](const QString& t) {
        text = t;
        read = true;
    });
    ASSERT_TRUE(waitFor([&] { return read; }));
    const bool kana = std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x3041 && c.unicode() <= 0x30FA; });
    EXPECT_TRUE(kana) << "the engine's page: " << text.toStdString();

    b.reset();
    destroyAllForms();
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    installWebEngineBrowser();
    QApplication app(argc, argv);
    useJapanese();
    ::testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    destroyAllForms();
    return status;
}
