// What the station chart windows opened from the main window do when their files fail
// them: a damaged database when the window opens and when a picker hands it a station,
// a program folder that cannot take CAP/, a disk that fills up during a capture, and a
// missing or damaged map. Each time the user reads what failed, nothing is lost and the
// window shows what it showed before.
#include "extras/CaptureWindows.h"
#include "hythergraph/Hyser_Main.h"
#include "pickers/FamilyPickers.h"
#include "pickers/tables/JapanRegions.h"
#include "platform/forms/Text.h"
#include "tests/support/ChartWindows.h"
#include "tests/support/FullDisk.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <unistd.h>

using namespace forms;
using namespace Qt::Literals::StringLiterals;
using testing_support::ChartWindow;
using testing_support::ChartWindowFixture;
using testing_support::Shown;
using windows::Family;
using windows::Window;

namespace {

// The ways a database file is found damaged.
enum class Damage { Truncated, RandomBytes, NoTables };

struct DamageCase {
    const char* name;
    Damage damage;
};
const DamageCase kDamages[] = {{"truncated", Damage::Truncated}, {"random bytes", Damage::RandomBytes}, {"no tables", Damage::NoTables}};

// Damages a database in a new file put in its place, as a copy gone wrong would be;
// a connection already open keeps reading the file it opened.
void damage(const QString& path, Damage how) {
    QFile original(path);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray bytes = original.readAll();
    original.close();
    const QString fresh = path + u".new"_s;
    QFile::remove(fresh);
    if (how == Damage::NoTables) {
        ado::DatabaseWriter w(fresh);
        w.createTable(u"Other"_s, {{u"x"_s, false}});
        w.commit();
    } else {
        QByteArray out = bytes.left(bytes.size() / 2);
        if (how == Damage::RandomBytes) {
            out = QByteArray(bytes.size(), '\0');
            std::uint32_t x = 2463534242u;  // a fixed xorshift: the same bytes every run
            for (char& c : out) {
                x ^= x << 13;
                x ^= x >> 17;
                x ^= x << 5;
                c = static_cast<char>(x & 0xFF);
            }
        }
        QFile f(fresh);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(out), out.size());
    }
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::rename(fresh, path));
}

// What a message about a damaged database must name: the file, or for a file without
// its tables the table that was looked for.
QString namedIn(Damage how, const QString& file, const QString& table) { return how == Damage::NoTables ? table : file; }

class ChartWindowFaultsTest : public ChartWindowFixture, public ::testing::WithParamInterface<ChartWindow> {
protected:
    ChartWindowFaultsTest() : ChartWindowFixture(GetParam()) {}
};

// --- Databases ---------------------------------------------------------------------------

TEST_P(ChartWindowFaultsTest, ADamagedDatabaseKeepsTheWindowShutWithAMessageAndItOpensOnceMended) {
    startMain();
    const Shown mainBefore = Shown::of(instance<hythergraph::Hyser_Main>());
    struct Where {
        const char* name;
        QString file;
        QString table;
    };
    const Where files[] = {
        {"normal values", u"Hyther_DB/Hokkaido_Hyser_Data.mdb"_s, u"Heinenchi_Hyser_Data"_s},
        {"Tokyo's years", u"Hyther_DB/Kanto_Hyser_Data.mdb"_s, u"Tokyo_Hyser_Data"_s},
    };
    for (const Where& where : files) {
        for (const DamageCase& d : kDamages) {
            SCOPED_TRACE(std::string(where.name) + ", " + d.name);
            const QString path = fixture.folder() + u'/' + where.file;
            ASSERT_TRUE(QFile::copy(path, path + u".good"_s));
            damage(path, d.damage);
            services.messages.clear();
            services.expectMessage();
            instance<hythergraph::Hyser_Main>().menu(window.openItem).click();
            ASSERT_EQ(services.messages.size(), 1u);
            const QString text = services.messages[0].prompt;
            EXPECT_TRUE(text.contains(namedIn(d.damage, where.file, where.table))) << text.toStdString();
            EXPECT_FALSE(windows::navigation().isLoaded(window.window)) << "no half-opened window";
            EXPECT_FALSE(windows::navigation().isLoaded(Window::Splash)) << "no splash left standing";
            EXPECT_EQ(Shown::of(instance<hythergraph::Hyser_Main>()), mainBefore);

            ASSERT_TRUE(QFile::remove(path));
            ASSERT_TRUE(QFile::rename(path + u".good"_s, path));
            Form& w = open();
            EXPECT_EQ(w.control<Label>(u"Label29"_s).Caption(), u"東京"_s);
            EXPECT_FALSE(w.drawing().empty());
            w.Unload();
        }
    }
}

TEST_P(ChartWindowFaultsTest, ADamagedDatabaseAtAStationChoiceLeavesTheWindowAsItWas) {
    startMain();
    Form& w = open();
    const QString okinawa = fixture.folder() + u"/Hyther_DB/Okinawa_Hyser_Data.mdb"_s;
    ASSERT_TRUE(QFile::copy(okinawa, okinawa + u".good"_s));
    for (const int mode : {0, 1}) {
        for (const DamageCase& d : kDamages) {
            // In normal values the choice reads no table of the region's file.
            if (mode == 1 && d.damage == Damage::NoTables) continue;
            SCOPED_TRACE(std::string(mode ? "normal values, " : "single years, ") + d.name);
            choose(u"東京"_s);
            w.control<CheckBox>(u"Check2"_s).setValue(mode);
            ASSERT_EQ(services.messages.size(), 0u);
            const Shown before = Shown::of(w);
            damage(okinawa, d.damage);
            services.expectMessage();
            choose(u"那覇"_s);
            ASSERT_EQ(services.messages.size(), 1u);
            const QString text = services.messages[0].prompt;
            EXPECT_TRUE(text.contains(namedIn(d.damage, u"Okinawa_Hyser_Data.mdb"_s, station(u"那覇"_s).table))) << text.toStdString();
            EXPECT_EQ(Shown::of(w), before);
            EXPECT_TRUE(pickers::japanPicker(window.family, 7).Visible()) << "the picker stays for another choice";
            services.messages.clear();
            ASSERT_TRUE(QFile::remove(okinawa));
            ASSERT_TRUE(QFile::copy(okinawa + u".good"_s, okinawa));
        }
    }
    choose(u"那覇"_s);
    EXPECT_EQ(w.control<Label>(u"Label29"_s).Caption(), u"那覇"_s) << "the mended file serves the next choice";
}

// A copy of the program that another copy started before is turned away by whichever
// window it loads first, with the same words as the main window's.
TEST_P(ChartWindowFaultsTest, ASecondCopyFoundWhenTheWindowLoadsIsToldSoAndEnds) {
    startMain();
    services.previousInstance = true;
    services.expectMessage();
    open();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].prompt, u" 複数の起動はできません "_s);
    EXPECT_EQ(services.endedWith, 1);
}

// --- Numbers that are none ------------------------------------------------------------

// The ID of a year's row decides whether there is a year below it; an ID that reads as
// no number ("nan", "inf") is no way further down.
TEST_P(ChartWindowFaultsTest, ARowWhoseIdIsNoNumberStopsTheStepsDown) {
    startMain();
    Form& w = open();
    choose(u"東京"_s);
    w.control<CheckBox>(u"Check2"_s).setValue(0);
    for (const QString& id : {u"nan"_s, u"NaN"_s, u"inf"_s, u"Infinity"_s, u"-inf"_s}) {
        SCOPED_TRACE(id.toStdString());
        Label& label = w.control<Label>(u"Label39"_s);
        label.setDataSource(nullptr);
        label.setCaption(id);
        const Shown before = Shown::of(w);
        w.control<SpinButton>(u"SpinButton1"_s).spinDown();
        EXPECT_EQ(Shown::of(w), before);
    }
}

// A station whose first row gives a year beyond any int: the window's floor of the years
// holds at the largest int, so stepping down below the rows stops at once instead of
// running on through every year below (a plain cast of the year was undefined).
TEST_P(ChartWindowFaultsTest, AFirstYearBeyondAnyNumberStopsTheStepsDownBelowTheRows) {
    const QString naha = u"47936"_s;
    int first = 0;
    for (data::ClimateRow& row : fixture.years) {
        if (row.value(u"Point_No"_s) != naha) continue;
        first = row.value(u"nen"_s).toInt();
        row[u"nen"_s] = u"99999999999"_s;
        break;
    }
    ASSERT_GT(first, 1800);
    startMain();
    Form& w = open();
    choose(u"那覇"_s);
    w.control<CheckBox>(u"Check2"_s).setValue(0);
    SpinButton& spin = w.control<SpinButton>(u"SpinButton1"_s);
    Label& year = w.control<Label>(u"Label4"_s);
    int steps = 0;
    for (QString before; before != year.Caption() && steps < 1000; ++steps) {
        before = year.Caption();
        spin.spinDown();
    }
    EXPECT_LT(steps, 1000) << "still stepping at " << year.Caption().toStdString();
    EXPECT_GE(Val(year.Caption()), first) << "no further than the row below the second";
    EXPECT_TRUE(services.messages.empty());
}

// --- Captures ----------------------------------------------------------------------------

TEST_P(ChartWindowFaultsTest, CapAsAFileSendsTheCaptureToTheUsersDataFolderAndSaysWhere) {
    startMain();
    Form& w = open();
    choose(u"那覇"_s);
    QFile cap(fixture.folder() + u"/CAP"_s);
    ASSERT_TRUE(cap.open(QIODevice::WriteOnly));
    cap.close();
    const Shown before = Shown::of(w);
    w.menu(u"Cap_Gray"_s).click();
    EXPECT_TRUE(services.messages.empty());
    ASSERT_TRUE(isLoaded<extras::Dialog_cap>()) << "a capture away from the program says where it went";
    const Label& where = instance<extras::Dialog_cap>().control<Label>(u"Label2"_s);
    EXPECT_TRUE(where.Visible());
    const QString folder = where.Caption().section(u' ', 1);
    EXPECT_TRUE(folder.startsWith(dataHome.path()) && folder.endsWith(u"/CAP/那覇"_s)) << where.Caption().toStdString();
    const QString file = folder + u"/那覇"_s + Str(Val(before.year)) + window.suffix;
    EXPECT_FALSE(QImage(file).isNull()) << file.toStdString();
    EXPECT_EQ(Shown::of(w), before);
    expectControlsBack(w);
}

TEST_P(ChartWindowFaultsTest, WhenNoCaptureFolderCanBeMadeTheMessageNamesBothAndNothingElseChanges) {
    startMain();
    Form& w = open();
    for (const QString& file : {fixture.folder() + u"/CAP"_s, dataHome.path() + u"/blocked"_s}) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    qputenv("XDG_DATA_HOME", (dataHome.path() + u"/blocked"_s).toUtf8());
    const Shown before = Shown::of(w);
    services.expectMessage();
    w.menu(u"Cap_Gray"_s).click();
    ASSERT_EQ(services.messages.size(), 1u);
    const QString text = services.messages[0].prompt;
    EXPECT_TRUE(text.contains(fixture.folder() + u"/CAP/東京"_s)) << text.toStdString();
    EXPECT_TRUE(text.contains(dataHome.path() + u"/blocked/"_s)) << text.toStdString();
    EXPECT_FALSE(isLoaded<extras::Dialog_cap>());
    EXPECT_EQ(Shown::of(w), before);
    expectControlsBack(w);
}

TEST_P(ChartWindowFaultsTest, AReadOnlyProgramFolderSendsTheCaptureToTheUsersDataFolder) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    startMain();
    Form& w = open();
    const QFile::Permissions was = QFile::permissions(fixture.folder());
    QFile::setPermissions(fixture.folder(), QFile::ReadOwner | QFile::ExeOwner);
    w.menu(u"Cap_Gray"_s).click();
    QFile::setPermissions(fixture.folder(), was);
    EXPECT_TRUE(services.messages.empty());
    ASSERT_TRUE(isLoaded<extras::Dialog_cap>());
    const Label& where = instance<extras::Dialog_cap>().control<Label>(u"Label2"_s);
    EXPECT_TRUE(where.Visible());
    EXPECT_TRUE(where.Caption().contains(dataHome.path())) << where.Caption().toStdString();
    EXPECT_FALSE(QImage(where.Caption().section(u' ', 1) + u"/東京2020"_s + window.suffix).isNull());
}

TEST_P(ChartWindowFaultsTest, ADiskThatFillsUpDuringACaptureIsReportedAndTheEarlierCaptureStaysWhole) {
    startMain();
    Form& w = open();
    w.menu(u"Cap_Gray"_s).click();
    const QString file = fixture.folder() + u"/CAP/東京/東京2020"_s + window.suffix;
    QFile earlier(file);
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    const QByteArray bytes = earlier.readAll();
    earlier.close();
    ASSERT_GT(bytes.size(), 100000);
    if (isLoaded<extras::Dialog_cap>()) instance<extras::Dialog_cap>().Unload();

    struct Room {
        const char* name;
        qint64 bytes;
    };
    // The last few bytes go out only when the file is closed.
    const Room rooms[] = {{"full at once", 0}, {"full early", 4096}, {"full at the last bytes", bytes.size() - 10}};
    for (const Room& room : rooms) {
        SCOPED_TRACE(room.name);
        const Shown before = Shown::of(w);
        services.messages.clear();
        services.expectMessage();
        {
            testing_support::FullDisk full(static_cast<std::uint64_t>(room.bytes));
            w.menu(u"Cap_White"_s).click();
        }
        ASSERT_EQ(services.messages.size(), 1u) << QFileInfo(file).size() << " vs " << bytes.size();
        EXPECT_TRUE(services.messages[0].prompt.contains(file)) << services.messages[0].prompt.toStdString();
        EXPECT_FALSE(isLoaded<extras::Dialog_cap>()) << "no notice of a capture that was not saved";
        QFile now(file);
        ASSERT_TRUE(now.open(QIODevice::ReadOnly));
        EXPECT_TRUE(now.readAll() == bytes) << "the earlier capture is whole";
        EXPECT_EQ(QDir(fixture.folder() + u"/CAP/東京"_s).entryList(QDir::Files).size(), 1) << "no cut-off file beside it";
        EXPECT_EQ(Shown::of(w).station, before.station);
        EXPECT_EQ(Shown::of(w).mode, before.mode);
        expectControlsBack(w);
    }
    w.menu(u"Cap_Gray"_s).click();
    EXPECT_EQ(services.messages.size(), 1u) << "with room again the capture goes through";
}

// --- Maps --------------------------------------------------------------------------------

TEST_P(ChartWindowFaultsTest, AMissingOrDamagedMapIsReportedAndThePickerStillChooses) {
    startMain();
    Form& w = open();
    struct Case {
        const char* name;
        int region;
        QString map;
        bool remove;      // else its bytes are not a picture
        QString station;  // one the fixture has values of
    };
    const Case cases[] = {
        {"Chugoku and Shikoku missing", 5, u"W_GIF/Map_Tyugok_Sikok.gif"_s, true, u"広島"_s},
        {"Kanto damaged", 3, u"W_GIF/Map_Kanto.gif"_s, false, u"東京"_s},
        {"Hokkaido damaged, read by the window", 1, u"W_GIF/hokkaido_master.gif"_s, false, u"札幌"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = fixture.folder() + u'/' + c.map;
        if (c.remove) {
            ASSERT_TRUE(QFile::remove(path));
        } else {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write("GIF89a this is no picture");
        }
        services.messages.clear();
        services.expectMessage();
        windows::navigation().showJapanPicker(window.family, c.region);
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_TRUE(services.messages[0].prompt.contains(c.map)) << services.messages[0].prompt.toStdString();
        pickers::JapanPicker& p = pickers::japanPicker(window.family, c.region);
        EXPECT_TRUE(p.Visible());
        EXPECT_TRUE(p.Image1.Picture().isNull());
        p.control<Label>(station(c.station).label).click();
        EXPECT_EQ(w.control<Label>(u"Label29"_s).Caption(), c.station);
    }
}

INSTANTIATE_TEST_SUITE_P(StationWindows, ChartWindowFaultsTest, ::testing::ValuesIn(testing_support::kOpenedWindows),
                         testing_support::rowName);

}  // namespace
