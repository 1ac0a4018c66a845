#pragma once

#include <QString>

#include "engine/selection_message.h"

namespace selvio {

// The name an input field has in a refusal: "Р1", "Плотность среды", "G".
QString InputFieldName(InputField field);

// The text of a calculation's message in the language in use; empty for None.
QString SelectionMessageText(const SelectionMessage& message);

}  // namespace selvio
