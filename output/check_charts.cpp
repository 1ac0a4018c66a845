#include "output/check_charts.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/c_numbers.h"

namespace selvio {
namespace {

constexpr double kFullScale = 100;                       // %
constexpr std::uint32_t kAllowedAreaColor = 0x5a4caf50;  // translucent green
constexpr std::uint32_t kRatingLineColor = 0xff2e7d32;
constexpr std::uint32_t kBandColor = 0x4a2196f3;  // translucent blue
constexpr std::uint32_t kCurveColor = 0xff1565c0;
constexpr std::uint32_t kWorkingPointColor = 0xffd32f2f;

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

// The end of an axis that shows `largest` with some room: the first of 1, 2, 2.5, 5 and 10
// times a power of ten not below 1.1·largest; 1 for nothing positive.
double AxisEnd(double largest) {
  if (!(largest > 0) || !std::isfinite(largest)) return 1;
  const double target = 1.1 * largest;
  const double magnitude = std::pow(10.0, std::floor(std::log10(target)));
  for (const double step : {1.0, 2.0, 2.5, 5.0, 10.0}) {
    if (step * magnitude >= target) return step * magnitude;
  }
  return 10 * magnitude;
}

// An axis from 0 (or below it, for negative values) that holds every value.
ChartAxis AxisHolding(const QString& title, const std::vector<double>& values) {
  const auto [low, high] = std::minmax_element(values.begin(), values.end());
  ChartAxis axis{title, 0, 1};
  if (low == values.end()) return axis;
  axis.max = AxisEnd(*high);
  if (*low < 0) axis.min = -AxisEnd(-*low);
  return axis;
}

// 0 to 100 % unless a value lies beyond.
double PercentAxisEnd(double value) { return value > kFullScale ? AxisEnd(value) : kFullScale; }

ChartSeries WorkingPoint(QPointF point) {
  return {ChartSeriesKind::Points, Text("Рабочая точка"), {point}, {}, kWorkingPointColor};
}

}  // namespace

ChartDescription RatingChartDescription(const ProductCheck& check) {
  const RatingChart& rating = check.ratingChart;
  const QPointF working(rating.workingPoint.x, rating.workingPoint.y);
  std::vector<double> temperatures{working.x()};
  std::vector<double> pressures{working.y()};
  for (const ChartPoint& p : rating.curve) {
    temperatures.push_back(p.x);
    pressures.push_back(p.y);
  }
  ChartDescription chart;
  chart.title = Text("Допустимые давление и температура");
  chart.x = AxisHolding(Text("Температура, °C"), temperatures);
  chart.y = AxisHolding(Text("Давление P1 (изб.), бар"), pressures);

  ChartSeries area{
      ChartSeriesKind::Area, Text("Область допустимой работы"), {}, {}, kAllowedAreaColor};
  ChartSeries limit{ChartSeriesKind::Line, Text("Допустимое давление"), {}, {}, kRatingLineColor};
  if (rating.curve.size() == 1) {
    const ChartPoint& p = rating.curve.front();
    area.points = {{chart.x.min, p.y}, {p.x, p.y}};
    area.lowerEdge = {{chart.x.min, 0}, {p.x, 0}};
    limit.points = {{chart.x.min, p.y}, {p.x, p.y}, {p.x, 0}};
  } else {
    for (const ChartPoint& p : rating.curve) {
      area.points.push_back({p.x, p.y});
      area.lowerEdge.push_back({p.x, 0});
      limit.points.push_back({p.x, p.y});
    }
  }
  if (!rating.curve.empty()) {
    chart.series.push_back(area);
    chart.series.push_back(limit);
  }
  chart.series.push_back(WorkingPoint(working));
  return chart;
}

std::optional<ChartDescription> CharacteristicChartDescription(const ProductCheck& check) {
  const CharacteristicChart& characteristic = check.characteristicChart;
  if (characteristic.curve.empty()) return std::nullopt;
  ChartDescription chart;
  chart.title = Text("Расходная характеристика");
  chart.x = {Text("Относительный ход, %"), 0, kFullScale};
  chart.y = {Text("Kv/Kvs, %"), 0, kFullScale};
  // A working point beyond full lift (a Kvs too small) stays in the picture.
  if (characteristic.workingPoint) {
    chart.x.max = PercentAxisEnd(characteristic.workingPoint->x);
    chart.y.max = PercentAxisEnd(characteristic.workingPoint->y);
  }
  chart.series.push_back(
      {ChartSeriesKind::Area,
       FormatC("Рабочий диапазон хода %g–%g %%", characteristic.bandLow, characteristic.bandHigh),
       {{characteristic.bandLow, chart.y.max}, {characteristic.bandHigh, chart.y.max}},
       {{characteristic.bandLow, 0}, {characteristic.bandHigh, 0}},
       kBandColor});
  ChartSeries curve{ChartSeriesKind::Line, Text("Kv/Kvs"), {}, {}, kCurveColor};
  for (const ChartPoint& p : characteristic.curve) curve.points.push_back({p.x, p.y});
  chart.series.push_back(curve);
  if (characteristic.workingPoint) {
    chart.series.push_back(
        WorkingPoint({characteristic.workingPoint->x, characteristic.workingPoint->y}));
  }
  return chart;
}

std::vector<ChartDescription> CheckChartDescriptions(const ProductCheck& check) {
  std::vector<ChartDescription> charts{RatingChartDescription(check)};
  if (std::optional<ChartDescription> characteristic = CharacteristicChartDescription(check))
    charts.push_back(std::move(*characteristic));
  return charts;
}

}  // namespace selvio
