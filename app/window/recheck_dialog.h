#pragma once

#include <QDialog>
#include <vector>

#include "app/project/project.h"
#include "app/project/recheck.h"

class QTableWidget;

namespace selvio {

// The positions a re-check changed, before anything is replaced: for each its label, what it
// showed, what it would show now and a box "Принять" (ticked); the user accepts the ticked ones
// or keeps every old choice.
class RecheckDialog : public QDialog {
 public:
  RecheckDialog(const Project& project, const RecheckReport& report, QWidget* parent = nullptr);

  // The indices into the report's positions whose boxes are ticked.
  std::vector<int> Accepted() const;
  QTableWidget* Table() const { return table_; }

 private:
  QTableWidget* table_ = nullptr;
  std::vector<int> changed_;  // the report's indices, one per row
};

}  // namespace selvio
