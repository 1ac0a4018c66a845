#include "output/check_texts.h"

#include <optional>

#include "platform/c_numbers.h"
#include "words/check_words.h"

namespace selvio {
namespace {

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

void Add(std::vector<CheckFigure>& figures, const char* label, const char* format,
         const std::optional<double>& value) {
  if (value) figures.push_back({Text(label), FormatC(format, *value)});
}

QString YesNo(bool value) { return Text(value ? "да" : "нет"); }

void AppendList(QString& text, const char* caption, const std::vector<QString>& items) {
  if (items.empty()) {
    text += Text(caption) + Text(": нет\n");
    return;
  }
  text += Text(caption) + Text(":\n");
  for (const QString& item : items) text += QLatin1Char('\t') + item + QLatin1Char('\n');
}

}  // namespace

std::vector<CheckFigure> CheckFigures(const ProductCheck& check) {
  std::vector<CheckFigure> figures;
  const bool computed = check.status == CheckStatus::Computed;
  figures.push_back({Text("Давление на входе P1 (абс.), бар"), FormatC("%.2f", check.p1)});
  if (computed) {
    figures.push_back({Text("Давление на выходе P2 (абс.), бар"), FormatC("%.2f", check.p2)});
    figures.push_back({Text("Перепад давления ΔP, бар"), FormatC("%.2f", check.drop)});
  }
  Add(figures, "Давление насыщенных паров Pv (абс.), бар", "%.3f", check.vapourPressure);
  Add(figures, "Температура насыщения Ts, °C", "%.1f", check.saturationTemperature);
  Add(figures, check.isSteam ? "Плотность пара на входе ρ1, кг/м³" : "Плотность ρ, кг/м³",
      check.isSteam ? "%.3f" : "%.1f", check.rho);
  Add(figures, "Плотность пара на выходе, кг/м³", "%.3f", check.outletDensity);
  Add(figures, "Коэффициент FF", "%.3f", check.ff);
  Add(figures, "Предельный перепад FL²·(P1 − FF·Pv), бар", "%.2f", check.chokedDrop);
  Add(figures, "Индекс кавитации x_F", "%.3f", check.xF);
  Add(figures, "Показатель изоэнтропы γ", "%.3f", check.gamma);
  Add(figures, "Коэффициент Fγ", "%.3f", check.fGamma);
  Add(figures, "Предельное отношение перепадов Fγ·xT", "%.3f", check.chokedRatio);
  Add(figures, "Коэффициент расширения Y", "%.3f", check.expansion);
  if (computed) {
    figures.push_back(
        {Text(check.isSteam ? "Критическое истечение" : "Запертый поток"), YesNo(check.choked)});
  }
  Add(figures, "Kv по МЭК, м³/ч", "%.2f", check.kvIec);
  if (check.kvRequired && check.kvIec && *check.kvRequired != *check.kvIec)
    Add(figures, "Kv·K по МЭК, м³/ч", "%.2f", check.kvRequired);
  Add(figures, "Открытие Kv/Kvs, %", "%.1f", check.openingPercent);
  Add(figures, "Относительный ход, %", "%.1f", check.liftPercent);
  Add(figures, "Скорость в присоединении, м/с", "%.2f", check.velocity);
  return figures;
}

QString CheckSectionText(const ProductCheck& check) {
  QString text = CheckVerdictText(check) + Text("\n\n");
  for (const CheckFigure& figure : CheckFigures(check))
    text += figure.label + Text(": ") + figure.value + QLatin1Char('\n');
  text += QLatin1Char('\n');
  AppendList(text, "Предупреждения", CheckWarningTexts(check));
  text += QLatin1Char('\n');
  AppendList(text, "Основа расчета", CheckNoteTexts(check));
  return text;
}

}  // namespace selvio
