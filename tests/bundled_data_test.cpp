#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <cmath>
#include <functional>
#include <set>

#include "catalogue/catalogue_loader.h"
#include "engine/fluid_tables.h"
#include "engine/selection.h"
#include "engine/valve_style_factors.h"
#include "tests/engine_fixture.h"

namespace selvio {
namespace {

QString DataPath(const QString& name) {
  return qEnvironmentVariable("SELVIO_DATA_DIR") + QLatin1Char('/') + name;
}

// The bundled catalogue with the request of a first start's inputs: water, 20 and 18 kPa
// (0.2 and 0.18 bar), 20 °C, ΔP 0.2 kPa (0.002 bar), 5 l/h (0.005 m³/h), K 1.2, cavitation
// checked, a flanged two-way control valve, and the actuator column on with a 24 V
// three-position electric actuator with all four options (the thermostat and pneumatic inputs
// as they start: 36 °C, rod element, copper element and capillary, PZ1, normally open).
struct BundledRequest : test::EngineFixture {
  BundledRequest() {
    EXPECT_TRUE(LoadCatalogue(DataPath("xmldata.xml"), *catalogue));
    request.p1 = 0.2f;
    request.p2 = 0.18f;
    request.temperature = 20;
    request.drop = 0.002f;
    request.flow = 0.005f;
    request.useSafetyFactor = true;
    request.safetyFactor = 1.2f;
    request.checkCavitation = true;
    request.matchActuators = true;
    ActuatorPreferences& a = request.actuator;
    a.actuatorKind = ActuatorKind::Electric;
    a.controlSignal = ControlKind::ThreePoint;
    a.supplyVoltage = 24;
    a.wantLimitSwitches = a.wantPotentiometer = a.wantSpringReturn = a.wantHeater = true;
    a.wantPZ1 = true;
    a.wantNormallyOpen = true;
  }

  // A thermostat holding `maintained` °C, of copper (element and capillary) or of stainless
  // steel.
  void AskThermostat(int maintained, bool copper) {
    ActuatorPreferences& a = request.actuator;
    a.actuatorKind = ActuatorKind::Thermostat;
    a.maintainedTemperature = maintained;
    a.spiralElement = false;
    a.copperElement = a.copperCapillary = copper;
  }
  void NoOptions() {
    ActuatorPreferences& a = request.actuator;
    a.wantLimitSwitches = a.wantPotentiometer = a.wantSpringReturn = a.wantHeater = false;
  }
  void Pressures(float p1, float p2, int temperature, float drop) {
    request.p1 = p1;
    request.p2 = p2;
    request.temperature = temperature;
    request.drop = drop;
  }
};

struct RequestCase {
  const char* name;
  std::function<void(BundledRequest&)> setUp;
  ProductKind product = ProductKind::ControlValve;
  ActuatorKind actuator = ActuatorKind::Electric;
};

int ActuatorsOf(const ValveCandidate& c, ActuatorKind kind) {
  switch (kind) {
    case ActuatorKind::Electric:
      return CountOf(c.electricActuators);
    case ActuatorKind::Thermostat:
      return CountOf(c.thermostats);
    case ActuatorKind::Pneumatic:
      return CountOf(c.pneumaticActuators);
    case ActuatorKind::None:
      break;
  }
  return 0;
}

TEST(BundledCatalogue, TypicalRequestsFindProducts) {
  const RequestCase cases[] = {
      {"first start: water, 24 V three-point electric actuator with all four options",
       [](BundledRequest&) {}},
      {"thermostat holding 36 °C, copper element and capillary",
       [](BundledRequest& f) { f.AskThermostat(36, true); }, ProductKind::ControlValve,
       ActuatorKind::Thermostat},
      {"thermostat of stainless steel holding 100 °C",
       [](BundledRequest& f) { f.AskThermostat(100, false); }, ProductKind::ControlValve,
       ActuatorKind::Thermostat},
      {"pneumatic actuator, PZ1, normally open",
       [](BundledRequest& f) { f.request.actuator.actuatorKind = ActuatorKind::Pneumatic; },
       ProductKind::ControlValve, ActuatorKind::Pneumatic},
      {"pneumatic actuator, PZ2, normally closed, threaded valve",
       [](BundledRequest& f) {
         ActuatorPreferences& a = f.request.actuator;
         a.actuatorKind = ActuatorKind::Pneumatic;
         a.wantPZ1 = false;
         a.wantPZ2 = true;
         a.wantNormallyOpen = false;
         a.wantNormallyClosed = true;
         f.request.connection = ConnectionKind::Threaded;
       },
       ProductKind::ControlValve, ActuatorKind::Pneumatic},
      {"analogue 24 V actuator for 4-20 mA without options",
       [](BundledRequest& f) {
         f.NoOptions();
         f.request.actuator.controlSignal = ControlKind::Analogue;
         f.request.actuator.requestedSignal4to20mA = true;
       }},
      {"220 V three-point actuator with limit switches",
       [](BundledRequest& f) {
         f.NoOptions();
         f.request.actuator.wantLimitSwitches = true;
         f.request.actuator.supplyVoltage = 220;
       }},
      {"steam: 6 bar, δ 0.2, 200 kg/h at 165 °C, 24 V three-point actuator",
       [](BundledRequest& f) {
         f.request.medium = Medium::Steam;
         f.NoOptions();
         f.Pressures(6, 0, 165, 0.2f);
         f.request.flow = 200;
       }},
      {"steam through a threaded valve: 6 bar, δ 0.2, 200 kg/h at 165 °C",
       [](BundledRequest& f) {
         f.request.medium = Medium::Steam;
         f.request.connection = ConnectionKind::Threaded;
         f.NoOptions();
         f.Pressures(6, 0, 165, 0.2f);
         f.request.flow = 200;
       }},
      {"glycol solution of density 1040, 2 m³/h across 0.5 bar",
       [](BundledRequest& f) {
         f.request.medium = Medium::Glycol;
         f.request.density = 1040;
         f.Pressures(3, 2.5f, 20, 0.5f);
         f.request.flow = 2;
       }},
      {"three-way flanged valve for mixing",
       [](BundledRequest& f) {
         f.request.valveKind = ValveKind::ThreeWay;
         f.request.wantMixing = true;
         f.Pressures(3, 2.5f, 70, 0.3f);
         f.request.flow = 3;
       }},
      {"three-way flanged valve for diverting",
       [](BundledRequest& f) {
         f.request.valveKind = ValveKind::ThreeWay;
         f.request.wantDiverting = true;
         f.Pressures(3, 2.5f, 70, 0.3f);
         f.request.flow = 3;
       }},
      {"three-way threaded valve for mixing",
       [](BundledRequest& f) {
         f.request.connection = ConnectionKind::Threaded;
         f.request.valveKind = ValveKind::ThreeWay;
         f.request.wantMixing = true;
       }},
      {"pressure-balanced valve for 30 m³/h",
       [](BundledRequest& f) {
         f.request.wantBalanced = true;
         f.Pressures(6, 4, 90, 1);
         f.request.flow = 30;
       }},
      {"differential-pressure regulator set to 0.5 bar",
       [](BundledRequest& f) {
         f.request.product = ProductKind::DpRegulator;
         f.Pressures(6, 4, 70, 0.5f);
         f.request.setting = 0.5f;
         f.request.flow = 2;
       },
       ProductKind::DpRegulator},
      {"reducing valve for water, 10 bar down to 4 bar",
       [](BundledRequest& f) {
         f.request.product = ProductKind::ReducingValve;
         f.Pressures(10, 4, 70, 6);
         f.request.setting = 4;
         f.request.flow = 3;
       },
       ProductKind::ReducingValve},
      {"reducing valve for steam, 8 bar down to 3 bar",
       [](BundledRequest& f) {
         f.request.product = ProductKind::ReducingValve;
         f.request.medium = Medium::Steam;
         f.Pressures(8, 3, 175, 0.3f);
         f.request.setting = 3;
         f.request.flow = 300;
       },
       ProductKind::ReducingValve},
  };
  for (const RequestCase& c : cases) {
    BundledRequest f;
    c.setUp(f);
    EXPECT_EQ(f.Run(), Found) << c.name;
    EXPECT_EQ(f.result.message.code, SelectionMessageCode::None) << c.name;
    switch (c.product) {
      case ProductKind::ControlValve:
        ASSERT_FALSE(f.result.valveCandidates.empty()) << c.name;
        EXPECT_GT(ActuatorsOf(f.result.valveCandidates[0], c.actuator), 0) << c.name;
        break;
      case ProductKind::DpRegulator:
        EXPECT_FALSE(f.result.dpRegulatorCandidates.empty()) << c.name;
        break;
      case ProductKind::ReducingValve:
        EXPECT_FALSE(f.result.reducingValveCandidates.empty()) << c.name;
        break;
    }
  }
}

TEST(BundledCatalogue, LinksAndDocumentsResolve) {
  BundledRequest form;
  const Catalogue& c = *form.catalogue;
  EXPECT_FALSE(c.catalogueDate.isEmpty());
  EXPECT_FALSE(c.controller.name.isEmpty());
  std::set<QString> electric, pneumatic, thermostats;
  for (int i = 0; i < c.electricActuators.count; ++i) electric.insert(c.electricActuators[i].name);
  for (int i = 0; i < c.pneumaticActuators.count; ++i) {
    pneumatic.insert(c.pneumaticActuators[i].name);
  }
  for (int i = 0; i < c.thermostats.count; ++i) thermostats.insert(c.thermostats[i].name);

  std::set<QString> missing;
  const auto requireDocument = [&](const QString& folder, const QString& file) {
    if (!file.isEmpty() && !QFileInfo::exists(DataPath(folder + QLatin1Char('/') + file))) {
      missing.insert(folder + QLatin1Char('/') + file);
    }
  };
  for (int i = 0; i < c.valves.count; ++i) {
    const ValveRecord& v = c.valves[i];
    for (int l = 0; l < v.electricLinkCount; ++l) {
      EXPECT_TRUE(electric.count(v.electricLinks[static_cast<std::size_t>(l)].name))
          << v.name.toStdString();
    }
    for (int l = 0; l < v.pneumaticLinkCount; ++l) {
      EXPECT_TRUE(pneumatic.count(v.pneumaticLinks[static_cast<std::size_t>(l)].name))
          << v.name.toStdString();
    }
    for (int l = 0; l < v.thermostatLinkCount; ++l) {
      EXPECT_TRUE(thermostats.count(v.thermostatLinks[static_cast<std::size_t>(l)].name))
          << v.name.toStdString();
    }
    requireDocument("pdf", v.descriptionFile);
    requireDocument("2D", v.drawing2d);
    requireDocument("3D", v.drawing3d);
  }
  for (const auto* regulators : {&c.dpRegulators, &c.reducingValves}) {
    EXPECT_GT(regulators->count, 0);
    for (int i = 0; i < regulators->count; ++i) {
      requireDocument("pdf", (*regulators)[i].descriptionFile);
      requireDocument("2D", (*regulators)[i].drawing2d);
      requireDocument("3D", (*regulators)[i].drawing3d);
    }
  }
  for (int i = 0; i < c.electricActuators.count; ++i) {
    requireDocument("pdf", c.electricActuators[i].descriptionFile);
    requireDocument("2D", c.electricActuators[i].drawing2d);
    requireDocument("3D", c.electricActuators[i].drawing3d);
  }
  for (int i = 0; i < c.thermostats.count; ++i) {
    const ThermostatRecord& t = c.thermostats[i];
    requireDocument("pdf", t.descriptionFile);
    requireDocument("2D", t.rodDrawing2d);
    requireDocument("3D", t.rodDrawing3d);
    requireDocument("2D", t.spiralDrawing2d);
    requireDocument("3D", t.spiralDrawing3d);
  }
  requireDocument("pdf", c.controller.descriptionFile);
  requireDocument("2D", c.controller.drawing2d);
  requireDocument("3D", c.controller.drawing3d);
  EXPECT_TRUE(missing.empty()) << (missing.empty() ? "" : missing.begin()->toStdString());
}

// Every construction the bundled catalogue names leads to a row of the typical values; only the
// threaded ball valve for steam gives coefficients of its own: FL 0.65, xT 0.35 and An −4.6 for
// the series, FL 0.8 and xT 0.5 for its reduced V-port DN 15 / Kvs 1.6, Fd from the segmented
// ball row (0.98).
TEST(BundledCatalogue, ConstructionsAndOwnCoefficients) {
  BundledRequest form;
  const Catalogue& c = *form.catalogue;
  int ballValves = 0;
  for (int i = 0; i < c.valves.count; ++i) {
    const ValveRecord& v = c.valves[i];
    const ValveFactors f = FactorsOf(v);
    EXPECT_EQ(f.style.basis, StyleBasis::Construction) << v.name.toStdString();
    const bool ball = v.name.startsWith(QString::fromUtf8("ВКШР-2П-"));
    if (!ball) {
      EXPECT_FALSE(v.coefficients.fl || v.coefficients.xt || v.coefficients.fd || v.coefficients.an)
          << v.name.toStdString();
      continue;
    }
    ++ballValves;
    EXPECT_EQ(f.style.style, ValveStyle::BallSegmented);
    EXPECT_EQ(f.fd.source, FactorSource::TypicalTable);
    EXPECT_DOUBLE_EQ(f.fd.value, 0.98);
    ASSERT_TRUE(f.an);
    EXPECT_NEAR(*f.an, -4.6, 1e-6);
    const bool reduced = v.name == QString::fromUtf8("ВКШР-2П-15-1.6");
    EXPECT_NEAR(f.fl.value, reduced ? 0.8 : 0.65, 1e-6) << v.name.toStdString();
    EXPECT_NEAR(f.xt.value, reduced ? 0.5 : 0.35, 1e-6) << v.name.toStdString();
    EXPECT_EQ(f.fl.source, FactorSource::Catalogue);
  }
  EXPECT_EQ(ballValves, 7);
}

TEST(BundledCatalogue, EveryCapillaryMetalOffersSeveralLengths) {
  BundledRequest form;
  const Catalogue& c = *form.catalogue;
  for (CapillaryMaterial material :
       {CapillaryMaterial::Copper, CapillaryMaterial::CopperPvc, CapillaryMaterial::Stainless}) {
    std::set<float> lengths;
    for (int i = 0; i < c.capillaries.count; ++i) {
      if (c.capillaries[i].material == material) lengths.insert(c.capillaries[i].length);
    }
    EXPECT_GE(lengths.size(), 2u) << "material " << static_cast<int>(material);
  }
}

class BundledFluidData : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(qEnvironmentVariable("SELVIO_DATA_DIR")));
  }
  void TearDown() override { QDir::setCurrent(previous_); }

 private:
  QString previous_;
};

TEST_F(BundledFluidData, SaturationPressureEveryWholeDegree) {
  SaturationTable table;
  ASSERT_TRUE(LoadSaturationTable(table));
  ASSERT_GE(table.count, 251);
  for (int t = 0; t <= 250; ++t) {
    EXPECT_EQ(table.temperatures[static_cast<std::size_t>(t)], static_cast<float>(t));
    if (t > 0) {
      EXPECT_GT(table.pressures[static_cast<std::size_t>(t)],
                table.pressures[static_cast<std::size_t>(t - 1)]);
    }
  }
  // IAPWS-IF97 reference values: 1.01418 bar at 100 °C, 0.0233921 bar at 20 °C.
  EXPECT_NEAR(LookupSaturationPressure(table, 100), 1.01418, 1.01418 * 0.001);
  EXPECT_NEAR(LookupSaturationPressure(table, 20), 0.0233921, 0.0233921 * 0.001);
}

TEST_F(BundledFluidData, GlycolDensitiesRiseWithConcentrationAndFallWithTemperature) {
  for (const char* file : {"etilenglikol.dat", "propilenglikol.dat"}) {
    PropertyTable table;
    LoadPropertyTable(QString::fromUtf8(file), table);
    ASSERT_GT(table.firstCount, 1) << file;
    ASSERT_GT(table.secondCount, 1) << file;
    EXPECT_LE(table.firstAxis.front(), 10) << file;
    EXPECT_GE(FirstAxisMaximum(table), 60) << file;
    EXPECT_GE(table.secondAxis.back(), 100) << file;
    const auto at = [&](int i, int j) {
      return table.values[static_cast<std::size_t>(i + j * table.firstCount)];
    };
    for (int j = 0; j < table.secondCount; ++j) {
      for (int i = 0; i < table.firstCount; ++i) {
        EXPECT_GT(at(i, j), 0.95f) << file;
        EXPECT_LT(at(i, j), 1.12f) << file;
        if (i > 0) {
          EXPECT_GT(at(i, j), at(i - 1, j)) << file << " concentration index " << i;
        }
        if (j > 0) {
          EXPECT_LT(at(i, j), at(i, j - 1)) << file << " temperature index " << j;
        }
      }
    }
  }
}

// Published densities, kg/m³, of solutions by mass (Melinder, "Properties of Secondary Working
// Fluids for Indirect Systems", 2010), read at grid points of the bundled tables.
TEST_F(BundledFluidData, GlycolDensitiesMatchThePublishedTableAtGridPoints) {
  struct Row {
    const char* file;
    float percentByMass;
    float temperature;  // °C
    double density;     // kg/m³
  };
  const Row rows[] = {
      {"etilenglikol.dat", 20, 0, 1029.1},    {"etilenglikol.dat", 20, 80, 993.8},
      {"etilenglikol.dat", 30, 20, 1038.0},   {"etilenglikol.dat", 40, 40, 1041.4},
      {"etilenglikol.dat", 50, 0, 1074.6},    {"etilenglikol.dat", 50, 60, 1040.5},
      {"propilenglikol.dat", 20, 0, 1020.1},  {"propilenglikol.dat", 30, 40, 1013.4},
      {"propilenglikol.dat", 40, 20, 1032.3}, {"propilenglikol.dat", 40, 80, 991.6},
      {"propilenglikol.dat", 50, 0, 1050.9},  {"propilenglikol.dat", 50, 60, 1010.5},
  };
  for (const Row& row : rows) {
    PropertyTable table;
    LoadPropertyTable(QString::fromUtf8(row.file), table);
    const double density =
        1000.0 * InterpolatePropertyTable(table, row.percentByMass, row.temperature);
    EXPECT_NEAR(density, row.density, row.density * 0.001)
        << row.file << " " << row.percentByMass << " % at " << row.temperature << " °C";
  }
}

}  // namespace
}  // namespace selvio
