#pragma once

#include "engine/selection_request.h"

namespace selvio {

// Whether a valve, regulator or actuator link is meant for the request's medium (its forWater,
// forGlycol or forSteam flag); with no medium chosen nothing is.
template <class Record>
bool SuitsMedium(const Record& record, const SelectionRequest& request) {
  if (request.isWater) return record.forWater != 0;
  if (request.isGlycol) return record.forGlycol != 0;
  if (request.isSteam) return record.forSteam != 0;
  return false;
}

}  // namespace selvio
