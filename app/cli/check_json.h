#pragma once

#include <QJsonValue>
#include <optional>

#include "engine/product_check.h"

namespace selvio {

// The check of the product shown as the "check" of select's JSON; null without a check.
// Figures that do not apply or were not reached are null. Keys: "status" ("computed",
// "boiling_at_inlet", "out_of_range"), "medium" ("liquid", "steam"), "kv_iec", "kv_required"
// (Kv·K), "choked", "x_f", "opening_percent", "lift_percent", "velocity", "rho", "p1_abs",
// "p2_abs", "drop", "vapour_pressure", "saturation_temperature", "outlet_density", "fl", "xt",
// "ff", "choked_drop", "gamma", "f_gamma", "choked_ratio", "expansion", "suggestion" (the
// index in "candidates" of the smallest sufficient Kvs), "flags" (each warning's flag by name),
// "verdict", "warnings" and "notes".
QJsonValue CheckJson(const std::optional<ProductCheck>& check);

}  // namespace selvio
