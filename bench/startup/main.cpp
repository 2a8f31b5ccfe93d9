// The program's start-up as its own main runs it, timed from outside: the process ends
// right after the main window's first paint. It runs from the program's folder (the
// build puts it beside the program and its databases), so the windows find their data
// as the program does. Keep the lines of main in step with app/main.cpp.
//   build-rel/bin/tavrin-startup
#include "app/Start.h"
#include "hythergraph/Hyser_Main.h"
#include "platform/forms/FontsAhead.h"
#include "platform/forms/Form.h"
#include "platform/forms/Language.h"
#include "platform/forms/WebEngineBrowser.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {

// Watches every paint of the application: once the main window has been painted, the
// process ends as soon as the event loop is free again, that is after the rest of the
// window's painting and its flush to the screen.
class EndAfterFirstPaint final : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || done_ || !forms::isLoaded<hythergraph::Hyser_Main>()) return false;
        const QWidget* top = forms::instance<hythergraph::Hyser_Main>().windowWidget();
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (top && widget && widget->window() == top) {
            done_ = true;
            QTimer::singleShot(0, [] {
                std::fflush(nullptr);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    bool done_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    // The font configuration loads while the application object is made and the first
    // window built.
    forms::FontsAhead fontsAhead;
    forms::installWebEngineBrowser();
    QApplication app(argc, argv);
    EndAfterFirstPaint endAfterFirstPaint;
    app.installEventFilter(&endAfterFirstPaint);
    // A start-up that never paints (a message box waiting for a click) fails the run.
    QTimer::singleShot(30000, [] {
        std::fputs("tavrin-startup: no paint of the main window within 30 s\n", stderr);
        std::_Exit(2);
    });
    QApplication::setApplicationName(QStringLiteral("tavrin"));
    forms::useJapanese();
    const int status = app::startProgram();
    if (status >= 0) {
        std::fprintf(stderr, "tavrin-startup: the program ended during start-up (%d)\n", status);
        return 2;
    }
    QApplication::exec();
    return 2;
}
