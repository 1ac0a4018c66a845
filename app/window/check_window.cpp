#include "app/window/check_window.h"

#include <QChart>
#include <QChartView>
#include <QDialogButtonBox>
#include <QGraphicsLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
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

// On a 1366 × 700 screen the text takes two fifths of the width and the pictures, one above
// the other, the rest; a smaller screen gets a smaller window.
constexpr QSize kWindowSize(1100, 660);
constexpr QSize kChartMinimumSize(360, 240);
// A list item of the text is a line that starts with a tab: its wrapped lines stay indented.
constexpr qreal kListIndent = 20;

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
  QChart* chart = BuildChart(*description).release();
  // The chart fills its view: the room goes to the plot and the axes' titles.
  chart->layout()->setContentsMargins(0, 0, 0, 0);
  chart->setBackgroundRoundness(0);
  view->setChart(chart);
  delete previous;
  view->setAccessibleName(description->title);
}

// The first line, the verdict, in bold; list items with a hanging indent.
void FormatCheckText(QTextDocument& document) {
  QTextCursor verdict(&document);
  verdict.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  QTextCharFormat bold;
  bold.setFontWeight(QFont::Bold);
  verdict.mergeCharFormat(bold);
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    if (!block.text().startsWith(QLatin1Char('\t'))) continue;
    QTextBlockFormat item;
    item.setLeftMargin(kListIndent);
    item.setTextIndent(-kListIndent);
    QTextCursor(block).mergeBlockFormat(item);
  }
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
  text_->setTabStopDistance(kListIndent);
  rating_ = NewChartView(this);
  characteristic_ = NewChartView(this);

  auto* charts = new QVBoxLayout;
  charts->addWidget(rating_, 1);
  charts->addWidget(characteristic_, 1);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* close = buttons->addButton(Utf8("Закрыть"), QDialogButtonBox::RejectRole);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  auto* textColumn = new QVBoxLayout;
  textColumn->addWidget(text_, 1);
  textColumn->addWidget(buttons);

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(textColumn, 2);
  layout->addLayout(charts, 3);

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
  FormatCheckText(*text_->document());
  ShowChart(rating_, RatingChartDescription(*check));
  ShowChart(characteristic_, CharacteristicChartDescription(*check));
}

void CheckWindow::Follow(const std::optional<ProductCheck>& check) {
  if (isVisible()) ShowCheck(check);
}

}  // namespace selvio
