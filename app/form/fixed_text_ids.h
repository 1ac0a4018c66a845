#pragma once

// Ids of the form's fixed texts that the logic never addresses: column headers, group captions,
// the controller's sensor lines, the area captions and the decorative banner. They are numbered
// from 2001, apart from the ids the logic uses, so the window can build and name every control
// of the form from one inventory.
namespace selvio::ids {

inline constexpr int kRegulatorColumnCaption = 2001;
inline constexpr int kProductTypeCaption = 2002;
inline constexpr int kMediumCaption = 2003;
inline constexpr int kConnectionCaption = 2004;
inline constexpr int kExecutionCaption = 2005;
inline constexpr int kThreeWayUseCaption = 2006;
inline constexpr int kP1Caption = 2007;
inline constexpr int kTemperatureCaption = 2008;
inline constexpr int kFlowCaption = 2009;
inline constexpr int kActuatorColumnCaption = 2010;
inline constexpr int kActuatorKindCaption = 2011;
inline constexpr int kControllerColumnCaption = 2012;
inline constexpr int kControllerModelCaption = 2013;
inline constexpr int kControllerVariantCaption = 2014;
inline constexpr int kSensorsCaption = 2015;
inline constexpr int kHeatCarrierSensorName = 2016;
inline constexpr int kOutdoorSensorName = 2017;
inline constexpr int kRoomSensorName = 2018;
inline constexpr int kHeatCarrierSensorUnit = 2019;
inline constexpr int kOutdoorSensorUnit = 2020;
inline constexpr int kRoomSensorUnit = 2021;
inline constexpr int kHeatCarrierSensorCaption = 2022;
inline constexpr int kOutdoorSensorCaption = 2023;
inline constexpr int kRoomSensorCaption = 2024;
inline constexpr int kRegulatorResultCaption = 2025;
inline constexpr int kActuatorResultCaption = 2026;
inline constexpr int kControllerResultCaption = 2027;
inline constexpr int kCalculatedDataCaption = 2028;
inline constexpr int kCalculatedDataLabels = 2029;
inline constexpr int kBanner = 2030;

// The first id of a fixed text; every id below it is one the logic may address.
inline constexpr int kFirstFixedText = kRegulatorColumnCaption;

}  // namespace selvio::ids
