#pragma once

#include <QString>

namespace selvio {

// Why a data file was not loaded.
enum class LoadFailure {
  None,                    // loaded
  CatalogueNotParsed,      // missing, unreadable, not well-formed or nested too deep
  CatalogueTooLarge,       // larger than kCatalogueFileLimit: not parsed
  SaturationTableMissing,  // "Рнас.dat" cannot be opened
};

// Whether a data file was loaded, and why not when it was not. The loaders leave telling the
// user to the form, which words the failure (words/load_words.h).
struct LoadResult {
  LoadFailure failure = LoadFailure::None;
  QString fileName;  // CatalogueTooLarge: the file, as the loader was given it
  qint64 bytes = 0;  // CatalogueTooLarge: its size

  explicit operator bool() const { return failure == LoadFailure::None; }
};

}  // namespace selvio
