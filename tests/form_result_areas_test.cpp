#include <cmath>
#include <vector>

#include "form_fixture.h"

// The result areas on the whole form: what a calculation and a confirmed candidate show, and the
// form's own choices read when the areas are drawn.
namespace selvio::test {
namespace {

const QString kValveCavitation = QString::fromUtf8("Для данного клапана возможна кавитация!");

// A flanged two-way valve for water, glycol and steam, rated 16 bar / 150 °C.
ValveRecord MakeValve(const QString& name, float dn, float kvs) {
  ValveRecord v;
  v.name = name;
  v.dnText = QString::number(static_cast<double>(dn));
  v.dn = dn;
  v.connection = ConnectionKind::Flanged;
  v.valveKind = ValveKind::TwoWay;
  v.kvs = kvs;
  v.maxPressure = 16;
  v.maxTemperature = 150;
  v.forWater = v.forGlycol = v.forSteam = 1;
  return v;
}

// The form with its catalogue's valves replaced by one hand-built valve and no saturation table
// (Psat 0), at a water point: P1 6 bar, P2 3 bar, 90 °C, ΔP 0.25 bar, G 10 m³/h, without K
// and without actuators. Kv = G / √ΔP = 10 / 0.5 = 20.
class FormOnOneValve : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    RemoveFile(QString::fromUtf8("Рнас.dat"));
    Start();
    C().ClearMessages();  // the missing table's
    Click(ids::kUseSafetyFactor);
    Click(ids::kActuatorTicked);
    for (int unit : {ids::kP1Unit, ids::kP2Unit, ids::kDropUnit, ids::kFlowUnit}) {
      Select(unit, 0);  // bar, and m³/h for the flow
    }
    Type(ids::kP1, "6");
    Type(ids::kP2, "3");
    Type(ids::kTemperature, "90");
    Type(ids::kDrop, "0.25");
    Type(ids::kFlow, "10");
  }
  void UseValve(const ValveRecord& valve) {
    catalogue_->valves = RecordContainer<ValveRecord>();
    catalogue_->valves.Append(valve);
  }
};

TEST_F(FormOnOneValve, CalculationShowsTheFirstCandidate) {
  UseValve(MakeValve("V 50", 50, 25));
  Click(ids::kCalculate);
  ASSERT_EQ(View().Result().outcome, Found);
  EXPECT_TRUE(Text(ids::kRegulatorValues).startsWith("V 50\r\n50\r\n"));
  // dPv = (10 / 25)², V = 4·10⁶·10 / (3600·3.1415·50²)
  EXPECT_EQ(Text(ids::kCalculatedData), "20.00\r\n0.16\r\n1.41\r\n0.00");
  EXPECT_TRUE(C().Messages().isEmpty());
}

// A catalogue valve without a diameter gives an infinite velocity; neither its own display nor
// the stale numbers a refused calculation leaves show it as a number.
TEST_F(FormOnOneValve, ValveWithoutDiameterShowsADash) {
  UseValve(MakeValve("V 0", 0, 25));
  Click(ids::kCalculate);
  ASSERT_EQ(View().Result().outcome, Found);
  ASSERT_FALSE(std::isfinite(View().Result().velocity));
  EXPECT_EQ(Text(ids::kCalculatedData), "20.00\r\n0.16\r\n—\r\n0.00");
  Type(ids::kP2, "7");
  Click(ids::kCalculate);
  ASSERT_EQ(View().Result().outcome, InvalidInput);
  EXPECT_EQ(Text(ids::kCalculatedData), "20.00\r\n0.16\r\n—\r\n0.00");
  EXPECT_EQ(Text(ids::kRegulatorValues), "");
}

// |P1 − P2| = 3 bar against z·(P1 − Psat) = 0.3·6 = 1.8 bar: at risk; the form warns only when
// asked to.
TEST_F(FormOnOneValve, CavitationWarningIsShownWhenAsked) {
  ValveRecord valve = MakeValve("V 50", 50, 25);
  valve.z = 0.3f;
  UseValve(valve);
  Click(ids::kCalculate);
  ASSERT_EQ(View().Result().outcome, Found);
  EXPECT_EQ(C().Messages(), QStringList{kValveCavitation});
  EXPECT_TRUE(Text(ids::kRegulatorValues).startsWith("V 50\r\n"));

  C().ClearMessages();
  Click(ids::kCheckCavitation);
  Click(ids::kCalculate);
  ASSERT_EQ(View().Result().outcome, Found);
  EXPECT_TRUE(C().Messages().isEmpty());
}

// The test catalogue: valve VT2 with the electric actuators EA-3P and EA-AN, the pneumatic
// actuator PA-1 (PZ1, normally open) and the thermostat TR-C (20-70 °C); controller ZR310.
class FormChoicesOnTheAreas : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    Start();
  }
};

TEST_F(FormChoicesOnTheAreas, PneumaticActuatorShowsTheFormsPositionerAndNormalPosition) {
  Click(ids::kPneumatic);
  Click(ids::kPositionerPZ1);
  Click(ids::kNormallyOpen);
  Click(ids::kCalculate);
  ASSERT_EQ(View().Result().outcome, Found);
  EXPECT_EQ(Text(ids::kPneumaticValues), QString::fromUtf8("PA-1\r\nPZ1\r\nНорм.открытый"));

  // A confirmed choice reads the form's choices as they are then.
  Click(ids::kPositionerPZ2);
  Click(ids::kNormallyClosed);
  View().ApplyCandidateChoice(0, 0);
  EXPECT_EQ(Text(ids::kPneumaticValues), QString::fromUtf8("PA-1\r\nPZ2\r\nНорм.закрытый"));
  EXPECT_EQ(View().Texts().positionerText, "PZ2");
  EXPECT_EQ(View().Texts().normalPositionText, QString::fromUtf8("Норм.закрытый"));
  EXPECT_TRUE(Shown(ids::kPneumaticLabels));
  EXPECT_FALSE(Shown(ids::kElectricValues));
}

struct CapillaryRow {
  const char* name;
  std::vector<int> clicks;  // in order
  int lengthEntry;          // entry of list 1076 to select; -1 empties the list
  const char* expected;
};

// The test catalogue's capillaries give the lists copper 2.0, 4.2 (4.25 printed with one
// decimal, the tie to even), PVC 5.0, stainless 2.0, 6.0, 10.0 (the 2 m capillary is of both
// metals).
TEST_F(FormChoicesOnTheAreas, ThermostatShowsTheLengthChosenInTheListOfTheCheckedMetal) {
  Click(ids::kThermostat);
  Click(ids::kCalculate);
  ASSERT_EQ(View().Result().outcome, Found);
  const CapillaryRow rows[] = {
      {"copper, second length",
       {ids::kRodElement, ids::kCopperElement, ids::kCopperCapillary},
       1,
       "TR-C\r\n4.2\r\nМедь\r\nМедь\r\nСтержневой\r\n20-70"},
      {"PVC, spiral, stainless element",
       {ids::kSpiralElement, ids::kStainlessElement, ids::kPvcCapillary},
       0,
       "TR-C\r\n5.0\r\nНерж.сталь\r\nМедь с ПВХ\r\nСпиральный\r\n20-70"},
      {"stainless capillary",
       {ids::kRodElement, ids::kCopperElement, ids::kStainlessCapillary},
       2,
       "TR-C\r\n10.0\r\nМедь\r\nНерж.сталь\r\nСтержневой\r\n20-70"},
      {"no length selected",
       {ids::kCopperCapillary},
       -1,
       "TR-C\r\n\r\nМедь\r\nМедь\r\nСтержневой\r\n20-70"},
  };
  for (const CapillaryRow& row : rows) {
    SCOPED_TRACE(row.name);
    for (int id : row.clicks) Click(id);
    if (row.lengthEntry < 0) {
      C().ClearList(ids::kCapillaryLength);
    } else {
      Select(ids::kCapillaryLength, row.lengthEntry);
    }
    View().ApplyCandidateChoice(0, 0);
    EXPECT_EQ(Text(ids::kThermostatValues), QString::fromUtf8(row.expected));
  }
}

TEST_F(FormChoicesOnTheAreas, ControllerShowsTheFormsVariantAndSensorCounts) {
  Click(ids::kControllerHotWaterAndHeating);
  Type(ids::kHeatCarrierSensors, "2");
  Type(ids::kOutdoorSensors, "1");
  Type(ids::kRoomSensors, "0");
  Click(ids::kCalculate);
  ASSERT_EQ(View().Result().outcome, Found);
  EXPECT_EQ(Text(ids::kControllerValues), "ZR310\r\n-96\r\n\r\n2\r\n1\r\n0");
  EXPECT_EQ(View().Texts().controllerVariantText, "-96");
  EXPECT_EQ(View().Texts().heatCarrierSensorCount, "2");
  EXPECT_EQ(View().Texts().outdoorSensorCount, "1");
  EXPECT_EQ(View().Texts().roomSensorCount, "0");

  // The last checked variant in the order 1066, 1067, 1068 wins.
  C().SetChecked(ids::kControllerTwoHeating, true);
  View().ApplyCandidateChoice(0, 0);
  EXPECT_EQ(View().Texts().controllerVariantText, "-98");
  // A count is printed as typed.
  Type(ids::kRoomSensors, "abc");
  View().ApplyCandidateChoice(0, 0);
  EXPECT_EQ(Text(ids::kControllerValues), "ZR310\r\n-98\r\n\r\n2\r\n1\r\nabc");
  Click(ids::kControllerOneCircuit);
  View().ApplyCandidateChoice(0, 0);
  EXPECT_EQ(View().Texts().controllerVariantText, "-94");
}

}  // namespace
}  // namespace selvio::test
