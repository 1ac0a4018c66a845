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
ElectricActuatorRecord Electric(const QString& name, const QString& tag, int control = kThreePoint,
                                int voltage = 24) {
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
  for (int i = 0; i < c.electricActuatorCount; ++i) tags << c.electricActuators[i].descriptionFile;
  for (int i = 0; i < c.pneumaticActuatorCount; ++i) {
    tags << c.pneumaticActuators[i].descriptionFile;
  }
  for (int i = 0; i < c.thermostatCount; ++i) tags << c.thermostats[i].descriptionFile;
  return tags;
}

void ChooseKind(EngineFixture& f, int id) {
  f.Choose(id, {ids::kElectric, ids::kThermostat, ids::kPneumatic});
}

// The form asks for a three-position 24 V electric actuator by default (water, P1 6, P2 3).
struct MatchingFixture {
  EngineFixture f;
  ValveRecord valve = MakeValve("V", 50, 25);
  std::unique_ptr<ValveCandidate> candidate = std::make_unique<ValveCandidate>();

  MatchingFixture() {
    ChooseKind(f, ids::kElectric);
    f.Check(ids::kThreePoint);
    f.Check(ids::kVoltage24);
  }

  // Captures the request from the form and matches the valve as the sizing would.
  bool Match() {
    SelectionForm form = f.Form();
    CaptureRequest(form);
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
  EXPECT_EQ(m.f.result->stainlessHint, c.hint);
}

Catalogue& Cat(MatchingFixture& m) { return *m.f.catalogue; }

// Two electric actuators on the valve's list: a plain one, and `other` changed by `change`.
std::function<void(MatchingFixture&)> ElectricPair(
    std::function<void(ElectricActuatorRecord&)> change,
    std::function<void(EngineFixture&)> form = {}) {
  return [change, form](MatchingFixture& m) {
    Cat(m).electricActuators.Append(Electric("E1", "plain"));
    ElectricActuatorRecord other = Electric("E2", "other");
    change(other);
    Cat(m).electricActuators.Append(other);
    AddLink(m.valve, ActuatorKind::Electric, Link("E1"));
    AddLink(m.valve, ActuatorKind::Electric, Link("E2"));
    if (form) form(m.f);
  };
}

void Analogue(EngineFixture& f, int signal) {
  f.Choose(ids::kAnalogue, {ids::kThreePoint, ids::kAnalogue});
  f.controls.SelectListEntry(ids::kSignalType, signal);
}

INSTANTIATE_TEST_SUITE_P(
    Electric, MatchActuatorsTest,
    ::testing::Values(
        MatchCase{"same_options", ElectricPair([](ElectricActuatorRecord&) {}), {"plain", "other"}},
        MatchCase{"potentiometer_not_asked",
                  ElectricPair([](ElectricActuatorRecord& e) { e.potentiometer = 1; }),
                  {"plain"}},
        MatchCase{"potentiometer_asked",
                  ElectricPair([](ElectricActuatorRecord& e) { e.potentiometer = 1; },
                               [](EngineFixture& f) { f.Check(ids::kPotentiometer); }),
                  {"other"}},
        MatchCase{"heater_not_asked",
                  ElectricPair([](ElectricActuatorRecord& e) { e.heater = 1; }),
                  {"plain"}},
        MatchCase{"heater_asked",
                  ElectricPair([](ElectricActuatorRecord& e) { e.heater = 1; },
                               [](EngineFixture& f) { f.Check(ids::kHeater); }),
                  {"other"}},
        MatchCase{"spring_return_not_asked",
                  ElectricPair([](ElectricActuatorRecord& e) { e.springReturn = 1; }),
                  {"plain"}},
        MatchCase{"spring_return_asked",
                  ElectricPair([](ElectricActuatorRecord& e) { e.springReturn = 1; },
                               [](EngineFixture& f) { f.Check(ids::kSpringReturn); }),
                  {"other"}},
        MatchCase{"limit_switches_not_asked",
                  ElectricPair([](ElectricActuatorRecord& e) { e.limitSwitches = 1; }),
                  {"plain"}},
        MatchCase{"limit_switches_asked",
                  ElectricPair([](ElectricActuatorRecord& e) { e.limitSwitches = 1; },
                               [](EngineFixture& f) { f.Check(ids::kLimitSwitches); }),
                  {"other"}},
        MatchCase{"voltage_differs",
                  ElectricPair([](ElectricActuatorRecord& e) { e.voltage = 220; }),
                  {"plain"}},
        MatchCase{"voltage_220_asked",
                  ElectricPair([](ElectricActuatorRecord& e) { e.voltage = 220; },
                               [](EngineFixture& f) {
                                 f.Choose(ids::kVoltage220, {ids::kVoltage24, ids::kVoltage220});
                               }),
                  {"other"}},
        MatchCase{"no_voltage_asked_matches_only_unknown",
                  ElectricPair([](ElectricActuatorRecord& e) { e.voltage = 0; },
                               [](EngineFixture& f) { f.Check(ids::kVoltage24, false); }),
                  {"other"}},
        MatchCase{"control_differs",
                  ElectricPair([](ElectricActuatorRecord& e) { e.control = kAnalogue; }),
                  {"plain"}},
        MatchCase{"analogue_4_20_supported_among_others",
                  ElectricPair(
                      [](ElectricActuatorRecord& e) {
                        e.control = kAnalogue;
                        e.signal0to10V = e.signal4to20mA = 1;
                      },
                      [](EngineFixture& f) { Analogue(f, 3); }),
                  {"other"}},
        MatchCase{"analogue_4_20_not_supported",
                  ElectricPair(
                      [](ElectricActuatorRecord& e) {
                        e.control = kAnalogue;
                        e.signal0to10V = 1;
                      },
                      [](EngineFixture& f) { Analogue(f, 3); }),
                  {}},
        MatchCase{"analogue_0_10",
                  ElectricPair(
                      [](ElectricActuatorRecord& e) {
                        e.control = kAnalogue;
                        e.signal0to10V = 1;
                      },
                      [](EngineFixture& f) { Analogue(f, 0); }),
                  {"other"}},
        MatchCase{"analogue_2_10_not_supported",
                  ElectricPair(
                      [](ElectricActuatorRecord& e) {
                        e.control = kAnalogue;
                        e.signal0to10V = e.signal0to20mA = e.signal4to20mA = 1;
                      },
                      [](EngineFixture& f) { Analogue(f, 1); }),
                  {}},
        MatchCase{"analogue_0_20",
                  ElectricPair(
                      [](ElectricActuatorRecord& e) {
                        e.control = kAnalogue;
                        e.signal0to20mA = 1;
                      },
                      [](EngineFixture& f) { Analogue(f, 2); }),
                  {"other"}},
        MatchCase{"analogue_without_signal_selected",
                  ElectricPair([](ElectricActuatorRecord& e) { e.control = kAnalogue; },
                               [](EngineFixture& f) { Analogue(f, -1); }),
                  {"other"}},
        MatchCase{
            "three_position_ignores_signals",
            ElectricPair([](ElectricActuatorRecord&) {},
                         [](EngineFixture& f) { f.controls.SelectListEntry(ids::kSignalType, 3); }),
            {"plain", "other"}}),
    [](const auto& row) { return std::string(row.param.name); });

// One plain electric actuator "E" with one link changed by `change`; the form changed by `form`.
std::function<void(MatchingFixture&)> ElectricLink(std::function<void(ActuatorLink&)> change,
                                                   std::function<void(EngineFixture&)> form = {}) {
  return [change, form](MatchingFixture& m) {
    Cat(m).electricActuators.Append(Electric("E", "e"));
    ActuatorLink link = Link("E");
    change(link);
    AddLink(m.valve, ActuatorKind::Electric, link);
    if (form) form(m.f);
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
                               [](EngineFixture& f) { f.Type(ids::kP2, "2.1"); }),
                  {"e"}},
        MatchCase{"drop_4_limit_4",
                  ElectricLink([](ActuatorLink& l) { l.maxPressureDrop = 4; },
                               [](EngineFixture& f) { f.Type(ids::kP2, "2"); }),
                  {}},
        MatchCase{"steam_drop_is_absolute",
                  ElectricLink([](ActuatorLink& l) { l.maxPressureDrop = 4; },
                               [](EngineFixture& f) {
                                 f.ChooseMedium(ids::kSteam);
                                 f.Type(ids::kP2, "9");  // |6 - 9| = 3
                               }),
                  {"e"}},
        MatchCase{"not_for_water", ElectricLink([](ActuatorLink& l) { l.forWater = 0; }), {}},
        MatchCase{"glycol_link_for_glycol",
                  ElectricLink([](ActuatorLink& l) { l.forWater = l.forSteam = 0; },
                               [](EngineFixture& f) { f.ChooseMedium(ids::kGlycol); }),
                  {"e"}},
        MatchCase{"not_for_glycol",
                  ElectricLink([](ActuatorLink& l) { l.forGlycol = 0; },
                               [](EngineFixture& f) { f.ChooseMedium(ids::kGlycol); }),
                  {}},
        MatchCase{"not_for_steam",
                  ElectricLink([](ActuatorLink& l) { l.forSteam = 0; },
                               [](EngineFixture& f) { f.ChooseMedium(ids::kSteam); }),
                  {}},
        MatchCase{"name_differs_in_case", ElectricLink([](ActuatorLink& l) { l.name = "e"; }), {}},
        MatchCase{
            "name_not_in_catalogue", ElectricLink([](ActuatorLink& l) { l.name = "E2"; }), {}},
        MatchCase{"no_kind_chosen",
                  ElectricLink([](ActuatorLink&) {},
                               [](EngineFixture& f) { f.Check(ids::kElectric, false); }),
                  {}},
        MatchCase{"other_kind_chosen",
                  ElectricLink([](ActuatorLink&) {},
                               [](EngineFixture& f) { ChooseKind(f, ids::kPneumatic); }),
                  {}}),
    [](const auto& row) { return std::string(row.param.name); });

// Pneumatic actuators "P" with the options of their tags, all on the valve's list.
void PneumaticCatalogue(MatchingFixture& m) {
  ChooseKind(m.f, ids::kPneumatic);
  PneumaticActuatorRecord none = Pneumatic("P0", "none");
  PneumaticActuatorRecord nc = Pneumatic("P1", "nc");
  nc.normallyClosed = 1;
  PneumaticActuatorRecord ncPz1 = Pneumatic("P2", "nc+pz1");
  ncPz1.normallyClosed = ncPz1.positionerPZ1 = 1;
  PneumaticActuatorRecord noPz2 = Pneumatic("P3", "no+pz2");
  noPz2.normallyOpen = noPz2.positionerPZ2 = 1;
  for (const auto& p : {none, nc, ncPz1, noPz2}) {
    Cat(m).pneumaticActuators.Append(p);
    AddLink(m.valve, ActuatorKind::Pneumatic, Link(p.name));
  }
}

std::function<void(MatchingFixture&)> PneumaticAsked(std::initializer_list<int> options) {
  std::vector<int> checked(options);
  return [checked](MatchingFixture& m) {
    PneumaticCatalogue(m);
    for (int id : checked) m.f.Check(id);
  };
}

INSTANTIATE_TEST_SUITE_P(
    Pneumatic, MatchActuatorsTest,
    ::testing::Values(
        MatchCase{"nothing_asked", PneumaticAsked({}), {"none", "nc", "nc+pz1", "no+pz2"}},
        MatchCase{"normally_closed", PneumaticAsked({ids::kNormallyClosed}), {"nc", "nc+pz1"}},
        MatchCase{"normally_closed_and_pz1",
                  PneumaticAsked({ids::kNormallyClosed, ids::kPositionerPZ1}),
                  {"nc+pz1"}},
        MatchCase{"pz2", PneumaticAsked({ids::kPositionerPZ2}), {"no+pz2"}},
        MatchCase{"normally_open", PneumaticAsked({ids::kNormallyOpen}), {"no+pz2"}},
        MatchCase{"both_positions", PneumaticAsked({ids::kNormallyOpen, ids::kNormallyClosed}), {}},
        MatchCase{"electric_options_ignored",
                  PneumaticAsked({ids::kHeater, ids::kAnalogue}),
                  {"none", "nc", "nc+pz1", "no+pz2"}}),
    [](const auto& row) { return std::string(row.param.name); });

// Thermostats asked for at `maintained` °C with the metals given.
std::function<void(MatchingFixture&)> ThermostatAsked(std::vector<ThermostatRecord> records,
                                                      const char* maintained,
                                                      std::initializer_list<int> copper = {}) {
  std::vector<int> checked(copper);
  return [records, maintained, checked](MatchingFixture& m) {
    ChooseKind(m.f, ids::kThermostat);
    m.f.Type(ids::kMaintainedTemperature, maintained);
    for (int id : checked) m.f.Check(id);
    for (const ThermostatRecord& t : records) {
      Cat(m).thermostats.Append(t);
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
                  ThermostatAsked({kStainless, kCopper}, "60", {ids::kCopperCapillary}),
                  {"copper"},
                  true},
        MatchCase{"copper_element_refuses_stainless",
                  ThermostatAsked({kStainless, kCopper}, "60", {ids::kCopperElement}),
                  {"copper"},
                  true},
        MatchCase{"pvc_capillary_refuses_stainless",
                  ThermostatAsked({kStainless, kCopper}, "60", {ids::kPvcCapillary}),
                  {"copper"},
                  true},
        MatchCase{"stainless_chosen_takes_both",
                  ThermostatAsked({kStainless, kCopper}, "60",
                                  {ids::kStainlessCapillary, ids::kStainlessElement}),
                  {"stainless", "copper"}},
        MatchCase{"out_of_range_stainless_sets_no_hint",
                  ThermostatAsked({kStainless, kCopper}, "95", {ids::kCopperCapillary}),
                  {}},
        MatchCase{"range_low_end_included", ThermostatAsked({kCopper}, "30"), {"copper"}},
        MatchCase{"range_high_end_included", ThermostatAsked({kCopper}, "90"), {"copper"}},
        MatchCase{"below_range", ThermostatAsked({kCopper}, "29"), {}},
        MatchCase{"above_range", ThermostatAsked({kCopper}, "91"), {}},
        MatchCase{"temperature_read_as_integer", ThermostatAsked({kCopper}, "90.9"), {"copper"}},
        MatchCase{"temperature_not_a_number_is_zero",
                  ThermostatAsked({Thermostat("T", "zero", 0, 10), kCopper}, "abc"),
                  {"zero"}},
        MatchCase{
            "first_fitting_range_of_a_name",
            ThermostatAsked({Thermostat("T", "20-50", 20, 50), Thermostat("T", "40-70", 40, 70)},
                            "45"),
            {"20-50"}},
        MatchCase{
            "later_range_of_a_name_when_first_does_not_fit",
            ThermostatAsked({Thermostat("T", "20-50", 20, 50), Thermostat("T", "40-70", 40, 70)},
                            "60"),
            {"40-70"}},
        MatchCase{"refused_stainless_leaves_the_name_free",
                  ThermostatAsked({Thermostat("T", "stainless", 20, 70, true),
                                   Thermostat("T", "copper", 20, 70)},
                                  "45", {ids::kCopperElement}),
                  {"copper"},
                  true},
        MatchCase{"taken_name_is_checked_before_the_metal",
                  ThermostatAsked({Thermostat("T", "copper", 20, 70),
                                   Thermostat("T", "stainless", 20, 70, true)},
                                  "45", {ids::kCopperElement}),
                  {"copper"},
                  false}),
    [](const auto& row) { return std::string(row.param.name); });

// Catalogue A, B, A' (A' named as A) against the links B, A, A: the catalogue's order rules,
// then the links' order, and every passing pair is appended.
INSTANTIATE_TEST_SUITE_P(
    Order, MatchActuatorsTest,
    ::testing::Values(MatchCase{"electric_catalogue_order_then_links",
                                [](MatchingFixture& m) {
                                  Cat(m).electricActuators.Append(Electric("A", "A"));
                                  Cat(m).electricActuators.Append(Electric("B", "B"));
                                  Cat(m).electricActuators.Append(Electric("A", "A'"));
                                  for (const char* name : {"B", "A", "A"}) {
                                    AddLink(m.valve, ActuatorKind::Electric, Link(name));
                                  }
                                },
                                {"A", "A", "B", "A'", "A'"}},
                      MatchCase{"pneumatic_catalogue_order_then_links",
                                [](MatchingFixture& m) {
                                  ChooseKind(m.f, ids::kPneumatic);
                                  Cat(m).pneumaticActuators.Append(Pneumatic("A", "A"));
                                  Cat(m).pneumaticActuators.Append(Pneumatic("B", "B"));
                                  Cat(m).pneumaticActuators.Append(Pneumatic("A", "A'"));
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
                                      "50")(m);
                                  AddLink(m.valve, ActuatorKind::Thermostat, Link("A"));
                                },
                                {"A", "B"}},
                      MatchCase{"unusable_first_link_leaves_the_second",
                                [](MatchingFixture& m) {
                                  Cat(m).electricActuators.Append(Electric("A", "A"));
                                  AddLink(m.valve, ActuatorKind::Electric, Link("A", 1));
                                  AddLink(m.valve, ActuatorKind::Electric, Link("A", 5));
                                },
                                {"A"}},
                      MatchCase{"only_the_chosen_kinds_links",
                                [](MatchingFixture& m) {
                                  Cat(m).electricActuators.Append(Electric("A", "electric"));
                                  Cat(m).pneumaticActuators.Append(Pneumatic("A", "pneumatic"));
                                  Cat(m).thermostats.Append(Thermostat("A", "thermostat", 0, 100));
                                  AddLink(m.valve, ActuatorKind::Electric, Link("A"));
                                  AddLink(m.valve, ActuatorKind::Pneumatic, Link("A"));
                                  AddLink(m.valve, ActuatorKind::Thermostat, Link("A"));
                                },
                                {"electric"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(MatchActuatorsTest, AFullListTakesNoMore) {
  MatchingFixture m;
  Cat(m).electricActuators.Append(Electric("A", "first"));
  Cat(m).electricActuators.Append(Electric("A", "second"));
  for (int i = 0; i < kListCapacity; ++i) AddLink(m.valve, ActuatorKind::Electric, Link("A"));
  EXPECT_TRUE(m.Match());
  ASSERT_EQ(m.candidate->electricActuatorCount, kListCapacity);
  EXPECT_EQ(m.candidate->electricActuators[kListCapacity - 1].descriptionFile, "first");
}

TEST(MatchActuatorsTest, CopiesTheWholeRecord) {
  MatchingFixture m;
  ElectricActuatorRecord e = Electric("A", "a.pdf");
  e.variant = "A 24";
  e.drawing2d = "a2.png";
  e.drawing3d = "a3.png";
  e.springReturn = 1;
  m.f.Check(ids::kSpringReturn);
  Cat(m).electricActuators.Append(e);
  AddLink(m.valve, ActuatorKind::Electric, Link("A"));
  ASSERT_TRUE(m.Match());
  const ElectricActuatorRecord& copy = m.candidate->electricActuators[0];
  EXPECT_EQ(copy.variant, "A 24");
  EXPECT_EQ(copy.drawing2d, "a2.png");
  EXPECT_EQ(copy.drawing3d, "a3.png");
  EXPECT_EQ(copy.springReturn, 1);
}

TEST(MatchActuatorsTest, SignalFlagsAreCapturedForElectricActuatorsOnly) {
  MatchingFixture m;
  m.f.controls.SelectListEntry(ids::kSignalType, 2);
  m.Match();
  const ActuatorPreferences& prefs = m.f.request.actuator;
  EXPECT_FALSE(prefs.requestedSignal0to10V);
  EXPECT_FALSE(prefs.requestedSignal2to10V);
  EXPECT_TRUE(prefs.requestedSignal0to20mA);
  EXPECT_FALSE(prefs.requestedSignal4to20mA);

  m.f.controls.SelectListEntry(ids::kSignalType, 1);
  ChooseKind(m.f, ids::kPneumatic);
  m.Match();
  EXPECT_TRUE(prefs.requestedSignal0to20mA);
  EXPECT_FALSE(prefs.requestedSignal2to10V);

  ChooseKind(m.f, ids::kElectric);
  m.f.controls.SelectListEntry(ids::kSignalType, -1);
  m.Match();
  EXPECT_FALSE(prefs.requestedSignal0to20mA);
}

TEST(MatchActuatorsTest, ThermostatInputsAreCapturedForThermostatsOnly) {
  MatchingFixture m;
  m.f.Check(ids::kSpiralElement);
  m.f.Type(ids::kMaintainedTemperature, "55");
  m.Match();
  EXPECT_FALSE(m.f.request.actuator.spiralElement);
  EXPECT_EQ(m.f.request.actuator.maintainedTemperature, 0);

  ChooseKind(m.f, ids::kThermostat);
  m.Match();
  EXPECT_TRUE(m.f.request.actuator.spiralElement);
  EXPECT_EQ(m.f.request.actuator.maintainedTemperature, 55);

  m.f.Check(ids::kSpiralElement, false);  // neither element checked: kept
  m.Match();
  EXPECT_TRUE(m.f.request.actuator.spiralElement);
  m.f.Check(ids::kRodElement);
  m.Match();
  EXPECT_FALSE(m.f.request.actuator.spiralElement);
}

TEST(MatchActuatorsTest, NeverClearsTheStainlessHint) {
  MatchingFixture m;
  Cat(m).electricActuators.Append(Electric("E", "e"));
  AddLink(m.valve, ActuatorKind::Electric, Link("E"));
  m.f.result->stainlessHint = true;
  EXPECT_TRUE(m.Match());
  EXPECT_TRUE(m.f.result->stainlessHint);
}

// The catalogue may change between calculations: records appended, renamed through writable
// access, or the count reset.
TEST(MatchActuatorsTest, FollowsCatalogueChanges) {
  MatchingFixture m;
  Cat(m).electricActuators.Append(Electric("A", "a"));
  AddLink(m.valve, ActuatorKind::Electric, Link("B"));
  EXPECT_FALSE(m.Match());

  Cat(m).electricActuators.Append(Electric("B", "b"));
  m.candidate = std::make_unique<ValveCandidate>();
  EXPECT_TRUE(m.Match());
  EXPECT_EQ(Tags(*m.candidate), QStringList{"b"});

  Cat(m).electricActuators[0].name = "B";
  m.candidate = std::make_unique<ValveCandidate>();
  m.Match();
  EXPECT_EQ(Tags(*m.candidate), (QStringList{"a", "b"}));

  Cat(m).electricActuators.count = 1;
  m.candidate = std::make_unique<ValveCandidate>();
  m.Match();
  EXPECT_EQ(Tags(*m.candidate), QStringList{"a"});

  const Catalogue copy = Cat(m);
  Catalogue moved = Catalogue(copy);
  Cat(m) = std::move(moved);
  Cat(m).electricActuators.Append(Electric("B", "c"));
  m.candidate = std::make_unique<ValveCandidate>();
  m.Match();
  EXPECT_EQ(Tags(*m.candidate), (QStringList{"a", "c"}));
}

// Through the "Расчет" handler: valves pass the hydraulic tests but none keeps an actuator.
struct NoActuatorCase {
  const char* name;
  std::function<void(EngineFixture&)> setup;
  SelectionOutcome outcome;
  bool hint;
  const char* messageStart;  // nullptr: no message
};

class NoActuatorTest : public ::testing::TestWithParam<NoActuatorCase> {};

const char* const kNoActuator = "Вашим параметрам не удовлетворяет ни один привод!\r\n";
const char* const kTryStainless =
    "Вашим параметрам не удовлетворяет ни один привод. Попробуйте выбрать термостат из "
    "нержавеющей стали.";

TEST_P(NoActuatorTest, OutcomeAndMessage) {
  const NoActuatorCase& c = GetParam();
  EngineFixture f;
  f.actuatorSectionOn = true;
  ChooseKind(f, ids::kThermostat);
  f.Type(ids::kMaintainedTemperature, "60");
  f.catalogue->thermostats.Append(Thermostat("TS", "stainless", 30, 90, true));
  f.catalogue->thermostats.Append(Thermostat("TC", "copper", 30, 90));
  c.setup(f);
  SelectionForm form = f.Form();
  OnCalculate(form);
  EXPECT_EQ(f.result->outcome, c.outcome);
  EXPECT_EQ(f.result->stainlessHint, c.hint);
  if (c.messageStart == nullptr) {
    EXPECT_TRUE(f.controls.Messages().isEmpty());
  } else {
    ASSERT_EQ(f.controls.Messages().size(), 1);
    EXPECT_TRUE(f.controls.Messages()[0].startsWith(QString::fromUtf8(c.messageStart)))
        << f.controls.Messages()[0].toStdString();
    if (c.messageStart == kNoActuator) {
      EXPECT_GT(f.controls.Messages()[0].size(), 52);  // the consultation line follows
    }
  }
  EXPECT_EQ(f.controls.IsEnabled(ids::kOtherConfiguration), c.outcome == Found);
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
                                       f.Check(ids::kCopperCapillary);
                                       f.catalogue->valves.Append(ValveLinkedTo("V", {"TS"}));
                                     },
                                     NoActuator, true, kTryStainless},
                      NoActuatorCase{"hint_of_an_earlier_valve_stays",
                                     [](EngineFixture& f) {
                                       f.Check(ids::kCopperCapillary);
                                       f.catalogue->valves.Append(ValveLinkedTo("V1", {"TS"}));
                                       f.catalogue->valves.Append(ValveLinkedTo("V2", {}));
                                     },
                                     NoActuator, true, kTryStainless},
                      NoActuatorCase{"hint_set_but_another_valve_found",
                                     [](EngineFixture& f) {
                                       f.Check(ids::kCopperCapillary);
                                       f.catalogue->valves.Append(ValveLinkedTo("V1", {"TS"}));
                                       f.catalogue->valves.Append(ValveLinkedTo("V2", {"TC"}));
                                     },
                                     Found, true, nullptr},
                      NoActuatorCase{"stainless_chosen",
                                     [](EngineFixture& f) {
                                       f.Check(ids::kStainlessCapillary);
                                       f.catalogue->valves.Append(ValveLinkedTo("V", {"TS"}));
                                     },
                                     Found, false, nullptr},
                      NoActuatorCase{"no_kind_chosen",
                                     [](EngineFixture& f) {
                                       f.Check(ids::kThermostat, false);
                                       f.catalogue->valves.Append(ValveLinkedTo("V", {"TC"}));
                                     },
                                     NoActuator, false, kNoActuator},
                      NoActuatorCase{"section_off_keeps_the_valve",
                                     [](EngineFixture& f) {
                                       f.actuatorSectionOn = false;
                                       f.catalogue->valves.Append(ValveLinkedTo("V", {}));
                                     },
                                     Found, false, nullptr},
                      NoActuatorCase{"no_valve_passes",
                                     [](EngineFixture& f) {
                                       f.Check(ids::kCopperCapillary);
                                       ValveRecord v = ValveLinkedTo("V", {"TS"});
                                       v.kvs = 10;
                                       f.catalogue->valves.Append(v);
                                     },
                                     NothingFound, false,
                                     "Вашим параметрам не удовлетворяет ни один клапан\r\n"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(NoActuatorTest, KeptCandidatesListTheirActuatorsInCatalogueOrder) {
  EngineFixture f;
  f.actuatorSectionOn = true;
  ChooseKind(f, ids::kElectric);
  f.Check(ids::kThreePoint);
  f.Check(ids::kVoltage24);
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
  SelectionForm form = f.Form();
  ASSERT_EQ(RunSelection(form), Found);
  ASSERT_EQ(test::CandidateNames(*f.result), (std::vector<QString>{"V1", "V3"}));
  EXPECT_EQ(Tags(f.result->valveCandidates[0]), (QStringList{"A", "C"}));
  EXPECT_EQ(Tags(f.result->valveCandidates[1]), (QStringList{"B", "B", "C"}));
  EXPECT_EQ(f.result->shownActuator, 0);
}

}  // namespace
}  // namespace selvio
