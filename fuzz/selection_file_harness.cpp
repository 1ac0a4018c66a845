// Selection files: "Открыть" over any bytes (the file read over the settings record, the form
// set from it), then "Расчет". Each input is read over the defaults, as a first start has them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "app/form/control_ids.h"
#include "fuzz/harness_support.h"

namespace selvio::fuzz {
namespace {

const QString& DefaultsFile() {
  static const QString path = [] {
    const QString defaults = WriteInput(QStringLiteral("defaults.crp"), nullptr, 0);
    if (!WriteSelectionFile(defaults, DefaultSettingsRecord())) std::abort();
    return defaults;
  }();
  return path;
}

}  // namespace
}  // namespace selvio::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace selvio;
  fuzz::HeadlessForm& form = fuzz::SharedForm();
  form.view.OpenSelectionFile(fuzz::DefaultsFile());
  form.controls.ClearMessages();
  const QString path = fuzz::WriteInput(QStringLiteral("fuzzed.crp"), data, size);
  if (!form.view.OpenSelectionFile(path)) return 0;
  form.controls.Click(ids::kCalculate);
  fuzz::RequireFinitePanels(form.controls, {ids::kRegulatorValues, ids::kCalculatedData});
  return 0;
}
