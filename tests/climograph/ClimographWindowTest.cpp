// The climograph window opening on 東京's normal values with its own data and chart
// state, its menu tree, the items that lead to other windows, clearing and closing.
#include "chart/CScreenCapture.h"
#include "extras/AuxWindows.h"
#include "extras/frmSplash.h"
#include "platform/forms/Placement.h"
#include "stepmode/Hyser_Step_Mode.h"
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

TEST_F(ClimographWindowTest, OpensTwelveThousandTwipsWideAboveTheCentreOfTheScreen) {
    Uonz_Main& w = start();
    EXPECT_EQ(w.Width(), 12000);
    EXPECT_DOUBLE_EQ(w.Left(), (services.screenWidth - w.Width()) / 2);
    EXPECT_DOUBLE_EQ(w.Top(), (services.screenHeight - w.Height()) / 2 - 210);
}

TEST_F(ClimographWindowTest, TheTreeHasItsItemsInOrderWithTheirCaptionsAndStates) {
    struct Row {
        int level;
        QString name, caption;
        const char* state;  // h hidden, d disabled, c checked
    };
    const Row rows[] = {
        {1, u"file_select"_s, u" 日本ファイル(&F ) "_s, ""},
        {2, u"Step_Run"_s, u"ステップ表示モード"_s, ""},
        {2, u"hjmghjkg"_s, u"-"_s, ""},
        {2, u"select_hokkaido"_s, u"北海道地方"_s, ""},
        {2, u"select_touhok"_s, u"東北地方"_s, ""},
        {2, u"select_kanto"_s, u"関東地方"_s, ""},
        {2, u"select_kinki"_s, u"近畿・中部地方"_s, ""},
        {2, u"select_tyugok"_s, u"中国・四国地方"_s, ""},
        {2, u"select_kyusyu"_s, u"九州地方"_s, ""},
        {2, u"select_okinawa"_s, u"沖縄・南西諸島"_s, ""},
        {2, u"ldung"_s, u"-"_s, "h"},
        {2, u"aeria_Parret"_s, u"地域選択パレット"_s, "h"},
        {2, u"paret"_s, u"-"_s, ""},
        {2, u"Form_end"_s, u"終了"_s, ""},
        {1, u"World_View"_s, u" 世界ファイル(&W ) "_s, ""},
        {2, u"W_Uro"_s, u"ヨーロッパ"_s, ""},
        {2, u"W_Rossia"_s, u"ロシア・中東"_s, ""},
        {2, u"W_Asia"_s, u"アジア"_s, ""},
        {2, u"W_Afrika"_s, u"アフリカ"_s, ""},
        {2, u"W_N_America"_s, u"北アメリカ"_s, ""},
        {2, u"W_S_America"_s, u"南アメリカ"_s, ""},
        {2, u"W_Oceania"_s, u"オセアニア"_s, ""},
        {1, u"print_View"_s, u" 印刷 "_s, ""},
        {2, u"View_White"_s, u"白地に変更"_s, ""},
        {2, u"View_gray"_s, u"淡地に変更"_s, "d"},
        {2, u"hbnk"_s, u"-"_s, ""},
        {2, u"View_BKWT"_s, u"白黒画面"_s, ""},
        {2, u"View_Color"_s, u"カラー画面"_s, ""},
        {2, u"fimkc"_s, u"-"_s, ""},
        {2, u"Print_White"_s, u"白地で印刷"_s, ""},
        {2, u"Print_Black_White"_s, u"白黒で印刷"_s, ""},
        {2, u"Print_Gray"_s, u"カラー印刷"_s, ""},
        {2, u"fbik"_s, u"-"_s, "h"},
        {1, u"Form_Capt"_s, u" キャプチャー "_s, ""},
        {2, u"Cap_White"_s, u"白地"_s, ""},
        {2, u"Cap_Gray"_s, u"淡地"_s, ""},
        {1, u"kakusyu_View"_s, u" 各種表示モード "_s, "h"},
        {2, u"Hyther_Graph"_s, u"ruvirov"_s, ""},
        {2, u"area_2_mode"_s, u" ２地域比較モード "_s, ""},
        {1, u"auto_View"_s, u" ruvirov "_s, ""},
        {1, u"graph_2_mode_U"_s, u" ２グラフ "_s, ""},
        {1, u"syudou"_s, u" 手動入力 "_s, ""},
        {1, u"option_VIew"_s, u" オプション "_s, ""},
        {2, u"Yo_tatenaga_Max"_s, u"縦長最大"_s, ""},
        {2, u"Yokohaba_defolt"_s, u"標準画面"_s, "c"},
        {2, u"hsbvu"_s, u"-"_s, ""},
        {2, u"Point_size"_s, u"点の大きさ"_s, ""},
        {3, u"Point_Very_Big"_s, u"特大"_s, ""},
        {3, u"Point_Big"_s, u"大"_s, ""},
        {3, u"Point_Mid"_s, u"中"_s, "c"},
        {3, u"Point_Mini"_s, u"小"_s, ""},
        {2, u"nyunryun"_s, u"-"_s, ""},
        {2, u"Paper_Fubuki"_s, u"紙ふぶき"_s, ""},
        {1, u"help_View"_s, u" ヘルプ "_s, ""},
        {2, u"Readme_View"_s, u"Readme"_s, ""},
        {2, u"kisyou_data"_s, u"気象庁データについて"_s, ""},
        {2, u"install_Guide"_s, u"インストールガイド"_s, ""},
        {2, u"Readme_New_dev"_s, u"更新履歴"_s, ""},
        {2, u"dhyrt"_s, u"-"_s, ""},
        {2, u"kisyocho_V"_s, u"気象庁 統計WEB"_s, ""},
        {2, u"Orvell_web"_s, u"開発元サイト"_s, ""},
        {2, u"mkixh"_s, u"-"_s, ""},
        {2, u"ver_access"_s, u"バージョンINFO"_s, ""},
    };
    Uonz_Main& w = start();
    ASSERT_EQ(w.menus().size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row& r = rows[i];
        const MenuItem& m = *w.menus()[i];
        SCOPED_TRACE(r.name.toStdString());
        EXPECT_EQ(m.Name(), r.name);
        EXPECT_EQ(m.Caption(), r.caption);
        EXPECT_EQ(m.level(), r.level);
        const std::string state = r.state;
        EXPECT_EQ(m.Visible(), state.find('h') == std::string::npos);
        EXPECT_EQ(m.Enabled(), state.find('d') == std::string::npos);
        EXPECT_EQ(m.Checked(), state.find('c') != std::string::npos);
    }
}

TEST_F(ClimographWindowTest, WindowItemsPlaceTheirWindowsByTheRule) {
    Uonz_Main& w = start();
    auto& main = instance<hythergraph::Hyser_Main>();
    main.Move(0, 0);
    struct Case {
        QString item;
        std::function<Form&()> window;
        double top;  // offset from the vertical centre
    };
    const Case cases[] = {
        {u"Step_Run"_s, []() -> Form& { return instance<stepmode::Hyser_Step_Mode>(); }, -210},
        {u"auto_View"_s, []() -> Form& { return instance<hythergraph::Hyser_Main>(); }, -210},
        {u"graph_2_mode_U"_s, []() -> Form& { return instance<twograph::Form55>(); }, -210},
        {u"Readme_View"_s, []() -> Form& { return instance<extras::Form48>(); }, -210},
        {u"kisyou_data"_s, []() -> Form& { return instance<extras::Form50>(); }, -210},
        {u"install_Guide"_s, []() -> Form& { return instance<extras::Form49>(); }, -210},
        {u"Readme_New_dev"_s, []() -> Form& { return instance<extras::Form51>(); }, -210},
        {u"kisyocho_V"_s, []() -> Form& { return instance<extras::frmBrowser>(); }, -210},
        {u"ver_access"_s, []() -> Form& { return instance<extras::frmAbout>(); }, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item.toStdString());
        w.menu(c.item).click();
        const Form& f = c.window();
        EXPECT_TRUE(f.Visible());
        EXPECT_DOUBLE_EQ(f.Left(), (services.screenWidth - f.Width()) / 2);
        EXPECT_DOUBLE_EQ(f.Top(), (services.screenHeight - f.Height()) / 2 + c.top);
    }
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(ClimographWindowTest, TheTwoWindowSizesKeepOneCheckMarkAndStayOnTheScreen) {
    Uonz_Main& w = start();
    w.menu(u"Yo_tatenaga_Max"_s).click();
    EXPECT_TRUE(w.menu(u"Yo_tatenaga_Max"_s).Checked());
    EXPECT_FALSE(w.menu(u"Yokohaba_defolt"_s).Checked());
    EXPECT_EQ(w.Height(), 11055);
    EXPECT_EQ(w.Top(), 0);
    EXPECT_EQ(w.Width(), 12000);
    EXPECT_DOUBLE_EQ(w.Left(), (services.screenWidth - 12000) / 2);

    w.menu(u"Yokohaba_defolt"_s).click();
    EXPECT_TRUE(w.menu(u"Yokohaba_defolt"_s).Checked());
    EXPECT_FALSE(w.menu(u"Yo_tatenaga_Max"_s).Checked());
    EXPECT_EQ(w.Width(), 12000);
    EXPECT_EQ(w.Height(), 8835);
    EXPECT_DOUBLE_EQ(w.Left(), (services.screenWidth - 12000) / 2);
    EXPECT_DOUBLE_EQ(w.Top(), (services.screenHeight - 8835) / 2 - 210);

    services.screenHeight = 9000;  // a low screen
    w.menu(u"Yo_tatenaga_Max"_s).click();
    EXPECT_EQ(w.Height(), 9000);
    EXPECT_EQ(w.Top(), 0);
}

TEST_F(ClimographWindowTest, TheMakersSiteItemOpensThePageAboutTheProgramOrSaysItCannot) {
    Uonz_Main& w = start();
    w.menu(u"Orvell_web"_s).click();
    ASSERT_EQ(services.openedUrls.size(), 1u);
    EXPECT_TRUE(services.openedUrls[0].endsWith(u"/tavrin.html"_s));
    services.urlFails = true;
    services.expectMessage();
    w.menu(u"Orvell_web"_s).click();
    EXPECT_TRUE(services.messages.back().prompt.contains(u"tavrin.html"_s));
}

TEST_F(ClimographWindowTest, ClearTakesTheChartDownAndLeavesTheTable) {
    Uonz_Main& w = start();
    const QString january = w.Label2(1).Caption();
    w.Label15.setCaption(u"3"_s);
    w.Command1_Click();
    EXPECT_EQ(w.Label15.Caption(), u"0"_s);
    EXPECT_EQ(w.Label16.Caption(), u"0"_s);
    EXPECT_TRUE(w.drawing().empty());
    for (int i = 1; i <= 12; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(w.Label28(i).Left(), 30000);
        EXPECT_EQ(w.Shape3(i).Left(), 30000);
        EXPECT_EQ(w.Line11(i).X1(), 30000);
        EXPECT_EQ(w.Line11(i).Y2(), 30000);
        EXPECT_FALSE(w.Label51(i).Visible()) << "the bars go";
    }
    EXPECT_EQ(w.Shape3(13).Left(), 30000);
    EXPECT_EQ(w.Label2(1).Caption(), january);
    EXPECT_EQ(w.ActiveControl(), &w.Check2);

    w.Hyouji_Uonz();
    w.Command1.SetFocus();  // tabbing onto クリア clears too
    EXPECT_TRUE(w.drawing().empty());
}

TEST_F(ClimographWindowTest, QuitClosesOnlyThisWindowAndTheNextOpeningStartsAgainFromTokyo) {
    Uonz_Main& w = start();
    w.SpinButton1.spinUp();
    ASSERT_NE(w.Label29.Caption(), u"東京"_s);
    w.menu(u"Form_end"_s).click();
    collectUnloadedForms();
    EXPECT_FALSE(isLoaded<Uonz_Main>());
    EXPECT_FALSE(services.endedWith.has_value()) << "the program goes on";
    EXPECT_TRUE(instance<hythergraph::Hyser_Main>().Visible());

    instance<hythergraph::Hyser_Main>().menu(u"Rain_Ondo_Graph"_s).click();
    Uonz_Main& again = instance<Uonz_Main>();
    EXPECT_EQ(again.Label29.Caption(), u"東京"_s);
    EXPECT_EQ(again.Check2.Value(), 1);
}

}  // namespace
