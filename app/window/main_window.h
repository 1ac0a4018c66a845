#pragma once

#include <QMainWindow>
#include <future>
#include <memory>

#include "app/files/glycol_tables.h"
#include "app/form/selvio_view.h"
#include "catalogue/catalogue_loader.h"
#include "catalogue/catalogue_records.h"
#include "catalogue/load_result.h"
#include "platform/desktop/desktop_programs.h"
#include "platform/qt/default_printer.h"
#include "platform/qt/qt_controls.h"

class QScrollArea;

namespace selvio {

// The main window: no menu and no toolbar, the selection form in a scroll area as its only
// view. Enter and Esc that no control takes run "Выход"; the close box ends the program
// without saving the inputs. F9 and Ctrl+Enter press "Расчет", Ctrl+O "Открыть" and Ctrl+S
// "Сохранить как", as a click does. Every control is named for assistive technology by the
// caption it shows now.
class CMainFrame : public QMainWindow {
 public:
  CMainFrame();
  QtControls& Controls() { return *controls_; }
  QWidget* Form() { return form_; }
  // The size that shows the whole form, within the screen's free area.
  QSize FittedSize() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void NameControls();
  void AddShortcuts();

  QScrollArea* scrollArea_ = nullptr;
  QWidget* form_ = nullptr;
  std::unique_ptr<QtControls> controls_;
};

// The running program: the glycol tables and the catalogue, the main window, and the form's
// logic on its widgets. The logo opens the about box.
class SelvioProgram {
 public:
  // Loads the glycol tables from the working directory and builds the window; the catalogue
  // is read on a worker thread meanwhile.
  SelvioProgram();
  // The form's start-up (catalogue, settings file, caption), then the window is shown.
  void Start();

  CMainFrame& Window() { return window_; }
  CSelvioView& View() { return *view_; }

 private:
  // Started first, so the catalogue is read while the widgets are built; taken before the
  // form's logic exists, and nothing else touches the catalogue until then.
  std::future<CatalogueFile> catalogueRead_;
  GlycolTables glycolTables_;
  DesktopUserPrograms userPrograms_;
  QtDefaultPrinter printer_;
  std::unique_ptr<Catalogue> catalogue_;
  LoadResult catalogueLoad_;
  CMainFrame window_;
  std::unique_ptr<CSelvioView> view_;
};

}  // namespace selvio
