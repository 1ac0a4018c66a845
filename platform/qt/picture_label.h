#pragma once

#include <QLabel>
#include <functional>

namespace selvio {

// A picture that runs a callback when the user clicks it with the left button.
class PictureLabel : public QLabel {
 public:
  explicit PictureLabel(QWidget* parent = nullptr) : QLabel(parent) {}
  void SetClickHandler(std::function<void()> handler) { clickHandler_ = std::move(handler); }

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  std::function<void()> clickHandler_;
};

}  // namespace selvio
