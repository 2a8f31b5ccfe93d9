// Capturing the input window to CAP/<place>/<place><year>_Hyser_In.bmp.
#include "extras/CaptureWindows.h"
#include "input/Hyser_Input.h"
#include "tests/input/InputWindowFixture.h"

#include <QColor>
#include <QFile>
#include <QImage>

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

TEST_F(CaptureTest, TheYearAndThePlaceGoIntoTheNameMadeSafe) {
    struct Case {
        QString place, year, file;
    };
    const Case cases[] = {
        {u"那覇"_s, u"1999"_s, u"CAP/那覇/那覇1999_Hyser_In.bmp"_s},
        {u"札幌"_s, u"年"_s, u"CAP/札幌/札幌0_Hyser_In.bmp"_s},
        {u"札幌"_s, u" 2005 年"_s, u"CAP/札幌/札幌2005_Hyser_In.bmp"_s},
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

}  // namespace
