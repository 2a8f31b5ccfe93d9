// The climograph window opening on 東京's normal values with its own data and chart
// state.
#include "chart/CScreenCapture.h"
#include "extras/frmSplash.h"
#include "tests/climograph/ClimographFixture.h"
#include "twograph/Form55.h"

using namespace climograph;
using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace {

class ClimographWindowTest : public testing_support::ClimographFixture {};

TEST_F(ClimographWindowTest, OpensOnTokyosNormalValuesWithItsOwnDataAndTheFocusOnTheSpinButton) {
    Uonz_Main& w = start();
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(w.Caption(), u"雨温図グラフ Veranth"_s);
    EXPECT_EQ(w.Label9.Caption(), u"雨温図グラフ"_s);
    EXPECT_EQ(w.Label29.Caption(), u"東京"_s);
    EXPECT_EQ(w.Label36.Caption(), u"東京"_s) << "Tokyo's normal-values row is current";
    EXPECT_EQ(w.Check2.Value(), 1);
    EXPECT_TRUE(w.Label19.Visible());
    EXPECT_EQ(w.Label19.Caption(), u"平年値"_s);
    EXPECT_TRUE(w.Label19.rect().intersects(w.Label4.rect())) << "the mode caption lies over the year";
    EXPECT_EQ(w.Label4.Caption(), fixture.normals.front().value(u"nen"_s));
    EXPECT_EQ(w.Label55.Caption(), u"関東"_s) << "the area of Tokyo's normal-values row";
    EXPECT_FALSE(w.CheckBox1.Enabled());
    EXPECT_FALSE(w.CheckBox4.Value());
    EXPECT_EQ(w.state.Rain_Scale, 11.1);
    for (int i = 0; i <= 6; ++i) EXPECT_EQ(w.Label13(i).Caption(), QString::number(100 * i)) << "the axis 0 to 600";
    EXPECT_EQ(w.state.Mark_DX, 30);
    EXPECT_EQ(w.state.Mark_DY, 30);
    EXPECT_EQ(w.state.Point_Width, 0);
    EXPECT_EQ(w.DrawWidth(), 6);
    EXPECT_EQ(w.Point_No_Cur, 47662);
    EXPECT_EQ(w.Uonz_Find_Key, u"Point_No=47662"_s);
    EXPECT_EQ(w.Uonz_Station_Table, u"Tokyo_Hyser_data"_s);
    EXPECT_EQ(w.Label46.Caption(), u"3"_s);
    EXPECT_EQ(w.Uonz_Rs->Source(), u"Tokyo_Hyser_Data"_s);
    EXPECT_TRUE(w.menu(u"Yokohaba_defolt"_s).Checked());
    EXPECT_TRUE(w.menu(u"Point_Mid"_s).Checked());
    EXPECT_EQ(w.ActiveControl(), &w.SpinButton1);
    EXPECT_FALSE(isLoaded<extras::frmSplash>());
    ASSERT_NE(w.Screen_Cap, nullptr);
    EXPECT_EQ(w.Screen_Cap->Form(), &w);
    EXPECT_TRUE(services.messages.empty());

    const auto& main = instance<hythergraph::Hyser_Main>();
    EXPECT_NE(w.Uonz_Heinen_Rs, main.Heinen_Rs) << "its own normal-values recordset";
    EXPECT_NE(w.Uonz_Rs, main.Hyser_Rs);
}

}  // namespace
