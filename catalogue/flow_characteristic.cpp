#include "catalogue/flow_characteristic.h"

namespace selvio {

FlowCharacteristic FlowCharacteristicOf(const QString& catalogueText) {
  const QString text = catalogueText.trimmed();
  if (text.compare(QStringLiteral("равнопроцентная"), Qt::CaseInsensitive) == 0)
    return FlowCharacteristic::EqualPercentage;
  if (text.compare(QStringLiteral("линейная"), Qt::CaseInsensitive) == 0)
    return FlowCharacteristic::Linear;
  return FlowCharacteristic::Other;
}

}  // namespace selvio
