#pragma once

#include <QString>
#include <optional>

#include "catalogue/catalogue_records.h"
#include "catalogue/valve_construction.h"

// The valve coefficients FL, xT and Fd the check uses for a product: the catalogue's own when it
// gives them, otherwise the typical values of IEC 60534-2-1:2011, Annex A, Table A.1 ("Typical
// values of valve style modifier Fd, liquid pressure recovery factor FL and pressure
// differential ratio factor xT at full rated travel") for the construction the catalogue names.
namespace selvio {

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
