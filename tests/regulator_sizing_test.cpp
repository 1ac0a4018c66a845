#include "engine/regulator_sizing.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "engine/selection.h"
#include "tests/engine_fixture.h"

namespace selvio {
namespace {

using test::EngineFixture;
using test::MakeRegulator;

void SetRanges(RegulatorRecord& r, std::initializer_list<std::pair<float, float>> ranges) {
  r.rangeCount = 0;
  for (const auto& [low, high] : ranges) {
    r.rangeLow[r.rangeCount] = low;
    r.rangeHigh[r.rangeCount] = high;
    ++r.rangeCount;
  }
}

void SetRating(RegulatorRecord& r, std::initializer_list<std::pair<float, float>> table) {
  r.ratingCount = 0;
  for (const auto& [t, p] : table) {
    r.ratingTemperature[r.ratingCount] = t;
    r.ratingPressure[r.ratingCount] = p;
    ++r.ratingCount;
  }
}

// The candidate list of the product in the fixture's result.
const std::vector<RegulatorCandidate>& ListOf(const EngineFixture& f, ProductKind product) {
  return product == ProductKind::DpRegulator ? f.result.dpRegulatorCandidates
                                             : f.result.reducingValveCandidates;
}

RecordContainer<RegulatorRecord>& ContainerOf(EngineFixture& f, ProductKind product) {
  return product == ProductKind::DpRegulator ? f.catalogue->dpRegulators
                                             : f.catalogue->reducingValves;
}

std::string Prefix(ProductKind product) {
  return product == ProductKind::DpRegulator ? "dp_" : "reducing_";
}

// Water, flanged, P1 6, P2 3, 90 °C, ΔP 0.25, G 10 (Kv 20), setting 1 bar; one regulator of
// Kvs 25 in the container of the product, changed by the row.
struct FitCase {
  const char* name;
  std::function<void(RegulatorRecord&)> regulator;
  std::function<void(SelectionRequest&)> request;
  bool fits;
  float settingLow = 0.1f;
  float settingHigh = 20;
};

class RegulatorTestsTest : public ::testing::TestWithParam<std::tuple<ProductKind, FitCase>> {};

TEST_P(RegulatorTestsTest, EachTestCanRejectTheRegulator) {
  const auto& [product, c] = GetParam();
  EngineFixture f;
  f.request.product = product;
  RegulatorRecord r = MakeRegulator("R");
  if (c.regulator) c.regulator(r);
  ContainerOf(f, product).Append(r);
  if (c.request) c.request(f.request);
  EXPECT_EQ(f.Run(), c.fits ? Found : NothingFound);
  ASSERT_EQ(ListOf(f, product).size(), c.fits ? 1u : 0u);
  if (c.fits) {
    EXPECT_FLOAT_EQ(ListOf(f, product)[0].settingLow, c.settingLow);
    EXPECT_FLOAT_EQ(ListOf(f, product)[0].settingHigh, c.settingHigh);
  }
}

std::function<void(SelectionRequest&)> Pressures(float p1, float p2) {
  return [p1, p2](SelectionRequest& r) {
    r.p1 = p1;
    r.p2 = p2;
  };
}

std::function<void(SelectionRequest&)> RatedAt70(float p1) {
  return [p1](SelectionRequest& r) {
    Pressures(p1, 13)(r);
    r.temperature = 70;
  };
}

std::function<void(SelectionRequest&)> Temperature(int t) {
  return [t](SelectionRequest& r) { r.temperature = t; };
}

std::function<void(SelectionRequest&)> WithMedium(Medium medium) {
  return [medium](SelectionRequest& r) { r.medium = medium; };
}

// Steam of 100 kg/h with P2 above P1: |6 - 10.5| = 4.5 bar.
void SteamWithHigherOutlet(SelectionRequest& r) {
  r.medium = Medium::Steam;
  Pressures(6, 10.5f)(r);
  r.flow = 100;
}

void TableTo120(RegulatorRecord& r) { SetRating(r, {{20, 16}, {120, 13}}); }

INSTANTIATE_TEST_SUITE_P(Cases, RegulatorTestsTest,
                         ::testing::Combine(::testing::Values(ProductKind::DpRegulator,
                                                              ProductKind::ReducingValve),
                                            ::testing::Values(
                                                FitCase{"fits", {}, {}, true},
                                                FitCase{"connection_differs",
                                                        [](RegulatorRecord& r) {
                                                          r.connection = ConnectionKind::Threaded;
                                                        },
                                                        {},
                                                        false},
                                                FitCase{
                                                    "design_and_balance_not_asked_of_regulators",
                                                    {},
                                                    [](SelectionRequest& r) {
                                                      r.valveKind = ValveKind::NotGiven;
                                                      r.wantBalanced = true;
                                                    },
                                                    true},
                                                FitCase{"not_for_water",
                                                        [](RegulatorRecord& r) { r.forWater = 0; },
                                                        {},
                                                        false},
                                                FitCase{"glycol_regulator_for_glycol",
                                                        [](RegulatorRecord& r) { r.forWater = 0; },
                                                        WithMedium(Medium::Glycol), true},
                                                FitCase{"not_for_glycol",
                                                        [](RegulatorRecord& r) { r.forGlycol = 0; },
                                                        WithMedium(Medium::Glycol), false},
                                                FitCase{"not_for_steam",
                                                        [](RegulatorRecord& r) { r.forSteam = 0; },
                                                        SteamWithHigherOutlet, false},
                                                FitCase{"no_medium_chosen",
                                                        {},
                                                        WithMedium(Medium::None),
                                                        false},
                                                FitCase{
                                                    "pressure_above_nominal",
                                                    [](RegulatorRecord& r) { r.maxPressure = 5; },
                                                    {},
                                                    false},
                                                FitCase{"temperature_above_nominal",
                                                        [](RegulatorRecord&
                                                               r) { r.maxTemperature = 80; },
                                                        {},
                                                        false},
                                                FitCase{"rating_interpolated_at_70", TableTo120,
                                                        RatedAt70(14.5f), true},
                                                FitCase{"rating_above_interpolated_limit",
                                                        TableTo120, RatedAt70(14.6f), false},
                                                FitCase{"rating_tabulated_temperature_excluded",
                                                        TableTo120, Temperature(20), false},
                                                FitCase{
                                                    "rating_last_tabulated_temperature_excluded",
                                                    TableTo120, Temperature(120), false},
                                                FitCase{
                                                    "kvs_equal_to_kv",
                                                    [](RegulatorRecord& r) { r.kvs = 20; },
                                                    {},
                                                    true},
                                                FitCase{"kvs_below_kv",
                                                        [](RegulatorRecord& r) { r.kvs = 19.9f; },
                                                        {},
                                                        false},
                                                FitCase{"drop_equal_to_limit",
                                                        [](RegulatorRecord&
                                                               r) { r.maxPressureDrop = 8; },
                                                        Pressures(10, 2), false},
                                                FitCase{"drop_below_limit",
                                                        [](RegulatorRecord&
                                                               r) { r.maxPressureDrop = 8.5f; },
                                                        Pressures(10, 2), true},
                                                FitCase{"no_drop_limit_given",
                                                        {},
                                                        Pressures(15, 0),
                                                        true},
                                                FitCase{
                                                    "steam_drop_is_absolute",
                                                    [](
                                                        RegulatorRecord&
                                                            r) { r.maxPressureDrop = 4; },
                                                    SteamWithHigherOutlet, false},
                                                FitCase{
                                                    "steam_drop_below_limit",
                                                    [](
                                                        RegulatorRecord&
                                                            r) { r.maxPressureDrop = 5; },
                                                    SteamWithHigherOutlet, true},
                                                FitCase{
                                                    "later_range_holds_the_setting",
                                                    [](RegulatorRecord& r) {
                                                      SetRanges(r, {{0.1f, 0.3f}, {0.3f, 1.0f}});
                                                    },
                                                    [](SelectionRequest& r) { r.setting = 0.5f; },
                                                    true, 0.3f, 1.0f},
                                                FitCase{
                                                    "first_range_holding_the_setting",
                                                    [](RegulatorRecord& r) {
                                                      SetRanges(r, {{0.5f, 1.0f}, {1.0f, 2.0f}});
                                                    },
                                                    {},
                                                    true,
                                                    0.5f,
                                                    1.0f},
                                                FitCase{"no_range_holds_the_setting",
                                                        [](RegulatorRecord& r) {
                                                          SetRanges(r, {{0.1f, 0.3f}, {2, 3}});
                                                        },
                                                        {},
                                                        false},
                                                FitCase{
                                                    "no_ranges",
                                                    [](RegulatorRecord& r) { r.rangeCount = 0; },
                                                    {},
                                                    false})),
                         [](const auto& row) {
                           return Prefix(std::get<0>(row.param)) + std::get<1>(row.param).name;
                         });

// Setting bounds (inclusive, although the messages write "<") and the steam δ check.
struct RefusalCase {
  const char* name;
  ProductKind product;
  float setting;
  std::function<void(SelectionRequest&)> request;
  SelectionMessage message;  // None: accepted
};

class RegulatorRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

// "Значение настройки может быть 0.2<P<8", "... 0.4<P<16", "... 0.01<δ<0.42".
const SelectionMessage kDpSetting{SelectionMessageCode::SettingOutOfRange, InputField::Setting, 0.2,
                                  8};
const SelectionMessage kReducingSetting{SelectionMessageCode::SettingOutOfRange,
                                        InputField::Setting, 0.4, 16};
const SelectionMessage kDelta{SelectionMessageCode::RelativeDropOutOfRange,
                              InputField::RelativeDrop, 0.01, 0.42};
const SelectionMessage kAccepted{};

TEST_P(RegulatorRefusalTest, MessageAndNothingElse) {
  const RefusalCase& c = GetParam();
  EngineFixture f;
  f.request.product = c.product;
  f.request.setting = c.setting;
  f.catalogue->dpRegulators.Append(MakeRegulator("DP"));
  f.catalogue->reducingValves.Append(MakeRegulator("RK"));
  if (c.request) c.request(f.request);
  const SelectionOutcome outcome = f.Run();
  if (c.message == kAccepted) {
    EXPECT_EQ(outcome, Found);
    EXPECT_EQ(f.result.message, kAccepted);
    EXPECT_EQ(ListOf(f, c.product).size(), 1u);
  } else {
    EXPECT_EQ(outcome, InvalidInput);
    EXPECT_EQ(f.result.message, c.message);
    EXPECT_EQ(CandidateCount(f.result), 0);
    EXPECT_EQ(f.result.kv, 0.0f);
  }
}

// Steam of 100 kg/h with the relative drop δ.
std::function<void(SelectionRequest&)> Steam(float delta) {
  return [delta](SelectionRequest& r) {
    r.medium = Medium::Steam;
    r.drop = delta;
    r.flow = 100;
  };
}

constexpr ProductKind kDp = ProductKind::DpRegulator;
constexpr ProductKind kReducing = ProductKind::ReducingValve;

INSTANTIATE_TEST_SUITE_P(
    Cases, RegulatorRefusalTest,
    ::testing::Values(
        RefusalCase{"dp_lowest_setting", kDp, 0.2f, {}, kAccepted},
        RefusalCase{"dp_highest_setting", kDp, 8, {}, kAccepted},
        RefusalCase{"dp_setting_above", kDp, 8.01f, {}, kDpSetting},
        RefusalCase{"dp_setting_below", kDp, 0.19f, {}, kDpSetting},
        RefusalCase{"dp_setting_9", kDp, 9, {}, kDpSetting},
        RefusalCase{"reducing_lowest_setting", kReducing, 0.4f, {}, kAccepted},
        RefusalCase{"reducing_highest_setting", kReducing, 16, {}, kAccepted},
        RefusalCase{"reducing_setting_above", kReducing, 16.5f, {}, kReducingSetting},
        RefusalCase{"reducing_setting_below", kReducing, 0.39f, {}, kReducingSetting},
        RefusalCase{"reducing_takes_a_setting_above_dp_bounds", kReducing, 10, {}, kAccepted},
        RefusalCase{"steam_delta_above", kReducing, 1, Steam(0.5f), kDelta},
        RefusalCase{"steam_delta_at_upper_bound", kDp, 1, Steam(0.42f), kAccepted},
        RefusalCase{"steam_delta_single_precision_0_01", kDp, 1, Steam(0.01f), kDelta},
        RefusalCase{"setting_checked_before_delta", kDp, 9, Steam(0.5f), kDpSetting}),
    [](const auto& row) { return std::string(row.param.name); });

// The list rules: catalogue order, at most two of a name, diameters within one step of the
// first candidate's.
struct ListCase {
  const char* name;
  std::vector<std::pair<const char*, float>> regulators;  // name, DN
  std::vector<int> kept;                                  // catalogue slots kept, in order
};

class RegulatorListTest : public ::testing::TestWithParam<std::tuple<ProductKind, ListCase>> {};

TEST_P(RegulatorListTest, KeepsCloseAlternatives) {
  const auto& [product, c] = GetParam();
  EngineFixture f;
  f.request.product = product;
  for (std::size_t i = 0; i < c.regulators.size(); ++i) {
    RegulatorRecord r = MakeRegulator(c.regulators[i].first, c.regulators[i].second);
    r.dnText = QString::number(i);  // identifies the slot
    ContainerOf(f, product).Append(r);
  }
  f.result.shownCandidate = 3;
  f.Run();
  std::vector<int> kept;
  for (const RegulatorCandidate& candidate : ListOf(f, product)) {
    kept.push_back(candidate.regulator.dnText.toInt());
  }
  EXPECT_EQ(kept, c.kept);
  EXPECT_EQ(f.result.shownCandidate, 0);
  EXPECT_TRUE(f.result.valveCandidates.empty());
  EXPECT_EQ(f.result.dpRegulatorCandidates.size() + f.result.reducingValveCandidates.size(),
            ListOf(f, product).size());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegulatorListTest,
    ::testing::Combine(
        ::testing::Values(ProductKind::DpRegulator, ProductKind::ReducingValve),
        ::testing::Values(ListCase{"three_of_one_name", {{"R", 50}, {"R", 50}, {"R", 50}}, {0, 1}},
                          ListCase{"third_of_a_name_after_others",
                                   {{"R", 50}, {"S", 50}, {"R", 50}, {"R", 40}, {"S", 65}},
                                   {0, 1, 2, 4}},
                          ListCase{"diameters_near_the_first",
                                   {{"A", 50}, {"B", 40}, {"C", 65}, {"D", 80}, {"E", 32}},
                                   {0, 1, 2}},
                          ListCase{"first_dn_150_reaches_250",
                                   {{"A", 150}, {"B", 200}, {"C", 250}, {"D", 300}, {"E", 100}},
                                   {0, 1, 2}},
                          ListCase{"dropped_by_diameter_does_not_count_for_the_name",
                                   {{"A", 50}, {"B", 100}, {"B", 50}, {"B", 50}, {"B", 50}},
                                   {0, 2, 3}})),
    [](const auto& row) { return Prefix(std::get<0>(row.param)) + std::get<1>(row.param).name; });

TEST(SizeRegulatorTest, SettingOnTheBoundaryOfTwoRangesTakesTheFirst) {
  EngineFixture f;
  f.request.product = ProductKind::DpRegulator;
  RegulatorRecord r = MakeRegulator("DP");
  SetRanges(r, {{0.1f, 0.3f}, {0.3f, 1.0f}});
  f.catalogue->dpRegulators.Append(r);
  f.request.setting = 0.3f;
  ASSERT_EQ(f.Run(), Found);
  EXPECT_FLOAT_EQ(f.result.dpRegulatorCandidates[0].settingLow, 0.1f);
  EXPECT_FLOAT_EQ(f.result.dpRegulatorCandidates[0].settingHigh, 0.3f);
}

TEST(SizeRegulatorTest, UsesOnlyTheContainerOfItsKind) {
  EngineFixture f;
  f.request.product = ProductKind::DpRegulator;
  f.catalogue->reducingValves.Append(MakeRegulator("RK"));
  EXPECT_EQ(f.Run(), NothingFound);
  f.request.product = ProductKind::ReducingValve;
  EXPECT_EQ(f.Run(), Found);
  EXPECT_EQ(f.result.reducingValveCandidates[0].regulator.name, "RK");
  EXPECT_TRUE(f.result.dpRegulatorCandidates.empty());
  EXPECT_FLOAT_EQ(f.result.kv, 20.0f);
}

TEST(SizeRegulatorTest, NeverEndsWithNoActuator) {
  EngineFixture f;
  f.request.product = ProductKind::DpRegulator;
  f.request.matchActuators = true;
  f.request.actuator.actuatorKind = ActuatorKind::Electric;
  f.catalogue->dpRegulators.Append(MakeRegulator("DP"));
  EXPECT_EQ(f.Run(), Found);
  f.request.flow = 100;
  EXPECT_EQ(f.Run(), NothingFound);
}

TEST(SizeRegulatorTest, LeavesTheShownActuatorAlone) {
  EngineFixture f;
  f.request.product = ProductKind::ReducingValve;
  f.catalogue->reducingValves.Append(MakeRegulator("RK"));
  f.result.shownActuator = 2;
  f.Run();
  EXPECT_EQ(f.result.shownActuator, 2);
}

TEST(SizeRegulatorTest, AFullListTakesNoMore) {
  EngineFixture f;
  f.request.product = ProductKind::DpRegulator;
  for (int i = 0; i < kListCapacity + 20; ++i) {
    f.catalogue->dpRegulators.Append(MakeRegulator(QString::number(i)));
  }
  EXPECT_EQ(f.Run(), Found);
  ASSERT_EQ(f.result.dpRegulatorCandidates.size(), static_cast<std::size_t>(kListCapacity));
  EXPECT_EQ(f.result.dpRegulatorCandidates[kListCapacity - 1].regulator.name, "99");
}

}  // namespace
}  // namespace selvio
