#include "words/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>
#include <memory>

namespace selvio {
namespace {

constexpr char kLanguageKey[] = "language";

// The translators in use: the program's, then Qt's own.
struct InstalledTranslators {
  Language language = Language::Russian;
  std::unique_ptr<QTranslator> program;
  std::unique_ptr<QTranslator> qt;
};

InstalledTranslators& Installed() {
  static InstalledTranslators installed;
  return installed;
}

QSettings UserSettings() {
  return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Selvio"),
                   QStringLiteral("selvio"));
}

// The language part of a locale name: "en" of "en_US.UTF-8", "C" of "C".
QString LanguagePart(const QString& locale) {
  qsizetype end = 0;
  while (end < locale.size() && locale[end] != QLatin1Char('_') &&
         locale[end] != QLatin1Char('.') && locale[end] != QLatin1Char('@')) {
    ++end;
  }
  return locale.left(end);
}

// A translator of `name` from `folder`, installed; none when the file is missing.
std::unique_ptr<QTranslator> Install(const QString& name, const QString& folder) {
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(name, folder) || !QCoreApplication::installTranslator(translator.get()))
    return nullptr;
  return translator;
}

}  // namespace

std::optional<Language> LanguageNamed(const QString& code) {
  if (code.compare(QLatin1String("ru"), Qt::CaseInsensitive) == 0) return Language::Russian;
  if (code.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0) return Language::English;
  return std::nullopt;
}

QString LanguageCode(Language language) {
  return language == Language::English ? QStringLiteral("en") : QStringLiteral("ru");
}

Language DecideLanguage(const LanguageSources& sources) {
  if (sources.commandLine) return *sources.commandLine;
  if (const std::optional<Language> environment = LanguageNamed(sources.environment))
    return *environment;
  if (sources.remembered) return *sources.remembered;
  return LanguageNamed(LanguagePart(sources.messageLocale)).value_or(Language::Russian);
}

QString MessageLocale() {
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty()) return value;
  }
  return {};
}

Language InstallLanguage(std::optional<Language> commandLine, std::optional<Language> remembered) {
  const Language language = DecideLanguage(
      {commandLine, qEnvironmentVariable("SELVIO_LANG"), remembered, MessageLocale()});
  UninstallLanguage();  // a translator leaves the application as it is destroyed
  InstalledTranslators& installed = Installed();
  installed.language = language;
  const QString code = LanguageCode(language);
  if (language != Language::Russian)
    installed.program = Install(QStringLiteral("selvio_") + code, QStringLiteral(":/i18n"));
  installed.qt =
      Install(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  return language;
}

QString TranslateInto(Language language, const char* context, const char* source) {
  if (language != Language::Russian) {
    QTranslator translator;
    if (translator.load(QStringLiteral("selvio_") + LanguageCode(language),
                        QStringLiteral(":/i18n"))) {
      const QString translated = translator.translate(context, source);
      if (!translated.isEmpty()) return translated;
    }
  }
  return QString::fromUtf8(source);
}

Language InstalledLanguage() { return Installed().language; }

void UninstallLanguage() {
  InstalledTranslators& installed = Installed();
  installed.program.reset();
  installed.qt.reset();
  installed.language = Language::Russian;
}

std::optional<Language> RememberedLanguage() {
  return LanguageNamed(UserSettings().value(QLatin1String(kLanguageKey)).toString());
}

bool RememberLanguage(Language language) {
  QSettings settings = UserSettings();
  settings.setValue(QLatin1String(kLanguageKey), LanguageCode(language));
  settings.sync();
  return settings.status() == QSettings::NoError;
}

}  // namespace selvio
