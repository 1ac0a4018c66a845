#include "app/project/project_file.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <charconv>
#include <cmath>
#include <limits>

#include "app/files/file_messages.h"
#include "app/files/settings_fields.h"
#include "app/project/position_label.h"
#include "platform/c_numbers.h"
#include "platform/whole_file.h"

namespace selvio {
namespace {

// A float as the shortest decimal that reads back as the same float; null when not finite.
QJsonValue FigureJson(float value) {
  if (!std::isfinite(value)) return QJsonValue(QJsonValue::Null);
  char buffer[32];
  const std::to_chars_result written = std::to_chars(buffer, buffer + sizeof buffer, value);
  return ScanDouble(std::string_view(buffer, static_cast<std::size_t>(written.ptr - buffer)))
      .value_or(0.0);
}

QJsonValue TextJson(const TextField& field) {
  const QString text = FieldText(field);
  if (text.isValidUtf16()) return text;
  QJsonArray units;
  for (QChar unit : text) units.append(unit.unicode());
  return units;
}

struct InputsWriter {
  QJsonObject& object;
  void operator()(SettingsFieldPlace place, std::int32_t value) const {
    object.insert(QLatin1String(place.name), value);
  }
  void operator()(SettingsFieldPlace place, const TextField& field) const {
    object.insert(QLatin1String(place.name), TextJson(field));
  }
};

QJsonObject ShownJson(const ShownSelection& s) {
  return {{"outcome", static_cast<int>(s.outcome)},
          {"candidate", s.candidate},
          {"actuator", s.actuator},
          {"product", s.product},
          {"dn", s.dn},
          {"kvs", FigureJson(s.kvs)},
          {"actuator_name", s.actuatorName},
          {"controller", s.controller},
          {"kv", FigureJson(s.kv)},
          {"dpv", FigureJson(s.dpv)},
          {"velocity", FigureJson(s.velocity)},
          {"psat", FigureJson(s.psat)},
          {"cavitation", s.cavitation}};
}

QJsonObject PositionJson(const ProjectPosition& position) {
  QJsonObject inputs;
  ForEachSettingsField(position.inputs, InputsWriter{inputs});
  return {{"label", position.label},
          {"quantity", position.quantity},
          {"inputs", inputs},
          {"shown", ShownJson(position.shown)}};
}

// Reads the fields of one JSON object of a position; the first fault is kept and named by the
// position's number and the field's path.
class FieldReader {
 public:
  FieldReader(const QJsonObject& object, QString path, int position, QString& error)
      : object_(object), path_(std::move(path)), position_(position), error_(error) {}

  FieldReader Object(const char* name) const {
    const QJsonValue value = Value(name);
    if (!value.isUndefined() && !value.isObject()) {
      Fail(name, QT_TRANSLATE_NOOP("ProjectFile", "Позиция %1: поле «%2» должно быть объектом"));
    }
    return FieldReader(value.toObject(), Path(name) + '.', position_, error_);
  }

  void Integer(const char* name, std::int32_t& out, std::int32_t low, std::int32_t high) const {
    const QJsonValue value = Value(name);
    if (value.isUndefined()) return;
    const double number = value.toDouble(std::numeric_limits<double>::quiet_NaN());
    if (!value.isDouble() || number != std::floor(number) || number < low || number > high) {
      Fail(name,
           QT_TRANSLATE_NOOP("ProjectFile",
                             "Позиция %1: поле «%2» должно быть целым числом от %3 до %4"),
           {QString::number(low), QString::number(high)});
      return;
    }
    out = static_cast<std::int32_t>(number);
  }
  void Integer(const char* name, std::int32_t& out) const {
    Integer(name, out, std::numeric_limits<std::int32_t>::min(),
            std::numeric_limits<std::int32_t>::max());
  }

  void Figure(const char* name, float& out) const {
    const QJsonValue value = Value(name);
    if (value.isUndefined()) return;
    if (value.isNull()) {
      out = std::numeric_limits<float>::quiet_NaN();
    } else if (value.isDouble()) {
      out = static_cast<float>(value.toDouble());
    } else {
      Fail(name,
           QT_TRANSLATE_NOOP("ProjectFile", "Позиция %1: поле «%2» должно быть числом или null"));
    }
  }

  void Flag(const char* name, bool& out) const {
    const QJsonValue value = Value(name);
    if (value.isUndefined()) return;
    if (!value.isBool()) {
      Fail(name,
           QT_TRANSLATE_NOOP("ProjectFile", "Позиция %1: поле «%2» должно быть true или false"));
    }
    out = value.toBool();
  }

  void Text(const char* name, QString& out) const {
    const QJsonValue value = Value(name);
    if (value.isUndefined()) return;
    if (!value.isString()) {
      Fail(name, QT_TRANSLATE_NOOP("ProjectFile", "Позиция %1: поле «%2» должно быть строкой"));
    }
    out = value.toString();
  }

  // A position's label, as the project window would take it.
  void Label(const char* name, QString& out) const {
    Text(name, out);
    if (const std::optional<QString> fault = LabelFault(out)) {
      Fail(name, QT_TRANSLATE_NOOP("ProjectFile", "Позиция %1: поле «%2» %3"), {*fault});
    }
  }

  // A text of the selection record: at most 99 UTF-16 code units, none of them zero.
  void RecordText(const char* name, TextField& out) const {
    const QJsonValue value = Value(name);
    if (value.isUndefined()) return;
    QString text;
    if (value.isString()) {
      text = value.toString();
    } else if (value.isArray()) {
      for (const QJsonValue unit : value.toArray()) {
        const double code = unit.toDouble(-1);
        if (code != std::floor(code) || code < 0 || code > 0xFFFF) {
          Fail(name, QT_TRANSLATE_NOOP("ProjectFile",
                                       "Позиция %1: поле «%2» должно содержать коды знаков от 0 "
                                       "до 65535"));
          return;
        }
        text += QChar(static_cast<char16_t>(code));
      }
    } else {
      Fail(name, QT_TRANSLATE_NOOP("ProjectFile", "Позиция %1: поле «%2» должно быть строкой"));
      return;
    }
    if (text.size() >= kTextFieldUnits || text.contains(QChar(0))) {
      Fail(name, QT_TRANSLATE_NOOP("ProjectFile",
                                   "Позиция %1: поле «%2» должно быть строкой не длиннее 99 знаков "
                                   "без нулевого знака"));
      return;
    }
    SetFieldText(out, text);
  }

 private:
  QString Path(const char* name) const { return path_ + QLatin1String(name); }

  QJsonValue Value(const char* name) const {
    const QJsonValue value = object_.value(QLatin1String(name));
    if (value.isUndefined()) {
      SetError(QCoreApplication::translate("ProjectFile", "Позиция %1: нет поля «%2»")
                   .arg(QString::number(position_), Path(name)));
    }
    return value;
  }

  // `sentence` names the position as "%1", the field as "%2", and takes `more` from "%3" on.
  void Fail(const char* name, const char* sentence, const QStringList& more = {}) const {
    QString text = QCoreApplication::translate("ProjectFile", sentence);
    if (more.isEmpty()) {
      text = text.arg(QString::number(position_), Path(name));
    } else if (more.size() == 1) {
      text = text.arg(QString::number(position_), Path(name), more[0]);
    } else {
      text = text.arg(QString::number(position_), Path(name), more[0], more[1]);
    }
    SetError(text);
  }

  void SetError(const QString& error) const {
    if (error_.isEmpty()) error_ = error;
  }

  QJsonObject object_;
  QString path_;
  int position_;
  QString& error_;
};

struct InputsReader {
  const FieldReader& fields;
  void operator()(SettingsFieldPlace place, std::int32_t& value) const {
    fields.Integer(place.name, value);
  }
  void operator()(SettingsFieldPlace place, TextField& field) const {
    fields.RecordText(place.name, field);
  }
};

ShownSelection ReadShown(const FieldReader& f) {
  ShownSelection s;
  std::int32_t outcome = 0;
  f.Integer("outcome", outcome, InvalidInput, Found);
  s.outcome = static_cast<SelectionOutcome>(outcome);
  f.Integer("candidate", s.candidate);
  f.Integer("actuator", s.actuator);
  f.Text("product", s.product);
  f.Text("dn", s.dn);
  f.Figure("kvs", s.kvs);
  f.Text("actuator_name", s.actuatorName);
  f.Text("controller", s.controller);
  f.Figure("kv", s.kv);
  f.Figure("dpv", s.dpv);
  f.Figure("velocity", s.velocity);
  f.Figure("psat", s.psat);
  f.Flag("cavitation", s.cavitation);
  return s;
}

// Position `number` (from 1) of the file; `error` names the first fault.
ProjectPosition ReadPosition(const QJsonValue& value, int number, QString& error) {
  ProjectPosition position;
  if (!value.isObject()) {
    error =
        QCoreApplication::translate("ProjectFile", "Позиция %1: должна быть объектом").arg(number);
    return position;
  }
  const FieldReader fields(value.toObject(), QString(), number, error);
  fields.Label("label", position.label);
  fields.Integer("quantity", position.quantity, 1, kMaxPositionQuantity);
  ForEachSettingsField(position.inputs, InputsReader{fields.Object("inputs")});
  position.shown = ReadShown(fields.Object("shown"));
  return position;
}

}  // namespace

std::optional<QByteArray> ProjectFileBytes(const Project& project, qint64 limit) {
  // Laid out as QJsonDocument lays out the whole file (members in order of their keys, four
  // blanks a level), one position at a time: the JSON of every position is never held at once.
  QByteArray bytes =
      QByteArrayLiteral("{\n    \"format\": \"") + kProjectFormat + "\",\n    \"positions\": [\n";
  for (std::size_t i = 0; i < project.positions.size(); ++i) {
    if (i > 0) bytes += ",\n";
    // A position alone is "{...}\n" at the top level; the file holds it two levels deeper.
    const QByteArray alone =
        QJsonDocument(PositionJson(project.positions[i])).toJson(QJsonDocument::Indented);
    for (qsizetype start = 0; start < alone.size();) {
      const qsizetype end = alone.indexOf('\n', start);
      if (start > 0) bytes += '\n';
      bytes += "        ";
      bytes.append(alone.constData() + start, end - start);
      start = end + 1;
    }
    if (bytes.size() > limit) return std::nullopt;
  }
  if (!project.positions.empty()) bytes += '\n';
  bytes += "    ],\n    \"version\": " + QByteArray::number(kProjectFileVersion) + "\n}\n";
  if (bytes.size() > limit) return std::nullopt;
  return bytes;
}

QByteArray ProjectFileBytes(const Project& project) {
  return *ProjectFileBytes(project, std::numeric_limits<qint64>::max());
}

ReadProject ParseProjectFile(const QByteArray& bytes) {
  QJsonParseError parse;
  const QJsonDocument document = QJsonDocument::fromJson(bytes, &parse);
  if (parse.error != QJsonParseError::NoError) {
    return {std::nullopt,
            QCoreApplication::translate(
                "ProjectFile", "Файл проекта поврежден или обрезан: ошибка в байте %1 из %2")
                .arg(QString::number(parse.offset), QString::number(bytes.size()))};
  }
  const QJsonObject file = document.object();
  if (!document.isObject() || file.value("format").toString() != QLatin1String(kProjectFormat)) {
    return {std::nullopt, QCoreApplication::translate("ProjectFile", "Это не файл проекта")};
  }
  const QJsonValue version = file.value("version");
  if (!version.isDouble() || version.toDouble() != std::floor(version.toDouble())) {
    return {std::nullopt, QCoreApplication::translate(
                              "ProjectFile", "Файл проекта поврежден: не указана версия формата")};
  }
  if (version.toDouble() > kProjectFileVersion) {
    return {std::nullopt, QCoreApplication::translate(
                              "ProjectFile",
                              "Файл проекта записан более новой версией программы (версия "
                              "формата %1, эта версия читает версию %2)")
                              .arg(version.toDouble())
                              .arg(kProjectFileVersion)};
  }
  if (version.toDouble() != kProjectFileVersion) {
    return {std::nullopt, QCoreApplication::translate(
                              "ProjectFile", "Неизвестная версия формата файла проекта: %1")
                              .arg(version.toDouble())};
  }
  if (!file.value("positions").isArray()) {
    return {std::nullopt, QCoreApplication::translate(
                              "ProjectFile", "Файл проекта поврежден: нет списка позиций")};
  }
  const QJsonArray positions = file.value("positions").toArray();
  if (positions.size() > kMaxProjectPositions) {
    return {std::nullopt,
            QCoreApplication::translate("ProjectFile",
                                        "В файле проекта позиций: %1, а в проекте их может быть "
                                        "не больше %2")
                .arg(QString::number(positions.size()), QString::number(kMaxProjectPositions))};
  }
  Project project;
  project.positions.reserve(static_cast<std::size_t>(positions.size()));
  QString error;
  for (qsizetype i = 0; i < positions.size(); ++i) {
    project.positions.push_back(ReadPosition(positions[i], static_cast<int>(i + 1), error));
    if (!error.isEmpty()) return {std::nullopt, error};
  }
  return {std::move(project), {}};
}

ReadProject ReadProjectFile(const QString& path) {
  const ReadResult read = ReadFileWhole(path, kProjectFileLimit);
  if (!read) return {std::nullopt, ProjectNotReadMessage(read, kProjectFileLimit)};
  return ParseProjectFile(read.bytes);
}

std::optional<QString> WriteProjectFile(const QString& path, const Project& project) {
  const std::optional<QByteArray> bytes = ProjectFileBytes(project, kProjectFileLimit);
  if (!bytes) return ProjectTooLargeMessage(kProjectFileLimit);
  if (const WriteResult written = WriteFileWhole(path, *bytes, LinkPolicy::FollowToFile);
      !written) {
    return ProjectNotWrittenMessage(written);
  }
  return std::nullopt;
}

}  // namespace selvio
