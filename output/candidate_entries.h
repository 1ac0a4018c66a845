#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "engine/selection_result.h"

namespace selvio {

// One candidate as the candidate list names it: the product, its diameter text and Kvs, and
// the names of its actuators (electric actuators by variant, then pneumatic actuators and
// thermostats by name; none for a regulator).
struct CandidateEntry {
  QString name;
  QString dnText;
  float kvs = 0;  // m³/h
  QStringList actuators;

  // "name-DN", as the list shows it.
  QString Label() const { return name + QLatin1Char('-') + dnText; }
};

// The entries of the list the calculation filled, in list order.
std::vector<CandidateEntry> CandidateEntries(const SelectionResult& result);

}  // namespace selvio
