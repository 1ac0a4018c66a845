#include "platform/qt/picture_label.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace selvio {

void PictureLabel::Click() {
  if (clickHandler_ && isVisible() && isEnabled()) clickHandler_();
}

void PictureLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  // A press dragged off the picture is no click.
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) Click();
}

void PictureLabel::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (IsClickable() && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
    Click();
    return;
  }
  QLabel::keyPressEvent(event);
}

void PictureLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  QPainter painter(this);
  QStyleOptionFocusRect option;
  option.initFrom(this);
  style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

}  // namespace selvio
