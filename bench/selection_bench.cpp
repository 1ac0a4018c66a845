#include <benchmark/benchmark.h>

#include <memory>

#include "bench/bench_request.h"
#include "engine/selection.h"

namespace selvio {
namespace {

// A catalogue of 1024 valves for water, every one of which passes the hydraulic tests of the
// request of WaterRequest; names repeat in pairs and diameters alternate within one step, so the
// list fills to its 100 slots and later valves are skipped.
std::unique_ptr<Catalogue> FullValveCatalogue() {
  auto catalogue = std::make_unique<Catalogue>();
  ValveRecord v;
  v.connection = ConnectionKind::Flanged;
  v.valveKind = ValveKind::TwoWay;
  v.forWater = 1;
  v.maxPressure = 16;
  v.maxTemperature = 150;
  v.kvs = 40;
  for (int i = 0; i < kCatalogueCapacity; ++i) {
    v.name = QStringLiteral("VB-%1").arg(i / 2);
    v.dn = (i % 2) ? 50.0f : 65.0f;
    catalogue->valves.Append(v);
  }
  return catalogue;
}

void RunSelectionOn1024Valves(benchmark::State& state) {
  const std::unique_ptr<Catalogue> catalogue = FullValveCatalogue();
  const SelectionRequest request = bench::WaterRequest();
  SaturationTable saturation;
  auto result = std::make_unique<SelectionResult>();
  for (auto _ : state) {
    RunSelection(request, *catalogue, saturation, *result);
    benchmark::DoNotOptimize(result->outcome);
  }
  state.counters["candidates"] = CountOf(result->valveCandidates);
}
BENCHMARK(RunSelectionOn1024Valves)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace selvio
