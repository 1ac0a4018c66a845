#pragma once

#include "catalogue/catalogue_records.h"

namespace selvio {

// Whether a valve may work at P1, P2 (bar) and T (°C): the higher of P1 and P2 must not exceed
// the permitted pressure interpolated in the rating table at T; a table with fewer than two
// pairs gives way to the nominal maximum pressure and temperature. A pair encloses T with both
// ends included; of several enclosing pairs the last one counts.
bool RatingAllows(const ValveRecord& valve, float p1, float p2, float temperature);

// As RatingAllows, but a pair encloses T only strictly between its temperatures.
bool RegulatorRatingAllows(const RegulatorRecord& regulator, float p1, float p2, float temperature);

// The series of nominal diameters, mm (it goes from 150 straight to 250).
inline constexpr float kDnSeries[24] = {4,   6,   9,   12,  15,  20,  25,  32,  40,  50,  65,  80,
                                        100, 125, 150, 250, 300, 350, 400, 450, 500, 600, 700, 800};

// Whether diameter b lies within one step of the series around diameter a. Above the series'
// end a missing upper neighbour sets no upper limit, and a diameter above 800 is near only to
// diameters above 800.
bool IsNearDn(float a, float b);

}  // namespace selvio
