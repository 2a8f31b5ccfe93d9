#pragma once
// Replaces every outside effect of the windows for one test: message boxes answer from a
// queue (an unexpected one fails the test instead of waiting for a click), beeps are
// counted, printed pages, opened addresses and started programs are recorded, the
// screen has a known size, and ending the program is only noted.

#include "platform/forms/Services.h"
#include "tests/support/QtPrinters.h"

#include <QImage>
#include <QString>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace testing_support {

class FakeTimers;

struct MessageCall {
    QString prompt;
    int style;
    QString title;
};

struct ProcessCall {
    QString program;
    QStringList arguments;
    bool wait;
};

class FakeServices {
public:
    FakeServices();
    ~FakeServices();
    FakeServices(const FakeServices&) = delete;
    FakeServices& operator=(const FakeServices&) = delete;

    // The next message box answers with this; without one queued, a message box fails
    // the test. whileShown runs while the box stands, before it answers: what the windows
    // show behind it can be looked at there.
    void expectMessage(int answer = forms::vbOK, std::function<void()> whileShown = {});

    // The fake clock's timers tick only when the test moves the clock on: every tick that
    // falls due runs, in time order, from inside this call.
    void advanceClock(int milliseconds);
    // The timers that would tick if the clock moved on.
    int runningTimers() const;

    std::vector<MessageCall> messages;
    int beeps = 0;
    std::vector<QImage> printedPages;
    std::vector<forms::PageOrientation> printedOrientations;
    QString printerFailure;  // non-empty: the printer fails with this message
    std::vector<QString> openedUrls;
    bool urlFails = false;
    std::vector<ProcessCall> processes;
    int processExitCode = 0;    // what a program that is waited for returns
    QStringList processOutput;  // what it writes, a piece at a time, to whoever follows it
    QString processFailure;     // non-empty: starting a program fails with this message
    int sleptMs = 0;
    double screenWidth = 15360;  // 1024 x 768 pixels
    double screenHeight = 11520;
    bool previousInstance = false;
    std::optional<int> endedWith;

private:
    friend class FakeMessageBox;
    struct Answer {
        int answer;
        std::function<void()> whileShown;
    };
    std::deque<Answer> answers_;
    forms::Services saved_;
    std::shared_ptr<FakeTimers> timers_;
};

}  // namespace testing_support
