#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "catalogue/catalogue_records.h"
#include "engine/saturation_table.h"
#include "engine/selection.h"
#include "engine/selection_request.h"
#include "engine/selection_result.h"
#include "engine/sizing_context.h"
#include "tests/code_printers.h"

namespace selvio::test {

// A flanged two-way control valve for water: P1 6 bar, P2 3 bar, 90 °C, ΔP 0.25 bar,
// G 10 m³/h, K 1 (not asked for), density 1040 kg/m³, setting 1 bar, the actuator section off.
// Kv = 10 / √0.25 = 20.
inline SelectionRequest WaterValveRequest() {
  SelectionRequest r;
  r.product = ProductKind::ControlValve;
  r.medium = Medium::Water;
  r.connection = ConnectionKind::Flanged;
  r.valveKind = ValveKind::TwoWay;
  r.p1 = 6;
  r.p2 = 3;
  r.temperature = 90;
  r.drop = 0.25f;
  r.flow = 10;
  r.safetyFactor = 1;
  r.density = 1040;
  r.setting = 1;
  return r;
}

// The engine on its own: a request built in code (WaterValveRequest, adjusted by each test), a
// catalogue the test fills, an empty saturation table unless the test fills it, and the result.
struct EngineFixture {
  std::unique_ptr<Catalogue> catalogue = std::make_unique<Catalogue>();
  SaturationTable saturation;
  SelectionRequest request = WaterValveRequest();
  SelectionResult result;

  // One calculation of the request; returns its outcome.
  SelectionOutcome Run() {
    RunSelection(request, *catalogue, saturation, result);
    return result.outcome;
  }

  // The engine's view of the fixture's request, catalogue and result, for a single step.
  SizingContext Context() { return {request, *catalogue, result}; }
};

// A flanged two-way valve for water, glycol and steam, rated 16 bar / 150 °C.
inline ValveRecord MakeValve(const QString& name, float dn, float kvs) {
  ValveRecord v;
  v.name = name;
  v.dnText = QString::number(static_cast<double>(dn));
  v.dn = dn;
  v.connection = ConnectionKind::Flanged;
  v.valveKind = ValveKind::TwoWay;
  v.kvs = kvs;
  v.maxPressure = 16;
  v.maxTemperature = 150;
  v.forWater = v.forGlycol = v.forSteam = 1;
  return v;
}

// A flanged regulator for water, glycol and steam, rated 16 bar / 150 °C, whose one setting
// range 0.1-20 bar holds every setting.
inline RegulatorRecord MakeRegulator(const QString& name, float dn = 50, float kvs = 25) {
  RegulatorRecord r;
  r.name = name;
  r.dnText = QString::number(static_cast<double>(dn));
  r.dn = dn;
  r.connection = ConnectionKind::Flanged;
  r.kvs = kvs;
  r.maxPressure = 16;
  r.maxTemperature = 150;
  r.forWater = r.forGlycol = r.forSteam = 1;
  r.rangeLow[0] = 0.1f;
  r.rangeHigh[0] = 20;
  r.rangeCount = 1;
  return r;
}

// The names of the valve candidates, in the list's order.
inline std::vector<QString> CandidateNames(const SelectionResult& result) {
  std::vector<QString> names;
  for (const ValveCandidate& candidate : result.valveCandidates) {
    names.push_back(candidate.valve.name);
  }
  return names;
}

}  // namespace selvio::test
