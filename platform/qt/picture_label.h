#pragma once

#include <QLabel>
#include <functional>

namespace selvio {

// A picture that runs a callback when the user clicks it with the left button, or presses
// Space on it once it takes the keyboard focus (SetFocusable).
class PictureLabel : public QLabel {
 public:
  explicit PictureLabel(QWidget* parent = nullptr) : QLabel(parent) {}
  void SetClickHandler(std::function<void()> handler) { clickHandler_ = std::move(handler); }
  void SetFocusable() { setFocusPolicy(Qt::StrongFocus); }

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  std::function<void()> clickHandler_;
};

}  // namespace selvio
