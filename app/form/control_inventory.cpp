#include "app/form/control_inventory.h"

#include <QString>
#include <array>

#include "app/form/control_ids.h"
#include "app/form/fixed_text_ids.h"

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

// The fixed label beside the calculated data.
constexpr const char* kCalculatedDataLabelText =
    "Расчетная пропускная способность клапана Kv (Kv*K), м³/ч:\r\n"
    "Расчетная потеря давления на открытом клапане dPv,бар:\r\n"
    "Расчетная скорость теплоносителя через клапан V,м/с:\r\n"
    "Давление насыщенных паров Pнас, при данной температуре, бар:";

constexpr std::array kInventory = std::to_array<ControlEntry>({
    // Column "Подбор регулятора".
    {ids::kRegulatorColumnCaption, Label, "Подбор регулятора"},
    {ids::kRegulatorHeader, Picture, "", ids::kRegulatorColumnCaption},
    {ids::kProductTypeCaption, Label, "Тип:"},
    {ids::kControlValve, Radio, "Регулирующий клапан", ids::kProductTypeCaption},
    {ids::kDpRegulator, Radio, "Регулятор перепада давления", ids::kProductTypeCaption},
    {ids::kReducingValve, Radio, "Редукционный клапан", ids::kProductTypeCaption},
    {ids::kMediumCaption, Label, "Среда:"},
    {ids::kWater, Radio, "Вода", ids::kMediumCaption},
    {ids::kSteam, Radio, "Пар", ids::kMediumCaption},
    {ids::kGlycol, Radio, "Гликолевый раствор", ids::kMediumCaption},
    {ids::kConnectionCaption, Label, "Присоединение:"},
    {ids::kFlanged, Radio, "Фланцевое", ids::kConnectionCaption},
    {ids::kThreaded, Radio, "Резьбовое", ids::kConnectionCaption},
    {ids::kExecutionCaption, Label, "Исполнение:"},
    {ids::kTwoWay, Radio, "Двухходовой", ids::kExecutionCaption},
    {ids::kThreeWay, Radio, "Трехходовой", ids::kExecutionCaption},
    {ids::kThreeWayUseCaption, Label, "Трехходовой клапан для:"},
    {ids::kMixing, Radio, "Смешение", ids::kThreeWayUseCaption},
    {ids::kDiverting, Radio, "Разделение", ids::kThreeWayUseCaption},
    {ids::kBalanced, CheckBox, "Сбалансированные по давлению"},
    {ids::kUseSafetyFactor, CheckBox, "Учитывать коэффициент запаса K"},
    {ids::kSafetyFactor, Edit, "", ids::kUseSafetyFactor},
    {ids::kCheckCavitation, CheckBox, "Учитывать возможную кавитацию"},
    {ids::kDensityCaption, Label, "Плотность среды:"},
    {ids::kDensity, Edit, "", ids::kDensityCaption},
    {ids::kDensityUnit, Label, "кг\\м³"},
    {ids::kDensityCalc, Button, "Расчитать", ids::kDensityCaption, kHidden},
    {ids::kP1Caption, Label, "Входное избыточное давл. в регулируемом контуре *(Р1):"},
    {ids::kP1, Edit, "", ids::kP1Caption},
    {ids::kP1Unit, List, "", ids::kP1},
    {ids::kP2Caption, Label, "Выходное избыточное давл. в регулируемом контуре *(Р2):"},
    {ids::kP2, Edit, "", ids::kP2Caption},
    {ids::kP2Unit, List, "", ids::kP2},
    {ids::kTemperatureCaption, Label, "Температура среды в месте установки клапана *(Т):"},
    {ids::kTemperature, Edit, "", ids::kTemperatureCaption},
    {ids::kTemperatureUnit, List, "", ids::kTemperature},
    {ids::kDropCaption, Label, "Относительный перепад давления *(δ):"},
    {ids::kDrop, Edit, "", ids::kDropCaption},
    {ids::kDropUnit, List, "", ids::kDrop},
    {ids::kSettingCaption, Label, "Требуемый перепад давления (настройка) :", 0, kHidden},
    {ids::kSetting, Edit, "", ids::kSettingCaption, kHidden},
    {ids::kSettingUnit, List, "", ids::kSetting, kHidden},
    {ids::kFlowCaption, Label, "Расход среды *(G):"},
    {ids::kFlow, Edit, "", ids::kFlowCaption},
    {ids::kFlowUnit, List, "", ids::kFlow},
    {ids::kFlowCalc, Button, "Расчитать", ids::kFlowCaption},

    // Column "Подбор привода": the header pictures, the kind, then the three groups.
    {ids::kActuatorColumnCaption, Label, "Подбор привода"},
    {ids::kActuatorTicked, Picture, "", ids::kActuatorColumnCaption},
    {ids::kActuatorEmpty, Picture, "", ids::kActuatorColumnCaption, kHidden},
    {ids::kActuatorGreyedTicked, Picture, "", ids::kActuatorColumnCaption, kHidden},
    {ids::kActuatorGreyedEmpty, Picture, "", ids::kActuatorColumnCaption, kHidden},
    {ids::kActuatorKindCaption, Label, "Тип привода:"},
    {ids::kElectric, Radio, "Электропривод", ids::kActuatorKindCaption},
    {ids::kThermostat, Radio, "Термостат", ids::kActuatorKindCaption},
    {ids::kPneumatic, Radio, "Пневмопривод", ids::kActuatorKindCaption},
    {ids::kControlSignalCaption, Label, "Управляющий сигнал:"},
    {ids::kThreePoint, Radio, "Трехпозиционный", ids::kControlSignalCaption},
    {ids::kAnalogue, Radio, "Аналоговый", ids::kControlSignalCaption},
    {ids::kVoltageCaption, Label, "Напряжение питания:"},
    {ids::kVoltage24, Radio, "24 В", ids::kVoltageCaption},
    {ids::kVoltage220, Radio, "220 В", ids::kVoltageCaption},
    {ids::kSignalTypeCaption, Label, "Тип сигнала:"},
    {ids::kSignalType, List, "", ids::kSignalTypeCaption},
    {ids::kOptionsCaption, Label, "Дополнительные опции:"},
    {ids::kLimitSwitches, CheckBox, "Концевые выключатели", ids::kOptionsCaption},
    {ids::kPotentiometer, CheckBox, "Потенциометр", ids::kOptionsCaption},
    {ids::kSpringReturn, CheckBox, "Возвратная пружина", ids::kOptionsCaption},
    {ids::kHeater, CheckBox, "Нагревательный элемент", ids::kOptionsCaption},
    {ids::kMaintainedTemperatureCaption, Label, "Поддерживаемая температура:"},
    {ids::kMaintainedTemperature, Edit, "", ids::kMaintainedTemperatureCaption},
    {ids::kMaintainedTemperatureUnit, Label, "°C"},
    {ids::kElementTypeCaption, Label, "Тип чувствительного эл-та:"},
    {ids::kRodElement, Radio, "Стержневой (для систем ГВС с циркуляцией)",
     ids::kElementTypeCaption},
    {ids::kSpiralElement, Radio, "Спиральный (для систем ГВС без циркуляции)",
     ids::kElementTypeCaption},
    {ids::kElementMetalCaption, Label, "Металл чувствительно эл-та:"},
    {ids::kCopperElement, Radio, "Медь", ids::kElementMetalCaption},
    {ids::kStainlessElement, Radio, "Нержавеющая сталь", ids::kElementMetalCaption},
    {ids::kCapillaryMetalCaption, Label, "Металл капилляра:"},
    {ids::kCopperCapillary, Radio, "Медь", ids::kCapillaryMetalCaption},
    {ids::kPvcCapillary, Radio, "Медь с ПВХ", ids::kCapillaryMetalCaption},
    {ids::kStainlessCapillary, Radio, "Нержавеющая сталь", ids::kCapillaryMetalCaption},
    {ids::kCapillaryLengthCaption, Label, "Длинна капилляра:"},
    {ids::kCapillaryLength, List, "", ids::kCapillaryLengthCaption},
    {ids::kCapillaryLengthUnit, Label, "м"},
    {ids::kPositionerCaption, Label, "Тип позиционера:"},
    {ids::kPositionerPZ1, Radio, "PZ1", ids::kPositionerCaption},
    {ids::kPositionerPZ2, Radio, "PZ2", ids::kPositionerCaption},
    {ids::kNormalPositionCaption, Label, "Исполнение:"},
    {ids::kNormallyOpen, Radio, "Нормально открытый", ids::kNormalPositionCaption},
    {ids::kNormallyClosed, Radio, "Нормально закрытый", ids::kNormalPositionCaption},

    // Column "Подбор автоматики".
    {ids::kControllerColumnCaption, Label, "Подбор автоматики"},
    {ids::kControllerEmpty, Picture, "", ids::kControllerColumnCaption},
    {ids::kControllerTicked, Picture, "", ids::kControllerColumnCaption, kHidden},
    {ids::kControllerGreyedEmpty, Picture, "", ids::kControllerColumnCaption, kHidden},
    {ids::kControllerGreyedTicked, Picture, "", ids::kControllerColumnCaption, kHidden},
    {ids::kControllerModelCaption, Label, "Модель контроллера: ZR310"},
    {ids::kControllerVariantCaption, Label, "Тип исполнения:"},
    {ids::kControllerOneCircuit, Radio, "Управление одним контуром (ГВС или отопление)",
     ids::kControllerVariantCaption},
    {ids::kControllerHotWaterAndHeating, Radio, "Управление двумя контурами (ГВС и отопление)",
     ids::kControllerVariantCaption},
    {ids::kControllerTwoHeating, Radio, "Управление двумя контурами (отопление и отопление)",
     ids::kControllerVariantCaption},
    {ids::kSensorsCaption, Label, "Датчики для контроллера ZR310:"},
    {ids::kHeatCarrierSensorName, Label, "SX40"},
    {ids::kHeatCarrierSensors, Edit, "", ids::kHeatCarrierSensorCaption},
    {ids::kHeatCarrierSensorUnit, Label, "шт."},
    {ids::kHeatCarrierSensorCaption, Label, "Датчик температуры теплоносителя"},
    {ids::kOutdoorSensorName, Label, "SX50"},
    {ids::kOutdoorSensors, Edit, "", ids::kOutdoorSensorCaption},
    {ids::kOutdoorSensorUnit, Label, "шт."},
    {ids::kOutdoorSensorCaption, Label, "Датчик температуры наружного воздуха"},
    {ids::kRoomSensorName, Label, "SX60"},
    {ids::kRoomSensors, Edit, "", ids::kRoomSensorCaption},
    {ids::kRoomSensorUnit, Label, "шт."},
    {ids::kRoomSensorCaption, Label, "Датчик температуры воздуха в помещении"},

    // Commands and results.
    {ids::kCalculate, Button, "Расчет"},
    {ids::kOtherConfiguration, Button, "Другая конфигурация", 0, true, kDisabled},
    {ids::kCheckWindow, Button, "Проверка", 0, true, kDisabled},
    {ids::kRegulatorResultCaption, Label, "Результат подбора регулятора"},
    {ids::kRegulatorValues, Label, "", ids::kRegulatorResultCaption},
    {ids::kValveLabels, Label, kValveLabelText, ids::kRegulatorResultCaption},
    // The three label blocks of the regulator area share one place; before the first
    // calculation only the control valve's is shown, so their lines never print over each other.
    {ids::kDpRegulatorLabels, Label, kDpRegulatorLabelText, ids::kRegulatorResultCaption, kHidden},
    {ids::kReducingValveLabels, Label, kReducingValveLabelText, ids::kRegulatorResultCaption,
     kHidden},
    {ids::kActuatorResultCaption, Label, "Результат подбора привода"},
    {ids::kElectricLabels, Label, kElectricLabelText, ids::kActuatorResultCaption},
    {ids::kElectricValues, Label, "", ids::kActuatorResultCaption},
    {ids::kPneumaticLabels, Label, kPneumaticLabelText, ids::kActuatorResultCaption},
    {ids::kPneumaticValues, Label, "", ids::kActuatorResultCaption},
    {ids::kThermostatLabels, Label, kThermostatLabelText, ids::kActuatorResultCaption},
    {ids::kThermostatValues, Label, "", ids::kActuatorResultCaption},
    {ids::kControllerResultCaption, Label, "Результат подбора автоматики"},
    {ids::kControllerLabels, Label, kControllerLabelText, ids::kControllerResultCaption},
    {ids::kControllerValues, Label, "", ids::kControllerResultCaption},
    {ids::kCalculatedDataCaption, Label, "Расчетные данные"},
    {ids::kCalculatedDataLabels, Label, kCalculatedDataLabelText, ids::kCalculatedDataCaption},
    {ids::kCalculatedData, Label, "", ids::kCalculatedDataCaption},
    {ids::kRegulatorDescription, Button, "Техническая информация", ids::kRegulatorResultCaption,
     true, kDisabled},
    {ids::kRegulatorDrawing2d, Button, "Чертежи 2D", ids::kRegulatorResultCaption, true, kDisabled},
    {ids::kRegulatorDrawing3d, Button, "Чертежи 3D", ids::kRegulatorResultCaption, true, kDisabled},
    {ids::kActuatorDescription, Button, "Техническая информация", ids::kActuatorResultCaption, true,
     kDisabled},
    {ids::kActuatorDrawing2d, Button, "Чертежи 2D", ids::kActuatorResultCaption, true, kDisabled},
    {ids::kActuatorDrawing3d, Button, "Чертежи 3D", ids::kActuatorResultCaption, true, kDisabled},
    {ids::kControllerDescription, Button, "Техническая информация", ids::kControllerResultCaption,
     true, kDisabled},
    {ids::kControllerDrawing2d, Button, "Чертежи 2D", ids::kControllerResultCaption, true,
     kDisabled},
    {ids::kControllerDrawing3d, Button, "Чертежи 3D", ids::kControllerResultCaption, true,
     kDisabled},
    {ids::kOpen, Button, "Открыть"},
    {ids::kSaveAs, Button, "Сохранить как"},
    {ids::kExportWord, Button, "Экспорт в MS Word"},
    {ids::kSendMail, Button, "Отправить e-mail"},
    {ids::kPrint, Button, "Печать"},
    {ids::kProjectWindow, Button, "Проект"},
    {ids::kCheckUpdate, Button, "Проверить обновление"},
    {ids::kExit, Button, "Выход"},
    {ids::kLogo, Picture},
    {ids::kBanner, Picture},
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
