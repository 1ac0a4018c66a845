#include "app/window/main_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <algorithm>

#include "app/form/control_ids.h"
#include "app/window/about_dialog.h"
#include "app/window/accessible_names.h"
#include "app/window/check_window.h"
#include "app/window/form_widgets.h"
#include "app/window/language_choice.h"
#include "app/window/project_window.h"
#include "platform/qt/qt_dialog_host.h"
#include "platform/working_files.h"

// The pictures are compiled into this static library; nothing would reference them otherwise.
static void InitialisePictures() { Q_INIT_RESOURCE(selvio); }

namespace selvio {

MainWindow::MainWindow() {
  InitialisePictures();
  setWindowTitle(QStringLiteral("Selvio"));
  setWindowIcon(QIcon(QStringLiteral(":/selvio/logo.png")));
  scrollArea_ = new QScrollArea(this);
  scrollArea_->setWidgetResizable(true);
  scrollArea_->setFrameShape(QFrame::NoFrame);
  form_ = new QWidget;
  form_->setObjectName(QStringLiteral("form"));
  controls_ = std::make_unique<QtControls>(form_);
  controls_->SetDialogRunner(RunQtDialog);
  QGridLayout* commands = BuildFormWidgets(form_, *controls_);
  languageList_ = AddLanguageChoice(commands, kWindowCommandRow,
                                    [this](const QString& text) { controls_->ShowMessage(text); });
  NameControls();
  // The medium rules change the caption of the pressure drop: its edit is renamed with it.
  controls_->SetTextObserver([this](int id) {
    if (NamesFollowLabel(id)) NameControls();
  });
  AddShortcuts();
  scrollArea_->setWidget(form_);
  setCentralWidget(scrollArea_);
}

void MainWindow::NameControls() {
  const std::map<int, QString> names =
      FormAccessibleNames([this](int id) { return controls_->Text(id); });
  for (const auto& [id, name] : names) {
    QWidget* widget = controls_->Widget(id);
    if (!widget || widget->accessibleName() == name) continue;
    widget->setAccessibleName(name);
    // A drop-down list is announced by its current entry: the description tells which it is.
    if (qobject_cast<QComboBox*>(widget)) widget->setAccessibleDescription(name);
  }
}

void MainWindow::AddShortcuts() {
  const struct {
    QKeySequence keys;
    int id;
  } shortcuts[] = {
      {QKeySequence(Qt::Key_F9), ids::kCalculate},
      {QKeySequence(Qt::CTRL | Qt::Key_Return), ids::kCalculate},
      {QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Enter), ids::kCalculate},
      {QKeySequence(Qt::CTRL | Qt::Key_O), ids::kOpen},
      {QKeySequence(Qt::CTRL | Qt::Key_S), ids::kSaveAs},
  };
  for (const auto& shortcut : shortcuts) {
    const int id = shortcut.id;
    auto* key = new QShortcut(shortcut.keys, this);
    QObject::connect(key, &QShortcut::activated, this, [this, id] { controls_->Activate(id); });
  }
  controls_->Widget(ids::kCalculate)
      ->setToolTip(QCoreApplication::translate("MainWindow", "Расчет (F9, Ctrl+Enter)"));
  controls_->Widget(ids::kOpen)
      ->setToolTip(QCoreApplication::translate("MainWindow", "Открыть (Ctrl+O)"));
  controls_->Widget(ids::kSaveAs)
      ->setToolTip(QCoreApplication::translate("MainWindow", "Сохранить как (Ctrl+S)"));
}

QSize MainWindow::FittedSize() const {
  const QSize form = form_->sizeHint();
  QSize free(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  if (const QScreen* screen = this->screen()) {
    const int frameWidth = frameGeometry().width() - geometry().width();
    const int frameHeight = frameGeometry().height() - geometry().height();
    free = screen->availableGeometry().size() - QSize(frameWidth, frameHeight);
  }
  // Captions that wrap make the form taller at a narrower width. The height is taken for the
  // width a scroll bar would leave, so the scroll area never finds the form a little too tall
  // for its width; a scroll bar takes room only when the form is taller than the screen.
  const int scrollBar = scrollArea_->verticalScrollBar()->sizeHint().width();
  const int width = std::min(form.width(), free.width());
  const int height = form_->hasHeightForWidth()
                         ? std::max(form.height(), form_->heightForWidth(width - scrollBar))
                         : form.height();
  return QSize(width + (height > free.height() ? scrollBar : 0), height).boundedTo(free);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (closeGuard_ && !closeGuard_()) {
    event->ignore();
    return;
  }
  QMainWindow::closeEvent(event);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    controls_->PressEnter();
  } else if (event->key() == Qt::Key_Escape) {
    controls_->PressEscape();
  } else {
    QMainWindow::keyPressEvent(event);
  }
}

SelvioProgram::SelvioProgram()
    : catalogueRead_(std::async(std::launch::async, [] {
        return ReadCatalogueFile(working_files::Name(working_files::kCatalogue));
      })) {
  LoadGlycolTables(glycolTables_);
  CatalogueFile read = catalogueRead_.get();
  // A catalogue that did not load leaves the form an empty one, as LoadCatalogue would.
  catalogue_ = read.catalogue ? std::move(read.catalogue) : std::make_unique<Catalogue>();
  catalogueLoad_ = read.load;
  view_ = std::make_unique<SelectionForm>(window_.Controls(), *catalogue_, glycolTables_);
  view_->SetCloseHandler([this] { window_.close(); });
  view_->Documents().SetDesktop(userPrograms_, printer_);
  view_->Documents().SetChartPainter(chartPainter_);
  view_->SetResultObserver([this](const SelectionResult& result) {
    if (checkWindow_) checkWindow_->Follow(result.check);
  });
  // Built on first use: the start does without Qt Charts' widgets.
  window_.Controls().Bind(ids::kCheckWindow, [this] {
    if (!checkWindow_) checkWindow_ = new CheckWindow(&window_);
    checkWindow_->ShowCheck(view_->Result().check);
    checkWindow_->show();
    checkWindow_->raise();
    checkWindow_->activateWindow();
  });
  window_.Controls().Bind(ids::kProjectWindow, [this] {
    ProjectWindow& project = ProjectView();
    project.show();
    project.raise();
    project.activateWindow();
  });
  view_->SetCatalogueObserver([this] {
    if (project_.Count() > 0) ProjectView().OfferRecheck();
  });
  window_.SetCloseGuard([this] { return !project_.IsModified() || ProjectView().ConfirmClose(); });
  // The logo is the way to the about box, and says so.
  const QString aboutTitle = AboutDialog().Template().title;
  window_.Controls().Widget(ids::kLogo)->setAccessibleName(aboutTitle);
  window_.Controls().Widget(ids::kLogo)->setToolTip(aboutTitle);
  window_.Controls().Widget(ids::kLogo)->setCursor(Qt::PointingHandCursor);
  window_.Controls().Bind(ids::kLogo, [this] {
    AboutDialog about;
    window_.Controls().RunModalDialog(about);
  });
  OrderTabs(window_.Controls(), {window_.LanguageList()});
}

ProjectWindow& SelvioProgram::ProjectView() {
  if (!projectWindow_) projectWindow_ = new ProjectWindow(project_, *view_, &window_);
  return *projectWindow_;
}

void SelvioProgram::Start() {
  view_->InitialiseReadCatalogue(catalogueLoad_);
  window_.winId();  // the window's frame is known once it exists
  window_.resize(window_.FittedSize());
  window_.show();
}

}  // namespace selvio
