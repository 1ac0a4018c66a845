#include <QFileInfo>
#include <map>
#include <optional>
#include <vector>

#include "app/form/units.h"
#include "form_fixture.h"
#include "small_file_system.h"

namespace selvio::test {
namespace {

// Everything an input control shows, plus the section flags: what a saved file must bring back.
struct FormSnapshot {
  struct Control {
    bool shown;
    bool enabled;
    bool checked;
    QString text;
    QStringList entries;
    int selected;
    bool operator==(const Control&) const = default;
  };
  std::map<int, Control> controls;
  FormState flags;
  QString calcTexts;
};

FormSnapshot Snapshot(HeadlessControls& controls, const FormState& state) {
  FormSnapshot snapshot;
  for (const ControlEntry& entry : FormControlInventory()) {
    const HeadlessControls::ControlState& c = controls.State(entry.id);
    snapshot.controls[entry.id] = {c.shown, c.enabled, c.checked, c.text, c.entries, c.selected};
  }
  snapshot.flags = state;
  snapshot.calcTexts = state.calcSupplyTemperatureText + "|" + state.calcReturnTemperatureText +
                       "|" + state.calcHeatPowerText;
  return snapshot;
}

enum class Compare { Inputs, InputsAndAppearance };

// The inputs are the checks, texts, list entries and selections, and the section switches;
// the appearance adds what is shown and enabled.
void ExpectSameForm(const FormSnapshot& expected, const FormSnapshot& actual,
                    Compare compare = Compare::Inputs) {
  for (const auto& [id, control] : expected.controls) {
    const FormSnapshot::Control& other = actual.controls.at(id);
    if (compare == Compare::InputsAndAppearance) {
      EXPECT_EQ(control.shown, other.shown) << "shown of " << id;
      EXPECT_EQ(control.enabled, other.enabled) << "enabled of " << id;
    }
    EXPECT_EQ(control.checked, other.checked) << "check of " << id;
    EXPECT_EQ(control.text, other.text) << "text of " << id;
    EXPECT_EQ(control.entries, other.entries) << "entries of " << id;
    EXPECT_EQ(control.selected, other.selected) << "selection of " << id;
  }
  EXPECT_EQ(expected.flags.actuatorSectionOn, actual.flags.actuatorSectionOn);
  EXPECT_EQ(expected.flags.actuatorSectionAvailable, actual.flags.actuatorSectionAvailable);
  EXPECT_EQ(expected.flags.controllerSectionOn, actual.flags.controllerSectionOn);
  EXPECT_EQ(expected.flags.controllerSectionAvailable, actual.flags.controllerSectionAvailable);
  EXPECT_EQ(expected.calcTexts, actual.calcTexts);
}

class FormSettings : public FormTest {
 protected:
  FormSnapshot Now() { return Snapshot(C(), State()); }

  // Opens `path` through the "Открыть" button.
  void OpenThroughDialog(const QString& path) {
    C().QueueFileAnswer(path);
    Click(ids::kOpen);
  }
  void SaveThroughDialog(const QString& path) {
    C().QueueFileAnswer(path);
    Click(ids::kSaveAs);
  }

  // A state far from the defaults in every input.
  void ChangeEveryInput() {
    Click(ids::kGlycol);
    Click(ids::kThreaded);
    Click(ids::kThreeWay);
    Click(ids::kDiverting);
    Type(ids::kDensity, "1040");
    Type(ids::kP1, "6,5");
    Type(ids::kP2, "3");
    Type(ids::kTemperature, "75.6");
    Type(ids::kDrop, "0.35");
    Type(ids::kSetting, "1.1");
    Type(ids::kFlow, "250");
    Click(ids::kUseSafetyFactor);
    Type(ids::kSafetyFactor, "1.1");
    Select(ids::kP1Unit, 0);
    Select(ids::kP2Unit, 2);
    Select(ids::kDropUnit, 0);
    Select(ids::kSettingUnit, 1);
    Select(ids::kFlowUnit, 2);
    Click(ids::kPneumatic);
    Click(ids::kPositionerPZ2);
    Click(ids::kNormallyClosed);
    Type(ids::kMaintainedTemperature, "55");
    Click(ids::kElectric);
    Click(ids::kAnalogue);
    Select(ids::kSignalType, 3);
    Click(ids::kLimitSwitches);
    Click(ids::kHeater);
    Click(ids::kThermostat);
    Click(ids::kSpiralElement);
    Click(ids::kStainlessElement);
    Click(ids::kStainlessCapillary);
    Select(ids::kCapillaryLength, 2);
    Type(ids::kHeatCarrierSensors, "2");
    Type(ids::kOutdoorSensors, "0");
    Type(ids::kRoomSensors, "3");
  }
};

TEST_F(FormSettings, SaveThenOpenReproducesEveryInput) {
  Start();
  ChangeEveryInput();
  const FormSnapshot saved = Now();
  SaveThroughDialog(FilePath("point.crp"));
  ASSERT_EQ(QFileInfo(FilePath("point.crp")).size(), kSettingsFileSize);

  Restart();  // a new run, with the defaults of a first start
  ASSERT_EQ(Text(ids::kP1), "20");
  OpenThroughDialog(FilePath("point.crp"));
  ExpectSameForm(saved, Now());
}

TEST_F(FormSettings, SaveThenOpenWithElectricAndControllerChoices) {
  Start();
  Click(ids::kAnalogue);
  Select(ids::kSignalType, 2);
  Click(ids::kPotentiometer);
  Click(ids::kVoltage24);
  Click(ids::kControllerTwoHeating);
  const FormSnapshot saved = Now();
  SaveThroughDialog(FilePath("electric.crp"));
  Restart();
  OpenThroughDialog(FilePath("electric.crp"));
  ExpectSameForm(saved, Now());
}

TEST_F(FormSettings, SaveThenOpenWithSectionsOffAndARegulator) {
  Start();
  Click(ids::kControllerTicked);
  Click(ids::kActuatorTicked);
  Click(ids::kDpRegulator);
  Type(ids::kSetting, "0.5");
  const FormSnapshot saved = Now();
  SaveThroughDialog(FilePath("regulator.crp"));
  Restart();
  OpenThroughDialog(FilePath("regulator.crp"));
  ExpectSameForm(saved, Now());
}

TEST_F(FormSettings, SteamThermostatStainlessThirdLength) {
  Start();
  Click(ids::kSteam);
  Select(ids::kFlowUnit, 2);
  Click(ids::kThermostat);
  Click(ids::kStainlessCapillary);
  Click(ids::kStainlessElement);
  Select(ids::kCapillaryLength, 2);
  SaveThroughDialog(FilePath("steam.crp"));

  Restart();
  OpenThroughDialog(FilePath("steam.crp"));
  EXPECT_TRUE(Checked(ids::kSteam));
  EXPECT_EQ(SelectedEntry(ids::kFlowUnit), QString::fromUtf8("кг/с"));
  EXPECT_TRUE(Shown(ids::kCapillaryLength));
  EXPECT_FALSE(Shown(ids::kThreePoint));
  EXPECT_TRUE(Checked(ids::kStainlessCapillary));
  EXPECT_EQ(C().ListEntries(ids::kCapillaryLength), QStringList({"2.0", "6.0", "10.0"}));
  EXPECT_EQ(SelectedEntry(ids::kCapillaryLength), QStringLiteral("10.0"));
  EXPECT_FALSE(Checked(ids::kCheckCavitation));
}

TEST_F(FormSettings, FileOfVersionTwoChangesNothing) {
  Start();
  SaveThroughDialog(FilePath("v2.crp"));
  {
    QFile file(FilePath("v2.crp"));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.write(QByteArray("\x02\x00\x00\x00", 4));
  }
  Click(ids::kSteam);
  Type(ids::kP1, "9");
  const FormSnapshot before = Now();
  OpenThroughDialog(FilePath("v2.crp"));
  ExpectSameForm(before, Now(), Compare::InputsAndAppearance);
}

TEST_F(FormSettings, FileWithOnlyTheVersionWordAppliesTheRecordAsItStood) {
  Start();
  Type(ids::kP1, "7");
  SaveThroughDialog(FilePath("seven.crp"));
  Type(ids::kP1, "8");
  {
    QFile file(FilePath("short.crp"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\x01\x00\x00\x00", 4));
  }
  OpenThroughDialog(FilePath("short.crp"));
  EXPECT_EQ(Text(ids::kP1), "7");  // the record as last saved
}

TEST_F(FormSettings, ShortFileReplacesOnlyWhatItHas) {
  Start();
  ChangeEveryInput();
  SaveThroughDialog(FilePath("full.crp"));
  Restart();
  // Version word, medium, connection and execution of the saved file; nothing further.
  QFile full(FilePath("full.crp"));
  ASSERT_TRUE(full.open(QIODevice::ReadOnly));
  const QByteArray head = full.read(4 + 12);
  {
    QFile file(FilePath("head.crp"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(head);
  }
  OpenThroughDialog(FilePath("head.crp"));
  EXPECT_TRUE(Checked(ids::kGlycol));
  EXPECT_TRUE(Checked(ids::kThreaded));
  EXPECT_TRUE(Checked(ids::kThreeWay));
  EXPECT_TRUE(Checked(ids::kMixing));  // offset 12 was not in the file: the default stays
  EXPECT_EQ(Text(ids::kP1), "20");
  EXPECT_EQ(Text(ids::kDensity), "1.0");
  EXPECT_TRUE(Checked(ids::kElectric));
}

TEST_F(FormSettings, RegulatorFileReopensFlangedAndTwoWay) {
  Start();
  SettingsRecord record = DefaultSettingsRecord();
  record.connection = 2;
  record.execution = 2;
  record.productType = 2;
  ASSERT_TRUE(WriteSelectionFile(FilePath("dp.crp"), record));
  OpenThroughDialog(FilePath("dp.crp"));
  EXPECT_TRUE(Checked(ids::kDpRegulator));
  EXPECT_TRUE(Checked(ids::kFlanged));
  EXPECT_FALSE(Checked(ids::kThreaded));
  EXPECT_TRUE(Checked(ids::kTwoWay));
  EXPECT_FALSE(Checked(ids::kThreeWay));
  for (int id : {ids::kSettingCaption, ids::kSetting, ids::kSettingUnit})
    EXPECT_TRUE(Shown(id)) << id;
  EXPECT_EQ(ActuatorPicture(), ids::kActuatorGreyedTicked);
}

TEST_F(FormSettings, StoredChoicesOutsideTheirGroupsLeaveTheGroupsAlone) {
  Start();
  SettingsRecord record = DefaultSettingsRecord();
  record.medium = 7;
  record.actuatorKind = 0;
  record.productType = 4;
  record.capillaryMetal = -1;
  record.capillaryLength = 0;
  record.controlSignal = 3;
  SetFieldText(record.p1, QStringLiteral("11"));
  ASSERT_TRUE(WriteSelectionFile(FilePath("odd.crp"), record));
  Click(ids::kSteam);
  Click(ids::kAnalogue);
  Click(ids::kThermostat);
  Click(ids::kPvcCapillary);
  Click(ids::kReducingValve);
  OpenThroughDialog(FilePath("odd.crp"));
  EXPECT_EQ(Text(ids::kP1), "11");
  EXPECT_TRUE(Checked(ids::kSteam));
  EXPECT_FALSE(Checked(ids::kWater));
  EXPECT_TRUE(Checked(ids::kThermostat));
  EXPECT_TRUE(Checked(ids::kReducingValve));
  EXPECT_FALSE(Checked(ids::kControlValve));
  EXPECT_TRUE(Checked(ids::kPvcCapillary));
  EXPECT_EQ(C().ListEntries(ids::kCapillaryLength), QStringList{"5.0"});
  EXPECT_TRUE(Checked(ids::kAnalogue));
}

// The stored length index is selected in list 1076 whatever the stored metal says.
TEST_F(FormSettings, AStoredMetalOutsideItsGroupStillSelectsTheStoredLength) {
  Start();
  SettingsRecord record = DefaultSettingsRecord();
  record.capillaryMetal = 9;
  record.capillaryLength = 2;
  ASSERT_TRUE(WriteSelectionFile(FilePath("metal.crp"), record));
  Click(ids::kThermostat);
  Click(ids::kStainlessCapillary);  // fills "2.0", "6.0", "10.0" and selects "2.0"
  OpenThroughDialog(FilePath("metal.crp"));
  EXPECT_EQ(C().ListEntries(ids::kCapillaryLength), QStringList({"2.0", "6.0", "10.0"}));
  EXPECT_EQ(SelectedEntry(ids::kCapillaryLength), QStringLiteral("10.0"));
}

TEST_F(FormSettings, OutOfRangeListIndexLeavesNoSelection) {
  Start();
  SettingsRecord record = DefaultSettingsRecord();
  record.p1Unit = 5;
  record.signalType = -1;
  ASSERT_TRUE(WriteSelectionFile(FilePath("idx.crp"), record));
  OpenThroughDialog(FilePath("idx.crp"));
  EXPECT_EQ(Selected(ids::kP1Unit), -1);
  EXPECT_EQ(Selected(ids::kSignalType), -1);
  SaveThroughDialog(FilePath("idx2.crp"));
  SettingsRecord reread = DefaultSettingsRecord();
  ASSERT_TRUE(ReadSelectionFile(FilePath("idx2.crp"), reread));
  EXPECT_EQ(reread.p1Unit, -1);
  EXPECT_EQ(reread.temperatureUnit, -1);
}

TEST_F(FormSettings, HiddenInputsAreSavedToo) {
  Start();
  Type(ids::kP2, "4.5");
  Click(ids::kSteam);
  ASSERT_FALSE(Shown(ids::kP2));
  SaveThroughDialog(FilePath("hidden.crp"));
  SettingsRecord record;
  ASSERT_TRUE(ReadSelectionFile(FilePath("hidden.crp"), record));
  EXPECT_EQ(FieldText(record.p2), QStringLiteral("4.5"));
  EXPECT_EQ(record.medium, 3);
}

TEST_F(FormSettings, LongTextIsSavedCutTo99Units) {
  Start();
  Type(ids::kFlow, QString(120, QChar(u'9')));
  SaveThroughDialog(FilePath("long.crp"));
  Restart();
  OpenThroughDialog(FilePath("long.crp"));
  EXPECT_EQ(Text(ids::kFlow), QString(99, QChar(u'9')));
}

TEST_F(FormSettings, FileDialogsAndCancel) {
  Start();
  const FormSnapshot before = Now();
  Click(ids::kOpen);  // no answer queued: cancelled
  Click(ids::kSaveAs);
  ExpectSameForm(before, Now(), Compare::InputsAndAppearance);
  ASSERT_EQ(C().FileDialogsShown().size(), 2u);
  for (const FileDialogRequest& request : C().FileDialogsShown()) {
    EXPECT_EQ(request.filter, QString::fromUtf8("Параметры выбора регулятора (*.crp)|*.crp||"));
    EXPECT_EQ(request.initialFileName, QStringLiteral("*.crp"));
    EXPECT_EQ(request.defaultExtension, QStringLiteral("crp"));
  }
  EXPECT_EQ(QDir(dir_.path()).entryList({"*.crp"}, QDir::Files), QStringList());
}

TEST_F(FormSettings, OpeningAMissingFileChangesNothing) {
  Start();
  Type(ids::kP1, "3");
  const FormSnapshot before = Now();
  EXPECT_FALSE(View().OpenSelectionFile(FilePath("nowhere.crp")));
  OpenThroughDialog(FilePath("nowhere.crp"));
  ExpectSameForm(before, Now(), Compare::InputsAndAppearance);
  EXPECT_TRUE(C().Messages().isEmpty());
}

TEST_F(FormSettings, OpeningDoesNotTouchResults) {
  Start();
  Click(ids::kCalculate);
  ASSERT_GT(CountOf(View().Result().valveCandidates), 0);
  const QString values = Text(ids::kRegulatorValues);
  SaveThroughDialog(FilePath("r.crp"));
  Type(ids::kP1, "1");
  OpenThroughDialog(FilePath("r.crp"));
  EXPECT_GT(CountOf(View().Result().valveCandidates), 0);
  EXPECT_EQ(Text(ids::kRegulatorValues), values);
  EXPECT_TRUE(Enabled(ids::kOtherConfiguration));
}

class FormExit : public FormTest {};

TEST_F(FormExit, ExitSavesTheInputsForTheNextRun) {
  for (int key : {ids::kExit, ids::kCancel}) {
    SCOPED_TRACE(key);
    RemoveFile("user.bin");
    closeRequests_ = 0;
    catalogue_ = std::make_unique<Catalogue>();
    view_.reset();
    Start();
    Type(ids::kFlow, "12");
    Click(ids::kSteam);
    C().Click(key);
    EXPECT_EQ(closeRequests_, 1);
    EXPECT_EQ(QFileInfo(FilePath("user.bin")).size(), kSettingsFileSize);
    Restart();
    EXPECT_EQ(Text(ids::kFlow), "12");
    EXPECT_TRUE(Checked(ids::kSteam));
  }
}

TEST_F(FormExit, ClosingWithoutExitKeepsTheLastSavedRun) {
  Start();
  Type(ids::kP1, "30");
  Click(ids::kExit);
  Restart();
  Type(ids::kP1, "40");  // this run ends without the exit routine
  Restart();
  EXPECT_EQ(Text(ids::kP1), "30");
}

TEST_F(FormExit, SettingsFileStaysInTheStartUpFolder) {
  Start();
  ASSERT_TRUE(QDir(dir_.path()).mkdir("elsewhere"));
  QDir::setCurrent(FilePath("elsewhere"));
  Click(ids::kExit);
  EXPECT_TRUE(QFile::exists(FilePath("user.bin")));
  EXPECT_FALSE(QFile::exists(FilePath("elsewhere/user.bin")));
}

// The program still ends when the settings cannot be saved, but says so.
TEST_F(FormExit, UnwritableSettingsFileIsReportedAndTheProgramEnds) {
  ASSERT_TRUE(QDir(dir_.path()).mkdir("user.bin"));
  Start();
  Click(ids::kExit);
  EXPECT_EQ(closeRequests_, 1);
  ASSERT_EQ(C().Messages().size(), 1);
  EXPECT_TRUE(C().Messages()[0].startsWith(
      QString::fromUtf8("Не удалось сохранить введенные данные в файле ")));
  EXPECT_TRUE(QFileInfo(FilePath("user.bin")).isDir());
}

// A settings file that is a link (a working folder shared with another user) is replaced by the
// program's own file; the file it pointed to stays as it was.
TEST_F(FormExit, ALinkInPlaceOfTheSettingsFileIsReplacedNotWrittenThrough) {
  ASSERT_TRUE(WriteSelectionFile(FilePath("other.bin"), DefaultSettingsRecord()));
  const QByteArray other = [this] {
    QFile file(FilePath("other.bin"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }();
  ASSERT_TRUE(QFile::link(FilePath("other.bin"), FilePath("user.bin")));
  Start();
  Type(ids::kP1, "33");
  Click(ids::kExit);
  EXPECT_TRUE(C().Messages().isEmpty());
  EXPECT_FALSE(QFileInfo(FilePath("user.bin")).isSymLink());
  EXPECT_EQ(QFileInfo(FilePath("user.bin")).size(), kSettingsFileSize);
  QFile file(FilePath("other.bin"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), other);
  Restart();
  EXPECT_EQ(Text(ids::kP1), "33");
}

// A FIFO or a device in place of the settings file is a settings file that cannot be read: the
// form starts with the defaults at once, without a word, and never waits on the FIFO.
TEST_F(FormExit, AFifoOrADeviceAsTheSettingsFileLeavesTheDefaults) {
  for (const char* kind : {"fifo", "/dev/zero"}) {
    SCOPED_TRACE(kind);
    QFile::remove(FilePath("user.bin"));
    ASSERT_TRUE(QString(kind) == "fifo" ? MakeFifo(FilePath("user.bin"))
                                        : QFile::link(kind, FilePath("user.bin")));
    // Frees the form should it wait on the FIFO (a device needs no freeing).
    std::optional<FifoWatchdog> watchdog;
    if (QString(kind) == "fifo") watchdog.emplace(FilePath("user.bin"), std::chrono::seconds(3));
    view_.reset();
    Start();
    EXPECT_FALSE(watchdog && watchdog->Unblocked()) << "the form waited on the FIFO";
    EXPECT_EQ(Text(ids::kP1), "20");
    EXPECT_TRUE(C().Messages().isEmpty());
  }
}

// On a full disk "Выход" says the inputs were not saved, the program still ends, and the
// settings file of the last run is as it was; "Сохранить как" says so too.
TEST_F(FormExit, AFullDiskKeepsThePreviousFilesAndSaysSo) {
  SmallFileSystem disk(64);
  if (!disk.Mounted()) GTEST_SKIP() << disk.Why();
  for (const QString& name : {QStringLiteral("xmldata.xml"), QString::fromUtf8("Рнас.dat")}) {
    ASSERT_TRUE(QFile::copy(FormDataFile(name), disk.FilePath(name)));
  }
  SettingsRecord previous = DefaultSettingsRecord();
  SetFieldText(previous.p1, QStringLiteral("31"));
  for (const char* name : {"user.bin", "kept.crp"}) {
    ASSERT_TRUE(WriteSelectionFile(disk.FilePath(name), previous));
  }
  const auto bytes = [&disk](const char* name) {
    QFile file(disk.FilePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  };
  const QByteArray before = bytes("user.bin");
  ASSERT_TRUE(disk.Fill());
  QDir::setCurrent(disk.Path());
  Start();
  EXPECT_EQ(Text(ids::kP1), "31");
  Type(ids::kP1, "44");

  C().QueueFileAnswer(disk.FilePath("kept.crp"));
  Click(ids::kSaveAs);
  ASSERT_EQ(C().Messages().size(), 1);
  EXPECT_EQ(C().Messages()[0],
            QString::fromUtf8("Не удалось сохранить файл %1 (на диске нет места; прежний файл "
                              "не изменен).")
                .arg(disk.FilePath("kept.crp")));
  EXPECT_EQ(bytes("kept.crp"), before);

  C().ClearMessages();
  Click(ids::kExit);
  EXPECT_EQ(closeRequests_, 1);
  ASSERT_EQ(C().Messages().size(), 1);
  EXPECT_TRUE(C().Messages()[0].contains(
      QString::fromUtf8("(на диске нет места; прежний файл не изменен)")));
  EXPECT_EQ(bytes("user.bin"), before);
  QDir::setCurrent(dir_.path());
}

TEST_F(FormExit, DamagedSettingsFileLeavesTheDefaults) {
  {
    QFile file(FilePath("user.bin"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\x09\x00\x00\x00garbage", 11));
  }
  Start();
  EXPECT_EQ(Text(ids::kP1), "20");
  EXPECT_TRUE(Checked(ids::kWater));
  EXPECT_TRUE(C().Messages().isEmpty());
}

}  // namespace
}  // namespace selvio::test
