// The picker design tables against the station catalogue and the windows' layouts:
// every station of the seven pickers names a catalogue row with its table and region,
// every station has its label and marker, and the stacking decides each overlap as the
// windows lay them out.

#include "data/Catalogue.h"
#include "pickers/tables/JapanRegions.h"

#include <gtest/gtest.h>

#include <QHash>
#include <QRectF>
#include <QSet>

#include <algorithm>
#include <ostream>

// Readable names in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

using namespace Qt::Literals::StringLiterals;
using pickers::JapanRegion;
using pickers::Marker;

namespace {

const forms::ControlDesign* find(const JapanRegion& r, const QString& name) {
    const auto& c = r.design.controls;
    const auto it = std::find_if(c.begin(), c.end(), [&](const auto& d) { return d.name == name; });
    return it == c.end() ? nullptr : &*it;
}

qsizetype stackIndex(const JapanRegion& r, const QString& name) {
    const auto& c = r.design.controls;
    return std::find_if(c.begin(), c.end(), [&](const auto& d) { return d.name == name; }) - c.begin();
}

QRectF rectOf(const forms::ControlDesign& c) { return {c.left, c.top, c.width, c.height}; }

int numberOf(const QString& name) {
    qsizetype i = name.size();
    while (i > 0 && name[i - 1].isDigit()) --i;
    return name.mid(i).toInt();
}

QStringList byNumber(QStringList names) {
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) { return numberOf(a) < numberOf(b); });
    return names;
}

const JapanRegion& region(int number) { return pickers::japanRegions().at(static_cast<size_t>(number - 1)); }

TEST(PickerTables, EveryCatalogueStationIsPickedOnceWithItsTableAndRegion) {
    QHash<QString, const data::Station_Ref*> catalogue;
    for (const auto& row : data::stationCatalogue()) {
        if (data::isJapanese(row)) catalogue.insert(row.name, &row);
    }
    ASSERT_EQ(catalogue.size(), 155);

    QSet<QString> picked;
    for (const auto& r : pickers::japanRegions()) {
        for (const auto& s : r.stations) {
            SCOPED_TRACE(s.name.toStdString());
            const auto* row = catalogue.value(s.name);
            ASSERT_NE(row, nullptr) << "not in the catalogue";
            EXPECT_EQ(s.table, row->table);
            EXPECT_EQ(r.region, row->region);
            EXPECT_FALSE(picked.contains(s.name)) << "picked twice";
            picked.insert(s.name);
        }
    }
    EXPECT_EQ(picked.size(), 155);
}

TEST(PickerTables, RegionsAreInOrderWithTheirWindowsAndFiles) {
    struct Expected {
        const char16_t* window;
        const char16_t* caption;
        double width, height;
        const char16_t* db;
        bool letsEventsRun;
        const char16_t* map;
        bool mapByOwner;
        size_t stations;
    };
    const Expected expected[] = {
        {u"Form2", u"データ選択", 10470, 7710, u"Hyther_DB/Hokkaido_Hyser_Data.mdb", false, u"W_GIF/hokkaido_master.gif", true, 22},
        {u"Form18", u"地域選択", 9375, 6900, u"Hyther_DB/Touhok_Hyser_Data.mdb", true, u"W_GIF/MAP_Tohoku.gif", false, 20},
        {u"Form47", u"地域選択", 9375, 6900, u"Hyther_DB/Kanto_Hyser_Data.mdb", true, u"W_GIF/Map_Kanto.gif", false, 24},
        {u"Form42", u"地域選択", 9375, 6900, u"Hyther_DB/Kinki_Hyser_Data.mdb", true, u"W_GIF/Map_Kinki.gif", false, 29},
        {u"Form37", u"地域選択", 9375, 6900, u"Hyther_DB/Chugok_Hyser_Data.mdb", false, u"W_GIF/Map_Tyugok_Sikok.gif", false, 28},
        {u"Form23", u"地域選択", 9375, 6900, u"Hyther_DB/Kyusyu_Hyser_Data.mdb", false, u"W_GIF/MAP_Kyushu.gif", false, 21},
        {u"Form32", u"地域選択", 9375, 6900, u"Hyther_DB/Okinawa_Hyser_Data.mdb", false, u"", false, 11},
    };
    const auto& regions = pickers::japanRegions();
    ASSERT_EQ(regions.size(), 7u);
    for (int i = 0; i < 7; ++i) {
        const auto& r = regions[static_cast<size_t>(i)];
        const auto& e = expected[i];
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(r.region, i + 1);
        EXPECT_EQ(r.window, QString::fromUtf16(e.window));
        EXPECT_EQ(r.design.name, r.window);
        EXPECT_EQ(r.design.caption, QString::fromUtf16(e.caption));
        EXPECT_EQ(r.design.clientWidth, e.width);
        EXPECT_EQ(r.design.clientHeight, e.height);
        EXPECT_EQ(r.dbFile, QString::fromUtf16(e.db));
        EXPECT_EQ(r.letsEventsRun, e.letsEventsRun);
        EXPECT_EQ(r.mapFile, QString::fromUtf16(e.map));
        EXPECT_EQ(r.mapLoadedByOwner, e.mapByOwner);
        EXPECT_EQ(r.stations.size(), e.stations);
        // What all seven windows share.
        EXPECT_EQ(r.design.backColor, 0xE4EFEFu);
        EXPECT_EQ(r.design.borderStyle, forms::BorderStyle::Sizable);
        EXPECT_TRUE(r.design.minButton);
        EXPECT_FALSE(r.design.maxButton);
        EXPECT_EQ(r.design.icon, u":/icons/picker.gif"_s);
    }
}

// The controls that are not stations: buttons, instruction label, map, Tohoku's leader
// lines and Kanto's coordinate labels. Lines give x1, y1, x2, y2.
TEST(PickerTables, FixedControlsAreWhereTheWindowsPutThem) {
    struct Expected {
        int region;
        const char16_t* name;
        forms::Kind kind;
        double left, top, width, height;
        const char16_t* caption;
    };
    const auto L = forms::Kind::Label;
    const auto B = forms::Kind::CommandButton;
    const auto I = forms::Kind::Image;
    const char16_t* hint = u" 測候所、または都市名をクリックしてください";
    const Expected expected[] = {
        {1, u"Command1", B, 240, 120, 2055, 375, u"ラベル非表示"},
        {1, u"Command2", B, 2580, 120, 1695, 375, u"都市非表示"},
        {1, u"Label13", L, 4560, 120, 5775, 375, u"測候所、または都市名をクリックしてください"},
        {1, u"Image1", I, 120, 720, 10260, 6900, u""},
        {2, u"Command1", B, 240, 180, 1755, 435, u"ラベル非表示"},
        {2, u"Command2", B, 2280, 180, 1635, 435, u"都市非表示"},
        {2, u"Label1", L, 4140, 240, 5055, 315, hint},
        {2, u"Image1", I, 120, 840, 9120, 5910, u""},
        {2, u"Line1", forms::Kind::Line, 4320, 4380, 5400, 4380, u""},
        {2, u"Line2", forms::Kind::Line, 5760, 5580, 6600, 5580, u""},
        {2, u"Line3", forms::Kind::Line, 5100, 5880, 6600, 5880, u""},
        {3, u"Command1", B, 240, 180, 1815, 435, u"ラベル非表示"},
        {3, u"Command2", B, 2280, 180, 1635, 435, u"都市非表示"},
        {3, u"Label1", L, 4140, 240, 5055, 315, hint},
        {3, u"Image1", I, 120, 780, 9120, 5910, u""},
        {3, u"Label14", L, 7740, 6360, 495, 255, u"26N"},
        {3, u"Label15", L, 6870, 6120, 555, 255, u"142E"},
        {3, u"Label28", L, 8490, 6120, 645, 285, u"143E"},
        {3, u"Label29", L, 7890, 3420, 675, 225, u"154E"},
        {3, u"Label30", L, 8700, 2850, 525, 285, u"24N"},
        {3, u"Label31", L, 8670, 1290, 555, 285, u"25N"},
        {3, u"Label32", L, 6000, 6420, 585, 255, u"140E"},
        {3, u"Label33", L, 6300, 5730, 465, 255, u"33N"},
        {4, u"Command1", B, 240, 180, 1815, 435, u"ラベル非表示"},
        {4, u"Command2", B, 2280, 180, 1635, 435, u"都市非表示"},
        {4, u"Label1", L, 4140, 240, 5055, 315, hint},
        {4, u"Image1", I, 120, 780, 9120, 5910, u""},
        {5, u"Command1", B, 270, 180, 1755, 435, u"ラベル非表示"},
        {5, u"Command2", B, 2280, 180, 1635, 435, u"都市非表示"},
        {5, u"Label1", L, 4140, 240, 5055, 315, hint},
        {5, u"Image1", I, 120, 840, 9120, 5910, u""},
        {6, u"Command1", B, 300, 180, 1695, 435, u"ラベル非表示"},
        {6, u"Command2", B, 2280, 180, 1635, 435, u"都市非表示"},
        {6, u"Label1", L, 4140, 210, 5055, 345, hint},
        {6, u"Image1", I, 150, 810, 9120, 5910, u""},
        {7, u"Command1", B, 330, 180, 1695, 435, u"非表示"},
        {7, u"Command2", B, 2280, 180, 1635, 435, u"都市非表示"},
        {7, u"Label1", L, 4140, 240, 5055, 315, hint},
        {7, u"Image1", I, 150, 810, 9120, 5910, u""},
    };
    QHash<int, int> fixedCount;
    for (const auto& e : expected) {
        const QString name = QString::fromUtf16(e.name);
        SCOPED_TRACE((QString::number(e.region) + u' ' + name).toStdString());
        const auto* c = find(region(e.region), name);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->kind, e.kind);
        EXPECT_EQ(rectOf(*c), QRectF(e.left, e.top, e.width, e.height));
        EXPECT_EQ(c->caption, QString::fromUtf16(e.caption));
        EXPECT_TRUE(c->visible);
        ++fixedCount[e.region];
    }
    // Nothing else besides the stations' labels and markers.
    for (const auto& r : pickers::japanRegions())
        EXPECT_EQ(r.design.controls.size(), 2 * r.stations.size() + static_cast<size_t>(fixedCount[r.region])) << "region " << r.region;
}

TEST(PickerTables, ButtonsInstructionAndMapLookAsDesigned) {
    for (const auto& r : pickers::japanRegions()) {
        SCOPED_TRACE(r.region);
        for (const auto& [name, tab] : {std::pair{u"Command1"_s, 0}, std::pair{u"Command2"_s, 1}}) {
            const auto* b = find(r, name);
            ASSERT_NE(b, nullptr);
            EXPECT_EQ(b->tabIndex, tab);
            EXPECT_EQ(b->fontDesign.name, forms::kPGothic);
            EXPECT_EQ(b->fontDesign.size, 12);
            EXPECT_FALSE(b->fontDesign.bold);
        }
        const auto* map = find(r, u"Image1"_s);
        ASSERT_NE(map, nullptr);
        EXPECT_TRUE(map->stretch);
        EXPECT_TRUE(map->singleBorder);
        EXPECT_EQ(map->picture, r.region == 7 ? u":/maps/okinawa.gif"_s : QString());

        const auto* hint = find(r, r.region == 1 ? u"Label13"_s : u"Label1"_s);
        ASSERT_NE(hint, nullptr);
        EXPECT_EQ(hint->backColor, 0xFFFFFFu);
        EXPECT_TRUE(hint->singleBorder);
        EXPECT_FALSE(hint->fontDesign.bold);
        EXPECT_EQ(hint->fontDesign.name, forms::kPGothic);
        EXPECT_EQ(hint->fontDesign.size, r.region == 1 ? 14.25 : 12);
        EXPECT_EQ(hint->foreColor, r.region == 1 ? 0x4000u : forms::kSysButtonText);
        EXPECT_EQ(hint->alignment, r.region == 1 ? forms::Align::Center : forms::Align::Left);
    }
    const auto& tohoku = region(2);
    EXPECT_EQ(find(tohoku, u"Line1"_s)->foreColor, 0u);
    EXPECT_EQ(find(tohoku, u"Line2"_s)->foreColor, 0u);
    EXPECT_EQ(find(tohoku, u"Line3"_s)->foreColor, forms::kSysWindowText);
    for (const auto* name : {u"Label14", u"Label15", u"Label28", u"Label29", u"Label30", u"Label31", u"Label32", u"Label33"}) {
        const auto* c = find(region(3), QString::fromUtf16(name));
        ASSERT_NE(c, nullptr);
        EXPECT_TRUE(c->transparentBack);
        EXPECT_EQ(c->foreColor, 0x800000u);
        EXPECT_TRUE(c->fontDesign.bold);
        EXPECT_EQ(c->alignment, forms::Align::Center);
    }
}

// Every station label: caption = display name, green bold 12-point text, centred, on the
// region's label colour; the few labels that differ are listed.
TEST(PickerTables, StationLabelsHaveTheirRegionLook) {
    struct Exception {
        int region;
        const char16_t* label;
        forms::Color back;
        forms::Color fore;
        const QString* face;
        bool bold;
    };
    const Exception exceptions[] = {
        {1, u"Label21", 0xC0FFC0, 0x8000, &forms::kPGothic, true},
        {1, u"Label23", 0xC0FFC0, 0x8000, &forms::kPGothic, true},
        {3, u"Label6", 0xC0FFFF, 0xC0, &forms::kPGothic, true},
        {3, u"Label12", 0xE0FFFF, 0x8000, &forms::kPGothic, false},
    };
    for (const auto& r : pickers::japanRegions()) {
        for (const auto& s : r.stations) {
            SCOPED_TRACE((QString::number(r.region) + u' ' + s.label).toStdString());
            const auto* c = find(r, s.label);
            ASSERT_NE(c, nullptr);
            forms::Color back = r.region == 1 ? 0xC0FFC0 : 0xC0FFFF;
            forms::Color fore = 0x8000;
            QString face = r.region == 1 ? forms::kGothic : forms::kPGothic;
            bool bold = true;
            for (const auto& e : exceptions) {
                if (e.region != r.region || s.label != QString::fromUtf16(e.label)) continue;
                back = e.back;
                fore = e.fore;
                face = *e.face;
                bold = e.bold;
            }
            EXPECT_EQ(c->kind, forms::Kind::Label);
            EXPECT_EQ(c->caption, s.name);
            EXPECT_EQ(c->backColor, back);
            EXPECT_EQ(c->foreColor, fore);
            EXPECT_EQ(c->fontDesign.name, face);
            EXPECT_EQ(c->fontDesign.size, 12);
            EXPECT_EQ(c->fontDesign.bold, bold);
            EXPECT_EQ(c->alignment, forms::Align::Center);
            EXPECT_FALSE(c->transparentBack);
            EXPECT_TRUE(c->visible);
        }
    }
}

TEST(PickerTables, MarkersShowTheirPictureAtNaturalSizeInsideTheMap) {
    for (const auto& r : pickers::japanRegions()) {
        const auto* map = find(r, u"Image1"_s);
        ASSERT_NE(map, nullptr);
        const QRectF client(0, 0, r.design.clientWidth, r.design.clientHeight);
        for (const auto& s : r.stations) {
            SCOPED_TRACE((QString::number(r.region) + u' ' + s.marker).toStdString());
            const auto* m = find(r, s.marker);
            ASSERT_NE(m, nullptr);
            EXPECT_EQ(m->kind, forms::Kind::Image);
            EXPECT_EQ(m->picture, pickers::markerResource(s.picture));
            const bool big = s.picture == Marker::Dot31 || s.picture == Marker::WideDot31;
            EXPECT_EQ(m->width, big ? 465 : 240);
            EXPECT_EQ(m->height, m->width);
            EXPECT_FALSE(m->stretch);
            EXPECT_FALSE(m->singleBorder);
            EXPECT_TRUE(rectOf(*map).contains(rectOf(*m)));
            EXPECT_TRUE(client.contains(rectOf(*find(r, s.label))));
        }
    }
}

TEST(PickerTables, MarkerPicturesHaveTheirResourceNames) {
    EXPECT_EQ(pickers::markerResource(Marker::Ring16), u":/markers/Marker_Ring16.gif"_s);
    EXPECT_EQ(pickers::markerResource(Marker::Dot16), u":/markers/Marker_Dot16.gif"_s);
    EXPECT_EQ(pickers::markerResource(Marker::SmallDot16), u":/markers/Marker_SmallDot16.gif"_s);
    EXPECT_EQ(pickers::markerResource(Marker::Dot31), u":/markers/Marker_Dot31.gif"_s);
    EXPECT_EQ(pickers::markerResource(Marker::WideDot31), u":/markers/Marker_WideDot31.gif"_s);
}

TEST(PickerTables, ControlNamesAreUniqueAndTheMapLiesLowest) {
    for (const auto& r : pickers::japanRegions()) {
        SCOPED_TRACE(r.region);
        QSet<QString> names;
        for (const auto& c : r.design.controls) {
            EXPECT_FALSE(names.contains(c.name)) << c.name.toStdString();
            names.insert(c.name);
        }
        ASSERT_FALSE(r.design.controls.empty());
        EXPECT_EQ(r.design.controls.front().name, u"Image1"_s);
        // The buttons are windows of their own and so lie above every drawn control.
        const auto n = static_cast<qsizetype>(r.design.controls.size());
        EXPECT_EQ(stackIndex(r, u"Command1"_s), n - 2);
        EXPECT_EQ(stackIndex(r, u"Command2"_s), n - 1);
    }
}

TEST(PickerTables, TogglesCoverEveryStationInAscendingOrder) {
    for (const auto& r : pickers::japanRegions()) {
        SCOPED_TRACE(r.region);
        QStringList labels, markers;
        for (const auto& s : r.stations) {
            labels << s.label;
            markers << s.marker;
        }
        labels = byNumber(labels);
        if (r.region == 2) labels << u"Line1"_s << u"Line2"_s << u"Line3"_s;
        EXPECT_EQ(r.labelToggle, labels);
        EXPECT_EQ(r.markerToggle, byNumber(markers));
        for (const auto& name : r.labelToggle + r.markerToggle) EXPECT_NE(find(r, name), nullptr);
    }
}

// Every pair of clickable controls (station labels and markers) that overlap, with the
// one that takes the click first.
TEST(PickerTables, OverlapsGoToTheControlOnTop) {
    struct Overlap {
        int region;
        const char16_t* upper;
        const char16_t* lower;
    };
    const Overlap expected[] = {
        {1, u"Image20", u"Label11"}, {2, u"Image9", u"Label9"},   {3, u"Label2", u"Image2"},   {3, u"Label4", u"Image4"},
        {3, u"Label7", u"Image7"},   {3, u"Image21", u"Label21"}, {4, u"Label11", u"Image5"},  {4, u"Label21", u"Image8"},
        {4, u"Label27", u"Image14"}, {4, u"Image8", u"Label8"},   {4, u"Image14", u"Label14"}, {4, u"Image15", u"Label15"},
        {4, u"Label2", u"Image2"},   {4, u"Label4", u"Image4"},   {4, u"Label5", u"Image5"},   {4, u"Label7", u"Image7"},
        {4, u"Label9", u"Image9"},   {4, u"Label11", u"Image11"}, {4, u"Label12", u"Image12"}, {5, u"Image29", u"Label29"},
        {5, u"Label2", u"Image2"},   {5, u"Label4", u"Image4"},   {5, u"Label6", u"Image6"},   {5, u"Label7", u"Image7"},
        {5, u"Label9", u"Image9"},   {5, u"Label10", u"Image10"}, {6, u"Image18", u"Label18"}, {6, u"Image14", u"Label14"},
        {6, u"Image8", u"Label8"},   {6, u"Label7", u"Image7"},   {6, u"Label6", u"Image6"},   {6, u"Label5", u"Image5"},
        {6, u"Label2", u"Image2"},   {6, u"Image8", u"Image2"},   {7, u"Label7", u"Image7"},
    };
    for (const auto& r : pickers::japanRegions()) {
        SCOPED_TRACE(r.region);
        QStringList clickable;
        for (const auto& s : r.stations) clickable << s.label << s.marker;

        QSet<QString> found;  // "upper over lower", as the stacking has it
        for (qsizetype i = 0; i < clickable.size(); ++i) {
            for (qsizetype j = i + 1; j < clickable.size(); ++j) {
                const QRectF a = rectOf(*find(r, clickable[i]));
                const QRectF b = rectOf(*find(r, clickable[j]));
                if (!a.intersects(b)) continue;
                const bool iOnTop = stackIndex(r, clickable[i]) > stackIndex(r, clickable[j]);
                found << (iOnTop ? clickable[i] + u" over "_s + clickable[j] : clickable[j] + u" over "_s + clickable[i]);
            }
        }
        QSet<QString> wanted;
        for (const auto& o : expected)
            if (o.region == r.region) wanted << QString::fromUtf16(o.upper) + u" over "_s + QString::fromUtf16(o.lower);
        EXPECT_EQ(found, wanted);
    }
}

}  // namespace
