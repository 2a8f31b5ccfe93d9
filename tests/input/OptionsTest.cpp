// The scale, point sizes, window sizes and the items that open other windows.
#include "climograph/Uonz_Main.h"
#include "extras/AuxWindows.h"
#include "hythergraph/Hyser_Main.h"
#include "input/Hyser_Input.h"
#include "input/Uonz_Input.h"
#include "tests/input/InputWindowFixture.h"
#include "tests/support/ClimateFixture.h"

using namespace forms;
using namespace input;
using namespace testing_support;
using namespace Qt::Literals::StringLiterals;

namespace {

constexpr double kUnit = 1.225;

class OptionsTest : public InputWindowFixture {};

TEST_F(OptionsTest, 目盛変更HalvesThePrecipitationAxisAndBack) {
    Hyser_Input& w = instance<Hyser_Input>();
    typeYear(w, kTemps, kRains);
    w.Text4(8).setText(u"300"_s);
    w.CheckBox4.click();
    EXPECT_EQ(w.state.Rain_Scale, 18);
    const QString halved[7] = {u"0"_s, u"50"_s, u"100"_s, u"150"_s, u"200"_s, u"250"_s, u"300"_s};
    for (int i = 0; i <= 6; ++i) EXPECT_EQ(w.Label13(i).Caption(), halved[i]) << i;
    EXPECT_DOUBLE_EQ(w.state.Plot_X[8], 8800) << "300 mm at the frame's right edge";
    EXPECT_EQ(w.drawing().size(), 24u) << "cleared and drawn once, not twice over";

    w.CheckBox4.click();
    EXPECT_EQ(w.state.Rain_Scale, 9);
    for (int i = 0; i <= 6; ++i) EXPECT_EQ(w.Label13(i).Caption(), QString::number(100 * i)) << i;
    EXPECT_DOUBLE_EQ(w.state.Plot_X[8], 300 * 9 + 3400);
}

TEST_F(OptionsTest, PointSizesSetThePenTheMarkersAndTheCheckMark) {
    struct Case {
        const char* item;
        int width;
        double dx, dy, size;
    };
    const Case cases[] = {
        {"Point_Very_Big", 12, 75, 75, 180},
        {"Point_Big", 8, 60, 45, 120},
        {"Point_Mini", 4, 15, 15, 60},
        {"Point_Mid", 6, 30, 30, 90},
    };
    Hyser_Input& w = instance<Hyser_Input>();
    typeYear(w, kTemps, kRains);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        w.menu(QString::fromLatin1(c.item)).click();
        EXPECT_EQ(w.state.Point_Width, c.width);
        for (const char* item : {"Point_Very_Big", "Point_Big", "Point_Mid", "Point_Mini"}) {
            EXPECT_EQ(w.menu(QString::fromLatin1(item)).Checked(), std::string(item) == c.item) << item;
        }
        for (int i = 1; i <= 12; ++i) {
            EXPECT_NEAR(w.Shape3(i).Width(), c.size * kUnit, 1e-9);
            EXPECT_NEAR(w.Shape3(i).Height(), c.size, 1e-9);
            EXPECT_NEAR(w.Shape3(i).Left(), (w.state.Plot_X[i] - c.dx) * kUnit, 1e-6);
            EXPECT_NEAR(w.Shape3(i).Top(), w.state.Plot_Y[i] - c.dy, 1e-6);
        }
        ASSERT_FALSE(w.drawing().empty());
        for (const DrawOp& op : w.drawing()) EXPECT_EQ(op.width, c.width);
    }
}

TEST_F(OptionsTest, WindowSizesMoveTheCheckMark) {
    Hyser_Input& w = instance<Hyser_Input>();
    w.menu(u"Yokohaba_wide"_s).click();
    EXPECT_EQ(w.Left(), 0);
    EXPECT_EQ(w.Width(), services.screenWidth);
    EXPECT_TRUE(w.menu(u"Yokohaba_wide"_s).Checked());
    EXPECT_FALSE(w.menu(u"Yokohaba_defolt"_s).Checked());

    w.menu(u"Yo_tatenaga_Max"_s).click();
    EXPECT_EQ(w.Top(), 0);
    EXPECT_EQ(w.Height(), 11055);
    EXPECT_TRUE(w.menu(u"Yo_tatenaga_Max"_s).Checked());
    EXPECT_FALSE(w.menu(u"Yokohaba_wide"_s).Checked());

    w.menu(u"Yokohaba_defolt"_s).click();
    EXPECT_EQ(w.Width(), 12000);
    EXPECT_EQ(w.Height(), 8835);
    EXPECT_DOUBLE_EQ(w.Left(), (services.screenWidth - 12000) / 2);
    EXPECT_DOUBLE_EQ(w.Top(), (services.screenHeight - 8835) / 2 - 210);
    EXPECT_TRUE(w.menu(u"Yokohaba_defolt"_s).Checked());
}

TEST_F(OptionsTest, TheChartKeepsItsScaleWhenTheWindowIsWidened) {
    Hyser_Input& w = instance<Hyser_Input>();
    typeYear(w, kTemps, kRains);
    const std::vector<DrawOp> before = w.drawing();
    w.menu(u"Yokohaba_wide"_s).click();
    w.Command2.click();
    ASSERT_EQ(w.drawing().size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) EXPECT_DOUBLE_EQ(w.drawing()[i].x1, before[i].x1);
}

TEST_F(OptionsTest, HelpItemsOpenTheirWindowsAnd終了ClosesOnlyThisOne) {
    Hyser_Input& w = instance<Hyser_Input>();
    w.menu(u"Readme_View"_s).click();
    EXPECT_TRUE(instance<extras::Form48>().Visible());
    w.menu(u"install_Guide"_s).click();
    EXPECT_TRUE(instance<extras::Form49>().Visible());
    w.menu(u"kisyou_data"_s).click();
    EXPECT_TRUE(instance<extras::Form50>().Visible());
    w.menu(u"ver_access"_s).click();
    const Form& about = instance<extras::frmAbout>();
    EXPECT_TRUE(about.Visible());
    EXPECT_DOUBLE_EQ(about.Top(), (services.screenHeight - about.Height()) / 2) << "centred exactly";

    w.menu(u"Form_end"_s).click();
    EXPECT_FALSE(isLoaded<Hyser_Input>());
    EXPECT_FALSE(services.endedWith.has_value()) << "the program goes on";
    EXPECT_TRUE(instance<extras::Form48>().Visible());
}

TEST_F(OptionsTest, ReopenedAfterClosingItStartsFromItsDesign) {
    Hyser_Input& first = instance<Hyser_Input>();
    typeYear(first, kTemps, kRains);
    first.menu(u"Point_Big"_s).click();
    first.CheckBox4.click();
    first.Unload();
    collectUnloadedForms();
    Hyser_Input& w = instance<Hyser_Input>();
    EXPECT_TRUE(w.Text3(1).Text().isEmpty());
    EXPECT_EQ(w.state.Rain_Scale, 9);
    EXPECT_EQ(w.state.Mark_DX, 30);
    EXPECT_TRUE(w.menu(u"Point_Mid"_s).Checked());
    EXPECT_FALSE(w.CheckBox4.Value());
}

TEST_F(OptionsTest, ASecondCopyOfTheProgramIsToldSoAndEnds) {
    services.previousInstance = true;
    services.expectMessage();
    instance<Hyser_Input>();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].prompt, u" すでに起動しています "_s);
    EXPECT_EQ(services.endedWith, 1);
}

TEST_F(OptionsTest, OtherRegionItemsAreShownGreyed) {
    Hyser_Input& w = instance<Hyser_Input>();
    for (const QString& item : {u"select_hokkaido"_s, u"select_okinawa"_s, u"W_Asia"_s, u"W_Oceania"_s}) {
        EXPECT_FALSE(w.menu(item).Enabled()) << item.toStdString();
    }
    EXPECT_THROW(w.menu(u"W_Rossia"_s), std::exception) << "there is no Russia item";
    EXPECT_EQ(w.menu(u"Rain_Ondo_Graph"_s).Caption(), u" 雨温図グラフ "_s);
    EXPECT_EQ(w.menu(u"auto_View"_s).Caption(), u" データベースモード "_s);
}

// The station windows open from here on a program folder with their databases.
class StationWindowsTest : public OptionsTest {
protected:
    void SetUp() override {
        OptionsTest::SetUp();
        AppInfo::setPath(climate.build());
        QDir::setCurrent(climate.folder());
    }
    ClimateFixture climate;
};

TEST_F(StationWindowsTest, データベースモードAnd雨温図グラフOpenTheStationWindowsWhoseScalesStayTheirOwn) {
    Hyser_Input& w = instance<Hyser_Input>();
    typeYear(w, kTemps, kRains);
    w.menu(u"auto_View"_s).click();
    ASSERT_TRUE(isLoaded<hythergraph::Hyser_Main>());
    auto& main = instance<hythergraph::Hyser_Main>();
    EXPECT_TRUE(main.Visible());
    EXPECT_TRUE(w.Visible()) << "the input window stays open";
    EXPECT_EQ(main.state.Rain_Scale, 11);

    main.CheckBox4.click();  // the main window's 目盛変更
    main.menu(u"Point_Very_Big"_s).click();
    w.Command2.click();
    EXPECT_EQ(w.state.Rain_Scale, 9);
    EXPECT_DOUBLE_EQ(w.state.Plot_X[1], kRains[0] * 9 + 3400);
    EXPECT_EQ(w.drawing()[0].width, 6) << "the main window's point size is its own";
    w.CheckBox4.click();
    EXPECT_EQ(main.state.Rain_Scale, 22);

    w.menu(u"Rain_Ondo_Graph"_s).click();
    ASSERT_TRUE(isLoaded<climograph::Uonz_Main>());
    EXPECT_TRUE(instance<climograph::Uonz_Main>().Visible());
}

TEST_F(StationWindowsTest, TheClimographInputWindowLeadsToTheClimographAndTheHythergraph) {
    Uonz_Input& w = instance<Uonz_Input>();
    w.menu(u"auto_View"_s).click();
    ASSERT_TRUE(isLoaded<climograph::Uonz_Main>());
    EXPECT_FALSE(isLoaded<hythergraph::Hyser_Main>());
    w.menu(u"Rain_Ondo_Graph"_s).click();
    ASSERT_TRUE(isLoaded<hythergraph::Hyser_Main>());
    EXPECT_TRUE(w.Visible());
}

}  // namespace
