// A long session on the real data: every Japanese station stepped through its single
// years and every picker station chosen in every station chart window, twice. Once the
// first pass has filled what is meant to fill (fonts, caches, the allocator's pools),
// a second, identical pass must not keep the memory growing.
#include "data/Catalogue.h"
#include "pickers/FamilyPickers.h"
#include "tests/support/ChartWindows.h"

#include <QFile>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <set>

using namespace forms;
using namespace Qt::Literals::StringLiterals;
using testing_support::ChartWindow;
using testing_support::ChartWindowFixture;
using testing_support::ClimateFixture;
using windows::Family;
using windows::Window;

namespace {

#if defined(__SANITIZE_ADDRESS__)
// The sanitizers hold freed memory back on purpose and run many times slower: there the
// session is a sample, the memory is not weighed (the leak check at exit weighs it).
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

// The resident memory of this process in bytes.
long long residentBytes() {
    QFile statm(u"/proc/self/statm"_s);
    if (!statm.open(QIODevice::ReadOnly)) return -1;
    const QList<QByteArray> fields = statm.readAll().simplified().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * sysconf(_SC_PAGESIZE) : -1;
}

// Spins until the year label stops changing; the steps taken.
int spinToTheEnd(SpinButton& spin, const Label& year, bool up) {
    int steps = 0;
    for (;;) {
        const QString before = year.Caption();
        up ? spin.spinUp() : spin.spinDown();
        if (year.Caption() == before) return steps;
        ++steps;
    }
}

// The picker of a family's world region (1..7), loaded when it is not.
template <class... Pickers>
pickers::WorldPicker& nthPicker(int region) {
    pickers::WorldPicker* found = nullptr;
    int at = 0;
    ((++at == region ? (void)(found = &instance<Pickers>()) : void()), ...);
    return *found;
}

pickers::WorldPicker& worldPicker(Family family, int region) {
    using namespace pickers;
    switch (family) {
    case Family::Hythergraph: return nthPicker<Form3, Form5, Form6, Form7, Form10, Form11, Form12>(region);
    case Family::Climograph: return nthPicker<Form13, Form15, Form16, Form17, Form20, Form21, Form22>(region);
    case Family::TwoGraph: return nthPicker<Form81, Form82, Form83, Form84, Form85, Form86, Form87>(region);
    case Family::StepMode: return nthPicker<Form101, Form102, Form103, Form104, Form105, Form106, Form107>(region);
    }
    std::abort();
}

class LongUseTest : public ChartWindowFixture {
protected:
    LongUseTest() : ChartWindowFixture(testing_support::kMainWindow, ClimateFixture::allStations()) {}

    // One pass of the session: in each station chart window, every station of its Japan
    // pickers chosen and taken down to its first single year and up to its last (about
    // 28,000 years per window, some 20 s for both passes of all four windows in
    // RelWithDebInfo), then every station of its seven world pickers (a station without
    // values says so). Under the sanitizers a sample: every 12th station, one year down.
    // Returns the number of years and world stations shown.
    int session() {
        int shown = 0;
        for (const ChartWindow& chart : testing_support::kChartWindows) {
            Form& w = windows::navigation().form(chart.window);  // loads a closed window
            const Label& station = w.control<Label>(u"Label29"_s);
            int n = 0;
            // The world stations first: each leaves the window in normal values with the box
            // locked, until a Japanese station frees it.
            for (int region = 1; region <= 7; ++region) {
                const std::vector<pickers::WorldStation> stations = worldPicker(chart.family, region).region().stations;
                for (const pickers::WorldStation& s : stations) {
                    if (kSanitized && n++ % 12) continue;
                    // The two-graph window's own name for the station the database calls オークランド.
                    const int number = s.name == u"ウェリントン"_s ? 57196 : data::lookupStation(s.name).number;
                    if (!withValues_.contains(number)) services.expectMessage();  // 該当するレコードが見つかりません
                    worldPicker(chart.family, region).chooseStation(s);
                    // The closed picker goes as the event loop would take it.
                    collectUnloadedForms();
                    EXPECT_EQ(station.Caption(), s.name);
                    ++shown;
                }
            }
            CheckBox& normalValues = w.control<CheckBox>(u"Check2"_s);
            SpinButton& spin = w.control<SpinButton>(u"SpinButton1"_s);
            const Label& year = w.control<Label>(u"Label4"_s);
            for (const pickers::JapanRegion& region : pickers::japanRegions()) {
                for (const pickers::PickerStation& s : region.stations) {
                    if (kSanitized && n++ % 12) continue;
                    pickers::japanPicker(chart.family, region.region).chooseStation(s);
                    EXPECT_EQ(station.Caption(), s.name);
                    if (normalValues.Value() != 0) normalValues.setValue(0);  // single years from the first on
                    if (kSanitized) {
                        spin.spinDown();
                        ++shown;
                    } else {
                        shown += spinToTheEnd(spin, year, false) + spinToTheEnd(spin, year, true);
                    }
                }
            }
            // Each window but the main one is closed and opened again next pass: its whole
            // life is in the session.
            if (chart.window != Window::Hythergraph) w.Unload();
            collectUnloadedForms();
        }
        return shown;
    }

    void SetUp() override {
        for (const data::ClimateRow& r : fixture.normals) withValues_.insert(r.value(u"Point_No"_s).toInt());
    }

private:
    std::set<int> withValues_;  // the stations with a normal-values row
};

TEST_F(LongUseTest, ASecondPassThroughEveryStationAndYearLeavesTheMemoryWhereTheFirstLeftIt) {
    const auto began = std::chrono::steady_clock::now();
    startMain();
    const long long atStart = residentBytes();
    const int first = session();
    const long long afterWarmUp = residentBytes();
    const int second = session();
    const long long afterSecond = residentBytes();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();

    EXPECT_EQ(first, second) << "the two passes are the same session";
    EXPECT_GT(first, kSanitized ? 40 : 100000);
    std::printf("%d years shown per pass in %.1f s; resident %.1f MB at start, %.1f MB after the first pass, %.1f MB after the second\n",
                first, seconds, atStart / 1048576.0, afterWarmUp / 1048576.0, afterSecond / 1048576.0);
    if (kSanitized) return;
    ASSERT_GT(atStart, 0) << "no /proc/self/statm";
    // A few megabytes for what the allocator keeps in its pools; a leak of a drawing or a
    // recordset per step would be tens of megabytes over the years of a pass.
    constexpr long long kBound = 6ll * 1024 * 1024;
    EXPECT_LT(afterSecond - afterWarmUp, kBound) << "grew by " << (afterSecond - afterWarmUp) / 1024 << " KB in the second pass";
}

}  // namespace
