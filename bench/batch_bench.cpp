#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QTextStream>

#include "app/cli/batch_command.h"
#include "bench/thousand_rows.h"

namespace selvio {
namespace {

// The whole batch command on the bundled data, its data files loaded once per run as the
// program does; the output goes to a string. The argument chooses CSV (0) or JSON (1) lines.
void BatchOfThousandRows(benchmark::State& state) {
  QTemporaryDir dir;
  const QString csvPath = dir.filePath("rows.csv");
  QFile csv(csvPath);
  if (!dir.isValid() || !csv.open(QIODevice::WriteOnly)) {
    state.SkipWithError("no temporary folder");
    return;
  }
  csv.write(ThousandRows());
  csv.close();
  BatchOptions options;
  options.file = csvPath;
  options.dir = QStringLiteral(SELVIO_DATA_DIR);
  options.json = state.range(0) != 0;
  for (auto _ : state) {
    QString text;
    QTextStream out(&text);
    QTextStream err(stderr);
    if (RunBatchCommand(options, out, err) != 0) state.SkipWithError("a row was not sized");
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(BatchOfThousandRows)->ArgName("json")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace selvio
