#pragma once

#include "catalogue/catalogue_records.h"
#include "catalogue/load_result.h"
#include "update/update_transfer.h"

namespace selvio {

// How an update ended for the catalogue in use.
enum class CatalogueUpdateEnding {
  TransferFailed,      // the transfer did not apply (UpdateTransferResult::status says why)
  CatalogueNotLoaded,  // it applied, but the working folder's catalogue did not load
  NothingNew,          // the catalogue's date is the one it had
  Updated,             // the catalogue's date changed
};

struct CatalogueUpdateOutcome {
  CatalogueUpdateEnding ending = CatalogueUpdateEnding::TransferFailed;
  LoadResult load;  // CatalogueNotLoaded: why

  // The transfer applied and the catalogue loaded.
  bool Done() const {
    return ending == CatalogueUpdateEnding::NothingNew || ending == CatalogueUpdateEnding::Updated;
  }
};

// Ends an update as "Обновить" does, without the words: takes the catalogue the transfer
// downloaded and checked (loading "xmldata.xml" again when the server sent none) and tells
// whether the catalogue date changed. A transfer that did not apply leaves `catalogue` as it is.
CatalogueUpdateOutcome TakeUpdatedCatalogue(const UpdateTransferResult& result,
                                            Catalogue& catalogue);

}  // namespace selvio
