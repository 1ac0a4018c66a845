#include "app/cli/select_options.h"

#include <QFileInfo>

namespace selvio {
namespace {

ParsedSelectOptions Failure(const QString& message) { return {std::nullopt, message}; }

// A whole decimal integer, nothing before or after it.
std::optional<int> ParseIndex(const QString& text) {
  bool ok = false;
  const int value = text.toInt(&ok, 10);
  if (!ok) return std::nullopt;
  return value;
}

// A document file name the export can write: a name ending in ".odt" or ".pdf", in any case.
bool IsDocumentName(const QString& path) {
  const QString name = QFileInfo(path).fileName();
  for (const char* suffix : {".odt", ".pdf"}) {
    const QLatin1String ending(suffix);
    if (name.size() > ending.size() && name.endsWith(ending, Qt::CaseInsensitive)) return true;
  }
  return false;
}

}  // namespace

QString SelectUsage() {
  return QString::fromUtf8(
      "Использование: selvio-cli select ФАЙЛ.crp [--dir ПАПКА] [--candidate N] "
      "[--actuator M] [--json] [--export ФАЙЛ]\n"
      "  Открывает файл параметров выбора, как кнопка \"Открыть\", в рабочей папке ПАПКА\n"
      "  и выполняет расчет, как кнопка \"Расчет\". Без --dir рабочая папка - текущая,\n"
      "  если в ней есть база xmldata.xml, иначе папка данных пользователя\n"
      "  (~/.local/share/selvio), куда копируются установленные данные.\n"
      "  --candidate N, --actuator M  показать кандидата N с приводом M (счет с нуля)\n"
      "  --json                       вывести результат одним объектом JSON\n"
      "  --export ФАЙЛ                записать документ с результатом подбора в ФАЙЛ\n"
      "                               (.odt или .pdf)\n");
}

ParsedSelectOptions ParseSelectOptions(const QStringList& arguments) {
  SelectOptions options;
  bool fileGiven = false;
  bool dirGiven = false;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    QString argument = arguments[i];
    if (!argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) {
      if (fileGiven) return Failure(QString::fromUtf8("Лишний аргумент: %1").arg(argument));
      options.file = argument;
      fileGiven = true;
      continue;
    }
    if (argument == QLatin1String("--json")) {
      options.json = true;
      continue;
    }
    if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
      options.help = true;
      continue;
    }

    QString value;
    bool valueGiven = false;
    const qsizetype equals = argument.indexOf(QLatin1Char('='));
    if (equals > 0) {
      value = argument.mid(equals + 1);
      argument.truncate(equals);
      valueGiven = true;
    }
    const bool isDir = argument == QLatin1String("--dir");
    const bool isCandidate = argument == QLatin1String("--candidate");
    const bool isActuator = argument == QLatin1String("--actuator");
    const bool isExport = argument == QLatin1String("--export");
    if (!isDir && !isCandidate && !isActuator && !isExport) {
      return Failure(QString::fromUtf8("Неизвестный параметр: %1").arg(argument));
    }
    if (!valueGiven) {
      if (i + 1 >= arguments.size()) {
        return Failure(QString::fromUtf8("После %1 нужно значение").arg(argument));
      }
      value = arguments[++i];
    }

    if (isDir) {
      if (dirGiven) return Failure(QString::fromUtf8("Параметр --dir указан дважды"));
      if (value.isEmpty()) return Failure(QString::fromUtf8("Пустое имя папки после --dir"));
      options.dir = value;
      dirGiven = true;
      continue;
    }
    if (isExport) {
      if (!options.exportPath.isEmpty()) {
        return Failure(QString::fromUtf8("Параметр --export указан дважды"));
      }
      if (!IsDocumentName(value)) {
        return Failure(
            QString::fromUtf8("После --export нужно имя файла .odt или .pdf, а не \"%1\"")
                .arg(value));
      }
      options.exportPath = value;
      continue;
    }
    std::optional<int>& index = isCandidate ? options.candidate : options.actuator;
    if (index) return Failure(QString::fromUtf8("Параметр %1 указан дважды").arg(argument));
    index = ParseIndex(value);
    if (!index) {
      return Failure(
          QString::fromUtf8("После %1 нужно целое число, а не \"%2\"").arg(argument, value));
    }
  }
  if (!fileGiven && !options.help) return Failure(QString::fromUtf8("Не указан файл .crp"));
  return {options, {}};
}

}  // namespace selvio
