#include "engine/actuator_matching.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/medium.h"

namespace selvio {
namespace {

// The request's own medium must be allowed by the link, and the actuator must close against
// more than the pressure difference.
bool LinkUsable(const ActuatorLink& link, const SelectionRequest& request, float drop) {
  return SuitsMedium(link, request) && link.maxPressureDrop > drop;
}

bool ElectricFits(const ElectricActuatorRecord& e, const ActuatorPreferences& p) {
  if ((e.heater != 0) != p.wantHeater || (e.potentiometer != 0) != p.wantPotentiometer ||
      (e.springReturn != 0) != p.wantSpringReturn ||
      (e.limitSwitches != 0) != p.wantLimitSwitches) {
    return false;
  }
  if (e.control != p.controlSignal || e.voltage != p.supplyVoltage) return false;
  if (p.controlSignal == ControlKind::Analogue) {
    if ((p.requestedSignal0to10V && !e.signal0to10V) ||
        (p.requestedSignal2to10V && !e.signal2to10V) ||
        (p.requestedSignal0to20mA && !e.signal0to20mA) ||
        (p.requestedSignal4to20mA && !e.signal4to20mA)) {
      return false;
    }
  }
  return true;
}

bool PneumaticFits(const PneumaticActuatorRecord& a, const ActuatorPreferences& p) {
  return (!p.wantPZ1 || a.positionerPZ1) && (!p.wantPZ2 || a.positionerPZ2) &&
         (!p.wantNormallyOpen || a.normallyOpen) && (!p.wantNormallyClosed || a.normallyClosed);
}

// The pairs of a catalogue slot and a usable link of the valve that name the same actuator, as
// slot * kListCapacity + link, ordered by slot and then by link: the order of a scan over the
// whole container with the valve's links inside, at the cost of one name look-up per link.
template <class Record>
std::vector<int> PairsByName(const RecordContainer<Record>& container,
                             const Slots<ActuatorLink, kListCapacity>& links, int linkCount,
                             const SelectionRequest& request, float drop) {
  const RecordNameIndex& index = container.NameIndex();
  std::vector<int> pairs;
  for (int l = 0; l < linkCount && l < kListCapacity; ++l) {
    const ActuatorLink& link = links[static_cast<std::size_t>(l)];
    if (!LinkUsable(link, request, drop)) continue;
    const int group = index.GroupOf(link.name);
    if (group < 0) continue;
    for (const int slot : index.slotsOfGroup[static_cast<std::size_t>(group)]) {
      pairs.push_back(slot * kListCapacity + l);
    }
  }
  std::sort(pairs.begin(), pairs.end());
  return pairs;
}

// Runs the thermostat rules over the valve's thermostat links: appends each fitting thermostat
// to `candidate`, or with no candidate only notes what the rules would note (the stainless
// hint) without copying anything. True when a thermostat was (or would be) appended.
bool ScanThermostats(const SizingContext& context, const ValveRecord& valve,
                     ValveCandidate* candidate) {
  const SelectionRequest& request = context.request;
  const ActuatorPreferences& prefs = request.actuator;
  const float drop = std::fabs(request.p1 - request.p2);
  const bool copperChosen = prefs.copperElement || prefs.copperCapillary || prefs.pvcCapillary;
  const auto& thermostats = context.catalogue.thermostats;
  const RecordNameIndex& index = thermostats.NameIndex();
  // Names already in the candidate's list, by group: only the first fitting record of a name
  // is taken.
  std::vector<bool> nameTaken(index.slotsOfGroup.size(), false);
  int count = 0;
  if (candidate) {
    for (const ThermostatRecord& taken : candidate->thermostats) {
      const int group = index.GroupOf(taken.name);
      if (group >= 0) nameTaken[static_cast<std::size_t>(group)] = true;
    }
    count = static_cast<int>(candidate->thermostats.size());
  }
  bool found = false;
  for (const int pair :
       PairsByName(thermostats, valve.thermostatLinks, valve.thermostatLinkCount, request, drop)) {
    const int slot = pair / kListCapacity;
    const ThermostatRecord& t = thermostats[slot];
    if (t.temperatureMin > prefs.maintainedTemperature ||
        prefs.maintainedTemperature > t.temperatureMax) {
      continue;
    }
    const auto group = static_cast<std::size_t>(index.groupOfSlot[static_cast<std::size_t>(slot)]);
    if (nameTaken[group]) continue;
    if (t.stainlessSensor && copperChosen) {
      context.result.stainlessHint = true;
      continue;
    }
    if (count >= kListCapacity) continue;  // a full list takes no more
    if (candidate) AppendBounded(candidate->thermostats, t);
    ++count;
    found = true;
    nameTaken[group] = true;
  }
  return found;
}

}  // namespace

bool MatchActuators(const SizingContext& context, ValveCandidate& candidate) {
  const SelectionRequest& request = context.request;
  const ActuatorPreferences& prefs = request.actuator;
  const float drop = std::fabs(request.p1 - request.p2);
  const ValveRecord& valve = candidate.valve;
  const Catalogue& catalogue = context.catalogue;
  bool found = false;

  if (prefs.actuatorKind == ActuatorKind::Electric) {
    const auto& actuators = catalogue.electricActuators;
    for (const int pair :
         PairsByName(actuators, valve.electricLinks, valve.electricLinkCount, request, drop)) {
      const ElectricActuatorRecord& e = actuators[pair / kListCapacity];
      if (!ElectricFits(e, prefs)) continue;
      found |= AppendBounded(candidate.electricActuators, e);
    }
  }
  if (prefs.actuatorKind == ActuatorKind::Pneumatic) {
    const auto& actuators = catalogue.pneumaticActuators;
    for (const int pair :
         PairsByName(actuators, valve.pneumaticLinks, valve.pneumaticLinkCount, request, drop)) {
      const PneumaticActuatorRecord& p = actuators[pair / kListCapacity];
      if (!PneumaticFits(p, prefs)) continue;
      found |= AppendBounded(candidate.pneumaticActuators, p);
    }
  }
  if (prefs.actuatorKind == ActuatorKind::Thermostat) {
    found = ScanThermostats(context, valve, &candidate);
  }
  return found;
}

void NoteMatchingHints(const SizingContext& context, const ValveRecord& valve) {
  const ActuatorPreferences& prefs = context.request.actuator;
  if (prefs.actuatorKind != ActuatorKind::Thermostat || context.result.stainlessHint) return;
  if (!prefs.copperElement && !prefs.copperCapillary && !prefs.pvcCapillary) return;
  ScanThermostats(context, valve, nullptr);
}

}  // namespace selvio
