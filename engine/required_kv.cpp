#include "engine/required_kv.h"

#include "engine/hydraulics.h"

namespace selvio {
namespace {

constexpr const char* kDropMessage = "Перепад давления на клапане ΔP должен быть больше нуля";
// A flow of zero or below would give a Kv of zero or below, which every product passes.
constexpr const char* kFlowMessage = "Расход среды G должен быть больше нуля";

std::optional<float> Refuse(const SizingContext& context, const char* message) {
  context.result.message = QString::fromUtf8(message);
  return std::nullopt;
}

}  // namespace

std::optional<float> ComputeRequiredKv(const SizingContext& context) {
  const SelectionRequest& r = context.request;
  switch (r.medium) {
    case Medium::None:
      return 0.0f;
    case Medium::Water:
      if (!(r.drop > 0)) return Refuse(context, kDropMessage);
      if (!(r.flow > 0)) return Refuse(context, kFlowMessage);
      return KvWater(r.safetyFactor, r.flow, r.drop);
    case Medium::Glycol:
      if (r.drop == 0)
        return Refuse(context, "Перепад давления на клапане ΔP не может быть равен нулю");
      if (!(r.density > 0)) return Refuse(context, "Плотность среды должна быть больше нуля");
      if (!(r.flow > 0)) return Refuse(context, kFlowMessage);
      return KvGlycol(r.safetyFactor, r.flow, r.drop, WaterDensity(r.temperature), r.density);
    case Medium::Steam:
      break;
  }
  const double delta = r.drop;
  if (delta < 0.01 || delta > 0.42) {
    return Refuse(context, "Относительный перепад давления может быть 0.01<δ<0.42");
  }
  if (!(r.p1 > 0)) return Refuse(context, "Входное давление Р1 должно быть больше нуля");
  if (!(r.flow > 0)) return Refuse(context, kFlowMessage);
  return KvSteam(r.safetyFactor, r.flow, r.p1, r.drop);
}

}  // namespace selvio
