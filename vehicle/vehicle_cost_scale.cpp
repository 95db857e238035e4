#include "vehicle/vehicle_cost_scale.h"

namespace quorin {

const VehicleCostBand& LookupVehicleCostScale(double value, const tax::TaxYear& year) {
  const auto& scale = year.vehicleCostScale;
  for (std::size_t i = 0; i + 1 < scale.size(); ++i)
    if (value <= scale[i].upTo) return scale[i];
  return scale.back();
}

}  // namespace quorin
