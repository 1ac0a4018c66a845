#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "catalogue/catalogue_records.h"
#include "catalogue/load_result.h"
#include "engine/saturation_table.h"

namespace selvio {

// The data files of the working folder (the current folder) that a command sizes with.
struct WorkingData {
  std::unique_ptr<Catalogue> catalogue = std::make_unique<Catalogue>();
  LoadResult catalogueLoad;
  SaturationTable saturation;
  // Why the data cannot serve, a line for each file, naming it: the catalogue did not load or
  // holds neither a valve nor a regulator, the saturated-vapour table did not load. Empty when
  // they serve.
  // Sizing without them would report every point as "nothing found" or size it without its
  // saturation pressure, which is no answer a command may give as a success.
  QString failure;
};

// Reads the saturated-vapour table and the catalogue of the current folder.
WorkingData LoadWorkingData();

// The data files a command reads in the working folder `dir` (the catalogue, the saturated-vapour
// and the glycol tables), as paths: inputs that no output of the command may replace.
QStringList WorkingDataFiles(const QString& dir);

}  // namespace selvio
