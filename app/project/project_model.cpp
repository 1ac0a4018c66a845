#include "app/project/project_model.h"

#include <QFileInfo>
#include <utility>

#include "app/project/position_label.h"
#include "app/project/project_file.h"

namespace selvio {

const ProjectPosition& ProjectModel::At(int index) const {
  return project_.positions.at(static_cast<std::size_t>(index));
}

QString ProjectModel::Name() const {
  return path_.isEmpty() ? QString() : QFileInfo(path_).completeBaseName();
}

void ProjectModel::Changed() {
  modified_ = true;
  ++revision_;
}

void ProjectModel::New() {
  project_ = Project{};
  path_.clear();
  modified_ = false;
  ++revision_;
}

int ProjectModel::Add(ProjectPosition position) {
  if (Count() >= kMaxProjectPositions || LabelFault(position.label)) return -1;
  project_.positions.push_back(std::move(position));
  Changed();
  return Count() - 1;
}

bool ProjectModel::Replace(int index, const ProjectPosition& position) {
  if (index < 0 || index >= Count()) return false;
  ProjectPosition& target = project_.positions[static_cast<std::size_t>(index)];
  target.inputs = position.inputs;
  target.shown = position.shown;
  Changed();
  return true;
}

bool ProjectModel::Remove(int index) {
  if (index < 0 || index >= Count()) return false;
  project_.positions.erase(project_.positions.begin() + index);
  Changed();
  return true;
}

bool ProjectModel::MoveUp(int index) {
  if (index < 1 || index >= Count()) return false;
  std::swap(project_.positions[static_cast<std::size_t>(index)],
            project_.positions[static_cast<std::size_t>(index - 1)]);
  Changed();
  return true;
}

bool ProjectModel::MoveDown(int index) { return MoveUp(index + 1); }

bool ProjectModel::SetLabel(int index, const QString& label) {
  if (index < 0 || index >= Count() || LabelFault(label)) return false;
  project_.positions[static_cast<std::size_t>(index)].label = label;
  Changed();
  return true;
}

bool ProjectModel::SetQuantity(int index, int quantity) {
  if (index < 0 || index >= Count() || quantity < 1 || quantity > kMaxPositionQuantity) {
    return false;
  }
  project_.positions[static_cast<std::size_t>(index)].quantity = quantity;
  Changed();
  return true;
}

std::optional<QString> ProjectModel::Save(const QString& path) {
  if (std::optional<QString> error = WriteProjectFile(path, project_)) return error;
  path_ = path;
  modified_ = false;
  return std::nullopt;
}

std::optional<QString> ProjectModel::Open(const QString& path) {
  ReadProject read = ReadProjectFile(path);
  if (!read.project) return read.error;
  project_ = std::move(*read.project);
  path_ = path;
  modified_ = false;
  ++revision_;
  return std::nullopt;
}

bool ProjectModel::ApplyRecheck(const RecheckReport& report, const std::vector<int>& accepted) {
  if (!report.completed || report.revision != revision_) return false;
  for (int index : accepted) {
    if (index < 0 || index >= static_cast<int>(report.positions.size())) return false;
  }
  for (int index : accepted) {
    const PositionRecheck& recheck = report.positions[static_cast<std::size_t>(index)];
    project_.positions.at(static_cast<std::size_t>(recheck.position)).shown = recheck.recalculated;
  }
  if (!accepted.empty()) Changed();
  return true;
}

}  // namespace selvio
