// Catalogue files: the loader over any bytes, then one calculation on what it loaded. The form
// and its catalogue are made once; a load that succeeds replaces the whole catalogue, so every
// input is calculated on its own records alone.
#include <cstddef>
#include <cstdint>

#include "app/form/control_ids.h"
#include "catalogue/catalogue_loader.h"
#include "fuzz/harness_support.h"

namespace selvio::fuzz {
namespace {

HeadlessForm& FormWithExampleSelection() {
  static HeadlessForm& form = []() -> HeadlessForm& {
    HeadlessForm& shared = SharedForm();
    shared.view.OpenSelectionFile(QStringLiteral(SELVIO_FUZZ_EXAMPLE_SELECTION));
    shared.controls.Click(ids::kElectric);
    return shared;
  }();
  return form;
}

// The input's length picks the product, so each kind meets every catalogue.
int ProductFor(std::size_t size) {
  constexpr int kProducts[] = {ids::kControlValve, ids::kDpRegulator, ids::kReducingValve};
  return kProducts[size % 3];
}

}  // namespace
}  // namespace selvio::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace selvio;
  fuzz::HeadlessForm& form = fuzz::FormWithExampleSelection();
  form.controls.ClearMessages();
  const QString path = fuzz::WriteInput(QStringLiteral("fuzzed.xml"), data, size);
  if (!LoadCatalogue(path, form.catalogue)) return 0;
  form.controls.Click(fuzz::ProductFor(size));
  form.controls.Click(ids::kCalculate);
  fuzz::RequireFinitePanels(form.controls, {ids::kCalculatedData});
  return 0;
}
