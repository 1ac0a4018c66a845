#include "platform/qt/choice_list.h"

namespace selvio {

ChoiceList::ChoiceList(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
}

QItemSelectionModel::SelectionFlags ChoiceList::selectionCommand(const QModelIndex& index,
                                                                 const QEvent* event) const {
  const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
  if (!selectionModel()->hasSelection()) return command;
  // Nothing would be selected afterwards: off the entries, or the selected one toggled off.
  const bool selects = index.isValid() &&
                       (command & (QItemSelectionModel::Select | QItemSelectionModel::Toggle)) &&
                       !(index == currentIndex() && selectionModel()->isSelected(index) &&
                         (command & QItemSelectionModel::Toggle));
  if (!selects && (command & (QItemSelectionModel::Clear | QItemSelectionModel::Deselect |
                              QItemSelectionModel::Toggle))) {
    return QItemSelectionModel::NoUpdate;
  }
  return command;
}

}  // namespace selvio
