#include "engine/fluid_tables.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <clocale>

#include "tests/small_file_system.h"

namespace selvio {
namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

// Runs each test in an empty working directory, where "Рнас.dat" is looked for.
class FluidTablesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    previous_ = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir_.path()));
  }
  void TearDown() override { QDir::setCurrent(previous_); }

  void WriteSaturation(const QByteArray& bytes) {
    WriteFile(dir_.filePath(QStringLiteral("Рнас.dat")), bytes);
  }
  QString WriteTable(const QByteArray& bytes) {
    const QString path = dir_.filePath("table.dat");
    WriteFile(path, bytes);
    return path;
  }

  SaturationTable table;

 private:
  QTemporaryDir dir_;
  QString previous_;
};

TEST_F(FluidTablesTest, SaturationPairsCountOnlyBeforeTheEndOfTheFile) {
  const struct {
    const char* name;
    const char* file;
    int count;
    float at20;
    float at30;
  } cases[] = {
      {"one pair a line, final line break", "0.0123 10\n0.0234 20\n0.0425 30\n", 3, 0.0234f,
       0.0425f},
      {"no final line break loses the last pair", "0.0123 10\n0.0234 20\n0.0425 30", 2, 0.0234f, 0},
      {"tabs and blank lines are white space", "0.0123\t10\n\n\n0.0234 \t 20 0.0425\n30 \n", 3,
       0.0234f, 0.0425f},
      {"a pressure without its temperature", "0.0123 10\n0.0234 20\n0.0425\n", 2, 0.0234f, 0},
      {"reading stops at a text that is not a number", "0.0123 10\n0.0234 20\nх 30\n0.5 40\n", 2,
       0.0234f, 0},
      {"a number running into a letter stops after it", "0.0123 10\n0.0234 20a\n0.0425 30\n", 2,
       0.0234f, 0},
      {"exponents are numbers", "1.23e-2 1e1\n2.34E-2 2E1\n", 2, 0.0234f, 0},
      {"empty file", "", 0, 0, 0},
  };
  for (const auto& c : cases) {
    table = SaturationTable{};
    WriteSaturation(c.file);
    EXPECT_TRUE(LoadSaturationTable(table));
    EXPECT_EQ(table.count, c.count) << c.name;
    EXPECT_FLOAT_EQ(LookupSaturationPressure(table, 20), c.at20) << c.name;
    EXPECT_FLOAT_EQ(LookupSaturationPressure(table, 30), c.at30) << c.name;
  }
}

TEST_F(FluidTablesTest, SaturationReadsAPointWhateverTheLocale) {
  if (!std::setlocale(LC_ALL, "ru_RU.UTF-8")) GTEST_SKIP() << "ru_RU.UTF-8 is not installed";
  WriteSaturation("1.01418 100\n1.43379 110\n");
  EXPECT_TRUE(LoadSaturationTable(table));
  std::setlocale(LC_ALL, "C");
  EXPECT_EQ(table.count, 2);
  EXPECT_FLOAT_EQ(LookupSaturationPressure(table, 100), 1.01418f);
}

TEST_F(FluidTablesTest, SaturationStopsAtTheTableCapacity) {
  QByteArray file;
  for (int t = 0; t < kSaturationCapacity + 50; ++t) {
    file += QByteArray::number(t) + " " + QByteArray::number(t) + "\n";
  }
  WriteSaturation(file);
  EXPECT_TRUE(LoadSaturationTable(table));
  EXPECT_EQ(table.count, kSaturationCapacity);
  EXPECT_FLOAT_EQ(LookupSaturationPressure(table, kSaturationCapacity - 1),
                  kSaturationCapacity - 1);
  EXPECT_FLOAT_EQ(LookupSaturationPressure(table, kSaturationCapacity), 0);
}

TEST_F(FluidTablesTest, MissingSaturationFileIsReportedAndLeavesTheTable) {
  table.count = 1;
  table.pressures[0] = 2.5f;
  table.temperatures[0] = 50;
  const LoadResult load = LoadSaturationTable(table);
  EXPECT_FALSE(load);
  EXPECT_EQ(load.failure, LoadFailure::SaturationTableMissing);
  EXPECT_EQ(table.count, 1);
  EXPECT_FLOAT_EQ(table.pressures[0], 2.5f);
}

// Concentrations 10, 20; temperatures 0, 20; 1.02, 1.03 at 0 °C and 1.01, 1.02 at 20 °C.
const char* const kSmallTable = "2 2\n10 20\n0 20\n1.02 1.03\n1.01 1.02\n";

TEST_F(FluidTablesTest, PropertyTableInterpolatesFromTheLowerCorner) {
  PropertyTable glycol;
  LoadPropertyTable(WriteTable(kSmallTable), glycol);
  ASSERT_EQ(glycol.firstCount, 2);
  ASSERT_EQ(glycol.secondCount, 2);
  const struct {
    const char* name;
    float a;
    float b;
    float expected;
  } cases[] = {
      {"inside the cell: 1.02 + 0.005 - 0.005", 15, 10, 1.02f},
      {"grid point gives the tabulated value", 10, 20, 1.01f},
      {"last concentration, between temperatures", 20, 10, 1.025f},
      {"first-axis edge at the lowest concentration", 10, 10, 1.015f},
      {"along the first axis only", 15, 0, 1.025f},
      {"concentration above the axis", 25, 10, 0},
      {"concentration below the axis", 5, 10, 0},
      {"temperature above the axis", 15, 25, 0},
      {"temperature below the axis", 15, -1, 0},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(InterpolatePropertyTable(glycol, c.a, c.b), c.expected, 1e-6) << c.name;
  }
  EXPECT_EQ(InterpolatePropertyTable(glycol, 10, 20), 1.01f) << "exact on a grid point";
  EXPECT_EQ(FirstAxisMaximum(glycol), 20);

  PropertyTable skewed;
  LoadPropertyTable(WriteTable("2 2\n10 20\n0 20\n1 1\n1 2\n"), skewed);
  EXPECT_FLOAT_EQ(InterpolatePropertyTable(skewed, 15, 10), 1) << "the far corner is not used";
}

TEST_F(FluidTablesTest, DamagedPropertyFilesLeaveTheTableUnloaded) {
  const struct {
    const char* name;
    const char* file;
  } cases[] = {
      {"N is zero", "0 2\n0 20\n"},
      {"N is negative", "-2 2\n10 20\n0 20\n1 1 1 1\n"},
      {"M is negative", "2 -2\n10 20\n0 20\n1 1 1 1\n"},
      {"N is absurdly large", "2000000000 2000000000\n10 20\n"},
      {"N is not a number", "два 2\n10 20\n0 20\n1 1 1 1\n"},
      {"grid value is not a number", "2 2\n10 20\n0 20\n1.02 x 1.01 1.02\n"},
      {"file ends before the grid does", "2 2\n10 20\n0 20\n1.02 1.03 1.01\n"},
      {"empty file", ""},
  };
  for (const auto& c : cases) {
    PropertyTable glycol;
    LoadPropertyTable(WriteTable(kSmallTable), glycol);
    LoadPropertyTable(WriteTable(c.file), glycol);
    EXPECT_EQ(glycol.firstCount, 0) << c.name;
    EXPECT_EQ(glycol.secondCount, 0) << c.name;
    EXPECT_EQ(FirstAxisMaximum(glycol), 0) << c.name;
    EXPECT_EQ(InterpolatePropertyTable(glycol, 0, 0), 0) << c.name;
  }
}

TEST_F(FluidTablesTest, MissingPropertyFileIsSilentAndUnloaded) {
  PropertyTable glycol;
  LoadPropertyTable(QStringLiteral("etilenglikol.dat"), glycol);
  EXPECT_EQ(glycol.firstCount, 0);
  EXPECT_EQ(glycol.secondCount, 0);
  EXPECT_EQ(InterpolatePropertyTable(glycol, 0, 0), 0);
}

// A FIFO in a table's place is a file that cannot be opened, never waited on.
TEST_F(FluidTablesTest, AFifoIsATableThatCannotBeOpened) {
  const QString saturation = QDir::current().filePath(QString::fromUtf8("Рнас.dat"));
  const QString glycolFile = QDir::current().filePath(QStringLiteral("etilenglikol.dat"));
  ASSERT_TRUE(test::MakeFifo(saturation) && test::MakeFifo(glycolFile));
  const test::FifoWatchdog saturationWatch(saturation, std::chrono::seconds(3));
  const test::FifoWatchdog glycolWatch(glycolFile, std::chrono::seconds(3));
  const LoadResult load = LoadSaturationTable(table);
  EXPECT_EQ(load.failure, LoadFailure::SaturationTableMissing);
  PropertyTable glycol;
  LoadPropertyTable(glycolFile, glycol);
  EXPECT_EQ(glycol.firstCount, 0);
  EXPECT_FALSE(saturationWatch.Unblocked() || glycolWatch.Unblocked()) << "a table was waited on";
}

TEST_F(FluidTablesTest, PropertyTableWithoutFinalLineBreakKeepsItsLastValue) {
  PropertyTable glycol;
  LoadPropertyTable(WriteTable("2 2 10 20 0 20 1.02 1.03 1.01 1.02"), glycol);
  ASSERT_EQ(glycol.firstCount, 2);
  EXPECT_FLOAT_EQ(InterpolatePropertyTable(glycol, 20, 20), 1.02f);
}

}  // namespace
}  // namespace selvio
