#pragma once

#include <QString>
#include <memory>

#include "app/files/glycol_tables.h"
#include "app/form/selection_form.h"
#include "catalogue/catalogue_records.h"
#include "platform/headless_controls.h"

namespace selvio {

// The selection form on headless controls, initialised in the current folder as the window
// would be at start.
class HeadlessForm {
 public:
  HeadlessForm();
  HeadlessForm(const HeadlessForm&) = delete;
  HeadlessForm& operator=(const HeadlessForm&) = delete;

  HeadlessControls& Controls() { return controls_; }
  SelectionForm& View() { return *view_; }
  // Why the folder's data cannot serve a command (WorkingData), empty when they can. The window
  // starts on whatever loaded; a command refuses to size on it.
  const QString& DataFailure() const { return dataFailure_; }

 private:
  HeadlessControls controls_;
  GlycolTables glycolTables_;
  std::unique_ptr<Catalogue> catalogue_;
  std::unique_ptr<SelectionForm> view_;
  QString dataFailure_;
};

}  // namespace selvio
