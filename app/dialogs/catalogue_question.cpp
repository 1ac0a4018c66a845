#include "app/dialogs/catalogue_question.h"

#include <QCoreApplication>

namespace selvio {

DialogTemplate CatalogueQuestion::Template() const {
  const QString text =
      userDate_.trimmed().isEmpty()
          ? QCoreApplication::translate("CatalogueQuestion",
                                        "С программой установлена более новая база от %1.\n"
                                        "В вашей рабочей папке база без даты.\n"
                                        "Заменить базу в рабочей папке на новую?")
                .arg(installedDate_)
          : QCoreApplication::translate("CatalogueQuestion",
                                        "С программой установлена более новая база от %1.\n"
                                        "В вашей рабочей папке база от %2.\n"
                                        "Заменить базу в рабочей папке на новую?")
                .arg(installedDate_, userDate_);
  DialogTemplate dialog;
  dialog.id = kDialogId;
  dialog.title = QCoreApplication::translate("CatalogueQuestion", "Подбор клапана");
  dialog.controls = {
      {kTextId, ControlType::Label, text, 0, 0, 2},
      {1, ControlType::Button, QCoreApplication::translate("CatalogueQuestion", "Да"), 1, 0, 1},
      {2, ControlType::Button, QCoreApplication::translate("CatalogueQuestion", "Нет"), 1, 1, 1},
  };
  dialog.defaultButton = 1;
  return dialog;
}

}  // namespace selvio
