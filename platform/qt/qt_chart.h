#pragma once

#include <QImage>
#include <QSize>
#include <memory>

#include "platform/chart_description.h"

class QChart;

namespace selvio {

// The chart of a description with Qt Charts: its series in order (a line as a QLineSeries,
// points as a QScatterSeries, an area as a QAreaSeries between two line series), each on the
// two value axes with the description's titles and ranges, the title, and the legend below.
// Needs a QApplication: a chart is a graphics widget.
std::unique_ptr<QChart> BuildChart(const ChartDescription& description);

// The chart laid out in `size` pixels and painted on white, without showing anything, into an
// image of `pixelRatio` times as many pixels each way.
QImage RenderChart(const ChartDescription& description, QSize size, qreal pixelRatio);

// Charts painted with Qt Charts.
class QtChartPainter : public ChartPainter {
 public:
  QImage Paint(const ChartDescription& chart, QSize size, qreal pixelRatio) override {
    return RenderChart(chart, size, pixelRatio);
  }
};

}  // namespace selvio
