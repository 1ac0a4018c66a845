#include "catalogue/valve_construction.h"

namespace selvio {
namespace {

bool Has(const QString& text, const char* word) { return text.contains(QString::fromUtf8(word)); }

}  // namespace

StyleMatch StyleOfConstruction(const QString& construction) {
  const QString text = construction.toLower();
  if (Has(text, "шаров")) {
    const bool segmented = Has(text, "сегмент") || Has(text, "v-образ") || Has(text, "v-порт");
    return {segmented ? ValveStyle::BallSegmented : ValveStyle::BallFull, StyleBasis::Construction};
  }
  if (Has(text, "затвор") || Has(text, "дисков")) {
    return {Has(text, "эксцентри") ? ValveStyle::ButterflyOffsetSeat70
                                   : ValveStyle::ButterflySwingThrough70,
            StyleBasis::Construction};
  }
  if (Has(text, "двухседельн")) {
    return {ValveStyle::GlobeDoubleSeatContouredPlug, StyleBasis::Construction};
  }
  if (Has(text, "седельн")) {
    return {ValveStyle::GlobeSingleSeatContouredPlugFlowToOpen, StyleBasis::Construction};
  }
  return {ValveStyle::GlobeSingleSeatContouredPlugFlowToOpen, StyleBasis::NotRecognised};
}

}  // namespace selvio
