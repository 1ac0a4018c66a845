#include "app/project/position_label.h"

#include <QCoreApplication>
#include <QList>

#include "output/safe_text.h"

namespace selvio {
namespace {

// The words of the faults, each said of the label.
const char* const kForbiddenCharacter = QT_TRANSLATE_NOOP(
    "PositionLabel",
    "содержит недопустимый знак %1: управляющие знаки, знаки направления письма и "
    "разделители строк в обозначении не допускаются");
const char* const kTooLong = QT_TRANSLATE_NOOP("PositionLabel", "длиннее %1 знаков");

}  // namespace

std::optional<QString> LabelFault(const QString& label) {
  if (const std::optional<char32_t> character = FirstControlCharacter(label)) {
    return QCoreApplication::translate("PositionLabel", kForbiddenCharacter)
        .arg(CodePointName(*character));
  }
  if (label.toUcs4().size() > kMaxLabelLength) {
    return QCoreApplication::translate("PositionLabel", kTooLong).arg(kMaxLabelLength);
  }
  return std::nullopt;
}

}  // namespace selvio
