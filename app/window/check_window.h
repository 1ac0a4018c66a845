#pragma once

#include <QDialog>
#include <optional>

#include "engine/product_check.h"

class QChartView;
class QTextBrowser;

namespace selvio {

// The window "Проверка по МЭК 60534-2-1" beside the form, not modal: the check of the product
// the form shows as the text of the selection's document (verdict, figures, warnings, basis),
// readable and selectable, and its pictures drawn with Qt Charts. Esc and "Закрыть" close it.
class CheckWindow : public QDialog {
 public:
  explicit CheckWindow(QWidget* parent = nullptr);

  // Shows `check`, or a sentence that there is none instead of the last one's figures.
  void ShowCheck(const std::optional<ProductCheck>& check);
  // The form showed a result: the window follows it while it is open.
  void Follow(const std::optional<ProductCheck>& check);

  QTextBrowser* Text() const { return text_; }
  // The P–T rating and the characteristic; the second is hidden for a product without a lift.
  QChartView* RatingView() const { return rating_; }
  QChartView* CharacteristicView() const { return characteristic_; }

 private:
  QTextBrowser* text_ = nullptr;
  QChartView* rating_ = nullptr;
  QChartView* characteristic_ = nullptr;
};

}  // namespace selvio
