#include "words/check_words.h"

#include <QCoreApplication>

#include "platform/c_numbers.h"

namespace selvio {
namespace {

// Kvs and K as the catalogue and the form write them (6.3, 0.63, 160, 1.1).
QString Plain(double value) { return FormatC("%g", value); }

QString Hundredths(double value) { return FormatC("%.2f", value); }
QString Thousandths(double value) { return FormatC("%.3f", value); }
QString Tenths(double value) { return FormatC("%.1f", value); }

QString RefusalText(CheckRefusal refusal) {
  switch (refusal) {
    case CheckRefusal::None:
      break;
    case CheckRefusal::NoKvs:
      return QCoreApplication::translate("ProductCheck",
                                         "Проверка по МЭК не выполнена: у изделия не задан Kvs.");
    case CheckRefusal::FlowNotPositive:
      return QCoreApplication::translate(
          "ProductCheck", "Проверка по МЭК не выполнена: расход должен быть больше нуля.");
    case CheckRefusal::SafetyFactorNotPositive:
      return QCoreApplication::translate(
          "ProductCheck",
          "Проверка по МЭК не выполнена: коэффициент запаса K должен быть больше нуля.");
    case CheckRefusal::InletPressureNotPositive:
      return QCoreApplication::translate(
          "ProductCheck",
          "Проверка по МЭК не выполнена: абсолютное давление P1 должно быть больше нуля.");
    case CheckRefusal::TemperatureOutsideWater:
      return QCoreApplication::translate(
          "ProductCheck",
          "Проверка по МЭК не выполнена: температура вне области IAPWS-IF97 для воды "
          "(0–350 °C).");
    case CheckRefusal::DropNotPositive:
      return QCoreApplication::translate(
          "ProductCheck",
          "Проверка по МЭК не выполнена: перепад давления ΔP должен быть больше нуля.");
    case CheckRefusal::DensityNotPositive:
      return QCoreApplication::translate(
          "ProductCheck",
          "Проверка по МЭК не выполнена: плотность раствора должна быть больше нуля.");
    case CheckRefusal::InletPressureAboveWater:
      return QCoreApplication::translate(
          "ProductCheck",
          "Проверка по МЭК не выполнена: давление P1 выше 1000 бар (предел IAPWS-IF97).");
    case CheckRefusal::DropNotBelowInletPressure:
      return QCoreApplication::translate(
          "ProductCheck",
          "Проверка по МЭК не выполнена: перепад давления ΔP не меньше абсолютного давления P1.");
    case CheckRefusal::RelativeDropOutsideUnit:
      return QCoreApplication::translate(
          "ProductCheck",
          "Проверка по МЭК не выполнена: относительный перепад δ должен быть между 0 и 1.");
    case CheckRefusal::SteamPressureOutsideSaturation:
      return QCoreApplication::translate(
          "ProductCheck",
          "Проверка по МЭК не выполнена: давление насыщенного пара вне области IAPWS-IF97 "
          "(0.0061–165 бар абс.).");
  }
  return {};
}

QString SufficientText(const ProductCheck& check) {
  const QString required = Hundredths(check.kvRequired.value_or(0));
  if (check.safetyFactor == 1) {
    return QCoreApplication::translate("ProductCheck",
                                       "Kvs достаточен: по МЭК требуется Kv %1 ≤ Kvs %2.")
        .arg(required, Plain(check.kvs));
  }
  return QCoreApplication::translate(
             "ProductCheck",
             "Kvs достаточен: по МЭК требуется Kv %1 ≤ Kvs %2 (с коэффициентом запаса K = %3).")
      .arg(required, Plain(check.kvs), Plain(check.safetyFactor));
}

QString InsufficientText(const ProductCheck& check) {
  const QString required = Hundredths(check.kvRequired.value_or(0));
  const bool withK = check.safetyFactor != 1;
  if (const std::optional<ListedProduct>& better = check.suggestedProduct) {
    if (!withK) {
      return QCoreApplication::translate("ProductCheck",
                                         "Kvs недостаточен: по МЭК требуется Kv %1 > Kvs %2. Из "
                                         "того же списка подойдет %3 (Kvs %4).")
          .arg(required, Plain(check.kvs), better->name, Plain(better->kvs));
    }
    return QCoreApplication::translate(
               "ProductCheck",
               "Kvs недостаточен: по МЭК требуется Kv %1 > Kvs %2 (с коэффициентом запаса K = "
               "%3). Из того же списка подойдет %4 (Kvs %5).")
        .arg(required, Plain(check.kvs), Plain(check.safetyFactor), better->name,
             Plain(better->kvs));
  }
  if (!withK) {
    return QCoreApplication::translate("ProductCheck",
                                       "Kvs недостаточен: по МЭК требуется Kv %1 > Kvs %2. Ни "
                                       "одно изделие из того же списка не подойдет.")
        .arg(required, Plain(check.kvs));
  }
  return QCoreApplication::translate(
             "ProductCheck",
             "Kvs недостаточен: по МЭК требуется Kv %1 > Kvs %2 (с коэффициентом запаса K = %3). "
             "Ни одно изделие из того же списка не подойдет.")
      .arg(required, Plain(check.kvs), Plain(check.safetyFactor));
}

}  // namespace

QString CheckVerdictText(const ProductCheck& check) {
  switch (check.status) {
    case CheckStatus::OutOfRange:
      return RefusalText(check.refusal);
    case CheckStatus::BoilingAtInlet:
      return QCoreApplication::translate("ProductCheck",
                                         "Расчет по МЭК невозможен: при %1 °C среда вскипает на "
                                         "входе (Pv %2 бар > P1 %3 бар абс.).")
          .arg(QString::number(check.temperature), Hundredths(check.vapourPressure.value_or(0)),
               Hundredths(check.p1));
    case CheckStatus::Computed:
      return check.flags.kvExceedsKvs ? InsufficientText(check) : SufficientText(check);
  }
  return {};
}

QString CheckWarningText(const CheckWarning& warning) {
  const double figure = warning.figure;
  const double bound = warning.bound;
  switch (warning.code) {
    case CheckWarningCode::BoilingAtInlet:
      return QCoreApplication::translate("ProductCheck",
                                         "Среда вскипает на входе: давление насыщенных паров Pv "
                                         "= %1 бар больше P1 = %2 бар (абсолютные).")
          .arg(Hundredths(figure), Hundredths(bound));
    case CheckWarningCode::ChokedLiquid:
      return QCoreApplication::translate("ProductCheck",
                                         "Запертый поток: ΔP = %1 бар ≥ FL²·(P1 − FF·Pv) = %2 "
                                         "бар; Kv рассчитан по предельному перепаду.")
          .arg(Hundredths(figure), Hundredths(bound));
    case CheckWarningCode::Cavitation:
      return QCoreApplication::translate(
                 "ProductCheck",
                 "Индекс кавитации x_F = %1 ≥ %2: в седельном клапане возможна кавитация.")
          .arg(Hundredths(figure), Plain(bound));
    case CheckWarningCode::ChokedSteam:
      return QCoreApplication::translate(
                 "ProductCheck",
                 "Критическое истечение: x = %1 ≥ Fγ·xT = %2; Kv рассчитан при x = Fγ·xT.")
          .arg(Thousandths(figure), Thousandths(bound));
    case CheckWarningCode::BelowControllableRange:
      return QCoreApplication::translate("ProductCheck",
                                         "Kv/Kvs = %1 % ниже диапазона регулирования (1/50 = 2 "
                                         "%): клапан завышен, ход принят 0.")
          .arg(Tenths(figure));
    case CheckWarningCode::LiftBelowBand:
      return QCoreApplication::translate("ProductCheck",
                                         "Ход %1 % ниже рабочего диапазона 10–70 %: клапан "
                                         "завышен, регулирование будет неточным.")
          .arg(Tenths(figure));
    case CheckWarningCode::LiftAboveBand:
      return QCoreApplication::translate("ProductCheck",
                                         "Ход %1 % выше рабочего диапазона 10–70 %: нет запаса "
                                         "по пропускной способности.")
          .arg(Tenths(figure));
    case CheckWarningCode::KvsInsufficient:
      return QCoreApplication::translate(
                 "ProductCheck", "Kv/Kvs = %1 %: Kvs недостаточен даже при полном открытии.")
          .arg(Tenths(figure));
    case CheckWarningCode::VelocityAboveLimit:
      return QCoreApplication::translate(
                 "ProductCheck",
                 "Скорость в присоединении %1 м/с выше %2 м/с: возможны шум и эрозия.")
          .arg(Tenths(figure), Plain(bound));
    case CheckWarningCode::LiquidVelocityAboveAdvice:
      return QCoreApplication::translate("ProductCheck",
                                         "Скорость в присоединении %1 м/с выше рекомендуемой (до "
                                         "3 м/с для жидкости).")
          .arg(Tenths(figure));
    case CheckWarningCode::SteamVelocityAboveAdvice:
      return QCoreApplication::translate("ProductCheck",
                                         "Скорость в присоединении %1 м/с выше рекомендуемой "
                                         "(15–40 м/с для насыщенного пара).")
          .arg(Tenths(figure));
    case CheckWarningCode::SteamVelocityBelowAdvice:
      return QCoreApplication::translate("ProductCheck",
                                         "Скорость в присоединении %1 м/с ниже рекомендуемой "
                                         "(15–40 м/с для насыщенного пара).")
          .arg(Tenths(figure));
  }
  return {};
}

std::vector<QString> CheckWarningTexts(const ProductCheck& check) {
  std::vector<QString> texts;
  for (const CheckWarning& warning : check.warnings) texts.push_back(CheckWarningText(warning));
  return texts;
}

QString CheckNoteText(CheckNote note, const ProductCheck& check) {
  switch (note) {
    case CheckNote::TypicalValveFactors:
      return QCoreApplication::translate(
                 "ProductCheck",
                 "Коэффициенты клапана FL = %1, xT = %2: типовые значения МЭК 60534-2-1 для "
                 "односедельного седельного клапана (профилированный плунжер, поток на "
                 "открытие); каталог их не задает.")
          .arg(Plain(check.fl), Plain(check.xt));
    case CheckNote::FittingsAndTurbulence:
      return QCoreApplication::translate(
          "ProductCheck",
          "FP = 1: присоединительная арматура трубопровода не известна и не учтена; FR = 1: "
          "течение полностью турбулентное.");
    case CheckNote::WaterProperties:
      return QCoreApplication::translate(
          "ProductCheck",
          "Вода: плотность и давление насыщенных паров по IAPWS-IF97; ΔP — перепад на клапане.");
    case CheckNote::GlycolProperties:
      return QCoreApplication::translate(
          "ProductCheck",
          "Гликолевый раствор: плотность из поля плотности, давление насыщенных паров как у "
          "воды по IAPWS-IF97 (с запасом); ΔP — перепад на клапане.");
    case CheckNote::SteamProperties:
      return QCoreApplication::translate(
          "ProductCheck",
          "Насыщенный пар: δ = ΔP/P1 по абсолютному давлению, P2 = P1·(1 − δ); плотность, "
          "скорость звука и показатель изоэнтропы по IAPWS-IF97.");
    case CheckNote::AbsolutePressure:
      return QCoreApplication::translate("ProductCheck",
                                         "Абсолютное давление = избыточное + %1 бар. Открытие и "
                                         "ход — по Kv без коэффициента запаса.")
          .arg(Plain(kAtmosphericPressure));
  }
  return {};
}

std::vector<QString> CheckNoteTexts(const ProductCheck& check) {
  std::vector<QString> texts;
  for (const CheckNote note : check.notes) texts.push_back(CheckNoteText(note, check));
  return texts;
}

}  // namespace selvio
