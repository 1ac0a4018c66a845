#pragma once

#include <QLabel>

namespace selvio {

// A label of plain text. With elided lines on, each line that does not fit the label's width
// ends in "…" instead of widening its column: the label asks for no width of its own, shows the
// whole text as its tooltip while a line is cut, and reads it whole to assistive technology.
class TextLabel : public QLabel {
 public:
  explicit TextLabel(QWidget* parent = nullptr);

  void SetElidedLines(bool elided);
  bool ElidesLines() const { return elidedLines_; }
  // Whether a line is cut at the label's present width.
  bool IsElided() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QString ShownText() const;

  bool elidedLines_ = false;
};

}  // namespace selvio
