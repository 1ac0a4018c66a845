#include "app/window/form_placement.h"

#include <array>

#include "app/form/control_ids.h"
#include "app/form/fixed_text_ids.h"

namespace selvio {
namespace {

using enum FormArea;
constexpr PlacementGroup kNone = PlacementGroup::None;
constexpr PlacementGroup kElectric = PlacementGroup::Electric;
constexpr PlacementGroup kThermostat = PlacementGroup::Thermostat;
constexpr PlacementGroup kPneumatic = PlacementGroup::Pneumatic;

// The regulator column's grid has five cells a row: caption, first choice, value, unit,
// button; a caption of a value spans the first two and may take two lines. Its other columns
// have four: caption, value, unit, button. The actuator groups all start at row 4 of their
// column. Controls that the mode rules never show together share a place: the balanced check
// box (control valves only) and the setting (regulators only).
constexpr auto kPlacement = std::to_array<Placement>({
    // Column "Подбор регулятора".
    {ids::kRegulatorHeader, RegulatorColumn, kNone, 0, 0},
    {ids::kRegulatorColumnCaption, RegulatorColumn, kNone, 0, 1, 4},
    {ids::kProductTypeCaption, RegulatorColumn, kNone, 1, 0},
    {ids::kControlValve, RegulatorColumn, kNone, 1, 1, 4},
    {ids::kDpRegulator, RegulatorColumn, kNone, 2, 1, 4},
    {ids::kReducingValve, RegulatorColumn, kNone, 3, 1, 4},
    {ids::kMediumCaption, RegulatorColumn, kNone, 4, 0},
    {ids::kWater, RegulatorColumn, kNone, 4, 1},
    {ids::kSteam, RegulatorColumn, kNone, 4, 2},
    {ids::kGlycol, RegulatorColumn, kNone, 4, 3, 2},
    {ids::kConnectionCaption, RegulatorColumn, kNone, 5, 0},
    {ids::kFlanged, RegulatorColumn, kNone, 5, 1, 2},
    {ids::kThreaded, RegulatorColumn, kNone, 5, 3, 2},
    {ids::kExecutionCaption, RegulatorColumn, kNone, 6, 0},
    {ids::kTwoWay, RegulatorColumn, kNone, 6, 1, 2},
    {ids::kThreeWay, RegulatorColumn, kNone, 6, 3, 2},
    {ids::kThreeWayUseCaption, RegulatorColumn, kNone, 7, 0},
    {ids::kMixing, RegulatorColumn, kNone, 7, 1, 2},
    {ids::kDiverting, RegulatorColumn, kNone, 7, 3, 2},
    {ids::kBalanced, RegulatorColumn, kNone, 8, 0, 5},
    {ids::kSettingCaption, RegulatorColumn, kNone, 8, 0, 2},
    {ids::kSetting, RegulatorColumn, kNone, 8, 2},
    {ids::kSettingUnit, RegulatorColumn, kNone, 8, 3},
    {ids::kUseSafetyFactor, RegulatorColumn, kNone, 9, 0, 3},
    {ids::kSafetyFactor, RegulatorColumn, kNone, 9, 3},
    {ids::kCheckCavitation, RegulatorColumn, kNone, 10, 0, 5},
    {ids::kDensityCaption, RegulatorColumn, kNone, 11, 0, 2},
    {ids::kDensity, RegulatorColumn, kNone, 11, 2},
    {ids::kDensityUnit, RegulatorColumn, kNone, 11, 3},
    {ids::kDensityCalc, RegulatorColumn, kNone, 11, 4},
    {ids::kP1Caption, RegulatorColumn, kNone, 12, 0, 2},
    {ids::kP1, RegulatorColumn, kNone, 12, 2},
    {ids::kP1Unit, RegulatorColumn, kNone, 12, 3},
    {ids::kP2Caption, RegulatorColumn, kNone, 13, 0, 2},
    {ids::kP2, RegulatorColumn, kNone, 13, 2},
    {ids::kP2Unit, RegulatorColumn, kNone, 13, 3},
    {ids::kTemperatureCaption, RegulatorColumn, kNone, 14, 0, 2},
    {ids::kTemperature, RegulatorColumn, kNone, 14, 2},
    {ids::kTemperatureUnit, RegulatorColumn, kNone, 14, 3},
    {ids::kDropCaption, RegulatorColumn, kNone, 15, 0, 2},
    {ids::kDrop, RegulatorColumn, kNone, 15, 2},
    {ids::kDropUnit, RegulatorColumn, kNone, 15, 3},
    {ids::kFlowCaption, RegulatorColumn, kNone, 16, 0, 2},
    {ids::kFlow, RegulatorColumn, kNone, 16, 2},
    {ids::kFlowUnit, RegulatorColumn, kNone, 16, 3},
    {ids::kFlowCalc, RegulatorColumn, kNone, 16, 4},

    // Column "Подбор привода": the four header pictures share one cell.
    {ids::kActuatorTicked, ActuatorColumn, kNone, 0, 0},
    {ids::kActuatorEmpty, ActuatorColumn, kNone, 0, 0},
    {ids::kActuatorGreyedTicked, ActuatorColumn, kNone, 0, 0},
    {ids::kActuatorGreyedEmpty, ActuatorColumn, kNone, 0, 0},
    {ids::kActuatorColumnCaption, ActuatorColumn, kNone, 0, 1, 3},
    {ids::kActuatorKindCaption, ActuatorColumn, kNone, 1, 0},
    {ids::kElectric, ActuatorColumn, kNone, 1, 1, 3},
    {ids::kThermostat, ActuatorColumn, kNone, 2, 1, 3},
    {ids::kPneumatic, ActuatorColumn, kNone, 3, 1, 3},
    {ids::kControlSignalCaption, ActuatorColumn, kElectric, 4, 0, 4},
    {ids::kThreePoint, ActuatorColumn, kElectric, 5, 0, 2},
    {ids::kAnalogue, ActuatorColumn, kElectric, 5, 2, 2},
    {ids::kVoltageCaption, ActuatorColumn, kElectric, 6, 0, 4},
    {ids::kVoltage24, ActuatorColumn, kElectric, 7, 0, 2},
    {ids::kVoltage220, ActuatorColumn, kElectric, 7, 2, 2},
    {ids::kSignalTypeCaption, ActuatorColumn, kElectric, 8, 0, 2},
    {ids::kSignalType, ActuatorColumn, kElectric, 8, 2, 2},
    {ids::kOptionsCaption, ActuatorColumn, kElectric, 9, 0, 4},
    {ids::kLimitSwitches, ActuatorColumn, kElectric, 10, 0, 4},
    {ids::kPotentiometer, ActuatorColumn, kElectric, 11, 0, 4},
    {ids::kSpringReturn, ActuatorColumn, kElectric, 12, 0, 4},
    {ids::kHeater, ActuatorColumn, kElectric, 13, 0, 4},
    {ids::kMaintainedTemperatureCaption, ActuatorColumn, kThermostat, 4, 0, 2},
    {ids::kMaintainedTemperature, ActuatorColumn, kThermostat, 4, 2},
    {ids::kMaintainedTemperatureUnit, ActuatorColumn, kThermostat, 4, 3},
    {ids::kElementTypeCaption, ActuatorColumn, kThermostat, 5, 0, 4},
    {ids::kRodElement, ActuatorColumn, kThermostat, 6, 0, 4},
    {ids::kSpiralElement, ActuatorColumn, kThermostat, 7, 0, 4},
    {ids::kElementMetalCaption, ActuatorColumn, kThermostat, 8, 0, 4},
    {ids::kCopperElement, ActuatorColumn, kThermostat, 9, 0, 2},
    {ids::kStainlessElement, ActuatorColumn, kThermostat, 9, 2, 2},
    {ids::kCapillaryMetalCaption, ActuatorColumn, kThermostat, 10, 0, 4},
    {ids::kCopperCapillary, ActuatorColumn, kThermostat, 11, 0},
    {ids::kPvcCapillary, ActuatorColumn, kThermostat, 11, 1},
    {ids::kStainlessCapillary, ActuatorColumn, kThermostat, 11, 2, 2},
    {ids::kCapillaryLengthCaption, ActuatorColumn, kThermostat, 12, 0, 2},
    {ids::kCapillaryLength, ActuatorColumn, kThermostat, 12, 2},
    {ids::kCapillaryLengthUnit, ActuatorColumn, kThermostat, 12, 3},
    {ids::kPositionerCaption, ActuatorColumn, kPneumatic, 4, 0, 4},
    {ids::kPositionerPZ1, ActuatorColumn, kPneumatic, 5, 0, 2},
    {ids::kPositionerPZ2, ActuatorColumn, kPneumatic, 5, 2, 2},
    {ids::kNormalPositionCaption, ActuatorColumn, kPneumatic, 6, 0, 4},
    {ids::kNormallyOpen, ActuatorColumn, kPneumatic, 7, 0, 4},
    {ids::kNormallyClosed, ActuatorColumn, kPneumatic, 8, 0, 4},

    // Column "Подбор автоматики"; a sensor line is name, count, "шт." and caption.
    {ids::kControllerEmpty, ControllerColumn, kNone, 0, 0},
    {ids::kControllerTicked, ControllerColumn, kNone, 0, 0},
    {ids::kControllerGreyedEmpty, ControllerColumn, kNone, 0, 0},
    {ids::kControllerGreyedTicked, ControllerColumn, kNone, 0, 0},
    {ids::kControllerColumnCaption, ControllerColumn, kNone, 0, 1, 3},
    {ids::kControllerModelCaption, ControllerColumn, kNone, 1, 0, 4},
    {ids::kControllerVariantCaption, ControllerColumn, kNone, 2, 0, 4},
    {ids::kControllerOneCircuit, ControllerColumn, kNone, 3, 0, 4},
    {ids::kControllerHotWaterAndHeating, ControllerColumn, kNone, 4, 0, 4},
    {ids::kControllerTwoHeating, ControllerColumn, kNone, 5, 0, 4},
    {ids::kSensorsCaption, ControllerColumn, kNone, 6, 0, 4},
    {ids::kHeatCarrierSensorName, ControllerColumn, kNone, 7, 0},
    {ids::kHeatCarrierSensors, ControllerColumn, kNone, 7, 1},
    {ids::kHeatCarrierSensorUnit, ControllerColumn, kNone, 7, 2},
    {ids::kHeatCarrierSensorCaption, ControllerColumn, kNone, 7, 3},
    {ids::kOutdoorSensorName, ControllerColumn, kNone, 8, 0},
    {ids::kOutdoorSensors, ControllerColumn, kNone, 8, 1},
    {ids::kOutdoorSensorUnit, ControllerColumn, kNone, 8, 2},
    {ids::kOutdoorSensorCaption, ControllerColumn, kNone, 8, 3},
    {ids::kRoomSensorName, ControllerColumn, kNone, 9, 0},
    {ids::kRoomSensors, ControllerColumn, kNone, 9, 1},
    {ids::kRoomSensorUnit, ControllerColumn, kNone, 9, 2},
    {ids::kRoomSensorCaption, ControllerColumn, kNone, 9, 3},

    // Result areas: the label blocks of one area share a cell, as do its value blocks.
    {ids::kRegulatorResultCaption, RegulatorResult, kNone, 0, 0, 3},
    {ids::kValveLabels, RegulatorResult, kNone, 1, 0},
    {ids::kDpRegulatorLabels, RegulatorResult, kNone, 1, 0},
    {ids::kReducingValveLabels, RegulatorResult, kNone, 1, 0},
    {ids::kRegulatorValues, RegulatorResult, kNone, 1, 1, 2},
    {ids::kRegulatorDescription, RegulatorResult, kNone, 2, 0},
    {ids::kRegulatorDrawing2d, RegulatorResult, kNone, 2, 1},
    {ids::kRegulatorDrawing3d, RegulatorResult, kNone, 2, 2},
    {ids::kActuatorResultCaption, ActuatorResult, kNone, 0, 0, 3},
    {ids::kElectricLabels, ActuatorResult, kElectric, 1, 0},
    {ids::kElectricValues, ActuatorResult, kElectric, 1, 1, 2},
    {ids::kPneumaticLabels, ActuatorResult, kPneumatic, 1, 0},
    {ids::kPneumaticValues, ActuatorResult, kPneumatic, 1, 1, 2},
    {ids::kThermostatLabels, ActuatorResult, kThermostat, 1, 0},
    {ids::kThermostatValues, ActuatorResult, kThermostat, 1, 1, 2},
    {ids::kActuatorDescription, ActuatorResult, kNone, 2, 0},
    {ids::kActuatorDrawing2d, ActuatorResult, kNone, 2, 1},
    {ids::kActuatorDrawing3d, ActuatorResult, kNone, 2, 2},
    {ids::kControllerResultCaption, ControllerResult, kNone, 0, 0, 3},
    {ids::kControllerLabels, ControllerResult, kNone, 1, 0},
    {ids::kControllerValues, ControllerResult, kNone, 1, 1, 2},
    {ids::kControllerDescription, ControllerResult, kNone, 2, 0},
    {ids::kControllerDrawing2d, ControllerResult, kNone, 2, 1},
    {ids::kControllerDrawing3d, ControllerResult, kNone, 2, 2},
    {ids::kCalculatedDataCaption, CalculatedData, kNone, 0, 0, 2},
    {ids::kCalculatedDataLabels, CalculatedData, kNone, 1, 0},
    {ids::kCalculatedData, CalculatedData, kNone, 1, 1},

    // The command strip on the right, top to bottom.
    {ids::kCalculate, Commands, kNone, 0, 0},
    {ids::kOtherConfiguration, Commands, kNone, 1, 0},
    {ids::kCheckWindow, Commands, kNone, 2, 0},
    {ids::kOpen, Commands, kNone, 3, 0},
    {ids::kSaveAs, Commands, kNone, 4, 0},
    {ids::kExportWord, Commands, kNone, 5, 0},
    {ids::kSendMail, Commands, kNone, 6, 0},
    {ids::kPrint, Commands, kNone, 7, 0},
    {ids::kProjectWindow, Commands, kNone, 8, 0},
    {ids::kCheckUpdate, Commands, kNone, 9, 0},
    {ids::kExit, Commands, kNone, 10, 0},
    // Rows 11 and 12 are the window's own (the language choice), row 13 stretches: the logo
    // sits at the lower right, where the screen shows it.
    {ids::kLogo, Commands, kNone, 14, 0},

    // The banner along the bottom edge.
    {ids::kBanner, Bottom, kNone, 0, 0},
});

}  // namespace

std::span<const Placement> FormPlacement() { return kPlacement; }

int AreaTitleId(FormArea area) {
  switch (area) {
    case RegulatorColumn:
      return ids::kRegulatorColumnCaption;
    case ActuatorColumn:
      return ids::kActuatorColumnCaption;
    case ControllerColumn:
      return ids::kControllerColumnCaption;
    case RegulatorResult:
      return ids::kRegulatorResultCaption;
    case ActuatorResult:
      return ids::kActuatorResultCaption;
    case ControllerResult:
      return ids::kControllerResultCaption;
    case CalculatedData:
      return ids::kCalculatedDataCaption;
    case Commands:
    case Bottom:
      return 0;
  }
  return 0;
}

int GroupTitleId(PlacementGroup group) {
  switch (group) {
    case PlacementGroup::Electric:
      return ids::kElectric;
    case PlacementGroup::Thermostat:
      return ids::kThermostat;
    case PlacementGroup::Pneumatic:
      return ids::kPneumatic;
    case PlacementGroup::None:
      return 0;
  }
  return 0;
}

}  // namespace selvio
