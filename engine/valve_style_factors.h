#pragma once

#include <QString>
#include <optional>

#include "catalogue/catalogue_records.h"

// The valve coefficients FL, xT and Fd the check uses for a product: the catalogue's own when it
// gives them, otherwise the typical values of IEC 60534-2-1:2011, Annex A, Table A.1 ("Typical
// values of valve style modifier Fd, liquid pressure recovery factor FL and pressure
// differential ratio factor xT at full rated travel") for the construction the catalogue names.
namespace selvio {

// The rows of Table A.1 that the catalogue's constructions lead to.
enum class ValveStyle {
  GlobeSingleSeatContouredPlugFlowToOpen,  // globe, single port, contoured plug, flow to open
  GlobeDoubleSeatContouredPlug,            // globe, double port, contoured plug
  BallFull,                                // ball, full ball (70°)
  BallSegmented,                           // ball, segmented ball
  ButterflySwingThrough70,                 // butterfly (centred shaft), swing-through (70°)
  ButterflyOffsetSeat70,                   // butterfly (eccentric shaft), offset seat (70°)
};

struct TypicalFactors {
  double fl = 0;
  double xt = 0;
  double fd = 0;
};

// Table A.1's FL, xT and Fd of a row:
//   globe, single port, contoured plug, flow to open   0.90  0.72  0.46
//   globe, double port, contoured plug                 0.85  0.70  0.32
//   ball, full ball (70°)                              0.74  0.42  0.99
//   ball, segmented ball                               0.60  0.30  0.98
//   butterfly, swing-through (70°)                     0.62  0.35  0.57
//   butterfly, eccentric shaft, offset seat (70°)      0.67  0.35  0.57
TypicalFactors TypicalFactorsOf(ValveStyle style);

// How the row was found.
enum class StyleBasis {
  Construction,   // the construction text names it
  NotRecognised,  // the text (or its absence) names no row: the single-seat globe row is taken
  Regulator,      // a regulator or reducing valve, a single-seat globe valve with its own plug
};

struct StyleMatch {
  ValveStyle style = ValveStyle::GlobeSingleSeatContouredPlugFlowToOpen;
  StyleBasis basis = StyleBasis::NotRecognised;
};

// The row named by a construction text ("конструкция"), by the words in it, in any case:
// "шаров…" a ball valve ("сегмент…" or "V-образ…" a segmented one); "затвор" or "дисков…" a
// butterfly valve ("эксцентри…" with an offset seat); "двухседельн…" a double-port globe;
// "седельн…" a single-port globe. The bundled catalogue's texts ("седельный, чугун СЧ20",
// "трехходовой седельный, бронза", "седельный разгруженный, ВЧ40", "шаровой …") all lead to a
// row.
StyleMatch StyleOfConstruction(const QString& construction);

enum class FactorSource { Catalogue, TypicalTable };

// One coefficient as used.
struct UsedFactor {
  double value = 0;
  FactorSource source = FactorSource::TypicalTable;
  bool catalogueValueRejected = false;  // the catalogue gave one outside (0, 1]; not used
};

struct ValveFactors {
  UsedFactor fl;
  UsedFactor xt;
  UsedFactor fd;
  std::optional<double> an;  // the acoustic efficiency factor, only when the catalogue gives it
  StyleMatch style;          // the row any typical value comes from

  bool AnyTypical() const {
    return fl.source == FactorSource::TypicalTable || xt.source == FactorSource::TypicalTable ||
           fd.source == FactorSource::TypicalTable;
  }
};

// The coefficients of a product: each one the catalogue gives within (0, 1], the row's typical
// value for the others.
ValveFactors FactorsOf(const ValveCoefficients& given, const StyleMatch& style);
ValveFactors FactorsOf(const ValveRecord& valve);
ValveFactors FactorsOf(const RegulatorRecord& regulator);

}  // namespace selvio
