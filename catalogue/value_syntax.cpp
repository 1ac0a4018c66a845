#include "catalogue/value_syntax.h"

#include <climits>
#include <cmath>
#include <string>

#include "platform/c_numbers.h"

namespace selvio {
namespace {

template <class T>
NumberPair<T> JoinedPair(const QString& text, char joint,
                         std::optional<T> (*scan)(std::string_view, std::size_t&)) {
  const std::string ascii = AsciiForScanning(text);
  std::size_t pos = 0;
  NumberPair<T> pair;
  pair.first = scan(ascii, pos);
  if (!pair.first) return pair;
  if (joint != ' ') {
    if (pos >= ascii.size() || ascii[pos] != joint) return pair;
    ++pos;
  }
  pair.second = scan(ascii, pos);
  return pair;
}

}  // namespace

float FloatValue(const QString& text) { return ScanFloat(text).value_or(0.0f); }

double DoubleValue(const QString& text) { return ScanDouble(AsciiForScanning(text)).value_or(0.0); }

int IntValue(const QString& text) { return ScanInt(text).value_or(0); }

int WholeFloatValue(const QString& text) {
  const float value = FloatValue(text);
  if (std::isnan(value)) return 0;
  if (value >= 2147483648.0f) return INT_MAX;
  if (value <= -2147483648.0f) return INT_MIN;
  return static_cast<int>(value);
}

NumberPair<float> PairValue(const QString& text) { return JoinedPair(text, ' ', ScanFloatAt); }

NumberPair<float> FloatRangeValue(const QString& text) {
  return JoinedPair(text, '-', ScanFloatAt);
}

NumberPair<int> IntRangeValue(const QString& text) { return JoinedPair(text, '-', ScanIntAt); }

}  // namespace selvio
