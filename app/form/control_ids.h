#pragma once

#include "platform/dialog_keys.h"

// Numeric identifiers of the selection form's controls (see platform/form_controls.h).
namespace selvio::ids {

// Column "Подбор регулятора".
inline constexpr int kControlValve = 1104;
inline constexpr int kDpRegulator = 1105;
inline constexpr int kReducingValve = 1106;
inline constexpr int kWater = 1000;
inline constexpr int kGlycol = 1001;
inline constexpr int kSteam = 1002;
inline constexpr int kFlanged = 1004;
inline constexpr int kThreaded = 1005;
inline constexpr int kTwoWay = 1006;
inline constexpr int kThreeWay = 1007;
inline constexpr int kMixing = 1008;
inline constexpr int kDiverting = 1009;
inline constexpr int kBalanced = 1123;
inline constexpr int kUseSafetyFactor = 1021;
inline constexpr int kSafetyFactor = 1022;
inline constexpr int kCheckCavitation = 1023;
inline constexpr int kDensityCaption = 1074;
inline constexpr int kDensity = 1073;
inline constexpr int kDensityUnit = 1075;
inline constexpr int kDensityCalc = 1058;
inline constexpr int kP1 = 1010;
inline constexpr int kP1Unit = 1011;
inline constexpr int kP2Caption = 1124;
inline constexpr int kP2 = 1012;
inline constexpr int kP2Unit = 1013;
inline constexpr int kTemperature = 1014;
inline constexpr int kTemperatureUnit = 1015;
inline constexpr int kDropCaption = 1138;
inline constexpr int kDrop = 1016;
inline constexpr int kDropUnit = 1017;
inline constexpr int kSettingCaption = 1108;
inline constexpr int kSetting = 1024;
inline constexpr int kSettingUnit = 1025;
inline constexpr int kFlow = 1018;
inline constexpr int kFlowUnit = 1019;
inline constexpr int kFlowCalc = 1020;

// Column "Подбор привода".
inline constexpr int kElectric = 1027;
inline constexpr int kThermostat = 1028;
inline constexpr int kPneumatic = 1029;
inline constexpr int kControlSignalCaption = 1030;
inline constexpr int kThreePoint = 1031;
inline constexpr int kAnalogue = 1032;
inline constexpr int kVoltageCaption = 1033;
inline constexpr int kVoltage24 = 1034;
inline constexpr int kVoltage220 = 1035;
inline constexpr int kSignalTypeCaption = 1036;
inline constexpr int kSignalType = 1037;
inline constexpr int kOptionsCaption = 1038;
inline constexpr int kLimitSwitches = 1039;
inline constexpr int kPotentiometer = 1040;
inline constexpr int kSpringReturn = 1041;
inline constexpr int kHeater = 1042;
inline constexpr int kMaintainedTemperatureCaption = 1043;
inline constexpr int kMaintainedTemperature = 1044;
inline constexpr int kMaintainedTemperatureUnit = 1045;
inline constexpr int kElementTypeCaption = 1046;
inline constexpr int kRodElement = 1047;
inline constexpr int kSpiralElement = 1048;
inline constexpr int kElementMetalCaption = 1052;
inline constexpr int kCopperElement = 1049;
inline constexpr int kStainlessElement = 1051;
inline constexpr int kCapillaryMetalCaption = 1053;
inline constexpr int kCopperCapillary = 1054;
inline constexpr int kPvcCapillary = 1055;
inline constexpr int kStainlessCapillary = 1056;
inline constexpr int kCapillaryLengthCaption = 1057;
inline constexpr int kCapillaryLength = 1076;
inline constexpr int kCapillaryLengthUnit = 1059;
inline constexpr int kPositionerCaption = 1060;
inline constexpr int kPositionerPZ1 = 1061;
inline constexpr int kPositionerPZ2 = 1062;
inline constexpr int kNormalPositionCaption = 1063;
inline constexpr int kNormallyOpen = 1064;
inline constexpr int kNormallyClosed = 1065;

// Column "Подбор автоматики".
inline constexpr int kControllerOneCircuit = 1066;
inline constexpr int kControllerHotWaterAndHeating = 1067;
inline constexpr int kControllerTwoHeating = 1068;
inline constexpr int kHeatCarrierSensors = 1069;
inline constexpr int kOutdoorSensors = 1070;
inline constexpr int kRoomSensors = 1071;

// Section header pictures.
inline constexpr int kRegulatorHeader = 1128;
inline constexpr int kActuatorTicked = 1129;
inline constexpr int kActuatorEmpty = 1130;
inline constexpr int kActuatorGreyedEmpty = 1131;
inline constexpr int kActuatorGreyedTicked = 1132;
inline constexpr int kControllerEmpty = 1133;
inline constexpr int kControllerTicked = 1134;
inline constexpr int kControllerGreyedEmpty = 1135;
inline constexpr int kControllerGreyedTicked = 1137;
inline constexpr int kLogo = 1127;

// Commands and results.
inline constexpr int kCalculate = 1072;
inline constexpr int kOtherConfiguration = 1090;
inline constexpr int kCheckWindow = 1140;
inline constexpr int kProjectWindow = 1141;
inline constexpr int kRegulatorValues = 1085;
inline constexpr int kValveLabels = 1086;
inline constexpr int kDpRegulatorLabels = 1098;
inline constexpr int kReducingValveLabels = 1107;
inline constexpr int kElectricLabels = 1087;
inline constexpr int kElectricValues = 1088;
inline constexpr int kThermostatLabels = 1091;
inline constexpr int kThermostatValues = 1092;
inline constexpr int kPneumaticLabels = 1093;
inline constexpr int kPneumaticValues = 1094;
inline constexpr int kControllerLabels = 1095;
inline constexpr int kControllerValues = 1096;
inline constexpr int kCalculatedData = 1089;
inline constexpr int kRegulatorDescription = 1078;
inline constexpr int kRegulatorDrawing2d = 1080;
inline constexpr int kRegulatorDrawing3d = 1082;
inline constexpr int kActuatorDescription = 1084;
inline constexpr int kActuatorDrawing2d = 1113;
inline constexpr int kActuatorDrawing3d = 1116;
inline constexpr int kControllerDescription = 1119;
inline constexpr int kControllerDrawing2d = 1122;
inline constexpr int kControllerDrawing3d = 1126;
inline constexpr int kOpen = 1109;
inline constexpr int kSaveAs = 1110;
inline constexpr int kExportWord = 1100;
inline constexpr int kSendMail = 1102;
inline constexpr int kPrint = 1103;
inline constexpr int kCheckUpdate = 1111;
inline constexpr int kExit = kOk;

}  // namespace selvio::ids
