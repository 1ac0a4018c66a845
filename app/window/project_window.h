#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/project/project_model.h"
#include "app/project/recheck.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QThread;
class QTimer;

namespace selvio {

class SelectionForm;
class FormControls;

// The button that writes the project's equipment schedule, and the title of its save dialog: the
// Russian source of its translation (context "ProjectWindow").
inline constexpr const char* kExportScheduleCommand =
    QT_TRANSLATE_NOOP("ProjectWindow", "Экспорт спецификации");

// What the project window asks the user. The window's own answers come from Qt's dialogs
// (QtProjectPrompts); tests put theirs in place.
struct ProjectPrompts {
  // A project file to open; a name to save the project (`suggested` is its current file) or
  // the schedule under.
  std::function<std::optional<QString>()> projectToOpen;
  std::function<std::optional<QString>(const QString& suggested)> projectToSave;
  std::function<std::optional<QString>(const QString& suggested)> scheduleToSave;
  std::function<void(const QString& text)> message;
  // A question with `buttons`; the one pressed (Cancel when the box was closed).
  std::function<QMessageBox::StandardButton(const QString& question,
                                            QMessageBox::StandardButtons buttons)>
      ask;
  // The changed positions of a completed re-check: the indices into the report's positions to
  // take over; none keeps every old choice.
  std::function<std::vector<int>(const Project& project, const RecheckReport& report)> accept;
};

// The files are chosen in the form's file dialogs, the messages and questions shown over `parent`.
ProjectPrompts QtProjectPrompts(QWidget* parent, FormControls& files);

// The window "Проект" beside the form, not modal: the open project's positions in a table (label
// and quantity edited in place) and its commands. It takes the form's calculated selection in,
// puts a position back into the form, keeps the project's file, re-checks the positions on the
// current catalogue on a worker thread and exports the schedule. Esc closes it, not the program.
class ProjectWindow : public QDialog {
 public:
  ProjectWindow(ProjectModel& model, SelectionForm& view, QWidget* parent = nullptr);
  ~ProjectWindow() override;

  void SetPrompts(ProjectPrompts prompts) { prompts_ = std::move(prompts); }
  // The progress bar and "Отмена" appear when a re-check runs longer than this.
  void SetProgressDelay(int milliseconds) { progressDelay_ = milliseconds; }

  // "Добавить", "Заменить", "В форму", "Удалить", "Вверх", "Вниз" on the selected row.
  void AddCurrent();
  void ReplaceSelected();
  void OpenSelectedInForm();
  void RemoveSelected();
  void MoveSelected(int step);
  // "Сохранить проект": asks for the file, the current one proposed. True when it was written.
  bool SaveProject();
  void OpenProject();
  void ExportSchedule();
  // "Перепроверить": starts the re-check unless one runs or the project is empty.
  void Recheck();
  // After a catalogue update: asks whether to re-check the project's positions.
  void OfferRecheck();
  // Before the program ends: with unsaved changes asks whether to save them. False when the
  // user chose to stay (or the save he asked for failed).
  bool ConfirmClose();

  bool IsRechecking() const { return thread_ != nullptr; }
  QTableWidget* Table() const { return table_; }
  QProgressBar* Progress() const { return progress_; }
  QPushButton* CancelButton() const { return cancel_; }
  QLabel* Status() const { return status_; }
  int SelectedRow() const;
  void SelectRow(int row);

 protected:
  // Enter on a row of the table puts the position into the form, as a double click does.
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Enter presses the focused button.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  struct RecheckJob;

  // The table and the title from the model; the row `selected` stays selected.
  void Refresh(int selected);
  void OnItemChanged(int row, int column);
  void RecheckFinished();
  // With unsaved changes, asks whether to save them first; false when the user cancelled.
  bool SaveChangesFirst(const QString& question);
  void SetStatus(const QString& text);

  ProjectModel& model_;
  SelectionForm& view_;
  ProjectPrompts prompts_;
  QTableWidget* table_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* recheck_ = nullptr;
  QLabel* status_ = nullptr;
  QTimer* progressTimer_ = nullptr;
  int progressDelay_ = 1000;
  bool filling_ = false;
  std::shared_ptr<RecheckJob> job_;
  QThread* thread_ = nullptr;
};

}  // namespace selvio
