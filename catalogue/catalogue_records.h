#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "catalogue/record_name_index.h"

// The product data: record kinds, the catalogue's containers and the candidate kinds.
// Records are plain values with fixed-capacity arrays followed by counts; copying a record
// copies every slot. A full list or container ignores further appends.
namespace selvio {

inline constexpr int kCatalogueCapacity = 1024;
inline constexpr int kListCapacity = 100;

using Flag = std::uint8_t;  // 0 false, 1 true

// The codes the catalogue gives, by the numbers records hold them with.
enum class ConnectionKind : int { NotGiven = 0, Flanged = 1, Threaded = 2 };
enum class ValveKind : int { NotGiven = 0, TwoWay = 1, ThreeWay = 2 };
enum class ControlKind : int { NotGiven = 0, ThreePoint = 1, Analogue = 2 };
enum class CapillaryMaterial : int { NotGiven = 0, Copper = 1, CopperPvc = 2, Stainless = 3 };

template <class T, std::size_t N>
using Slots = std::array<T, N>;

// Copies `value` into slot `count` and counts it; a full array is left as it is.
template <class T, std::size_t N>
bool AppendBounded(Slots<T, N>& array, int& count, const T& value) {
  if (count < 0 || count >= static_cast<int>(N)) return false;
  array[static_cast<std::size_t>(count)] = value;
  ++count;
  return true;
}

// Appends `value` to a list of at most kListCapacity entries; a full list is left as it is.
template <class T>
bool AppendBounded(std::vector<T>& list, const T& value) {
  if (list.size() >= static_cast<std::size_t>(kListCapacity)) return false;
  list.push_back(value);
  return true;
}

struct ActuatorLink {
  QString name;
  Flag forWater = 0;
  Flag forGlycol = 0;
  Flag forSteam = 0;
  float maxPressureDrop = 0;  // bar
};

// Coefficients of IEC 60534-2-1 (and the noise prediction of IEC 60534-8-4) that a catalogue
// may give for a series or one of its variants; absent when not given.
struct ValveCoefficients {
  std::optional<float> fl;  // "FL": liquid pressure recovery factor
  std::optional<float> xt;  // "xT": pressure differential ratio factor at choked flow
  std::optional<float> fd;  // "Fd": valve style modifier
  std::optional<float> an;  // "An": valve-specific acoustic efficiency factor
};

struct ValveRecord {
  QString name;
  QString dnText;
  float dn = 0;  // mm
  ConnectionKind connection = ConnectionKind::NotGiven;
  ValveKind valveKind = ValveKind::NotGiven;
  float kvs = 0;                                    // m³/h
  int maxTemperature = 0;                           // °C
  int maxPressure = 0;                              // bar
  Slots<float, kListCapacity> ratingTemperature{};  // °C
  Slots<float, kListCapacity> ratingPressure{};     // bar, permitted at the same slot's temperature
  int ratingCount = 0;
  float z = 0;
  QString characteristic;
  QString construction;
  double leakage = 0;  // % of Kvs
  QString descriptionFile;
  QString drawing2d;
  QString drawing3d;
  Flag mixing = 0;
  Flag diverting = 0;
  Flag forWater = 0;
  Flag forGlycol = 0;
  Flag forSteam = 0;
  Flag pressureBalanced = 0;
  Slots<ActuatorLink, kListCapacity> electricLinks{};
  int electricLinkCount = 0;
  Slots<ActuatorLink, kListCapacity> pneumaticLinks{};
  int pneumaticLinkCount = 0;
  Slots<ActuatorLink, kListCapacity> thermostatLinks{};
  int thermostatLinkCount = 0;
  ValveCoefficients coefficients;
};

struct RegulatorRecord {
  QString name;
  QString dnText;
  float dn = 0;
  ConnectionKind connection = ConnectionKind::NotGiven;
  float kvs = 0;
  int maxTemperature = 0;
  int maxPressure = 0;
  float z = 0;
  float maxPressureDrop = 100000;  // bar; a regulator without a limit accepts any P1-P2
  double leakage = 0;
  QString descriptionFile;
  QString drawing2d;
  QString drawing3d;
  Flag forWater = 0;
  Flag forGlycol = 0;
  Flag forSteam = 0;
  Slots<float, kListCapacity> rangeLow{};   // bar
  Slots<float, kListCapacity> rangeHigh{};  // bar
  int rangeCount = 0;
  Slots<float, kListCapacity> ratingTemperature{};
  Slots<float, kListCapacity> ratingPressure{};
  int ratingCount = 0;
  ValveCoefficients coefficients;
};

struct ElectricActuatorRecord {
  QString name;
  QString variant;
  QString descriptionFile;
  QString drawing2d;
  QString drawing3d;
  Flag signal0to10V = 0;
  Flag signal2to10V = 0;
  Flag signal0to20mA = 0;
  Flag signal4to20mA = 0;
  int voltage = 0;  // V
  ControlKind control = ControlKind::NotGiven;
  Flag potentiometer = 0;
  Flag springReturn = 0;
  Flag heater = 0;
  Flag limitSwitches = 0;
};

struct PneumaticActuatorRecord {
  QString name;
  QString descriptionFile;
  QString drawing2d;
  QString drawing3d;
  Flag positionerPZ1 = 0;
  Flag positionerPZ2 = 0;
  Flag normallyOpen = 0;
  Flag normallyClosed = 0;
};

struct ThermostatRecord {
  QString name;
  QString descriptionFile;
  QString rodDrawing2d;
  QString rodDrawing3d;
  QString spiralDrawing2d;
  QString spiralDrawing3d;
  Flag stainlessSensor = 0;
  int temperatureMin = 0;  // °C
  int temperatureMax = 0;  // °C
};

struct CapillaryRecord {
  float length = 0;  // m
  CapillaryMaterial material = CapillaryMaterial::NotGiven;
};

struct ControllerRecord {
  QString name;
  QString descriptionFile;
  QString drawing2d;
  QString drawing3d;
};

// A catalogue container: allocated once at full capacity, only appended to.
template <class Record>
struct RecordContainer {
  std::vector<Record> records = std::vector<Record>(kCatalogueCapacity);
  int count = 0;

  bool Append(const Record& record) {
    if (count >= kCatalogueCapacity) return false;
    records[static_cast<std::size_t>(count)] = record;
    ++count;
    nameIndex_.reset();
    return true;
  }
  const Record& operator[](int i) const { return records[static_cast<std::size_t>(i)]; }
  // A writable slot may be renamed, so handing one out drops the name index.
  Record& operator[](int i) {
    nameIndex_.reset();
    return records[static_cast<std::size_t>(i)];
  }

  // The slots grouped by record name (for records that have a `name`). Built on first use and
  // again after Append, writable access or a change of `count`; copies share it. Records
  // written straight into `records` are not noticed.
  const RecordNameIndex& NameIndex() const {
    if (!nameIndex_ || nameIndex_->count != count) {
      nameIndex_ = std::make_shared<const RecordNameIndex>(BuildRecordNameIndex(records, count));
    }
    return *nameIndex_;
  }

 private:
  mutable std::shared_ptr<const RecordNameIndex> nameIndex_;
};

struct Catalogue {
  RecordContainer<ValveRecord> valves;
  RecordContainer<RegulatorRecord> dpRegulators;    // "РПД"
  RecordContainer<RegulatorRecord> reducingValves;  // "РК"
  RecordContainer<ElectricActuatorRecord> electricActuators;
  RecordContainer<PneumaticActuatorRecord> pneumaticActuators;
  RecordContainer<ThermostatRecord> thermostats;
  RecordContainer<CapillaryRecord> capillaries;
  ControllerRecord controller;
  QString catalogueDate;
};

// A valve found for a request with the actuators matched to it, at most kListCapacity of each
// kind, in the order they were matched.
struct ValveCandidate {
  ValveCandidate() = default;
  explicit ValveCandidate(const ValveRecord& record) : valve(record) {}

  ValveRecord valve;
  std::vector<ElectricActuatorRecord> electricActuators;
  std::vector<PneumaticActuatorRecord> pneumaticActuators;
  std::vector<ThermostatRecord> thermostats;
};

struct RegulatorCandidate {
  RegulatorRecord regulator;
  float settingLow = 0;
  float settingHigh = 0;
};

}  // namespace selvio
