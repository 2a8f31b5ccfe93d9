// Capturing the input window to CAP/<place>/<place><year>_Hyser_In.bmp.
#include "chart/Hythergraph.h"
#include "extras/CaptureWindows.h"
#include "input/Hyser_Input.h"
#include "input/Uonz_Input.h"
#include "platform/forms/Twips.h"
#include "tests/input/InputWindowFixture.h"
#include "tests/support/FullDisk.h"

#include <QApplication>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QWidget>

#include <set>

using namespace forms;
using namespace input;
using namespace testing_support;
using namespace Qt::Literals::StringLiterals;

namespace {

class CaptureTest : public InputWindowFixture {
protected:
    Hyser_Input& open(const QString& place, const QString& year) {
        Hyser_Input& w = instance<Hyser_Input>();
        w.Text1.setText(place);
        w.Text2.setText(year);
        typeYear(w, kTemps, kRains);
        return w;
    }
    static void expectControlsBack(const Hyser_Input& w) {
        for (const Control* c : std::initializer_list<const Control*>{&w.Command1, &w.Command2, &w.CheckBox3, &w.CheckBox4}) {
            EXPECT_TRUE(c->Visible()) << c->Name().toStdString();
        }
    }
};

TEST_F(CaptureTest, WritesThePlacesBitmapWithoutTheButtonsAndPutsThemBack) {
    Hyser_Input& w = open(u"札幌"_s, u"2005年"_s);
    w.menu(u"Cap_White"_s).click();

    const QString file = u"CAP/札幌/札幌2005_Hyser_In.bmp"_s;
    ASSERT_TRUE(QFile::exists(file));
    EXPECT_EQ(w.Cap_File, file);
    EXPECT_EQ(w.Cap_Folder, u"CAP/札幌"_s);
    const QImage bmp(file);
    ASSERT_FALSE(bmp.isNull());
    EXPECT_EQ(QColor(bmp.pixel(9400 / 15, 200 / 15)), QColor(255, 255, 255)) << "作図 is not in the picture";
    EXPECT_EQ(QColor(bmp.pixel(10300 / 15, 300 / 15)), QColor(255, 255, 255)) << "目盛変更 is not in the picture";
    // July's point in its colour, where the window's scale puts it.
    const DrawOp& july = w.drawing()[12];
    EXPECT_EQ(QColor(bmp.pixel(static_cast<int>(july.x1 / 15), static_cast<int>(july.y1 / 15))), QColor(255, 0, 255));
    expectControlsBack(w);

    auto& notice = instance<extras::Dialog_cap>();
    EXPECT_TRUE(notice.Visible());
    EXPECT_DOUBLE_EQ(notice.Top(), (services.screenHeight - notice.Height()) / 2 - 210);
    EXPECT_EQ(instance<extras::Form399>().picCapture.Picture().widthPixels(), bmp.width());
}

// The whole window on any screen: this test also runs on a screen scaled to 200 %
// (QT_SCALE_FACTOR=2, see CMakeLists.txt), where a grab takes twice the pixels each way.
// Four months put their markers in the four quarters of the picture.
TEST_F(CaptureTest, APictureHoldsTheWholeWindowAtItsSizeInPixelsOnAnyScreen) {
    struct Month {
        int month;
        double temp, rain;
    };
    // Left or right by the precipitation in the hythergraph, by the month in the climograph.
    const Month months[] = {{2, 25, 50}, {3, -15, 50}, {10, -15, 450}, {11, 25, 500}};
    const std::pair<const char*, InputWindow* (*)()> windows[] = {
        {"hythergraph", [] { return static_cast<InputWindow*>(&instance<Hyser_Input>()); }},
        {"climograph", [] { return static_cast<InputWindow*>(&instance<Uonz_Input>()); }},
    };
    for (const auto& [name, open] : windows) {
        SCOPED_TRACE(name);
        InputWindow& w = *open();
        if (qEnvironmentVariable("QT_SCALE_FACTOR") == u"2"_s) ASSERT_EQ(w.clientWidget()->devicePixelRatio(), 2.0);
        w.Text1.setText(u"札幌"_s);
        w.Text2.setText(u"2005"_s);
        for (const Month& m : months) {
            w.Text3(m.month).setText(QString::number(m.temp));
            w.Text4(m.month).setText(QString::number(m.rain));
        }
        w.Command2.click();
        w.menu(u"Cap_Gray"_s).click();
        const QImage bmp(w.Cap_File);
        ASSERT_FALSE(bmp.isNull());
        ASSERT_EQ(bmp.size(), QSize(toPixels(w.clientWidthTwips()), toPixels(w.clientHeightTwips())));
        std::set<std::pair<bool, bool>> quarters;
        for (const Month& m : months) {
            SCOPED_TRACE(m.month);
            const Shape& marker = w.Shape3(m.month);
            const QPoint centre(toPixels(marker.Left() + marker.Width() / 2), toPixels(marker.Top() + marker.Height() / 2));
            quarters.insert({centre.x() < bmp.width() / 2, centre.y() < bmp.height() / 2});
            // The marker, or its point drawn over it, in the month's colours.
            const QString shown = QColor(bmp.pixel(centre)).name();
            EXPECT_TRUE(shown == toQColor(marker.BackColor()).name() || shown == toQColor(chart::monthColour(m.month)).name())
                << shown.toStdString();
        }
        EXPECT_EQ(quarters.size(), 4u) << "a marker in every quarter";
        // The place box at the top left, the band below 0 °C at the bottom right.
        EXPECT_EQ(QColor(bmp.pixel(toPixels(w.Text1.Left()) + 4, toPixels(w.Text1.Top()) + 4)), toQColor(w.Text1.BackColor()));
        const Label& band = w.Label8;
        EXPECT_EQ(QColor(bmp.pixel(toPixels(band.Left() + band.Width()) - 4, toPixels(band.Top() + band.Height()) - 4)),
                  toQColor(band.BackColor()));
        instance<extras::Dialog_cap>().Unload();
        w.Unload();
    }
}

// The capture hides the buttons and check boxes; the one that held the focus hands it to
// no other control on the way, so the place's text shows unselected, and gets it back.
TEST_F(CaptureTest, TheControlWithTheFocusGetsItBackAndThePlaceShowsUnselected) {
    const std::pair<const char*, InputWindow* (*)()> windows[] = {
        {"hythergraph", [] { return static_cast<InputWindow*>(&instance<Hyser_Input>()); }},
        {"climograph", [] { return static_cast<InputWindow*>(&instance<Uonz_Input>()); }},
    };
    for (const auto& [name, open] : windows) {
        SCOPED_TRACE(name);
        InputWindow& w = *open();
        w.Text1.setText(u"札幌"_s);
        typeYear(w, kTemps, kRains);
        for (Control* focused : std::initializer_list<Control*>{&w.Command2, &w.Command1, &w.CheckBox3, &w.CheckBox4}) {
            SCOPED_TRACE(focused->Name().toStdString());
            focused->SetFocus();
            ASSERT_EQ(w.ActiveControl(), focused);
            w.Command2.click();
            const std::size_t drawn = w.drawing().size();
            w.menu(u"Cap_White"_s).click();
            const QImage bmp(w.Cap_File);
            ASSERT_FALSE(bmp.isNull());
            const QRect place(toPixels(w.Text1.Left()), toPixels(w.Text1.Top()), toPixels(w.Text1.Width()), toPixels(w.Text1.Height()));
            const QColor selection = QApplication::palette().color(QPalette::Highlight);
            int selected = 0;
            for (int x = place.left(); x <= place.right(); ++x) {
                for (int y = place.top(); y <= place.bottom(); ++y) selected += QColor(bmp.pixel(x, y)) == selection;
            }
            EXPECT_EQ(selected, 0) << "no pixel of the place in the selection's colour";
            EXPECT_EQ(w.Text1.SelLength(), 0);
            EXPECT_EQ(w.ActiveControl(), focused);
            EXPECT_EQ(w.drawing().size(), drawn) << "getting the focus back is not a tab onto クリア";
            instance<extras::Dialog_cap>().Unload();
        }
        w.Unload();
    }
}

TEST_F(CaptureTest, TheYearAndThePlaceGoIntoTheNameMadeSafe) {
    struct Case {
        QString place, year, file;
    };
    const Case cases[] = {
        {u"那覇"_s, u"1999"_s, u"CAP/那覇/那覇1999_Hyser_In.bmp"_s},
        {u"札幌"_s, u"年"_s, u"CAP/札幌/札幌0_Hyser_In.bmp"_s},
        {u"札幌"_s, u" 2005 年"_s, u"CAP/札幌/札幌2005_Hyser_In.bmp"_s},
        {u"札幌"_s, u"２００５年"_s, u"CAP/札幌/札幌2005_Hyser_In.bmp"_s},
        {QString(), u"2000"_s, u"CAP/名称未設定/名称未設定2000_Hyser_In.bmp"_s},
        {u"../外"_s, u"2000"_s, u"CAP/_外/_外2000_Hyser_In.bmp"_s},
        {u"a/b:c"_s, u"2000"_s, u"CAP/a_b_c/a_b_c2000_Hyser_In.bmp"_s},
        {u".."_s, u"2000"_s, u"CAP/名称未設定/名称未設定2000_Hyser_In.bmp"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        Hyser_Input& w = open(c.place, c.year);
        w.menu(u"Cap_Gray"_s).click();
        EXPECT_EQ(w.Cap_File, c.file);
        EXPECT_TRUE(QFile::exists(c.file));
        EXPECT_FALSE(QDir(folder.path() + u"/外"_s).exists());
        instance<extras::Dialog_cap>().Unload();
        w.Unload();
    }
}

TEST_F(CaptureTest, AFileThatCannotBeWrittenIsReportedAndTheButtonsComeBack) {
    Hyser_Input& w = open(u"札幌"_s, u"2005"_s);
    QDir().mkpath(u"CAP/札幌/札幌2005_Hyser_In.bmp"_s);  // a folder where the file should go
    services.expectMessage();
    w.menu(u"Cap_White"_s).click();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages[0].prompt.contains(u"CAP/札幌/札幌2005_Hyser_In.bmp"_s));
    EXPECT_FALSE(isLoaded<extras::Dialog_cap>());
    expectControlsBack(w);
}

TEST_F(CaptureTest, AFailedGrabSavesNothing) {
    Hyser_Input& w = open(u"札幌"_s, u"2005"_s);
    w.setHeight(w.frameHeight());  // no client area to copy
    services.expectMessage();      // the capture class's own report
    services.expectMessage();      // the window's: nothing saved
    w.menu(u"Cap_White"_s).click();
    ASSERT_EQ(services.messages.size(), 2u);
    EXPECT_TRUE(services.messages[1].prompt.contains(folder.path() + u"/CAP/札幌/札幌2005_Hyser_In.bmp"_s));
    EXPECT_FALSE(QFile::exists(u"CAP/札幌/札幌2005_Hyser_In.bmp"_s));
    EXPECT_FALSE(isLoaded<extras::Dialog_cap>());
    expectControlsBack(w);
}

// Both input windows, capturing where the program's folder cannot take CAP/ or the disk
// fills up: the user reads where the picture went or what failed, an earlier capture
// stays whole and the typed values stay as typed.
class CaptureFaultsTest : public CaptureTest {
protected:
    void SetUp() override {
        CaptureTest::SetUp();
        saved_ = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", dataHome_.path().toUtf8());
    }
    void TearDown() override {
        qputenv("XDG_DATA_HOME", saved_);
        CaptureTest::TearDown();
    }
    struct Window {
        const char* name;
        InputWindow& (*open)();
        QString suffix;
    };
    static InputWindow& openWindow(InputWindow& w) {
        w.Text1.setText(u"札幌"_s);
        w.Text2.setText(u"2005"_s);
        typeYear(w, kTemps, kRains);
        return w;
    }
    static inline const Window windows[] = {
        {"hythergraph", []() -> InputWindow& { return openWindow(instance<Hyser_Input>()); }, u"_Hyser_In.bmp"_s},
        {"climograph", []() -> InputWindow& { return openWindow(instance<Uonz_Input>()); }, u"_Uonz_In.bmp"_s},
    };
    static QStringList typed(const InputWindow& w) {
        QStringList texts{w.Text1.Text(), w.Text2.Text()};
        for (int i = 1; i <= 12; ++i) texts << w.Text3(i).Text() << w.Text4(i).Text();
        return texts;
    }
    void closeAll() {
        if (isLoaded<extras::Dialog_cap>()) instance<extras::Dialog_cap>().Unload();
        destroyAllForms();
    }
    testing_support::TempFolder dataHome_;
    QByteArray saved_;
};

TEST_F(CaptureFaultsTest, CapAsAFileSendsTheCaptureToTheUsersDataFolderAndTheNoticeSaysWhere) {
    QFile cap(u"CAP"_s);
    ASSERT_TRUE(cap.open(QIODevice::WriteOnly));
    cap.close();
    for (const Window& window : windows) {
        SCOPED_TRACE(window.name);
        InputWindow& w = window.open();
        const QStringList before = typed(w);
        w.menu(u"Cap_White"_s).click();
        EXPECT_TRUE(services.messages.empty());
        EXPECT_TRUE(w.Cap_File.startsWith(dataHome_.path())) << w.Cap_File.toStdString();
        EXPECT_TRUE(w.Cap_File.endsWith(u"/CAP/札幌/札幌2005"_s + window.suffix)) << w.Cap_File.toStdString();
        EXPECT_FALSE(QImage(w.Cap_File).isNull());
        const Label& where = instance<extras::Dialog_cap>().control<Label>(u"Label2"_s);
        EXPECT_TRUE(where.Visible());
        EXPECT_TRUE(where.Caption().contains(w.Cap_Folder));
        EXPECT_EQ(typed(w), before);
        closeAll();
    }
}

// A user's data folder as long as a real one: the notice shows the whole of it, every line
// painted between its message and its button.
TEST_F(CaptureFaultsTest, TheNoticeShowsTheWholeOfALongFolder) {
    const QString home = dataHome_.path() + u"/home/a-user-with-a-long-name/.local/share"_s;
    ASSERT_TRUE(QDir().mkpath(home));
    qputenv("XDG_DATA_HOME", home.toUtf8());
    QFile cap(u"CAP"_s);
    ASSERT_TRUE(cap.open(QIODevice::WriteOnly));
    cap.close();
    for (const QString& place : {u"東京"_s, u"Llanfairpwllgwyngyllgogerychwyrndrobwllllantysiliogogogoch"_s}) {
        SCOPED_TRACE(place.toStdString());
        InputWindow& w = openWindow(instance<Hyser_Input>());
        w.Text1.setText(place);
        w.menu(u"Cap_White"_s).click();
        ASSERT_TRUE(w.Cap_Folder.startsWith(home));
        auto& notice = instance<extras::Dialog_cap>();
        const Label& where = notice.control<Label>(u"Label2"_s);
        ASSERT_TRUE(where.Caption().contains(w.Cap_Folder));

        // The caption's ink on its own, on one line, against what the notice paints of it.
        const auto dark = [](QColor c) { return c.red() + c.green() + c.blue() < 200; };
        QImage alone(4000, 100, QImage::Format_RGB32);
        alone.fill(Qt::white);
        {
            QPainter p(&alone);
            p.setFont(toQFont(where.Font()));
            p.setPen(Qt::black);
            p.drawText(QPoint(10, 60), where.Caption());
        }
        const QImage shown = notice.grabClient();
        const auto inkBetween = [&dark](const QImage& image, int top, int bottom) {
            int ink = 0;
            for (int y = std::max(0, top); y < std::min(bottom, image.height()); ++y) {
                for (int x = 0; x < image.width(); ++x) ink += dark(QColor(image.pixel(x, y)));
            }
            return ink;
        };
        const Label& message = notice.control<Label>(u"Label1"_s);
        const Control& ok = notice.control<CommandButton>(u"OKButton"_s);
        const int painted = inkBetween(shown, toPixels(message.Top() + message.Height()), toPixels(ok.Top()));
        const int whole = inkBetween(alone, 0, alone.height());
        EXPECT_GE(painted, whole * 95 / 100) << painted << " of " << whole << " pixels of ink";
        EXPECT_LE(ok.Top() + ok.Height(), notice.clientHeightTwips()) << "the button stays in the notice";
        closeAll();
    }
}

TEST_F(CaptureFaultsTest, WhenNoFolderCanBeMadeTheMessageNamesBothAndTheValuesStay) {
    for (const QString& file : {u"CAP"_s, dataHome_.path() + u"/blocked"_s}) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    qputenv("XDG_DATA_HOME", (dataHome_.path() + u"/blocked"_s).toUtf8());
    for (const Window& window : windows) {
        SCOPED_TRACE(window.name);
        InputWindow& w = window.open();
        const QStringList before = typed(w);
        services.messages.clear();
        services.expectMessage();
        w.menu(u"Cap_Gray"_s).click();
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_TRUE(services.messages[0].prompt.contains(folder.path() + u"/CAP/札幌"_s)) << services.messages[0].prompt.toStdString();
        EXPECT_TRUE(services.messages[0].prompt.contains(dataHome_.path() + u"/blocked/"_s));
        EXPECT_FALSE(isLoaded<extras::Dialog_cap>());
        EXPECT_EQ(typed(w), before);
        EXPECT_TRUE(w.Command1.Visible());
        closeAll();
    }
}

TEST_F(CaptureFaultsTest, ADiskThatFillsUpIsReportedAndTheEarlierCaptureStaysWhole) {
    for (const Window& window : windows) {
        SCOPED_TRACE(window.name);
        InputWindow& w = window.open();
        w.menu(u"Cap_White"_s).click();
        const QString file = u"CAP/札幌/札幌2005"_s + window.suffix;
        QFile earlier(file);
        ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
        const QByteArray bytes = earlier.readAll();
        earlier.close();
        ASSERT_GT(bytes.size(), 100000);
        instance<extras::Dialog_cap>().Unload();
        const QStringList before = typed(w);
        // The last bytes go out only when the file is closed.
        for (const qint64 room : {qint64(4096), bytes.size() - 10}) {
            SCOPED_TRACE(room);
            services.messages.clear();
            services.expectMessage();
            {
                testing_support::FullDisk full(static_cast<std::uint64_t>(room));
                w.menu(u"Cap_Gray"_s).click();
            }
            ASSERT_EQ(services.messages.size(), 1u);
            EXPECT_TRUE(services.messages[0].prompt.contains(file)) << services.messages[0].prompt.toStdString();
            EXPECT_FALSE(isLoaded<extras::Dialog_cap>());
            QFile now(file);
            ASSERT_TRUE(now.open(QIODevice::ReadOnly));
            EXPECT_TRUE(now.readAll() == bytes) << "the earlier capture is whole";
            EXPECT_EQ(QDir(u"CAP/札幌"_s).entryList(QDir::Files).size(), 1);
            EXPECT_EQ(typed(w), before);
            EXPECT_TRUE(w.Command1.Visible());
        }
        closeAll();
        QDir(u"CAP"_s).removeRecursively();
    }
}

}  // namespace
