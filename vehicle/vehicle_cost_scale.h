// The vehicle cost scale of a year of assessment (tax/tax_year.h): bands by
// the value of the vehicle (rand, VAT included), each with a fixed cost a
// year and fuel and maintenance costs a kilometre. The travel allowance
// claim uses all three; the company car uses the fuel rate.
#pragma once

#include "tax/tax_year.h"

namespace quorin {

using tax::VehicleCostBand;

// The band of a value: a value equal to a band's upper bound belongs to
// that band; 0 and negative values fall in band 1, everything above the
// last bound in the last band (2026: above 700 000, band 8).
const VehicleCostBand& LookupVehicleCostScale(double value, const tax::TaxYear& year);

}  // namespace quorin
