// Capturing the chart to a bitmap under CAP/.
#include "extras/CaptureWindows.h"
#include "tests/hythergraph/MainWindowFixture.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>

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

TEST_F(CaptureTest, AYearLabelWithoutANumberGivesTheYear0) {
    Hyser_Main& w = startInFolder();
    w.Label4.setCaption(u"平年"_s);
    w.menu(u"Cap_White"_s).click();
    EXPECT_TRUE(QFile::exists(u"CAP/東京/東京0_Hyser.bmp"_s));
}

TEST_F(CaptureTest, AFileThatCannotBeWrittenIsReportedWithoutTheNotice) {
    Hyser_Main& w = startInFolder();
    QDir().mkpath(u"CAP/東京/東京2020_Hyser.bmp"_s);  // a folder where the file should go
    services.expectMessage();
    w.menu(u"Cap_White"_s).click();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages[0].prompt.contains(u"CAP/東京/東京2020_Hyser.bmp"_s));
    EXPECT_FALSE(isLoaded<extras::Dialog_cap>());
    expectControlsBack(w);
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

}  // namespace
