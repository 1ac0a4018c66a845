#include "engine/water_if97.h"

#include <cmath>

namespace selvio::if97 {
namespace {

// R·T/p in m³/kg for p in MPa and R in kJ/(kg·K): kJ/MPa = 10⁻³ m³.
double VolumeScale(double p, double t) { return kGasConstant * t / p * 1e-3; }

// R·T in m²/s² for R in kJ/(kg·K).
double SoundScale(double t) { return kGasConstant * 1e3 * t; }

struct Term {
  int i;
  int j;
  double n;
};

// The derivatives of a dimensionless Gibbs free energy γ(π, τ) that the properties need.
struct GibbsDerivatives {
  double pi = 0;      // γπ
  double tau = 0;     // γτ
  double piPi = 0;    // γππ
  double tauTau = 0;  // γττ
  double piTau = 0;   // γπτ
};

// Table 2: coefficients and exponents of eq. (7), region 1.
constexpr Term kRegion1[34] = {
    {0, -2, 0.14632971213167},        {0, -1, -0.84548187169114},
    {0, 0, -0.37563603672040e1},      {0, 1, 0.33855169168385e1},
    {0, 2, -0.95791963387872},        {0, 3, 0.15772038513228},
    {0, 4, -0.16616417199501e-1},     {0, 5, 0.81214629983568e-3},
    {1, -9, 0.28319080123804e-3},     {1, -7, -0.60706301565874e-3},
    {1, -1, -0.18990068218419e-1},    {1, 0, -0.32529748770505e-1},
    {1, 1, -0.21841717175414e-1},     {1, 3, -0.52838357969930e-4},
    {2, -3, -0.47184321073267e-3},    {2, 0, -0.30001780793026e-3},
    {2, 1, 0.47661393906987e-4},      {2, 3, -0.44141845330846e-5},
    {2, 17, -0.72694996297594e-15},   {3, -4, -0.31679644845054e-4},
    {3, 0, -0.28270797985312e-5},     {3, 6, -0.85205128120103e-9},
    {4, -5, -0.22425281908000e-5},    {4, -2, -0.65171222895601e-6},
    {4, 10, -0.14341729937924e-12},   {5, -8, -0.40516996860117e-6},
    {8, -11, -0.12734301741641e-8},   {8, -6, -0.17424871230634e-9},
    {21, -29, -0.68762131295531e-18}, {23, -31, 0.14478307828521e-19},
    {29, -38, 0.26335781662795e-22},  {30, -39, -0.11947622640071e-22},
    {31, -40, 0.18228094581404e-23},  {32, -41, -0.93537087292458e-25},
};

// Table 10: exponents and coefficients of the ideal-gas part eq. (16), region 2.
constexpr Term kRegion2Ideal[9] = {
    {0, 0, -0.96927686500217e1},  {0, 1, 0.10086655968018e2}, {0, -5, -0.56087911283020e-2},
    {0, -4, 0.71452738081455e-1}, {0, -3, -0.40710498223928}, {0, -2, 0.14240819171444e1},
    {0, -1, -0.43839511319450e1}, {0, 2, -0.28408632460772},  {0, 3, 0.21268463753307e-1},
};

// Table 11: coefficients and exponents of the residual part eq. (17), region 2.
constexpr Term kRegion2Residual[43] = {
    {1, 0, -0.17731742473213e-2},   {1, 1, -0.17834862292358e-1},
    {1, 2, -0.45996013696365e-1},   {1, 3, -0.57581259083432e-1},
    {1, 6, -0.50325278727930e-1},   {2, 1, -0.33032641670203e-4},
    {2, 2, -0.18948987516315e-3},   {2, 4, -0.39392777243355e-2},
    {2, 7, -0.43797295650573e-1},   {2, 36, -0.26674547914087e-4},
    {3, 0, 0.20481737692309e-7},    {3, 1, 0.43870667284435e-6},
    {3, 3, -0.32277677238570e-4},   {3, 6, -0.15033924542148e-2},
    {3, 35, -0.40668253562649e-1},  {4, 1, -0.78847309559367e-9},
    {4, 2, 0.12790717852285e-7},    {4, 3, 0.48225372718507e-6},
    {5, 7, 0.22922076337661e-5},    {6, 3, -0.16714766451061e-10},
    {6, 16, -0.21171472321355e-2},  {6, 35, -0.23895741934104e2},
    {7, 0, -0.59059564324270e-17},  {7, 11, -0.12621808899101e-5},
    {7, 25, -0.38946842435739e-1},  {8, 8, 0.11256211360459e-10},
    {8, 36, -0.82311340897998e1},   {9, 13, 0.19809712802088e-7},
    {10, 4, 0.10406965210174e-18},  {10, 10, -0.10234747095929e-12},
    {10, 14, -0.10018179379511e-8}, {16, 29, -0.80882908646985e-10},
    {16, 50, 0.10693031879409},     {18, 57, -0.33662250574171},
    {20, 20, 0.89185845355421e-24}, {20, 35, 0.30629316876232e-12},
    {20, 48, -0.42002467698208e-5}, {21, 21, -0.59056029685639e-25},
    {22, 53, 0.37826947613457e-5},  {23, 39, -0.12768608934681e-14},
    {24, 26, 0.73087610595061e-28}, {24, 40, 0.55414715350778e-16},
    {24, 58, -0.94369707241210e-6},
};

// Table 34: coefficients n₁ … n₁₀ of the saturation equations (29)–(31); n[0] is unused.
constexpr double kSaturation[11] = {
    0,
    0.11670521452767e4,
    -0.72421316703206e6,
    -0.17073846940092e2,
    0.12020824702470e5,
    -0.32325550322333e7,
    0.14915108613530e2,
    -0.48232657361591e4,
    0.40511340542057e6,
    -0.23855557567849,
    0.65017534844798e3,
};

double Power(double base, int exponent) { return std::pow(base, exponent); }

// Table 4: derivatives of eq. (7), π = p / 16.53 MPa, τ = 1386 K / T.
GibbsDerivatives Region1Derivatives(double pi, double tau) {
  const double a = 7.1 - pi;
  const double b = tau - 1.222;
  GibbsDerivatives d;
  for (const Term& t : kRegion1) {
    d.pi += -t.n * t.i * Power(a, t.i - 1) * Power(b, t.j);
    d.tau += t.n * Power(a, t.i) * t.j * Power(b, t.j - 1);
    d.piPi += t.n * t.i * (t.i - 1) * Power(a, t.i - 2) * Power(b, t.j);
    d.tauTau += t.n * Power(a, t.i) * t.j * (t.j - 1) * Power(b, t.j - 2);
    d.piTau += -t.n * t.i * Power(a, t.i - 1) * t.j * Power(b, t.j - 1);
  }
  return d;
}

// Table 13: the τ derivative of the ideal-gas part eq. (16), γ°τ = Σ n°ᵢJ°ᵢτ^(J°ᵢ−1).
double Region2IdealTau(double tau) {
  double sum = 0;
  for (const Term& t : kRegion2Ideal) sum += t.n * t.j * Power(tau, t.j - 1);
  return sum;
}

// Table 13: the second τ derivative of the ideal-gas part eq. (16), γ°ττ = Σ n°ᵢJ°ᵢ(J°ᵢ −
// 1)τ^(J°ᵢ−2); its π derivative is γ°π = 1/π and γ°πτ = 0.
double Region2IdealTauTau(double tau) {
  double sum = 0;
  for (const Term& t : kRegion2Ideal) sum += t.n * t.j * (t.j - 1) * Power(tau, t.j - 2);
  return sum;
}

// Table 14: derivatives of the residual part eq. (17), π = p / 1 MPa, τ = 540 K / T.
GibbsDerivatives Region2ResidualDerivatives(double pi, double tau) {
  const double b = tau - 0.5;
  GibbsDerivatives d;
  for (const Term& t : kRegion2Residual) {
    d.pi += t.n * t.i * Power(pi, t.i - 1) * Power(b, t.j);
    d.tau += t.n * Power(pi, t.i) * t.j * Power(b, t.j - 1);
    d.piPi += t.n * t.i * (t.i - 1) * Power(pi, t.i - 2) * Power(b, t.j);
    d.tauTau += t.n * Power(pi, t.i) * t.j * (t.j - 1) * Power(b, t.j - 2);
    d.piTau += t.n * t.i * Power(pi, t.i - 1) * t.j * Power(b, t.j - 1);
  }
  return d;
}

constexpr double kRegion1Pressure = 16.53;      // MPa, p* of eq. (7)
constexpr double kRegion1Temperature = 1386.0;  // K, T* of eq. (7)
constexpr double kRegion2Temperature = 540.0;   // K, T* of eq. (15); p* = 1 MPa

}  // namespace

double Region1SpecificVolume(double p, double t) {
  const double pi = p / kRegion1Pressure;
  const GibbsDerivatives d = Region1Derivatives(pi, kRegion1Temperature / t);
  return VolumeScale(p, t) * pi * d.pi;
}

double Region1SpecificEnthalpy(double p, double t) {
  const double tau = kRegion1Temperature / t;
  const GibbsDerivatives d = Region1Derivatives(p / kRegion1Pressure, tau);
  return kGasConstant * t * tau * d.tau;
}

double Region1SpeedOfSound(double p, double t) {
  const double tau = kRegion1Temperature / t;
  const GibbsDerivatives d = Region1Derivatives(p / kRegion1Pressure, tau);
  const double c = d.pi - tau * d.piTau;
  return std::sqrt(SoundScale(t) * d.pi * d.pi / (c * c / (tau * tau * d.tauTau) - d.piPi));
}

double Region2SpecificVolume(double p, double t) {
  const double pi = p;
  const GibbsDerivatives r = Region2ResidualDerivatives(pi, kRegion2Temperature / t);
  return VolumeScale(p, t) * pi * (1.0 / pi + r.pi);
}

double Region2SpeedOfSound(double p, double t) {
  const double pi = p;
  const double tau = kRegion2Temperature / t;
  const GibbsDerivatives r = Region2ResidualDerivatives(pi, tau);
  const double numerator = 1 + 2 * pi * r.pi + pi * pi * r.pi * r.pi;
  const double c = 1 + pi * r.pi - tau * pi * r.piTau;
  const double denominator =
      (1 - pi * pi * r.piPi) + c * c / (tau * tau * (Region2IdealTauTau(tau) + r.tauTau));
  return std::sqrt(SoundScale(t) * numerator / denominator);
}

double Region2SpecificEnthalpy(double p, double t) {
  const double tau = kRegion2Temperature / t;
  const GibbsDerivatives r = Region2ResidualDerivatives(p, tau);
  return kGasConstant * t * tau * (Region2IdealTau(tau) + r.tau);
}

double Region2SpecificIsobaricHeatCapacity(double p, double t) {
  const double tau = kRegion2Temperature / t;
  const GibbsDerivatives r = Region2ResidualDerivatives(p, tau);
  return -kGasConstant * tau * tau * (Region2IdealTauTau(tau) + r.tauTau);
}

double Region2Temperature(double p, double h) {
  // h rises with T (cp > 0), so the root stays bracketed; a Newton step that leaves the bracket
  // is replaced by bisection.
  double low =
      p <= kRegion2MaxSaturationPressure ? SaturationTemperature(p) : kRegion1MaxTemperature;
  double high = kRegion2MaxTemperature;
  if (h <= Region2SpecificEnthalpy(p, low)) return low;
  if (h >= Region2SpecificEnthalpy(p, high)) return high;
  double t = (low + high) / 2;
  for (int i = 0; i < 100; ++i) {
    const double excess = Region2SpecificEnthalpy(p, t) - h;
    if (excess > 0) {
      high = t;
    } else {
      low = t;
    }
    double next = t - excess / Region2SpecificIsobaricHeatCapacity(p, t);
    if (!(next > low && next < high)) next = (low + high) / 2;
    if (std::abs(next - t) < 1e-10) return next;
    t = next;
  }
  return t;
}

double SaturationPressure(double t) {
  const double* n = kSaturation;
  const double theta = t + n[9] / (t - n[10]);
  const double a = theta * theta + n[1] * theta + n[2];
  const double b = n[3] * theta * theta + n[4] * theta + n[5];
  const double c = n[6] * theta * theta + n[7] * theta + n[8];
  return std::pow(2 * c / (-b + std::sqrt(b * b - 4 * a * c)), 4);
}

double SaturationTemperature(double p) {
  const double* n = kSaturation;
  const double beta = std::pow(p, 0.25);
  const double e = beta * beta + n[3] * beta + n[6];
  const double f = n[1] * beta * beta + n[4] * beta + n[7];
  const double g = n[2] * beta * beta + n[5] * beta + n[8];
  const double d = 2 * g / (-f - std::sqrt(f * f - 4 * e * g));
  return (n[10] + d - std::sqrt((n[10] + d) * (n[10] + d) - 4 * (n[9] + n[10] * d))) / 2;
}

}  // namespace selvio::if97
