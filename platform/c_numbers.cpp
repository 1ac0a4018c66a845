#include "platform/c_numbers.h"

#include <locale.h>

#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace selvio {
namespace {

locale_t CLocale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return locale;
}

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

// End of the decimal integer that starts at `start`, or `start` when none does.
std::size_t IntEnd(std::string_view text, std::size_t start) {
  std::size_t i = start;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  const std::size_t end = SkipDigits(text, i);
  return end > i ? end : start;
}

// Finds the number at `pos` with `end` and converts its characters with `convert`.
template <class T, class Convert>
std::optional<T> ScanAt(std::string_view text, std::size_t& pos,
                        std::size_t (*end)(std::string_view, std::size_t), Convert convert) {
  SkipBlanks(text, pos);
  const std::size_t stop = end(text, pos);
  if (stop == pos) return std::nullopt;
  const std::string number(text.substr(pos, stop - pos));
  pos = stop;
  return convert(number.c_str());
}

}  // namespace

std::optional<float> ScanFloatAt(std::string_view text, std::size_t& pos) {
  return ScanAt<float>(text, pos, RealEnd,
                       [](const char* number) { return strtof_l(number, nullptr, CLocale()); });
}

std::optional<double> ScanDoubleAt(std::string_view text, std::size_t& pos) {
  return ScanAt<double>(text, pos, RealEnd,
                        [](const char* number) { return strtod_l(number, nullptr, CLocale()); });
}

std::optional<int> ScanIntAt(std::string_view text, std::size_t& pos) {
  return ScanAt<int>(text, pos, IntEnd, [](const char* number) {
    const long long value = strtoll(number, nullptr, 10);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
  });
}

std::string AsciiForScanning(const QString& text) {
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  for (QChar c : text) out.push_back(c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '\x7f');
  return out;
}

std::optional<float> ScanFloat(std::string_view text) {
  std::size_t pos = 0;
  return ScanFloatAt(text, pos);
}

std::optional<float> ScanFloat(const QString& text) { return ScanFloat(AsciiForScanning(text)); }

std::optional<double> ScanDouble(std::string_view text) {
  std::size_t pos = 0;
  return ScanDoubleAt(text, pos);
}

std::optional<int> ScanInt(std::string_view text) {
  std::size_t pos = 0;
  return ScanIntAt(text, pos);
}

std::optional<int> ScanInt(const QString& text) { return ScanInt(AsciiForScanning(text)); }

QString FormatC(const char* format, ...) {
  locale_t previous = uselocale(CLocale());
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  // Most texts fit the small buffer, which saves a second formatting pass.
  char small[128];
  const int length = std::vsnprintf(small, sizeof small, format, copy);
  va_end(copy);
  if (length < 0 || length < static_cast<int>(sizeof small)) {
    va_end(args);
    uselocale(previous);
    return QString::fromUtf8(small, length > 0 ? length : 0);
  }
  std::string buffer(static_cast<std::size_t>(length) + 1, '\0');
  std::vsnprintf(buffer.data(), buffer.size(), format, args);
  va_end(args);
  uselocale(previous);
  buffer.resize(static_cast<std::size_t>(length));
  return QString::fromStdString(buffer);
}

}  // namespace selvio
