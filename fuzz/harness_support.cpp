#include "fuzz/harness_support.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/form/control_inventory.h"

namespace selvio::fuzz {
namespace {

const QString& WorkingFolder() {
  static const QTemporaryDir dir;
  static const bool entered = dir.isValid() && QDir::setCurrent(dir.path());
  if (!entered) std::abort();
  static const QString path = dir.path();
  return path;
}

void CopyFormFixture(const QString& name) {
  const QString source = QStringLiteral(SELVIO_FUZZ_FORM_DATA "/") + name;
  QFile::remove(name);
  if (!QFile::copy(source, name)) std::abort();
}

// How printf writes a number that came out of a division by zero or an overflow.
bool ShowsNonFinite(const QString& text) {
  static const QRegularExpression nonFinite(QStringLiteral("(^|[^a-z])[-+]?(inf|nan)([^a-z]|$)"),
                                            QRegularExpression::CaseInsensitiveOption);
  return nonFinite.match(text).hasMatch();
}

}  // namespace

QString WriteInput(const QString& name, const std::uint8_t* data, std::size_t size) {
  const QString path = WorkingFolder() + QLatin1Char('/') + name;
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
          static_cast<qint64>(size)) {
    std::abort();
  }
  return path;
}

HeadlessForm::HeadlessForm(Catalogue& formCatalogue)
    : catalogue(formCatalogue), view(controls, catalogue, glycol) {
  WorkingFolder();
  CopyFormFixture(QStringLiteral("xmldata.xml"));
  CopyFormFixture(QString::fromUtf8("Рнас.dat"));
  DefineFormControls(controls);
  view.Initialise(false);
}

HeadlessForm& SharedForm() {
  static const auto catalogue = std::make_unique<Catalogue>();
  static const auto form = std::make_unique<HeadlessForm>(*catalogue);
  return *form;
}

void RequireFinitePanels(const HeadlessControls& controls, std::initializer_list<int> panels) {
  for (int panel : panels) {
    if (ShowsNonFinite(controls.Text(panel))) {
      std::fprintf(stderr, "panel %d shows: %s\n", panel, qPrintable(controls.Text(panel)));
      std::abort();
    }
  }
}

}  // namespace selvio::fuzz
