#include "output/value_text.h"

#include <cmath>

#include "catalogue/catalogue_records.h"
#include "platform/c_numbers.h"

namespace selvio {

QString FitTextBuffer(const QString& text) {
  if (text.size() <= kTextBufferLength) return text;
  qsizetype length = kTextBufferLength;
  if (text.at(length - 1).isHighSurrogate()) --length;
  return text.left(length);
}

QString FormatNumber(const char* format, double value) {
  if (!std::isfinite(value)) return QStringLiteral("—");
  return FormatC(format, value);
}

QString IntegerText(int value) { return FormatC("%d", value); }

QString ConnectionText(int connection) {
  return connection == kFlanged ? QStringLiteral("Фланцевый") : QStringLiteral("Резьбовой");
}

bool HasDocumentFile(const QString& fileName) { return fileName.size() > 1; }

ShownActuatorRecords LocateShownActuator(const ValveCandidate& c, int i) {
  const int nE = c.electricActuatorCount;
  const int nP = c.pneumaticActuatorCount;
  const int nT = c.thermostatCount;
  ShownActuatorRecords shown;
  if (i < 0 || i >= nE + nP + nT) return shown;
  if (i < nE) {
    shown.electric = &c.electricActuators[static_cast<std::size_t>(i)];
  } else if (i < nE + nP) {
    shown.pneumatic = &c.pneumaticActuators[static_cast<std::size_t>(i - nE)];
  } else {
    shown.thermostat = &c.thermostats[static_cast<std::size_t>(i - nE - nP)];
  }
  return shown;
}

}  // namespace selvio
