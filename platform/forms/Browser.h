#pragma once
// The web-browser control of a window, behind a seam: the program's start-up installs the
// web engine, tests install a fake, and without either a plain browser shows local pages
// and offers other addresses to the user's own browser.
//
//   std::unique_ptr<forms::WebBrowser> b = forms::browsers().create(form);
//   b->Move(45, 900, 11610, 7485);      // twips on the window's client area
//   b->onNavigateComplete2 = [&] { ... b->LocationURL() ... };
//   b->Navigate(u"https://example.org/"_s);
//
// A browser belongs to the window that made it and must go before the window does; its
// events reach the window only while the window is loaded.

#include "platform/forms/Controls.h"

#include <QString>

#include <functional>
#include <memory>

namespace forms {

class Form;

class WebBrowser {
public:
    virtual ~WebBrowser() = default;

    // Starts loading an address; the events tell how it went.
    virtual void Navigate(const QString& address) = 0;
    // Each does nothing where there is nothing to do (no page back, none loading).
    virtual void GoBack() = 0;
    virtual void GoForward() = 0;
    virtual void Refresh() = 0;
    virtual void Stop() = 0;
    // True while a page loads.
    virtual bool Busy() const = 0;
    // The title of the page shown, and its address.
    virtual QString LocationName() const = 0;
    virtual QString LocationURL() const = 0;
    // Geometry in twips on the window's client area.
    void Move(double left, double top, double width, double height);
    double Left() const { return left_; }
    double Top() const { return top_; }
    double Width() const { return width_; }
    double Height() const { return height_; }

    Handler onNavigateComplete2;  // the browser reached a new address
    Handler onDownloadComplete;   // a load ended: finished, stopped or failed

protected:
    // The browser's widget takes the geometry just set.
    virtual void placed() {}
    // Raises one of the events on its window, while the window is loaded.
    static void raise(Form& host, const Handler& event);

private:
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

class BrowserService {
public:
    virtual ~BrowserService() = default;
    // A browser on the window's client area.
    virtual std::unique_ptr<WebBrowser> create(Form& host) = 0;
};

BrowserService& browsers();
// Installs a browser service; null puts back the plain browser.
void setBrowsers(std::shared_ptr<BrowserService> service);
// The plain browser on the window's client area, whatever service is installed: for a
// service that finds it cannot give its own.
std::unique_ptr<WebBrowser> createPlainBrowser(Form& host);

// The keys typed into a combo box's edit part, as a KeyPress handler takes them (Enter is
// 13); a handler that sets the key to 0 keeps it from the box.
void setKeyPress(ComboBox& box, std::function<void(int& keyAscii)> handler);

}  // namespace forms
