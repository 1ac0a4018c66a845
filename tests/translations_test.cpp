// The translation files as kept in the tree: every text translated, each translation holding the
// placeholders of its source and its lines, so that no English text shows "%1", drops a figure
// or moves a label block's lines off the values beside them.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <set>
#include <vector>

namespace selvio::test {
namespace {

struct TsMessage {
  QString context;
  QString source;
  QString comment;
  QString type;  // "unfinished", "vanished", "obsolete" or none
  bool numerus = false;
  QStringList translations;  // one, or one per numerus form
};

// The text of the element the reader stands on, with the characters lupdate writes as
// <byte value="xd"/> put back.
QString ElementText(QXmlStreamReader& xml) {
  QString text;
  while (xml.readNext() != QXmlStreamReader::EndElement || xml.name() == QLatin1String("byte")) {
    if (xml.isCharacters()) text += xml.text();
    if (xml.isStartElement() && xml.name() == QLatin1String("byte")) {
      const QString value = xml.attributes().value(QLatin1String("value")).toString();
      text += QChar(value.mid(1).toUShort(nullptr, 16));
    }
    if (xml.atEnd()) break;
  }
  return text;
}

std::vector<TsMessage> ReadTs(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  QXmlStreamReader xml(&file);
  std::vector<TsMessage> messages;
  QString context;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    if (xml.name() == QLatin1String("name")) context = ElementText(xml);
    if (xml.name() == QLatin1String("message")) {
      TsMessage message;
      message.context = context;
      message.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
      messages.push_back(message);
    }
    if (messages.empty()) continue;
    TsMessage& message = messages.back();
    if (xml.name() == QLatin1String("source")) message.source = ElementText(xml);
    if (xml.name() == QLatin1String("comment")) message.comment = ElementText(xml);
    if (xml.name() == QLatin1String("translation")) {
      message.type = xml.attributes().value(QLatin1String("type")).toString();
      if (!message.numerus) message.translations << ElementText(xml);
    }
    if (xml.name() == QLatin1String("numerusform")) message.translations << ElementText(xml);
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return messages;
}

// The placeholders of a text: "%1" to "%99" and "%n", each as often as it stands.
std::multiset<QString> Placeholders(const QString& text) {
  static const QRegularExpression placeholder(QStringLiteral("%(\\d{1,2}|n)"));
  std::multiset<QString> found;
  for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
    found.insert(match.captured(0));
  return found;
}

QString Leading(const QString& text) {
  qsizetype end = 0;
  while (end < text.size() && text[end].isSpace()) ++end;
  return text.left(end);
}

QString Trailing(const QString& text) {
  qsizetype start = text.size();
  while (start > 0 && text[start - 1].isSpace()) --start;
  return text.mid(start);
}

std::vector<QString> TranslationFiles() {
  std::vector<QString> files;
  const QDir folder(QStringLiteral(SELVIO_TRANSLATIONS_DIR));
  for (const QString& name : folder.entryList({QStringLiteral("selvio_*.ts")}, QDir::Files))
    files.push_back(folder.filePath(name));
  return files;
}

TEST(TranslationFiles, EveryTextIsTranslatedWithItsPlaceholdersAndLines) {
  const std::vector<QString> files = TranslationFiles();
  ASSERT_FALSE(files.empty());
  for (const QString& file : files) {
    const std::vector<TsMessage> messages = ReadTs(file);
    EXPECT_GT(messages.size(), 400u) << "the file was read";
    for (const TsMessage& m : messages) {
      const std::string where = (QFileInfo(file).fileName() + QLatin1Char(' ') + m.context +
                                 QStringLiteral(": ") + m.source)
                                    .toStdString();
      EXPECT_TRUE(m.type.isEmpty()) << where << " is " << m.type.toStdString();
      ASSERT_FALSE(m.translations.isEmpty()) << where;
      // English has a singular and a plural.
      if (m.numerus) {
        EXPECT_EQ(m.translations.size(), 2) << where;
      }
      for (const QString& translation : m.translations) {
        EXPECT_FALSE(translation.isEmpty()) << where;
        EXPECT_EQ(Placeholders(translation), Placeholders(m.source))
            << where << " -> " << translation.toStdString();
        EXPECT_EQ(translation.count(QLatin1Char('\n')), m.source.count(QLatin1Char('\n')))
            << where << " -> " << translation.toStdString();
        EXPECT_EQ(translation.count(QLatin1Char('\r')), m.source.count(QLatin1Char('\r'))) << where;
        EXPECT_EQ(Leading(translation), Leading(m.source)) << where;
        EXPECT_EQ(Trailing(translation), Trailing(m.source)) << where;
      }
    }
  }
}

// Two texts of one context with one source and no comment to tell them apart would be one
// message to lupdate, and one translation for both.
TEST(TranslationFiles, AContextHoldsASourceOnce) {
  for (const QString& file : TranslationFiles()) {
    std::set<std::tuple<QString, QString, QString>> seen;
    for (const TsMessage& m : ReadTs(file)) {
      EXPECT_TRUE(seen.insert({m.context, m.source, m.comment}).second)
          << m.context.toStdString() << ": " << m.source.toStdString();
    }
  }
}

}  // namespace
}  // namespace selvio::test
