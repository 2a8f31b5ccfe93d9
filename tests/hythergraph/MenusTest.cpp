// The main window's menu tree and the items that lead to the other windows.
#include "climograph/Uonz_Main.h"
#include "extras/AuxWindows.h"
#include "input/Hyser_Input.h"
#include "pickers/FamilyPickers.h"
#include "platform/forms/Placement.h"
#include "stepmode/Hyser_Step_Mode.h"
#include "tests/hythergraph/MainWindowFixture.h"
#include "twograph/Form55.h"

#include <QDir>

using namespace chart;
using namespace hythergraph;
using namespace pickers;
using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace {

class MenusTest : public testing_support::MainWindowFixture {
protected:
    MenusTest() { fixture.copyMaps(); }
    Hyser_Main& start() {
        Hyser_Main& w = MainWindowFixture::start();
        QDir::setCurrent(fixture.folder());
        return w;
    }
};

TEST_F(MenusTest, TheTreeHasItsItemsInOrderWithTheirCaptionsAndStates) {
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
        {1, u"Rain_Ondo_Graph"_s, u" 雨温図グラフ  "_s, ""},
        {1, u"graph_2_mode"_s, u" ２グラフ "_s, ""},
        {1, u"auto_View"_s, u" 手動入力 "_s, ""},
        {1, u"option_VIew"_s, u" オプション "_s, ""},
        {2, u"Yokohaba_wide"_s, u"横幅最大"_s, ""},
        {2, u"Yo_tatenaga_Max"_s, u"縦長最大"_s, ""},
        {2, u"Yokohaba_defolt"_s, u"標準画面"_s, "c"},
        {2, u"ljhbt"_s, u"-"_s, ""},
        {2, u"F_keppen"_s, u"ケッペン区分図１"_s, ""},
        {2, u"F_keppen_2"_s, u"ケッペン区分図２"_s, ""},
        {2, u"hsbvu"_s, u"-"_s, ""},
        {2, u"Point_size"_s, u"点の大きさ"_s, ""},
        {3, u"Point_Very_Big"_s, u"特大"_s, ""},
        {3, u"Point_Big"_s, u"大"_s, ""},
        {3, u"Point_Mid"_s, u"中"_s, "c"},
        {3, u"Point_Mini"_s, u"小"_s, ""},
        {2, u"nyunryun"_s, u"-"_s, ""},
        {2, u"tuki_set"_s, u"月数字位置調整"_s, ""},
        {2, u"Paper_Fubuki"_s, u"紙ふぶき"_s, "hd"},
        {1, u"help_View"_s, u" ヘルプ "_s, ""},
        {2, u"Readme_View"_s, u"Readme"_s, ""},
        {2, u"kisyou_data"_s, u"気象庁データについて"_s, ""},
        {2, u"kisyocho_V"_s, u"気象庁 統計WEB"_s, ""},
        {2, u"Orvell_web"_s, u"開発元サイト"_s, ""},
        {2, u"install_Guide"_s, u"インストールガイド"_s, ""},
        {2, u"Readme_New_dev"_s, u"更新履歴"_s, ""},
        {2, u"mkixh"_s, u"-"_s, ""},
        {2, u"ver_access"_s, u"バージョンINFO"_s, ""},
    };
    Hyser_Main& w = start();
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

TEST_F(MenusTest, WindowItemsPlaceTheirWindowsByTheRuleAndItsVariants) {
    services.screenHeight = 11520;
    Hyser_Main& w = start();
    const auto expectAt = [&](const Form& f, double top) {
        EXPECT_TRUE(f.Visible());
        EXPECT_DOUBLE_EQ(f.Left(), (services.screenWidth - f.Width()) / 2 + (top == -2500 ? 1500 : 0));
        EXPECT_DOUBLE_EQ(f.Top(), (services.screenHeight - f.Height()) / 2 + top);
    };
    struct Case {
        QString item;
        std::function<Form&()> window;
        double top;  // offset from the vertical centre
    };
    const Case cases[] = {
        {u"Step_Run"_s, []() -> Form& { return instance<stepmode::Hyser_Step_Mode>(); }, -210},
        {u"Rain_Ondo_Graph"_s, []() -> Form& { return instance<climograph::Uonz_Main>(); }, -210},
        {u"graph_2_mode"_s, []() -> Form& { return instance<twograph::Form55>(); }, -210},
        {u"auto_View"_s, []() -> Form& { return instance<input::Hyser_Input>(); }, -210},
        {u"F_keppen"_s, []() -> Form& { return instance<extras::Form111>(); }, -210},
        {u"F_keppen_2"_s, []() -> Form& { return instance<extras::Form112>(); }, -210},
        {u"Readme_View"_s, []() -> Form& { return instance<extras::Form48>(); }, -210},
        {u"kisyou_data"_s, []() -> Form& { return instance<extras::Form50>(); }, -210},
        {u"kisyocho_V"_s, []() -> Form& { return instance<extras::frmBrowser>(); }, -210},
        {u"install_Guide"_s, []() -> Form& { return instance<extras::Form49>(); }, -210},
        {u"Readme_New_dev"_s, []() -> Form& { return instance<extras::Form51>(); }, -210},
        {u"tuki_set"_s, []() -> Form& { return instance<extras::Form57>(); }, -2500},
        {u"select_kanto"_s, []() -> Form& { return instance<Form47>(); }, 0},
        {u"W_Uro"_s, []() -> Form& { return instance<pickers::Form3>(); }, -210},
        {u"W_Rossia"_s, []() -> Form& { return instance<pickers::Form5>(); }, -210},
        {u"W_Asia"_s, []() -> Form& { return instance<pickers::Form6>(); }, -210},
        {u"W_Afrika"_s, []() -> Form& { return instance<pickers::Form7>(); }, -210},
        {u"W_N_America"_s, []() -> Form& { return instance<pickers::Form10>(); }, -210},
        {u"W_S_America"_s, []() -> Form& { return instance<pickers::Form11>(); }, -210},
        {u"W_Oceania"_s, []() -> Form& { return instance<pickers::Form12>(); }, -210},
        {u"ver_access"_s, []() -> Form& { return instance<extras::frmAbout>(); }, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item.toStdString());
        w.menu(c.item).click();
        Form& f = c.window();
        expectAt(f, c.top);
        // Moved by the user, it is put back by the next pick.
        f.Move(10, 10);
        w.menu(c.item).click();
        expectAt(f, c.top);
    }
}

TEST_F(MenusTest, AMinimisedOrMaximisedWindowIsOnlyRestored) {
    Hyser_Main& w = start();
    for (const int state : {vbMinimized, vbMaximized}) {
        w.menu(u"Rain_Ondo_Graph"_s).click();
        auto& uonz = instance<climograph::Uonz_Main>();
        uonz.Move(30, 40);
        uonz.setWindowState(state);
        w.menu(u"Rain_Ondo_Graph"_s).click();
        EXPECT_EQ(uonz.WindowState(), vbNormal);
        EXPECT_EQ(uonz.Left(), 30) << "not re-centred";
        EXPECT_EQ(uonz.Top(), 40);
    }
}

TEST_F(MenusTest, TheVersionWindowIsCentredWhateverItsState) {
    Hyser_Main& w = start();
    auto& about = instance<extras::frmAbout>();
    about.Show();
    about.setWindowState(vbMinimized);
    w.menu(u"ver_access"_s).click();
    EXPECT_EQ(about.WindowState(), vbMinimized) << "its state is not looked at";
    EXPECT_DOUBLE_EQ(about.Left(), (services.screenWidth - about.Width()) / 2);
}

TEST_F(MenusTest, PlacementOnAKnownScreen) {
    services.screenHeight = 11520;
    forms::FormDesign d = plainDesign(u"Probe"_s, u"probe"_s);
    Form probe(d);
    probe.setHeight(2000);
    const auto topFor = [&](Placement p) {
        placeAndShow(probe, p);
        return probe.Top();
    };
    EXPECT_EQ(topFor(Placement::AboveCentre), 4550);
    EXPECT_EQ(topFor(Placement::Centre), 4760);
    EXPECT_EQ(topFor(Placement::ToolOffset), 2260);
    services.screenHeight = 1500;
    EXPECT_EQ(topFor(Placement::AboveCentre), 0) << "never above the screen";
}

TEST_F(MenusTest, TheMakersSiteItemOpensThePageAboutTheProgramInTheBrowser) {
    Hyser_Main& w = start();
    w.menu(u"Orvell_web"_s).click();
    w.menu(u"Orvell_web"_s).click();
    ASSERT_EQ(services.openedUrls.size(), 2u) << "each pick opens one more";
    EXPECT_TRUE(services.openedUrls[0].startsWith(u"file://"_s));
    EXPECT_TRUE(services.openedUrls[0].endsWith(u"/tavrin.html"_s));
    services.urlFails = true;
    services.expectMessage();
    w.menu(u"Orvell_web"_s).click();
    EXPECT_TRUE(services.messages.back().prompt.contains(u"tavrin.html"_s));
}

}  // namespace
