#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "app/project/project.h"
#include "app/project/recheck.h"

namespace selvio {

// The open project and the operations of its panel. Every change marks the project modified
// and moves its revision on; a save or an open clears the mark. Indices count from 0; an
// operation given an index outside the list changes nothing and returns false.
class ProjectModel {
 public:
  const Project& Data() const { return project_; }
  int Count() const { return static_cast<int>(project_.positions.size()); }
  const ProjectPosition& At(int index) const;

  // The file the project was last opened from or saved to; empty for a new project.
  const QString& Path() const { return path_; }
  // The file's name without its folder and suffix; empty for a new project.
  QString Name() const;
  bool IsModified() const { return modified_; }
  // Moves on with every change, so that a re-check made before one is not applied after it.
  int Revision() const { return revision_; }

  // An empty project without a file.
  void New();

  // Appends `position`; returns its index, or -1 when the project holds kMaxProjectPositions
  // already or the label is faulty (LabelFault).
  int Add(ProjectPosition position);
  // Replaces the inputs and what was shown of position `index` with those of `position`; the
  // label and quantity stay.
  bool Replace(int index, const ProjectPosition& position);
  bool Remove(int index);
  // Swaps position `index` with the one above (below); false at the top (bottom).
  bool MoveUp(int index);
  bool MoveDown(int index);
  // False for a faulty label (LabelFault), which changes nothing.
  bool SetLabel(int index, const QString& label);
  // A quantity from 1 to kMaxPositionQuantity.
  bool SetQuantity(int index, int quantity);

  // Writes the project to `path` atomically. On success the path is remembered and the mark
  // cleared; on failure nothing changes, the previous file included, and the Russian message
  // says why.
  std::optional<QString> Save(const QString& path);
  // Reads the project of `path` in place of the open one. On failure the open project stays
  // as it was and the Russian message says why.
  std::optional<QString> Open(const QString& path);

  // Takes the re-checked selections of the positions `accepted` (indices into the report's
  // positions) in place of what they showed; inputs, labels and quantities stay. False, with
  // nothing changed, when the project changed after the re-check (another revision) or the
  // report was not completed.
  bool ApplyRecheck(const RecheckReport& report, const std::vector<int>& accepted);

 private:
  void Changed();

  Project project_;
  QString path_;
  bool modified_ = false;
  int revision_ = 0;
};

}  // namespace selvio
