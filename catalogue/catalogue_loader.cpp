#include "catalogue/catalogue_loader.h"

#include <QDomDocument>
#include <QFileInfo>
#include <QHash>
#include <QXmlStreamReader>
#include <algorithm>
#include <cstdint>
#include <memory>

#include "catalogue/value_syntax.h"
#include "platform/c_numbers.h"
#include "platform/whole_file.h"

namespace selvio {
namespace {

// Every element name the catalogue file uses. A product element's children are walked once and
// dispatched on their name; the product kind decides which names count.
enum class Tag : std::uint8_t {
  Unknown,
  Name,
  Description,
  Drawing2d,
  Drawing3d,
  Balanced,
  Construction,
  Characteristic,
  Water,
  Glycol,
  Steam,
  Leakage,
  Temperature,
  Pressure,
  Connection,
  ValveKind,
  Mixing,
  Diverting,
  DnText,
  Dn,
  Kvs,
  Z,
  Rating,
  Electric,
  Pneumatic,
  Thermostat,
  Variant,
  Drop,
  DropOverride,
  SettingRange,
  Voltage,
  Control,
  Spring,
  Heater,
  Potentiometer,
  LimitSwitches,
  Signal,
  StainlessSensor,
  RodElement,
  SpiralElement,
  Length,
  Copper,
  CopperPvc,
  StainlessCapillary,
  NormallyOpen,
  NormallyClosed,
  PositionerPZ1,
  PositionerPZ2,
  Update,
  Valve,
  DpRegulator,
  ReducingValve,
  Controller,
  Capillary,
  Fl,
  Xt,
  Fd,
  An,
  Count,
};
// FirstOnly keeps one bit per tag.
static_assert(static_cast<int>(Tag::Count) <= 64);

Tag TagOf(const QString& name) {
  static const QHash<QString, Tag> tags = {
      {QStringLiteral("название"), Tag::Name},
      {QStringLiteral("описание"), Tag::Description},
      {QStringLiteral("чертеж2"), Tag::Drawing2d},
      {QStringLiteral("чертеж3"), Tag::Drawing3d},
      {QStringLiteral("сбалансированный"), Tag::Balanced},
      {QStringLiteral("конструкция"), Tag::Construction},
      {QStringLiteral("характеристика"), Tag::Characteristic},
      {QStringLiteral("вода"), Tag::Water},
      {QStringLiteral("гликоль"), Tag::Glycol},
      {QStringLiteral("пар"), Tag::Steam},
      {QStringLiteral("протечка"), Tag::Leakage},
      {QStringLiteral("температура"), Tag::Temperature},
      {QStringLiteral("давление"), Tag::Pressure},
      {QStringLiteral("присоединение"), Tag::Connection},
      {QStringLiteral("тип"), Tag::ValveKind},
      {QStringLiteral("смешение"), Tag::Mixing},
      {QStringLiteral("разделение"), Tag::Diverting},
      {QStringLiteral("Ду"), Tag::DnText},
      {QStringLiteral("D"), Tag::Dn},
      {QStringLiteral("Kvs"), Tag::Kvs},
      {QStringLiteral("Z"), Tag::Z},
      {QStringLiteral("Р_T"), Tag::Rating},
      {QStringLiteral("электропривод"), Tag::Electric},
      {QStringLiteral("пневмопривод"), Tag::Pneumatic},
      {QStringLiteral("термостат"), Tag::Thermostat},
      {QStringLiteral("исполнение"), Tag::Variant},
      {QStringLiteral("перепад"), Tag::Drop},
      {QStringLiteral("dP"), Tag::DropOverride},
      {QStringLiteral("диапазон"), Tag::SettingRange},
      {QStringLiteral("напряжение"), Tag::Voltage},
      {QStringLiteral("управление"), Tag::Control},
      {QStringLiteral("пружина"), Tag::Spring},
      {QStringLiteral("нагреватель"), Tag::Heater},
      {QStringLiteral("потенциометр"), Tag::Potentiometer},
      {QStringLiteral("концевики"), Tag::LimitSwitches},
      {QStringLiteral("сигнал"), Tag::Signal},
      {QStringLiteral("сталь"), Tag::StainlessSensor},
      {QStringLiteral("стержневой"), Tag::RodElement},
      {QStringLiteral("спиральный"), Tag::SpiralElement},
      {QStringLiteral("длина"), Tag::Length},
      {QStringLiteral("медь"), Tag::Copper},
      {QStringLiteral("пвх"), Tag::CopperPvc},
      {QStringLiteral("нерж"), Tag::StainlessCapillary},
      {QStringLiteral("открытый"), Tag::NormallyOpen},
      {QStringLiteral("закрытый"), Tag::NormallyClosed},
      {QStringLiteral("PZ1"), Tag::PositionerPZ1},
      {QStringLiteral("PZ2"), Tag::PositionerPZ2},
      {QStringLiteral("обновление"), Tag::Update},
      {QStringLiteral("клапан"), Tag::Valve},
      {QStringLiteral("РПД"), Tag::DpRegulator},
      {QStringLiteral("РК"), Tag::ReducingValve},
      {QStringLiteral("контроллер"), Tag::Controller},
      {QStringLiteral("капиляр"), Tag::Capillary},
      {QStringLiteral("FL"), Tag::Fl},
      {QStringLiteral("xT"), Tag::Xt},
      {QStringLiteral("Fd"), Tag::Fd},
      {QStringLiteral("An"), Tag::An},
  };
  return tags.value(name, Tag::Unknown);
}

// A single-valued property is taken from the first child of its name, as a select-one on the
// element's children would find it.
class FirstOnly {
 public:
  bool First(Tag tag) {
    const std::uint64_t bit = std::uint64_t{1} << static_cast<unsigned>(tag);
    if (seen_ & bit) return false;
    seen_ |= bit;
    return true;
  }

 private:
  std::uint64_t seen_ = 0;
};

// A code known by the first letter of its text, in either case.
template <class Code>
struct LetterCode {
  char16_t upper;
  char16_t lower;
  Code value;
};

// Sets `field` to the value of the code whose letter begins `text`; any other first character
// leaves the field as it was.
template <class Code>
void ReadLetterCode(const QString& text, std::initializer_list<LetterCode<Code>> codes,
                    Code& field) {
  if (text.isEmpty()) return;
  const char16_t first = text.front().unicode();
  for (const LetterCode<Code>& code : codes) {
    if (first == code.upper || first == code.lower) {
      field = code.value;
      return;
    }
  }
}

// Ф flanged, Р threaded.
constexpr std::initializer_list<LetterCode<ConnectionKind>> kConnectionCodes = {
    {u'Ф', u'ф', ConnectionKind::Flanged}, {u'Р', u'р', ConnectionKind::Threaded}};
// Д two-way, Т three-way.
constexpr std::initializer_list<LetterCode<ValveKind>> kValveKindCodes = {
    {u'Д', u'д', ValveKind::TwoWay}, {u'Т', u'т', ValveKind::ThreeWay}};
// А analogue, Т three-point.
constexpr std::initializer_list<LetterCode<ControlKind>> kControlCodes = {
    {u'А', u'а', ControlKind::Analogue}, {u'Т', u'т', ControlKind::ThreePoint}};

// Appends a pair or range into parallel slots; only the numbers read are set.
void AppendPair(const NumberPair<float>& pair, Slots<float, kListCapacity>& first,
                Slots<float, kListCapacity>& second, int& count) {
  if (count < 0 || count >= kListCapacity) return;
  const auto slot = static_cast<std::size_t>(count);
  if (pair.first) first[slot] = *pair.first;
  if (pair.second) second[slot] = *pair.second;
  ++count;
}

ActuatorLink ReadLink(const QDomElement& element) {
  ActuatorLink link;
  FirstOnly once;
  bool overridden = false;
  for (QDomElement c = element.firstChildElement(); !c.isNull(); c = c.nextSiblingElement()) {
    const Tag tag = TagOf(c.tagName());
    if (!once.First(tag)) continue;
    switch (tag) {
      case Tag::Name:
        link.name = c.text();
        break;
      case Tag::Water:
        link.forWater = 1;
        break;
      case Tag::Glycol:
        link.forGlycol = 1;
        break;
      case Tag::Steam:
        link.forSteam = 1;
        break;
      case Tag::Drop:
        if (!overridden) link.maxPressureDrop = FloatValue(c.text());
        break;
      case Tag::DropOverride:
        link.maxPressureDrop = FloatValue(c.text());
        overridden = true;
        break;
      default:
        break;
    }
  }
  if (!link.forWater && !link.forGlycol && !link.forSteam) {
    link.forWater = 1;
    link.forGlycol = 1;
    link.forSteam = 1;
  }
  return link;
}

// The properties valves and regulators share, read into `r`; false for any other tag.
template <class Record>
bool ReadSharedProperty(Tag tag, const QDomElement& c, Record& r, bool& haveD) {
  switch (tag) {
    case Tag::Name:
      r.name = c.text();
      return true;
    case Tag::Description:
      r.descriptionFile = c.text();
      return true;
    case Tag::Drawing2d:
      r.drawing2d = c.text();
      return true;
    case Tag::Drawing3d:
      r.drawing3d = c.text();
      return true;
    case Tag::Water:
      r.forWater = 1;
      return true;
    case Tag::Glycol:
      r.forGlycol = 1;
      return true;
    case Tag::Steam:
      r.forSteam = 1;
      return true;
    // Regulators state their leakage as valves do, so the result panel can show it.
    case Tag::Leakage:
      r.leakage = DoubleValue(c.text());
      return true;
    case Tag::Temperature:
      r.maxTemperature = WholeFloatValue(c.text());
      return true;
    case Tag::Pressure:
      r.maxPressure = WholeFloatValue(c.text());
      return true;
    case Tag::Connection:
      ReadLetterCode(c.text(), kConnectionCodes, r.connection);
      return true;
    case Tag::DnText:
      r.dnText = c.text();
      if (!haveD) r.dn = FloatValue(r.dnText);
      return true;
    case Tag::Dn:
      r.dn = FloatValue(c.text());
      haveD = true;
      return true;
    case Tag::Kvs:
      r.kvs = FloatValue(c.text());
      return true;
    case Tag::Z:
      r.z = FloatValue(c.text());
      return true;
    // Optional coefficients: a text that does not begin with a number gives none.
    case Tag::Fl:
      r.coefficients.fl = ScanFloat(c.text());
      return true;
    case Tag::Xt:
      r.coefficients.xt = ScanFloat(c.text());
      return true;
    case Tag::Fd:
      r.coefficients.fd = ScanFloat(c.text());
      return true;
    case Tag::An:
      r.coefficients.an = ScanFloat(c.text());
      return true;
    default:
      return false;
  }
}

// Reads the valve properties of a "клапан" or "исполнение" element into `r`; the first
// "исполнение" child, if any, is handed back through `firstVariant`.
void ReadValveProperties(const QDomElement& element, ValveRecord& r, QDomElement* firstVariant) {
  FirstOnly once;
  bool haveD = false;
  for (QDomElement c = element.firstChildElement(); !c.isNull(); c = c.nextSiblingElement()) {
    const Tag tag = TagOf(c.tagName());
    switch (tag) {
      case Tag::Rating:
        AppendPair(PairValue(c.text()), r.ratingPressure, r.ratingTemperature, r.ratingCount);
        continue;
      case Tag::Electric:
        AppendBounded(r.electricLinks, r.electricLinkCount, ReadLink(c));
        continue;
      case Tag::Pneumatic:
        AppendBounded(r.pneumaticLinks, r.pneumaticLinkCount, ReadLink(c));
        continue;
      case Tag::Thermostat:
        AppendBounded(r.thermostatLinks, r.thermostatLinkCount, ReadLink(c));
        continue;
      case Tag::Variant:
        if (firstVariant && firstVariant->isNull()) *firstVariant = c;
        continue;
      default:
        break;
    }
    if (!once.First(tag) || ReadSharedProperty(tag, c, r, haveD)) continue;
    switch (tag) {
      case Tag::Balanced:
        r.pressureBalanced = 1;
        break;
      case Tag::Construction:
        r.construction = c.text();
        break;
      case Tag::Characteristic:
        r.characteristic = c.text();
        break;
      case Tag::ValveKind:
        ReadLetterCode(c.text(), kValveKindCodes, r.valveKind);
        break;
      case Tag::Mixing:
        r.mixing = 1;
        break;
      case Tag::Diverting:
        r.diverting = 1;
        break;
      default:
        break;
    }
  }
}

void ReadRegulatorProperties(const QDomElement& element, RegulatorRecord& r,
                             QDomElement* firstVariant) {
  FirstOnly once;
  bool haveD = false;
  for (QDomElement c = element.firstChildElement(); !c.isNull(); c = c.nextSiblingElement()) {
    const Tag tag = TagOf(c.tagName());
    switch (tag) {
      case Tag::Rating:
        AppendPair(PairValue(c.text()), r.ratingPressure, r.ratingTemperature, r.ratingCount);
        continue;
      case Tag::SettingRange:
        AppendPair(FloatRangeValue(c.text()), r.rangeLow, r.rangeHigh, r.rangeCount);
        continue;
      case Tag::Variant:
        if (firstVariant && firstVariant->isNull()) *firstVariant = c;
        continue;
      default:
        break;
    }
    if (!once.First(tag) || ReadSharedProperty(tag, c, r, haveD)) continue;
    if (tag == Tag::Drop) r.maxPressureDrop = FloatValue(c.text());
  }
}

// One record per "исполнение" child, each a copy of the product's record with the variant's
// own properties read over it; written straight into the container's next slot.
template <class Record, class ReadProperties>
void ReadProductWithVariants(const QDomElement& product, RecordContainer<Record>& container,
                             ReadProperties read) {
  Record base;
  QDomElement variant;
  read(product, base, &variant);
  const QString variantName = variant.tagName();
  for (; !variant.isNull(); variant = variant.nextSiblingElement(variantName)) {
    if (container.count >= kCatalogueCapacity) return;
    Record& slot = container[container.count];
    slot = base;
    read(variant, slot, nullptr);
    ++container.count;
  }
}

void ReadSignal(const QString& text, ElectricActuatorRecord& r) {
  if (text == QStringLiteral("0-10В")) r.signal0to10V = 1;
  if (text == QStringLiteral("2-10В")) r.signal2to10V = 1;
  if (text == QStringLiteral("0-20мА")) r.signal0to20mA = 1;
  if (text == QStringLiteral("4-20мА")) r.signal4to20mA = 1;
}

ElectricActuatorRecord ReadElectricActuator(const QDomElement& element) {
  ElectricActuatorRecord r;
  FirstOnly once;
  bool haveVariant = false;
  for (QDomElement c = element.firstChildElement(); !c.isNull(); c = c.nextSiblingElement()) {
    const Tag tag = TagOf(c.tagName());
    if (tag == Tag::Signal) {
      ReadSignal(c.text(), r);
      continue;
    }
    if (!once.First(tag)) continue;
    switch (tag) {
      case Tag::Name:
        r.name = c.text();
        break;
      case Tag::Variant:
        r.variant = c.text();
        haveVariant = true;
        break;
      case Tag::Voltage:
        r.voltage = IntValue(c.text());
        break;
      case Tag::Control:
        ReadLetterCode(c.text(), kControlCodes, r.control);
        break;
      case Tag::Spring:
        r.springReturn = 1;
        break;
      case Tag::Heater:
        r.heater = 1;
        break;
      case Tag::Potentiometer:
        r.potentiometer = 1;
        break;
      case Tag::LimitSwitches:
        r.limitSwitches = 1;
        break;
      case Tag::Description:
        r.descriptionFile = c.text();
        break;
      case Tag::Drawing2d:
        r.drawing2d = c.text();
        break;
      case Tag::Drawing3d:
        r.drawing3d = c.text();
        break;
      default:
        break;
    }
  }
  if (!haveVariant) r.variant = r.name;
  return r;
}

// The drawings inside the "стержневой" and "спиральный" elements: the first "чертеж2" and
// "чертеж3" found under any element of that name.
void ReadElementDrawings(const QDomElement& element, QString& drawing2d, bool& have2d,
                         QString& drawing3d, bool& have3d) {
  for (QDomElement c = element.firstChildElement(); !c.isNull(); c = c.nextSiblingElement()) {
    const Tag tag = TagOf(c.tagName());
    if (tag == Tag::Drawing2d && !have2d) {
      drawing2d = c.text();
      have2d = true;
    } else if (tag == Tag::Drawing3d && !have3d) {
      drawing3d = c.text();
      have3d = true;
    }
  }
}

void ReadThermostat(const QDomElement& element, RecordContainer<ThermostatRecord>& thermostats) {
  ThermostatRecord base;
  FirstOnly once;
  bool rod2d = false, rod3d = false, spiral2d = false, spiral3d = false;
  QDomElement firstRange;
  for (QDomElement c = element.firstChildElement(); !c.isNull(); c = c.nextSiblingElement()) {
    const Tag tag = TagOf(c.tagName());
    if (tag == Tag::RodElement) {
      ReadElementDrawings(c, base.rodDrawing2d, rod2d, base.rodDrawing3d, rod3d);
      continue;
    }
    if (tag == Tag::SpiralElement) {
      ReadElementDrawings(c, base.spiralDrawing2d, spiral2d, base.spiralDrawing3d, spiral3d);
      continue;
    }
    if (!once.First(tag)) continue;
    switch (tag) {
      case Tag::Name:
        base.name = c.text();
        break;
      case Tag::StainlessSensor:
        base.stainlessSensor = 1;
        break;
      case Tag::Description:
        base.descriptionFile = c.text();
        break;
      case Tag::Temperature:
        firstRange = c;
        break;
      default:
        break;
    }
  }
  const QString rangeName = firstRange.tagName();
  for (QDomElement c = firstRange; !c.isNull(); c = c.nextSiblingElement(rangeName)) {
    ThermostatRecord record = base;
    const NumberPair<int> range = IntRangeValue(c.text());
    if (range.first) record.temperatureMin = *range.first;
    if (range.second) record.temperatureMax = *range.second;
    thermostats.Append(record);
  }
}

void ReadController(const QDomElement& element, ControllerRecord& r) {
  FirstOnly once;
  for (QDomElement c = element.firstChildElement(); !c.isNull(); c = c.nextSiblingElement()) {
    const Tag tag = TagOf(c.tagName());
    if (!once.First(tag)) continue;
    switch (tag) {
      case Tag::Name:
        r.name = c.text();
        break;
      case Tag::Description:
        r.descriptionFile = c.text();
        break;
      case Tag::Drawing2d:
        r.drawing2d = c.text();
        break;
      case Tag::Drawing3d:
        r.drawing3d = c.text();
        break;
      default:
        break;
    }
  }
}

void ReadCapillary(const QDomElement& element, RecordContainer<CapillaryRecord>& capillaries) {
  FirstOnly once;
  float length = 0;
  bool copper = false, pvc = false, stainless = false;
  for (QDomElement c = element.firstChildElement(); !c.isNull(); c = c.nextSiblingElement()) {
    const Tag tag = TagOf(c.tagName());
    if (!once.First(tag)) continue;
    switch (tag) {
      case Tag::Length:
        length = FloatValue(c.text());
        break;
      case Tag::Copper:
        copper = true;
        break;
      case Tag::CopperPvc:
        pvc = true;
        break;
      case Tag::StainlessCapillary:
        stainless = true;
        break;
      default:
        break;
    }
  }
  if (copper) capillaries.Append({length, CapillaryMaterial::Copper});
  if (pvc) capillaries.Append({length, CapillaryMaterial::CopperPvc});
  if (stainless) capillaries.Append({length, CapillaryMaterial::Stainless});
}

PneumaticActuatorRecord ReadPneumaticActuator(const QDomElement& element) {
  PneumaticActuatorRecord r;
  FirstOnly once;
  for (QDomElement c = element.firstChildElement(); !c.isNull(); c = c.nextSiblingElement()) {
    const Tag tag = TagOf(c.tagName());
    if (!once.First(tag)) continue;
    switch (tag) {
      case Tag::Name:
        r.name = c.text();
        break;
      case Tag::NormallyOpen:
        r.normallyOpen = 1;
        break;
      case Tag::NormallyClosed:
        r.normallyClosed = 1;
        break;
      case Tag::PositionerPZ1:
        r.positionerPZ1 = 1;
        break;
      case Tag::PositionerPZ2:
        r.positionerPZ2 = 1;
        break;
      default:
        break;
    }
  }
  return r;
}

// Every section is read in one walk over the document element's children: records of one kind
// still land in document order, which is all that reading each kind in a pass of its own gives.
void ReadDocument(const QDomDocument& document, Catalogue& catalogue) {
  const QDomElement root = document.documentElement();
  if (root.tagName() != QStringLiteral("xmldata")) return;
  bool haveDate = false;
  bool haveController = false;
  for (QDomElement e = root.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
    switch (TagOf(e.tagName())) {
      case Tag::Update:
        if (!haveDate) catalogue.catalogueDate = e.text();
        haveDate = true;
        break;
      case Tag::Valve:
        ReadProductWithVariants(e, catalogue.valves, ReadValveProperties);
        break;
      case Tag::DpRegulator:
        ReadProductWithVariants(e, catalogue.dpRegulators, ReadRegulatorProperties);
        break;
      case Tag::ReducingValve:
        ReadProductWithVariants(e, catalogue.reducingValves, ReadRegulatorProperties);
        break;
      case Tag::Electric:
        catalogue.electricActuators.Append(ReadElectricActuator(e));
        break;
      case Tag::Thermostat:
        ReadThermostat(e, catalogue.thermostats);
        break;
      case Tag::Controller:
        if (!haveController) ReadController(e, catalogue.controller);
        haveController = true;
        break;
      case Tag::Capillary:
        ReadCapillary(e, catalogue.capillaries);
        break;
      case Tag::Pneumatic:
        catalogue.pneumaticActuators.Append(ReadPneumaticActuator(e));
        break;
      default:
        break;
    }
  }
}

// Whether the document nests elements deeper than kCatalogueDepthLimit, found by a streaming
// pass that stops at the first element too deep. Anything else wrong with the document is left
// to the parser.
bool NestsTooDeep(const QByteArray& document) {
  QXmlStreamReader reader(document);
  int depth = 0;
  while (!reader.atEnd()) {
    switch (reader.readNext()) {
      case QXmlStreamReader::StartElement:
        if (++depth > kCatalogueDepthLimit) return true;
        break;
      case QXmlStreamReader::EndElement:
        --depth;
        break;
      default:
        break;
    }
  }
  return false;
}

}  // namespace

CatalogueFile ReadCatalogueFile(const QString& fileName) {
  const ReadResult read = ReadFileWhole(fileName, kCatalogueFileLimit);
  if (read.error == ReadError::TooLarge) {
    return {nullptr,
            {LoadFailure::CatalogueTooLarge, fileName,
             std::max(QFileInfo(fileName).size(), kCatalogueFileLimit + 1)}};
  }
  QDomDocument document;
  if (!read || NestsTooDeep(read.bytes) || !document.setContent(read.bytes)) {
    return {nullptr, {LoadFailure::CatalogueNotParsed, {}, 0}};
  }
  auto fresh = std::make_unique<Catalogue>();
  ReadDocument(document, *fresh);
  return {std::move(fresh), {}};
}

LoadResult LoadCatalogue(const QString& fileName, Catalogue& catalogue) {
  CatalogueFile read = ReadCatalogueFile(fileName);
  if (read.catalogue) catalogue = std::move(*read.catalogue);
  return read.load;
}

}  // namespace selvio
