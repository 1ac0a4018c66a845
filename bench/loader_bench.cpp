#include <benchmark/benchmark.h>

#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "catalogue/catalogue_loader.h"

namespace selvio {
namespace {

QByteArray Number(int n) { return QByteArray::number(n); }

QByteArray Link(const char* kind, const QByteArray& name, int i) {
  const QByteArray tag(kind);
  return "<" + tag + "><название>" + name + "</название><вода/><гликоль/><перепад>" +
         Number(4 + i % 12) + "</перепад></" + tag + ">\n";
}

QByteArray Regulator(const char* kind, int i) {
  const QByteArray tag(kind);
  return "<" + tag + "><название>Р-" + Number(i) +
         "</название><вода/><температура>150</температура><давление>16</давление>"
         "<присоединение>фланцевое</присоединение><перепад>12</перепад>"
         "<Р_T>16 -10</Р_T><Р_T>16 120</Р_T><Р_T>14.4 150</Р_T>"
         "<диапазон>0.2-0.8</диапазон><диапазон>0.6-1.6</диапазон>"
         "<исполнение><Ду>" +
         Number(15 + i % 100) + "</Ду><Kvs>" + Number(1 + i % 40) +
         "</Kvs><Z>0.6</Z></исполнение></" + tag + ">\n";
}

// A catalogue that fills every container to its 1024 records, each valve with 100 links of each
// kind.
QByteArray FullCapacityCatalogue() {
  QByteArray xml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xmldata>\n"
      "<обновление>01.12.2026</обновление>\n";
  for (int v = 0; v < kCatalogueCapacity; ++v) {
    xml +=
        "<клапан><описание>v.pdf</описание><чертеж2>v.png</чертеж2><чертеж3>v.png</чертеж3>"
        "<вода/><гликоль/><протечка>0.05</протечка><температура>150</температура>"
        "<давление>16</давление><присоединение>фланцевое</присоединение>"
        "<тип>двухходовой</тип><Р_T>16 -10</Р_T><Р_T>16 120</Р_T><Р_T>14.4 150</Р_T>\n";
    for (int l = 0; l < kListCapacity; ++l) {
      xml += Link("электропривод", "ЭП-" + Number(l), l);
      xml += Link("пневмопривод", "ПП-" + Number(l), l);
      xml += Link("термостат", "Т-" + Number(l), l);
    }
    xml += "<исполнение><название>В-" + Number(v) + "</название><Ду>" + Number(15 + v % 100) +
           "</Ду><Kvs>" + Number(1 + v % 40) + "</Kvs><Z>0.6</Z></исполнение></клапан>\n";
  }
  for (int i = 0; i < kCatalogueCapacity; ++i) xml += Regulator("РПД", i);
  for (int i = 0; i < kCatalogueCapacity; ++i) xml += Regulator("РК", i);
  for (int i = 0; i < kCatalogueCapacity; ++i) {
    xml += "<электропривод><название>ЭП-" + Number(i % kListCapacity) +
           "</название><исполнение>ЭП-" + Number(i) +
           "</исполнение><напряжение>24</напряжение><управление>трехпозиционное</управление>"
           "<концевики/><описание>e.pdf</описание><сигнал>0-10В</сигнал></электропривод>\n";
    xml += "<пневмопривод><название>ПП-" + Number(i % kListCapacity) +
           "</название><PZ1/><открытый/></пневмопривод>\n";
  }
  for (int i = 0; i < kCatalogueCapacity / 2; ++i) {
    xml += "<термостат><название>Т-" + Number(i % kListCapacity) +
           "</название><описание>t.pdf</описание><стержневой><чертеж2>r.png</чертеж2>"
           "</стержневой><температура>20-50</температура><температура>40-70</температура>"
           "</термостат>\n";
    xml += "<капиляр><длина>" + Number(1 + i % 20) + "</длина><медь/><нерж/></капиляр>\n";
  }
  xml += "<контроллер><название>ZR310</название></контроллер>\n</xmldata>\n";
  return xml;
}

class CatalogueFile {
 public:
  CatalogueFile() : path_(dir_.filePath("xmldata.xml")) {
    QFile file(path_);
    if (file.open(QIODevice::WriteOnly)) file.write(FullCapacityCatalogue());
  }
  const QString& path() const { return path_; }

 private:
  QTemporaryDir dir_;
  QString path_;
};

const CatalogueFile& SharedFile() {
  static const CatalogueFile file;
  return file;
}

// The parse alone: the file read and handed to the DOM parser, as the loader does first.
void BM_DomParseOnly(benchmark::State& state) {
  const QString& path = SharedFile().path();
  for (auto _ : state) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) state.SkipWithError("catalogue file missing");
    QDomDocument document;
    benchmark::DoNotOptimize(document.setContent(file.readAll()));
  }
}
BENCHMARK(BM_DomParseOnly)->Unit(benchmark::kMillisecond);

void BM_LoadCatalogue(benchmark::State& state) {
  const QString& path = SharedFile().path();
  auto catalogue = std::make_unique<Catalogue>();
  for (auto _ : state) {
    if (!LoadCatalogue(path, *catalogue)) state.SkipWithError("load failed");
  }
  if (catalogue->valves.count != kCatalogueCapacity ||
      catalogue->valves[0].electricLinkCount != kListCapacity ||
      catalogue->thermostats.count != kCatalogueCapacity ||
      catalogue->capillaries.count != kCatalogueCapacity) {
    state.SkipWithError("catalogue not at full capacity");
  }
}
BENCHMARK(BM_LoadCatalogue)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace selvio
