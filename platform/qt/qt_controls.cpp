#include "platform/qt/qt_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalBlocker>

#include "platform/dialog_keys.h"
#include "platform/qt/accessible_controls.h"
#include "platform/qt/choice_list.h"
#include "platform/qt/file_dialog_filter.h"
#include "platform/qt/picture_label.h"
#include "platform/qt/text_label.h"

namespace selvio {
namespace {

bool IsEnterKey(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

QString LabelText(const QString& text) {
  return QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

}  // namespace

// Routes Enter and Esc pressed on a control: Enter on a button presses it, a clickable picture
// takes it itself, elsewhere it presses the default button; Esc runs id 2.
class QtControls::KeyFilter : public QObject {
 public:
  explicit KeyFilter(QtControls& controls) : controls_(controls) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) return false;
    if (auto* combo = qobject_cast<QComboBox*>(watched); combo && combo->view()->isVisible()) {
      return false;  // the open drop-down takes its own keys
    }
    if (IsEnterKey(key->key())) {
      if (auto* picture = dynamic_cast<PictureLabel*>(watched); picture && picture->IsClickable()) {
        return false;
      }
      if (auto* button = qobject_cast<QPushButton*>(watched)) {
        button->click();
      } else {
        controls_.PressEnter();
      }
      return true;
    }
    if (key->key() == Qt::Key_Escape) {
      controls_.PressEscape();
      return true;
    }
    return false;
  }

 private:
  QtControls& controls_;
};

QtControls::QtControls(QWidget* window)
    : window_(window), keyFilter_(std::make_unique<KeyFilter>(*this)) {
  InstallAccessibleControls();
}

QtControls::~QtControls() {
  for (auto& [id, control] : controls_) {
    if (control.widget) control.widget->removeEventFilter(keyFilter_.get());
  }
}

QWidget* QtControls::Create(int id, ControlType kind, const QString& text, QWidget* parent,
                            ListStyle listStyle) {
  QWidget* widget = nullptr;
  switch (kind) {
    case ControlType::Radio: {
      auto* radio = new QRadioButton(parent);
      radio->setAutoExclusive(false);
      widget = radio;
      break;
    }
    case ControlType::CheckBox:
      widget = new QCheckBox(parent);
      break;
    case ControlType::Edit:
      widget = new QLineEdit(parent);
      break;
    case ControlType::List:
      widget = listStyle == ListStyle::DropDown ? static_cast<QWidget*>(new QComboBox(parent))
                                                : new ChoiceList(parent);
      break;
    case ControlType::Label:
      widget = new TextLabel(parent);
      break;
    case ControlType::Picture:
      widget = new PictureLabel(parent);
      break;
    case ControlType::Button: {
      auto* button = new QPushButton(parent);
      button->setAutoDefault(false);  // Enter is routed by the key filter
      widget = button;
      break;
    }
  }
  widget->setObjectName(QStringLiteral("id%1").arg(id));
  QSizePolicy policy = widget->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  widget->setSizePolicy(policy);
  widget->installEventFilter(keyFilter_.get());
  controls_[id] = {kind, widget, QString()};
  ConnectUserActions(id, kind, widget);
  SetText(id, text);
  return widget;
}

void QtControls::ConnectUserActions(int id, ControlType kind, QWidget* widget) {
  switch (kind) {
    case ControlType::Radio:
    case ControlType::CheckBox:
    case ControlType::Button:
      // `clicked` comes only from the user (or click(), which this class never uses to set
      // state); setChecked fires only `toggled`.
      QObject::connect(static_cast<QAbstractButton*>(widget), &QAbstractButton::clicked, widget,
                       [this, id] { UserClicked(id); });
      break;
    case ControlType::List:
      if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        QObject::connect(combo, &QComboBox::activated, combo, [this, id] { RunHandler(id); });
      } else {
        // A list box has no user-only signal: the operations below block its signals. A click
        // moves the current row before it selects it, so only the selection signal comes when
        // SelectedIndex already tells the new entry.
        auto* list = static_cast<QListWidget*>(widget);
        QObject::connect(list, &QListWidget::itemSelectionChanged, list,
                         [this, id] { RunHandler(id); });
      }
      break;
    case ControlType::Picture:
      static_cast<PictureLabel*>(widget)->SetClickHandler([this, id] { UserClicked(id); });
      break;
    case ControlType::Edit:
    case ControlType::Label:
      break;
  }
}

void QtControls::DefineRadioGroup(const std::vector<int>& ids) {
  for (int id : ids) radioGroups_[id] = ids;
}

const QtControls::Control* QtControls::Find(int id) const {
  auto it = controls_.find(id);
  return it == controls_.end() || !it->second.widget ? nullptr : &it->second;
}

QWidget* QtControls::Widget(int id) const {
  const Control* control = Find(id);
  return control ? control->widget.data() : nullptr;
}

void QtControls::PressEscape() { UserClicked(ids::kCancel); }

void QtControls::Activate(int id) { UserClicked(id); }

void QtControls::UserClicked(int id) {
  if (const Control* control = Find(id)) {
    if (control->widget->isHidden() || !control->widget->isEnabled()) return;
    if (control->kind == ControlType::Radio) {
      auto group = radioGroups_.find(id);
      if (group != radioGroups_.end()) {
        for (int other : group->second) {
          if (other != id) SetChecked(other, false);
        }
      }
      SetChecked(id, true);  // a click on a checked radio keeps it checked
    }
  }
  RunHandler(id);
}

void QtControls::RunHandler(int id) {
  auto it = handlers_.find(id);
  if (it != handlers_.end() && it->second) {
    const Handler handler = it->second;  // the handler may bind again
    handler();
    return;
  }
  if (dialogEnd_ && (id == ids::kOk || id == ids::kCancel)) EndDialog(id == ids::kOk);
}

void QtControls::Show(int id, bool shown) {
  if (QWidget* widget = Widget(id)) widget->setVisible(shown);
}

void QtControls::Enable(int id, bool enabled) {
  if (QWidget* widget = Widget(id)) widget->setEnabled(enabled);
}

void QtControls::SetChecked(int id, bool checked) {
  if (auto* button = qobject_cast<QAbstractButton*>(Widget(id))) {
    const QSignalBlocker blocker(button);
    button->setChecked(checked);
  }
}

bool QtControls::IsChecked(int id) const {
  const auto* button = qobject_cast<const QAbstractButton*>(Widget(id));
  return button && button->isCheckable() && button->isChecked();
}

void QtControls::SetText(int id, const QString& text) {
  auto it = controls_.find(id);
  if (it == controls_.end() || !it->second.widget) return;
  Control& control = it->second;
  control.text = text;
  QWidget* widget = control.widget;
  switch (control.kind) {
    case ControlType::Radio:
    case ControlType::CheckBox:
    case ControlType::Button:
      static_cast<QAbstractButton*>(widget)->setText(text);
      break;
    case ControlType::Edit: {
      auto* edit = static_cast<QLineEdit*>(widget);
      const QSignalBlocker blocker(edit);
      edit->setText(text);
      break;
    }
    case ControlType::Label:
      static_cast<QLabel*>(widget)->setText(LabelText(text));
      if (textObserver_) textObserver_(id);
      break;
    case ControlType::Picture:
      if (!text.isEmpty()) static_cast<QLabel*>(widget)->setPixmap(QPixmap(text));
      break;
    case ControlType::List:
      break;
  }
}

QString QtControls::Text(int id) const {
  const Control* control = Find(id);
  if (!control) return {};
  switch (control->kind) {
    case ControlType::Edit:
      return static_cast<const QLineEdit*>(control->widget.data())->text();
    case ControlType::Radio:
    case ControlType::CheckBox:
    case ControlType::Button:
      return static_cast<const QAbstractButton*>(control->widget.data())->text();
    default:
      return control->text;
  }
}

void QtControls::ClearList(int id) {
  QWidget* widget = Widget(id);
  const QSignalBlocker blocker(widget);
  if (auto* combo = qobject_cast<QComboBox*>(widget)) combo->clear();
  if (auto* list = qobject_cast<QListWidget*>(widget)) list->clear();
}

void QtControls::AppendListEntry(int id, const QString& text) {
  QWidget* widget = Widget(id);
  const QSignalBlocker blocker(widget);
  if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    const int selected = combo->currentIndex();
    combo->addItem(text);
    combo->setCurrentIndex(selected);  // the first entry added is not selected by itself
  }
  if (auto* list = qobject_cast<QListWidget*>(widget)) list->addItem(text);
}

void QtControls::SelectListEntry(int id, int index) {
  QWidget* widget = Widget(id);
  const QSignalBlocker blocker(widget);
  if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
  }
  if (auto* list = qobject_cast<QListWidget*>(widget)) {
    if (index >= 0 && index < list->count()) {
      list->setCurrentRow(index);
    } else {
      list->setCurrentRow(-1);
      list->clearSelection();
    }
  }
}

void QtControls::SetListEntryHint(int id, int index, const QString& hint) {
  QWidget* widget = Widget(id);
  if (auto* combo = qobject_cast<QComboBox*>(widget);
      combo && index >= 0 && index < combo->count()) {
    combo->setItemData(index, hint, Qt::ToolTipRole);
    combo->setItemData(index, hint, Qt::AccessibleDescriptionRole);
  }
  if (auto* list = qobject_cast<QListWidget*>(widget)) {
    if (QListWidgetItem* item = list->item(index)) {
      item->setToolTip(hint);
      item->setData(Qt::AccessibleDescriptionRole, hint);
    }
  }
}

int QtControls::SelectedIndex(int id) const {
  QWidget* widget = Widget(id);
  if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->currentIndex();
  if (auto* list = qobject_cast<QListWidget*>(widget)) {
    return list->currentItem() && list->currentItem()->isSelected() ? list->currentRow() : -1;
  }
  return -1;
}

void QtControls::ShowMessage(const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text, QMessageBox::Ok,
                  window_);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

bool QtControls::RunModalDialog(ModalDialog& dialog) {
  return dialogRunner_ && dialogRunner_(dialog, window_);
}

std::optional<QString> QtControls::ChooseFile(const FileDialogRequest& request, bool save) {
  QFileDialog dialog(window_);
  if (!request.title.isEmpty()) dialog.setWindowTitle(request.title);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setNameFilters(QtNameFilters(request.filter));
  dialog.setDefaultSuffix(request.defaultExtension);
  // With several formats offered, a name typed without a suffix gets the chosen format's.
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                   [&dialog](const QString& filter) {
                     const QRegularExpressionMatch suffix =
                         QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
                     if (suffix.hasMatch()) dialog.setDefaultSuffix(suffix.captured(1));
                   });
  // A pattern such as "*.crp" is the filter's business, not a name to propose.
  if (!request.initialFileName.contains(QLatin1Char('*')))
    dialog.selectFile(request.initialFileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtControls::ChooseFileToOpen(const FileDialogRequest& request) {
  return ChooseFile(request, false);
}

std::optional<QString> QtControls::ChooseFileToSave(const FileDialogRequest& request) {
  return ChooseFile(request, true);
}

void QtControls::SetCaption(const QString& caption) {
  if (window_) window_->window()->setWindowTitle(caption);
}

void QtControls::Bind(int id, Handler handler) {
  // A picture with a handler is a control a keyboard user must reach too.
  if (auto* picture = dynamic_cast<PictureLabel*>(Widget(id)); picture && handler) {
    picture->SetFocusable();
  }
  handlers_[id] = std::move(handler);
}

void QtControls::EndDialog(bool accepted) {
  if (dialogEnd_) dialogEnd_(accepted);
}

void QtControls::ProcessEvents() { QCoreApplication::processEvents(); }

}  // namespace selvio
