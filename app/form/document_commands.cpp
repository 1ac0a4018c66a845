#include "app/form/document_commands.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cerrno>

#include "app/files/file_messages.h"
#include "app/form/control_ids.h"
#include "app/form/selection_form.h"
#include "output/check_document.h"
#include "output/report_document.h"
#include "output/report_mail.h"
#include "platform/working_files.h"

namespace selvio {
namespace {

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

// Whether a program took the file is not examined: the existence check alone speaks.
void Open(const QString& path, UserPrograms& programs) {
  programs.OpenFile(QDir::current().absoluteFilePath(path));
}

}  // namespace

void OpenProductDocument(const QString& path, UserPrograms& programs, FormControls& controls) {
  Open(path, programs);
  if (!DocumentExists(path))
    controls.ShowMessage(QCoreApplication::translate("ProductDocuments", kDocumentMissingMessage));
}

void OpenActuatorDescription(const QString& path, UserPrograms& programs, FormControls& controls) {
  if (!DocumentExists(path))
    controls.ShowMessage(
        QCoreApplication::translate("ProductDocuments", kActuatorDescriptionMissingMessage));
  Open(path, programs);
}

void DocumentCommands::Bind(FormControls& controls) {
  controls.Bind(ids::kExportWord, [this] { ExportToWord(); });
  controls.Bind(ids::kPrint, [this] { PrintReport(); });
  controls.Bind(ids::kSendMail, [this] { EmailReport(); });
  const struct {
    DocumentKind kind;
    int regulator;
    int actuator;
    int controller;
  } buttons[] = {
      {DocumentKind::Description, ids::kRegulatorDescription, ids::kActuatorDescription,
       ids::kControllerDescription},
      {DocumentKind::Drawing2d, ids::kRegulatorDrawing2d, ids::kActuatorDrawing2d,
       ids::kControllerDrawing2d},
      {DocumentKind::Drawing3d, ids::kRegulatorDrawing3d, ids::kActuatorDrawing3d,
       ids::kControllerDrawing3d},
  };
  for (const auto& b : buttons) {
    const DocumentKind kind = b.kind;
    controls.Bind(b.regulator, [this, kind] { OpenRegulatorDocument(kind); });
    controls.Bind(b.actuator, [this, kind] { OpenActuatorDocument(kind); });
    controls.Bind(b.controller, [this, kind] { OpenControllerDocument(kind); });
  }
}

std::unique_ptr<QTextDocument> DocumentCommands::BuildDocument() const {
  return BuildReportDocument(view_.Report(), QDateTime::currentDateTime(),
                             CheckAppendix(view_.Result().check, chartPainter_));
}

void DocumentCommands::ExportToWord() {
  FormControls& controls = view_.Controls();
  const auto document = BuildDocument();
  // The word processor reads the file after this handler has returned, so the folder stays.
  QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/selvio-XXXXXX"));
  folder.setAutoRemove(false);
  const QString path =
      folder.filePath(QCoreApplication::translate("FormDocuments", "Подбор клапана.odt"));
  const WriteResult written = folder.isValid() ? WriteOdt(*document, path, LinkPolicy::ReplaceLink)
                                               : WriteResult{WriteError::NotCreated, errno, false};
  if (!written) {
    controls.ShowMessage(
        QCoreApplication::translate("FormDocuments",
                                    "Не удалось записать документ во временную папку %1 (%2).")
            .arg(QDir::toNativeSeparators(QDir::tempPath()), WriteFailureReason(written)));
    return;
  }
  if (!programs_->HasHandlerForType(Text(kOdtMimeType)) || !programs_->OpenFile(path)) {
    controls.ShowMessage(QCoreApplication::translate(
                             "FormDocuments",
                             "Не найден текстовый редактор для документов OpenDocument (.odt). "
                             "Документ сохранен в файле %1.")
                             .arg(QDir::toNativeSeparators(path)));
  }
}

void DocumentCommands::PrintReport() {
  FormControls& controls = view_.Controls();
  const auto document = BuildDocument();
  // The copy is written before printing so that it is there even when nothing prints.
  const QString copy =
      QDir::current().absoluteFilePath(working_files::Name(working_files::kPrintCopy));
  // A file of the working folder: a link in its place is replaced, not written through.
  const WriteResult copied = WriteOdt(*document, copy, LinkPolicy::ReplaceLink);
  if (!copied) {
    controls.ShowMessage(
        QCoreApplication::translate("FormDocuments",
                                    "Не удалось сохранить копию документа в файле %1 (%2).")
            .arg(QDir::toNativeSeparators(copy), WriteFailureReason(copied)));
  }
  const PrintOutcome outcome = printer_->PrintOnDefaultPrinter(
      [&document](QPagedPaintDevice& printer) { return PaintDocumentPages(*document, printer); });
  if (outcome == PrintOutcome::Printed) return;
  const QString shownCopy = QDir::toNativeSeparators(copy);
  if (outcome == PrintOutcome::NoPrinter) {
    controls.ShowMessage(
        copied ? QCoreApplication::translate("FormDocuments",
                                             "Принтер по умолчанию не найден. Документ не "
                                             "напечатан. Его копия сохранена в файле %1.")
                     .arg(shownCopy)
               : QCoreApplication::translate(
                     "FormDocuments", "Принтер по умолчанию не найден. Документ не напечатан."));
  } else {
    controls.ShowMessage(
        copied
            ? QCoreApplication::translate("FormDocuments",
                                          "Не удалось напечатать документ. Его копия сохранена в "
                                          "файле %1.")
                  .arg(shownCopy)
            : QCoreApplication::translate("FormDocuments", "Не удалось напечатать документ."));
  }
}

void DocumentCommands::EmailReport() {
  if (!programs_->HasHandlerForScheme(QStringLiteral("mailto")) ||
      !programs_->OpenUrl(ReportMailUrl(view_.Report()))) {
    view_.Controls().ShowMessage(
        QCoreApplication::translate("FormDocuments",
                                    "Не найдена почтовая программа. Выберите почтовую программу "
                                    "по умолчанию в настройках системы."));
  }
}

void DocumentCommands::OpenRegulatorDocument(DocumentKind kind) {
  for (const ProductDocumentFiles& files : RegulatorAreaDocuments(view_.Result())) {
    OpenProductDocument(DocumentPath(kind, files), *programs_, view_.Controls());
  }
}

void DocumentCommands::OpenActuatorDocument(DocumentKind kind) {
  const std::optional<ProductDocumentFiles> files =
      ActuatorAreaDocuments(view_.Result(), view_.Request().actuator.spiralElement);
  if (!files) return;
  const QString path = DocumentPath(kind, *files);
  if (kind == DocumentKind::Description) {
    OpenActuatorDescription(path, *programs_, view_.Controls());
  } else {
    OpenProductDocument(path, *programs_, view_.Controls());
  }
}

void DocumentCommands::OpenControllerDocument(DocumentKind kind) {
  OpenProductDocument(DocumentPath(kind, ControllerDocuments(view_.CatalogueData().controller)),
                      *programs_, view_.Controls());
}

}  // namespace selvio
