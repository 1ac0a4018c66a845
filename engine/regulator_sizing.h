#pragma once

#include "engine/sizing_context.h"

namespace selvio {

// The regulator branch of a calculation, for a differential-pressure regulator or a reducing
// valve: setting bounds, Kv for the medium, then every catalogue regulator of the kind that fits
// and offers a setting range holding the setting becomes a candidate; the shown candidate goes
// back to 0. Returns false when an input was refused.
bool SizeRegulator(const SizingContext& context, ProductKind kind);

}  // namespace selvio
