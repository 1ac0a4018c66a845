#pragma once

#include <QByteArray>
#include <vector>

#include "platform/ftp_session.h"

namespace selvio {

// The entries of an MLSD reply ("facts; name" per line): a plain file is one whose "type" fact
// is "file"; "cdir" and "pdir" lines are left out.
std::vector<FtpEntry> ParseMlsdListing(const QByteArray& reply);

// The entries of a LIST reply in the Unix form ("-rw-r--r-- 1 user group 12 Jan 1 10:00 name",
// with or without the group column; a plain file starts with "-") or the DOS form
// ("01-01-24 10:00AM <DIR> name"). A line in neither form ("total 8", a foreign date) is left
// out rather than guessed at.
std::vector<FtpEntry> ParseListListing(const QByteArray& reply);

}  // namespace selvio
