#include "app/window/project_window.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include "app/files/file_messages.h"
#include "app/form/selection_form.h"
#include "app/project/position_form.h"
#include "app/project/position_label.h"
#include "app/project/project_schedule.h"
#include "app/project/shown_selection.h"
#include "app/window/recheck_dialog.h"
#include "output/safe_text.h"
#include "output/schedule.h"
#include "output/schedule_document.h"
#include "platform/whole_file.h"

namespace selvio {

namespace {

QString Utf8(const char* text) { return QString::fromUtf8(text); }

// A text of the project window in the language in use; `count` fills "%n".
QString Words(const char* source, int count = -1) {
  return QCoreApplication::translate("ProjectWindow", source, nullptr, count);
}

// The table's columns: the schedule's first ten and its Kv.
enum Column {
  kNumber,
  kLabel,
  kQuantity,
  kMedium,
  kFlow,
  kDrop,
  kProduct,
  kDn,
  kKvs,
  kActuator,
  kKv,
  kColumns
};
constexpr int kScheduleKvColumn = 11;

QStringList ColumnHeadings() {
  QStringList headings = ScheduleHeadings().mid(0, kKv);
  headings.append(ScheduleHeadings().at(kScheduleKvColumn));
  return headings;
}

// A position's cells as the schedule shows them, names marked when the form's catalogue does
// not hold them; control characters a name may hold are shown escaped.
QStringList RowCells(const ProjectPosition& position, int number, const CatalogueNames& catalogue) {
  const ScheduleRow row = ScheduleRowOf(position, number, &catalogue);
  const QString none = Utf8("—");
  QStringList cells{QString::number(row.number),
                    row.label,
                    QString::number(row.quantity),
                    row.medium,
                    ScheduleFlowText(row),
                    ScheduleDropText(row),
                    row.product.isEmpty()
                        ? Words(QT_TRANSLATE_NOOP("ProjectWindow", "не подобрано"))
                        : ScheduleProductText(row),
                    row.dn.isEmpty() ? none : row.dn,
                    ScheduleFigureText(row.kvs),
                    row.actuator.isEmpty() ? none : ScheduleActuatorText(row),
                    ScheduleFigureText(row.kv)};
  for (QString& cell : cells) cell = EscapeControls(cell);
  return cells;
}

// Messages about a label typed into the table and a project that is full.
const char* const kLabelRefused =
    QT_TRANSLATE_NOOP("ProjectWindow", "Обозначение позиции %1 не изменено: оно %2.");
const char* const kProjectFull =
    QT_TRANSLATE_N_NOOP("ProjectWindow", "В проекте уже %n позиций: больше добавить нельзя.");

// The form's file dialogs, in the form's filter notation.
const char* const kProjectFilter =
    QT_TRANSLATE_NOOP("ProjectWindow", "Проект (*.selvio)|*.selvio||");
const char* const kScheduleFilter = QT_TRANSLATE_NOOP(
    "ProjectWindow",
    "Документ ODT (*.odt)|*.odt|Документ PDF (*.pdf)|*.pdf|Таблица CSV (*.csv)|*.csv||");

}  // namespace

ProjectPrompts QtProjectPrompts(QWidget* parent, FormControls& files) {
  ProjectPrompts prompts;
  prompts.projectToOpen = [&files] {
    return files.ChooseFileToOpen({Words(kProjectFilter), QString(), QStringLiteral("selvio"),
                                   Words(QT_TRANSLATE_NOOP("ProjectWindow", "Открыть проект"))});
  };
  prompts.projectToSave = [&files](const QString& suggested) {
    return files.ChooseFileToSave({Words(kProjectFilter), suggested, QStringLiteral("selvio"),
                                   Words(QT_TRANSLATE_NOOP("ProjectWindow", "Сохранить проект"))});
  };
  prompts.scheduleToSave = [&files](const QString& suggested) {
    return files.ChooseFileToSave(
        {Words(kScheduleFilter), suggested, QStringLiteral("odt"), Words(kExportScheduleCommand)});
  };
  prompts.message = [parent](const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, Words(QT_TRANSLATE_NOOP("ProjectWindow", "Проект")), text,
                    QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
  };
  prompts.ask = [parent](const QString& question, QMessageBox::StandardButtons buttons) {
    QMessageBox box(QMessageBox::Question, Words(QT_TRANSLATE_NOOP("ProjectWindow", "Проект")),
                    question, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    const int pressed = box.exec();
    return buttons.testFlag(static_cast<QMessageBox::StandardButton>(pressed))
               ? static_cast<QMessageBox::StandardButton>(pressed)
               : QMessageBox::Cancel;
  };
  prompts.accept = [parent](const Project& project, const RecheckReport& report) {
    RecheckDialog dialog(project, report, parent);
    return dialog.exec() == QDialog::Accepted ? dialog.Accepted() : std::vector<int>{};
  };
  return prompts;
}

// A re-check's own copies of what it reads, so that neither the form nor an update changes
// them under it, and what it tells the window.
struct ProjectWindow::RecheckJob {
  Project project;
  int revision = 0;
  Catalogue catalogue;
  SaturationTable saturation;
  std::atomic<bool> cancelled{false};
  std::atomic<int> done{0};
  int total = 0;
  QElapsedTimer started;
  RecheckReport report;
};

ProjectWindow::ProjectWindow(ProjectModel& model, SelectionForm& view, QWidget* parent)
    : QDialog(parent),
      model_(model),
      view_(view),
      prompts_(QtProjectPrompts(this, view.Controls())) {
  setModal(false);
  auto* layout = new QVBoxLayout(this);

  table_ = new QTableWidget(0, kColumns, this);
  table_->setHorizontalHeaderLabels(ColumnHeadings());
  table_->setAccessibleName(Words(QT_TRANSLATE_NOOP("ProjectWindow", "Позиции проекта")));
  table_->verticalHeader()->hide();
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  // A double click opens the position in the form; the label and the quantity are edited by
  // typing or F2.
  table_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed |
                          QAbstractItemView::SelectedClicked);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setSectionResizeMode(kLabel, QHeaderView::Stretch);
  connect(table_, &QTableWidget::cellChanged, this,
          [this](int row, int column) { OnItemChanged(row, column); });
  connect(table_, &QTableWidget::cellDoubleClicked, this, [this] { OpenSelectedInForm(); });
  table_->installEventFilter(this);
  // Tab leaves the table for the buttons instead of walking through every cell.
  table_->setTabKeyNavigation(false);
  layout->addWidget(table_, 1);

  const auto addButton = [this](QHBoxLayout* row, const char* text, auto action) {
    auto* button = new QPushButton(Words(text), this);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, action);
    row->addWidget(button);
    return button;
  };
  auto* positions = new QHBoxLayout;
  addButton(positions, QT_TRANSLATE_NOOP("ProjectWindow", "Добавить"), [this] { AddCurrent(); });
  addButton(positions, QT_TRANSLATE_NOOP("ProjectWindow", "Заменить"),
            [this] { ReplaceSelected(); });
  addButton(positions, QT_TRANSLATE_NOOP("ProjectWindow", "В форму"),
            [this] { OpenSelectedInForm(); });
  addButton(positions, QT_TRANSLATE_NOOP("ProjectWindow", "Удалить"), [this] { RemoveSelected(); });
  addButton(positions, QT_TRANSLATE_NOOP("ProjectWindow", "Вверх"), [this] {
    MoveSelected(-1);
  })->setAccessibleName(Words(QT_TRANSLATE_NOOP("ProjectWindow", "Переместить вверх")));
  addButton(positions, QT_TRANSLATE_NOOP("ProjectWindow", "Вниз"), [this] {
    MoveSelected(1);
  })->setAccessibleName(Words(QT_TRANSLATE_NOOP("ProjectWindow", "Переместить вниз")));
  positions->addStretch(1);
  layout->addLayout(positions);

  auto* files = new QHBoxLayout;
  addButton(files, QT_TRANSLATE_NOOP("ProjectWindow", "Открыть проект"), [this] { OpenProject(); });
  addButton(files, QT_TRANSLATE_NOOP("ProjectWindow", "Сохранить проект"),
            [this] { SaveProject(); });
  addButton(files, kExportScheduleCommand, [this] { ExportSchedule(); });
  recheck_ =
      addButton(files, QT_TRANSLATE_NOOP("ProjectWindow", "Перепроверить"), [this] { Recheck(); });
  files->addStretch(1);
  progress_ = new QProgressBar(this);
  progress_->setAccessibleName(Words(QT_TRANSLATE_NOOP("ProjectWindow", "Ход перепроверки")));
  progress_->hide();
  files->addWidget(progress_);
  cancel_ = addButton(files, QT_TRANSLATE_NOOP("ProjectWindow", "Отмена"), [this] {
    if (job_) job_->cancelled = true;
  });
  cancel_->hide();
  layout->addLayout(files);

  status_ = new QLabel(this);
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  status_->setWordWrap(true);
  layout->addWidget(status_);

  progressTimer_ = new QTimer(this);
  progressTimer_->setInterval(100);
  connect(progressTimer_, &QTimer::timeout, this, [this] {
    if (!job_ || job_->started.elapsed() < progressDelay_) return;
    progress_->setRange(0, job_->total);
    progress_->setValue(job_->done);
    progress_->show();
    cancel_->show();
  });

  resize(980, 420);
  Refresh(-1);
}

ProjectWindow::~ProjectWindow() {
  if (!thread_) return;
  job_->cancelled = true;
  thread_->disconnect(this);
  thread_->wait();
  delete thread_;
}

int ProjectWindow::SelectedRow() const {
  const QList<QTableWidgetSelectionRange> ranges = table_->selectedRanges();
  return ranges.isEmpty() ? -1 : ranges.constFirst().topRow();
}

void ProjectWindow::SelectRow(int row) {
  if (row < 0 || row >= table_->rowCount()) return;
  // Moving the current cell would close the editor of the cell just edited under it.
  if (row == SelectedRow() && table_->currentRow() == row) return;
  table_->setCurrentCell(row, kNumber);
  table_->selectRow(row);
}

void ProjectWindow::Refresh(int selected) {
  QString title = Words(QT_TRANSLATE_NOOP("ProjectWindow", "Проект"));
  if (!model_.Name().isEmpty()) title += Utf8(" — ") + model_.Name();
  if (model_.IsModified()) title += Utf8(" *");
  setWindowTitle(title);

  // The items of the rows that stay are kept: Refresh also runs from the table's own signal
  // about the item just edited.
  filling_ = true;
  table_->setRowCount(model_.Count());
  const CatalogueNames catalogue(view_.CatalogueData());
  for (int row = 0; row < model_.Count(); ++row) {
    const QStringList cells = RowCells(model_.At(row), row + 1, catalogue);
    for (int column = 0; column < kColumns; ++column) {
      QTableWidgetItem* item = table_->item(row, column);
      if (!item) {
        item = new QTableWidgetItem;
        Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (column == kLabel || column == kQuantity) flags |= Qt::ItemIsEditable;
        item->setFlags(flags);
        if (column != kLabel) item->setTextAlignment(Qt::AlignCenter);
        table_->setItem(row, column, item);
      }
      item->setText(cells.at(column));
    }
  }
  filling_ = false;
  SelectRow(selected);
}

bool ProjectWindow::eventFilter(QObject* watched, QEvent* event) {
  // The Enter that closes a cell's editor reaches the table too, while the editor has the focus.
  if (watched == table_ && event->type() == QEvent::KeyPress && table_->hasFocus()) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && SelectedRow() >= 0) {
      OpenSelectedInForm();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void ProjectWindow::keyPressEvent(QKeyEvent* event) {
  // Enter presses the focused button, as on the form; no button is pressed by default.
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (auto* button = qobject_cast<QPushButton*>(focusWidget()); enter && button) {
    button->click();
    return;
  }
  QDialog::keyPressEvent(event);
}

void ProjectWindow::SetStatus(const QString& text) { status_->setText(text); }

void ProjectWindow::OnItemChanged(int row, int column) {
  if (filling_) return;
  const QString text = table_->item(row, column)->text();
  if (column == kLabel) {
    // A refused label leaves the one the model holds, which Refresh puts back into the cell.
    if (const std::optional<QString> fault = LabelFault(text.trimmed())) {
      prompts_.message(Words(kLabelRefused).arg(QString::number(row + 1), *fault));
    } else {
      model_.SetLabel(row, text.trimmed());
    }
  } else if (column == kQuantity) {
    bool number = false;
    const int quantity = text.trimmed().toInt(&number);
    if (!number || !model_.SetQuantity(row, quantity)) {
      prompts_.message(
          QCoreApplication::translate("ProjectWindow", "Количество — целое число от 1 до %1.")
              .arg(kMaxPositionQuantity));
    }
  }
  Refresh(row);
}

void ProjectWindow::AddCurrent() {
  if (model_.Count() >= kMaxProjectPositions) {
    prompts_.message(Words(kProjectFull, kMaxProjectPositions));
    return;
  }
  std::optional<ProjectPosition> position = CaptureFormPosition(
      view_, QCoreApplication::translate("ProjectWindow", "Позиция %1").arg(model_.Count() + 1));
  if (!position) {
    prompts_.message(QCoreApplication::translate(
        "ProjectWindow", "Сначала выполните расчет: в проект добавляется рассчитанный подбор."));
    return;
  }
  const int row = model_.Add(std::move(*position));
  Refresh(row);
  SetStatus(QCoreApplication::translate("ProjectWindow", "Позиция %1 добавлена.").arg(row + 1));
}

void ProjectWindow::ReplaceSelected() {
  const int row = SelectedRow();
  if (row < 0) {
    prompts_.message(
        QCoreApplication::translate("ProjectWindow", "Выберите позицию, которую заменить."));
    return;
  }
  const std::optional<ProjectPosition> position = CaptureFormPosition(view_, QString());
  if (!position) {
    prompts_.message(QCoreApplication::translate(
        "ProjectWindow", "Сначала выполните расчет: позиция заменяется рассчитанным подбором."));
    return;
  }
  model_.Replace(row, *position);
  Refresh(row);
  SetStatus(QCoreApplication::translate("ProjectWindow", "Позиция %1 заменена.").arg(row + 1));
}

void ProjectWindow::OpenSelectedInForm() {
  const int row = SelectedRow();
  if (row < 0) {
    prompts_.message(
        QCoreApplication::translate("ProjectWindow", "Выберите позицию, которую открыть в форме."));
    return;
  }
  const ProjectPosition position = model_.At(row);
  const SelectionChange change = RestorePosition(view_, position);
  if (QWidget* form = parentWidget()) {
    form->raise();
    form->activateWindow();
  }
  if (change == SelectionChange::None) {
    SetStatus(
        QCoreApplication::translate("ProjectWindow", "Позиция %1 открыта в форме.").arg(row + 1));
    return;
  }
  const SettingsRecord inputs = view_.CalculatedInputs().value_or(position.inputs);
  const PositionRecheck now{row, change, ShownSelectionOf(view_.Result(), inputs), QString()};
  prompts_.message(QCoreApplication::translate(
                       "ProjectWindow",
                       "Подбор позиции %1 на текущем каталоге отличается от сохраненного в "
                       "проекте: %2. Чтобы сохранить новый подбор, нажмите «Заменить».")
                       .arg(row + 1)
                       .arg(RecheckDescription(position.shown, now)));
}

void ProjectWindow::RemoveSelected() {
  const int row = SelectedRow();
  if (row < 0 || !model_.Remove(row)) return;
  Refresh(std::min(row, model_.Count() - 1));
  SetStatus(QCoreApplication::translate("ProjectWindow", "Позиция %1 удалена.").arg(row + 1));
}

void ProjectWindow::MoveSelected(int step) {
  const int row = SelectedRow();
  if (row < 0) return;
  if (step < 0 ? model_.MoveUp(row) : model_.MoveDown(row)) Refresh(row + step);
}

bool ProjectWindow::SaveProject() {
  const std::optional<QString> path = prompts_.projectToSave(model_.Path());
  if (!path) return false;
  if (const std::optional<QString> error = model_.Save(*path)) {
    prompts_.message(*error);
    return false;
  }
  Refresh(SelectedRow());
  SetStatus(QCoreApplication::translate("ProjectWindow", "Проект сохранен в файл %1.")
                .arg(QFileInfo(*path).fileName()));
  return true;
}

bool ProjectWindow::SaveChangesFirst(const QString& question) {
  if (!model_.IsModified()) return true;
  switch (prompts_.ask(question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
      return SaveProject();
    case QMessageBox::No:
      return true;
    default:
      return false;
  }
}

void ProjectWindow::OpenProject() {
  if (!SaveChangesFirst(QCoreApplication::translate(
          "ProjectWindow", "Сохранить изменения проекта перед открытием другого?")))
    return;
  const std::optional<QString> path = prompts_.projectToOpen();
  if (!path) return;
  if (const std::optional<QString> error = model_.Open(*path)) {
    prompts_.message(*error);
    return;
  }
  Refresh(model_.Count() > 0 ? 0 : -1);
  SetStatus(QCoreApplication::translate("ProjectWindow", "Открыт проект %1: позиций %2.")
                .arg(model_.Name(), QString::number(model_.Count())));
}

void ProjectWindow::ExportSchedule() {
  if (model_.Count() == 0) {
    prompts_.message(QCoreApplication::translate(
        "ProjectWindow", "В проекте нет позиций: ведомость оборудования была бы пустой."));
    return;
  }
  const QString name = model_.Name().isEmpty()
                           ? QCoreApplication::translate("Schedule", kScheduleHeading)
                           : model_.Name();
  const std::optional<QString> path = prompts_.scheduleToSave(name + QStringLiteral(".odt"));
  if (!path) return;
  if (!model_.Path().isEmpty() && IsSameFile(*path, model_.Path())) {
    prompts_.message(ScheduleOverProjectMessage(*path));
    return;
  }
  if (const std::optional<QString> error = selvio::ExportSchedule(
          model_.Data(), name, *path, QDateTime::currentDateTime(), &view_.CatalogueData())) {
    prompts_.message(*error);
    return;
  }
  SetStatus(
      QCoreApplication::translate("ProjectWindow", "Ведомость оборудования записана в файл %1.")
          .arg(QFileInfo(*path).fileName()));
}

void ProjectWindow::Recheck() {
  if (thread_) return;
  if (model_.Count() == 0) {
    prompts_.message(QCoreApplication::translate("ProjectWindow",
                                                 "В проекте нет позиций: перепроверять нечего."));
    return;
  }
  job_ = std::make_shared<RecheckJob>();
  job_->project = model_.Data();
  job_->revision = model_.Revision();
  job_->catalogue = view_.CatalogueData();
  job_->saturation = view_.Saturation();
  job_->total = model_.Count();
  job_->started.start();
  recheck_->setEnabled(false);
  SetStatus(
      QCoreApplication::translate("ProjectWindow", "Перепроверка позиций на текущем каталоге…"));
  thread_ = QThread::create([job = job_] {
    RecheckHooks hooks;
    hooks.progress = [&job](int done, int) { job->done = done; };
    hooks.cancelled = [&job] { return job->cancelled.load(); };
    job->report =
        RecheckProject(job->project, job->revision, job->catalogue, job->saturation, hooks);
  });
  connect(thread_, &QThread::finished, this, [this] { RecheckFinished(); });
  progressTimer_->start();
  thread_->start();
}

void ProjectWindow::RecheckFinished() {
  thread_->wait();
  delete thread_;
  thread_ = nullptr;
  progressTimer_->stop();
  progress_->hide();
  cancel_->hide();
  recheck_->setEnabled(true);
  const std::shared_ptr<RecheckJob> job = std::move(job_);
  const RecheckReport& report = job->report;
  if (!report.completed) {
    SetStatus(
        QCoreApplication::translate("ProjectWindow", "Перепроверка отменена, проект не изменен."));
    return;
  }
  const std::vector<int> changed = report.Changed();
  if (changed.empty()) {
    SetStatus(QCoreApplication::translate(
                  "ProjectWindow", "Перепроверено позиций: %1. Подбор ни одной не изменился.")
                  .arg(report.positions.size()));
    return;
  }
  // The list would offer choices on positions that are no longer the project's.
  if (model_.Revision() != report.revision) {
    SetStatus(
        QCoreApplication::translate("ProjectWindow", "Перепроверка прервана: проект изменился."));
    prompts_.message(QCoreApplication::translate(
        "ProjectWindow",
        "Проект изменился во время перепроверки, ее результат не принят. "
        "Перепроверьте проект еще раз."));
    return;
  }
  // Closed while the re-check ran: the list of changes comes with the project it belongs to.
  show();
  raise();
  const std::vector<int> accepted = prompts_.accept(job->project, report);
  if (accepted.empty()) {
    SetStatus(QCoreApplication::translate("ProjectWindow",
                                          "Изменился подбор позиций: %1. Оставлен прежний подбор.")
                  .arg(changed.size()));
    return;
  }
  if (!model_.ApplyRecheck(report, accepted)) {
    prompts_.message(QCoreApplication::translate(
        "ProjectWindow",
        "Проект изменился во время перепроверки, ее результат не принят. "
        "Перепроверьте проект еще раз."));
    return;
  }
  Refresh(SelectedRow());
  SetStatus(
      QCoreApplication::translate("ProjectWindow", "Изменился подбор позиций: %1, принято: %2.")
          .arg(changed.size())
          .arg(accepted.size()));
}

void ProjectWindow::OfferRecheck() {
  if (model_.Count() == 0) return;
  if (prompts_.ask(QCoreApplication::translate(
                       "ProjectWindow",
                       "Каталог обновлен. Перепроверить позиции проекта на новом каталоге?"),
                   QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
    return;
  }
  show();
  raise();
  Recheck();
}

bool ProjectWindow::ConfirmClose() {
  return SaveChangesFirst(
      model_.Name().isEmpty()
          ? QCoreApplication::translate("ProjectWindow", "Проект изменен. Сохранить изменения?")
          : QCoreApplication::translate("ProjectWindow",
                                        "Проект «%1» изменен. Сохранить изменения?")
                .arg(model_.Name()));
}

}  // namespace selvio
