#include "output/catalogue_reload.h"

#include "catalogue/catalogue_loader.h"
#include "platform/headless_controls.h"

namespace selvio {

QString LoadCatalogueFailure(const QString& fileName, Catalogue& catalogue) {
  HeadlessControls failures;
  if (LoadCatalogue(fileName, catalogue, failures)) return {};
  return failures.Messages().value(0);
}

}  // namespace selvio
