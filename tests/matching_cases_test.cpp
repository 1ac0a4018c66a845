// Valve and actuator selection on a small catalogue worked by hand. The expected lists below
// were written out from the matching rules, not from the code:
// - a link is usable when it is meant for the request's medium and closes against more than
//   |P1 − P2|;
// - electric: the four options exactly as asked, the same control and voltage, and for analogue
//   control every requested signal supported; pneumatic: every option asked for present;
//   thermostat: the maintained temperature within the range (ends included), one record per
//   name (the first that fits), and a stainless sensor refused, with the hint, when any copper
//   choice was made;
// - pairs are taken in catalogue order, then in the order of the valve's links, each passing pair
//   appended (a name linked twice gives the actuator twice);
// - a valve without an actuator is not a candidate; the candidates keep at most two of a name
//   and diameters within one step of the first candidate's (DN 50: 40-65; DN 40: 32-50).
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/selection.h"
#include "tests/engine_fixture.h"

namespace selvio {
namespace {

using test::EngineFixture;
using test::MakeValve;

// A link meant for the media among "w" (water), "g" (glycol) and "s" (steam), closing against
// `maxDrop` bar.
ActuatorLink Link(const QString& name, const char* media, float maxDrop) {
  const std::string m(media);
  ActuatorLink link;
  link.name = name;
  link.forWater = m.find('w') != std::string::npos;
  link.forGlycol = m.find('g') != std::string::npos;
  link.forSteam = m.find('s') != std::string::npos;
  link.maxPressureDrop = maxDrop;
  return link;
}

ElectricActuatorRecord Electric(const QString& name, const QString& tag, int voltage,
                                ControlKind control) {
  ElectricActuatorRecord e;
  e.name = name;
  e.descriptionFile = tag;
  e.voltage = voltage;
  e.control = control;
  return e;
}

PneumaticActuatorRecord Pneumatic(const QString& name, const QString& tag) {
  PneumaticActuatorRecord p;
  p.name = name;
  p.descriptionFile = tag;
  return p;
}

ThermostatRecord Thermostat(const QString& name, const QString& tag, int low, int high,
                            bool stainless) {
  ThermostatRecord t;
  t.name = name;
  t.descriptionFile = tag;
  t.temperatureMin = low;
  t.temperatureMax = high;
  t.stainlessSensor = stainless ? 1 : 0;
  return t;
}

constexpr ControlKind k3P = ControlKind::ThreePoint;
constexpr ControlKind kAn = ControlKind::Analogue;

// The catalogue, slot by slot (the tag is the record's descriptionFile).
//
// Electric actuators:            Pneumatic actuators:        Thermostats:
//   0 EA 24 V 3P            EA-24      0 PA             PA          0 TA 20-50  copper  TA-20-50
//   1 EA 24 V 3P potentiom. EA-24-pot  1 PA NC PZ1      PA-nc-pz1   1 TA 40-90  copper  TA-40-90
//   2 EA 220 V 3P           EA-220     2 PB NO PZ2      PB-no-pz2   2 TB 30-110 steel   TB-steel
//   3 EB 24 V an 0-10V 4-20mA EB-010-420  3 PC NC       PC-nc       3 TC 60-130 copper  TC-60-130
//   4 EB 24 V an 2-10V      EB-210
//   5 EC 24 V 3P spring heater EC-spring-heat
//   6 ec 24 V 3P            ec-24
//   7 ED 24 V 3P limit sw.  ED-limit
//
// Valves, flanged two-way for every medium, 16 bar / 150 °C; links as name (media, bar):
//   V-A DN 50 Kvs 25  electric EA (wg 10), EB (w 4), EC (wgs 2.5), ED (w 10)
//                     pneumatic PA (w 10), PB (s 10)   thermostat TA (w 10), TB (wg 10)
//   V-B DN 40 Kvs 16  electric EB (wgs 10), EC (wgs 10), EA (s 10)
//                     pneumatic PC (wgs 10), PA (g 2)  thermostat TB (wgs 10), TC (wgs 10)
//   V-C DN 65 Kvs 40  electric ec (wgs 10), EA (wgs 3.5), EA (w 10)
//                     pneumatic PA (wgs 10), PB (w 10) thermostat TC (w 10), TA (wgs 5)
void FillHandWorkedCatalogue(Catalogue& c) {
  ElectricActuatorRecord pot = Electric("EA", "EA-24-pot", 24, k3P);
  pot.potentiometer = 1;
  ElectricActuatorRecord an1 = Electric("EB", "EB-010-420", 24, kAn);
  an1.signal0to10V = an1.signal4to20mA = 1;
  ElectricActuatorRecord an2 = Electric("EB", "EB-210", 24, kAn);
  an2.signal2to10V = 1;
  ElectricActuatorRecord spring = Electric("EC", "EC-spring-heat", 24, k3P);
  spring.springReturn = spring.heater = 1;
  ElectricActuatorRecord limit = Electric("ED", "ED-limit", 24, k3P);
  limit.limitSwitches = 1;
  for (const ElectricActuatorRecord& e :
       {Electric("EA", "EA-24", 24, k3P), pot, Electric("EA", "EA-220", 220, k3P), an1, an2, spring,
        Electric("ec", "ec-24", 24, k3P), limit}) {
    c.electricActuators.Append(e);
  }

  PneumaticActuatorRecord ncPz1 = Pneumatic("PA", "PA-nc-pz1");
  ncPz1.normallyClosed = ncPz1.positionerPZ1 = 1;
  PneumaticActuatorRecord noPz2 = Pneumatic("PB", "PB-no-pz2");
  noPz2.normallyOpen = noPz2.positionerPZ2 = 1;
  PneumaticActuatorRecord nc = Pneumatic("PC", "PC-nc");
  nc.normallyClosed = 1;
  for (const PneumaticActuatorRecord& p : {Pneumatic("PA", "PA"), ncPz1, noPz2, nc}) {
    c.pneumaticActuators.Append(p);
  }

  for (const ThermostatRecord& t :
       {Thermostat("TA", "TA-20-50", 20, 50, false), Thermostat("TA", "TA-40-90", 40, 90, false),
        Thermostat("TB", "TB-steel", 30, 110, true),
        Thermostat("TC", "TC-60-130", 60, 130, false)}) {
    c.thermostats.Append(t);
  }

  struct ValveLinks {
    ValveRecord valve;
    std::vector<ActuatorLink> electric, pneumatic, thermostat;
  };
  const ValveLinks valves[] = {
      {MakeValve("V-A", 50, 25),
       {Link("EA", "wg", 10), Link("EB", "w", 4), Link("EC", "wgs", 2.5f), Link("ED", "w", 10)},
       {Link("PA", "w", 10), Link("PB", "s", 10)},
       {Link("TA", "w", 10), Link("TB", "wg", 10)}},
      {MakeValve("V-B", 40, 16),
       {Link("EB", "wgs", 10), Link("EC", "wgs", 10), Link("EA", "s", 10)},
       {Link("PC", "wgs", 10), Link("PA", "g", 2)},
       {Link("TB", "wgs", 10), Link("TC", "wgs", 10)}},
      {MakeValve("V-C", 65, 40),
       {Link("ec", "wgs", 10), Link("EA", "wgs", 3.5f), Link("EA", "w", 10)},
       {Link("PA", "wgs", 10), Link("PB", "w", 10)},
       {Link("TC", "w", 10), Link("TA", "wgs", 5)}},
  };
  for (const ValveLinks& v : valves) {
    ValveRecord record = v.valve;
    for (const ActuatorLink& l : v.electric) {
      AppendBounded(record.electricLinks, record.electricLinkCount, l);
    }
    for (const ActuatorLink& l : v.pneumatic) {
      AppendBounded(record.pneumaticLinks, record.pneumaticLinkCount, l);
    }
    for (const ActuatorLink& l : v.thermostat) {
      AppendBounded(record.thermostatLinks, record.thermostatLinkCount, l);
    }
    c.valves.Append(record);
  }
}

// The tags of a candidate's actuators: electric, then pneumatic, then thermostats.
QStringList Tags(const ValveCandidate& c) {
  QStringList tags;
  for (const ElectricActuatorRecord& e : c.electricActuators) tags << e.descriptionFile;
  for (const PneumaticActuatorRecord& p : c.pneumaticActuators) tags << p.descriptionFile;
  for (const ThermostatRecord& t : c.thermostats) tags << t.descriptionFile;
  return tags;
}

struct Expected {
  QString valve;
  QStringList actuators;
};

using RequestChange = std::function<void(SelectionRequest&)>;

struct MatchingCase {
  const char* name;
  RequestChange change;
  SelectionOutcome outcome;
  std::vector<Expected> candidates;
  bool hint = false;
};

class HandWorkedCatalogueTest : public ::testing::TestWithParam<MatchingCase> {};

// Water, P1 6, P2 3 bar (|P1 − P2| = 3), 90 °C, ΔP 0.25 bar, G 5 m³/h: Kv 10, so all three
// valves pass the hydraulic tests; actuators asked for, by default electric, 24 V,
// three-position, no options.
TEST_P(HandWorkedCatalogueTest, CandidatesAndTheirActuators) {
  const MatchingCase& c = GetParam();
  EngineFixture f;
  FillHandWorkedCatalogue(*f.catalogue);
  f.request.flow = 5;
  f.request.matchActuators = true;
  f.request.actuator.actuatorKind = ActuatorKind::Electric;
  f.request.actuator.controlSignal = k3P;
  f.request.actuator.supplyVoltage = 24;
  c.change(f.request);
  EXPECT_EQ(f.Run(), c.outcome);
  std::vector<QString> names;
  std::vector<QStringList> actuators;
  for (const ValveCandidate& candidate : f.result.valveCandidates) {
    names.push_back(candidate.valve.name);
    actuators.push_back(Tags(candidate));
  }
  std::vector<QString> expectedNames;
  std::vector<QStringList> expectedActuators;
  for (const Expected& e : c.candidates) {
    expectedNames.push_back(e.valve);
    expectedActuators.push_back(e.actuators);
  }
  EXPECT_EQ(names, expectedNames);
  EXPECT_EQ(actuators, expectedActuators);
  EXPECT_EQ(f.result.stainlessHint, c.hint);
}

void Nothing(SelectionRequest&) {}

RequestChange Pressures(float p1, float p2, RequestChange then = Nothing) {
  return [p1, p2, then](SelectionRequest& r) {
    r.p1 = p1;
    r.p2 = p2;
    then(r);
  };
}

void Glycol(SelectionRequest& r) { r.medium = Medium::Glycol; }

// Steam of 100 kg/h, δ 0.25: Kv = 100 / (6·9.02) = 1.85.
void Steam(SelectionRequest& r) {
  r.medium = Medium::Steam;
  r.flow = 100;
}

RequestChange Analogue(bool v0to10, bool v2to10, bool mA0to20, bool mA4to20) {
  return [=](SelectionRequest& r) {
    r.actuator.controlSignal = kAn;
    r.actuator.requestedSignal0to10V = v0to10;
    r.actuator.requestedSignal2to10V = v2to10;
    r.actuator.requestedSignal0to20mA = mA0to20;
    r.actuator.requestedSignal4to20mA = mA4to20;
  };
}

RequestChange PneumaticAsked(RequestChange then = Nothing) {
  return [then](SelectionRequest& r) {
    r.actuator.actuatorKind = ActuatorKind::Pneumatic;
    then(r);
  };
}

enum class Copper { None, Element, Capillary, PvcCapillary };

RequestChange ThermostatAsked(int maintained, Copper copper, RequestChange then = Nothing) {
  return [=](SelectionRequest& r) {
    r.actuator.actuatorKind = ActuatorKind::Thermostat;
    r.actuator.maintainedTemperature = maintained;
    r.actuator.copperElement = copper == Copper::Element;
    r.actuator.copperCapillary = copper == Copper::Capillary;
    r.actuator.pvcCapillary = copper == Copper::PvcCapillary;
    then(r);
  };
}

INSTANTIATE_TEST_SUITE_P(
    Electric, HandWorkedCatalogueTest,
    ::testing::Values(
        // V-A: EA-24 through EA; EB, ED differ in control and options, EC's link closes only
        // 2.5 bar. V-B: its EA link is for steam. V-C: EA-24 through both EA links, then ec-24.
        MatchingCase{"three_position_24_v",
                     Nothing,
                     Found,
                     {{"V-A", {"EA-24"}}, {"V-C", {"EA-24", "EA-24", "ec-24"}}}},
        MatchingCase{"potentiometer",
                     [](SelectionRequest& r) { r.actuator.wantPotentiometer = true; },
                     Found,
                     {{"V-A", {"EA-24-pot"}}, {"V-C", {"EA-24-pot", "EA-24-pot"}}}},
        MatchingCase{"supply_220_v",
                     [](SelectionRequest& r) { r.actuator.supplyVoltage = 220; },
                     Found,
                     {{"V-A", {"EA-220"}}, {"V-C", {"EA-220", "EA-220"}}}},
        MatchingCase{"no_voltage_given",
                     [](SelectionRequest& r) { r.actuator.supplyVoltage = 0; },
                     NoActuator,
                     {}},
        // EC closes 2.5 bar on V-A: only V-B, which becomes the first candidate.
        MatchingCase{
            "spring_return_and_heater",
            [](SelectionRequest& r) { r.actuator.wantSpringReturn = r.actuator.wantHeater = true; },
            Found,
            {{"V-B", {"EC-spring-heat"}}}},
        MatchingCase{"spring_return_and_heater_across_2_bar",
                     Pressures(6, 4,
                               [](SelectionRequest& r) {
                                 r.actuator.wantSpringReturn = r.actuator.wantHeater = true;
                               }),
                     Found,
                     {{"V-A", {"EC-spring-heat"}}, {"V-B", {"EC-spring-heat"}}}},
        MatchingCase{"limit_switches",
                     [](SelectionRequest& r) { r.actuator.wantLimitSwitches = true; },
                     Found,
                     {{"V-A", {"ED-limit"}}}},
        // V-A's ED link is for water only.
        MatchingCase{"limit_switches_for_glycol",
                     [](SelectionRequest& r) {
                       Glycol(r);
                       r.actuator.wantLimitSwitches = true;
                     },
                     NoActuator,
                     {}},
        MatchingCase{"analogue_4_20_ma",
                     Analogue(false, false, false, true),
                     Found,
                     {{"V-A", {"EB-010-420"}}, {"V-B", {"EB-010-420"}}}},
        MatchingCase{"analogue_2_10_v",
                     Analogue(false, true, false, false),
                     Found,
                     {{"V-A", {"EB-210"}}, {"V-B", {"EB-210"}}}},
        // V-A's EB link closes 4 bar, not more than 4.
        MatchingCase{"analogue_2_10_v_across_4_bar",
                     Pressures(6, 2, Analogue(false, true, false, false)),
                     Found,
                     {{"V-B", {"EB-210"}}}},
        MatchingCase{
            "analogue_0_20_ma_nowhere", Analogue(false, false, true, false), NoActuator, {}},
        MatchingCase{"analogue_without_a_signal",
                     Analogue(false, false, false, false),
                     Found,
                     {{"V-A", {"EB-010-420", "EB-210"}}, {"V-B", {"EB-010-420", "EB-210"}}}},
        // V-A has nothing for steam; V-B gets EA-24 and becomes the first candidate; V-C
        // (EA-24 through the 3.5 bar link, ec-24) is DN 65, beyond 32-50.
        MatchingCase{"steam", Steam, Found, {{"V-B", {"EA-24"}}}},
        MatchingCase{"glycol", Glycol, Found, {{"V-A", {"EA-24"}}, {"V-C", {"EA-24", "ec-24"}}}},
        // Kv 20: V-B (Kvs 16) fails the hydraulic tests whatever its actuators.
        MatchingCase{"kv_20",
                     [](SelectionRequest& r) { r.flow = 10; },
                     Found,
                     {{"V-A", {"EA-24"}}, {"V-C", {"EA-24", "EA-24", "ec-24"}}}}),
    [](const auto& row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Pneumatic, HandWorkedCatalogueTest,
    ::testing::Values(
        // V-A: both PA records; PB's link is for steam. V-B: PC; PA's link is for glycol.
        MatchingCase{"nothing_asked",
                     PneumaticAsked(),
                     Found,
                     {{"V-A", {"PA", "PA-nc-pz1"}},
                      {"V-B", {"PC-nc"}},
                      {"V-C", {"PA", "PA-nc-pz1", "PB-no-pz2"}}}},
        MatchingCase{
            "normally_closed",
            PneumaticAsked([](SelectionRequest& r) { r.actuator.wantNormallyClosed = true; }),
            Found,
            {{"V-A", {"PA-nc-pz1"}}, {"V-B", {"PC-nc"}}, {"V-C", {"PA-nc-pz1"}}}},
        MatchingCase{"normally_closed_with_pz1",
                     PneumaticAsked([](SelectionRequest& r) {
                       r.actuator.wantNormallyClosed = r.actuator.wantPZ1 = true;
                     }),
                     Found,
                     {{"V-A", {"PA-nc-pz1"}}, {"V-C", {"PA-nc-pz1"}}}},
        MatchingCase{"pz2_for_steam",
                     PneumaticAsked([](SelectionRequest& r) {
                       Steam(r);
                       r.actuator.wantPZ2 = true;
                     }),
                     Found,
                     {{"V-A", {"PB-no-pz2"}}}},
        MatchingCase{"normally_open_and_closed",
                     PneumaticAsked([](SelectionRequest& r) {
                       r.actuator.wantNormallyOpen = r.actuator.wantNormallyClosed = true;
                     }),
                     NoActuator,
                     {}},
        // Glycol across 1 bar: V-A has no glycol link; V-B's PA link closes 2 bar, so both PA
        // records come before PC; V-C (DN 65) is beyond V-B's 32-50.
        MatchingCase{"glycol_across_1_bar",
                     PneumaticAsked(Pressures(6, 5, Glycol)),
                     Found,
                     {{"V-B", {"PA", "PA-nc-pz1", "PC-nc"}}}},
        MatchingCase{"kv_20",
                     PneumaticAsked([](SelectionRequest& r) { r.flow = 10; }),
                     Found,
                     {{"V-A", {"PA", "PA-nc-pz1"}}, {"V-C", {"PA", "PA-nc-pz1", "PB-no-pz2"}}}}),
    [](const auto& row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Thermostat, HandWorkedCatalogueTest,
    ::testing::Values(
        // 45 °C: TA-20-50 is the first TA that fits, TA-40-90 is not taken a second time.
        MatchingCase{
            "45_c_stainless_chosen",
            ThermostatAsked(45, Copper::None),
            Found,
            {{"V-A", {"TA-20-50", "TB-steel"}}, {"V-B", {"TB-steel"}}, {"V-C", {"TA-20-50"}}}},
        MatchingCase{"45_c_copper_capillary",
                     ThermostatAsked(45, Copper::Capillary),
                     Found,
                     {{"V-A", {"TA-20-50"}}, {"V-C", {"TA-20-50"}}},
                     true},
        // 70 °C: TA-40-90 (the first TA holding 70) before TC-60-130 on V-C, catalogue order.
        MatchingCase{
            "70_c_copper_element",
            ThermostatAsked(70, Copper::Element),
            Found,
            {{"V-A", {"TA-40-90"}}, {"V-B", {"TC-60-130"}}, {"V-C", {"TA-40-90", "TC-60-130"}}},
            true},
        MatchingCase{"100_c_pvc_capillary",
                     ThermostatAsked(100, Copper::PvcCapillary),
                     Found,
                     {{"V-B", {"TC-60-130"}}},
                     true},
        MatchingCase{"131_c_nowhere", ThermostatAsked(131, Copper::None), NoActuator, {}},
        // Steam across 6 bar: V-A has no steam link, V-B refuses TB-steel (the hint) and TC
        // does not hold 35 °C, V-C's TA link closes only 5 bar.
        MatchingCase{"steam_35_c_copper_capillary",
                     ThermostatAsked(35, Copper::Capillary, Pressures(6, 0, Steam)),
                     NoActuator,
                     {},
                     true},
        MatchingCase{"steam_35_c_stainless_chosen",
                     ThermostatAsked(35, Copper::None, Pressures(6, 0, Steam)),
                     Found,
                     {{"V-B", {"TB-steel"}}}}),
    [](const auto& row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(Section, HandWorkedCatalogueTest,
                         ::testing::Values(MatchingCase{"no_kind_chosen",
                                                        [](SelectionRequest& r) {
                                                          r.actuator.actuatorKind =
                                                              ActuatorKind::None;
                                                        },
                                                        NoActuator,
                                                        {}},
                                           MatchingCase{"section_off_keeps_every_valve",
                                                        [](SelectionRequest& r) {
                                                          r.matchActuators = false;
                                                        },
                                                        Found,
                                                        {{"V-A", {}}, {"V-B", {}}, {"V-C", {}}}}),
                         [](const auto& row) { return std::string(row.param.name); });

// Scale: lists that fill to their 100 slots and names repeated across many records. The
// request is the default one above; each valve is a DN 50 valve of Kvs 25 for every medium.
struct ScaleFixture : EngineFixture {
  ScaleFixture() {
    request.flow = 5;
    request.matchActuators = true;
    request.actuator.actuatorKind = ActuatorKind::Electric;
    request.actuator.controlSignal = k3P;
    request.actuator.supplyVoltage = 24;
  }
  // A valve tagged with its slot in descriptionFile, linked to `links` (usable links).
  void AddValve(const QString& name, std::initializer_list<QString> electric,
                std::initializer_list<QString> thermostats = {}) {
    ValveRecord v = MakeValve(name, 50, 25);
    v.descriptionFile = QString::number(catalogue->valves.count);
    for (const QString& link : electric) {
      AppendBounded(v.electricLinks, v.electricLinkCount, Link(link, "wgs", 10));
    }
    for (const QString& link : thermostats) {
      AppendBounded(v.thermostatLinks, v.thermostatLinkCount, Link(link, "wgs", 10));
    }
    catalogue->valves.Append(v);
  }
  QStringList CandidateSlots() const {
    QStringList kept;
    for (const ValveCandidate& c : result.valveCandidates) kept << c.valve.descriptionFile;
    return kept;
  }
};

// 150 actuators all named EX, fitting. A valve linking EX once gets the first 100 records; one
// linking EX twice gets the pairs record by record, each twice: records 0 to 49.
TEST(MatchingScaleTest, AFullActuatorListKeepsTheFirstHundredPairs) {
  ScaleFixture f;
  for (int i = 0; i < 150; ++i) {
    f.catalogue->electricActuators.Append(Electric("EX", QString::number(i), 24, k3P));
  }
  f.AddValve("once", {"EX"});
  f.AddValve("twice", {"EX", "EX"});
  ASSERT_EQ(f.Run(), Found);
  ASSERT_EQ(f.CandidateSlots(), (QStringList{"0", "1"}));
  QStringList once, twice;
  for (int i = 0; i < 100; ++i) once << QString::number(i);
  for (int i = 0; i < 50; ++i) twice << QString::number(i) << QString::number(i);
  EXPECT_EQ(Tags(f.result.valveCandidates[0]), once);
  EXPECT_EQ(Tags(f.result.valveCandidates[1]), twice);
}

// 120 actuators, record i named E(i mod 3), with a potentiometer when i is odd; the valve links
// E1 and E2. Without options the even records of E1 and E2 fit: i ≡ 2 or 4 (mod 6), 40 of them,
// 2, 4, 8, 10, ... 116, 118. With the potentiometer the odd ones: i ≡ 1 or 5 (mod 6), 1, 5, 7,
// 11, ... 115, 119.
TEST(MatchingScaleTest, OptionsSpreadOverRepeatedNames) {
  for (const bool potentiometer : {false, true}) {
    ScaleFixture f;
    f.request.actuator.wantPotentiometer = potentiometer;
    for (int i = 0; i < 120; ++i) {
      ElectricActuatorRecord e = Electric(QString("E%1").arg(i % 3), QString::number(i), 24, k3P);
      e.potentiometer = static_cast<Flag>(i % 2);
      f.catalogue->electricActuators.Append(e);
    }
    f.AddValve("V", {"E1", "E2"});
    ASSERT_EQ(f.Run(), Found);
    QStringList expected;
    for (int block = 0; block < 120; block += 6) {
      for (int offset : potentiometer ? std::vector<int>{1, 5} : std::vector<int>{2, 4}) {
        expected << QString::number(block + offset);
      }
    }
    ASSERT_EQ(expected.size(), 40);
    EXPECT_EQ(Tags(f.result.valveCandidates[0]), expected) << potentiometer;
  }
}

// 300 thermostats, record i named T(i mod 10), holding i/10 to i/10 + 20 °C (integer division),
// with a stainless sensor when i is a multiple of 7; the valve links T0 to T9. At 25 °C the
// records 50 to 259 fit; each name is taken at its first fitting record: 50 to 59, except that
// with a copper capillary 56 (stainless) is refused, setting the hint, and T6 comes from 66.
TEST(MatchingScaleTest, ThermostatsTakeTheFirstFittingRecordOfEachName) {
  for (const bool copper : {false, true}) {
    ScaleFixture f;
    f.request.actuator.actuatorKind = ActuatorKind::Thermostat;
    f.request.actuator.maintainedTemperature = 25;
    f.request.actuator.copperCapillary = copper;
    for (int i = 0; i < 300; ++i) {
      f.catalogue->thermostats.Append(Thermostat(QString("T%1").arg(i % 10), QString::number(i),
                                                 i / 10, i / 10 + 20, i % 7 == 0));
    }
    f.AddValve("V", {}, {"T0", "T1", "T2", "T3", "T4", "T5", "T6", "T7", "T8", "T9"});
    ASSERT_EQ(f.Run(), Found);
    const QStringList expected =
        copper ? QStringList{"50", "51", "52", "53", "54", "55", "57", "58", "59", "66"}
               : QStringList{"50", "51", "52", "53", "54", "55", "56", "57", "58", "59"};
    EXPECT_EQ(Tags(f.result.valveCandidates[0]), expected) << copper;
    EXPECT_EQ(f.result.stainlessHint, copper);
  }
}

// 300 valves, valve i named V(i mod 3), all fitting; every fourth (i a multiple of 4) has no
// actuator. Valve 0 is dropped for its actuator, then 1, 2, 3 are kept, 4 is dropped, 5, 6, 7
// bring each name to two, and no later valve is kept.
TEST(MatchingScaleTest, ValveNamesRepeatedAcrossManyRecords) {
  ScaleFixture f;
  f.catalogue->electricActuators.Append(Electric("E", "E", 24, k3P));
  for (int i = 0; i < 300; ++i) {
    if (i % 4 == 0) {
      f.AddValve(QString("V%1").arg(i % 3), {});
    } else {
      f.AddValve(QString("V%1").arg(i % 3), {"E"});
    }
  }
  ASSERT_EQ(f.Run(), Found);
  EXPECT_EQ(f.CandidateSlots(), (QStringList{"1", "2", "3", "5", "6", "7"}));
}

// 150 valves of distinct names, all fitting; the multiples of 3 have no actuator. The valves kept
// are those whose slot is not a multiple of 3; slots 1 to 149 hold 149 − 49 = 100 of them, so
// the list fills with valve 149.
TEST(MatchingScaleTest, TheValveListFillsToAHundred) {
  ScaleFixture f;
  f.catalogue->electricActuators.Append(Electric("E", "E", 24, k3P));
  for (int i = 0; i < 150; ++i) {
    if (i % 3 == 0) {
      f.AddValve(QString("V%1").arg(i), {});
    } else {
      f.AddValve(QString("V%1").arg(i), {"E"});
    }
  }
  ASSERT_EQ(f.Run(), Found);
  const QStringList kept = f.CandidateSlots();
  ASSERT_EQ(kept.size(), kListCapacity);
  EXPECT_EQ(kept.front(), "1");
  EXPECT_EQ(kept[1], "2");
  EXPECT_EQ(kept[2], "4");
  EXPECT_EQ(kept.back(), "149");
}

}  // namespace
}  // namespace selvio
