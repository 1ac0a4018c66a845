#include "output/product_documents.h"

#include <QFileInfo>

#include "output/value_text.h"

namespace selvio {
namespace {

ProductDocumentFiles FilesOf(const ValveRecord& valve) {
  return {valve.descriptionFile, valve.drawing2d, valve.drawing3d};
}

ProductDocumentFiles FilesOf(const RegulatorRecord& regulator) {
  return {regulator.descriptionFile, regulator.drawing2d, regulator.drawing3d};
}

}  // namespace

bool DocumentExists(const QString& path) { return QFileInfo(path).isFile(); }

QString DocumentPath(DocumentKind kind, const ProductDocumentFiles& files) {
  switch (kind) {
    case DocumentKind::Description:
      return QStringLiteral("pdf/") + files.description;
    case DocumentKind::Drawing2d:
      return QStringLiteral("2D/") + files.drawing2d;
    case DocumentKind::Drawing3d:
      return QStringLiteral("3D/") + files.drawing3d;
  }
  return {};
}

std::vector<ProductDocumentFiles> RegulatorAreaDocuments(const SelectionResult& result) {
  std::vector<ProductDocumentFiles> documents;
  const int shown = result.shownCandidate;
  if (const ValveCandidate* c = EntryAt(result.valveCandidates, shown)) {
    documents.push_back(FilesOf(c->valve));
  }
  if (const RegulatorCandidate* c = EntryAt(result.reducingValveCandidates, shown)) {
    documents.push_back(FilesOf(c->regulator));
  }
  if (const RegulatorCandidate* c = EntryAt(result.dpRegulatorCandidates, shown)) {
    documents.push_back(FilesOf(c->regulator));
  }
  return documents;
}

std::optional<ProductDocumentFiles> ActuatorAreaDocuments(const SelectionResult& result,
                                                          bool spiralElement) {
  const ValveCandidate* c = ShownValve(result);
  if (!c) return std::nullopt;
  const ShownActuatorRecords shown = LocateShownActuator(*c, result.shownActuator);
  if (shown.electric) {
    const ElectricActuatorRecord& e = *shown.electric;
    return ProductDocumentFiles{e.descriptionFile, e.drawing2d, e.drawing3d};
  }
  if (shown.pneumatic) {
    const PneumaticActuatorRecord& p = *shown.pneumatic;
    return ProductDocumentFiles{p.descriptionFile, p.drawing2d, p.drawing3d};
  }
  if (shown.thermostat) {
    const ThermostatRecord& t = *shown.thermostat;
    if (spiralElement) {
      return ProductDocumentFiles{t.descriptionFile, t.spiralDrawing2d, t.spiralDrawing3d};
    }
    return ProductDocumentFiles{t.descriptionFile, t.rodDrawing2d, t.rodDrawing3d};
  }
  return std::nullopt;
}

ProductDocumentFiles ControllerDocuments(const ControllerRecord& controller) {
  return {controller.descriptionFile, controller.drawing2d, controller.drawing3d};
}

}  // namespace selvio
