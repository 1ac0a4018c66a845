#pragma once

#include <QString>
#include <utility>

#include "platform/modal_dialog.h"

namespace selvio {

// "Да"/"Нет": whether a newer catalogue installed with the program replaces the one in the
// user's data folder. Closed through "Да" (id 1) it is accepted; "Нет" (id 2), Esc and closing
// the window decline.
class CatalogueQuestion : public ModalDialog {
 public:
  static constexpr int kDialogId = 240;
  static constexpr int kTextId = 1000;

  CatalogueQuestion(QString installedDate, QString userDate)
      : installedDate_(std::move(installedDate)), userDate_(std::move(userDate)) {}

  DialogTemplate Template() const override;
  void Initialise(DialogControls& controls) override { (void)controls; }

 private:
  QString installedDate_;
  QString userDate_;
};

}  // namespace selvio
