#include "output/shown_product.h"

namespace selvio {

QString ActuatorName(const ValveCandidate& candidate, int index) {
  const ShownActuatorRecords a = LocateShownActuator(candidate, index);
  if (a.electric) return a.electric->variant;
  if (a.pneumatic) return a.pneumatic->name;
  if (a.thermostat) return a.thermostat->name;
  return {};
}

ShownProduct ShownProductOf(const SelectionResult& result) {
  if (const ValveCandidate* c = ShownValve(result)) {
    return {true, c->valve.name, c->valve.dnText, c->valve.kvs,
            ActuatorName(*c, result.shownActuator)};
  }
  if (const RegulatorCandidate* c = ShownRegulator(result)) {
    return {true, c->regulator.name, c->regulator.dnText, c->regulator.kvs, {}};
  }
  return {};
}

QString ControllerKitName(const ResultTexts& texts) {
  return QString::fromLatin1(kControllerModel) + texts.controllerVariantText;
}

}  // namespace selvio
