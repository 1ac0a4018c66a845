#include "platform/qt/qt_dialog_host.h"

#include <QDialog>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "platform/qt/qt_controls.h"

namespace selvio {
namespace {

constexpr qsizetype kLongestCaption = 40;  // characters

// A dialog whose Enter, Esc and close box go to its controls' handlers rather than to
// QDialog's own accept and reject.
class HostDialog : public QDialog {
 public:
  explicit HostDialog(QWidget* parent) : QDialog(parent) {}
  void SetControls(QtControls* controls) { controls_ = controls; }
  void End(bool accepted) { QDialog::done(accepted ? Accepted : Rejected); }

  void reject() override {
    if (controls_) controls_->PressEscape();
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (controls_ && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
      controls_->PressEnter();
      return;
    }
    QDialog::keyPressEvent(event);  // Esc ends in reject()
  }

 private:
  QtControls* controls_ = nullptr;
};

}  // namespace

bool RunQtDialog(ModalDialog& dialog, QWidget* parent) {
  const DialogTemplate dialogTemplate = dialog.Template();
  HostDialog window(parent);
  window.setWindowTitle(dialogTemplate.title);
  auto* grid = new QGridLayout(&window);

  QtControls controls(&window);
  controls.SetDialogRunner(RunQtDialog);  // a dialog opened from this one
  for (const DialogControl& control : dialogTemplate.controls) {
    QWidget* widget =
        controls.Create(control.id, control.kind, control.text, &window, ListStyle::ListBox);
    // A caption beside an edit lines up with the edit's text; a sentence (longer than any
    // caption) breaks into lines rather than stretching the dialog.
    if (control.kind == ControlType::Label) {
      auto* label = static_cast<QLabel*>(widget);
      label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      label->setWordWrap(control.text.size() > kLongestCaption);
    }
    grid->addWidget(widget, control.row, control.column, 1, control.columnSpan);
  }
  for (const std::vector<int>& group : dialogTemplate.radioGroups) {
    controls.DefineRadioGroup(group);
  }
  controls.SetDefaultButton(dialogTemplate.defaultButton);
  // Only the look: Enter reaches the default button through the controls, not through Qt.
  if (auto* button = qobject_cast<QPushButton*>(controls.Widget(dialogTemplate.defaultButton))) {
    button->setDefault(true);
  }

  bool ended = false;
  bool accepted = false;
  controls.SetDialogEnd([&](bool ok) {
    if (ended) return;
    ended = true;
    accepted = ok;
    window.End(ok);
  });
  window.SetControls(&controls);

  dialog.Initialise(controls);
  if (ended) return accepted;
  // The zero timer fires inside exec's loop, once the dialog is on screen.
  QTimer::singleShot(0, &window, [&] {
    if (!ended) dialog.Shown(controls);
  });
  window.exec();
  window.SetControls(nullptr);
  return ended && accepted;
}

}  // namespace selvio
