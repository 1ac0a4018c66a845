#include "app/form/control_inventory.h"

#include <QCoreApplication>
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
constexpr const char* kValveLabelText = QT_TRANSLATE_NOOP(
    "SelectionForm",
    "Клапан:\r\nУсловный проход ДУ, мм:\r\nТип присоединения:\r\n"
    "Макс. рабочее давление, бар:\r\nМакс. раб. температура, °С:\r\n"
    "Пропускная способн. Kvs, м³/ч:\r\nРег. характеристика:\r\nТип конструкции:\r\n"
    "Протечка относительно Kvs,%:");
constexpr const char* kDpRegulatorLabelText = QT_TRANSLATE_NOOP(
    "SelectionForm",
    "Регулятор перепада давления:"
    "\r\nУсловный проход ДУ, мм:\r\nТип присоединения:\r\nМакс. рабочее давление, бар:\r\n"
    "Макс. раб. температура, °С:\r\nПропускная способн. Kvs, м³/ч:\r\n"
    "Протечка относительно Kvs,%:\r\nДиапазон, бар:");
constexpr const char* kReducingValveLabelText = QT_TRANSLATE_NOOP(
    "SelectionForm",
    "Редукционный клапан:"
    "\r\nУсловный проход ДУ, мм:\r\nТип присоединения:\r\nМакс. рабочее давление, бар:\r\n"
    "Макс. раб. температура, °С:\r\nПропускная способн. Kvs, м³/ч:\r\n"
    "Протечка относительно Kvs,%:\r\nДиапазон, бар:");
constexpr const char* kElectricLabelText = QT_TRANSLATE_NOOP(
    "SelectionForm",
    "Привод:\r\nТип исполнения:\r\nНапряжение,В:\r\nВходной сигнал\r\nПотенциометр:\r\n"
    "Концевые выкл.:\r\nВозвратная пружина:\r\nНагрев.элемент");
constexpr const char* kPneumaticLabelText =
    QT_TRANSLATE_NOOP("SelectionForm", "Привод:\r\nТип позиционера:\r\nИсполнение:");
constexpr const char* kThermostatLabelText = QT_TRANSLATE_NOOP(
    "SelectionForm",
    "Привод:\r\nДлина капилляра,м:\r\nМеталл чувств.эл-та:\r\nМетелл капилляра:\r\n"
    "Тип чувств.эл-та:\r\nДиапазон темп-р,оС:");
constexpr const char* kControllerLabelText =
    QT_TRANSLATE_NOOP("SelectionForm",
                      "Контроллер:\r\nТип исполнения:\r\nДатчики температуры (шт):\r\n"
                      "- теплоносителя (SX40):\r\n- наружного воздуха (SX50):\r\n"
                      "- воздуха в помещении (SX60):");

// The fixed label beside the calculated data.
constexpr const char* kCalculatedDataLabelText =
    QT_TRANSLATE_NOOP("SelectionForm",
                      "Расчетная пропускная способность клапана Kv (Kv*K), м³/ч:\r\n"
                      "Расчетная потеря давления на открытом клапане dPv,бар:\r\n"
                      "Расчетная скорость теплоносителя через клапан V,м/с:\r\n"
                      "Давление насыщенных паров Pнас, при данной температуре, бар:");

constexpr std::array kInventory = std::to_array<ControlEntry>({
    // Column "Подбор регулятора".
    {ids::kRegulatorColumnCaption, Label, QT_TRANSLATE_NOOP("SelectionForm", "Подбор регулятора")},
    {ids::kRegulatorHeader, Picture, "", ids::kRegulatorColumnCaption},
    {ids::kProductTypeCaption, Label, QT_TRANSLATE_NOOP("SelectionForm", "Тип:")},
    {ids::kControlValve, Radio, QT_TRANSLATE_NOOP("SelectionForm", "Регулирующий клапан"),
     ids::kProductTypeCaption},
    {ids::kDpRegulator, Radio, QT_TRANSLATE_NOOP("SelectionForm", "Регулятор перепада давления"),
     ids::kProductTypeCaption},
    {ids::kReducingValve, Radio, QT_TRANSLATE_NOOP("SelectionForm", "Редукционный клапан"),
     ids::kProductTypeCaption},
    {ids::kMediumCaption, Label, QT_TRANSLATE_NOOP("SelectionForm", "Среда:")},
    {ids::kWater, Radio, QT_TRANSLATE_NOOP("SelectionForm", "Вода"), ids::kMediumCaption},
    {ids::kSteam, Radio, QT_TRANSLATE_NOOP("SelectionForm", "Пар"), ids::kMediumCaption},
    {ids::kGlycol, Radio, QT_TRANSLATE_NOOP("SelectionForm", "Гликолевый раствор"),
     ids::kMediumCaption},
    {ids::kConnectionCaption, Label, QT_TRANSLATE_NOOP("SelectionForm", "Присоединение:")},
    {ids::kFlanged, Radio, QT_TRANSLATE_NOOP("SelectionForm", "Фланцевое"),
     ids::kConnectionCaption},
    {ids::kThreaded, Radio, QT_TRANSLATE_NOOP("SelectionForm", "Резьбовое"),
     ids::kConnectionCaption},
    {ids::kExecutionCaption, Label, QT_TRANSLATE_NOOP("SelectionForm", "Исполнение:")},
    {ids::kTwoWay, Radio, QT_TRANSLATE_NOOP("SelectionForm", "Двухходовой"),
     ids::kExecutionCaption},
    {ids::kThreeWay, Radio, QT_TRANSLATE_NOOP("SelectionForm", "Трехходовой"),
     ids::kExecutionCaption},
    {ids::kThreeWayUseCaption, Label,
     QT_TRANSLATE_NOOP("SelectionForm", "Трехходовой клапан для:")},
    {ids::kMixing, Radio, QT_TRANSLATE_NOOP("SelectionForm", "Смешение"), ids::kThreeWayUseCaption},
    {ids::kDiverting, Radio, QT_TRANSLATE_NOOP("SelectionForm", "Разделение"),
     ids::kThreeWayUseCaption},
    {ids::kBalanced, CheckBox, QT_TRANSLATE_NOOP("SelectionForm", "Сбалансированные по давлению")},
    {ids::kUseSafetyFactor, CheckBox,
     QT_TRANSLATE_NOOP("SelectionForm", "Учитывать коэффициент запаса K")},
    {ids::kSafetyFactor, Edit, "", ids::kUseSafetyFactor},
    {ids::kCheckCavitation, CheckBox,
     QT_TRANSLATE_NOOP("SelectionForm", "Учитывать возможную кавитацию")},
    {ids::kDensityCaption, Label, QT_TRANSLATE_NOOP("SelectionForm", "Плотность среды:")},
    {ids::kDensity, Edit, "", ids::kDensityCaption},
    {ids::kDensityUnit, Label, QT_TRANSLATE_NOOP("SelectionForm", "кг\\м³")},
    {ids::kDensityCalc, Button, QT_TRANSLATE_NOOP("SelectionForm", "Расчитать"),
     ids::kDensityCaption, kHidden},
    {ids::kP1Caption, Label,
     QT_TRANSLATE_NOOP("SelectionForm", "Входное избыточное давл. в регулируемом контуре *(Р1):")},
    {ids::kP1, Edit, "", ids::kP1Caption},
    {ids::kP1Unit, List, "", ids::kP1},
    {ids::kP2Caption, Label,
     QT_TRANSLATE_NOOP("SelectionForm", "Выходное избыточное давл. в регулируемом контуре *(Р2):")},
    {ids::kP2, Edit, "", ids::kP2Caption},
    {ids::kP2Unit, List, "", ids::kP2},
    {ids::kTemperatureCaption, Label,
     QT_TRANSLATE_NOOP("SelectionForm", "Температура среды в месте установки клапана *(Т):")},
    {ids::kTemperature, Edit, "", ids::kTemperatureCaption},
    {ids::kTemperatureUnit, List, "", ids::kTemperature},
    {ids::kDropCaption, Label,
     QT_TRANSLATE_NOOP("SelectionForm", "Относительный перепад давления *(δ):")},
    {ids::kDrop, Edit, "", ids::kDropCaption},
    {ids::kDropUnit, List, "", ids::kDrop},
    {ids::kSettingCaption, Label,
     QT_TRANSLATE_NOOP("SelectionForm", "Требуемый перепад давления (настройка) :"), 0, kHidden},
    {ids::kSetting, Edit, "", ids::kSettingCaption, kHidden},
    {ids::kSettingUnit, List, "", ids::kSetting, kHidden},
    {ids::kFlowCaption, Label, QT_TRANSLATE_NOOP("SelectionForm", "Расход среды *(G):")},
    {ids::kFlow, Edit, "", ids::kFlowCaption},
    {ids::kFlowUnit, List, "", ids::kFlow},
    {ids::kFlowCalc, Button, QT_TRANSLATE_NOOP("SelectionForm", "Расчитать"), ids::kFlowCaption},

    // Column "Подбор привода": the header pictures, the kind, then the three groups.
    {ids::kActuatorColumnCaption, Label, QT_TRANSLATE_NOOP("SelectionForm", "Подбор привода")},
    {ids::kActuatorTicked, Picture, "", ids::kActuatorColumnCaption},
    {ids::kActuatorEmpty, Picture, "", ids::kActuatorColumnCaption, kHidden},
    {ids::kActuatorGreyedTicked, Picture, "", ids::kActuatorColumnCaption, kHidden},
    {ids::kActuatorGreyedEmpty, Picture, "", ids::kActuatorColumnCaption, kHidden},
    {ids::kActuatorKindCaption, Label, QT_TRANSLATE_NOOP("SelectionForm", "Тип привода:")},
    {ids::kElectric, Radio, QT_TRANSLATE_NOOP("SelectionForm", "Электропривод"),
     ids::kActuatorKindCaption},
    {ids::kThermostat, Radio, QT_TRANSLATE_NOOP("SelectionForm", "Термостат"),
     ids::kActuatorKindCaption},
    {ids::kPneumatic, Radio, QT_TRANSLATE_NOOP("SelectionForm", "Пневмопривод"),
     ids::kActuatorKindCaption},
    {ids::kControlSignalCaption, Label, QT_TRANSLATE_NOOP("SelectionForm", "Управляющий сигнал:")},
    {ids::kThreePoint, Radio, QT_TRANSLATE_NOOP("SelectionForm", "Трехпозиционный"),
     ids::kControlSignalCaption},
    {ids::kAnalogue, Radio, QT_TRANSLATE_NOOP("SelectionForm", "Аналоговый"),
     ids::kControlSignalCaption},
    {ids::kVoltageCaption, Label, QT_TRANSLATE_NOOP("SelectionForm", "Напряжение питания:")},
    {ids::kVoltage24, Radio, QT_TRANSLATE_NOOP("SelectionForm", "24 В"), ids::kVoltageCaption},
    {ids::kVoltage220, Radio, QT_TRANSLATE_NOOP("SelectionForm", "220 В"), ids::kVoltageCaption},
    {ids::kSignalTypeCaption, Label, QT_TRANSLATE_NOOP("SelectionForm", "Тип сигнала:")},
    {ids::kSignalType, List, "", ids::kSignalTypeCaption},
    {ids::kOptionsCaption, Label, QT_TRANSLATE_NOOP("SelectionForm", "Дополнительные опции:")},
    {ids::kLimitSwitches, CheckBox, QT_TRANSLATE_NOOP("SelectionForm", "Концевые выключатели"),
     ids::kOptionsCaption},
    {ids::kPotentiometer, CheckBox, QT_TRANSLATE_NOOP("SelectionForm", "Потенциометр"),
     ids::kOptionsCaption},
    {ids::kSpringReturn, CheckBox, QT_TRANSLATE_NOOP("SelectionForm", "Возвратная пружина"),
     ids::kOptionsCaption},
    {ids::kHeater, CheckBox, QT_TRANSLATE_NOOP("SelectionForm", "Нагревательный элемент"),
     ids::kOptionsCaption},
    {ids::kMaintainedTemperatureCaption, Label,
     QT_TRANSLATE_NOOP("SelectionForm", "Поддерживаемая температура:")},
    {ids::kMaintainedTemperature, Edit, "", ids::kMaintainedTemperatureCaption},
    {ids::kMaintainedTemperatureUnit, Label, "°C"},
    {ids::kElementTypeCaption, Label,
     QT_TRANSLATE_NOOP("SelectionForm", "Тип чувствительного эл-та:")},
    {ids::kRodElement, Radio,
     QT_TRANSLATE_NOOP("SelectionForm", "Стержневой (для систем ГВС с циркуляцией)"),
     ids::kElementTypeCaption},
    {ids::kSpiralElement, Radio,
     QT_TRANSLATE_NOOP("SelectionForm", "Спиральный (для систем ГВС без циркуляции)"),
     ids::kElementTypeCaption},
    {ids::kElementMetalCaption, Label,
     QT_TRANSLATE_NOOP("SelectionForm", "Металл чувствительно эл-та:")},
    {ids::kCopperElement, Radio, QT_TRANSLATE_NOOP("SelectionForm", "Медь"),
     ids::kElementMetalCaption},
    {ids::kStainlessElement, Radio, QT_TRANSLATE_NOOP("SelectionForm", "Нержавеющая сталь"),
     ids::kElementMetalCaption},
    {ids::kCapillaryMetalCaption, Label, QT_TRANSLATE_NOOP("SelectionForm", "Металл капилляра:")},
    {ids::kCopperCapillary, Radio, QT_TRANSLATE_NOOP("SelectionForm", "Медь"),
     ids::kCapillaryMetalCaption},
    {ids::kPvcCapillary, Radio, QT_TRANSLATE_NOOP("SelectionForm", "Медь с ПВХ"),
     ids::kCapillaryMetalCaption},
    {ids::kStainlessCapillary, Radio, QT_TRANSLATE_NOOP("SelectionForm", "Нержавеющая сталь"),
     ids::kCapillaryMetalCaption},
    {ids::kCapillaryLengthCaption, Label, QT_TRANSLATE_NOOP("SelectionForm", "Длинна капилляра:")},
    {ids::kCapillaryLength, List, "", ids::kCapillaryLengthCaption},
    {ids::kCapillaryLengthUnit, Label, QT_TRANSLATE_NOOP("SelectionForm", "м")},
    {ids::kPositionerCaption, Label, QT_TRANSLATE_NOOP("SelectionForm", "Тип позиционера:")},
    {ids::kPositionerPZ1, Radio, "PZ1", ids::kPositionerCaption},
    {ids::kPositionerPZ2, Radio, "PZ2", ids::kPositionerCaption},
    {ids::kNormalPositionCaption, Label, QT_TRANSLATE_NOOP("SelectionForm", "Исполнение:")},
    {ids::kNormallyOpen, Radio, QT_TRANSLATE_NOOP("SelectionForm", "Нормально открытый"),
     ids::kNormalPositionCaption},
    {ids::kNormallyClosed, Radio, QT_TRANSLATE_NOOP("SelectionForm", "Нормально закрытый"),
     ids::kNormalPositionCaption},

    // Column "Подбор автоматики".
    {ids::kControllerColumnCaption, Label, QT_TRANSLATE_NOOP("SelectionForm", "Подбор автоматики")},
    {ids::kControllerEmpty, Picture, "", ids::kControllerColumnCaption},
    {ids::kControllerTicked, Picture, "", ids::kControllerColumnCaption, kHidden},
    {ids::kControllerGreyedEmpty, Picture, "", ids::kControllerColumnCaption, kHidden},
    {ids::kControllerGreyedTicked, Picture, "", ids::kControllerColumnCaption, kHidden},
    {ids::kControllerModelCaption, Label,
     QT_TRANSLATE_NOOP("SelectionForm", "Модель контроллера: ZR310")},
    {ids::kControllerVariantCaption, Label, QT_TRANSLATE_NOOP("SelectionForm", "Тип исполнения:")},
    {ids::kControllerOneCircuit, Radio,
     QT_TRANSLATE_NOOP("SelectionForm", "Управление одним контуром (ГВС или отопление)"),
     ids::kControllerVariantCaption},
    {ids::kControllerHotWaterAndHeating, Radio,
     QT_TRANSLATE_NOOP("SelectionForm", "Управление двумя контурами (ГВС и отопление)"),
     ids::kControllerVariantCaption},
    {ids::kControllerTwoHeating, Radio,
     QT_TRANSLATE_NOOP("SelectionForm", "Управление двумя контурами (отопление и отопление)"),
     ids::kControllerVariantCaption},
    {ids::kSensorsCaption, Label,
     QT_TRANSLATE_NOOP("SelectionForm", "Датчики для контроллера ZR310:")},
    {ids::kHeatCarrierSensorName, Label, "SX40"},
    {ids::kHeatCarrierSensors, Edit, "", ids::kHeatCarrierSensorCaption},
    {ids::kHeatCarrierSensorUnit, Label, QT_TRANSLATE_NOOP("SelectionForm", "шт.")},
    {ids::kHeatCarrierSensorCaption, Label,
     QT_TRANSLATE_NOOP("SelectionForm", "Датчик температуры теплоносителя")},
    {ids::kOutdoorSensorName, Label, "SX50"},
    {ids::kOutdoorSensors, Edit, "", ids::kOutdoorSensorCaption},
    {ids::kOutdoorSensorUnit, Label, QT_TRANSLATE_NOOP("SelectionForm", "шт.")},
    {ids::kOutdoorSensorCaption, Label,
     QT_TRANSLATE_NOOP("SelectionForm", "Датчик температуры наружного воздуха")},
    {ids::kRoomSensorName, Label, "SX60"},
    {ids::kRoomSensors, Edit, "", ids::kRoomSensorCaption},
    {ids::kRoomSensorUnit, Label, QT_TRANSLATE_NOOP("SelectionForm", "шт.")},
    {ids::kRoomSensorCaption, Label,
     QT_TRANSLATE_NOOP("SelectionForm", "Датчик температуры воздуха в помещении")},

    // Commands and results.
    {ids::kCalculate, Button, QT_TRANSLATE_NOOP("SelectionForm", "Расчет")},
    {ids::kOtherConfiguration, Button, QT_TRANSLATE_NOOP("SelectionForm", "Другая конфигурация"), 0,
     true, kDisabled},
    {ids::kCheckWindow, Button, QT_TRANSLATE_NOOP("SelectionForm", "Проверка"), 0, true, kDisabled},
    {ids::kRegulatorResultCaption, Label,
     QT_TRANSLATE_NOOP("SelectionForm", "Результат подбора регулятора")},
    {ids::kRegulatorValues, Label, "", ids::kRegulatorResultCaption},
    {ids::kValveLabels, Label, kValveLabelText, ids::kRegulatorResultCaption},
    // The three label blocks of the regulator area share one place; before the first
    // calculation only the control valve's is shown, so their lines never print over each other.
    {ids::kDpRegulatorLabels, Label, kDpRegulatorLabelText, ids::kRegulatorResultCaption, kHidden},
    {ids::kReducingValveLabels, Label, kReducingValveLabelText, ids::kRegulatorResultCaption,
     kHidden},
    {ids::kActuatorResultCaption, Label,
     QT_TRANSLATE_NOOP("SelectionForm", "Результат подбора привода")},
    {ids::kElectricLabels, Label, kElectricLabelText, ids::kActuatorResultCaption},
    {ids::kElectricValues, Label, "", ids::kActuatorResultCaption},
    {ids::kPneumaticLabels, Label, kPneumaticLabelText, ids::kActuatorResultCaption},
    {ids::kPneumaticValues, Label, "", ids::kActuatorResultCaption},
    {ids::kThermostatLabels, Label, kThermostatLabelText, ids::kActuatorResultCaption},
    {ids::kThermostatValues, Label, "", ids::kActuatorResultCaption},
    {ids::kControllerResultCaption, Label,
     QT_TRANSLATE_NOOP("SelectionForm", "Результат подбора автоматики")},
    {ids::kControllerLabels, Label, kControllerLabelText, ids::kControllerResultCaption},
    {ids::kControllerValues, Label, "", ids::kControllerResultCaption},
    {ids::kCalculatedDataCaption, Label, QT_TRANSLATE_NOOP("SelectionForm", "Расчетные данные")},
    {ids::kCalculatedDataLabels, Label, kCalculatedDataLabelText, ids::kCalculatedDataCaption},
    {ids::kCalculatedData, Label, "", ids::kCalculatedDataCaption},
    {ids::kRegulatorDescription, Button,
     QT_TRANSLATE_NOOP("SelectionForm", "Техническая информация"), ids::kRegulatorResultCaption,
     true, kDisabled},
    {ids::kRegulatorDrawing2d, Button, QT_TRANSLATE_NOOP("SelectionForm", "Чертежи 2D"),
     ids::kRegulatorResultCaption, true, kDisabled},
    {ids::kRegulatorDrawing3d, Button, QT_TRANSLATE_NOOP("SelectionForm", "Чертежи 3D"),
     ids::kRegulatorResultCaption, true, kDisabled},
    {ids::kActuatorDescription, Button,
     QT_TRANSLATE_NOOP("SelectionForm", "Техническая информация"), ids::kActuatorResultCaption,
     true, kDisabled},
    {ids::kActuatorDrawing2d, Button, QT_TRANSLATE_NOOP("SelectionForm", "Чертежи 2D"),
     ids::kActuatorResultCaption, true, kDisabled},
    {ids::kActuatorDrawing3d, Button, QT_TRANSLATE_NOOP("SelectionForm", "Чертежи 3D"),
     ids::kActuatorResultCaption, true, kDisabled},
    {ids::kControllerDescription, Button,
     QT_TRANSLATE_NOOP("SelectionForm", "Техническая информация"), ids::kControllerResultCaption,
     true, kDisabled},
    {ids::kControllerDrawing2d, Button, QT_TRANSLATE_NOOP("SelectionForm", "Чертежи 2D"),
     ids::kControllerResultCaption, true, kDisabled},
    {ids::kControllerDrawing3d, Button, QT_TRANSLATE_NOOP("SelectionForm", "Чертежи 3D"),
     ids::kControllerResultCaption, true, kDisabled},
    {ids::kOpen, Button, QT_TRANSLATE_NOOP("SelectionForm", "Открыть")},
    {ids::kSaveAs, Button, QT_TRANSLATE_NOOP("SelectionForm", "Сохранить как")},
    {ids::kExportWord, Button, QT_TRANSLATE_NOOP("SelectionForm", "Экспорт в MS Word")},
    {ids::kSendMail, Button, QT_TRANSLATE_NOOP("SelectionForm", "Отправить e-mail")},
    {ids::kPrint, Button, QT_TRANSLATE_NOOP("SelectionForm", "Печать")},
    {ids::kProjectWindow, Button, QT_TRANSLATE_NOOP("SelectionForm", "Проект")},
    {ids::kCheckUpdate, Button, QT_TRANSLATE_NOOP("SelectionForm", "Проверить обновление")},
    {ids::kExit, Button, QT_TRANSLATE_NOOP("SelectionForm", "Выход")},
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

QString ControlText(const ControlEntry& entry) {
  if (entry.text[0] == '\0') return {};
  return QCoreApplication::translate(kFormTextContext, entry.text);
}

const ControlEntry* FindControlEntry(int id) {
  for (const ControlEntry& entry : kInventory) {
    if (entry.id == id) return &entry;
  }
  return nullptr;
}

void DefineFormControls(HeadlessControls& controls) {
  for (const ControlEntry& entry : kInventory) {
    controls.Define(entry.id, entry.kind, ControlText(entry));
    controls.Show(entry.id, entry.shownAtStart);
    controls.Enable(entry.id, entry.enabledAtStart);
  }
  for (const std::vector<int>& group : FormRadioGroups()) controls.DefineRadioGroup(group);
}

}  // namespace selvio
