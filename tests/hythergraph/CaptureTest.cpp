// Capturing the chart to a bitmap under CAP/. A file that cannot be written, a failed grab
// and a year without a number are tested on all four windows in tests/app.
#include "extras/CaptureWindows.h"
#include "tests/hythergraph/MainWindowFixture.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>

#include <unistd.h>

#include "tests/support/TempFolder.h"

using namespace chart;
using namespace hythergraph;
using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace {

class CaptureTest : public testing_support::MainWindowFixture {
protected:
    Hyser_Main& startInFolder() {
        Hyser_Main& w = start();
        QDir::setCurrent(fixture.folder());
        return w;
    }
    void expectControlsBack(const Hyser_Main& w) {
        EXPECT_EQ(w.Command1.Left(), 8970);
        EXPECT_EQ(w.SpinButton1.Left(), 8250);
        EXPECT_TRUE(w.CheckBox1.Visible());
        EXPECT_TRUE(w.CheckBox3.Visible());
        EXPECT_TRUE(w.CheckBox4.Visible());
        EXPECT_TRUE(w.Check2.Visible());
    }
};

TEST_F(CaptureTest, WritesTheStationsBitmapWithoutTheControlsAndPutsThemBack) {
    Hyser_Main& w = startInFolder();
    show(w, u"広島"_s);
    w.Check2.setValue(0);
    w.Label4.setCaption(u"1995"_s);
    w.Hyouji();
    w.Hyouji_Hyther();
    w.Kion_Color();
    ASSERT_FALSE(QDir(u"CAP"_s).exists()) << "CAP/ is made by the capture";

    w.menu(u"Cap_White"_s).click();

    const QString file = u"CAP/広島/広島1995_Hyser.bmp"_s;
    ASSERT_TRUE(QFile::exists(file));
    EXPECT_EQ(w.Cap_File, file);
    EXPECT_EQ(w.Cap_Folder, u"CAP/広島"_s);
    const QImage bmp(file);
    EXPECT_EQ(bmp.width(), 792);
    EXPECT_EQ(bmp.height(), 543);
    // Where the check boxes and the buttons stood, the white background shows.
    EXPECT_EQ(QColor(bmp.pixel(10300 / 15, 120 / 15)), QColor(255, 255, 255)) << "累積表示";
    EXPECT_EQ(QColor(bmp.pixel(9100 / 15, 120 / 15)), QColor(255, 255, 255)) << "平年値";
    EXPECT_EQ(QColor(bmp.pixel(8500 / 15, 300 / 15)), QColor(255, 255, 255)) << "the spin button";
    EXPECT_EQ(QColor(bmp.pixel(9400 / 15, 600 / 15)), QColor(255, 255, 255)) << "クリア";
    // The chart is in the picture as the window shows it: July's point in its colour.
    EXPECT_EQ(w.drawing().size(), 24u);
    EXPECT_EQ(QColor(bmp.pixel(static_cast<int>(w.state.Plot_X[7] / 15), static_cast<int>(w.state.Plot_Y[7] / 15))), QColor(255, 0, 255));
    expectControlsBack(w);
    EXPECT_EQ(w.BackColor(), 0xFFFFFFu) << "the window stays on the white background";

    ASSERT_TRUE(isLoaded<extras::Dialog_cap>());
    auto& notice = instance<extras::Dialog_cap>();
    EXPECT_TRUE(notice.Visible());
    EXPECT_EQ(notice.Label1.Caption(), u"キャプチャ完了"_s);
    EXPECT_DOUBLE_EQ(notice.Left(), (services.screenWidth - notice.Width()) / 2);
    EXPECT_DOUBLE_EQ(notice.Top(), (services.screenHeight - notice.Height()) / 2 - 210);

    auto& holder = instance<extras::Form399>();
    EXPECT_FALSE(holder.Visible());
    EXPECT_EQ(holder.Caption(), u"ScreenCapture"_s);
    EXPECT_EQ(holder.picCapture.Picture().widthPixels(), 792);
}

TEST_F(CaptureTest, CapturingTwiceReplacesTheFileAndLeavesOneNotice) {
    Hyser_Main& w = startInFolder();
    w.menu(u"Cap_Gray"_s).click();
    w.menu(u"Cap_Gray"_s).click();
    EXPECT_TRUE(QFile::exists(u"CAP/東京/東京2020_Hyser.bmp"_s));
    EXPECT_EQ(QDir(u"CAP/東京"_s).entryList(QDir::Files).size(), 1);
    EXPECT_EQ(w.BackColor(), 0xE4EFEFu);
    instance<extras::Dialog_cap>().OKButton.click();
    EXPECT_FALSE(isLoaded<extras::Dialog_cap>());
    w.menu(u"Cap_Gray"_s).click();
    EXPECT_TRUE(instance<extras::Dialog_cap>().Visible()) << "a fresh notice";
}

TEST_F(CaptureTest, NamesThatWouldLeaveTheirFolderAreMadeSafe) {
    Hyser_Main& w = startInFolder();
    struct Case {
        QString name;
        QString folder;
    };
    const Case cases[] = {
        {u"../外"_s, u"CAP/_外"_s},
        {u"a/b"_s, u"CAP/a_b"_s},
        {u".."_s, u"CAP/名称未設定"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        w.Label36.setDataSource(nullptr);
        w.Label36.setCaption(c.name);
        w.Make_Folda();
        EXPECT_EQ(w.Cap_Folder, c.folder);
        EXPECT_TRUE(QDir(c.folder).exists());
        EXPECT_FALSE(QDir(fixture.folder() + u"/外"_s).exists());
    }
}

TEST_F(CaptureTest, WithCumulativeDisplayTheCaptureDoesNotRedraw) {
    Hyser_Main& w = startInFolder();
    show(w, u"東京"_s);
    w.Check2.setValue(0);
    w.menu(u"View_White"_s).click();
    w.CheckBox1.click();
    w.SpinButton1.spinUp();
    const std::size_t piled = w.drawing().size();
    w.menu(u"Cap_White"_s).click();
    EXPECT_EQ(w.drawing().size(), piled) << "already white: the points stay as they were";
}

// The pixel of each point of a drawing, in a picture of the client area.
std::vector<QRgb> pointPixels(const QImage& image, const std::vector<DrawOp>& drawing) {
    std::vector<QRgb> pixels;
    for (const DrawOp& op : drawing) {
        if (op.kind == DrawOp::Point) pixels.push_back(image.pixel(static_cast<int>(op.x1 / 15), static_cast<int>(op.y1 / 15)));
    }
    return pixels;
}

// The same points in the same colours; an edge pixel may blend with a new background.
void expectSamePoints(const std::vector<QRgb>& now, const std::vector<QRgb>& before) {
    ASSERT_EQ(now.size(), before.size());
    for (std::size_t i = 0; i < now.size(); ++i) {
        const int d = std::max({std::abs(qRed(now[i]) - qRed(before[i])), std::abs(qGreen(now[i]) - qGreen(before[i])),
                                std::abs(qBlue(now[i]) - qBlue(before[i]))});
        EXPECT_LE(d, 48) << "point " << i << ": " << std::hex << now[i] << " was " << before[i];
    }
}

TEST_F(CaptureTest, WithCumulativeDisplayEveryPrintAndCaptureKeepsThePiledUpYears) {
    Hyser_Main& w = startInFolder();
    show(w, u"東京"_s);
    w.Check2.setValue(0);
    w.CheckBox1.click();
    w.SpinButton1.spinUp();
    w.SpinButton1.spinUp();
    const std::vector<DrawOp> piled = w.drawing();
    ASSERT_EQ(piled.size(), 3 * 24u);
    const std::vector<QRgb> before = pointPixels(w.grabClient(), piled);

    for (const QString& item : {u"Print_White"_s, u"Print_Black_White"_s, u"Print_Gray"_s}) {
        SCOPED_TRACE(item.toStdString());
        services.printedPages.clear();
        w.menu(item).click();
        ASSERT_EQ(services.printedPages.size(), 1u);
        expectSamePoints(pointPixels(services.printedPages[0], piled), before);
    }
    int year = 2100;  // each capture its own file
    for (const QString& item : {u"Cap_White"_s, u"Cap_Gray"_s}) {
        SCOPED_TRACE(item.toStdString());
        w.Label4.setCaption(QString::number(++year));
        w.menu(item).click();
        const QImage bmp(u"CAP/東京/東京"_s + QString::number(year) + u"_Hyser.bmp"_s);
        ASSERT_FALSE(bmp.isNull());
        expectSamePoints(pointPixels(bmp, piled), before);
        instance<extras::Dialog_cap>().Unload();
    }
    EXPECT_GE(w.drawing().size(), piled.size());
}

// Captures of a program whose folder cannot take CAP/ go to the user's data folder.
class CaptureElsewhereTest : public CaptureTest {
protected:
    void SetUp() override {
        saved_ = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", dataHome_.path().toUtf8());
    }
    void TearDown() override {
        qputenv("XDG_DATA_HOME", saved_);
        CaptureTest::TearDown();
    }
    testing_support::TempFolder dataHome_;
    QByteArray saved_;
};

TEST_F(CaptureElsewhereTest, CapAsAFileSendsTheCaptureToTheUsersDataFolderAndTheNoticeSaysWhere) {
    Hyser_Main& w = startInFolder();
    QFile cap(u"CAP"_s);
    ASSERT_TRUE(cap.open(QIODevice::WriteOnly));
    cap.close();
    w.menu(u"Cap_White"_s).click();
    ASSERT_TRUE(w.Cap_File.startsWith(dataHome_.path())) << w.Cap_File.toStdString();
    EXPECT_TRUE(w.Cap_File.endsWith(u"/CAP/東京/東京2020_Hyser.bmp"_s));
    EXPECT_FALSE(QImage(w.Cap_File).isNull());
    auto& notice = instance<extras::Dialog_cap>();
    EXPECT_TRUE(notice.Visible());
    const Label& where = notice.control<Label>(u"Label2"_s);
    EXPECT_TRUE(where.Visible());
    EXPECT_TRUE(where.Caption().contains(w.Cap_Folder));
}

TEST_F(CaptureElsewhereTest, WhenNoFolderCanBeMadeTheMessageNamesBothPathsAndTheReasons) {
    Hyser_Main& w = startInFolder();
    for (const QString& file : {u"CAP"_s, dataHome_.path() + u"/blocked"_s}) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    qputenv("XDG_DATA_HOME", (dataHome_.path() + u"/blocked"_s).toUtf8());
    services.expectMessage();
    w.menu(u"Cap_White"_s).click();
    ASSERT_EQ(services.messages.size(), 1u);
    const QString text = services.messages[0].prompt;
    EXPECT_TRUE(text.contains(fixture.folder() + u"/CAP/東京"_s)) << text.toStdString();
    EXPECT_TRUE(text.contains(dataHome_.path() + u"/blocked/"_s)) << text.toStdString();
    EXPECT_TRUE(text.contains(u"ot a directory"_s) || text.contains(u"exists"_s)) << "the system's reason: " << text.toStdString();
    EXPECT_FALSE(isLoaded<extras::Dialog_cap>());
    expectControlsBack(w);
}

TEST_F(CaptureElsewhereTest, AReadOnlyProgramFolderSendsTheCaptureToTheUsersDataFolder) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    Hyser_Main& w = startInFolder();
    const QFile::Permissions was = QFile::permissions(fixture.folder());
    QFile::setPermissions(fixture.folder(), QFile::ReadOwner | QFile::ExeOwner);
    w.menu(u"Cap_White"_s).click();
    QFile::setPermissions(fixture.folder(), was);
    EXPECT_TRUE(w.Cap_File.startsWith(dataHome_.path())) << w.Cap_File.toStdString();
    EXPECT_FALSE(QImage(w.Cap_File).isNull());
}

}  // namespace
