#include "engine/product_check.h"

#include <cmath>
#include <numbers>

#include "engine/iec_sizing.h"
#include "engine/water_if97.h"
#include "platform/c_numbers.h"

namespace selvio {
namespace {

constexpr double kMegapascalPerBar = 0.1;
constexpr double kPascalPerBar = 1e5;
constexpr double kSecondsPerHour = 3600;
// Water is taken as liquid from 0 °C to the end of IF97 region 1.
constexpr double kLiquidMinTemperature = 0;                                           // °C
constexpr double kLiquidMaxTemperature = 350;                                         // °C
constexpr double kLiquidMaxPressure = if97::kRegion1MaxPressure / kMegapascalPerBar;  // bar
// Saturated steam between the triple point and the end of region 2, bar absolute.
constexpr double kSteamMinPressure = if97::kSaturationMinPressure / kMegapascalPerBar;
constexpr double kSteamMaxPressure = if97::kRegion2MaxSaturationPressure / kMegapascalPerBar;
const QString kEqualPercentage = QStringLiteral("равнопроцентная");
const QString kLinear = QStringLiteral("линейная");

double Kelvin(double celsius) { return celsius + if97::kZeroCelsius; }
double Megapascal(double bar) { return bar * kMegapascalPerBar; }

bool IsPositive(double value) { return std::isfinite(value) && value > 0; }

// Kvs as the catalogue writes it (6.3, 0.63, 160).
QString KvsText(double kvs) { return FormatC("%g", kvs); }

// Cross-section of a connection of nominal diameter dn (mm): π·dn²/4, m².
double ConnectionArea(double dn) {
  const double d = dn / 1000;
  return std::numbers::pi * d * d / 4;
}

// Saturated-vapour density after IF97 region 2 at the saturation temperature of p (bar), kg/m³.
double SaturatedVapourDensity(double p) {
  const double pMpa = Megapascal(p);
  return 1 / if97::Region2SpecificVolume(pMpa, if97::SaturationTemperature(pMpa));
}

void Refuse(ProductCheck& check, const QString& reason) {
  check.status = CheckStatus::OutOfRange;
  check.verdict = QStringLiteral("Проверка по МЭК не выполнена: %1.").arg(reason);
}

// Inputs every medium needs; the reason of a refusal, or nothing.
std::optional<QString> CommonRefusal(const ProductCheckInput& input, double p1) {
  if (!IsPositive(input.product.kvs)) return QStringLiteral("у изделия не задан Kvs");
  if (!IsPositive(input.point.flow)) return QStringLiteral("расход должен быть больше нуля");
  if (!IsPositive(input.point.safetyFactor))
    return QStringLiteral("коэффициент запаса K должен быть больше нуля");
  if (!IsPositive(p1)) return QStringLiteral("абсолютное давление P1 должно быть больше нуля");
  return std::nullopt;
}

void CheckLiquid(const ProductCheckInput& input, ProductCheck& check) {
  const CheckWorkingPoint& point = input.point;
  const bool glycol = point.medium == CheckMedium::Glycol;
  const double t = point.temperature;
  if (t < kLiquidMinTemperature || t > kLiquidMaxTemperature)
    return Refuse(check, QStringLiteral("температура вне области IAPWS-IF97 для воды (0–350 °C)"));
  if (!IsPositive(point.drop))
    return Refuse(check, QStringLiteral("перепад давления ΔP должен быть больше нуля"));
  if (glycol && !IsPositive(point.density))
    return Refuse(check, QStringLiteral("плотность раствора должна быть больше нуля"));
  if (check.p1 > kLiquidMaxPressure)
    return Refuse(check, QStringLiteral("давление P1 выше 1000 бар (предел IAPWS-IF97)"));

  const double pv = if97::SaturationPressure(Kelvin(t)) / kMegapascalPerBar;
  check.vapourPressure = pv;
  if (pv > check.p1) {
    check.status = CheckStatus::BoilingAtInlet;
    check.flags.boilingAtInlet = true;
    check.warnings.push_back(
        FormatC("Среда вскипает на входе: давление насыщенных паров Pv = %.2f бар больше "
                "P1 = %.2f бар (абсолютные).",
                pv, check.p1));
    check.verdict = FormatC(
        "Расчет по МЭК невозможен: при %d °C среда вскипает на входе (Pv %.2f бар > P1 %.2f "
        "бар абс.).",
        point.temperature, pv, check.p1);
    return;
  }
  if (point.drop >= check.p1)
    return Refuse(check, QStringLiteral("перепад давления ΔP не меньше абсолютного давления P1"));

  const double rho =
      glycol ? point.density : 1 / if97::Region1SpecificVolume(Megapascal(check.p1), Kelvin(t));
  const iec::LiquidSizing sizing =
      iec::SizeLiquid(point.flow, rho, check.p1, point.drop, pv, kWaterCriticalPressure, check.fl);
  check.status = CheckStatus::Computed;
  check.drop = point.drop;
  check.p2 = check.p1 - point.drop;
  check.rho = rho;
  check.ff = sizing.ff;
  check.chokedDrop = sizing.chokedDrop;
  check.choked = sizing.choked;
  check.kvIec = sizing.kv;
  check.xF = iec::CavitationIndex(point.drop, check.p1, pv);

  check.flags.choked = sizing.choked;
  if (sizing.choked) {
    check.warnings.push_back(
        FormatC("Запертый поток: ΔP = %.2f бар ≥ FL²·(P1 − FF·Pv) = %.2f бар; Kv рассчитан по "
                "предельному перепаду.",
                point.drop, sizing.chokedDrop));
  }
  check.flags.cavitation = *check.xF >= kIncipientCavitationIndex;
  if (check.flags.cavitation) {
    check.warnings.push_back(FormatC(
        "Индекс кавитации x_F = %.2f ≥ 0.5: в седельном клапане возможна кавитация.", *check.xF));
  }
}

void CheckSteam(const ProductCheckInput& input, ProductCheck& check) {
  const CheckWorkingPoint& point = input.point;
  const double x = point.drop;
  if (!(x > 0 && x < 1))
    return Refuse(check, QStringLiteral("относительный перепад δ должен быть между 0 и 1"));
  check.p2 = check.p1 * (1 - x);
  if (check.p1 > kSteamMaxPressure || check.p2 < kSteamMinPressure) {
    return Refuse(check,
                  QStringLiteral("давление насыщенного пара вне области IAPWS-IF97 (0.0061–165 "
                                 "бар абс.)"));
  }

  const double p1Mpa = Megapascal(check.p1);
  const double ts = if97::SaturationTemperature(p1Mpa);
  const double rho1 = 1 / if97::Region2SpecificVolume(p1Mpa, ts);
  const double w = if97::Region2SpeedOfSound(p1Mpa, ts);
  const double gamma = iec::IsentropicExponent(w, rho1, check.p1 * kPascalPerBar);
  const iec::CompressibleSizing sizing =
      iec::SizeCompressible(point.flow, check.p1, rho1, x, gamma, check.xt);
  check.status = CheckStatus::Computed;
  check.drop = x * check.p1;
  check.saturationTemperature = ts - if97::kZeroCelsius;
  check.rho = rho1;
  check.outletDensity = SaturatedVapourDensity(check.p2);
  check.gamma = gamma;
  check.fGamma = sizing.fGamma;
  check.chokedRatio = sizing.chokedRatio;
  check.expansion = sizing.expansion;
  check.choked = sizing.choked;
  check.kvIec = sizing.kv;

  check.flags.choked = sizing.choked;
  if (sizing.choked) {
    check.warnings.push_back(
        FormatC("Критическое истечение: x = %.3f ≥ Fγ·xT = %.3f; Kv рассчитан при x = Fγ·xT.", x,
                sizing.chokedRatio));
  }
}

enum class Characteristic { EqualPercentage, Linear, Other };

// The characteristic that gives a lift; a regulator has none.
Characteristic CharacteristicOf(const CheckedProduct& product) {
  if (product.isRegulator) return Characteristic::Other;
  const QString text = product.characteristic.trimmed();
  if (text.compare(kEqualPercentage, Qt::CaseInsensitive) == 0)
    return Characteristic::EqualPercentage;
  if (text.compare(kLinear, Qt::CaseInsensitive) == 0) return Characteristic::Linear;
  return Characteristic::Other;
}

// Relative lift in % at Kv/Kvs, or nothing without a characteristic that gives one. Below the
// equal-percentage characteristic's range (Kv/Kvs < 1/50) the lift is 0.
std::optional<double> LiftPercent(Characteristic characteristic, double relativeKv,
                                  CheckFlags& flags) {
  switch (characteristic) {
    case Characteristic::EqualPercentage:
      if (relativeKv < iec::EqualPercentageRelativeKv(0)) {
        flags.belowControllableRange = true;
        return 0.0;
      }
      return 100 * iec::EqualPercentageLift(relativeKv);
    case Characteristic::Linear:
      return 100 * iec::LinearLift(relativeKv);
    case Characteristic::Other:
      break;
  }
  return std::nullopt;
}

void AddOpening(const CheckedProduct& product, ProductCheck& check) {
  const double relativeKv = iec::RelativeKv(*check.kvIec, product.kvs);
  check.openingPercent = 100 * relativeKv;
  check.liftPercent = LiftPercent(CharacteristicOf(product), relativeKv, check.flags);
  check.flags.kvsInsufficient = relativeKv > 1;

  if (check.flags.belowControllableRange) {
    check.warnings.push_back(
        FormatC("Kv/Kvs = %.1f %% ниже диапазона регулирования (1/50 = 2 %%): клапан завышен, "
                "ход принят 0.",
                *check.openingPercent));
  }
  if (check.liftPercent) {
    const double lift = *check.liftPercent;
    check.flags.oversized = lift < kLiftBandLow;
    check.flags.noReserve = lift > kLiftBandHigh && !check.flags.kvsInsufficient;
    if (check.flags.oversized && !check.flags.belowControllableRange) {
      check.warnings.push_back(
          FormatC("Ход %.1f %% ниже рабочего диапазона 10–70 %%: клапан завышен, регулирование "
                  "будет неточным.",
                  lift));
    }
    if (check.flags.noReserve) {
      check.warnings.push_back(
          FormatC("Ход %.1f %% выше рабочего диапазона 10–70 %%: нет запаса по пропускной "
                  "способности.",
                  lift));
    }
  }
  if (check.flags.kvsInsufficient) {
    check.warnings.push_back(FormatC("Kv/Kvs = %.1f %%: Kvs недостаточен даже при полном открытии.",
                                     *check.openingPercent));
  }
}

// Velocity in the connection: the volume flow for liquids, the mass flow over the saturated
// vapour density at P2 for steam.
void AddVelocity(const ProductCheckInput& input, ProductCheck& check) {
  if (!IsPositive(input.product.dn)) return;
  const double area = ConnectionArea(input.product.dn);
  const double volumeFlow =
      check.isSteam ? input.point.flow / *check.outletDensity : input.point.flow;  // m³/h
  const double v = volumeFlow / kSecondsPerHour / area;
  check.velocity = v;

  const double limit = check.isSteam ? kSteamVelocityLimit : kLiquidVelocityLimit;
  const double advisedHigh = check.isSteam ? kSteamVelocityAdvisedHigh : kLiquidVelocityAdvised;
  const QString advice = check.isSteam ? QStringLiteral("15–40 м/с для насыщенного пара")
                                       : QStringLiteral("до 3 м/с для жидкости");
  check.flags.velocityHigh = v > limit;
  check.flags.velocityAboveAdvice = v > advisedHigh && v <= limit;
  check.flags.velocityBelowAdvice = check.isSteam && v < kSteamVelocityAdvisedLow;
  if (check.flags.velocityHigh) {
    check.warnings.push_back(
        FormatC("Скорость в присоединении %.1f м/с выше %g м/с: возможны шум и эрозия.", v, limit));
  } else if (check.flags.velocityAboveAdvice) {
    check.warnings.push_back(FormatC("Скорость в присоединении %.1f м/с выше рекомендуемой (", v) +
                             advice + QStringLiteral(")."));
  } else if (check.flags.velocityBelowAdvice) {
    check.warnings.push_back(FormatC("Скорость в присоединении %.1f м/с ниже рекомендуемой (", v) +
                             advice + QStringLiteral(")."));
  }
}

// The list entry with the smallest Kvs not below `kv`; the first of equal ones.
std::optional<int> SmallestSufficient(const std::vector<ListedProduct>& list, double kv) {
  std::optional<int> best;
  for (int i = 0; i < static_cast<int>(list.size()); ++i) {
    const double kvs = list[static_cast<std::size_t>(i)].kvs;
    if (kvs >= kv && (!best || kvs < list[static_cast<std::size_t>(*best)].kvs)) best = i;
  }
  return best;
}

void AddVerdict(const ProductCheckInput& input, ProductCheck& check) {
  const double k = input.point.safetyFactor;
  const double kvs = input.product.kvs;
  check.kvRequired = *check.kvIec * k;
  const double required = *check.kvRequired;
  const QString withK = k == 1 ? QString() : FormatC(" (с коэффициентом запаса K = %g)", k);
  check.flags.kvExceedsKvs = required > kvs;
  if (!check.flags.kvExceedsKvs) {
    check.verdict = FormatC("Kvs достаточен: по МЭК требуется Kv %.2f ≤ Kvs ", required) +
                    KvsText(kvs) + withK + QStringLiteral(".");
    return;
  }
  check.verdict = FormatC("Kvs недостаточен: по МЭК требуется Kv %.2f > Kvs ", required) +
                  KvsText(kvs) + withK + QStringLiteral(". ");
  check.suggestion = SmallestSufficient(input.list, required);
  if (check.suggestion) {
    const ListedProduct& better = input.list[static_cast<std::size_t>(*check.suggestion)];
    check.verdict += QStringLiteral("Из того же списка подойдет %1 (Kvs %2).")
                         .arg(better.name, KvsText(better.kvs));
  } else {
    check.verdict += QStringLiteral("Ни одно изделие из того же списка не подойдет.");
  }
}

std::vector<QString> BasisNotes(const CheckWorkingPoint& point) {
  std::vector<QString> notes;
  notes.push_back(FormatC(
      "Коэффициенты клапана FL = %g, xT = %g: типовые значения МЭК 60534-2-1 для "
      "односедельного седельного клапана (профилированный плунжер, поток на открытие); каталог "
      "их не задает.",
      kCheckFl, kCheckXt));
  notes.push_back(QStringLiteral(
      "FP = 1: присоединительная арматура трубопровода не известна и не учтена; FR = 1: течение "
      "полностью турбулентное."));
  switch (point.medium) {
    case CheckMedium::Water:
      notes.push_back(QStringLiteral(
          "Вода: плотность и давление насыщенных паров по IAPWS-IF97; ΔP — перепад на клапане."));
      break;
    case CheckMedium::Glycol:
      notes.push_back(QStringLiteral(
          "Гликолевый раствор: плотность из поля плотности, давление насыщенных паров как у воды "
          "по IAPWS-IF97 (с запасом); ΔP — перепад на клапане."));
      break;
    case CheckMedium::Steam:
      notes.push_back(QStringLiteral(
          "Насыщенный пар: δ = ΔP/P1 по абсолютному давлению, P2 = P1·(1 − δ); плотность, "
          "скорость звука и показатель изоэнтропы по IAPWS-IF97."));
      break;
  }
  notes.push_back(
      FormatC("Абсолютное давление = избыточное + %g бар. Открытие и ход — по Kv без коэффициента "
              "запаса.",
              kAtmosphericPressure));
  return notes;
}

RatingChart MakeRatingChart(const ProductCheckInput& input) {
  RatingChart chart;
  for (const RatingPair& pair : input.product.rating)
    chart.curve.push_back({pair.temperature, pair.pressure});
  chart.workingPoint = {static_cast<double>(input.point.temperature), input.point.p1};
  return chart;
}

CharacteristicChart MakeCharacteristicChart(const CheckedProduct& product,
                                            const ProductCheck& check) {
  CharacteristicChart chart;
  const Characteristic characteristic = CharacteristicOf(product);
  if (characteristic == Characteristic::Other) return chart;
  for (int percent = 0; percent <= 100; ++percent) {
    const double h = percent / 100.0;
    const double relativeKv =
        characteristic == Characteristic::EqualPercentage ? iec::EqualPercentageRelativeKv(h) : h;
    chart.curve.push_back({static_cast<double>(percent), 100 * relativeKv});
  }
  if (check.liftPercent && check.openingPercent)
    chart.workingPoint = ChartPoint{*check.liftPercent, *check.openingPercent};
  return chart;
}

}  // namespace

ProductCheck CheckProduct(const ProductCheckInput& input) {
  ProductCheck check;
  check.isSteam = input.point.medium == CheckMedium::Steam;
  check.p1 = input.point.p1 + kAtmosphericPressure;
  check.notes = BasisNotes(input.point);
  check.ratingChart = MakeRatingChart(input);

  if (const std::optional<QString> reason = CommonRefusal(input, check.p1)) {
    Refuse(check, *reason);
  } else if (check.isSteam) {
    CheckSteam(input, check);
  } else {
    CheckLiquid(input, check);
  }
  if (check.status == CheckStatus::Computed) {
    AddOpening(input.product, check);
    AddVelocity(input, check);
    AddVerdict(input, check);
  }
  check.characteristicChart = MakeCharacteristicChart(input.product, check);
  return check;
}

}  // namespace selvio
