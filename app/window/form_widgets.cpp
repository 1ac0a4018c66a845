#include "app/window/form_widgets.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>
#include <map>

#include "app/form/control_ids.h"
#include "app/form/control_inventory.h"
#include "app/form/fixed_text_ids.h"
#include "app/window/accessible_names.h"
#include "app/window/form_pictures.h"
#include "app/window/form_placement.h"

namespace selvio {
namespace {

constexpr FormArea kAreas[] = {
    FormArea::RegulatorColumn, FormArea::ActuatorColumn, FormArea::ControllerColumn,
    FormArea::RegulatorResult, FormArea::ActuatorResult, FormArea::ControllerResult,
    FormArea::CalculatedData,  FormArea::Commands,       FormArea::Bottom};

bool IsFramed(FormArea area) { return area != FormArea::Bottom; }

bool IsHeading(int id) {
  for (FormArea area : kAreas) {
    if (AreaTitleId(area) == id) return true;
  }
  return false;
}

QFrame* NewArea(QWidget* form, FormArea area) {
  auto* frame = new QFrame(form);
  if (IsFramed(area)) frame->setFrameShape(QFrame::StyledPanel);
  auto* grid = new QGridLayout(frame);
  grid->setVerticalSpacing(2);
  grid->setHorizontalSpacing(3);
  if (IsFramed(area)) {
    grid->setContentsMargins(3, 3, 3, 3);
  } else {
    grid->setContentsMargins(0, 0, 0, 0);
  }
  return frame;
}

void Decorate(QWidget* widget, const ControlEntry& entry, const Placement& placement) {
  if (IsHeading(entry.id)) {
    QFont font = widget->font();
    font.setBold(true);
    widget->setFont(font);
  }
  if (const FormPicture* picture = FindFormPicture(entry.id)) {
    auto* label = static_cast<QLabel*>(widget);
    label->setPixmap(QPixmap(QString::fromUtf8(picture->image)));
    if (entry.id == ids::kLogo) label->setAlignment(Qt::AlignCenter);
    if (entry.id == ids::kBanner) {
      label->setScaledContents(true);
      label->setFixedHeight(label->pixmap().height());
      label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    }
  }
  // Long captions of the input columns may break into two lines, so the form fits a 1366
  // pixel screen; the result blocks never wrap, their lines must stay beside each other.
  const bool inputColumn = placement.area == FormArea::RegulatorColumn ||
                           placement.area == FormArea::ActuatorColumn ||
                           placement.area == FormArea::ControllerColumn;
  if (inputColumn && entry.kind == ControlType::Label && !IsHeading(entry.id)) {
    static_cast<QLabel*>(widget)->setWordWrap(true);
  }
  // A number in a cell of its own needs little room; Qt's edits ask for about 17 characters.
  if (entry.kind == ControlType::Edit && placement.columnSpan == 1) widget->setMaximumWidth(48);
}

}  // namespace

void BuildFormWidgets(QWidget* form, QtControls& controls) {
  std::map<FormArea, QFrame*> areas;
  for (FormArea area : kAreas) areas[area] = NewArea(form, area);

  const std::map<int, QString> names = FormAccessibleNames();
  std::map<FormArea, int> rows;
  for (const Placement& placement : FormPlacement()) {
    const ControlEntry* entry = FindControlEntry(placement.id);
    if (!entry) continue;  // the placement test names it
    QFrame* frame = areas[placement.area];
    QWidget* widget =
        controls.Create(entry->id, entry->kind, QString::fromUtf8(entry->text), frame);
    Decorate(widget, *entry, placement);
    if (auto name = names.find(entry->id); name != names.end()) {
      widget->setAccessibleName(name->second);
    }
    static_cast<QGridLayout*>(frame->layout())
        ->addWidget(widget, placement.row, placement.column, 1, placement.columnSpan);
    rows[placement.area] = std::max(rows[placement.area], placement.row + 1);
    controls.Show(entry->id, entry->shownAtStart);
    controls.Enable(entry->id, entry->enabledAtStart);
  }
  for (const std::vector<int>& group : FormRadioGroups()) controls.DefineRadioGroup(group);

  // Everything sits at the top of its area; the command strip keeps a gap after its first two.
  for (auto& [area, frame] : areas) {
    auto* grid = static_cast<QGridLayout*>(frame->layout());
    if (area == FormArea::Commands) {
      grid->setRowMinimumHeight(2, 16);
      grid->setRowStretch(10, 1);
    } else {
      grid->setRowStretch(rows[area], 1);
    }
  }
  auto* resultColumn = new QVBoxLayout;
  resultColumn->addWidget(areas[FormArea::ControllerResult]);
  resultColumn->addWidget(areas[FormArea::CalculatedData]);

  auto* layout = new QGridLayout(form);
  layout->setContentsMargins(3, 3, 3, 3);
  layout->setSpacing(3);
  layout->addWidget(areas[FormArea::RegulatorColumn], 0, 0);
  layout->addWidget(areas[FormArea::ActuatorColumn], 0, 1);
  layout->addWidget(areas[FormArea::ControllerColumn], 0, 2);
  layout->addWidget(areas[FormArea::Commands], 0, 3);
  layout->addWidget(areas[FormArea::RegulatorResult], 1, 0);
  layout->addWidget(areas[FormArea::ActuatorResult], 1, 1);
  // The calculated data need the width of the controller column and the command strip.
  layout->addLayout(resultColumn, 1, 2, 1, 2);
  layout->addWidget(areas[FormArea::Bottom], 2, 0, 1, 4);
  // A wider window widens the three columns; the command strip keeps its width.
  for (int column = 0; column < 3; ++column) layout->setColumnStretch(column, 1);
}

}  // namespace selvio
