#include "output/result_view.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <clocale>
#include <limits>
#include <memory>
#include <string>

#include "engine/selection.h"

// The result areas as values: what each area shows of a result, the texts of the form's
// choices the areas print, and the figures the engine computes for the product shown.
namespace selvio {
namespace {

const QString kValveCavitation = QString::fromUtf8("Для данного клапана возможна кавитация!");
const QString kRegulatorCavitation =
    QString::fromUtf8("Для данного регулятора возможна кавитация!");

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

ValveRecord MakeValve() {
  ValveRecord v;
  v.name = "VF 2.50";
  v.dnText = "50";
  v.dn = 50;
  v.connection = ConnectionKind::Flanged;
  v.valveKind = ValveKind::TwoWay;
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
  r.connection = ConnectionKind::Flanged;
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
  e.control = ControlKind::Analogue;
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

QStringList Files(const ProductDocumentFiles& files) {
  return {files.description, files.drawing2d, files.drawing3d};
}

// A water request: P1 6 bar, P2 3 bar, 90 °C, ΔP 0.25 bar, G 10 m³/h, K 1; no saturation
// table, so Psat is 0. Candidates are added by hand; Show() shows one as the form does after a
// calculation or a confirmed choice: the engine's figures for it, the texts of the form's
// choices, then the areas.
struct AreasFixture {
  std::unique_ptr<Catalogue> catalogue = std::make_unique<Catalogue>();
  SaturationTable saturation;
  SelectionRequest request;
  SelectionResult result;
  PanelChoices choices;
  ResultTexts texts;  // as the areas showed them before

  AreasFixture() {
    request.medium = Medium::Water;
    request.p1 = 6;
    request.p2 = 3;
    request.temperature = 90;
    request.drop = 0.25f;
    request.flow = 10;
    request.safetyFactor = 1;
  }

  ValveCandidate& AddValve(const ValveRecord& valve = MakeValve()) {
    request.product = ProductKind::ControlValve;
    ValveCandidate& c = result.valveCandidates.emplace_back();
    c.valve = valve;
    return c;
  }
  // A valve with at most one actuator of each kind (null for none).
  ValveCandidate& AddValveWith(const ElectricActuatorRecord* electric,
                               const PneumaticActuatorRecord* pneumatic,
                               const ThermostatRecord* thermostat,
                               const ValveRecord& valve = MakeValve()) {
    ValveCandidate& c = AddValve(valve);
    if (electric) AppendBounded(c.electricActuators, *electric);
    if (pneumatic) AppendBounded(c.pneumaticActuators, *pneumatic);
    if (thermostat) AppendBounded(c.thermostats, *thermostat);
    return c;
  }
  void AddDpRegulator(const RegulatorCandidate& c = MakeRegulator()) {
    request.product = ProductKind::DpRegulator;
    result.dpRegulatorCandidates.push_back(c);
  }
  void AddReducingValve(const RegulatorCandidate& c = MakeRegulator()) {
    request.product = ProductKind::ReducingValve;
    result.reducingValveCandidates.push_back(c);
  }
  void SectionsOn() {
    choices.actuatorSectionOn = true;
    choices.controllerSectionOn = true;
  }

  ResultView Show(int candidate = 0, int actuator = 0) {
    ShowCandidate(result, request, saturation, {candidate, actuator});
    texts = ShownResultTexts(texts, choices, result);
    return ComposeResultView(request, result, *catalogue, texts, choices);
  }
};

// --- Regulator area -------------------------------------------------------------------------

TEST(ValveArea, ShowsTheValveBesideItsLabels) {
  AreasFixture f;
  f.AddValve();
  const ResultView view = f.Show();
  EXPECT_EQ(view.productLabels, ProductLabels::Valve);
  EXPECT_EQ(view.productValues,
            QString::fromUtf8("VF 2.50\r\n50\r\nФланцевый\r\n16\r\n150\r\n25.0\r\n"
                              "Равнопроцентная\r\nСедельный\r\n0.05"));
  EXPECT_EQ(Files(view.productDocuments), (QStringList{"vf2.pdf", "vf2.dwg", "vf2.stp"}));
  EXPECT_EQ(view.actuator, ActuatorBlock::None);
  EXPECT_FALSE(view.controllerShown);
  // dPv = (10 / 25)², V = 4·10⁶·10 / (3600·3.1415·50²)
  EXPECT_FLOAT_EQ(f.result.dpv, 0.16f);
  EXPECT_NEAR(f.result.velocity, 1.4147, 1e-3);
  EXPECT_EQ(view.calculatedData, "0.00\r\n0.16\r\n1.41\r\n0.00");
}

TEST(ValveArea, NumberFormatsAndConnectionText) {
  struct Case {
    const char* name;
    ConnectionKind connection;
    float kvs;
    double leakage;
    const char* expected;  // lines 3 to 9 after name and DN
  };
  const Case cases[] = {
      {"threaded, Kvs 0.63", ConnectionKind::Threaded, 0.63f, 0.01,
       "Резьбовой|16|150|0.6|A|B|0.01"},
      {"connection not given is threaded", ConnectionKind::NotGiven, 10, 0,
       "Резьбовой|16|150|10.0|A|B|0.00"},
      {"flanged, leakage rounded", ConnectionKind::Flanged, 6.3f, 0.016,
       "Фланцевый|16|150|6.3|A|B|0.02"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ValveRecord v = MakeValve();
    v.name = "V";
    v.dnText = "15";
    v.connection = c.connection;
    v.kvs = c.kvs;
    v.leakage = c.leakage;
    v.characteristic = "A";
    v.construction = "B";
    EXPECT_EQ(ValveValueText(v),
              "V\r\n15\r\n" + QString::fromUtf8(c.expected).replace('|', "\r\n"));
  }
}

TEST(ValveArea, ShowsTheCandidateChosenByIndex) {
  AreasFixture f;
  f.AddValve();
  ValveRecord second = MakeValve();
  second.name = "VF 2.65";
  f.AddValve(second);
  EXPECT_TRUE(f.Show(1).productValues.startsWith("VF 2.65\r\n"));
}

TEST(ValveArea, ShownIndexOutsideTheListShowsNothing) {
  AreasFixture f;
  const ElectricActuatorRecord electric = MakeElectric();
  f.AddValveWith(&electric, nullptr, nullptr);
  const ResultView view = f.Show(1, 0);
  EXPECT_EQ(view.productLabels, ProductLabels::None);
  EXPECT_EQ(view.productValues, "");
  EXPECT_EQ(view.actuator, ActuatorBlock::None);
  EXPECT_EQ(Files(view.productDocuments), (QStringList{"", "", ""}));
  EXPECT_EQ(view.calculatedData, "0.00\r\n0.00\r\n0.000000\r\n0.00");
}

struct RegulatorCase {
  const char* name;
  bool reducing;
  ProductLabels labels;
  const char* leakageLine;
};

class RegulatorArea : public ::testing::TestWithParam<RegulatorCase> {};

TEST_P(RegulatorArea, ShowsTheRegulatorAndNothingInTheOtherAreas) {
  const RegulatorCase& c = GetParam();
  AreasFixture f;
  f.SectionsOn();
  f.catalogue->controller.descriptionFile = "zr.pdf";
  c.reducing ? f.AddReducingValve() : f.AddDpRegulator();
  const ResultView view = f.Show(0, -1);
  EXPECT_EQ(view.productLabels, c.labels);
  EXPECT_EQ(view.productValues,
            QString::fromUtf8("AFP 25\r\n25\r\nФланцевый\r\n25\r\n150\r\n8.0\r\n") + c.leakageLine +
                "\r\n0.2-1.0");
  EXPECT_EQ(Files(view.productDocuments), (QStringList{"afp.pdf", "afp.dwg", "afp.stp"}));
  EXPECT_EQ(view.actuator, ActuatorBlock::None);
  EXPECT_EQ(Files(view.actuatorDocuments), (QStringList{"", "", ""}));
  EXPECT_FALSE(view.controllerShown);
  EXPECT_EQ(Files(view.controllerDocuments), (QStringList{"", "", ""}));
  // dPv = (10 / 8)², V = 4·10⁶·10 / (3600·3.1415·25²)
  EXPECT_EQ(view.calculatedData, "0.00\r\n1.56\r\n5.66\r\n0.00");
}

INSTANTIATE_TEST_SUITE_P(Kinds, RegulatorArea,
                         ::testing::Values(RegulatorCase{"DpRegulatorShowsLeakageWithTwoDecimals",
                                                         false, ProductLabels::DpRegulator, "0.05"},
                                           RegulatorCase{"ReducingValveShowsLeakageWithoutDecimals",
                                                         true, ProductLabels::ReducingValve, "0"}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(RegulatorValues, ReducingValveLeakageRoundsToWholePercent) {
  RegulatorCandidate c = MakeRegulator();
  c.regulator.leakage = 0.5;  // "%.f" rounds half to even
  c.settingLow = 0.4f;
  c.settingHigh = 16;
  EXPECT_TRUE(RegulatorValueText(c, true).endsWith("\r\n8.0\r\n0\r\n0.4-16.0"));
}

// --- Clearing and nothing found -----------------------------------------------------------

TEST(ClearedAreas, ClearedViewShowsOnlyTheFiguresHeld) {
  const ResultView view = ClearedResultView({20, 0.16f, 1.41f, 0.7f, 1});
  EXPECT_EQ(view.productLabels, ProductLabels::None);
  EXPECT_EQ(view.productValues, "");
  EXPECT_EQ(view.actuator, ActuatorBlock::None);
  EXPECT_FALSE(view.controllerShown);
  for (const ProductDocumentFiles* files :
       {&view.productDocuments, &view.actuatorDocuments, &view.controllerDocuments}) {
    EXPECT_EQ(Files(*files), (QStringList{"", "", ""}));
  }
  EXPECT_EQ(view.calculatedData, "20.00\r\n0.16\r\n1.41\r\n0.70");
}

TEST(ClearedAreas, NothingFoundShowsTheComputedKvAlone) {
  AreasFixture f;
  f.SectionsOn();
  f.catalogue->controller.descriptionFile = "zr.pdf";
  f.result.kv = 20;
  f.result.psat = 0.7f;
  const ResultView view = f.Show();
  EXPECT_EQ(view.productLabels, ProductLabels::None);
  EXPECT_EQ(view.productValues, "");
  EXPECT_EQ(view.actuator, ActuatorBlock::None);
  EXPECT_FALSE(view.controllerShown);
  for (const ProductDocumentFiles* files :
       {&view.productDocuments, &view.actuatorDocuments, &view.controllerDocuments}) {
    EXPECT_EQ(Files(*files), (QStringList{"", "", ""}));
  }
  // The computed Kv, dPv 0.00 and V 0.000000.
  EXPECT_EQ(view.calculatedData, "20.00\r\n0.00\r\n0.000000\r\n0.70");
  EXPECT_FALSE(f.result.cavitationWarning);
}

// --- Cavitation -----------------------------------------------------------------------------

struct CavitationCase {
  const char* name;
  ProductKind product;
  ValveKind valveKind;
  bool checkCavitation;
  float z;
  QStringList messages;
};

class Cavitation : public ::testing::TestWithParam<CavitationCase> {};

// |P1 − P2| = 3 bar against z·(P1 − Psat) = z·6 bar (no saturation table: Psat 0).
TEST_P(Cavitation, WarnsOnlyWhereTheProductAllows) {
  const CavitationCase& c = GetParam();
  AreasFixture f;
  if (c.product == ProductKind::ControlValve) {
    ValveRecord v = MakeValve();
    v.valveKind = c.valveKind;
    v.z = c.z;
    f.AddValve(v);
  } else {
    RegulatorCandidate r = MakeRegulator();
    r.regulator.z = c.z;
    c.product == ProductKind::DpRegulator ? f.AddDpRegulator(r) : f.AddReducingValve(r);
  }
  f.request.checkCavitation = c.checkCavitation;
  const ResultView view = f.Show(0, -1);
  const QStringList messages = f.result.cavitationWarning
                                   ? QStringList{CavitationWarningText(f.request.product)}
                                   : QStringList{};
  EXPECT_EQ(messages, c.messages);
  EXPECT_FALSE(view.productValues.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Cavitation,
    ::testing::Values(
        CavitationCase{"TwoWayValveAtRisk",
                       ProductKind::ControlValve,
                       ValveKind::TwoWay,
                       true,
                       0.3f,
                       {kValveCavitation}},
        CavitationCase{"TwoWayValveWithoutCheck",
                       ProductKind::ControlValve,
                       ValveKind::TwoWay,
                       false,
                       0.3f,
                       {}},
        CavitationCase{
            "TwoWayValveSafe", ProductKind::ControlValve, ValveKind::TwoWay, true, 0.6f, {}},
        CavitationCase{"ValveWithZeroZ", ProductKind::ControlValve, ValveKind::TwoWay, true, 0, {}},
        CavitationCase{"ThreeWayValveNeverWarns",
                       ProductKind::ControlValve,
                       ValveKind::ThreeWay,
                       true,
                       0.3f,
                       {}},
        CavitationCase{"DpRegulatorAtRisk",
                       ProductKind::DpRegulator,
                       ValveKind::NotGiven,
                       true,
                       0.3f,
                       {kRegulatorCavitation}},
        CavitationCase{"DpRegulatorWithoutCheck",
                       ProductKind::DpRegulator,
                       ValveKind::NotGiven,
                       false,
                       0.3f,
                       {}},
        CavitationCase{"ReducingValveAtRisk",
                       ProductKind::ReducingValve,
                       ValveKind::NotGiven,
                       true,
                       0.3f,
                       {kValveCavitation}}),
    [](const auto& row) { return std::string(row.param.name); });

// --- Documents ------------------------------------------------------------------------------

// The view carries the file names as the records give them; the form enables a button only for
// a name of more than one character.
TEST(AreaDocuments, EachAreaNamesTheFilesOfItsProduct) {
  AreasFixture f;
  f.SectionsOn();
  ValveRecord v = MakeValve();
  v.descriptionFile = "";
  v.drawing2d = "x";
  v.drawing3d = "ab";
  ElectricActuatorRecord e = MakeElectric();
  e.descriptionFile = "ab";
  e.drawing2d = "";
  e.drawing3d = "y";
  f.AddValveWith(&e, nullptr, nullptr, v);
  f.catalogue->controller.descriptionFile = "z";
  f.catalogue->controller.drawing2d = "zr.dwg";
  f.catalogue->controller.drawing3d = "";
  const ResultView view = f.Show();
  EXPECT_EQ(Files(view.productDocuments), (QStringList{"", "x", "ab"}));
  EXPECT_EQ(Files(view.actuatorDocuments), (QStringList{"ab", "", "y"}));
  EXPECT_EQ(Files(view.controllerDocuments), (QStringList{"z", "zr.dwg", ""}));

  // A later empty calculation names none.
  f.result.valveCandidates.clear();
  const ResultView empty = f.Show();
  for (const ProductDocumentFiles* files :
       {&empty.productDocuments, &empty.actuatorDocuments, &empty.controllerDocuments}) {
    EXPECT_EQ(Files(*files), (QStringList{"", "", ""}));
  }
}

TEST(AreaDocuments, RegulatorNamesTheRegulatorsFiles) {
  AreasFixture f;
  RegulatorCandidate r = MakeRegulator();
  r.regulator.drawing3d = "-";
  f.AddDpRegulator(r);
  EXPECT_EQ(Files(f.Show(0, -1).productDocuments), (QStringList{"afp.pdf", "afp.dwg", "-"}));
}

// --- Actuator area --------------------------------------------------------------------------

struct SignalCase {
  const char* name;
  bool request0to10V, request2to10V, request0to20mA, request4to20mA;
  const char* signalBlock;
};

class ElectricSignal : public ::testing::TestWithParam<SignalCase> {};

// The actuator supports 0–10 V and 4–20 mA; only a requested signal it supports is listed.
TEST_P(ElectricSignal, ListsTheRequestedSupportedSignal) {
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
    Signals, ElectricSignal,
    ::testing::Values(
        SignalCase{"FourTo20mARequested", false, false, false, true, "4-20 мА\r\n"},
        SignalCase{"ZeroTo10VRequested", true, false, false, false, "0-10 В\r\n"},
        SignalCase{"UnsupportedSignalGivesEmptyLine", false, false, true, false, "\r\n"},
        SignalCase{"NothingRequestedGivesEmptyLine", false, false, false, false, "\r\n"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ElectricActuatorValues, ControlKindAndOptionLines) {
  struct Case {
    const char* name;
    ControlKind control;
    const char* controlText;
  };
  const Case cases[] = {{"three-point", ControlKind::ThreePoint, "Трехпозиц."},
                        {"analogue", ControlKind::Analogue, "Аналоговый"},
                        {"not given", ControlKind::NotGiven, ""}};
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

TEST(ActuatorArea, ElectricActuatorShowsTheRequestedSignal) {
  AreasFixture f;
  f.request.actuator.requestedSignal4to20mA = true;
  const ElectricActuatorRecord electric = MakeElectric();
  const ThermostatRecord thermostat = MakeThermostat();
  f.AddValveWith(&electric, nullptr, &thermostat);
  const ResultView view = f.Show();
  EXPECT_EQ(view.actuator, ActuatorBlock::Electric);
  EXPECT_EQ(
      view.actuatorValues,
      QString::fromUtf8("AME 25 SU\r\nАналоговый\r\n24\r\n4-20 мА\r\nда\r\nнет\r\nда\r\nнет\r\n"));
  EXPECT_EQ(Files(view.actuatorDocuments), (QStringList{"ame.pdf", "ame.dwg", "ame.stp"}));
}

TEST(ActuatorArea, PneumaticActuatorShowsTheFormsChoice) {
  AreasFixture f;
  const ElectricActuatorRecord electric = MakeElectric();
  const PneumaticActuatorRecord pneumatic = MakePneumatic();
  f.AddValveWith(&electric, &pneumatic, nullptr);
  f.choices.positioner = 2;
  f.choices.normalPosition = 2;
  const ResultView view = f.Show(0, 1);
  EXPECT_EQ(view.actuator, ActuatorBlock::Pneumatic);
  EXPECT_EQ(view.actuatorValues, QString::fromUtf8("PA 10\r\nPZ2\r\nНорм.закрытый"));
  EXPECT_EQ(Files(view.actuatorDocuments), (QStringList{"pa.pdf", "pa.dwg", "pa.stp"}));
  EXPECT_EQ(f.texts.positionerText, "PZ2");
  EXPECT_EQ(f.texts.normalPositionText, QString::fromUtf8("Норм.закрытый"));

  // With no positioner chosen the text of the previous display stays.
  f.choices.positioner = 0;
  f.choices.normalPosition = 1;
  EXPECT_EQ(f.Show(0, 1).actuatorValues, QString::fromUtf8("PA 10\r\nPZ2\r\nНорм.открытый"));
}

struct CapillaryCase {
  const char* name;
  int elementType;   // 1 rod, 2 spiral
  int elementMetal;  // 1 copper, 2 stainless
  CapillaryMaterial capillaryMetal;
  const char* capillaryLength;  // the entry chosen in the length list
  bool spiralRequested;
  const char* expected;
  QStringList documents;
};

class ThermostatArea : public ::testing::TestWithParam<CapillaryCase> {};

TEST_P(ThermostatArea, ShowsTheChosenElementAndCapillary) {
  const CapillaryCase& k = GetParam();
  AreasFixture f;
  f.texts.capillaryMetalText = "old metal";
  f.texts.capillaryLengthText = "old length";
  const PneumaticActuatorRecord pneumatic = MakePneumatic();
  const ThermostatRecord thermostat = MakeThermostat();
  f.AddValveWith(nullptr, &pneumatic, &thermostat);
  f.request.actuator.spiralElement = k.spiralRequested;
  f.choices.elementType = k.elementType;
  f.choices.elementMetal = k.elementMetal;
  f.choices.capillaryMetal = k.capillaryMetal;
  f.choices.capillaryLength = k.capillaryLength;
  const ResultView view = f.Show(0, 1);
  EXPECT_EQ(view.actuator, ActuatorBlock::Thermostat);
  EXPECT_EQ(view.actuatorValues, QString::fromUtf8(k.expected));
  // The drawings of the element the matching was asked for.
  EXPECT_EQ(Files(view.actuatorDocuments), k.documents);
}

INSTANTIATE_TEST_SUITE_P(
    Capillaries, ThermostatArea,
    ::testing::Values(
        CapillaryCase{"CopperRodCopper",
                      1,
                      1,
                      CapillaryMaterial::Copper,
                      "2.5",
                      false,
                      "TH 40\r\n2.5\r\nМедь\r\nМедь\r\nСтержневой\r\n40-70",
                      {"th.pdf", "rod.dwg", "rod.stp"}},
        CapillaryCase{"PvcSpiralStainless",
                      2,
                      2,
                      CapillaryMaterial::CopperPvc,
                      "5.0",
                      true,
                      "TH 40\r\n5.0\r\nНерж.сталь\r\nМедь с ПВХ\r\nСпиральный\r\n40-70",
                      {"th.pdf", "spiral.dwg", ""}},
        CapillaryCase{"StainlessCapillary",
                      1,
                      1,
                      CapillaryMaterial::Stainless,
                      "4.0",
                      false,
                      "TH 40\r\n4.0\r\nМедь\r\nНерж.сталь\r\nСтержневой\r\n40-70",
                      {"th.pdf", "rod.dwg", "rod.stp"}},
        CapillaryCase{"NoCapillaryMetalKeepsThePreviousTexts",
                      1,
                      1,
                      CapillaryMaterial::NotGiven,
                      "2.5",
                      false,
                      "TH 40\r\nold length\r\nМедь\r\nold metal\r\nСтержневой\r\n40-70",
                      {"th.pdf", "rod.dwg", "rod.stp"}},
        CapillaryCase{"NoLengthSelectedShowsAnEmptyLength",
                      1,
                      1,
                      CapillaryMaterial::Copper,
                      "",
                      false,
                      "TH 40\r\n\r\nМедь\r\nМедь\r\nСтержневой\r\n40-70",
                      {"th.pdf", "rod.dwg", "rod.stp"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ShownTexts, ThermostatTextsKeptForTheReport) {
  AreasFixture f;
  const ThermostatRecord thermostat = MakeThermostat();
  f.AddValveWith(nullptr, nullptr, &thermostat);
  f.choices.elementType = 2;
  f.choices.elementMetal = 2;
  f.choices.capillaryMetal = CapillaryMaterial::Stainless;
  f.choices.capillaryLength = "1.5";
  const ResultTexts texts = ShownResultTexts({}, f.choices, f.result);
  EXPECT_EQ(texts.capillaryLengthText, "1.5");
  EXPECT_EQ(texts.capillaryMetalText, QString::fromUtf8("Нерж.сталь"));
  EXPECT_EQ(texts.elementMetalText, QString::fromUtf8("Нерж.сталь"));
  EXPECT_EQ(texts.elementTypeText, QString::fromUtf8("Спиральный"));
}

// The texts of an area not shown stay as the areas showed them before, whatever is chosen.
TEST(ShownTexts, AreasNotShownKeepTheirTexts) {
  AreasFixture f;
  const ElectricActuatorRecord electric = MakeElectric();
  f.AddValveWith(&electric, nullptr, nullptr);
  ResultTexts previous;
  previous.positionerText = "PZ1";
  previous.elementTypeText = QString::fromUtf8("Стержневой");
  previous.capillaryLengthText = "2.5";
  previous.controllerVariantText = "-94";
  previous.roomSensorCount = "1";
  f.choices.positioner = 2;
  f.choices.elementType = 2;
  f.choices.capillaryMetal = CapillaryMaterial::Stainless;
  f.choices.capillaryLength = "4.0";
  f.choices.controllerVariant = 3;
  f.choices.roomSensors = "3";
  f.choices.actuatorSectionOn = true;  // the controller section stays off
  const ResultTexts texts = ShownResultTexts(previous, f.choices, f.result);
  EXPECT_EQ(texts.positionerText, "PZ1");
  EXPECT_EQ(texts.elementTypeText, QString::fromUtf8("Стержневой"));
  EXPECT_EQ(texts.capillaryLengthText, "2.5");
  EXPECT_EQ(texts.controllerVariantText, "-94");
  EXPECT_EQ(texts.roomSensorCount, "1");
}

TEST(ActuatorArea, CandidateWithoutActuatorsOrIndexPastThemShowsNothing) {
  for (int shown : {0, 1, -1}) {
    SCOPED_TRACE(shown);
    AreasFixture f;
    const ElectricActuatorRecord electric = MakeElectric();
    f.AddValveWith(shown == 0 ? nullptr : &electric, nullptr, nullptr);
    const ResultView view = f.Show(0, shown);
    EXPECT_EQ(view.actuator, ActuatorBlock::None);
    EXPECT_EQ(Files(view.actuatorDocuments), (QStringList{"", "", ""}));
    EXPECT_FALSE(view.productValues.isEmpty());
  }
}

// --- Controller area ------------------------------------------------------------------------

TEST(ControllerArea, ShownOnlyWithBothSectionsOnAndAValve) {
  struct Case {
    const char* name;
    bool valve;
    bool actuatorOn;
    bool controllerOn;
    bool shown;
  };
  const Case cases[] = {{"both on", true, true, true, true},
                        {"controller off", true, true, false, false},
                        {"actuator off", true, false, true, false},
                        {"no valve", false, true, true, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AreasFixture f;
    if (c.valve) f.AddValve();
    f.choices.actuatorSectionOn = c.actuatorOn;
    f.choices.controllerSectionOn = c.controllerOn;
    f.catalogue->controller.descriptionFile = "zr.pdf";
    const ResultView view = f.Show();
    EXPECT_EQ(view.controllerShown, c.shown);
    EXPECT_EQ(view.controllerDocuments.description, c.shown ? "zr.pdf" : "");
  }
}

TEST(ControllerArea, VariantAndSensorCounts) {
  AreasFixture f;
  f.AddValve();
  f.SectionsOn();
  f.choices.controllerVariant = 2;
  f.choices.heatCarrierSensors = "2";
  f.choices.outdoorSensors = "1";
  f.choices.roomSensors = "0";
  EXPECT_EQ(f.Show().controllerValues, "ZR310\r\n-96\r\n\r\n2\r\n1\r\n0");
  EXPECT_EQ(f.texts.controllerVariantText, "-96");
  EXPECT_EQ(f.texts.heatCarrierSensorCount, "2");
  EXPECT_EQ(f.texts.outdoorSensorCount, "1");
  EXPECT_EQ(f.texts.roomSensorCount, "0");

  f.choices.controllerVariant = 3;
  f.Show();
  EXPECT_EQ(f.texts.controllerVariantText, "-98");
  // No variant chosen keeps the previous one; a count is printed as typed.
  f.choices.controllerVariant = 0;
  f.choices.roomSensors = "abc";
  EXPECT_EQ(f.Show().controllerValues, "ZR310\r\n-98\r\n\r\n2\r\n1\r\nabc");
  f.choices.controllerVariant = 1;
  f.Show();
  EXPECT_EQ(f.texts.controllerVariantText, "-94");
}

// --- Calculated data ------------------------------------------------------------------------

struct DataCase {
  const char* name;
  CalculatedData data;
  const char* expected;
};

class CalculatedDataFormat : public ::testing::TestWithParam<DataCase> {};

TEST_P(CalculatedDataFormat, Formats) {
  EXPECT_EQ(CalculatedDataText(GetParam().data), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CalculatedDataFormat,
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

// The figures of the area come from the result, K from the request.
TEST(CalculatedDataOfResult, TakesKFromTheRequest) {
  SelectionRequest request;
  request.safetyFactor = 1.1f;
  SelectionResult result;
  result.kv = 2.2f;
  result.dpv = 0.16f;
  result.velocity = 0.5f;
  result.psat = 0.7f;
  EXPECT_EQ(CalculatedDataText(CalculatedDataOf(request, result)),
            "2.00(2.20)\r\n0.16\r\n0.50\r\n0.70");
}

// --- Buffer length and locale ---------------------------------------------------------------

TEST(TextBuffer, LongTextsAreCutTo1023Characters) {
  AreasFixture f;
  ValveRecord v = MakeValve();
  v.name = QString(2000, 'N');
  f.AddValve(v);
  EXPECT_EQ(f.Show().productValues, QString(1023, 'N'));

  // A character outside the basic plane straddling the end is dropped whole.
  f.result.valveCandidates[0].valve.name = QString(1022, 'N') + QString::fromUtf8("😀");
  EXPECT_EQ(f.Show().productValues, QString(1022, 'N'));
}

TEST(Locale, RussianLocaleStillPrintsPoints) {
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  if (!std::setlocale(LC_ALL, "ru_RU.UTF-8")) GTEST_SKIP() << "ru_RU.UTF-8 is not installed";
  AreasFixture f;
  f.AddDpRegulator();
  f.result.kv = 2.2f;
  f.request.safetyFactor = 1.1f;
  const ResultView view = f.Show(0, -1);
  std::setlocale(LC_ALL, previous.c_str());
  EXPECT_TRUE(view.productValues.endsWith("\r\n8.0\r\n0.05\r\n0.2-1.0"));
  EXPECT_TRUE(view.calculatedData.startsWith("2.00(2.20)\r\n1.56\r\n"));
}

}  // namespace
}  // namespace selvio
