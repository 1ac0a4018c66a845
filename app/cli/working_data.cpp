#include "app/cli/working_data.h"

#include <QDir>
#include <QStringList>

#include "catalogue/catalogue_loader.h"
#include "engine/fluid_tables.h"
#include "platform/working_files.h"
#include "words/load_words.h"

namespace selvio {
namespace {

// A failure and the file it is about.
const char* const kFailureInFile = "%1 (%2)";
const char* const kNoProducts = "Каталог не содержит ни клапанов, ни регуляторов";

QString InFile(const QString& failure, const char* file) {
  return QString::fromUtf8(kFailureInFile)
      .arg(failure,
           QDir::toNativeSeparators(QDir::current().absoluteFilePath(working_files::Name(file))));
}

}  // namespace

WorkingData LoadWorkingData() {
  WorkingData data;
  QStringList failures;
  data.catalogueLoad =
      LoadCatalogue(working_files::Name(working_files::kCatalogue), *data.catalogue);
  if (!data.catalogueLoad) {
    failures << InFile(LoadFailureText(data.catalogueLoad), working_files::kCatalogue);
  } else if (data.catalogue->valves.count == 0 && data.catalogue->dpRegulators.count == 0 &&
             data.catalogue->reducingValves.count == 0) {
    failures << InFile(QString::fromUtf8(kNoProducts), working_files::kCatalogue);
  }
  if (const LoadResult load = LoadSaturationTable(data.saturation); !load) {
    failures << InFile(LoadFailureText(load), working_files::kSaturationTable);
  }
  data.failure = failures.join(QLatin1Char('\n'));
  return data;
}

QStringList WorkingDataFiles(const QString& dir) {
  QStringList paths;
  for (const char* name :
       {working_files::kCatalogue, working_files::kSaturationTable,
        working_files::kEthyleneGlycolTable, working_files::kPropyleneGlycolTable}) {
    paths << QDir(dir).absoluteFilePath(working_files::Name(name));
  }
  return paths;
}

}  // namespace selvio
