#include "engine/noise/steel_pipes.h"

#include <gtest/gtest.h>

#include "engine/noise/liquid_sound_speed.h"

namespace selvio::noise {
namespace {

// EN 10255 medium series: DN 25 is 33,7 × 3,2 mm (Di 27,3 mm), DN 50 60,3 × 3,6 mm (Di 53,1 mm),
// DN 150 165,1 × 5,0 mm; EN 10220 with the normal wall: DN 300 323,9 × 7,1 mm.
TEST(SteelPipeTest, ListedSizes) {
  struct Row {
    int dn;
    double outside;
    double wall;
    double internal;
  };
  for (const Row row : {Row{25, 33.7, 3.2, 27.3}, Row{50, 60.3, 3.6, 53.1},
                        Row{150, 165.1, 5.0, 155.1}, Row{300, 323.9, 7.1, 309.7}}) {
    SCOPED_TRACE(row.dn);
    const auto pipe = SteelPipeForDn(row.dn);
    ASSERT_TRUE(pipe);
    EXPECT_TRUE(pipe->exact);
    EXPECT_DOUBLE_EQ(pipe->size.outsideDiameter, row.outside);
    EXPECT_DOUBLE_EQ(pipe->size.wallThickness, row.wall);
    EXPECT_NEAR(pipe->size.InternalDiameter(), row.internal, 1e-9);
  }
}

// Every DN of the bundled catalogue (15 … 150) and the usual larger ones are listed, ascending,
// each bore smaller than the next.
TEST(SteelPipeTest, CoversTheCataloguesDiameters) {
  for (const int dn : {15, 20, 25, 32, 40, 50, 65, 80, 100, 125, 150, 200, 250, 300}) {
    const auto pipe = SteelPipeForDn(dn);
    ASSERT_TRUE(pipe) << dn;
    EXPECT_TRUE(pipe->exact) << dn;
  }
  const auto sizes = SteelPipeSizes();
  for (std::size_t i = 1; i < sizes.size(); ++i) {
    EXPECT_LT(sizes[i - 1].dn, sizes[i].dn);
    EXPECT_LT(sizes[i - 1].InternalDiameter(), sizes[i].InternalDiameter());
  }
}

// A DN the table does not list takes the next listed one above it, and says so.
TEST(SteelPipeTest, UnlistedDnTakesTheNextLargerAndSaysSo) {
  const auto dn30 = SteelPipeForDn(30);
  ASSERT_TRUE(dn30);
  EXPECT_FALSE(dn30->exact);
  EXPECT_EQ(dn30->size.dn, 32);
  const auto dn10 = SteelPipeForDn(10);
  ASSERT_TRUE(dn10);
  EXPECT_EQ(dn10->size.dn, 15);
  EXPECT_FALSE(SteelPipeForDn(350));
  EXPECT_FALSE(SteelPipeForDn(0));
}

// The speed of sound in liquid water is IF97 region 1 with the pressure in Pa: the release's
// checkpoint at 300 K and 3 MPa (Table 5 of IAPWS R7-97) is 1507,73921 m/s; at 20 °C and 1 atm
// IAPWS-95 gives 1482,3 m/s, which region 1 meets within its 0,2 %.
TEST(LiquidSoundSpeedTest, WaterFollowsRegion1) {
  EXPECT_NEAR(WaterSoundSpeed(3e6, 300), 1507.73921, 1e-5);
  EXPECT_NEAR(WaterSoundSpeed(101325, 293.15), 1482.3, 0.002 * 1482.3);
}

}  // namespace
}  // namespace selvio::noise
