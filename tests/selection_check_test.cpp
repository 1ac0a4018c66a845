// The check of the shown product travels with the result of a calculation: built from the
// request, the record shown and the candidate list, and computed anew for another candidate.

#include <gtest/gtest.h>

#include "engine/selection.h"

namespace selvio {
namespace {

QString Utf8(const char* text) { return QString::fromUtf8(text); }

// A flanged two-way valve for water, glycol and steam, equal-percentage, rated 16 bar from
// −10 to 120 °C and 14.4 bar at 150 °C.
ValveRecord Valve(const char* name, float dn, float kvs) {
  ValveRecord v;
  v.name = Utf8(name);
  v.dnText = QString::number(dn);
  v.dn = dn;
  v.connection = ConnectionKind::Flanged;
  v.valveKind = ValveKind::TwoWay;
  v.kvs = kvs;
  v.maxTemperature = 150;
  v.maxPressure = 16;
  v.characteristic = Utf8("равнопроцентная");
  v.forWater = v.forGlycol = v.forSteam = 1;
  v.ratingTemperature[0] = -10;
  v.ratingPressure[0] = 16;
  v.ratingTemperature[1] = 120;
  v.ratingPressure[1] = 16;
  v.ratingTemperature[2] = 150;
  v.ratingPressure[2] = 14.4f;
  v.ratingCount = 3;
  return v;
}

// Water at 90 °C, 6 bar g to 4 bar g, ΔP 0.3 bar across the valve, 5 m³/h, no safety factor.
SelectionRequest WaterRequest() {
  SelectionRequest r;
  r.product = ProductKind::ControlValve;
  r.medium = Medium::Water;
  r.connection = ConnectionKind::Flanged;
  r.valveKind = ValveKind::TwoWay;
  r.p1 = 6;
  r.p2 = 4;
  r.temperature = 90;
  r.drop = 0.3f;
  r.flow = 5;
  return r;
}

class SelectionCheck : public ::testing::Test {
 protected:
  SelectionResult Run(const SelectionRequest& request) {
    return RunSelection(request, catalogue_, saturation_);
  }

  Catalogue catalogue_;
  SaturationTable saturation_;
};

// IAPWS-IF97 (python3-iapws): ρ(90 °C, 7.01325 bar) = 965.5925 kg/m³;
//   Kv = 5·√((965.5925/999.10329)/0.3) = 8.97431 m³/h;
//   Kvs 16: Kv/Kvs = 56.089 %, lift = 1 + ln(0.56089)/ln 50 = 85.219 %;
//   DN 32: V = 5/3600/(π·0.032²/4) = 1.72694 m/s.
TEST_F(SelectionCheck, ShownValveCarriesItsCheck) {
  catalogue_.valves.Append(Valve("VA", 32, 16));
  catalogue_.valves.Append(Valve("VB", 40, 25));
  const SelectionResult result = Run(WaterRequest());
  ASSERT_EQ(result.outcome, Found);
  ASSERT_EQ(result.valveCandidates.size(), 2u);
  ASSERT_TRUE(result.check);
  const ProductCheck& c = *result.check;
  ASSERT_EQ(c.status, CheckStatus::Computed);
  EXPECT_FALSE(c.isSteam);
  EXPECT_NEAR(c.p1, 7.01325, 1e-6);
  EXPECT_NEAR(*c.rho, 965.5925, 1e-3);
  EXPECT_NEAR(*c.kvIec, 8.97431, 1e-4);
  EXPECT_NEAR(*c.kvRequired, 8.97431, 1e-4);
  EXPECT_NEAR(*c.openingPercent, 56.089, 1e-3);
  EXPECT_NEAR(*c.liftPercent, 85.219, 1e-3);
  EXPECT_NEAR(*c.velocity, 1.72694, 1e-5);
  // "Kvs достаточен: по МЭК требуется Kv 8.97 ≤ Kvs 16."
  EXPECT_FALSE(c.flags.kvExceedsKvs);
  EXPECT_EQ(c.kvs, 16);
  EXPECT_EQ(c.safetyFactor, 1);

  ASSERT_EQ(c.ratingChart.curve.size(), 3u);
  const double pairs[][2] = {{-10, 16}, {120, 16}, {150, 14.4f}};
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_DOUBLE_EQ(c.ratingChart.curve[i].x, pairs[i][0]);
    EXPECT_DOUBLE_EQ(c.ratingChart.curve[i].y, pairs[i][1]);
  }
  EXPECT_DOUBLE_EQ(c.ratingChart.workingPoint.x, 90);
  EXPECT_DOUBLE_EQ(c.ratingChart.workingPoint.y, 6);
  ASSERT_TRUE(c.characteristicChart.workingPoint);
  EXPECT_NEAR(c.characteristicChart.workingPoint->x, 85.219, 1e-3);
  EXPECT_NEAR(c.characteristicChart.workingPoint->y, 56.089, 1e-3);
}

// Kvs 25: Kv/Kvs = 8.97431/25 = 35.897 %, lift = 1 + ln(0.35897)/ln 50 = 73.811 %;
// DN 40: V = 5/3600/(π·0.04²/4) = 1.10524 m/s.
TEST_F(SelectionCheck, AnotherCandidateIsCheckedAnew) {
  catalogue_.valves.Append(Valve("VA", 32, 16));
  catalogue_.valves.Append(Valve("VB", 40, 25));
  const SelectionRequest request = WaterRequest();
  SelectionResult result = Run(request);
  ShowCandidate(result, request, saturation_, {1, -1});
  ASSERT_TRUE(result.check);
  EXPECT_NEAR(*result.check->openingPercent, 35.897, 1e-3);
  EXPECT_NEAR(*result.check->liftPercent, 73.811, 1e-3);
  EXPECT_NEAR(*result.check->velocity, 1.10524, 1e-5);

  ShowCandidate(result, request, saturation_, {2, -1});
  EXPECT_FALSE(result.check) << "no candidate 2: nothing shown, nothing checked";
}

// Glycol, ρ 1100 kg/m³, 90 °C: the program's Kv is 5/√0.3·√(965.163/1100) = 8.551, so Kvs 9
// is chosen; the standard needs 5·√((1100/999.10329)/0.3) = 9.5786 > 9. The verdict takes the
// smallest sufficient Kvs of the list, Kvs 10 (third), not the first sufficient one (Kvs 16).
TEST_F(SelectionCheck, VerdictChoosesTheSmallestSufficientKvsOfTheList) {
  catalogue_.valves.Append(Valve("VA", 25, 9));
  catalogue_.valves.Append(Valve("VB", 32, 16));
  catalogue_.valves.Append(Valve("VC", 25, 10));
  SelectionRequest request = WaterRequest();
  request.medium = Medium::Glycol;
  request.density = 1100;
  const SelectionResult result = Run(request);
  ASSERT_EQ(result.valveCandidates.size(), 3u);
  ASSERT_TRUE(result.check);
  EXPECT_NEAR(*result.check->kvIec, 9.5786, 1e-4);
  EXPECT_TRUE(result.check->flags.kvExceedsKvs);
  EXPECT_EQ(result.check->suggestion, 2);
  // "... Из того же списка подойдет VC-25 (Kvs 10).": the list names a candidate "name-DN".
  ASSERT_TRUE(result.check->suggestedProduct);
  EXPECT_EQ(result.check->suggestedProduct->name, Utf8("VC-25"));
  EXPECT_EQ(result.check->suggestedProduct->kvs, 10);
}

// A table of fewer than two pairs gives way to the nominal maximum temperature and pressure.
TEST_F(SelectionCheck, RatingOfFewerThanTwoPairsIsTheNominalPoint) {
  for (const int pairs : {0, 1}) {
    SCOPED_TRACE(pairs);
    Catalogue catalogue;
    ValveRecord valve = Valve("VA", 32, 16);
    valve.ratingCount = pairs;
    catalogue.valves.Append(valve);
    const SelectionResult result = RunSelection(WaterRequest(), catalogue, saturation_);
    ASSERT_TRUE(result.check);
    ASSERT_EQ(result.check->ratingChart.curve.size(), 1u);
    EXPECT_DOUBLE_EQ(result.check->ratingChart.curve[0].x, 150);
    EXPECT_DOUBLE_EQ(result.check->ratingChart.curve[0].y, 16);
  }
}

// A differential-pressure regulator of Kvs 16: opening 8.97431/16 = 56.089 %, no lift and no
// characteristic picture.
TEST_F(SelectionCheck, RegulatorIsCheckedWithoutALift) {
  RegulatorRecord regulator;
  regulator.name = Utf8("RD");
  regulator.dnText = QStringLiteral("32");
  regulator.dn = 32;
  regulator.connection = ConnectionKind::Flanged;
  regulator.kvs = 16;
  regulator.maxTemperature = 150;
  regulator.maxPressure = 16;
  regulator.forWater = 1;
  regulator.rangeLow[0] = 0.2f;
  regulator.rangeHigh[0] = 1;
  regulator.rangeCount = 1;
  catalogue_.dpRegulators.Append(regulator);
  SelectionRequest request = WaterRequest();
  request.product = ProductKind::DpRegulator;
  request.setting = 0.5f;
  const SelectionResult result = Run(request);
  ASSERT_EQ(result.outcome, Found);
  ASSERT_TRUE(result.check);
  EXPECT_NEAR(*result.check->openingPercent, 56.089, 1e-3);
  EXPECT_FALSE(result.check->liftPercent);
  EXPECT_TRUE(result.check->characteristicChart.curve.empty());
  EXPECT_EQ(result.check->ratingChart.curve.size(), 1u);
}

// Steam: the ΔP field is δ against the absolute inlet pressure, 6.01325 bar:
// P2 = 6.01325·(1 − 0.3) = 4.209275 bar, ΔP = 1.803975 bar; no cavitation index.
TEST_F(SelectionCheck, SteamRequestGivesTheRelativeDrop) {
  catalogue_.valves.Append(Valve("VA", 32, 16));
  SelectionRequest request = WaterRequest();
  request.medium = Medium::Steam;
  request.p1 = 5;
  request.p2 = 0;
  request.temperature = 140;
  request.flow = 500;
  const SelectionResult result = Run(request);
  ASSERT_TRUE(result.check);
  EXPECT_TRUE(result.check->isSteam);
  EXPECT_NEAR(result.check->p2, 4.209275, 1e-6);
  EXPECT_NEAR(result.check->drop, 1.803975, 1e-6);
  EXPECT_FALSE(result.check->xF);
}

TEST_F(SelectionCheck, NothingShownNothingChecked) {
  catalogue_.valves.Append(Valve("VA", 32, 16));
  SelectionResult result = Run(WaterRequest());
  ASSERT_TRUE(result.check);

  SelectionRequest refused = WaterRequest();
  refused.p2 = 7;
  RunSelection(refused, catalogue_, saturation_, result);
  EXPECT_EQ(result.outcome, InvalidInput);
  EXPECT_FALSE(result.check) << "a refusal leaves no check of the earlier product";

  SelectionRequest tooMuch = WaterRequest();
  tooMuch.flow = 1000;
  EXPECT_EQ(Run(tooMuch).outcome, NothingFound);
  EXPECT_FALSE(Run(tooMuch).check);

  result = Run(WaterRequest());
  RefuseSelection(result, {SelectionMessageCode::FieldWithoutNumber, InputField::Flow});
  EXPECT_FALSE(result.check);
}

}  // namespace
}  // namespace selvio
