// The vehicle cost scale of the 2026 tax year: eight bands by the value of
// the vehicle (rand, VAT included), each with a fixed cost a year and fuel
// and maintenance costs a kilometre. The travel allowance claim uses all
// three; the company car uses the fuel rate.
#pragma once

#include <array>

namespace quorin {

struct VehicleCostBand {
  int band;            // 1..8
  double upTo;         // highest value of the band; the last band has none
  double fixedCost;    // rand a year
  double fuel;         // rand a km
  double maintenance;  // rand a km
};

inline constexpr std::array<VehicleCostBand, 8> VehicleCostScale = {{
    {1, 100000, 33940, 1.467, 0.474},
    {2, 200000, 60688, 1.638, 0.593},
    {3, 300000, 87497, 1.779, 0.654},
    {4, 400000, 111273, 1.914, 0.714},
    {5, 500000, 135048, 2.048, 0.839},
    {6, 600000, 159934, 2.349, 0.985},
    {7, 700000, 184867, 2.389, 1.105},
    {8, 0, 211121, 2.429, 1.225},
}};

// The band of a value: a value equal to a band's upper bound belongs to
// that band; 0 and negative values fall in band 1, everything above
// 700 000 in band 8.
const VehicleCostBand& LookupVehicleCostScale(double value);

}  // namespace quorin
