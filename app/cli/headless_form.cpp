#include "app/cli/headless_form.h"

#include "app/form/control_inventory.h"

namespace selvio {

HeadlessForm::HeadlessForm() {
  DefineFormControls(controls_);
  LoadGlycolTables(glycolTables_);
  catalogue_ = std::make_unique<Catalogue>();
  view_ = std::make_unique<CSelvioView>(controls_, *catalogue_, glycolTables_);
  view_->Initialise(false);
}

}  // namespace selvio
