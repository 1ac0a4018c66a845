#pragma once

namespace selvio {

// Water flow, m³/h, that carries the heat load `heatLoadKw` (kW) across the schedule
// temperatures `supplyC` and `returnC` (°C):
//   G = Q·0.86 / |t1 − t2|
// 0.86 m³/h of water carries 1 kW per kelvin (1 kW = 860 kcal/h, 1 kcal/(kg·K), 1000 kg/m³).
// |t1 − t2| and G are single precision; equal temperatures give no finite flow.
float WaterFlowFromHeatLoad(float heatLoadKw, float supplyC, float returnC);

}  // namespace selvio
