#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "catalogue/catalogue_records.h"
#include "engine/selection_result.h"

// The technical description and the 2-D and 3-D drawings of the products the result areas
// show, opened from the folders "pdf/", "2D/" and "3D/" of the working directory.
namespace selvio {

enum class DocumentKind { Description, Drawing2d, Drawing3d };

// The file names a product's record gives for its three documents.
struct ProductDocumentFiles {
  QString description;
  QString drawing2d;
  QString drawing3d;
};

// What the user is told when a document is missing: the Russian sources of their translations
// (context "ProductDocuments").
inline constexpr const char* kDocumentMissingMessage =
    QT_TRANSLATE_NOOP("ProductDocuments", "Файл не найден. Обновите базу данных.");
inline constexpr const char* kActuatorDescriptionMissingMessage =
    QT_TRANSLATE_NOOP("ProductDocuments", "Файл с тех.описанием не найден. Обновите базу данных.");

// The folder prefix followed by the file name, relative to the working directory:
// "pdf/" + description, "2D/" + 2-D drawing, "3D/" + 3-D drawing.
QString DocumentPath(DocumentKind kind, const ProductDocumentFiles& files);

// The products of the regulator area, in the order they are opened: the shown candidate of
// the valve list, then of the reducing-valve list, then of the differential-pressure regulator
// list, each only when its list is not empty.
std::vector<ProductDocumentFiles> RegulatorAreaDocuments(const SelectionResult& result);

// The shown actuator of the shown valve; for a thermostat the spiral element's drawings when
// `spiralElement`, otherwise the rod's. Nothing with no valve or no actuator shown.
std::optional<ProductDocumentFiles> ActuatorAreaDocuments(const SelectionResult& result,
                                                          bool spiralElement);

ProductDocumentFiles ControllerDocuments(const ControllerRecord& controller);

// Whether the document at `path` (relative to the working directory) is there to be opened.
bool DocumentExists(const QString& path);

}  // namespace selvio
