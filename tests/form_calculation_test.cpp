#include <optional>
#include <vector>

#include "form_fixture.h"

namespace selvio::test {
namespace {

class FormCalculation : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    Start();
  }
  QString FirstLines(int id, int count) { return Text(id).split("\r\n").mid(0, count).join("|"); }
};

TEST_F(FormCalculation, CalculateRunsTheEngineOnTheFormsInputs) {
  Click(ids::kCalculate);
  const SelectionResult& result = View().Result();
  EXPECT_EQ(result.outcome, Found);
  ASSERT_EQ(CountOf(result.valveCandidates), 2);
  EXPECT_EQ(CountOf(result.valveCandidates[0].electricActuators), 1);  // the actuator section is on
  EXPECT_EQ(result.shownCandidate, 0);
  EXPECT_TRUE(Enabled(ids::kOtherConfiguration));
  EXPECT_EQ(FirstLines(ids::kRegulatorValues, 2), "VT2|15");
  EXPECT_TRUE(Shown(ids::kElectricValues));
  // The inputs were read in their units: 20 kPa, 5 l/h.
  EXPECT_FLOAT_EQ(View().Request().p1, 0.2f);
  EXPECT_FLOAT_EQ(View().Request().flow, 0.005f);
}

TEST_F(FormCalculation, ConfirmedChoiceRedrawsThePanels) {
  Click(ids::kCalculate);
  ASSERT_TRUE(View().HoldsCandidateChoice(1, 0));
  View().ApplyCandidateChoice(1, 0);
  EXPECT_EQ(View().Result().shownCandidate, 1);
  EXPECT_EQ(View().Result().shownActuator, 0);
  EXPECT_EQ(FirstLines(ids::kRegulatorValues, 2), "VT2|20");
  View().ApplyCandidateChoice(0, 0);
  EXPECT_EQ(FirstLines(ids::kRegulatorValues, 2), "VT2|15");
}

TEST_F(FormCalculation, CandidateChoicesTheDialogCouldConfirm) {
  Click(ids::kCalculate);
  struct Row {
    const char* name;
    int candidate;
    int actuator;
    bool holds;
  };
  const Row rows[] = {{"first pair", 0, 0, true},
                      {"second valve", 1, 0, true},
                      {"candidate beyond the list", 2, 0, false},
                      {"negative candidate", -1, 0, false},
                      {"actuator beyond the candidate's", 0, 1, false},
                      {"no actuator for a valve that has one", 0, -1, false}};
  for (const Row& row : rows) {
    EXPECT_EQ(View().HoldsCandidateChoice(row.candidate, row.actuator), row.holds) << row.name;
  }
}

TEST_F(FormCalculation, ActuatorSectionOffFindsValvesWithoutActuators) {
  Click(ids::kActuatorTicked);
  Click(ids::kCalculate);
  const SelectionResult& result = View().Result();
  ASSERT_EQ(CountOf(result.valveCandidates), 2);
  EXPECT_EQ(CountOf(result.valveCandidates[0].electricActuators), 0);
  EXPECT_TRUE(View().HoldsCandidateChoice(1, -1));
  EXPECT_FALSE(View().HoldsCandidateChoice(1, 0));
  View().ApplyCandidateChoice(1, -1);
  EXPECT_EQ(FirstLines(ids::kRegulatorValues, 2), "VT2|20");
  for (int id : {ids::kElectricLabels, ids::kElectricValues, ids::kThermostatValues,
                 ids::kPneumaticValues}) {
    EXPECT_FALSE(Shown(id)) << id;
  }
}

TEST_F(FormCalculation, NothingFoundDisablesOtherConfiguration) {
  Click(ids::kCalculate);
  ASSERT_TRUE(Enabled(ids::kOtherConfiguration));
  Type(ids::kFlow, "100000");
  C().ClearMessages();
  Click(ids::kCalculate);
  EXPECT_EQ(View().Result().outcome, NothingFound);
  EXPECT_FALSE(Enabled(ids::kOtherConfiguration));
  ASSERT_FALSE(C().Messages().isEmpty());
  EXPECT_TRUE(C().Messages().last().startsWith(
      QString::fromUtf8("Вашим параметрам не удовлетворяет ни один клапан")));
  EXPECT_FALSE(View().HoldsCandidateChoice(0, 0));
}

TEST_F(FormCalculation, DifferentialPressureRegulator) {
  Click(ids::kDpRegulator);
  Type(ids::kSetting, "0.5");
  Click(ids::kCalculate);
  const SelectionResult& result = View().Result();
  EXPECT_EQ(result.outcome, Found);
  ASSERT_EQ(CountOf(result.dpRegulatorCandidates), 1);
  EXPECT_EQ(FirstLines(ids::kRegulatorValues, 1), "DP1");
  EXPECT_TRUE(View().HoldsCandidateChoice(0, -1));
  EXPECT_FALSE(View().HoldsCandidateChoice(0, 0));
  View().ApplyCandidateChoice(0, -1);
  EXPECT_EQ(FirstLines(ids::kRegulatorValues, 1), "DP1");
  EXPECT_TRUE(Shown(ids::kDpRegulatorLabels));
}

// "Проверка" is offered while a product is shown, and every result the form shows reaches the
// observer the window follows with: a calculation, a choice in the candidate list, a calculation
// that finds nothing and one the form refuses.
TEST_F(FormCalculation, CheckButtonAndResultObserverFollowTheShownProduct) {
  std::vector<std::optional<ProductCheck>> told;
  View().SetResultObserver(
      [&told](const SelectionResult& result) { told.push_back(result.check); });
  EXPECT_FALSE(Enabled(ids::kCheckWindow)) << "nothing calculated yet";

  Click(ids::kCalculate);
  ASSERT_EQ(told.size(), 1u);
  ASSERT_TRUE(told[0] && told[0]->openingPercent);
  EXPECT_TRUE(Enabled(ids::kCheckWindow));

  // The same Kv on VT2 DN 20 (Kvs 1.0) instead of DN 15 (Kvs 0.4): the opening Kv/Kvs is
  // 0.4/1.0 of the first (within the single precision the catalogue's Kvs is read in).
  View().ApplyCandidateChoice(1, 0);
  ASSERT_EQ(told.size(), 2u);
  ASSERT_TRUE(told[1] && told[1]->openingPercent);
  const double expected = 0.4 * *told[0]->openingPercent;
  EXPECT_NEAR(*told[1]->openingPercent, expected, 1e-6 * expected);
  EXPECT_TRUE(Enabled(ids::kCheckWindow));

  Type(ids::kFlow, "100000");
  Click(ids::kCalculate);
  ASSERT_EQ(View().Result().outcome, NothingFound);
  ASSERT_EQ(told.size(), 3u);
  EXPECT_FALSE(told[2]);
  EXPECT_FALSE(Enabled(ids::kCheckWindow));

  Type(ids::kFlow, "5");
  Click(ids::kCalculate);
  ASSERT_TRUE(Enabled(ids::kCheckWindow));
  Type(ids::kP2, "20");  // P2 = P1: refused
  Click(ids::kCalculate);
  ASSERT_EQ(View().Result().outcome, InvalidInput);
  ASSERT_EQ(told.size(), 5u);
  EXPECT_FALSE(told[4]);
  EXPECT_FALSE(Enabled(ids::kCheckWindow));
}

}  // namespace
}  // namespace selvio::test
