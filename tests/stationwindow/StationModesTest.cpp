// The two modes of a station chart window on their own: a small form with the controls
// the modes use by name, a window that records what the modes ask of it, and a fixture
// database. Looking up, binding and finding a station's rows, the switch between normal
// values and single years, the hand-over from a picker and the steps of the spin button.
#include "data/Catalogue.h"
#include "data/ClimateDb.h"
#include "data/climate/DataPeriod.h"
#include "platform/forms/Form.h"
#include "stationwindow/StationModes.h"
#include "tests/support/ClimateFixture.h"
#include "tests/support/FakeServices.h"
#include "windows/StationOwner.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <optional>

using namespace forms;
using namespace stationwindow;
using namespace Qt::Literals::StringLiterals;
using testing_support::ClimateFixture;
using testing_support::FakeServices;

namespace {

// The controls the modes reach by name, as every station chart window names them.
FormDesign modesDesign() {
    FormDesign d;
    d.name = u"ModesProbe"_s;
    d.clientWidth = 12000;
    d.clientHeight = 8000;
    double top = 0;
    const auto next = [&top] { return top += 300; };
    for (const char16_t* name : {u"Label1",  u"Label4",  u"Label16", u"Label19", u"Label20", u"Label21", u"Label22", u"Label29",
                                 u"Label32", u"Label33", u"Label34", u"Label36", u"Label39", u"Label42", u"Label43", u"Label44",
                                 u"Label45", u"Label46", u"Label47", u"Label48", u"Label51", u"Label52", u"Label53"}) {
        d.controls.push_back(label(QString::fromUtf16(name), 0, next(), 1200, 300));
    }
    for (const char16_t* name : {u"Label2", u"Label3", u"Label30", u"Label31", u"Label40", u"Label41"}) {
        const double row = next();
        for (int i = 1; i <= 13; ++i) d.controls.push_back(label(QString::fromUtf16(name), 600.0 * i, row, 600, 300).at(i));
    }
    d.controls.push_back(checkBox(u"Check2"_s, 9000, 0, 1200, 300).checked());
    d.controls.push_back(formsCheckBox(u"CheckBox1"_s, 9000, 300, 1200, 300));
    d.controls.push_back(spinButton(u"SpinButton1"_s, 9000, 600, 300, 500));
    return d;
}

// A window that answers the modes' questions and notes what they asked it to do. Like the
// windows, it finds the row again when it is asked to redraw.
class RecordingWindow : public StationModeWindow {
public:
    const Station_Ref& stationNamed(const QString& caption) const override {
        ++lookUps;
        return data::lookupStation(caption);
    }
    void setArea(const QString& area) override {
        areas << area;
        areaCell->setCaption(area);
    }
    void redraw() override {
        ++redraws;
        modes->find();
    }
    void drawRow() override { ++rowsDrawn; }
    void stepStarting() override { order << u"start"_s; }
    void stepEnding() override { order << u"end"_s; }

    StationModes* modes = nullptr;
    Label* areaCell = nullptr;
    mutable int lookUps = 0;
    int redraws = 0;
    int rowsDrawn = 0;
    QStringList areas;
    QStringList order;
};

class StationModesTest : public ::testing::Test {
protected:
    StationModesTest() : savedFolder_(QDir::currentPath()) {}

    void SetUp() override {
        form.emplace(modesDesign());
        modes.emplace(*form, window,
                      StationModes::Records{normalsConnection, normals, yearsConnection, years, stationNumber, stationTable, findKey},
                      StationModes::Labels{{u"Label52"_s, u"Label51"_s}, u"Label53"_s, u"Label45"_s}, windows::kChoiceYear);
        window.modes = &*modes;
        window.areaCell = &label(u"Label53"_s);
        // The window's boxes, wired as the windows wire them.
        check2().onClick = [this] { modes->switchMode(); };
        cumulative().onClick = [this] { cumulativeClicks += modes->reverting() ? 0 : 1; };
    }
    void TearDown() override {
        modes.reset();
        form.reset();
        QDir::setCurrent(savedFolder_);
    }

    Label& label(const QString& name) { return form->control<Label>(name); }
    QString caption(const QString& name) { return label(name).Caption(); }
    CheckBox& check2() { return form->control<CheckBox>(u"Check2"_s); }
    FormsCheckBox& cumulative() { return form->control<FormsCheckBox>(u"CheckBox1"_s); }

    // The window as it starts: 東京's normal values shown, the year of their row.
    void start() {
        fixture.build();  // with the test's changes to the rows
        QDir::setCurrent(fixture.folder());
        modes->openAtStart();
        label(u"Label4"_s).setCaption(caption(u"Label1"_s));
        modes->find();
    }
    // A station chosen on a picker in the mode shown: named, looked up, bound and found
    // at the year a choice starts from.
    void choose(const QString& station) {
        label(u"Label29"_s).setCaption(station);
        label(u"Label4"_s).setCaption(QString::number(windows::kChoiceYear));
        modes->lookUp();
        modes->bind();
        modes->find();
    }
    void showYear(int year) {
        label(u"Label4"_s).setCaption(QString::number(year));
        modes->find();
    }
    int tokyosFirstYear() const {
        for (const data::ClimateRow& r : fixture.years) {
            if (r.value(u"Point_No"_s) == u"47662"_s && r.value(u"ID"_s) == u"1"_s) return r.value(u"nen"_s).toInt();
        }
        return 0;
    }

    FakeServices services;
    ClimateFixture fixture;
    std::shared_ptr<ado::Connection> normalsConnection, yearsConnection;
    std::shared_ptr<ado::Recordset> normals, years;
    int stationNumber = 0;
    QString stationTable, findKey;
    RecordingWindow window;
    std::optional<Form> form;
    std::optional<StationModes> modes;
    int cumulativeClicks = 0;

private:
    QString savedFolder_;
};

// --- Opening, looking up, binding, finding ----------------------------------------------

TEST_F(StationModesTest, AtStartTokyosNormalValuesAreBoundAndItsYearsOpen) {
    start();
    EXPECT_EQ(caption(u"Label29"_s), u"東京"_s);
    EXPECT_EQ(caption(u"Label36"_s), u"東京"_s) << "Tokyo's row is current";
    EXPECT_EQ(caption(u"Label19"_s), u"平年値"_s);
    EXPECT_EQ(caption(u"Label52"_s), u"関東"_s) << "the normals' area follows the row";
    EXPECT_EQ(form->controls<Label>(u"Label30"_s)(1).Caption(), fixture.normalsRow(47662).value(u"Ondo_1"_s));
    EXPECT_EQ(stationNumber, 47662);
    EXPECT_EQ(findKey, u"Point_No=47662"_s);
    EXPECT_EQ(caption(u"Label46"_s), u"3"_s) << "Tokyo's region, once looked up";
    EXPECT_EQ(years->Source(), data::kDefaultStationTable);
    EXPECT_EQ(caption(u"Label39"_s), u"1"_s) << "the year labels stand on the table's first row";
    EXPECT_EQ(window.rowsDrawn, 0);
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(StationModesTest, ALookUpTakesTheNamedStationsNumberTableAndRegion) {
    start();
    label(u"Label29"_s).setCaption(u"那覇"_s);
    modes->lookUp();
    const data::Station_Ref& naha = data::lookupStation(u"那覇"_s);
    EXPECT_EQ(stationNumber, 47936);
    EXPECT_EQ(stationTable, naha.table);
    EXPECT_EQ(caption(u"Label46"_s), u"7"_s);
    EXPECT_EQ(caption(u"Label45"_s), naha.table) << "the window's table cell names it";
    EXPECT_EQ(caption(u"Label36"_s), u"東京"_s) << "a look-up moves no record";
}

TEST_F(StationModesTest, BindingNormalValuesTakesTheLookedUpStationsRowNeverTheCurrentOne) {
    start();
    label(u"Label29"_s).setCaption(u"那覇"_s);
    modes->lookUp();
    modes->bind();
    EXPECT_EQ(caption(u"Label36"_s), u"那覇"_s);
    EXPECT_EQ(form->controls<Label>(u"Label2"_s)(7).Caption(), fixture.normalsRow(47936).value(u"Ondo_7"_s));

    // A station the table has no row of: empty cells, not 那覇's.
    label(u"Label29"_s).setCaption(u"伊吹山"_s);
    modes->lookUp();
    modes->bind();
    EXPECT_EQ(caption(u"Label36"_s), QString());
    EXPECT_EQ(form->controls<Label>(u"Label2"_s)(7).Caption(), QString());
}

TEST_F(StationModesTest, BindingSingleYearsReplacesTheRecordsOnlyOnceTheTableIsOpen) {
    start();
    check2().setValue(0);
    ASSERT_EQ(years->Source(), u"Tokyo_Hyser_data"_s);
    choose(u"那覇"_s);
    EXPECT_EQ(years->Source(), data::lookupStation(u"那覇"_s).table);
    EXPECT_EQ(caption(u"Label36"_s), u"那覇"_s) << "name and year follow the years";
    EXPECT_EQ(caption(u"Label1"_s), u"2000"_s);

    const auto shownYears = years;
    const auto shownConnection = yearsConnection;
    stationTable = u"No_Such_Table"_s;
    EXPECT_ANY_THROW(modes->bind());
    EXPECT_EQ(years, shownYears) << "the window keeps the table it shows";
    EXPECT_EQ(yearsConnection, shownConnection);
}

TEST_F(StationModesTest, AStationWithoutARowIsDrawnEmptyThenBeepedAndNamedInTheMessage) {
    start();
    services.expectMessage(vbOK, [this] { EXPECT_EQ(window.rowsDrawn, 1) << "the empty table stands behind the message"; });
    choose(u"伊吹山"_s);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].prompt, u"該当するレコードが見つかりません"_s);
    EXPECT_EQ(services.beeps, 1);
    EXPECT_TRUE(normals->isEOF());
    EXPECT_EQ(caption(u"Label29"_s), u"伊吹山"_s);
}

TEST_F(StationModesTest, AYearWithoutARowOnlyBeeps) {
    start();
    check2().setValue(0);
    const int beeps = services.beeps;
    showYear(1700);
    EXPECT_EQ(findKey, u"nen=1700"_s);
    EXPECT_TRUE(years->isEOF());
    EXPECT_EQ(services.beeps, beeps + 1);
    EXPECT_TRUE(services.messages.empty());
}

// --- The switch and the hand-over ---------------------------------------------------------

TEST_F(StationModesTest, SwitchingToSingleYearsShowsTheYearOfTheStationShownAndBack) {
    start();
    check2().setValue(0);
    EXPECT_FALSE(label(u"Label19"_s).Visible());
    EXPECT_EQ(caption(u"Label19"_s), u"各年値"_s);
    EXPECT_EQ(label(u"Label19"_s).ForeColor(), 0xFFu);
    EXPECT_TRUE(cumulative().Enabled());
    EXPECT_EQ(caption(u"Label29"_s), u"東京"_s);
    EXPECT_EQ(window.areas.back(), u"日本"_s) << "the years' own area";
    EXPECT_EQ(window.redraws, 1);
    EXPECT_EQ(caption(u"Label1"_s), fixture.normals.front().value(u"nen"_s)) << "the year the normal values stood on";

    label(u"Label4"_s).setCaption(u"1995"_s);
    cumulative().setValue(true);
    check2().setValue(1);
    EXPECT_TRUE(label(u"Label19"_s).Visible());
    EXPECT_EQ(caption(u"Label19"_s), u"平年値"_s);
    EXPECT_EQ(label(u"Label19"_s).ForeColor(), 0xFF0000u);
    EXPECT_FALSE(cumulative().Value());
    EXPECT_FALSE(cumulative().Enabled());
    EXPECT_EQ(cumulativeClicks, 1) << "the switch's own untick of 累積表示 is no user's click";
    EXPECT_EQ(caption(u"Label4"_s), u"2000"_s);
    EXPECT_EQ(window.areas.back(), u"関東"_s);
    EXPECT_EQ(caption(u"Label36"_s), u"東京"_s);
    EXPECT_EQ(window.redraws, 2);
}

TEST_F(StationModesTest, ATableThatCannotBeOpenedRevertsTheSwitchAndSaysSo) {
    start();
    choose(u"那覇"_s);
    ASSERT_TRUE(QFile::remove(fixture.folder() + u"/Hyther_DB/Okinawa_Hyser_Data.mdb"_s));
    const auto shownYears = years;
    services.expectMessage();
    check2().setValue(0);
    ASSERT_EQ(services.messages.size(), 1u) << "the box ticked again switches nothing back";
    EXPECT_TRUE(services.messages[0].prompt.startsWith(u"各年値を開けません。\n"_s)) << services.messages[0].prompt.toStdString();
    EXPECT_TRUE(services.messages[0].prompt.contains(u"Okinawa_Hyser_Data.mdb"_s)) << services.messages[0].prompt.toStdString();
    EXPECT_EQ(services.messages[0].style, vbExclamation);
    EXPECT_EQ(check2().Value(), 1);
    EXPECT_TRUE(label(u"Label19"_s).Visible());
    EXPECT_EQ(caption(u"Label19"_s), u"平年値"_s);
    EXPECT_EQ(years, shownYears);
    EXPECT_EQ(caption(u"Label36"_s), u"那覇"_s);
    EXPECT_EQ(window.redraws, 0);
}

TEST_F(StationModesTest, AfterAnEmptySearchTheSwitchGoesOnWithTheStationNamedOrLastLookedUp) {
    start();
    services.expectMessage();
    choose(u"伊吹山"_s);
    ASSERT_EQ(caption(u"Label36"_s), QString());
    check2().setValue(0);
    EXPECT_EQ(caption(u"Label29"_s), u"伊吹山"_s) << "the name shown";
    EXPECT_EQ(stationTable, data::lookupStation(u"伊吹山"_s).table);

    // Nothing bound and no name: the station the window last looked up.
    label(u"Label36"_s).setDataSource(nullptr);
    label(u"Label36"_s).setCaption(QString());
    label(u"Label29"_s).setCaption(QString());
    services.expectMessage();
    check2().setValue(1);
    EXPECT_EQ(caption(u"Label29"_s), u"伊吹山"_s);
    EXPECT_EQ(stationNumber, data::lookupStation(u"伊吹山"_s).number);
}

TEST_F(StationModesTest, AHandOverSwitchesOnlyTheTagsForThePickerToGoOn) {
    start();
    ASSERT_TRUE(QFile::remove(fixture.folder() + u"/Hyther_DB/Okinawa_Hyser_Data.mdb"_s));
    label(u"Label29"_s).setCaption(u"那覇"_s);
    const int lookUps = window.lookUps;
    modes->handOver(false);
    EXPECT_EQ(check2().Value(), 0);
    EXPECT_EQ(caption(u"Label19"_s), u"各年値"_s);
    EXPECT_TRUE(cumulative().Enabled());
    EXPECT_EQ(window.lookUps, lookUps) << "neither looked up";
    EXPECT_EQ(window.redraws, 0) << "nor drawn";
    EXPECT_TRUE(services.messages.empty()) << "nor opened";
    EXPECT_EQ(years->Source(), data::kDefaultStationTable);

    modes->handOver(true);
    EXPECT_EQ(caption(u"Label19"_s), u"平年値"_s);
    EXPECT_EQ(caption(u"Label4"_s), u"2000"_s);
    EXPECT_EQ(window.redraws, 0);
}

// --- The steps --------------------------------------------------------------------------

TEST_F(StationModesTest, NormalValuesStepRowByRowAndWrapAtBothEnds) {
    start();
    ASSERT_EQ(fixture.normals[3].value(u"spot"_s), u"東京"_s);
    const QString year = caption(u"Label4"_s);
    modes->step(1);
    EXPECT_EQ(caption(u"Label29"_s), fixture.normals[4].value(u"spot"_s));
    EXPECT_EQ(window.rowsDrawn, 1);
    EXPECT_EQ(window.redraws, 0) << "no search: the row stepped to is drawn";
    EXPECT_EQ(window.areas.back(), fixture.normals[4].value(u"area"_s));
    EXPECT_EQ(caption(u"Label4"_s), year);
    EXPECT_EQ(window.order, (QStringList{u"start"_s, u"end"_s}));

    normals->MoveLast();
    modes->step(1);
    EXPECT_EQ(caption(u"Label29"_s), fixture.normals.front().value(u"spot"_s)) << "past the last row, the first";
    modes->step(-1);
    EXPECT_EQ(caption(u"Label29"_s), fixture.normals.back().value(u"spot"_s)) << "before the first row, the last";
    EXPECT_EQ(form->ActiveControl(), &form->control<SpinButton>(u"SpinButton1"_s));
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(StationModesTest, StepsOntoAWorldRowLockNormalValuesAndAJapaneseRowFreesThem) {
    start();
    normals->MoveLast();
    normals->MovePrevious();
    modes->step(1);
    ASSERT_EQ(caption(u"Label29"_s), u"オスロ"_s);
    EXPECT_FALSE(check2().Enabled());
    modes->step(1);
    EXPECT_TRUE(check2().Enabled()) << caption(u"Label29"_s).toStdString();
}

TEST_F(StationModesTest, AYearStepMovesOneYearAndCountsOnlyTheStepsForward) {
    start();
    choose(u"東京"_s);
    check2().setValue(0);
    modes->step(1);
    EXPECT_EQ(caption(u"Label4"_s), u"2001"_s);
    EXPECT_EQ(caption(u"Label1"_s), u"2001"_s) << "the year's row found";
    EXPECT_EQ(caption(u"Label16"_s), u"1"_s);
    modes->step(-1);
    modes->step(-1);
    EXPECT_EQ(caption(u"Label1"_s), u"1999"_s);
    EXPECT_EQ(caption(u"Label16"_s), u"1"_s);
    EXPECT_EQ(window.redraws, 1 + 3);
}

TEST_F(StationModesTest, YearStepsStopAtTheDatasLastYearAndTheStationsFirst) {
    start();
    check2().setValue(0);
    showYear(climate::kLastSingleYear);
    const int redraws = window.redraws;
    modes->step(1);
    EXPECT_EQ(caption(u"Label4"_s), QString::number(climate::kLastSingleYear));
    EXPECT_EQ(window.redraws, redraws);
    EXPECT_EQ(window.order, (QStringList{u"start"_s})) << "a step that stops ends nothing";

    const int first = tokyosFirstYear();
    ASSERT_GT(first, 0);
    showYear(first);
    ASSERT_EQ(caption(u"Label39"_s), u"1"_s);
    modes->step(-1);
    EXPECT_EQ(caption(u"Label4"_s), QString::number(first));
    EXPECT_EQ(window.redraws, redraws);

    // Below the station's years no row is current: the first year is the floor.
    showYear(first - 5);
    modes->step(-1);
    EXPECT_EQ(caption(u"Label4"_s), QString::number(first - 5));
    EXPECT_EQ(services.beeps, 1) << "the search below the years";
}

TEST_F(StationModesTest, FromAYearWithoutARowTheStepsGoOnDownToTheYearsThatHaveOne) {
    std::erase_if(fixture.years,
                  [](const data::ClimateRow& r) { return r.value(u"Point_No"_s).toInt() == 47662 && r.value(u"nen"_s).toInt() > 2012; });
    start();
    check2().setValue(0);  // 2020: no row
    ASSERT_TRUE(years->isEOF());
    for (int year = 2019; year >= 2012; --year) modes->step(-1);
    EXPECT_EQ(caption(u"Label1"_s), u"2012"_s);
    EXPECT_FALSE(years->isEOF());
    EXPECT_TRUE(check2().Enabled()) << "the way back stays open on a year without a row";
}

TEST_F(StationModesTest, AStationWithoutYearsOnlyBeepsAtEachStep) {
    start();
    services.expectMessage();
    choose(u"伊吹山"_s);
    check2().setValue(0);
    ASSERT_EQ(years->RecordCount(), 0);
    const QString year = caption(u"Label4"_s);
    const int beeps = services.beeps;
    const int redraws = window.redraws;
    modes->step(1);
    modes->step(-1);
    EXPECT_EQ(services.beeps, beeps + 2);
    EXPECT_EQ(caption(u"Label4"_s), year);
    EXPECT_EQ(window.redraws, redraws);
    EXPECT_TRUE(check2().Enabled());
}

}  // namespace
