#pragma once

#include "catalogue/catalogue_records.h"
#include "engine/selection_request.h"

#include <vector>

namespace selvio {

// The outcome of the last calculation and the candidates it found.
struct SelectionResult {
  SelectionOutcome outcome = NothingFound;
  float kv = 0;        // m³/h, Kv·K
  float dpv = 0;       // bar
  float velocity = 0;  // m/s
  float psat = 0;      // bar
  std::vector<ValveCandidate> valveCandidates = std::vector<ValveCandidate>(kListCapacity);
  int valveCandidateCount = 0;
  std::vector<RegulatorCandidate> dpRegulatorCandidates =
      std::vector<RegulatorCandidate>(kListCapacity);
  int dpRegulatorCandidateCount = 0;
  std::vector<RegulatorCandidate> reducingValveCandidates =
      std::vector<RegulatorCandidate>(kListCapacity);
  int reducingValveCandidateCount = 0;
  int shownCandidate = 0;
  int shownActuator = 0;
  bool stainlessHint = false;
};

}  // namespace selvio
