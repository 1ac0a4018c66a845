#include "engine/noise/steel_pipes.h"

#include <array>

namespace selvio::noise {
namespace {

constexpr std::array<SteelPipeSize, 14> kSizes = {{
    // EN 10255, medium series (M)
    {15, 21.3, 2.6},
    {20, 26.9, 2.6},
    {25, 33.7, 3.2},
    {32, 42.4, 3.2},
    {40, 48.3, 3.2},
    {50, 60.3, 3.6},
    {65, 76.1, 3.6},
    {80, 88.9, 4.0},
    {100, 114.3, 4.5},
    {125, 139.7, 5.0},
    {150, 165.1, 5.0},
    // EN 10220 series 1, normal wall thickness (former DIN 2448)
    {200, 219.1, 6.3},
    {250, 273.0, 6.3},
    {300, 323.9, 7.1},
}};

}  // namespace

std::span<const SteelPipeSize> SteelPipeSizes() { return kSizes; }

std::optional<SteelPipeLookup> SteelPipeForDn(int dn) {
  if (dn <= 0) return std::nullopt;
  for (const SteelPipeSize& size : kSizes) {
    if (size.dn >= dn) return SteelPipeLookup{size, size.dn == dn};
  }
  return std::nullopt;
}

}  // namespace selvio::noise
