#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "app/form/selection_form.h"
#include "catalogue/catalogue_records.h"
#include "engine/selection.h"
#include "engine/sizing_context.h"
#include "platform/control_ids.h"
#include "platform/headless_controls.h"

namespace selvio::test {

// A headless form for driving the engine: unit lists with three entries each (entry 0 chosen),
// the signal list with four, and a water control-valve request that the tests then adjust.
struct EngineFixture {
  HeadlessControls controls;
  std::unique_ptr<Catalogue> catalogue = std::make_unique<Catalogue>();
  SaturationTable saturation;
  SelectionRequest request;
  std::unique_ptr<SelectionResult> result = std::make_unique<SelectionResult>();
  bool actuatorSectionOn = false;

  EngineFixture() {
    for (int list :
         {ids::kP1Unit, ids::kP2Unit, ids::kDropUnit, ids::kSettingUnit, ids::kFlowUnit}) {
      for (const char* entry : {"a", "b", "c"}) controls.AppendListEntry(list, entry);
      controls.SelectListEntry(list, 0);
    }
    for (const char* entry : {"0-10", "2-10", "0-20", "4-20"}) {
      controls.AppendListEntry(ids::kSignalType, entry);
    }
    Check(ids::kControlValve);
    Check(ids::kWater);
    Check(ids::kFlanged);
    Check(ids::kTwoWay);
    Type(ids::kP1, "6");
    Type(ids::kP2, "3");
    Type(ids::kTemperature, "90");
    Type(ids::kDrop, "0.25");
    Type(ids::kFlow, "10");
    Type(ids::kSafetyFactor, "1");
    Type(ids::kDensity, "1040");
    Type(ids::kSetting, "1");
  }

  SelectionForm Form() {
    return {controls, *catalogue, saturation, request, *result, actuatorSectionOn, nullptr};
  }

  // The engine's view of the fixture's request, catalogue and result.
  SizingContext Context() { return {request, *catalogue, *result}; }

  void Type(int id, const QString& text) { controls.SetText(id, text); }
  void Check(int id, bool checked = true) { controls.SetChecked(id, checked); }
  // Checks `id` and unchecks the other ids of its group, as a click would.
  void Choose(int id, std::initializer_list<int> group) {
    for (int other : group) controls.SetChecked(other, false);
    controls.SetChecked(id, true);
  }
  void ChooseMedium(int id) { Choose(id, {ids::kWater, ids::kGlycol, ids::kSteam}); }
  void ChooseProduct(int id) {
    Choose(id, {ids::kControlValve, ids::kDpRegulator, ids::kReducingValve});
  }
  void SelectUnit(int list, int index) { controls.SelectListEntry(list, index); }
};

// A flanged two-way valve for water, glycol and steam, rated 16 bar / 150 °C.
inline ValveRecord MakeValve(const QString& name, float dn, float kvs) {
  ValveRecord v;
  v.name = name;
  v.dnText = QString::number(static_cast<double>(dn));
  v.dn = dn;
  v.connection = kFlanged;
  v.valveKind = kTwoWay;
  v.kvs = kvs;
  v.maxPressure = 16;
  v.maxTemperature = 150;
  v.forWater = v.forGlycol = v.forSteam = 1;
  return v;
}

inline std::vector<QString> CandidateNames(const SelectionResult& result) {
  std::vector<QString> names;
  for (int i = 0; i < result.valveCandidateCount; ++i) {
    names.push_back(result.valveCandidates[static_cast<std::size_t>(i)].valve.name);
  }
  return names;
}

}  // namespace selvio::test
