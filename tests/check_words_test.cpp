// The words of the check against IEC 60534-2-1, composed from the checks of the engine's hand
// calculations (product_check_test.cpp derives their figures): the verdict, the warnings and the
// basis as the check window, the document and the command line show them.

#include "words/check_words.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "tests/words_fixture.h"

namespace selvio::test {
namespace {

ProductCheckInput Water(int temperature, double p1, double drop, double flow, double kvs, double dn,
                        FlowCharacteristic characteristic = FlowCharacteristic::EqualPercentage) {
  ProductCheckInput input;
  input.point.medium = CheckMedium::Water;
  input.point.temperature = temperature;
  input.point.p1 = p1;
  input.point.drop = drop;
  input.point.flow = flow;
  input.product.kvs = kvs;
  input.product.dn = dn;
  input.product.characteristic = characteristic;
  input.list = {{Utf8("Клапан"), kvs}};
  return input;
}

ProductCheckInput Steam(double p1, double delta, double flow, double kvs, double dn) {
  ProductCheckInput input = Water(20, p1, delta, flow, kvs, dn);
  input.point.medium = CheckMedium::Steam;
  return input;
}

std::string Verdict(const ProductCheckInput& input) {
  return CheckVerdictText(CheckProduct(input)).toStdString();
}

std::vector<std::string> Warnings(const ProductCheckInput& input) {
  std::vector<std::string> lines;
  for (const QString& line : CheckWarningTexts(CheckProduct(input)))
    lines.push_back(line.toStdString());
  return lines;
}

using Lines = std::vector<std::string>;

TEST(CheckWords, Verdicts) {
  EXPECT_EQ(Verdict(Water(90, 3, 0.5, 5, 25, 40)),
            "Kvs достаточен: по МЭК требуется Kv 6.95 ≤ Kvs 25.");
  EXPECT_EQ(Verdict(Water(150, 3, 0.5, 5, 16, 40)),
            "Расчет по МЭК невозможен: при 150 °C среда вскипает на входе (Pv 4.76 бар > P1 4.01 "
            "бар абс.).");

  ProductCheckInput insufficient = Water(20, 5, 0.25, 10, 16, 50);
  insufficient.list = {{Utf8("ВК 40"), 16},
                       {Utf8("ВК 32"), 10},
                       {Utf8("ВК 50"), 25},
                       {Utf8("ВК 65"), 40},
                       {Utf8("ВК 50Н"), 25}};
  EXPECT_EQ(Verdict(insufficient),
            "Kvs недостаточен: по МЭК требуется Kv 19.99 > Kvs 16. Из того же списка подойдет ВК "
            "50 (Kvs 25).");
  insufficient.list = {{Utf8("ВК 40"), 16}, {Utf8("ВК 32"), 10}};
  EXPECT_EQ(Verdict(insufficient),
            "Kvs недостаточен: по МЭК требуется Kv 19.99 > Kvs 16. Ни одно изделие из того же "
            "списка не подойдет.");

  ProductCheckInput withK = Water(20, 5, 0.25, 10, 20, 50);
  withK.point.safetyFactor = 1.1;
  withK.list = {{Utf8("ВК 50"), 20}, {Utf8("ВК 65"), 32}};
  EXPECT_EQ(Verdict(withK),
            "Kvs недостаточен: по МЭК требуется Kv 21.99 > Kvs 20 (с коэффициентом запаса K = "
            "1.1). Из того же списка подойдет ВК 65 (Kvs 32).");
  withK.list = {{Utf8("ВК 50"), 20}};
  EXPECT_EQ(Verdict(withK),
            "Kvs недостаточен: по МЭК требуется Kv 21.99 > Kvs 20 (с коэффициентом запаса K = "
            "1.1). Ни одно изделие из того же списка не подойдет.");
  ProductCheckInput sufficientWithK = Water(90, 3, 0.5, 5, 25, 40);
  sufficientWithK.point.safetyFactor = 1.2;
  EXPECT_EQ(Verdict(sufficientWithK),
            "Kvs достаточен: по МЭК требуется Kv 8.34 ≤ Kvs 25 (с коэффициентом запаса K = 1.2).");
}

TEST(CheckWords, RefusalsSayWhy) {
  const struct {
    ProductCheckInput input;
    const char* verdict;
  } cases[] = {
      {Water(20, 3, 0.5, 5, 0, 40), "Проверка по МЭК не выполнена: у изделия не задан Kvs."},
      {Water(20, 3, 0.5, 0, 16, 40),
       "Проверка по МЭК не выполнена: расход должен быть больше нуля."},
      {Water(-5, 3, 0.5, 5, 16, 40),
       "Проверка по МЭК не выполнена: температура вне области IAPWS-IF97 для воды (0–350 °C)."},
      {Water(20, 3, -0.5, 5, 16, 40),
       "Проверка по МЭК не выполнена: перепад давления ΔP должен быть больше нуля."},
      {Water(20, 1, 2.5, 5, 16, 40),
       "Проверка по МЭК не выполнена: перепад давления ΔP не меньше абсолютного давления P1."},
      {Water(20, 999, 0.5, 5, 16, 40),
       "Проверка по МЭК не выполнена: давление P1 выше 1000 бар (предел IAPWS-IF97)."},
      {Water(20, -1.5, 0.5, 5, 16, 40),
       "Проверка по МЭК не выполнена: абсолютное давление P1 должно быть больше нуля."},
      {Steam(6, 1, 500, 16, 40),
       "Проверка по МЭК не выполнена: относительный перепад δ должен быть между 0 и 1."},
      {Steam(170, 0.2, 500, 16, 40),
       "Проверка по МЭК не выполнена: давление насыщенного пара вне области IAPWS-IF97 "
       "(0.0061–165 бар абс.)."},
  };
  for (const auto& c : cases) EXPECT_EQ(Verdict(c.input), c.verdict);

  ProductCheckInput noK = Water(20, 3, 0.5, 5, 16, 40);
  noK.point.safetyFactor = 0;
  EXPECT_EQ(Verdict(noK),
            "Проверка по МЭК не выполнена: коэффициент запаса K должен быть больше нуля.");
  ProductCheckInput glycol = Water(20, 3, 0.5, 5, 16, 40);
  glycol.point.medium = CheckMedium::Glycol;
  EXPECT_EQ(Verdict(glycol),
            "Проверка по МЭК не выполнена: плотность раствора должна быть больше нуля.");
}

TEST(CheckWords, Warnings) {
  EXPECT_EQ(Warnings(Steam(6, 0.2, 500, 16, 40)),
            Lines{"Ход 81.5 % выше рабочего диапазона 10–70 %: нет запаса по пропускной "
                  "способности."});
  EXPECT_EQ(Warnings(Steam(6, 0.2, 500, 16, 25)).back(),
            "Скорость в присоединении 95.1 м/с выше 60 м/с: возможны шум и эрозия.");
  EXPECT_EQ(Warnings(Steam(6, 0.7, 500, 16, 40)).front(),
            "Критическое истечение: x = 0.700 ≥ Fγ·xT = 0.667; Kv рассчитан при x = Fγ·xT.");
  const Lines hot = Warnings(Water(130, 3, 1.5, 10, 16, 40));
  ASSERT_GE(hot.size(), 2u);
  EXPECT_EQ(hot[0],
            "Запертый поток: ΔP = 1.50 бар ≥ FL²·(P1 − FF·Pv) = 1.22 бар; Kv рассчитан по "
            "предельному перепаду.");
  EXPECT_EQ(hot[1], "Индекс кавитации x_F = 1.14 ≥ 0.5: в седельном клапане возможна кавитация.");
  EXPECT_EQ(Warnings(Water(150, 3, 0.5, 5, 16, 40)),
            Lines{"Среда вскипает на входе: давление насыщенных паров Pv = 4.76 бар больше P1 = "
                  "4.01 бар (абсолютные)."});
  EXPECT_EQ(Warnings(Water(20, 5, 1.0, 0.5, 40, 50)),
            Lines{"Kv/Kvs = 1.2 % ниже диапазона регулирования (1/50 = 2 %): клапан завышен, ход "
                  "принят 0."});
  EXPECT_EQ(Warnings(Water(20, 5, 1.0, 0.5, 6.3, 50, FlowCharacteristic::Linear)),
            Lines{"Ход 7.9 % ниже рабочего диапазона 10–70 %: клапан завышен, регулирование "
                  "будет неточным."});
  EXPECT_EQ(Warnings(Water(20, 5, 0.25, 10, 16, 50)).back(),
            "Kv/Kvs = 125.0 %: Kvs недостаточен даже при полном открытии.");
  EXPECT_EQ(Warnings(Water(20, 3, 0.5, 5, 10, 20)).back(),
            "Скорость в присоединении 4.4 м/с выше рекомендуемой (до 3 м/с для жидкости).");
  // Saturated steam at 6 bar g, 500 kg/h: 37.16 m/s in DN 40 lies inside 15–40 m/s; DN 32 gives
  // 37.16·(40/32)² = 58.06 m/s (above the advice, below 60); DN 80 gives 9.29 m/s.
  EXPECT_EQ(Warnings(Steam(6, 0.2, 500, 16, 32)).back(),
            "Скорость в присоединении 58.1 м/с выше рекомендуемой (15–40 м/с для насыщенного "
            "пара).");
  EXPECT_EQ(Warnings(Steam(6, 0.2, 500, 16, 80)).back(),
            "Скорость в присоединении 9.3 м/с ниже рекомендуемой (15–40 м/с для насыщенного "
            "пара).");
}

TEST(CheckWords, NotesOfEachMedium) {
  const Lines common = {
      "Коэффициенты клапана FL = 0.9, xT = 0.72: типовые значения МЭК 60534-2-1 для "
      "односедельного седельного клапана (профилированный плунжер, поток на открытие); каталог "
      "их не задает.",
      "FP = 1: присоединительная арматура трубопровода не известна и не учтена; FR = 1: течение "
      "полностью турбулентное."};
  const std::string absolute =
      "Абсолютное давление = избыточное + 1.01325 бар. Открытие и ход — по Kv без коэффициента "
      "запаса.";
  const auto notes = [](const ProductCheckInput& input) {
    Lines lines;
    for (const QString& line : CheckNoteTexts(CheckProduct(input)))
      lines.push_back(line.toStdString());
    return lines;
  };
  EXPECT_EQ(notes(Water(90, 3, 0.5, 5, 25, 40)),
            (Lines{common[0], common[1],
                   "Вода: плотность и давление насыщенных паров по IAPWS-IF97; ΔP — перепад на "
                   "клапане.",
                   absolute}));
  ProductCheckInput glycol = Water(20, 4, 0.25, 10, 40, 50);
  glycol.point.medium = CheckMedium::Glycol;
  glycol.point.density = 1040;
  EXPECT_EQ(notes(glycol)[2],
            "Гликолевый раствор: плотность из поля плотности, давление насыщенных паров как у "
            "воды по IAPWS-IF97 (с запасом); ΔP — перепад на клапане.");
  EXPECT_EQ(notes(Steam(6, 0.2, 500, 16, 40))[2],
            "Насыщенный пар: δ = ΔP/P1 по абсолютному давлению, P2 = P1·(1 − δ); плотность, "
            "скорость звука и показатель изоэнтропы по IAPWS-IF97.");
}

// Under a Russian locale the C library writes a decimal comma; the texts keep the point.
TEST(CheckWords, TextsKeepThePointUnderRussianLocale) {
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  if (!std::setlocale(LC_ALL, "ru_RU.UTF-8")) GTEST_SKIP() << "ru_RU.UTF-8 is not installed";
  const ProductCheck c = CheckProduct(Water(130, 3, 1.5, 10, 6.3, 40));
  const QString verdict = CheckVerdictText(c);
  const std::vector<QString> warnings = CheckWarningTexts(c);
  const std::vector<QString> notes = CheckNoteTexts(c);
  std::setlocale(LC_ALL, previous.c_str());
  EXPECT_TRUE(verdict.startsWith(Utf8("Kvs недостаточен: по МЭК требуется Kv 8.77 > Kvs 6.3.")))
      << verdict.toStdString();
  EXPECT_TRUE(warnings[1].contains(QStringLiteral("x_F = 1.14"))) << warnings[1].toStdString();
  EXPECT_TRUE(notes.back().contains(QStringLiteral("1.01325"))) << notes.back().toStdString();
}

// English keeps the numbers and their format; only the words around them change.
TEST(CheckWords, English) {
  const LanguageScope english(Language::English);
  EXPECT_EQ(Verdict(Water(90, 3, 0.5, 5, 25, 40)),
            "Kvs is sufficient: IEC requires Kv 6.95 ≤ Kvs 25.");
  EXPECT_EQ(Verdict(Water(150, 3, 0.5, 5, 16, 40)),
            "IEC sizing impossible: at 150 °C the medium boils at the inlet (Pv 4.76 bar > P1 4.01 "
            "bar abs.).");
  ProductCheckInput withK = Water(20, 5, 0.25, 10, 20, 50);
  withK.point.safetyFactor = 1.1;
  withK.list = {{QStringLiteral("VK 50"), 20}, {QStringLiteral("VK 65"), 32}};
  EXPECT_EQ(Verdict(withK),
            "Kvs is insufficient: IEC requires Kv 21.99 > Kvs 20 (with safety factor K = 1.1). "
            "From the same list, VK 65 (Kvs 32) would do.");
  EXPECT_EQ(Verdict(Water(20, 3, 0.5, 5, 0, 40)), "IEC check not made: the product has no Kvs.");
  const Lines hot = Warnings(Water(130, 3, 1.5, 10, 16, 40));
  EXPECT_EQ(hot[0],
            "Choked flow: ΔP = 1.50 bar ≥ FL²·(P1 − FF·Pv) = 1.22 bar; Kv sized on the limiting "
            "pressure drop.");
  EXPECT_EQ(hot[1], "Cavitation index x_F = 1.14 ≥ 0.5: cavitation is possible in a globe valve.");
  EXPECT_EQ(Warnings(Steam(6, 0.2, 500, 16, 40)),
            Lines{"Travel 81.5 % is above the working range 10–70 %: no reserve of capacity."});
  EXPECT_EQ(CheckNoteText(CheckNote::AbsolutePressure, CheckProduct(Water(90, 3, 0.5, 5, 25, 40)))
                .toStdString(),
            "Absolute pressure = gauge + 1.01325 bar. Opening and travel from Kv without the "
            "safety factor.");
}

}  // namespace
}  // namespace selvio::test
