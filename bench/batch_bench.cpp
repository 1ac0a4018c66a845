#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QTextStream>

#include "app/cli/batch_command.h"

namespace selvio {
namespace {

// 1000 points of four kinds: water valves with an electric actuator and the cavitation check,
// water valves alone, differential-pressure regulators and steam valves, flows varying.
QByteArray ThousandRows() {
  QByteArray csv =
      "label,medium,product,p1,p2,t,drop,flow,flow_unit,k,use_k,setting,actuator,"
      "cavitation\n";
  for (int i = 0; i < 1000; ++i) {
    const QByteArray n = QByteArray::number(i);
    switch (i % 4) {
      case 0:
        csv += "p" + n + ",вода,клапан,6,4,90,0.3," + QByteArray::number(1 + i % 20) +
               ",м³/ч,1.2,1,,электро,1\n";
        break;
      case 1:
        csv += "p" + n + ",вода,клапан,6,3,70,0.5," + QByteArray::number(1 + i % 7) +
               ",м³/ч,,0,,нет,0\n";
        break;
      case 2:
        csv +=
            "p" + n + ",вода,РПД,8,4,90,0.5," + QByteArray::number(1 + i % 5) + ",м³/ч,,0,0.5,,0\n";
        break;
      default:
        csv += "p" + n + ",пар,клапан,5,,160,0.3,0." + QByteArray::number(1 + i % 5) +
               ",т/ч,,0,,нет,0\n";
        break;
    }
  }
  return csv;
}

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
