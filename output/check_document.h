#pragma once

#include <optional>

#include "engine/product_check.h"
#include "output/report_document.h"
#include "platform/chart_description.h"

namespace selvio {

// The check's pictures are laid out in the size the document shows them (kDocumentPictureSize)
// and painted with twice as many pixels each way, so that they print sharp.
inline constexpr double kCheckPicturePixelRatio = 2;

// The check as the selection's document shows it after the report: the heading
// kCheckHeading, the section's text and the pictures `painter` paints of the check's charts
// (none without a painter). Nothing without a check.
std::optional<DocumentAppendix> CheckAppendix(const std::optional<ProductCheck>& check,
                                              ChartPainter* painter);

}  // namespace selvio
