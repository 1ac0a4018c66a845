// The charts Qt Charts draws of the check's pictures hold the data of the check: the rating
// pairs, the working point, the shaded areas and the axes (the data, not the pixels).

#include "platform/qt/qt_chart.h"

#include <gtest/gtest.h>

#include <QAreaSeries>
#include <QChart>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include "output/check_charts.h"
#include "tests/qt_test_application.h"

namespace selvio::test {
namespace {

QString Utf8(const char* text) { return QString::fromUtf8(text); }

QList<QPointF> Points(std::initializer_list<QPointF> points) { return points; }

// A valve rated 16 bar from −10 to 120 °C and 14.4 bar at 150 °C, working at 90 °C and 6 bar.
ProductCheck Check() {
  ProductCheck check;
  check.ratingChart.curve = {{-10, 16}, {120, 16}, {150, 14.4}};
  check.ratingChart.workingPoint = {90, 6};
  check.characteristicChart.curve = {{0, 2}, {50, 14.1421}, {100, 100}};
  check.characteristicChart.workingPoint = ChartPoint{85.2193, 56.0894};
  return check;
}

class QtChart : public ::testing::Test, WithTestApplication {};

TEST_F(QtChart, RatingChartHoldsTheRatingPairsAndTheWorkingPoint) {
  const std::unique_ptr<QChart> chart = BuildChart(RatingChartDescription(Check()));
  EXPECT_EQ(chart->title(), Utf8("Допустимые давление и температура"));
  const QList<QAbstractSeries*> series = chart->series();
  ASSERT_EQ(series.size(), 3);

  auto* area = qobject_cast<QAreaSeries*>(series[0]);
  ASSERT_NE(area, nullptr);
  EXPECT_EQ(area->name(), Utf8("Область допустимой работы"));
  EXPECT_EQ(area->upperSeries()->points(), Points({{-10, 16}, {120, 16}, {150, 14.4}}));
  ASSERT_NE(area->lowerSeries(), nullptr);
  EXPECT_EQ(area->lowerSeries()->points(), Points({{-10, 0}, {120, 0}, {150, 0}}));
  EXPECT_GT(area->color().alpha(), 0);
  EXPECT_LT(area->color().alpha(), 255) << "the shading lets the grid through";

  auto* line = qobject_cast<QLineSeries*>(series[1]);
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->points(), Points({{-10, 16}, {120, 16}, {150, 14.4}}));

  auto* working = qobject_cast<QScatterSeries*>(series[2]);
  ASSERT_NE(working, nullptr);
  EXPECT_EQ(working->name(), Utf8("Рабочая точка"));
  EXPECT_EQ(working->points(), Points({{90, 6}}));

  // Every series on the same two axes, with the description's ranges and titles.
  const QList<QAbstractAxis*> xs = chart->axes(Qt::Horizontal);
  const QList<QAbstractAxis*> ys = chart->axes(Qt::Vertical);
  ASSERT_EQ(xs.size(), 1);
  ASSERT_EQ(ys.size(), 1);
  auto* x = qobject_cast<QValueAxis*>(xs[0]);
  auto* y = qobject_cast<QValueAxis*>(ys[0]);
  ASSERT_TRUE(x && y);
  EXPECT_EQ(x->titleText(), Utf8("Температура, °C"));
  EXPECT_EQ(x->min(), -20);
  EXPECT_EQ(x->max(), 200);
  EXPECT_EQ(y->min(), 0);
  EXPECT_EQ(y->max(), 20);
  for (QAbstractSeries* s : series) EXPECT_EQ(s->attachedAxes(), (QList<QAbstractAxis*>{x, y}));
}

TEST_F(QtChart, CharacteristicChartHoldsTheBandTheCurveAndTheWorkingPoint) {
  const std::unique_ptr<QChart> chart = BuildChart(*CharacteristicChartDescription(Check()));
  const QList<QAbstractSeries*> series = chart->series();
  ASSERT_EQ(series.size(), 3);
  auto* band = qobject_cast<QAreaSeries*>(series[0]);
  ASSERT_NE(band, nullptr);
  EXPECT_EQ(band->upperSeries()->points(), Points({{10, 100}, {70, 100}}));
  EXPECT_EQ(band->lowerSeries()->points(), Points({{10, 0}, {70, 0}}));
  auto* curve = qobject_cast<QLineSeries*>(series[1]);
  ASSERT_NE(curve, nullptr);
  EXPECT_EQ(curve->points(), Points({{0, 2}, {50, 14.1421}, {100, 100}}));
  auto* working = qobject_cast<QScatterSeries*>(series[2]);
  ASSERT_NE(working, nullptr);
  EXPECT_EQ(working->points(), Points({{85.2193, 56.0894}}));
}

TEST_F(QtChart, RenderedImageHasTheAskedSizeTimesThePixelRatio) {
  const QImage image = RenderChart(RatingChartDescription(Check()), QSize(600, 375), 2);
  EXPECT_EQ(image.size(), QSize(1200, 750));
  EXPECT_EQ(image.devicePixelRatio(), 2);
  QtChartPainter painter;
  EXPECT_EQ(painter.Paint(RatingChartDescription(Check()), QSize(300, 200), 1).size(),
            QSize(300, 200));
}

}  // namespace
}  // namespace selvio::test
