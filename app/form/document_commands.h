#pragma once

#include <QString>
#include <QTextDocument>
#include <memory>

#include "output/product_documents.h"
#include "platform/chart_description.h"
#include "platform/document_printer.h"
#include "platform/form_controls.h"
#include "platform/user_programs.h"

namespace selvio {

class SelectionForm;

// The buttons of the regulator and controller areas and the actuator's drawings: asks for the
// document at `path` (relative to the working directory) to be opened, then says when it does
// not exist.
void OpenProductDocument(const QString& path, UserPrograms& programs, FormControls& controls);

// The actuator's description: says first when it does not exist, and asks for it to be opened
// all the same.
void OpenActuatorDescription(const QString& path, UserPrograms& programs, FormControls& controls);

inline constexpr const char* kOdtMimeType = "application/vnd.oasis.opendocument.text";

// The form's buttons that hand the shown selection to the user's programs: "Экспорт в MS
// Word" (1100), "Печать" (1103), "Отправить e-mail" (1102) and the nine document buttons of
// the result areas. Until the window gives it the desktop's programs and printer it works on
// headless ones: nothing installed, no printer; until it is given a chart painter, the check's
// section of the document has no pictures.
class DocumentCommands {
 public:
  explicit DocumentCommands(SelectionForm& view) : view_(view) {}
  DocumentCommands(const DocumentCommands&) = delete;
  DocumentCommands& operator=(const DocumentCommands&) = delete;

  void SetDesktop(UserPrograms& programs, DocumentPrinter& printer) {
    programs_ = &programs;
    printer_ = &printer;
  }
  void SetChartPainter(ChartPainter& painter) { chartPainter_ = &painter; }
  void Bind(FormControls& controls);

  // The selection's document as export and print make it: the report, then the check of the
  // product shown with its pictures.
  std::unique_ptr<QTextDocument> BuildDocument() const;

  // Writes the report's document into a new folder of its own, which outlives this call, and
  // opens it in the user's word processor.
  void ExportToWord();
  // Keeps a copy of the document as "buff.odt" in the working directory and prints it on
  // the default printer with its defaults.
  void PrintReport();
  // Opens a new message in the user's mail program with the report as its body.
  void EmailReport();

  void OpenRegulatorDocument(DocumentKind kind);
  void OpenActuatorDocument(DocumentKind kind);
  void OpenControllerDocument(DocumentKind kind);

 private:
  SelectionForm& view_;
  HeadlessUserPrograms headlessPrograms_;
  HeadlessPrinter headlessPrinter_;
  UserPrograms* programs_ = &headlessPrograms_;
  DocumentPrinter* printer_ = &headlessPrinter_;
  ChartPainter* chartPainter_ = nullptr;
};

}  // namespace selvio
