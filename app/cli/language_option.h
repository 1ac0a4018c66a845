#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "words/language.h"

namespace selvio {

// "--lang ru|en" or "--lang=ru|en", which any command line may hold anywhere: the language
// selvio-cli speaks, over SELVIO_LANG and the locale.
struct LanguageOption {
  std::optional<Language> language;    // the last one given
  std::optional<QString> refusedCode;  // a code that names no language ("" when none followed)
};

// Takes every language option out of `arguments`, leaving the command and its own arguments.
LanguageOption TakeLanguageOption(QStringList& arguments);

// Why the option is refused, for the user in the language installed; empty when it is fine.
QString LanguageOptionRefusal(const LanguageOption& option);

// The lines "--help" gives for the option.
QString LanguageOptionUsage();

}  // namespace selvio
