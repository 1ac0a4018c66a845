#include "app/control_inventory.h"

#include "platform/control_ids.h"

#include <QString>

#include <array>

namespace selvio {
namespace {

using enum ControlType;

constexpr bool kHidden = false;
constexpr bool kDisabled = false;

// Lines of the result label blocks; the value blocks beside them hold one value per line.
constexpr const char* kValveLabelText =
    "Клапан:\r\nУсловный проход ДУ, мм:\r\nТип присоединения:\r\n"
    "Макс. рабочее давление, бар:\r\nМакс. раб. температура, °С:\r\n"
    "Пропускная способн. Kvs, м³/ч:\r\nРег. характеристика:\r\nТип конструкции:\r\n"
    "Протечка относительно Kvs,%:";
constexpr const char* kDpRegulatorLabelText =
    "Регулятор перепада давления:"
    "\r\nУсловный проход ДУ, мм:\r\nТип присоединения:\r\nМакс. рабочее давление, бар:\r\n"
    "Макс. раб. температура, °С:\r\nПропускная способн. Kvs, м³/ч:\r\n"
    "Протечка относительно Kvs,%:\r\nДиапазон, бар:";
constexpr const char* kReducingValveLabelText =
    "Редукционный клапан:"
    "\r\nУсловный проход ДУ, мм:\r\nТип присоединения:\r\nМакс. рабочее давление, бар:\r\n"
    "Макс. раб. температура, °С:\r\nПропускная способн. Kvs, м³/ч:\r\n"
    "Протечка относительно Kvs,%:\r\nДиапазон, бар:";
constexpr const char* kElectricLabelText =
    "Привод:\r\nТип исполнения:\r\nНапряжение,В:\r\nВходной сигнал\r\nПотенциометр:\r\n"
    "Концевые выкл.:\r\nВозвратная пружина:\r\nНагрев.элемент";
constexpr const char* kPneumaticLabelText = "Привод:\r\nТип позиционера:\r\nИсполнение:";
constexpr const char* kThermostatLabelText =
    "Привод:\r\nДлина капилляра,м:\r\nМеталл чувств.эл-та:\r\nМетелл капилляра:\r\n"
    "Тип чувств.эл-та:\r\nДиапазон темп-р,оС:";
constexpr const char* kControllerLabelText =
    "Контроллер:\r\nТип исполнения:\r\nДатчики температуры (шт):\r\n"
    "- теплоносителя (SX40):\r\n- наружного воздуха (SX50):\r\n"
    "- воздуха в помещении (SX60):";

constexpr std::array kInventory = std::to_array<ControlEntry>({
    // Column "Подбор регулятора".
    {ids::kRegulatorHeader, Picture},
    {ids::kControlValve, Radio, "Регулирующий клапан", "Тип:"},
    {ids::kDpRegulator, Radio, "Регулятор перепада давления"},
    {ids::kReducingValve, Radio, "Редукционный клапан"},
    {ids::kWater, Radio, "Вода", "Среда:"},
    {ids::kSteam, Radio, "Пар"},
    {ids::kGlycol, Radio, "Гликолевый раствор"},
    {ids::kFlanged, Radio, "Фланцевое", "Присоединение:"},
    {ids::kThreaded, Radio, "Резьбовое"},
    {ids::kTwoWay, Radio, "Двухходовой", "Исполнение:"},
    {ids::kThreeWay, Radio, "Трехходовой"},
    {ids::kMixing, Radio, "Смешение", "Трехходовой клапан для:"},
    {ids::kDiverting, Radio, "Разделение"},
    {ids::kBalanced, CheckBox, "Сбалансированные по давлению"},
    {ids::kUseSafetyFactor, CheckBox, "Учитывать коэффициент запаса K"},
    {ids::kSafetyFactor, Edit},
    {ids::kCheckCavitation, CheckBox, "Учитывать возможную кавитацию"},
    {ids::kDensityCaption, Label, "Плотность среды:"},
    {ids::kDensity, Edit},
    {ids::kDensityUnit, Label, "кг\\м³"},
    {ids::kDensityCalc, Button, "Расчитать", "", kHidden},
    {ids::kP1, Edit, "", "Входное избыточное давл. в регулируемом контуре *(Р1):"},
    {ids::kP1Unit, List},
    {ids::kP2Caption, Label, "Выходное избыточное давл. в регулируемом контуре *(Р2):"},
    {ids::kP2, Edit},
    {ids::kP2Unit, List},
    {ids::kTemperature, Edit, "", "Температура среды в месте установки клапана *(Т):"},
    {ids::kTemperatureUnit, List},
    {ids::kDropCaption, Label, "Относительный перепад давления *(δ):"},
    {ids::kDrop, Edit},
    {ids::kDropUnit, List},
    {ids::kSettingCaption, Label, "Требуемый перепад давления (настройка) :", "", kHidden},
    {ids::kSetting, Edit, "", "", kHidden},
    {ids::kSettingUnit, List, "", "", kHidden},
    {ids::kFlow, Edit, "", "Расход среды *(G):"},
    {ids::kFlowUnit, List},
    {ids::kFlowCalc, Button, "Расчитать"},

    // Column "Подбор привода": the header pictures, the kind, then the three groups.
    {ids::kActuatorTicked, Picture},
    {ids::kActuatorEmpty, Picture, "", "", kHidden},
    {ids::kActuatorGreyedTicked, Picture, "", "", kHidden},
    {ids::kActuatorGreyedEmpty, Picture, "", "", kHidden},
    {ids::kElectric, Radio, "Электропривод", "Тип привода:"},
    {ids::kThermostat, Radio, "Термостат"},
    {ids::kPneumatic, Radio, "Пневмопривод"},
    {ids::kControlSignalCaption, Label, "Управляющий сигнал:"},
    {ids::kThreePoint, Radio, "Трехпозиционный"},
    {ids::kAnalogue, Radio, "Аналоговый"},
    {ids::kVoltageCaption, Label, "Напряжение питания:"},
    {ids::kVoltage24, Radio, "24 В"},
    {ids::kVoltage220, Radio, "220 В"},
    {ids::kSignalTypeCaption, Label, "Тип сигнала:"},
    {ids::kSignalType, List},
    {ids::kOptionsCaption, Label, "Дополнительные опции:"},
    {ids::kLimitSwitches, CheckBox, "Концевые выключатели"},
    {ids::kPotentiometer, CheckBox, "Потенциометр"},
    {ids::kSpringReturn, CheckBox, "Возвратная пружина"},
    {ids::kHeater, CheckBox, "Нагревательный элемент"},
    {ids::kMaintainedTemperatureCaption, Label, "Поддерживаемая температура:"},
    {ids::kMaintainedTemperature, Edit},
    {ids::kMaintainedTemperatureUnit, Label, "°C"},
    {ids::kElementTypeCaption, Label, "Тип чувствительного эл-та:"},
    {ids::kRodElement, Radio, "Стержневой (для систем ГВС с циркуляцией)"},
    {ids::kSpiralElement, Radio, "Спиральный (для систем ГВС без циркуляции)"},
    {ids::kElementMetalCaption, Label, "Металл чувствительно эл-та:"},
    {ids::kCopperElement, Radio, "Медь"},
    {ids::kStainlessElement, Radio, "Нержавеющая сталь"},
    {ids::kCapillaryMetalCaption, Label, "Металл капилляра:"},
    {ids::kCopperCapillary, Radio, "Медь"},
    {ids::kPvcCapillary, Radio, "Медь с ПВХ"},
    {ids::kStainlessCapillary, Radio, "Нержавеющая сталь"},
    {ids::kCapillaryLengthCaption, Label, "Длинна капилляра:"},
    {ids::kCapillaryLength, List},
    {ids::kCapillaryLengthUnit, Label, "м"},
    {ids::kPositionerCaption, Label, "Тип позиционера:"},
    {ids::kPositionerPZ1, Radio, "PZ1"},
    {ids::kPositionerPZ2, Radio, "PZ2"},
    {ids::kNormalPositionCaption, Label, "Исполнение:"},
    {ids::kNormallyOpen, Radio, "Нормально открытый"},
    {ids::kNormallyClosed, Radio, "Нормально закрытый"},

    // Column "Подбор автоматики".
    {ids::kControllerEmpty, Picture},
    {ids::kControllerTicked, Picture, "", "", kHidden},
    {ids::kControllerGreyedEmpty, Picture, "", "", kHidden},
    {ids::kControllerGreyedTicked, Picture, "", "", kHidden},
    {ids::kControllerOneCircuit, Radio, "Управление одним контуром (ГВС или отопление)",
     "Тип исполнения:"},
    {ids::kControllerHotWaterAndHeating, Radio, "Управление двумя контурами (ГВС и отопление)"},
    {ids::kControllerTwoHeating, Radio, "Управление двумя контурами (отопление и отопление)"},
    {ids::kHeatCarrierSensors, Edit, "", "Датчик температуры теплоносителя"},
    {ids::kOutdoorSensors, Edit, "", "Датчик температуры наружного воздуха"},
    {ids::kRoomSensors, Edit, "", "Датчик температуры воздуха в помещении"},

    // Commands and results.
    {ids::kCalculate, Button, "Расчет"},
    {ids::kOtherConfiguration, Button, "Другая конфигурация", "", true, kDisabled},
    {ids::kRegulatorValues, Label, "", "Результат подбора регулятора"},
    {ids::kValveLabels, Label, kValveLabelText},
    {ids::kDpRegulatorLabels, Label, kDpRegulatorLabelText},
    {ids::kReducingValveLabels, Label, kReducingValveLabelText},
    {ids::kElectricLabels, Label, kElectricLabelText, "Результат подбора привода"},
    {ids::kElectricValues, Label},
    {ids::kPneumaticLabels, Label, kPneumaticLabelText},
    {ids::kPneumaticValues, Label},
    {ids::kThermostatLabels, Label, kThermostatLabelText},
    {ids::kThermostatValues, Label},
    {ids::kControllerLabels, Label, kControllerLabelText, "Результат подбора автоматики"},
    {ids::kControllerValues, Label},
    {ids::kCalculatedData, Label, "", "Расчетные данные"},
    {ids::kRegulatorDescription, Button, "Техническая информация", "", true, kDisabled},
    {ids::kRegulatorDrawing2d, Button, "Чертежи 2D", "", true, kDisabled},
    {ids::kRegulatorDrawing3d, Button, "Чертежи 3D", "", true, kDisabled},
    {ids::kActuatorDescription, Button, "Техническая информация", "", true, kDisabled},
    {ids::kActuatorDrawing2d, Button, "Чертежи 2D", "", true, kDisabled},
    {ids::kActuatorDrawing3d, Button, "Чертежи 3D", "", true, kDisabled},
    {ids::kControllerDescription, Button, "Техническая информация", "", true, kDisabled},
    {ids::kControllerDrawing2d, Button, "Чертежи 2D", "", true, kDisabled},
    {ids::kControllerDrawing3d, Button, "Чертежи 3D", "", true, kDisabled},
    {ids::kOpen, Button, "Открыть"},
    {ids::kSaveAs, Button, "Сохранить как"},
    {ids::kExportWord, Button, "Экспорт в MS Word"},
    {ids::kSendMail, Button, "Отправить e-mail"},
    {ids::kPrint, Button, "Печать"},
    {ids::kCheckUpdate, Button, "Проверить обновление"},
    {ids::kExit, Button, "Выход"},
    {ids::kLogo, Picture},
});

}  // namespace

std::span<const ControlEntry> FormControlInventory() { return kInventory; }

const std::vector<std::vector<int>>& FormRadioGroups() {
  static const std::vector<std::vector<int>> kGroups = {
      {ids::kControlValve, ids::kDpRegulator, ids::kReducingValve},
      {ids::kWater, ids::kSteam, ids::kGlycol},
      {ids::kFlanged, ids::kThreaded},
      {ids::kTwoWay, ids::kThreeWay},
      {ids::kMixing, ids::kDiverting},
      {ids::kElectric, ids::kThermostat, ids::kPneumatic},
      {ids::kThreePoint, ids::kAnalogue},
      {ids::kVoltage24, ids::kVoltage220},
      {ids::kRodElement, ids::kSpiralElement},
      {ids::kCopperElement, ids::kStainlessElement},
      {ids::kCopperCapillary, ids::kPvcCapillary, ids::kStainlessCapillary},
      {ids::kPositionerPZ1, ids::kPositionerPZ2},
      {ids::kNormallyOpen, ids::kNormallyClosed},
      {ids::kControllerOneCircuit, ids::kControllerHotWaterAndHeating, ids::kControllerTwoHeating},
  };
  return kGroups;
}

const ControlEntry* FindControlEntry(int id) {
  for (const ControlEntry& entry : kInventory) {
    if (entry.id == id) return &entry;
  }
  return nullptr;
}

void DefineFormControls(HeadlessControls& controls) {
  for (const ControlEntry& entry : kInventory) {
    controls.Define(entry.id, entry.kind, QString::fromUtf8(entry.text));
    controls.Show(entry.id, entry.shownAtStart);
    controls.Enable(entry.id, entry.enabledAtStart);
  }
  for (const std::vector<int>& group : FormRadioGroups()) controls.DefineRadioGroup(group);
}

}  // namespace selvio
