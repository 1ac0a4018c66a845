#include "app/window/main_window.h"

#include <QKeyEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "app/form/control_ids.h"
#include "app/window/about_dialog.h"
#include "app/window/form_widgets.h"
#include "platform/qt/qt_dialog_host.h"

// The pictures are compiled into this static library; nothing would reference them otherwise.
static void InitialisePictures() { Q_INIT_RESOURCE(selvio); }

namespace selvio {

CMainFrame::CMainFrame() {
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
  BuildFormWidgets(form_, *controls_);
  scrollArea_->setWidget(form_);
  setCentralWidget(scrollArea_);
}

QSize CMainFrame::FittedSize() const {
  const QSize form = form_->sizeHint();
  const int scrollBar = scrollArea_->verticalScrollBar()->sizeHint().width();
  QSize wanted(form.width() + scrollBar, form.height());
  if (const QScreen* screen = this->screen()) {
    const QRect free = screen->availableGeometry();
    const int frameWidth = frameGeometry().width() - geometry().width();
    const int frameHeight = frameGeometry().height() - geometry().height();
    wanted = wanted.boundedTo(QSize(free.width() - frameWidth, free.height() - frameHeight));
  }
  return wanted;
}

void CMainFrame::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    controls_->PressEnter();
  } else if (event->key() == Qt::Key_Escape) {
    controls_->PressEscape();
  } else {
    QMainWindow::keyPressEvent(event);
  }
}

SelvioProgram::SelvioProgram() {
  LoadGlycolTables(glycolTables_);
  view_ = std::make_unique<CSelvioView>(window_.Controls(), *catalogue_, glycolTables_);
  view_->SetCloseHandler([this] { window_.close(); });
  view_->Documents().SetDesktop(userPrograms_, printer_);
  // The logo is the way to the about box, and says so.
  const QString aboutTitle = CAboutDlg().Template().title;
  window_.Controls().Widget(ids::kLogo)->setAccessibleName(aboutTitle);
  window_.Controls().Widget(ids::kLogo)->setToolTip(aboutTitle);
  window_.Controls().Widget(ids::kLogo)->setCursor(Qt::PointingHandCursor);
  window_.Controls().Bind(ids::kLogo, [this] {
    CAboutDlg about;
    window_.Controls().RunModalDialog(about);
  });
}

void SelvioProgram::Start() {
  view_->Initialise();
  window_.resize(window_.FittedSize());
  window_.show();
}

}  // namespace selvio
