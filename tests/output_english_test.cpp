// The outputs' words in English: the selection report, the result panels, the schedule's
// headings and marks, the document's date line and the mail's subject. Numbers keep their
// format and catalogue data stays as the catalogue gives it.
#include <gtest/gtest.h>

#include <QUrlQuery>

#include "output/panel_texts.h"
#include "output/report_document.h"
#include "output/report_mail.h"
#include "output/result_view.h"
#include "output/schedule.h"
#include "output/selection_report.h"
#include "tests/words_fixture.h"

namespace selvio::test {
namespace {

ValveRecord Valve() {
  ValveRecord v;
  v.name = "VF 2.50";
  v.dnText = "50";
  v.connection = ConnectionKind::Flanged;
  v.kvs = 6.3f;
  v.maxPressure = 16;
  v.maxTemperature = 150;
  v.characteristic = Utf8("Равнопроцентная");
  v.construction = Utf8("Седельный");
  v.leakage = 0.05;
  return v;
}

ElectricActuatorRecord Electric() {
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

ResultTexts Texts() {
  ResultTexts texts;
  texts.controllerVariantText = "-96";
  texts.heatCarrierSensorCount = "2";
  texts.outdoorSensorCount = "1";
  texts.roomSensorCount = "0";
  return texts;
}

// The Russian report of the same selection, line for line (selection_report_test.cpp), with
// the catalogue's characteristic and construction as they are.
TEST(EnglishReport, ValveWithItsElectricActuatorAndTheController) {
  const LanguageScope english(Language::English);
  SelectionResult result;
  ValveCandidate& c = result.valveCandidates.emplace_back();
  c.valve = Valve();
  c.electricActuators = {Electric()};
  EXPECT_EQ(ComposeSelectionReport(result, Texts(), true),
            Utf8("Valve: VF 2.50\n"
                 "Nominal size DN, mm: 50\n"
                 "Connection: Flanged\n"
                 "Maximum working pressure, bar: 16\n"
                 "Maximum working temperature, °C: 150\n"
                 "Flow coefficient Kvs, m³/h: 6.30\n"
                 "Characteristic: Равнопроцентная\n"
                 "Design: Седельный\n"
                 "Leakage, % of Kvs: 0.05\n"
                 "\n"
                 "Electric actuator: AME 25 SU\n"
                 "Control: Analogue\n"
                 "Voltage, V: 24\n"
                 "Input signal: 0-10 V, 4-20 mA\n"
                 "Options:\n"
                 "\tPotentiometer\n"
                 "\tHeater\n"
                 "\n"
                 "Controller: ZR310\n"
                 "Variant: -96\n"
                 "Temperature sensors (pcs):\n"
                 "\t- flow temperature (SX40): 2\n"
                 "\t- outdoor (SX50): 1\n"
                 "\t- room (SX60): 0"));
  c.electricActuators[0].potentiometer = 0;
  c.electricActuators[0].heater = 0;
  EXPECT_TRUE(
      ComposeSelectionReport(result, Texts(), false).endsWith(QStringLiteral("\nOptions: none")));
}

TEST(EnglishReport, RegulatorsByTheirFullNames) {
  const LanguageScope english(Language::English);
  for (const bool dp : {true, false}) {
    SelectionResult result;
    RegulatorCandidate c;
    c.regulator.name = "AFP 25";
    c.regulator.dnText = "25";
    c.regulator.connection = ConnectionKind::Threaded;
    c.regulator.kvs = 0.16f;
    c.regulator.maxPressure = 25;
    c.regulator.maxTemperature = 150;
    c.regulator.leakage = 0.05;
    c.settingLow = 0.2f;
    c.settingHigh = 1.0f;
    (dp ? result.dpRegulatorCandidates : result.reducingValveCandidates).push_back(c);
    EXPECT_EQ(ComposeSelectionReport(result, Texts(), false),
              (dp ? Utf8("Differential pressure controller: AFP 25\n")
                  : Utf8("Pressure reducing valve: AFP 25\n")) +
                  Utf8("Nominal size DN, mm: 25\n"
                       "Connection: Threaded\n"
                       "Maximum working pressure, bar: 25\n"
                       "Maximum working temperature, °C: 150\n"
                       "Flow coefficient Kvs, m³/h: 0.16\n"
                       "Leakage, % of Kvs: 0.05\n"
                       "\n"
                       "Setting range, bar: 0.2-1.0\n"));
  }
}

TEST(EnglishPanels, ValuesBesideTheirLabels) {
  const LanguageScope english(Language::English);
  EXPECT_EQ(ValveValueText(Valve()),
            Utf8("VF 2.50\r\n50\r\nFlanged\r\n16\r\n150\r\n6.3\r\nРавнопроцентная\r\nСедельный\r\n"
                 "0.05"));
  ActuatorPreferences preferences;
  preferences.requestedSignal4to20mA = true;
  EXPECT_EQ(ElectricActuatorValueText(Electric(), preferences),
            QStringLiteral("AME 25 SU\r\nAnalogue\r\n24\r\n4-20 mA\r\nyes\r\nno\r\nno\r\nyes\r\n"));
  EXPECT_EQ(CavitationWarningText(ProductKind::ControlValve),
            QStringLiteral("Cavitation is possible in this valve!"));
}

TEST(EnglishSchedule, HeadingsAndTheMarkOfWhatTheCatalogueDoesNotHold) {
  const LanguageScope english(Language::English);
  EXPECT_EQ(ScheduleCsvHeadings(),
            QStringList({"No.", "Tag", "Qty", "Medium", "G", "G unit", Utf8("ΔP"), Utf8("ΔP unit"),
                         "Product", "DN", Utf8("Kvs, m³/h"), "Actuator", "Controller",
                         Utf8("Kv, m³/h"), "dPv, bar", "V, m/s"}));
  EXPECT_EQ(OrderListHeadings(), QStringList({"Product", "DN", "Qty, pcs"}));
  ScheduleRow row;
  row.product = Utf8("ВКФ-2-32-16");
  row.productNotInCatalogue = true;
  EXPECT_EQ(ScheduleProductText(row), Utf8("ВКФ-2-32-16 [not in catalogue]"));
  EXPECT_TRUE(NotInCatalogueNote().startsWith(QStringLiteral("[not in catalogue] — ")));
  EXPECT_FALSE(HoldsCyrillic(NotInCatalogueNote()));
}

TEST(EnglishDocument, DateLineAndMailSubject) {
  const LanguageScope english(Language::English);
  EXPECT_EQ(ReportDateLine(QDateTime(QDate(2012, 2, 3), QTime(9, 5))),
            QStringLiteral("Date of selection: 09:05 03.02.2012\n"));
  const QUrlQuery mail(ReportMailUrl(QStringLiteral("Valve: VF 2.50")));
  EXPECT_EQ(mail.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
            QStringLiteral("Valve selection"));
}

}  // namespace
}  // namespace selvio::test
