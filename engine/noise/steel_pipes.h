#pragma once

#include <optional>
#include <span>

// Standard steel pipe sizes for heating pipework, one per nominal diameter DN 15 … 300: the
// outside diameter and the wall thickness, the internal diameter derived. DN 15 … 150 are the
// medium series of EN 10255 (non-alloy steel tubes for welding and threading), the pipe of
// heating installations in these sizes; DN 200 … 300 are the outside diameters of EN 10220
// (series 1) with the normal wall thickness of the former DIN 2448 that EN 10220 took over.
namespace selvio::noise {

struct SteelPipeSize {
  int dn = 0;                  // nominal diameter
  double outsideDiameter = 0;  // mm
  double wallThickness = 0;    // mm
  double InternalDiameter() const { return outsideDiameter - 2 * wallThickness; }  // mm
};

// The sizes of the table, DN ascending.
std::span<const SteelPipeSize> SteelPipeSizes();

// The pipe for a DN: the table's own row, or for a DN the table does not list the nearest listed
// DN above it (exact false). Nothing above the largest listed DN or for a DN that is not positive.
struct SteelPipeLookup {
  SteelPipeSize size;
  bool exact = true;
};
std::optional<SteelPipeLookup> SteelPipeForDn(int dn);

}  // namespace selvio::noise
