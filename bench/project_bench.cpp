#include <benchmark/benchmark.h>

#include <QDateTime>
#include <QFile>
#include <QGuiApplication>
#include <QString>
#include <QTemporaryDir>
#include <QTextStream>
#include <memory>

#include "app/cli/batch_command.h"
#include "app/cli/cli_files.h"
#include "app/cli/project_command.h"
#include "app/project/project_file.h"
#include "app/project/project_schedule.h"
#include "app/project/recheck.h"
#include "bench/thousand_rows.h"
#include "catalogue/catalogue_loader.h"
#include "engine/fluid_tables.h"
#include "output/report_document.h"
#include "output/schedule_document.h"

// A project of the 1000 points the batch benchmark sizes, made by "batch --project": opened,
// re-checked and exported, whole and by its steps, beside the batch of the same points.
namespace selvio {
namespace {

const char* const kFormats[] = {"csv", "odt", "pdf"};

// The folder with the points' CSV and their project, made once.
class ThousandPositions {
 public:
  ThousandPositions() {
    QFile csv(dir_.filePath("rows.csv"));
    if (!csv.open(QIODevice::WriteOnly)) return;
    csv.write(ThousandRows());
    csv.close();
    BatchOptions options;
    options.file = csv.fileName();
    options.dir = QStringLiteral(SELVIO_DATA_DIR);
    options.project = ProjectPath();
    QString text;
    QTextStream out(&text);
    QTextStream err(stderr);
    valid_ = RunBatchCommand(options, out, err) == 0;
  }

  bool Valid() const { return valid_; }
  QString CsvPath() const { return dir_.filePath("rows.csv"); }
  QString ProjectPath() const { return dir_.filePath("rows.selvio"); }
  QString OutputPath(const char* suffix) const {
    return dir_.filePath(QStringLiteral("schedule.") + QLatin1String(suffix));
  }

 private:
  QTemporaryDir dir_;
  bool valid_ = false;
};

const ThousandPositions& Positions() {
  static const ThousandPositions positions;
  return positions;
}

Project OpenedProject() {
  return ReadProjectFile(Positions().ProjectPath()).project.value_or(Project{});
}

// The bundled catalogue and saturation table, loaded from the data folder.
struct Data {
  Data() {
    CurrentFolderScope folder;
    folder.Enter(QStringLiteral(SELVIO_DATA_DIR));
    loaded = LoadSaturationTable(saturation) && LoadCatalogue("xmldata.xml", *catalogue);
  }
  std::unique_ptr<Catalogue> catalogue = std::make_unique<Catalogue>();
  SaturationTable saturation;
  bool loaded = false;
};

// "batch" of the 1000 points, CSV out: the yardstick.
void BatchOfThePoints(benchmark::State& state) {
  if (!Positions().Valid()) return state.SkipWithError("no project");
  BatchOptions options;
  options.file = Positions().CsvPath();
  options.dir = QStringLiteral(SELVIO_DATA_DIR);
  for (auto _ : state) {
    QString text;
    QTextStream out(&text);
    QTextStream err(stderr);
    if (RunBatchCommand(options, out, err) != 0) state.SkipWithError("a row was not sized");
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(BatchOfThePoints)->Unit(benchmark::kMillisecond);

// "project --recheck --export" of their project: open, re-check, export as CSV, ODT or PDF.
void ProjectRecheckedAndExported(benchmark::State& state) {
  if (!Positions().Valid()) return state.SkipWithError("no project");
  ProjectOptions options;
  options.file = Positions().ProjectPath();
  options.dir = QStringLiteral(SELVIO_DATA_DIR);
  options.recheck = true;
  options.exportPath = Positions().OutputPath(kFormats[state.range(0)]);
  for (auto _ : state) {
    QString text;
    QTextStream out(&text);
    QTextStream err(stderr);
    if (RunProjectCommand(options, out, err) != 0) state.SkipWithError("the command failed");
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(ProjectRecheckedAndExported)
    ->ArgName("csv_odt_pdf")
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond);

void OpenProject(benchmark::State& state) {
  if (!Positions().Valid()) return state.SkipWithError("no project");
  for (auto _ : state) {
    const ReadProject read = ReadProjectFile(Positions().ProjectPath());
    if (!read.project) state.SkipWithError("not read");
    benchmark::DoNotOptimize(read);
  }
}
BENCHMARK(OpenProject)->Unit(benchmark::kMillisecond);

void RecheckPositions(benchmark::State& state) {
  const Data data;
  const Project project = OpenedProject();
  if (!data.loaded || project.positions.empty()) return state.SkipWithError("no data");
  for (auto _ : state) {
    const RecheckReport report = RecheckProject(project, 0, *data.catalogue, data.saturation);
    if (!report.Changed().empty()) state.SkipWithError("a position changed");
    benchmark::DoNotOptimize(report);
  }
}
BENCHMARK(RecheckPositions)->Unit(benchmark::kMillisecond);

void SaveProject(benchmark::State& state) {
  const Project project = OpenedProject();
  const QString path = Positions().OutputPath("selvio");
  for (auto _ : state) {
    if (WriteProjectFile(path, project)) state.SkipWithError("not written");
  }
}
BENCHMARK(SaveProject)->Unit(benchmark::kMillisecond);

void BuildDocument(benchmark::State& state) {
  const Schedule schedule = ScheduleOf(OpenedProject());
  for (auto _ : state) {
    auto document = BuildScheduleDocument(schedule, "rows", QDateTime::currentDateTime());
    benchmark::DoNotOptimize(document);
  }
}
BENCHMARK(BuildDocument)->Unit(benchmark::kMillisecond);

void BuildPrintDocument(benchmark::State& state) {
  const Schedule schedule = ScheduleOf(OpenedProject());
  for (auto _ : state) {
    auto document = BuildSchedulePrintDocument(schedule, "rows", QDateTime::currentDateTime());
    benchmark::DoNotOptimize(document);
  }
}
BENCHMARK(BuildPrintDocument)->Unit(benchmark::kMillisecond);

// The schedule of the opened project written in each format, the document built each time.
void ExportScheduleFile(benchmark::State& state) {
  const Project project = OpenedProject();
  const QString path = Positions().OutputPath(kFormats[state.range(0)]);
  for (auto _ : state) {
    if (ExportSchedule(project, "rows", path, QDateTime::currentDateTime())) {
      state.SkipWithError("not written");
    }
  }
}
BENCHMARK(ExportScheduleFile)
    ->ArgName("csv_odt_pdf")
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond);

// One position whose label is N characters long, as a project file written by another program
// could hold (the window and the file reader take 200 at most): its PDF. A cell is laid out in
// time that grows with its text, not with the text's square; a text taller than a page is cut.
void PrintLongLabel(benchmark::State& state) {
  Schedule schedule;
  ScheduleRow row;
  row.number = 1;
  row.quantity = 1;
  // Words of ten characters, or (second argument 1) one word that has to be broken anywhere.
  row.label = state.range(1) ? QString(state.range(0), QChar(0x0416))
                             : QStringLiteral("отопление ").repeated(state.range(0) / 10);
  schedule.rows.push_back(row);
  const QString path = Positions().OutputPath("long.pdf");
  for (auto _ : state) {
    auto document = BuildSchedulePrintDocument(schedule, "rows", QDateTime::currentDateTime());
    if (!WritePdf(*document, path, LinkPolicy::ReplaceLink, QPageLayout::Landscape))
      state.SkipWithError("not written");
  }
}
BENCHMARK(PrintLongLabel)
    ->ArgNames({"characters", "one_word"})
    ->ArgsProduct({{1000, 10000, 30000}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace selvio

int main(int argc, char** argv) {
  // The documents need fonts, hence a GUI application, on no display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
