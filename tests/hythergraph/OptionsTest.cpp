// The main window's own chart options: cumulative display binding its station, month
// numbers, the precipitation scale and the hidden confetti. 累積表示 piling up the years
// and the point sizes are tested on all four windows in tests/app.
#include "tests/hythergraph/MainWindowFixture.h"

using namespace chart;
using namespace hythergraph;
using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace {

class OptionsTest : public testing_support::MainWindowFixture {};

TEST_F(OptionsTest, ScaleChangeDoublesTheMillimetreWidthAndRewritesTheAxis) {
    fixture.normalsRow(47662)[u"Rain_1"_s] = u"150.0"_s;
    Hyser_Main& w = start();
    w.CheckBox4.click();
    EXPECT_EQ(w.state.Rain_Scale, 22);
    EXPECT_NEAR(w.state.Plot_X[1], 7470, 0.01);
    const QStringList ticked{u"0"_s, u"50"_s, u"100"_s, u"150"_s, u"200"_s, u"250"_s, u"300"_s};
    for (int i = 0; i <= 6; ++i) EXPECT_EQ(w.Label13(i).Caption(), ticked[i]);
    w.CheckBox4.click();
    EXPECT_EQ(w.state.Rain_Scale, 11);
    EXPECT_NEAR(w.state.Plot_X[1], 5820, 0.01);
    for (int i = 0; i <= 6; ++i) EXPECT_EQ(w.Label13(i).Caption(), QString::number(100 * i));
}

TEST_F(OptionsTest, MonthNumbersVanishAtOnceAndComeBackWithARedraw) {
    fixture.normalsRow(47662)[u"Ondo_4"_s] = u"×"_s;
    Hyser_Main& w = start();
    const std::size_t drawn = w.drawing().size();
    w.CheckBox3.click();
    for (int i = 1; i <= 12; ++i) EXPECT_FALSE(w.Label28(i).Visible()) << i;
    EXPECT_EQ(w.drawing().size(), drawn);
    w.Cls();
    w.CheckBox3.click();
    EXPECT_EQ(w.drawing().size(), drawn) << "ticked again, the chart is drawn again";
    for (int i = 1; i <= 12; ++i) EXPECT_EQ(w.Label28(i).Visible(), i != 4) << i;
    EXPECT_FALSE(w.Label28(13).Visible());
}

TEST_F(OptionsTest, CumulativeDisplayBindsTheShownStationAfterLookingItUp) {
    Hyser_Main& w = start();
    show(w, u"那覇"_s);
    w.Check2.setValue(0);
    w.Station_Table = u"Tokyo_Hyser_data"_s;  // what another window's lookup might have left
    w.CheckBox1.click();
    EXPECT_EQ(w.Station_Table, u"Naha_Okinawa_Hyser_Data"_s);
    EXPECT_EQ(w.Hyser_Rs->Source(), u"Naha_Okinawa_Hyser_Data"_s);
}

TEST_F(OptionsTest, ConfettiIsHiddenAndDisabled) {
    Hyser_Main& w = start();
    EXPECT_FALSE(w.menu(u"Paper_Fubuki"_s).Visible());
    EXPECT_FALSE(w.menu(u"Paper_Fubuki"_s).Enabled());
}

}  // namespace
