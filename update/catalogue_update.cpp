#include "update/catalogue_update.h"

#include "catalogue/catalogue_loader.h"
#include "platform/working_files.h"

namespace selvio {

CatalogueUpdateOutcome TakeUpdatedCatalogue(const UpdateTransferResult& result,
                                            Catalogue& catalogue) {
  if (result.status != UpdateTransferStatus::Applied) return {};
  const QString previousDate = catalogue.catalogueDate;
  if (result.catalogue) {
    catalogue = *result.catalogue;
  } else if (const LoadResult load =
                 LoadCatalogue(working_files::Name(working_files::kCatalogue), catalogue);
             !load) {
    return {CatalogueUpdateEnding::CatalogueNotLoaded, load};
  }
  const bool sameDate = catalogue.catalogueDate == previousDate;
  return {sameDate ? CatalogueUpdateEnding::NothingNew : CatalogueUpdateEnding::Updated, {}};
}

}  // namespace selvio
