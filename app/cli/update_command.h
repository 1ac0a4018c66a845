#pragma once

#include <QStringList>
#include <QTextStream>

#include "platform/ftp_session.h"
#include "update/update_transfer.h"

namespace selvio {

// Exit statuses of "selvio-cli update": the transfer applied and the catalogue loaded (new or
// not), the update failed, or the command line or "update.dat" is missing or wrong.
inline constexpr int kUpdateDoneStatus = 0;
inline constexpr int kUpdateFailedStatus = 1;
inline constexpr int kUpdateRefusedStatus = 2;

QString UpdateUsage();

// "selvio-cli update [--dir DIR]": the update "Обновить" runs, for the working folder DIR
// (default: the current one) with the settings of DIR/update.dat, which is only read. The
// messages the dialog would show go to `out`, one per line; refusals (a missing or broken
// update.dat among them) go to `err`. The process's current folder is restored before
// returning.
int RunUpdateCommand(const QStringList& arguments, QTextStream& out, QTextStream& err,
                     const FtpTimeouts& timeouts = {}, const UpdateLimits& limits = {});

}  // namespace selvio
