#include "app/cli/headless_form.h"

#include "app/cli/working_data.h"
#include "app/form/control_inventory.h"

namespace selvio {

HeadlessForm::HeadlessForm() {
  DefineFormControls(controls_);
  LoadGlycolTables(glycolTables_);
  WorkingData data = LoadWorkingData();
  dataFailure_ = data.failure;
  catalogue_ = std::move(data.catalogue);
  view_ = std::make_unique<SelectionForm>(controls_, *catalogue_, glycolTables_);
  view_->InitialiseReadCatalogue(data.catalogueLoad, false);
}

}  // namespace selvio
