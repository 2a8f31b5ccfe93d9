// The hythergraph main window starting up on the databases, refusing a second copy and
// failing clearly without its data.
#include "app/Start.h"
#include "chart/CScreenCapture.h"
#include "extras/frmSplash.h"
#include "hythergraph/Hyser_Main.h"
#include "platform/ado/Ado.h"
#include "platform/forms/Services.h"
#include "tests/support/ClimateFixture.h"
#include "tests/support/FakeServices.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace chart;
using namespace hythergraph;
using namespace forms;
using namespace Qt::Literals::StringLiterals;
using testing_support::ClimateFixture;
using testing_support::FakeServices;

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void TearDown() override {
        destroyAllForms();
        AppInfo::setPath(QString());
    }
    Hyser_Main& start() {
        AppInfo::setPath(fixture.build());
        EXPECT_EQ(app::startProgram(), -1);
        return instance<Hyser_Main>();
    }

    FakeServices services;
    ClimateFixture fixture;
};

TEST_F(MainWindowTest, StartsOnTokyosNormalValuesWithTheFocusOnTheSpinButton) {
    Hyser_Main& w = start();
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(w.Caption(), u"ruvirov Veranth"_s);
    EXPECT_EQ(w.Label29.Caption(), u"東京"_s);
    EXPECT_EQ(w.Check2.Value(), 1);
    EXPECT_EQ(w.Label19.Caption(), u"平年値"_s);
    EXPECT_TRUE(w.Label19.Visible());
    EXPECT_TRUE(w.Label19.rect().intersects(w.Label4.rect()));
    // Label4 holds the nen of the table's first row, hidden under "平年値".
    EXPECT_EQ(w.Label4.Caption(), fixture.normals.front().value(u"nen"_s));
    EXPECT_EQ(w.ActiveControl(), &w.SpinButton1);
    EXPECT_EQ(w.state.Rain_Scale, 11);
    EXPECT_EQ(w.state.Temp_Scale, 110);
    EXPECT_EQ(w.state.Mark_DX, 45);
    EXPECT_EQ(w.state.Mark_DY, 30);
    EXPECT_EQ(w.DrawWidth(), 6);
    EXPECT_EQ(w.state.Point_Width, 0);
    EXPECT_EQ(w.Point_No_Cur, 47662);
    EXPECT_EQ(w.Label46.Caption(), u"3"_s);
    EXPECT_EQ(w.Label53.Caption(), u"関東"_s);
    EXPECT_EQ(w.Label36.Caption(), u"東京"_s) << "Tokyo's normal-values row is current";
    EXPECT_FALSE(forms::isLoaded<extras::frmSplash>());
    ASSERT_NE(w.Screen_Cap, nullptr);
    EXPECT_EQ(w.Screen_Cap->Form(), &w);
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(MainWindowTest, OpensTwelveThousandTwipsWideAboveTheCentreOfTheScreen) {
    Hyser_Main& w = start();
    EXPECT_EQ(w.Width(), 12000);
    EXPECT_EQ(w.Height(), 8835);
    EXPECT_DOUBLE_EQ(w.Left(), (15360 - 12000) / 2.0);
    EXPECT_DOUBLE_EQ(w.Top(), (11520 - 8835) / 2.0 - 210);
}

TEST_F(MainWindowTest, OnAScreenSmallerThanTheWindowItStartsAtTheTopLeftCorner) {
    services.screenWidth = 9600;
    services.screenHeight = 7200;
    Hyser_Main& w = start();
    EXPECT_EQ(w.Left(), 0);
    EXPECT_EQ(w.Top(), 0);
}

TEST_F(MainWindowTest, ValueCellsShowTheBoundNormalValuesOfTokyo) {
    Hyser_Main& w = start();
    const data::ClimateRow& tokyo = fixture.normalsRow(47662);
    for (int i = 1; i <= 13; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(w.Label30(i).Caption(), tokyo.value(data::ondoField(i)));
        EXPECT_EQ(w.Label31(i).Caption(), tokyo.value(data::rainField(i)));
    }
    EXPECT_EQ(w.Label20.Caption(), tokyo.value(u"latitude"_s));
    EXPECT_EQ(w.Label21.Caption(), tokyo.value(u"longitude"_s));
    EXPECT_EQ(w.Label22.Caption(), tokyo.value(u"P_High"_s));
    // The single-year labels stand on the first row of Tokyo's table.
    EXPECT_EQ(w.Label39.Caption(), u"1"_s);
}

TEST_F(MainWindowTest, SecondCopyIsRefusedBeforeAnyWindowShows) {
    services.previousInstance = true;
    services.expectMessage();
    AppInfo::setPath(fixture.build());
    EXPECT_EQ(app::startProgram(), 1);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].prompt, u" 複数の起動はできません "_s);
    EXPECT_EQ(services.messages[0].title, AppInfo::Title());
    EXPECT_EQ(services.endedWith, 1);
    EXPECT_FALSE(instance<Hyser_Main>().Visible());
    EXPECT_FALSE(forms::isLoaded<extras::frmSplash>());
}

TEST_F(MainWindowTest, MissingDatabaseGivesAMessageNamingItAndAFailingStatus) {
    AppInfo::setPath(fixture.folder());  // nothing built: no Hyther_DB
    services.expectMessage();
    EXPECT_EQ(app::startProgram(), 1);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages[0].prompt.contains(u"Hyther_DB/Hokkaido_Hyser_Data.mdb"_s)) << services.messages[0].prompt.toStdString();
    EXPECT_FALSE(forms::isLoaded<Hyser_Main>());
    EXPECT_FALSE(services.endedWith) << "the half-loaded window does not end the program before the message shows";
}

TEST_F(MainWindowTest, MissingNormalValuesTableGivesAMessageNamingIt) {
    QDir().mkpath(fixture.folder() + u"/Hyther_DB"_s);
    {
        ado::DatabaseWriter w(fixture.folder() + u"/Hyther_DB/Hokkaido_Hyser_Data.mdb"_s);
        w.createTable(u"Other"_s, {{u"x"_s, false}});
        w.commit();
    }
    AppInfo::setPath(fixture.folder());
    services.expectMessage();
    EXPECT_EQ(app::startProgram(), 1);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages[0].prompt.contains(u"Heinenchi_Hyser_Data"_s));
}

}  // namespace
