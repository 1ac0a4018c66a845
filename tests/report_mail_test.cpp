#include "output/report_mail.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QUrlQuery>

namespace selvio {
namespace {

// The query of a mailto URL split at "&" and "=" without decoding: name -> encoded value.
QMap<QString, QByteArray> EncodedFields(const QUrl& url) {
  const QByteArray encoded = url.toEncoded();
  EXPECT_TRUE(encoded.startsWith("mailto:?")) << encoded.toStdString();
  QMap<QString, QByteArray> fields;
  for (const QByteArray& pair :
       encoded.mid(static_cast<qsizetype>(strlen("mailto:?"))).split('&')) {
    const qsizetype equals = pair.indexOf('=');
    fields.insert(QString::fromLatin1(pair.left(equals)), pair.mid(equals + 1));
  }
  return fields;
}

// What may stand unencoded in a value: the unreserved characters and the escapes.
bool OnlyUnreservedAndEscapes(const QByteArray& value) {
  static const QRegularExpression allowed(QStringLiteral("^([A-Za-z0-9._~-]|%[0-9A-F]{2})*$"));
  return allowed.match(QString::fromLatin1(value)).hasMatch();
}

TEST(ReportMail, SubjectIsPodborKlapanaInUtf8) {
  const QMap<QString, QByteArray> fields = EncodedFields(ReportMailUrl(QString()));
  ASSERT_EQ(fields.keys(), (QStringList{"body", "subject"}));
  // "Подбор клапана" in UTF-8: П D0 9F, о D0 BE, д D0 B4, б D0 B1, р D1 80, space 20, к D0 BA,
  // л D0 BB, а D0 B0, п D0 BF, н D0 BD.
  EXPECT_EQ(fields["subject"],
            "%D0%9F%D0%BE%D0%B4%D0%B1%D0%BE%D1%80%20%D0%BA%D0%BB%D0%B0%D0%BF%D0%B0%D0%BD%D0%B0");
  EXPECT_EQ(fields["body"], "");
}

TEST(ReportMail, BodyIsTheReportWithEveryReservedCharacterEncoded) {
  struct Row {
    const char* name;
    const char* report;
    const char* encodedBody;
  };
  const Row rows[] = {
      {"line feed and tab", "a\n\tb", "a%0A%09b"},
      {"plus, ampersand, hash, percent", "1+2&3#4%5", "1%2B2%263%234%255"},
      {"equals, question mark, slash, space", "x=y?z/w v", "x%3Dy%3Fz%2Fw%20v"},
      {"unreserved characters stay", "Kvs-0.63_a~", "Kvs-0.63_a~"},
      {"Cyrillic and the degree sign", "ДУ,°С", "%D0%94%D0%A3%2C%C2%B0%D0%A1"},
  };
  for (const Row& row : rows) {
    const QMap<QString, QByteArray> fields =
        EncodedFields(ReportMailUrl(QString::fromUtf8(row.report)));
    EXPECT_EQ(fields["body"], QByteArray(row.encodedBody)) << row.name;
  }
}

TEST(ReportMail, ReportDecodesBackUnchanged) {
  const QString report = QString::fromUtf8(
      "Клапан: VT2\nУсловный проход ДУ, мм: 15\nПропускная способность Kvs, м³/ч: 0.40\n"
      "Протечка относительно Kvs,%: 0.05\n\nЭлектропривод: EA-3P-24\nДополнительные опции:\n"
      "\tПотенциометр\n\n\nКонтроллер: ZR310\n\t- теплоносителя (SX40): 1 & 2 + #3");
  const QUrl url = ReportMailUrl(report);
  EXPECT_EQ(url.scheme(), "mailto");
  EXPECT_TRUE(url.path().isEmpty());
  const QMap<QString, QByteArray> fields = EncodedFields(url);
  EXPECT_TRUE(OnlyUnreservedAndEscapes(fields["subject"]));
  EXPECT_TRUE(OnlyUnreservedAndEscapes(fields["body"])) << fields["body"].toStdString();
  EXPECT_EQ(QUrl::fromPercentEncoding(fields["subject"]), QString::fromUtf8("Подбор клапана"));
  EXPECT_EQ(QUrl::fromPercentEncoding(fields["body"]), report);

  // A mail program reading the query the usual way gets the same.
  const QUrlQuery query(url);
  EXPECT_EQ(query.queryItemValue("subject", QUrl::FullyDecoded),
            QString::fromUtf8("Подбор клапана"));
  EXPECT_EQ(query.queryItemValue("body", QUrl::FullyDecoded), report);
}

}  // namespace
}  // namespace selvio
