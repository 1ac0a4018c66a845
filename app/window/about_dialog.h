#pragma once

#include "platform/modal_dialog.h"

namespace selvio {

// The about box, dialog 100: the program's picture, its task and version, and "ОК".
class AboutDialog : public ModalDialog {
 public:
  static constexpr int kTemplateId = 100;
  DialogTemplate Template() const override;
  // Nothing to fill: "ОК" (id 1) and Esc close it.
  void Initialise(DialogControls& controls) override { (void)controls; }
};

}  // namespace selvio
