// Free texts on their way into documents, spreadsheets and terminals.
#include "output/safe_text.h"

#include <gtest/gtest.h>

namespace selvio {
namespace {

QString Utf8(const char* text) { return QString::fromUtf8(text); }

// The characters that steer a layout or a terminal, each named in the Unicode standard (C0,
// DEL, C1, the bidirectional controls of UAX #9 and the two separators), and their neighbours
// that are ordinary text.
TEST(ControlCharacters, TheSetOfCharactersThatSteerWhatFollows) {
  for (char32_t c : {0x00u, 0x09u, 0x0Au, 0x0Du, 0x1Bu, 0x1Fu, 0x7Fu, 0x80u, 0x9Bu, 0x9Fu, 0x061Cu,
                     0x200Eu, 0x200Fu, 0x202Au, 0x202Eu, 0x2066u, 0x2069u, 0x2028u, 0x2029u}) {
    EXPECT_TRUE(IsControlCharacter(c)) << std::hex << static_cast<unsigned>(c);
  }
  for (char32_t c : {0x20u, 0x7Eu, 0xA0u, 0x0401u, 0x05D0u, 0x0627u, 0x200Du, 0x2013u, 0x202Fu,
                     0x2065u, 0x206Au, 0x1F600u}) {
    EXPECT_FALSE(IsControlCharacter(c)) << std::hex << static_cast<unsigned>(c);
  }
  EXPECT_EQ(FirstControlCharacter(Utf8("ИТП-1\u202Eабв\x1b")), 0x202Eu);
  EXPECT_EQ(FirstControlCharacter(QString(QChar(0)) + "a"), 0u);
  EXPECT_EQ(FirstControlCharacter(Utf8("ИТП-1, ГВС 😀")), std::nullopt);
  EXPECT_EQ(FirstControlCharacter(QString(QChar(0xD800)) + "a"), 0xD800u);  // a lone surrogate
  EXPECT_EQ(CodePointName(0x1B), "U+001B");
  EXPECT_EQ(CodePointName(0x202E), "U+202E");
}

TEST(ControlCharacters, EscapedAsVisibleTextAndNothingElseChanged) {
  struct Row {
    const char* name;
    QString text;
    QString kept;
    QString escaped;
  };
  const Row rows[] = {
      {"plain Cyrillic text", Utf8("ИТП-1, отопление «А»"), {}, Utf8("ИТП-1, отопление «А»")},
      {"a screen clearing sequence", Utf8("a\x1b[2Jb"), {}, Utf8("a\\x1b[2Jb")},
      {"a carriage return forging a line", Utf8("ok\rforged"), {}, Utf8("ok\\x0dforged")},
      {"a right-to-left override", Utf8("123\u202E456"), {}, Utf8("123\\u202e456")},
      {"a C1 control sequence introducer", Utf8("a\u009Bb"), {}, Utf8("a\\x9bb")},
      {"a line separator", Utf8("a\u2028b"), {}, Utf8("a\\u2028b")},
      {"kept line feeds and tabs", Utf8("a\n\tb\rc"), Utf8("\n\t"), Utf8("a\n\tb\\x0dc")},
      {"a character outside the basic plane", Utf8("😀\x07"), {}, Utf8("😀\\x07")},
      {"a lone surrogate", QString(QChar(0xDC00)) + "x", {}, Utf8("\\udc00x")},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(EscapeControls(row.text, row.kept), row.escaped) << row.name;
  }
}

// What QJsonDocument leaves raw (DEL, C1, bidirectional controls, the separators JavaScript
// takes for line ends) becomes a JSON escape; the escapes it wrote stay.
TEST(ControlCharacters, JsonKeepsItsDataAndLosesTheRawControls) {
  const QByteArray json =
      Utf8("{\"a\":\"x\\u001by\u202E\u009B\u2028\u007F\",\"b\":\"ГВС\"}").toUtf8();
  EXPECT_EQ(JsonWithEscapedControls(json),
            Utf8("{\"a\":\"x\\u001by\\u202e\\u009b\\u2028\\u007f\",\"b\":\"ГВС\"}").toUtf8());
}

// OWASP's list of the characters that start a formula in a spreadsheet cell.
TEST(SpreadsheetText, FormulaStartsGetAnApostropheOtherTextsStay) {
  const std::pair<const char*, const char*> rows[] = {
      {"=HYPERLINK(\"http://x\")", "'=HYPERLINK(\"http://x\")"},
      {"+1+2", "'+1+2"},
      {"-5 этаж", "'-5 этаж"},
      {"@SUM(A1)", "'@SUM(A1)"},
      {"\tx", "'\tx"},
      {"\rx", "'\rx"},
      {"ИТП-1 = отопление", "ИТП-1 = отопление"},
      {"'уже текст", "'уже текст"},
      {"", ""},
  };
  for (const auto& [text, cell] : rows) EXPECT_EQ(SpreadsheetText(Utf8(text)), Utf8(cell)) << text;
}

}  // namespace
}  // namespace selvio
