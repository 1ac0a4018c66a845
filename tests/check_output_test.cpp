// The check as texts and as descriptions of its two pictures, from checks written out by hand.

#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "output/check_charts.h"
#include "output/check_texts.h"

namespace selvio {
namespace {

QString Utf8(const char* text) { return QString::fromUtf8(text); }

// Water at 90 °C, 6 bar g, ΔP 0.3 bar, 5 m³/h, K 1.2, Kvs 16 in DN 32 (figures of the
// standard's formulas with IAPWS-IF97 properties, as the engine's tests derive them).
ProductCheck WaterCheck() {
  ProductCheck c;
  c.status = CheckStatus::Computed;
  c.p1 = 7.01325;
  c.p2 = 6.71325;
  c.drop = 0.3;
  c.vapourPressure = 0.701824;
  c.rho = 965.5925;
  c.ff = 0.944208;
  c.chokedDrop = 5.14387;
  c.xF = 0.0475328;
  c.kvIec = 8.97431;
  c.kvRequired = 10.76917;
  c.openingPercent = 56.0894;
  c.liftPercent = 85.2193;
  c.velocity = 1.72694;
  c.kvs = 16;
  c.safetyFactor = 1.2;
  c.warnings = {{CheckWarningCode::LiftAboveBand, 85.2193}};
  c.notes = {CheckNote::TypicalValveFactors, CheckNote::FittingsAndTurbulence};
  return c;
}

const char* const kWaterSection =
    "Kvs достаточен: по МЭК требуется Kv 10.77 ≤ Kvs 16 (с коэффициентом запаса K = 1.2).\n"
    "\n"
    "Давление на входе P1 (абс.), бар: 7.01\n"
    "Давление на выходе P2 (абс.), бар: 6.71\n"
    "Перепад давления ΔP, бар: 0.30\n"
    "Давление насыщенных паров Pv (абс.), бар: 0.702\n"
    "Плотность ρ, кг/м³: 965.6\n"
    "Коэффициент FF: 0.944\n"
    "Предельный перепад FL²·(P1 − FF·Pv), бар: 5.14\n"
    "Индекс кавитации x_F: 0.048\n"
    "Запертый поток: нет\n"
    "Kv по МЭК, м³/ч: 8.97\n"
    "Kv·K по МЭК, м³/ч: 10.77\n"
    "Открытие Kv/Kvs, %: 56.1\n"
    "Относительный ход, %: 85.2\n"
    "Скорость в присоединении, м/с: 1.73\n"
    "\n"
    "Предупреждения:\n"
    "\tХод 85.2 % выше рабочего диапазона 10–70 %: нет запаса по пропускной способности.\n"
    "\n"
    "Основа расчета:\n"
    "\tКоэффициенты клапана FL = 0.9, xT = 0.72: типовые значения МЭК 60534-2-1 для "
    "односедельного седельного клапана (профилированный плунжер, поток на открытие); каталог их "
    "не задает.\n"
    "\tFP = 1: присоединительная арматура трубопровода не известна и не учтена; FR = 1: течение "
    "полностью турбулентное.\n";

TEST(CheckTexts, LiquidSectionHasVerdictFiguresWarningsAndBasis) {
  EXPECT_EQ(CheckSectionText(WaterCheck()).toStdString(), kWaterSection);
}

// Numbers keep their point in a Russian locale, where printf would print a comma.
TEST(CheckTexts, RussianLocalePrintsTheSameSection) {
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  if (!std::setlocale(LC_ALL, "ru_RU.UTF-8")) GTEST_SKIP() << "ru_RU.UTF-8 is not installed";
  const QString text = CheckSectionText(WaterCheck());
  std::setlocale(LC_ALL, previous.c_str());
  EXPECT_EQ(text.toStdString(), kWaterSection);
}

TEST(CheckTexts, SteamShowsItsOwnFiguresAndNoCavitationIndex) {
  ProductCheck c;
  c.status = CheckStatus::Computed;
  c.isSteam = true;
  c.p1 = 7.01325;
  c.p2 = 5.6106;
  c.drop = 1.40265;
  c.saturationTemperature = 165.03;
  c.rho = 3.67274;
  c.outletDensity = 2.97428;
  c.gamma = 1.29642;
  c.fGamma = 0.926015;
  c.chokedRatio = 0.666731;
  c.expansion = 0.900010;
  c.choked = true;
  c.kvIec = 7.74579;
  c.kvRequired = 7.74579;
  c.openingPercent = 48.411;
  c.velocity = 37.16;
  c.kvs = 16;
  EXPECT_EQ(CheckSectionText(c).toStdString(),
            "Kvs достаточен: по МЭК требуется Kv 7.75 ≤ Kvs 16.\n"
            "\n"
            "Давление на входе P1 (абс.), бар: 7.01\n"
            "Давление на выходе P2 (абс.), бар: 5.61\n"
            "Перепад давления ΔP, бар: 1.40\n"
            "Температура насыщения Ts, °C: 165.0\n"
            "Плотность пара на входе ρ1, кг/м³: 3.673\n"
            "Плотность пара на выходе, кг/м³: 2.974\n"
            "Показатель изоэнтропы γ: 1.296\n"
            "Коэффициент Fγ: 0.926\n"
            "Предельное отношение перепадов Fγ·xT: 0.667\n"
            "Коэффициент расширения Y: 0.900\n"
            "Критическое истечение: да\n"
            "Kv по МЭК, м³/ч: 7.75\n"
            "Открытие Kv/Kvs, %: 48.4\n"
            "Скорость в присоединении, м/с: 37.16\n"
            "\n"
            "Предупреждения: нет\n"
            "\n"
            "Основа расчета: нет\n");
}

// Boiling at the inlet: no Kv, so only the inlet pressure and the vapour pressure are shown.
TEST(CheckTexts, BoilingLiquidShowsWhatWasReached) {
  ProductCheck c;
  c.status = CheckStatus::BoilingAtInlet;
  c.p1 = 1.51325;
  c.vapourPressure = 2.70329;
  const std::vector<CheckFigure> figures = CheckFigures(c);
  ASSERT_EQ(figures.size(), 2u);
  EXPECT_EQ(figures[0].label, Utf8("Давление на входе P1 (абс.), бар"));
  EXPECT_EQ(figures[0].value, QStringLiteral("1.51"));
  EXPECT_EQ(figures[1].value, QStringLiteral("2.703"));
}

std::vector<QPointF> Points(std::initializer_list<QPointF> points) { return points; }

TEST(CheckCharts, RatingPictureShadesTheAreaUnderTheRatingPairs) {
  ProductCheck c = WaterCheck();
  c.ratingChart.curve = {{-10, 16}, {120, 16}, {150, 14.4}};
  c.ratingChart.workingPoint = {90, 6};
  const ChartDescription chart = RatingChartDescription(c);
  ASSERT_EQ(chart.series.size(), 3u);
  EXPECT_EQ(chart.series[0].kind, ChartSeriesKind::Area);
  EXPECT_EQ(chart.series[0].points, Points({{-10, 16}, {120, 16}, {150, 14.4}}));
  EXPECT_EQ(chart.series[0].lowerEdge, Points({{-10, 0}, {120, 0}, {150, 0}}));
  EXPECT_EQ(chart.series[1].kind, ChartSeriesKind::Line);
  EXPECT_EQ(chart.series[1].points, Points({{-10, 16}, {120, 16}, {150, 14.4}}));
  EXPECT_EQ(chart.series[2].kind, ChartSeriesKind::Points);
  EXPECT_EQ(chart.series[2].name, Utf8("Рабочая точка"));
  EXPECT_EQ(chart.series[2].points, Points({{90, 6}}));
  // Axis ends: the first of 1, 2, 2.5, 5, 10 × 10^k not below 1.1 times the largest value:
  // 1.1·150 = 165 → 200; 1.1·16 = 17.6 → 20; below zero 1.1·10 = 11 → −20.
  EXPECT_EQ(chart.x.min, -20);
  EXPECT_EQ(chart.x.max, 200);
  EXPECT_EQ(chart.y.min, 0);
  EXPECT_EQ(chart.y.max, 20);
  EXPECT_EQ(chart.x.title, Utf8("Температура, °C"));
}

// The nominal maximum as the one point: the rectangle from the axis' start up to it.
TEST(CheckCharts, OnePointRatingAllowsTheRectangleUpToIt) {
  ProductCheck c = WaterCheck();
  c.ratingChart.curve = {{150, 16}};
  c.ratingChart.workingPoint = {90, 6};
  const ChartDescription chart = RatingChartDescription(c);
  ASSERT_EQ(chart.series.size(), 3u);
  EXPECT_EQ(chart.series[0].points, Points({{0, 16}, {150, 16}}));
  EXPECT_EQ(chart.series[0].lowerEdge, Points({{0, 0}, {150, 0}}));
  EXPECT_EQ(chart.series[1].points, Points({{0, 16}, {150, 16}, {150, 0}}));
}

TEST(CheckCharts, CharacteristicPictureHasTheBandTheCurveAndTheWorkingPoint) {
  ProductCheck c = WaterCheck();
  c.characteristicChart.curve = {{0, 2}, {50, 14.1421}, {100, 100}};
  c.characteristicChart.workingPoint = ChartPoint{85.2193, 56.0894};
  const std::optional<ChartDescription> chart = CharacteristicChartDescription(c);
  ASSERT_TRUE(chart);
  ASSERT_EQ(chart->series.size(), 3u);
  EXPECT_EQ(chart->series[0].kind, ChartSeriesKind::Area);
  EXPECT_EQ(chart->series[0].name, Utf8("Рабочий диапазон хода 10–70 %"));
  EXPECT_EQ(chart->series[0].points, Points({{10, 100}, {70, 100}}));
  EXPECT_EQ(chart->series[0].lowerEdge, Points({{10, 0}, {70, 0}}));
  EXPECT_EQ(chart->series[1].points, Points({{0, 2}, {50, 14.1421}, {100, 100}}));
  EXPECT_EQ(chart->series[2].points, Points({{85.2193, 56.0894}}));
  EXPECT_EQ(chart->x.max, 100);
  EXPECT_EQ(chart->y.max, 100);
}

// Kvs too small: the working point lies beyond full lift (130 %, 130 %) and stays in the
// picture: 1.1·130 = 143 → 200.
TEST(CheckCharts, WorkingPointBeyondFullLiftWidensTheAxes) {
  ProductCheck c = WaterCheck();
  c.characteristicChart.curve = {{0, 0}, {100, 100}};
  c.characteristicChart.workingPoint = ChartPoint{130, 130};
  const std::optional<ChartDescription> chart = CharacteristicChartDescription(c);
  ASSERT_TRUE(chart);
  EXPECT_EQ(chart->x.max, 200);
  EXPECT_EQ(chart->y.max, 200);
  EXPECT_EQ(chart->series[0].points, Points({{10, 200}, {70, 200}}));
}

TEST(CheckCharts, ProductWithoutALiftHasOnlyTheRatingPicture) {
  ProductCheck c = WaterCheck();
  c.ratingChart.curve = {{150, 16}};
  EXPECT_FALSE(CharacteristicChartDescription(c));
  const std::vector<ChartDescription> charts = CheckChartDescriptions(c);
  ASSERT_EQ(charts.size(), 1u);
  EXPECT_EQ(charts[0].title, RatingChartDescription(c).title);

  c.characteristicChart.curve = {{0, 0}, {100, 100}};
  EXPECT_EQ(CheckChartDescriptions(c).size(), 2u);
}

}  // namespace
}  // namespace selvio
