#include <clocale>
#include <map>
#include <utility>

#include "app/dialogs/density_dialog.h"
#include "app/dialogs/flow_dialog.h"
#include "form_fixture.h"

namespace selvio::test {
namespace {

// A table over concentrations `first` (%) and temperatures `second` (°C) with `values`, for
// each temperature the values of every concentration.
PropertyTable Table(std::vector<float> first, std::vector<float> second,
                    std::vector<float> values) {
  PropertyTable table;
  table.firstCount = static_cast<int>(first.size());
  table.secondCount = static_cast<int>(second.size());
  table.firstAxis = std::move(first);
  table.secondAxis = std::move(second);
  table.values = std::move(values);
  return table;
}

std::map<int, std::pair<ControlType, QString>> ControlsOf(const DialogTemplate& t) {
  std::map<int, std::pair<ControlType, QString>> controls;
  for (const DialogControl& c : t.controls) controls[c.id] = {c.kind, c.text};
  return controls;
}

// The form with two small glycol tables: ethylene glycol 10…60 % over −30…100 °C, and
// propylene glycol with bounds that are not whole numbers, 10.5…50 % over 10.5…90 °C.
class DensityCalculator : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    glycol_.ethylene =
        Table({10, 60}, {-30, 20, 100}, {1.06f, 1.11f, 1.0456f, 1.0956f, 0.98f, 1.03f});
    glycol_.propylene = Table({10.5f, 50}, {10.5f, 90}, {1.02f, 1.04f, 0.98f, 1.0f});
    Start();
    Click(ids::kGlycol);
    Type(ids::kDensity, "1000");
    Type(ids::kTemperature, "20");
  }
  // Opens the calculator, types the temperature and concentration, picks the glycol and
  // presses "Расчитать" once; the dialog is then closed with Отмена if still open.
  void Calculate(const QString& temperature, const QString& concentration,
                 int glycol = density_dialog_ids::kEthylene) {
    C().QueueDialogScript([=, this](HeadlessControls& d) {
      d.SetText(density_dialog_ids::kTemperature, temperature);
      d.SetText(density_dialog_ids::kConcentration, concentration);
      d.Click(glycol);
      d.Click(ids::kOk);
      stayedOpen_ = !d.Ended();
      d.Click(ids::kCancel);
    });
    C().ClearMessages();
    Click(ids::kDensityCalc);
  }
  bool stayedOpen_ = false;
};

TEST_F(DensityCalculator, TemplateHoldsTheDialogsControls) {
  const DialogTemplate t = DensityCalculatorDialog(glycol_, "").Template();
  EXPECT_EQ(t.id, 133);
  EXPECT_EQ(t.title, "Расчет плотности");
  EXPECT_EQ(t.defaultButton, ids::kOk);
  using namespace density_dialog_ids;
  const std::map<int, std::pair<ControlType, QString>> expected = {
      {kEthylene, {ControlType::Radio, "Этиленгликоль"}},
      {kPropylene, {ControlType::Radio, "Пропиленгликоль"}},
      {kTemperatureCaption, {ControlType::Label, "Температура:"}},
      {kTemperature, {ControlType::Edit, ""}},
      {kTemperatureUnit, {ControlType::Label, "°С"}},
      {kConcentrationCaption, {ControlType::Label, "Концентрация:"}},
      {kConcentration, {ControlType::Edit, ""}},
      {kConcentrationUnit, {ControlType::Label, "%"}},
      {ids::kOk, {ControlType::Button, "Расчитать"}},
      {ids::kCancel, {ControlType::Button, "Отмена"}}};
  EXPECT_EQ(ControlsOf(t), expected);
}

TEST_F(DensityCalculator, OpensWithEthyleneTenPercentAndTheFormsTemperature) {
  for (int run = 0; run < 2; ++run) {  // the second run after the user chose propylene glycol
    C().QueueDialogScript([](HeadlessControls& d) {
      EXPECT_TRUE(d.IsChecked(density_dialog_ids::kEthylene));
      EXPECT_FALSE(d.IsChecked(density_dialog_ids::kPropylene));
      EXPECT_EQ(d.Text(density_dialog_ids::kTemperature), "20");
      EXPECT_EQ(d.Text(density_dialog_ids::kConcentration), "10");
      d.Click(density_dialog_ids::kPropylene);
      EXPECT_FALSE(d.IsChecked(density_dialog_ids::kEthylene));
      d.SetText(density_dialog_ids::kConcentration, "30");
    });
    Click(ids::kDensityCalc);
  }
  EXPECT_EQ(C().DialogsRun(), (std::vector<int>{133, 133}));
  EXPECT_EQ(Text(ids::kDensity), "1000");  // closed by no one: cancelled
}

TEST_F(DensityCalculator, PointsOutsideTheTableNameTheBoundAndKeepTheDialogOpen) {
  struct Row {
    const char* name;
    const char* temperature;
    const char* concentration;
    int glycol;
    const char* message;
  };
  const Row rows[] = {
      {"below the first temperature", "-35", "10", density_dialog_ids::kEthylene,
       "Температура этиленгликоля не может быть ниже -30 градусов."},
      {"above the last temperature", "100.5", "10", density_dialog_ids::kEthylene,
       "Температура этиленгликоля не может быть выше 100 градусов."},
      {"below the first concentration", "20", "9.9", density_dialog_ids::kEthylene,
       "Концентрация этиленгликоля не может быть ниже 10%."},
      {"above the last concentration", "20", "65", density_dialog_ids::kEthylene,
       "Концентрация этиленгликоля не может быть выше 60%."},
      {"temperature checked before concentration", "-35", "65", density_dialog_ids::kEthylene,
       "Температура этиленгликоля не может быть ниже -30 градусов."},
      {"propylene glycol, bound 10.5 truncated", "10", "20", density_dialog_ids::kPropylene,
       "Температура пропиленгликоля не может быть ниже 10 градусов."},
      {"propylene glycol, concentration bound 10.5 truncated", "20", "10",
       density_dialog_ids::kPropylene, "Концентрация пропиленгликоля не может быть ниже 10%."},
      {"a temperature that is not a number reads as 0", "тепло", "20",
       density_dialog_ids::kPropylene,
       "Температура пропиленгликоля не может быть ниже 10 градусов."},
      {"a concentration that is not a number reads as 0", "20", "", density_dialog_ids::kPropylene,
       "Концентрация пропиленгликоля не может быть ниже 10%."},
      {"a decimal comma ends the number: 100,5 reads as 100, then 65 % is too much", "100,5", "65",
       density_dialog_ids::kEthylene, "Концентрация этиленгликоля не может быть выше 60%."},
  };
  for (const Row& row : rows) {
    Calculate(row.temperature, row.concentration, row.glycol);
    EXPECT_EQ(C().Messages(), QStringList{row.message}) << row.name;
    EXPECT_TRUE(stayedOpen_) << row.name;
    EXPECT_EQ(Text(ids::kDensity), "1000") << row.name;
  }
}

TEST_F(DensityCalculator, DensityIsWrittenInKilogramsTruncated) {
  struct Row {
    const char* name;
    const char* temperature;
    const char* concentration;
    int glycol;
    const char* density;
  };
  const Row rows[] = {
      {"1.0456 t/m³ at 10 %, 20 °C: 1045, not rounded to 1046", "20", "10",
       density_dialog_ids::kEthylene, "1045"},
      {"both bounds accepted: 1.03 t/m³ at 60 %, 100 °C is 1030", "100", "60",
       density_dialog_ids::kEthylene, "1030"},
      {"first bounds accepted: 1.06 at 10 %, -30 °C", "-30", "10", density_dialog_ids::kEthylene,
       "1060"},
      // 1.0456 + (1.0956 − 1.0456)·25/50 = 1.0706
      {"35 % at 20 °C between two concentrations", "20", "35", density_dialog_ids::kEthylene,
       "1070"},
      // 1.0456 + (0.98 − 1.0456)·40/80 = 1.0128
      {"10 % at 60 °C between two temperatures", "60", "10", density_dialog_ids::kEthylene, "1012"},
      // 1.02 + (1.04 − 1.02)·(30.25 − 10.5)/39.5 = 1.03
      {"propylene glycol 30.25 % at 10.5 °C", "10.5", "30.25", density_dialog_ids::kPropylene,
       "1030"},
  };
  for (const Row& row : rows) {
    Type(ids::kDensity, "1000");
    Calculate(row.temperature, row.concentration, row.glycol);
    EXPECT_TRUE(C().Messages().isEmpty()) << row.name;
    EXPECT_FALSE(stayedOpen_) << row.name;
    EXPECT_EQ(Text(ids::kDensity), row.density) << row.name;
  }
}

TEST_F(DensityCalculator, CancelLeavesTheDensityField) {
  C().QueueDialogScript([](HeadlessControls& d) {
    d.SetText(density_dialog_ids::kConcentration, "30");
    d.Click(ids::kCancel);
  });
  Click(ids::kDensityCalc);
  EXPECT_EQ(Text(ids::kDensity), "1000");
}

TEST_F(DensityCalculator, MissingTableIsReportedInsteadOfADensityOfZero) {
  glycol_.ethylene = PropertyTable{};
  Calculate("20", "10");
  EXPECT_EQ(C().Messages(),
            QStringList{"Температура этиленгликоля не может быть выше 0 градусов."});
  Calculate("0", "0");
  ASSERT_EQ(C().Messages().size(), 1);
  EXPECT_TRUE(C().Messages()[0].startsWith("Нет таблицы плотности этиленгликоля"));
  EXPECT_TRUE(stayedOpen_);
  EXPECT_EQ(Text(ids::kDensity), "1000");
}

// The flow calculator on a form that starts from the default kept texts "100", "100", "0".
class FlowCalculator : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    Start();
    Type(ids::kFlow, "5");
    Select(ids::kFlowUnit, 2);
  }
  void Calculate(const QString& supply, const QString& back, const QString& power) {
    C().QueueDialogScript([=, this](HeadlessControls& d) {
      d.SetText(flow_dialog_ids::kSupplyTemperature, supply);
      d.SetText(flow_dialog_ids::kReturnTemperature, back);
      d.SetText(flow_dialog_ids::kHeatPower, power);
      d.Click(ids::kOk);
      stayedOpen_ = !d.Ended();
      d.Click(ids::kCancel);
    });
    C().ClearMessages();
    Click(ids::kFlowCalc);
  }
  QString KeptTexts() {
    return State().calcSupplyTemperatureText + "|" + State().calcReturnTemperatureText + "|" +
           State().calcHeatPowerText;
  }
  bool stayedOpen_ = false;
};

TEST_F(FlowCalculator, TemplateHoldsTheDialogsControls) {
  const DialogTemplate t = HeatLoadFlowDialog({}).Template();
  EXPECT_EQ(t.id, 131);
  EXPECT_EQ(t.title, "Расчет расхода по тепловой нагрузке");
  EXPECT_EQ(t.defaultButton, ids::kOk);
  using namespace flow_dialog_ids;
  const std::map<int, std::pair<ControlType, QString>> expected = {
      {kScheduleCaption, {ControlType::Label, "Температурный график, °С:"}},
      {kSupplyTemperature, {ControlType::Edit, ""}},
      {kScheduleSeparator, {ControlType::Label, "–"}},
      {kReturnTemperature, {ControlType::Edit, ""}},
      {kHeatPowerCaption, {ControlType::Label, "Тепловая мощность:"}},
      {kHeatPower, {ControlType::Edit, ""}},
      {kHeatPowerUnit, {ControlType::Label, "кВт"}},
      {ids::kOk, {ControlType::Button, "OK"}},
      {ids::kCancel, {ControlType::Button, "Отмена"}}};
  EXPECT_EQ(ControlsOf(t), expected);
}

TEST_F(FlowCalculator, FlowIsWrittenWithTwoDecimalsInCubicMetresPerHour) {
  struct Row {
    const char* name;
    const char* supply;
    const char* back;
    const char* power;
    const char* flow;
  };
  const Row rows[] = {
      {"100 kW, 95/70: 100·0.86/25 = 3.44", "95", "70", "100", "3.44"},
      {"the schedule the other way round", "70", "95", "100", "3.44"},
      {"1000 kW, 80/60: 1000·0.86/20 = 43", "80", "60", "1000", "43.00"},
      {"1 kW, 95/70: 0.0344 to two decimals", "95", "70", "1", "0.03"},
      {"12 kW, 90/70: 12·0.86/20 = 0.516", "90", "70", "12", "0.52"},
      {"a heat load that is not a number reads as 0", "95", "70", "много", "0.00"},
      {"a return temperature that is not a number reads as 0: 43·0.86/43 = 0.86", "43", "x", "43",
       "0.86"},
  };
  for (const Row& row : rows) {
    Select(ids::kFlowUnit, 2);
    Calculate(row.supply, row.back, row.power);
    EXPECT_TRUE(C().Messages().isEmpty()) << row.name;
    EXPECT_FALSE(stayedOpen_) << row.name;
    EXPECT_EQ(Text(ids::kFlow), row.flow) << row.name;
    EXPECT_EQ(Selected(ids::kFlowUnit), 0) << row.name;
    EXPECT_EQ(KeptTexts(), QString("%1|%2|%3").arg(row.supply, row.back, row.power)) << row.name;
  }
}

TEST_F(FlowCalculator, ReopensWithTheKeptTextsAndCancelKeepsThem) {
  C().QueueDialogScript([](HeadlessControls& d) {
    EXPECT_EQ(d.Text(flow_dialog_ids::kSupplyTemperature), "100");
    EXPECT_EQ(d.Text(flow_dialog_ids::kReturnTemperature), "100");
    EXPECT_EQ(d.Text(flow_dialog_ids::kHeatPower), "0");
  });
  Click(ids::kFlowCalc);
  Calculate("95", "70", "100");
  C().QueueDialogScript([](HeadlessControls& d) {
    EXPECT_EQ(d.Text(flow_dialog_ids::kSupplyTemperature), "95");
    EXPECT_EQ(d.Text(flow_dialog_ids::kReturnTemperature), "70");
    EXPECT_EQ(d.Text(flow_dialog_ids::kHeatPower), "100");
    d.SetText(flow_dialog_ids::kHeatPower, "500");
    d.Click(ids::kCancel);
  });
  Type(ids::kFlow, "7");
  Select(ids::kFlowUnit, 1);
  Click(ids::kFlowCalc);
  EXPECT_EQ(KeptTexts(), "95|70|100");
  EXPECT_EQ(Text(ids::kFlow), "7");
  EXPECT_EQ(Selected(ids::kFlowUnit), 1);
}

TEST_F(FlowCalculator, EqualScheduleTemperaturesAreRefusedAndTheDialogStaysOpen) {
  struct Row {
    const char* name;
    const char* supply;
    const char* back;
  };
  const Row rows[] = {{"the defaults 100 and 100", "100", "100"},
                      {"70 and 70.0", "70", "70.0"},
                      {"two texts that are not numbers both read as 0", "", "нет"}};
  for (const Row& row : rows) {
    Calculate(row.supply, row.back, "100");
    ASSERT_EQ(C().Messages().size(), 1) << row.name;
    EXPECT_TRUE(C().Messages()[0].startsWith("Температуры графика равны")) << row.name;
    EXPECT_TRUE(stayedOpen_) << row.name;
    EXPECT_EQ(Text(ids::kFlow), "5") << row.name;
    EXPECT_EQ(Selected(ids::kFlowUnit), 2) << row.name;
    EXPECT_EQ(KeptTexts(), "100|100|0") << row.name;
  }
  // Corrected in the same dialog, the flow is computed.
  C().QueueDialogScript([](HeadlessControls& d) {
    d.SetText(flow_dialog_ids::kHeatPower, "100");
    d.Click(ids::kOk);
    EXPECT_FALSE(d.Ended());
    d.SetText(flow_dialog_ids::kReturnTemperature, "75");
    d.Click(ids::kOk);
  });
  Click(ids::kFlowCalc);
  EXPECT_EQ(Text(ids::kFlow), "3.44");  // 100·0.86/25
}

TEST_F(FlowCalculator, FlowOverflowIsRefused) {
  Calculate("95", "70", "1e39");  // beyond single precision
  ASSERT_EQ(C().Messages().size(), 1);
  EXPECT_TRUE(C().Messages()[0].startsWith("Расход по тепловой нагрузке не удается вычислить"));
  EXPECT_TRUE(stayedOpen_);
  EXPECT_EQ(Text(ids::kFlow), "5");
}

TEST_F(FlowCalculator, RussianLocaleKeepsThePoint) {
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  ASSERT_NE(std::setlocale(LC_ALL, "ru_RU.UTF-8"), nullptr);
  Calculate("95.5", "70.5", "100");  // 100·0.86/25
  std::setlocale(LC_ALL, previous.c_str());
  EXPECT_EQ(Text(ids::kFlow), "3.44");
}

}  // namespace
}  // namespace selvio::test
