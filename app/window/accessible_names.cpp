#include "app/window/accessible_names.h"

#include <QCoreApplication>
#include <functional>

#include "app/form/control_ids.h"
#include "app/form/control_inventory.h"
#include "app/form/fixed_text_ids.h"
#include "app/window/form_pictures.h"
#include "app/window/form_placement.h"

namespace selvio {
namespace {

const QString kSeparator = QStringLiteral(" — ");

QString Word(const char* text) { return QCoreApplication::translate("AccessibleNames", text); }

bool IsValueBlock(const ControlEntry& entry) {
  return entry.kind == ControlType::Label && entry.text[0] == '\0';
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
      return IsValueBlock(entry);
    case ControlType::Picture:
      return entry.id != ids::kLogo && entry.id != ids::kBanner;
    default:
      return true;
  }
}

class Namer {
 public:
  explicit Namer(const ShownLabelText& shownText) : shownText_(shownText) {}

  // The text of `id` as a name: without the colon that ends a caption.
  QString EntryText(int id) const {
    const ControlEntry* entry = FindControlEntry(id);
    if (!entry) return {};
    QString text =
        entry->kind == ControlType::Label && shownText_ ? shownText_(id) : ControlText(*entry);
    text = text.trimmed();
    while (text.endsWith(QLatin1Char(':'))) text.chop(1);
    return text.trimmed();
  }

  QString BaseName(const ControlEntry& entry) const {
    switch (entry.kind) {
      case ControlType::Button:
      case ControlType::Radio:
      case ControlType::CheckBox:
        return EntryText(entry.id);
      case ControlType::Picture: {
        const FormPicture* picture = FindFormPicture(entry.id);
        return EntryText(entry.caption) + kSeparator + (picture ? Word(picture->state) : QString());
      }
      default:
        break;
    }
    const ControlEntry* caption = FindControlEntry(entry.caption);
    if (!caption) return {};
    if (caption->kind == ControlType::Edit) {
      return BaseName(*caption) + kSeparator +
             Word(QT_TRANSLATE_NOOP("AccessibleNames", "единица измерения"));
    }
    if (caption->kind == ControlType::CheckBox) {
      return EntryText(caption->id) + kSeparator +
             Word(QT_TRANSLATE_NOOP("AccessibleNames", "значение"));
    }
    return EntryText(caption->id);
  }

 private:
  const ShownLabelText& shownText_;
};

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

std::map<int, QString> FormAccessibleNames(const ShownLabelText& shownText) {
  const Namer namer(shownText);
  std::map<int, QString> names;
  for (const ControlEntry& entry : FormControlInventory()) {
    if (IsNamed(entry)) names[entry.id] = namer.BaseName(entry);
  }
  Disambiguate(names, [&namer](int id) {
    const ControlEntry* entry = FindControlEntry(id);
    return entry ? namer.EntryText(entry->caption) : QString();
  });
  Disambiguate(names, [&namer](int id) {
    const Placement* placement = FindPlacement(id);
    if (!placement) return QString();
    const int group = GroupTitleId(placement->group);
    return namer.EntryText(group != 0 ? group : AreaTitleId(placement->area));
  });
  // The area's caption is a label a screen reader reads by that very name.
  for (auto& [id, name] : names) {
    const ControlEntry* entry = FindControlEntry(id);
    if (IsValueBlock(*entry) && name == namer.EntryText(entry->caption)) {
      name += kSeparator + Word(QT_TRANSLATE_NOOP("AccessibleNames", "значения"));
    }
  }
  return names;
}

bool NamesFollowLabel(int id) {
  const ControlEntry* label = FindControlEntry(id);
  if (!label || label->kind != ControlType::Label) return false;
  for (const ControlEntry& entry : FormControlInventory()) {
    if (entry.caption == id) return true;
  }
  for (const Placement& placement : FormPlacement()) {
    if (AreaTitleId(placement.area) == id) return true;
  }
  return false;
}

}  // namespace selvio
