// The two-graph window opening on 東京's normal values with its own data and chart
// state, and its header, table and charts laid apart.
#include "chart/CScreenCapture.h"
#include "extras/frmSplash.h"
#include "tests/twograph/TwoGraphFixture.h"

using namespace twograph;
using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace {

class TwoGraphWindowTest : public testing_support::TwoGraphFixture {};

TEST_F(TwoGraphWindowTest, OpensOnTokyosNormalValuesWithItsOwnDataAndTheFocusOnTheSpinButton) {
    Form55& w = start();
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(w.Caption(), u"ハイサー 雨温図 Veranth"_s);
    EXPECT_EQ(w.BackColor(), 0xE4EFEFu);
    EXPECT_EQ(w.Label29.Caption(), u"東京"_s);
    EXPECT_EQ(w.Label36.Caption(), u"東京"_s) << "Tokyo's normal-values row is current";
    EXPECT_EQ(w.Check2.Value(), 1);
    EXPECT_TRUE(w.Label19.Visible());
    EXPECT_EQ(w.Label19.Caption(), u"平年値"_s);
    EXPECT_EQ(w.Label4.Caption(), fixture.normalsRow(47662).value(u"nen"_s));
    EXPECT_EQ(w.Label53.Caption(), u"関東"_s) << "the area of Tokyo's normal-values row";
    EXPECT_EQ(w.Label2(1).Caption(), u"5.4"_s);
    EXPECT_EQ(w.Label3(13).Caption(), u"1598.2"_s);
    EXPECT_EQ(w.Label20.Caption(), u"35.69N"_s);
    EXPECT_FALSE(w.Label49.Visible());
    EXPECT_FALSE(w.Label50.Visible()) << "the marks belong to single years";
    EXPECT_FALSE(w.CheckBox1.Enabled());
    EXPECT_EQ(w.hytherState.Rain_Scale, 9);
    EXPECT_EQ(w.hytherState.Temp_Scale, 90);
    EXPECT_EQ(w.uonzState.Rain_Scale, 9) << "the bars' scale";
    EXPECT_EQ(w.hytherState.Mark_DX, 45);
    EXPECT_EQ(w.uonzState.Mark_DY, 30);
    EXPECT_EQ(w.hytherState.Point_Width, 0);
    EXPECT_EQ(w.DrawWidth(), 6);
    EXPECT_EQ(w.Graph2_Point_No_Cur, 47662);
    EXPECT_EQ(w.Graph2_Find_Key, u"Point_No=47662"_s);
    EXPECT_EQ(w.Station_Table, u"Tokyo_Hyser_data"_s);
    EXPECT_EQ(w.control<Label>(u"Label45"_s).Caption(), u"Tokyo_Hyser_data"_s);
    EXPECT_EQ(w.Label46.Caption(), u"3"_s);
    EXPECT_EQ(w.Graph2_Rs->Source(), u"Tokyo_Hyser_Data"_s);
    EXPECT_EQ(w.tuki_Moved, 0);
    EXPECT_TRUE(w.menu(u"Yokohaba_defolt"_s).Checked());
    EXPECT_TRUE(w.menu(u"Point_Mid"_s).Checked());
    EXPECT_FALSE(w.menu(u"View_gray"_s).Enabled());
    EXPECT_TRUE(w.menu(u"View_White"_s).Enabled());
    EXPECT_EQ(w.ActiveControl(), &w.SpinButton1);
    EXPECT_FALSE(isLoaded<extras::frmSplash>());
    ASSERT_NE(w.Screen_Cap, nullptr);
    EXPECT_EQ(w.Screen_Cap->Form(), &w);
    EXPECT_TRUE(services.messages.empty());

    const auto& main = instance<hythergraph::Hyser_Main>();
    EXPECT_NE(w.Graph2_Heinen_Rs, main.Heinen_Rs) << "its own normal-values recordset";
    EXPECT_NE(w.Graph2_Rs, main.Hyser_Rs);
}

TEST_F(TwoGraphWindowTest, TheHeaderTheTableAndTheChartsLieApartWithinTheStandardWidth) {
    Form55& w = start();
    const double width = w.clientWidthTwips();
    const std::vector<const Control*> header = {&w.Label29,   &w.Label9,    &w.Label4,    &w.SpinButton1, &w.Check2,  &w.Command1,
                                                &w.CheckBox1, &w.CheckBox4, &w.CheckBox3, &w.Label53,     &w.Label25, &w.Label10};
    for (std::size_t i = 0; i < header.size(); ++i) {
        SCOPED_TRACE(header[i]->Name().toStdString());
        EXPECT_LE(header[i]->Left() + header[i]->Width(), width);
        for (std::size_t j = i + 1; j < header.size(); ++j) {
            // The boxes stand in a column; the year's caption lies over the year.
            const bool column = header[i]->Left() == header[j]->Left();
            if (!column) {
                EXPECT_FALSE(header[i]->rect().intersects(header[j]->rect())) << header[j]->Name().toStdString();
            }
        }
    }
    EXPECT_TRUE(w.Label19.rect().intersects(w.Label4.rect())) << "the mode caption lies over the year";
    // The cells within the table's panel, the facts within theirs, the charts below both.
    for (int i = 1; i <= 13; ++i) {
        EXPECT_TRUE(w.Label10.rect().contains(w.Label2(i).rect())) << i;
        EXPECT_TRUE(w.Label10.rect().contains(w.Label3(i).rect())) << i;
    }
    const Label& yearCaption = w.control<Label>(u"Label60"_s);
    for (const Control* c : std::initializer_list<const Control*>{&w.Label20, &w.Label21, &w.Label22, &w.Label1, &yearCaption}) {
        EXPECT_TRUE(w.Label25.rect().contains(c->rect())) << c->Name().toStdString();
    }
    const Label& climographFrame = w.control<Label>(u"Label54"_s);
    const Label& hythergraphFrame = w.control<Label>(u"Label7"_s);
    EXPECT_LT(w.Label10.Top() + w.Label10.Height(), climographFrame.Top());
    EXPECT_LE(hythergraphFrame.Left() + hythergraphFrame.Width(), width);
    EXPECT_LT(climographFrame.Left() + climographFrame.Width(), w.Label12(0).Left() + w.Label12(0).Width())
        << "the temperatures between the charts";
    EXPECT_LE(w.Label12(0).Left() + w.Label12(0).Width(), hythergraphFrame.Left());
}

}  // namespace
