#include "app/files/settings_record.h"

#include <algorithm>

#include "app/files/settings_fields.h"

namespace selvio {
namespace {

unsigned char* At(QByteArray& bytes, int offset) {
  return reinterpret_cast<unsigned char*>(bytes.data()) + offset;
}

const unsigned char* At(const QByteArray& bytes, int offset) {
  return reinterpret_cast<const unsigned char*>(bytes.constData()) + offset;
}

void PutInt32(QByteArray& bytes, int offset, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  unsigned char* out = At(bytes, offset);
  for (int i = 0; i < 4; ++i) out[i] = static_cast<unsigned char>(bits >> (8 * i));
}

std::int32_t GetInt32(const QByteArray& bytes, int offset) {
  const unsigned char* in = At(bytes, offset);
  std::uint32_t bits = 0;
  for (int i = 0; i < 4; ++i) bits |= static_cast<std::uint32_t>(in[i]) << (8 * i);
  return static_cast<std::int32_t>(bits);
}

struct Writer {
  QByteArray& bytes;
  void operator()(SettingsFieldPlace place, std::int32_t value) const {
    PutInt32(bytes, place.offset, value);
  }
  void operator()(SettingsFieldPlace place, const TextField& field) const {
    unsigned char* out = At(bytes, place.offset);
    for (std::size_t i = 0; i < field.size(); ++i) {
      out[2 * i] = static_cast<unsigned char>(field[i] & 0xFF);
      out[2 * i + 1] = static_cast<unsigned char>(field[i] >> 8);
    }
  }
};

struct Reader {
  const QByteArray& bytes;
  void operator()(SettingsFieldPlace place, std::int32_t& value) const {
    value = GetInt32(bytes, place.offset);
  }
  void operator()(SettingsFieldPlace place, TextField& field) const {
    const unsigned char* in = At(bytes, place.offset);
    for (std::size_t i = 0; i < field.size(); ++i) {
      field[i] = static_cast<char16_t>(in[2 * i] | (in[2 * i + 1] << 8));
    }
  }
};

QByteArray VersionWord() {
  QByteArray word(4, '\0');
  PutInt32(word, 0, kSettingsFileVersion);
  return word;
}

}  // namespace

QString FieldText(const TextField& field) {
  qsizetype length = 0;
  while (length < kTextFieldUnits - 1 && field[static_cast<std::size_t>(length)] != 0) ++length;
  return QString(reinterpret_cast<const QChar*>(field.data()), length);
}

void SetFieldText(TextField& field, const QString& text) {
  qsizetype length = std::min<qsizetype>(text.size(), kTextFieldUnits - 1);
  if (length < text.size() && length > 0 && text.at(length - 1).isHighSurrogate()) --length;
  field.fill(0);
  for (qsizetype i = 0; i < length; ++i) {
    field[static_cast<std::size_t>(i)] = text.at(i).unicode();
  }
}

SettingsRecord DefaultSettingsRecord() {
  SettingsRecord r;
  r.medium = 1;
  r.connection = 1;
  r.execution = 1;
  r.threeWayUse = 1;
  SetFieldText(r.density, QStringLiteral("1.0"));
  SetFieldText(r.p1, QStringLiteral("20"));
  SetFieldText(r.p2, QStringLiteral("18"));
  SetFieldText(r.temperature, QStringLiteral("20"));
  SetFieldText(r.drop, QStringLiteral("0.2"));
  SetFieldText(r.flow, QStringLiteral("5"));
  r.useSafetyFactor = 1;
  SetFieldText(r.safetyFactor, QStringLiteral("1.2"));
  r.checkCavitation = 1;
  r.actuatorSectionOn = 1;
  r.actuatorKind = 1;
  r.p1Unit = 1;
  r.p2Unit = 1;
  r.temperatureUnit = 1;
  r.dropUnit = 1;
  r.flowUnit = 1;
  r.settingUnit = 0;
  r.controlSignal = 1;
  r.supplyVoltage = 1;
  r.signalType = 1;
  r.limitSwitches = 1;
  r.potentiometer = 1;
  r.springReturn = 1;
  r.heater = 1;
  SetFieldText(r.maintainedTemperature, QStringLiteral("36"));
  r.elementType = 1;
  r.elementMetal = 1;
  r.capillaryMetal = 1;
  r.capillaryLength = 1;
  r.positioner = 1;
  r.normalPosition = 1;
  r.controllerVariant = 1;
  SetFieldText(r.heatCarrierSensors, QStringLiteral("1"));
  SetFieldText(r.outdoorSensors, QStringLiteral("1"));
  SetFieldText(r.roomSensors, QStringLiteral("1"));
  r.controllerSectionOn = 1;
  SetFieldText(r.calcSupplyTemperature, QStringLiteral("100"));
  SetFieldText(r.calcReturnTemperature, QStringLiteral("100"));
  SetFieldText(r.calcHeatPower, QStringLiteral("0"));
  r.productType = 1;
  r.balancedOnly = 0;
  return r;
}

QByteArray SettingsRecordBytes(const SettingsRecord& record) {
  QByteArray bytes(kSettingsRecordSize, '\0');
  ForEachSettingsField(record, Writer{bytes});
  return bytes;
}

void OverlaySettingsRecordBytes(SettingsRecord& record, const QByteArray& bytes) {
  QByteArray merged = SettingsRecordBytes(record);
  const qsizetype count = std::min<qsizetype>(bytes.size(), kSettingsRecordSize);
  std::copy_n(bytes.constData(), count, merged.data());
  ForEachSettingsField(record, Reader{merged});
}

bool ReadSelectionFile(const QString& path, SettingsRecord& record) {
  const ReadResult read = ReadFileStart(path, kSettingsFileSize);
  if (!read) return false;
  if (read.bytes.size() >= 4 && GetInt32(read.bytes, 0) != kSettingsFileVersion) return false;
  OverlaySettingsRecordBytes(record, read.bytes.mid(4));
  return true;
}

WriteResult WriteSelectionFile(const QString& path, const SettingsRecord& record) {
  return WriteFileWhole(path, VersionWord() + SettingsRecordBytes(record),
                        LinkPolicy::FollowToFile);
}

WriteResult WriteSettingsFile(const QString& path, const SettingsRecord& record) {
  return WriteFileWhole(path, VersionWord() + SettingsRecordBytes(record), LinkPolicy::ReplaceLink);
}

}  // namespace selvio
