#pragma once

#include <functional>

#include "catalogue/catalogue_records.h"
#include "platform/form_controls.h"
#include "platform/modal_dialog.h"
#include "update/update_settings.h"
#include "update/update_transfer.h"

namespace selvio {

namespace update_ids {
inline constexpr int kDialog = 132;
inline constexpr int kServer = 1112;
inline constexpr int kLogin = 1114;
inline constexpr int kPassword = 1117;
inline constexpr int kPath = 1120;
inline constexpr int kUpdate = 1072;
inline constexpr int kServerLabel = 1200;
inline constexpr int kLoginLabel = 1201;
inline constexpr int kPasswordLabel = 1202;
inline constexpr int kPathLabel = 1203;

// A dialog of our own; 133 is the density calculator.
inline constexpr int kProgressDialog = 150;
inline constexpr int kProgressFile = 1000;
inline constexpr int kProgressCount = 1001;
}  // namespace update_ids

// The progress window of one transfer: it runs the transfer as soon as it is shown, names the
// file downloading and counts the files done, and closes when the transfer ends. Its
// "Отмена" (2) stops the transfer at once.
class CUpdateProgressDlg : public ModalDialog {
 public:
  CUpdateProgressDlg(const UpdateSettings& settings, const FtpTimeouts& timeouts,
                     const UpdateLimits& limits = {})
      : settings_(settings), timeouts_(timeouts), limits_(limits) {
    result_.status = UpdateTransferStatus::Cancelled;  // until the transfer has run
  }

  DialogTemplate Template() const override;
  void Initialise(DialogControls& controls) override;
  void Shown(DialogControls& controls) override;

  const UpdateTransferResult& Result() const { return result_; }

 private:
  UpdateSettings settings_;
  FtpTimeouts timeouts_;
  UpdateLimits limits_;
  UpdateTransferResult result_;
  bool cancelled_ = false;
};

// "Обновление": the update settings with "Обновить" and "Закрыть". The settings are read from
// "update.dat" when the dialog is created; a file that cannot be used (ReadUpdateSettings)
// leaves the fields empty and is reported once the dialog is shown.
class UpdateDialog : public ModalDialog {
 public:
  // Called after an update has loaded the catalogue again.
  using ReloadHandler = std::function<void()>;

  UpdateDialog(Catalogue& catalogue, ReloadHandler onReload, const FtpTimeouts& timeouts = {},
               const UpdateLimits& limits = {});

  DialogTemplate Template() const override;
  void Initialise(DialogControls& controls) override;
  void Shown(DialogControls& controls) override;

  // "Обновить" (1072): saves the fields to "update.dat", runs the transfer in the progress
  // window and reports it; the dialog stays open. Fields that hold a line break or a NUL are
  // refused with a message: nothing is saved and no connection is made.
  void OnUpdate(DialogControls& controls);

  const UpdateSettings& Settings() const { return settings_; }

 private:
  Catalogue& catalogue_;
  ReloadHandler onReload_;
  FtpTimeouts timeouts_;
  UpdateLimits limits_;
  UpdateSettingsFile file_;
  UpdateSettings settings_;
};

// "Проверить обновление" (1111): runs the update dialog over `form`, then sets the caption from
// the catalogue in use, whether or not it changed.
void RunUpdateDialog(FormControls& form, Catalogue& catalogue,
                     UpdateDialog::ReloadHandler onReload);

// Ends an update as "Обновить" does: shows why a transfer failed, or takes the catalogue the
// transfer downloaded and checked (TakeUpdatedCatalogue) and shows whether the catalogue date
// changed ("Обновление не найдено" / "Обновление прошло успешно"), then how many listing
// entries were refused. True when the transfer applied and the catalogue loaded.
bool FinishCatalogueUpdate(const UpdateTransferResult& result, Catalogue& catalogue,
                           FormControls& messages);

}  // namespace selvio
