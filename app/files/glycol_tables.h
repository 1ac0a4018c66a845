#pragma once

#include "engine/fluid_tables.h"

namespace selvio {

// The density tables of the two glycol solutions, loaded once at program start before any
// window opens and read by the density calculator.
struct GlycolTables {
  PropertyTable ethylene;   // "etilenglikol.dat"
  PropertyTable propylene;  // "propilenglikol.dat"
};

// Loads both tables from the working directory; a missing file leaves its table unloaded.
void LoadGlycolTables(GlycolTables& tables);

}  // namespace selvio
