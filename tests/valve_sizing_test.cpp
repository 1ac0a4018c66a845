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
  std::function<void(SelectionRequest&)> request;
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
  if (c.request) c.request(f.request);
  EXPECT_EQ(f.Run(), c.fits ? Found : NothingFound);
}

void ThreeWay(SelectionRequest& r) { r.valveKind = ValveKind::ThreeWay; }

// Steam of 100 kg/h at P1 6 bar, δ 0.25: Kv = 100 / (6·9.02) = 1.85, far below Kvs 25.
void Steam(SelectionRequest& r) {
  r.medium = Medium::Steam;
  r.flow = 100;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ValveTestsTest,
    ::testing::Values(
        FitCase{"fits", {}, {}, true},
        FitCase{"connection_differs",
                [](ValveRecord& v) { v.connection = ConnectionKind::Threaded; },
                {},
                false},
        FitCase{"no_connection_asked_matches_only_unknown",
                [](ValveRecord& v) { v.connection = ConnectionKind::NotGiven; },
                [](SelectionRequest& r) { r.connection = ConnectionKind::NotGiven; }, true},
        FitCase{
            "ways_differ", [](ValveRecord& v) { v.valveKind = ValveKind::ThreeWay; }, {}, false},
        FitCase{"three_way_without_use_asked",
                [](ValveRecord& v) {
                  v.valveKind = ValveKind::ThreeWay;
                  v.mixing = v.diverting = 1;
                },
                ThreeWay, false},
        FitCase{"three_way_mixing",
                [](ValveRecord& v) {
                  v.valveKind = ValveKind::ThreeWay;
                  v.mixing = 1;
                },
                [](SelectionRequest& r) {
                  ThreeWay(r);
                  r.wantMixing = true;
                },
                true},
        FitCase{"three_way_mixing_asked_diverting_offered",
                [](ValveRecord& v) {
                  v.valveKind = ValveKind::ThreeWay;
                  v.diverting = 1;
                },
                [](SelectionRequest& r) {
                  ThreeWay(r);
                  r.wantMixing = true;
                },
                false},
        FitCase{"three_way_diverting",
                [](ValveRecord& v) {
                  v.valveKind = ValveKind::ThreeWay;
                  v.diverting = 1;
                },
                [](SelectionRequest& r) {
                  ThreeWay(r);
                  r.wantDiverting = true;
                },
                true},
        FitCase{"no_ways_asked", [](ValveRecord& v) { v.valveKind = ValveKind::NotGiven; },
                [](SelectionRequest& r) { r.valveKind = ValveKind::NotGiven; }, false},
        FitCase{"balanced_asked_not_offered",
                {},
                [](SelectionRequest& r) { r.wantBalanced = true; },
                false},
        FitCase{"balanced_asked_and_offered", [](ValveRecord& v) { v.pressureBalanced = 1; },
                [](SelectionRequest& r) { r.wantBalanced = true; }, true},
        FitCase{"not_for_water", [](ValveRecord& v) { v.forWater = 0; }, {}, false},
        FitCase{"glycol_valve_for_glycol", [](ValveRecord& v) { v.forWater = 0; },
                [](SelectionRequest& r) { r.medium = Medium::Glycol; }, true},
        FitCase{"not_for_glycol", [](ValveRecord& v) { v.forGlycol = 0; },
                [](SelectionRequest& r) { r.medium = Medium::Glycol; }, false},
        FitCase{"steam_valve_for_steam", [](ValveRecord& v) { v.forWater = 0; }, Steam, true},
        FitCase{"not_for_steam", [](ValveRecord& v) { v.forSteam = 0; }, Steam, false},
        FitCase{
            "no_medium_chosen", {}, [](SelectionRequest& r) { r.medium = Medium::None; }, false},
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
  ASSERT_EQ(f.Run(), Found);
  EXPECT_EQ(CandidateNames(f.result), (std::vector<QString>{"Same", "Same", "Other"}));
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
    f.Run();
    EXPECT_EQ(CandidateNames(f.result), c.kept) << c.first;
  }
}

TEST(SizeControlValveTest, ListHoldsAtMostOneHundredCandidates) {
  EngineFixture f;
  for (int i = 0; i < 150; ++i) {
    f.catalogue->valves.Append(MakeValve(QString::number(i), 50, 25));
  }
  ASSERT_EQ(f.Run(), Found);
  ASSERT_EQ(f.result.valveCandidates.size(), static_cast<std::size_t>(kListCapacity));
  EXPECT_EQ(f.result.valveCandidates[99].valve.name, QStringLiteral("99"));
}

TEST(SizeControlValveTest, CandidatesCarryNoActuatorsWhileTheSectionIsOff) {
  EngineFixture f;
  ValveRecord v = MakeValve("V", 50, 25);
  v.electricLinkCount = 1;
  v.electricLinks[0].name = "E";
  v.electricLinks[0].forWater = 1;
  v.electricLinks[0].maxPressureDrop = 10;
  f.catalogue->valves.Append(v);
  ElectricActuatorRecord e;  // no options, control and voltage not given: fits the request
  e.name = "E";
  f.catalogue->electricActuators.Append(e);
  f.request.actuator.actuatorKind = ActuatorKind::Electric;
  ASSERT_EQ(f.Run(), Found);
  EXPECT_EQ(CountOf(f.result.valveCandidates[0].electricActuators), 0);
  EXPECT_EQ(f.result.shownCandidate, 0);
  EXPECT_EQ(f.result.shownActuator, 0);

  f.request.matchActuators = true;
  ASSERT_EQ(f.Run(), Found);
  EXPECT_EQ(CountOf(f.result.valveCandidates[0].electricActuators), 1);
}

TEST(SizeControlValveTest, EmptyCatalogueFindsNothing) {
  EngineFixture f;
  EXPECT_EQ(f.Run(), NothingFound);
  EXPECT_TRUE(f.result.valveCandidates.empty());
}

// The first candidate has nothing to be compared with: it is kept whatever its name and
// diameter, while the same valve after a DN 15 first candidate is dropped (500 is far from 15).
TEST(PruneDropsTest, KeepsTheFirstCandidateAlways) {
  std::vector<ValveCandidate> kept;
  EXPECT_FALSE(PruneDrops(kept, MakeValve("A", 500, 1)));
  kept.emplace_back().valve = MakeValve("B", 15, 1);
  EXPECT_TRUE(PruneDrops(kept, MakeValve("A", 500, 1)));
}

// A third valve of a name is dropped even within the diameter range; a second is not.
TEST(PruneDropsTest, DropsTheThirdOfAName) {
  std::vector<ValveCandidate> kept(1);
  kept[0].valve = MakeValve("A", 50, 1);
  EXPECT_FALSE(PruneDrops(kept, MakeValve("A", 50, 1)));
  kept.emplace_back().valve = MakeValve("A", 40, 1);
  EXPECT_TRUE(PruneDrops(kept, MakeValve("A", 65, 1)));
  EXPECT_FALSE(PruneDrops(kept, MakeValve("B", 65, 1)));
}

// Through a calculation: a DN 500 valve first in the catalogue is the first candidate, and a
// DN 15 valve after it is dropped.
TEST(SizeControlValveTest, TheFirstFittingValveIsAlwaysKept) {
  EngineFixture f;
  f.catalogue->valves.Append(MakeValve("Big", 500, 25));
  f.catalogue->valves.Append(MakeValve("Small", 15, 25));
  ASSERT_EQ(f.Run(), Found);
  EXPECT_EQ(CandidateNames(f.result), std::vector<QString>{"Big"});
}

// A thermostat request with a copper capillary, for a valve list of two: DN 50 then DN 15.
struct PrunedValveFixture : EngineFixture {
  PrunedValveFixture() {
    request.matchActuators = true;
    request.actuator.actuatorKind = ActuatorKind::Thermostat;
    request.actuator.copperCapillary = true;
    request.actuator.maintainedTemperature = 60;
  }
  static ValveRecord ValveWithThermostat(const QString& name, float dn, const QString& thermostat) {
    ValveRecord v = MakeValve(name, dn, 25);
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
  ASSERT_EQ(f.Run(), Found);
  EXPECT_EQ(CandidateNames(f.result), std::vector<QString>{"A"});
  EXPECT_TRUE(f.result.stainlessHint);
}

TEST(SizeControlValveTest, ValveDroppedByPruningLeavesTheKeptCandidatesAlone) {
  PrunedValveFixture f;
  f.AddThermostat("Cu", false);
  f.catalogue->valves.Append(PrunedValveFixture::ValveWithThermostat("A", 50, "Cu"));
  f.catalogue->valves.Append(PrunedValveFixture::ValveWithThermostat("B", 15, "Cu"));
  f.catalogue->valves.Append(PrunedValveFixture::ValveWithThermostat("C", 65, "Cu"));
  ASSERT_EQ(f.Run(), Found);
  EXPECT_EQ(CandidateNames(f.result), (std::vector<QString>{"A", "C"}));
  EXPECT_EQ(CountOf(f.result.valveCandidates[1].thermostats), 1);
  EXPECT_FALSE(f.result.stainlessHint);
}

}  // namespace
}  // namespace selvio
