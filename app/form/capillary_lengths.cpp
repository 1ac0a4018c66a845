#include "app/form/capillary_lengths.h"

#include "output/value_text.h"

namespace selvio {
namespace {

void Append(CapillaryLengthList& list, float length) {
  if (list.count < 0 || list.count >= kListCapacity) return;
  const auto slot = static_cast<std::size_t>(list.count);
  list.labels[slot] = FormatNumber("%.1f", static_cast<double>(length));
  list.lengths[slot] = length;
  ++list.count;
}

}  // namespace

void BuildCapillaryLengthLists(const Catalogue& catalogue, FormState& state) {
  state.copperCapillaryLengths.count = 0;
  state.pvcCapillaryLengths.count = 0;
  state.stainlessCapillaryLengths.count = 0;
  for (int i = 0; i < catalogue.capillaries.count; ++i) {
    const CapillaryRecord& capillary = catalogue.capillaries[i];
    switch (capillary.material) {
      case CapillaryMaterial::Copper:
        Append(state.copperCapillaryLengths, capillary.length);
        break;
      case CapillaryMaterial::CopperPvc:
        Append(state.pvcCapillaryLengths, capillary.length);
        break;
      case CapillaryMaterial::Stainless:
        Append(state.stainlessCapillaryLengths, capillary.length);
        break;
      case CapillaryMaterial::NotGiven:
        break;
    }
  }
}

}  // namespace selvio
