#pragma once

#include "platform/control_ids.h"
#include "platform/headless_controls.h"

#include <initializer_list>

namespace selvio::bench {

// A headless form asking for a flanged two-way valve for water: P1 6 bar, P2 3 bar, 90 °C,
// ΔP 0.25 bar, G 10 m³/h (Kv 20), with every unit list on its first entry; `alsoChecked` are
// further radios to check (an actuator kind and its options, say).
inline void SetUpWaterRequest(HeadlessControls& controls, std::initializer_list<int> alsoChecked) {
  for (int list : {ids::kP1Unit, ids::kP2Unit, ids::kDropUnit, ids::kSettingUnit, ids::kFlowUnit}) {
    controls.AppendListEntry(list, "unit");
    controls.SelectListEntry(list, 0);
  }
  for (int id : {ids::kControlValve, ids::kWater, ids::kFlanged, ids::kTwoWay}) {
    controls.SetChecked(id, true);
  }
  for (int id : alsoChecked) controls.SetChecked(id, true);
  controls.SetText(ids::kP1, "6");
  controls.SetText(ids::kP2, "3");
  controls.SetText(ids::kTemperature, "90");
  controls.SetText(ids::kDrop, "0.25");
  controls.SetText(ids::kFlow, "10");
}

}  // namespace selvio::bench
