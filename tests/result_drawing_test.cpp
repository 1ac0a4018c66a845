#include "app/form/result_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/form/control_ids.h"
#include "app/form/control_inventory.h"
#include "platform/headless_controls.h"

// What lands in which control of the form when a result view is drawn.
namespace selvio {
namespace {

const std::vector<int> kProductLabels{ids::kValveLabels, ids::kDpRegulatorLabels,
                                      ids::kReducingValveLabels};
const std::vector<int> kActuatorStatics{ids::kElectricLabels,   ids::kElectricValues,
                                        ids::kPneumaticLabels,  ids::kPneumaticValues,
                                        ids::kThermostatLabels, ids::kThermostatValues};
const std::vector<int> kActuatorValues{ids::kElectricValues, ids::kPneumaticValues,
                                       ids::kThermostatValues};
const std::vector<int> kRegulatorButtons{ids::kRegulatorDescription, ids::kRegulatorDrawing2d,
                                         ids::kRegulatorDrawing3d};
const std::vector<int> kActuatorButtons{ids::kActuatorDescription, ids::kActuatorDrawing2d,
                                        ids::kActuatorDrawing3d};
const std::vector<int> kControllerButtons{ids::kControllerDescription, ids::kControllerDrawing2d,
                                          ids::kControllerDrawing3d};

// The form's controls as the inventory defines them.
struct DrawingFixture {
  HeadlessControls controls;

  DrawingFixture() { DefineFormControls(controls); }

  std::vector<int> ShownOf(const std::vector<int>& group) const {
    std::vector<int> shown;
    for (int id : group) {
      if (controls.IsShown(id)) shown.push_back(id);
    }
    return shown;
  }
  std::vector<bool> Enabled(const std::vector<int>& buttons) const {
    std::vector<bool> enabled;
    for (int id : buttons) enabled.push_back(controls.IsEnabled(id));
    return enabled;
  }
  // Shows or hides every control of `group`, enables or disables every button of `buttons`.
  void ShowAll(const std::vector<int>& group, bool shown) {
    for (int id : group) controls.Show(id, shown);
  }
  void EnableAll(bool enabled) {
    for (const auto* buttons : {&kRegulatorButtons, &kActuatorButtons, &kControllerButtons}) {
      for (int id : *buttons) controls.Enable(id, enabled);
    }
  }
};

struct ProductLabelsCase {
  const char* name;
  ProductLabels labels;
  std::vector<int> shown;
};

class ProductLabelBlocks : public ::testing::TestWithParam<ProductLabelsCase> {};

// Each label block starts in the state opposite to the one expected, so that both showing and
// hiding are seen.
TEST_P(ProductLabelBlocks, ShowsTheBlockOfTheProductAlone) {
  const ProductLabelsCase& c = GetParam();
  DrawingFixture f;
  for (int id : kProductLabels) {
    const bool expected = std::find(c.shown.begin(), c.shown.end(), id) != c.shown.end();
    f.controls.Show(id, !expected);
  }
  f.controls.SetText(ids::kRegulatorValues, "old");
  ResultView view;
  view.productLabels = c.labels;
  view.productValues = c.labels == ProductLabels::None ? "" : "values";
  view.calculatedData = "data";
  DrawResultView(f.controls, view);
  EXPECT_EQ(f.ShownOf(kProductLabels), c.shown);
  EXPECT_EQ(f.controls.Text(ids::kRegulatorValues), view.productValues);
  EXPECT_EQ(f.controls.Text(ids::kCalculatedData), "data");
  // The value blocks of the product and of the calculated data are never hidden.
  EXPECT_TRUE(f.controls.IsShown(ids::kRegulatorValues));
  EXPECT_TRUE(f.controls.IsShown(ids::kCalculatedData));
}

INSTANTIATE_TEST_SUITE_P(
    Products, ProductLabelBlocks,
    ::testing::Values(
        ProductLabelsCase{"NothingShownClearsTheValues", ProductLabels::None, {}},
        ProductLabelsCase{"Valve", ProductLabels::Valve, {ids::kValveLabels}},
        ProductLabelsCase{"DpRegulator", ProductLabels::DpRegulator, {ids::kDpRegulatorLabels}},
        ProductLabelsCase{
            "ReducingValve", ProductLabels::ReducingValve, {ids::kReducingValveLabels}}),
    [](const auto& row) { return std::string(row.param.name); });

struct ActuatorBlockCase {
  const char* name;
  ActuatorBlock block;
  std::vector<int> shown;
};

class ActuatorBlocks : public ::testing::TestWithParam<ActuatorBlockCase> {};

TEST_P(ActuatorBlocks, ShowsTheBlockOfTheActuatorAndLeavesTheOthersTexts) {
  const ActuatorBlockCase& c = GetParam();
  DrawingFixture f;
  for (int id : kActuatorStatics) {
    const bool expected = std::find(c.shown.begin(), c.shown.end(), id) != c.shown.end();
    f.controls.Show(id, !expected);
  }
  for (int id : kActuatorValues) f.controls.SetText(id, "old " + QString::number(id));
  ResultView view;
  view.actuator = c.block;
  view.actuatorValues = "new";
  DrawResultView(f.controls, view);
  EXPECT_EQ(f.ShownOf(kActuatorStatics), c.shown);
  for (int id : kActuatorValues) {
    const bool shown = std::find(c.shown.begin(), c.shown.end(), id) != c.shown.end();
    EXPECT_EQ(f.controls.Text(id), shown ? "new" : "old " + QString::number(id)) << id;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Actuators, ActuatorBlocks,
    ::testing::Values(ActuatorBlockCase{"None", ActuatorBlock::None, {}},
                      ActuatorBlockCase{"Electric",
                                        ActuatorBlock::Electric,
                                        {ids::kElectricLabels, ids::kElectricValues}},
                      ActuatorBlockCase{"Pneumatic",
                                        ActuatorBlock::Pneumatic,
                                        {ids::kPneumaticLabels, ids::kPneumaticValues}},
                      ActuatorBlockCase{"Thermostat",
                                        ActuatorBlock::Thermostat,
                                        {ids::kThermostatLabels, ids::kThermostatValues}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ControllerBlock, ShownWithItsValuesOrHiddenWithTheTextLeft) {
  for (bool shown : {true, false}) {
    SCOPED_TRACE(shown);
    DrawingFixture f;
    f.ShowAll({ids::kControllerLabels, ids::kControllerValues}, !shown);
    f.controls.SetText(ids::kControllerValues, "old");
    ResultView view;
    view.controllerShown = shown;
    view.controllerValues = "ZR310";
    DrawResultView(f.controls, view);
    EXPECT_EQ(f.controls.IsShown(ids::kControllerLabels), shown);
    EXPECT_EQ(f.controls.IsShown(ids::kControllerValues), shown);
    EXPECT_EQ(f.controls.Text(ids::kControllerValues), shown ? "ZR310" : "old");
  }
}

// A document button is enabled only for a file name of more than one character.
TEST(DocumentButtons, EnabledOnlyForFileNamesOfMoreThanOneCharacter) {
  ResultView view;
  view.productDocuments = {"", "x", "ab"};
  view.actuatorDocuments = {"ab", "", "y"};
  view.controllerDocuments = {"z", "zr.dwg", ""};
  for (bool enabledBefore : {true, false}) {
    SCOPED_TRACE(enabledBefore);
    DrawingFixture f;
    f.EnableAll(enabledBefore);
    DrawResultView(f.controls, view);
    EXPECT_EQ(f.Enabled(kRegulatorButtons), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(f.Enabled(kActuatorButtons), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(f.Enabled(kControllerButtons), (std::vector<bool>{false, true, false}));

    // A later empty calculation disables them all again.
    DrawResultView(f.controls, ClearedResultView({}));
    for (const auto* buttons : {&kRegulatorButtons, &kActuatorButtons, &kControllerButtons}) {
      EXPECT_EQ(f.Enabled(*buttons), (std::vector<bool>{false, false, false}));
    }
  }
}

TEST(DocumentButtons, RegulatorButtonsFollowTheRegulatorsFiles) {
  DrawingFixture f;
  ResultView view;
  view.productLabels = ProductLabels::DpRegulator;
  view.productDocuments = {"afp.pdf", "afp.dwg", "-"};
  DrawResultView(f.controls, view);
  EXPECT_EQ(f.Enabled(kRegulatorButtons), (std::vector<bool>{true, true, false}));
}

// The cleared areas of a calculation's start: every block hidden, every button disabled, only
// the two value blocks shown, the product's emptied and the figures still held.
TEST(ClearedView, HidesEverythingButTheValueBlocks) {
  DrawingFixture f;
  f.ShowAll(kProductLabels, true);
  f.ShowAll(kActuatorStatics, true);
  f.ShowAll({ids::kControllerLabels, ids::kControllerValues}, true);
  f.EnableAll(true);
  f.controls.SetText(ids::kRegulatorValues, "old");
  DrawResultView(f.controls, ClearedResultView({20, 0, 0, 0.7f, 1}));
  EXPECT_EQ(f.controls.Text(ids::kRegulatorValues), "");
  EXPECT_TRUE(f.ShownOf(kProductLabels).empty());
  EXPECT_TRUE(f.ShownOf(kActuatorStatics).empty());
  EXPECT_FALSE(f.controls.IsShown(ids::kControllerLabels));
  EXPECT_FALSE(f.controls.IsShown(ids::kControllerValues));
  for (const auto* buttons : {&kRegulatorButtons, &kActuatorButtons, &kControllerButtons}) {
    EXPECT_EQ(f.Enabled(*buttons), (std::vector<bool>{false, false, false}));
  }
  EXPECT_TRUE(f.controls.IsShown(ids::kRegulatorValues));
  EXPECT_TRUE(f.controls.IsShown(ids::kCalculatedData));
  EXPECT_EQ(f.controls.Text(ids::kCalculatedData), "20.00\r\n0.00\r\n0.000000\r\n0.70");
  EXPECT_TRUE(f.controls.Messages().isEmpty());
}

}  // namespace
}  // namespace selvio
