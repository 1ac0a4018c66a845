#pragma once

#include "platform/document_printer.h"

namespace selvio {

// The system's default printer through Qt Print Support, with that printer's defaults.
class QtDefaultPrinter : public DocumentPrinter {
 public:
  PrintOutcome PrintOnDefaultPrinter(const PagePainter& paint) override;
};

}  // namespace selvio
