#pragma once

#include <QString>

namespace selvio {

// A valve's inherent flow characteristic, as the catalogue's "характеристика" names it.
enum class FlowCharacteristic {
  EqualPercentage,  // "равнопроцентная"
  Linear,           // "линейная"
  Other,            // any other text, or none
};

// The characteristic a catalogue text names, ignoring case and surrounding blanks.
FlowCharacteristic FlowCharacteristicOf(const QString& catalogueText);

}  // namespace selvio
