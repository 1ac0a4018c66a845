#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <cmath>
#include <functional>
#include <set>

#include "catalogue/catalogue_loader.h"
#include "engine/fluid_tables.h"
#include "engine/selection.h"
#include "engine_fixture.h"

namespace selvio {
namespace {

using test::EngineFixture;

QString DataPath(const QString& name) {
  return qEnvironmentVariable("SELVIO_DATA_DIR") + QLatin1Char('/') + name;
}

// The bundled catalogue loaded into a form with the inputs of a first start: water, 20 and 18 kPa,
// 20 °C, ΔP 0.2 kPa, 5 l/h, K 1.2, a flanged two-way control valve, and the actuator column on
// with a 24 V three-point electric actuator with all four options (the thermostat and pneumatic
// groups as they start: 36 °C, rod element, copper, PZ1, normally open).
struct BundledForm : EngineFixture {
  BundledForm() {
    EXPECT_TRUE(LoadCatalogue(DataPath("xmldata.xml"), *catalogue));
    Type(ids::kP1, "20");
    Type(ids::kP2, "18");
    Type(ids::kTemperature, "20");
    Type(ids::kDrop, "0.2");
    Type(ids::kFlow, "5");
    Type(ids::kSafetyFactor, "1.2");
    Type(ids::kSetting, "");
    for (int list : {ids::kP1Unit, ids::kP2Unit, ids::kDropUnit, ids::kFlowUnit}) {
      SelectUnit(list, 1);
    }
    SelectUnit(ids::kSignalType, 1);
    Check(ids::kUseSafetyFactor);
    Check(ids::kCheckCavitation);
    actuatorSectionOn = true;
    ChooseActuator(ids::kElectric);
    Check(ids::kThreePoint);
    Check(ids::kVoltage24);
    for (int option :
         {ids::kLimitSwitches, ids::kPotentiometer, ids::kSpringReturn, ids::kHeater}) {
      Check(option);
    }
    Type(ids::kMaintainedTemperature, "36");
    Check(ids::kRodElement);
    Check(ids::kCopperElement);
    Check(ids::kCopperCapillary);
    Check(ids::kPositionerPZ1);
    Check(ids::kNormallyOpen);
  }

  void ChooseActuator(int id) { Choose(id, {ids::kElectric, ids::kThermostat, ids::kPneumatic}); }
  void NoOptions() {
    for (int option :
         {ids::kLimitSwitches, ids::kPotentiometer, ids::kSpringReturn, ids::kHeater}) {
      Check(option, false);
    }
  }
  // Pressures, drop and setting in bar, flow in the first unit of its list.
  void InBar() {
    for (int list : {ids::kP1Unit, ids::kP2Unit, ids::kDropUnit, ids::kSettingUnit}) {
      SelectUnit(list, 0);
    }
  }
};

struct RequestCase {
  const char* name;
  std::function<void(BundledForm&)> setUp;
  ProductKind product = ProductKind::ControlValve;
  ActuatorKind actuator = ActuatorKind::Electric;
};

int ActuatorsOf(const ValveCandidate& c, ActuatorKind kind) {
  switch (kind) {
    case ActuatorKind::Electric:
      return c.electricActuatorCount;
    case ActuatorKind::Thermostat:
      return c.thermostatCount;
    case ActuatorKind::Pneumatic:
      return c.pneumaticActuatorCount;
    case ActuatorKind::None:
      break;
  }
  return 0;
}

TEST(BundledCatalogue, TypicalRequestsFindProducts) {
  const RequestCase cases[] = {
      {"first start: water, 24 V three-point electric actuator with all four options",
       [](BundledForm&) {}},
      {"thermostat holding 36 °C, copper element and capillary",
       [](BundledForm& f) { f.ChooseActuator(ids::kThermostat); }, ProductKind::ControlValve,
       ActuatorKind::Thermostat},
      {"thermostat of stainless steel holding 100 °C",
       [](BundledForm& f) {
         f.ChooseActuator(ids::kThermostat);
         f.Type(ids::kMaintainedTemperature, "100");
         f.Choose(ids::kStainlessElement, {ids::kCopperElement, ids::kStainlessElement});
         f.Choose(ids::kStainlessCapillary,
                  {ids::kCopperCapillary, ids::kPvcCapillary, ids::kStainlessCapillary});
       },
       ProductKind::ControlValve, ActuatorKind::Thermostat},
      {"pneumatic actuator, PZ1, normally open",
       [](BundledForm& f) { f.ChooseActuator(ids::kPneumatic); }, ProductKind::ControlValve,
       ActuatorKind::Pneumatic},
      {"pneumatic actuator, PZ2, normally closed, threaded valve",
       [](BundledForm& f) {
         f.ChooseActuator(ids::kPneumatic);
         f.Choose(ids::kPositionerPZ2, {ids::kPositionerPZ1, ids::kPositionerPZ2});
         f.Choose(ids::kNormallyClosed, {ids::kNormallyOpen, ids::kNormallyClosed});
         f.Choose(ids::kThreaded, {ids::kFlanged, ids::kThreaded});
       },
       ProductKind::ControlValve, ActuatorKind::Pneumatic},
      {"analogue 24 V actuator for 4-20 mA without options",
       [](BundledForm& f) {
         f.NoOptions();
         f.Choose(ids::kAnalogue, {ids::kThreePoint, ids::kAnalogue});
         f.SelectUnit(ids::kSignalType, 3);
       }},
      {"220 V three-point actuator with limit switches",
       [](BundledForm& f) {
         f.NoOptions();
         f.Check(ids::kLimitSwitches);
         f.Choose(ids::kVoltage220, {ids::kVoltage24, ids::kVoltage220});
       }},
      {"steam: 6 bar, δ 0.2, 200 kg/h at 165 °C, 24 V three-point actuator",
       [](BundledForm& f) {
         f.InBar();
         f.ChooseMedium(ids::kSteam);
         f.NoOptions();
         f.Type(ids::kP1, "6");
         f.Type(ids::kP2, "0");
         f.Type(ids::kTemperature, "165");
         f.Type(ids::kDrop, "0.2");
         f.Type(ids::kFlow, "200");
       }},
      {"glycol solution of density 1040, 2 m³/h across 0.5 bar",
       [](BundledForm& f) {
         f.InBar();
         f.ChooseMedium(ids::kGlycol);
         f.Type(ids::kDensity, "1040");
         f.Type(ids::kP1, "3");
         f.Type(ids::kP2, "2.5");
         f.Type(ids::kDrop, "0.5");
         f.Type(ids::kFlow, "2");
         f.SelectUnit(ids::kFlowUnit, 0);
       }},
      {"three-way flanged valve for mixing",
       [](BundledForm& f) {
         f.InBar();
         f.Choose(ids::kThreeWay, {ids::kTwoWay, ids::kThreeWay});
         f.Choose(ids::kMixing, {ids::kMixing, ids::kDiverting});
         f.Type(ids::kP1, "3");
         f.Type(ids::kP2, "2.5");
         f.Type(ids::kTemperature, "70");
         f.Type(ids::kDrop, "0.3");
         f.Type(ids::kFlow, "3");
         f.SelectUnit(ids::kFlowUnit, 0);
       }},
      {"three-way flanged valve for diverting",
       [](BundledForm& f) {
         f.InBar();
         f.Choose(ids::kThreeWay, {ids::kTwoWay, ids::kThreeWay});
         f.Choose(ids::kDiverting, {ids::kMixing, ids::kDiverting});
         f.Type(ids::kP1, "3");
         f.Type(ids::kP2, "2.5");
         f.Type(ids::kTemperature, "70");
         f.Type(ids::kDrop, "0.3");
         f.Type(ids::kFlow, "3");
         f.SelectUnit(ids::kFlowUnit, 0);
       }},
      {"three-way threaded valve for mixing",
       [](BundledForm& f) {
         f.Choose(ids::kThreaded, {ids::kFlanged, ids::kThreaded});
         f.Choose(ids::kThreeWay, {ids::kTwoWay, ids::kThreeWay});
         f.Choose(ids::kMixing, {ids::kMixing, ids::kDiverting});
       }},
      {"pressure-balanced valve for 30 m³/h",
       [](BundledForm& f) {
         f.InBar();
         f.Check(ids::kBalanced);
         f.Type(ids::kP1, "6");
         f.Type(ids::kP2, "4");
         f.Type(ids::kTemperature, "90");
         f.Type(ids::kDrop, "1");
         f.Type(ids::kFlow, "30");
         f.SelectUnit(ids::kFlowUnit, 0);
       }},
      {"differential-pressure regulator set to 0.5 bar",
       [](BundledForm& f) {
         f.InBar();
         f.ChooseProduct(ids::kDpRegulator);
         f.Type(ids::kP1, "6");
         f.Type(ids::kP2, "4");
         f.Type(ids::kTemperature, "70");
         f.Type(ids::kDrop, "0.5");
         f.Type(ids::kSetting, "0.5");
         f.Type(ids::kFlow, "2");
         f.SelectUnit(ids::kFlowUnit, 0);
       },
       ProductKind::DpRegulator},
      {"reducing valve for water, 10 bar down to 4 bar",
       [](BundledForm& f) {
         f.InBar();
         f.ChooseProduct(ids::kReducingValve);
         f.Type(ids::kP1, "10");
         f.Type(ids::kP2, "4");
         f.Type(ids::kTemperature, "70");
         f.Type(ids::kDrop, "6");
         f.Type(ids::kSetting, "4");
         f.Type(ids::kFlow, "3");
         f.SelectUnit(ids::kFlowUnit, 0);
       },
       ProductKind::ReducingValve},
      {"reducing valve for steam, 8 bar down to 3 bar",
       [](BundledForm& f) {
         f.InBar();
         f.ChooseProduct(ids::kReducingValve);
         f.ChooseMedium(ids::kSteam);
         f.Type(ids::kP1, "8");
         f.Type(ids::kP2, "3");
         f.Type(ids::kTemperature, "175");
         f.Type(ids::kDrop, "0.3");
         f.Type(ids::kSetting, "3");
         f.Type(ids::kFlow, "300");
       },
       ProductKind::ReducingValve},
  };
  for (const RequestCase& c : cases) {
    BundledForm form;
    c.setUp(form);
    SelectionForm selection = form.Form();
    EXPECT_EQ(RunSelection(selection), Found) << c.name;
    EXPECT_TRUE(form.controls.Messages().isEmpty())
        << c.name << ": " << form.controls.Messages().join(" | ").toStdString();
    const SelectionResult& result = *form.result;
    switch (c.product) {
      case ProductKind::ControlValve:
        ASSERT_GT(result.valveCandidateCount, 0) << c.name;
        EXPECT_GT(ActuatorsOf(result.valveCandidates[0], c.actuator), 0) << c.name;
        break;
      case ProductKind::DpRegulator:
        EXPECT_GT(result.dpRegulatorCandidateCount, 0) << c.name;
        break;
      case ProductKind::ReducingValve:
        EXPECT_GT(result.reducingValveCandidateCount, 0) << c.name;
        break;
    }
  }
}

TEST(BundledCatalogue, LinksAndDocumentsResolve) {
  BundledForm form;
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

TEST(BundledCatalogue, EveryCapillaryMetalOffersSeveralLengths) {
  BundledForm form;
  const Catalogue& c = *form.catalogue;
  for (int material : {kCopper, kCopperPvc, kStainless}) {
    std::set<float> lengths;
    for (int i = 0; i < c.capillaries.count; ++i) {
      if (c.capillaries[i].material == material) lengths.insert(c.capillaries[i].length);
    }
    EXPECT_GE(lengths.size(), 2u) << "material " << material;
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
