#include "output/product_documents.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "app/form/document_commands.h"
#include "platform/headless_controls.h"

namespace selvio {
namespace {

QString Utf8(const char* text) { return QString::fromUtf8(text); }

TEST(ProductDocuments, PathIsTheFolderPrefixAndTheRecordsFileName) {
  const ProductDocumentFiles files{"V1.pdf", "V1.dwg", "V1.stp"};
  EXPECT_EQ(DocumentPath(DocumentKind::Description, files), "pdf/V1.pdf");
  EXPECT_EQ(DocumentPath(DocumentKind::Drawing2d, files), "2D/V1.dwg");
  EXPECT_EQ(DocumentPath(DocumentKind::Drawing3d, files), "3D/V1.stp");
}

ValveCandidate Valve(const char* name) {
  ValveCandidate c;
  c.valve.descriptionFile = QString(name) + ".pdf";
  c.valve.drawing2d = QString(name) + "_2d.png";
  c.valve.drawing3d = QString(name) + "_3d.png";
  return c;
}

RegulatorCandidate Regulator(const char* name) {
  RegulatorCandidate c;
  c.regulator.descriptionFile = QString(name) + ".pdf";
  c.regulator.drawing2d = QString(name) + "_2d.png";
  c.regulator.drawing3d = QString(name) + "_3d.png";
  return c;
}

QStringList Descriptions(const std::vector<ProductDocumentFiles>& documents) {
  QStringList names;
  for (const ProductDocumentFiles& files : documents) names.append(files.description);
  return names;
}

TEST(ProductDocuments, RegulatorAreaTakesTheShownCandidateOfEachFilledList) {
  auto result = std::make_unique<SelectionResult>();
  EXPECT_TRUE(RegulatorAreaDocuments(*result).empty()) << "nothing calculated";

  result->valveCandidates.resize(2);
  result->valveCandidates[0] = Valve("v0");
  result->valveCandidates[1] = Valve("v1");
  result->shownCandidate = 1;
  EXPECT_EQ(Descriptions(RegulatorAreaDocuments(*result)), QStringList{"v1.pdf"});
  EXPECT_EQ(RegulatorAreaDocuments(*result)[0].drawing2d, "v1_2d.png");

  const ValveCandidate firstValve = result->valveCandidates[0];
  result->valveCandidates.clear();
  result->shownCandidate = 0;
  result->reducingValveCandidates.push_back(Regulator("rk"));
  EXPECT_EQ(Descriptions(RegulatorAreaDocuments(*result)), QStringList{"rk.pdf"});

  // Lists are handled in the order valve, reducing valve, differential-pressure regulator.
  result->dpRegulatorCandidates.push_back(Regulator("rpd"));
  result->valveCandidates.push_back(firstValve);
  result->shownCandidate = 0;
  EXPECT_EQ(Descriptions(RegulatorAreaDocuments(*result)),
            (QStringList{"v0.pdf", "rk.pdf", "rpd.pdf"}));
}

// A valve with one electric actuator, one pneumatic actuator and one thermostat.
std::unique_ptr<SelectionResult> ValveWithEveryActuatorKind() {
  auto result = std::make_unique<SelectionResult>();
  ValveCandidate& c = result->valveCandidates.emplace_back();
  c = Valve("v");
  c.electricActuators.resize(1);
  c.electricActuators[0].descriptionFile = "e.pdf";
  c.electricActuators[0].drawing2d = "e_2d.png";
  c.electricActuators[0].drawing3d = "e_3d.png";
  c.pneumaticActuators.resize(1);
  c.pneumaticActuators[0].descriptionFile = "p.pdf";
  c.thermostats.resize(1);
  ThermostatRecord& t = c.thermostats[0];
  t.descriptionFile = "t.pdf";
  t.rodDrawing2d = "t_rod_2d.png";
  t.rodDrawing3d = "t_rod_3d.png";
  t.spiralDrawing2d = "t_spiral_2d.png";
  t.spiralDrawing3d = "t_spiral_3d.png";
  return result;
}

TEST(ProductDocuments, ActuatorAreaTakesTheShownActuatorAndTheThermostatsElement) {
  const auto result = ValveWithEveryActuatorKind();
  struct Row {
    const char* name;
    int shownActuator;
    bool spiral;
    const char* description;  // null: nothing to open
    const char* drawing2d;
    const char* drawing3d;
  };
  const Row rows[] = {
      {"electric", 0, false, "e.pdf", "e_2d.png", "e_3d.png"},
      {"pneumatic", 1, false, "p.pdf", "", ""},
      {"thermostat, rod element", 2, false, "t.pdf", "t_rod_2d.png", "t_rod_3d.png"},
      {"thermostat, spiral element", 2, true, "t.pdf", "t_spiral_2d.png", "t_spiral_3d.png"},
      {"index past the actuators", 3, false, nullptr, nullptr, nullptr},
  };
  for (const Row& row : rows) {
    result->shownActuator = row.shownActuator;
    const std::optional<ProductDocumentFiles> files = ActuatorAreaDocuments(*result, row.spiral);
    ASSERT_EQ(files.has_value(), row.description != nullptr) << row.name;
    if (!files) continue;
    EXPECT_EQ(files->description, row.description) << row.name;
    EXPECT_EQ(files->drawing2d, row.drawing2d) << row.name;
    EXPECT_EQ(files->drawing3d, row.drawing3d) << row.name;
  }

  auto regulatorOnly = std::make_unique<SelectionResult>();
  regulatorOnly->dpRegulatorCandidates.push_back(Regulator("rpd"));
  EXPECT_FALSE(ActuatorAreaDocuments(*regulatorOnly, false)) << "no valve shown";
}

// Records, for every file opened, how many messages the form had shown by then.
class OrderRecordingPrograms : public HeadlessUserPrograms {
 public:
  explicit OrderRecordingPrograms(const HeadlessControls& controls) : controls_(controls) {}
  bool OpenFile(const QString& path) override {
    messagesBeforeOpen.push_back(controls_.Messages().size());
    return HeadlessUserPrograms::OpenFile(path);
  }
  std::vector<qsizetype> messagesBeforeOpen;

 private:
  const HeadlessControls& controls_;
};

class ProductDocumentOpening : public ::testing::Test {
 protected:
  ProductDocumentOpening() : previousDir_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
  ~ProductDocumentOpening() override { QDir::setCurrent(previousDir_); }
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    ASSERT_TRUE(QDir(dir_.path()).mkpath("pdf"));
    QFile file(dir_.filePath("pdf/present.pdf"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }

  QTemporaryDir dir_;
  QString previousDir_;
  HeadlessControls controls_;
  OrderRecordingPrograms programs_{controls_};
};

TEST_F(ProductDocumentOpening, OpensFromTheWorkingDirectoryThenReportsAMissingFile) {
  struct Row {
    const char* name;
    bool actuatorDescription;
    const char* path;
    const char* message;  // null: none
    qsizetype messagesBeforeOpen;
  };
  const Row rows[] = {
      {"present document", false, "pdf/present.pdf", nullptr, 0},
      {"missing document: opened, then the message", false, "pdf/missing.pdf",
       "Файл не найден. Обновите базу данных.", 0},
      {"a folder is no document", false, "pdf/", "Файл не найден. Обновите базу данных.", 0},
      {"present actuator description", true, "pdf/present.pdf", nullptr, 0},
      {"missing actuator description: the message, then opened all the same", true,
       "pdf/missing.pdf", "Файл с тех.описанием не найден. Обновите базу данных.", 1},
  };
  for (const Row& row : rows) {
    controls_.ClearMessages();
    programs_.messagesBeforeOpen.clear();
    const qsizetype opened = programs_.OpenedFiles().size();
    if (row.actuatorDescription) {
      OpenActuatorDescription(row.path, programs_, controls_);
    } else {
      OpenProductDocument(row.path, programs_, controls_);
    }
    ASSERT_EQ(programs_.OpenedFiles().size(), opened + 1) << row.name;
    EXPECT_EQ(programs_.OpenedFiles().last(), dir_.filePath(row.path)) << row.name;
    EXPECT_EQ(programs_.messagesBeforeOpen, std::vector<qsizetype>{row.messagesBeforeOpen})
        << row.name;
    const QStringList expected = row.message ? QStringList{Utf8(row.message)} : QStringList{};
    EXPECT_EQ(controls_.Messages(), expected) << row.name;
  }
}

}  // namespace
}  // namespace selvio
