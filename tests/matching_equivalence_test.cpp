#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>

#include "engine/actuator_matching.h"
#include "engine/selection.h"
#include "platform/c_numbers.h"
#include "tests/engine_fixture.h"

namespace selvio {
namespace {

using test::EngineFixture;

// The straightforward matching: every catalogue actuator of the chosen kind against every link
// of the valve, catalogue outside, links inside. The indexed matching must agree with it.
namespace reference {

bool LinkUsable(const ActuatorLink& link, const SelectionRequest& request, float drop) {
  bool medium = false;
  if (request.isWater) {
    medium = link.forWater != 0;
  } else if (request.isGlycol) {
    medium = link.forGlycol != 0;
  } else if (request.isSteam) {
    medium = link.forSteam != 0;
  }
  return medium && link.maxPressureDrop > drop;
}

bool ElectricFits(const ElectricActuatorRecord& e, const ActuatorPreferences& p) {
  if ((e.heater != 0) != p.wantHeater || (e.potentiometer != 0) != p.wantPotentiometer ||
      (e.springReturn != 0) != p.wantSpringReturn ||
      (e.limitSwitches != 0) != p.wantLimitSwitches) {
    return false;
  }
  if (e.control != p.controlSignal || e.voltage != p.supplyVoltage) return false;
  if (p.controlSignal != kAnalogue) return true;
  return (!p.requestedSignal0to10V || e.signal0to10V) &&
         (!p.requestedSignal2to10V || e.signal2to10V) &&
         (!p.requestedSignal0to20mA || e.signal0to20mA) &&
         (!p.requestedSignal4to20mA || e.signal4to20mA);
}

bool PneumaticFits(const PneumaticActuatorRecord& a, const ActuatorPreferences& p) {
  return (!p.wantPZ1 || a.positionerPZ1) && (!p.wantPZ2 || a.positionerPZ2) &&
         (!p.wantNormallyOpen || a.normallyOpen) && (!p.wantNormallyClosed || a.normallyClosed);
}

bool MatchActuators(SelectionForm& form, ValveCandidate& candidate) {
  const FormControls& c = form.controls;
  SelectionRequest& request = form.request;
  ActuatorPreferences& p = request.actuator;
  p.actuatorKind = c.IsChecked(ids::kElectric)     ? ActuatorKind::Electric
                   : c.IsChecked(ids::kThermostat) ? ActuatorKind::Thermostat
                   : c.IsChecked(ids::kPneumatic)  ? ActuatorKind::Pneumatic
                                                   : ActuatorKind::None;
  p.controlSignal = c.IsChecked(ids::kAnalogue) ? 2 : c.IsChecked(ids::kThreePoint) ? 1 : 0;
  p.supplyVoltage = c.IsChecked(ids::kVoltage220) ? 220 : c.IsChecked(ids::kVoltage24) ? 24 : 0;
  p.wantLimitSwitches = c.IsChecked(ids::kLimitSwitches);
  p.wantPotentiometer = c.IsChecked(ids::kPotentiometer);
  p.wantSpringReturn = c.IsChecked(ids::kSpringReturn);
  p.wantHeater = c.IsChecked(ids::kHeater);
  p.wantPZ1 = c.IsChecked(ids::kPositionerPZ1);
  p.wantPZ2 = c.IsChecked(ids::kPositionerPZ2);
  p.wantNormallyOpen = c.IsChecked(ids::kNormallyOpen);
  p.wantNormallyClosed = c.IsChecked(ids::kNormallyClosed);
  const float drop = std::fabs(request.p1 - request.p2);
  const ValveRecord& v = candidate.valve;
  const Catalogue& catalogue = form.catalogue;
  bool found = false;

  if (p.actuatorKind == ActuatorKind::Electric) {
    const int signal = c.SelectedIndex(ids::kSignalType);
    p.requestedSignal0to10V = signal == 0;
    p.requestedSignal2to10V = signal == 1;
    p.requestedSignal0to20mA = signal == 2;
    p.requestedSignal4to20mA = signal == 3;
    for (int a = 0; a < catalogue.electricActuators.count; ++a) {
      const ElectricActuatorRecord& e = catalogue.electricActuators[a];
      for (int l = 0; l < v.electricLinkCount; ++l) {
        const ActuatorLink& link = v.electricLinks[l];
        if (link.name == e.name && LinkUsable(link, request, drop) && ElectricFits(e, p)) {
          found |= AppendBounded(candidate.electricActuators, candidate.electricActuatorCount, e);
        }
      }
    }
  }
  if (p.actuatorKind == ActuatorKind::Pneumatic) {
    for (int a = 0; a < catalogue.pneumaticActuators.count; ++a) {
      const PneumaticActuatorRecord& pa = catalogue.pneumaticActuators[a];
      for (int l = 0; l < v.pneumaticLinkCount; ++l) {
        const ActuatorLink& link = v.pneumaticLinks[l];
        if (link.name == pa.name && LinkUsable(link, request, drop) && PneumaticFits(pa, p)) {
          found |=
              AppendBounded(candidate.pneumaticActuators, candidate.pneumaticActuatorCount, pa);
        }
      }
    }
  }
  if (p.actuatorKind == ActuatorKind::Thermostat) {
    p.maintainedTemperature = ScanInt(c.Text(ids::kMaintainedTemperature)).value_or(0);
    if (c.IsChecked(ids::kRodElement)) p.spiralElement = false;
    if (c.IsChecked(ids::kSpiralElement)) p.spiralElement = true;
    p.copperElement = c.IsChecked(ids::kCopperElement);
    p.copperCapillary = c.IsChecked(ids::kCopperCapillary);
    p.pvcCapillary = c.IsChecked(ids::kPvcCapillary);
    for (int a = 0; a < catalogue.thermostats.count; ++a) {
      const ThermostatRecord& t = catalogue.thermostats[a];
      for (int l = 0; l < v.thermostatLinkCount; ++l) {
        const ActuatorLink& link = v.thermostatLinks[l];
        if (link.name != t.name || !LinkUsable(link, request, drop)) continue;
        if (p.maintainedTemperature < t.temperatureMin ||
            p.maintainedTemperature > t.temperatureMax) {
          continue;
        }
        bool held = false;
        for (int i = 0; i < candidate.thermostatCount; ++i) {
          held = held || candidate.thermostats[i].name == t.name;
        }
        if (held) continue;
        if (t.stainlessSensor && (p.copperElement || p.copperCapillary || p.pvcCapillary)) {
          form.result.stainlessHint = true;
          continue;
        }
        found |= AppendBounded(candidate.thermostats, candidate.thermostatCount, t);
      }
    }
  }
  return found;
}

}  // namespace reference

// Random catalogues, valves and forms. Names come from a small pool (one differing only in
// case) so that links and records collide often, and repeat within a container.
class Generator {
 public:
  explicit Generator(unsigned seed) : random_(seed) {}

  int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  Flag Bit() { return static_cast<Flag>(Int(0, 1)); }
  bool Chance(int percent) { return Int(1, 100) <= percent; }
  QString Name() {
    static const char* const kPool[] = {"A", "B", "C", "D", "a", "AB"};
    return kPool[Int(0, 5)];
  }

  void Fill(Catalogue& catalogue, int maxPerKind) {
    const int electric = Int(0, maxPerKind);
    for (int i = 0; i < electric; ++i) {
      ElectricActuatorRecord e;
      e.name = Name();
      e.descriptionFile = QString("e%1").arg(catalogue.electricActuators.count);
      e.signal0to10V = Bit();
      e.signal2to10V = Bit();
      e.signal0to20mA = Bit();
      e.signal4to20mA = Bit();
      e.voltage = Pick({0, 24, 220});
      e.control = Int(0, 2);
      // Options rarely set, so that some actuators fit the usual empty request.
      e.potentiometer = Chance(25);
      e.springReturn = Chance(25);
      e.heater = Chance(25);
      e.limitSwitches = Chance(25);
      catalogue.electricActuators.Append(e);
    }
    const int pneumatic = Int(0, maxPerKind);
    for (int i = 0; i < pneumatic; ++i) {
      PneumaticActuatorRecord p;
      p.name = Name();
      p.descriptionFile = QString("p%1").arg(catalogue.pneumaticActuators.count);
      p.positionerPZ1 = Bit();
      p.positionerPZ2 = Bit();
      p.normallyOpen = Bit();
      p.normallyClosed = Bit();
      catalogue.pneumaticActuators.Append(p);
    }
    const int thermostats = Int(0, maxPerKind);
    for (int i = 0; i < thermostats; ++i) {
      ThermostatRecord t;
      t.name = Name();
      t.descriptionFile = QString("t%1").arg(catalogue.thermostats.count);
      t.temperatureMin = Int(0, 80);
      t.temperatureMax = t.temperatureMin + Int(-5, 50);
      t.stainlessSensor = Bit();
      catalogue.thermostats.Append(t);
    }
  }

  ValveRecord Valve(int maxLinks) {
    ValveRecord v = test::MakeValve("V", 50, 25);
    for (auto [links, count] : {std::pair{&v.electricLinks, &v.electricLinkCount},
                                std::pair{&v.pneumaticLinks, &v.pneumaticLinkCount},
                                std::pair{&v.thermostatLinks, &v.thermostatLinkCount}}) {
      const int n = Int(0, maxLinks);
      for (int i = 0; i < n; ++i) {
        ActuatorLink link;
        link.name = Chance(5) ? QString("missing") : Name();
        link.forWater = Chance(80);
        link.forGlycol = Bit();
        link.forSteam = Bit();
        link.maxPressureDrop = Pick({0.0f, 2.9f, 3.0f, 3.1f, 10.0f});
        AppendBounded(*links, *count, link);
      }
    }
    return v;
  }

  // Checks each of `ids` by a coin toss.
  void Toss(EngineFixture& f, std::initializer_list<int> ids) {
    for (int id : ids) f.Check(id, Chance(50));
  }

  void Form(EngineFixture& f) {
    f.ChooseMedium(Pick({ids::kWater, ids::kWater, ids::kGlycol, ids::kSteam}));
    f.Type(ids::kP2, Pick({"3", "3", "2.9", "3.1", "7"}));
    const int kind = Int(0, 4);  // 4: several kinds checked at once
    for (int id : {ids::kElectric, ids::kThermostat, ids::kPneumatic}) f.Check(id, false);
    if (kind == 4) {
      Toss(f, {ids::kElectric, ids::kThermostat, ids::kPneumatic});
    } else if (kind > 0) {
      f.Check(kind == 1 ? ids::kElectric : kind == 2 ? ids::kThermostat : ids::kPneumatic);
    }
    Toss(f, {ids::kThreePoint, ids::kAnalogue, ids::kVoltage24, ids::kVoltage220, ids::kRodElement,
             ids::kSpiralElement});
    for (int id :
         {ids::kLimitSwitches, ids::kPotentiometer, ids::kSpringReturn, ids::kHeater,
          ids::kPositionerPZ1, ids::kPositionerPZ2, ids::kNormallyOpen, ids::kNormallyClosed,
          ids::kCopperElement, ids::kCopperCapillary, ids::kPvcCapillary}) {
      f.Check(id, Chance(20));
    }
    f.controls.SelectListEntry(ids::kSignalType, Int(-1, 3));
    f.Type(ids::kMaintainedTemperature,
           Chance(10) ? QString("warm") : QString::number(Int(-5, 130)));
  }

 private:
  template <class T>
  T Pick(std::initializer_list<T> values) {
    return values.begin()[Int(0, static_cast<int>(values.size()) - 1)];
  }

  std::mt19937 random_;
};

QStringList Tags(const ValveCandidate& c) {
  QStringList tags;
  for (int i = 0; i < c.electricActuatorCount; ++i) {
    tags << c.electricActuators[i].name + ":" + c.electricActuators[i].descriptionFile;
  }
  for (int i = 0; i < c.pneumaticActuatorCount; ++i) {
    tags << c.pneumaticActuators[i].name + ":" + c.pneumaticActuators[i].descriptionFile;
  }
  for (int i = 0; i < c.thermostatCount; ++i) {
    tags << c.thermostats[i].name + ":" + c.thermostats[i].descriptionFile;
  }
  return tags;
}

void ExpectSamePreferences(const ActuatorPreferences& a, const ActuatorPreferences& b) {
  EXPECT_EQ(a.actuatorKind, b.actuatorKind);
  EXPECT_EQ(a.controlSignal, b.controlSignal);
  EXPECT_EQ(a.supplyVoltage, b.supplyVoltage);
  EXPECT_EQ(a.requestedSignal0to10V, b.requestedSignal0to10V);
  EXPECT_EQ(a.requestedSignal2to10V, b.requestedSignal2to10V);
  EXPECT_EQ(a.requestedSignal0to20mA, b.requestedSignal0to20mA);
  EXPECT_EQ(a.requestedSignal4to20mA, b.requestedSignal4to20mA);
  EXPECT_EQ(a.wantLimitSwitches, b.wantLimitSwitches);
  EXPECT_EQ(a.wantPotentiometer, b.wantPotentiometer);
  EXPECT_EQ(a.wantSpringReturn, b.wantSpringReturn);
  EXPECT_EQ(a.wantHeater, b.wantHeater);
  EXPECT_EQ(a.maintainedTemperature, b.maintainedTemperature);
  EXPECT_EQ(a.spiralElement, b.spiralElement);
  EXPECT_EQ(a.copperElement, b.copperElement);
  EXPECT_EQ(a.copperCapillary, b.copperCapillary);
  EXPECT_EQ(a.pvcCapillary, b.pvcCapillary);
  EXPECT_EQ(a.wantPZ1, b.wantPZ1);
  EXPECT_EQ(a.wantPZ2, b.wantPZ2);
  EXPECT_EQ(a.wantNormallyOpen, b.wantNormallyOpen);
  EXPECT_EQ(a.wantNormallyClosed, b.wantNormallyClosed);
}

// Matches `valve` on both sides (each with its own request and result) from the same start and
// compares everything the matching writes. Returns the number of actuators found.
int ExpectSameMatch(EngineFixture& fast, EngineFixture& slow, const ValveRecord& valve,
                    const ValveCandidate& start) {
  auto fastCandidate = std::make_unique<ValveCandidate>(start);
  auto slowCandidate = std::make_unique<ValveCandidate>(start);
  fastCandidate->valve = valve;
  slowCandidate->valve = valve;
  SelectionForm fastForm = fast.Form();
  SelectionForm slowForm = slow.Form();
  CaptureRequest(fastForm);
  CaptureRequest(slowForm);
  const bool found = MatchActuators(fast.Context(), *fastCandidate);
  EXPECT_EQ(found, reference::MatchActuators(slowForm, *slowCandidate));
  const QStringList tags = Tags(*fastCandidate);
  EXPECT_EQ(tags, Tags(*slowCandidate));
  EXPECT_EQ(fast.result->stainlessHint, slow.result->stainlessHint);
  ExpectSamePreferences(fast.request.actuator, slow.request.actuator);
  return static_cast<int>(tags.size());
}

// Empties the actuator containers the way a reset of their counts does.
void Empty(Catalogue& catalogue) {
  catalogue.electricActuators.count = 0;
  catalogue.pneumaticActuators.count = 0;
  catalogue.thermostats.count = 0;
}

// Gives `to` the actuator containers of `from`, all that Generator::Fill writes: copying the
// whole catalogue, valves and regulators at full capacity included, would cost the test most of
// its time.
void CopyActuators(const Catalogue& from, Catalogue& to) {
  to.electricActuators = from.electricActuators;
  to.pneumaticActuators = from.pneumaticActuators;
  to.thermostats = from.thermostats;
}

struct Scale {
  const char* name;
  int maxPerKind;
  int maxLinks;
  int seeds;
};

class MatchingEquivalenceTest : public ::testing::TestWithParam<Scale> {};

// Each seed builds one catalogue (the same on both sides, the earlier seed's records emptied) and
// matches several valves against it, with a fresh random form each time, then appends more records
// and matches again. Both sides carry their request and stainless hint from one match to the next,
// as a calculation does; some matches start from a candidate whose lists are already partly filled.
TEST_P(MatchingEquivalenceTest, IndexedMatchingEqualsTheNestedLoops) {
  const Scale& scale = GetParam();
  int found = 0;
  int hints = 0;
  EngineFixture fast;
  EngineFixture slow;
  for (unsigned seed = 1; seed <= static_cast<unsigned>(scale.seeds); ++seed) {
    SCOPED_TRACE(seed);
    Generator g(seed);
    Empty(*fast.catalogue);
    g.Fill(*fast.catalogue, scale.maxPerKind);
    CopyActuators(*fast.catalogue, *slow.catalogue);
    const bool hint = g.Chance(20);
    fast.result->stainlessHint = slow.result->stainlessHint = hint;
    for (int round = 0; round < 6; ++round) {
      if (round == 3) {
        g.Fill(*fast.catalogue, scale.maxPerKind / 2);
        CopyActuators(*fast.catalogue, *slow.catalogue);
      }
      const unsigned formSeed = seed * 100 + static_cast<unsigned>(round);
      Generator(formSeed).Form(fast);
      Generator(formSeed).Form(slow);
      const ValveRecord valve = g.Valve(scale.maxLinks);
      auto start = std::make_unique<ValveCandidate>();
      if (g.Chance(20) && fast.catalogue->thermostats.count > 0) {
        AppendBounded(start->thermostats, start->thermostatCount, (*fast.catalogue).thermostats[0]);
      }
      found += ExpectSameMatch(fast, slow, valve, *start);
      if (HasFailure()) return;
    }
    hints += slow.result->stainlessHint && !hint;
  }
  // The random cases reach the interesting paths.
  EXPECT_GT(found, scale.seeds);
  EXPECT_GT(hints, 0);
}

INSTANTIATE_TEST_SUITE_P(Scales, MatchingEquivalenceTest,
                         ::testing::Values(Scale{"small", 12, 8, 400}, Scale{"medium", 60, 40, 80},
                                           Scale{"full_lists", 400, kListCapacity, 10}),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace selvio
