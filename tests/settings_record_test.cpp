#include "app/files/settings_record.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>

namespace selvio {
namespace {

// Little-endian helpers to build files the way another program would lay them out.
void PutInt(QByteArray& bytes, int offset, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
}

void PutText(QByteArray& bytes, int offset, const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t unit = text.at(i).unicode();
    bytes[offset + 2 * i] = static_cast<char>(unit & 0xFF);
    bytes[offset + 2 * i + 1] = static_cast<char>(unit >> 8);
  }
  bytes[offset + 2 * text.size()] = 0;
  bytes[offset + 2 * text.size() + 1] = 0;
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray VersionWord(std::int32_t version) {
  QByteArray word(4, '\0');
  PutInt(word, 0, version);
  return word;
}

TEST(SettingsRecordLayout, DefaultsAtTheirOffsets) {
  const QByteArray bytes = SettingsRecordBytes(DefaultSettingsRecord());
  ASSERT_EQ(bytes.size(), kSettingsRecordSize);
  QByteArray expected(kSettingsRecordSize, '\0');
  struct Int {
    int offset;
    std::int32_t value;
  };
  for (const Int& field :
       {Int{0, 1},    Int{4, 1},    Int{8, 1},    Int{12, 1},   Int{1416, 1}, Int{1620, 1},
        Int{1624, 1}, Int{1628, 1}, Int{1632, 1}, Int{1636, 1}, Int{1640, 1}, Int{1644, 1},
        Int{1648, 1}, Int{1652, 0}, Int{1656, 1}, Int{1660, 1}, Int{1664, 1}, Int{1668, 1},
        Int{1672, 1}, Int{1676, 1}, Int{1680, 1}, Int{1884, 1}, Int{1888, 1}, Int{1892, 1},
        Int{1896, 1}, Int{1900, 1}, Int{1904, 1}, Int{1908, 1}, Int{2512, 1}, Int{3116, 1},
        Int{3120, 0}}) {
    PutInt(expected, field.offset, field.value);
  }
  struct Text {
    int offset;
    const char* text;
  };
  for (const Text& field :
       {Text{16, "1.0"}, Text{216, "20"}, Text{416, "18"}, Text{616, "20"}, Text{816, "0.2"},
        Text{1016, ""}, Text{1216, "5"}, Text{1420, "1.2"}, Text{1684, "36"}, Text{1912, "1"},
        Text{2112, "1"}, Text{2312, "1"}, Text{2516, "100"}, Text{2716, "100"}, Text{2916, "0"}}) {
    PutText(expected, field.offset, QString::fromUtf8(field.text));
  }
  EXPECT_EQ(bytes.toHex(), expected.toHex());
}

TEST(SettingsRecordLayout, EachFieldLandsAtItsOffsetLittleEndian) {
  SettingsRecord r;
  r.medium = 3;
  r.flowUnit = -1;
  r.capillaryLength = 0x01020304;
  r.balancedOnly = 1;
  r.productType = 2;
  SetFieldText(r.flow, QString::fromUtf8("2,5 т"));
  SetFieldText(r.calcHeatPower, QStringLiteral("75"));
  const QByteArray bytes = SettingsRecordBytes(r);
  EXPECT_EQ(bytes.mid(0, 4).toHex(), "03000000");
  EXPECT_EQ(bytes.mid(1648, 4).toHex(), "ffffffff");
  EXPECT_EQ(bytes.mid(1896, 4).toHex(), "04030201");
  EXPECT_EQ(bytes.mid(3116, 8).toHex(), "0200000001000000");
  // "2,5 т": UTF-16LE code units, then the terminator and zeros to the end of the field.
  EXPECT_EQ(bytes.mid(1216, 12).toHex(),
            "32002c00350020004204"
            "0000");
  EXPECT_EQ(bytes.mid(1228, 188), QByteArray(188, '\0'));
  EXPECT_EQ(bytes.mid(2916, 6).toHex(), "370035000000");
}

TEST(SettingsRecordLayout, BytesRoundTripExactlyIncludingUnitsAfterTheTerminator) {
  QByteArray original(kSettingsRecordSize, '\0');
  for (int i = 0; i < kSettingsRecordSize; ++i) original[i] = static_cast<char>((i * 7 + 3) & 0xFF);
  SettingsRecord r;
  OverlaySettingsRecordBytes(r, original);
  EXPECT_EQ(SettingsRecordBytes(r), original);
}

TEST(SettingsRecordText, LongTextIsCutTo99Units) {
  TextField field;
  field.fill(u'x');
  SetFieldText(field, QString(150, QChar(u'Ж')));
  EXPECT_EQ(FieldText(field), QString(99, QChar(u'Ж')));
  EXPECT_EQ(field[99], 0);
}

TEST(SettingsRecordText, CutDoesNotSplitASurrogatePair) {
  TextField field;
  const QString text = QString(98, QChar(u'a')) + QString::fromUtf8("😀") + "b";
  SetFieldText(field, text);
  EXPECT_EQ(FieldText(field), QString(98, QChar(u'a')));
}

TEST(SettingsRecordText, UnterminatedFieldIsNotReadPastItsEnd) {
  QByteArray bytes = SettingsRecordBytes(DefaultSettingsRecord());
  for (int i = 0; i < 100; ++i) {  // field P1 full of 'A', no terminator; P2 follows
    bytes[216 + 2 * i] = 'A';
    bytes[216 + 2 * i + 1] = 0;
  }
  SettingsRecord r = DefaultSettingsRecord();
  OverlaySettingsRecordBytes(r, bytes);
  EXPECT_EQ(FieldText(r.p1), QString(99, QChar(u'A')));
  EXPECT_EQ(FieldText(r.p2), QStringLiteral("18"));
}

class SettingsFiles : public ::testing::Test {
 protected:
  QString Path(const QString& name) const { return dir_.filePath(name); }
  QTemporaryDir dir_;
};

TEST_F(SettingsFiles, WrittenFileIsTheVersionWordAndTheRecord) {
  SettingsRecord r = DefaultSettingsRecord();
  SetFieldText(r.p1, QStringLiteral("7.5"));
  r.supplyVoltage = 2;
  ASSERT_TRUE(WriteSelectionFile(Path("a.crp"), r));
  const QByteArray file = ReadAll(Path("a.crp"));
  ASSERT_EQ(file.size(), kSettingsFileSize);
  EXPECT_EQ(file.left(4).toHex(), "01000000");
  EXPECT_EQ(file.mid(4 + 216, 8).toHex(), "37002e0035000000");
  EXPECT_EQ(file.mid(4 + 1660, 4).toHex(), "02000000");
  EXPECT_EQ(file.mid(4), SettingsRecordBytes(r));
}

TEST_F(SettingsFiles, SavingOverAnExistingFileReplacesIt) {
  WriteAll(Path("a.crp"), QByteArray(5000, 'z'));
  ASSERT_TRUE(WriteSelectionFile(Path("a.crp"), DefaultSettingsRecord()));
  EXPECT_EQ(ReadAll(Path("a.crp")), VersionWord(1) + SettingsRecordBytes(DefaultSettingsRecord()));
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"a.crp"});  // no leftovers
}

TEST_F(SettingsFiles, UnwritablePlaceWritesNothing) {
  EXPECT_FALSE(WriteSelectionFile(Path("missing/a.crp"), DefaultSettingsRecord()));
  EXPECT_FALSE(QFile::exists(Path("missing/a.crp")));
}

TEST_F(SettingsFiles, FileOfAnotherProgramOpens) {
  QByteArray file = VersionWord(1) + QByteArray(kSettingsRecordSize, '\x5A');
  PutInt(file, 4 + 0, 2);
  PutText(file, 4 + 1216, QString::fromUtf8("12,5"));  // garbage stays after the terminator
  PutInt(file, 4 + 3116, 3);
  WriteAll(Path("other.crp"), file);
  SettingsRecord r = DefaultSettingsRecord();
  ASSERT_TRUE(ReadSelectionFile(Path("other.crp"), r));
  EXPECT_EQ(r.medium, 2);
  EXPECT_EQ(FieldText(r.flow), QString::fromUtf8("12,5"));
  EXPECT_EQ(r.productType, 3);
  EXPECT_EQ(r.connection, 0x5A5A5A5A);
  EXPECT_EQ(VersionWord(1) + SettingsRecordBytes(r), file);
}

TEST_F(SettingsFiles, ReadingRules) {
  const SettingsRecord defaults = DefaultSettingsRecord();
  const QByteArray defaultBytes = SettingsRecordBytes(defaults);
  QByteArray changed(kSettingsRecordSize, '\0');
  PutInt(changed, 0, 3);
  PutInt(changed, 4, 2);
  PutText(changed, 16, QStringLiteral("1040"));

  struct Row {
    const char* name;
    QByteArray file;  // empty name: no file at all
    bool exists;
    bool succeeds;
    QByteArray recordAfter;
  };
  const Row rows[] = {
      {"missing file", {}, false, false, defaultBytes},
      {"version word 2", VersionWord(2) + changed, true, false, defaultBytes},
      {"version word 0", VersionWord(0) + changed, true, false, defaultBytes},
      {"empty file", QByteArray(), true, true, defaultBytes},
      {"three bytes", QByteArray("\x01\x00\x00", 3), true, true, defaultBytes},
      {"three bytes of another version", QByteArray("\x07\x07\x07", 3), true, true, defaultBytes},
      {"only the version word", VersionWord(1), true, true, defaultBytes},
      {"first two fields", VersionWord(1) + changed.left(8), true, true,
       changed.left(8) + defaultBytes.mid(8)},
      {"cut inside a text field", VersionWord(1) + changed.left(19), true, true,
       changed.left(19) + defaultBytes.mid(19)},
      {"whole record", VersionWord(1) + changed, true, true, changed},
      {"longer than the record", VersionWord(1) + changed + QByteArray(10, 'x'), true, true,
       changed},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const QString path = Path("case.crp");
    QFile::remove(path);
    if (row.exists) WriteAll(path, row.file);
    SettingsRecord r = defaults;
    EXPECT_EQ(ReadSelectionFile(path, r), row.succeeds);
    EXPECT_EQ(SettingsRecordBytes(r).toHex(), row.recordAfter.toHex());
  }
}

TEST_F(SettingsFiles, DirectoryIsNotAFile) {
  ASSERT_TRUE(QDir(dir_.path()).mkdir("folder.crp"));
  SettingsRecord r = DefaultSettingsRecord();
  EXPECT_FALSE(ReadSelectionFile(Path("folder.crp"), r));
  EXPECT_FALSE(WriteSelectionFile(Path("folder.crp"), r));
  EXPECT_TRUE(QFileInfo(Path("folder.crp")).isDir());
}

}  // namespace
}  // namespace selvio
