#pragma once

#include <QString>
#include <vector>

#include "catalogue/catalogue_records.h"
#include "update/catalogue_update.h"
#include "update/update_settings.h"
#include "update/update_transfer.h"

namespace selvio {

// The words of the catalogue update, in the language in use.

// The main window's caption for the catalogue in use: "Подбор клапана. База от <date>".
QString CatalogueCaption(const Catalogue& catalogue);

// Why typed settings may be neither saved nor sent: the field that holds a line end.
QString UpdateSettingsProblemText(UpdateSettingsField field);

// Why a settings file cannot be used; empty when it can.
QString UpdateSettingsFileProblemText(const UpdateSettingsFile& file);

// Why a transfer did not apply; empty when it did.
QString UpdateTransferFailureText(const UpdateTransferResult& result);

// What the end of an update shows, in order: why it failed, or whether a new catalogue came,
// then how many listing entries were skipped for their names.
std::vector<QString> CatalogueUpdateMessages(const UpdateTransferResult& result,
                                             const CatalogueUpdateOutcome& outcome);

}  // namespace selvio
