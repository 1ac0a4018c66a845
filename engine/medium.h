#pragma once

#include "engine/selection_request.h"

namespace selvio {

// Whether a valve, regulator or actuator link is meant for the request's medium (its forWater,
// forGlycol or forSteam flag); with no medium chosen nothing is.
template <class Record>
bool SuitsMedium(const Record& record, const SelectionRequest& request) {
  switch (request.medium) {
    case Medium::Water:
      return record.forWater != 0;
    case Medium::Glycol:
      return record.forGlycol != 0;
    case Medium::Steam:
      return record.forSteam != 0;
    case Medium::None:
      break;
  }
  return false;
}

}  // namespace selvio
