#pragma once

#include <QString>
#include <vector>

#include "catalogue/catalogue_records.h"
#include "engine/selection_request.h"

namespace selvio {

// The outcome of the last calculation, the message to show for it, and the candidates it found.
struct SelectionResult {
  SelectionOutcome outcome = NothingFound;
  QString message;     // a refusal's, or the outcome's own; empty when none is shown
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
