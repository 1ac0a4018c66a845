#include "catalogue/value_syntax.h"

#include "platform/c_numbers.h"

#include <cmath>
#include <climits>
#include <string>

namespace selvio {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

void SkipBlanks(std::string_view text, std::size_t& pos) {
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
}

std::size_t SkipDigits(std::string_view text, std::size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

// End of the decimal real that starts at `start` (sign, digits, point, digits, exponent), or
// `start` when none does.
std::size_t RealEnd(std::string_view text, std::size_t start) {
  std::size_t i = start;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  const std::size_t intEnd = SkipDigits(text, i);
  std::size_t end = intEnd;
  bool anyDigit = intEnd > i;
  if (end < text.size() && text[end] == '.') {
    const std::size_t fracEnd = SkipDigits(text, end + 1);
    anyDigit = anyDigit || fracEnd > end + 1;
    end = fracEnd;
  }
  if (!anyDigit) return start;
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    std::size_t e = end + 1;
    if (e < text.size() && (text[e] == '+' || text[e] == '-')) ++e;
    const std::size_t expEnd = SkipDigits(text, e);
    if (expEnd > e) end = expEnd;
  }
  return end;
}

std::size_t IntEnd(std::string_view text, std::size_t start) {
  std::size_t i = start;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  const std::size_t end = SkipDigits(text, i);
  return end > i ? end : start;
}

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

std::optional<float> ScanFloatAt(std::string_view text, std::size_t& pos) {
  SkipBlanks(text, pos);
  const std::size_t end = RealEnd(text, pos);
  if (end == pos) return std::nullopt;
  const std::optional<float> value = ScanFloat(text.substr(pos, end - pos));
  pos = end;
  return value;
}

std::optional<double> ScanDoubleAt(std::string_view text, std::size_t& pos) {
  SkipBlanks(text, pos);
  const std::size_t end = RealEnd(text, pos);
  if (end == pos) return std::nullopt;
  const std::optional<double> value = ScanDouble(text.substr(pos, end - pos));
  pos = end;
  return value;
}

std::optional<int> ScanIntAt(std::string_view text, std::size_t& pos) {
  SkipBlanks(text, pos);
  const std::size_t end = IntEnd(text, pos);
  if (end == pos) return std::nullopt;
  const std::optional<int> value = ScanInt(text.substr(pos, end - pos));
  pos = end;
  return value;
}

std::string AsciiForScanning(const QString& text) {
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  for (QChar c : text) out.push_back(c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '\x7f');
  return out;
}

float FloatValue(const QString& text) { return ScanFloat(text).value_or(0.0f); }

double DoubleValue(const QString& text) {
  return ScanDouble(AsciiForScanning(text)).value_or(0.0);
}

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
