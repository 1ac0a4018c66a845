#include "platform/qt/picture_label.h"

#include <QMouseEvent>

namespace selvio {

void PictureLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  // A press dragged off the picture is no click.
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
      clickHandler_) {
    clickHandler_();
  }
}

}  // namespace selvio
