// The browser window against a fake browser: the start page, the busy caption, the
// address list's rule, the address typed with Enter, the four buttons, and a browser that
// fails.
#include "extras/frmBrowser.h"
#include "platform/forms/Browser.h"
#include "platform/forms/Form.h"
#include "tests/support/FakeServices.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace extras;
using namespace forms;
using namespace Qt::Literals::StringLiterals;
using testing_support::FakeServices;

namespace {

// Records what the window asks of it; the test plays the engine with arrive().
class FakeBrowser final : public WebBrowser {
public:
    void Navigate(const QString& address) override {
        fail();
        navigated.push_back(address);
        busy = true;
    }
    void GoBack() override {
        fail();
        ++backs;
    }
    void GoForward() override {
        fail();
        ++forwards;
    }
    void Refresh() override {
        fail();
        ++refreshes;
    }
    void Stop() override {
        fail();
        ++stops;
        busy = false;
    }
    bool Busy() const override { return busy; }
    QString LocationName() const override { return title; }
    QString LocationURL() const override { return url; }
    // A page reached: its events in the order a browser raises them.
    void arrive(const QString& address, const QString& pageTitle) {
        url = address;
        title = pageTitle;
        busy = false;
        if (onNavigateComplete2) onNavigateComplete2();
        if (onDownloadComplete) onDownloadComplete();
    }

    std::vector<QString> navigated;
    int backs = 0, forwards = 0, refreshes = 0, stops = 0;
    bool busy = false;
    bool failing = false;
    QString title, url;

private:
    void fail() const {
        if (failing) throw std::runtime_error("the page cannot be reached");
    }
};

class FakeBrowsers final : public BrowserService {
public:
    std::unique_ptr<WebBrowser> create(Form&) override {
        auto b = std::make_unique<FakeBrowser>();
        b->failing = failing;
        last = b.get();
        return b;
    }
    FakeBrowser* last = nullptr;
    bool failing = false;
};

const QString kA = u"https://www.example.org/a.html"_s;
const QString kB = u"https://www.example.org/b.html"_s;

class BrowserWindowTest : public ::testing::Test {
protected:
    void SetUp() override { setBrowsers(fake); }
    void TearDown() override {
        destroyAllForms();
        setBrowsers(nullptr);
    }
    frmBrowser& open() { return instance<frmBrowser>(); }
    FakeBrowser& browser() { return *fake->last; }
    static QStringList list(const frmBrowser& w) {
        QStringList l;
        for (int i = 0; i < w.cboAddress.ListCount(); ++i) l << w.cboAddress.List(i);
        return l;
    }
    static void press(frmBrowser& w, Qt::Key key, const QString& text) {
        auto* box = qobject_cast<QComboBox*>(w.cboAddress.widget());
        ASSERT_NE(box, nullptr);
        QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(box->lineEdit(), &e);
    }

    FakeServices services;
    std::shared_ptr<FakeBrowsers> fake = std::make_shared<FakeBrowsers>();
};

TEST_F(BrowserWindowTest, OpeningShowsTheWindowAndGoesToTheStatisticsPageWithABusyCaption) {
    frmBrowser& w = open();
    EXPECT_TRUE(w.Visible()) << "the window shows itself while it loads";
    ASSERT_EQ(browser().navigated.size(), 1u);
    EXPECT_EQ(browser().navigated[0], frmBrowser::kStartAddress);
    EXPECT_TRUE(frmBrowser::kStartAddress.startsWith(u"https://www.data.jma.go.jp/"_s));
    EXPECT_TRUE(w.timTimer.Enabled());
    services.advanceClock(5);
    EXPECT_EQ(w.Caption(), u"作業中..."_s);

    browser().arrive(frmBrowser::kStartAddress, u"過去の気象データ検索"_s);
    EXPECT_EQ(w.Caption(), u"過去の気象データ検索"_s);
    services.advanceClock(5);
    EXPECT_FALSE(w.timTimer.Enabled()) << "the page is in: the timer stops";
    EXPECT_EQ(w.Caption(), u"過去の気象データ検索"_s);
    EXPECT_EQ(list(w), QStringList{frmBrowser::kStartAddress});
    EXPECT_EQ(w.cboAddress.ListIndex(), 0);
    EXPECT_EQ(browser().navigated.size(), 1u) << "putting the address on top loads nothing";
}

TEST_F(BrowserWindowTest, TheListKeepsEachAddressOnceNewestFirst) {
    struct Case {
        const char* name;
        std::vector<QString> visits;
        QStringList list;
    };
    const Case cases[] = {
        {"a new address goes on top", {kA, kB}, {kB, kA}},
        {"a revisited address moves up instead of standing twice", {kA, kB, kA}, {kA, kB}},
        {"the same page reloaded stays once", {kA, kA, kA}, {kA}},
        {"addresses that differ only in case are two", {kA, kA.toUpper()}, {kA.toUpper(), kA}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        frmBrowser& w = open();
        w.cboAddress.Clear();
        for (const QString& v : c.visits) browser().arrive(v, u"page"_s);
        EXPECT_EQ(list(w), c.list);
        EXPECT_EQ(w.cboAddress.Text(), c.list.front());
        EXPECT_FALSE(w.Suppress_Navigate);
        EXPECT_EQ(browser().navigated.size(), 1u) << "only the start page was asked for";
        destroyAllForms();
    }
}

TEST_F(BrowserWindowTest, AnAddressTypedAndEnteredIsOpenedAndThenStandsOnTop) {
    frmBrowser& w = open();
    browser().arrive(frmBrowser::kStartAddress, u"start"_s);
    press(w, Qt::Key_X, u"x"_s);
    EXPECT_EQ(browser().navigated.size(), 1u) << "other keys are the box's own";
    w.cboAddress.type(kB);
    press(w, Qt::Key_Return, u"\r"_s);
    ASSERT_EQ(browser().navigated.size(), 2u);
    EXPECT_EQ(browser().navigated[1], kB);
    EXPECT_TRUE(w.timTimer.Enabled());
    browser().arrive(kB, u"B"_s);
    EXPECT_EQ(list(w), (QStringList{kB, frmBrowser::kStartAddress}));
}

TEST_F(BrowserWindowTest, PickingAnAddressFromTheListOpensIt) {
    frmBrowser& w = open();
    browser().arrive(kA, u"A"_s);
    browser().arrive(kB, u"B"_s);
    w.cboAddress.setListIndex(1);
    ASSERT_EQ(browser().navigated.size(), 2u);
    EXPECT_EQ(browser().navigated[1], kA);
}

TEST_F(BrowserWindowTest, TheToolbarButtonsDriveTheBrowser) {
    struct Case {
        int index;
        const char* key;
        int FakeBrowser::*count;
        bool timerAfter;
    };
    const Case cases[] = {
        {1, "Back", &FakeBrowser::backs, true},
        {2, "Forward", &FakeBrowser::forwards, true},
        {3, "Stop", &FakeBrowser::stops, false},
        {4, "Refresh", &FakeBrowser::refreshes, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        frmBrowser& w = open();
        browser().arrive(kA, u"A"_s);
        services.advanceClock(5);
        ASSERT_FALSE(w.timTimer.Enabled());
        EXPECT_EQ(frmBrowser::kButtonKeys[c.index], QString::fromUtf8(c.key));
        w.tbToolBar(c.index).click();
        EXPECT_EQ(browser().*c.count, 1);
        EXPECT_EQ(w.timTimer.Enabled(), c.timerAfter);
        destroyAllForms();
    }
}

TEST_F(BrowserWindowTest, StopEndsTheBusyCaptionAtOnce) {
    frmBrowser& w = open();
    browser().arrive(kA, u"A"_s);
    w.cboAddress.type(kB);
    w.cboAddress_Click();
    services.advanceClock(20);
    ASSERT_EQ(w.Caption(), u"作業中..."_s);
    w.tbToolBar(3).click();
    EXPECT_EQ(w.Caption(), u"A"_s);
    EXPECT_FALSE(w.timTimer.Enabled());
    EXPECT_FALSE(browser().Busy());
}

TEST_F(BrowserWindowTest, AKeyNotInTheToolbarDoesNothingMore) {
    frmBrowser& w = open();
    browser().arrive(kA, u"A"_s);
    services.advanceClock(5);
    ASSERT_FALSE(w.timTimer.Enabled());
    w.tbToolBar_ButtonClick(u"back"_s);  // keys compare exactly
    EXPECT_EQ(browser().backs, 0);
    EXPECT_TRUE(w.timTimer.Enabled());
}

TEST_F(BrowserWindowTest, ABrowserThatFailsLeavesTheWindowOpenAndSaysNothing) {
    fake->failing = true;
    frmBrowser& w = open();
    EXPECT_TRUE(w.isLoaded());
    EXPECT_TRUE(w.Visible());
    for (int i = 1; i <= 4; ++i) w.tbToolBar(i).click();
    EXPECT_TRUE(services.messages.empty());
    EXPECT_TRUE(w.isLoaded());
}

TEST_F(BrowserWindowTest, TheBrowserFillsTheWindowBelowTheAddressRow) {
    frmBrowser& w = open();
    for (const auto& [width, height] : {std::pair{11880.0, 8490.0}, std::pair{6000.0, 4000.0}, std::pair{200.0, 100.0}}) {
        SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
        w.setWidth(width + w.frameWidth());
        w.setHeight(height + w.frameHeight());
        w.Form_Resize();
        EXPECT_EQ(browser().Left(), frmBrowser::kBrowserLeft);
        EXPECT_EQ(browser().Top(), frmBrowser::kBrowserTop);
        EXPECT_DOUBLE_EQ(browser().Width(), std::max(0.0, width - 100));
        EXPECT_DOUBLE_EQ(browser().Height(), std::max(0.0, height - (w.picAddress.Top() + w.picAddress.Height()) - 100));
        EXPECT_LE(w.cboAddress.Left() + w.cboAddress.Width(), std::max(w.cboAddress.Left(), width)) << "the address box stays inside";
        EXPECT_GE(w.cboAddress.Width(), 0);
    }
}

}  // namespace
