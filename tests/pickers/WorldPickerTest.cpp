// The 28 world station pickers against chart windows that record what the pickers do:
// every station chosen by a click on its label and on its marker, the order of the
// hand-off, the smaller type of one station, the two buttons and their flags across
// showings, the two-graph window's maps, and a database that cannot be opened.

#include "data/Catalogue.h"
#include "pickers/FamilyPickers.h"
#include "tests/pickers/RecordingOwner.h"
#include "tests/pickers/WorldStations.h"
#include "tests/support/ClimateFixture.h"
#include "tests/support/FakeServices.h"
#include "windows/Navigation.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <map>
#include <stdexcept>

using namespace Qt::Literals::StringLiterals;
using namespace forms;
using namespace pickers;
using namespace testing_support;

namespace {

// The program's navigation, reduced to the four chart windows, each a recording owner.
class FakeNavigation final : public windows::Navigation {
public:
    std::map<windows::Window, RecordingOwner*> owners;

    Form& form(windows::Window w) override {
        const auto it = owners.find(w);
        if (it == owners.end()) throw std::logic_error("no such window in this test");
        return *it->second;
    }
    bool isLoaded(windows::Window w) const override { return owners.count(w) != 0; }
    void show(windows::Window, Placement) override {}
    void showJapanPicker(windows::Family, int) override {}
    void showWorldPicker(windows::Family, int) override {}
};

// A window's picker of a region, loaded through its program-wide instance.
template <class M, class T, class C, class S>
WorldPicker& byFamily(Family family) {
    switch (family) {
    case Family::Hythergraph: return instance<M>();
    case Family::TwoGraph: return instance<T>();
    case Family::Climograph: return instance<C>();
    case Family::StepMode: break;
    }
    return instance<S>();
}

WorldPicker& picker(WorldArea area, Family family) {
    switch (area) {
    case WorldArea::Europe: return byFamily<Form3, Form81, Form13, Form101>(family);
    case WorldArea::RussiaMiddleEast: return byFamily<Form5, Form82, Form15, Form102>(family);
    case WorldArea::Asia: return byFamily<Form6, Form83, Form16, Form103>(family);
    case WorldArea::Africa: return byFamily<Form7, Form84, Form17, Form104>(family);
    case WorldArea::NorthAmerica: return byFamily<Form10, Form85, Form20, Form105>(family);
    case WorldArea::SouthAmerica: return byFamily<Form11, Form86, Form21, Form106>(family);
    case WorldArea::Oceania: break;
    }
    return byFamily<Form12, Form87, Form22, Form107>(family);
}

template <class... W>
void forgetFlags() {
    ((W::keptToggles() = WorldPicker::Toggles{}), ...);
}

// By family, in the order of its enumerators.
const windows::Window kOwnerWindows[] = {windows::Window::Hythergraph, windows::Window::Climograph, windows::Window::TwoGraph,
                                         windows::Window::StepMode};

class WorldPickerTest : public ::testing::Test {
protected:
    WorldPickerTest() : previousFolder_(QDir::currentPath()) {
        for (int f = 0; f < 4; ++f) navigation_.owners[kOwnerWindows[f]] = &owners_[f];
        windows::setNavigation(&navigation_);
        forgetFlags<Form3, Form5, Form6, Form7, Form10, Form11, Form12, Form81, Form82, Form83, Form84, Form85, Form86, Form87, Form13,
                    Form15, Form16, Form17, Form20, Form21, Form22, Form101, Form102, Form103, Form104, Form105, Form106, Form107>();
    }

    ~WorldPickerTest() override {
        destroyAllForms();
        windows::setNavigation(nullptr);
        QDir::setCurrent(previousFolder_);
    }

    // The program's folder with its databases, as the current folder.
    void inProgramFolder() {
        fixture_.build();
        QDir::setCurrent(fixture_.folder());
    }

    RecordingOwner& owner(Family family) { return owners_[static_cast<int>(family)]; }

    // Each call to the owner notes whether this picker is still there.
    WorldPicker& open(WorldArea area, Family family) {
        WorldPicker& p = picker(area, family);
        owner(family).pickerLoaded = [&p] { return p.isLoaded(); };
        return p;
    }

    // The middle of a station's label, or of its marker's oval, as the user clicks it.
    static QPointF labelPoint(const WorldPicker& p, const QString& label) { return p.find(label, -1)->rect().center(); }
    static QPointF markerPoint(const WorldPicker& p, const QString& marker) {
        return p.find(marker, -1)->rect().topLeft() + QPointF(8 * 15, 7.5 * 15);
    }

    FakeServices services;
    ClimateFixture fixture_;

private:
    QString previousFolder_;
    RecordingOwner owners_[4] = {RecordingOwner(u"Hyser_Main"_s), RecordingOwner(u"Form55"_s), RecordingOwner(u"Uonz_Main"_s),
                                 RecordingOwner(u"Hyser_Step_Mode"_s)};
    FakeNavigation navigation_;
};

const Family kFamilies[] = {Family::Hythergraph, Family::TwoGraph, Family::Climograph, Family::StepMode};

// The owner's lookup gives this number for the caption, as the hythergraph main
// window's does; the climograph and two-graph windows' lookups know 57196 as ウェリントン.
int lookedUp(const QString& caption) { return caption == u"ウェリントン"_s ? 57196 : data::lookupStation(caption).number; }

TEST_F(WorldPickerTest, EveryStationOfEveryWindowIsChosenByItsLabelAndByItsMarker) {
    inProgramFolder();
    for (const Family family : kFamilies) {
        RecordingOwner& o = owner(family);
        for (const ExpectedWorldStation& e : kWorldStations) {
            for (const bool byMarker : {false, true}) {
                SCOPED_TRACE(std::string(familyName(family)) + ' ' + areaName(e.area) + ' ' + QString::fromUtf16(e.caption).toStdString() +
                             (byMarker ? " marker" : " label"));
                o.calls.clear();
                o.normalValues = byMarker;  // from single years and from normal values alike
                o.normalValuesEnabled = true;
                o.region = 3;
                WorldPicker& p = open(e.area, family);
                const QPointF at = byMarker ? markerPoint(p, QString::fromUtf16(e.marker)) : labelPoint(p, labelIn(e, family));
                p.clientPressed(at.x(), at.y());

                const QString caption = captionIn(e, family);
                EXPECT_EQ(o.stationName, caption);
                EXPECT_EQ(lookedUp(o.stationName), e.number);
                EXPECT_EQ(o.pointSize, pointSizeOf(e));
                EXPECT_TRUE(o.normalValues);
                EXPECT_FALSE(o.normalValuesEnabled);
                EXPECT_EQ(o.region, kWorldStationRegion);
                ASSERT_NE(o.connection, nullptr);
                EXPECT_EQ(o.connection->dataSource(), u"Hyther_DB/Hokkaido_Hyser_Data.mdb"_s);
                EXPECT_FALSE(o.tookRecordset) << "world stations have normal values only";
                EXPECT_EQ(o.callNames().back(), u"Kion_Color"_s);
                EXPECT_FALSE(p.isLoaded()) << "the picker closes after a choice";
                collectUnloadedForms();
            }
        }
    }
}

TEST_F(WorldPickerTest, HandOverOpensTheDatabaseFirstAndClosesThePickerBeforeTheOwnerDraws) {
    inProgramFolder();
    const QStringList drawing = {u"Heinen_Name"_s, u"DB_conect"_s, u"Hyouji"_s, u"Hyouji_Hyther"_s, u"Kion_Color"_s};
    struct Case {
        const char* name;
        bool normalValues;
        QStringList switchCalls;
    };
    const Case cases[] = {
        // The switch names the station shown before; the picker names the chosen one again.
        {"from single years", false, {u"setNormalValues 1"_s, u"Check2_Click"_s}},
        {"from normal values", true, {u"setNormalValues 1"_s}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingOwner& o = owner(Family::Hythergraph);
        o.calls.clear();
        o.normalValues = c.normalValues;
        o.recordStation = u"札幌"_s;
        WorldPicker& p = open(WorldArea::NorthAmerica, Family::Hythergraph);
        p.control<Label>(u"Label20"_s).click();  // シカゴ

        QStringList expected = {u"setStationName シカゴ 24"_s, u"takeStationData"_s, u"resetForNewStation"_s, u"Command1_Click"_s,
                                u"setRegion 1"_s};
        expected << c.switchCalls << u"setStationName シカゴ"_s << u"setNormalValuesEnabled 0"_s << drawing;
        EXPECT_EQ(o.callNames(), expected);
        for (const auto& call : o.calls) {
            EXPECT_TRUE(call.ownerBusy) << call.what.toStdString() << ": the owner waits until the choice is done";
            EXPECT_EQ(call.pickerLoaded, !drawing.contains(call.what)) << call.what.toStdString();
        }
        EXPECT_EQ(o.stationName, u"シカゴ"_s);
        EXPECT_FALSE(o.busy());
        collectUnloadedForms();
    }
}

TEST_F(WorldPickerTest, OnlySanktPeterburgIsHandedOverInTwentyPointType) {
    inProgramFolder();
    RecordingOwner& o = owner(Family::StepMode);
    const std::pair<const char16_t*, double> steps[] = {{u"Label7", 20}, {u"Label21", 24}, {u"Label7", 20}, {u"Label12", 24}};
    for (const auto& [label, size] : steps) {
        o.calls.clear();
        WorldPicker& p = open(WorldArea::RussiaMiddleEast, Family::StepMode);
        p.control<Label>(QString::fromUtf16(label)).click();
        EXPECT_EQ(o.pointSize, size) << o.stationName.toStdString();
        EXPECT_EQ(o.calls.front().what, u"setStationName "_s + o.stationName + u' ' + QString::number(size));
        collectUnloadedForms();
    }
}

// Markers follow the tables, not their numbers.
TEST_F(WorldPickerTest, AMarkerChoosesThePairedStationNotTheLabelOfItsNumber) {
    inProgramFolder();
    struct Case {
        WorldArea area;
        Family family;
        const char16_t* marker;
        const char16_t* station;
    };
    const Case cases[] = {
        {WorldArea::Europe, Family::Hythergraph, u"Image13", u"パリ"},
        {WorldArea::Europe, Family::Hythergraph, u"Image9", u"ブリュッセル"},
        {WorldArea::RussiaMiddleEast, Family::Hythergraph, u"Image23", u"ダマスカス"},
        {WorldArea::Asia, Family::Hythergraph, u"Image36", u"マニラ・アキノ"},
        {WorldArea::Asia, Family::Climograph, u"Image36", u"マニラ・アキノ"},
        {WorldArea::Africa, Family::Hythergraph, u"Image46", u"サル"},
        {WorldArea::NorthAmerica, Family::Hythergraph, u"Image4", u"メキシコ"},
        {WorldArea::SouthAmerica, Family::Hythergraph, u"Image10", u"リオデジャネイロ"},
        {WorldArea::Oceania, Family::TwoGraph, u"Image20", u"ウェリントン"},
        {WorldArea::Oceania, Family::StepMode, u"Image20", u"オークランド"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.station).toStdString());
        WorldPicker& p = open(c.area, c.family);
        p.control<Image>(QString::fromUtf16(c.marker)).click();
        EXPECT_EQ(owner(c.family).stationName, QString::fromUtf16(c.station));
        collectUnloadedForms();
    }
}

// Where a label reaches over another station's marker, the marker takes the click.
TEST_F(WorldPickerTest, AMarkerUnderAnotherStationsLabelStaysClickable) {
    inProgramFolder();
    struct Case {
        WorldArea area;
        const char16_t* label;
        const char16_t* marker;
        const char16_t* station;  // the marker's
    };
    const Case cases[] = {
        {WorldArea::Europe, u"Label8", u"Image10", u"ブラチスラバ"},         // ウィーン's label
        {WorldArea::NorthAmerica, u"Label4", u"Image19", u"ボストン"},       // ニューヨーク's label
        {WorldArea::RussiaMiddleEast, u"Label22", u"Image17", u"カウナス"},  // ミンスク's label
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.station).toStdString());
        WorldPicker& p = open(c.area, Family::Hythergraph);
        const QRectF both = p.find(QString::fromUtf16(c.label), -1)->rect().intersected(p.find(QString::fromUtf16(c.marker), -1)->rect());
        ASSERT_FALSE(both.isEmpty());
        p.clientPressed(both.center().x(), both.center().y());
        EXPECT_EQ(owner(Family::Hythergraph).stationName, QString::fromUtf16(c.station));
        collectUnloadedForms();
    }
}

TEST_F(WorldPickerTest, ADatabaseThatCannotBeOpenedLeavesTheOwnerAsItWasAndThePickerOpen) {
    // The program's folder without its databases.
    QDir::setCurrent(fixture_.folder());
    RecordingOwner& o = owner(Family::Climograph);
    WorldPicker& p = open(WorldArea::Africa, Family::Climograph);
    services.expectMessage();
    p.control<Label>(u"Label41"_s).click();  // Chileka
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages[0].prompt.contains(u"Hokkaido_Hyser_Data.mdb"_s)) << services.messages[0].prompt.toStdString();
    EXPECT_TRUE(o.calls.empty()) << "the owner is not touched";
    EXPECT_EQ(o.stationName, u"東京"_s);
    EXPECT_TRUE(p.isLoaded());
    EXPECT_FALSE(p.busy());
    EXPECT_FALSE(o.busy());

    // Once the databases are there, the same picker chooses.
    inProgramFolder();
    p.control<Image>(u"Image41"_s).click();
    EXPECT_EQ(o.stationName, u"Chileka"_s);
    EXPECT_FALSE(p.isLoaded());
}

bool allVisible(const WorldPicker& p, const QStringList& names, bool visible) {
    for (const QString& n : names)
        if (p.find(n, -1)->Visible() != visible) return false;
    return !names.isEmpty();
}

TEST_F(WorldPickerTest, TheLabelButtonSwitchesLabelsAndLinesAndNothingElse) {
    WorldPicker& p = open(WorldArea::Europe, Family::Hythergraph);
    const QStringList labels = p.region().labelToggle;
    const QStringList others = p.region().markerToggle + QStringList{u"Image1"_s, u"Label13"_s, u"Label34"_s};
    EXPECT_EQ(p.Command1.Caption(), u"ラベル非表示"_s);
    const std::pair<const char16_t*, bool> steps[] = {{u"測候所名表示", false}, {u"非表示", true}, {u"測候所名表示", false}};
    int flag = 0;
    for (const auto& [caption, visible] : steps) {
        p.Command1.click();
        flag = 1 - flag;
        EXPECT_EQ(p.Command1.Caption(), QString::fromUtf16(caption));
        EXPECT_EQ(p.Label_Hidden, flag);
        EXPECT_TRUE(allVisible(p, labels, visible));
        EXPECT_TRUE(allVisible(p, others, true));
        EXPECT_EQ(p.Command2.Caption(), u"都市非表示"_s);
    }
}

TEST_F(WorldPickerTest, TheMarkerButtonSwitchesMarkersAndLeavesTheLeaderLines) {
    WorldPicker& p = open(WorldArea::Africa, Family::TwoGraph);
    const QStringList markers = p.region().markerToggle;
    const QStringList others = p.region().labelToggle + QStringList{u"Image1"_s, u"Label13"_s, u"Label47"_s};
    const std::pair<const char16_t*, bool> steps[] = {{u"都市表示", false}, {u"都市非表示", true}, {u"都市表示", false}};
    for (const auto& [caption, visible] : steps) {
        p.Command2.click();
        EXPECT_EQ(p.Command2.Caption(), QString::fromUtf16(caption));
        EXPECT_TRUE(allVisible(p, markers, visible));
        EXPECT_TRUE(allVisible(p, others, true));
    }
}

TEST_F(WorldPickerTest, NeitherButtonHidesManilaOnTheAsiaMap) {
    for (const Family family : kFamilies) {
        SCOPED_TRACE(familyName(family));
        WorldPicker& p = open(WorldArea::Asia, family);
        const QString manila = family == Family::Climograph ? u"Label36"_s : u"Label37"_s;
        p.Command1.click();
        p.Command2.click();
        EXPECT_TRUE(p.find(manila, -1)->Visible());
        EXPECT_TRUE(p.find(u"Image36"_s, -1)->Visible());
        EXPECT_FALSE(p.find(u"Label35"_s, -1)->Visible());
        EXPECT_FALSE(p.find(u"Image35"_s, -1)->Visible());
    }
}

TEST_F(WorldPickerTest, WithLabelsAndMarkersHiddenNoStationCanBeChosenUntilOneShowsAgain) {
    inProgramFolder();
    RecordingOwner& o = owner(Family::Hythergraph);
    WorldPicker& p = open(WorldArea::Oceania, Family::Hythergraph);
    p.Command1.click();
    p.Command2.click();
    for (const auto& s : p.region().stations) {
        const QPointF a = labelPoint(p, s.label), b = markerPoint(p, s.marker);
        p.clientPressed(a.x(), a.y());
        p.clientPressed(b.x(), b.y());
    }
    EXPECT_TRUE(o.calls.empty());
    EXPECT_TRUE(p.isLoaded());

    p.Command2.click();  // the markers show again; the labels stay hidden
    const QPointF at = markerPoint(p, u"Image13"_s);
    p.clientPressed(at.x(), at.y());
    EXPECT_EQ(o.stationName, u"アリススプリングス"_s);
}

// The window is built anew from its design at each showing, with its buttons' flags.
TEST_F(WorldPickerTest, TheFlagsOutliveAChoiceAndTheCloseBox) {
    inProgramFolder();
    {
        WorldPicker& p = open(WorldArea::SouthAmerica, Family::Hythergraph);
        p.Command1.click();                      // labels hidden
        p.control<Image>(u"Image13"_s).click();  // ボゴタ, by its marker
        collectUnloadedForms();
    }
    {
        WorldPicker& p = open(WorldArea::SouthAmerica, Family::Hythergraph);
        EXPECT_EQ(p.Label_Hidden, 1);
        EXPECT_EQ(p.Command1.Caption(), u"ラベル非表示"_s);
        EXPECT_TRUE(allVisible(p, p.region().labelToggle, true));
        p.Command1.click();  // flag 1: only the caption changes
        EXPECT_EQ(p.Command1.Caption(), u"非表示"_s);
        EXPECT_TRUE(allVisible(p, p.region().labelToggle, true));
        p.Command1.click();
        EXPECT_EQ(p.Command1.Caption(), u"測候所名表示"_s);
        EXPECT_TRUE(allVisible(p, p.region().labelToggle, false));

        p.Command2.click();  // markers hidden; then the close box
        p.userClosed();
        collectUnloadedForms();
    }
    {
        WorldPicker& p = open(WorldArea::SouthAmerica, Family::Hythergraph);
        EXPECT_EQ(p.City_Hidden, 1);
        EXPECT_EQ(p.Command2.Caption(), u"都市非表示"_s);
        EXPECT_TRUE(allVisible(p, p.region().markerToggle, true));
        p.Command2.click();  // nothing changes on screen
        EXPECT_EQ(p.Command2.Caption(), u"都市非表示"_s);
        EXPECT_TRUE(allVisible(p, p.region().markerToggle, true));
        p.Command2.click();
        EXPECT_EQ(p.Command2.Caption(), u"都市表示"_s);
        EXPECT_TRUE(allVisible(p, p.region().markerToggle, false));
    }
    // The same region's picker of another window keeps flags of its own.
    WorldPicker& other = open(WorldArea::SouthAmerica, Family::StepMode);
    EXPECT_EQ(other.Label_Hidden, 0);
    EXPECT_EQ(other.City_Hidden, 0);
}

TEST_F(WorldPickerTest, TheTwoGraphPickersShowTheMainWindowsMapsWithoutShowingItsPickers) {
    for (const WorldArea area : {WorldArea::Europe, WorldArea::Asia, WorldArea::SouthAmerica}) {
        SCOPED_TRACE(areaName(area));
        const WorldPicker& two = open(area, Family::TwoGraph);
        const WorldPicker& main = picker(area, Family::Hythergraph);
        EXPECT_TRUE(main.isLoaded());
        EXPECT_FALSE(main.Visible()) << "loaded, not shown";
        ASSERT_FALSE(two.Image1.Picture().isNull());
        EXPECT_EQ(two.Image1.Picture().image(), main.Image1.Picture().image());
        EXPECT_EQ(two.Image1.rect(), main.Image1.rect());
    }
}

// Each family's pickers hand their stations to their own chart window.
TEST_F(WorldPickerTest, EachWindowsPickerHandsItsStationToThatWindow) {
    inProgramFolder();
    for (const Family family : kFamilies) {
        SCOPED_TRACE(familyName(family));
        WorldPicker& p = open(WorldArea::Oceania, family);
        p.control<Label>(u"Label11"_s).click();
        collectUnloadedForms();
        for (const Family other : kFamilies) {
            EXPECT_EQ(owner(other).calls.empty(), other != family) << familyName(other);
        }
        const bool wellington = family == Family::TwoGraph || family == Family::Climograph;
        EXPECT_EQ(owner(family).stationName, wellington ? u"ウェリントン"_s : u"オークランド"_s);
        owner(family).calls.clear();
    }
}

}  // namespace
