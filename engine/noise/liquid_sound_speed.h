#pragma once

// The speed of sound in the liquid, which the hydrodynamic noise method needs. Water's follows
// IAPWS-IF97 region 1; a water–glycol solution is taken with water's at the same pressure and
// temperature (the caller says so), which is within a few per cent for heating glycol mixtures
// and enters the level only as 10·lg of itself through the internal level and the efficiency.
namespace selvio::noise {

// Speed of sound in liquid water at pressure p (Pa absolute) and temperature T (K), m/s.
double WaterSoundSpeed(double pressure, double temperature);

}  // namespace selvio::noise
