#include "app/window/form_widgets.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>
#include <algorithm>
#include <map>
#include <vector>

#include "app/form/control_ids.h"
#include "app/form/control_inventory.h"
#include "app/form/fixed_text_ids.h"
#include "app/window/form_pictures.h"
#include "app/window/form_placement.h"
#include "platform/qt/text_label.h"

namespace selvio {
namespace {

// The areas in reading order: each column top to bottom, then the command strip.
constexpr FormArea kAreas[] = {
    FormArea::RegulatorColumn, FormArea::RegulatorResult,  FormArea::ActuatorColumn,
    FormArea::ActuatorResult,  FormArea::ControllerColumn, FormArea::ControllerResult,
    FormArea::CalculatedData,  FormArea::Commands,         FormArea::Bottom};

bool IsFramed(FormArea area) { return area != FormArea::Bottom; }

bool IsInputColumn(FormArea area) {
  return area == FormArea::RegulatorColumn || area == FormArea::ActuatorColumn ||
         area == FormArea::ControllerColumn;
}

bool IsHeading(int id) {
  for (FormArea area : kAreas) {
    if (AreaTitleId(area) == id) return true;
  }
  return false;
}

// A value block of a result area: a label the panels fill, with no text of its own.
bool IsValueBlock(const ControlEntry& entry) {
  return entry.kind == ControlType::Label && entry.text[0] == '\0';
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
  // Captions of the input columns may break into two lines, so the form fits a 1366 × 700
  // screen. A value block never widens its column: a catalogue text too long for it is cut
  // with "…" and read whole from its tooltip and by assistive technology; its lines stay
  // beside the lines of the label block.
  if (entry.kind == ControlType::Label && !IsHeading(entry.id)) {
    if (IsInputColumn(placement.area)) static_cast<QLabel*>(widget)->setWordWrap(true);
    if (IsValueBlock(entry)) static_cast<TextLabel*>(widget)->SetElidedLines(true);
  }
  // A number needs room for about seven digits; Qt's edits ask for seventeen characters.
  if (entry.kind == ControlType::Edit) {
    widget->setMaximumWidth(widget->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) +
                            12);
  }
}

// Every widget that takes the focus, in reading order: area by area, then row by row and left
// to right.
std::vector<QWidget*> ReadingOrder(const QtControls& controls) {
  std::vector<const Placement*> placements;
  for (const Placement& placement : FormPlacement()) placements.push_back(&placement);
  const auto areaRank = [](FormArea area) {
    return static_cast<int>(std::find(std::begin(kAreas), std::end(kAreas), area) -
                            std::begin(kAreas));
  };
  std::stable_sort(placements.begin(), placements.end(),
                   [&](const Placement* a, const Placement* b) {
                     if (a->area != b->area) return areaRank(a->area) < areaRank(b->area);
                     if (a->row != b->row) return a->row < b->row;
                     return a->column < b->column;
                   });
  std::vector<QWidget*> widgets;
  for (const Placement* placement : placements) {
    QWidget* widget = controls.Widget(placement->id);
    if (widget && widget->focusPolicy() != Qt::NoFocus) widgets.push_back(widget);
  }
  return widgets;
}

}  // namespace

void OrderTabs(const QtControls& controls, const std::vector<QWidget*>& windowControls) {
  std::vector<QWidget*> order = ReadingOrder(controls);
  // The strip's last button, "Выход", is followed by the window's own controls, then the logo.
  const auto exit = std::find(order.begin(), order.end(), controls.Widget(ids::kExit));
  order.insert(exit == order.end() ? exit : exit + 1, windowControls.begin(), windowControls.end());
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

QGridLayout* BuildFormWidgets(QWidget* form, QtControls& controls) {
  std::map<FormArea, QFrame*> areas;
  for (FormArea area : kAreas) areas[area] = NewArea(form, area);

  std::map<FormArea, int> rows;
  for (const Placement& placement : FormPlacement()) {
    const ControlEntry* entry = FindControlEntry(placement.id);
    if (!entry) continue;  // the placement test names it
    QFrame* frame = areas[placement.area];
    QWidget* widget = controls.Create(entry->id, entry->kind, ControlText(*entry), frame);
    Decorate(widget, *entry, placement);
    static_cast<QGridLayout*>(frame->layout())
        ->addWidget(widget, placement.row, placement.column, 1, placement.columnSpan);
    rows[placement.area] = std::max(rows[placement.area], placement.row + 1);
    controls.Show(entry->id, entry->shownAtStart);
    controls.Enable(entry->id, entry->enabledAtStart);
  }
  for (const std::vector<int>& group : FormRadioGroups()) controls.DefineRadioGroup(group);

  // Everything sits at the top of its area.
  for (auto& [area, frame] : areas) {
    auto* grid = static_cast<QGridLayout*>(frame->layout());
    if (area == FormArea::Commands) {
      grid->setRowStretch(kWindowCommandRow + kWindowCommandRows, 1);
    } else {
      grid->setRowStretch(rows[area], 1);
    }
  }
  // Extra width of the regulator column goes to its captions, so edits stay beside their units.
  auto* regulatorGrid = static_cast<QGridLayout*>(areas[FormArea::RegulatorColumn]->layout());
  regulatorGrid->setColumnStretch(0, 1);
  regulatorGrid->setColumnStretch(1, 1);

  // The controller column is short: its result area sits right under it, and the calculated
  // data get the width of that column and the command strip under both.
  auto* controllerColumn = new QVBoxLayout;
  controllerColumn->setSpacing(3);
  controllerColumn->addWidget(areas[FormArea::ControllerColumn], 1);
  controllerColumn->addWidget(areas[FormArea::ControllerResult]);

  auto* layout = new QGridLayout(form);
  layout->setContentsMargins(3, 3, 3, 3);
  layout->setSpacing(3);
  layout->addWidget(areas[FormArea::RegulatorColumn], 0, 0);
  layout->addWidget(areas[FormArea::ActuatorColumn], 0, 1);
  layout->addLayout(controllerColumn, 0, 2);
  layout->addWidget(areas[FormArea::Commands], 0, 3);
  layout->addWidget(areas[FormArea::RegulatorResult], 1, 0);
  layout->addWidget(areas[FormArea::ActuatorResult], 1, 1);
  layout->addWidget(areas[FormArea::CalculatedData], 1, 2, 1, 2);
  layout->addWidget(areas[FormArea::Bottom], 2, 0, 1, 4);
  // Each column gets the width its contents ask for (long captions on two lines, no more); a
  // wider window widens the three columns, the command strip keeps its width. A taller one
  // gives the room to the result areas, and the banner stays at the bottom edge.
  areas[FormArea::Commands]->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
  layout->setRowStretch(1, 1);
  return static_cast<QGridLayout*>(areas[FormArea::Commands]->layout());
}

}  // namespace selvio
