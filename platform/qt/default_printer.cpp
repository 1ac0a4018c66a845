#include "platform/qt/default_printer.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace selvio {

PrintOutcome QtDefaultPrinter::PrintOnDefaultPrinter(const PagePainter& paint) {
  const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
  if (defaultPrinter.isNull()) return PrintOutcome::NoPrinter;
  QPrinter printer(defaultPrinter, QPrinter::HighResolution);
  if (!printer.isValid()) return PrintOutcome::NoPrinter;
  return paint(printer) ? PrintOutcome::Printed : PrintOutcome::Failed;
}

}  // namespace selvio
