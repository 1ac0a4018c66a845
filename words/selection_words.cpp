#include "words/selection_words.h"

#include <QCoreApplication>

#include "platform/c_numbers.h"

namespace selvio {
namespace {

// A bound of a range as the messages write it: "0.2", "8", "1.25".
QString Bound(double value) { return FormatC("%g", value); }

}  // namespace

QString InputFieldName(InputField field) {
  switch (field) {
    case InputField::None:
      break;
    case InputField::SafetyFactor:
      return QCoreApplication::translate("InputField", "K");
    case InputField::Density:
      return QCoreApplication::translate("InputField", "Плотность среды");
    case InputField::InletPressure:
      return QCoreApplication::translate("InputField", "Р1");
    case InputField::OutletPressure:
      return QCoreApplication::translate("InputField", "Р2");
    case InputField::Temperature:
      return QCoreApplication::translate("InputField", "Т");
    case InputField::PressureDrop:
      return QCoreApplication::translate("InputField", "ΔP");
    case InputField::RelativeDrop:
      return QCoreApplication::translate("InputField", "δ");
    case InputField::Setting:
      return QCoreApplication::translate("InputField", "Требуемый перепад давления (настройка)");
    case InputField::Flow:
      return QCoreApplication::translate("InputField", "G");
    case InputField::MaintainedTemperature:
      return QCoreApplication::translate("InputField", "Поддерживаемая температура");
  }
  return {};
}

QString SelectionMessageText(const SelectionMessage& message) {
  switch (message.code) {
    case SelectionMessageCode::None:
      break;
    case SelectionMessageCode::FieldWithoutNumber:
      return QCoreApplication::translate("SelectionMessage", "Поле «%1» не содержит числа")
          .arg(InputFieldName(message.field));
    case SelectionMessageCode::OutletPressureNotBelowInlet:
      return QCoreApplication::translate("SelectionMessage", "Должно быть Р2<Р1");
    case SelectionMessageCode::SafetyFactorOutOfRange:
      return QCoreApplication::translate("SelectionMessage", "Должно быть %1<K<%2")
          .arg(Bound(message.low), Bound(message.high));
    case SelectionMessageCode::DropNotPositive:
      return QCoreApplication::translate("SelectionMessage",
                                         "Перепад давления на клапане ΔP должен быть больше нуля");
    case SelectionMessageCode::DropZero:
      return QCoreApplication::translate("SelectionMessage",
                                         "Перепад давления на клапане ΔP не может быть равен нулю");
    case SelectionMessageCode::DensityNotPositive:
      return QCoreApplication::translate("SelectionMessage",
                                         "Плотность среды должна быть больше нуля");
    case SelectionMessageCode::RelativeDropOutOfRange:
      return QCoreApplication::translate("SelectionMessage",
                                         "Относительный перепад давления может быть %1<δ<%2")
          .arg(Bound(message.low), Bound(message.high));
    case SelectionMessageCode::InletPressureNotPositive:
      return QCoreApplication::translate("SelectionMessage",
                                         "Входное давление Р1 должно быть больше нуля");
    case SelectionMessageCode::FlowNotPositive:
      return QCoreApplication::translate("SelectionMessage",
                                         "Расход среды G должен быть больше нуля");
    case SelectionMessageCode::SettingOutOfRange:
      return QCoreApplication::translate("SelectionMessage",
                                         "Значение настройки может быть %1<P<%2")
          .arg(Bound(message.low), Bound(message.high));
    case SelectionMessageCode::NoValveFits:
      return QCoreApplication::translate(
          "SelectionMessage",
          "Вашим параметрам не удовлетворяет ни один клапан\r\n"
          "За помощью в подборе оборудования обратитесь к специалистам по продаже регулирующей "
          "арматуры.");
    case SelectionMessageCode::NoActuatorFits:
      return QCoreApplication::translate(
          "SelectionMessage",
          "Вашим параметрам не удовлетворяет ни один привод!\r\n"
          "За помощью в подборе оборудования обратитесь к специалистам по продаже регулирующей "
          "арматуры.");
    case SelectionMessageCode::NoActuatorTryStainlessThermostat:
      return QCoreApplication::translate(
          "SelectionMessage",
          "Вашим параметрам не удовлетворяет ни один привод. Попробуйте выбрать термостат из "
          "нержавеющей стали.");
  }
  return {};
}

}  // namespace selvio
