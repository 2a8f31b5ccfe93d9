// The web engine behind the browser seam, on local pages: it loads a page, reports the
// page's title and address, follows a second address and goes back. Its own main: the
// engine must be set up before the application object.
#include "platform/forms/Browser.h"
#include "platform/forms/Form.h"
#include "platform/forms/WebEngineBrowser.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

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

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    installWebEngineBrowser();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    destroyAllForms();
    return status;
}
