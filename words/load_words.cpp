#include "words/load_words.h"

#include <QCoreApplication>

#include "catalogue/catalogue_loader.h"

namespace selvio {

QString LoadFailureText(const LoadResult& load) {
  constexpr qint64 kMegabyte = 1024 * 1024;
  switch (load.failure) {
    case LoadFailure::None:
      break;
    case LoadFailure::CatalogueNotParsed:
      return QCoreApplication::translate("DataFiles",
                                         "Unable to load XML document into the parser");
    case LoadFailure::CatalogueTooLarge:
      return QCoreApplication::translate("DataFiles",
                                         "Файл каталога %1 слишком велик: %2 МБ, допускается не "
                                         "более %3 МБ. Каталог из него не загружен.")
          .arg(load.fileName, QString::number((load.bytes + kMegabyte - 1) / kMegabyte),
               QString::number(kCatalogueFileLimit / kMegabyte));
    case LoadFailure::SaturationTableMissing:
      return QCoreApplication::translate(
          "DataFiles", "Не хватает файла данных Рнас! Пожалуйста, переустановите программу.");
  }
  return {};
}

}  // namespace selvio
