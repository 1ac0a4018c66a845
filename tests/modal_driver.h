#pragma once

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <initializer_list>
#include <vector>

namespace selvio::test {

// How a test answers one kind of modal window. `act` runs again and again, out of the timer that
// watches, until the window has gone: a single try can do nothing (a file dialog ignores accept()
// while its file model is still being filled). It returns false when it cannot answer the window
// at all, which fails the test at once.
struct ModalRule {
  std::function<bool(QWidget&)> matches;
  std::function<void(QWidget&)> see;  // once, when the window first shows; it must not block
  std::function<bool(QWidget&)> act;
};

// Message boxes: `see` runs once on each, then the first button of `role` is clicked
// (AcceptRole: OK).
ModalRule AnswerMessageBox(QMessageBox::ButtonRole role = QMessageBox::AcceptRole,
                           std::function<void(QMessageBox&)> see = {});
// File dialogs: `prepare` (the user's other choices, such as the type of file) runs, then `path`
// is selected and the dialog accepted.
ModalRule ChooseFile(const QString& path, std::function<void(QFileDialog&)> prepare = {});
// File dialogs: cancelled.
ModalRule CancelFileDialog();
// Dialogs that are neither message boxes nor file dialogs: `act` plays the user; it runs again
// while the dialog stays open, so it must bear repeating. While a run waits in a long step that
// processes events, one more run comes: the user's next action, such as a cancel.
ModalRule DriveDialog(std::function<void(QDialog&)> act);

// Long enough for a busy build machine, short enough that a stuck window costs seconds.
inline constexpr std::chrono::milliseconds kModalDeadline{std::chrono::seconds(30)};

// While it lives, answers the modal windows its rules match, each by the first rule that matches
// it; drivers nest, the innermost asked first. A window no rule of a living driver matches, one
// that a rule cannot answer and one still open at the deadline after it showed fail the test
// with what was seen on them, and every modal window is closed so that the test goes on. With no
// driver alive any modal window fails the test (the widget test programs watch from the start).
class ModalDriver {
 public:
  explicit ModalDriver(std::initializer_list<ModalRule> rules,
                       std::chrono::milliseconds deadline = kModalDeadline);
  ~ModalDriver();
  ModalDriver(const ModalDriver&) = delete;
  ModalDriver& operator=(const ModalDriver&) = delete;

  // The text of every message box this driver answered, in order.
  const QStringList& Texts() const { return texts_; }
  // The title of every window this driver answered, in order.
  const QStringList& Titles() const { return titles_; }

 private:
  friend class ModalWatch;

  std::vector<ModalRule> rules_;
  std::chrono::milliseconds deadline_;
  QStringList texts_;
  QStringList titles_;
};

// Starts watching modal windows for the rest of the program; the test application calls it.
void WatchModalWindows();

}  // namespace selvio::test
