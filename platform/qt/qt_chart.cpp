#include "platform/qt/qt_chart.h"

#include <QAreaSeries>
#include <QChart>
#include <QGraphicsScene>
#include <QLegend>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QValueAxis>
#include <cmath>

namespace selvio {
namespace {

constexpr double kLineWidth = 2.5;
constexpr double kMarkerSize = 12;

QLineSeries* LineThrough(const std::vector<QPointF>& points) {
  auto* line = new QLineSeries;
  for (const QPointF& point : points) line->append(point);
  return line;
}

QAbstractSeries* SeriesOf(const ChartSeries& description) {
  const QColor color = QColor::fromRgba(description.color);
  switch (description.kind) {
    case ChartSeriesKind::Line: {
      QLineSeries* line = LineThrough(description.points);
      line->setPen(QPen(color, kLineWidth));
      return line;
    }
    case ChartSeriesKind::Points: {
      auto* points = new QScatterSeries;
      for (const QPointF& point : description.points) points->append(point);
      points->setColor(color);
      points->setBorderColor(color.darker());
      points->setMarkerSize(kMarkerSize);
      return points;
    }
    case ChartSeriesKind::Area: {
      // The area owns neither edge: the edges become children of the area.
      auto* area =
          new QAreaSeries(LineThrough(description.points), LineThrough(description.lowerEdge));
      area->upperSeries()->setParent(area);
      area->lowerSeries()->setParent(area);
      area->setColor(color);
      area->setBorderColor(Qt::transparent);
      return area;
    }
  }
  return nullptr;
}

// A tick step for a span: the first of 1, 2, 2.5 and 5 times a power of ten that gives at
// most eight intervals.
double TickInterval(double span) {
  const double least = span / 8;
  const double magnitude = std::pow(10.0, std::floor(std::log10(least)));
  for (const double step : {1.0, 2.0, 2.5, 5.0}) {
    if (step * magnitude >= least) return step * magnitude;
  }
  return 10 * magnitude;
}

QValueAxis* AxisOf(const ChartAxis& description) {
  auto* axis = new QValueAxis;
  axis->setTitleText(description.title);
  axis->setRange(description.min, description.max);
  const double span = description.max - description.min;
  if (span > 0 && std::isfinite(span)) {
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(TickInterval(span));
  }
  axis->setLabelFormat(QStringLiteral("%g"));
  return axis;
}

}  // namespace

std::unique_ptr<QChart> BuildChart(const ChartDescription& description) {
  auto chart = std::make_unique<QChart>();
  chart->setTitle(description.title);
  chart->legend()->setAlignment(Qt::AlignBottom);
  QValueAxis* x = AxisOf(description.x);
  QValueAxis* y = AxisOf(description.y);
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  for (const ChartSeries& entry : description.series) {
    QAbstractSeries* series = SeriesOf(entry);
    series->setName(entry.name);
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
  }
  return chart;
}

QImage RenderChart(const ChartDescription& description, QSize size, qreal pixelRatio) {
  QGraphicsScene scene;
  // The scene owns the chart once it holds it.
  QChart* chart = BuildChart(description).release();
  scene.addItem(chart);
  chart->resize(size);
  QImage image(size * pixelRatio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(pixelRatio);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF area(QPointF(0, 0), size);
  scene.render(&painter, area, area);
  painter.end();
  return image;
}

}  // namespace selvio
