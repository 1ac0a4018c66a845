#pragma once

#include <QString>

#include "catalogue/catalogue_records.h"
#include "catalogue/load_result.h"

namespace selvio {

// Reads the catalogue file `fileName` (an XML document in the encoding its declaration names)
// into `catalogue`. A successful load replaces the whole catalogue, controller and date
// included, as if it had been read into a new, empty one. A file that is missing, unreadable or
// not well-formed leaves `catalogue` as it was and fails with "Unable to load XML document into
// the parser".
LoadResult LoadCatalogue(const QString& fileName, Catalogue& catalogue);

}  // namespace selvio
