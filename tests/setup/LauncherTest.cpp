// The launcher's window: the two installers in order with the pause and the question
// between them, and what the user is told when an installer is missing or fails.
#include "platform/forms/Form.h"
#include "platform/forms/Services.h"
#include "setup/Form1.h"
#include "setup/Form49.h"
#include "setup/frmLog.h"
#include "tests/support/FakeServices.h"
#include "tests/support/Glyphs.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

using namespace forms;
using namespace Qt::Literals::StringLiterals;
using setup::Form1;
using setup::Form49;
using setup::frmLog;
using testing_support::FakeServices;
using testing_support::TempFolder;

namespace {

const QString kOffer = u"次に、アクセス・ランタイムをインストールします。  "_s;

// What had happened when a message box came up.
struct Moment {
    QString prompt;
    std::size_t programsStarted;
    int sleptMs;
};

class WatchedMessages final : public MessageBoxService {
public:
    WatchedMessages(std::shared_ptr<MessageBoxService> answers, const FakeServices& fake, std::vector<Moment>& moments)
        : answers_(std::move(answers)), fake_(fake), moments_(moments) {}
    int show(const QString& prompt, int style, const QString& title) override {
        moments_.push_back({prompt, fake_.processes.size(), fake_.sleptMs});
        return answers_->show(prompt, style, title);
    }

private:
    std::shared_ptr<MessageBoxService> answers_;
    const FakeServices& fake_;
    std::vector<Moment>& moments_;
};

// The user closing the log window while the product installer runs.
class ClosingLog final : public ProcessService {
public:
    explicit ClosingLog(std::shared_ptr<ProcessService> inner) : inner_(std::move(inner)) {}
    int run(const QString& program, const QStringList& arguments, bool wait, const OutputSink& output) override {
        if (wait && isLoaded<frmLog>()) instance<frmLog>().control<CommandButton>(u"cmdClose"_s).click();
        return inner_->run(program, arguments, wait, output);
    }

private:
    std::shared_ptr<ProcessService> inner_;
};

class LauncherTest : public ::testing::Test {
protected:
    void SetUp() override {
        AppInfo::setPath(medium.path());
        services().messageBox = std::make_shared<WatchedMessages>(services().messageBox, fake, moments);
    }
    void TearDown() override {
        destroyAllForms();
        AppInfo::setPath(QString());
    }

    // An installer on the medium, with its run bit; content matters only to the real runner.
    QString putInstaller(const QString& relative, const QByteArray& script = "#!/bin/sh\nexit 0\n") {
        const QString path = medium.file(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(script);
        f.close();
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
        return path;
    }
    void putBothInstallers() {
        putInstaller(u"W_disk_1/SETUP.exe"_s);
        putInstaller(u"W_disk_2/AccessRuntime.exe"_s);
    }
    void clickInstall() { instance<Form1>().control<CommandButton>(u"Command1"_s).click(); }

    // Taken before the fake replaces it: the program's own process runner.
    std::shared_ptr<ProcessService> realProcesses = services().process;
    TempFolder medium;
    FakeServices fake;
    std::vector<Moment> moments;
};

TEST_F(LauncherTest, OpensCentredOnTheScreenWithItsCaptionAndButtons) {
    const Form1& w = instance<Form1>();
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(w.Caption(), u"ruvirov Ｖｅｒａｎｔｈ"_s);
    EXPECT_DOUBLE_EQ(w.Left(), (fake.screenWidth - w.Width()) / 2);
    EXPECT_DOUBLE_EQ(w.Top(), (fake.screenHeight - w.Height()) / 2);
    EXPECT_EQ(w.control<CommandButton>(u"Command1"_s).Caption(), u"インストール開始"_s);
    EXPECT_EQ(w.control<CommandButton>(u"Command4"_s).Caption(), u"インストール・ガイド"_s);
    EXPECT_EQ(w.control<CommandButton>(u"Command2"_s).Caption(), u"閉じる"_s);
}

// Each button is white inside its edge and shows its picture: the colour that marks the
// picture (install's green arrow, the guide's blue book, close's red cross).
TEST_F(LauncherTest, TheButtonsAreWhiteAndShowTheirPictures) {
    Form1& w = instance<Form1>();
    const QImage shot = w.grabClient();
    struct Case {
        const char* name;
        QColor mark;
    };
    const Case cases[] = {
        {"Command1", QColor(0x00, 0xA0, 0x00)}, {"Command4", QColor(0x20, 0x60, 0xC0)}, {"Command2", QColor(0xD0, 0x00, 0x00)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CommandButton& b = w.control<CommandButton>(QString::fromLatin1(c.name));
        EXPECT_EQ(b.BackColor(), 0xFFFFFFu);
        ASSERT_FALSE(b.Picture().isNull());
        const QRect r(qRound(b.Left() / 15), qRound(b.Top() / 15), qRound(b.Width() / 15), qRound(b.Height() / 15));
        const QImage button = shot.copy(r);
        // Inside the raised edge, away from picture and caption.
        EXPECT_EQ(QColor(button.pixel(4, 4)), QColor(Qt::white));
        EXPECT_EQ(QColor(button.pixel(button.width() - 5, button.height() - 5)), QColor(Qt::white));
        int white = 0, marked = 0;
        for (int y = 0; y < button.height(); ++y) {
            for (int x = 0; x < button.width(); ++x) {
                const QColor px(button.pixel(x, y));
                white += px == QColor(Qt::white);
                marked += px == c.mark;
            }
        }
        EXPECT_GT(white, button.width() * button.height() / 2) << "white is the button's ground";
        EXPECT_GE(marked, 10) << "its picture shows";
    }
}

TEST_F(LauncherTest, InstallWaitsForTheProductInstallerThenOffersTheRuntimeAfterAPause) {
    putBothInstallers();
    fake.expectMessage(vbOK);
    clickInstall();

    ASSERT_EQ(fake.processes.size(), 2u);
    EXPECT_EQ(fake.processes[0].program, medium.file(u"W_disk_1/SETUP.exe"_s));
    EXPECT_TRUE(fake.processes[0].wait);
    EXPECT_EQ(fake.processes[1].program, medium.file(u"W_disk_2/AccessRuntime.exe"_s));
    EXPECT_FALSE(fake.processes[1].wait);  // the launcher does not follow the runtime installer

    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].prompt, kOffer);
    EXPECT_EQ(fake.messages[0].style, vbOKCancel | vbInformation);
    EXPECT_EQ(fake.messages[0].title, u"インフォメーション"_s);
    // The question comes after the product installer, and no sooner than two seconds later.
    EXPECT_EQ(moments[0].programsStarted, 1u);
    EXPECT_GE(moments[0].sleptMs, 2000);
    EXPECT_TRUE(instance<Form1>().Visible());
    EXPECT_FALSE(fake.endedWith.has_value());
}

// What the product installer writes shows in the launcher's log as it comes, pieces of a
// line joined, with the launcher's word on how it ended; the runtime installer, which the
// launcher does not follow, writes nothing there.
TEST_F(LauncherTest, TheProductInstallersOutputShowsInTheLaunchersLogWindow) {
    struct Case {
        const char* name;
        int exitCode;
        QString last;
    };
    const Case cases[] = {
        {"an install that ends well", 0, u"製品のインストーラーが終わりました。"_s},
        {"an install that fails", 3, u"製品のインストーラーが終了コード 3 で終わりました。"_s},
    };
    putBothInstallers();
    fake.processOutput = {u"[1/4] プログラムと"_s, u"データをコピーしています...\n"_s, u"インストールが終わりました。\n"_s};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fake.processExitCode = c.exitCode;
        if (c.exitCode != 0) fake.expectMessage(vbOK);  // the failure
        fake.expectMessage(vbOK);                       // the runtime
        clickInstall();

        ASSERT_TRUE(isLoaded<frmLog>());
        const frmLog& log = instance<frmLog>();
        EXPECT_TRUE(log.Visible());
        EXPECT_EQ(log.Caption(), u"インストールの経過"_s);
        EXPECT_EQ(log.text(), u"製品のインストーラーを実行しています: "_s + medium.file(u"W_disk_1/SETUP.exe"_s) +
                                  u"\n[1/4] プログラムとデータをコピーしています...\nインストールが終わりました。\n\n"_s + c.last + u'\n')
            << "each install starts the log again";
    }

    // The user may close the log while an installer runs; the install goes on without it,
    // and closing the launcher takes an open log along.
    fake.processExitCode = 0;
    fake.expectMessage(vbCancel);
    services().process = std::make_shared<ClosingLog>(services().process);
    clickInstall();
    EXPECT_FALSE(isLoaded<frmLog>());
    EXPECT_EQ(fake.processes.size(), 5u);
    EXPECT_EQ(fake.messages.back().prompt, kOffer) << "the install went on to its question";
}

TEST_F(LauncherTest, CancelStartsNothingFurtherAndLeavesTheLauncherOpen) {
    putBothInstallers();
    fake.expectMessage(vbCancel);
    clickInstall();

    ASSERT_EQ(fake.processes.size(), 1u);
    EXPECT_EQ(fake.processes[0].program, medium.file(u"W_disk_1/SETUP.exe"_s));
    EXPECT_TRUE(isLoaded<Form1>());
    EXPECT_TRUE(instance<Form1>().Visible());
    EXPECT_FALSE(fake.endedWith.has_value());
}

TEST_F(LauncherTest, AFailingProductInstallerIsReportedBeforeTheRuntimeIsOffered) {
    putBothInstallers();
    fake.processExitCode = 3;
    fake.expectMessage(vbOK);
    fake.expectMessage(vbCancel);
    clickInstall();

    ASSERT_EQ(fake.messages.size(), 2u);
    EXPECT_TRUE(fake.messages[0].prompt.contains(u"正常に終わりませんでした"_s)) << fake.messages[0].prompt.toStdString();
    EXPECT_TRUE(fake.messages[0].prompt.contains(u"3"_s));
    EXPECT_EQ(fake.messages[0].style & 0xF0, vbExclamation);
    EXPECT_EQ(fake.messages[1].prompt, kOffer);
    EXPECT_EQ(fake.processes.size(), 1u);
}

TEST_F(LauncherTest, AMissingInstallerIsNamedAndNothingMoreRuns) {
    struct Case {
        const char* name;
        bool product, runtime;
        std::vector<int> answers;  // the boxes the user sees, in order
        const char* missing;       // the installer the message names
        std::size_t started;
    };
    const Case cases[] = {
        {"no medium beside the launcher", false, false, {vbOK}, "W_disk_1/SETUP.exe", 0},
        {"no product installer", false, true, {vbOK}, "W_disk_1/SETUP.exe", 0},
        {"no runtime installer", true, false, {vbOK, vbOK}, "W_disk_2/AccessRuntime.exe", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(medium.path()).removeRecursively();
        QDir().mkpath(medium.path());
        if (c.product) putInstaller(u"W_disk_1/SETUP.exe"_s);
        if (c.runtime) putInstaller(u"W_disk_2/AccessRuntime.exe"_s);
        fake.messages.clear();
        fake.processes.clear();
        for (int a : c.answers) fake.expectMessage(a);

        clickInstall();

        ASSERT_EQ(fake.messages.size(), c.answers.size());
        const QString said = fake.messages.back().prompt;
        EXPECT_TRUE(said.contains(u"見つかりません"_s)) << said.toStdString();
        EXPECT_TRUE(said.contains(medium.file(QString::fromUtf8(c.missing)))) << said.toStdString();
        EXPECT_EQ(fake.processes.size(), c.started);
        EXPECT_TRUE(instance<Form1>().Visible());
    }
}

TEST_F(LauncherTest, AProductInstallerThatCannotStartIsReportedAndNothingMoreIsAsked) {
    putBothInstallers();
    fake.processFailure = u"プログラムを起動できません: SETUP.exe"_s;
    fake.expectMessage(vbOK);
    clickInstall();

    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_TRUE(fake.messages[0].prompt.startsWith(fake.processFailure));
    EXPECT_EQ(fake.sleptMs, 0);
}

// The user's clicks while the product installer runs: the window paints, but neither a
// second install nor closing the launcher happens under the running installer.
class ClickingProcesses final : public ProcessService {
public:
    explicit ClickingProcesses(std::shared_ptr<ProcessService> inner) : inner_(std::move(inner)) {}
    int run(const QString& program, const QStringList& arguments, bool wait, const OutputSink& output) override {
        ++runs;
        if (wait) {
            Form1& w = instance<Form1>();
            w.control<CommandButton>(u"Command1"_s).click();
            w.control<CommandButton>(u"Command2"_s).click();
            w.userClosed();
        }
        return inner_->run(program, arguments, wait, output);
    }
    int runs = 0;

private:
    std::shared_ptr<ProcessService> inner_;
};

TEST_F(LauncherTest, ClicksWhileTheProductInstallerRunsAreIgnored) {
    putBothInstallers();
    auto clicking = std::make_shared<ClickingProcesses>(services().process);
    services().process = clicking;
    fake.expectMessage(vbCancel);
    clickInstall();

    EXPECT_EQ(clicking->runs, 1);
    EXPECT_EQ(fake.messages.size(), 1u);
    EXPECT_FALSE(fake.endedWith.has_value());
    EXPECT_TRUE(isLoaded<Form1>());
}

TEST_F(LauncherTest, TheRealRunnerWaitsForTheInstallerBesideTheLauncherAndHearsItsExit) {
    // Started from another folder: the installer is found beside the launcher all the same.
    const QString marker = medium.file(u"product-ran"_s);
    putInstaller(u"W_disk_1/SETUP.exe"_s, "#!/bin/sh\nsleep 0.2\ntouch \"$(dirname \"$0\")/../product-ran\"\nexit 4\n");
    putInstaller(u"W_disk_2/AccessRuntime.exe"_s);
    services().process = realProcesses;
    fake.expectMessage(vbOK);      // the failure
    fake.expectMessage(vbCancel);  // the offer
    clickInstall();

    EXPECT_TRUE(QFile::exists(marker));  // it had ended before the launcher went on
    ASSERT_EQ(fake.messages.size(), 2u);
    EXPECT_TRUE(fake.messages[0].prompt.contains(u"終了コード 4"_s)) << fake.messages[0].prompt.toStdString();
    EXPECT_EQ(fake.messages[1].prompt, kOffer);
}

TEST_F(LauncherTest, AnInstallerWithoutItsRunBitIsReported) {
    const QString path = putInstaller(u"W_disk_1/SETUP.exe"_s);
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    putInstaller(u"W_disk_2/AccessRuntime.exe"_s);
    services().process = realProcesses;
    fake.expectMessage(vbOK);
    clickInstall();

    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_TRUE(fake.messages[0].prompt.contains(u"実行の許可"_s)) << fake.messages[0].prompt.toStdString();
}

TEST_F(LauncherTest, TheGuideOpensLeftOfTheCentreWithItsText) {
    instance<Form1>().control<CommandButton>(u"Command4"_s).click();

    ASSERT_TRUE(isLoaded<Form49>());
    const Form49& g = instance<Form49>();
    EXPECT_TRUE(g.Visible());
    EXPECT_EQ(g.Caption(), u"インストールガイド"_s);
    EXPECT_DOUBLE_EQ(g.Left(), (fake.screenWidth - g.Width()) / 2 - 60);
    EXPECT_DOUBLE_EQ(g.Top(), (fake.screenHeight - g.Height()) / 2);
    const QString text = g.control<TextBox>(u"Text1"_s).Text();
    for (const QString& topic : {u"W_disk_1/SETUP.exe"_s, u"W_disk_2/AccessRuntime.exe"_s, u"アンインストール"_s, u"Ｑ８"_s}) {
        EXPECT_TRUE(text.contains(topic)) << topic.toStdString();
    }
    EXPECT_EQ(g.control<CommandButton>(u"f_end"_s).Caption(), u"終了 (&C)"_s);
}

// Every letter of the guide and of its button has a glyph in the faces the window draws
// it with, Qt's fallbacks included: none shows as an empty box.
TEST_F(LauncherTest, EveryLetterOfTheGuideHasAGlyph) {
    instance<Form1>().control<CommandButton>(u"Command4"_s).click();
    ASSERT_TRUE(isLoaded<Form49>());
    Form49& g = instance<Form49>();
    const TextBox& guide = g.control<TextBox>(u"Text1"_s);
    const CommandButton& button = g.control<CommandButton>(u"f_end"_s);
    const std::pair<const Control*, QString> shown[] = {{&guide, guide.Text()}, {&button, button.Caption()}};
    for (const auto& [control, text] : shown) {
        SCOPED_TRACE(control->Name().toStdString());
        ASSERT_NE(control->widget(), nullptr);
        ASSERT_FALSE(text.isEmpty());
        const QString missing = testing_support::charactersWithoutGlyph(control->widget()->font(), text);
        EXPECT_TRUE(missing.isEmpty()) << "no glyph for " << testing_support::describeCharacters(missing);
    }
}

TEST_F(LauncherTest, AMinimisedGuideIsOnlyRestored) {
    Form49& g = instance<Form49>();
    g.Move(300, 450);
    g.Show();
    g.setWindowState(vbMinimized);

    instance<Form1>().control<CommandButton>(u"Command4"_s).click();

    EXPECT_EQ(g.WindowState(), vbNormal);
    EXPECT_DOUBLE_EQ(g.Left(), 300);
    EXPECT_DOUBLE_EQ(g.Top(), 450);
}

TEST_F(LauncherTest, TheGuideClosesByItsButtonAndTheLauncherGoesOn) {
    instance<Form1>().control<CommandButton>(u"Command4"_s).click();
    instance<Form49>().control<CommandButton>(u"f_end"_s).click();

    EXPECT_FALSE(isLoaded<Form49>());
    EXPECT_TRUE(isLoaded<Form1>());
    EXPECT_FALSE(fake.endedWith.has_value());
}

TEST_F(LauncherTest, ClosingTheLauncherEndsItAndTakesTheGuideAndTheLogAlong) {
    struct Case {
        const char* name;
        void (*close)(Form1&);
    };
    const Case cases[] = {
        {"its close button", [](Form1& w) { w.control<CommandButton>(u"Command2"_s).click(); }},
        {"closing its window", [](Form1& w) { w.userClosed(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fake.endedWith.reset();
        Form1& w = instance<Form1>();
        w.control<CommandButton>(u"Command4"_s).click();
        ASSERT_TRUE(isLoaded<Form49>());
        instance<frmLog>().Show();  // the log of an earlier install

        c.close(w);

        EXPECT_EQ(fake.endedWith, 0);
        EXPECT_FALSE(isLoaded<Form49>());
        EXPECT_FALSE(isLoaded<frmLog>());
        EXPECT_FALSE(isLoaded<Form1>());
        collectUnloadedForms();
    }
}

}  // namespace
