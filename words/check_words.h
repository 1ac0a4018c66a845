#pragma once

#include <QString>
#include <vector>

#include "engine/product_check.h"

namespace selvio {

// The words of the check of the product shown against IEC 60534-2-1, in the language in use.
// Numbers keep their format in every language, with a point.

// One sentence: why the check was not made, that the liquid boils at the inlet, or whether the
// product's Kvs suffices (with K when it is not 1, and the product of the list that would do).
QString CheckVerdictText(const ProductCheck& check);

// One line per warning, in the check's order.
QString CheckWarningText(const CheckWarning& warning);
std::vector<QString> CheckWarningTexts(const ProductCheck& check);

// One line per note of the basis, in the check's order.
QString CheckNoteText(CheckNote note, const ProductCheck& check);
std::vector<QString> CheckNoteTexts(const ProductCheck& check);

}  // namespace selvio
