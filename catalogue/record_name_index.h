#pragma once

#include <QHash>
#include <QString>
#include <algorithm>
#include <cstddef>
#include <vector>

namespace selvio {

// The filled slots of a catalogue container grouped by record name: every distinct name gets a
// group number (in order of first appearance), and each group lists its slots in ascending
// order. Looking a name up costs one hash probe, however many records the container holds.
struct RecordNameIndex {
  QHash<QString, int> groupByName;
  std::vector<std::vector<int>> slotsOfGroup;
  std::vector<int> groupOfSlot;
  int count = 0;  // the container's count when the index was built

  // The group of the records named `name`, or -1 when there are none.
  int GroupOf(const QString& name) const {
    const auto found = groupByName.constFind(name);
    return found == groupByName.cend() ? -1 : *found;
  }
};

template <class Record>
RecordNameIndex BuildRecordNameIndex(const std::vector<Record>& records, int count) {
  RecordNameIndex index;
  index.count = count;
  const int filled = count < 0 ? 0 : std::min(count, static_cast<int>(records.size()));
  index.groupOfSlot.reserve(static_cast<std::size_t>(filled));
  for (int slot = 0; slot < filled; ++slot) {
    const QString& name = records[static_cast<std::size_t>(slot)].name;
    auto found = index.groupByName.find(name);
    if (found == index.groupByName.end()) {
      found = index.groupByName.insert(name, static_cast<int>(index.slotsOfGroup.size()));
      index.slotsOfGroup.emplace_back();
    }
    index.slotsOfGroup[static_cast<std::size_t>(*found)].push_back(slot);
    index.groupOfSlot.push_back(*found);
  }
  return index;
}

}  // namespace selvio
