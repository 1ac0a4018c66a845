#include "app/project/position_label.h"

#include <QList>

#include "output/safe_text.h"

namespace selvio {
namespace {

// The words of the faults, each said of the label.
const char* const kForbiddenCharacter =
    "содержит недопустимый знак %1: управляющие знаки, знаки направления письма и "
    "разделители строк в обозначении не допускаются";
const char* const kTooLong = "длиннее %1 знаков";

}  // namespace

std::optional<QString> LabelFault(const QString& label) {
  if (const std::optional<char32_t> character = FirstControlCharacter(label)) {
    return QString::fromUtf8(kForbiddenCharacter).arg(CodePointName(*character));
  }
  if (label.toUcs4().size() > kMaxLabelLength) {
    return QString::fromUtf8(kTooLong).arg(kMaxLabelLength);
  }
  return std::nullopt;
}

}  // namespace selvio
