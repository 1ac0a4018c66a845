#pragma once

#include <QString>

#include "catalogue/load_result.h"

namespace selvio {

// Why a data file was not loaded, for the user in the language in use; empty when it was.
QString LoadFailureText(const LoadResult& load);

}  // namespace selvio
