#include "vehicle/car_allowance.h"

#include <cmath>

#include "common/money.h"
#include "vehicle/vehicle_cost_scale.h"

namespace quorin {

namespace {

// Truncation to the given decimals, towards minus infinity.
double truncateTo(double v, double scale) { return std::floor(v * scale) / scale; }

// The deemed private km of the days, truncated to cents of a km.
double deemedPrivate(int days, int yearDays) { return truncateTo(18000.0 * days / yearDays, 100); }

double limitedByAllowance(double claim, double allowance) {
  return allowance != 0 && claim > allowance ? allowance : claim;
}

}  // namespace

DistanceSplit SplitDistance(double closeKm, double openKm, double logBookKm, int days, int yearDays) {
  DistanceSplit s;
  const double total = closeKm - openKm;
  s.total = total;
  const auto deemedSplit = [&s, total, days, yearDays] {
    s.priv = deemedPrivate(days, yearDays);
    if (s.priv > total) {
      s.business = 0;
      s.priv = total;
    } else {
      s.business = total - s.priv;
    }
  };
  if (total > 32000) {
    s.business = 14000.0 * days / yearDays;
    s.priv = truncateTo(total - s.business, 100);
  } else {
    deemedSplit();
  }
  if (total < 18000) {
    s.business = 0;
    s.priv = total;
  }
  if (days < yearDays && total < 32001) {
    const double limit = 32000.0 * days / yearDays;
    if (total > limit) {
      s.business = truncateTo(limit - 18000.0 * days / yearDays, 100);
      s.priv = total - s.business;
    } else {
      deemedSplit();
    }
  }
  if (logBookKm > 0) {
    s.business = logBookKm;
    if (total > 0 && logBookKm > total) {
      s.business = total;
      s.logBookCut = true;
    }
    s.priv = total - s.business;
  }
  return s;
}

DeemedCostClaim CalcDeemedCostClaim(const TravelAllowanceInput& in, const tax::TaxYear& year) {
  DeemedCostClaim r;
  const int days = in.days();
  const int yearDays = year.days();
  r.split = SplitDistance(in.closeKm, in.openKm, in.logBookKm, days, yearDays);
  const VehicleCostBand& band = LookupVehicleCostScale(in.value, year);
  r.band = band.band;
  r.fixedCost = band.fixedCost;
  double fixed = r.split.total >= 1 ? band.fixedCost / r.split.total : 0;
  if (days > 0 && days < yearDays) fixed *= static_cast<double>(days) / yearDays;
  r.fixedPerKm = truncateTo(fixed, 1000000) * 100;
  r.fuelPerKm = in.includeFuel ? band.fuel * 100 : 0;
  r.maintenancePerKm = in.includeMaintenance ? band.maintenance * 100 : 0;
  r.totalPerKm = r.fixedPerKm + r.fuelPerKm + r.maintenancePerKm;
  r.claim = limitedByAllowance(r.split.business * r.totalPerKm / 100, in.allowance);
  r.totalPerKmShown = roundHalfEven(r.totalPerKm * 10) / 10;
  return r;
}

ActualCostClaim CalcActualCostClaim(const TravelAllowanceInput& in, const tax::TaxYear& year) {
  ActualCostClaim r;
  const int days = in.days();
  const int yearDays = year.days();
  r.totalCosts = in.fuel + in.maintenance + in.insurance + in.other + in.wearAndTear + in.lease;
  r.split = SplitDistance(in.closeKm, in.openKm, in.logBookKm, days, yearDays);
  if (in.closeKm == 0 && in.openKm == 0 && in.logBookKm == 0) {
    // No distances: the private use is a share of the value of the car.
    double priv = in.value * 0.025 * 12 * days / yearDays;
    if (in.value > 0) {
      if (in.includeFuel) priv -= in.value * 0.0022 * days / yearDays * 12;
      if (in.includeMaintenance) priv -= in.value * 0.0018 * days / yearDays * 12;
    }
    // Shown as at most the costs, so that costs - private use = claim.
    r.privateUse = priv > r.totalCosts ? r.totalCosts : priv;
    r.claim = std::max(0.0, r.totalCosts - priv);
    r.claim = limitedByAllowance(r.claim, in.allowance);
    return r;
  }
  r.claim = in.closeKm - in.openKm > 1 ? r.totalCosts * r.split.business / r.split.total : 0;
  r.privateUse = r.totalCosts - r.claim;
  r.claim = limitedByAllowance(r.claim, in.allowance);
  return r;
}

const DistanceSplit& CarAllowanceResult::split() const { return method == 1 ? actual.split : deemed.split; }
double CarAllowanceResult::claim() const { return method == 1 ? actual.claim : deemed.claim; }

CarAllowanceResult CarAllowanceCalc(const TravelAllowanceInput& in, const tax::TaxYear& year, Working* working) {
  (void)working;
  CarAllowanceResult r;
  r.days = in.days();
  r.method = in.RecordsKept == 1 ? 1 : 0;
  const bool noDeemedClaim = in.value == 0 || r.days == 0 || in.logBookKm == 0;
  if (!noDeemedClaim && r.method == 0) r.deemed = CalcDeemedCostClaim(in, year);
  if (r.method == 1) r.actual = CalcActualCostClaim(in, year);
  return r;
}

}  // namespace quorin
