#pragma once

#include <QMainWindow>
#include <functional>
#include <future>
#include <memory>

#include "app/files/glycol_tables.h"
#include "app/form/selection_form.h"
#include "app/project/project_model.h"
#include "catalogue/catalogue_loader.h"
#include "catalogue/catalogue_records.h"
#include "catalogue/load_result.h"
#include "platform/desktop/desktop_programs.h"
#include "platform/qt/default_printer.h"
#include "platform/qt/qt_chart.h"
#include "platform/qt/qt_controls.h"

class QComboBox;
class QScrollArea;

namespace selvio {

class CheckWindow;
class ProjectWindow;

// The main window: no menu and no toolbar, the selection form in a scroll area as its only
// view. Enter and Esc that no control takes run "Выход"; the close box ends the program
// without saving the inputs; either first asks the close guard, which may keep the window
// open. F9 and Ctrl+Enter press "Расчет", Ctrl+O "Открыть" and Ctrl+S
// "Сохранить как", as a click does. Every control is named for assistive technology by the
// caption it shows now. Under the command strip's buttons the user chooses the window's
// language for the next start.
class MainWindow : public QMainWindow {
 public:
  MainWindow();
  QtControls& Controls() { return *controls_; }
  QWidget* Form() { return form_; }
  // The list of the window's languages.
  QComboBox* LanguageList() { return languageList_; }
  // The size that shows the whole form, within the screen's free area.
  QSize FittedSize() const;
  // Asked before the window closes; false keeps it open.
  void SetCloseGuard(std::function<bool()> guard) { closeGuard_ = std::move(guard); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void NameControls();
  void AddShortcuts();

  QScrollArea* scrollArea_ = nullptr;
  QWidget* form_ = nullptr;
  std::unique_ptr<QtControls> controls_;
  QComboBox* languageList_ = nullptr;
  std::function<bool()> closeGuard_;
};

// The running program: the glycol tables and the catalogue, the main window, and the form's
// logic on its widgets. The logo opens the about box; "Проверка" the check window, which then
// follows the form's results until it is closed; "Проект" the project window, whose unsaved
// changes the program asks about before it ends, and which offers a re-check after an update.
class SelvioProgram {
 public:
  // Loads the glycol tables from the working directory and builds the window; the catalogue
  // is read on a worker thread meanwhile.
  SelvioProgram();
  // The form's start-up (catalogue, settings file, caption), then the window is shown.
  void Start();

  MainWindow& Window() { return window_; }
  SelectionForm& View() { return *view_; }
  // The check window, once "Проверка" has opened it; nullptr before.
  CheckWindow* CheckView() { return checkWindow_; }
  ProjectModel& OpenProject() { return project_; }
  // The project window, built at the first "Проект".
  ProjectWindow& ProjectView();

 private:
  // Started first, so the catalogue is read while the widgets are built; taken before the
  // form's logic exists, and nothing else touches the catalogue until then.
  std::future<CatalogueFile> catalogueRead_;
  GlycolTables glycolTables_;
  DesktopUserPrograms userPrograms_;
  QtDefaultPrinter printer_;
  QtChartPainter chartPainter_;
  std::unique_ptr<Catalogue> catalogue_;
  LoadResult catalogueLoad_;
  MainWindow window_;
  std::unique_ptr<SelectionForm> view_;
  ProjectModel project_;
  CheckWindow* checkWindow_ = nullptr;      // a child of window_
  ProjectWindow* projectWindow_ = nullptr;  // a child of window_
};

}  // namespace selvio
