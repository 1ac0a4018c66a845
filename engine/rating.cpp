#include "engine/rating.h"

#include <iterator>

namespace selvio {
namespace {

enum class PairEnds { Included, Excluded };

bool TableAllows(const Slots<float, kListCapacity>& temperatures,
                 const Slots<float, kListCapacity>& pressures, int count, int maxPressure,
                 int maxTemperature, float p1, float p2, float t, PairEnds ends) {
  const float pMax = p2 > p1 ? p2 : p1;
  if (count < 2) {
    return static_cast<float>(maxPressure) >= pMax && t <= static_cast<float>(maxTemperature);
  }
  int enclosing = -1;
  for (int i = 1; i < count && i < kListCapacity; ++i) {
    const float t0 = temperatures[static_cast<std::size_t>(i - 1)];
    const float t1 = temperatures[static_cast<std::size_t>(i)];
    const bool encloses = ends == PairEnds::Included ? (t0 <= t && t <= t1) : (t0 < t && t < t1);
    if (encloses) enclosing = i;
  }
  if (enclosing < 0) return false;
  const auto i = static_cast<std::size_t>(enclosing);
  const double t0 = temperatures[i - 1];
  const double t1 = temperatures[i];
  const double pr0 = pressures[i - 1];
  const double pr1 = pressures[i];
  // Linear interpolation; equal temperatures give no number and so no permission.
  const auto pAllow = static_cast<float>(pr0 + (pr1 - pr0) * (t - t0) / (t1 - t0));
  return pMax <= pAllow;
}

}  // namespace

bool RatingAllows(const ValveRecord& valve, float p1, float p2, float temperature) {
  return TableAllows(valve.ratingTemperature, valve.ratingPressure, valve.ratingCount,
                     valve.maxPressure, valve.maxTemperature, p1, p2, temperature,
                     PairEnds::Included);
}

bool RegulatorRatingAllows(const RegulatorRecord& regulator, float p1, float p2,
                           float temperature) {
  return TableAllows(regulator.ratingTemperature, regulator.ratingPressure, regulator.ratingCount,
                     regulator.maxPressure, regulator.maxTemperature, p1, p2, temperature,
                     PairEnds::Excluded);
}

bool IsNearDn(float a, float b) {
  constexpr int size = static_cast<int>(std::size(kDnSeries));
  int i = 0;
  while (i < size && kDnSeries[i] < a) ++i;
  if (i == size) return b > kDnSeries[size - 1];
  if (i == 0) i = 1;
  if (b < kDnSeries[i - 1]) return false;
  return i + 1 >= size || b <= kDnSeries[i + 1];
}

}  // namespace selvio
