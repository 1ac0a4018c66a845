#pragma once

#include "catalogue/catalogue_records.h"
#include "engine/selection_request.h"
#include "engine/selection_result.h"

namespace selvio {

// What one sizing step reads and fills: the request, the catalogue, and the result that
// collects the candidates, the numbers and the message of a refusal.
struct SizingContext {
  const SelectionRequest& request;
  const Catalogue& catalogue;
  SelectionResult& result;
};

}  // namespace selvio
