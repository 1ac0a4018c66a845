// A glycol table file over any bytes, then interpolation at its corners, its middle and
// outside it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "engine/fluid_tables.h"
#include "fuzz/harness_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace selvio;
  const QString path = fuzz::WriteInput(QStringLiteral("fuzzed.dat"), data, size);
  PropertyTable table;
  LoadPropertyTable(path, table);
  const bool loaded = table.firstCount > 0 && table.secondCount > 0;
  if (loaded && (table.firstAxis.size() != static_cast<std::size_t>(table.firstCount) ||
                 table.secondAxis.size() != static_cast<std::size_t>(table.secondCount) ||
                 table.values.size() != table.firstAxis.size() * table.secondAxis.size())) {
    std::abort();
  }
  const float first = loaded ? table.firstAxis.front() : 0;
  const float last = FirstAxisMaximum(table);
  const float low = loaded ? table.secondAxis.front() : 0;
  const float high = loaded ? table.secondAxis.back() : 0;
  for (float a : {first, last, (first + last) / 2, -1e30f, 1e30f}) {
    for (float b : {low, high, (low + high) / 2, 20.0f}) InterpolatePropertyTable(table, a, b);
  }
  return 0;
}
