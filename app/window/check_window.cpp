#include "app/window/check_window.h"

#include <QChart>
#include <QChartView>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QTextCursor>
#include <QVBoxLayout>

#include "output/check_charts.h"
#include "output/check_texts.h"
#include "platform/qt/qt_chart.h"

namespace selvio {
namespace {

QString Utf8(const char* utf8) { return QString::fromUtf8(utf8); }

constexpr const char* kNoCheckText =
    "Изделие не подобрано, проверять нечего. Проверка появится здесь после расчета, "
    "подобравшего клапан или регулятор.";

// Each picture gets about the shape it has in the document (600 × 375).
constexpr QSize kChartMinimumSize(440, 275);
constexpr QSize kWindowSize(1060, 680);

QChartView* NewChartView(QWidget* parent) {
  auto* view = new QChartView(parent);
  view->setRenderHint(QPainter::Antialiasing);
  view->setMinimumSize(kChartMinimumSize);
  return view;
}

// The view shows `description`, or is hidden without one; the chart it showed before is
// deleted, as the view gives it up.
void ShowChart(QChartView* view, const std::optional<ChartDescription>& description) {
  view->setVisible(description.has_value());
  if (!description) return;
  QChart* previous = view->chart();
  view->setChart(BuildChart(*description).release());
  delete previous;
  view->setAccessibleName(description->title);
}

}  // namespace

CheckWindow::CheckWindow(QWidget* parent) : QDialog(parent) {
  setWindowTitle(Utf8(kCheckHeading));
  setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
  setSizeGripEnabled(true);

  text_ = new QTextBrowser(this);
  text_->setAccessibleName(Utf8("Результат проверки"));
  text_->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
  text_->setTabChangesFocus(true);
  rating_ = NewChartView(this);
  characteristic_ = NewChartView(this);

  auto* charts = new QVBoxLayout;
  charts->addWidget(rating_, 1);
  charts->addWidget(characteristic_, 1);
  auto* content = new QHBoxLayout;
  content->addWidget(text_, 1);
  content->addLayout(charts, 1);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* close = buttons->addButton(Utf8("Закрыть"), QDialogButtonBox::RejectRole);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(content, 1);
  layout->addWidget(buttons);

  QSize size = kWindowSize;
  if (const QScreen* screen = this->screen()) size = size.boundedTo(screen->availableSize());
  resize(size);
  ShowCheck(std::nullopt);
}

void CheckWindow::ShowCheck(const std::optional<ProductCheck>& check) {
  if (!check) {
    text_->setPlainText(Utf8(kNoCheckText));
    ShowChart(rating_, std::nullopt);
    ShowChart(characteristic_, std::nullopt);
    return;
  }
  text_->setPlainText(CheckSectionText(*check));
  // The verdict, the first line, stands out.
  QTextCursor verdict(text_->document());
  verdict.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  QTextCharFormat bold;
  bold.setFontWeight(QFont::Bold);
  verdict.mergeCharFormat(bold);
  ShowChart(rating_, RatingChartDescription(*check));
  ShowChart(characteristic_, CharacteristicChartDescription(*check));
}

void CheckWindow::Follow(const std::optional<ProductCheck>& check) {
  if (isVisible()) ShowCheck(check);
}

}  // namespace selvio
