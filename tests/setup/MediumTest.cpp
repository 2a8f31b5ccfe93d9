// The installation medium as the build makes it: the product installer puts tavrin into a
// fresh prefix, where it starts headless and finds its databases; the runtime installer
// says what is missing and asks apt only for that. apt itself never runs here: fake
// dpkg-query, apt-get, sudo and pkexec stand first on the installers' PATH.
#include "tests/support/TempFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using testing_support::TempFolder;

namespace {

#ifdef TAVRIN_MEDIUM_DIR
const QString kMedium = QStringLiteral(TAVRIN_MEDIUM_DIR);
#else
const QString kMedium;
#endif

const QStringList kDatabases = {u"Hokkaido_Hyser_Data.mdb"_s, u"Touhok_Hyser_Data.mdb"_s, u"Kanto_Hyser_Data.mdb"_s,
                                u"Kinki_Hyser_Data.mdb"_s,    u"Chugok_Hyser_Data.mdb"_s, u"Kyusyu_Hyser_Data.mdb"_s,
                                u"Okinawa_Hyser_Data.mdb"_s};
const QStringList kRuntime = {u"libqt6widgets6"_s, u"libqt6gui6"_s, u"libqt6printsupport6"_s, u"libsqlite3-0"_s, u"fonts-ipafont-gothic"_s};

struct Outcome {
    int exitCode = -1;
    QString output;  // stdout and stderr together
};

QString readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

void writeScript(const QString& path, const QByteArray& text) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(text);
    f.close();
    f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

class MediumTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (kMedium.isEmpty()) GTEST_SKIP() << "this build makes no installation medium";
        ASSERT_TRUE(QFileInfo(kMedium + u"/setup"_s).isExecutable());
        ASSERT_TRUE(QFileInfo(kMedium + u"/W_disk_1/SETUP.exe"_s).isExecutable());
        ASSERT_TRUE(QFileInfo(kMedium + u"/W_disk_2/AccessRuntime.exe"_s).isExecutable());
        QDir().mkpath(tmp.file(u"bin"_s));
        QDir().mkpath(tmp.file(u"home"_s));
        // The system as the fakes see it: installed packages one a line, and a log of
        // every apt-get and elevation call.
        writeScript(tmp.file(u"bin/dpkg-query"_s),
                    "#!/bin/sh\n"
                    "for pkg; do :; done\n"
                    "grep -qx \"$pkg\" \"$FAKE_DPKG_STATE\" || exit 1\n"
                    "printf 'install ok installed'\n");
        writeScript(tmp.file(u"bin/apt-get"_s),
                    "#!/bin/sh\n"
                    "echo \"apt-get $*\" >> \"$FAKE_APT_LOG\"\n"
                    "[ \"${FAKE_APT_STATUS:-0}\" -eq 0 ] || exit \"$FAKE_APT_STATUS\"\n"
                    "if [ \"$1\" = install ]; then shift; for p; do [ \"$p\" = -y ] || echo \"$p\" >> \"$FAKE_DPKG_STATE\"; done; fi\n");
        for (const char* elevate : {"sudo", "pkexec"}) {
            writeScript(tmp.file(u"bin/"_s + QString::fromLatin1(elevate)),
                        QByteArray("#!/bin/sh\necho \"") + elevate + " $*\" >> \"$FAKE_APT_LOG\"\nexec \"$@\"\n");
        }
        QFile state(tmp.file(u"installed"_s));
        ASSERT_TRUE(state.open(QIODevice::WriteOnly));
    }

    // An installer of the medium, without a terminal or a desktop to open one on.
    QProcessEnvironment installerEnvironment(bool realDpkg = false) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(u"DISPLAY"_s);
        env.remove(u"WAYLAND_DISPLAY"_s);
        env.insert(u"HOME"_s, tmp.file(u"home"_s));
        env.insert(u"FAKE_DPKG_STATE"_s, tmp.file(u"installed"_s));
        env.insert(u"FAKE_APT_LOG"_s, tmp.file(u"apt.log"_s));
        if (realDpkg) QFile::remove(tmp.file(u"bin/dpkg-query"_s));
        env.insert(u"PATH"_s, tmp.file(u"bin"_s) + u':' + env.value(u"PATH"_s));
        return env;
    }

    Outcome run(const QString& installer, const QStringList& args, const QProcessEnvironment& env) const {
        QProcess p;
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(tmp.path());
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(kMedium + u'/' + installer, args);
        EXPECT_TRUE(p.waitForStarted()) << installer.toStdString();
        EXPECT_TRUE(p.waitForFinished(60000)) << installer.toStdString();
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAll())};
    }
    Outcome installProduct(const QString& prefix) const {
        return run(u"W_disk_1/SETUP.exe"_s, {u"--prefix"_s, prefix}, installerEnvironment());
    }

    void markInstalled(const QStringList& packages) const {
        QFile state(tmp.file(u"installed"_s));
        ASSERT_TRUE(state.open(QIODevice::WriteOnly | QIODevice::Truncate));
        for (const QString& p : packages) state.write((p + u'\n').toUtf8());
    }
    QString aptLog() const { return readAll(tmp.file(u"apt.log"_s)); }

    TempFolder tmp;
};

// Waits until the program holds every file open, while it keeps running.
bool holdsOpen(QProcess& program, const QStringList& files, int timeoutMs) {
    const QString fds = u"/proc/"_s + QString::number(program.processId()) + u"/fd"_s;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs && program.state() == QProcess::Running) {
        QStringList open;
        for (const QFileInfo& fd : QDir(fds).entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
            open << fd.symLinkTarget();
        bool all = true;
        for (const QString& f : files) all = all && open.contains(f);
        if (all) return true;
        program.waitForFinished(100);
    }
    return false;
}

TEST_F(MediumTest, TheInstalledProgramStartsHeadlessFromAFreshPrefixAndFindsItsDatabases) {
    // A prefix with a blank and Japanese in its name, as a user's folder may have.
    const QString prefix = tmp.file(u"インストール 先"_s);
    const Outcome product = installProduct(prefix);
    ASSERT_EQ(product.exitCode, 0) << product.output.toStdString();

    const QString dest = prefix + u"/lib/tavrin"_s;
    EXPECT_TRUE(QFileInfo(dest + u"/tavrin"_s).isExecutable());
    for (const QString& db : kDatabases) EXPECT_TRUE(QFileInfo::exists(dest + u"/Hyther_DB/"_s + db)) << db.toStdString();
    EXPECT_FALSE(QDir(dest + u"/W_GIF"_s).entryList({u"*.gif"_s}).isEmpty());
    EXPECT_TRUE(QFileInfo::exists(dest + u"/README.md"_s));
    EXPECT_TRUE(QFileInfo(dest + u"/CAP"_s).isDir());
#ifdef TAVRIN_WEBENGINE_MODULE
    // Without it beside the installed program, pages would show in the plain browser.
    EXPECT_TRUE(QFileInfo::exists(dest + u"/"_s + QStringLiteral(TAVRIN_WEBENGINE_MODULE)));
#endif
    EXPECT_EQ(QFileInfo(prefix + u"/bin/tavrin"_s).canonicalFilePath(), QFileInfo(dest + u"/tavrin"_s).canonicalFilePath());
    const QString entry = readAll(prefix + u"/share/applications/tavrin.desktop"_s);
    EXPECT_TRUE(entry.startsWith(u"[Desktop Entry]\n"_s));
    EXPECT_TRUE(entry.contains(u"\nExec=\""_s + dest + u"/tavrin\"\n"_s)) << entry.toStdString();
    EXPECT_TRUE(entry.contains(u"\nPath="_s + dest + u'\n')) << entry.toStdString();

    // The runtime installer's check mode on this machine: it reads the real package
    // database and asks apt for nothing.
    const Outcome check = run(u"W_disk_2/AccessRuntime.exe"_s, {u"--check"_s}, installerEnvironment(true));
    EXPECT_TRUE(check.exitCode == 0 || check.exitCode == 1) << check.output.toStdString();
    for (const QString& p : kRuntime) EXPECT_TRUE(check.output.contains(p)) << p.toStdString();
    EXPECT_EQ(aptLog(), QString());

    // Started through its command from another folder, as the menu or a terminal would.
    QDir().mkpath(tmp.file(u"run"_s));
    QFile::setPermissions(tmp.file(u"run"_s), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    env.insert(u"XDG_RUNTIME_DIR"_s, tmp.file(u"run"_s));  // its own single-copy lock
    env.insert(u"HOME"_s, tmp.file(u"home"_s));
    QProcess tavrin;
    tavrin.setProcessEnvironment(env);
    tavrin.setWorkingDirectory(tmp.path());
    tavrin.setProcessChannelMode(QProcess::MergedChannels);
    tavrin.start(prefix + u"/bin/tavrin"_s, {});
    ASSERT_TRUE(tavrin.waitForStarted());

    // Start-up ends with the normal values and Tokyo's years open; a failure would have
    // ended the program or left it in a message box without them.
    const QStringList databases = {QFileInfo(dest + u"/Hyther_DB/Hokkaido_Hyser_Data.mdb"_s).canonicalFilePath(),
                                   QFileInfo(dest + u"/Hyther_DB/Kanto_Hyser_Data.mdb"_s).canonicalFilePath()};
    const bool started = holdsOpen(tavrin, databases, 30000);
    const bool running = tavrin.state() == QProcess::Running && !tavrin.waitForFinished(500);
    tavrin.kill();
    tavrin.waitForFinished(10000);
    EXPECT_TRUE(started) << "output: " << tavrin.readAll().toStdString();
    EXPECT_TRUE(running) << "tavrin ended by itself with " << tavrin.exitCode();
}

TEST_F(MediumTest, ReinstallingReplacesTheProgramAndKeepsTheCaptures) {
    const QString prefix = tmp.file(u"prefix"_s);
    ASSERT_EQ(installProduct(prefix).exitCode, 0);
    const QString dest = prefix + u"/lib/tavrin"_s;
    QDir().mkpath(dest + u"/CAP/東京"_s);
    QFile capture(dest + u"/CAP/東京/東京2000_Hyser.bmp"_s);
    ASSERT_TRUE(capture.open(QIODevice::WriteOnly));
    capture.write("BM");
    capture.close();
    QFile readme(dest + u"/README.md"_s);
    ASSERT_TRUE(readme.open(QIODevice::WriteOnly | QIODevice::Truncate));
    readme.write("an older read-me");
    readme.close();

    const Outcome again = installProduct(prefix);
    ASSERT_EQ(again.exitCode, 0) << again.output.toStdString();

    EXPECT_TRUE(QFileInfo::exists(dest + u"/CAP/東京/東京2000_Hyser.bmp"_s));
    EXPECT_EQ(readAll(dest + u"/README.md"_s), readAll(kMedium + u"/W_disk_1/tavrin/README.md"_s));
    // Nothing of the copy is left beside the program.
    EXPECT_EQ(QDir(prefix + u"/lib"_s).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{u"tavrin"_s});
}

TEST_F(MediumTest, TheProductInstallerRefusesWhatItCannotDoAndInstallsNothing) {
    struct Case {
        const char* name;
        QStringList args;
        int exitCode;
        QString said;
    };
    const QString odd = tmp.file(u"a$b"_s);
    const Case cases[] = {
        {"an unknown option", {u"--here"_s}, 2, u"--here"_s},
        {"a prefix without its folder", {u"--prefix"_s}, 2, u"使い方"_s},
        {"a folder name a menu entry cannot hold", {u"--prefix"_s, odd}, 1, u"使えません"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome r = run(u"W_disk_1/SETUP.exe"_s, c.args, installerEnvironment());
        EXPECT_EQ(r.exitCode, c.exitCode) << r.output.toStdString();
        EXPECT_TRUE(r.output.contains(c.said)) << r.output.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(odd));
    EXPECT_FALSE(QFileInfo::exists(tmp.file(u"home/.local"_s)));
}

TEST_F(MediumTest, TheRuntimeInstallerAsksAptOnlyForWhatIsMissing) {
    struct Case {
        const char* name;
        QStringList installed;
        QStringList args;
        int aptStatus;
        int exitCode;
        QString said;
        QString aptCalls;  // the fake's log
    };
    const QStringList all = kRuntime;
    QStringList noFonts = kRuntime;
    noFonts.removeAll(u"fonts-ipafont-gothic"_s);
    QStringList t64 = kRuntime;  // the names of newer releases
    t64.replaceInStrings(u"libqt6widgets6"_s, u"libqt6widgets6t64"_s);
    const Case cases[] = {
        {"everything there", all, {}, 0, 0, u"入れるものはありません"_s, QString()},
        {"a newer release's library names", t64, {u"--check"_s}, 0, 0, u"入れるものはありません"_s, QString()},
        {"checking with the fonts missing", noFonts, {u"--check"_s}, 0, 1, u"足りないもの: fonts-ipafont-gothic"_s, QString()},
        {"installing the fonts", noFonts, {}, 0, 0, u"終わりました"_s, u"apt-get update\napt-get install -y fonts-ipafont-gothic\n"_s},
        {"apt failing", noFonts, {}, 100, 1, u"apt-get が失敗しました"_s, u"apt-get update\n"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        markInstalled(c.installed);
        QFile::remove(tmp.file(u"apt.log"_s));
        QProcessEnvironment env = installerEnvironment();
        env.insert(u"FAKE_APT_STATUS"_s, QString::number(c.aptStatus));

        const Outcome r = run(u"W_disk_2/AccessRuntime.exe"_s, c.args, env);

        EXPECT_EQ(r.exitCode, c.exitCode) << r.output.toStdString();
        EXPECT_TRUE(r.output.contains(c.said)) << r.output.toStdString();
        // Run by a user other than root, the call goes through pkexec first.
        QString calls = aptLog();
        calls.remove(QRegularExpression(u"^(pkexec|sudo) .*\n"_s, QRegularExpression::MultilineOption));
        EXPECT_EQ(calls, c.aptCalls);
    }
}

TEST_F(MediumTest, StartedWithoutATerminalOnADesktopAnInstallerRunsInATerminalWindowAndEndsAsItDid) {
    struct Case {
        const char* name;
        QByteArray terminal;  // how the terminal program runs what it is given after -e
    };
    const Case cases[] = {
        {"a terminal that waits for its window", "\"$@\" < /dev/null > \"$FAKE_WINDOW\" 2>&1\n"},
        {"a terminal that returns at once", "(sleep 1; \"$@\" < /dev/null > \"$FAKE_WINDOW\" 2>&1) &\n"},
    };
    markInstalled({u"libqt6widgets6"_s, u"libqt6gui6"_s, u"libqt6printsupport6"_s, u"libsqlite3-0"_s});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeScript(tmp.file(u"bin/x-terminal-emulator"_s), "#!/bin/sh\n[ \"$1\" = -e ] && shift\n" + c.terminal);
        QFile::remove(tmp.file(u"window"_s));
        QProcessEnvironment env = installerEnvironment();
        env.insert(u"DISPLAY"_s, u":0"_s);
        env.insert(u"FAKE_WINDOW"_s, tmp.file(u"window"_s));

        const Outcome r = run(u"W_disk_2/AccessRuntime.exe"_s, {u"--check"_s}, env);

        EXPECT_EQ(r.exitCode, 1) << r.output.toStdString();  // the fonts are missing
        const QString window = readAll(tmp.file(u"window"_s));
        EXPECT_TRUE(window.contains(u"足りないもの: fonts-ipafont-gothic"_s)) << window.toStdString();
        EXPECT_TRUE(window.contains(u"Enter キーを押すと、このウィンドウを閉じます。"_s)) << window.toStdString();
        EXPECT_EQ(aptLog(), QString());
    }
}

}  // namespace
