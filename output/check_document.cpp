#include "output/check_document.h"

#include "output/check_charts.h"
#include "output/check_texts.h"

namespace selvio {

std::optional<DocumentAppendix> CheckAppendix(const std::optional<ProductCheck>& check,
                                              ChartPainter* painter) {
  if (!check) return std::nullopt;
  DocumentAppendix appendix{QString::fromUtf8(kCheckHeading), CheckSectionText(*check), {}};
  if (painter) {
    for (const ChartDescription& chart : CheckChartDescriptions(*check))
      appendix.pictures.push_back(
          painter->Paint(chart, kDocumentPictureSize.toSize(), kCheckPicturePixelRatio));
  }
  return appendix;
}

}  // namespace selvio
