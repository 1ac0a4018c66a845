#pragma once

#include "catalogue/catalogue_records.h"
#include "engine/selection_request.h"

namespace selvio::bench {

// A request for a flanged two-way valve for water: P1 6 bar, P2 3 bar, 90 °C, ΔP 0.25 bar,
// G 10 m³/h (Kv 20), no safety factor.
inline SelectionRequest WaterRequest() {
  SelectionRequest request;
  request.product = ProductKind::ControlValve;
  request.medium = Medium::Water;
  request.connection = ConnectionKind::Flanged;
  request.valveKind = ValveKind::TwoWay;
  request.p1 = 6;
  request.p2 = 3;
  request.temperature = 90;
  request.drop = 0.25f;
  request.flow = 10;
  return request;
}

}  // namespace selvio::bench
