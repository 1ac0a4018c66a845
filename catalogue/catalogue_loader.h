#pragma once

#include <QString>
#include <memory>

#include "catalogue/catalogue_records.h"
#include "catalogue/load_result.h"

namespace selvio {

// The largest catalogue file read. The parsed document takes about 13 times the file's size in
// memory; a catalogue that fills every container (1024 records of each kind, every valve with
// 100 links of each kind) laid out as the bundled file is takes 60 MB in UTF-8 and 79 MB in
// UTF-16, so a larger file holds more than the containers can take.
inline constexpr qint64 kCatalogueFileLimit = qint64{96} * 1024 * 1024;

// The deepest element nesting read. The format needs five levels ("xmldata", a product, a
// variant, a link, its name); the parser's time and stack grow with the depth, and a file of
// 200 000 levels would overflow the stack.
inline constexpr int kCatalogueDepthLimit = 32;

// Reads the catalogue file `fileName` (an XML document in the encoding its declaration names)
// into `catalogue`. A successful load replaces the whole catalogue, controller and date
// included, as if it had been read into a new, empty one. A file that is missing, unreadable or
// not well-formed, or nests elements deeper than kCatalogueDepthLimit, leaves `catalogue` as it
// was and fails with CatalogueNotParsed ("Unable to load XML document into the parser"); so does
// a file larger than kCatalogueFileLimit, with CatalogueTooLarge, before it is parsed.
LoadResult LoadCatalogue(const QString& fileName, Catalogue& catalogue);

// A catalogue file read into a catalogue of its own: `catalogue` is null when `load` failed.
struct CatalogueFile {
  std::unique_ptr<Catalogue> catalogue;
  LoadResult load;
};

// Reads `fileName` as LoadCatalogue does, into a new catalogue. A catalogue takes about 15 MB
// at full capacity: this one is the only one allocated.
CatalogueFile ReadCatalogueFile(const QString& fileName);

}  // namespace selvio
