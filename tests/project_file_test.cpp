#include "app/project/project_file.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <functional>

#include "app/files/settings_fields.h"
#include "app/project/project_model.h"
#include "tests/project_fixture.h"
#include "tests/small_file_system.h"

namespace selvio::test {
namespace {

QString Utf8(const char* text) { return QString::fromUtf8(text); }

ProjectPosition SimplePosition(const char* label, int quantity) {
  ProjectPosition position;
  position.label = Utf8(label);
  position.quantity = quantity;
  position.shown.outcome = Found;
  position.shown.product = Utf8("ВКФ-2-32-16");
  position.shown.dn = "32";
  position.shown.kvs = 16;
  position.shown.kv = 10.954451f;
  position.shown.dpv = 0.09765625f;
  position.shown.velocity = 1.7269917f;
  return position;
}

Project TwoPositions() {
  return Project{{SimplePosition("ИТП-1, отопление", 2), SimplePosition("ИТП-1, ГВС", 1)}};
}

void ExpectSameProject(const Project& read, const Project& written) {
  ASSERT_EQ(read.positions.size(), written.positions.size());
  for (std::size_t i = 0; i < read.positions.size(); ++i) {
    EXPECT_TRUE(SamePosition(read.positions[i], written.positions[i])) << "position " << i + 1;
  }
}

TEST_F(ProjectFolderTest, EveryKindOfPositionReadsBackAsWritten) {
  const Project project = PointsProject();
  ASSERT_EQ(project.positions.size(), 6u);
  ASSERT_TRUE(WriteProjectFile(Path("points.selvio"), project) == std::nullopt);
  const ReadProject read = ReadProjectFile(Path("points.selvio"));
  ASSERT_TRUE(read.project) << read.error.toStdString();
  ExpectSameProject(*read.project, project);
}

// The file names every field of the record, with the form's numbers and texts as they are.
TEST(ProjectFile, InputsStandUnderTheirNames) {
  Project project = TwoPositions();
  SetFieldText(project.positions[0].inputs.p1, Utf8("6,5 бар"));
  project.positions[0].inputs.flowUnit = 2;
  const QJsonObject inputs = QJsonDocument::fromJson(ProjectFileBytes(project))
                                 .object()["positions"]
                                 .toArray()[0]
                                 .toObject()["inputs"]
                                 .toObject();
  int fields = 0;
  ForEachSettingsField(project.positions[0].inputs, [&](SettingsFieldPlace place, const auto&) {
    ++fields;
    EXPECT_TRUE(inputs.contains(QLatin1String(place.name))) << place.name;
  });
  EXPECT_EQ(inputs.size(), fields);
  EXPECT_EQ(inputs["p1"].toString(), Utf8("6,5 бар"));
  EXPECT_EQ(inputs["flow_unit"].toInt(), 2);
  EXPECT_EQ(inputs["medium"].toInt(), 1);
}

// A text the form holds may be no valid UTF-16 (a lone surrogate read from a .crp); it is kept
// unit for unit, as are labels in any script and figures that are not finite.
TEST(ProjectFile, UnusualTextsAndMissingFiguresReadBackExactly) {
  Project project = TwoPositions();
  ProjectPosition& odd = project.positions[0];
  const char16_t loneSurrogate[] = {u'6', 0xD800, u'5', 0};
  SetFieldText(odd.inputs.p1, QString::fromUtf16(loneSurrogate));
  SetFieldText(odd.inputs.drop, QString(99, QChar(u'я')));
  odd.label = Utf8("Σ «кавычки» \"и\" \\ 😀");
  odd.shown.dpv = std::numeric_limits<float>::infinity();
  odd.shown.velocity = std::numeric_limits<float>::quiet_NaN();
  const ReadProject read = ParseProjectFile(ProjectFileBytes(project));
  ASSERT_TRUE(read.project) << read.error.toStdString();
  // JSON has no infinity: a figure that is not finite is written as null and read as NaN.
  EXPECT_TRUE(std::isnan(read.project->positions[0].shown.dpv));
  odd.shown.dpv = std::numeric_limits<float>::quiet_NaN();
  ExpectSameProject(*read.project, project);
  EXPECT_EQ(SettingsRecordBytes(read.project->positions[0].inputs),
            SettingsRecordBytes(odd.inputs));
}

// Each damaged file is refused with its reason; the message names the position and field.
TEST(ProjectFile, DamagedFilesAreRefusedWithTheirReason) {
  const QByteArray valid = ProjectFileBytes(TwoPositions());
  const auto edited = [&valid](const std::function<void(QJsonObject&)>& edit) {
    QJsonObject file = QJsonDocument::fromJson(valid).object();
    edit(file);
    return QJsonDocument(file).toJson();
  };
  const auto editPosition = [&edited](int index, const std::function<void(QJsonObject&)>& edit) {
    return edited([&](QJsonObject& file) {
      QJsonArray positions = file["positions"].toArray();
      QJsonObject position = positions[index].toObject();
      edit(position);
      positions[index] = position;
      file["positions"] = positions;
    });
  };
  const auto editInputs = [&editPosition](const std::function<void(QJsonObject&)>& edit) {
    return editPosition(0, [&](QJsonObject& position) {
      QJsonObject inputs = position["inputs"].toObject();
      edit(inputs);
      position["inputs"] = inputs;
    });
  };
  struct Case {
    const char* name;
    QByteArray bytes;
    const char* message;
  };
  const Case cases[] = {
      {"cut in half", valid.left(valid.size() / 2),
       "Файл проекта поврежден или обрезан: ошибка в байте"},
      {"last brace lost", valid.trimmed().chopped(1),
       "Файл проекта поврежден или обрезан: ошибка в байте"},
      {"empty", QByteArray(), "Файл проекта поврежден или обрезан"},
      {"binary", QByteArray("\x01\x00\x00\x00\xff\xfe", 6), "Файл проекта поврежден или обрезан"},
      {"other JSON", R"({"positions": []})", "Это не файл проекта"},
      {"newer version", edited([](QJsonObject& f) { f["version"] = 2; }),
       "Файл проекта записан более новой версией программы (версия формата 2, эта версия читает "
       "версию 1)"},
      {"version zero", edited([](QJsonObject& f) { f["version"] = 0; }),
       "Неизвестная версия формата файла проекта: 0"},
      {"no version", edited([](QJsonObject& f) { f.remove("version"); }),
       "Файл проекта поврежден: не указана версия формата"},
      {"no positions", edited([](QJsonObject& f) { f.remove("positions"); }),
       "Файл проекта поврежден: нет списка позиций"},
      {"an input missing", editInputs([](QJsonObject& i) { i.remove("p1"); }),
       "Позиция 1: нет поля «inputs.p1»"},
      {"what was shown missing", editPosition(1, [](QJsonObject& p) { p.remove("shown"); }),
       "Позиция 2: нет поля «shown»"},
      {"a figure missing",
       editPosition(1,
                    [](QJsonObject& p) {
                      QJsonObject shown = p["shown"].toObject();
                      shown.remove("kv");
                      p["shown"] = shown;
                    }),
       "Позиция 2: нет поля «shown.kv»"},
      {"no quantity", editPosition(0, [](QJsonObject& p) { p.remove("quantity"); }),
       "Позиция 1: нет поля «quantity»"},
      {"quantity zero", editPosition(0, [](QJsonObject& p) { p["quantity"] = 0; }),
       "Позиция 1: поле «quantity» должно быть целым числом от 1 до 1000000"},
      {"a radio number not whole", editInputs([](QJsonObject& i) { i["medium"] = 1.5; }),
       "Позиция 1: поле «inputs.medium» должно быть целым числом"},
      {"a number as text", editInputs([](QJsonObject& i) { i["medium"] = "1"; }),
       "Позиция 1: поле «inputs.medium» должно быть целым числом"},
      {"a text of 100 units", editInputs([](QJsonObject& i) { i["p1"] = QString(100, 'x'); }),
       "Позиция 1: поле «inputs.p1» должно быть строкой не длиннее 99 знаков"},
      {"a text with a zero", editInputs([](QJsonObject& i) {
         i["p1"] = QString::fromLatin1(
             "6\0"
             "5",
             3);
       }),
       "Позиция 1: поле «inputs.p1» должно быть строкой не длиннее 99 знаков без нулевого знака"},
      {"a label that is a number", editPosition(0, [](QJsonObject& p) { p["label"] = 5; }),
       "Позиция 1: поле «label» должно быть строкой"},
      {"too many positions", edited([](QJsonObject& f) {
         QJsonArray positions = f["positions"].toArray();
         while (positions.size() <= kMaxProjectPositions) positions.append(positions[0]);
         f["positions"] = positions;
       }),
       "В файле проекта позиций: 10001, а в проекте их может быть не больше 10000"},
  };
  for (const Case& c : cases) {
    const ReadProject read = ParseProjectFile(c.bytes);
    EXPECT_FALSE(read.project) << c.name;
    EXPECT_TRUE(read.error.startsWith(Utf8(c.message)))
        << c.name << ": " << read.error.toStdString();
  }
}

// The file is written a position at a time, laid out as Qt lays out the whole document, so it
// reads as before and as a person edits it; past the limit nothing is made.
TEST(ProjectFile, IsLaidOutAsAJsonDocumentAndStopsAtTheLimit) {
  for (const Project& project : {Project{}, Project{{SimplePosition("A", 1)}}, TwoPositions()}) {
    const QByteArray bytes = ProjectFileBytes(project);
    EXPECT_EQ(QJsonDocument::fromJson(bytes).toJson(QJsonDocument::Indented), bytes)
        << bytes.toStdString();
    EXPECT_EQ(ProjectFileBytes(project, bytes.size()), bytes);
    EXPECT_EQ(ProjectFileBytes(project, bytes.size() - 1), std::nullopt);
  }
}

// A received file whose label would steer a document or a terminal is refused, naming the
// position and the character: the window would not have taken such a label.
TEST(ProjectFile, LabelsThatWouldSteerTheOutputsAreRefused) {
  struct Case {
    const char* name;
    QString label;
    const char* message;  // empty: read
  };
  const QString forbidden = Utf8(
      "Позиция 2: поле «label» содержит недопустимый знак %1: управляющие знаки, знаки "
      "направления письма и разделители строк в обозначении не допускаются");
  const Case cases[] = {
      {"a right-to-left override", Utf8("ИТП-1\u202E321"), "U+202E"},
      {"a tab", Utf8("ИТП\t1"), "U+0009"},
      {"an escape sequence", Utf8("ИТП\x1b[2J"), "U+001B"},
      {"a carriage return", Utf8("ИТП-1\rподделка"), "U+000D"},
      {"a line feed", Utf8("ИТП-1\nГВС"), "U+000A"},
      {"a C1 control", Utf8("ИТП\u009B1"), "U+009B"},
      {"a line separator", Utf8("ИТП\u2028ГВС"), "U+2028"},
      {"an isolate", Utf8("ИТП\u2067ГВС"), "U+2067"},
      {"a lone surrogate", Utf8("ИТП") + QChar(0xD800), "U+D800"},
      {"201 characters", QString(201, QChar(0x0416)), ""},
      {"200 characters", QString(200, QChar(0x0416)), nullptr},
      {"200 characters beyond the basic plane", Utf8("😀").repeated(200), nullptr},
      {"Hebrew and a formula sign", Utf8("=קו 1, ИТП «А»"), nullptr},
  };
  for (const Case& c : cases) {
    Project project = TwoPositions();
    project.positions[1].label = c.label;
    const ReadProject read = ParseProjectFile(ProjectFileBytes(project));
    if (!c.message) {
      ASSERT_TRUE(read.project) << c.name << ": " << read.error.toStdString();
      EXPECT_EQ(read.project->positions[1].label, c.label) << c.name;
      continue;
    }
    EXPECT_FALSE(read.project) << c.name;
    const QString expected = *c.message ? forbidden.arg(Utf8(c.message))
                                        : Utf8("Позиция 2: поле «label» длиннее 200 знаков");
    EXPECT_EQ(read.error, expected) << c.name;
  }
}

class ProjectModelTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  QString Path(const char* name) const { return dir_.filePath(name); }
  QTemporaryDir dir_;
};

std::vector<QString> Labels(const ProjectModel& model) {
  std::vector<QString> labels;
  for (const ProjectPosition& position : model.Data().positions) labels.push_back(position.label);
  return labels;
}

TEST_F(ProjectModelTest, OperationsChangeTheListAndMarkItModified) {
  ProjectModel model;
  EXPECT_FALSE(model.IsModified());
  EXPECT_EQ(model.Add(SimplePosition("A", 1)), 0);
  EXPECT_EQ(model.Add(SimplePosition("B", 1)), 1);
  EXPECT_EQ(model.Add(SimplePosition("C", 1)), 2);
  EXPECT_TRUE(model.IsModified());
  EXPECT_TRUE(model.MoveUp(2));
  EXPECT_EQ(Labels(model), (std::vector<QString>{"A", "C", "B"}));
  EXPECT_TRUE(model.MoveDown(0));
  EXPECT_EQ(Labels(model), (std::vector<QString>{"C", "A", "B"}));
  EXPECT_FALSE(model.MoveUp(0));
  EXPECT_FALSE(model.MoveDown(2));
  EXPECT_TRUE(model.Remove(1));
  EXPECT_EQ(Labels(model), (std::vector<QString>{"C", "B"}));

  // "Заменить" takes the other's inputs and what it showed, not its label and quantity.
  ProjectPosition other = SimplePosition("другая", 7);
  other.shown.product = Utf8("РДФ-16-25-8");
  SetFieldText(other.inputs.flow, "9");
  EXPECT_TRUE(model.Replace(0, other));
  EXPECT_EQ(model.At(0).label, "C");
  EXPECT_EQ(model.At(0).quantity, 1);
  EXPECT_EQ(model.At(0).shown.product, Utf8("РДФ-16-25-8"));
  EXPECT_EQ(FieldText(model.At(0).inputs.flow), "9");

  EXPECT_TRUE(model.SetQuantity(1, 4));
  EXPECT_FALSE(model.SetQuantity(1, 0));
  EXPECT_FALSE(model.SetQuantity(1, kMaxPositionQuantity + 1));
  EXPECT_TRUE(model.SetLabel(1, Utf8("Б")));
  EXPECT_EQ(model.At(1).quantity, 4);
  EXPECT_EQ(model.At(1).label, Utf8("Б"));
  EXPECT_FALSE(model.SetLabel(1, Utf8("Б\u202E")));
  EXPECT_FALSE(model.SetLabel(1, QString(201, 'x')));
  EXPECT_EQ(model.At(1).label, Utf8("Б"));
  for (int outside : {-1, 2}) {
    EXPECT_FALSE(model.Remove(outside));
    EXPECT_FALSE(model.Replace(outside, other));
    EXPECT_FALSE(model.SetLabel(outside, "x"));
  }
  EXPECT_EQ(model.Count(), 2);

  ASSERT_EQ(model.Save(Path("saved.selvio")), std::nullopt);
  EXPECT_FALSE(model.IsModified());
  EXPECT_EQ(model.Name(), "saved");
  ProjectModel reopened;
  ASSERT_EQ(reopened.Open(Path("saved.selvio")), std::nullopt);
  ExpectSameProject(reopened.Data(), model.Data());
  EXPECT_FALSE(reopened.IsModified());
}

// A project holds at most kMaxProjectPositions, and only positions with a label it may show.
TEST_F(ProjectModelTest, AddRefusesAPositionBeyondTheCapOrWithAFaultyLabel) {
  ProjectModel model;
  EXPECT_EQ(model.Add(SimplePosition("ИТП\x1b", 1)), -1);
  for (int i = 0; i < kMaxProjectPositions; ++i) ASSERT_EQ(model.Add(SimplePosition("A", 1)), i);
  const int revision = model.Revision();
  EXPECT_EQ(model.Add(SimplePosition("A", 1)), -1);
  EXPECT_EQ(model.Count(), kMaxProjectPositions);
  EXPECT_EQ(model.Revision(), revision);
}

TEST_F(ProjectModelTest, AFailedOpenKeepsTheOpenProject) {
  ProjectModel model;
  model.Add(SimplePosition("A", 1));
  ASSERT_EQ(model.Save(Path("a.selvio")), std::nullopt);
  model.Add(SimplePosition("B", 3));
  const Project before = model.Data();
  const int revision = model.Revision();

  const QByteArray valid = ProjectFileBytes(TwoPositions());
  ASSERT_TRUE(WriteFileBytes(Path("cut.selvio"), valid.left(valid.size() - 40)));
  for (const char* name : {"cut.selvio", "absent.selvio"}) {
    const std::optional<QString> error = model.Open(Path(name));
    ASSERT_TRUE(error) << name;
    EXPECT_FALSE(error->isEmpty());
    ExpectSameProject(model.Data(), before);
    EXPECT_TRUE(model.IsModified());
    EXPECT_EQ(model.Path(), Path("a.selvio"));
    EXPECT_EQ(model.Revision(), revision);
  }
}

// A save that cannot be written changes nothing: the project stays modified under its old
// name and the file saved before is whole.
TEST_F(ProjectModelTest, AFailedSaveKeepsTheProjectAndThePreviousFile) {
  ProjectModel model;
  model.Add(SimplePosition("A", 1));
  ASSERT_EQ(model.Save(Path("a.selvio")), std::nullopt);
  const QByteArray saved = FileBytes(Path("a.selvio"));
  model.Add(SimplePosition("B", 3));
  const Project before = model.Data();

  ASSERT_TRUE(QDir(dir_.path()).mkdir("folder.selvio"));
  ASSERT_TRUE(QFile::link(Path("nowhere.selvio"), Path("dangling.selvio")));
  const std::pair<const char*, const char*> failures[] = {
      {"missing/b.selvio", "Не удалось записать файл проекта (папка не найдена)"},
      {"folder.selvio",
       "Не удалось записать файл проекта (на этом месте папка или не обычный файл)"},
      {"dangling.selvio",
       "Не удалось записать файл проекта (это символическая ссылка на несуществующий файл)"},
  };
  for (const auto& [name, message] : failures) {
    const std::optional<QString> error = model.Save(Path(name));
    ASSERT_TRUE(error) << name;
    EXPECT_EQ(*error, Utf8(message));
    EXPECT_TRUE(model.IsModified());
    EXPECT_EQ(model.Path(), Path("a.selvio"));
    ExpectSameProject(model.Data(), before);
  }
  EXPECT_EQ(FileBytes(Path("a.selvio")), saved);
  EXPECT_FALSE(QFile::exists(Path("nowhere.selvio")));
}

// "Сохранить проект" on a full disk: the project stays unsaved, the file saved before is whole.
TEST(ProjectModelOnAFullDisk, TheProjectStaysUnsavedAndThePreviousFileWhole) {
  SmallFileSystem disk(64);
  if (!disk.Mounted()) GTEST_SKIP() << disk.Why();
  ProjectModel model;
  model.Add(SimplePosition("A", 1));
  ASSERT_EQ(model.Save(disk.FilePath("a.selvio")), std::nullopt);
  const QByteArray saved = FileBytes(disk.FilePath("a.selvio"));
  model.Add(SimplePosition("B", 3));
  ASSERT_TRUE(disk.Fill());
  const std::optional<QString> error = model.Save(disk.FilePath("a.selvio"));
  ASSERT_TRUE(error);
  EXPECT_EQ(*error,
            Utf8("Не удалось записать файл проекта (на диске нет места; прежний файл не изменен)"));
  EXPECT_TRUE(model.IsModified());
  EXPECT_EQ(model.Count(), 2);
  EXPECT_EQ(FileBytes(disk.FilePath("a.selvio")), saved);
}

// A project file that is a FIFO is refused at once, never waited on (a device is refused alike:
// the command line's tests show it).
TEST_F(ProjectModelTest, AFifoIsNoProjectFile) {
  ASSERT_TRUE(MakeFifo(Path("fifo.selvio")));
  const FifoWatchdog watchdog(Path("fifo.selvio"), std::chrono::seconds(3));
  ProjectModel model;
  const std::optional<QString> error = model.Open(Path("fifo.selvio"));
  ASSERT_TRUE(error);
  EXPECT_EQ(*error, Utf8("Файл проекта не читается (это не обычный файл, а папка, канал или "
                         "устройство)"));
  EXPECT_FALSE(watchdog.Unblocked()) << "the project file was waited on";
}

}  // namespace
}  // namespace selvio::test
