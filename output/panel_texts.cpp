#include "output/panel_texts.h"

#include <QCoreApplication>
#include <QStringList>

#include "output/value_text.h"

namespace selvio {
namespace {

const QString kLineBreak = QStringLiteral("\r\n");

QString JoinLines(const QStringList& lines) { return FitTextBuffer(lines.join(kLineBreak)); }

QString YesNoLine(Flag option) {
  return (option ? QCoreApplication::translate("ResultPanels", "да")
                 : QCoreApplication::translate("ResultPanels", "нет")) +
         kLineBreak;
}

QString ElectricControlText(ControlKind control) {
  if (control == ControlKind::ThreePoint) {
    return QCoreApplication::translate("ResultPanels", "Трехпозиц.");
  }
  if (control == ControlKind::Analogue) {
    return QCoreApplication::translate("ResultPanels", "Аналоговый");
  }
  return {};
}

// The requested signals the actuator supports, each ending its line; one empty line when none
// is, so that the option lines stay beside their labels.
QString SignalBlock(const ElectricActuatorRecord& e, const ActuatorPreferences& p) {
  QString block;
  if (e.signal0to10V && p.requestedSignal0to10V)
    block += QCoreApplication::translate("ResultPanels", "0-10 В") + kLineBreak;
  if (e.signal2to10V && p.requestedSignal2to10V)
    block += QCoreApplication::translate("ResultPanels", "2-10 В") + kLineBreak;
  if (e.signal0to20mA && p.requestedSignal0to20mA)
    block += QCoreApplication::translate("ResultPanels", "0-20 мА") + kLineBreak;
  if (e.signal4to20mA && p.requestedSignal4to20mA)
    block += QCoreApplication::translate("ResultPanels", "4-20 мА") + kLineBreak;
  return block.isEmpty() ? kLineBreak : block;
}

}  // namespace

QString VelocityText(float velocity) {
  const double v = static_cast<double>(velocity);
  return FormatNumber(v * 10 <= 1 ? "%f" : "%.2f", v);
}

QString ValveValueText(const ValveRecord& v) {
  return JoinLines({v.name, v.dnText, ConnectionText(v.connection), IntegerText(v.maxPressure),
                    IntegerText(v.maxTemperature), FormatNumber("%.1f", static_cast<double>(v.kvs)),
                    v.characteristic, v.construction, FormatNumber("%.2f", v.leakage)});
}

QString RegulatorValueText(const RegulatorCandidate& candidate, bool reducingValve) {
  const RegulatorRecord& r = candidate.regulator;
  const QString range = FormatNumber("%.1f", static_cast<double>(candidate.settingLow)) + "-" +
                        FormatNumber("%.1f", static_cast<double>(candidate.settingHigh));
  return JoinLines({r.name, r.dnText, ConnectionText(r.connection), IntegerText(r.maxPressure),
                    IntegerText(r.maxTemperature), FormatNumber("%.1f", static_cast<double>(r.kvs)),
                    FormatNumber(reducingValve ? "%.f" : "%.2f", r.leakage), range});
}

QString ElectricActuatorValueText(const ElectricActuatorRecord& e, const ActuatorPreferences& p) {
  const QString options = YesNoLine(e.potentiometer) + YesNoLine(e.limitSwitches) +
                          YesNoLine(e.springReturn) + YesNoLine(e.heater);
  return FitTextBuffer(e.variant + kLineBreak + ElectricControlText(e.control) + kLineBreak +
                       IntegerText(e.voltage) + kLineBreak + SignalBlock(e, p) + options);
}

QString PneumaticActuatorValueText(const PneumaticActuatorRecord& p, const ResultTexts& texts) {
  return JoinLines({p.name, texts.positionerText, texts.normalPositionText});
}

QString ThermostatValueText(const ThermostatRecord& t, const ResultTexts& texts) {
  return JoinLines({t.name, texts.capillaryLengthText, texts.elementMetalText,
                    texts.capillaryMetalText, texts.elementTypeText,
                    IntegerText(t.temperatureMin) + "-" + IntegerText(t.temperatureMax)});
}

QString ControllerValueText(const ResultTexts& texts) {
  return JoinLines({QString::fromLatin1(kControllerModel), texts.controllerVariantText, QString(),
                    texts.heatCarrierSensorCount, texts.outdoorSensorCount, texts.roomSensorCount});
}

QString CalculatedDataText(const CalculatedData& d) {
  QString kv = FormatNumber("%.2f", static_cast<double>(d.kv));
  if (d.safetyFactor != 1.0f) {
    kv = FormatNumber("%.2f", static_cast<double>(d.kv / d.safetyFactor)) + "(" + kv + ")";
  }
  return JoinLines({kv, FormatNumber("%.2f", static_cast<double>(d.dpv)), VelocityText(d.velocity),
                    FormatNumber("%.2f", static_cast<double>(d.psat))});
}

}  // namespace selvio
