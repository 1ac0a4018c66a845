#pragma once

#include <QString>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Number reading and formatting with the C library's semantics in the "C" locale, whatever
// locale the process runs in (Qt sets it from the environment; a Russian one uses a comma).
namespace selvio {

// Reads a leading decimal real the way "%f" of scanf does: leading blanks skipped, an optional
// sign, digits with an optional point and exponent, ending at the first character that cannot
// continue it. Hexadecimal numbers, "inf" and "nan" are not numbers here. A magnitude beyond
// float gives an infinity, as strtof does.
std::optional<float> ScanFloat(std::string_view text);
std::optional<float> ScanFloat(const QString& text);
std::optional<double> ScanDouble(std::string_view text);

// Reads a leading decimal integer the way "%d" does (clamped to the int range).
std::optional<int> ScanInt(std::string_view text);
std::optional<int> ScanInt(const QString& text);

// The same scanners at `pos` of a longer text: a number read moves `pos` past it; when none
// starts there, nothing is read and `pos` is left after the blanks.
std::optional<float> ScanFloatAt(std::string_view text, std::size_t& pos);
std::optional<double> ScanDoubleAt(std::string_view text, std::size_t& pos);
std::optional<int> ScanIntAt(std::string_view text, std::size_t& pos);

// A text as 8-bit characters for the scanners; characters beyond ASCII become a byte that
// cannot continue a number.
std::string AsciiForScanning(const QString& text);

// printf into a QString, with a point as the decimal separator.
QString FormatC(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace selvio
