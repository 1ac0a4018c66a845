#pragma once

#include <QString>
#include <cstddef>
#include <optional>
#include <string_view>

#include "platform/c_numbers.h"

// The value syntaxes of the catalogue file. Numbers are read as "%f" and "%d" of scanf read them
// in the "C" locale (platform/c_numbers.h): leading blanks are skipped, a point is the decimal
// separator, and a comma ends the number.
namespace selvio {

// "float": the leading real, 0 when there is none.
float FloatValue(const QString& text);
double DoubleValue(const QString& text);
// "int": the leading integer, 0 when there is none.
int IntValue(const QString& text);
// "whole float": the leading real with its fraction dropped toward zero, clamped to the int
// range.
int WholeFloatValue(const QString& text);

template <class T>
struct NumberPair {
  std::optional<T> first;
  std::optional<T> second;  // only read when the first was
};

// "pair": two reals separated by white space ("%f %f").
NumberPair<float> PairValue(const QString& text);
// "float range": two reals joined by a hyphen with no blank before it ("%f-%f").
NumberPair<float> FloatRangeValue(const QString& text);
// "int range": two integers joined by a hyphen ("%d-%d").
NumberPair<int> IntRangeValue(const QString& text);

}  // namespace selvio
