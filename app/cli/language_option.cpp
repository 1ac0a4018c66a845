#include "app/cli/language_option.h"

#include <QCoreApplication>

namespace selvio {
namespace {

const QLatin1String kOption("--lang");

}  // namespace

LanguageOption TakeLanguageOption(QStringList& arguments) {
  LanguageOption option;
  for (qsizetype i = 0; i < arguments.size();) {
    const QString argument = arguments[i];
    QString code;
    if (argument == kOption) {
      code = arguments.value(i + 1);
      arguments.remove(i, i + 1 < arguments.size() ? 2 : 1);
    } else if (argument.startsWith(kOption + QLatin1Char('='))) {
      code = argument.mid(kOption.size() + 1);
      arguments.remove(i);
    } else {
      ++i;
      continue;
    }
    if (const std::optional<Language> language = LanguageNamed(code)) {
      option.language = language;
    } else {
      option.refusedCode = code;
    }
  }
  return option;
}

QString LanguageOptionRefusal(const LanguageOption& option) {
  if (!option.refusedCode) return {};
  if (option.refusedCode->isEmpty())
    return QCoreApplication::translate("LanguageOption", "После --lang нужен язык: ru или en");
  return QCoreApplication::translate("LanguageOption", "Неизвестный язык: %1 (допустимы ru и en)")
      .arg(*option.refusedCode);
}

QString LanguageOptionUsage() {
  return QCoreApplication::translate(
      "LanguageOption",
      "Параметр любой команды: --lang ru|en\n"
      "  Язык вывода: ru - русский, en - английский. Без него - язык из SELVIO_LANG,\n"
      "  иначе язык системы, если программа на нем говорит, иначе русский.\n");
}

}  // namespace selvio
