#include "catalogue/catalogue_loader.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <clocale>
#include <functional>
#include <memory>
#include <optional>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/c_numbers.h"
#include "tests/small_file_system.h"

namespace selvio {
namespace {

// "Unable to load XML document into the parser".
constexpr LoadFailure kLoadFailure = LoadFailure::CatalogueNotParsed;
using Failures = std::vector<LoadFailure>;

QString Fixture(const char* name) {
  return qEnvironmentVariable("SELVIO_TEST_DATA_DIR") + QStringLiteral("/catalogue/") +
         QString::fromUtf8(name);
}

QString Num(double value) { return FormatC("%g", value); }
// A catalogue code by the number the record holds it with.
template <class Enum>
requires std::is_enum_v<Enum>
int Code(Enum code) { return static_cast<int>(code); }
template <class Enum>
requires std::is_enum_v<Enum> QString Num(Enum code) { return Num(Code(code)); }

QString DescribeLink(const ActuatorLink& l) {
  return l.name + FormatC(" w%d g%d s%d dp%g", l.forWater, l.forGlycol, l.forSteam,
                          static_cast<double>(l.maxPressureDrop));
}

template <std::size_t N>
QString DescribeLinks(const Slots<ActuatorLink, N>& links, int count) {
  QString text = FormatC("[%d:", count);
  for (int i = 0; i < count; ++i) text += DescribeLink(links[static_cast<std::size_t>(i)]) + ";";
  return text + "]";
}

template <std::size_t N>
QString DescribePairs(const Slots<float, N>& first, const Slots<float, N>& second, int count) {
  QString text = FormatC("[%d:", count);
  for (int i = 0; i < count; ++i) {
    const auto s = static_cast<std::size_t>(i);
    text += FormatC("%g/%g;", static_cast<double>(first[s]), static_cast<double>(second[s]));
  }
  return text + "]";
}

QString DescribeCoefficient(const std::optional<float>& value) {
  return value ? Num(static_cast<double>(*value)) : QStringLiteral("-");
}

// FL, xT, Fd and An as given, "-" for each one not given.
QString DescribeCoefficients(const ValveCoefficients& c) {
  return DescribeCoefficient(c.fl) + " " + DescribeCoefficient(c.xt) + " " +
         DescribeCoefficient(c.fd) + " " + DescribeCoefficient(c.an);
}

// Every field of every filled record, so that two catalogues compare as texts.
QString Describe(const Catalogue& c) {
  QString t = "date=" + c.catalogueDate + "\n";
  for (int i = 0; i < c.valves.count; ++i) {
    const ValveRecord& v = c.valves[i];
    t += "valve " + v.name + "|" + v.dnText + "|" + v.characteristic + "|" + v.construction + "|" +
         v.descriptionFile + "|" + v.drawing2d + "|" + v.drawing3d +
         FormatC("|dn%g c%d k%d kvs%g t%d p%d z%g leak%g m%d d%d w%d g%d s%d b%d",
                 static_cast<double>(v.dn), Code(v.connection), Code(v.valveKind),
                 static_cast<double>(v.kvs), v.maxTemperature, v.maxPressure,
                 static_cast<double>(v.z), v.leakage, v.mixing, v.diverting, v.forWater,
                 v.forGlycol, v.forSteam, v.pressureBalanced) +
         DescribePairs(v.ratingPressure, v.ratingTemperature, v.ratingCount) +
         DescribeLinks(v.electricLinks, v.electricLinkCount) +
         DescribeLinks(v.pneumaticLinks, v.pneumaticLinkCount) +
         DescribeLinks(v.thermostatLinks, v.thermostatLinkCount) + "|" +
         DescribeCoefficients(v.coefficients) + "\n";
  }
  for (const auto* regulators : {&c.dpRegulators, &c.reducingValves}) {
    for (int i = 0; i < regulators->count; ++i) {
      const RegulatorRecord& r = (*regulators)[i];
      t += "regulator " + r.name + "|" + r.dnText + "|" + r.descriptionFile + "|" + r.drawing2d +
           "|" + r.drawing3d +
           FormatC("|dn%g c%d kvs%g t%d p%d z%g drop%g leak%g w%d g%d s%d",
                   static_cast<double>(r.dn), Code(r.connection), static_cast<double>(r.kvs),
                   r.maxTemperature, r.maxPressure, static_cast<double>(r.z),
                   static_cast<double>(r.maxPressureDrop), r.leakage, r.forWater, r.forGlycol,
                   r.forSteam) +
           DescribePairs(r.rangeLow, r.rangeHigh, r.rangeCount) +
           DescribePairs(r.ratingPressure, r.ratingTemperature, r.ratingCount) + "|" +
           DescribeCoefficients(r.coefficients) + "\n";
    }
  }
  for (int i = 0; i < c.electricActuators.count; ++i) {
    const ElectricActuatorRecord& e = c.electricActuators[i];
    t += "electric " + e.name + "|" + e.variant + "|" + e.descriptionFile + "|" + e.drawing2d +
         "|" + e.drawing3d +
         FormatC("|%d%d%d%d v%d c%d p%d s%d h%d l%d\n", e.signal0to10V, e.signal2to10V,
                 e.signal0to20mA, e.signal4to20mA, e.voltage, Code(e.control), e.potentiometer,
                 e.springReturn, e.heater, e.limitSwitches);
  }
  for (int i = 0; i < c.pneumaticActuators.count; ++i) {
    const PneumaticActuatorRecord& p = c.pneumaticActuators[i];
    t += "pneumatic " + p.name + "|" + p.descriptionFile +
         FormatC("|%d%d%d%d\n", p.positionerPZ1, p.positionerPZ2, p.normallyOpen, p.normallyClosed);
  }
  for (int i = 0; i < c.thermostats.count; ++i) {
    const ThermostatRecord& r = c.thermostats[i];
    t += "thermostat " + r.name + "|" + r.descriptionFile + "|" + r.rodDrawing2d + "|" +
         r.rodDrawing3d + "|" + r.spiralDrawing2d + "|" + r.spiralDrawing3d +
         FormatC("|st%d %d-%d\n", r.stainlessSensor, r.temperatureMin, r.temperatureMax);
  }
  for (int i = 0; i < c.capillaries.count; ++i) {
    t += FormatC("capillary %g m%d\n", static_cast<double>(c.capillaries[i].length),
                 Code(c.capillaries[i].material));
  }
  t += "controller " + c.controller.name + "|" + c.controller.descriptionFile + "|" +
       c.controller.drawing2d + "|" + c.controller.drawing3d + "\n";
  return t;
}

class LoaderTest : public ::testing::Test {
 protected:
  // Loads into `catalogue`, keeping the failure as a form would show it.
  bool Load(const QString& path) { return Keep(LoadCatalogue(path, *catalogue)); }
  bool Keep(const LoadResult& load) {
    if (!load) failures.push_back(load.failure);
    return static_cast<bool>(load);
  }

  Failures failures;
  std::unique_ptr<Catalogue> catalogue = std::make_unique<Catalogue>();
};

struct RuleCase {
  const char* name;
  std::function<QString(const Catalogue&)> actual;
  const char* expected;
};

TEST_F(LoaderTest, FixtureFollowsEveryReadingRule) {
  ASSERT_TRUE(Load(Fixture("rules.xml")));
  EXPECT_TRUE(failures.empty());
  const Catalogue& c = *catalogue;
  const ValveRecord& a = c.valves[0];
  const ValveRecord& b = c.valves[1];
  const ValveRecord& plain = c.valves[2];
  const RuleCase cases[] = {
      {"first update element gives the date", [](auto& x) { return x.catalogueDate; },
       "15.03.2026"},
      {"one record per variant, none for a valve without variants",
       [](auto& x) { return Num(x.valves.count); }, "3"},
      {"variants in child order", [&](auto&) { return a.name + "," + b.name; }, "Б-1-а,Б-1-б"},
      {"a variant without a name inherits the first product name",
       [&](auto&) { return plain.name; }, "Б-1"},
      {"whole float drops the fraction", [&](auto&) { return Num(a.maxTemperature); }, "150"},
      {"pressure as whole float", [&](auto&) { return Num(a.maxPressure); }, "16"},
      {"decimal comma ends the number", [&](auto&) { return Num(a.kvs); }, "2"},
      {"exponent is read", [&](auto&) { return Num(plain.kvs); }, "10"},
      {"D wins over Ду for the diameter", [&](auto&) { return Num(a.dn); }, "15"},
      {"Ду is kept as written", [&](auto&) { return a.dnText; }, "Ду15"},
      {"a variant with only Ду takes the diameter from it",
       [&](auto&) { return Num(b.dn) + " " + b.dnText; }, "20 20"},
      {"product ratings first, then the variant's; a lone number sets the pressure only",
       [&](auto&) { return DescribePairs(a.ratingPressure, a.ratingTemperature, a.ratingCount); },
       "[3:16/120;14/150;12/0;]"},
      {"flag set in the product and in the variant",
       [&](auto&) { return FormatC("%d%d%d", a.forWater, a.forGlycol, a.forSteam); }, "101"},
      {"variant's flag stays in its own record",
       [&](auto&) { return FormatC("%d%d", b.forSteam, b.mixing); }, "01"},
      {"first letter Д and Т", [&](auto&) { return Num(a.valveKind) + Num(b.valveKind); }, "12"},
      {"Latin look-alike leaves the kind unchanged", [&](auto&) { return Num(plain.valveKind); },
       "1"},
      {"first letter Ф and Р", [&](auto&) { return Num(a.connection) + Num(plain.connection); },
       "12"},
      {"text is not trimmed", [&](auto&) { return plain.construction; }, " седельная "},
      {"unknown elements and nested variants are ignored",
       [](auto& x) { return Num(x.valves.count); }, "3"},
      {"dP wins over перепад; a link without media is valid for all",
       [&](auto&) { return DescribeLinks(a.electricLinks, a.electricLinkCount); },
       "[2:Э1 w1 g1 s1 dp4;Э2 w0 g0 s1 dp2.5;]"},
      {"thermostat link with glycol only",
       [&](auto&) { return DescribeLinks(a.thermostatLinks, a.thermostatLinkCount); },
       "[1:Т1 w0 g1 s0 dp1.5;]"},
      {"pneumatic link appended after inherited lists",
       [&](auto&) {
         return DescribeLinks(b.pneumaticLinks, b.pneumaticLinkCount) + Num(b.electricLinkCount);
       },
       "[1:П1 w1 g1 s1 dp0;]1"},
      {"documents of the valve",
       [&](auto&) { return a.descriptionFile + "," + a.drawing2d + "," + a.drawing3d; },
       "b1.pdf,b1-2d.png,b1-3d.png"},
      {"leakage and Z", [&](auto&) { return Num(a.leakage) + " " + Num(a.z); }, "0.05 0.6"},
      {"range with a blank before the hyphen sets the lower end only",
       [](auto& x) {
         const RegulatorRecord& r = x.dpRegulators[0];
         return DescribePairs(r.rangeLow, r.rangeHigh, r.rangeCount);
       },
       "[2:0.2/1.6;0.2/0;]"},
      {"regulator without перепад accepts any drop",
       [](auto& x) { return Num(x.dpRegulators[0].maxPressureDrop); }, "100000"},
      {"reducing valve: перепад, lower-case ф, leakage, D over Ду",
       [](auto& x) {
         const RegulatorRecord& r = x.reducingValves[0];
         return Num(r.maxPressureDrop) + " " + Num(r.connection) + " " + Num(r.leakage) + " " +
                Num(r.dn) + " " + r.dnText;
       },
       "10 1 0.5 32 40"},
      {"electric actuator without исполнение takes its name as variant",
       [](auto& x) { return x.electricActuators[0].variant; }, "Э1"},
      {"empty исполнение gives an empty variant",
       [](auto& x) { return "[" + x.electricActuators[1].variant + "]"; }, "[]"},
      {"аналоговое, Трехпозиционное, пропорциональное",
       [](auto& x) {
         return Num(x.electricActuators[0].control) + Num(x.electricActuators[1].control) +
                Num(x.electricActuators[2].control);
       },
       "210"},
      {"exact signal texts only",
       [](auto& x) {
         const ElectricActuatorRecord& e = x.electricActuators[0];
         return FormatC("%d%d%d%d", e.signal0to10V, e.signal2to10V, e.signal0to20mA,
                        e.signal4to20mA);
       },
       "1001"},
      {"signal with a blank sets nothing",
       [](auto& x) {
         const ElectricActuatorRecord& e = x.electricActuators[1];
         return FormatC("%d%d%d%d", e.signal0to10V, e.signal2to10V, e.signal0to20mA,
                        e.signal4to20mA);
       },
       "0000"},
      {"voltage as int ignores the unit",
       [](auto& x) { return Num(x.electricActuators[1].voltage); }, "220"},
      {"options",
       [](auto& x) {
         const ElectricActuatorRecord& e = x.electricActuators[1];
         return FormatC("%d%d%d%d", e.potentiometer, e.springReturn, e.heater, e.limitSwitches);
       },
       "1011"},
      {"one thermostat record per range, none without ranges",
       [](auto& x) {
         return FormatC("%d:%d-%d,%d-%d", x.thermostats.count, x.thermostats[0].temperatureMin,
                        x.thermostats[0].temperatureMax, x.thermostats[1].temperatureMin,
                        x.thermostats[1].temperatureMax);
       },
       "2:20-70,40-90"},
      {"thermostat drawings: first found under any sensing element",
       [](auto& x) {
         const ThermostatRecord& t = x.thermostats[1];
         return t.rodDrawing2d + "," + t.rodDrawing3d + ",[" + t.spiralDrawing2d + "]," +
                t.spiralDrawing3d + "," + t.descriptionFile + Num(t.stainlessSensor);
       },
       "t1-rod-2d.png,t1-rod-3d.png,[],t1-spiral-3d.png,t1.pdf1"},
      {"only the first controller",
       [](auto& x) { return x.controller.name + "," + x.controller.descriptionFile; },
       "ZR310,zr.pdf"},
      {"capillaries in material order; no material, no record; no length, 0",
       [](auto& x) {
         QString t;
         for (int i = 0; i < x.capillaries.count; ++i) {
           t += FormatC("%g/%d;", static_cast<double>(x.capillaries[i].length),
                        Code(x.capillaries[i].material));
         }
         return t;
       },
       "2/1;2/3;0/2;"},
      {"pneumatic actuator reads no documents",
       [](auto& x) {
         const PneumaticActuatorRecord& p = x.pneumaticActuators[0];
         return FormatC("%d%d%d%d[", p.positionerPZ1, p.positionerPZ2, p.normallyOpen,
                        p.normallyClosed) +
                p.descriptionFile + "]";
       },
       "1001[]"},
  };
  for (const RuleCase& rule : cases) {
    EXPECT_EQ(rule.actual(c), QString::fromUtf8(rule.expected)) << rule.name;
  }
}

// The optional coefficients "FL", "xT", "Fd" and "An" of a series, overridden per variant; a
// text that does not begin with a number gives none, even over the series' value; a decimal
// comma ends the number, as everywhere in the file; the names are case-sensitive.
TEST_F(LoaderTest, CoefficientsOfASeriesAndItsVariants) {
  ASSERT_TRUE(Load(Fixture("coefficients.xml")));
  const Catalogue& c = *catalogue;
  ASSERT_EQ(c.valves.count, 3);
  EXPECT_EQ(DescribeCoefficients(c.valves[0].coefficients), QStringLiteral("0.74 0.42 - -"));
  EXPECT_EQ(DescribeCoefficients(c.valves[1].coefficients), QStringLiteral("0.6 0.42 0.98 -4.6"));
  EXPECT_EQ(DescribeCoefficients(c.valves[2].coefficients), QStringLiteral("0 - - -"));
  ASSERT_EQ(c.dpRegulators.count, 1);
  EXPECT_EQ(DescribeCoefficients(c.dpRegulators[0].coefficients), QStringLiteral("- 0.72 0.46 -"));
  ASSERT_EQ(c.reducingValves.count, 1);
  EXPECT_EQ(DescribeCoefficients(c.reducingValves[0].coefficients), QStringLiteral("- - - -"));
}

// A catalogue written before the coefficients existed loads as it did, with none given.
TEST_F(LoaderTest, AnOlderCatalogueGivesNoCoefficients) {
  ASSERT_TRUE(Load(Fixture("rules.xml")));
  for (int i = 0; i < catalogue->valves.count; ++i) {
    EXPECT_EQ(DescribeCoefficients(catalogue->valves[i].coefficients), QStringLiteral("- - - -"));
  }
  for (const auto* regulators : {&catalogue->dpRegulators, &catalogue->reducingValves}) {
    for (int i = 0; i < regulators->count; ++i) {
      EXPECT_EQ(DescribeCoefficients((*regulators)[i].coefficients), QStringLiteral("- - - -"));
    }
  }
}

TEST_F(LoaderTest, TheThreeEncodingsGiveTheSameCatalogue) {
  ASSERT_TRUE(Load(Fixture("rules.xml")));
  const QString utf8 = Describe(*catalogue);
  EXPECT_TRUE(utf8.contains(QStringLiteral("Б-1-а")));
  for (const char* name : {"encoding_utf16.xml", "encoding_cp1251.xml"}) {
    auto other = std::make_unique<Catalogue>();
    ASSERT_TRUE(Keep(LoadCatalogue(Fixture(name), *other))) << name;
    EXPECT_EQ(Describe(*other), utf8) << name;
  }
  EXPECT_TRUE(failures.empty());
}

TEST_F(LoaderTest, ARussianLocaleReadsTheSameNumbers) {
  ASSERT_TRUE(Load(Fixture("rules.xml")));
  const QString inC = Describe(*catalogue);
  if (!std::setlocale(LC_ALL, "ru_RU.UTF-8")) GTEST_SKIP() << "ru_RU.UTF-8 is not installed";
  auto russian = std::make_unique<Catalogue>();
  const bool loaded = Keep(LoadCatalogue(Fixture("rules.xml"), *russian));
  std::setlocale(LC_ALL, "C");
  ASSERT_TRUE(loaded);
  EXPECT_EQ(Describe(*russian), inC);
  EXPECT_EQ(russian->valves[0].z, 0.6f);
}

TEST_F(LoaderTest, ARussianLocaleReadsTheSameCoefficients) {
  if (!std::setlocale(LC_ALL, "ru_RU.UTF-8")) GTEST_SKIP() << "ru_RU.UTF-8 is not installed";
  const bool loaded = Load(Fixture("coefficients.xml"));
  std::setlocale(LC_ALL, "C");
  ASSERT_TRUE(loaded);
  EXPECT_EQ(catalogue->valves[1].coefficients.fl, 0.6f);
  EXPECT_EQ(catalogue->valves[1].coefficients.an, -4.6f);
  EXPECT_EQ(catalogue->dpRegulators[0].coefficients.xt, 0.72f);
}

TEST_F(LoaderTest, AFailedLoadGivesTheMessageAndKeepsTheCatalogue) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString empty = dir.filePath("empty.xml");
  const QString text = dir.filePath("text.xml");
  const QString truncated = dir.filePath("truncated.xml");
  {
    QFile(empty).open(QIODevice::WriteOnly);
    QFile t(text);
    ASSERT_TRUE(t.open(QIODevice::WriteOnly));
    t.write("just some text\n");
    QFile source(Fixture("rules.xml"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    QFile cut(truncated);
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(source.readAll().left(900));
  }
  const struct {
    const char* name;
    QString path;
  } cases[] = {
      {"missing file", dir.filePath("absent.xml")},
      {"not well-formed", Fixture("malformed.xml")},
      {"a folder", dir.path()},
      {"empty file", empty},
      {"plain text", text},
      {"cut short", truncated},
  };
  ASSERT_TRUE(Load(Fixture("rules.xml")));
  const QString before = Describe(*catalogue);
  for (const auto& c : cases) {
    failures.clear();
    EXPECT_FALSE(Load(c.path)) << c.name;
    EXPECT_EQ(failures, Failures{kLoadFailure}) << c.name;
    EXPECT_EQ(Describe(*catalogue), before) << c.name;
  }
}

TEST_F(LoaderTest, AReloadReplacesTheWholeCatalogue) {
  ASSERT_TRUE(Load(Fixture("rules.xml")));
  ASSERT_TRUE(Load(Fixture("reload.xml")));
  auto fresh = std::make_unique<Catalogue>();
  ASSERT_TRUE(Keep(LoadCatalogue(Fixture("reload.xml"), *fresh)));
  EXPECT_EQ(Describe(*catalogue), Describe(*fresh));
  EXPECT_EQ(catalogue->valves.count, 1);
  EXPECT_EQ(catalogue->valves[0].name, QStringLiteral("Н-1"));
  EXPECT_EQ(catalogue->electricActuators.count, 0);
  EXPECT_TRUE(catalogue->controller.name.isEmpty());
  EXPECT_EQ(catalogue->catalogueDate, QStringLiteral("01.04.2026"));
}

TEST_F(LoaderTest, ADocumentWithAnotherRootLoadsAnEmptyCatalogue) {
  QTemporaryDir dir;
  const QString path = dir.filePath("other.xml");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(QStringLiteral("<?xml version=\"1.0\"?><другое><клапан><исполнение/></клапан>"
                            "<обновление>1</обновление></другое>")
                 .toUtf8());
  file.close();
  ASSERT_TRUE(Load(Fixture("rules.xml")));
  EXPECT_TRUE(Load(path));
  EXPECT_EQ(Describe(*catalogue), Describe(Catalogue{}));
}

TEST_F(LoaderTest, FullContainersAndListsIgnoreFurtherEntries) {
  QTemporaryDir dir;
  const QString path = dir.filePath("big.xml");
  QByteArray xml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?><xmldata><клапан><название>В</название>";
  for (int i = 0; i < 120; ++i) {
    xml += "<Р_T>16 " + QByteArray::number(i) + "</Р_T>";
    xml += "<электропривод><название>Э" + QByteArray::number(i) + "</название></электропривод>";
  }
  for (int i = 0; i < kCatalogueCapacity + 10; ++i) {
    xml += "<исполнение><Kvs>" + QByteArray::number(i) + "</Kvs></исполнение>";
  }
  xml += "</клапан>";
  for (int i = 0; i < kCatalogueCapacity + 10; ++i) {
    xml += "<капиляр><длина>1</длина><медь/><пвх/></капиляр>";
  }
  xml += "</xmldata>";
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(xml);
  file.close();

  ASSERT_TRUE(Load(path));
  EXPECT_EQ(catalogue->valves.count, kCatalogueCapacity);
  EXPECT_EQ(catalogue->valves[kCatalogueCapacity - 1].kvs, kCatalogueCapacity - 1);
  EXPECT_EQ(catalogue->valves[0].ratingCount, kListCapacity);
  EXPECT_EQ(catalogue->valves[0].electricLinkCount, kListCapacity);
  EXPECT_EQ(catalogue->valves[0].electricLinks[kListCapacity - 1].name, QStringLiteral("Э99"));
  EXPECT_EQ(catalogue->capillaries.count, kCatalogueCapacity);
}

TEST_F(LoaderTest, AFileLargerThanTheLimitIsRefusedBeforeItIsParsed) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString atLimit = dir.filePath("at-limit.xml");
  const QString overLimit = dir.filePath("over-limit.xml");
  // Sparse files of zero bytes: not XML, so a parse would fail with the parser's message.
  for (const auto& [path, size] :
       {std::pair{atLimit, kCatalogueFileLimit}, std::pair{overLimit, kCatalogueFileLimit + 1}}) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(size)) << path.toStdString();
  }
  ASSERT_TRUE(Load(Fixture("rules.xml")));
  const QString before = Describe(*catalogue);

  const LoadResult tooLarge = LoadCatalogue(overLimit, *catalogue);
  EXPECT_EQ(tooLarge.failure, LoadFailure::CatalogueTooLarge);
  EXPECT_EQ(tooLarge.fileName, overLimit);
  EXPECT_EQ(tooLarge.bytes, kCatalogueFileLimit + 1);
  EXPECT_EQ(Describe(*catalogue), before);

  failures.clear();
  EXPECT_FALSE(Load(atLimit));
  EXPECT_EQ(failures, Failures{kLoadFailure}) << "a file at the limit is parsed";
  EXPECT_EQ(Describe(*catalogue), before);
}

// A FIFO in the catalogue's place is a catalogue that cannot be read, refused without waiting
// for a writer (a device is refused alike: the command line's tests show it).
TEST_F(LoaderTest, AFifoIsRefusedWithoutWaitingOnIt) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  ASSERT_TRUE(test::MakeFifo(dir.filePath("fifo.xml")));
  const test::FifoWatchdog watchdog(dir.filePath("fifo.xml"), std::chrono::seconds(3));
  ASSERT_TRUE(Load(Fixture("rules.xml")));
  const QString before = Describe(*catalogue);
  failures.clear();
  EXPECT_FALSE(Load(dir.filePath("fifo.xml")));
  EXPECT_EQ(failures, Failures{kLoadFailure});
  EXPECT_EQ(Describe(*catalogue), before);
  EXPECT_FALSE(watchdog.Unblocked()) << "the loader waited on the FIFO";
}

TEST_F(LoaderTest, ReadingIntoANewCatalogueGivesWhatLoadingGives) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString overLimit = dir.filePath("over-limit.xml");
  {
    QFile file(overLimit);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(kCatalogueFileLimit + 1));
  }
  const struct {
    const char* name;
    QString path;
  } cases[] = {
      {"the rules", Fixture("rules.xml")},
      {"a reload", Fixture("reload.xml")},
      {"missing file", dir.filePath("absent.xml")},
      {"not well-formed", Fixture("malformed.xml")},
      {"too large", overLimit},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto loaded = std::make_unique<Catalogue>();
    const LoadResult load = LoadCatalogue(c.path, *loaded);
    const CatalogueFile read = ReadCatalogueFile(c.path);
    EXPECT_EQ(read.load.failure, load.failure);
    EXPECT_EQ(read.load.fileName, load.fileName);
    EXPECT_EQ(read.load.bytes, load.bytes);
    // A file that does not load gives no catalogue at all, not an empty one to be taken for it.
    ASSERT_EQ(read.catalogue != nullptr, static_cast<bool>(load));
    if (read.catalogue) {
      EXPECT_EQ(Describe(*read.catalogue), Describe(*loaded));
    }
  }
}

// A catalogue whose one valve holds, in its name, elements nested `depth` levels deep below
// "xmldata", "клапан" and "исполнение".
QByteArray NestedCatalogue(int depth) {
  QByteArray xml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?><xmldata><клапан><исполнение>"
      "<Kvs>4</Kvs><описание>";
  for (int i = 0; i < depth; ++i) xml += "<a>";
  for (int i = 0; i < depth; ++i) xml += "</a>";
  return xml + "</описание></исполнение></клапан></xmldata>";
}

TEST_F(LoaderTest, ADocumentNestedFarDeeperThanTheFormatIsRefusedAtOnce) {
  QTemporaryDir dir;
  ASSERT_TRUE(Load(Fixture("rules.xml")));
  const QString before = Describe(*catalogue);
  // The format's deepest element is a link's name: xmldata/клапан/исполнение/электропривод/
  // название, five levels. 200 000 levels (1.4 MB) overflowed the parser's stack.
  for (const int depth : {100, 10000, 200000}) {
    SCOPED_TRACE(depth);
    const QString path = dir.filePath(QStringLiteral("deep%1.xml").arg(depth));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(NestedCatalogue(depth));
    file.close();
    failures.clear();
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(Load(path));
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(failures, Failures{kLoadFailure});
    EXPECT_EQ(Describe(*catalogue), before);
  }
  // A few levels of elements the loader does not know are still read past.
  const QString shallow = dir.filePath("shallow.xml");
  QFile file(shallow);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(NestedCatalogue(5));
  file.close();
  EXPECT_TRUE(Load(shallow));
  EXPECT_EQ(catalogue->valves.count, 1);
  EXPECT_EQ(catalogue->valves[0].kvs, 4.0f);
}

}  // namespace
}  // namespace selvio
