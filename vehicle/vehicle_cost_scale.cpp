#include "vehicle/vehicle_cost_scale.h"

namespace quorin {

const VehicleCostBand& LookupVehicleCostScale(double value) {
  for (std::size_t i = 0; i + 1 < VehicleCostScale.size(); ++i)
    if (value <= VehicleCostScale[i].upTo) return VehicleCostScale[i];
  return VehicleCostScale.back();
}

}  // namespace quorin
