#include "app/project/project_schedule.h"

#include <QCoreApplication>

#include "app/files/file_messages.h"
#include "app/form/units.h"
#include "output/report_document.h"
#include "output/schedule_document.h"
#include "platform/c_numbers.h"
#include "platform/whole_file.h"

namespace selvio {
namespace {

// A number field read as "Расчет" reads it (a decimal comma counts as a point); missing when
// its text holds no number.
float FieldNumber(const TextField& field) {
  QString text = FieldText(field);
  text.replace(QLatin1Char(','), QLatin1Char('.'));
  return ScanFloat(text).value_or(kNoFigure);
}

QString MediumText(std::int32_t medium) {
  switch (medium) {
    case 1:
      return QCoreApplication::translate("Schedule", "вода");
    case 2:
      return QCoreApplication::translate("Schedule", "гликоль");
    case 3:
      return QCoreApplication::translate("Schedule", "пар");
    default:
      return {};
  }
}

enum class ScheduleFormat { None, Odt, Pdf, Csv };

ScheduleFormat FormatOf(const QString& path) {
  if (path.endsWith(QLatin1String(".odt"), Qt::CaseInsensitive)) return ScheduleFormat::Odt;
  if (path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) return ScheduleFormat::Pdf;
  if (path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive)) return ScheduleFormat::Csv;
  return ScheduleFormat::None;
}

}  // namespace

CatalogueNames::CatalogueNames(const Catalogue& catalogue) {
  const auto addProducts = [this](const auto& container) {
    for (int i = 0; i < container.count; ++i) {
      products_.insert({container[i].name, container[i].dnText});
    }
  };
  addProducts(catalogue.valves);
  addProducts(catalogue.dpRegulators);
  addProducts(catalogue.reducingValves);
  // The names the candidate list gives actuators: an electric one's variant, the others' names.
  for (int i = 0; i < catalogue.electricActuators.count; ++i) {
    actuators_.insert(catalogue.electricActuators[i].variant);
  }
  for (int i = 0; i < catalogue.pneumaticActuators.count; ++i) {
    actuators_.insert(catalogue.pneumaticActuators[i].name);
  }
  for (int i = 0; i < catalogue.thermostats.count; ++i) {
    actuators_.insert(catalogue.thermostats[i].name);
  }
}

bool CatalogueNames::HoldsProduct(const QString& name, const QString& dn) const {
  return products_.contains({name, dn});
}

bool CatalogueNames::HoldsActuator(const QString& name) const { return actuators_.contains(name); }

ScheduleRow ScheduleRowOf(const ProjectPosition& position, int number,
                          const CatalogueNames* catalogue) {
  const SettingsRecord& in = position.inputs;
  const ShownSelection& shown = position.shown;
  const bool steam = in.medium == 3;
  ScheduleRow row;
  row.number = number;
  row.label = position.label;
  row.quantity = position.quantity;
  row.medium = MediumText(in.medium);
  row.flow = FieldNumber(in.flow);
  row.flowUnit = ShownUnit((steam ? MassFlowUnits() : VolumeFlowUnits()).value(in.flowUnit));
  row.drop = FieldNumber(in.drop);
  row.dropUnit = ShownUnit(PressureUnits().value(in.dropUnit));
  if (steam) {
    // The relative drop δ, which the calculation reads through the unit chosen as it reads a
    // pressure.
    row.relativeDrop = true;
    row.dropUnit =
        in.dropUnit == 0 ? QString::fromUtf8("δ") : QString::fromUtf8("δ ") + row.dropUnit;
  }
  if (shown.outcome != InvalidInput) row.kv = shown.kv;
  if (shown.HasProduct()) {
    row.product = shown.product;
    row.dn = shown.dn;
    row.kvs = shown.kvs;
    row.actuator = shown.actuatorName;
    row.controller = shown.controller;
    row.dpv = shown.dpv;
    row.velocity = shown.velocity;
    if (catalogue) {
      row.productNotInCatalogue = !catalogue->HoldsProduct(shown.product, shown.dn);
      row.actuatorNotInCatalogue =
          !shown.actuatorName.isEmpty() && !catalogue->HoldsActuator(shown.actuatorName);
    }
  }
  return row;
}

Schedule ScheduleOf(const Project& project, const Catalogue* catalogue) {
  const std::optional<CatalogueNames> names =
      catalogue ? std::optional<CatalogueNames>(*catalogue) : std::nullopt;
  std::vector<ScheduleRow> rows;
  rows.reserve(project.positions.size());
  int number = 0;
  for (const ProjectPosition& position : project.positions) {
    rows.push_back(ScheduleRowOf(position, ++number, names ? &*names : nullptr));
  }
  return MakeSchedule(std::move(rows));
}

bool IsScheduleFormat(const QString& path) { return FormatOf(path) != ScheduleFormat::None; }

std::optional<QString> ExportSchedule(const Project& project, const QString& projectName,
                                      const QString& path, const QDateTime& when,
                                      const Catalogue* catalogue) {
  const ScheduleFormat format = FormatOf(path);
  if (format == ScheduleFormat::None) {
    return QCoreApplication::translate(
        "Schedule", "Ведомость оборудования сохраняется только в файлы .odt, .pdf и .csv");
  }
  const Schedule schedule = ScheduleOf(project, catalogue);
  constexpr LinkPolicy kLinks = LinkPolicy::FollowToFile;
  WriteResult written;
  if (format == ScheduleFormat::Csv) {
    written = WriteFileWhole(path, ScheduleCsv(schedule), kLinks);
  } else if (format == ScheduleFormat::Odt) {
    written = WriteOdt(*BuildScheduleDocument(schedule, projectName, when), path, kLinks);
  } else {
    written = WritePdf(*BuildSchedulePrintDocument(schedule, projectName, when), path, kLinks,
                       QPageLayout::Landscape);
  }
  if (written) return std::nullopt;
  return ScheduleNotWrittenMessage(path, written);
}

}  // namespace selvio
