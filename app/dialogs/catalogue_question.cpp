#include "app/dialogs/catalogue_question.h"

namespace selvio {

DialogTemplate CatalogueQuestion::Template() const {
  const QString userDate = userDate_.trimmed().isEmpty() ? QString::fromUtf8("без даты")
                                                         : QString::fromUtf8("от ") + userDate_;
  const QString text = QString::fromUtf8(
                           "С программой установлена более новая база от %1.\n"
                           "В вашей рабочей папке база %2.\n"
                           "Заменить базу в рабочей папке на новую?")
                           .arg(installedDate_, userDate);
  DialogTemplate dialog;
  dialog.id = kDialogId;
  dialog.title = QString::fromUtf8("Подбор клапана");
  dialog.controls = {
      {kTextId, ControlType::Label, text, 0, 0, 2},
      {1, ControlType::Button, QString::fromUtf8("Да"), 1, 0, 1},
      {2, ControlType::Button, QString::fromUtf8("Нет"), 1, 1, 1},
  };
  dialog.defaultButton = 1;
  return dialog;
}

}  // namespace selvio
