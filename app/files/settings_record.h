#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

#include "platform/whole_file.h"

// Every input of the selection form in one fixed-size record, and the files that hold it
// ("user.bin" and the "*.crp" selection files): the version word 1, then the record.
namespace selvio {

inline constexpr int kSettingsRecordSize = 3124;
inline constexpr int kSettingsFileSize = 4 + kSettingsRecordSize;
inline constexpr std::int32_t kSettingsFileVersion = 1;
inline constexpr int kTextFieldUnits = 100;  // UTF-16 code units, terminator included

// A text of at most 99 UTF-16 code units, zero-terminated; the units after the terminator are
// kept as read so that a record read from a file is written back unchanged.
using TextField = std::array<char16_t, kTextFieldUnits>;

// Radio groups hold the number of the checked radio (1 for the first), check boxes 1 or 0,
// lists the selection index (-1 for none). Byte offsets in the comments.
struct SettingsRecord {
  std::int32_t medium = 0;               // 0: 1 water, 2 glycol, 3 steam
  std::int32_t connection = 0;           // 4: 1 flanged, 2 threaded
  std::int32_t execution = 0;            // 8: 1 two-way, 2 three-way
  std::int32_t threeWayUse = 0;          // 12: 1 mixing, 2 diverting
  TextField density{};                   // 16
  TextField p1{};                        // 216
  TextField p2{};                        // 416
  TextField temperature{};               // 616
  TextField drop{};                      // 816
  TextField setting{};                   // 1016
  TextField flow{};                      // 1216
  std::int32_t useSafetyFactor = 0;      // 1416
  TextField safetyFactor{};              // 1420
  std::int32_t checkCavitation = 0;      // 1620
  std::int32_t actuatorSectionOn = 0;    // 1624
  std::int32_t actuatorKind = 0;         // 1628: 1 electric, 2 thermostat, 3 pneumatic
  std::int32_t p1Unit = 0;               // 1632
  std::int32_t p2Unit = 0;               // 1636
  std::int32_t temperatureUnit = 0;      // 1640
  std::int32_t dropUnit = 0;             // 1644
  std::int32_t flowUnit = 0;             // 1648
  std::int32_t settingUnit = 0;          // 1652
  std::int32_t controlSignal = 0;        // 1656: 1 three-point, 2 analogue
  std::int32_t supplyVoltage = 0;        // 1660: 1 24 V, 2 220 V
  std::int32_t signalType = 0;           // 1664
  std::int32_t limitSwitches = 0;        // 1668
  std::int32_t potentiometer = 0;        // 1672
  std::int32_t springReturn = 0;         // 1676
  std::int32_t heater = 0;               // 1680
  TextField maintainedTemperature{};     // 1684
  std::int32_t elementType = 0;          // 1884: 1 rod, 2 spiral
  std::int32_t elementMetal = 0;         // 1888: 1 copper, 2 stainless steel
  std::int32_t capillaryMetal = 0;       // 1892: 1 copper, 2 copper with PVC, 3 stainless steel
  std::int32_t capillaryLength = 0;      // 1896
  std::int32_t positioner = 0;           // 1900: 1 PZ1, 2 PZ2
  std::int32_t normalPosition = 0;       // 1904: 1 normally open, 2 normally closed
  std::int32_t controllerVariant = 0;    // 1908: 1, 2 or 3
  TextField heatCarrierSensors{};        // 1912
  TextField outdoorSensors{};            // 2112
  TextField roomSensors{};               // 2312
  std::int32_t controllerSectionOn = 0;  // 2512
  TextField calcSupplyTemperature{};     // 2516
  TextField calcReturnTemperature{};     // 2716
  TextField calcHeatPower{};             // 2916
  std::int32_t productType = 0;          // 3116: 1 control valve, 2 dp regulator, 3 reducing valve
  std::int32_t balancedOnly = 0;         // 3120
};

// The text of a field: up to its terminator, at most 99 units.
QString FieldText(const TextField& field);
// Stores `text` cut to 99 units (a surrogate pair is not split), the terminator and zeros.
void SetFieldText(TextField& field, const QString& text);

// A cleared record given the defaults of a first start.
SettingsRecord DefaultSettingsRecord();

// The record's 3124 bytes as laid out in the files: little-endian, texts in UTF-16LE.
QByteArray SettingsRecordBytes(const SettingsRecord& record);
// Replaces the first bytes of the record with `bytes` (at most 3124); the rest stays.
void OverlaySettingsRecordBytes(SettingsRecord& record, const QByteArray& bytes);

// Reads a settings or selection file into `record`. False when the file cannot be opened (it is
// missing, unreadable, or no regular file: a FIFO or a device is not waited on nor read) or its
// version word is not 1, the record unchanged; otherwise the bytes the file has replace the
// record's first bytes (a file shorter than four bytes changes nothing). Bytes after the record
// are not read.
bool ReadSelectionFile(const QString& path, SettingsRecord& record);
// Writes the version word and the record as a selection file the user named, whole or not at all
// (WriteFileWhole, following a link to a file). Converts to false when nothing was written, the
// previous file then as it was.
WriteResult WriteSelectionFile(const QString& path, const SettingsRecord& record);
// The same for the settings file "user.bin" of the working folder, which is never written
// through a link: a link in its place is replaced.
WriteResult WriteSettingsFile(const QString& path, const SettingsRecord& record);

}  // namespace selvio
