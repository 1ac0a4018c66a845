#include "engine/actuator_matching.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "engine/selection.h"
#include "tests/engine_fixture.h"

namespace selvio {
namespace {

using test::EngineFixture;
using test::MakeValve;

// Each catalogue record carries a tag in `descriptionFile`, so that records sharing a name can
// be told apart in a candidate's lists.
ElectricActuatorRecord Electric(const QString& name, const QString& tag,
                                ControlKind control = ControlKind::ThreePoint, int voltage = 24) {
  ElectricActuatorRecord e;
  e.name = name;
  e.descriptionFile = tag;
  e.control = control;
  e.voltage = voltage;
  return e;
}

PneumaticActuatorRecord Pneumatic(const QString& name, const QString& tag) {
  PneumaticActuatorRecord p;
  p.name = name;
  p.descriptionFile = tag;
  return p;
}

ThermostatRecord Thermostat(const QString& name, const QString& tag, int low, int high,
                            bool stainless = false) {
  ThermostatRecord t;
  t.name = name;
  t.descriptionFile = tag;
  t.temperatureMin = low;
  t.temperatureMax = high;
  t.stainlessSensor = stainless ? 1 : 0;
  return t;
}

// A link usable for every medium up to 10 bar.
ActuatorLink Link(const QString& name, float maxPressureDrop = 10) {
  ActuatorLink link;
  link.name = name;
  link.forWater = link.forGlycol = link.forSteam = 1;
  link.maxPressureDrop = maxPressureDrop;
  return link;
}

void AddLink(ValveRecord& v, ActuatorKind kind, const ActuatorLink& link) {
  switch (kind) {
    case ActuatorKind::Electric:
      AppendBounded(v.electricLinks, v.electricLinkCount, link);
      break;
    case ActuatorKind::Pneumatic:
      AppendBounded(v.pneumaticLinks, v.pneumaticLinkCount, link);
      break;
    case ActuatorKind::Thermostat:
      AppendBounded(v.thermostatLinks, v.thermostatLinkCount, link);
      break;
    case ActuatorKind::None:
      break;
  }
}

// The tags of the candidate's actuators: electric, then pneumatic, then thermostats.
QStringList Tags(const ValveCandidate& c) {
  QStringList tags;
  for (const ElectricActuatorRecord& e : c.electricActuators) tags << e.descriptionFile;
  for (const PneumaticActuatorRecord& p : c.pneumaticActuators) tags << p.descriptionFile;
  for (const ThermostatRecord& t : c.thermostats) tags << t.descriptionFile;
  return tags;
}

// An electric actuator asked for: three-position, 24 V, no options (water, P1 6, P2 3).
void AskElectric(SelectionRequest& r) {
  r.matchActuators = true;
  r.actuator.actuatorKind = ActuatorKind::Electric;
  r.actuator.controlSignal = ControlKind::ThreePoint;
  r.actuator.supplyVoltage = 24;
}

struct MatchingFixture {
  EngineFixture f;
  ValveRecord valve = MakeValve("V", 50, 25);
  std::unique_ptr<ValveCandidate> candidate = std::make_unique<ValveCandidate>();

  MatchingFixture() { AskElectric(f.request); }

  ActuatorPreferences& Prefs() { return f.request.actuator; }
  Catalogue& Cat() { return *f.catalogue; }

  // Matches the valve as the sizing would.
  bool Match() {
    candidate->valve = valve;
    return MatchActuators(f.Context(), *candidate);
  }
};

struct MatchCase {
  const char* name;
  std::function<void(MatchingFixture&)> setup;
  QStringList tags;  // expected, in order
  bool hint = false;
};

class MatchActuatorsTest : public ::testing::TestWithParam<MatchCase> {};

TEST_P(MatchActuatorsTest, TakesWhatTheRulesAllowInLoopOrder) {
  const MatchCase& c = GetParam();
  MatchingFixture m;
  c.setup(m);
  const bool found = m.Match();
  EXPECT_EQ(Tags(*m.candidate), c.tags);
  EXPECT_EQ(found, !c.tags.isEmpty());
  EXPECT_EQ(m.f.result.stainlessHint, c.hint);
}

using PrefsChange = std::function<void(ActuatorPreferences&)>;

// Two electric actuators on the valve's list: a plain one, and `other` changed by `change`.
std::function<void(MatchingFixture&)> ElectricPair(
    std::function<void(ElectricActuatorRecord&)> change, PrefsChange prefs = {}) {
  return [change, prefs](MatchingFixture& m) {
    m.Cat().electricActuators.Append(Electric("E1", "plain"));
    ElectricActuatorRecord other = Electric("E2", "other");
    change(other);
    m.Cat().electricActuators.Append(other);
    AddLink(m.valve, ActuatorKind::Electric, Link("E1"));
    AddLink(m.valve, ActuatorKind::Electric, Link("E2"));
    if (prefs) prefs(m.Prefs());
  };
}

// Analogue control with the signal of list entry `signal` requested (-1: none selected).
PrefsChange Analogue(int signal) {
  return [signal](ActuatorPreferences& p) {
    p.controlSignal = ControlKind::Analogue;
    p.requestedSignal0to10V = signal == 0;
    p.requestedSignal2to10V = signal == 1;
    p.requestedSignal0to20mA = signal == 2;
    p.requestedSignal4to20mA = signal == 3;
  };
}

void MakeAnalogue(ElectricActuatorRecord& e) { e.control = ControlKind::Analogue; }

INSTANTIATE_TEST_SUITE_P(
    Electric, MatchActuatorsTest,
    ::testing::Values(
        MatchCase{"same_options", ElectricPair([](ElectricActuatorRecord&) {}), {"plain", "other"}},
        MatchCase{"potentiometer_not_asked",
                  ElectricPair([](ElectricActuatorRecord& e) { e.potentiometer = 1; }),
                  {"plain"}},
        MatchCase{"potentiometer_asked",
                  ElectricPair([](ElectricActuatorRecord& e) { e.potentiometer = 1; },
                               [](ActuatorPreferences& p) { p.wantPotentiometer = true; }),
                  {"other"}},
        MatchCase{"heater_not_asked",
                  ElectricPair([](ElectricActuatorRecord& e) { e.heater = 1; }),
                  {"plain"}},
        MatchCase{"heater_asked",
                  ElectricPair([](ElectricActuatorRecord& e) { e.heater = 1; },
                               [](ActuatorPreferences& p) { p.wantHeater = true; }),
                  {"other"}},
        MatchCase{"spring_return_not_asked",
                  ElectricPair([](ElectricActuatorRecord& e) { e.springReturn = 1; }),
                  {"plain"}},
        MatchCase{"spring_return_asked",
                  ElectricPair([](ElectricActuatorRecord& e) { e.springReturn = 1; },
                               [](ActuatorPreferences& p) { p.wantSpringReturn = true; }),
                  {"other"}},
        MatchCase{"limit_switches_not_asked",
                  ElectricPair([](ElectricActuatorRecord& e) { e.limitSwitches = 1; }),
                  {"plain"}},
        MatchCase{"limit_switches_asked",
                  ElectricPair([](ElectricActuatorRecord& e) { e.limitSwitches = 1; },
                               [](ActuatorPreferences& p) { p.wantLimitSwitches = true; }),
                  {"other"}},
        MatchCase{"voltage_differs",
                  ElectricPair([](ElectricActuatorRecord& e) { e.voltage = 220; }),
                  {"plain"}},
        MatchCase{"voltage_220_asked",
                  ElectricPair([](ElectricActuatorRecord& e) { e.voltage = 220; },
                               [](ActuatorPreferences& p) { p.supplyVoltage = 220; }),
                  {"other"}},
        MatchCase{"no_voltage_asked_matches_only_unknown",
                  ElectricPair([](ElectricActuatorRecord& e) { e.voltage = 0; },
                               [](ActuatorPreferences& p) { p.supplyVoltage = 0; }),
                  {"other"}},
        MatchCase{"control_differs", ElectricPair(MakeAnalogue), {"plain"}},
        MatchCase{
            "no_control_asked_matches_only_unknown",
            ElectricPair([](ElectricActuatorRecord& e) { e.control = ControlKind::NotGiven; },
                         [](ActuatorPreferences& p) { p.controlSignal = ControlKind::NotGiven; }),
            {"other"}},
        MatchCase{"analogue_4_20_supported_among_others",
                  ElectricPair(
                      [](ElectricActuatorRecord& e) {
                        MakeAnalogue(e);
                        e.signal0to10V = e.signal4to20mA = 1;
                      },
                      Analogue(3)),
                  {"other"}},
        MatchCase{"analogue_4_20_not_supported",
                  ElectricPair(
                      [](ElectricActuatorRecord& e) {
                        MakeAnalogue(e);
                        e.signal0to10V = 1;
                      },
                      Analogue(3)),
                  {}},
        MatchCase{"analogue_0_10",
                  ElectricPair(
                      [](ElectricActuatorRecord& e) {
                        MakeAnalogue(e);
                        e.signal0to10V = 1;
                      },
                      Analogue(0)),
                  {"other"}},
        MatchCase{"analogue_2_10_not_supported",
                  ElectricPair(
                      [](ElectricActuatorRecord& e) {
                        MakeAnalogue(e);
                        e.signal0to10V = e.signal0to20mA = e.signal4to20mA = 1;
                      },
                      Analogue(1)),
                  {}},
        MatchCase{"analogue_0_20",
                  ElectricPair(
                      [](ElectricActuatorRecord& e) {
                        MakeAnalogue(e);
                        e.signal0to20mA = 1;
                      },
                      Analogue(2)),
                  {"other"}},
        MatchCase{"analogue_without_signal_selected",
                  ElectricPair(MakeAnalogue, Analogue(-1)),
                  {"other"}},
        MatchCase{"three_position_ignores_signals",
                  ElectricPair([](ElectricActuatorRecord&) {},
                               [](ActuatorPreferences& p) { p.requestedSignal4to20mA = true; }),
                  {"plain", "other"}}),
    [](const auto& row) { return std::string(row.param.name); });

using RequestChange = std::function<void(SelectionRequest&)>;

// One plain electric actuator "E" with one link changed by `change`; the request changed by
// `request`.
std::function<void(MatchingFixture&)> ElectricLink(std::function<void(ActuatorLink&)> change,
                                                   RequestChange request = {}) {
  return [change, request](MatchingFixture& m) {
    m.Cat().electricActuators.Append(Electric("E", "e"));
    ActuatorLink link = Link("E");
    change(link);
    AddLink(m.valve, ActuatorKind::Electric, link);
    if (request) request(m.f.request);
  };
}

INSTANTIATE_TEST_SUITE_P(
    Links, MatchActuatorsTest,
    ::testing::Values(
        MatchCase{"usable", ElectricLink([](ActuatorLink&) {}), {"e"}},
        MatchCase{"drop_equal_to_limit",
                  ElectricLink([](ActuatorLink& l) { l.maxPressureDrop = 3; }),
                  {}},
        MatchCase{"drop_just_below_limit",
                  ElectricLink([](ActuatorLink& l) { l.maxPressureDrop = 4; },
                               [](SelectionRequest& r) { r.p2 = 2.1f; }),
                  {"e"}},
        MatchCase{"drop_4_limit_4",
                  ElectricLink([](ActuatorLink& l) { l.maxPressureDrop = 4; },
                               [](SelectionRequest& r) { r.p2 = 2; }),
                  {}},
        MatchCase{"steam_drop_is_absolute",
                  ElectricLink([](ActuatorLink& l) { l.maxPressureDrop = 4; },
                               [](SelectionRequest& r) {
                                 r.medium = Medium::Steam;
                                 r.p2 = 9;  // |6 - 9| = 3
                               }),
                  {"e"}},
        MatchCase{"not_for_water", ElectricLink([](ActuatorLink& l) { l.forWater = 0; }), {}},
        MatchCase{"glycol_link_for_glycol",
                  ElectricLink([](ActuatorLink& l) { l.forWater = l.forSteam = 0; },
                               [](SelectionRequest& r) { r.medium = Medium::Glycol; }),
                  {"e"}},
        MatchCase{"not_for_glycol",
                  ElectricLink([](ActuatorLink& l) { l.forGlycol = 0; },
                               [](SelectionRequest& r) { r.medium = Medium::Glycol; }),
                  {}},
        MatchCase{"not_for_steam",
                  ElectricLink([](ActuatorLink& l) { l.forSteam = 0; },
                               [](SelectionRequest& r) { r.medium = Medium::Steam; }),
                  {}},
        MatchCase{"no_medium_chosen",
                  ElectricLink([](ActuatorLink&) {},
                               [](SelectionRequest& r) { r.medium = Medium::None; }),
                  {}},
        MatchCase{"name_differs_in_case", ElectricLink([](ActuatorLink& l) { l.name = "e"; }), {}},
        MatchCase{
            "name_not_in_catalogue", ElectricLink([](ActuatorLink& l) { l.name = "E2"; }), {}},
        MatchCase{
            "no_kind_chosen",
            ElectricLink([](ActuatorLink&) {},
                         [](SelectionRequest& r) { r.actuator.actuatorKind = ActuatorKind::None; }),
            {}},
        MatchCase{"other_kind_chosen",
                  ElectricLink([](ActuatorLink&) {},
                               [](SelectionRequest& r) {
                                 r.actuator.actuatorKind = ActuatorKind::Pneumatic;
                               }),
                  {}}),
    [](const auto& row) { return std::string(row.param.name); });

// Pneumatic actuators "P" with the options of their tags, all on the valve's list.
void PneumaticCatalogue(MatchingFixture& m) {
  m.Prefs().actuatorKind = ActuatorKind::Pneumatic;
  PneumaticActuatorRecord none = Pneumatic("P0", "none");
  PneumaticActuatorRecord nc = Pneumatic("P1", "nc");
  nc.normallyClosed = 1;
  PneumaticActuatorRecord ncPz1 = Pneumatic("P2", "nc+pz1");
  ncPz1.normallyClosed = ncPz1.positionerPZ1 = 1;
  PneumaticActuatorRecord noPz2 = Pneumatic("P3", "no+pz2");
  noPz2.normallyOpen = noPz2.positionerPZ2 = 1;
  for (const auto& p : {none, nc, ncPz1, noPz2}) {
    m.Cat().pneumaticActuators.Append(p);
    AddLink(m.valve, ActuatorKind::Pneumatic, Link(p.name));
  }
}

std::function<void(MatchingFixture&)> PneumaticAsked(PrefsChange asked) {
  return [asked](MatchingFixture& m) {
    PneumaticCatalogue(m);
    asked(m.Prefs());
  };
}

INSTANTIATE_TEST_SUITE_P(
    Pneumatic, MatchActuatorsTest,
    ::testing::Values(
        MatchCase{"nothing_asked",
                  PneumaticAsked([](ActuatorPreferences&) {}),
                  {"none", "nc", "nc+pz1", "no+pz2"}},
        MatchCase{"normally_closed",
                  PneumaticAsked([](ActuatorPreferences& p) { p.wantNormallyClosed = true; }),
                  {"nc", "nc+pz1"}},
        MatchCase{
            "normally_closed_and_pz1",
            PneumaticAsked([](ActuatorPreferences& p) { p.wantNormallyClosed = p.wantPZ1 = true; }),
            {"nc+pz1"}},
        MatchCase{
            "pz2", PneumaticAsked([](ActuatorPreferences& p) { p.wantPZ2 = true; }), {"no+pz2"}},
        MatchCase{"normally_open",
                  PneumaticAsked([](ActuatorPreferences& p) { p.wantNormallyOpen = true; }),
                  {"no+pz2"}},
        MatchCase{"both_positions",
                  PneumaticAsked([](ActuatorPreferences& p) {
                    p.wantNormallyOpen = p.wantNormallyClosed = true;
                  }),
                  {}},
        MatchCase{"electric_options_ignored",
                  PneumaticAsked([](ActuatorPreferences& p) {
                    p.wantHeater = true;
                    p.controlSignal = ControlKind::Analogue;
                  }),
                  {"none", "nc", "nc+pz1", "no+pz2"}}),
    [](const auto& row) { return std::string(row.param.name); });

// The metals of a thermostat request.
enum class Metals { StainlessOnly, CopperElement, CopperCapillary, PvcCapillary };

// Thermostats asked for at `maintained` °C with the metals given; each record's name linked
// once to the valve.
std::function<void(MatchingFixture&)> ThermostatAsked(std::vector<ThermostatRecord> records,
                                                      int maintained,
                                                      Metals metals = Metals::StainlessOnly) {
  return [records, maintained, metals](MatchingFixture& m) {
    ActuatorPreferences& p = m.Prefs();
    p.actuatorKind = ActuatorKind::Thermostat;
    p.maintainedTemperature = maintained;
    p.copperElement = metals == Metals::CopperElement;
    p.copperCapillary = metals == Metals::CopperCapillary;
    p.pvcCapillary = metals == Metals::PvcCapillary;
    for (const ThermostatRecord& t : records) {
      m.Cat().thermostats.Append(t);
      bool linked = false;
      for (int i = 0; i < m.valve.thermostatLinkCount; ++i) {
        linked = linked || m.valve.thermostatLinks[i].name == t.name;
      }
      if (!linked) AddLink(m.valve, ActuatorKind::Thermostat, Link(t.name));
    }
  };
}

const ThermostatRecord kStainless = Thermostat("TS", "stainless", 30, 90, true);
const ThermostatRecord kCopper = Thermostat("TC", "copper", 30, 90);

INSTANTIATE_TEST_SUITE_P(
    Thermostat, MatchActuatorsTest,
    ::testing::Values(
        MatchCase{"copper_capillary_refuses_stainless",
                  ThermostatAsked({kStainless, kCopper}, 60, Metals::CopperCapillary),
                  {"copper"},
                  true},
        MatchCase{"copper_element_refuses_stainless",
                  ThermostatAsked({kStainless, kCopper}, 60, Metals::CopperElement),
                  {"copper"},
                  true},
        MatchCase{"pvc_capillary_refuses_stainless",
                  ThermostatAsked({kStainless, kCopper}, 60, Metals::PvcCapillary),
                  {"copper"},
                  true},
        MatchCase{"stainless_chosen_takes_both",
                  ThermostatAsked({kStainless, kCopper}, 60),
                  {"stainless", "copper"}},
        MatchCase{"out_of_range_stainless_sets_no_hint",
                  ThermostatAsked({kStainless, kCopper}, 95, Metals::CopperCapillary),
                  {}},
        MatchCase{"range_low_end_included", ThermostatAsked({kCopper}, 30), {"copper"}},
        MatchCase{"range_high_end_included", ThermostatAsked({kCopper}, 90), {"copper"}},
        MatchCase{"below_range", ThermostatAsked({kCopper}, 29), {}},
        MatchCase{"above_range", ThermostatAsked({kCopper}, 91), {}},
        MatchCase{"maintained_zero",
                  ThermostatAsked({Thermostat("T", "zero", 0, 10), kCopper}, 0),
                  {"zero"}},
        MatchCase{
            "first_fitting_range_of_a_name",
            ThermostatAsked({Thermostat("T", "20-50", 20, 50), Thermostat("T", "40-70", 40, 70)},
                            45),
            {"20-50"}},
        MatchCase{
            "later_range_of_a_name_when_first_does_not_fit",
            ThermostatAsked({Thermostat("T", "20-50", 20, 50), Thermostat("T", "40-70", 40, 70)},
                            60),
            {"40-70"}},
        MatchCase{"refused_stainless_leaves_the_name_free",
                  ThermostatAsked({Thermostat("T", "stainless", 20, 70, true),
                                   Thermostat("T", "copper", 20, 70)},
                                  45, Metals::CopperElement),
                  {"copper"},
                  true},
        MatchCase{"taken_name_is_checked_before_the_metal",
                  ThermostatAsked({Thermostat("T", "copper", 20, 70),
                                   Thermostat("T", "stainless", 20, 70, true)},
                                  45, Metals::CopperElement),
                  {"copper"},
                  false}),
    [](const auto& row) { return std::string(row.param.name); });

// Catalogue A, B, A' (A' named as A) against the links B, A, A: the catalogue's order rules,
// then the links' order, and every passing pair is appended.
INSTANTIATE_TEST_SUITE_P(
    Order, MatchActuatorsTest,
    ::testing::Values(MatchCase{"electric_catalogue_order_then_links",
                                [](MatchingFixture& m) {
                                  m.Cat().electricActuators.Append(Electric("A", "A"));
                                  m.Cat().electricActuators.Append(Electric("B", "B"));
                                  m.Cat().electricActuators.Append(Electric("A", "A'"));
                                  for (const char* name : {"B", "A", "A"}) {
                                    AddLink(m.valve, ActuatorKind::Electric, Link(name));
                                  }
                                },
                                {"A", "A", "B", "A'", "A'"}},
                      MatchCase{"pneumatic_catalogue_order_then_links",
                                [](MatchingFixture& m) {
                                  m.Prefs().actuatorKind = ActuatorKind::Pneumatic;
                                  m.Cat().pneumaticActuators.Append(Pneumatic("A", "A"));
                                  m.Cat().pneumaticActuators.Append(Pneumatic("B", "B"));
                                  m.Cat().pneumaticActuators.Append(Pneumatic("A", "A'"));
                                  for (const char* name : {"B", "A", "A"}) {
                                    AddLink(m.valve, ActuatorKind::Pneumatic, Link(name));
                                  }
                                },
                                {"A", "A", "B", "A'", "A'"}},
                      MatchCase{"thermostat_once_per_name",
                                [](MatchingFixture& m) {
                                  ThermostatAsked(
                                      {Thermostat("A", "A", 0, 100), Thermostat("B", "B", 0, 100),
                                       Thermostat("A", "A'", 0, 100)},
                                      50)(m);
                                  AddLink(m.valve, ActuatorKind::Thermostat, Link("A"));
                                },
                                {"A", "B"}},
                      MatchCase{"unusable_first_link_leaves_the_second",
                                [](MatchingFixture& m) {
                                  m.Cat().electricActuators.Append(Electric("A", "A"));
                                  AddLink(m.valve, ActuatorKind::Electric, Link("A", 1));
                                  AddLink(m.valve, ActuatorKind::Electric, Link("A", 5));
                                },
                                {"A"}},
                      MatchCase{"only_the_chosen_kinds_links",
                                [](MatchingFixture& m) {
                                  m.Cat().electricActuators.Append(Electric("A", "electric"));
                                  m.Cat().pneumaticActuators.Append(Pneumatic("A", "pneumatic"));
                                  m.Cat().thermostats.Append(Thermostat("A", "thermostat", 0, 100));
                                  AddLink(m.valve, ActuatorKind::Electric, Link("A"));
                                  AddLink(m.valve, ActuatorKind::Pneumatic, Link("A"));
                                  AddLink(m.valve, ActuatorKind::Thermostat, Link("A"));
                                },
                                {"electric"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(MatchActuatorsTest, AFullListTakesNoMore) {
  MatchingFixture m;
  m.Cat().electricActuators.Append(Electric("A", "first"));
  m.Cat().electricActuators.Append(Electric("A", "second"));
  for (int i = 0; i < kListCapacity; ++i) AddLink(m.valve, ActuatorKind::Electric, Link("A"));
  EXPECT_TRUE(m.Match());
  ASSERT_EQ(CountOf(m.candidate->electricActuators), kListCapacity);
  EXPECT_EQ(m.candidate->electricActuators[kListCapacity - 1].descriptionFile, "first");
}

TEST(MatchActuatorsTest, CopiesTheWholeRecord) {
  MatchingFixture m;
  ElectricActuatorRecord e = Electric("A", "a.pdf");
  e.variant = "A 24";
  e.drawing2d = "a2.png";
  e.drawing3d = "a3.png";
  e.springReturn = 1;
  m.Prefs().wantSpringReturn = true;
  m.Cat().electricActuators.Append(e);
  AddLink(m.valve, ActuatorKind::Electric, Link("A"));
  ASSERT_TRUE(m.Match());
  const ElectricActuatorRecord& copy = m.candidate->electricActuators[0];
  EXPECT_EQ(copy.variant, "A 24");
  EXPECT_EQ(copy.drawing2d, "a2.png");
  EXPECT_EQ(copy.drawing3d, "a3.png");
  EXPECT_EQ(copy.springReturn, 1);
}

TEST(MatchActuatorsTest, NeverClearsTheStainlessHint) {
  MatchingFixture m;
  m.Cat().electricActuators.Append(Electric("E", "e"));
  AddLink(m.valve, ActuatorKind::Electric, Link("E"));
  m.f.result.stainlessHint = true;
  EXPECT_TRUE(m.Match());
  EXPECT_TRUE(m.f.result.stainlessHint);
}

// The catalogue may change between calculations: records appended, renamed through writable
// access, or the count reset.
TEST(MatchActuatorsTest, FollowsCatalogueChanges) {
  MatchingFixture m;
  m.Cat().electricActuators.Append(Electric("A", "a"));
  AddLink(m.valve, ActuatorKind::Electric, Link("B"));
  EXPECT_FALSE(m.Match());

  m.Cat().electricActuators.Append(Electric("B", "b"));
  m.candidate = std::make_unique<ValveCandidate>();
  EXPECT_TRUE(m.Match());
  EXPECT_EQ(Tags(*m.candidate), QStringList{"b"});

  m.Cat().electricActuators[0].name = "B";
  m.candidate = std::make_unique<ValveCandidate>();
  m.Match();
  EXPECT_EQ(Tags(*m.candidate), (QStringList{"a", "b"}));

  m.Cat().electricActuators.count = 1;
  m.candidate = std::make_unique<ValveCandidate>();
  m.Match();
  EXPECT_EQ(Tags(*m.candidate), QStringList{"a"});

  const Catalogue copy = m.Cat();
  Catalogue moved = Catalogue(copy);
  m.Cat() = std::move(moved);
  m.Cat().electricActuators.Append(Electric("B", "c"));
  m.candidate = std::make_unique<ValveCandidate>();
  m.Match();
  EXPECT_EQ(Tags(*m.candidate), (QStringList{"a", "c"}));
}

// A whole calculation: valves pass the hydraulic tests but none keeps an actuator.
struct NoActuatorCase {
  const char* name;
  std::function<void(EngineFixture&)> setup;
  SelectionOutcome outcome;
  bool hint;
  SelectionMessageCode message;
};

class NoActuatorTest : public ::testing::TestWithParam<NoActuatorCase> {};

constexpr SelectionMessageCode kNoActuator = SelectionMessageCode::NoActuatorFits;
constexpr SelectionMessageCode kTryStainless =
    SelectionMessageCode::NoActuatorTryStainlessThermostat;
constexpr SelectionMessageCode kNoMessage = SelectionMessageCode::None;

// A thermostat holding 60 °C; the catalogue has a stainless one and a copper one, 30-90 °C.
TEST_P(NoActuatorTest, OutcomeAndMessage) {
  const NoActuatorCase& c = GetParam();
  EngineFixture f;
  f.request.matchActuators = true;
  f.request.actuator.actuatorKind = ActuatorKind::Thermostat;
  f.request.actuator.maintainedTemperature = 60;
  f.catalogue->thermostats.Append(Thermostat("TS", "stainless", 30, 90, true));
  f.catalogue->thermostats.Append(Thermostat("TC", "copper", 30, 90));
  c.setup(f);
  EXPECT_EQ(f.Run(), c.outcome);
  EXPECT_EQ(f.result.stainlessHint, c.hint);
  EXPECT_EQ(f.result.message.code, c.message);
}

ValveRecord ValveLinkedTo(const QString& name, std::initializer_list<const char*> thermostats) {
  ValveRecord v = MakeValve(name, 50, 25);
  for (const char* t : thermostats) AddLink(v, ActuatorKind::Thermostat, Link(t));
  return v;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NoActuatorTest,
    ::testing::Values(NoActuatorCase{"empty_thermostat_list",
                                     [](EngineFixture& f) {
                                       f.catalogue->valves.Append(ValveLinkedTo("V", {}));
                                     },
                                     NoActuator, false, kNoActuator},
                      NoActuatorCase{"stainless_refused",
                                     [](EngineFixture& f) {
                                       f.request.actuator.copperCapillary = true;
                                       f.catalogue->valves.Append(ValveLinkedTo("V", {"TS"}));
                                     },
                                     NoActuator, true, kTryStainless},
                      NoActuatorCase{"hint_of_an_earlier_valve_stays",
                                     [](EngineFixture& f) {
                                       f.request.actuator.copperCapillary = true;
                                       f.catalogue->valves.Append(ValveLinkedTo("V1", {"TS"}));
                                       f.catalogue->valves.Append(ValveLinkedTo("V2", {}));
                                     },
                                     NoActuator, true, kTryStainless},
                      NoActuatorCase{"hint_set_but_another_valve_found",
                                     [](EngineFixture& f) {
                                       f.request.actuator.copperCapillary = true;
                                       f.catalogue->valves.Append(ValveLinkedTo("V1", {"TS"}));
                                       f.catalogue->valves.Append(ValveLinkedTo("V2", {"TC"}));
                                     },
                                     Found, true, kNoMessage},
                      NoActuatorCase{"stainless_chosen",
                                     [](EngineFixture& f) {
                                       f.catalogue->valves.Append(ValveLinkedTo("V", {"TS"}));
                                     },
                                     Found, false, kNoMessage},
                      NoActuatorCase{"no_kind_chosen",
                                     [](EngineFixture& f) {
                                       f.request.actuator.actuatorKind = ActuatorKind::None;
                                       f.catalogue->valves.Append(ValveLinkedTo("V", {"TC"}));
                                     },
                                     NoActuator, false, kNoActuator},
                      NoActuatorCase{"section_off_keeps_the_valve",
                                     [](EngineFixture& f) {
                                       f.request.matchActuators = false;
                                       f.catalogue->valves.Append(ValveLinkedTo("V", {}));
                                     },
                                     Found, false, kNoMessage},
                      NoActuatorCase{"no_valve_passes",
                                     [](EngineFixture& f) {
                                       f.request.actuator.copperCapillary = true;
                                       ValveRecord v = ValveLinkedTo("V", {"TS"});
                                       v.kvs = 10;
                                       f.catalogue->valves.Append(v);
                                     },
                                     NothingFound, false, SelectionMessageCode::NoValveFits}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(NoActuatorTest, KeptCandidatesListTheirActuatorsInCatalogueOrder) {
  EngineFixture f;
  AskElectric(f.request);
  f.catalogue->electricActuators.Append(Electric("A", "A"));
  f.catalogue->electricActuators.Append(Electric("B", "B"));
  f.catalogue->electricActuators.Append(Electric("C", "C"));
  ValveRecord v1 = MakeValve("V1", 50, 25);
  for (const char* name : {"C", "A"}) AddLink(v1, ActuatorKind::Electric, Link(name));
  ValveRecord v2 = MakeValve("V2", 50, 25);  // nothing usable: dropped
  AddLink(v2, ActuatorKind::Electric, Link("B", 2));
  ValveRecord v3 = MakeValve("V3", 50, 25);
  for (const char* name : {"B", "C", "B"}) AddLink(v3, ActuatorKind::Electric, Link(name));
  for (const ValveRecord& v : {v1, v2, v3}) f.catalogue->valves.Append(v);
  ASSERT_EQ(f.Run(), Found);
  ASSERT_EQ(test::CandidateNames(f.result), (std::vector<QString>{"V1", "V3"}));
  EXPECT_EQ(Tags(f.result.valveCandidates[0]), (QStringList{"A", "C"}));
  EXPECT_EQ(Tags(f.result.valveCandidates[1]), (QStringList{"B", "B", "C"}));
  EXPECT_EQ(f.result.shownActuator, 0);
}

}  // namespace
}  // namespace selvio
