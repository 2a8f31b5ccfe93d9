#include "platform/forms/WebEngineBrowser.h"

#if TAVRIN_WEBENGINE

#include "platform/forms/Browser.h"
#include "platform/forms/EngineView.h"
#include "platform/forms/Form.h"
#include "platform/forms/Language.h"
#include "platform/forms/Twips.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QtDebug>

#include <unistd.h>

namespace forms {
namespace {

class EngineBrowser final : public WebBrowser {
public:
    EngineBrowser(Form& host, CreateEngineView create) : host_(host), view_(create(host.clientWidget())) {
        view_->loadStarted = [this] { busy_ = true; };
        view_->urlChanged = [this] { raise(host_, onNavigateComplete2); };
        view_->loadFinished = [this] {
            busy_ = false;
            raise(host_, onDownloadComplete);
        };
    }

    // A load asked for counts as busy at once, as the engine starts it a moment later.
    void Navigate(const QString& address) override {
        busy_ = true;
        view_->navigate(address);
    }
    void GoBack() override { busy_ = view_->back() || busy_; }
    void GoForward() override { busy_ = view_->forward() || busy_; }
    void Refresh() override {
        busy_ = true;
        view_->reload();
    }
    void Stop() override {
        view_->stop();
        busy_ = false;
    }
    bool Busy() const override { return busy_; }
    QString LocationName() const override { return view_->title(); }
    QString LocationURL() const override { return view_->url(); }

protected:
    void placed() override { view_->setGeometry(toPixels(Left()), toPixels(Top()), toPixels(Width()), toPixels(Height())); }

private:
    Form& host_;
    std::unique_ptr<EngineView> view_;
    bool busy_ = false;
};

// Loads the engine module with the first browser: beside the program, as it is installed,
// or where the build made it, for the tests and benches that run from elsewhere in the
// build tree. Without it the windows get the plain browser.
class EngineBrowsers final : public BrowserService {
public:
    std::unique_ptr<WebBrowser> create(Form& host) override {
        if (!tried_) {
            tried_ = true;
            create_ = load();
        }
        if (!create_) return createPlainBrowser(host);
        return std::make_unique<EngineBrowser>(host, create_);
    }

private:
    static CreateEngineView load() {
        QString failure;
        for (const QString& path : {QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(TAVRIN_WEBENGINE_MODULE_NAME)),
                                    QStringLiteral(TAVRIN_WEBENGINE_MODULE_PATH)}) {
            QLibrary module(path);
            if (auto create = reinterpret_cast<CreateEngineView>(module.resolve(kCreateEngineView))) {
                // The engine's own texts (its context menu) in Japanese where the system has
                // them, loaded with the engine rather than at every start. Its pages take
                // their language from the application's locale (useJapanese).
                installQtTranslation(QStringLiteral("qtwebengine"));
                return create;
            }
            failure = module.errorString();
        }
        qWarning("the web engine could not be loaded, pages show in the plain browser: %s", qUtf8Printable(failure));
        return nullptr;
    }

    bool tried_ = false;
    CreateEngineView create_ = nullptr;
};

}  // namespace

void installWebEngineBrowser() {
    // The application's graphics contexts are not made shareable for the engine: asking for
    // that makes every start create a GL context and load the GL drivers, which more than
    // doubled the start-up's time and memory on X. The engine draws its pages without it
    // (and says so on its first start).
    // The engine's sandbox refuses to start for the administrator; a program run as root
    // gets the engine without it rather than no page at all.
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX")) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    setBrowsers(std::make_shared<EngineBrowsers>());
}

bool hasWebEngine() { return true; }

}  // namespace forms

#else

namespace forms {

void installWebEngineBrowser() {}
bool hasWebEngine() { return false; }

}  // namespace forms

#endif
