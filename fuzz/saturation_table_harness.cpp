// "Рнас.dat" over any bytes, then a look-up below, inside and above the table.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "engine/fluid_tables.h"
#include "fuzz/harness_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace selvio;
  fuzz::WriteInput(QString::fromUtf8("Рнас.dat"), data, size);
  SaturationTable table;
  LoadSaturationTable(table);
  if (table.count < 0 || table.count > kSaturationCapacity) std::abort();
  for (float temperature : {-300.0f, 0.0f, 100.0f, 374.0f, 1e30f}) {
    LookupSaturationPressure(table, temperature);
  }
  return 0;
}
