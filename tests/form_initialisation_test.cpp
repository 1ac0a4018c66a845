#include <QStringList>
#include <algorithm>
#include <clocale>
#include <limits>
#include <memory>
#include <set>
#include <string>

#include "app/form/capillary_lengths.h"
#include "app/form/fixed_text_ids.h"
#include "app/form/units.h"
#include "form_fixture.h"

namespace selvio::test {
namespace {

TEST(ControlInventory, EveryIdOnceAndEveryNamedIdDeclared) {
  std::set<int> seen;
  for (const ControlEntry& entry : FormControlInventory()) {
    EXPECT_TRUE(seen.insert(entry.id).second) << "id " << entry.id << " listed twice";
  }
  for (int id :
       {ids::kControlValve, ids::kWater, ids::kSteam, ids::kGlycol, ids::kBalanced,
        ids::kDropCaption, ids::kFlowCalc, ids::kCapillaryLength, ids::kControllerGreyedTicked,
        ids::kCalculatedData, ids::kControllerDrawing3d, ids::kCheckUpdate, ids::kCheckWindow,
        ids::kProjectWindow, ids::kExit, ids::kLogo, ids::kRegulatorHeader}) {
    EXPECT_TRUE(seen.count(id)) << "id " << id << " missing";
  }
  EXPECT_EQ(
      std::count_if(seen.begin(), seen.end(), [](int id) { return id < ids::kFirstFixedText; }),
      123);
}

TEST(ControlInventory, CaptionsNameControlsOfTheInventory) {
  for (const ControlEntry& entry : FormControlInventory()) {
    if (entry.caption == 0) continue;
    const ControlEntry* caption = FindControlEntry(entry.caption);
    ASSERT_NE(caption, nullptr) << "caption of " << entry.id;
    EXPECT_TRUE(caption->kind == ControlType::Label || caption->kind == ControlType::Edit ||
                caption->kind == ControlType::CheckBox)
        << "caption of " << entry.id;
  }
}

TEST(ControlInventory, RadioGroupsHoldOnlyRadiosOfTheInventory) {
  std::set<int> inGroups;
  for (const std::vector<int>& group : FormRadioGroups()) {
    for (int id : group) {
      const ControlEntry* entry = FindControlEntry(id);
      ASSERT_NE(entry, nullptr) << id;
      EXPECT_EQ(entry->kind, ControlType::Radio) << id;
      EXPECT_TRUE(inGroups.insert(id).second) << "radio " << id << " in two groups";
    }
  }
  for (const ControlEntry& entry : FormControlInventory()) {
    if (entry.kind == ControlType::Radio) {
      EXPECT_TRUE(inGroups.count(entry.id)) << entry.id;
    }
  }
}

TEST(ControlInventory, DefinesKindsTextsAndStartStates) {
  HeadlessControls controls;
  DefineFormControls(controls);
  struct Row {
    const char* name;
    int id;
    ControlType kind;
    const char* text;
    bool shown;
    bool enabled;
  };
  const Row rows[] = {
      {"drop caption starts with the steam text", ids::kDropCaption, ControlType::Label,
       "Относительный перепад давления *(δ):", true, true},
      {"density unit with a backslash", ids::kDensityUnit, ControlType::Label, "кг\\м³", true,
       true},
      {"density calculator hidden", ids::kDensityCalc, ControlType::Button, "Расчитать", false,
       true},
      {"setting caption hidden", ids::kSettingCaption, ControlType::Label,
       "Требуемый перепад давления (настройка) :", false, true},
      {"setting edit hidden", ids::kSetting, ControlType::Edit, "", false, true},
      {"setting unit hidden", ids::kSettingUnit, ControlType::List, "", false, true},
      {"other configuration disabled", ids::kOtherConfiguration, ControlType::Button,
       "Другая конфигурация", true, false},
      {"check window disabled", ids::kCheckWindow, ControlType::Button, "Проверка", true, false},
      {"project window offered", ids::kProjectWindow, ControlType::Button, "Проект", true, true},
      {"document button disabled", ids::kActuatorDrawing2d, ControlType::Button, "Чертежи 2D", true,
       false},
      {"ticked actuator picture shown", ids::kActuatorTicked, ControlType::Picture, "", true, true},
      {"empty actuator picture hidden", ids::kActuatorEmpty, ControlType::Picture, "", false, true},
      {"empty controller picture shown", ids::kControllerEmpty, ControlType::Picture, "", true,
       true},
      {"ticked controller picture hidden", ids::kControllerTicked, ControlType::Picture, "", false,
       true},
      {"24 V with a Cyrillic В", ids::kVoltage24, ControlType::Radio, "24 В", true, true},
      {"capillary length caption as written", ids::kCapillaryLengthCaption, ControlType::Label,
       "Длинна капилляра:", true, true},
      {"exit button", ids::kExit, ControlType::Button, "Выход", true, true},
      {"flow edit", ids::kFlow, ControlType::Edit, "", true, true},
      {"thermostat label block", ids::kThermostatLabels, ControlType::Label,
       "Привод:\r\nДлина капилляра,м:\r\nМеталл чувств.эл-та:\r\nМетелл капилляра:\r\n"
       "Тип чувств.эл-та:\r\nДиапазон темп-р,оС:",
       true, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const HeadlessControls::ControlState& state = controls.State(row.id);
    EXPECT_EQ(state.kind, row.kind);
    EXPECT_EQ(state.text, QString::fromUtf8(row.text));
    EXPECT_EQ(state.shown, row.shown);
    EXPECT_EQ(state.enabled, row.enabled);
    EXPECT_FALSE(state.checked);
    EXPECT_TRUE(state.entries.isEmpty());
  }
}

TEST(Units, ListTextsAreExact) {
  EXPECT_EQ(PressureUnits(), QStringList({QString::fromUtf8("Бар"), QString::fromUtf8("кПа"),
                                          QString::fromUtf8("кгс/см²")}));
  EXPECT_EQ(TemperatureUnits(), QStringList({QString::fromUtf8("°C")}));
  EXPECT_EQ(TemperatureUnits().at(0).at(1), QChar(u'C'));  // Latin C
  EXPECT_EQ(VolumeFlowUnits(), QStringList({QString::fromUtf8("м³/ч"), QString::fromUtf8("л/ч"),
                                            QString::fromUtf8("л/с")}));
  EXPECT_EQ(MassFlowUnits(), QStringList({QString::fromUtf8("т/ч"), QString::fromUtf8("кг/ч"),
                                          QString::fromUtf8("кг/с")}));
  const QStringList signals_ = SignalTypes();
  ASSERT_EQ(signals_.size(), 4);
  EXPECT_EQ(signals_.at(0), QStringLiteral("0-10 B"));  // Latin B
  EXPECT_EQ(signals_.at(1), QStringLiteral("2-10 B"));
  EXPECT_EQ(signals_.at(2), QString::fromUtf8("0-20 мА"));
  EXPECT_EQ(signals_.at(3), QString::fromUtf8("4-20 мА"));
}

TEST(CapillaryLengths, FormattedWithOneDecimalAndSortedByMaterial) {
  auto catalogue = std::make_unique<Catalogue>();
  catalogue->capillaries.Append({2.0f, CapillaryMaterial::Copper});
  catalogue->capillaries.Append({1.5f, CapillaryMaterial::Stainless});
  catalogue->capillaries.Append({0.75f, CapillaryMaterial::Copper});
  catalogue->capillaries.Append({3.0f, static_cast<CapillaryMaterial>(4)});  // unknown: skipped
  catalogue->capillaries.Append({12.34f, CapillaryMaterial::CopperPvc});
  FormState state;
  state.copperCapillaryLengths.count = 7;  // rebuilt from nothing
  BuildCapillaryLengthLists(*catalogue, state);
  ASSERT_EQ(state.copperCapillaryLengths.count, 2);
  EXPECT_EQ(state.copperCapillaryLengths.labels[0], QStringLiteral("2.0"));
  EXPECT_EQ(state.copperCapillaryLengths.labels[1], QStringLiteral("0.8"));
  EXPECT_FLOAT_EQ(state.copperCapillaryLengths.lengths[1], 0.75f);
  ASSERT_EQ(state.pvcCapillaryLengths.count, 1);
  EXPECT_EQ(state.pvcCapillaryLengths.labels[0], QStringLiteral("12.3"));
  ASSERT_EQ(state.stainlessCapillaryLengths.count, 1);
  EXPECT_EQ(state.stainlessCapillaryLengths.labels[0], QStringLiteral("1.5"));
}

// A catalogue length beyond float (1e39) reads as infinity; it is listed as every other number
// that is not finite, not as "inf".
TEST(CapillaryLengths, ANonFiniteLengthIsListedAsADash) {
  auto catalogue = std::make_unique<Catalogue>();
  catalogue->capillaries.Append(
      {std::numeric_limits<float>::infinity(), CapillaryMaterial::Copper});
  catalogue->capillaries.Append(
      {std::numeric_limits<float>::quiet_NaN(), CapillaryMaterial::Copper});
  catalogue->capillaries.Append({2.0f, CapillaryMaterial::Copper});
  FormState state;
  BuildCapillaryLengthLists(*catalogue, state);
  ASSERT_EQ(state.copperCapillaryLengths.count, 3);
  EXPECT_EQ(state.copperCapillaryLengths.labels[0], QString::fromUtf8("—"));
  EXPECT_EQ(state.copperCapillaryLengths.labels[1], QString::fromUtf8("—"));
  EXPECT_EQ(state.copperCapillaryLengths.labels[2], QStringLiteral("2.0"));
}

TEST(CapillaryLengths, MoreThanAHundredOfOneMaterialKeepsTheFirstHundred) {
  auto catalogue = std::make_unique<Catalogue>();
  for (int i = 0; i < 120; ++i)
    catalogue->capillaries.Append({static_cast<float>(i), CapillaryMaterial::Copper});
  FormState state;
  BuildCapillaryLengthLists(*catalogue, state);
  EXPECT_EQ(state.copperCapillaryLengths.count, kListCapacity);
  EXPECT_EQ(state.copperCapillaryLengths.labels[99], QStringLiteral("99.0"));
}

class FormStart : public FormTest {};

TEST_F(FormStart, FirstStartShowsTheDefaults) {
  Start();
  EXPECT_TRUE(C().Messages().isEmpty()) << C().Messages().join("|").toStdString();
  EXPECT_EQ(C().Caption(), QString::fromUtf8("Подбор клапана. База от 01.03.2024"));

  EXPECT_EQ(Text(ids::kP1), "20");
  EXPECT_EQ(Text(ids::kP2), "18");
  EXPECT_EQ(Text(ids::kTemperature), "20");
  EXPECT_EQ(Text(ids::kDrop), "0.2");
  EXPECT_EQ(Text(ids::kFlow), "5");
  EXPECT_EQ(Text(ids::kSafetyFactor), "1.2");
  EXPECT_EQ(Text(ids::kDensity), "1.0");
  EXPECT_EQ(Text(ids::kSetting), "");
  EXPECT_EQ(Text(ids::kMaintainedTemperature), "36");
  for (int id : {ids::kHeatCarrierSensors, ids::kOutdoorSensors, ids::kRoomSensors})
    EXPECT_EQ(Text(id), "1");
  EXPECT_EQ(State().calcSupplyTemperatureText, "100");
  EXPECT_EQ(State().calcReturnTemperatureText, "100");
  EXPECT_EQ(State().calcHeatPowerText, "0");

  for (int id : {ids::kControlValve,    ids::kWater,
                 ids::kFlanged,         ids::kTwoWay,
                 ids::kMixing,          ids::kUseSafetyFactor,
                 ids::kCheckCavitation, ids::kElectric,
                 ids::kThreePoint,      ids::kVoltage24,
                 ids::kLimitSwitches,   ids::kPotentiometer,
                 ids::kSpringReturn,    ids::kHeater,
                 ids::kRodElement,      ids::kCopperElement,
                 ids::kCopperCapillary, ids::kPositionerPZ1,
                 ids::kNormallyOpen,    ids::kControllerOneCircuit}) {
    EXPECT_TRUE(Checked(id)) << id;
  }
  for (int id : {ids::kDpRegulator,
                 ids::kReducingValve,
                 ids::kSteam,
                 ids::kGlycol,
                 ids::kThreaded,
                 ids::kThreeWay,
                 ids::kDiverting,
                 ids::kBalanced,
                 ids::kThermostat,
                 ids::kPneumatic,
                 ids::kAnalogue,
                 ids::kVoltage220,
                 ids::kSpiralElement,
                 ids::kStainlessElement,
                 ids::kPvcCapillary,
                 ids::kStainlessCapillary,
                 ids::kPositionerPZ2,
                 ids::kNormallyClosed,
                 ids::kControllerHotWaterAndHeating,
                 ids::kControllerTwoHeating}) {
    EXPECT_FALSE(Checked(id)) << id;
  }

  EXPECT_EQ(SelectedEntry(ids::kP1Unit), QString::fromUtf8("кПа"));
  EXPECT_EQ(SelectedEntry(ids::kP2Unit), QString::fromUtf8("кПа"));
  EXPECT_EQ(SelectedEntry(ids::kDropUnit), QString::fromUtf8("кПа"));
  EXPECT_EQ(SelectedEntry(ids::kSettingUnit), QString::fromUtf8("Бар"));
  EXPECT_EQ(SelectedEntry(ids::kFlowUnit), QString::fromUtf8("л/ч"));
  EXPECT_EQ(C().ListEntries(ids::kFlowUnit), VolumeFlowUnits());
  EXPECT_EQ(Selected(ids::kTemperatureUnit), -1);  // one entry, stored index 1
  EXPECT_EQ(C().ListEntries(ids::kTemperatureUnit), TemperatureUnits());
  EXPECT_EQ(SelectedEntry(ids::kSignalType), QStringLiteral("2-10 B"));
  EXPECT_EQ(C().ListEntries(ids::kCapillaryLength), QStringList({"2.0", "4.2"}));
  EXPECT_EQ(Selected(ids::kCapillaryLength), 1);

  EXPECT_EQ(State().actuatorSectionOn, 1);
  EXPECT_EQ(State().controllerSectionOn, 1);
  EXPECT_EQ(State().actuatorSectionAvailable, 1);
  EXPECT_EQ(State().controllerSectionAvailable, 1);
  EXPECT_EQ(ActuatorPicture(), ids::kActuatorTicked);
  EXPECT_EQ(ControllerPicture(), ids::kControllerTicked);
}

// The process may run in a Russian locale, whose C library writes a decimal comma.
TEST_F(FormStart, CapillaryLengthsKeepThePointInARussianLocale) {
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  if (!std::setlocale(LC_ALL, "ru_RU.UTF-8")) GTEST_SKIP() << "no ru_RU.UTF-8 locale";
  Start();
  std::setlocale(LC_ALL, previous.c_str());
  EXPECT_EQ(C().ListEntries(ids::kCapillaryLength), QStringList({"2.0", "4.2"}));
  EXPECT_EQ(State().stainlessCapillaryLengths.labels[2], QStringLiteral("10.0"));
}

TEST_F(FormStart, FirstStartControlStates) {
  Start();
  struct Row {
    const char* name;
    int id;
    bool shown;
    bool enabled;
  };
  const Row rows[] = {
      {"density edit hidden for water", ids::kDensity, false, false},
      {"density caption hidden", ids::kDensityCaption, false, true},
      {"density calculator hidden", ids::kDensityCalc, false, true},
      {"P2 shown", ids::kP2, true, true},
      {"three-way offered for a control valve", ids::kThreeWay, true, true},
      {"threaded offered", ids::kThreaded, true, true},
      {"mixing disabled for two-way", ids::kMixing, true, false},
      {"diverting disabled for two-way", ids::kDiverting, true, false},
      {"balanced offered", ids::kBalanced, true, true},
      {"cavitation check offered", ids::kCheckCavitation, true, true},
      {"K editable", ids::kSafetyFactor, true, true},
      {"setting hidden", ids::kSetting, false, true},
      {"electric group shown", ids::kThreePoint, true, true},
      {"signal list disabled for three-point", ids::kSignalType, true, false},
      {"220 V enabled", ids::kVoltage220, true, true},
      {"thermostat group hidden", ids::kMaintainedTemperature, false, true},
      {"capillary list hidden", ids::kCapillaryLength, false, true},
      {"pneumatic group hidden", ids::kPositionerPZ1, false, true},
      {"controller column enabled", ids::kRoomSensors, true, true},
      {"controller variant enabled", ids::kControllerTwoHeating, true, true},
      {"electric result labels hidden", ids::kElectricLabels, false, true},
      {"pneumatic result values hidden", ids::kPneumaticValues, false, true},
      {"thermostat result values hidden", ids::kThermostatValues, false, true},
      {"regulator values shown", ids::kRegulatorValues, true, true},
      {"calculated data shown", ids::kCalculatedData, true, true},
      {"other configuration disabled", ids::kOtherConfiguration, true, false},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(Shown(row.id), row.shown) << row.name;
    EXPECT_EQ(Enabled(row.id), row.enabled) << row.name;
  }
  EXPECT_EQ(Text(ids::kDropCaption), QString::fromUtf8("Перепад давления на клапане *(ΔP):"));
}

// Hiding the document buttons at start would leave the documents out of reach for good: they
// stay visible, disabled until a product is shown.
TEST_F(FormStart, DocumentButtonsStayVisibleAndDisabled) {
  Start();
  for (int id : {ids::kRegulatorDescription, ids::kActuatorDescription, ids::kControllerDescription,
                 ids::kRegulatorDrawing2d, ids::kActuatorDrawing2d, ids::kControllerDrawing2d,
                 ids::kRegulatorDrawing3d, ids::kActuatorDrawing3d, ids::kControllerDrawing3d}) {
    EXPECT_TRUE(Shown(id)) << id;
    EXPECT_FALSE(Enabled(id)) << id;
  }
}

TEST_F(FormStart, CatalogueAndCandidatesAreReady) {
  Start();
  EXPECT_EQ(View().CatalogueData().valves.count, 2);
  EXPECT_TRUE(View().Result().valveCandidates.empty());
  EXPECT_TRUE(View().Result().dpRegulatorCandidates.empty());
  EXPECT_TRUE(View().Result().reducingValveCandidates.empty());
  EXPECT_EQ(State().stainlessCapillaryLengths.count, 3);
  EXPECT_EQ(State().stainlessCapillaryLengths.labels[2], QStringLiteral("10.0"));
  EXPECT_EQ(State().pvcCapillaryLengths.labels[0], QStringLiteral("5.0"));
  EXPECT_GT(View().Saturation().count, 0);
}

TEST_F(FormStart, MissingCatalogueLeavesTheFormUsable) {
  RemoveFile("xmldata.xml");
  Start();
  ASSERT_EQ(C().Messages().size(), 1);
  EXPECT_EQ(C().Messages().at(0), QStringLiteral("Unable to load XML document into the parser"));
  EXPECT_EQ(C().Caption(), QString::fromUtf8("Подбор клапана. База от "));
  EXPECT_TRUE(C().ListEntries(ids::kCapillaryLength).isEmpty());
  Click(ids::kThermostat);
  Click(ids::kStainlessCapillary);
  EXPECT_TRUE(C().ListEntries(ids::kCapillaryLength).isEmpty());
  EXPECT_EQ(Selected(ids::kCapillaryLength), -1);
}

TEST_F(FormStart, MissingSaturationTableIsReportedOnce) {
  RemoveFile(QString::fromUtf8("Рнас.dat"));
  Start();
  ASSERT_EQ(C().Messages().size(), 1);
  EXPECT_EQ(
      C().Messages().at(0),
      QString::fromUtf8("Не хватает файла данных Рнас! Пожалуйста, переустановите программу."));
  EXPECT_EQ(View().Saturation().count, 0);
}

TEST_F(FormStart, WithoutTheSettingsFileTheDefaultsAreAppliedAndNothingIsWritten) {
  Start(/*readSettingsFile=*/false);
  EXPECT_EQ(Text(ids::kP1), "20");
  EXPECT_EQ(State().actuatorSectionOn, 1);
  EXPECT_FALSE(QFile::exists(FilePath("user.bin")));
}

}  // namespace
}  // namespace selvio::test
