// The "Расчет" handler on the headless form with the small test catalogue. The form starts as a
// first start leaves it: water, 20 → 18 kPa, 20 °C, ΔP 0.2 kPa, 5 l/h, K 1.2, a flanged two-way
// valve with a 24 V three-position electric actuator with all four options: the valve VT2
// (DN 15, Kvs 0.4; Z 0.6) with the actuator EA-3P is found.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/form_fixture.h"

namespace selvio::test {
namespace {

// Headless controls that also note every change of a control's visibility, in order.
class ShowLog : public HeadlessControls {
 public:
  void Show(int id, bool shown) override {
    log.emplace_back(id, shown);
    HeadlessControls::Show(id, shown);
  }
  std::vector<std::pair<int, bool>> log;
};

class CalculateHandler : public FormTest {
 public:
  // What the user does between two calculations.
  void TypeText(int id, const char* text) { Type(id, QString::fromUtf8(text)); }
  void ClickControl(int id) { Click(id); }

 protected:
  void SetUp() override {
    FormTest::SetUp();
    auto controls = std::make_unique<ShowLog>();
    log_ = controls.get();
    controls_ = std::move(controls);
    DefineFormControls(*controls_);
    view_ = std::make_unique<SelectionForm>(*controls_, *catalogue_, glycol_);
    view_->Initialise();
  }

  void Calculate() {
    C().ClearMessages();
    log_->log.clear();
    Click(ids::kCalculate);
  }

  ShowLog* log_ = nullptr;
};

const QString kNothingFound =
    QString::fromUtf8("Вашим параметрам не удовлетворяет ни один клапан\r\n");

TEST_F(CalculateHandler, FirstStartFindsTheValveWithoutAMessage) {
  Calculate();
  EXPECT_EQ(View().Result().outcome, Found);
  EXPECT_TRUE(C().Messages().isEmpty()) << C().Messages().join('|').toStdString();
  EXPECT_TRUE(Enabled(ids::kOtherConfiguration));
  EXPECT_TRUE(Shown(ids::kValveLabels));
  EXPECT_TRUE(Shown(ids::kElectricValues));
}

// Each case starts after a calculation that found the valve, changes the form and calculates
// again: the message boxes shown, in order, and "Другая конфигурация" enabled only for Found.
struct OutcomeCase {
  const char* name;
  std::function<void(CalculateHandler&)> change;
  SelectionOutcome outcome;
  QStringList messageStarts;  // each message box begins with its entry
};

class CalculateOutcomeTest : public CalculateHandler,
                             public ::testing::WithParamInterface<OutcomeCase> {};

TEST_P(CalculateOutcomeTest, MessagesAndOtherConfigurationButton) {
  const OutcomeCase& c = GetParam();
  Calculate();
  ASSERT_EQ(View().Result().outcome, Found);
  ASSERT_TRUE(Enabled(ids::kOtherConfiguration));
  c.change(*this);
  Calculate();
  EXPECT_EQ(View().Result().outcome, c.outcome);
  const QStringList messages = C().Messages();
  ASSERT_EQ(messages.size(), c.messageStarts.size()) << messages.join('|').toStdString();
  for (int i = 0; i < messages.size(); ++i) {
    EXPECT_TRUE(messages[i].startsWith(c.messageStarts[i])) << messages[i].toStdString();
  }
  EXPECT_EQ(Enabled(ids::kOtherConfiguration), c.outcome == Found);
  if (c.outcome == InvalidInput) {
    EXPECT_EQ(CandidateCount(View().Result()), 0);
    EXPECT_EQ(View().Result().kv, 0.0f);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CalculateOutcomeTest,
    ::testing::Values(
        OutcomeCase{"found_again", [](CalculateHandler&) {}, Found, {}},
        // 100000 l/h = 100 m³/h: Kv = 1.2·100/√0.002 = 2683, far above Kvs 1.0.
        OutcomeCase{"nothing_fits",
                    [](CalculateHandler& form) { form.TypeText(ids::kFlow, "100000"); },
                    NothingFound,
                    {kNothingFound}},
        OutcomeCase{"pressures_in_the_wrong_order",
                    [](CalculateHandler& form) { form.TypeText(ids::kP2, "20"); },
                    InvalidInput,
                    {QString::fromUtf8("Должно быть Р2<Р1")}},
        OutcomeCase{"unreadable_flow",
                    [](CalculateHandler& form) { form.TypeText(ids::kFlow, ""); },
                    InvalidInput,
                    {QString::fromUtf8("Поле «G» не содержит числа")}},
        // A flow of zero or below would size to a Kv of zero or below that every valve passes.
        OutcomeCase{"negative_flow",
                    [](CalculateHandler& form) { form.TypeText(ids::kFlow, "-5"); },
                    InvalidInput,
                    {QString::fromUtf8("Расход среды G должен быть больше нуля")}},
        OutcomeCase{"zero_flow_with_a_decimal_comma",
                    [](CalculateHandler& form) { form.TypeText(ids::kFlow, "0,0"); },
                    InvalidInput,
                    {QString::fromUtf8("Расход среды G должен быть больше нуля")}},
        OutcomeCase{"negative_flow_after_the_pressures",
                    [](CalculateHandler& form) {
                      form.TypeText(ids::kFlow, "-5");
                      form.TypeText(ids::kP2, "20");
                    },
                    InvalidInput,
                    {QString::fromUtf8("Должно быть Р2<Р1")}},
        OutcomeCase{"regulator_setting_out_of_bounds",
                    [](CalculateHandler& form) {
                      form.ClickControl(ids::kDpRegulator);
                      form.TypeText(ids::kSetting, "9");
                    },
                    InvalidInput,
                    {QString::fromUtf8("Значение настройки может быть 0.2<P<8")}},
        // The thermostat TR-C holds 20-70 °C: none for 90 °C.
        OutcomeCase{"no_actuator",
                    [](CalculateHandler& form) {
                      form.ClickControl(ids::kThermostat);
                      form.TypeText(ids::kMaintainedTemperature, "90");
                    },
                    NoActuator,
                    {QString::fromUtf8("Вашим параметрам не удовлетворяет ни один привод!\r\n")}},
        // 600 → 100 kPa: |6 − 1| = 5 > 0.6·(6 − 0.0234) = 3.59 (Psat at 20 °C).
        OutcomeCase{"cavitation_warning_with_the_valve_found",
                    [](CalculateHandler& form) {
                      form.TypeText(ids::kP1, "600");
                      form.TypeText(ids::kP2, "100");
                    },
                    Found,
                    {QString::fromUtf8("Для данного клапана возможна кавитация!")}}),
    [](const auto& row) { return std::string(row.param.name); });

// The areas are cleared before the product of this calculation is shown: in the log every
// product and actuator block is hidden before any of them is shown again. The catalogue holds
// no reducing valve: nothing is shown for one.
TEST_F(CalculateHandler, ClearsTheAreasFirstThenShowsTheProduct) {
  const int blocks[] = {ids::kValveLabels, ids::kDpRegulatorLabels, ids::kReducingValveLabels,
                        ids::kElectricLabels, ids::kElectricValues};
  struct Row {
    const char* name;
    int product;
    const char* setting;
    SelectionOutcome outcome;
    int shownLabels;  // 0: none
  };
  const Row rows[] = {
      {"control valve", ids::kControlValve, "1", Found, ids::kValveLabels},
      {"differential-pressure regulator", ids::kDpRegulator, "0.5", Found, ids::kDpRegulatorLabels},
      {"control valve again", ids::kControlValve, "1", Found, ids::kValveLabels},
      {"reducing valve", ids::kReducingValve, "1", NothingFound, 0}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Calculate();  // something is shown before the calculation of the row
    ASSERT_EQ(View().Result().outcome, Found);
    Click(row.product);
    Type(ids::kSetting, row.setting);
    Calculate();
    ASSERT_EQ(View().Result().outcome, row.outcome);
    const auto& log = log_->log;
    std::size_t firstShown = log.size();
    for (std::size_t i = 0; i < log.size() && firstShown == log.size(); ++i) {
      for (int block : blocks) {
        if (log[i] == std::pair{block, true}) firstShown = i;
      }
    }
    EXPECT_EQ(firstShown < log.size(), row.shownLabels != 0);
    for (int block : blocks) {
      bool hidden = false;
      for (std::size_t i = 0; i < firstShown; ++i) {
        hidden = hidden || log[i] == std::pair{block, false};
      }
      EXPECT_TRUE(hidden) << "block " << block << " was not hidden first";
    }
    for (int labels : {ids::kValveLabels, ids::kDpRegulatorLabels, ids::kReducingValveLabels}) {
      EXPECT_EQ(Shown(labels), labels == row.shownLabels) << labels;
    }
  }
}

// A refusal leaves the areas cleared, while the calculated data still shows the figures of the
// calculation before.
TEST_F(CalculateHandler, RefusalLeavesTheAreasClearedAndThePreviousFigures) {
  Calculate();
  ASSERT_TRUE(Shown(ids::kValveLabels));
  const QString figures = Text(ids::kCalculatedData);
  ASSERT_FALSE(figures.isEmpty());
  Type(ids::kP2, "20");
  Calculate();
  ASSERT_EQ(View().Result().outcome, InvalidInput);
  for (int block : {ids::kValveLabels, ids::kDpRegulatorLabels, ids::kReducingValveLabels,
                    ids::kElectricLabels, ids::kElectricValues}) {
    EXPECT_FALSE(Shown(block)) << block;
  }
  EXPECT_TRUE(Text(ids::kRegulatorValues).isEmpty());
  EXPECT_EQ(Text(ids::kCalculatedData), figures);
}

}  // namespace
}  // namespace selvio::test
