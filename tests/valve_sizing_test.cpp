#include "engine/valve_sizing.h"

#include <gtest/gtest.h>

#include <functional>

#include "engine/selection.h"
#include "tests/engine_fixture.h"

namespace selvio {
namespace {

using test::CandidateNames;
using test::EngineFixture;
using test::MakeValve;

struct FitCase {
  const char* name;
  std::function<void(ValveRecord&)> valve;
  std::function<void(EngineFixture&)> form;
  bool fits;
};

class ValveTestsTest : public ::testing::TestWithParam<FitCase> {};

// Water, flanged, two-way, P1 6, P2 3, 90 °C, Kv 20 against a fitting DN 50 valve of Kvs 25.
TEST_P(ValveTestsTest, EachTestCanRejectTheValve) {
  const FitCase& c = GetParam();
  EngineFixture f;
  ValveRecord v = MakeValve("V", 50, 25);
  if (c.valve) c.valve(v);
  f.catalogue->valves.Append(v);
  if (c.form) c.form(f);
  SelectionForm form = f.Form();
  EXPECT_EQ(RunSelection(form), c.fits ? Found : NothingFound);
}

void ThreeWay(EngineFixture& f) { f.Choose(ids::kThreeWay, {ids::kTwoWay, ids::kThreeWay}); }

INSTANTIATE_TEST_SUITE_P(
    Cases, ValveTestsTest,
    ::testing::Values(
        FitCase{"fits", {}, {}, true},
        FitCase{"connection_differs", [](ValveRecord& v) { v.connection = kThreaded; }, {}, false},
        FitCase{"no_connection_asked_matches_only_unknown",
                [](ValveRecord& v) { v.connection = kConnectionNotGiven; },
                [](EngineFixture& f) { f.Check(ids::kFlanged, false); }, true},
        FitCase{"ways_differ", [](ValveRecord& v) { v.valveKind = kThreeWay; }, {}, false},
        FitCase{"three_way_without_use_asked",
                [](ValveRecord& v) {
                  v.valveKind = kThreeWay;
                  v.mixing = v.diverting = 1;
                },
                ThreeWay, false},
        FitCase{"three_way_mixing",
                [](ValveRecord& v) {
                  v.valveKind = kThreeWay;
                  v.mixing = 1;
                },
                [](EngineFixture& f) {
                  ThreeWay(f);
                  f.Check(ids::kMixing);
                },
                true},
        FitCase{"three_way_mixing_asked_diverting_offered",
                [](ValveRecord& v) {
                  v.valveKind = kThreeWay;
                  v.diverting = 1;
                },
                [](EngineFixture& f) {
                  ThreeWay(f);
                  f.Check(ids::kMixing);
                },
                false},
        FitCase{"three_way_diverting",
                [](ValveRecord& v) {
                  v.valveKind = kThreeWay;
                  v.diverting = 1;
                },
                [](EngineFixture& f) {
                  ThreeWay(f);
                  f.Check(ids::kDiverting);
                },
                true},
        FitCase{"no_ways_asked", [](ValveRecord& v) { v.valveKind = kValveKindNotGiven; },
                [](EngineFixture& f) { f.Check(ids::kTwoWay, false); }, false},
        FitCase{"balanced_asked_not_offered",
                {},
                [](EngineFixture& f) { f.Check(ids::kBalanced); },
                false},
        FitCase{"balanced_asked_and_offered", [](ValveRecord& v) { v.pressureBalanced = 1; },
                [](EngineFixture& f) { f.Check(ids::kBalanced); }, true},
        FitCase{"not_for_water", [](ValveRecord& v) { v.forWater = 0; }, {}, false},
        FitCase{"glycol_valve_for_glycol", [](ValveRecord& v) { v.forWater = 0; },
                [](EngineFixture& f) { f.ChooseMedium(ids::kGlycol); }, true},
        FitCase{"not_for_steam", [](ValveRecord& v) { v.forSteam = 0; },
                [](EngineFixture& f) { f.ChooseMedium(ids::kSteam); }, false},
        FitCase{"pressure_above_rating", [](ValveRecord& v) { v.maxPressure = 5; }, {}, false},
        FitCase{
            "temperature_above_rating", [](ValveRecord& v) { v.maxTemperature = 80; }, {}, false},
        FitCase{"kvs_equal_to_kv", [](ValveRecord& v) { v.kvs = 20; }, {}, true},
        FitCase{"kvs_below_kv", [](ValveRecord& v) { v.kvs = 19.9f; }, {}, false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(SizeControlValveTest, AtMostTwoCandidatesShareAName) {
  EngineFixture f;
  for (int i = 0; i < 3; ++i) f.catalogue->valves.Append(MakeValve("Same", 50, 25));
  f.catalogue->valves.Append(MakeValve("Other", 50, 25));
  SelectionForm form = f.Form();
  ASSERT_EQ(RunSelection(form), Found);
  EXPECT_EQ(CandidateNames(*f.result), (std::vector<QString>{"Same", "Same", "Other"}));
}

TEST(SizeControlValveTest, LaterCandidatesStayWithinOneDiameterStepOfTheFirst) {
  struct Case {
    float first;
    std::vector<float> later;
    std::vector<QString> kept;
  };
  for (const Case& c :
       {Case{50, {40, 65, 80}, {"50", "40", "65"}}, Case{150, {200, 300}, {"150", "200"}}}) {
    EngineFixture f;
    f.catalogue->valves.Append(MakeValve(QString::number(c.first), c.first, 400));
    for (float dn : c.later) f.catalogue->valves.Append(MakeValve(QString::number(dn), dn, 400));
    SelectionForm form = f.Form();
    RunSelection(form);
    EXPECT_EQ(CandidateNames(*f.result), c.kept) << c.first;
  }
}

TEST(SizeControlValveTest, ListHoldsAtMostOneHundredCandidates) {
  EngineFixture f;
  for (int i = 0; i < 150; ++i) {
    f.catalogue->valves.Append(MakeValve(QString::number(i), 50, 25));
  }
  SelectionForm form = f.Form();
  ASSERT_EQ(RunSelection(form), Found);
  EXPECT_EQ(f.result->valveCandidateCount, kListCapacity);
  EXPECT_EQ(f.result->valveCandidates[99].valve.name, QStringLiteral("99"));
}

TEST(SizeControlValveTest, CandidatesCarryNoActuatorsWhileTheSectionIsOff) {
  EngineFixture f;
  ValveRecord v = MakeValve("V", 50, 25);
  v.electricLinkCount = 1;
  v.electricLinks[0].name = "E";
  f.catalogue->valves.Append(v);
  SelectionForm form = f.Form();
  ASSERT_EQ(RunSelection(form), Found);
  EXPECT_EQ(f.result->valveCandidates[0].electricActuatorCount, 0);
  EXPECT_EQ(f.result->shownCandidate, 0);
  EXPECT_EQ(f.result->shownActuator, 0);
}

TEST(SizeControlValveTest, EmptyCatalogueFindsNothing) {
  EngineFixture f;
  SelectionForm form = f.Form();
  EXPECT_EQ(RunSelection(form), NothingFound);
}

// The first candidate has nothing to be compared with: it is kept whatever its name and
// diameter, while the same valve after a DN 15 first candidate is dropped (500 is far from 15).
TEST(PruneDropsTest, KeepsTheFirstCandidateAlways) {
  SelectionResult result;
  result.valveCandidates[0].valve = MakeValve("B", 15, 1);
  result.valveCandidates[1].valve = MakeValve("A", 500, 1);
  result.valveCandidates[2].valve = MakeValve("A", 500, 1);
  EXPECT_FALSE(PruneDrops(result, 0, MakeValve("A", 500, 1)));
  EXPECT_TRUE(PruneDrops(result, 1, MakeValve("A", 500, 1)));
}

// Through a calculation: a DN 500 valve first in the catalogue is the first candidate, and a
// DN 15 valve after it is dropped.
TEST(SizeControlValveTest, TheFirstFittingValveIsAlwaysKept) {
  EngineFixture f;
  f.catalogue->valves.Append(MakeValve("Big", 500, 25));
  f.catalogue->valves.Append(MakeValve("Small", 15, 25));
  SelectionForm form = f.Form();
  ASSERT_EQ(RunSelection(form), Found);
  EXPECT_EQ(test::CandidateNames(*f.result), std::vector<QString>{"Big"});
}

}  // namespace
}  // namespace selvio

namespace selvio {
namespace {

// A thermostat request with a copper capillary, for a valve list of two: DN 50 then DN 15.
struct PrunedValveFixture : test::EngineFixture {
  PrunedValveFixture() {
    actuatorSectionOn = true;
    Check(ids::kThermostat);
    Check(ids::kCopperCapillary);
    Type(ids::kMaintainedTemperature, "60");
  }
  static ValveRecord ValveWithThermostat(const QString& name, float dn, const QString& thermostat) {
    ValveRecord v = test::MakeValve(name, dn, 25);
    v.thermostatLinks[0].name = thermostat;
    v.thermostatLinks[0].forWater = 1;
    v.thermostatLinks[0].maxPressureDrop = 10;
    v.thermostatLinkCount = 1;
    return v;
  }
  void AddThermostat(const QString& name, bool stainless) {
    ThermostatRecord t;
    t.name = name;
    t.stainlessSensor = stainless ? 1 : 0;
    t.temperatureMin = 30;
    t.temperatureMax = 90;
    catalogue->thermostats.Append(t);
  }
};

TEST(SizeControlValveTest, ValveDroppedByPruningStillNotesTheStainlessHint) {
  PrunedValveFixture f;
  f.AddThermostat("Cu", false);
  f.AddThermostat("Steel", true);
  f.catalogue->valves.Append(PrunedValveFixture::ValveWithThermostat("A", 50, "Cu"));
  f.catalogue->valves.Append(PrunedValveFixture::ValveWithThermostat("B", 15, "Steel"));
  SelectionForm form = f.Form();
  ASSERT_EQ(RunSelection(form), Found);
  EXPECT_EQ(test::CandidateNames(*f.result), std::vector<QString>{"A"});
  EXPECT_TRUE(f.result->stainlessHint);
}

TEST(SizeControlValveTest, ValveDroppedByPruningLeavesTheKeptCandidatesAlone) {
  PrunedValveFixture f;
  f.AddThermostat("Cu", false);
  f.catalogue->valves.Append(PrunedValveFixture::ValveWithThermostat("A", 50, "Cu"));
  f.catalogue->valves.Append(PrunedValveFixture::ValveWithThermostat("B", 15, "Cu"));
  f.catalogue->valves.Append(PrunedValveFixture::ValveWithThermostat("C", 65, "Cu"));
  SelectionForm form = f.Form();
  ASSERT_EQ(RunSelection(form), Found);
  EXPECT_EQ(test::CandidateNames(*f.result), (std::vector<QString>{"A", "C"}));
  EXPECT_EQ(f.result->valveCandidates[1].thermostatCount, 1);
  EXPECT_FALSE(f.result->stainlessHint);
}

}  // namespace
}  // namespace selvio
