#pragma once

#include "app/form/form_state.h"
#include "catalogue/catalogue_records.h"

namespace selvio {

// Empties the three capillary length lists and fills them from the catalogue's capillaries in
// catalogue order, each length as "%.1f" ("—" when not finite), by material (copper, copper with
// PVC, stainless steel). A record of another material, or beyond a list's 100 entries, is skipped.
void BuildCapillaryLengthLists(const Catalogue& catalogue, FormState& state);

}  // namespace selvio
