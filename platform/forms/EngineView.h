#pragma once
// The web engine's view as the browser seam drives it, in plain Qt terms. The engine lives
// in a module of its own (libtavrin_webengine.so beside the program), loaded when the first
// browser is made: its libraries are large, and a start-up that shows no page should not
// pay for loading them.

#include <QString>

#include <functional>

class QWidget;

namespace forms {

class EngineView {
public:
    virtual ~EngineView() = default;

    virtual void navigate(const QString& address) = 0;
    // Each returns whether there was a page to go to.
    virtual bool back() = 0;
    virtual bool forward() = 0;
    virtual void reload() = 0;
    virtual void stop() = 0;
    virtual QString title() const = 0;
    virtual QString url() const = 0;
    virtual void setGeometry(int x, int y, int width, int height) = 0;

    std::function<void()> loadStarted;
    std::function<void()> urlChanged;
    std::function<void()> loadFinished;
};

// The module's one entry point, found by this name: a view shown on the parent widget,
// owned by the caller.
using CreateEngineView = EngineView* (*)(QWidget* parent);
inline constexpr const char* kCreateEngineView = "tavrinCreateEngineView";

}  // namespace forms
