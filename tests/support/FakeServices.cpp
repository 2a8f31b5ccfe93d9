#include "tests/support/FakeServices.h"

#include <gtest/gtest.h>

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
        const int a = s_.answers_.front();
        s_.answers_.pop_front();
        return a;
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
    int run(const QString& program, const QStringList& arguments, bool wait) override {
        s_.processes.push_back({program, arguments, wait});
        return 0;
    }

private:
    FakeServices& s_;
};

class FakeClock final : public forms::ClockService {
public:
    explicit FakeClock(FakeServices& s) : s_(s) {}
    void sleep(int ms) override { s_.sleptMs += ms; }

private:
    FakeServices& s_;
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

FakeServices::FakeServices() : saved_(forms::services()) {
    forms::Services& s = forms::services();
    s.messageBox = std::make_shared<FakeMessageBox>(*this);
    s.beep = std::make_shared<FakeBeep>(*this);
    s.printer = std::make_shared<FakePrinter>(*this);
    s.url = std::make_shared<FakeUrls>(*this);
    s.process = std::make_shared<FakeProcesses>(*this);
    s.clock = std::make_shared<FakeClock>(*this);
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

void FakeServices::expectMessage(int answer) { answers_.push_back(answer); }

}  // namespace testing_support
