#pragma once

// The words under test in either language: an application to install translators in, and a
// scope that speaks a language while it lives.

#include <QCoreApplication>
#include <QString>

#include "words/language.h"

namespace selvio::test {

inline QCoreApplication& CoreApplication() {
  if (QCoreApplication* running = QCoreApplication::instance()) return *running;
  static int argc = 1;
  static char name[] = "selvio-words-tests";
  static char* argv[] = {name, nullptr};
  static QCoreApplication* application = new QCoreApplication(argc, argv);
  return *application;
}

// Speaks `language` while it lives (over SELVIO_LANG and the locale); the source texts, Russian,
// again afterwards.
class LanguageScope {
 public:
  explicit LanguageScope(Language language) {
    CoreApplication();
    InstallLanguage(language);
  }
  ~LanguageScope() { UninstallLanguage(); }
  LanguageScope(const LanguageScope&) = delete;
  LanguageScope& operator=(const LanguageScope&) = delete;
};

inline QString Utf8(const char* text) { return QString::fromUtf8(text); }

// Whether `text` holds a Cyrillic letter: a Russian word left in an English text.
inline bool HoldsCyrillic(const QString& text) {
  for (const QChar c : text) {
    if (c.unicode() >= 0x0400 && c.unicode() <= 0x052f) return true;
  }
  return false;
}

}  // namespace selvio::test
