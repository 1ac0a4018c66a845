#include "platform/qt/text_label.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace selvio {

TextLabel::TextLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);  // catalogue texts are never read as markup
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TextLabel::SetElidedLines(bool elided) {
  elidedLines_ = elided;
  QSizePolicy policy = sizePolicy();
  policy.setHorizontalPolicy(elided ? QSizePolicy::Ignored : QSizePolicy::Preferred);
  setSizePolicy(policy);
  updateGeometry();
  update();
}

QString TextLabel::ShownText() const {
  const int width = contentsRect().width();
  QStringList lines = text().split(QLatin1Char('\n'));
  for (QString& line : lines) line = fontMetrics().elidedText(line, Qt::ElideRight, width);
  return lines.join(QLatin1Char('\n'));
}

bool TextLabel::IsElided() const { return elidedLines_ && ShownText() != text(); }

QSize TextLabel::sizeHint() const {
  QSize hint = QLabel::sizeHint();
  if (elidedLines_) hint.setWidth(fontMetrics().averageCharWidth() * 4);
  return hint;
}

QSize TextLabel::minimumSizeHint() const {
  QSize hint = QLabel::minimumSizeHint();
  if (elidedLines_) hint.setWidth(fontMetrics().averageCharWidth() * 4);
  return hint;
}

bool TextLabel::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip && elidedLines_ && toolTip().isEmpty()) {
    const auto* help = static_cast<QHelpEvent*>(event);
    if (IsElided()) {
      QToolTip::showText(help->globalPos(), text(), this);
    } else {
      QToolTip::hideText();
    }
    return true;
  }
  return QLabel::event(event);
}

void TextLabel::paintEvent(QPaintEvent* event) {
  if (!elidedLines_) {
    QLabel::paintEvent(event);
    return;
  }
  // The same drawing as QLabel's for plain text, so the lines keep the spacing of a label
  // block beside this one.
  QPainter painter(this);
  style()->drawItemText(&painter, contentsRect(),
                        QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                        isEnabled(), ShownText(), foregroundRole());
}

}  // namespace selvio
