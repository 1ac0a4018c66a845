#include "platform/ftp_listing.h"

#include <QList>

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

// The text after the first `fields` runs of non-blanks and the blanks that follow each one:
// the name of a listing line, which may itself hold blanks. Empty when the line is shorter.
QByteArray AfterFields(const QByteArray& line, int fields) {
  qsizetype at = 0;
  for (int field = 0; field < fields; ++field) {
    while (at < line.size() && line[at] == ' ') ++at;
    while (at < line.size() && line[at] != ' ') ++at;
  }
  while (at < line.size() && line[at] == ' ') ++at;
  return line.mid(at);
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
    if (line.startsWith("total ")) continue;
    const bool dosForm = line.front() >= '0' && line.front() <= '9';
    FtpEntry entry;
    if (dosForm) {
      entry.folder = AfterFields(line, 2).startsWith("<DIR>");
      entry.name = QString::fromUtf8(AfterFields(line, 3));
    } else {
      entry.folder = line.front() != '-';
      entry.name = QString::fromUtf8(AfterFields(line, 8));
    }
    entries.push_back(entry);
  }
  return entries;
}

}  // namespace selvio
