#include "engine/rating.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

namespace selvio {
namespace {

template <class Record>
void SetRating(Record& r, std::initializer_list<std::pair<float, float>> temperaturePressure) {
  r.ratingCount = 0;
  for (const auto& [t, p] : temperaturePressure) {
    r.ratingTemperature[r.ratingCount] = t;
    r.ratingPressure[r.ratingCount] = p;
    ++r.ratingCount;
  }
}

struct RatingCase {
  const char* name;
  float p1, p2, t;
  bool valveAllowed;
  bool regulatorAllowed;
};

class RatingTableTest : public ::testing::TestWithParam<RatingCase> {};

// Table (20 °C, 16 bar), (120 °C, 13 bar), (150 °C, 12 bar): 14.5 bar permitted at 70 °C.
TEST_P(RatingTableTest, InterpolatesThePermittedPressure) {
  const RatingCase& c = GetParam();
  ValveRecord v;
  RegulatorRecord r;
  SetRating(v, {{20, 16}, {120, 13}, {150, 12}});
  SetRating(r, {{20, 16}, {120, 13}, {150, 12}});
  EXPECT_EQ(RatingAllows(v, c.p1, c.p2, c.t), c.valveAllowed);
  EXPECT_EQ(RegulatorRatingAllows(r, c.p1, c.p2, c.t), c.regulatorAllowed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RatingTableTest,
    ::testing::Values(RatingCase{"at_interpolated_limit", 14.5f, 1, 70, true, true},
                      RatingCase{"above_interpolated_limit", 14.6f, 1, 70, false, false},
                      RatingCase{"higher_outlet_pressure_counts", 1, 14.6f, 70, false, false},
                      RatingCase{"tabulated_temperature_valve_only", 16, 1, 20, true, false},
                      RatingCase{"inner_tabulated_temperature_valve_only", 13, 1, 120, true, false},
                      RatingCase{"above_table", 1, 0, 160, false, false},
                      RatingCase{"below_table", 1, 0, 10, false, false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(RatingAllowsTest, FewerThanTwoPairsUseNominalMaxima) {
  ValveRecord v;
  v.maxPressure = 16;
  v.maxTemperature = 150;
  SetRating(v, {{20, 1}});
  EXPECT_TRUE(RatingAllows(v, 16, 2, 150));
  EXPECT_FALSE(RatingAllows(v, 16.5f, 2, 150));
  EXPECT_FALSE(RatingAllows(v, 10, 2, 151));
}

TEST(RatingAllowsTest, LastEnclosingPairCounts) {
  ValveRecord v;
  // Both (0,100) and (100,100) enclose 100; the second pair permits only 5 bar.
  SetRating(v, {{0, 20}, {100, 20}, {100, 5}});
  EXPECT_FALSE(RatingAllows(v, 10, 1, 100));
}

TEST(RatingAllowsTest, PairWithEqualTemperaturesGivesNoPermission) {
  ValveRecord v;
  SetRating(v, {{100, 20}, {100, 20}});
  EXPECT_FALSE(RatingAllows(v, 1, 0, 100));
}

struct DnCase {
  float a, b;
  bool near;
};

class IsNearDnTest : public ::testing::TestWithParam<DnCase> {};

TEST_P(IsNearDnTest, AllowsOneStepOfTheSeries) {
  EXPECT_EQ(IsNearDn(GetParam().a, GetParam().b), GetParam().near)
      << GetParam().a << " vs " << GetParam().b;
}

INSTANTIATE_TEST_SUITE_P(
    Series, IsNearDnTest,
    ::testing::Values(DnCase{50, 40, true}, DnCase{50, 65, true}, DnCase{50, 80, false},
                      DnCase{50, 32, false}, DnCase{15, 12, true}, DnCase{15, 20, true},
                      DnCase{15, 25, false}, DnCase{4, 4, true}, DnCase{4, 9, true},
                      DnCase{4, 12, false}, DnCase{150, 200, true}, DnCase{150, 300, false},
                      DnCase{200, 150, true}, DnCase{200, 300, true}, DnCase{200, 350, false},
                      DnCase{16, 15, true}, DnCase{16, 25, true}, DnCase{16, 32, false},
                      // Near the end of the series: no upper neighbour sets no upper limit.
                      DnCase{750, 700, true}, DnCase{750, 2000, true}, DnCase{750, 600, false},
                      DnCase{700, 800, true}, DnCase{700, 900, false},
                      // Beyond the series only diameters beyond it are near.
                      DnCase{1000, 900, true}, DnCase{1000, 800, false}));

}  // namespace
}  // namespace selvio
