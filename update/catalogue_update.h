#pragma once

#include <QString>

#include "catalogue/catalogue_records.h"
#include "platform/form_controls.h"
#include "update/update_transfer.h"

namespace selvio {

// The main window's caption for the catalogue in use.
QString CatalogueCaption(const Catalogue& catalogue);

// The message for a transfer that did not apply; empty for one that did.
QString UpdateTransferFailureMessage(const UpdateTransferResult& result);

// Ends an update as "Обновить" does: shows why a transfer failed, or takes the catalogue the
// transfer downloaded and checked (loading "xmldata.xml" again when the server sent none) and
// shows whether the catalogue date changed ("Обновление не найдено" / "Обновление прошло
// успешно"), then how many listing entries were refused. True when the transfer applied and
// the catalogue loaded.
bool FinishCatalogueUpdate(const UpdateTransferResult& result, Catalogue& catalogue,
                           FormControls& messages);

}  // namespace selvio
