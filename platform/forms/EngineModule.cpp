// The web engine module: a QWebEngineView behind the seam of EngineView.h. It links the
// engine and nothing of ours, so the program loads the engine only with its first browser.
#include "platform/forms/EngineView.h"

#include <QPointer>
#include <QUrl>
#include <QWebEngineHistory>
#include <QWebEngineView>

namespace QtWebEngineCore {
// The engine's own set-up, which it runs with the application object when it is linked to
// the program; loaded later, it is run here before the first view instead (the graphics
// contexts it shares were asked for before the application object, see
// installWebEngineBrowser).
Q_DECL_IMPORT void initialize();
}  // namespace QtWebEngineCore

namespace {

class View final : public forms::EngineView {
public:
    explicit View(QWidget* parent) : view_(new QWebEngineView(parent)) {
        QObject::connect(view_, &QWebEngineView::loadStarted, view_, [this] { call(loadStarted); });
        QObject::connect(view_, &QWebEngineView::urlChanged, view_, [this] { call(urlChanged); });
        QObject::connect(view_, &QWebEngineView::loadFinished, view_, [this] { call(loadFinished); });
        view_->show();
    }
    ~View() override { delete view_.data(); }

    void navigate(const QString& address) override { view_->load(QUrl::fromUserInput(address)); }
    bool back() override {
        const bool can = view_->history()->canGoBack();
        view_->back();
        return can;
    }
    bool forward() override {
        const bool can = view_->history()->canGoForward();
        view_->forward();
        return can;
    }
    void reload() override { view_->reload(); }
    void stop() override { view_->stop(); }
    QString title() const override { return view_->title(); }
    QString url() const override { return view_->url().toString(); }
    void setGeometry(int x, int y, int width, int height) override { view_->setGeometry(x, y, width, height); }

private:
    static void call(const std::function<void()>& f) {
        if (f) f();
    }
    QPointer<QWebEngineView> view_;
};

}  // namespace

extern "C" Q_DECL_EXPORT forms::EngineView* tavrinCreateEngineView(QWidget* parent) {
    static const bool initialized = [] {
        QtWebEngineCore::initialize();
        return true;
    }();
    (void)initialized;
    return new View(parent);
}
