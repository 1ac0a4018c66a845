#pragma once

#include <QString>

#include "engine/selection_result.h"
#include "output/result_texts.h"

namespace selvio {

// The shown selection as one plain text for export, printing and e-mail: one "label: value"
// line per item, lines separated by "\n", sub-items indented with a tab. A control valve is
// followed by its actuator and, `withController`, the controller kit; a regulator by its
// setting range. Empty when no list holds a candidate; at most 1023 characters.
QString ComposeSelectionReport(const SelectionResult& result, const ResultTexts& texts,
                               bool withController);

}  // namespace selvio
