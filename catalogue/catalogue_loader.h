#pragma once

#include "catalogue/catalogue_records.h"
#include "platform/form_controls.h"

#include <QString>

namespace selvio {

// Reads the catalogue file `fileName` (an XML document in the encoding its declaration names)
// into `catalogue`. A successful load replaces the whole catalogue, controller and date
// included, as if it had been read into a new, empty one. A file that is missing, unreadable or
// not well-formed shows "Unable to load XML document into the parser", leaves `catalogue` as it
// was and returns false.
bool LoadCatalogue(const QString& fileName, Catalogue& catalogue, FormControls& controls);

}  // namespace selvio
