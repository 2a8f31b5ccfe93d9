#include "platform/forms/WebEngineBrowser.h"

#if TAVRIN_WEBENGINE

#include "platform/forms/Browser.h"
#include "platform/forms/Form.h"
#include "platform/forms/Twips.h"

#include <QCoreApplication>
#include <QPointer>
#include <QUrl>
#include <QWebEngineHistory>
#include <QWebEngineView>

#include <unistd.h>

namespace forms {
namespace {

class EngineBrowser final : public WebBrowser {
public:
    explicit EngineBrowser(Form& host) : host_(host), view_(new QWebEngineView(host.clientWidget())) {
        QObject::connect(view_, &QWebEngineView::loadStarted, view_, [this] { busy_ = true; });
        QObject::connect(view_, &QWebEngineView::urlChanged, view_, [this] { raise(host_, onNavigateComplete2); });
        QObject::connect(view_, &QWebEngineView::loadFinished, view_, [this] {
            busy_ = false;
            raise(host_, onDownloadComplete);
        });
        view_->show();
    }
    ~EngineBrowser() override { delete view_.data(); }

    // A load asked for counts as busy at once, as the engine starts it a moment later.
    void Navigate(const QString& address) override {
        busy_ = true;
        view_->load(QUrl::fromUserInput(address));
    }
    void GoBack() override {
        busy_ = busy_ || view_->history()->canGoBack();
        view_->back();
    }
    void GoForward() override {
        busy_ = busy_ || view_->history()->canGoForward();
        view_->forward();
    }
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
    QString LocationURL() const override { return view_->url().toString(); }

protected:
    void placed() override { view_->setGeometry(toPixels(Left()), toPixels(Top()), toPixels(Width()), toPixels(Height())); }

private:
    Form& host_;
    QPointer<QWebEngineView> view_;
    bool busy_ = false;
};

class EngineBrowsers final : public BrowserService {
public:
    std::unique_ptr<WebBrowser> create(Form& host) override { return std::make_unique<EngineBrowser>(host); }
};

}  // namespace

void installWebEngineBrowser() {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
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
