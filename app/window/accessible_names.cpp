#include "app/window/accessible_names.h"

#include <functional>

#include "app/form/control_ids.h"
#include "app/form/control_inventory.h"
#include "app/form/fixed_text_ids.h"
#include "app/window/form_pictures.h"
#include "app/window/form_placement.h"

namespace selvio {
namespace {

const QString kSeparator = QStringLiteral(" — ");

QString EntryText(int id) {
  const ControlEntry* entry = FindControlEntry(id);
  if (!entry) return {};
  QString text = QString::fromUtf8(entry->text).trimmed();
  while (text.endsWith(QLatin1Char(':'))) text.chop(1);
  return text.trimmed();
}

const Placement* FindPlacement(int id) {
  for (const Placement& placement : FormPlacement()) {
    if (placement.id == id) return &placement;
  }
  return nullptr;
}

bool IsNamed(const ControlEntry& entry) {
  switch (entry.kind) {
    case ControlType::Label:
      return entry.text[0] == '\0';  // a value block
    case ControlType::Picture:
      return entry.id != ids::kLogo && entry.id != ids::kBanner;
    default:
      return true;
  }
}

QString BaseName(const ControlEntry& entry) {
  switch (entry.kind) {
    case ControlType::Button:
    case ControlType::Radio:
    case ControlType::CheckBox:
      return EntryText(entry.id);
    case ControlType::Picture: {
      const FormPicture* picture = FindFormPicture(entry.id);
      return EntryText(entry.caption) + kSeparator +
             QString::fromUtf8(picture ? picture->state : "");
    }
    default:
      break;
  }
  const ControlEntry* caption = FindControlEntry(entry.caption);
  if (!caption) return {};
  if (caption->kind == ControlType::Edit) {
    return BaseName(*caption) + kSeparator + QString::fromUtf8("единица измерения");
  }
  if (caption->kind == ControlType::CheckBox) {
    return EntryText(caption->id) + kSeparator + QString::fromUtf8("значение");
  }
  return EntryText(caption->id);
}

// Appends `context(id)` to every name that another control shares.
void Disambiguate(std::map<int, QString>& names, const std::function<QString(int)>& context) {
  std::map<QString, int> uses;
  for (const auto& [id, name] : names) ++uses[name];
  for (auto& [id, name] : names) {
    const QString extra = context(id);
    if (uses[name] > 1 && !extra.isEmpty() && !name.endsWith(extra)) name += kSeparator + extra;
  }
}

}  // namespace

std::map<int, QString> FormAccessibleNames() {
  std::map<int, QString> names;
  for (const ControlEntry& entry : FormControlInventory()) {
    if (IsNamed(entry)) names[entry.id] = BaseName(entry);
  }
  Disambiguate(names, [](int id) {
    const ControlEntry* entry = FindControlEntry(id);
    return entry ? EntryText(entry->caption) : QString();
  });
  Disambiguate(names, [](int id) {
    const Placement* placement = FindPlacement(id);
    if (!placement) return QString();
    const int group = GroupTitleId(placement->group);
    return EntryText(group != 0 ? group : AreaTitleId(placement->area));
  });
  return names;
}

}  // namespace selvio
