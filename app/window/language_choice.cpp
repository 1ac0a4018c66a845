#include "app/window/language_choice.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <utility>

#include "words/language.h"

namespace selvio {
namespace {

constexpr const char* kNextStart =
    QT_TRANSLATE_NOOP("LanguageChoice", "Язык окна изменится при следующем запуске программы.");
constexpr const char* kEnvironmentDecides = QT_TRANSLATE_NOOP(
    "LanguageChoice", "Пока задана переменная окружения SELVIO_LANG=%1, язык окна задает она.");

// `source` in the language in use, followed by the same in `other` when that is another one.
QString InBoth(const char* source, Language shown, Language other, const QString& filling) {
  QString text = QCoreApplication::translate("LanguageChoice", source);
  if (!filling.isNull()) text = text.arg(filling);
  if (other == shown) return text;
  QString translated = TranslateInto(other, "LanguageChoice", source);
  if (!filling.isNull()) translated = translated.arg(filling);
  return text + QLatin1Char('\n') + translated;
}

}  // namespace

QString LanguageChoiceNotice(Language chosen, Language shown, const QString& environment) {
  QString notice;
  if (chosen != shown) notice = InBoth(kNextStart, shown, chosen, QString());
  if (LanguageNamed(environment)) {
    if (!notice.isEmpty()) notice += QStringLiteral("\n\n");
    notice += InBoth(kEnvironmentDecides, shown, chosen, environment);
  }
  return notice;
}

QComboBox* AddLanguageChoice(QGridLayout* commands, int row,
                             std::function<void(const QString&)> tell) {
  QWidget* strip = commands->parentWidget();
  auto* caption =
      new QLabel(QCoreApplication::translate("LanguageChoice", "Язык / Language:"), strip);
  auto* list = new QComboBox(strip);
  list->setObjectName(QStringLiteral("languageChoice"));
  caption->setBuddy(list);
  // Each language by its own name, whatever the language in use.
  list->addItem(QString::fromUtf8("Русский"), LanguageCode(Language::Russian));
  list->addItem(QStringLiteral("English"), LanguageCode(Language::English));
  list->setCurrentIndex(InstalledLanguage() == Language::English ? 1 : 0);
  const QString name = QCoreApplication::translate("LanguageChoice", "Язык окна");
  list->setAccessibleName(name);
  // A drop-down list is announced by its entry: the description tells which list it is.
  list->setAccessibleDescription(
      QCoreApplication::translate("LanguageChoice", "Язык окна; меняется при следующем запуске"));
  list->setToolTip(list->accessibleDescription());
  commands->addWidget(caption, row, 0);
  commands->addWidget(list, row + 1, 0);

  QObject::connect(list, &QComboBox::activated, list, [list, tell = std::move(tell)](int index) {
    const Language chosen =
        LanguageNamed(list->itemData(index).toString()).value_or(Language::Russian);
    if (!RememberLanguage(chosen)) {
      tell(QCoreApplication::translate(
          "LanguageChoice",
          "Не удалось сохранить выбор языка в настройках пользователя: при следующем запуске "
          "язык останется прежним."));
      return;
    }
    const QString notice =
        LanguageChoiceNotice(chosen, InstalledLanguage(), qEnvironmentVariable("SELVIO_LANG"));
    if (!notice.isEmpty()) tell(notice);
  });
  return list;
}

}  // namespace selvio
