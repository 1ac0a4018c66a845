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

std::size_t SkipBlanks(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  return i;
}

std::size_t SkipDigits(std::string_view text, std::size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

// The longest prefix (after blanks) that forms a decimal real, or empty when there is none.
std::string LeadingDecimalReal(std::string_view text) {
  std::size_t start = SkipBlanks(text);
  std::size_t i = start;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t intEnd = SkipDigits(text, i);
  std::size_t end = intEnd;
  bool anyDigit = intEnd > i;
  if (end < text.size() && text[end] == '.') {
    std::size_t fracEnd = SkipDigits(text, end + 1);
    anyDigit = anyDigit || fracEnd > end + 1;
    end = fracEnd;
  }
  if (!anyDigit) return {};
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    std::size_t e = end + 1;
    if (e < text.size() && (text[e] == '+' || text[e] == '-')) ++e;
    std::size_t expEnd = SkipDigits(text, e);
    if (expEnd > e) end = expEnd;
  }
  return std::string(text.substr(start, end - start));
}

std::string Latin1OrReplacement(const QString& text) {
  // Non-ASCII characters can never continue a number; map them to a stopper.
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  for (QChar c : text) out.push_back(c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '\x7f');
  return out;
}

}  // namespace

std::optional<float> ScanFloat(std::string_view text) {
  std::string number = LeadingDecimalReal(text);
  if (number.empty()) return std::nullopt;
  return strtof_l(number.c_str(), nullptr, CLocale());
}

std::optional<float> ScanFloat(const QString& text) { return ScanFloat(Latin1OrReplacement(text)); }

std::optional<double> ScanDouble(std::string_view text) {
  std::string number = LeadingDecimalReal(text);
  if (number.empty()) return std::nullopt;
  return strtod_l(number.c_str(), nullptr, CLocale());
}

std::optional<int> ScanInt(std::string_view text) {
  std::size_t start = SkipBlanks(text);
  std::size_t i = start;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t end = SkipDigits(text, i);
  if (end == i) return std::nullopt;
  std::string number(text.substr(start, end - start));
  long long value = strtoll(number.c_str(), nullptr, 10);
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

std::optional<int> ScanInt(const QString& text) { return ScanInt(Latin1OrReplacement(text)); }

QString FormatC(const char* format, ...) {
  locale_t previous = uselocale(CLocale());
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  int length = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string buffer(length > 0 ? static_cast<std::size_t>(length) + 1 : 1, '\0');
  std::vsnprintf(buffer.data(), buffer.size(), format, args);
  va_end(args);
  uselocale(previous);
  buffer.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
  return QString::fromStdString(buffer);
}

}  // namespace selvio
