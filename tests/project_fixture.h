#pragma once

// Projects in tests: a working folder with the bundled data, selection forms on headless
// controls in it, and positions sized there.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>
#include <optional>

#include "app/cli/batch_csv.h"
#include "app/cli/cli_files.h"
#include "app/cli/headless_form.h"
#include "app/form/control_ids.h"
#include "app/project/position_form.h"
#include "app/project/project.h"
#include "catalogue/catalogue_loader.h"
#include "engine/fluid_tables.h"

namespace selvio::test {

inline QString DataDir() { return QString::fromLocal8Bit(std::getenv("SELVIO_DATA_DIR")); }

inline QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteFileBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Points of every kind on the bundled catalogue, as "selvio-cli batch" reads them.
inline const char* const kProjectPoints =
    "label,medium,product,p1,p2,t,drop,flow,flow_unit,k,use_k,setting,actuator,cavitation\n"
    "ИТП-1 отопление,вода,клапан,6,4,90,0.3,5,м³/ч,1.2,1,,электро,1\n"
    "ИТП-1 ГВС,вода,клапан,6,3,70,0.5,2500,л/ч,,0,,термо,0\n"
    "ИТП-2 перепад,вода,РПД,8,4,90,0.5,3,м³/ч,,0,0.5,,0\n"
    "ИТП-3 пар,пар,клапан,5,,160,0.3,0.5,т/ч,,0,,нет,0\n"
    "калорифер,гликоль,клапан,6,4,20,0.3,5,м³/ч,,0,,пневмо,0\n"
    "ошибка,вода,клапан,3,4,90,0.3,5,м³/ч,,0,,нет,0\n";

// The records of kProjectPoints, in order.
inline std::vector<SettingsRecord> ProjectPointRecords() {
  const CsvTable table = ParseCsv(kProjectPoints);
  std::vector<SettingsRecord> records;
  for (const QStringList& cells : table.rows) {
    SettingsRecord record = BatchDefaultRecord();
    EXPECT_FALSE(ApplyCsvRow(CsvRow(table.header, cells), record));
    records.push_back(record);
  }
  return records;
}

// A temporary working folder holding the bundled data, the process's current folder while the
// test runs, and forms started in it.
class ProjectFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    for (const QString& name :
         {QStringLiteral("xmldata.xml"), QString::fromUtf8("Рнас.dat"),
          QStringLiteral("etilenglikol.dat"), QStringLiteral("propilenglikol.dat"),
          QStringLiteral("example.crp")}) {
      ASSERT_TRUE(QFile::copy(DataDir() + '/' + name, Path(name))) << name.toStdString();
    }
    ASSERT_TRUE(folder_.Enter(dir_.path()));
  }

  QString Path(const QString& name) const { return dir_.filePath(name); }

  // A form started afresh in the folder, as selvio-cli starts one.
  std::unique_ptr<HeadlessForm> NewForm() const { return std::make_unique<HeadlessForm>(); }

  // The position the form gives after "Расчет" on `record`.
  static ProjectPosition Sized(HeadlessForm& form, const SettingsRecord& record,
                               const QString& label, int quantity = 1) {
    form.View().StartOver(record);
    form.Controls().Click(ids::kCalculate);
    return CaptureFormPosition(form.View(), label, quantity).value_or(ProjectPosition{});
  }

  // The positions of kProjectPoints, each with the quantity of its place (1, 2, 3, ...).
  Project PointsProject() const {
    const std::unique_ptr<HeadlessForm> form = NewForm();
    const CsvTable table = ParseCsv(kProjectPoints);
    const std::vector<SettingsRecord> records = ProjectPointRecords();
    Project project;
    for (std::size_t i = 0; i < records.size(); ++i) {
      project.positions.push_back(
          Sized(*form, records[i], table.rows[static_cast<int>(i)][0], static_cast<int>(i) + 1));
    }
    return project;
  }

  // Rewrites the folder's catalogue with `edit` applied to its text.
  template <class Edit>
  void EditCatalogue(Edit&& edit) {
    QString text = QString::fromUtf8(FileBytes(Path("xmldata.xml")));
    edit(text);
    ASSERT_TRUE(WriteFileBytes(Path("xmldata.xml"), text.toUtf8()));
  }

  // Takes the catalogue entries (an <исполнение>) whose name matches `pattern` out.
  void RemoveProducts(const QString& pattern) {
    EditCatalogue([&](QString& text) {
      const QRegularExpression entry(
          QStringLiteral("<исполнение>\\s*<название>%1</название>.*?</исполнение>\\s*")
              .arg(pattern),
          QRegularExpression::DotMatchesEverythingOption);
      const qsizetype before = text.size();
      text.remove(entry);
      ASSERT_LT(text.size(), before) << pattern.toStdString();
    });
  }

  // The folder's catalogue and saturation table as a re-check loads them.
  struct Data {
    std::unique_ptr<Catalogue> catalogue = std::make_unique<Catalogue>();
    SaturationTable saturation;
  };
  static Data LoadData() {
    Data data;
    EXPECT_TRUE(LoadSaturationTable(data.saturation));
    EXPECT_TRUE(LoadCatalogue(QStringLiteral("xmldata.xml"), *data.catalogue));
    return data;
  }

  QTemporaryDir dir_;
  CurrentFolderScope folder_;
};

}  // namespace selvio::test
