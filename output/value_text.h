#pragma once

#include <QString>
#include <vector>

#include "catalogue/catalogue_records.h"

// Helpers shared by the result panels and the selection report.
namespace selvio {

// Texts are built in buffers of 1024 characters: at most 1023 characters of text.
inline constexpr int kTextBufferLength = 1023;

// Cuts `text` to the buffer's length; a surrogate pair is never split.
QString FitTextBuffer(const QString& text);

// `value` printed with the printf `format` (one conversion, point as decimal separator), or
// "—" when the value is not finite.
QString FormatNumber(const char* format, double value);

// An integer in decimal, without grouping.
QString IntegerText(int value);

// "Фланцевый" for a flanged product, "Резьбовой" for any other connection.
QString ConnectionText(int connection);

// A document file name opens something only when it has more than one character.
bool HasDocumentFile(const QString& fileName);

// Entry `index` of the first `count` entries of a candidate list, or null when it holds none.
template <class Candidate>
const Candidate* ShownEntry(const std::vector<Candidate>& list, int count, int index) {
  if (index < 0 || index >= count || index >= static_cast<int>(list.size())) return nullptr;
  return &list[static_cast<std::size_t>(index)];
}

// The actuator a shown index picks in a valve candidate: the index runs over the electric
// actuators, then the pneumatic ones, then the thermostats. Null pointers when the index lies
// outside them all (a candidate without actuators included).
struct ShownActuatorRecords {
  const ElectricActuatorRecord* electric = nullptr;
  const PneumaticActuatorRecord* pneumatic = nullptr;
  const ThermostatRecord* thermostat = nullptr;
};
ShownActuatorRecords LocateShownActuator(const ValveCandidate& candidate, int shownActuator);

}  // namespace selvio
