#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

#include "reading/driver.h"
#include "reading/random_births.h"

namespace reading {
namespace {

// A checksum of everything a chart shows, over many births: any change to a single character of
// any of them, by a faster path or a reordered formula, changes it.
class ChartChecksum {
  public:
    void Add(std::string_view text) {
        for (const char c : text) {
            hash_ = (hash_ ^ static_cast<unsigned char>(c)) * 1099511628211u;
        }
        hash_ = (hash_ ^ 0xFFu) * 1099511628211u;  // a separator, so "ab","c" differs from "a","bc"
    }
    template <typename List>
    void AddEach(const List& texts) {
        for (const std::string_view text : texts) {
            Add(text);
        }
    }
    void Add(const ChartReading& chart) {
        AddEach(chart.planetNames);
        AddEach(chart.planetLabels);
        AddEach(chart.planetPositions);
        AddEach(chart.planetLongPositions);
        AddEach(chart.navamsa);
        for (const std::string_view text :
             {chart.ascendantText.view(), chart.midheavenText.view(),
              chart.signedAyanamsaText.view(), chart.ayanamsaText.view(), chart.lagnaSign,
              chart.lagnaName, chart.nakshatra, chart.rashi, chart.nakshatraLord, chart.pada,
              chart.moonPositionText.view()}) {
            Add(text);
        }
        for (const bool retrograde : chart.retrograde) {
            Add(retrograde ? "R" : "D");
        }
    }
    std::uint64_t value() const { return hash_; }

  private:
    std::uint64_t hash_ = 14695981039346656037u;
};

// The texts of 100 000 random charts as this version computes them. A change that is meant to
// move a position changes this number, and says so in its commit; any other change must not.
TEST(RandomCharts, TextsOfAHundredThousandChartsStayTheSame) {
    ChartChecksum checksum;
    for (const BirthData& birth : RandomBirths(100000, 7)) {
        checksum.Add(CalculateReading(birth));
    }
    EXPECT_EQ(checksum.value(), 8160844130732066046u);
}

// The random births mean nothing unless they reach both hemispheres, both flags and both ends
// of the years.
TEST(RandomCharts, BirthsCoverTheWholeRange) {
    const std::vector<BirthData> births = RandomBirths(2000, 1);
    ASSERT_EQ(births.size(), 2000u);
    int south = 0, east = 0, daylight = 0, early = 0, late = 0, hour24 = 0;
    for (const BirthData& birth : births) {
        south += birth.isSouth;
        east += birth.isEast;
        daylight += birth.isDaylightSaving;
        early += birth.year < 1930;
        late += birth.year > 2020;
        hour24 += birth.hour == 24;
        EXPECT_LE(birth.latitudeDegrees, 66);
    }
    for (const int count : {south, east, daylight, early, late}) {
        EXPECT_GT(count, 200);
    }
    EXPECT_GT(hour24, 20);
}

}  // namespace
}  // namespace reading
