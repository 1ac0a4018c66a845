#include "output/selection_report.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <memory>

#include "output/result_texts.h"

namespace selvio {
namespace {

ValveRecord MakeValve() {
  ValveRecord v;
  v.name = "VF 2.50";
  v.dnText = "50";
  v.dn = 50;
  v.connection = ConnectionKind::Flanged;
  v.valveKind = ValveKind::TwoWay;
  v.kvs = 6.3f;
  v.maxPressure = 16;
  v.maxTemperature = 150;
  v.characteristic = QString::fromUtf8("Равнопроцентная");
  v.construction = QString::fromUtf8("Седельный");
  v.leakage = 0.05;
  return v;
}

RegulatorCandidate MakeRegulator() {
  RegulatorCandidate c;
  c.regulator.name = "AFP 25";
  c.regulator.dnText = "25";
  c.regulator.connection = ConnectionKind::Flanged;
  c.regulator.kvs = 0.16f;
  c.regulator.maxPressure = 25;
  c.regulator.maxTemperature = 150;
  c.regulator.leakage = 0.05;
  c.settingLow = 0.2f;
  c.settingHigh = 1.0f;
  return c;
}

const char* const kValveLines =
    "Клапан: VF 2.50\n"
    "Условный проход ДУ, мм: 50\n"
    "Тип присоединения: Фланцевый\n"
    "Максимальное рабочее давление, бар: 16\n"
    "Максимальная рабочая температура, °С: 150\n"
    "Пропускная способность Kvs, м³/ч: 6.30\n"
    "Регулировочная характеристика: Равнопроцентная\n"
    "Тип конструкции: Седельный\n"
    "Протечка относительно Kvs,%: 0.05\n";

struct ReportFixture {
  std::unique_ptr<SelectionResult> result = std::make_unique<SelectionResult>();
  ResultTexts texts;
  PanelChoices sections;

  ReportFixture() {
    texts.positionerText = "PZ1";
    texts.normalPositionText = QString::fromUtf8("Норм.открытый");
    texts.capillaryLengthText = "2.5";
    texts.capillaryMetalText = QString::fromUtf8("Медь с ПВХ");
    texts.elementMetalText = QString::fromUtf8("Нерж.сталь");
    texts.elementTypeText = QString::fromUtf8("Спиральный");
    texts.controllerVariantText = "-96";
    texts.heatCarrierSensorCount = "2";
    texts.outdoorSensorCount = "1";
    texts.roomSensorCount = "0";
  }

  ValveCandidate& AddValve(const ValveRecord& valve = MakeValve()) {
    ValveCandidate& c = result->valveCandidates.emplace_back();
    c.valve = valve;
    return c;
  }
  void Sections(int actuatorOn, int controllerOn) {
    sections.actuatorSectionOn = actuatorOn != 0;
    sections.controllerSectionOn = controllerOn != 0;
  }
  QString Report() const {
    return ComposeSelectionReport(*result, texts, sections.WithController());
  }
};

ElectricActuatorRecord MakeElectric() {
  ElectricActuatorRecord e;
  e.variant = "AME 25 SU";
  e.voltage = 24;
  e.control = ControlKind::Analogue;
  e.signal0to10V = 1;
  e.signal4to20mA = 1;
  e.potentiometer = 1;
  e.heater = 1;
  return e;
}

TEST(ValveReportTest, ElectricActuatorAndController) {
  ReportFixture f;
  f.Sections(1, 1);
  ValveCandidate& c = f.AddValve();
  c.electricActuators[0] = MakeElectric();
  c.electricActuatorCount = 1;
  EXPECT_EQ(f.Report(), QString::fromUtf8(kValveLines) +
                            QString::fromUtf8("\n"
                                              "Электропривод: AME 25 SU\n"
                                              "Тип исполнения: Аналоговый\n"
                                              "Напряжение,В: 24\n"
                                              "Входной сигнал: 0-10 В, 4-20 мА\n"
                                              "Дополнительные опции:\n"
                                              "\tПотенциометр\n"
                                              "\tНагревательный элемент\n"
                                              "\n"
                                              "Контроллер: ZR310\n"
                                              "Тип исполнения: -96\n"
                                              "Датчики температуры (шт):\n"
                                              "\t- теплоносителя (SX40): 2\n"
                                              "\t- наружного воздуха (SX50): 1\n"
                                              "\t- воздуха в помещении (SX60): 0"));
}

TEST(ValveReportTest, ElectricActuatorVariants) {
  struct Case {
    const char* name;
    ElectricActuatorRecord actuator;
    const char* expected;  // the actuator block after the valve lines
  };
  ElectricActuatorRecord bare;
  bare.variant = "A";
  bare.voltage = 220;
  bare.control = ControlKind::ThreePoint;
  ElectricActuatorRecord notGiven = bare;
  notGiven.control = ControlKind::NotGiven;
  notGiven.signal2to10V = 1;
  ElectricActuatorRecord allOptions = bare;
  allOptions.signal0to20mA = 1;
  allOptions.potentiometer = allOptions.limitSwitches = allOptions.springReturn =
      allOptions.heater = 1;
  const Case cases[] = {
      {"no options and no signal", bare,
       "\nЭлектропривод: A\nТип исполнения: Трехпозиционный\nНапряжение,В: 220\n"
       "Дополнительные опции: отсутствуют"},
      {"control not given reads analogue", notGiven,
       "\nЭлектропривод: A\nТип исполнения: Аналоговый\nНапряжение,В: 220\n"
       "Входной сигнал: 2-10 В\nДополнительные опции: отсутствуют"},
      {"every option", allOptions,
       "\nЭлектропривод: A\nТип исполнения: Трехпозиционный\nНапряжение,В: 220\n"
       "Входной сигнал: 0-20 мА\nДополнительные опции:\n\tПотенциометр\n"
       "\tКонцевые выключатели\n\tВозвратная пружина\n\tНагревательный элемент"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    ReportFixture f;
    f.Sections(1, 0);
    ValveCandidate& c = f.AddValve();
    c.electricActuators[0] = k.actuator;
    c.electricActuatorCount = 1;
    EXPECT_EQ(f.Report(), QString::fromUtf8(kValveLines) + QString::fromUtf8(k.expected));
  }
}

TEST(ValveReportTest, PneumaticActuatorUsesTheKeptTexts) {
  ReportFixture f;
  f.Sections(1, 0);
  ValveCandidate& c = f.AddValve();
  c.electricActuators[0] = MakeElectric();
  c.electricActuatorCount = 1;
  c.pneumaticActuators[0].name = "PA 10";
  c.pneumaticActuatorCount = 1;
  f.result->shownActuator = 1;
  EXPECT_EQ(f.Report(), QString::fromUtf8(kValveLines) +
                            QString::fromUtf8("\nПревмопривод: PA 10\nТип позиционера: PZ1\n"
                                              "Исполнение: Норм.открытый"));
}

TEST(ValveReportTest, ThermostatLeavesOutTheElementType) {
  ReportFixture f;
  f.Sections(1, 0);
  ValveCandidate& c = f.AddValve();
  c.pneumaticActuators[0].name = "PA 10";
  c.pneumaticActuatorCount = 1;
  c.thermostats[0].name = "TH 40";
  c.thermostats[0].temperatureMin = 40;
  c.thermostats[0].temperatureMax = 70;
  c.thermostatCount = 1;
  f.result->shownActuator = 1;
  const QString report = f.Report();
  EXPECT_EQ(report, QString::fromUtf8(kValveLines) +
                        QString::fromUtf8("\nТермостат: TH 40\nДлина капилляра,м: 2.5\n"
                                          "Металл чувств.эл-та: Нерж.сталь\n"
                                          "Металл капилляра: Медь с ПВХ\n"
                                          "Диапазон темп-р,°С: 40-70"));
  EXPECT_FALSE(report.contains(QString::fromUtf8("Спиральный")));
}

TEST(ValveReportTest, SectionSwitchesDecideTheBlocks) {
  struct Case {
    const char* name;
    int actuatorOn;
    int controllerOn;
    bool withActuators;  // the candidate kept actuators (the section was on when sized)
    bool actuatorBlock;
    bool controllerBlock;
  };
  const Case cases[] = {
      {"actuator section off: no actuators, no controller", 0, 1, false, false, false},
      {"controller section off", 1, 0, true, true, false},
      {"both on", 1, 1, true, true, true},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    ReportFixture f;
    f.Sections(k.actuatorOn, k.controllerOn);
    ValveCandidate& c = f.AddValve();
    if (k.withActuators) {
      c.electricActuators[0] = MakeElectric();
      c.electricActuatorCount = 1;
    }
    const QString report = f.Report();
    EXPECT_TRUE(report.startsWith(QString::fromUtf8(kValveLines)));
    EXPECT_EQ(report.contains(QString::fromUtf8("Электропривод")), k.actuatorBlock);
    EXPECT_EQ(report.contains(QString::fromUtf8("Контроллер")), k.controllerBlock);
    if (!k.actuatorBlock) {
      EXPECT_EQ(report, QString::fromUtf8(kValveLines));
    }
  }
}

TEST(ValveReportTest, NumberRendering) {
  struct Case {
    const char* name;
    float kvs;
    double leakage;
    ConnectionKind connection;
    const char* kvsText;
    const char* leakageText;
    const char* connectionText;
  };
  const Case cases[] = {
      {"Kvs 0.63, leakage 0.01", 0.63f, 0.01, ConnectionKind::Threaded, "0.63", "0.01",
       "Резьбовой"},
      {"Kvs 10", 10, 0.05, ConnectionKind::NotGiven, "10.00", "0.05", "Резьбовой"},
      {"Kvs 0.16", 0.16f, 0, ConnectionKind::Flanged, "0.16", "0.00", "Фланцевый"},
      {"infinite Kvs", std::numeric_limits<float>::infinity(), 0.05, ConnectionKind::Flanged, "—",
       "0.05", "Фланцевый"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    ReportFixture f;
    ValveRecord v = MakeValve();
    v.kvs = k.kvs;
    v.leakage = k.leakage;
    v.connection = k.connection;
    f.AddValve(v);
    const QString report = f.Report();
    EXPECT_TRUE(report.contains(QString::fromUtf8("\nПропускная способность Kvs, м³/ч: ") +
                                QString::fromUtf8(k.kvsText) + "\n"));
    EXPECT_TRUE(report.endsWith(QString::fromUtf8("\nПротечка относительно Kvs,%: ") +
                                QString::fromUtf8(k.leakageText) + "\n"));
    EXPECT_TRUE(report.contains(QString::fromUtf8("\nТип присоединения: ") +
                                QString::fromUtf8(k.connectionText) + "\n"));
  }
}

TEST(RegulatorReportTest, DifferentialPressureRegulator) {
  ReportFixture f;
  f.Sections(1, 1);
  f.result->dpRegulatorCandidates.push_back(MakeRegulator());
  EXPECT_EQ(f.Report(), QString::fromUtf8("РПД: AFP 25\n"
                                          "Условный проход ДУ, мм: 25\n"
                                          "Тип присоединения: Фланцевый\n"
                                          "Максимальное рабочее давление, бар: 25\n"
                                          "Максимальная рабочая температура, °С: 150\n"
                                          "Пропускная способность Kvs, м³/ч: 0.16\n"
                                          "Протечка относительно Kvs,%: 0.05\n"
                                          "\n"
                                          "Диапазон давления, бар: 0.2-1.0\n"));
}

TEST(RegulatorReportTest, ReducingValveTitleHasALatinK) {
  ReportFixture f;
  RegulatorCandidate second = MakeRegulator();
  second.regulator.name = "AD 40";
  second.settingLow = 0.4f;
  second.settingHigh = 16;
  f.result->reducingValveCandidates = {MakeRegulator(), second};
  f.result->shownCandidate = 1;
  const QString report = f.Report();
  EXPECT_TRUE(report.startsWith(QString::fromUtf8("Р") + QChar(0x004B) + ": AD 40\n"));
  EXPECT_TRUE(report.endsWith(QString::fromUtf8("\nДиапазон давления, бар: 0.4-16.0\n")));
}

TEST(EmptyReportTest, NothingToReport) {
  ReportFixture f;
  f.Sections(1, 1);
  EXPECT_EQ(f.Report(), "");  // before any calculation, or after one that found nothing
  f.AddValve();
  f.result->shownCandidate = 3;
  EXPECT_EQ(f.Report(), "");  // a shown index the list does not hold
}

TEST(ReportLengthTest, CutTo1023Characters) {
  ReportFixture f;
  ValveRecord v = MakeValve();
  v.construction = QString(1500, 'C');
  f.AddValve(v);
  const QString report = f.Report();
  ASSERT_EQ(report.size(), 1023);
  EXPECT_TRUE(report.startsWith(QString::fromUtf8("Клапан: VF 2.50\n")));
  EXPECT_TRUE(report.endsWith("CCCC"));
}

// The report prints what the areas last showed of the form's choices.
TEST(ReportAndPanelsTest, ReportAgreesWithTheShownPanels) {
  ReportFixture f;
  f.Sections(1, 1);
  ValveCandidate& c = f.AddValve();
  c.electricActuators[0] = MakeElectric();
  c.electricActuatorCount = 1;
  PanelChoices choices = f.sections;
  choices.controllerVariant = 3;
  choices.heatCarrierSensors = "3";
  choices.outdoorSensors = "1";
  choices.roomSensors = "2";
  f.texts = ShownResultTexts({}, choices, *f.result);
  EXPECT_TRUE(
      f.Report().endsWith(QString::fromUtf8("\n\nКонтроллер: ZR310\n"
                                            "Тип исполнения: -98\n"
                                            "Датчики температуры (шт):\n"
                                            "\t- теплоносителя (SX40): 3\n"
                                            "\t- наружного воздуха (SX50): 1\n"
                                            "\t- воздуха в помещении (SX60): 2")));
}

TEST(ReportLocaleTest, RussianLocaleStillWritesPoints) {
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  if (!std::setlocale(LC_ALL, "ru_RU.UTF-8")) GTEST_SKIP() << "ru_RU.UTF-8 is not installed";
  ReportFixture f;
  f.result->dpRegulatorCandidates.push_back(MakeRegulator());
  const QString report = f.Report();
  std::setlocale(LC_ALL, previous.c_str());
  EXPECT_TRUE(report.contains(QString::fromUtf8("Kvs, м³/ч: 0.16\n")));
  EXPECT_TRUE(report.endsWith(QString::fromUtf8("бар: 0.2-1.0\n")));
}

}  // namespace
}  // namespace selvio
