#include "platform/qt/accessible_controls.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QRadioButton>
#include <QRegularExpression>

#include "platform/qt/picture_label.h"
#include "platform/qt/text_label.h"

namespace selvio {
namespace {

QString WithoutMnemonic(QString text) {
  text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
  return text.replace(QLatin1String("&&"), QLatin1String("&"));
}

class CheckableButtonAccessible : public QAccessibleWidget {
 public:
  CheckableButtonAccessible(QAbstractButton* button, QAccessible::Role role)
      : QAccessibleWidget(button, role) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
      return WithoutMnemonic(Button()->text());
    }
    return QAccessibleWidget::text(kind);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = Button()->isChecked();
    return state;
  }

  QStringList actionNames() const override {
    QStringList names;
    if (Button()->isEnabled()) names << toggleAction() << pressAction();
    return names + QAccessibleWidget::actionNames();
  }

  void doAction(const QString& action) override {
    if (action == toggleAction() || action == pressAction()) {
      Button()->click();  // does nothing while the button is disabled
    } else {
      QAccessibleWidget::doAction(action);
    }
  }

 private:
  QAbstractButton* Button() const { return static_cast<QAbstractButton*>(widget()); }
};

class PictureAccessible : public QAccessibleWidget {
 public:
  explicit PictureAccessible(PictureLabel* picture)
      : QAccessibleWidget(picture, QAccessible::Graphic) {}

  QAccessible::Role role() const override {
    return Picture()->IsClickable() ? QAccessible::Button : QAccessible::Graphic;
  }

  QStringList actionNames() const override {
    QStringList names;
    if (Picture()->IsClickable() && Picture()->isEnabled()) names << pressAction();
    return names + QAccessibleWidget::actionNames();
  }

  void doAction(const QString& action) override {
    if (action == pressAction()) {
      Picture()->Click();
    } else {
      QAccessibleWidget::doAction(action);
    }
  }

 private:
  PictureLabel* Picture() const { return static_cast<PictureLabel*>(widget()); }
};

class TextLabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit TextLabelAccessible(TextLabel* label)
      : QAccessibleWidget(label, QAccessible::StaticText) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) return Label()->text();
    if (kind == QAccessible::Description && widget()->accessibleDescription().isEmpty() &&
        Label()->IsElided()) {
      return Label()->text();
    }
    return QAccessibleWidget::text(kind);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    return state;
  }

  // A read-only text: no selection, no caret to move.
  void selection(int, int* startOffset, int* endOffset) const override {
    *startOffset = 0;
    *endOffset = 0;
  }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QString text(int startOffset, int endOffset) const override {
    return Label()->text().mid(startOffset, endOffset - startOffset);
  }
  int characterCount() const override { return static_cast<int>(Label()->text().size()); }
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* startOffset, int* endOffset) const override {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
  }

 private:
  TextLabel* Label() const { return static_cast<TextLabel*>(widget()); }
};

QAccessibleInterface* ControlsFactory(const QString& className, QObject* object) {
  if (!object || !object->isWidgetType()) return nullptr;
  if (className == QLatin1String("QRadioButton")) {
    return new CheckableButtonAccessible(static_cast<QRadioButton*>(object),
                                         QAccessible::RadioButton);
  }
  if (className == QLatin1String("QCheckBox")) {
    return new CheckableButtonAccessible(static_cast<QCheckBox*>(object), QAccessible::CheckBox);
  }
  if (className == QLatin1String("QLabel")) {
    // Neither class declares a meta-object of its own: Qt names them by their base.
    if (auto* picture = dynamic_cast<PictureLabel*>(object)) return new PictureAccessible(picture);
    if (auto* label = dynamic_cast<TextLabel*>(object)) return new TextLabelAccessible(label);
  }
  return nullptr;
}

}  // namespace

void InstallAccessibleControls() {
  static const bool installed = [] {
    QAccessible::installFactory(ControlsFactory);
    return true;
  }();
  (void)installed;
}

}  // namespace selvio
