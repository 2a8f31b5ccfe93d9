// The splash stands painted on the screen while each of the six chart windows loads, also
// where the display paints it only some time after it was shown (a window manager maps a
// window when it gets round to it), and a display that never paints it holds the load up
// only a moment.
#include "extras/frmSplash.h"
#include "tests/support/ChartWindows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <vector>

using namespace forms;
using namespace Qt::Literals::StringLiterals;
using windows::Window;

namespace {

// Withholds the splash's paints as a slow display would: each splash shown paints only
// `delayMs` after it first asked to (never, for a negative delay). Notes for each splash
// whether it had painted when it went.
class SlowSplashDisplay final : public QObject {
public:
    explicit SlowSplashDisplay(int delayMs) : delayMs_(delayMs) { qApp->installEventFilter(this); }
    ~SlowSplashDisplay() override { qApp->removeEventFilter(this); }

    std::vector<bool> paintedWhenGone;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (!isLoaded<extras::frmSplash>()) return false;
        extras::frmSplash& splash = instance<extras::frmSplash>();
        if (e->type() == QEvent::Paint && watched == splash.clientWidget() && !released_) {
            if (delayMs_ >= 0 && !held_) {
                held_ = static_cast<QWidget*>(watched);
                QTimer::singleShot(delayMs_, this, [this] {
                    released_ = true;
                    if (held_) held_->update();
                });
            }
            return true;
        }
        if (e->type() == QEvent::Hide && watched == splash.windowWidget()) {
            paintedWhenGone.push_back(splash.hasPainted());
            held_ = nullptr;
            released_ = false;
        }
        return false;
    }

private:
    int delayMs_;
    QPointer<QWidget> held_;
    bool released_ = false;
};

struct Loading {
    const char* name;
    Window window;  // opened from the main window; the main window itself at the start
};
void PrintTo(const Loading& l, std::ostream* os) { *os << l.name; }

const Loading kWindows[] = {
    {"Main", Window::Hythergraph},  {"Climograph", Window::Climograph},   {"TwoGraph", Window::TwoGraph},
    {"StepMode", Window::StepMode}, {"HytherInput", Window::HytherInput}, {"ClimographInput", Window::ClimographInput},
};

class SplashTest : public testing_support::ChartWindowFixture, public ::testing::WithParamInterface<Loading> {
protected:
    SplashTest() : ChartWindowFixture(testing_support::ChartWindow{}) {}

    // Loads the window: the program's start for the main window, else its load from the
    // main window already started. Returns how long its load took, in milliseconds.
    qint64 load() {
        QElapsedTimer clock;
        if (GetParam().window == Window::Hythergraph) {
            AppInfo::setPath(fixture.build());
            clock.start();
            EXPECT_EQ(app::startProgram(), -1);
        } else {
            startMain();
            clock.start();
            windows::navigation().show(GetParam().window);
        }
        const qint64 took = clock.elapsed();
        EXPECT_TRUE(windows::navigation().form(GetParam().window).Visible());
        EXPECT_FALSE(isLoaded<extras::frmSplash>()) << "the splash goes once the window shows";
        return took;
    }
};

TEST_P(SplashTest, TheSplashHasPaintedBeforeItGoesOnADisplayThatPaintsItLate) {
    SlowSplashDisplay display(60);
    load();
    ASSERT_FALSE(display.paintedWhenGone.empty());
    EXPECT_TRUE(display.paintedWhenGone.back()) << "the window's load went on before the splash was seen";
}

TEST_P(SplashTest, ASplashThatNeverPaintsHoldsTheLoadUpOnlyAMoment) {
    SlowSplashDisplay display(-1);
    const qint64 took = load();
    ASSERT_FALSE(display.paintedWhenGone.empty());
    EXPECT_FALSE(display.paintedWhenGone.back());
    EXPECT_LT(took, 2000) << "the wait for the splash's paint is bounded";
}

INSTANTIATE_TEST_SUITE_P(Windows, SplashTest, ::testing::ValuesIn(kWindows),
                         [](const ::testing::TestParamInfo<Loading>& row) { return std::string(row.param.name); });

}  // namespace
