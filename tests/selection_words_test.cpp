// The words of a calculation's messages: the form's Russian texts byte for byte, and English.

#include "words/selection_words.h"

#include <gtest/gtest.h>

#include "tests/words_fixture.h"

namespace selvio::test {
namespace {

using Code = SelectionMessageCode;

struct MessageCase {
  const char* name;
  SelectionMessage message;
  const char* russian;
  const char* english;
};

// The Russian texts are the ones the form has always shown (message boxes, the command line's
// "messages"); the consultation follows the refusal after CR LF, as in a message box.
const MessageCase kMessages[] = {
    {"none", {Code::None}, "", ""},
    {"unreadable_flow",
     {Code::FieldWithoutNumber, InputField::Flow},
     "Поле «G» не содержит числа",
     "The field “G” holds no number"},
    {"unreadable_inlet_pressure",
     {Code::FieldWithoutNumber, InputField::InletPressure},
     "Поле «Р1» не содержит числа",
     "The field “P1” holds no number"},
    {"unreadable_setting",
     {Code::FieldWithoutNumber, InputField::Setting},
     "Поле «Требуемый перепад давления (настройка)» не содержит числа",
     "The field “Required differential pressure (set point)” holds no number"},
    {"pressures",
     {Code::OutletPressureNotBelowInlet, InputField::OutletPressure},
     "Должно быть Р2<Р1",
     "P2 must be less than P1"},
    {"safety_factor",
     {Code::SafetyFactorOutOfRange, InputField::SafetyFactor, 1, 1.25},
     "Должно быть 1<K<1.25",
     "The safety factor must be 1<K<1.25"},
    {"water_drop",
     {Code::DropNotPositive, InputField::PressureDrop},
     "Перепад давления на клапане ΔP должен быть больше нуля",
     "The pressure drop across the valve ΔP must be greater than zero"},
    {"glycol_drop",
     {Code::DropZero, InputField::PressureDrop},
     "Перепад давления на клапане ΔP не может быть равен нулю",
     "The pressure drop across the valve ΔP cannot be zero"},
    {"density",
     {Code::DensityNotPositive, InputField::Density},
     "Плотность среды должна быть больше нуля",
     "The density of the medium must be greater than zero"},
    {"relative_drop",
     {Code::RelativeDropOutOfRange, InputField::RelativeDrop, 0.01, 0.42},
     "Относительный перепад давления может быть 0.01<δ<0.42",
     "The relative pressure drop must be 0.01<δ<0.42"},
    {"steam_inlet",
     {Code::InletPressureNotPositive, InputField::InletPressure},
     "Входное давление Р1 должно быть больше нуля",
     "The inlet pressure P1 must be greater than zero"},
    {"dp_setting",
     {Code::SettingOutOfRange, InputField::Setting, 0.2, 8},
     "Значение настройки может быть 0.2<P<8",
     "The set point must be 0.2<P<8"},
    {"reducing_setting",
     {Code::SettingOutOfRange, InputField::Setting, 0.4, 16},
     "Значение настройки может быть 0.4<P<16",
     "The set point must be 0.4<P<16"},
    {"no_valve",
     {Code::NoValveFits},
     "Вашим параметрам не удовлетворяет ни один клапан\r\nЗа помощью в подборе оборудования "
     "обратитесь к специалистам по продаже регулирующей арматуры.",
     "No valve meets your parameters\r\nFor help in selecting equipment, contact a control valve "
     "sales specialist."},
    {"no_actuator",
     {Code::NoActuatorFits},
     "Вашим параметрам не удовлетворяет ни один привод!\r\nЗа помощью в подборе оборудования "
     "обратитесь к специалистам по продаже регулирующей арматуры.",
     "No actuator meets your parameters!\r\nFor help in selecting equipment, contact a control "
     "valve sales specialist."},
    {"try_stainless",
     {Code::NoActuatorTryStainlessThermostat},
     "Вашим параметрам не удовлетворяет ни один привод. Попробуйте выбрать термостат из "
     "нержавеющей стали.",
     "No actuator meets your parameters. Try a thermostat with a stainless steel sensor."},
};

class SelectionWords : public ::testing::TestWithParam<MessageCase> {};

TEST_P(SelectionWords, RussianAsTheFormShowsIt) {
  EXPECT_EQ(SelectionMessageText(GetParam().message).toStdString(), GetParam().russian);
}

TEST_P(SelectionWords, English) {
  const LanguageScope english(Language::English);
  EXPECT_EQ(SelectionMessageText(GetParam().message).toStdString(), GetParam().english);
}

INSTANTIATE_TEST_SUITE_P(Messages, SelectionWords, ::testing::ValuesIn(kMessages),
                         [](const auto& row) { return std::string(row.param.name); });

// The names the form's labels give the fields, in the form's order.
TEST(SelectionWordsFields, NamesOfEveryField) {
  const struct {
    InputField field;
    const char* russian;
    const char* english;
  } fields[] = {
      {InputField::SafetyFactor, "K", "K"},
      {InputField::Density, "Плотность среды", "Density of the medium"},
      {InputField::InletPressure, "Р1", "P1"},
      {InputField::OutletPressure, "Р2", "P2"},
      {InputField::Temperature, "Т", "T"},
      {InputField::PressureDrop, "ΔP", "ΔP"},
      {InputField::RelativeDrop, "δ", "δ"},
      {InputField::Setting, "Требуемый перепад давления (настройка)",
       "Required differential pressure (set point)"},
      {InputField::Flow, "G", "G"},
      {InputField::MaintainedTemperature, "Поддерживаемая температура", "Maintained temperature"},
  };
  for (const auto& f : fields) {
    EXPECT_EQ(InputFieldName(f.field).toStdString(), f.russian);
    const LanguageScope english(Language::English);
    EXPECT_EQ(InputFieldName(f.field).toStdString(), f.english);
  }
  EXPECT_TRUE(InputFieldName(InputField::None).isEmpty());
}

}  // namespace
}  // namespace selvio::test
