#include "app/cli/project_command.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <memory>

#include "app/cli/batch_command.h"
#include "app/cli/cli_files.h"
#include "app/cli/select_command.h"
#include "app/cli/working_data.h"
#include "app/cli/working_folder_option.h"
#include "app/files/file_messages.h"
#include "app/project/project_file.h"
#include "app/project/project_schedule.h"
#include "app/project/recheck.h"

namespace selvio {
namespace {

ParsedProjectOptions Failure(const QString& message) { return {std::nullopt, message}; }

QJsonValue JsonFigure(float value) {
  const double widened = value;
  return std::isfinite(widened) ? QJsonValue(widened) : QJsonValue(QJsonValue::Null);
}

// The names of a row the catalogue does not hold.
QJsonArray NotInCatalogueJson(const ScheduleRow& r) {
  QJsonArray names;
  if (r.productNotInCatalogue) names.append(r.product);
  if (r.actuatorNotInCatalogue) names.append(r.actuator);
  return names;
}

QJsonObject RowJson(const ScheduleRow& r) {
  return {{"number", r.number},
          {"label", r.label},
          {"quantity", r.quantity},
          {"medium", r.medium},
          {"flow", JsonFigure(r.flow)},
          {"flow_unit", r.flowUnit},
          {"drop", JsonFigure(r.drop)},
          {"drop_unit", r.dropUnit},
          {"product", r.product},
          {"dn", r.dn},
          {"kvs", JsonFigure(r.kvs)},
          {"actuator", r.actuator},
          {"controller", r.controller},
          {"kv", JsonFigure(r.kv)},
          {"dpv", JsonFigure(r.dpv)},
          {"velocity", JsonFigure(r.velocity)},
          {"not_in_catalogue", NotInCatalogueJson(r)}};
}

const char* ChangeKey(SelectionChange change) {
  switch (change) {
    case SelectionChange::None:
      return "none";
    case SelectionChange::OtherProduct:
      return "other_product";
    case SelectionChange::NothingFound:
      return "nothing_found";
    case SelectionChange::DifferentFigures:
      return "different_figures";
  }
  return "";
}

// A figure with its name for the text output, nothing when the position has none.
QString FigureItem(const char* name, const QString& text) {
  return text == QString::fromUtf8("—") ? QString() : QString::fromUtf8(name) + ' ' + text;
}

QString RowText(const ScheduleRow& r) {
  const QStringList parts{QString::number(r.quantity) + QString::fromUtf8(" шт"), r.medium,
                          QString::fromUtf8("G ") + ScheduleFlowText(r),
                          QString::fromUtf8("ΔP ") + ScheduleDropText(r)};
  QString products = QString::fromUtf8("ничего не подобрано");
  if (!r.product.isEmpty()) {
    QStringList names{ScheduleProductText(r) + QString::fromUtf8(" Ду ") + r.dn +
                      QString::fromUtf8(", Kvs ") + ScheduleFigureText(r.kvs)};
    if (!r.actuator.isEmpty()) names << ScheduleActuatorText(r);
    if (!r.controller.isEmpty()) names << r.controller;
    products = names.join(QStringLiteral(" + "));
  }
  QStringList figures;
  for (const QString& item :
       {FigureItem("Kv", ScheduleFigureText(r.kv)), FigureItem("dPv", ScheduleFigureText(r.dpv)),
        FigureItem("V", ScheduleVelocityText(r.velocity))}) {
    if (!item.isEmpty()) figures << item;
  }
  QString line = QStringLiteral("  %1. ").arg(r.number) + r.label + QStringLiteral(" | ") +
                 parts.join(QStringLiteral("; ")) + QStringLiteral(" | ") + products;
  if (!figures.isEmpty()) line += QStringLiteral(" | ") + figures.join(QStringLiteral("; "));
  return line + QLatin1Char('\n');
}

QString ScheduleText(const QString& name, const Schedule& schedule) {
  QString text = QString::fromUtf8("Проект: %1, позиций: %2\n")
                     .arg(name)
                     .arg(static_cast<qsizetype>(schedule.rows.size()));
  for (const ScheduleRow& row : schedule.rows) text += RowText(row);
  text += QString::fromUtf8("Сводка для заказа:");
  if (schedule.orders.empty()) text += QString::fromUtf8(" нет");
  text += QLatin1Char('\n');
  for (const OrderLine& line : schedule.orders) {
    text += QStringLiteral("  ") + OrderLineText(line) +
            (line.dn.isEmpty() ? QString() : QString::fromUtf8(" (Ду ") + line.dn + ')') +
            QString::fromUtf8(": %1 шт\n").arg(line.quantity);
  }
  if (MarksItemsNotInCatalogue(schedule)) text += NotInCatalogueNote() + QLatin1Char('\n');
  return text;
}

struct RecheckLine {
  int number;
  QString label;
  SelectionChange change;
  QString description;
};

QString RecheckText(const std::vector<RecheckLine>& lines, const QString& catalogueDate) {
  int changed = 0;
  for (const RecheckLine& line : lines) changed += line.change != SelectionChange::None;
  QString text = QString::fromUtf8("Перепроверка по базе от %1: изменилось позиций %2 из %3\n")
                     .arg(catalogueDate)
                     .arg(changed)
                     .arg(static_cast<qsizetype>(lines.size()));
  for (const RecheckLine& line : lines) {
    if (line.change == SelectionChange::None) continue;
    text += QStringLiteral("  %1. ").arg(line.number) + line.label + QStringLiteral(": ") +
            line.description + QLatin1Char('\n');
  }
  return text;
}

}  // namespace

QString ProjectUsage() {
  return QString::fromUtf8(
      "Использование: selvio-cli project ФАЙЛ.selvio [--dir ПАПКА] [--recheck] "
      "[--export ФАЙЛ] [--json]\n"
      "  Показывает позиции проекта и сводку для заказа.\n"
      "  --recheck      пересчитать каждую позицию по базе рабочей папки и показать, что\n"
      "                 изменилось; ведомость строится по пересчитанным позициям, файл\n"
      "                 проекта не меняется\n"
      "  --dir ПАПКА    рабочая папка с каталогом (как у команды select); изделия и\n"
      "                 приводы, которых в каталоге нет, отмечаются\n"
      "  --export ФАЙЛ  записать ведомость оборудования в ФАЙЛ (.odt, .pdf или .csv)\n"
      "  --json         вывести один объект JSON\n");
}

ParsedProjectOptions ParseProjectOptions(const QStringList& arguments) {
  ProjectOptions options;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    QString argument = arguments[i];
    if (!argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) {
      if (!options.file.isEmpty()) {
        return Failure(QString::fromUtf8("Лишний аргумент: %1").arg(argument));
      }
      options.file = argument;
      continue;
    }
    if (argument == QLatin1String("--json")) {
      options.json = true;
      continue;
    }
    if (argument == QLatin1String("--recheck")) {
      options.recheck = true;
      continue;
    }
    if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
      options.help = true;
      continue;
    }
    QString value;
    const qsizetype equals = argument.indexOf(QLatin1Char('='));
    if (equals > 0) {
      value = argument.mid(equals + 1);
      argument.truncate(equals);
    }
    if (argument != QLatin1String("--dir") && argument != QLatin1String("--export")) {
      return Failure(QString::fromUtf8("Неизвестный параметр: %1").arg(argument));
    }
    if (equals <= 0) {
      if (i + 1 >= arguments.size()) {
        return Failure(QString::fromUtf8("После %1 нужно значение").arg(argument));
      }
      value = arguments[++i];
    }
    if (argument == QLatin1String("--dir")) {
      if (!options.dir.isEmpty()) return Failure(QString::fromUtf8("Параметр --dir указан дважды"));
      if (value.isEmpty()) return Failure(QString::fromUtf8("Пустое имя папки после --dir"));
      options.dir = value;
    } else {
      if (!options.exportPath.isEmpty()) {
        return Failure(QString::fromUtf8("Параметр --export указан дважды"));
      }
      if (!IsScheduleFormat(value) || QFileInfo(value).completeBaseName().isEmpty()) {
        return Failure(
            QString::fromUtf8("После --export нужно имя файла .odt, .pdf или .csv, а не \"%1\"")
                .arg(value));
      }
      options.exportPath = value;
    }
  }
  if (options.file.isEmpty() && !options.help) {
    return Failure(QString::fromUtf8("Не указан файл проекта"));
  }
  return {options, {}};
}

int RunProjectCommand(const ProjectOptions& options, QTextStream& out, QTextStream& err) {
  const QString file = QDir::current().absoluteFilePath(options.file);
  const QString exportPath = options.exportPath.isEmpty()
                                 ? QString()
                                 : QDir::current().absoluteFilePath(options.exportPath);
  if (!exportPath.isEmpty()) {
    if (const QString refusal = OutputRefusal(exportPath, {file}, ScheduleNotWrittenMessage);
        !refusal.isEmpty()) {
      return Refuse(err, refusal);
    }
  }
  ReadProject read = ReadProjectFile(file);
  if (!read.project) return Refuse(err, read.error + QStringLiteral(": ") + Shown(file));
  Project project = std::move(*read.project);
  const QString name = QFileInfo(file).completeBaseName();

  // The catalogue of the working folder: the re-check sizes on it, and the schedule marks what
  // it does not hold.
  const QString dir = CommandWorkingFolder(options.dir, err);
  if (const QString refusal = WorkingFolderRefusal(dir); !refusal.isEmpty()) {
    return Refuse(err, refusal);
  }
  WorkingData data;
  {
    CurrentFolderScope folder;
    if (!folder.Enter(dir)) {
      return Refuse(err,
                    QString::fromUtf8("Не удалось перейти в рабочую папку: %1").arg(Shown(dir)));
    }
    data = LoadWorkingData();
  }
  if (!data.failure.isEmpty()) return Refuse(err, data.failure);

  std::vector<RecheckLine> recheckLines;
  const QString catalogueDate = data.catalogue->catalogueDate;
  bool positionLost = false;
  if (options.recheck) {
    const RecheckReport report = RecheckProject(project, 0, *data.catalogue, data.saturation);
    for (const PositionRecheck& recheck : report.positions) {
      ProjectPosition& position = project.positions[static_cast<std::size_t>(recheck.position)];
      recheckLines.push_back({recheck.position + 1, position.label, recheck.change,
                              RecheckDescription(position.shown, recheck)});
      positionLost = positionLost || recheck.change == SelectionChange::NothingFound;
      position.shown = recheck.recalculated;
    }
  }

  if (!exportPath.isEmpty()) {
    if (const std::optional<QString> error = ExportSchedule(
            project, name, exportPath, QDateTime::currentDateTime(), data.catalogue.get())) {
      return Refuse(err, *error);
    }
  }

  const Schedule schedule = ScheduleOf(project, data.catalogue.get());
  if (options.json) {
    QJsonArray rows;
    for (const ScheduleRow& row : schedule.rows) rows.append(RowJson(row));
    QJsonArray orders;
    for (const OrderLine& line : schedule.orders) {
      orders.append(QJsonObject{{"name", line.name},
                                {"dn", line.dn},
                                {"quantity", static_cast<qint64>(line.quantity)},
                                {"in_catalogue", !line.notInCatalogue}});
    }
    QJsonObject json{{"project", name}, {"positions", rows}, {"orders", orders}};
    if (options.recheck) {
      QJsonArray changes;
      for (const RecheckLine& line : recheckLines) {
        changes.append(QJsonObject{{"number", line.number},
                                   {"change", QLatin1String(ChangeKey(line.change))},
                                   {"description", line.description}});
      }
      json.insert(QStringLiteral("catalogue_date"), catalogueDate);
      json.insert(QStringLiteral("recheck"), changes);
    }
    out << PrintableJson(QJsonDocument(json));
  } else {
    QString text = ScheduleText(name, schedule);
    if (options.recheck) text += RecheckText(recheckLines, catalogueDate);
    out << PrintableText(text);
  }
  out.flush();
  return positionLost ? kRowErrorStatus : 0;
}

}  // namespace selvio
