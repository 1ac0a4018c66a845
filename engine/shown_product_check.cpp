#include "engine/shown_product_check.h"

namespace selvio {
namespace {

std::optional<CheckMedium> CheckMediumOf(Medium medium) {
  switch (medium) {
    case Medium::Water:
      return CheckMedium::Water;
    case Medium::Glycol:
      return CheckMedium::Glycol;
    case Medium::Steam:
      return CheckMedium::Steam;
    case Medium::None:
      break;
  }
  return std::nullopt;
}

// The request's working point; its units are already the check's (bar gauge, m³/h or kg/h,
// ΔP in bar or δ for steam).
CheckWorkingPoint WorkingPoint(const SelectionRequest& request, CheckMedium medium) {
  CheckWorkingPoint point;
  point.medium = medium;
  point.p1 = request.p1;
  point.temperature = request.temperature;
  point.drop = request.drop;
  point.flow = request.flow;
  point.density = request.density;
  point.safetyFactor = request.safetyFactor;
  return point;
}

// The record's rating pairs; a table of fewer than two pairs gives way to the nominal maximum
// temperature and pressure, as the sizing's rating test does, shown as one point.
template <class Record>
std::vector<RatingPair> RatingOf(const Record& record) {
  std::vector<RatingPair> rating;
  if (record.ratingCount < 2) {
    rating.push_back(
        {static_cast<double>(record.maxTemperature), static_cast<double>(record.maxPressure)});
    return rating;
  }
  for (int i = 0; i < record.ratingCount && i < kListCapacity; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    rating.push_back({record.ratingTemperature[slot], record.ratingPressure[slot]});
  }
  return rating;
}

// A list entry as the candidate list names it: "name-DN".
template <class Record>
ListedProduct ListedOf(const Record& record) {
  return {record.name + QLatin1Char('-') + record.dnText, record.kvs};
}

}  // namespace

std::optional<ProductCheck> CheckShownProduct(const SelectionRequest& request,
                                              const SelectionResult& result) {
  const std::optional<CheckMedium> medium = CheckMediumOf(request.medium);
  if (!medium) return std::nullopt;
  ProductCheckInput input;
  input.point = WorkingPoint(request, *medium);
  if (const ValveCandidate* valve = ShownValve(result)) {
    const ValveRecord& v = valve->valve;
    input.product = {v.kvs, v.dn, FlowCharacteristicOf(v.characteristic), false, RatingOf(v)};
    for (const ValveCandidate& candidate : result.valveCandidates)
      input.list.push_back(ListedOf(candidate.valve));
  } else if (const RegulatorCandidate* regulator = ShownRegulator(result)) {
    const RegulatorRecord& r = regulator->regulator;
    input.product = {r.kvs, r.dn, FlowCharacteristic::Other, true, RatingOf(r)};
    for (const RegulatorCandidate& candidate : RegulatorCandidates(result))
      input.list.push_back(ListedOf(candidate.regulator));
  } else {
    return std::nullopt;
  }
  return CheckProduct(input);
}

}  // namespace selvio
