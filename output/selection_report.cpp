#include "output/selection_report.h"

#include <QStringList>

#include "output/value_text.h"

namespace selvio {
namespace {

QString TwoDecimals(double value) { return FormatNumber("%.2f", value); }
QString OneDecimal(float value) { return FormatNumber("%.1f", static_cast<double>(value)); }

// Lines 2 to 6 of a product: DN, connection, max pressure, max temperature, Kvs.
template <class Record>
QString ProductLines(const Record& r) {
  return "\nУсловный проход ДУ, мм: " + r.dnText +
         "\nТип присоединения: " + ConnectionText(r.connection) +
         "\nМаксимальное рабочее давление, бар: " + IntegerText(r.maxPressure) +
         "\nМаксимальная рабочая температура, °С: " + IntegerText(r.maxTemperature) +
         "\nПропускная способность Kvs, м³/ч: " + TwoDecimals(static_cast<double>(r.kvs));
}

// The leakage line, followed by an empty line.
QString LeakageLine(double leakage) {
  return "\nПротечка относительно Kvs,%: " + TwoDecimals(leakage) + "\n";
}

QString ElectricActuatorBlock(const ElectricActuatorRecord& e) {
  QString text = "\nЭлектропривод: " + e.variant;
  text += "\nТип исполнения: " + (e.control == ControlKind::ThreePoint
                                      ? QStringLiteral("Трехпозиционный")
                                      : QStringLiteral("Аналоговый"));
  text += "\nНапряжение,В: " + IntegerText(e.voltage);
  // Every signal the actuator supports, not only the requested one.
  QStringList signalNames;
  if (e.signal0to10V) signalNames << QStringLiteral("0-10 В");
  if (e.signal2to10V) signalNames << QStringLiteral("2-10 В");
  if (e.signal0to20mA) signalNames << QStringLiteral("0-20 мА");
  if (e.signal4to20mA) signalNames << QStringLiteral("4-20 мА");
  if (!signalNames.isEmpty()) text += "\nВходной сигнал: " + signalNames.join(", ");
  text += "\nДополнительные опции:";
  if (e.potentiometer) text += "\n\tПотенциометр";
  if (e.limitSwitches) text += "\n\tКонцевые выключатели";
  if (e.springReturn) text += "\n\tВозвратная пружина";
  if (e.heater) text += "\n\tНагревательный элемент";
  if (!e.potentiometer && !e.limitSwitches && !e.springReturn && !e.heater) {
    text += " отсутствуют";
  }
  return text;
}

QString PneumaticActuatorBlock(const PneumaticActuatorRecord& p, const ResultTexts& texts) {
  return "\nПревмопривод: " + p.name + "\nТип позиционера: " + texts.positionerText +
         "\nИсполнение: " + texts.normalPositionText;
}

QString ThermostatBlock(const ThermostatRecord& t, const ResultTexts& texts) {
  return "\nТермостат: " + t.name + "\nДлина капилляра,м: " + texts.capillaryLengthText +
         "\nМеталл чувств.эл-та: " + texts.elementMetalText +
         "\nМеталл капилляра: " + texts.capillaryMetalText +
         "\nДиапазон темп-р,°С: " + IntegerText(t.temperatureMin) + "-" +
         IntegerText(t.temperatureMax);
}

// The shown actuator; none when the candidate has no actuators or the index is past them.
QString ActuatorBlock(const ValveCandidate& c, int i, const ResultTexts& texts) {
  const ShownActuatorRecords shown = LocateShownActuator(c, i);
  if (shown.electric) return ElectricActuatorBlock(*shown.electric);
  if (shown.pneumatic) return PneumaticActuatorBlock(*shown.pneumatic, texts);
  if (shown.thermostat) return ThermostatBlock(*shown.thermostat, texts);
  return {};
}

QString ControllerBlock(const ResultTexts& texts) {
  return "\n\nКонтроллер: ZR310\nТип исполнения: " + texts.controllerVariantText +
         "\nДатчики температуры (шт):" + "\n\t- теплоносителя (SX40): " +
         texts.heatCarrierSensorCount +
         "\n\t- наружного воздуха (SX50): " + texts.outdoorSensorCount +
         "\n\t- воздуха в помещении (SX60): " + texts.roomSensorCount;
}

QString ValveReport(const ValveCandidate& c, int shownActuator, const ResultTexts& texts,
                    bool withController) {
  const ValveRecord& v = c.valve;
  QString text = "Клапан: " + v.name + ProductLines(v) +
                 "\nРегулировочная характеристика: " + v.characteristic +
                 "\nТип конструкции: " + v.construction + LeakageLine(v.leakage);
  text += ActuatorBlock(c, shownActuator, texts);
  if (withController) text += ControllerBlock(texts);
  return text;
}

// `title` is "РПД: " or "РK: " (with a Latin K).
QString RegulatorReport(const QString& title, const RegulatorCandidate& c) {
  const RegulatorRecord& r = c.regulator;
  return title + r.name + ProductLines(r) + LeakageLine(r.leakage) +
         "\nДиапазон давления, бар: " + OneDecimal(c.settingLow) + "-" + OneDecimal(c.settingHigh) +
         "\n";
}

}  // namespace

QString ComposeSelectionReport(const SelectionResult& result, const ResultTexts& texts,
                               bool withController) {
  QString text;
  if (!result.valveCandidates.empty()) {
    if (const ValveCandidate* c = ShownValve(result)) {
      text = ValveReport(*c, result.shownActuator, texts, withController);
    }
  } else if (const RegulatorCandidate* c = ShownRegulator(result)) {
    const bool dp = !result.dpRegulatorCandidates.empty();
    text = RegulatorReport(dp ? QStringLiteral("РПД: ") : QStringLiteral("РK: "), *c);
  }
  return FitTextBuffer(text);
}

}  // namespace selvio
