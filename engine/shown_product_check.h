#pragma once

#include <optional>

#include "engine/product_check.h"
#include "engine/selection_request.h"
#include "engine/selection_result.h"

namespace selvio {

// The check of the product `result` shows (a control valve or a regulator of the filled list
// at the shown index) at the working point of `request`; nothing when no product is shown or
// the request names no medium. The candidate list the product was shown from is the list the
// check's verdict chooses from.
std::optional<ProductCheck> CheckShownProduct(const SelectionRequest& request,
                                              const SelectionResult& result);

}  // namespace selvio
