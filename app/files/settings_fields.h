#pragma once

// The fields of a SettingsRecord in layout order, each with its byte offset in the files and
// the name the project files give it.
namespace selvio {

struct SettingsFieldPlace {
  int offset;        // bytes from the start of the record
  const char* name;  // a readable name, unique within the record
};

// Calls `visit(place, field)` for every field of `record` (a SettingsRecord, const or not) in
// layout order; a field is a std::int32_t or a TextField.
template <class Record, class Visitor>
void ForEachSettingsField(Record& r, Visitor&& visit) {
  visit(SettingsFieldPlace{0, "medium"}, r.medium);
  visit(SettingsFieldPlace{4, "connection"}, r.connection);
  visit(SettingsFieldPlace{8, "execution"}, r.execution);
  visit(SettingsFieldPlace{12, "three_way_use"}, r.threeWayUse);
  visit(SettingsFieldPlace{16, "density"}, r.density);
  visit(SettingsFieldPlace{216, "p1"}, r.p1);
  visit(SettingsFieldPlace{416, "p2"}, r.p2);
  visit(SettingsFieldPlace{616, "temperature"}, r.temperature);
  visit(SettingsFieldPlace{816, "drop"}, r.drop);
  visit(SettingsFieldPlace{1016, "setting"}, r.setting);
  visit(SettingsFieldPlace{1216, "flow"}, r.flow);
  visit(SettingsFieldPlace{1416, "use_safety_factor"}, r.useSafetyFactor);
  visit(SettingsFieldPlace{1420, "safety_factor"}, r.safetyFactor);
  visit(SettingsFieldPlace{1620, "check_cavitation"}, r.checkCavitation);
  visit(SettingsFieldPlace{1624, "actuator_section_on"}, r.actuatorSectionOn);
  visit(SettingsFieldPlace{1628, "actuator_kind"}, r.actuatorKind);
  visit(SettingsFieldPlace{1632, "p1_unit"}, r.p1Unit);
  visit(SettingsFieldPlace{1636, "p2_unit"}, r.p2Unit);
  visit(SettingsFieldPlace{1640, "temperature_unit"}, r.temperatureUnit);
  visit(SettingsFieldPlace{1644, "drop_unit"}, r.dropUnit);
  visit(SettingsFieldPlace{1648, "flow_unit"}, r.flowUnit);
  visit(SettingsFieldPlace{1652, "setting_unit"}, r.settingUnit);
  visit(SettingsFieldPlace{1656, "control_signal"}, r.controlSignal);
  visit(SettingsFieldPlace{1660, "supply_voltage"}, r.supplyVoltage);
  visit(SettingsFieldPlace{1664, "signal_type"}, r.signalType);
  visit(SettingsFieldPlace{1668, "limit_switches"}, r.limitSwitches);
  visit(SettingsFieldPlace{1672, "potentiometer"}, r.potentiometer);
  visit(SettingsFieldPlace{1676, "spring_return"}, r.springReturn);
  visit(SettingsFieldPlace{1680, "heater"}, r.heater);
  visit(SettingsFieldPlace{1684, "maintained_temperature"}, r.maintainedTemperature);
  visit(SettingsFieldPlace{1884, "element_type"}, r.elementType);
  visit(SettingsFieldPlace{1888, "element_metal"}, r.elementMetal);
  visit(SettingsFieldPlace{1892, "capillary_metal"}, r.capillaryMetal);
  visit(SettingsFieldPlace{1896, "capillary_length"}, r.capillaryLength);
  visit(SettingsFieldPlace{1900, "positioner"}, r.positioner);
  visit(SettingsFieldPlace{1904, "normal_position"}, r.normalPosition);
  visit(SettingsFieldPlace{1908, "controller_variant"}, r.controllerVariant);
  visit(SettingsFieldPlace{1912, "heat_carrier_sensors"}, r.heatCarrierSensors);
  visit(SettingsFieldPlace{2112, "outdoor_sensors"}, r.outdoorSensors);
  visit(SettingsFieldPlace{2312, "room_sensors"}, r.roomSensors);
  visit(SettingsFieldPlace{2512, "controller_section_on"}, r.controllerSectionOn);
  visit(SettingsFieldPlace{2516, "calc_supply_temperature"}, r.calcSupplyTemperature);
  visit(SettingsFieldPlace{2716, "calc_return_temperature"}, r.calcReturnTemperature);
  visit(SettingsFieldPlace{2916, "calc_heat_power"}, r.calcHeatPower);
  visit(SettingsFieldPlace{3116, "product_type"}, r.productType);
  visit(SettingsFieldPlace{3120, "balanced_only"}, r.balancedOnly);
}

}  // namespace selvio
