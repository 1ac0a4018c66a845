#include "output/selection_report.h"

#include <QCoreApplication>
#include <QStringList>

#include "output/value_text.h"

namespace selvio {
namespace {

QString TwoDecimals(double value) { return FormatNumber("%.2f", value); }
QString OneDecimal(float value) { return FormatNumber("%.1f", static_cast<double>(value)); }

// One line of the report: a line feed, then `line` (its label and "%1") with `value` in place.
QString Line(const QString& line, const QString& value) {
  return QLatin1Char('\n') + line.arg(value);
}

// The names of the signals, as the report writes them.
QString SignalName(const char* name) {
  return QCoreApplication::translate("SelectionReport", name);
}

// Lines 2 to 6 of a product: DN, connection, max pressure, max temperature, Kvs.
template <class Record>
QString ProductLines(const Record& r) {
  return Line(QCoreApplication::translate("SelectionReport", "Условный проход ДУ, мм: %1"),
              r.dnText) +
         Line(QCoreApplication::translate("SelectionReport", "Тип присоединения: %1"),
              ConnectionText(r.connection)) +
         Line(QCoreApplication::translate("SelectionReport",
                                          "Максимальное рабочее давление, бар: %1"),
              IntegerText(r.maxPressure)) +
         Line(QCoreApplication::translate("SelectionReport",
                                          "Максимальная рабочая температура, °С: %1"),
              IntegerText(r.maxTemperature)) +
         Line(
             QCoreApplication::translate("SelectionReport", "Пропускная способность Kvs, м³/ч: %1"),
             TwoDecimals(static_cast<double>(r.kvs)));
}

// The leakage line, followed by an empty line.
QString LeakageLine(double leakage) {
  return Line(QCoreApplication::translate("SelectionReport", "Протечка относительно Kvs,%: %1"),
              TwoDecimals(leakage)) +
         QLatin1Char('\n');
}

QString ElectricActuatorBlock(const ElectricActuatorRecord& e) {
  QString text =
      Line(QCoreApplication::translate("SelectionReport", "Электропривод: %1"), e.variant);
  text += Line(
      QCoreApplication::translate("SelectionReport", "Тип исполнения: %1", "electric actuator"),
      e.control == ControlKind::ThreePoint
          ? QCoreApplication::translate("SelectionReport", "Трехпозиционный")
          : QCoreApplication::translate("SelectionReport", "Аналоговый"));
  text += Line(QCoreApplication::translate("SelectionReport", "Напряжение,В: %1"),
               IntegerText(e.voltage));
  // Every signal the actuator supports, not only the requested one.
  QStringList signalNames;
  if (e.signal0to10V) signalNames << SignalName(QT_TRANSLATE_NOOP("SelectionReport", "0-10 В"));
  if (e.signal2to10V) signalNames << SignalName(QT_TRANSLATE_NOOP("SelectionReport", "2-10 В"));
  if (e.signal0to20mA) signalNames << SignalName(QT_TRANSLATE_NOOP("SelectionReport", "0-20 мА"));
  if (e.signal4to20mA) signalNames << SignalName(QT_TRANSLATE_NOOP("SelectionReport", "4-20 мА"));
  if (!signalNames.isEmpty()) {
    text += Line(QCoreApplication::translate("SelectionReport", "Входной сигнал: %1"),
                 signalNames.join(QStringLiteral(", ")));
  }
  if (!e.potentiometer && !e.limitSwitches && !e.springReturn && !e.heater) {
    return text + QLatin1Char('\n') +
           QCoreApplication::translate("SelectionReport", "Дополнительные опции: отсутствуют");
  }
  text +=
      QLatin1Char('\n') + QCoreApplication::translate("SelectionReport", "Дополнительные опции:");
  const QString item = QStringLiteral("\n\t");
  if (e.potentiometer)
    text += item + QCoreApplication::translate("SelectionReport", "Потенциометр");
  if (e.limitSwitches) {
    text += item + QCoreApplication::translate("SelectionReport", "Концевые выключатели");
  }
  if (e.springReturn) {
    text += item + QCoreApplication::translate("SelectionReport", "Возвратная пружина");
  }
  if (e.heater) {
    text += item + QCoreApplication::translate("SelectionReport", "Нагревательный элемент");
  }
  return text;
}

QString PneumaticActuatorBlock(const PneumaticActuatorRecord& p, const ResultTexts& texts) {
  return Line(QCoreApplication::translate("SelectionReport", "Превмопривод: %1"), p.name) +
         Line(QCoreApplication::translate("SelectionReport", "Тип позиционера: %1"),
              texts.positionerText) +
         Line(QCoreApplication::translate("SelectionReport", "Исполнение: %1"),
              texts.normalPositionText);
}

QString ThermostatBlock(const ThermostatRecord& t, const ResultTexts& texts) {
  return Line(QCoreApplication::translate("SelectionReport", "Термостат: %1"), t.name) +
         Line(QCoreApplication::translate("SelectionReport", "Длина капилляра,м: %1"),
              texts.capillaryLengthText) +
         Line(QCoreApplication::translate("SelectionReport", "Металл чувств.эл-та: %1"),
              texts.elementMetalText) +
         Line(QCoreApplication::translate("SelectionReport", "Металл капилляра: %1"),
              texts.capillaryMetalText) +
         Line(QCoreApplication::translate("SelectionReport", "Диапазон темп-р,°С: %1"),
              IntegerText(t.temperatureMin) + "-" + IntegerText(t.temperatureMax));
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
  return QLatin1Char('\n') +
         Line(QCoreApplication::translate("SelectionReport", "Контроллер: %1"),
              QStringLiteral("ZR310")) +
         Line(QCoreApplication::translate("SelectionReport", "Тип исполнения: %1", "controller"),
              texts.controllerVariantText) +
         QLatin1Char('\n') +
         QCoreApplication::translate("SelectionReport", "Датчики температуры (шт):") +
         Line(QCoreApplication::translate("SelectionReport", "\t- теплоносителя (SX40): %1"),
              texts.heatCarrierSensorCount) +
         Line(QCoreApplication::translate("SelectionReport", "\t- наружного воздуха (SX50): %1"),
              texts.outdoorSensorCount) +
         Line(QCoreApplication::translate("SelectionReport", "\t- воздуха в помещении (SX60): %1"),
              texts.roomSensorCount);
}

QString ValveReport(const ValveCandidate& c, int shownActuator, const ResultTexts& texts,
                    bool withController) {
  const ValveRecord& v = c.valve;
  QString text =
      QCoreApplication::translate("SelectionReport", "Клапан: %1").arg(v.name) + ProductLines(v) +
      Line(QCoreApplication::translate("SelectionReport", "Регулировочная характеристика: %1"),
           v.characteristic) +
      Line(QCoreApplication::translate("SelectionReport", "Тип конструкции: %1"), v.construction) +
      LeakageLine(v.leakage);
  text += ActuatorBlock(c, shownActuator, texts);
  if (withController) text += ControllerBlock(texts);
  return text;
}

// `title` is the regulator's line: "РПД: %1" or "РK: %1" (with a Latin K) in Russian.
QString RegulatorReport(const QString& title, const RegulatorCandidate& c) {
  const RegulatorRecord& r = c.regulator;
  return title.arg(r.name) + ProductLines(r) + LeakageLine(r.leakage) +
         Line(QCoreApplication::translate("SelectionReport", "Диапазон давления, бар: %1"),
              OneDecimal(c.settingLow) + "-" + OneDecimal(c.settingHigh)) +
         QLatin1Char('\n');
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
    text = RegulatorReport(dp ? QCoreApplication::translate("SelectionReport", "РПД: %1")
                              : QCoreApplication::translate("SelectionReport", "РK: %1"),
                           *c);
  }
  return FitTextBuffer(text);
}

}  // namespace selvio
