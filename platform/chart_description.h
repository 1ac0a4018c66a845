#pragma once

#include <QPointF>
#include <QSize>
#include <QString>
#include <QtGlobal>
#include <cstdint>
#include <vector>

class QImage;

// A picture of data on two linear axes, as the program's charts draw it: lines, single points
// and shaded areas, each with the name the legend shows. Plain data; platform/qt draws it.
namespace selvio {

struct ChartAxis {
  QString title;
  double min = 0;
  double max = 1;
};

enum class ChartSeriesKind {
  Line,    // a polyline through the points
  Points,  // markers at the points, unconnected
  Area,    // the region between `points` (upper edge) and `lowerEdge`, filled
};

struct ChartSeries {
  ChartSeriesKind kind = ChartSeriesKind::Line;
  QString name;  // the legend's entry
  std::vector<QPointF> points;
  std::vector<QPointF> lowerEdge;    // Area only
  std::uint32_t color = 0xff000000;  // 0xAARRGGBB; an area's fill, a line's or a marker's colour
};

struct ChartDescription {
  QString title;
  ChartAxis x;
  ChartAxis y;
  std::vector<ChartSeries> series;  // drawn in order, the later ones on top
};

// Paints charts into images (platform/qt paints them with Qt Charts).
class ChartPainter {
 public:
  virtual ~ChartPainter() = default;
  // The chart laid out in `size` pixels, as an image of `pixelRatio` times as many pixels each
  // way; a null image when it cannot be painted.
  virtual QImage Paint(const ChartDescription& chart, QSize size, qreal pixelRatio) = 0;
};

}  // namespace selvio
