#pragma once

#include <QLabel>
#include <functional>

namespace selvio {

// A picture that runs a callback when the user clicks it with the left button, presses Space
// or Enter on it once it takes the keyboard focus (SetFocusable), or asks assistive technology
// to press it.
class PictureLabel : public QLabel {
 public:
  explicit PictureLabel(QWidget* parent = nullptr) : QLabel(parent) {}
  void SetClickHandler(std::function<void()> handler) { clickHandler_ = std::move(handler); }
  void SetFocusable() { setFocusPolicy(Qt::StrongFocus); }
  // A picture the user can press: it takes the focus and something runs when pressed.
  bool IsClickable() const { return clickHandler_ && focusPolicy() != Qt::NoFocus; }
  // Presses the picture as the user does; nothing happens while it is hidden or disabled.
  void Click();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  std::function<void()> clickHandler_;
};

}  // namespace selvio
