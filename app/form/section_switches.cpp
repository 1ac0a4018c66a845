#include "app/form/section_switches.h"

#include <initializer_list>

#include "app/form/control_ids.h"

namespace selvio {
namespace {

void EnableAll(FormControls& controls, std::initializer_list<int> list, bool enabled) {
  for (int id : list) controls.Enable(id, enabled);
}

void ShowAll(FormControls& controls, std::initializer_list<int> list, bool shown) {
  for (int id : list) controls.Show(id, shown);
}

// Shows the picture of the state (available, on) out of the four and hides the others.
void ShowSwitchPicture(FormControls& controls, bool available, bool on, int ticked, int empty,
                       int greyedTicked, int greyedEmpty) {
  const int shown = available ? (on ? ticked : empty) : (on ? greyedTicked : greyedEmpty);
  for (int picture : {ticked, empty, greyedTicked, greyedEmpty}) {
    controls.Show(picture, picture == shown);
  }
}

void EnableControllerColumn(FormControls& controls, bool enabled) {
  EnableAll(
      controls,
      {ids::kControllerOneCircuit, ids::kControllerHotWaterAndHeating, ids::kControllerTwoHeating,
       ids::kHeatCarrierSensors, ids::kOutdoorSensors, ids::kRoomSensors},
      enabled);
}

}  // namespace

void RefreshActuatorSwitch(FormControls& controls, const FormState& state) {
  ShowSwitchPicture(controls, state.actuatorSectionAvailable != 0, state.actuatorSectionOn != 0,
                    ids::kActuatorTicked, ids::kActuatorEmpty, ids::kActuatorGreyedTicked,
                    ids::kActuatorGreyedEmpty);
}

void RefreshControllerSwitch(FormControls& controls, const FormState& state) {
  ShowSwitchPicture(controls, state.controllerSectionAvailable != 0, state.controllerSectionOn != 0,
                    ids::kControllerTicked, ids::kControllerEmpty, ids::kControllerGreyedTicked,
                    ids::kControllerGreyedEmpty);
}

void ApplyActuatorSection(FormControls& controls, FormState& state) {
  const bool on = state.actuatorSectionOn != 0;
  EnableAll(controls,
            {ids::kThreePoint, ids::kAnalogue, ids::kVoltage24, ids::kVoltage220, ids::kSignalType,
             ids::kLimitSwitches, ids::kPotentiometer, ids::kSpringReturn, ids::kHeater},
            on);
  if (on && controls.IsChecked(ids::kThreePoint)) controls.Enable(ids::kSignalType, false);
  EnableAll(
      controls,
      {ids::kMaintainedTemperature, ids::kRodElement, ids::kSpiralElement, ids::kCopperElement,
       ids::kStainlessElement, ids::kCopperCapillary, ids::kPvcCapillary, ids::kStainlessCapillary,
       ids::kCapillaryLength, ids::kPositionerPZ1, ids::kPositionerPZ2, ids::kNormallyOpen,
       ids::kNormallyClosed, ids::kElectric, ids::kPneumatic, ids::kThermostat},
      on);
  if (controls.IsChecked(ids::kElectric)) {
    state.controllerSectionAvailable = on ? 1 : 0;
    RefreshControllerSwitch(controls, state);
    if (on) {
      ApplyControllerSection(controls, state);
    } else {
      EnableControllerColumn(controls, false);
    }
  } else {
    state.controllerSectionAvailable = 0;
    RefreshControllerSwitch(controls, state);
  }
}

void ApplyControllerSection(FormControls& controls, const FormState& state) {
  EnableControllerColumn(controls, state.controllerSectionOn != 0);
}

void SetActuatorSection(FormControls& controls, FormState& state, bool on) {
  state.actuatorSectionOn = on ? 1 : 0;
  RefreshActuatorSwitch(controls, state);
  ApplyActuatorSection(controls, state);
}

void SetControllerSection(FormControls& controls, FormState& state, bool on) {
  state.controllerSectionOn = on ? 1 : 0;
  RefreshControllerSwitch(controls, state);
  ApplyControllerSection(controls, state);
}

void ShowElectricGroup(FormControls& controls, bool shown) {
  ShowAll(controls,
          {ids::kControlSignalCaption, ids::kThreePoint, ids::kAnalogue, ids::kVoltageCaption,
           ids::kVoltage24, ids::kVoltage220, ids::kSignalTypeCaption, ids::kSignalType,
           ids::kOptionsCaption, ids::kLimitSwitches, ids::kPotentiometer, ids::kSpringReturn,
           ids::kHeater},
          shown);
}

void ShowThermostatGroup(FormControls& controls, bool shown) {
  ShowAll(controls,
          {ids::kMaintainedTemperatureCaption, ids::kMaintainedTemperature,
           ids::kMaintainedTemperatureUnit, ids::kElementTypeCaption, ids::kRodElement,
           ids::kSpiralElement, ids::kElementMetalCaption, ids::kCopperElement,
           ids::kStainlessElement, ids::kCapillaryMetalCaption, ids::kCopperCapillary,
           ids::kPvcCapillary, ids::kStainlessCapillary, ids::kCapillaryLengthCaption,
           ids::kCapillaryLength, ids::kCapillaryLengthUnit},
          shown);
}

void ShowPneumaticGroup(FormControls& controls, bool shown) {
  ShowAll(controls,
          {ids::kPositionerCaption, ids::kPositionerPZ1, ids::kPositionerPZ2,
           ids::kNormalPositionCaption, ids::kNormallyOpen, ids::kNormallyClosed},
          shown);
}

void FillCapillaryLengths(FormControls& controls, const CapillaryLengthList& lengths) {
  controls.ClearList(ids::kCapillaryLength);
  for (int i = 0; i < lengths.count; ++i) {
    controls.AppendListEntry(ids::kCapillaryLength, lengths.labels[static_cast<std::size_t>(i)]);
  }
  controls.SelectListEntry(ids::kCapillaryLength, 0);
}

}  // namespace selvio
