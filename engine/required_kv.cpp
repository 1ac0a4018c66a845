#include "engine/required_kv.h"

#include "engine/hydraulics.h"
#include "engine/unit_factors.h"
#include "platform/control_ids.h"

namespace selvio {
namespace {

constexpr const char* kDropMessage = "Перепад давления на клапане ΔP должен быть больше нуля";

std::optional<float> Refuse(SelectionForm& form, const char* message) {
  form.controls.ShowMessage(QString::fromUtf8(message));
  return std::nullopt;
}

}  // namespace

std::optional<float> ComputeRequiredKv(SelectionForm& form) {
  SelectionRequest& r = form.request;
  if (!r.isWater && !r.isGlycol && !r.isSteam) return 0.0f;
  r.flow = ConvertFlow(r.flow, form.controls.SelectedIndex(ids::kFlowUnit), r.isSteam);

  if (r.isWater) {
    if (!(r.drop > 0)) return Refuse(form, kDropMessage);
    return KvWater(r.safetyFactor, r.flow, r.drop);
  }
  if (r.isGlycol) {
    if (r.drop == 0) return Refuse(form, "Перепад давления на клапане ΔP не может быть равен нулю");
    if (!(r.density > 0)) return Refuse(form, "Плотность среды должна быть больше нуля");
    return KvGlycol(r.safetyFactor, r.flow, r.drop, WaterDensity(r.temperature), r.density);
  }
  const double delta = r.drop;
  if (delta < 0.01 || delta > 0.42) {
    return Refuse(form, "Относительный перепад давления может быть 0.01<δ<0.42");
  }
  if (!(r.p1 > 0)) return Refuse(form, "Входное давление Р1 должно быть больше нуля");
  return KvSteam(r.safetyFactor, r.flow, r.p1, r.drop);
}

}  // namespace selvio
