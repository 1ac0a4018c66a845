#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "app/form/selection_form.h"
#include "platform/headless_controls.h"

// Shared by the fuzz harnesses: each input goes through a file, as the program reads it, in a
// working folder of the process's own.
namespace selvio::fuzz {

// Writes the input to `name` in the working folder (entered on first use) and returns the
// file's path.
QString WriteInput(const QString& name, const std::uint8_t* data, std::size_t size);

// A selection form on headless controls, started once per process in the working folder with
// the form's test catalogue and tables, as selvio-cli starts it.
struct HeadlessForm {
  HeadlessControls controls;
  GlycolTables glycol;
  Catalogue& catalogue;
  SelectionForm view;

  explicit HeadlessForm(Catalogue& formCatalogue);
};
HeadlessForm& SharedForm();

// Aborts when one of the `panels` shows a number printed as "inf" or "nan".
void RequireFinitePanels(const HeadlessControls& controls, std::initializer_list<int> panels);

}  // namespace selvio::fuzz
