#include "app/dialogs/update_dialog.h"

#include <QCoreApplication>

#include "app/form/control_ids.h"
#include "platform/working_files.h"
#include "update/catalogue_update.h"
#include "words/update_words.h"

namespace selvio {

DialogTemplate CUpdateProgressDlg::Template() const {
  using namespace update_ids;
  return {kProgressDialog,
          QCoreApplication::translate("UpdateDialog", "Обновление"),
          {{kProgressFile, ControlType::Label,
            QCoreApplication::translate("UpdateDialog", "Соединение с сервером..."), 0, 0, 2},
           {kProgressCount, ControlType::Label, QString(), 1, 0, 2},
           {ids::kCancel, ControlType::Button,
            QCoreApplication::translate("UpdateDialog", "Отмена"), 2, 1}},
          ids::kCancel};
}

void CUpdateProgressDlg::Initialise(DialogControls& controls) {
  controls.Bind(ids::kCancel, [this] { cancelled_ = true; });
}

void CUpdateProgressDlg::Shown(DialogControls& controls) {
  UpdateProgress shown;
  const auto observe = [this, &controls, &shown](const UpdateProgress& progress) {
    if (progress.file != shown.file || progress.done != shown.done) {
      shown = progress;
      controls.SetText(
          update_ids::kProgressFile,
          QCoreApplication::translate("UpdateDialog", "Загрузка файла: %1").arg(progress.file));
      controls.SetText(update_ids::kProgressCount,
                       QCoreApplication::translate("UpdateDialog", "Загружено файлов: %1 из %2")
                           .arg(QString::number(progress.done), QString::number(progress.total)));
    }
    controls.ProcessEvents();
    return !cancelled_;
  };
  result_ = RunUpdateTransfer(settings_, timeouts_, observe, limits_);
  controls.EndDialog(result_.status == UpdateTransferStatus::Applied);
}

UpdateDialog::UpdateDialog(Catalogue& catalogue, ReloadHandler onReload,
                           const FtpTimeouts& timeouts, const UpdateLimits& limits)
    : catalogue_(catalogue),
      onReload_(std::move(onReload)),
      timeouts_(timeouts),
      limits_(limits),
      file_(ReadUpdateSettings(working_files::Name(working_files::kUpdateSettings))),
      settings_(file_.settings) {}

DialogTemplate UpdateDialog::Template() const {
  using namespace update_ids;
  return {
      kDialog,
      QCoreApplication::translate("UpdateDialog", "Обновление"),
      {{kServerLabel, ControlType::Label, QCoreApplication::translate("UpdateDialog", "Сервер:"), 0,
        0},
       {kServer, ControlType::Edit, QString(), 0, 1, 2},
       {kLoginLabel, ControlType::Label, QCoreApplication::translate("UpdateDialog", "Логин:"), 1,
        0},
       {kLogin, ControlType::Edit, QString(), 1, 1, 2},
       {kPasswordLabel, ControlType::Label, QCoreApplication::translate("UpdateDialog", "Пароль:"),
        2, 0},
       {kPassword, ControlType::Edit, QString(), 2, 1, 2},
       {kPathLabel, ControlType::Label, QCoreApplication::translate("UpdateDialog", "Путь:"), 3, 0},
       {kPath, ControlType::Edit, QString(), 3, 1, 2},
       {kUpdate, ControlType::Button, QCoreApplication::translate("UpdateDialog", "Обновить"), 4,
        1},
       {ids::kOk, ControlType::Button, QCoreApplication::translate("UpdateDialog", "Закрыть"), 4,
        2}},
      ids::kOk};
}

void UpdateDialog::Initialise(DialogControls& controls) {
  using namespace update_ids;
  controls.SetText(kServer, settings_.server);
  controls.SetText(kLogin, settings_.login);
  controls.SetText(kPassword, settings_.password);
  controls.SetText(kPath, settings_.path);
  controls.Bind(kUpdate, [this, &controls] { OnUpdate(controls); });
}

void UpdateDialog::Shown(DialogControls& controls) {
  if (const QString problem = UpdateSettingsFileProblemText(file_); !problem.isEmpty())
    controls.ShowMessage(problem);
}

void UpdateDialog::OnUpdate(DialogControls& controls) {
  using namespace update_ids;
  const UpdateSettings typed = {
      UpdateFieldText(controls.Text(kServer)), UpdateFieldText(controls.Text(kLogin)),
      UpdateFieldText(controls.Text(kPassword)), UpdateFieldText(controls.Text(kPath))};
  if (const std::optional<UpdateSettingsField> field = UpdateSettingsProblem(typed)) {
    controls.ShowMessage(UpdateSettingsProblemText(*field));
    return;
  }
  settings_ = typed;
  SaveUpdateSettings(working_files::Name(working_files::kUpdateSettings), settings_);
  CUpdateProgressDlg progress(settings_, timeouts_, limits_);
  controls.RunModalDialog(progress);
  if (FinishCatalogueUpdate(progress.Result(), catalogue_, controls) && onReload_) onReload_();
}

void RunUpdateDialog(FormControls& form, Catalogue& catalogue,
                     UpdateDialog::ReloadHandler onReload) {
  UpdateDialog dialog(catalogue, std::move(onReload));
  form.RunModalDialog(dialog);
  form.SetCaption(CatalogueCaption(catalogue));
}

bool FinishCatalogueUpdate(const UpdateTransferResult& result, Catalogue& catalogue,
                           FormControls& messages) {
  const CatalogueUpdateOutcome outcome = TakeUpdatedCatalogue(result, catalogue);
  for (const QString& message : CatalogueUpdateMessages(result, outcome))
    messages.ShowMessage(message);
  return outcome.Done();
}

}  // namespace selvio
