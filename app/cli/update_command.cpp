#include "app/cli/update_command.h"

#include <QFileInfo>
#include <memory>

#include "app/cli/cli_files.h"
#include "app/cli/working_folder_option.h"
#include "app/dialogs/update_dialog.h"
#include "catalogue/catalogue_loader.h"
#include "platform/headless_controls.h"
#include "platform/working_files.h"
#include "update/update_settings.h"
#include "update/update_transfer.h"
#include "words/update_words.h"

namespace selvio {
namespace {

int RefuseUpdate(QTextStream& err, const QString& message) {
  err << message << '\n' << UpdateUsage();
  err.flush();
  return kUpdateRefusedStatus;
}

}  // namespace

QString UpdateUsage() {
  return QString::fromUtf8(
      "Использование: selvio-cli update [--dir ПАПКА]\n"
      "  Обновляет каталог в рабочей папке ПАПКА (по умолчанию текущей, если в ней есть\n"
      "  каталог, иначе папке пользователя) с FTP-сервера,\n"
      "  как кнопка \"Обновить\", с настройками из ПАПКА/update.dat.\n"
      "  Код выхода: 0 - каталог загружен, 1 - обновление не удалось,\n"
      "  2 - неверная командная строка, нет update.dat или он поврежден\n");
}

int RunUpdateCommand(const QStringList& arguments, QTextStream& out, QTextStream& err,
                     const FtpTimeouts& timeouts, const UpdateLimits& limits) {
  QString dirOption;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
      out << UpdateUsage();
      return kUpdateDoneStatus;
    }
    if (argument != QLatin1String("--dir")) {
      return RefuseUpdate(err, QString::fromUtf8("Неизвестный параметр: %1").arg(argument));
    }
    if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) {
      return RefuseUpdate(err, QString::fromUtf8("После --dir нужно имя папки"));
    }
    dirOption = arguments[++i];
  }
  // Without --dir, the folder the window works in: a scheduled update refreshes the user's
  // folder, never the installed data.
  const QString dir = CommandWorkingFolder(dirOption, err);
  if (const QString refusal = WorkingFolderRefusal(dir); !refusal.isEmpty()) {
    return RefuseUpdate(err, refusal);
  }
  const QString settingsPath =
      QDir(dir).filePath(working_files::Name(working_files::kUpdateSettings));
  if (!QFileInfo(settingsPath).isFile()) {
    return RefuseUpdate(
        err, QString::fromUtf8("Нет файла настроек обновления: %1").arg(Shown(settingsPath)));
  }
  const UpdateSettingsFile settings = ReadUpdateSettings(settingsPath);
  if (const QString problem = UpdateSettingsFileProblemText(settings); !problem.isEmpty())
    return RefuseUpdate(err, problem);
  CurrentFolderScope folder;
  if (!folder.Enter(dir)) {
    return RefuseUpdate(
        err, QString::fromUtf8("Не удалось перейти в рабочую папку: %1").arg(Shown(dir)));
  }

  // The catalogue in use, as the form loaded it at start; a folder without one has no date.
  const auto catalogue = std::make_unique<Catalogue>();
  LoadCatalogue(working_files::Name(working_files::kCatalogue), *catalogue);

  const UpdateTransferResult result = RunUpdateTransfer(settings.settings, timeouts, {}, limits);
  HeadlessControls messages;
  const bool done = FinishCatalogueUpdate(result, *catalogue, messages);
  for (const QString& message : messages.Messages()) out << message << '\n';
  out.flush();
  return done ? kUpdateDoneStatus : kUpdateFailedStatus;
}

}  // namespace selvio
