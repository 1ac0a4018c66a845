#include "engine/regulator_sizing.h"

#include <cmath>

#include "engine/medium.h"
#include "engine/rating.h"
#include "engine/required_kv.h"

namespace selvio {
namespace {

struct RegulatorKindTraits {
  double settingMin;  // bar
  double settingMax;  // bar
};

RegulatorKindTraits TraitsOf(ProductKind kind) {
  if (kind == ProductKind::DpRegulator) return {0.2, 8.0};
  return {0.4, 16.0};
}

// Index of the first setting range that holds the setting, or -1.
int SettingRangeOf(const RegulatorRecord& r, float setting) {
  for (int i = 0; i < r.rangeCount && i < kListCapacity; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    if (r.rangeLow[slot] <= setting && setting <= r.rangeHigh[slot]) return i;
  }
  return -1;
}

}  // namespace

bool SizeRegulator(const SizingContext& context, ProductKind kind) {
  const SelectionRequest& request = context.request;
  const RegulatorKindTraits traits = TraitsOf(kind);
  const double setting = request.setting;
  if (!(traits.settingMin <= setting && setting <= traits.settingMax)) {
    context.result.message = {SelectionMessageCode::SettingOutOfRange, InputField::Setting,
                              traits.settingMin, traits.settingMax};
    return false;
  }
  const std::optional<float> kv = ComputeRequiredKv(context);
  if (!kv) return false;
  SelectionResult& result = context.result;
  result.kv = *kv;

  const bool dp = kind == ProductKind::DpRegulator;
  const RecordContainer<RegulatorRecord>& container =
      dp ? context.catalogue.dpRegulators : context.catalogue.reducingValves;
  std::vector<RegulatorCandidate>& list =
      dp ? result.dpRegulatorCandidates : result.reducingValveCandidates;
  const float drop = std::fabs(request.p1 - request.p2);

  for (int i = 0; i < container.count; ++i) {
    const RegulatorRecord& r = container[i];
    if (r.connection != request.connection || !SuitsMedium(r, request) ||
        !RegulatorRatingAllows(r, request.p1, request.p2,
                               static_cast<float>(request.temperature)) ||
        !(*kv <= r.kvs) || !(drop < r.maxPressureDrop)) {
      continue;
    }
    const int range = SettingRangeOf(r, request.setting);
    if (range < 0 || CountOf(list) >= kListCapacity) continue;

    int sameName = 0;
    for (const RegulatorCandidate& kept : list) {
      if (kept.regulator.name == r.name) ++sameName;
    }
    if (sameName >= 2) continue;
    if (!list.empty() && !IsNearDn(list.front().regulator.dn, r.dn)) continue;
    list.push_back({r, r.rangeLow[static_cast<std::size_t>(range)],
                    r.rangeHigh[static_cast<std::size_t>(range)]});
  }

  result.shownCandidate = 0;
  return true;
}

}  // namespace selvio
