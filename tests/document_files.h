#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDomDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <map>
#include <vector>

namespace selvio::test {

// The standard output of `program` with `arguments`; a failure to run is a test failure.
inline QByteArray ToolOutput(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
      process.exitCode() != 0) {
    ADD_FAILURE() << program.toStdString() << " failed: " << process.errorString().toStdString()
                  << ' ' << process.readAllStandardError().toStdString();
    return {};
  }
  return process.readAllStandardOutput();
}

// content.xml of an OpenDocument file.
inline QByteArray OdtContentXml(const QString& path) {
  return ToolOutput(QStringLiteral("/usr/bin/unzip"),
                    {QStringLiteral("-p"), path, QStringLiteral("content.xml")});
}

// The pictures an OpenDocument content.xml draws, by their paths in the file, in order.
inline QStringList OdtImageHrefs(const QString& content) {
  QStringList hrefs;
  const QRegularExpression image(QStringLiteral("<draw:image xlink:href=\"([^\"]+)\""));
  for (const QRegularExpressionMatch& match : image.globalMatch(content))
    hrefs << match.captured(1);
  return hrefs;
}

// The text of a PDF's pages as pdftotext reads it.
inline QString PdfText(const QString& path) {
  return QString::fromUtf8(
      ToolOutput(QStringLiteral("pdftotext"),
                 {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")}));
}

// The non-empty lines of `text`, each without its leading and trailing blanks.
inline QStringList TrimmedLines(const QString& text) {
  QStringList lines;
  for (const QString& line : text.split(QLatin1Char('\n'))) {
    const QString trimmed = line.trimmed();
    if (!trimmed.isEmpty()) lines.append(trimmed);
  }
  return lines;
}

// One paragraph of content.xml: its text (tabs as "\t"), the alignment of its paragraph style,
// and the font families and sizes of its spans.
struct OdtParagraph {
  QString text;
  QString align;
  QStringList families;
  QStringList sizes;
};

struct OdtStyle {
  QString align;
  QString family;
  QString size;
};

inline QString ParagraphText(const QDomElement& element, const std::map<QString, OdtStyle>& styles,
                             OdtParagraph& paragraph) {
  QString text;
  for (QDomNode node = element.firstChild(); !node.isNull(); node = node.nextSibling()) {
    if (node.isText()) {
      text += node.toText().data();
      continue;
    }
    const QDomElement child = node.toElement();
    if (child.tagName() == QLatin1String("text:tab")) text += '\t';
    if (child.tagName() == "text:s") text += QString(child.attribute("text:c", "1").toInt(), ' ');
    if (child.tagName() == "text:span") {
      const auto style = styles.find(child.attribute("text:style-name"));
      if (style != styles.end()) {
        paragraph.families.append(style->second.family);
        paragraph.sizes.append(style->second.size);
      }
      text += ParagraphText(child, styles, paragraph);
    }
  }
  return text;
}

inline std::vector<OdtParagraph> ReadOdtParagraphs(const QByteArray& contentXml) {
  QDomDocument dom;
  EXPECT_TRUE(dom.setContent(contentXml));
  std::map<QString, OdtStyle> styles;
  const QDomNodeList styleNodes = dom.elementsByTagName("style:style");
  for (int i = 0; i < styleNodes.size(); ++i) {
    const QDomElement style = styleNodes.at(i).toElement();
    OdtStyle& s = styles[style.attribute("style:name")];
    s.align = style.firstChildElement("style:paragraph-properties").attribute("fo:text-align");
    const QDomElement text = style.firstChildElement("style:text-properties");
    s.family = text.attribute("fo:font-family");
    s.size = text.attribute("fo:font-size");
  }
  std::vector<OdtParagraph> paragraphs;
  const QDomNodeList paragraphNodes = dom.elementsByTagName("text:p");
  for (int i = 0; i < paragraphNodes.size(); ++i) {
    const QDomElement element = paragraphNodes.at(i).toElement();
    OdtParagraph paragraph;
    paragraph.align = styles[element.attribute("text:style-name")].align;
    paragraph.text = ParagraphText(element, styles, paragraph);
    paragraphs.push_back(paragraph);
  }
  return paragraphs;
}

// The paragraphs' texts of an OpenDocument file, joined by line feeds.
inline QString OdtText(const QString& path) {
  QStringList texts;
  for (const OdtParagraph& paragraph : ReadOdtParagraphs(OdtContentXml(path))) {
    texts.append(paragraph.text);
  }
  return texts.join(QLatin1Char('\n'));
}

}  // namespace selvio::test
