#include "engine/iec_piping.h"

#include <gtest/gtest.h>

#include <cmath>

namespace selvio::iec {
namespace {

constexpr double kWaterCritical = 220.64;  // bar

// The reducers of a DN 50 valve in a DN 80 pipe by hand: (d/D)² = (50/80)² = 0.390625,
// ζ1 = 0.5·0.609375² = 0.185669, ζ2 = 0.371338, ζB1 = ζB2 = 1 − 0.390625² = 0.847412, so
// Σζ = ζ1 + ζ2 = 0.557007 and ζ1 + ζB1 = 1.033081.
TEST(ReducerLossesTest, Dn50ValveInDn80Pipe) {
  const ReducerLosses z = LossesOf({50, 80, 80});
  EXPECT_NEAR(z.zeta1, 0.185669, 1e-6);
  EXPECT_NEAR(z.zeta2, 0.371338, 1e-6);
  EXPECT_NEAR(z.zetaB1, 0.847412, 1e-6);
  EXPECT_NEAR(z.zetaB2, 0.847412, 1e-6);
  EXPECT_NEAR(z.Sum(), 0.557007, 1e-6);
  EXPECT_NEAR(z.Inlet(), 1.033081, 1e-6);
}

// A pipe of the valve's own size has no reducer: FP = 1, FLP = FL, xTP = xT, and the sizing is
// the one without fittings.
TEST(PipingFactorsTest, NoReducersInAPipeOfTheValvesSize) {
  const PipingFactors f = PipingFactorsAt({50, 50, 50}, 40, 0.9, 0.72);
  EXPECT_DOUBLE_EQ(f.fp, 1);
  EXPECT_DOUBLE_EQ(f.flp, 0.9);
  EXPECT_DOUBLE_EQ(f.xtp, 0.72);
  const LiquidPipeSizing s =
      SizeLiquidInPipe(40, 965.6, 7.01325, 0.5, 0.7018, kWaterCritical, 0.9, {50, 50, 50});
  EXPECT_EQ(s.iterations, 0);
  EXPECT_TRUE(s.converged);
  EXPECT_DOUBLE_EQ(s.kv, SizeLiquid(40, 965.6, 7.01325, 0.5, 0.7018, kWaterCritical, 0.9).kv);
}

// Water at 90 °C (965.6 kg/m³, Pv 0.7018 bar), 40 m³/h across 0.5 bar at P1 7.013 bar, a
// single-seat globe valve DN 50 (FL 0.9) between reducers in a DN 80 pipe, by hand:
//   without fittings Kv0 = 40·√((965.6/999.10)/0.5) = 55.612;
//   pass 1: C/d² = 55.612/2500 = 0.022245, FP = 1/√(1 + 0.557007/0.0016·0.022245²) = 0.92361,
//           Kv = 55.612/0.92361 = 60.212;
//   pass 2: FP(60.212) = 0.91213, Kv = 60.969;  pass 3: FP = 0.91020, Kv = 61.099;
//   pass 4: FP = 0.90987, Kv = 61.121, 0.04 % from pass 3: done.
// Kv = Kv0/FP(Kv) has the root Kv = Kv0/√(1 − Σζ/N2·Kv0²/d⁴) = 61.126, which the passes reach
// within 0.1 %. Not choked: (FLP/FP)²·(P1 − FF·Pv) = (0.7856/0.9099)²·6.351 = 4.73 bar > 0.5.
TEST(LiquidPipeSizingTest, Dn50ValveInDn80PipeByHand) {
  const Reducers reducers{50, 80, 80};
  const PipingFactors first = PipingFactorsAt(reducers, 55.612, 0.9, 0.72);
  EXPECT_NEAR(first.fp, 0.92361, 5e-6);

  const LiquidPipeSizing s =
      SizeLiquidInPipe(40, 965.6, 7.01325, 0.5, 0.7018, kWaterCritical, 0.9, reducers);
  EXPECT_TRUE(s.converged);
  EXPECT_EQ(s.iterations, 4);
  EXPECT_FALSE(s.choked);
  EXPECT_NEAR(s.kv, 61.121, 0.0005);
  EXPECT_NEAR(s.kv / 61.126, 1, kPipingTolerance);
  EXPECT_NEAR(s.factors.fp, 0.90987, 5e-6);
  EXPECT_NEAR(s.factors.flp, 0.7856, 5e-5);
  EXPECT_NEAR(s.chokedDrop, 4.73, 0.005);
}

// FLP by hand at C = 61.126 for the DN 50 valve in DN 80 pipe:
// 0.9/√(1 + 0.81·1.033081/0.0016·(61.126/2500)²) = 0.9/√1.312625 = 0.78554.
TEST(PipingFactorsTest, CombinedRecoveryFactorByHand) {
  EXPECT_NEAR(CombinedRecoveryFactor(0.9, 1.033081, 61.126, 50), 0.78554, 5e-5);
}

// Choked with fittings: the segmented ball valve of worked example 2 (FL 0.60, water at 90 °C,
// P1 6.8, ΔP 4.6 bar, Pv 0.701 bar, 360 m³/h) as a DN 150 valve in a DN 200 pipe. Without
// fittings ΔPmax = 0.36·(6.8 − 0.944·0.701) = 2.21 bar and Kv = 238.06; the reducers lower FLP,
// so the flow stays choked and Kv = Q/FLP·√((ρ/ρ0)/(P1 − FF·Pv)) rises.
TEST(LiquidPipeSizingTest, ChokedFlowTakesTheCombinedRecoveryFactor) {
  const LiquidPipeSizing s =
      SizeLiquidInPipe(360, 965.4, 6.8, 4.6, 0.701, 221.2, 0.60, {150, 200, 200});
  ASSERT_TRUE(s.converged);
  EXPECT_TRUE(s.choked);
  EXPECT_LT(s.factors.flp, 0.60);
  const double limit = 6.8 - s.ff * 0.701;
  EXPECT_NEAR(s.kv, 360 / s.factors.flp * std::sqrt(965.4 / kReferenceDensity / limit),
              kPipingTolerance * s.kv);
  EXPECT_GT(s.kv, 238.06);
}

// 50 m³/h across 0.1 bar needs Kv0 = 158 from a DN 15 valve in a DN 100 pipe: the reducers alone
// would need more than the drop (Σζ/N2·Kv0²/d⁴ > 1), so no Kv satisfies the sizing.
TEST(LiquidPipeSizingTest, NoSolutionWhenTheReducersTakeTheWholeDrop) {
  const LiquidPipeSizing s =
      SizeLiquidInPipe(50, 999.1, 5, 0.1, 0.0234, kWaterCritical, 0.9, {15, 100, 100});
  EXPECT_FALSE(s.converged);
}

// Worked example 3's carbon dioxide (W = 7461.7 kg/h, P1 6.8 bar, x = 0.544, γ = 1.30,
// ρ1 = 8.4141 kg/m³, xT 0.60, FL 0.85) through its d = 50 mm valve between an 80 mm inlet and a
// 100 mm outlet pipe, by hand:
//   ζ1 = 0.5·(1 − 0.390625)² = 0.185669, ζ2 = (1 − 0.25)² = 0.5625, ζB1 = 0.847412,
//   ζB2 = 0.9375: Σζ = 0.658081, ζ1 + ζB1 = 1.033081;
//   without fittings Kv0 = 62.747 (Y = 0.67446);
//   pass 1: FP = 1/√(1 + 0.658081/0.0016·(62.747/2500)²) = 0.89119,
//           xTP = (0.60/0.89119²)/(1 + 0.60·1.033081/0.0018·(62.747/2500)²) = 0.62079,
//           Y = 1 − 0.5441/(3·0.92857·0.62079) = 0.68536, Kv = 69.288;
//   pass 2: FP 0.87173, xTP 0.62440, Kv 70.647;  pass 3: FP 0.86761, Kv 70.944;
//   pass 4: FP 0.86672, xTP 0.62532, Y 0.68764, Kv 71.009, 0.09 % from pass 3: done.
TEST(CompressiblePipeSizingTest, WorkedExample3WithItsReducersByHand) {
  const double w = 3800 * 44.01 * 101.325 / (8.314 * 273.15);
  const double rho1 = 680 * 44.01 / (0.988 * 8.314 * 433);
  const CompressiblePipeSizing s =
      SizeCompressibleInPipe(w, 6.8, rho1, 370.0 / 680, 1.30, 0.60, 0.85, {50, 80, 100});
  EXPECT_TRUE(s.converged);
  EXPECT_EQ(s.iterations, 4);
  EXPECT_FALSE(s.choked);
  EXPECT_NEAR(s.kv, 71.009, 0.001);
  EXPECT_NEAR(s.factors.fp, 0.86672, 5e-6);
  EXPECT_NEAR(s.factors.xtp, 0.62532, 5e-6);
  EXPECT_NEAR(s.expansion, 0.68764, 5e-6);

  const PipingFactors first = PipingFactorsAt({50, 80, 100}, 62.747, 0.85, 0.60);
  EXPECT_NEAR(first.fp, 0.89119, 5e-6);
  EXPECT_NEAR(first.xtp, 0.62079, 5e-6);
}

// Choked compressible flow with fittings: x is taken at Fγ·xTP.
TEST(CompressiblePipeSizingTest, ChokedAtTheCombinedRatio) {
  const CompressiblePipeSizing s =
      SizeCompressibleInPipe(1000, 5, 3, 0.8, 1.30, 0.72, 0.9, {25, 50, 50});
  ASSERT_TRUE(s.converged);
  EXPECT_TRUE(s.choked);
  EXPECT_DOUBLE_EQ(s.sizingRatio, s.chokedRatio);
  EXPECT_NEAR(s.expansion, 2.0 / 3, 1e-12);
}

// 40 m³/h: 40/3600/(π·0.05²/4) = 5.659 m/s in a DN 50 connection, 2.210 m/s in a DN 80 pipe.
TEST(PipeVelocityTest, ConnectionAndPipe) {
  EXPECT_NEAR(PipeVelocity(40, 50), 5.659, 0.0005);
  EXPECT_NEAR(PipeVelocity(40, 80), 2.210, 0.0005);
}

}  // namespace
}  // namespace selvio::iec
