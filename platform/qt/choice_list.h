#pragma once

#include <QListWidget>

namespace selvio {

// A list box that keeps its selection once it has one: a click on the empty space below the
// entries, or a Ctrl+click on the selected entry, leaves it selected; the keys move it.
class ChoiceList : public QListWidget {
 public:
  explicit ChoiceList(QWidget* parent = nullptr);

 protected:
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;
};

}  // namespace selvio
