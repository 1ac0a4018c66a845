#include <vector>

#include "app/form/units.h"
#include "form_fixture.h"

namespace selvio::test {
namespace {

class FormModeRules : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    Start();
  }
};

TEST_F(FormModeRules, FlowUnitIndexSurvivesTheMediumChange) {
  struct Row {
    const char* name;
    int index;
    const char* steamUnit;
    const char* waterUnit;
  };
  const Row rows[] = {{"л/ч becomes кг/ч", 1, "кг/ч", "л/ч"},
                      {"л/с becomes кг/с", 2, "кг/с", "л/с"},
                      {"м³/ч becomes т/ч", 0, "т/ч", "м³/ч"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Select(ids::kFlowUnit, row.index);
    Click(ids::kSteam);
    EXPECT_EQ(C().ListEntries(ids::kFlowUnit), MassFlowUnits());
    EXPECT_EQ(SelectedEntry(ids::kFlowUnit), QString::fromUtf8(row.steamUnit));
    Click(ids::kWater);
    EXPECT_EQ(C().ListEntries(ids::kFlowUnit), VolumeFlowUnits());
    EXPECT_EQ(SelectedEntry(ids::kFlowUnit), QString::fromUtf8(row.waterUnit));
  }
}

TEST_F(FormModeRules, NoFlowUnitSelectedStaysWithoutSelection) {
  Select(ids::kFlowUnit, -1);
  Click(ids::kSteam);
  EXPECT_EQ(Selected(ids::kFlowUnit), -1);
  EXPECT_EQ(C().ListEntries(ids::kFlowUnit).size(), 3);
}

TEST_F(FormModeRules, SteamForcesTwoWayAndDropsCavitationAndP2) {
  Click(ids::kThreeWay);
  Click(ids::kSteam);
  EXPECT_TRUE(Checked(ids::kTwoWay));
  EXPECT_FALSE(Checked(ids::kThreeWay));
  EXPECT_FALSE(Shown(ids::kThreeWay));
  EXPECT_FALSE(Checked(ids::kCheckCavitation));
  EXPECT_FALSE(Enabled(ids::kCheckCavitation));
  EXPECT_TRUE(Shown(ids::kCheckCavitation));
  for (int id : {ids::kP2Caption, ids::kP2, ids::kP2Unit}) EXPECT_FALSE(Shown(id)) << id;
  EXPECT_FALSE(Enabled(ids::kMixing));
  EXPECT_FALSE(Enabled(ids::kDiverting));
  EXPECT_TRUE(Enabled(ids::kBalanced));
  EXPECT_EQ(Text(ids::kDropCaption), QString::fromUtf8("Относительный перепад давления *(δ):"));

  Click(ids::kWater);
  EXPECT_TRUE(Enabled(ids::kCheckCavitation));
  EXPECT_FALSE(Checked(ids::kCheckCavitation));
  for (int id : {ids::kP2Caption, ids::kP2, ids::kP2Unit}) EXPECT_TRUE(Shown(id)) << id;
  EXPECT_TRUE(Shown(ids::kThreeWay));
  EXPECT_EQ(Text(ids::kDropCaption), QString::fromUtf8("Перепад давления на клапане *(ΔP):"));
}

TEST_F(FormModeRules, WaterShowsThreeWayOnlyForTheControlValve) {
  Click(ids::kDpRegulator);
  Click(ids::kSteam);
  Click(ids::kWater);
  EXPECT_FALSE(Shown(ids::kThreeWay));
  Click(ids::kGlycol);
  EXPECT_FALSE(Shown(ids::kThreeWay));
}

TEST_F(FormModeRules, GlycolAsksForTheDensity) {
  const int densityControls[] = {ids::kDensityCaption, ids::kDensityUnit, ids::kDensityCalc,
                                 ids::kDensity};
  Click(ids::kGlycol);
  for (int id : densityControls) EXPECT_TRUE(Shown(id)) << id;
  EXPECT_TRUE(Enabled(ids::kDensity));
  for (int medium : {ids::kWater, ids::kSteam}) {
    Click(ids::kGlycol);
    Click(medium);
    for (int id : densityControls) EXPECT_FALSE(Shown(id)) << medium << " " << id;
    EXPECT_FALSE(Enabled(ids::kDensity)) << medium;
  }
}

TEST_F(FormModeRules, ThreeWayAndTwoWay) {
  Click(ids::kBalanced);
  ASSERT_TRUE(Checked(ids::kBalanced));
  Click(ids::kThreeWay);
  EXPECT_FALSE(Checked(ids::kBalanced));
  EXPECT_FALSE(Enabled(ids::kBalanced));
  EXPECT_FALSE(Shown(ids::kCheckCavitation));
  EXPECT_TRUE(Enabled(ids::kMixing));
  EXPECT_TRUE(Enabled(ids::kDiverting));
  Click(ids::kTwoWay);
  EXPECT_TRUE(Shown(ids::kCheckCavitation));
  EXPECT_TRUE(Enabled(ids::kBalanced));
  EXPECT_FALSE(Checked(ids::kBalanced));
  EXPECT_FALSE(Enabled(ids::kMixing));
  EXPECT_FALSE(Enabled(ids::kDiverting));
}

TEST_F(FormModeRules, SafetyFactorBoxEnablesK) {
  Click(ids::kUseSafetyFactor);
  EXPECT_FALSE(Checked(ids::kUseSafetyFactor));
  EXPECT_FALSE(Enabled(ids::kSafetyFactor));
  Click(ids::kUseSafetyFactor);
  EXPECT_TRUE(Enabled(ids::kSafetyFactor));
}

TEST_F(FormModeRules, ThermostatSwitchesTheControllerOffAndElectricLeavesItOff) {
  ASSERT_EQ(ControllerPicture(), ids::kControllerTicked);
  Click(ids::kThermostat);
  EXPECT_EQ(State().controllerSectionOn, 0);
  EXPECT_EQ(ControllerPicture(), ids::kControllerGreyedEmpty);
  EXPECT_FALSE(Enabled(ids::kControllerOneCircuit));
  EXPECT_FALSE(Enabled(ids::kHeatCarrierSensors));
  EXPECT_TRUE(Shown(ids::kCapillaryLength));
  EXPECT_FALSE(Shown(ids::kThreePoint));
  EXPECT_FALSE(Shown(ids::kPositionerPZ1));

  Click(ids::kElectric);
  EXPECT_EQ(ControllerPicture(), ids::kControllerEmpty);
  EXPECT_EQ(State().controllerSectionOn, 0);
  EXPECT_FALSE(Enabled(ids::kControllerOneCircuit));
  EXPECT_TRUE(Shown(ids::kThreePoint));
  EXPECT_FALSE(Shown(ids::kCapillaryLength));

  Click(ids::kControllerEmpty);
  EXPECT_EQ(ControllerPicture(), ids::kControllerTicked);
  EXPECT_TRUE(Enabled(ids::kControllerOneCircuit));
  EXPECT_TRUE(Enabled(ids::kRoomSensors));
}

TEST_F(FormModeRules, PneumaticShowsItsGroupOnly) {
  Click(ids::kPneumatic);
  for (int id : {ids::kPositionerCaption, ids::kPositionerPZ1, ids::kPositionerPZ2,
                 ids::kNormalPositionCaption, ids::kNormallyOpen, ids::kNormallyClosed}) {
    EXPECT_TRUE(Shown(id)) << id;
  }
  for (int id : {ids::kControlSignalCaption, ids::kHeater, ids::kMaintainedTemperatureCaption,
                 ids::kCapillaryLengthUnit}) {
    EXPECT_FALSE(Shown(id)) << id;
  }
  EXPECT_EQ(ControllerPicture(), ids::kControllerGreyedEmpty);
}

TEST_F(FormModeRules, RegulatorKeepsBothSwitchesAndTheValveBringsThemBack) {
  Click(ids::kDpRegulator);
  EXPECT_EQ(ActuatorPicture(), ids::kActuatorGreyedTicked);
  EXPECT_EQ(ControllerPicture(), ids::kControllerGreyedTicked);
  for (int id : {ids::kElectric, ids::kThreePoint, ids::kVoltage24, ids::kLimitSwitches,
                 ids::kControllerOneCircuit, ids::kRoomSensors}) {
    EXPECT_FALSE(Enabled(id)) << id;
  }
  EXPECT_TRUE(Checked(ids::kFlanged));
  EXPECT_FALSE(Shown(ids::kThreaded));
  EXPECT_TRUE(Checked(ids::kTwoWay));
  EXPECT_FALSE(Shown(ids::kThreeWay));
  EXPECT_FALSE(Shown(ids::kBalanced));
  for (int id : {ids::kSettingCaption, ids::kSetting, ids::kSettingUnit})
    EXPECT_TRUE(Shown(id)) << id;

  // A click on a greyed picture does nothing.
  C().Click(ids::kActuatorGreyedTicked);
  EXPECT_EQ(ActuatorPicture(), ids::kActuatorGreyedTicked);

  Click(ids::kControlValve);
  EXPECT_EQ(ActuatorPicture(), ids::kActuatorTicked);
  EXPECT_EQ(ControllerPicture(), ids::kControllerTicked);
  for (int id : {ids::kElectric, ids::kThreePoint, ids::kVoltage24, ids::kLimitSwitches,
                 ids::kControllerOneCircuit, ids::kRoomSensors}) {
    EXPECT_TRUE(Enabled(id)) << id;
  }
  EXPECT_FALSE(Enabled(ids::kSignalType));
  EXPECT_TRUE(Shown(ids::kThreaded));
  EXPECT_TRUE(Shown(ids::kThreeWay));
  EXPECT_TRUE(Shown(ids::kBalanced));
  for (int id : {ids::kSettingCaption, ids::kSetting, ids::kSettingUnit})
    EXPECT_FALSE(Shown(id)) << id;
}

TEST_F(FormModeRules, RegulatorWithSectionsOffShowsGreyedEmptyPictures) {
  Click(ids::kControllerTicked);
  Click(ids::kActuatorTicked);
  Click(ids::kReducingValve);
  EXPECT_EQ(ActuatorPicture(), ids::kActuatorGreyedEmpty);
  EXPECT_EQ(ControllerPicture(), ids::kControllerGreyedEmpty);
  Click(ids::kControlValve);
  EXPECT_EQ(ActuatorPicture(), ids::kActuatorEmpty);
  EXPECT_EQ(ControllerPicture(), ids::kControllerGreyedEmpty);
  EXPECT_FALSE(Enabled(ids::kElectric));
}

TEST_F(FormModeRules, ControlValveWhileSteamEndsInTheSteamState) {
  Click(ids::kDpRegulator);
  Click(ids::kSteam);
  Click(ids::kControlValve);
  EXPECT_FALSE(Shown(ids::kThreeWay));
  EXPECT_FALSE(Enabled(ids::kMixing));
  EXPECT_FALSE(Enabled(ids::kDiverting));
  EXPECT_FALSE(Enabled(ids::kCheckCavitation));
  EXPECT_TRUE(Shown(ids::kThreaded));
}

TEST_F(FormModeRules, AnalogueForces24VoltsAndThreePointLeavesTheCheck) {
  Click(ids::kVoltage220);
  Click(ids::kAnalogue);
  EXPECT_TRUE(Checked(ids::kVoltage24));
  EXPECT_FALSE(Checked(ids::kVoltage220));
  EXPECT_FALSE(Enabled(ids::kVoltage220));
  EXPECT_TRUE(Enabled(ids::kSignalType));
  Click(ids::kThreePoint);
  EXPECT_TRUE(Enabled(ids::kVoltage220));
  EXPECT_TRUE(Checked(ids::kVoltage24));
  EXPECT_FALSE(Checked(ids::kVoltage220));
  EXPECT_FALSE(Enabled(ids::kSignalType));
}

TEST_F(FormModeRules, ActuatorSectionSwitch) {
  Click(ids::kActuatorTicked);
  EXPECT_EQ(State().actuatorSectionOn, 0);
  EXPECT_EQ(ActuatorPicture(), ids::kActuatorEmpty);
  for (int id : {ids::kElectric, ids::kThermostat, ids::kPneumatic, ids::kThreePoint,
                 ids::kAnalogue, ids::kVoltage24, ids::kVoltage220, ids::kSignalType, ids::kHeater,
                 ids::kMaintainedTemperature, ids::kCapillaryLength, ids::kPositionerPZ1,
                 ids::kNormallyClosed}) {
    EXPECT_FALSE(Enabled(id)) << id;
  }
  // The controller becomes unavailable; its own switch keeps the user's choice.
  EXPECT_EQ(State().controllerSectionAvailable, 0);
  EXPECT_EQ(State().controllerSectionOn, 1);
  EXPECT_EQ(ControllerPicture(), ids::kControllerGreyedTicked);
  EXPECT_FALSE(Enabled(ids::kControllerOneCircuit));

  // Back on with three-point control: the signal list stays disabled.
  Click(ids::kActuatorEmpty);
  EXPECT_EQ(ActuatorPicture(), ids::kActuatorTicked);
  EXPECT_TRUE(Enabled(ids::kThreePoint));
  EXPECT_TRUE(Enabled(ids::kVoltage220));
  EXPECT_FALSE(Enabled(ids::kSignalType));
  EXPECT_EQ(ControllerPicture(), ids::kControllerTicked);
  EXPECT_TRUE(Enabled(ids::kControllerOneCircuit));
}

TEST_F(FormModeRules, ActuatorSectionOffWithThermostatLeavesTheControllerColumn) {
  Click(ids::kThermostat);
  ASSERT_FALSE(Enabled(ids::kControllerOneCircuit));
  Click(ids::kActuatorTicked);
  Click(ids::kActuatorEmpty);
  EXPECT_EQ(ControllerPicture(), ids::kControllerGreyedEmpty);
  EXPECT_FALSE(Enabled(ids::kControllerOneCircuit));
}

TEST_F(FormModeRules, CapillaryMetalRefillsTheLengths) {
  Click(ids::kThermostat);
  struct Row {
    const char* name;
    int metal;
    QStringList lengths;
  };
  const Row rows[] = {{"stainless", ids::kStainlessCapillary, {"2.0", "6.0", "10.0"}},
                      {"copper with PVC", ids::kPvcCapillary, {"5.0"}},
                      {"copper", ids::kCopperCapillary, {"2.0", "4.2"}}};
  for (const Row& row : rows) {
    Select(ids::kCapillaryLength, -1);
    Click(row.metal);
    EXPECT_EQ(C().ListEntries(ids::kCapillaryLength), row.lengths) << row.name;
    EXPECT_EQ(Selected(ids::kCapillaryLength), 0) << row.name;
  }
}

// Each radio is first brought within the user's reach by the clicks that show its group; the
// click then checks it and runs no handler.
TEST_F(FormModeRules, RadiosWithoutARuleRunNothing) {
  struct Row {
    int radio;
    std::vector<int> reach;  // clicks that show and enable the radio
  };
  const Row rows[] = {
      {ids::kThreaded, {}},
      {ids::kMixing, {ids::kThreeWay}},
      {ids::kVoltage220, {ids::kElectric, ids::kThreePoint}},
      {ids::kRodElement, {ids::kThermostat}},
      {ids::kPositionerPZ2, {ids::kPneumatic}},
      {ids::kNormallyClosed, {ids::kPneumatic}},
      {ids::kControllerTwoHeating, {ids::kElectric, ids::kControllerEmpty}},
  };
  for (const Row& row : rows) {
    for (int id : row.reach) Click(id);
    ASSERT_TRUE(Shown(row.radio) && Enabled(row.radio)) << row.radio;
    EXPECT_FALSE(C().Click(row.radio)) << row.radio;
    EXPECT_TRUE(Checked(row.radio)) << row.radio;
  }
}

}  // namespace
}  // namespace selvio::test
