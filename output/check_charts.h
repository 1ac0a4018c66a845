#pragma once

#include <optional>
#include <vector>

#include "engine/product_check.h"
#include "platform/chart_description.h"

namespace selvio {

// The P–T picture of the check: the area of allowed operation under the product's rating
// shaded, the rating curve, and the working point (T, P1 gauge). A rating of one point (the
// nominal maximum temperature and pressure) allows the rectangle up to it.
ChartDescription RatingChartDescription(const ProductCheck& check);

// The characteristic picture: the working band of the lift shaded, Kv/Kvs in % against the
// lift in %, and the working point when the check found one; nothing for a product without a
// lift (a regulator, another characteristic).
std::optional<ChartDescription> CharacteristicChartDescription(const ProductCheck& check);

// The pictures of the check in the order the document shows them.
std::vector<ChartDescription> CheckChartDescriptions(const ProductCheck& check);

}  // namespace selvio
