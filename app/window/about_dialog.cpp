#include "app/window/about_dialog.h"

#include <QCoreApplication>

#include "app/form/control_ids.h"

namespace selvio {
namespace {

constexpr int kPicture = 1000;
constexpr int kText = 1001;

}  // namespace

DialogTemplate AboutDialog::Template() const {
  DialogTemplate dialog;
  dialog.id = kTemplateId;
  dialog.title = QCoreApplication::translate("AboutDialog", "About Selvio");
  // The picture beside the text, "ОК" under the text's right end at its own width.
  dialog.controls = {
      {kPicture, ControlType::Picture, QStringLiteral(":/selvio/logo.png"), 0, 0},
      {kText, ControlType::Label,
       QCoreApplication::translate("AboutDialog",
                                   "Программа для подбора регуляторов температры, расхода и "
                                   "перепада давления. Версия 1.2"),
       0, 1, 2},
      {ids::kOk, ControlType::Button, QCoreApplication::translate("AboutDialog", "ОК"), 1, 2},
  };
  dialog.defaultButton = ids::kOk;
  return dialog;
}

}  // namespace selvio
