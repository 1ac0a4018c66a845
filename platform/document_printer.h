#pragma once

#include <functional>

class QPagedPaintDevice;

namespace selvio {

enum class PrintOutcome { Printed, NoPrinter, Failed };

// The system's default printer.
class DocumentPrinter {
 public:
  // Paints the pages on the printer; false when painting failed.
  using PagePainter = std::function<bool(QPagedPaintDevice& printer)>;

  virtual ~DocumentPrinter() = default;
  // Runs `paint` on the default printer with that printer's own settings.
  virtual PrintOutcome PrintOnDefaultPrinter(const PagePainter& paint) = 0;
};

// A printer stand-in for tests and the command line: reports the outcome it is set to
// (no printer at first) and counts the requests, painting nothing.
class HeadlessPrinter : public DocumentPrinter {
 public:
  PrintOutcome PrintOnDefaultPrinter(const PagePainter&) override {
    ++requests_;
    return outcome_;
  }

  void SetOutcome(PrintOutcome outcome) { outcome_ = outcome; }
  int Requests() const { return requests_; }

 private:
  PrintOutcome outcome_ = PrintOutcome::NoPrinter;
  int requests_ = 0;
};

}  // namespace selvio
