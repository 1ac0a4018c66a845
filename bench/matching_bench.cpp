#include <benchmark/benchmark.h>

#include <memory>

#include "bench/bench_request.h"
#include "engine/selection.h"

namespace selvio {
namespace {

constexpr int kLinksPerValve = kListCapacity;

// 1024 electric actuators with distinct names, all three-position 24 V without options, so
// every one fits the request of WaterRequest.
void AddActuators(Catalogue& catalogue) {
  ElectricActuatorRecord e;
  e.control = ControlKind::ThreePoint;
  e.voltage = 24;
  for (int i = 0; i < kCatalogueCapacity; ++i) {
    e.name = QStringLiteral("EA-%1").arg(i, 4, 10, QLatin1Char('0'));
    e.variant = e.name + QStringLiteral(" 24");
    e.descriptionFile = e.name + QStringLiteral(".pdf");
    e.drawing2d = e.name + QStringLiteral("-2d.png");
    e.drawing3d = e.name + QStringLiteral("-3d.png");
    catalogue.electricActuators.Append(e);
  }
}

// 1024 water valves that all pass the hydraulic tests, each with 100 usable electric links to
// 100 different actuators (a different set for each valve). With `sameName` every valve has
// one name, so all but the first two are pruned (and neither copied nor matched); otherwise
// names differ and the diameter is shared, so the list keeps the first 100 valves found.
std::unique_ptr<Catalogue> WorstCaseCatalogue(bool sameName) {
  auto catalogue = std::make_unique<Catalogue>();
  AddActuators(*catalogue);
  ValveRecord v;
  v.connection = ConnectionKind::Flanged;
  v.valveKind = ValveKind::TwoWay;
  v.forWater = 1;
  v.maxPressure = 16;
  v.maxTemperature = 150;
  v.kvs = 40;
  v.dn = 50;
  v.electricLinkCount = kLinksPerValve;
  for (int i = 0; i < kCatalogueCapacity; ++i) {
    v.name = sameName ? QStringLiteral("VB") : QStringLiteral("VB-%1").arg(i);
    for (int l = 0; l < kLinksPerValve; ++l) {
      ActuatorLink& link = v.electricLinks[static_cast<std::size_t>(l)];
      link.name = catalogue->electricActuators[(i + 10 * l) % kCatalogueCapacity].name;
      link.forWater = 1;
      link.maxPressureDrop = 10;
    }
    catalogue->valves.Append(v);
  }
  return catalogue;
}

// Water, flanged two-way, P1 6, P2 3, 90 °C, Kv 20; electric, three-position, 24 V.
void RunWorstCase(benchmark::State& state, bool sameName) {
  const std::unique_ptr<Catalogue> catalogue = WorstCaseCatalogue(sameName);
  SelectionRequest request = bench::WaterRequest();
  request.actuator.actuatorKind = ActuatorKind::Electric;
  request.actuator.controlSignal = ControlKind::ThreePoint;
  request.actuator.supplyVoltage = 24;
  request.matchActuators = state.range(0) != 0;
  SaturationTable saturation;
  auto result = std::make_unique<SelectionResult>();
  for (auto _ : state) {
    RunSelection(request, *catalogue, saturation, *result);
    benchmark::DoNotOptimize(result->outcome);
  }
  state.counters["candidates"] = CountOf(result->valveCandidates);
  state.counters["actuators"] = CountOf(result->valveCandidates[0].electricActuators);
}

// Every valve passes but shares one name; the section off or on.
void WorstCaseOneValveName(benchmark::State& state) { RunWorstCase(state, true); }
BENCHMARK(WorstCaseOneValveName)
    ->ArgName("actuators")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);

// Every valve is kept until the list's 100 slots are full (distinct names, one diameter).
void WorstCaseListFilled(benchmark::State& state) { RunWorstCase(state, false); }
BENCHMARK(WorstCaseListFilled)->ArgName("actuators")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace selvio
