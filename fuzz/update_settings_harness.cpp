// "update.dat" over any bytes: each field within its capacity, and the settings written back
// and read again unchanged, as the update dialog does with them.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/harness_support.h"
#include "platform/working_files.h"
#include "update/update_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace selvio;
  const QString path =
      fuzz::WriteInput(working_files::Name(working_files::kUpdateSettings), data, size);
  const UpdateSettings read = LoadUpdateSettings(path);
  for (const QString* field : {&read.server, &read.login, &read.password, &read.path}) {
    if (field->size() > kUpdateFieldCapacity) std::abort();
  }
  if (!SaveUpdateSettings(path, read)) std::abort();
  if (LoadUpdateSettings(path) != read) {
    std::fprintf(stderr, "written back, the settings read differently\n");
    std::abort();
  }
  return 0;
}
