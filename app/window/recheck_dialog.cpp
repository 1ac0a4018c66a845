#include "app/window/recheck_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace selvio {

namespace {

enum Column { kNumber, kLabel, kChange, kAccept, kColumns };

QTableWidgetItem* ReadOnlyItem(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  return item;
}

}  // namespace

RecheckDialog::RecheckDialog(const Project& project, const RecheckReport& report, QWidget* parent)
    : QDialog(parent), changed_(report.Changed()) {
  setWindowTitle(QCoreApplication::translate("RecheckDialog", "Перепроверка проекта"));
  auto* layout = new QVBoxLayout(this);
  auto* caption = new QLabel(
      QCoreApplication::translate("RecheckDialog",
                                  "На текущем каталоге изменился подбор позиций (%1 из %2). "
                                  "Отметьте те, что принять; у остальных останется прежний подбор.")
          .arg(QString::number(changed_.size()), QString::number(report.positions.size())),
      this);
  caption->setWordWrap(true);
  layout->addWidget(caption);

  table_ = new QTableWidget(static_cast<int>(changed_.size()), kColumns, this);
  table_->setHorizontalHeaderLabels({QCoreApplication::translate("RecheckDialog", "№"),
                                     QCoreApplication::translate("RecheckDialog", "Обозначение"),
                                     QCoreApplication::translate("RecheckDialog", "Изменение"),
                                     QCoreApplication::translate("RecheckDialog", "Принять")});
  table_->setAccessibleName(QCoreApplication::translate("RecheckDialog", "Изменившиеся позиции"));
  table_->verticalHeader()->hide();
  table_->setWordWrap(true);
  for (int row = 0; row < static_cast<int>(changed_.size()); ++row) {
    const PositionRecheck& recheck = report.positions[static_cast<std::size_t>(changed_[row])];
    const ProjectPosition& position = project.positions[static_cast<std::size_t>(recheck.position)];
    table_->setItem(row, kNumber, ReadOnlyItem(QString::number(recheck.position + 1)));
    table_->setItem(row, kLabel, ReadOnlyItem(position.label));
    table_->setItem(row, kChange, ReadOnlyItem(RecheckDescription(position.shown, recheck)));
    auto* accept = new QTableWidgetItem(QCoreApplication::translate("RecheckDialog", "принять"));
    accept->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    accept->setCheckState(Qt::Checked);
    table_->setItem(row, kAccept, accept);
  }
  table_->horizontalHeader()->setSectionResizeMode(kChange, QHeaderView::Stretch);
  table_->resizeColumnToContents(kNumber);
  table_->resizeColumnToContents(kLabel);
  table_->resizeColumnToContents(kAccept);
  table_->resizeRowsToContents();
  layout->addWidget(table_);

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QCoreApplication::translate("RecheckDialog", "Принять отмеченные"),
                     QDialogButtonBox::AcceptRole);
  buttons->addButton(QCoreApplication::translate("RecheckDialog", "Оставить прежний подбор"),
                     QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  resize(760, 360);
}

std::vector<int> RecheckDialog::Accepted() const {
  std::vector<int> accepted;
  for (int row = 0; row < table_->rowCount(); ++row) {
    if (table_->item(row, kAccept)->checkState() == Qt::Checked) {
      accepted.push_back(changed_[static_cast<std::size_t>(row)]);
    }
  }
  return accepted;
}

}  // namespace selvio
