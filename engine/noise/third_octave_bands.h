#pragma once

#include <array>
#include <cstddef>
#include <span>

// The one-third-octave bands over which IEC 60534-8-3:2010 (Table 5) spreads a valve's noise, from
// 12,5 Hz to 20 kHz, with the A-weighting of each band; the hydrodynamic method of IEC 60534-8-4
// (2015) sums the same bands up to 10 kHz.
namespace selvio::noise {

inline constexpr std::size_t kBandCount = 33;
// The bands of the hydrodynamic method, the first ones of the table, up to 10 kHz.
inline constexpr std::size_t kLiquidBandCount = 30;

// A level in each band, dB.
using BandLevels = std::array<double, kBandCount>;
using LiquidBandLevels = std::array<double, kLiquidBandCount>;

// Nominal band centre frequencies fi, Hz.
inline constexpr std::array<double, kBandCount> kBandCentres = {
    12.5, 16,   20,   25,   31.5, 40,   50,   63,    80,    100,   125,
    160,  200,  250,  315,  400,  500,  630,  800,   1000,  1250,  1600,
    2000, 2500, 3150, 4000, 5000, 6300, 8000, 10000, 12500, 16000, 20000};
static_assert(kBandCentres[kLiquidBandCount - 1] == 10000);

// A-weighting ΔLA(fi) of each band, dB (IEC 60534-8-3:2010 Table 5, the values of IEC 61672-1).
inline constexpr std::array<double, kBandCount> kAWeighting = {
    -63.4, -56.7, -50.5, -44.7, -39.4, -34.6, -30.2, -26.2, -22.5, -19.1, -16.1,
    -13.4, -10.9, -8.6,  -6.6,  -4.8,  -3.2,  -1.9,  -0.8,  0.0,   0.6,   1.0,
    1.2,   1.3,   1.2,   1.0,   0.5,   -0.1,  -1.1,  -2.5,  -4.3,  -6.6,  -9.3};

// The energy sum of two levels, 10·lg(10^(L1/10) + 10^(L2/10)), dB.
double AddLevels(double first, double second);

// The A-weighted level of a band spectrum over the first levels.size() bands,
// 10·lg Σ 10^((L(fi) + ΔLA(fi))/10), dB(A) (IEC 60534-8-3:2010 eq. (25)).
double AWeightedLevel(std::span<const double> levels);

}  // namespace selvio::noise
