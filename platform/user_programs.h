#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <set>

namespace selvio {

// The user's own programs: the viewer or editor registered for a file's type, and the program
// that handles a URL scheme such as "mailto".
class UserPrograms {
 public:
  virtual ~UserPrograms() = default;

  // Opens the local file `path` in the program registered for its type. False when the
  // request could not be handed over.
  virtual bool OpenFile(const QString& path) = 0;
  virtual bool OpenUrl(const QUrl& url) = 0;
  // Whether a program is registered for the MIME type ("application/pdf") or the URL scheme
  // ("mailto"). Opening may report success even when nothing can open, so ask first.
  virtual bool HasHandlerForType(const QString& mimeType) const = 0;
  virtual bool HasHandlerForScheme(const QString& scheme) const = 0;
};

// User programs without a desktop: opens nothing, records every request in order, and knows
// only the handlers it is told of (none at first), for tests and the command line.
class HeadlessUserPrograms : public UserPrograms {
 public:
  bool OpenFile(const QString& path) override;
  bool OpenUrl(const QUrl& url) override;
  bool HasHandlerForType(const QString& mimeType) const override;
  bool HasHandlerForScheme(const QString& scheme) const override;

  void AddTypeHandler(const QString& mimeType) { types_.insert(mimeType); }
  void AddSchemeHandler(const QString& scheme) { schemes_.insert(scheme); }

  const QStringList& OpenedFiles() const { return openedFiles_; }
  const QList<QUrl>& OpenedUrls() const { return openedUrls_; }

 private:
  std::set<QString> types_;
  std::set<QString> schemes_;
  QStringList openedFiles_;
  QList<QUrl> openedUrls_;
};

}  // namespace selvio
