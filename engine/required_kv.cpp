#include "engine/required_kv.h"

#include "engine/hydraulics.h"

namespace selvio {
namespace {

// A flow of zero or below would give a Kv of zero or below, which every product passes.
const SelectionMessage kFlowNotPositive{SelectionMessageCode::FlowNotPositive, InputField::Flow};

std::optional<float> Refuse(const SizingContext& context, const SelectionMessage& message) {
  context.result.message = message;
  return std::nullopt;
}

}  // namespace

std::optional<float> ComputeRequiredKv(const SizingContext& context) {
  const SelectionRequest& r = context.request;
  switch (r.medium) {
    case Medium::None:
      return 0.0f;
    case Medium::Water:
      if (!(r.drop > 0))
        return Refuse(context, {SelectionMessageCode::DropNotPositive, InputField::PressureDrop});
      if (!(r.flow > 0)) return Refuse(context, kFlowNotPositive);
      return KvWater(r.safetyFactor, r.flow, r.drop);
    case Medium::Glycol:
      if (r.drop == 0)
        return Refuse(context, {SelectionMessageCode::DropZero, InputField::PressureDrop});
      if (!(r.density > 0))
        return Refuse(context, {SelectionMessageCode::DensityNotPositive, InputField::Density});
      if (!(r.flow > 0)) return Refuse(context, kFlowNotPositive);
      return KvGlycol(r.safetyFactor, r.flow, r.drop, WaterDensity(r.temperature), r.density);
    case Medium::Steam:
      break;
  }
  const double delta = r.drop;
  if (delta < kRelativeDropMin || delta > kRelativeDropMax) {
    return Refuse(context, {SelectionMessageCode::RelativeDropOutOfRange, InputField::RelativeDrop,
                            kRelativeDropMin, kRelativeDropMax});
  }
  if (!(r.p1 > 0))
    return Refuse(context,
                  {SelectionMessageCode::InletPressureNotPositive, InputField::InletPressure});
  if (!(r.flow > 0)) return Refuse(context, kFlowNotPositive);
  return KvSteam(r.safetyFactor, r.flow, r.p1, r.drop);
}

}  // namespace selvio
