#include "output/safe_text.h"

namespace selvio {
namespace {

QString Hex(char32_t value, int digits) {
  return QStringLiteral("%1").arg(static_cast<uint>(value), digits, 16, QLatin1Char('0'));
}

QString Escape(char32_t character) {
  return character < 0x100 ? QStringLiteral("\\x") + Hex(character, 2)
                           : QStringLiteral("\\u") + Hex(character, 4);
}

// Calls `visit(code point, index, length in UTF-16 units, lone surrogate)` for each code point.
template <class Visit>
void ForEachCodePoint(const QString& text, Visit&& visit) {
  for (qsizetype i = 0; i < text.size();) {
    const char16_t unit = text[i].unicode();
    if (QChar::isHighSurrogate(unit) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      visit(QChar::surrogateToUcs4(unit, text[i + 1].unicode()), i, 2, false);
      i += 2;
    } else {
      visit(char32_t{unit}, i, 1, QChar::isSurrogate(unit));
      ++i;
    }
  }
}

}  // namespace

bool IsControlCharacter(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F ||
         (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0x2028 || c == 0x2029;
}

std::optional<char32_t> FirstControlCharacter(const QString& text) {
  std::optional<char32_t> found;
  ForEachCodePoint(text, [&](char32_t c, qsizetype, qsizetype, bool lone) {
    if (!found && (lone || IsControlCharacter(c))) found = c;
  });
  return found;
}

QString CodePointName(char32_t character) {
  return QStringLiteral("U+") + Hex(character, 4).toUpper();
}

QString EscapeControls(const QString& text, const QString& kept) {
  QString escaped;
  escaped.reserve(text.size());
  ForEachCodePoint(text, [&](char32_t c, qsizetype index, qsizetype length, bool lone) {
    const bool keep = length == 1 && kept.contains(text[index]);
    if (!keep && (lone || IsControlCharacter(c))) {
      escaped += Escape(c);
    } else {
      escaped += QStringView(text).mid(index, length);
    }
  });
  return escaped;
}

QByteArray JsonWithEscapedControls(const QByteArray& json) {
  const QString text = QString::fromUtf8(json);
  QString escaped;
  escaped.reserve(text.size());
  ForEachCodePoint(text, [&](char32_t c, qsizetype index, qsizetype length, bool) {
    if (c >= 0x20 && IsControlCharacter(c)) {
      escaped += QStringLiteral("\\u") + Hex(c, 4);
    } else {
      escaped += QStringView(text).mid(index, length);
    }
  });
  return escaped.toUtf8();
}

QString SpreadsheetText(const QString& text) {
  static const QString formulaStarts = QStringLiteral("=+-@\t\r");
  if (!text.isEmpty() && formulaStarts.contains(text.front())) return QLatin1Char('\'') + text;
  return text;
}

}  // namespace selvio
