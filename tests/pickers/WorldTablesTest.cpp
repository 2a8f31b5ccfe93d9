// The 28 world picker designs against their descriptions and the station catalogue:
// every station with its marker and number, the fixed controls and leader lines, the
// look of labels and markers, what the two buttons switch, where the four families'
// copies differ, and a stacking that lets every station be clicked.

#include "data/Catalogue.h"
#include "pickers/tables/WorldRegions.h"
#include "tests/pickers/WorldStations.h"

#include <gtest/gtest.h>

#include <QHash>
#include <QRectF>
#include <QSet>

#include <algorithm>
#include <ostream>

// Readable names in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

using namespace Qt::Literals::StringLiterals;
using namespace testing_support;
using pickers::Family;
using pickers::WorldArea;
using pickers::WorldRegion;

namespace {

constexpr Family kFamilies[] = {Family::Hythergraph, Family::TwoGraph, Family::Climograph, Family::StepMode};
constexpr WorldArea kAreas[] = {WorldArea::Europe,       WorldArea::RussiaMiddleEast, WorldArea::Asia,   WorldArea::Africa,
                                WorldArea::NorthAmerica, WorldArea::SouthAmerica,     WorldArea::Oceania};

const forms::ControlDesign* find(const WorldRegion& r, const QString& name) {
    const auto& c = r.design.controls;
    const auto it = std::find_if(c.begin(), c.end(), [&](const auto& d) { return d.name == name; });
    return it == c.end() ? nullptr : &*it;
}

qsizetype stackIndex(const WorldRegion& r, const QString& name) {
    const auto& c = r.design.controls;
    return std::find_if(c.begin(), c.end(), [&](const auto& d) { return d.name == name; }) - c.begin();
}

QRectF rectOf(const forms::ControlDesign& c) { return {c.left, c.top, c.width, c.height}; }

std::string traceOf(const WorldRegion& r) {
    return std::string(familyName(r.family)) + ' ' + areaName(r.area) + ' ' + r.window.toStdString();
}

QStringList names(const QString& prefix, std::initializer_list<std::pair<int, int>> runs) {
    QStringList out;
    for (const auto& [from, to] : runs)
        for (int n = from; n <= to; ++n) out << prefix + QString::number(n);
    return out;
}

TEST(WorldTables, TwentyEightWindowsInFamilyOrderWithTheirNamesAndMaps) {
    const char16_t* const windows[4][7] = {
        {u"Form3", u"Form5", u"Form6", u"Form7", u"Form10", u"Form11", u"Form12"},
        {u"Form81", u"Form82", u"Form83", u"Form84", u"Form85", u"Form86", u"Form87"},
        {u"Form13", u"Form15", u"Form16", u"Form17", u"Form20", u"Form21", u"Form22"},
        {u"Form101", u"Form102", u"Form103", u"Form104", u"Form105", u"Form106", u"Form107"},
    };
    const char16_t* const maps[7] = {
        u":/maps/world_europe.gif",        u":/maps/world_russia.gif",        u":/maps/world_asia.gif",    u":/maps/world_africa.gif",
        u":/maps/world_north_america.gif", u":/maps/world_south_america.gif", u":/maps/world_oceania.gif",
    };
    const auto& all = pickers::worldRegions();
    ASSERT_EQ(all.size(), 28u);
    for (size_t f = 0; f < 4; ++f) {
        for (size_t a = 0; a < 7; ++a) {
            const WorldRegion& r = all[f * 7 + a];
            SCOPED_TRACE(traceOf(r));
            EXPECT_EQ(r.family, kFamilies[f]);
            EXPECT_EQ(r.area, kAreas[a]);
            EXPECT_EQ(&pickers::worldRegion(r.area, r.family), &r);
            EXPECT_EQ(r.window, QString::fromUtf16(windows[f][a]));
            EXPECT_EQ(r.design.name, r.window);
            EXPECT_EQ(r.mapPicture, QString::fromUtf16(maps[a]));
            EXPECT_EQ(r.mapFromHythergraphPicker, r.family == Family::TwoGraph);
            // What all 28 windows share.
            EXPECT_EQ(r.design.caption, u"データ選択"_s);
            EXPECT_EQ(r.design.clientWidth, 15240);
            EXPECT_EQ(r.design.clientHeight, 10650);
            EXPECT_EQ(r.design.backColor, 0xE4EFEFu);
            EXPECT_EQ(r.design.borderStyle, forms::BorderStyle::Sizable);
            EXPECT_TRUE(r.design.minButton);
            EXPECT_FALSE(r.design.maxButton);
            EXPECT_EQ(r.design.icon, u":/maps/world_icon.gif"_s);
        }
    }
}

TEST(WorldTables, EachWindowHoldsItsDescribedStationsInTableOrder) {
    for (const WorldRegion& r : pickers::worldRegions()) {
        SCOPED_TRACE(traceOf(r));
        std::vector<const ExpectedWorldStation*> expected;
        for (const auto& s : kWorldStations)
            if (s.area == r.area) expected.push_back(&s);
        ASSERT_EQ(r.stations.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            const ExpectedWorldStation& e = *expected[i];
            const pickers::WorldStation& s = r.stations[i];
            SCOPED_TRACE(s.label.toStdString());
            EXPECT_EQ(s.label, labelIn(e, r.family));
            EXPECT_EQ(s.marker, QString::fromUtf16(e.marker)) << "the marker whose click is the label's";
            EXPECT_EQ(s.name, captionIn(e, r.family));
            EXPECT_EQ(s.pointSize, pointSizeOf(e));
            const auto* label = find(r, s.label);
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->caption, s.name) << "the caption is what the owner gets";
        }
    }
}

// The owner looks the caption up: the hythergraph main and step-mode windows in the
// catalogue as it stands, the climograph and two-graph windows in one that knows 57196
// as ウェリントン instead.
TEST(WorldTables, EveryCaptionNamesItsStationInItsOwnersLookup) {
    for (const WorldRegion& r : pickers::worldRegions()) {
        SCOPED_TRACE(traceOf(r));
        for (const auto& s : r.stations) {
            SCOPED_TRACE(s.name.toStdString());
            const auto e = std::find_if(std::begin(kWorldStations), std::end(kWorldStations),
                                        [&](const auto& x) { return x.area == r.area && QString::fromUtf16(x.marker) == s.marker; });
            ASSERT_NE(e, std::end(kWorldStations));
            if (s.name == u"ウェリントン"_s) {
                EXPECT_EQ(e->number, 57196);
                EXPECT_TRUE(r.family == Family::TwoGraph || r.family == Family::Climograph);
                continue;
            }
            const data::Station_Ref& found = data::lookupStation(s.name);
            EXPECT_EQ(found.name, s.name) << "falls back to " << found.name.toStdString();
            EXPECT_EQ(found.number, e->number);
            EXPECT_EQ(found.table, data::kWorldTable);
            EXPECT_EQ(found.region, 1);
        }
    }
}

TEST(WorldTables, TheSevenMapsOffer203StationsWithTwoOnTwoMaps) {
    QHash<int, int> maps;
    for (WorldArea area : kAreas)
        for (const auto& s : pickers::worldRegion(area, Family::Hythergraph).stations) ++maps[data::lookupStation(s.name).number];
    QSet<int> expected;
    for (int n = 57001; n <= 57204; ++n)
        if (n != 57007) expected << n;  // ヌーク・ゴットホープ is on no map
    EXPECT_EQ(QSet<int>(maps.keyBegin(), maps.keyEnd()), expected);
    for (auto it = maps.cbegin(); it != maps.cend(); ++it) {
        const bool twice = it.key() == 57156 || it.key() == 57204;  // メキシコ, マニラ・アキノ
        EXPECT_EQ(it.value(), twice ? 2 : 1) << it.key();
    }
}

// Map, instruction, buttons, credit line and the South America note. The map picture is
// built into every copy but the two-graph window's, which takes it from the main
// window's picker when it loads; its Asia copy carries it as well.
TEST(WorldTables, FixedControlsAreWhereTheDesignsPutThem) {
    struct Area {
        WorldArea area;
        double mapWidth;
        bool stretched;
        const char16_t* credit;
        double creditLeft, creditTop;
    };
    const Area areas[] = {
        {WorldArea::Europe, 15060, false, u"Label34", 9210, 10050},     {WorldArea::RussiaMiddleEast, 15120, true, u"Label34", 150, 9990},
        {WorldArea::Asia, 15120, true, u"Label36", 150, 10050},         {WorldArea::Africa, 15120, true, u"Label47", 150, 10080},
        {WorldArea::NorthAmerica, 15120, false, u"Label34", 180, 9810}, {WorldArea::SouthAmerica, 15120, true, u"Label34", 180, 9990},
        {WorldArea::Oceania, 15120, true, u"Label34", 150, 10020},
    };
    for (const WorldRegion& r : pickers::worldRegions()) {
        SCOPED_TRACE(traceOf(r));
        const Area& a = *std::find_if(std::begin(areas), std::end(areas), [&](const Area& x) { return x.area == r.area; });

        const auto* map = find(r, u"Image1"_s);
        ASSERT_NE(map, nullptr);
        EXPECT_EQ(map->kind, forms::Kind::Image);
        EXPECT_EQ(rectOf(*map), QRectF(60, 750, a.mapWidth, 9615));
        EXPECT_EQ(map->stretch, a.stretched);
        EXPECT_TRUE(map->singleBorder);
        const bool builtIn = r.family != Family::TwoGraph || r.area == WorldArea::Asia;
        EXPECT_EQ(map->picture, builtIn ? r.mapPicture : QString());

        const auto* hint = find(r, u"Label13"_s);
        ASSERT_NE(hint, nullptr);
        EXPECT_EQ(rectOf(*hint), QRectF(4560, 120, 5775, 375));
        EXPECT_EQ(hint->caption, u"測候所、または都市名をクリックしてください"_s);
        EXPECT_EQ(hint->backColor, 0xFFFFFFu);
        EXPECT_EQ(hint->foreColor, 0x4000u);
        EXPECT_FALSE(hint->transparentBack);
        EXPECT_TRUE(hint->singleBorder);
        EXPECT_EQ(hint->alignment, forms::Align::Center);
        EXPECT_EQ(hint->fontDesign.name, forms::kPGothic);
        EXPECT_EQ(hint->fontDesign.size, 14.25);
        EXPECT_FALSE(hint->fontDesign.bold);

        const std::tuple<const char16_t*, QRectF, const char16_t*, int> buttons[] = {
            {u"Command1", QRectF(240, 120, 2055, 375), u"ラベル非表示", 0},
            {u"Command2", QRectF(2580, 120, 1695, 375), u"都市非表示", 1},
        };
        for (const auto& [name, rect, caption, tab] : buttons) {
            const auto* b = find(r, QString::fromUtf16(name));
            ASSERT_NE(b, nullptr);
            EXPECT_EQ(b->kind, forms::Kind::CommandButton);
            EXPECT_EQ(rectOf(*b), rect);
            EXPECT_EQ(b->caption, QString::fromUtf16(caption));
            EXPECT_EQ(b->tabIndex, tab) << "Command1 has the focus when the window opens";
            EXPECT_EQ(b->fontDesign.name, forms::kPGothic);
            EXPECT_EQ(b->fontDesign.size, 12);
            EXPECT_FALSE(b->fontDesign.bold);
        }

        size_t fixed = 4;  // map, instruction, buttons
        const auto* credit = find(r, QString::fromUtf16(a.credit));
        if (r.family == Family::Climograph) {
            // No credit line; in Asia its name belongs to the マニラ・アキノ label there.
            if (credit) {
                EXPECT_EQ(credit->caption, u"マニラ・アキノ"_s);
            }
        } else {
            ASSERT_NE(credit, nullptr);
            ++fixed;
            EXPECT_EQ(rectOf(*credit), QRectF(a.creditLeft, a.creditTop, 5895, 285));
            EXPECT_FALSE(credit->caption.isEmpty());
            EXPECT_EQ(credit->foreColor, 0xFFu);
            EXPECT_TRUE(credit->transparentBack);
            EXPECT_EQ(credit->alignment, forms::Align::Left);
            EXPECT_EQ(credit->fontDesign.size, 11.25);
            EXPECT_FALSE(credit->fontDesign.bold);
        }
        if (r.area == WorldArea::SouthAmerica) {
            const auto* note = find(r, u"Label32"_s);
            ASSERT_NE(note, nullptr);
            ++fixed;
            EXPECT_EQ(rectOf(*note), QRectF(8310, 10380, 1815, 255));
            EXPECT_EQ(note->caption, u"78.27S  106.52E"_s);
            EXPECT_EQ(note->foreColor, 0x400000u);
            EXPECT_TRUE(note->transparentBack);
            EXPECT_EQ(note->fontDesign.size, 11.25);
            EXPECT_FALSE(note->fontDesign.bold);
        }
        const size_t lines =
            std::count_if(r.design.controls.begin(), r.design.controls.end(), [](const auto& c) { return c.kind == forms::Kind::Line; });
        // Nothing else besides the stations' labels and markers.
        EXPECT_EQ(r.design.controls.size(), 2 * r.stations.size() + fixed + lines);
    }
}

// Each leader line runs from a point on its marker to the edge of its label (or the
// other way round), in the default line colour and width.
TEST(WorldTables, LeaderLinesJoinEachLabelToItsMarker) {
    struct Lead {
        WorldArea area;
        const char16_t* line;
        const char16_t* label;
        double x1, y1, x2, y2;
        bool fromLabel;
    };
    const Lead leads[] = {
        {WorldArea::Europe, u"Line1", u"Label9", 9210, 5820, 10680, 5400, false},
        {WorldArea::Europe, u"Line2", u"Label24", 9810, 6480, 11760, 5850, false},
        {WorldArea::Europe, u"Line6", u"Label15", 6510, 4890, 5850, 3840, false},
        {WorldArea::Europe, u"Line7", u"Label18", 6240, 5220, 3780, 5550, false},
        {WorldArea::Europe, u"Line8", u"Label11", 6660, 5490, 4020, 5880, false},
        {WorldArea::RussiaMiddleEast, u"Line1", u"Label20", 3540, 6690, 3720, 6390, false},
        {WorldArea::Africa, u"Line1", u"Label15", 3420, 4860, 3000, 5010, false},
        {WorldArea::Africa, u"Line2", u"Label18", 3510, 5040, 3000, 5340, false},
        {WorldArea::Africa, u"Line3", u"Label36", 3660, 5250, 3120, 5640, false},
        {WorldArea::Africa, u"Line4", u"Label30", 5670, 5430, 5100, 6600, false},
        {WorldArea::Africa, u"Line5", u"Label26", 5910, 5940, 5400, 6960, false},
        {WorldArea::Africa, u"Line6", u"Label25", 6120, 6420, 5610, 7410, false},
        {WorldArea::Africa, u"Line7", u"Label37", 6270, 6870, 5820, 7710, false},
        {WorldArea::Africa, u"Line8", u"Label31", 5130, 5250, 4590, 6330, false},
        {WorldArea::Africa, u"Line9", u"Label32", 4980, 5280, 4380, 6030, false},
        {WorldArea::Africa, u"Line10", u"Label33", 4710, 5280, 3660, 6300, false},
        {WorldArea::Africa, u"Line11", u"Label35", 4380, 5370, 3060, 6420, false},
        {WorldArea::Africa, u"Line12", u"Label38", 9960, 7980, 10200, 8280, false},
        {WorldArea::Africa, u"Line13", u"Label34", 4680, 4620, 2880, 6090, false},
        {WorldArea::Africa, u"Line14", u"Label2", 3180, 4650, 2760, 4770, false},
        {WorldArea::Africa, u"Line15", u"Label21", 3090, 4350, 2640, 4470, false},
        {WorldArea::SouthAmerica, u"Line1", u"Label21", 3630, 2400, 4500, 2400, true},
        {WorldArea::SouthAmerica, u"Line2", u"Label2", 4680, 2550, 4170, 2640, false},
        {WorldArea::SouthAmerica, u"Line3", u"Label15", 4950, 2490, 4590, 2880, false},
        {WorldArea::SouthAmerica, u"Line4", u"Label18", 5280, 2940, 4920, 3300, false},
        {WorldArea::SouthAmerica, u"Line5", u"Label5", 6300, 3420, 5730, 3600, false},
        {WorldArea::SouthAmerica, u"Line6", u"Label19", 7830, 2820, 8280, 2730, false},
        {WorldArea::SouthAmerica, u"Line7", u"Label10", 8130, 3180, 8610, 3090, false},
        {WorldArea::SouthAmerica, u"Line8", u"Label20", 8430, 3360, 9000, 3420, false},
        {WorldArea::SouthAmerica, u"Line9", u"Label25", 6210, 5880, 6960, 5700, true},
    };
    // A line ends at the edge of its label, give or take a few pixels: the longest gap is
    // ジョージタウン's, 8 pixels.
    constexpr double kReach = 120;
    for (const WorldRegion& r : pickers::worldRegions()) {
        SCOPED_TRACE(traceOf(r));
        size_t count = 0;
        for (const Lead& l : leads) {
            if (l.area != r.area) continue;
            ++count;
            SCOPED_TRACE(QString::fromUtf16(l.line).toStdString());
            const auto* line = find(r, QString::fromUtf16(l.line));
            ASSERT_NE(line, nullptr);
            EXPECT_EQ(line->kind, forms::Kind::Line);
            EXPECT_EQ(rectOf(*line), QRectF(l.x1, l.y1, l.x2, l.y2));
            EXPECT_FALSE(line->foreColor.has_value()) << "the default line colour";
            EXPECT_EQ(line->borderWidth, 1);
            EXPECT_TRUE(line->visible);

            const auto station =
                std::find_if(r.stations.begin(), r.stations.end(), [&](const auto& s) { return s.label == QString::fromUtf16(l.label); });
            ASSERT_NE(station, r.stations.end());
            const QPointF onMarker = l.fromLabel ? QPointF(l.x2, l.y2) : QPointF(l.x1, l.y1);
            const QPointF atLabel = l.fromLabel ? QPointF(l.x1, l.y1) : QPointF(l.x2, l.y2);
            EXPECT_TRUE(rectOf(*find(r, station->marker)).contains(onMarker));
            EXPECT_TRUE(rectOf(*find(r, station->label)).adjusted(-kReach, -kReach, kReach, kReach).contains(atLabel));
        }
        const auto lines =
            std::count_if(r.design.controls.begin(), r.design.controls.end(), [](const auto& c) { return c.kind == forms::Kind::Line; });
        EXPECT_EQ(static_cast<size_t>(lines), count);
    }
}

TEST(WorldTables, StationLabelsAndMarkersLookAsDesigned) {
    for (const WorldRegion& r : pickers::worldRegions()) {
        const QRectF client(0, 0, r.design.clientWidth, r.design.clientHeight);
        const auto* map = find(r, u"Image1"_s);
        ASSERT_NE(map, nullptr);
        for (const auto& s : r.stations) {
            SCOPED_TRACE(traceOf(r) + ' ' + s.label.toStdString());
            const auto* label = find(r, s.label);
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->kind, forms::Kind::Label);
            EXPECT_EQ(label->foreColor, 0x80u);
            EXPECT_TRUE(label->transparentBack);
            EXPECT_EQ(label->fontDesign.name, forms::kPGothic);
            EXPECT_EQ(label->fontDesign.size, 12);
            EXPECT_TRUE(label->fontDesign.bold);
            EXPECT_TRUE(label->visible);
            EXPECT_TRUE(client.contains(rectOf(*label)));
            const bool manila = r.area == WorldArea::Asia && s.name == u"マニラ・アキノ"_s;
            double height = 255;
            if (manila) height = r.family == Family::Climograph ? 315 : 285;
            if (r.area == WorldArea::NorthAmerica && s.label == u"Label2"_s) height = 225;  // ダラス
            if (r.area == WorldArea::Africa && s.label == u"Label46"_s) height = 285;       // サル
            EXPECT_EQ(label->height, height);
            EXPECT_EQ(label->alignment, manila ? forms::Align::Left : forms::Align::Center);
            EXPECT_EQ(label->backColor, manila ? std::nullopt : std::optional<forms::Color>(0xC0FFC0));

            const auto* marker = find(r, s.marker);
            ASSERT_NE(marker, nullptr);
            EXPECT_EQ(marker->kind, forms::Kind::Image);
            EXPECT_EQ(marker->picture, pickers::worldMarkerResource());
            EXPECT_EQ(marker->width, 240);
            EXPECT_EQ(marker->height, 240);
            EXPECT_FALSE(marker->stretch);
            EXPECT_FALSE(marker->singleBorder);
            EXPECT_TRUE(marker->visible);
            // ボストーク基地 stands below the map, at the window's bottom edge.
            if (s.name == u"ボストーク基地"_s) {
                EXPECT_GE(marker->top, map->top + map->height);
                EXPECT_EQ(marker->top + marker->height, r.design.clientHeight);
            } else {
                EXPECT_TRUE(rectOf(*map).contains(rectOf(*marker)));
            }
        }
    }
}

// Every copy is the main window's copy but for what its description names.
TEST(WorldTables, FamilyCopiesDifferOnlyWhereTheirDescriptionsSay) {
    const auto same = [](const forms::ControlDesign& a, const forms::ControlDesign& b) {
        return a.kind == b.kind && rectOf(a) == rectOf(b) && a.caption == b.caption && a.backColor == b.backColor &&
               a.foreColor == b.foreColor && a.fontDesign.name == b.fontDesign.name && a.fontDesign.size == b.fontDesign.size &&
               a.fontDesign.bold == b.fontDesign.bold && a.alignment == b.alignment && a.transparentBack == b.transparentBack &&
               a.singleBorder == b.singleBorder && a.visible == b.visible && a.picture == b.picture && a.stretch == b.stretch &&
               a.tabIndex == b.tabIndex;
    };
    struct Difference {
        Family family;
        WorldArea area;
        const char16_t* control;  // in the copy; empty: the main window's control is missing
        const char16_t* mainControl;
    };
    const auto T = Family::TwoGraph;
    const auto C = Family::Climograph;
    const Difference differences[] = {
        {T, WorldArea::Europe, u"Image1", u"Image1"},       {T, WorldArea::RussiaMiddleEast, u"Image1", u"Image1"},
        {T, WorldArea::Asia, u"Label37", u"Label37"},       {T, WorldArea::Africa, u"Image1", u"Image1"},
        {T, WorldArea::NorthAmerica, u"Image1", u"Image1"}, {T, WorldArea::SouthAmerica, u"Image1", u"Image1"},
        {T, WorldArea::Oceania, u"Image1", u"Image1"},      {T, WorldArea::Oceania, u"Label11", u"Label11"},
        {T, WorldArea::Oceania, u"Image20", u"Image20"},    {C, WorldArea::Europe, u"", u"Label34"},
        {C, WorldArea::RussiaMiddleEast, u"", u"Label34"},  {C, WorldArea::Asia, u"", u"Label36"},  // the credit line
        {C, WorldArea::Asia, u"Label36", u"Label37"},  // マニラ・アキノ, under the credit line's name
        {C, WorldArea::Asia, u"Image36", u"Image36"},       {C, WorldArea::Africa, u"", u"Label47"},
        {C, WorldArea::NorthAmerica, u"", u"Label34"},      {C, WorldArea::SouthAmerica, u"", u"Label34"},
        {C, WorldArea::Oceania, u"", u"Label34"},           {C, WorldArea::Oceania, u"Label11", u"Label11"},
        {C, WorldArea::Oceania, u"Image20", u"Image20"},
    };
    for (const WorldRegion& r : pickers::worldRegions()) {
        if (r.family == Family::Hythergraph) continue;
        SCOPED_TRACE(traceOf(r));
        const WorldRegion& main = pickers::worldRegion(r.area, Family::Hythergraph);
        QHash<QString, QString> mainNameOf;  // copy's control -> main window's
        QSet<QString> missing;
        for (const auto& d : differences) {
            if (d.family != r.family || d.area != r.area) continue;
            if (d.control[0] == 0) {
                missing << QString::fromUtf16(d.mainControl);
            } else {
                mainNameOf.insert(QString::fromUtf16(d.control), QString::fromUtf16(d.mainControl));
            }
        }
        QSet<QString> seen;
        for (const auto& c : r.design.controls) {
            const QString mainName = mainNameOf.value(c.name, c.name);
            const auto* m = find(main, mainName);
            ASSERT_NE(m, nullptr) << c.name.toStdString() << " is not in the main window's copy";
            seen << mainName;
            EXPECT_EQ(same(c, *m), !mainNameOf.contains(c.name)) << c.name.toStdString();
        }
        for (const auto& c : main.design.controls) EXPECT_EQ(seen.contains(c.name), !missing.contains(c.name)) << c.name.toStdString();
        EXPECT_EQ(r.labelToggle, main.labelToggle);
        EXPECT_EQ(r.markerToggle, main.markerToggle);
    }
    // What those differences are.
    const auto& asiaTwo = pickers::worldRegion(WorldArea::Asia, T);
    EXPECT_EQ(rectOf(*find(asiaTwo, u"Label37"_s)), QRectF(11370, 6600, 1575, 285));
    const auto& asiaClimo = pickers::worldRegion(WorldArea::Asia, C);
    EXPECT_EQ(rectOf(*find(asiaClimo, u"Label36"_s)), QRectF(11340, 6660, 1605, 315));
    EXPECT_EQ(rectOf(*find(asiaClimo, u"Image36"_s)), QRectF(10980, 6870, 240, 240));
    const std::tuple<Family, QString, QRectF, QPointF> newZealand[] = {
        {Family::Hythergraph, u"オークランド"_s, QRectF(9840, 7920, 1305, 255), QPointF(9570, 8040)},
        {Family::StepMode, u"オークランド"_s, QRectF(9840, 7920, 1305, 255), QPointF(9570, 8040)},
        {T, u"ウェリントン"_s, QRectF(9870, 8520, 1305, 255), QPointF(9600, 8520)},
        {C, u"ウェリントン"_s, QRectF(9810, 7920, 1305, 255), QPointF(9570, 8070)},
    };
    for (const auto& [family, caption, label, marker] : newZealand) {
        const auto& r = pickers::worldRegion(WorldArea::Oceania, family);
        SCOPED_TRACE(traceOf(r));
        EXPECT_EQ(find(r, u"Label11"_s)->caption, caption);
        EXPECT_EQ(rectOf(*find(r, u"Label11"_s)), label);
        EXPECT_EQ(rectOf(*find(r, u"Image20"_s)).topLeft(), marker);
    }
}

TEST(WorldTables, TheButtonsSwitchTheirListsInOrder) {
    struct Toggles {
        WorldArea area;
        QStringList labels;
        QStringList markers;
    };
    const Toggles toggles[] = {
        {WorldArea::Europe,
         names(u"Label"_s, {{1, 12}, {14, 19}, {22, 33}}) + QStringList{u"Line1"_s, u"Line2"_s, u"Line6"_s, u"Line7"_s, u"Line8"_s},
         names(u"Image"_s, {{2, 21}, {24, 33}})},
        {WorldArea::RussiaMiddleEast, names(u"Label"_s, {{1, 12}, {14, 28}}) + QStringList{u"Line1"_s}, names(u"Image"_s, {{2, 28}})},
        // Neither button touches マニラ・アキノ.
        {WorldArea::Asia, names(u"Label"_s, {{1, 12}, {14, 35}}), names(u"Image"_s, {{2, 35}})},
        {WorldArea::Africa, names(u"Label"_s, {{1, 12}, {14, 46}}) + names(u"Line"_s, {{1, 15}}), names(u"Image"_s, {{2, 46}})},
        {WorldArea::NorthAmerica, names(u"Label"_s, {{1, 8}, {10, 12}, {15, 16}, {18, 23}}),
         names(u"Image"_s, {{2, 9}, {11, 14}, {17, 23}})},
        {WorldArea::SouthAmerica, names(u"Label"_s, {{1, 12}, {14, 31}}) + names(u"Line"_s, {{1, 9}}), names(u"Image"_s, {{2, 31}})},
        {WorldArea::Oceania, names(u"Label"_s, {{1, 8}, {10, 12}, {15, 16}, {18, 23}}), names(u"Image"_s, {{2, 9}, {11, 14}, {17, 23}})},
    };
    for (const WorldRegion& r : pickers::worldRegions()) {
        SCOPED_TRACE(traceOf(r));
        const Toggles& t = *std::find_if(std::begin(toggles), std::end(toggles), [&](const Toggles& x) { return x.area == r.area; });
        EXPECT_EQ(r.labelToggle, t.labels);
        EXPECT_EQ(r.markerToggle, t.markers);
        for (const auto& name : r.labelToggle + r.markerToggle) {
            const auto* c = find(r, name);
            ASSERT_NE(c, nullptr) << name.toStdString();
            EXPECT_EQ(c->kind, name.startsWith(u"Image"_s)  ? forms::Kind::Image
                               : name.startsWith(u"Line"_s) ? forms::Kind::Line
                                                            : forms::Kind::Label);
        }
    }
}

// The map lies lowest and the buttons highest; a marker lies above every label, so a
// label that reaches over another station's marker never takes its click.
TEST(WorldTables, StackingKeepsEveryMarkerClickable) {
    for (const WorldRegion& r : pickers::worldRegions()) {
        SCOPED_TRACE(traceOf(r));
        const auto& c = r.design.controls;
        ASSERT_GE(c.size(), 4u);
        EXPECT_EQ(c.front().name, u"Image1"_s);
        const auto n = static_cast<qsizetype>(c.size());
        EXPECT_EQ(stackIndex(r, u"Command1"_s), n - 2);
        EXPECT_EQ(stackIndex(r, u"Command2"_s), n - 1);
        qsizetype highestLabel = -1, lowestMarker = n;
        for (const auto& s : r.stations) {
            highestLabel = std::max(highestLabel, stackIndex(r, s.label));
            lowestMarker = std::min(lowestMarker, stackIndex(r, s.marker));
        }
        EXPECT_LT(highestLabel, lowestMarker);
        for (const auto& d : c) {
            if (d.kind == forms::Kind::Line) {
                EXPECT_LT(stackIndex(r, d.name), lowestMarker);
            }
        }
    }
}

}  // namespace
