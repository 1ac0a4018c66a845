#include "app/project/project.h"

#include <cstring>

namespace selvio {
namespace {

bool SameFigure(float a, float b) {
  return std::memcmp(&a, &b, sizeof a) == 0 || (a != a && b != b);
}

bool SameShown(const ShownSelection& a, const ShownSelection& b) {
  return a.outcome == b.outcome && a.candidate == b.candidate && a.actuator == b.actuator &&
         a.product == b.product && a.dn == b.dn && SameFigure(a.kvs, b.kvs) &&
         a.actuatorName == b.actuatorName && a.controller == b.controller &&
         SameFigure(a.kv, b.kv) && SameFigure(a.dpv, b.dpv) && SameFigure(a.velocity, b.velocity) &&
         SameFigure(a.psat, b.psat) && a.cavitation == b.cavitation;
}

}  // namespace

bool SamePosition(const ProjectPosition& a, const ProjectPosition& b) {
  return a.label == b.label && a.quantity == b.quantity &&
         SettingsRecordBytes(a.inputs) == SettingsRecordBytes(b.inputs) &&
         SameShown(a.shown, b.shown);
}

}  // namespace selvio
