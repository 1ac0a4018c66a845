#include "platform/ftp_listing.h"

#include <QList>
#include <optional>

namespace selvio {
namespace {

QList<QByteArray> Lines(const QByteArray& reply) {
  QList<QByteArray> lines;
  for (QByteArray line : reply.split('\n')) {
    if (line.endsWith('\r')) line.chop(1);
    if (!line.isEmpty()) lines.append(line);
  }
  return lines;
}

// A run of non-blanks in a listing line and where it ends.
struct Word {
  QByteArray text;
  qsizetype end = 0;
};

// The first `count` runs of non-blanks of `line` (fewer when the line has fewer).
QList<Word> FirstWords(const QByteArray& line, int count) {
  QList<Word> words;
  qsizetype at = 0;
  while (words.size() < count) {
    while (at < line.size() && line[at] == ' ') ++at;
    if (at == line.size()) break;
    const qsizetype start = at;
    while (at < line.size() && line[at] != ' ') ++at;
    words.append({line.mid(start, at - start), at});
  }
  return words;
}

bool AllDigits(const QByteArray& text) {
  if (text.isEmpty()) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

bool IsMonth(const QByteArray& text) {
  static const QList<QByteArray> months = {"jan", "feb", "mar", "apr", "may", "jun",
                                           "jul", "aug", "sep", "oct", "nov", "dec"};
  return months.contains(text.toLower());
}

// "10:00" (this year's files) or "2024" (older ones).
bool IsTimeOrYear(const QByteArray& text) {
  const qsizetype colon = text.indexOf(':');
  if (colon < 0) return text.size() == 4 && AllDigits(text);
  return AllDigits(text.left(colon)) && AllDigits(text.mid(colon + 1));
}

// Whether words[at] .. words[at + 3] are a size, a month, a day and a time or year.
bool SizeAndDateAt(const QList<Word>& words, qsizetype at) {
  return words.size() > at + 3 && AllDigits(words[at].text) && IsMonth(words[at + 1].text) &&
         AllDigits(words[at + 2].text) && words[at + 2].text.size() <= 2 &&
         IsTimeOrYear(words[at + 3].text);
}

// "-rw-r--r--   1 owner    group        3605 Mar 01  2024 xmldata.xml", or the same without
// the group column. The name follows the date after one blank and may itself hold blanks.
std::optional<FtpEntry> UnixEntry(const QByteArray& line) {
  const QList<Word> words = FirstWords(line, 8);
  // The mode, with an ACL or context mark after it on some servers.
  if (words.isEmpty() || words[0].text.size() < 10 || words[0].text.size() > 11)
    return std::nullopt;
  qsizetype dateEnd = -1;
  for (const qsizetype size : {4, 3}) {
    if (SizeAndDateAt(words, size)) dateEnd = words[size + 3].end;
  }
  if (dateEnd < 0 || dateEnd + 1 >= line.size() || line[dateEnd] != ' ') return std::nullopt;
  return FtpEntry{QString::fromUtf8(line.mid(dateEnd + 1)), line.front() != '-'};
}

// "01-01-24  10:00AM       <DIR>          docs" or "01-01-24  10:00AM   1234 Рнас.dat".
std::optional<FtpEntry> DosEntry(const QByteArray& line) {
  const QList<Word> words = FirstWords(line, 3);
  if (words.size() < 3 || words[0].text.count('-') != 2 || !words[1].text.contains(':')) {
    return std::nullopt;
  }
  const bool folder = words[2].text == "<DIR>";
  if (!folder && !AllDigits(words[2].text)) return std::nullopt;
  qsizetype at = words[2].end;
  while (at < line.size() && line[at] == ' ') ++at;
  if (at == line.size()) return std::nullopt;
  return FtpEntry{QString::fromUtf8(line.mid(at)), folder};
}

}  // namespace

std::vector<FtpEntry> ParseMlsdListing(const QByteArray& reply) {
  std::vector<FtpEntry> entries;
  for (const QByteArray& line : Lines(reply)) {
    const qsizetype space = line.indexOf(' ');
    if (space < 0) continue;
    QByteArray type;
    for (const QByteArray& fact : line.left(space).split(';')) {
      if (fact.toLower().startsWith("type=")) type = fact.mid(5).toLower();
    }
    if (type == "cdir" || type == "pdir") continue;
    entries.push_back({QString::fromUtf8(line.mid(space + 1)), type != "file"});
  }
  return entries;
}

std::vector<FtpEntry> ParseListListing(const QByteArray& reply) {
  std::vector<FtpEntry> entries;
  for (const QByteArray& line : Lines(reply)) {
    const bool dosForm = line.front() >= '0' && line.front() <= '9';
    const std::optional<FtpEntry> entry = dosForm ? DosEntry(line) : UnixEntry(line);
    if (entry) entries.push_back(*entry);
  }
  return entries;
}

}  // namespace selvio
