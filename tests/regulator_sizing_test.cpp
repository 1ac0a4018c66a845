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

// A flanged regulator for water, glycol and steam, rated 16 bar / 150 °C, whose one setting
// range 0.1-20 bar holds every setting.
RegulatorRecord MakeRegulator(const QString& name, float dn = 50, float kvs = 25) {
  RegulatorRecord r;
  r.name = name;
  r.dn = dn;
  r.connection = kFlanged;
  r.kvs = kvs;
  r.maxPressure = 16;
  r.maxTemperature = 150;
  r.forWater = r.forGlycol = r.forSteam = 1;
  r.rangeLow[0] = 0.1f;
  r.rangeHigh[0] = 20;
  r.rangeCount = 1;
  return r;
}

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

int CandidateCount(const EngineFixture& f, int product) {
  return product == ids::kDpRegulator ? f.result->dpRegulatorCandidateCount
                                      : f.result->reducingValveCandidateCount;
}

const RegulatorCandidate& Candidate(const EngineFixture& f, int product, int i) {
  const auto slot = static_cast<std::size_t>(i);
  return product == ids::kDpRegulator ? f.result->dpRegulatorCandidates[slot]
                                      : f.result->reducingValveCandidates[slot];
}

// Water, flanged, P1 6, P2 3, 90 °C, ΔP 0.25, G 10 (Kv 20), setting 1 bar; one regulator of
// Kvs 25 in the container of the product, changed by the row.
struct FitCase {
  const char* name;
  std::function<void(RegulatorRecord&)> regulator;
  std::function<void(EngineFixture&)> form;
  bool fits;
  float settingLow = 0.1f;
  float settingHigh = 20;
};

class RegulatorTestsTest : public ::testing::TestWithParam<std::tuple<int, FitCase>> {};

TEST_P(RegulatorTestsTest, EachTestCanRejectTheRegulator) {
  const auto& [product, c] = GetParam();
  EngineFixture f;
  f.ChooseProduct(product);
  RegulatorRecord r = MakeRegulator("R");
  if (c.regulator) c.regulator(r);
  (product == ids::kDpRegulator ? f.catalogue->dpRegulators : f.catalogue->reducingValves)
      .Append(r);
  if (c.form) c.form(f);
  SelectionForm form = f.Form();
  EXPECT_EQ(RunSelection(form), c.fits ? Found : NothingFound);
  EXPECT_TRUE(f.controls.Messages().isEmpty());
  ASSERT_EQ(CandidateCount(f, product), c.fits ? 1 : 0);
  if (c.fits) {
    EXPECT_FLOAT_EQ(Candidate(f, product, 0).settingLow, c.settingLow);
    EXPECT_FLOAT_EQ(Candidate(f, product, 0).settingHigh, c.settingHigh);
  }
}

void Pressures(EngineFixture& f, const char* p1, const char* p2) {
  f.Type(ids::kP1, p1);
  f.Type(ids::kP2, p2);
}

// Steam of 100 kg/h with P2 above P1: |6 - 10.5| = 4.5 bar.
void SteamWithHigherOutlet(EngineFixture& f) {
  f.ChooseMedium(ids::kSteam);
  Pressures(f, "6", "10.5");
  f.Type(ids::kFlow, "0.1");  // t/h
}

INSTANTIATE_TEST_SUITE_P(Cases, RegulatorTestsTest,
                         ::testing::Combine(
                             ::testing::Values(ids::kDpRegulator, ids::kReducingValve),
                             ::testing::
                                 Values(FitCase{"fits", {}, {}, true},
                                        FitCase{
                                            "connection_differs",
                                            [](RegulatorRecord& r) { r.connection = kThreaded; },
                                            {},
                                            false},
                                        FitCase{"design_and_balance_not_asked_of_regulators",
                                                {},
                                                [](EngineFixture& f) {
                                                  f.Check(ids::kTwoWay, false);
                                                  f.Check(ids::kBalanced);
                                                },
                                                true},
                                        FitCase{"not_for_water",
                                                [](RegulatorRecord& r) { r.forWater = 0; },
                                                {},
                                                false},
                                        FitCase{
                                            "glycol_regulator_for_glycol",
                                            [](RegulatorRecord& r) { r.forWater = 0; },
                                            [](EngineFixture& f) { f.ChooseMedium(ids::kGlycol); },
                                            true},
                                        FitCase{
                                            "not_for_glycol",
                                            [](RegulatorRecord& r) { r.forGlycol = 0; },
                                            [](EngineFixture& f) { f.ChooseMedium(ids::kGlycol); },
                                            false},
                                        FitCase{
                                            "not_for_steam",
                                            [](RegulatorRecord& r) { r.forSteam = 0; },
                                            [](EngineFixture& f) { f.ChooseMedium(ids::kSteam); },
                                            false},
                                        FitCase{"pressure_above_nominal",
                                                [](RegulatorRecord& r) { r.maxPressure = 5; },
                                                {},
                                                false},
                                        FitCase{"temperature_above_nominal",
                                                [](RegulatorRecord& r) { r.maxTemperature = 80; },
                                                {},
                                                false},
                                        FitCase{"rating_interpolated_at_70",
                                                [](RegulatorRecord& r) {
                                                  SetRating(r, {{20, 16}, {120, 13}});
                                                },
                                                [](EngineFixture& f) {
                                                  Pressures(f, "14.5", "13");
                                                  f.Type(ids::kTemperature, "70");
                                                },
                                                true},
                                        FitCase{"rating_above_interpolated_limit",
                                                [](RegulatorRecord& r) {
                                                  SetRating(r, {{20, 16}, {120, 13}});
                                                },
                                                [](EngineFixture& f) {
                                                  Pressures(f, "14.6", "13");
                                                  f.Type(ids::kTemperature, "70");
                                                },
                                                false},
                                        FitCase{"rating_tabulated_temperature_excluded",
                                                [](RegulatorRecord& r) {
                                                  SetRating(r, {{20, 16}, {120, 13}});
                                                },
                                                [](EngineFixture& f) {
                                                  f.Type(ids::kTemperature, "20");
                                                },
                                                false},
                                        FitCase{"rating_last_tabulated_temperature_excluded",
                                                [](RegulatorRecord& r) {
                                                  SetRating(r, {{20, 16}, {120, 13}});
                                                },
                                                [](EngineFixture& f) {
                                                  f.Type(ids::kTemperature, "120");
                                                },
                                                false},
                                        FitCase{"kvs_equal_to_kv",
                                                [](RegulatorRecord& r) { r.kvs = 20; },
                                                {},
                                                true},
                                        FitCase{
                                            "kvs_below_kv",
                                            [](RegulatorRecord& r) { r.kvs = 19.9f; },
                                            {},
                                            false},
                                        FitCase{"drop_equal_to_limit",
                                                [](RegulatorRecord& r) { r.maxPressureDrop = 8; },
                                                [](EngineFixture& f) { Pressures(f, "10", "2"); },
                                                false},
                                        FitCase{"drop_below_limit",
                                                [](RegulatorRecord& r) {
                                                  r.maxPressureDrop = 8.5f;
                                                },
                                                [](EngineFixture& f) { Pressures(f, "10", "2"); },
                                                true},
                                        FitCase{"no_drop_limit_given",
                                                {},
                                                [](EngineFixture& f) { Pressures(f, "15", "0"); },
                                                true},
                                        FitCase{"steam_drop_is_absolute",
                                                [](RegulatorRecord& r) { r.maxPressureDrop = 4; },
                                                SteamWithHigherOutlet, false},
                                        FitCase{"steam_drop_below_limit",
                                                [](RegulatorRecord& r) { r.maxPressureDrop = 5; },
                                                SteamWithHigherOutlet, true},
                                        FitCase{
                                            "later_range_holds_the_setting",
                                            [](RegulatorRecord& r) {
                                              SetRanges(r, {{0.1f, 0.3f}, {0.3f, 1.0f}});
                                            },
                                            [](EngineFixture& f) { f.Type(ids::kSetting, "0.5"); },
                                            true, 0.3f, 1.0f},
                                        FitCase{"first_range_holding_the_setting",
                                                [](RegulatorRecord& r) {
                                                  SetRanges(r, {{0.5f, 1.0f}, {1.0f, 2.0f}});
                                                },
                                                {},
                                                true,
                                                0.5f,
                                                1.0f},
                                        FitCase{"setting_in_kilopascal",
                                                [](RegulatorRecord& r) {
                                                  SetRanges(r, {{0.1f, 0.3f}, {0.3f, 1.0f}});
                                                },
                                                [](EngineFixture& f) {
                                                  f.Type(ids::kSetting, "50");
                                                  f.SelectUnit(ids::kSettingUnit, 1);
                                                },
                                                true, 0.3f, 1.0f},
                                        FitCase{"no_range_holds_the_setting",
                                                [](RegulatorRecord& r) {
                                                  SetRanges(r, {{0.1f, 0.3f}, {2, 3}});
                                                },
                                                {},
                                                false},
                                        FitCase{"no_ranges",
                                                [](RegulatorRecord& r) { r.rangeCount = 0; },
                                                {},
                                                false})),
                         [](const auto& row) {
                           return std::string(std::get<0>(row.param) == ids::kDpRegulator
                                                  ? "dp_"
                                                  : "reducing_") +
                                  std::get<1>(row.param).name;
                         });

// Setting bounds (inclusive, although the messages write "<") and the steam δ check.
struct RefusalCase {
  const char* name;
  int product;
  const char* setting;
  std::function<void(EngineFixture&)> form;
  const char* message;  // nullptr: accepted
};

class RegulatorRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

const char* const kDpSetting = "Значение настройки может быть 0.2<P<8";
const char* const kReducingSetting = "Значение настройки может быть 0.4<P<16";
const char* const kDelta = "Относительный перепад давления может быть 0.01<δ<0.42";

TEST_P(RegulatorRefusalTest, MessageAndNothingElse) {
  const RefusalCase& c = GetParam();
  EngineFixture f;
  f.ChooseProduct(c.product);
  f.Type(ids::kSetting, c.setting);
  f.catalogue->dpRegulators.Append(MakeRegulator("DP"));
  f.catalogue->reducingValves.Append(MakeRegulator("RK"));
  if (c.form) c.form(f);
  SelectionForm form = f.Form();
  OnCalculate(form);
  if (c.message == nullptr) {
    EXPECT_EQ(f.result->outcome, Found);
    EXPECT_TRUE(f.controls.Messages().isEmpty());
    EXPECT_EQ(CandidateCount(f, c.product), 1);
  } else {
    EXPECT_EQ(f.result->outcome, InvalidInput);
    EXPECT_EQ(f.controls.Messages(), QStringList{QString::fromUtf8(c.message)});
    EXPECT_EQ(CandidateCount(f, c.product), 0);
    EXPECT_FALSE(f.controls.IsEnabled(ids::kOtherConfiguration));
  }
}

void Steam(EngineFixture& f, const char* delta) {
  f.ChooseMedium(ids::kSteam);
  f.Type(ids::kDrop, delta);
  f.Type(ids::kFlow, "0.1");  // t/h
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegulatorRefusalTest,
    ::testing::Values(
        RefusalCase{"dp_lowest_setting", ids::kDpRegulator, "0.2", {}, nullptr},
        RefusalCase{"dp_highest_setting", ids::kDpRegulator, "8", {}, nullptr},
        RefusalCase{"dp_setting_above", ids::kDpRegulator, "8.01", {}, kDpSetting},
        RefusalCase{"dp_setting_below", ids::kDpRegulator, "0.19", {}, kDpSetting},
        RefusalCase{"dp_setting_in_kilopascal", ids::kDpRegulator, "900",
                    [](EngineFixture& f) { f.SelectUnit(ids::kSettingUnit, 1); }, kDpSetting},
        RefusalCase{"reducing_lowest_setting", ids::kReducingValve, "0.4", {}, nullptr},
        RefusalCase{"reducing_highest_setting", ids::kReducingValve, "16", {}, nullptr},
        RefusalCase{"reducing_setting_above", ids::kReducingValve, "16.5", {}, kReducingSetting},
        RefusalCase{"reducing_setting_below", ids::kReducingValve, "0.39", {}, kReducingSetting},
        RefusalCase{
            "reducing_takes_a_setting_above_dp_bounds", ids::kReducingValve, "10", {}, nullptr},
        RefusalCase{"steam_delta_above", ids::kReducingValve, "1",
                    [](EngineFixture& f) { Steam(f, "0.5"); }, kDelta},
        RefusalCase{"steam_delta_at_upper_bound", ids::kDpRegulator, "1",
                    [](EngineFixture& f) { Steam(f, "0.42"); }, nullptr},
        RefusalCase{"steam_delta_single_precision_0_01", ids::kDpRegulator, "1",
                    [](EngineFixture& f) { Steam(f, "0.01"); }, kDelta},
        RefusalCase{"setting_checked_before_delta", ids::kDpRegulator, "9",
                    [](EngineFixture& f) { Steam(f, "0.5"); }, kDpSetting}),
    [](const auto& row) { return std::string(row.param.name); });

// The list rules: catalogue order, at most two of a name, diameters within one step of the
// first candidate's.
struct ListCase {
  const char* name;
  std::vector<std::pair<const char*, float>> regulators;  // name, DN
  std::vector<int> kept;                                  // catalogue slots kept, in order
};

class RegulatorListTest : public ::testing::TestWithParam<std::tuple<int, ListCase>> {};

TEST_P(RegulatorListTest, KeepsCloseAlternatives) {
  const auto& [product, c] = GetParam();
  EngineFixture f;
  f.ChooseProduct(product);
  RecordContainer<RegulatorRecord>& container =
      product == ids::kDpRegulator ? f.catalogue->dpRegulators : f.catalogue->reducingValves;
  for (std::size_t i = 0; i < c.regulators.size(); ++i) {
    RegulatorRecord r = MakeRegulator(c.regulators[i].first, c.regulators[i].second);
    r.dnText = QString::number(i);  // identifies the slot
    container.Append(r);
  }
  f.result->shownCandidate = 3;
  SelectionForm form = f.Form();
  RunSelection(form);
  std::vector<int> kept;
  for (int i = 0; i < CandidateCount(f, product); ++i) {
    kept.push_back(Candidate(f, product, i).regulator.dnText.toInt());
  }
  EXPECT_EQ(kept, c.kept);
  EXPECT_EQ(f.result->shownCandidate, 0);
  EXPECT_EQ(f.result->valveCandidateCount, 0);
  EXPECT_EQ(f.result->dpRegulatorCandidateCount + f.result->reducingValveCandidateCount,
            CandidateCount(f, product));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegulatorListTest,
    ::testing::Combine(
        ::testing::Values(ids::kDpRegulator, ids::kReducingValve),
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
    [](const auto& row) {
      return std::string(std::get<0>(row.param) == ids::kDpRegulator ? "dp_" : "reducing_") +
             std::get<1>(row.param).name;
    });

TEST(SizeRegulatorTest, SettingOnTheBoundaryOfTwoRangesTakesTheFirst) {
  EngineFixture f;
  f.ChooseProduct(ids::kDpRegulator);
  RegulatorRecord r = MakeRegulator("DP");
  SetRanges(r, {{0.1f, 0.3f}, {0.3f, 1.0f}});
  f.catalogue->dpRegulators.Append(r);
  f.Type(ids::kSetting, "0.3");
  SelectionForm form = f.Form();
  ASSERT_EQ(RunSelection(form), Found);
  EXPECT_FLOAT_EQ(f.result->dpRegulatorCandidates[0].settingLow, 0.1f);
  EXPECT_FLOAT_EQ(f.result->dpRegulatorCandidates[0].settingHigh, 0.3f);
}

TEST(SizeRegulatorTest, UsesOnlyTheContainerOfItsKind) {
  EngineFixture f;
  f.ChooseProduct(ids::kDpRegulator);
  f.catalogue->reducingValves.Append(MakeRegulator("RK"));
  SelectionForm form = f.Form();
  EXPECT_EQ(RunSelection(form), NothingFound);
  f.ChooseProduct(ids::kReducingValve);
  EXPECT_EQ(RunSelection(form), Found);
  EXPECT_EQ(f.result->reducingValveCandidates[0].regulator.name, "RK");
  EXPECT_FLOAT_EQ(f.result->kv, 20.0f);
}

TEST(SizeRegulatorTest, NeverEndsWithNoActuator) {
  EngineFixture f;
  f.ChooseProduct(ids::kDpRegulator);
  f.actuatorSectionOn = true;
  f.Check(ids::kElectric);
  f.catalogue->dpRegulators.Append(MakeRegulator("DP"));
  SelectionForm form = f.Form();
  EXPECT_EQ(RunSelection(form), Found);
  f.Type(ids::kFlow, "100");
  EXPECT_EQ(RunSelection(form), NothingFound);
}

TEST(SizeRegulatorTest, LeavesTheShownActuatorAlone) {
  EngineFixture f;
  f.ChooseProduct(ids::kReducingValve);
  f.catalogue->reducingValves.Append(MakeRegulator("RK"));
  f.result->shownActuator = 2;
  SelectionForm form = f.Form();
  RunSelection(form);
  EXPECT_EQ(f.result->shownActuator, 2);
}

TEST(SizeRegulatorTest, AFullListTakesNoMore) {
  EngineFixture f;
  f.ChooseProduct(ids::kDpRegulator);
  for (int i = 0; i < kListCapacity + 20; ++i) {
    f.catalogue->dpRegulators.Append(MakeRegulator(QString::number(i)));
  }
  SelectionForm form = f.Form();
  EXPECT_EQ(RunSelection(form), Found);
  EXPECT_EQ(f.result->dpRegulatorCandidateCount, kListCapacity);
  EXPECT_EQ(f.result->dpRegulatorCandidates[kListCapacity - 1].regulator.name, "99");
}

}  // namespace
}  // namespace selvio
