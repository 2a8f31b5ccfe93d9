#include "platform/forms/Browser.h"

#include "platform/forms/Form.h"
#include "platform/forms/Services.h"
#include "platform/forms/Twips.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>

using namespace Qt::Literals::StringLiterals;

namespace forms {
namespace {

bool isWebAddress(const QUrl& url) { return url.scheme() == u"http"_s || url.scheme() == u"https"_s; }

// Shows local pages itself; a web address becomes a page that offers it to the user's
// own browser, so that the window is never left empty.
class PlainView final : public QTextBrowser {
public:
    explicit PlainView(QWidget* parent) : QTextBrowser(parent) {
        setOpenLinks(false);
        connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
            if (isWebAddress(url) && url == source()) {
                services().url->open(url.toString());
            } else {
                setSource(url);
            }
        });
    }

protected:
    QVariant loadResource(int type, const QUrl& name) override {
        if (type == QTextDocument::HtmlResource && isWebAddress(name)) {
            const QString address = name.toString().toHtmlEscaped();
            return QString(u"<html><head><title>"_s + address + u"</title></head><body>"_s +
                           u"<p>このページは、このウインドウでは表示できません。</p><p><a href=\""_s + address + u"\">"_s + address +
                           u"</a></p><p>上のアドレスをクリックすると、お使いのブラウザーで開きます。</p></body></html>"_s);
        }
        return QTextBrowser::loadResource(type, name);
    }
};

class PlainBrowser final : public WebBrowser {
public:
    explicit PlainBrowser(Form& host) : host_(host), view_(new PlainView(host.clientWidget())) {
        // A real browser reports after the call that started the load returns.
        QObject::connect(view_, &QTextBrowser::sourceChanged, view_, [this] {
            QTimer::singleShot(0, view_, [this] {
                raise(host_, onNavigateComplete2);
                raise(host_, onDownloadComplete);
            });
        });
        view_->show();
    }
    ~PlainBrowser() override { delete view_.data(); }

    void Navigate(const QString& address) override { view_->setSource(QUrl::fromUserInput(address)); }
    void GoBack() override { view_->backward(); }
    void GoForward() override { view_->forward(); }
    void Refresh() override { view_->reload(); }
    void Stop() override {}
    bool Busy() const override { return false; }
    QString LocationName() const override { return view_->documentTitle(); }
    QString LocationURL() const override { return view_->source().toString(); }

protected:
    void placed() override { view_->setGeometry(toPixels(Left()), toPixels(Top()), toPixels(Width()), toPixels(Height())); }

private:
    Form& host_;
    QPointer<PlainView> view_;
};

class PlainBrowsers final : public BrowserService {
public:
    std::unique_ptr<WebBrowser> create(Form& host) override { return std::make_unique<PlainBrowser>(host); }
};

std::shared_ptr<BrowserService>& installed() {
    static std::shared_ptr<BrowserService> service = std::make_shared<PlainBrowsers>();
    return service;
}

// Hands the keys of a combo box's edit part to its window's KeyPress handler.
class KeyPressFilter final : public QObject {
public:
    KeyPressFilter(ComboBox& box, std::function<void(int&)> handler, QObject* parent)
        : QObject(parent), box_(box), handler_(std::move(handler)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        const auto* e = static_cast<QKeyEvent*>(event);
        int key = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter ? 13 : e->text().isEmpty() ? 0 : e->text().at(0).unicode();
        if (key == 0) return false;
        box_.Parent().dispatchUser([this, &key] { handler_(key); });
        return key == 0;
    }

private:
    ComboBox& box_;
    std::function<void(int&)> handler_;
};

}  // namespace

void WebBrowser::Move(double left, double top, double width, double height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    placed();
}

void WebBrowser::raise(Form& host, const Handler& event) {
    if (host.isLoaded()) host.dispatchUser(event);
}

BrowserService& browsers() { return *installed(); }

void setBrowsers(std::shared_ptr<BrowserService> service) {
    installed() = service ? std::move(service) : std::make_shared<PlainBrowsers>();
}

std::unique_ptr<WebBrowser> createPlainBrowser(Form& host) { return std::make_unique<PlainBrowser>(host); }

void setKeyPress(ComboBox& box, std::function<void(int& keyAscii)> handler) {
    auto* combo = qobject_cast<QComboBox*>(box.widget());
    if (!combo || !combo->lineEdit()) return;
    // A key reaches the box itself, which hands it on to its edit part past any filter,
    // or comes to the edit part directly: the filter watches both.
    auto* filter = new KeyPressFilter(box, std::move(handler), combo);
    combo->installEventFilter(filter);
    combo->lineEdit()->installEventFilter(filter);
}

}  // namespace forms
