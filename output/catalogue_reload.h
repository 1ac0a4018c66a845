#pragma once

#include <QString>

#include "catalogue/catalogue_records.h"

namespace selvio {

// Loads `fileName` into `catalogue` as LoadCatalogue does; the loader's failure text, or empty
// when the file loaded. The update reads catalogues only through here, so its callers decide
// where a failure is shown.
QString LoadCatalogueFailure(const QString& fileName, Catalogue& catalogue);

}  // namespace selvio
