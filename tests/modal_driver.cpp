#include "modal_driver.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <algorithm>

#include "qt_test_application.h"

namespace selvio::test {

namespace {

using Clock = std::chrono::steady_clock;

// Often enough that a test waits little; a retry is spaced more, so that a dialog busy with its
// own work gets time between two tries.
constexpr std::chrono::milliseconds kTick{10};
constexpr std::chrono::milliseconds kRetry{50};

// What a failure tells of a window: its class, its title and the texts on it.
QString Describe(QWidget& window) {
  QStringList texts;
  if (auto* box = qobject_cast<QMessageBox*>(&window)) {
    texts << box->text();
    if (!box->informativeText().isEmpty()) texts << box->informativeText();
    for (QAbstractButton* button : box->buttons())
      texts << QStringLiteral("[%1]").arg(button->text());
  } else if (auto* files = qobject_cast<QFileDialog*>(&window)) {
    texts << QStringLiteral("folder %1").arg(files->directory().path())
          << QStringLiteral("selected %1").arg(files->selectedFiles().join(QStringLiteral(", ")));
  } else {
    for (QLabel* label : window.findChildren<QLabel*>()) {
      if (label->isVisible() && !label->text().isEmpty()) texts << label->text();
    }
    for (QLineEdit* edit : window.findChildren<QLineEdit*>()) {
      if (edit->isVisible()) texts << QStringLiteral("edit \"%1\"").arg(edit->text());
    }
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
      if (button->isVisible()) texts << QStringLiteral("[%1]").arg(button->text());
    }
  }
  return QStringLiteral("%1 \"%2\": %3")
      .arg(QString::fromLatin1(window.metaObject()->className()), window.windowTitle(),
           texts.join(QStringLiteral(" | ")));
}

}  // namespace

// The one watcher of the program: a timer that looks at the active modal window and posts its
// rule's act, so that the act may itself open a modal window, which the next tick answers.
class ModalWatch {
 public:
  static ModalWatch& Instance() {
    static ModalWatch* watch = new ModalWatch;  // lives as long as the test application
    return *watch;
  }

  void Start() {
    if (!timer_.isActive()) timer_.start(kTick);
  }
  void Add(ModalDriver* driver) { drivers_.push_back(driver); }
  void Remove(ModalDriver* driver) {
    // A window still open that this driver answered: its call returned without waiting for it.
    const bool open = std::any_of(watched_.begin(), watched_.end(), [driver](const Watched& w) {
      return w.owner == driver && w.window && w.window->isVisible();
    });
    if (open) Fail(QStringLiteral("a modal window outlived the driver that answered it"));
    std::erase_if(watched_, [driver](const Watched& w) { return w.owner == driver; });
    std::erase(drivers_, driver);
  }

 private:
  struct Watched {
    QPointer<QWidget> window;
    ModalDriver* owner = nullptr;
    ModalRule rule;
    Clock::time_point shown;
    Clock::time_point tried;
    int tries = 0;
    bool posted = false;
    int running = 0;  // tries under way: one may wait in a long step that processes events
  };

  ModalWatch() {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
  }

  Watched* Find(const QWidget* window) {
    for (Watched& w : watched_) {
      if (w.window == window) return &w;
    }
    return nullptr;
  }

  void Tick() {
    std::erase_if(watched_, [](const Watched& w) { return !w.window || !w.window->isVisible(); });
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return;
    const Clock::time_point now = Clock::now();
    Watched* watched = Find(modal);
    if (!watched) {
      watched = Watch(*modal, now);
      if (!watched) {
        Fail(
            QStringLiteral("a modal window no rule of the test answers: %1").arg(Describe(*modal)));
        return;
      }
    }
    if (now - watched->shown > watched->owner->deadline_) {
      Fail(QStringLiteral("a modal window still open %1 s after it showed, %2 tries: %3")
               .arg(std::chrono::duration<double>(now - watched->shown).count(), 0, 'f', 1)
               .arg(watched->tries)
               .arg(Describe(*modal)));
      return;
    }
    // A try while an earlier one still runs is the user's next action during a long step (a
    // cancel); more would only pile up.
    if (watched->posted || watched->running > 1 ||
        (watched->tries > 0 && now - watched->tried < kRetry)) {
      return;
    }
    watched->posted = true;
    watched->tried = now;
    ++watched->tries;
    QMetaObject::invokeMethod(
        modal, [this, window = QPointer<QWidget>(modal)] { Act(window); }, Qt::QueuedConnection);
  }

  // The first rule that matches `window`, innermost driver first; null when none does.
  Watched* Watch(QWidget& window, Clock::time_point now) {
    for (auto driver = drivers_.rbegin(); driver != drivers_.rend(); ++driver) {
      for (const ModalRule& rule : (*driver)->rules_) {
        if (!rule.matches(window)) continue;
        (*driver)->titles_ << window.windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(&window)) (*driver)->texts_ << box->text();
        if (rule.see) rule.see(window);
        return &watched_.emplace_back(Watched{&window, *driver, rule, now, now});
      }
    }
    return nullptr;
  }

  void Act(const QPointer<QWidget>& window) {
    Watched* watched = Find(window);
    if (!watched) return;
    watched->posted = false;
    if (QApplication::activeModalWidget() != window || !window->isVisible()) return;
    // A copy: the act may open a window of its own, and the ticks meanwhile change watched_.
    const std::function<bool(QWidget&)> act = watched->rule.act;
    ++watched->running;
    const bool answered = act(*window);
    if (Watched* after = Find(window)) after->running = std::max(after->running - 1, 0);
    if (!answered && window) {
      Fail(QStringLiteral("a modal window its rule cannot answer: %1").arg(Describe(*window)));
    }
  }

  // Fails the current test with `what`, and what was closed to let it go on: every modal window,
  // innermost first, until none is left (each one's exec() returns as the calls unwind).
  void Fail(const QString& what) {
    QStringList closed;
    for (int i = 0; i < 100; ++i) {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal) break;
      closed << Describe(*modal);
      if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
      } else {
        modal->close();
      }
      if (QApplication::activeModalWidget() == modal) modal->hide();
    }
    ADD_FAILURE() << what.toStdString() << "\nclosed: "
                  << (closed.isEmpty() ? QStringLiteral("nothing")
                                       : closed.join(QStringLiteral("; ")))
                         .toStdString();
  }

  QTimer timer_;
  std::vector<ModalDriver*> drivers_;
  std::vector<Watched> watched_;
};

ModalDriver::ModalDriver(std::initializer_list<ModalRule> rules, std::chrono::milliseconds deadline)
    : rules_(rules), deadline_(deadline) {
  TestApplication();
  ModalWatch::Instance().Add(this);
}

ModalDriver::~ModalDriver() { ModalWatch::Instance().Remove(this); }

void WatchModalWindows() { ModalWatch::Instance().Start(); }

ModalRule AnswerMessageBox(QMessageBox::ButtonRole role, std::function<void(QMessageBox&)> see) {
  return {[](QWidget& window) { return qobject_cast<QMessageBox*>(&window) != nullptr; },
          [see](QWidget& window) {
            if (see) see(static_cast<QMessageBox&>(window));
          },
          [role](QWidget& window) {
            auto& box = static_cast<QMessageBox&>(window);
            for (QAbstractButton* button : box.buttons()) {
              if (box.buttonRole(button) == role) {
                button->click();
                return true;
              }
            }
            return false;
          }};
}

ModalRule ChooseFile(const QString& path, std::function<void(QFileDialog&)> prepare) {
  return {[](QWidget& window) { return qobject_cast<QFileDialog*>(&window) != nullptr; },
          {},
          [path, prepare](QWidget& window) {
            auto& dialog = static_cast<QFileDialog&>(window);
            if (prepare) prepare(dialog);
            // selectFile() opens the file's folder, but leaves the name field alone while that
            // has the keyboard focus, as it has once the dialog is active: the name is typed.
            dialog.selectFile(path);
            auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (!name) return false;
            name->setText(path);
            static_cast<QDialog&>(dialog).accept();  // QFileDialog's own accept() is protected
            return true;
          }};
}

ModalRule CancelFileDialog() {
  return {[](QWidget& window) { return qobject_cast<QFileDialog*>(&window) != nullptr; },
          {},
          [](QWidget& window) {
            static_cast<QFileDialog&>(window).reject();
            return true;
          }};
}

ModalRule DriveDialog(std::function<void(QDialog&)> act) {
  return {[](QWidget& window) {
            return qobject_cast<QDialog*>(&window) && !qobject_cast<QMessageBox*>(&window) &&
                   !qobject_cast<QFileDialog*>(&window);
          },
          {},
          [act](QWidget& window) {
            act(static_cast<QDialog&>(window));
            return true;
          }};
}

}  // namespace selvio::test
