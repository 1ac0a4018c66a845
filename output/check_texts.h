#pragma once

#include <QString>
#include <vector>

#include "engine/product_check.h"

namespace selvio {

inline constexpr const char* kCheckHeading = "Проверка по МЭК 60534-2-1";

// One figure of the check as it is printed: "Kv по МЭК, м³/ч" and "5.09".
struct CheckFigure {
  QString label;
  QString value;
};

// The figures the check computed, in the order of the calculation; a figure that does not
// apply (x_F for steam, the lift of a regulator) or was not reached (Kv when the liquid boils
// at the inlet) is left out.
std::vector<CheckFigure> CheckFigures(const ProductCheck& check);

// The check as the selection's document and the command line show it after the report, one
// line each, ended by "\n": the verdict, an empty line, the figures as "label: value", then the
// warnings and the basis of the check after their captions, each item after a tab, as the
// report writes its lists. Numbers with a point, whatever the locale.
QString CheckSectionText(const ProductCheck& check);

}  // namespace selvio
