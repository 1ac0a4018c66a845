// Inputs no user would type: random texts of every kind in every field of a selection file,
// texts of 100 000 characters, and catalogues with texts that long. The form must answer each
// with a message or a result, and never print a number as "inf" or "nan".
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <array>
#include <cmath>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "app/cli/batch_command.h"
#include "app/cli/cli_files.h"
#include "app/cli/select_command.h"
#include "app/dialogs/density_dialog.h"
#include "app/dialogs/flow_dialog.h"
#include "app/files/settings_record.h"
#include "app/form/control_ids.h"
#include "app/form/control_inventory.h"
#include "app/form/selection_form.h"
#include "platform/headless_controls.h"

namespace selvio {
namespace {

QString DataFile(const QString& name) {
  return qEnvironmentVariable("SELVIO_DATA_DIR") + '/' + name;
}

// How printf writes a float that overflowed or came from 0/0.
bool ShowsNonFinite(const QString& text) {
  static const QRegularExpression nonFinite(QStringLiteral("(^|[^a-z])[-+]?(inf|nan)([^a-z]|$)"),
                                            QRegularExpression::CaseInsensitiveOption);
  return nonFinite.match(text).hasMatch();
}

// Texts of every kind a field may meet: numbers in both notations and at the edges of float,
// words printf knows, letters, blanks, garbage after a number, and raw UTF-16 units with lone
// surrogates.
class FieldTextGenerator {
 public:
  explicit FieldTextGenerator(std::uint32_t seed) : random_(seed) {}

  QString Next() {
    static const std::array<const char*, 28> kSpecial = {
        "",      " ",     "0",        "-0",     "1e38",  "3.5e38", "1e39",
        "-1e39", "1e-39", "1e-46",    "1e308",  "1e400", "inf",    "-inf",
        "nan",   "NaN",   "infinity", "0x1p10", "+5",    "1,5,6",  "1..2",
        "12abc", "--1",   "1e",       ",",      ".",     "\t7\n",  "2147483648"};
    switch (Pick(7)) {
      case 0:
        return QString::fromUtf8(kSpecial[Pick(kSpecial.size())]);
      case 1:
        return Number(QLatin1Char('.'));
      case 2:
        return Number(QLatin1Char(','));
      case 3:
        return Repeat(QStringLiteral("0123456789"), 1 + Pick(120));
      case 4:
        return Repeat(QString::fromUtf8("абвгдежзийклмнопрстуфхцчшщъыьэюяAZaz "), 1 + Pick(120));
      case 5:
        return Number(QLatin1Char('.')) + Repeat(QStringLiteral("x%s"), 1 + Pick(3));
      default: {
        QString units;
        const int length = static_cast<int>(Pick(110));
        for (int i = 0; i < length; ++i) units += QChar(static_cast<char16_t>(Pick(0x10000)));
        return units;
      }
    }
  }

  // A stored choice: mostly one of the group, sometimes none or one past it.
  std::int32_t Choice(int groupSize) {
    return static_cast<std::int32_t>(Pick(static_cast<std::size_t>(groupSize) + 3)) - 1;
  }

  // True for about one call in three: the share of a record's entries that turn hostile.
  bool Now() { return Pick(3) == 0; }

 private:
  std::size_t Pick(std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
  }
  QString Number(QChar separator) {
    const double magnitude = std::pow(10.0, std::uniform_real_distribution<double>(-8, 8)(random_));
    const double value = Pick(4) == 0 ? -magnitude : magnitude;
    QString text = QString::number(value, Pick(2) ? 'g' : 'f', static_cast<int>(Pick(9)));
    return text.replace(QLatin1Char('.'), separator);
  }
  QString Repeat(const QString& alphabet, std::size_t length) {
    QString text;
    for (std::size_t i = 0; i < length; ++i)
      text += alphabet.at(static_cast<qsizetype>(Pick(alphabet.size())));
    return text;
  }

  std::mt19937 random_;
};

// The shipped example's point (water, flanged two-way valve, electric actuator) with about a
// third of its texts and choices replaced by random ones, so that some points are still sized.
SettingsRecord RandomRecord(FieldTextGenerator& generator) {
  SettingsRecord r = DefaultSettingsRecord();
  SetFieldText(r.p1, QStringLiteral("6"));
  SetFieldText(r.p2, QStringLiteral("4"));
  SetFieldText(r.temperature, QStringLiteral("90"));
  SetFieldText(r.drop, QStringLiteral("0.3"));
  SetFieldText(r.flow, QStringLiteral("5"));
  SetFieldText(r.setting, QStringLiteral("0.5"));
  for (TextField* field :
       {&r.density, &r.p1, &r.p2, &r.temperature, &r.drop, &r.setting, &r.flow, &r.safetyFactor,
        &r.maintainedTemperature, &r.heatCarrierSensors, &r.outdoorSensors, &r.roomSensors,
        &r.calcSupplyTemperature, &r.calcReturnTemperature, &r.calcHeatPower}) {
    if (generator.Now()) SetFieldText(*field, generator.Next());
  }
  const std::pair<std::int32_t*, int> choices[] = {
      {&r.medium, 3},
      {&r.connection, 2},
      {&r.execution, 2},
      {&r.threeWayUse, 2},
      {&r.productType, 3},
      {&r.actuatorKind, 3},
      {&r.controlSignal, 2},
      {&r.supplyVoltage, 2},
      {&r.positioner, 2},
      {&r.normalPosition, 2},
      {&r.elementType, 2},
      {&r.elementMetal, 2},
      {&r.capillaryMetal, 3},
      {&r.controllerVariant, 3},
      {&r.p1Unit, 4},
      {&r.p2Unit, 4},
      {&r.temperatureUnit, 2},
      {&r.dropUnit, 4},
      {&r.flowUnit, 4},
      {&r.settingUnit, 4},
      {&r.signalType, 4},
      {&r.capillaryLength, 4},
      {&r.useSafetyFactor, 1},
      {&r.checkCavitation, 1},
      {&r.actuatorSectionOn, 1},
      {&r.limitSwitches, 1},
      {&r.potentiometer, 1},
      {&r.springReturn, 1},
      {&r.heater, 1},
      {&r.controllerSectionOn, 1},
      {&r.balancedOnly, 1},
  };
  for (const auto& [field, groupSize] : choices) {
    if (generator.Now()) *field = generator.Choice(groupSize);
  }
  return r;
}

// A working folder with the bundled catalogue and tables; files of the test beside it.
class HostileInputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("work")));
    for (const QString& name :
         {QStringLiteral("xmldata.xml"), QString::fromUtf8("Рнас.dat"),
          QStringLiteral("etilenglikol.dat"), QStringLiteral("propilenglikol.dat")}) {
      ASSERT_TRUE(QFile::copy(DataFile(name), Work() + '/' + name)) << name.toStdString();
    }
  }
  QString Work() const { return dir_.filePath(QStringLiteral("work")); }

  // "select FILE --dir work --json" in this process.
  QJsonObject Select(const QString& file) {
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int status = RunSelvioCli(
        {QStringLiteral("select"), file, QStringLiteral("--dir"), Work(), QStringLiteral("--json")},
        outStream, errStream);
    outStream.flush();
    errStream.flush();
    EXPECT_EQ(status, 0) << err.toStdString();
    return QJsonDocument::fromJson(out.toUtf8()).object();
  }

  // "batch CSV --dir work --json" in this process, the CSV written beside "work"; its lines.
  QStringList Batch(const QString& csv) {
    const QString file = dir_.filePath(QStringLiteral("cases.csv"));
    QFile csvFile(file);
    EXPECT_TRUE(csvFile.open(QIODevice::WriteOnly));
    csvFile.write(csv.toUtf8());
    csvFile.close();
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int status = RunSelvioCli(
        {QStringLiteral("batch"), file, QStringLiteral("--dir"), Work(), QStringLiteral("--json")},
        outStream, errStream);
    outStream.flush();
    errStream.flush();
    EXPECT_EQ(status, 0) << err.toStdString();
    return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  }

  QTemporaryDir dir_;
};

// Panels whose lines are computed or taken from the catalogue; the controller panel repeats
// the sensor counts as typed and is left out.
const char* const kComputedPanels[] = {"1085", "1088", "1089", "1092", "1094"};

// Each case is a selection file. One batch sizes them all, each on a form started afresh as
// select starts it, with the catalogue loaded once; the first cases also go through select,
// which must print what the batch printed for them.
TEST_F(HostileInputTest, RandomTextsInEveryFieldGiveAMessageOrAResultAndOnlyFiniteNumbers) {
  constexpr int kCases = 300;
  constexpr int kAlsoSelected = 20;
  FieldTextGenerator generator(20261210);
  QString csv = QStringLiteral("label,file\n");
  for (int i = 0; i < kCases; ++i) {
    const QString name = QStringLiteral("random%1.crp").arg(i);
    ASSERT_TRUE(WriteSelectionFile(dir_.filePath(name), RandomRecord(generator)));
    csv += QStringLiteral("%1,%2\n").arg(i).arg(name);
  }
  const QStringList lines = Batch(csv);
  ASSERT_EQ(lines.size(), kCases);
  int found = 0;
  int refused = 0;
  for (int i = 0; i < kCases; ++i) {
    QJsonObject json = QJsonDocument::fromJson(lines[i].toUtf8()).object();
    ASSERT_EQ(json.value("label").toString(), QString::number(i)) << lines[i].toStdString();
    json.remove(QStringLiteral("label"));
    if (i < kAlsoSelected) {
      EXPECT_EQ(Select(dir_.filePath(QStringLiteral("random%1.crp").arg(i))), json) << "case " << i;
    }
    const int outcome = json.value("outcome").toInt();
    const bool answered = !json.value("messages").toArray().isEmpty() ||
                          json.value("candidates").toArray().size() > 0;
    EXPECT_TRUE(answered) << "case " << i << ": neither a message nor a result, outcome "
                          << outcome;
    found += json.value("candidates").toArray().isEmpty() ? 0 : 1;
    refused += json.value("messages").toArray().isEmpty() ? 0 : 1;
    for (const char* panel : kComputedPanels) {
      const QString text = json.value("panels").toObject().value(panel).toString();
      EXPECT_FALSE(ShowsNonFinite(text))
          << "case " << i << " panel " << panel << ": " << text.toStdString();
    }
    for (const QJsonValue& message : json.value("messages").toArray()) {
      EXPECT_FALSE(ShowsNonFinite(message.toString()))
          << "case " << i << ": " << message.toString().toStdString();
    }
  }
  // The texts are random, not hopeless: some points are sized and some are refused.
  EXPECT_GT(found, 0);
  EXPECT_GT(refused, 0);
}

// Texts of 100 000 characters: digits (a number far past float's range), an exponent that
// overflows, and letters.
const QString kLongDigits = QString(100000, QLatin1Char('1'));
const QString kLongExponent = QStringLiteral("1e") + QString(99998, QLatin1Char('9'));
const QString kLongLetters = QString(100000, QChar(0x0416));  // Ж

TEST_F(HostileInputTest, HundredThousandCharacterTextsInEveryFieldAreCutAndAnswered) {
  CurrentFolderScope folder;
  ASSERT_TRUE(folder.Enter(Work()));
  for (const QString& text : {kLongDigits, kLongExponent, kLongLetters}) {
    for (int product : {ids::kControlValve, ids::kDpRegulator, ids::kReducingValve}) {
      HeadlessControls controls;
      DefineFormControls(controls);
      GlycolTables glycol;
      const auto catalogue = std::make_unique<Catalogue>();
      SelectionForm view(controls, *catalogue, glycol);
      view.Initialise(false);
      controls.Click(product);
      for (const ControlEntry& entry : FormControlInventory()) {
        if (entry.kind == ControlType::Edit) controls.SetText(entry.id, text);
      }
      controls.Click(ids::kCalculate);
      const std::string name = text.left(3).toStdString() + " product " + std::to_string(product);
      EXPECT_FALSE(controls.Messages().isEmpty()) << name << ": no message for unreadable inputs";
      for (int panel : {ids::kRegulatorValues, ids::kCalculatedData}) {
        EXPECT_FALSE(ShowsNonFinite(controls.Text(panel))) << name;
      }
      // A selection file keeps 99 units of each text.
      const QString file = dir_.filePath(QStringLiteral("long.crp"));
      ASSERT_TRUE(view.SaveSelectionFile(file)) << name;
      SettingsRecord record;
      ASSERT_TRUE(ReadSelectionFile(file, record)) << name;
      EXPECT_EQ(FieldText(record.p1), text.left(99)) << name;
      EXPECT_EQ(FieldText(record.roomSensors), text.left(99)) << name;
    }
  }
}

TEST_F(HostileInputTest, CatalogueTextsOfAHundredThousandCharactersFitThePanels) {
  QFile fixture(qEnvironmentVariable("SELVIO_TEST_DATA_DIR") + QStringLiteral("/cli/xmldata.xml"));
  ASSERT_TRUE(fixture.open(QIODevice::ReadOnly));
  QString xml = QString::fromUtf8(fixture.readAll());
  for (const char* name : {"VF", "EA-1", "vf.pdf", "седельный"}) {
    xml.replace(QString::fromUtf8(name), QString::fromUtf8(name) + kLongLetters);
  }
  QFile catalogue(Work() + QStringLiteral("/xmldata.xml"));
  ASSERT_TRUE(catalogue.open(QIODevice::WriteOnly | QIODevice::Truncate));
  catalogue.write(xml.toUtf8());
  catalogue.close();

  // Water 6/4 bar, 90 °C, ΔP 0.3 bar, 5 m³/h: Kv = 5/√0.3 = 9.13, met by VF DN 32 (Kvs 16)
  // with the electric actuator EA-1 first.
  SettingsRecord point = DefaultSettingsRecord();
  SetFieldText(point.p1, QStringLiteral("6"));
  SetFieldText(point.p2, QStringLiteral("4"));
  SetFieldText(point.temperature, QStringLiteral("90"));
  SetFieldText(point.drop, QStringLiteral("0.3"));
  SetFieldText(point.flow, QStringLiteral("5"));
  const QString file = dir_.filePath(QStringLiteral("point.crp"));
  ASSERT_TRUE(WriteSelectionFile(file, point));
  const QJsonObject json = Select(file);
  ASSERT_EQ(json.value("outcome").toInt(), 1);
  const QJsonObject panels = json.value("panels").toObject();
  const QString valve = panels.value("1085").toString();
  EXPECT_EQ(valve.size(), 1023) << "the panel's buffer holds 1023 characters";
  EXPECT_TRUE(valve.startsWith(QStringLiteral("VFЖЖЖ")));
  EXPECT_LE(panels.value("1088").toString().size(), 1023);
  EXPECT_FALSE(json.value("report").toString().isEmpty());
}

TEST_F(HostileInputTest, RandomTextsInTheCalculatorsNeverWriteInfOrNan) {
  CurrentFolderScope folder;
  ASSERT_TRUE(folder.Enter(Work()));
  HeadlessControls controls;
  DefineFormControls(controls);
  GlycolTables glycol;
  LoadGlycolTables(glycol);
  const auto catalogue = std::make_unique<Catalogue>();
  SelectionForm view(controls, *catalogue, glycol);
  view.Initialise(false);
  controls.Click(ids::kGlycol);
  FieldTextGenerator generator(1058);
  int densities = 0;
  int flows = 0;
  for (int i = 0; i < 300; ++i) {
    const QString densityBefore = controls.Text(ids::kDensity);
    const QString flowBefore = controls.Text(ids::kFlow);
    const QString temperature = generator.Next();
    const QString concentration = generator.Next();
    const int kind =
        generator.Now() ? density_dialog_ids::kPropylene : density_dialog_ids::kEthylene;
    controls.QueueDialogScript([&](HeadlessControls& dialog) {
      dialog.SetText(density_dialog_ids::kTemperature, temperature);
      dialog.SetText(density_dialog_ids::kConcentration, concentration);
      dialog.Click(kind);
      dialog.Click(ids::kOk);
      dialog.Click(ids::kCancel);
    });
    controls.Click(ids::kDensityCalc);
    densities += controls.Text(ids::kDensity) != densityBefore;
    EXPECT_FALSE(ShowsNonFinite(controls.Text(ids::kDensity)))
        << temperature.toStdString() << " / " << concentration.toStdString() << ": "
        << controls.Text(ids::kDensity).toStdString();

    const QString supply = generator.Next();
    const QString back = generator.Next();
    const QString power = generator.Next();
    controls.QueueDialogScript([&](HeadlessControls& dialog) {
      dialog.SetText(flow_dialog_ids::kSupplyTemperature, supply);
      dialog.SetText(flow_dialog_ids::kReturnTemperature, back);
      dialog.SetText(flow_dialog_ids::kHeatPower, power);
      dialog.Click(ids::kOk);
      dialog.Click(ids::kCancel);
    });
    controls.Click(ids::kFlowCalc);
    flows += controls.Text(ids::kFlow) != flowBefore;
    EXPECT_FALSE(ShowsNonFinite(controls.Text(ids::kFlow)))
        << supply.toStdString() << " / " << back.toStdString() << " / " << power.toStdString()
        << ": " << controls.Text(ids::kFlow).toStdString();
  }
  for (const QString& message : controls.Messages()) {
    EXPECT_FALSE(ShowsNonFinite(message)) << message.toStdString();
  }
  // Some random inputs are readable: both calculators did write results.
  EXPECT_GT(densities, 0);
  EXPECT_GT(flows, 0);
}

// A CSV cell holding `text` as it is: quoted, with its quotes doubled.
QString CsvCell(const QString& text) {
  return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
         QLatin1Char('"');
}

TEST_F(HostileInputTest, RandomCellsOfABatchGiveEachRowAnErrorAMessageOrAResult) {
  // Each column with values the batch knows; in every row one to three cells get a random text
  // instead.
  const std::vector<std::pair<const char*, std::vector<const char*>>> columns = {
      {"medium", {"вода", "гликоль"}},
      {"product", {"клапан", "РПД", "РК"}},
      {"p1", {"6"}},
      {"p2", {"4"}},
      {"t", {"90"}},
      {"drop", {"0.3"}},
      {"flow", {"5"}},
      {"setting", {"0,5"}},
      {"k", {"1.2"}},
      {"density", {"1040"}},
      {"p1_unit", {"Бар", "кПа", "кгс/см²"}},
      {"p2_unit", {"Бар", "кПа"}},
      {"drop_unit", {"Бар", "кПа"}},
      {"setting_unit", {"Бар"}},
      {"flow_unit", {"м³/ч", "л/ч"}},
      {"actuator", {"электро", "термо", "пневмо", "нет"}},
      {"use_k", {"0", "1"}},
      {"cavitation", {"1", "0"}},
  };
  FieldTextGenerator generator(6);
  std::mt19937 choice(9);
  constexpr int kRows = 200;
  QString csv = QStringLiteral("label");
  for (const auto& column : columns) csv += QLatin1Char(',') + QString::fromUtf8(column.first);
  csv += QLatin1Char('\n');
  for (int row = 0; row < kRows; ++row) {
    csv += QString::number(row);
    std::vector<bool> hostile(columns.size(), false);
    const int hostileCells = std::uniform_int_distribution<int>(1, 3)(choice);
    for (int i = 0; i < hostileCells; ++i) {
      hostile[std::uniform_int_distribution<std::size_t>(0, columns.size() - 1)(choice)] = true;
    }
    for (std::size_t c = 0; c < columns.size(); ++c) {
      const std::vector<const char*>& values = columns[c].second;
      const std::size_t pick =
          std::uniform_int_distribution<std::size_t>(0, values.size() - 1)(choice);
      csv += QLatin1Char(',') +
             CsvCell(hostile[c] ? generator.Next() : QString::fromUtf8(values[pick]));
    }
    csv += QLatin1Char('\n');
  }
  const QString file = dir_.filePath(QStringLiteral("random.csv"));
  {
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(csv.toUtf8());
  }

  QString out;
  QString err;
  QTextStream outStream(&out);
  QTextStream errStream(&err);
  const int status = RunSelvioCli(
      {QStringLiteral("batch"), file, QStringLiteral("--dir"), Work(), QStringLiteral("--json")},
      outStream, errStream);
  outStream.flush();
  EXPECT_TRUE(status == 0 || status == kRowErrorStatus) << status << " " << err.toStdString();
  const QStringList lines = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), kRows) << "one line per row, quoted line breaks included";
  int errors = 0;
  int found = 0;
  for (const QString& line : lines) {
    const QJsonObject json = QJsonDocument::fromJson(line.toUtf8()).object();
    ASSERT_FALSE(json.isEmpty()) << line.left(200).toStdString();
    const std::string label = json.value("label").toString().toStdString();
    if (json.contains("error")) {
      ++errors;
      EXPECT_FALSE(json.value("error").toString().isEmpty()) << label;
      continue;
    }
    found += json.value("candidates").toArray().isEmpty() ? 0 : 1;
    EXPECT_TRUE(!json.value("messages").toArray().isEmpty() ||
                !json.value("candidates").toArray().isEmpty())
        << label << ": neither a message nor a result";
    for (const char* panel : kComputedPanels) {
      const QString text = json.value("panels").toObject().value(panel).toString();
      EXPECT_FALSE(ShowsNonFinite(text))
          << label << " panel " << panel << ": " << text.toStdString();
    }
  }
  EXPECT_GT(errors, 0) << "random unit and kind names are row errors";
  EXPECT_GT(found, 0) << "some rows are still sized";
}

}  // namespace
}  // namespace selvio
