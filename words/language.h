#pragma once

#include <QString>
#include <optional>

namespace selvio {

// The languages the program speaks. Russian is the language of its source texts; every other
// one is a translation (translations/selvio_<code>.ts, built into the program).
enum class Language { Russian, English };

// The language of a code: "ru" or "en", in any case; nothing for another.
std::optional<Language> LanguageNamed(const QString& code);

// "ru" or "en".
QString LanguageCode(Language language);

// What decides the language, strongest first: the command line's choice (selvio-cli --lang),
// the environment's SELVIO_LANG (ru or en; another value counts as none), the choice the user
// made in the window and the program remembered, then the language of the locale of messages
// (LC_ALL, else LC_MESSAGES, else LANG, as "en_US.UTF-8") when the program speaks it. Without
// any, Russian.
struct LanguageSources {
  std::optional<Language> commandLine;
  QString environment;  // SELVIO_LANG
  std::optional<Language> remembered;
  QString messageLocale;
};

Language DecideLanguage(const LanguageSources& sources);

// The locale of messages this process runs in: LC_ALL, else LC_MESSAGES, else LANG.
QString MessageLocale();

// Decides the language for this process from `commandLine`, `remembered`, SELVIO_LANG and the
// locale (DecideLanguage), and installs it in the running application: the program's own
// translation and Qt's (qtbase_ru, qtbase_en: its dialogs, buttons and context menus). A
// language installed before is replaced. Returns the language; without a translation file for
// it (Qt's own may be missing) the texts concerned stay in the source language.
Language InstallLanguage(std::optional<Language> commandLine = std::nullopt,
                         std::optional<Language> remembered = std::nullopt);

// `source` of translation context `context` in `language`, whatever language is installed, and
// without an application: for the few texts shown before the application exists or in a
// language other than the one in use. The source itself when the translation has none.
QString TranslateInto(Language language, const char* context, const char* source);

// The language installed last; Russian before any and after UninstallLanguage.
Language InstalledLanguage();

// Removes the translators InstallLanguage installed: the source texts and Qt's own English.
void UninstallLanguage();

// The language the user chose in the window, kept per user beside the program's other per-user
// settings (QSettings: "Selvio/selvio.conf" in the user's configuration folder); nothing when
// none was chosen or the file holds another value. It takes effect at the next start.
std::optional<Language> RememberedLanguage();

// Keeps the user's choice for the next start. False when it could not be written.
bool RememberLanguage(Language language);

}  // namespace selvio
