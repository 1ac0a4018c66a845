#include "platform/qt/picture_label.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace selvio {

void PictureLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  // A press dragged off the picture is no click.
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
      clickHandler_) {
    clickHandler_();
  }
}

void PictureLabel::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space && clickHandler_) {
    clickHandler_();
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
