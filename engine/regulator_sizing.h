#pragma once

#include "engine/selection_form.h"

namespace selvio {

// The regulator branch of a calculation, for a differential-pressure regulator or a reducing
// valve: setting bounds, Kv for the medium, then every catalogue regulator of the kind that fits
// and offers a setting range holding the setting becomes a candidate; finally the kind's panel
// is shown. Returns false when an input was refused.
bool SizeRegulator(SelectionForm& form, ProductKind kind);

}  // namespace selvio
