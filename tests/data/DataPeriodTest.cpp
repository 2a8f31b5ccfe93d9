// The years the program is given in data/climate/DataPeriod.h are the years of the
// committed data file: the program steps through single years up to kLastSingleYear, so
// every station's rows must reach it.
#include "data/climate/DataPeriod.h"
#include "tests/support/ClimateFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

std::map<int, std::vector<data::ClimateRow>> yearRowsByStation() {
    std::map<int, std::vector<data::ClimateRow>> rows;
    for (const data::ClimateRow& r : testing_support::committedYears()) rows[r.value(u"Point_No"_s).toInt()].push_back(r);
    return rows;
}

TEST(DataPeriodTest, TheDataFileSpansExactlyTheDataPeriod) {
    const auto& years = testing_support::committedYears();
    ASSERT_FALSE(years.empty());
    const auto [first, last] = std::minmax_element(
        years.begin(), years.end(), [](const auto& a, const auto& b) { return a.value(u"nen"_s).toInt() < b.value(u"nen"_s).toInt(); });
    EXPECT_EQ(first->value(u"nen"_s).toInt(), climate::kFirstSingleYear);
    EXPECT_EQ(last->value(u"nen"_s).toInt(), climate::kLastSingleYear);
}

TEST(DataPeriodTest, EveryStationRunsWithoutAGapFromItsFirstYearToTheLastYear) {
    const auto rows = yearRowsByStation();
    ASSERT_GT(rows.size(), 100u);
    for (const auto& [number, stationRows] : rows) {
        SCOPED_TRACE(number);
        const int first = stationRows.front().value(u"nen"_s).toInt();
        EXPECT_GE(first, climate::kFirstSingleYear);
        EXPECT_EQ(stationRows.back().value(u"nen"_s).toInt(), climate::kLastSingleYear);
        for (size_t i = 0; i < stationRows.size(); ++i) {
            ASSERT_EQ(stationRows[i].value(u"nen"_s).toInt(), first + static_cast<int>(i)) << "row " << i;
            ASSERT_EQ(stationRows[i].value(u"ID"_s).toInt(), static_cast<int>(i) + 1) << "row " << i;
        }
    }
}

}  // namespace
