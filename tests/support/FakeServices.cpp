#include "tests/support/FakeServices.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>

namespace testing_support {

class FakeMessageBox final : public forms::MessageBoxService {
public:
    explicit FakeMessageBox(FakeServices& s) : s_(s) {}
    int show(const QString& prompt, int style, const QString& title) override {
        s_.messages.push_back({prompt, style, title});
        if (s_.answers_.empty()) {
            ADD_FAILURE() << "unexpected message box: " << prompt.toStdString();
            return forms::vbOK;
        }
        const FakeServices::Answer a = s_.answers_.front();
        s_.answers_.pop_front();
        if (a.whileShown) a.whileShown();
        return a.answer;
    }

private:
    FakeServices& s_;
};

namespace {

class FakeBeep final : public forms::BeepService {
public:
    explicit FakeBeep(FakeServices& s) : s_(s) {}
    void beep() override { ++s_.beeps; }

private:
    FakeServices& s_;
};

class FakePrinter final : public forms::PrinterService {
public:
    explicit FakePrinter(FakeServices& s) : s_(s) {}
    void printPage(const QImage& page, const QString&, forms::PageOrientation orientation, bool) override {
        if (!s_.printerFailure.isEmpty()) throw std::runtime_error(s_.printerFailure.toStdString());
        s_.printedPages.push_back(page);
        s_.printedOrientations.push_back(orientation);
    }

private:
    FakeServices& s_;
};

class FakeUrls final : public forms::UrlService {
public:
    explicit FakeUrls(FakeServices& s) : s_(s) {}
    bool open(const QString& url) override {
        s_.openedUrls.push_back(url);
        return !s_.urlFails;
    }

private:
    FakeServices& s_;
};

class FakeProcesses final : public forms::ProcessService {
public:
    explicit FakeProcesses(FakeServices& s) : s_(s) {}
    int run(const QString& program, const QStringList& arguments, bool wait, const forms::OutputSink& output) override {
        if (!s_.processFailure.isEmpty()) throw std::runtime_error(s_.processFailure.toStdString());
        s_.processes.push_back({program, arguments, wait});
        if (!wait) return 0;
        if (output)
            for (const QString& piece : s_.processOutput) output(piece);
        return s_.processExitCode;
    }

private:
    FakeServices& s_;
};

// Timers on the fake clock, which a ticker may outlive (a window destroyed after the
// test's services) or destroy from inside its own tick.
struct FakeTimer {
    int interval;
    long long due;
    std::function<void()> tick;
    bool running = true;
};

}  // namespace

class FakeTimers {
public:
    long long now = 0;
    std::vector<std::shared_ptr<FakeTimer>> timers;

    void advance(int milliseconds) {
        const long long end = now + std::max(0, milliseconds);
        for (;;) {
            std::shared_ptr<FakeTimer> next;
            for (const auto& t : timers) {
                if (t->running && t->due <= end && (!next || t->due < next->due)) next = t;
            }
            if (!next) break;
            now = next->due;
            next->due += next->interval;
            next->tick();  // may stop this timer or start others
        }
        now = end;
    }
};

namespace {

class FakeTicker final : public forms::Ticker {
public:
    FakeTicker(std::weak_ptr<FakeTimers> owner, std::shared_ptr<FakeTimer> timer) : owner_(std::move(owner)), timer_(std::move(timer)) {}
    ~FakeTicker() override {
        timer_->running = false;
        if (auto owner = owner_.lock()) std::erase(owner->timers, timer_);
    }

private:
    std::weak_ptr<FakeTimers> owner_;
    std::shared_ptr<FakeTimer> timer_;
};

class FakeClock final : public forms::ClockService {
public:
    FakeClock(FakeServices& s, std::shared_ptr<FakeTimers> timers) : s_(s), timers_(std::move(timers)) {}
    void sleep(int ms) override { s_.sleptMs += ms; }
    std::unique_ptr<forms::Ticker> every(int ms, std::function<void()> tick) override {
        const int interval = std::max(1, ms);
        auto timer = std::make_shared<FakeTimer>(FakeTimer{interval, timers_->now + interval, std::move(tick)});
        timers_->timers.push_back(timer);
        return std::make_unique<FakeTicker>(timers_, std::move(timer));
    }

private:
    FakeServices& s_;
    std::shared_ptr<FakeTimers> timers_;
};

class FakeScreen final : public forms::ScreenService {
public:
    explicit FakeScreen(FakeServices& s) : s_(s) {}
    double width() const override { return s_.screenWidth; }
    double height() const override { return s_.screenHeight; }

private:
    FakeServices& s_;
};

class FakeInstance final : public forms::InstanceService {
public:
    explicit FakeInstance(FakeServices& s) : s_(s) {}
    bool previousInstance() override { return s_.previousInstance; }

private:
    FakeServices& s_;
};

class FakeEnd final : public forms::EndService {
public:
    explicit FakeEnd(FakeServices& s) : s_(s) {}
    void end(int status) override { s_.endedWith = status; }

private:
    FakeServices& s_;
};

}  // namespace

FakeServices::FakeServices() : saved_(forms::services()), timers_(std::make_shared<FakeTimers>()) {
    forms::Services& s = forms::services();
    s.messageBox = std::make_shared<FakeMessageBox>(*this);
    s.beep = std::make_shared<FakeBeep>(*this);
    s.printer = std::make_shared<FakePrinter>(*this);
    s.url = std::make_shared<FakeUrls>(*this);
    s.process = std::make_shared<FakeProcesses>(*this);
    s.clock = std::make_shared<FakeClock>(*this, timers_);
    s.screen = std::make_shared<FakeScreen>(*this);
    s.instance = std::make_shared<FakeInstance>(*this);
    s.endProgram = std::make_shared<FakeEnd>(*this);
    forms::AppInfo::resetEnding();
}

FakeServices::~FakeServices() {
    forms::services() = saved_;
    forms::AppInfo::resetEnding();
    if (!answers_.empty()) ADD_FAILURE() << answers_.size() << " expected message box(es) never shown";
}

void FakeServices::expectMessage(int answer, std::function<void()> whileShown) { answers_.push_back({answer, std::move(whileShown)}); }

void FakeServices::advanceClock(int milliseconds) { timers_->advance(milliseconds); }

int FakeServices::runningTimers() const { return static_cast<int>(timers_->timers.size()); }

}  // namespace testing_support
