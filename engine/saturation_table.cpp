#include "engine/saturation_table.h"

namespace selvio {

float LookupSaturationPressure(const SaturationTable& table, float temperature) {
  for (int i = 0; i < table.count; ++i) {
    if (table.temperatures[static_cast<std::size_t>(i)] >= temperature) {
      return table.pressures[static_cast<std::size_t>(i)];
    }
  }
  return 0;
}

}  // namespace selvio
