#include "output/result_panels.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <memory>

#include "engine/selection.h"
#include "output/panel_texts.h"
#include "platform/control_ids.h"
#include "platform/headless_controls.h"
#include "tests/engine_fixture.h"

namespace selvio {
namespace {

const QString kValveCavitation = QString::fromUtf8("Для данного клапана возможна кавитация!");
const QString kRegulatorCavitation =
    QString::fromUtf8("Для данного регулятора возможна кавитация!");

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

const std::vector<int> kActuatorStatics{ids::kElectricLabels,   ids::kElectricValues,
                                        ids::kPneumaticLabels,  ids::kPneumaticValues,
                                        ids::kThermostatLabels, ids::kThermostatValues};
const std::vector<int> kRegulatorButtons{ids::kRegulatorDescription, ids::kRegulatorDrawing2d,
                                         ids::kRegulatorDrawing3d};
const std::vector<int> kActuatorButtons{ids::kActuatorDescription, ids::kActuatorDrawing2d,
                                        ids::kActuatorDrawing3d};
const std::vector<int> kControllerButtons{ids::kControllerDescription, ids::kControllerDrawing2d,
                                          ids::kControllerDrawing3d};

ValveRecord MakeValve() {
  ValveRecord v;
  v.name = "VF 2.50";
  v.dnText = "50";
  v.dn = 50;
  v.connection = kFlanged;
  v.valveKind = kTwoWay;
  v.kvs = 25;
  v.maxPressure = 16;
  v.maxTemperature = 150;
  v.z = 0.5f;
  v.characteristic = QString::fromUtf8("Равнопроцентная");
  v.construction = QString::fromUtf8("Седельный");
  v.leakage = 0.05;
  v.descriptionFile = "vf2.pdf";
  v.drawing2d = "vf2.dwg";
  v.drawing3d = "vf2.stp";
  return v;
}

RegulatorCandidate MakeRegulator() {
  RegulatorCandidate c;
  RegulatorRecord& r = c.regulator;
  r.name = "AFP 25";
  r.dnText = "25";
  r.dn = 25;
  r.connection = kFlanged;
  r.kvs = 8;
  r.maxPressure = 25;
  r.maxTemperature = 150;
  r.z = 0.6f;
  r.leakage = 0.05;
  r.descriptionFile = "afp.pdf";
  r.drawing2d = "afp.dwg";
  r.drawing3d = "afp.stp";
  c.settingLow = 0.2f;
  c.settingHigh = 1.0f;
  return c;
}

ElectricActuatorRecord MakeElectric() {
  ElectricActuatorRecord e;
  e.name = "AME 25";
  e.variant = "AME 25 SU";
  e.descriptionFile = "ame.pdf";
  e.drawing2d = "ame.dwg";
  e.drawing3d = "ame.stp";
  e.signal0to10V = 1;
  e.signal4to20mA = 1;
  e.voltage = 24;
  e.control = kAnalogue;
  e.potentiometer = 1;
  e.springReturn = 1;
  return e;
}

PneumaticActuatorRecord MakePneumatic() {
  PneumaticActuatorRecord p;
  p.name = "PA 10";
  p.descriptionFile = "pa.pdf";
  p.drawing2d = "pa.dwg";
  p.drawing3d = "pa.stp";
  return p;
}

ThermostatRecord MakeThermostat() {
  ThermostatRecord t;
  t.name = "TH 40";
  t.descriptionFile = "th.pdf";
  t.rodDrawing2d = "rod.dwg";
  t.rodDrawing3d = "rod.stp";
  t.spiralDrawing2d = "spiral.dwg";
  t.spiralDrawing3d = "";
  t.temperatureMin = 40;
  t.temperatureMax = 70;
  return t;
}

void AddLength(CapillaryLengthList& list, const char* label) {
  list.labels[static_cast<std::size_t>(list.count)] = label;
  ++list.count;
}

// The panels on a headless form with hand-built candidate lists: a water request with
// P1 6 bar, P2 3 bar, 90 °C, K = 1, and three capillary length lists.
struct PanelsFixture {
  HeadlessControls controls;
  std::unique_ptr<Catalogue> catalogue = std::make_unique<Catalogue>();
  SaturationTable saturation;
  SelectionRequest request;
  std::unique_ptr<SelectionResult> result = std::make_unique<SelectionResult>();
  std::unique_ptr<PanelState> state = std::make_unique<PanelState>();
  ResultTexts texts;
  FormResultPanels panels{controls, *catalogue, saturation, request, *result, *state, texts};

  PanelsFixture() {
    request.isWater = true;
    request.p1 = 6;
    request.p2 = 3;
    request.temperature = 90;
    request.drop = 0.25f;
    request.flow = 10;
    request.safetyFactor = 1;
    AddLength(state->copperCapillaryLengths, "1.0");
    AddLength(state->copperCapillaryLengths, "2.5");
    AddLength(state->pvcCapillaryLengths, "3.0");
    AddLength(state->pvcCapillaryLengths, "5.0");
    AddLength(state->stainlessCapillaryLengths, "1.5");
    AddLength(state->stainlessCapillaryLengths, "4.0");
    for (const char* entry : {"a", "b"}) controls.AppendListEntry(ids::kCapillaryLength, entry);
    controls.SelectListEntry(ids::kCapillaryLength, 1);
  }

  ValveCandidate& AddValve(const ValveRecord& valve = MakeValve()) {
    ValveCandidate& c =
        result->valveCandidates[static_cast<std::size_t>(result->valveCandidateCount++)];
    c.valve = valve;
    return c;
  }
  void AddDpRegulator(const RegulatorCandidate& c = MakeRegulator()) {
    result->dpRegulatorCandidates[static_cast<std::size_t>(result->dpRegulatorCandidateCount++)] =
        c;
  }
  void AddReducingValve(const RegulatorCandidate& c = MakeRegulator()) {
    result
        ->reducingValveCandidates[static_cast<std::size_t>(result->reducingValveCandidateCount++)] =
        c;
  }
  // The engine's clearing sequence at the start of a calculation.
  void ClearAll() {
    panels.ShowValveResult();
    panels.ShowReducingValveResult();
    panels.ShowDpRegulatorResult();
    panels.ShowActuatorResult();
    panels.ShowControllerResult();
    panels.ShowCalculatedData();
  }
  void Check(int id) { controls.SetChecked(id, true); }
  QString Text(int id) const { return controls.Text(id); }
  bool Shown(int id) const { return controls.IsShown(id); }
  std::vector<bool> Enabled(const std::vector<int>& buttons) const {
    std::vector<bool> enabled;
    for (int id : buttons) enabled.push_back(controls.IsEnabled(id));
    return enabled;
  }
  std::vector<int> ShownActuatorStatics() const {
    std::vector<int> shown;
    for (int id : kActuatorStatics) {
      if (controls.IsShown(id)) shown.push_back(id);
    }
    return shown;
  }
};

// --- Regulator area -------------------------------------------------------------------------

TEST(ValvePanelTest, ShowsTheValveBesideItsLabels) {
  PanelsFixture f;
  f.controls.Show(ids::kDpRegulatorLabels, true);
  f.AddValve();
  f.panels.ShowValveResult();
  EXPECT_EQ(f.Text(ids::kRegulatorValues),
            QString::fromUtf8("VF 2.50\r\n50\r\nФланцевый\r\n16\r\n150\r\n25.0\r\n"
                              "Равнопроцентная\r\nСедельный\r\n0.05"));
  EXPECT_TRUE(f.Shown(ids::kValveLabels));
  EXPECT_FALSE(f.Shown(ids::kDpRegulatorLabels));
  EXPECT_TRUE(f.Shown(ids::kRegulatorValues));
  EXPECT_EQ(f.Enabled(kRegulatorButtons), (std::vector<bool>{true, true, true}));
  // dPv = (10 / 25)², V = 4·10⁶·10 / (3600·3.1415·50²)
  EXPECT_FLOAT_EQ(f.result->dpv, 0.16f);
  EXPECT_NEAR(f.result->velocity, 1.4147, 1e-3);
  EXPECT_EQ(f.Text(ids::kCalculatedData), "0.00\r\n0.16\r\n1.41\r\n0.00");
}

TEST(ValvePanelTest, NumberFormatsAndConnectionText) {
  struct Case {
    const char* name;
    int connection;
    float kvs;
    double leakage;
    const char* expected;  // lines 3 to 9 after name and DN
  };
  const Case cases[] = {
      {"threaded, Kvs 0.63", kThreaded, 0.63f, 0.01, "Резьбовой|16|150|0.6|A|B|0.01"},
      {"connection not given is threaded", kConnectionNotGiven, 10, 0,
       "Резьбовой|16|150|10.0|A|B|0.00"},
      {"flanged, leakage rounded", kFlanged, 6.3f, 0.016, "Фланцевый|16|150|6.3|A|B|0.02"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PanelsFixture f;
    ValveRecord v = MakeValve();
    v.name = "V";
    v.dnText = "15";
    v.connection = c.connection;
    v.kvs = c.kvs;
    v.leakage = c.leakage;
    v.characteristic = "A";
    v.construction = "B";
    f.AddValve(v);
    f.panels.ShowValveResult();
    EXPECT_EQ(f.Text(ids::kRegulatorValues),
              "V\r\n15\r\n" + QString::fromUtf8(c.expected).replace('|', "\r\n"));
  }
}

TEST(ValvePanelTest, ShowsTheCandidateChosenByIndex) {
  PanelsFixture f;
  f.AddValve();
  ValveRecord second = MakeValve();
  second.name = "VF 2.65";
  f.AddValve(second);
  f.result->shownCandidate = 1;
  f.panels.ShowValveResult();
  EXPECT_TRUE(f.Text(ids::kRegulatorValues).startsWith("VF 2.65\r\n"));
}

TEST(ValvePanelTest, ShownIndexOutsideTheListClearsTheArea) {
  PanelsFixture f;
  f.AddValve();
  f.result->shownCandidate = 1;
  f.controls.SetText(ids::kRegulatorValues, "old");
  f.panels.ShowValveResult();
  EXPECT_EQ(f.Text(ids::kRegulatorValues), "");
  EXPECT_FALSE(f.Shown(ids::kValveLabels));
  EXPECT_TRUE(f.ShownActuatorStatics().empty());
}

struct RegulatorCase {
  const char* name;
  bool reducing;
  int labels;
  int otherLabels;
  const char* leakageLine;
};

class RegulatorPanelTest : public ::testing::TestWithParam<RegulatorCase> {};

TEST_P(RegulatorPanelTest, ShowsTheRegulatorAndNothingInTheOtherAreas) {
  const RegulatorCase& c = GetParam();
  PanelsFixture f;
  f.state->actuatorSectionOn = 1;
  f.state->controllerSectionOn = 1;
  f.controls.Show(ids::kValveLabels, true);
  f.controls.Show(c.otherLabels, true);
  for (int id : kActuatorStatics) f.controls.Show(id, true);
  c.reducing ? f.AddReducingValve() : f.AddDpRegulator();
  c.reducing ? f.panels.ShowReducingValveResult() : f.panels.ShowDpRegulatorResult();
  EXPECT_EQ(f.Text(ids::kRegulatorValues),
            QString::fromUtf8("AFP 25\r\n25\r\nФланцевый\r\n25\r\n150\r\n8.0\r\n") + c.leakageLine +
                "\r\n0.2-1.0");
  EXPECT_TRUE(f.Shown(c.labels));
  EXPECT_FALSE(f.Shown(c.otherLabels));
  EXPECT_FALSE(f.Shown(ids::kValveLabels));
  EXPECT_EQ(f.Enabled(kRegulatorButtons), (std::vector<bool>{true, true, true}));
  EXPECT_TRUE(f.ShownActuatorStatics().empty());
  EXPECT_EQ(f.Enabled(kActuatorButtons), (std::vector<bool>{false, false, false}));
  EXPECT_FALSE(f.Shown(ids::kControllerLabels));
  EXPECT_FALSE(f.Shown(ids::kControllerValues));
  // dPv = (10 / 8)²
  EXPECT_EQ(f.Text(ids::kCalculatedData), "0.00\r\n1.56\r\n5.66\r\n0.00");
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, RegulatorPanelTest,
    ::testing::Values(RegulatorCase{"DpRegulatorShowsLeakageWithTwoDecimals", false,
                                    ids::kDpRegulatorLabels, ids::kReducingValveLabels, "0.05"},
                      RegulatorCase{"ReducingValveShowsLeakageWithoutDecimals", true,
                                    ids::kReducingValveLabels, ids::kDpRegulatorLabels, "0"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(RegulatorPanelTest, ReducingValveLeakageRoundsToWholePercent) {
  PanelsFixture f;
  RegulatorCandidate c = MakeRegulator();
  c.regulator.leakage = 0.5;  // "%.f" rounds half to even
  c.settingLow = 0.4f;
  c.settingHigh = 16;
  f.AddReducingValve(c);
  f.panels.ShowReducingValveResult();
  EXPECT_TRUE(f.Text(ids::kRegulatorValues).endsWith("\r\n8.0\r\n0\r\n0.4-16.0"));
}

// --- Clearing and nothing found -----------------------------------------------------------

TEST(ClearingTest, EmptyListsClearEveryAreaButKeepTheValueBlocksShown) {
  PanelsFixture f;
  f.state->actuatorSectionOn = 1;
  f.state->controllerSectionOn = 1;
  f.catalogue->controller.descriptionFile = "zr.pdf";
  for (int id : {ids::kValveLabels, ids::kDpRegulatorLabels, ids::kReducingValveLabels,
                 ids::kControllerLabels, ids::kControllerValues}) {
    f.controls.Show(id, true);
  }
  for (int id : kActuatorStatics) f.controls.Show(id, true);
  for (const auto* buttons : {&kRegulatorButtons, &kActuatorButtons, &kControllerButtons}) {
    for (int id : *buttons) f.controls.Enable(id, true);
  }
  f.controls.SetText(ids::kRegulatorValues, "old");
  f.result->kv = 20;
  f.result->psat = 0.7f;
  f.ClearAll();
  EXPECT_EQ(f.Text(ids::kRegulatorValues), "");
  for (int id : {ids::kValveLabels, ids::kDpRegulatorLabels, ids::kReducingValveLabels,
                 ids::kControllerLabels, ids::kControllerValues}) {
    EXPECT_FALSE(f.Shown(id)) << id;
  }
  EXPECT_TRUE(f.ShownActuatorStatics().empty());
  for (const auto* buttons : {&kRegulatorButtons, &kActuatorButtons, &kControllerButtons}) {
    EXPECT_EQ(f.Enabled(*buttons), (std::vector<bool>{false, false, false}));
  }
  EXPECT_TRUE(f.Shown(ids::kRegulatorValues));
  EXPECT_TRUE(f.Shown(ids::kCalculatedData));
  // Nothing found: the computed Kv, dPv 0.00 and V 0.000000.
  EXPECT_EQ(f.Text(ids::kCalculatedData), "20.00\r\n0.00\r\n0.000000\r\n0.70");
  EXPECT_TRUE(f.controls.Messages().isEmpty());
}

// --- Cavitation -----------------------------------------------------------------------------

struct CavitationCase {
  const char* name;
  int product;  // 0 valve, 1 dp regulator, 2 reducing valve
  int valveKind;
  bool checkCavitation;
  float z;
  QStringList messages;
};

class CavitationTest : public ::testing::TestWithParam<CavitationCase> {};

// |P1 − P2| = 3 bar against z·(P1 − Psat) = z·6 bar (no saturation table: Psat 0).
TEST_P(CavitationTest, WarnsOnlyWhereTheProductAllows) {
  const CavitationCase& c = GetParam();
  PanelsFixture f;
  f.request.checkCavitation = c.checkCavitation;
  if (c.product == 0) {
    ValveRecord v = MakeValve();
    v.valveKind = c.valveKind;
    v.z = c.z;
    f.AddValve(v);
    f.panels.ShowValveResult();
  } else {
    RegulatorCandidate r = MakeRegulator();
    r.regulator.z = c.z;
    if (c.product == 1) {
      f.AddDpRegulator(r);
      f.panels.ShowDpRegulatorResult();
    } else {
      f.AddReducingValve(r);
      f.panels.ShowReducingValveResult();
    }
  }
  EXPECT_EQ(f.controls.Messages(), c.messages);
  EXPECT_FALSE(f.Text(ids::kRegulatorValues).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CavitationTest,
    ::testing::Values(
        CavitationCase{"TwoWayValveAtRisk", 0, kTwoWay, true, 0.3f, {kValveCavitation}},
        CavitationCase{"TwoWayValveWithoutCheck", 0, kTwoWay, false, 0.3f, {}},
        CavitationCase{"TwoWayValveSafe", 0, kTwoWay, true, 0.6f, {}},
        CavitationCase{"ValveWithZeroZ", 0, kTwoWay, true, 0, {}},
        CavitationCase{"ThreeWayValveNeverWarns", 0, kThreeWay, true, 0.3f, {}},
        CavitationCase{"DpRegulatorAtRisk", 1, 0, true, 0.3f, {kRegulatorCavitation}},
        CavitationCase{"DpRegulatorWithoutCheck", 1, 0, false, 0.3f, {}},
        CavitationCase{"ReducingValveAtRisk", 2, 0, true, 0.3f, {kValveCavitation}}),
    [](const auto& row) { return std::string(row.param.name); });

// --- Document buttons -----------------------------------------------------------------------

TEST(DocumentButtonsTest, EnabledOnlyForFileNamesOfMoreThanOneCharacter) {
  PanelsFixture f;
  f.state->actuatorSectionOn = 1;
  f.state->controllerSectionOn = 1;
  ValveRecord v = MakeValve();
  v.descriptionFile = "";
  v.drawing2d = "x";
  v.drawing3d = "ab";
  ValveCandidate& c = f.AddValve(v);
  ElectricActuatorRecord e = MakeElectric();
  e.descriptionFile = "ab";
  e.drawing2d = "";
  e.drawing3d = "y";
  c.electricActuators[0] = e;
  c.electricActuatorCount = 1;
  f.catalogue->controller.descriptionFile = "z";
  f.catalogue->controller.drawing2d = "zr.dwg";
  f.catalogue->controller.drawing3d = "";
  f.panels.ShowValveResult();
  EXPECT_EQ(f.Enabled(kRegulatorButtons), (std::vector<bool>{false, false, true}));
  EXPECT_EQ(f.Enabled(kActuatorButtons), (std::vector<bool>{true, false, false}));
  EXPECT_EQ(f.Enabled(kControllerButtons), (std::vector<bool>{false, true, false}));
  // A later empty calculation disables them all again.
  f.result->valveCandidateCount = 0;
  f.ClearAll();
  for (const auto* buttons : {&kRegulatorButtons, &kActuatorButtons, &kControllerButtons}) {
    EXPECT_EQ(f.Enabled(*buttons), (std::vector<bool>{false, false, false}));
  }
}

TEST(DocumentButtonsTest, RegulatorButtonsFollowTheRegulatorsFiles) {
  PanelsFixture f;
  RegulatorCandidate r = MakeRegulator();
  r.regulator.drawing3d = "-";
  f.AddDpRegulator(r);
  f.panels.ShowDpRegulatorResult();
  EXPECT_EQ(f.Enabled(kRegulatorButtons), (std::vector<bool>{true, true, false}));
}

// --- Actuator area --------------------------------------------------------------------------

struct SignalCase {
  const char* name;
  bool request0to10V, request2to10V, request0to20mA, request4to20mA;
  const char* signalBlock;
};

class ElectricSignalTest : public ::testing::TestWithParam<SignalCase> {};

// The actuator supports 0–10 V and 4–20 mA; only a requested signal it supports is listed.
TEST_P(ElectricSignalTest, ListsTheRequestedSupportedSignal) {
  const SignalCase& s = GetParam();
  ActuatorPreferences p;
  p.requestedSignal0to10V = s.request0to10V;
  p.requestedSignal2to10V = s.request2to10V;
  p.requestedSignal0to20mA = s.request0to20mA;
  p.requestedSignal4to20mA = s.request4to20mA;
  EXPECT_EQ(ElectricActuatorValueText(MakeElectric(), p),
            QString::fromUtf8("AME 25 SU\r\nАналоговый\r\n24\r\n") +
                QString::fromUtf8(s.signalBlock) + QString::fromUtf8("да\r\nнет\r\nда\r\nнет\r\n"));
}

INSTANTIATE_TEST_SUITE_P(
    Signals, ElectricSignalTest,
    ::testing::Values(
        SignalCase{"FourTo20mARequested", false, false, false, true, "4-20 мА\r\n"},
        SignalCase{"ZeroTo10VRequested", true, false, false, false, "0-10 В\r\n"},
        SignalCase{"UnsupportedSignalGivesEmptyLine", false, false, true, false, "\r\n"},
        SignalCase{"NothingRequestedGivesEmptyLine", false, false, false, false, "\r\n"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ElectricActuatorTest, ControlKindAndOptionLines) {
  struct Case {
    const char* name;
    int control;
    const char* controlText;
  };
  const Case cases[] = {{"three-point", kThreePoint, "Трехпозиц."},
                        {"analogue", kAnalogue, "Аналоговый"},
                        {"not given", kControlNotGiven, ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ElectricActuatorRecord e = MakeElectric();
    e.control = c.control;
    e.voltage = 220;
    e.potentiometer = 0;
    e.springReturn = 0;
    e.limitSwitches = 1;
    e.heater = 1;
    EXPECT_EQ(ElectricActuatorValueText(e, {}),
              "AME 25 SU\r\n" + QString::fromUtf8(c.controlText) +
                  QString::fromUtf8("\r\n220\r\n\r\nнет\r\nда\r\nнет\r\nда\r\n"));
  }
}

TEST(ActuatorPanelTest, ElectricActuatorOnTheForm) {
  PanelsFixture f;
  f.request.actuator.requestedSignal4to20mA = true;
  ValveCandidate& c = f.AddValve();
  c.electricActuators[0] = MakeElectric();
  c.electricActuatorCount = 1;
  c.thermostats[0] = MakeThermostat();
  c.thermostatCount = 1;
  f.panels.ShowValveResult();
  EXPECT_EQ(
      f.Text(ids::kElectricValues),
      QString::fromUtf8("AME 25 SU\r\nАналоговый\r\n24\r\n4-20 мА\r\nда\r\nнет\r\nда\r\nнет\r\n"));
  EXPECT_EQ(f.ShownActuatorStatics(),
            (std::vector<int>{ids::kElectricLabels, ids::kElectricValues}));
  EXPECT_EQ(f.Enabled(kActuatorButtons), (std::vector<bool>{true, true, true}));
}

TEST(ActuatorPanelTest, PneumaticActuatorShowsTheFormsChoice) {
  PanelsFixture f;
  ValveCandidate& c = f.AddValve();
  c.electricActuators[0] = MakeElectric();
  c.electricActuatorCount = 1;
  c.pneumaticActuators[0] = MakePneumatic();
  c.pneumaticActuatorCount = 1;
  f.result->shownActuator = 1;
  f.Check(ids::kPositionerPZ2);
  f.Check(ids::kNormallyClosed);
  f.panels.ShowValveResult();
  EXPECT_EQ(f.Text(ids::kPneumaticValues), QString::fromUtf8("PA 10\r\nPZ2\r\nНорм.закрытый"));
  EXPECT_EQ(f.ShownActuatorStatics(),
            (std::vector<int>{ids::kPneumaticLabels, ids::kPneumaticValues}));
  EXPECT_EQ(f.texts.positionerText, "PZ2");
  EXPECT_EQ(f.texts.normalPositionText, QString::fromUtf8("Норм.закрытый"));

  // With no radio checked the texts of the previous display stay.
  f.controls.SetChecked(ids::kPositionerPZ2, false);
  f.controls.SetChecked(ids::kNormallyClosed, false);
  f.Check(ids::kNormallyOpen);
  f.panels.ShowActuatorResult();
  EXPECT_EQ(f.Text(ids::kPneumaticValues), QString::fromUtf8("PA 10\r\nPZ2\r\nНорм.открытый"));
}

struct CapillaryCase {
  const char* name;
  std::vector<int> checked;
  int selectedLength;  // -1: no selection in 1076
  bool spiral;
  const char* expected;
  std::vector<bool> buttons;
};

class ThermostatPanelTest : public ::testing::TestWithParam<CapillaryCase> {};

TEST_P(ThermostatPanelTest, ShowsTheChosenElementAndCapillary) {
  const CapillaryCase& k = GetParam();
  PanelsFixture f;
  f.texts.capillaryMetalText = "old metal";
  f.texts.capillaryLengthText = "old length";
  ValveCandidate& c = f.AddValve();
  c.pneumaticActuators[0] = MakePneumatic();
  c.pneumaticActuatorCount = 1;
  c.thermostats[0] = MakeThermostat();
  c.thermostatCount = 1;
  f.result->shownActuator = 1;
  f.request.actuator.spiralElement = k.spiral;
  for (int id : k.checked) f.Check(id);
  if (k.selectedLength < 0) f.controls.ClearList(ids::kCapillaryLength);
  f.panels.ShowValveResult();
  EXPECT_EQ(f.Text(ids::kThermostatValues), QString::fromUtf8(k.expected));
  EXPECT_EQ(f.ShownActuatorStatics(),
            (std::vector<int>{ids::kThermostatLabels, ids::kThermostatValues}));
  EXPECT_EQ(f.Enabled(kActuatorButtons), k.buttons);
}

INSTANTIATE_TEST_SUITE_P(
    Capillaries, ThermostatPanelTest,
    ::testing::Values(
        CapillaryCase{"CopperRodCopper",
                      {ids::kRodElement, ids::kCopperElement, ids::kCopperCapillary},
                      1,
                      false,
                      "TH 40\r\n2.5\r\nМедь\r\nМедь\r\nСтержневой\r\n40-70",
                      {true, true, true}},
        CapillaryCase{"PvcSpiralStainless",
                      {ids::kSpiralElement, ids::kStainlessElement, ids::kPvcCapillary},
                      1,
                      true,
                      "TH 40\r\n5.0\r\nНерж.сталь\r\nМедь с ПВХ\r\nСпиральный\r\n40-70",
                      {true, true, false}},
        CapillaryCase{"StainlessCapillary",
                      {ids::kRodElement, ids::kCopperElement, ids::kStainlessCapillary},
                      1,
                      false,
                      "TH 40\r\n4.0\r\nМедь\r\nНерж.сталь\r\nСтержневой\r\n40-70",
                      {true, true, true}},
        CapillaryCase{"NoCapillaryMetalKeepsThePreviousTexts",
                      {ids::kRodElement, ids::kCopperElement},
                      1,
                      false,
                      "TH 40\r\nold length\r\nМедь\r\nold metal\r\nСтержневой\r\n40-70",
                      {true, true, true}},
        CapillaryCase{"NoLengthSelectedShowsAnEmptyLength",
                      {ids::kRodElement, ids::kCopperElement, ids::kCopperCapillary},
                      -1,
                      false,
                      "TH 40\r\n\r\nМедь\r\nМедь\r\nСтержневой\r\n40-70",
                      {true, true, true}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ThermostatPanelTest, TextsKeptForTheReport) {
  PanelsFixture f;
  ValveCandidate& c = f.AddValve();
  c.thermostats[0] = MakeThermostat();
  c.thermostatCount = 1;
  for (int id : {ids::kSpiralElement, ids::kStainlessElement, ids::kStainlessCapillary}) {
    f.Check(id);
  }
  f.controls.SelectListEntry(ids::kCapillaryLength, 0);
  f.panels.ShowActuatorResult();
  EXPECT_EQ(f.texts.capillaryLengthText, "1.5");
  EXPECT_EQ(f.texts.capillaryMetalText, QString::fromUtf8("Нерж.сталь"));
  EXPECT_EQ(f.texts.elementMetalText, QString::fromUtf8("Нерж.сталь"));
  EXPECT_EQ(f.texts.elementTypeText, QString::fromUtf8("Спиральный"));
}

TEST(ActuatorPanelTest, CandidateWithoutActuatorsOrIndexPastThemShowsNothing) {
  for (int shown : {0, 1, -1}) {
    SCOPED_TRACE(shown);
    PanelsFixture f;
    ValveCandidate& c = f.AddValve();
    if (shown != 0) {
      c.electricActuators[0] = MakeElectric();
      c.electricActuatorCount = 1;
    }
    f.result->shownActuator = shown;
    for (int id : kActuatorStatics) f.controls.Show(id, true);
    f.panels.ShowValveResult();
    EXPECT_TRUE(f.ShownActuatorStatics().empty());
    EXPECT_EQ(f.Enabled(kActuatorButtons), (std::vector<bool>{false, false, false}));
    EXPECT_FALSE(f.Text(ids::kRegulatorValues).isEmpty());
  }
}

// --- Controller area ------------------------------------------------------------------------

TEST(ControllerPanelTest, ShownOnlyWithBothSectionsOnAndAValve) {
  struct Case {
    const char* name;
    bool valve;
    int actuatorOn;
    int controllerOn;
    bool shown;
  };
  const Case cases[] = {{"both on", true, 1, 1, true},
                        {"controller off", true, 1, 0, false},
                        {"actuator off", true, 0, 1, false},
                        {"no valve", false, 1, 1, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PanelsFixture f;
    if (c.valve) f.AddValve();
    f.state->actuatorSectionOn = c.actuatorOn;
    f.state->controllerSectionOn = c.controllerOn;
    f.catalogue->controller.descriptionFile = "zr.pdf";
    f.panels.ShowControllerResult();
    EXPECT_EQ(f.Shown(ids::kControllerLabels), c.shown);
    EXPECT_EQ(f.Shown(ids::kControllerValues), c.shown);
    EXPECT_EQ(f.controls.IsEnabled(ids::kControllerDescription), c.shown);
  }
}

TEST(ControllerPanelTest, VariantAndSensorCounts) {
  PanelsFixture f;
  f.AddValve();
  f.state->actuatorSectionOn = 1;
  f.state->controllerSectionOn = 1;
  f.Check(ids::kControllerHotWaterAndHeating);
  f.controls.SetText(ids::kHeatCarrierSensors, "2");
  f.controls.SetText(ids::kOutdoorSensors, "1");
  f.controls.SetText(ids::kRoomSensors, "0");
  f.panels.ShowControllerResult();
  EXPECT_EQ(f.Text(ids::kControllerValues), "ZR310\r\n-96\r\n\r\n2\r\n1\r\n0");
  EXPECT_EQ(f.texts.controllerVariantText, "-96");
  EXPECT_EQ(f.texts.heatCarrierSensorCount, "2");
  EXPECT_EQ(f.texts.outdoorSensorCount, "1");
  EXPECT_EQ(f.texts.roomSensorCount, "0");

  // The last checked variant in the order 1066, 1067, 1068 wins; none keeps the previous one.
  f.Check(ids::kControllerTwoHeating);
  f.panels.ShowControllerResult();
  EXPECT_EQ(f.texts.controllerVariantText, "-98");
  for (int id : {ids::kControllerHotWaterAndHeating, ids::kControllerTwoHeating}) {
    f.controls.SetChecked(id, false);
  }
  f.controls.SetText(ids::kRoomSensors, "abc");
  f.panels.ShowControllerResult();
  EXPECT_EQ(f.Text(ids::kControllerValues), "ZR310\r\n-98\r\n\r\n2\r\n1\r\nabc");
  f.Check(ids::kControllerOneCircuit);
  f.panels.ShowControllerResult();
  EXPECT_EQ(f.texts.controllerVariantText, "-94");
}

// --- Calculated data ------------------------------------------------------------------------

struct DataCase {
  const char* name;
  CalculatedData data;
  const char* expected;
};

class CalculatedDataTest : public ::testing::TestWithParam<DataCase> {};

TEST_P(CalculatedDataTest, Formats) {
  PanelsFixture f;
  const CalculatedData& d = GetParam().data;
  f.result->kv = d.kv;
  f.result->dpv = d.dpv;
  f.result->velocity = d.velocity;
  f.result->psat = d.psat;
  f.request.safetyFactor = d.safetyFactor;
  f.panels.ShowCalculatedData();
  EXPECT_EQ(f.Text(ids::kCalculatedData), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CalculatedDataTest,
    ::testing::Values(
        DataCase{
            "KOneHasNoBracket", {2.2f, 0.16f, 0.5f, 0.7f, 1.0f}, "2.20\r\n0.16\r\n0.50\r\n0.70"},
        DataCase{"KBracketsKvTimesK",
                 {2.2f, 0.16f, 0.5f, 0.7f, 1.1f},
                 "2.00(2.20)\r\n0.16\r\n0.50\r\n0.70"},
        DataCase{"SlowVelocitySixDecimals",
                 {2.2f, 0.16f, 0.05f, 0.7f, 1.0f},
                 "2.20\r\n0.16\r\n0.050000\r\n0.70"},
        DataCase{"SlowVelocityWithK",
                 {2.2f, 0.16f, 0.05f, 0.7f, 1.1f},
                 "2.00(2.20)\r\n0.16\r\n0.050000\r\n0.70"},
        // 0.1f widened to double is just above 0.1, so two decimals.
        DataCase{"VelocityPointOneFloat", {1, 0, 0.1f, 0, 1.0f}, "1.00\r\n0.00\r\n0.10\r\n0.00"},
        DataCase{"VelocityZero", {1, 0, 0, 0, 1.0f}, "1.00\r\n0.00\r\n0.000000\r\n0.00"},
        DataCase{"InfiniteVelocity", {20, 0.16f, kInf, 0.7f, 1.0f}, "20.00\r\n0.16\r\n—\r\n0.70"},
        DataCase{"NegativeInfiniteVelocity",
                 {20, 0.16f, -kInf, 0.7f, 1.0f},
                 "20.00\r\n0.16\r\n—\r\n0.70"},
        DataCase{"NaNEverywhere", {kNaN, kNaN, kNaN, kNaN, 1.0f}, "—\r\n—\r\n—\r\n—"},
        DataCase{"InfiniteKvWithK", {kInf, 0, 1, 0, 1.1f}, "—(—)\r\n0.00\r\n1.00\r\n0.00"},
        DataCase{
            "ZeroKBeforeAnyCalculation", {0, 0, 0, 0, 0}, "—(0.00)\r\n0.00\r\n0.000000\r\n0.00"}),
    [](const auto& row) { return std::string(row.param.name); });

// --- Through the engine ---------------------------------------------------------------------

struct EngineWithPanels : test::EngineFixture {
  std::unique_ptr<PanelState> state = std::make_unique<PanelState>();
  ResultTexts texts;
  FormResultPanels panels{controls, *catalogue, saturation, request, *result, *state, texts};
  SelectionForm WithPanels() {
    SelectionForm form = Form();
    form.panels = &panels;
    return form;
  }
};

TEST(EnginePanelsTest, CalculationShowsTheFirstCandidate) {
  EngineWithPanels f;
  f.catalogue->valves.Append(test::MakeValve("V 50", 50, 25));
  SelectionForm form = f.WithPanels();
  ASSERT_EQ(RunSelection(form), Found);
  EXPECT_TRUE(f.controls.Text(ids::kRegulatorValues).startsWith("V 50\r\n50\r\n"));
  EXPECT_EQ(f.controls.Text(ids::kCalculatedData), "20.00\r\n0.16\r\n1.41\r\n0.00");
}

// A catalogue valve without a diameter gives an infinite velocity; neither its own display nor
// the stale numbers a refused calculation leaves show it as a number.
TEST(EnginePanelsTest, ValveWithoutDiameterShowsADash) {
  EngineWithPanels f;
  f.catalogue->valves.Append(test::MakeValve("V 0", 0, 25));
  SelectionForm form = f.WithPanels();
  ASSERT_EQ(RunSelection(form), Found);
  ASSERT_FALSE(std::isfinite(f.result->velocity));
  EXPECT_EQ(f.controls.Text(ids::kCalculatedData), "20.00\r\n0.16\r\n—\r\n0.00");
  f.Type(ids::kP2, "7");
  ASSERT_EQ(RunSelection(form), InvalidInput);
  EXPECT_EQ(f.controls.Text(ids::kCalculatedData), "20.00\r\n0.16\r\n—\r\n0.00");
  EXPECT_EQ(f.controls.Text(ids::kRegulatorValues), "");
}

// --- Buffer length and locale ---------------------------------------------------------------

TEST(TextBufferTest, LongTextsAreCutTo1023Characters) {
  PanelsFixture f;
  ValveRecord v = MakeValve();
  v.name = QString(2000, 'N');
  f.AddValve(v);
  f.panels.ShowValveResult();
  EXPECT_EQ(f.Text(ids::kRegulatorValues), QString(1023, 'N'));

  // A character outside the basic plane straddling the end is dropped whole.
  ValveRecord w = MakeValve();
  w.name = QString(1022, 'N') + QString::fromUtf8("😀");
  f.result->valveCandidates[0].valve = w;
  f.panels.ShowValveResult();
  EXPECT_EQ(f.Text(ids::kRegulatorValues), QString(1022, 'N'));
}

TEST(LocaleTest, RussianLocaleStillPrintsPoints) {
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  if (!std::setlocale(LC_ALL, "ru_RU.UTF-8")) GTEST_SKIP() << "ru_RU.UTF-8 is not installed";
  PanelsFixture f;
  f.AddDpRegulator();
  f.result->kv = 2.2f;
  f.request.safetyFactor = 1.1f;
  f.panels.ShowDpRegulatorResult();
  std::setlocale(LC_ALL, previous.c_str());
  EXPECT_TRUE(f.Text(ids::kRegulatorValues).endsWith("\r\n8.0\r\n0.05\r\n0.2-1.0"));
  EXPECT_TRUE(f.Text(ids::kCalculatedData).startsWith("2.00(2.20)\r\n1.56\r\n"));
}

}  // namespace
}  // namespace selvio
