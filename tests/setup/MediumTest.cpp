// The installation medium as the build makes it: the product installer puts tavrin into a
// fresh prefix, where it starts headless and finds its databases; the runtime installer
// says what is missing and asks apt only for that. apt itself never runs here: fake
// dpkg-query, apt-get, sudo and pkexec stand first on the installers' PATH.
#include "platform/forms/Form.h"
#include "platform/forms/Services.h"
#include "setup/Form1.h"
#include "setup/Form49.h"
#include "setup/frmLog.h"
#include "tests/support/FakeServices.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

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
const QStringList kRuntime = {u"libqt6widgets6"_s,        u"libqt6gui6"_s,   u"libqt6printsupport6"_s,  u"libqt6webenginewidgets6"_s,
                              u"qt6-translations-l10n"_s, u"libsqlite3-0"_s, u"fonts-ipafont-gothic"_s, u"fonts-noto-cjk"_s};
QStringList without(QStringList all, const QString& missing) {
    all.removeAll(missing);
    return all;
}

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

// An unstripped program keeps its symbol table, named in its section names.
bool hasSymbolTable(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) && f.readAll().contains(QByteArrayLiteral("\0.symtab\0"));
}

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
    // The page about the program in place of the developers' read-me.
    EXPECT_EQ(readAll(dest + u"/tavrin.html"_s), readAll(kMedium + u"/W_disk_1/tavrin/tavrin.html"_s));
    EXPECT_TRUE(readAll(dest + u"/tavrin.html"_s).contains(u"<html lang=\"ja\">"_s));
    EXPECT_FALSE(QFileInfo::exists(dest + u"/README.md"_s));
    EXPECT_TRUE(QFileInfo(dest + u"/CAP"_s).isDir());
    EXPECT_FALSE(hasSymbolTable(dest + u"/tavrin"_s)) << "the program is installed stripped";
#ifdef TAVRIN_WEBENGINE_MODULE
    // Without it beside the installed program, pages would show in the plain browser.
    EXPECT_TRUE(QFileInfo::exists(dest + u"/"_s + QStringLiteral(TAVRIN_WEBENGINE_MODULE)));
#endif
    EXPECT_EQ(QFileInfo(prefix + u"/bin/tavrin"_s).canonicalFilePath(), QFileInfo(dest + u"/tavrin"_s).canonicalFilePath());
    const QString entry = readAll(prefix + u"/share/applications/tavrin.desktop"_s);
    EXPECT_TRUE(entry.startsWith(u"[Desktop Entry]\n"_s));
    EXPECT_TRUE(entry.contains(u"\nExec=\""_s + dest + u"/tavrin\"\n"_s)) << entry.toStdString();
    EXPECT_TRUE(entry.contains(u"\nPath="_s + dest + u'\n')) << entry.toStdString();
    const QString icon = prefix + u"/share/icons/hicolor/scalable/apps/tavrin.svg"_s;
    EXPECT_TRUE(entry.contains(u"\nIcon="_s + icon + u'\n')) << entry.toStdString();
    EXPECT_FALSE(QImage(icon).isNull()) << "the icon is a picture";

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
    QFile page(dest + u"/tavrin.html"_s);
    ASSERT_TRUE(page.open(QIODevice::WriteOnly | QIODevice::Truncate));
    page.write("an older page");
    page.close();
    QFile readme(dest + u"/README.md"_s);  // what an older version installed
    ASSERT_TRUE(readme.open(QIODevice::WriteOnly));
    readme.write("an older read-me");
    readme.close();

    const Outcome again = installProduct(prefix);
    ASSERT_EQ(again.exitCode, 0) << again.output.toStdString();

    EXPECT_TRUE(QFileInfo::exists(dest + u"/CAP/東京/東京2000_Hyser.bmp"_s));
    EXPECT_EQ(readAll(dest + u"/tavrin.html"_s), readAll(kMedium + u"/W_disk_1/tavrin/tavrin.html"_s));
    EXPECT_FALSE(QFileInfo::exists(dest + u"/README.md"_s));
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
    const QStringList noFonts = without(kRuntime, u"fonts-ipafont-gothic"_s);
    QStringList t64 = kRuntime;  // the names of newer releases
    t64.replaceInStrings(u"libqt6widgets6"_s, u"libqt6widgets6t64"_s);
    const Case cases[] = {
        {"everything there", all, {}, 0, 0, u"入れるものはありません"_s, QString()},
        {"a newer release's library names", t64, {u"--check"_s}, 0, 0, u"入れるものはありません"_s, QString()},
        {"checking with the fonts missing", noFonts, {u"--check"_s}, 0, 1, u"足りないもの: fonts-ipafont-gothic"_s, QString()},
        {"installing the fonts", noFonts, {}, 0, 0, u"終わりました"_s, u"apt-get update\napt-get install -y fonts-ipafont-gothic\n"_s},
        {"apt failing", noFonts, {}, 100, 1, u"apt-get が失敗しました"_s, u"apt-get update\n"_s},
        // A desktop with Qt but nothing more: the browser window needs the engine, Qt's
        // own dialogs their Japanese, and Korean names a face with Hangul.
        {"a machine with Qt only",
         {u"libqt6widgets6"_s, u"libqt6gui6"_s, u"libqt6printsupport6"_s, u"libsqlite3-0"_s, u"fonts-ipafont-gothic"_s},
         {},
         0,
         0,
         u"終わりました"_s,
         u"apt-get update\napt-get install -y libqt6webenginewidgets6 qt6-translations-l10n fonts-noto-cjk\n"_s},
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
    markInstalled(without(kRuntime, u"fonts-ipafont-gothic"_s));
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

// Everything under a folder, files and folders, as paths relative to it.
QStringList everythingUnder(const QString& root) {
    QStringList out;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) out << QDir(root).relativeFilePath(it.next());
    out.sort();
    return out;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes);
}

// The installed program with its data, command, icon and menu entry goes; the captures the
// user saved in CAP stay where they are, and the user is told where.
TEST_F(MediumTest, UninstallingLeavesNothingOfOursButTheCaptures) {
    struct Case {
        const char* name;
        QStringList captures;  // under CAP
        QStringList left;      // everything left under the prefix
    };
    const Case cases[] = {
        {"no captures", {}, {}},
        {"captures of two places",
         {u"東京/東京2000_Hyser.bmp"_s, u"札幌/札幌_Uonz.bmp"_s},
         {u"lib"_s, u"lib/tavrin"_s, u"lib/tavrin/CAP"_s, u"lib/tavrin/CAP/札幌"_s, u"lib/tavrin/CAP/札幌/札幌_Uonz.bmp"_s,
          u"lib/tavrin/CAP/東京"_s, u"lib/tavrin/CAP/東京/東京2000_Hyser.bmp"_s}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString prefix = tmp.file(u"uninstall "_s + QString::fromLatin1(c.name));
        ASSERT_EQ(installProduct(prefix).exitCode, 0);
        const QString cap = prefix + u"/lib/tavrin/CAP/"_s;
        for (const QString& capture : c.captures) writeFile(cap + capture, "BM");
        QDir().mkpath(cap + u"那覇"_s);  // a place whose capture failed: an empty folder

        const Outcome r = run(u"W_disk_1/SETUP.exe"_s, {u"--uninstall"_s, u"--prefix"_s, prefix}, installerEnvironment());

        EXPECT_EQ(r.exitCode, 0) << r.output.toStdString();
        EXPECT_TRUE(r.output.contains(u"アンインストールが終わりました"_s)) << r.output.toStdString();
        EXPECT_EQ(everythingUnder(prefix), c.left);
        EXPECT_EQ(r.output.contains(u"キャプチャーは消さずに残しました: "_s + QFileInfo(cap).canonicalFilePath()), !c.captures.isEmpty())
            << r.output.toStdString();

        // Again: nothing to do, and nothing the user kept goes.
        const Outcome again = run(u"W_disk_1/SETUP.exe"_s, {u"--uninstall"_s, u"--prefix"_s, prefix}, installerEnvironment());
        EXPECT_EQ(again.exitCode, 0) << again.output.toStdString();
        EXPECT_TRUE(again.output.contains(u"消すものはありませんでした"_s)) << again.output.toStdString();
        EXPECT_EQ(everythingUnder(prefix), c.left);
    }
}

// A command and a menu entry of the same names that the installer did not make stay, and
// so does a file of the user's in the program's folder.
TEST_F(MediumTest, UninstallingKeepsWhatItDidNotInstall) {
    const QString prefix = tmp.file(u"shared"_s);
    ASSERT_EQ(installProduct(prefix).exitCode, 0);
    QFile::remove(prefix + u"/bin/tavrin"_s);
    writeFile(prefix + u"/bin/tavrin"_s, "#!/bin/sh\n");
    writeFile(prefix + u"/share/applications/tavrin.desktop"_s, "[Desktop Entry]\nType=Application\nName=other\nExec=other\n");
    writeFile(prefix + u"/lib/tavrin/memo.txt"_s, "mine");

    const Outcome r = run(u"W_disk_1/SETUP.exe"_s, {u"--prefix"_s, prefix, u"--uninstall"_s}, installerEnvironment());

    EXPECT_EQ(r.exitCode, 0) << r.output.toStdString();
    EXPECT_EQ(everythingUnder(prefix), (QStringList{u"bin"_s, u"bin/tavrin"_s, u"lib"_s, u"lib/tavrin"_s, u"lib/tavrin/memo.txt"_s,
                                                    u"share"_s, u"share/applications"_s, u"share/applications/tavrin.desktop"_s}));
    EXPECT_TRUE(r.output.contains(u"インストールしたものではないファイル"_s)) << r.output.toStdString();
}

// The entry passes the desktop's own check without a hint, sits in one main category of
// the menu and is found by its keywords.
TEST_F(MediumTest, TheMenuEntryIsValidWithOneMainCategoryAndItsKeywords) {
    const QString prefix = tmp.file(u"メニューの 項目"_s);  // paths in the entry with a blank and Japanese
    ASSERT_EQ(installProduct(prefix).exitCode, 0);
    const QString entry = prefix + u"/share/applications/tavrin.desktop"_s;
    const QString text = readAll(entry);
    const auto value = [&text](const QString& key) {
        const QRegularExpressionMatch m = QRegularExpression(u"^"_s + key + u"=(.*)$"_s, QRegularExpression::MultilineOption).match(text);
        return m.captured(1);
    };
    EXPECT_EQ(value(u"Keywords"_s), u"tavrin;ハイサーグラフ;雨温図;気候;"_s);
    const QStringList mainCategories = {u"AudioVideo"_s, u"Audio"_s,    u"Video"_s,   u"Development"_s, u"Education"_s,
                                        u"Game"_s,       u"Graphics"_s, u"Network"_s, u"Office"_s,      u"Science"_s,
                                        u"Settings"_s,   u"System"_s,   u"Utility"_s};
    const QStringList categories = value(u"Categories"_s).split(u';', Qt::SkipEmptyParts);
    EXPECT_EQ(std::count_if(categories.begin(), categories.end(), [&](const QString& c) { return mainCategories.contains(c); }), 1)
        << value(u"Categories"_s).toStdString();
    EXPECT_TRUE(QFileInfo::exists(value(u"Icon"_s))) << value(u"Icon"_s).toStdString();

    const QString validate = QStandardPaths::findExecutable(u"desktop-file-validate"_s);
    if (validate.isEmpty()) GTEST_SKIP() << "desktop-file-validate is not installed (desktop-file-utils)";
    QProcess check;
    check.setProcessChannelMode(QProcess::MergedChannels);
    check.start(validate, {entry});
    ASSERT_TRUE(check.waitForFinished(30000));
    EXPECT_EQ(check.exitCode(), 0);
    EXPECT_EQ(QString::fromUtf8(check.readAll()), QString()) << "no error, warning or hint";
}

// The guide both programs show tells the truth about this medium: its files, the
// runtime's packages and the space the product takes once installed.
TEST_F(MediumTest, TheGuidesFiguresAreTrueOfTheMedium) {
    const QString guide = setup::Form49::guideText();
    for (const QString& path : {u"setup"_s, u"W_disk_1/SETUP.exe"_s, u"W_disk_1/tavrin/"_s, u"W_disk_2/AccessRuntime.exe"_s,
                                u"W_disk_1/tavrin/tavrin.html"_s, u"W_disk_1/tavrin/Hyther_DB"_s, u"W_disk_1/tavrin/W_GIF"_s}) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_TRUE(QFileInfo::exists(kMedium + u'/' + path));
        EXPECT_TRUE(guide.contains(QFileInfo(path).fileName().isEmpty() ? path : QFileInfo(path).fileName()));
    }

    // The packages the guide asks an administrator for are the runtime installer's.
    markInstalled({});
    const Outcome check = run(u"W_disk_2/AccessRuntime.exe"_s, {u"--check"_s}, installerEnvironment());
    const QRegularExpression missingLine(u"足りないもの: (.*)"_s);
    const QStringList asked = missingLine.match(check.output).captured(1).split(u' ', Qt::SkipEmptyParts);
    EXPECT_EQ(QSet<QString>(asked.begin(), asked.end()), QSet<QString>(kRuntime.begin(), kRuntime.end())) << check.output.toStdString();
    const QString answer = guide.mid(guide.indexOf(u"Ａ２．"_s), guide.indexOf(u"Ｑ３．"_s) - guide.indexOf(u"Ａ２．"_s));
    QStringList named;  // the lines of package names only
    for (const QString& line : answer.split(u'\n')) {
        if (QRegularExpression(u"^[ 　]*[a-z0-9.+-]+( [a-z0-9.+-]+)*$"_s).match(line).hasMatch())
            named << line.split(u' ', Qt::SkipEmptyParts).replaceInStrings(u"　"_s, QString());
    }
    EXPECT_EQ(QSet<QString>(named.begin(), named.end()), QSet<QString>(kRuntime.begin(), kRuntime.end())) << answer.toStdString();

#ifdef TAVRIN_SANITIZE
    GTEST_SKIP() << "the sanitizers make the program several times its size";
#else
    const QString prefix = tmp.file(u"size"_s);
    ASSERT_EQ(installProduct(prefix).exitCode, 0);
    qint64 bytes = 0;
    for (const QString& path : everythingUnder(prefix)) {
        const QFileInfo info(prefix + u'/' + path);
        if (info.isFile() && !info.isSymLink()) bytes += info.size();
    }
    const double mebibytes = static_cast<double>(bytes) / (1 << 20);
    const QRegularExpression figure(u"製品[がは]約 (\\d+)MB"_s);
    int figures = 0;
    for (const QRegularExpressionMatch& m : figure.globalMatch(guide)) {
        ++figures;
        EXPECT_EQ(m.captured(1).toInt(), qRound(mebibytes)) << "installed: " << mebibytes << " MiB";
    }
    EXPECT_GE(figures, 1);
#endif
}

// From the launcher, on a desktop where no terminal window can be opened: the product
// installer runs where it is, and its progress shows in the launcher's own window.
TEST_F(MediumTest, TheLauncherShowsTheProductInstallersProgressWhereNoTerminalCanOpen) {
    for (const char* terminal : {"x-terminal-emulator", "xterm"}) {
        if (!QStandardPaths::findExecutable(QString::fromLatin1(terminal)).isEmpty())
            GTEST_SKIP() << terminal << " is installed here: the installer would open it";
    }
    const QByteArray savedHome = qgetenv("HOME"), savedDisplay = qgetenv("DISPLAY");
    qputenv("HOME", tmp.file(u"home"_s).toUtf8());
    qputenv("DISPLAY", ":0");  // a desktop, as the launcher's user has
    const std::shared_ptr<forms::ProcessService> realProcesses = forms::services().process;
    {
        testing_support::FakeServices fake;
        forms::services().process = realProcesses;
        forms::AppInfo::setPath(kMedium);
        fake.expectMessage(forms::vbCancel);  // no runtime now
        forms::instance<setup::Form1>().control<forms::CommandButton>(u"Command1"_s).click();

        ASSERT_TRUE(forms::isLoaded<setup::frmLog>());
        const setup::frmLog& log = forms::instance<setup::frmLog>();
        EXPECT_TRUE(log.Visible());
        const QString shown = log.text();
        // Each step in order, as the installer wrote it, then the launcher's own last word.
        qsizetype at = 0;
        for (const QString& step : {u"製品のインストーラーを実行しています"_s, u"[1/4]"_s, u"[2/4]"_s, u"[3/4]"_s, u"[4/4]"_s,
                                    u"インストールが終わりました。"_s, u"製品のインストーラーが終わりました。"_s}) {
            const qsizetype found = shown.indexOf(step, at);
            EXPECT_GE(found, at) << step.toStdString() << " in:\n" << shown.toStdString();
            if (found >= 0) at = found;
        }
        EXPECT_TRUE(QFileInfo(tmp.file(u"home/.local/lib/tavrin/tavrin"_s)).isExecutable());
        ASSERT_EQ(fake.messages.size(), 1u);
        forms::destroyAllForms();
        forms::AppInfo::setPath(QString());
    }
    qputenv("HOME", savedHome);
    if (savedDisplay.isNull())
        qunsetenv("DISPLAY");
    else
        qputenv("DISPLAY", savedDisplay);
}

}  // namespace
