#pragma once

#include <QString>
#include <vector>

#include "app/files/settings_record.h"
#include "engine/selection_request.h"

// A project: the selections of one building kept together, each with the form's full inputs
// and what its calculation showed.
namespace selvio {

inline constexpr int kMaxPositionQuantity = 1000000;
// The most positions a project holds: a building's schedule is far shorter, and a file that
// claims more is no project of one.
inline constexpr int kMaxProjectPositions = 10000;

// What a position's calculation showed: the outcome, the candidate and actuator shown (indices
// in the candidate list, as the candidate dialog counts them), their names, and the figures of
// the product shown. The names find the choice again when the lists change.
struct ShownSelection {
  SelectionOutcome outcome = NothingFound;
  int candidate = 0;
  int actuator = 0;
  QString product;  // the valve or regulator shown; empty when none is
  QString dn;       // its diameter text
  float kvs = 0;    // m³/h
  QString actuatorName;
  QString controller;  // the controller kit ("ZR310-94") when it goes with the valve
  float kv = 0;        // m³/h, Kv·K
  float dpv = 0;       // bar
  float velocity = 0;  // m/s
  float psat = 0;      // bar
  bool cavitation = false;

  bool HasProduct() const { return !product.isEmpty(); }
};

struct ProjectPosition {
  QString label;  // the user's name for it, e.g. "ИТП-1, отопление"
  int quantity = 1;
  SettingsRecord inputs = DefaultSettingsRecord();
  ShownSelection shown;
};

struct Project {
  std::vector<ProjectPosition> positions;
};

// Whether two positions are the same: label, quantity, every byte of the inputs and everything
// shown (figures compared bit for bit, a missing figure equal to a missing one).
bool SamePosition(const ProjectPosition& a, const ProjectPosition& b);

}  // namespace selvio
