// The chart options beside the chart and in the オプション menu: cumulative display,
// month numbers, the precipitation scale and the point sizes.
#include "platform/forms/Text.h"
#include "tests/hythergraph/MainWindowFixture.h"

using namespace chart;
using namespace hythergraph;
using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace {

class OptionsTest : public testing_support::MainWindowFixture {
protected:
    static int pointCount(const Hyser_Main& w) {
        int n = 0;
        for (const DrawOp& op : w.drawing()) n += op.kind == DrawOp::Point ? 1 : 0;
        return n;
    }
    static QStringList checkedOf(const Hyser_Main& w, const QStringList& items) {
        QStringList checked;
        for (const QString& i : items) {
            if (w.menu(i).Checked()) checked << i;
        }
        return checked;
    }
    const QStringList pointItems{u"Point_Very_Big"_s, u"Point_Big"_s, u"Point_Mid"_s, u"Point_Mini"_s};
};

TEST_F(OptionsTest, PointSizesSetPenWidthOffsetsMarkerSizesAndOneCheckMark) {
    Hyser_Main& w = start();
    EXPECT_EQ(checkedOf(w, pointItems), QStringList{u"Point_Mid"_s}) << "中 carries the mark from the start";
    struct Case {
        QString item;
        int width;
        double dx, dy, size;
    };
    const Case cases[] = {
        {u"Point_Mini"_s, 4, 30, 15, 60},
        {u"Point_Very_Big"_s, 12, 90, 75, 180},
        {u"Point_Big"_s, 8, 60, 45, 120},
        {u"Point_Mid"_s, 6, 45, 30, 90},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item.toStdString());
        w.menu(c.item).click();
        EXPECT_EQ(w.state.Point_Width, c.width);
        EXPECT_EQ(w.state.Mark_DX, c.dx);
        EXPECT_EQ(w.state.Mark_DY, c.dy);
        EXPECT_EQ(checkedOf(w, pointItems), QStringList{c.item});
        for (int i = 1; i <= 12; ++i) {
            EXPECT_EQ(w.Shape3(i).Width(), c.size);
            EXPECT_EQ(w.Shape3(i).Height(), c.size);
            EXPECT_NEAR(w.Shape3(i).Left(), w.state.Plot_X[i] - c.dx, 0.01) << "the marker moves to its point";
        }
        for (const DrawOp& op : w.drawing()) EXPECT_EQ(op.width, c.width);
    }
}

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

TEST_F(OptionsTest, CumulativeDisplayPilesUpTheYearsFrom2000) {
    Hyser_Main& w = start();
    show(w, u"東京"_s);
    w.Check2.setValue(0);
    w.SpinButton1.spinUp();  // 2001, with joining lines
    w.Label15.setCaption(u"3"_s);
    w.CheckBox1.click();
    EXPECT_TRUE(w.CheckBox1.Value());
    EXPECT_EQ(w.Label4.Caption(), u"2000"_s);
    EXPECT_EQ(w.Label15.Caption(), u"0"_s);
    EXPECT_EQ(w.Label16.Caption(), u"0"_s);
    EXPECT_EQ(pointCount(w), 24) << "2000 alone";
    for (int i = 1; i <= 12; ++i) {
        EXPECT_EQ(w.Line11(i).X1(), 30000) << "no joining lines";
        EXPECT_EQ(w.Shape3(i).Left(), 30000) << "no markers";
        EXPECT_EQ(w.Label28(i).Left(), 30000) << "no month numbers";
    }
    w.SpinButton1.spinUp();
    w.SpinButton1.spinUp();
    EXPECT_EQ(w.Label4.Caption(), u"2002"_s);
    EXPECT_EQ(pointCount(w), 72) << "each year adds its points";

    w.CheckBox4.click();  // the scale change clears, then draws the current year alone
    EXPECT_EQ(pointCount(w), 24);
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
