#include "engine/valve_style_factors.h"

#include <gtest/gtest.h>

#include <string>

namespace selvio {
namespace {

struct ConstructionCase {
  const char* name;
  const char* construction;
  ValveStyle style;
  StyleBasis basis;
};

// The constructions of the bundled catalogue and the other words a catalogue may use.
class StyleOfConstructionTest : public ::testing::TestWithParam<ConstructionCase> {};

TEST_P(StyleOfConstructionTest, Row) {
  const ConstructionCase& c = GetParam();
  const StyleMatch match = StyleOfConstruction(QString::fromUtf8(c.construction));
  EXPECT_EQ(match.style, c.style);
  EXPECT_EQ(match.basis, c.basis);
}

constexpr ValveStyle kGlobe = ValveStyle::GlobeSingleSeatContouredPlugFlowToOpen;

INSTANTIATE_TEST_SUITE_P(
    Texts, StyleOfConstructionTest,
    ::testing::Values(
        ConstructionCase{"cast_iron_globe", "седельный, чугун СЧ20", kGlobe,
                         StyleBasis::Construction},
        ConstructionCase{"three_way_globe", "трехходовой седельный, бронза", kGlobe,
                         StyleBasis::Construction},
        ConstructionCase{"balanced_globe", "седельный разгруженный, ВЧ40", kGlobe,
                         StyleBasis::Construction},
        ConstructionCase{"double_seat", "Двухседельный, сталь",
                         ValveStyle::GlobeDoubleSeatContouredPlug, StyleBasis::Construction},
        ConstructionCase{"full_ball", "Шаровой полнопроходной, латунь", ValveStyle::BallFull,
                         StyleBasis::Construction},
        ConstructionCase{"segmented_ball", "шаровой сегментный", ValveStyle::BallSegmented,
                         StyleBasis::Construction},
        ConstructionCase{"v_port_ball", "шаровой с V-образным вырезом", ValveStyle::BallSegmented,
                         StyleBasis::Construction},
        ConstructionCase{"butterfly", "поворотный затвор", ValveStyle::ButterflySwingThrough70,
                         StyleBasis::Construction},
        ConstructionCase{"eccentric_butterfly", "дисковый затвор с двойным эксцентриситетом",
                         ValveStyle::ButterflyOffsetSeat70, StyleBasis::Construction},
        ConstructionCase{"empty", "", kGlobe, StyleBasis::NotRecognised},
        ConstructionCase{"unknown", "мембранный", kGlobe, StyleBasis::NotRecognised}),
    [](const auto& row) { return std::string(row.param.name); });

// IEC 60534-2-1:2011, Table A.1: the single-seat globe valve with a contoured plug, flow to open,
// FL 0.90, xT 0.72, Fd 0.46; full ball (70°) 0.74, 0.42, 0.99; segmented ball 0.60, 0.30, 0.98;
// butterfly swing-through (70°) 0.62, 0.35, 0.57.
TEST(TypicalFactorsTest, RowsOfTableA1) {
  const TypicalFactors globe = TypicalFactorsOf(kGlobe);
  EXPECT_DOUBLE_EQ(globe.fl, 0.90);
  EXPECT_DOUBLE_EQ(globe.xt, 0.72);
  EXPECT_DOUBLE_EQ(globe.fd, 0.46);
  const TypicalFactors ball = TypicalFactorsOf(ValveStyle::BallFull);
  EXPECT_DOUBLE_EQ(ball.fl, 0.74);
  EXPECT_DOUBLE_EQ(ball.xt, 0.42);
  EXPECT_DOUBLE_EQ(ball.fd, 0.99);
  const TypicalFactors segmented = TypicalFactorsOf(ValveStyle::BallSegmented);
  EXPECT_DOUBLE_EQ(segmented.fl, 0.60);
  EXPECT_DOUBLE_EQ(segmented.xt, 0.30);
  EXPECT_DOUBLE_EQ(segmented.fd, 0.98);
  const TypicalFactors butterfly = TypicalFactorsOf(ValveStyle::ButterflySwingThrough70);
  EXPECT_DOUBLE_EQ(butterfly.fl, 0.62);
  EXPECT_DOUBLE_EQ(butterfly.xt, 0.35);
  EXPECT_DOUBLE_EQ(butterfly.fd, 0.57);
}

// A ball valve whose catalogue gives FL 0.8 and An −4.6: FL from the catalogue, xT and Fd from
// the full-ball row, and the check can say which came from where.
TEST(FactorsOfTest, CatalogueValuesFirstTheRowForTheRest) {
  ValveRecord valve;
  valve.construction = QString::fromUtf8("шаровой, латунь");
  valve.coefficients.fl = 0.8f;
  valve.coefficients.an = -4.6f;
  const ValveFactors f = FactorsOf(valve);
  EXPECT_NEAR(f.fl.value, 0.8, 1e-7);
  EXPECT_EQ(f.fl.source, FactorSource::Catalogue);
  EXPECT_DOUBLE_EQ(f.xt.value, 0.42);
  EXPECT_EQ(f.xt.source, FactorSource::TypicalTable);
  EXPECT_DOUBLE_EQ(f.fd.value, 0.99);
  EXPECT_EQ(f.style.style, ValveStyle::BallFull);
  EXPECT_TRUE(f.AnyTypical());
  ASSERT_TRUE(f.an);
  EXPECT_NEAR(*f.an, -4.6, 1e-6);
}

TEST(FactorsOfTest, AllFromTheCatalogue) {
  ValveRecord valve;
  valve.construction = QString::fromUtf8("седельный");
  valve.coefficients = {0.85f, 0.65f, 0.4f, std::nullopt};
  const ValveFactors f = FactorsOf(valve);
  EXPECT_FALSE(f.AnyTypical());
  EXPECT_FALSE(f.an);
  EXPECT_NEAR(f.xt.value, 0.65, 1e-7);
}

// A value outside (0, 1] (a decimal comma reads "0,85" as 0) is not used: the row's value
// stands, and the check can say the catalogue's was set aside.
TEST(FactorsOfTest, ACatalogueValueOutsideItsRangeIsSetAside) {
  ValveRecord valve;
  valve.coefficients.fl = 0.0f;
  valve.coefficients.xt = 1.5f;
  const ValveFactors f = FactorsOf(valve);
  EXPECT_DOUBLE_EQ(f.fl.value, 0.90);
  EXPECT_EQ(f.fl.source, FactorSource::TypicalTable);
  EXPECT_TRUE(f.fl.catalogueValueRejected);
  EXPECT_DOUBLE_EQ(f.xt.value, 0.72);
  EXPECT_TRUE(f.xt.catalogueValueRejected);
  EXPECT_FALSE(f.fd.catalogueValueRejected);
  EXPECT_EQ(f.style.basis, StyleBasis::NotRecognised);
}

// Regulators name no construction: the single-seat globe row, said to be for a regulator.
TEST(FactorsOfTest, RegulatorsTakeTheGlobeRow) {
  RegulatorRecord regulator;
  regulator.coefficients.fd = 0.5f;
  const ValveFactors f = FactorsOf(regulator);
  EXPECT_EQ(f.style.basis, StyleBasis::Regulator);
  EXPECT_DOUBLE_EQ(f.fl.value, 0.90);
  EXPECT_DOUBLE_EQ(f.xt.value, 0.72);
  EXPECT_NEAR(f.fd.value, 0.5, 1e-7);
  EXPECT_EQ(f.fd.source, FactorSource::Catalogue);
}

}  // namespace
}  // namespace selvio
