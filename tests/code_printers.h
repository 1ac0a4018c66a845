#pragma once

// Readable failures for the codes the engine returns in place of words.

#include <ostream>

#include "engine/product_check.h"
#include "engine/selection_message.h"

namespace selvio {

inline void PrintTo(const SelectionMessage& message, std::ostream* os) {
  *os << "{code " << static_cast<int>(message.code) << ", field " << static_cast<int>(message.field)
      << ", " << message.low << ".." << message.high << "}";
}

inline void PrintTo(const CheckWarning& warning, std::ostream* os) {
  *os << "{code " << static_cast<int>(warning.code) << ", " << warning.figure << ", "
      << warning.bound << "}";
}

}  // namespace selvio
