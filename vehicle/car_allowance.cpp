#include "vehicle/car_allowance.h"

#include <cmath>

#include "common/money.h"
#include "vehicle/vehicle_cost_scale.h"

namespace quorin {

namespace {

// Truncation to the given decimals, towards minus infinity.
double truncateTo(double v, double scale) { return std::floor(v * scale) / scale; }

// The deemed km a year: private under the deemed split, business above the
// upper limit, and that limit.
constexpr double kPrivateKmAYear = 18000;
constexpr double kBusinessKmAYear = 14000;
constexpr double kLimitKmAYear = 32000;

// The deemed private km of the days, truncated to cents of a km.
double deemedPrivate(int days, int yearDays) { return truncateTo(kPrivateKmAYear * days / yearDays, 100); }

double limitedByAllowance(double claim, double allowance) {
  return allowance != 0 && claim > allowance ? allowance : claim;
}

// The steps are recorded by functions kept out of line and cold, called
// only with a working: the calculations stay as lean as without one.

// The claim step, last of either method: what was worked out, limited by
// the allowance.
[[gnu::cold, gnu::noinline]] void recordClaim(Working* working, double workedOut, double claim, double allowance) {
  working
      ->add("Claim", claim, FigureKind::Money,
            allowance == 0          ? "no allowance entered: no limit"
            : workedOut > allowance ? "more than the allowance: the allowance"
                                    : "within the allowance")
      .in("business use", workedOut)
      .in("allowance", allowance);
}

// How the private use of a car is valued when no distances are entered:
// shares a month of its value.
constexpr double kPrivateUseShare = 0.025;
constexpr double kFuelShare = 0.0022;
constexpr double kMaintenanceShare = 0.0018;

[[gnu::cold, gnu::noinline]] void recordSplit(Working* working, const DistanceSplit& s, double closeKm, double openKm,
                                              double logBookKm, int days, int yearDays, const char* rule) {
  const double total = s.total;
  working->add("Distance travelled", total, FigureKind::Number, "closing km - opening km")
      .in("closing km", closeKm, FigureKind::Number)
      .in("opening km", openKm, FigureKind::Number);
  working->add("Business distance", s.business, FigureKind::Number, rule)
      .in("distance travelled", total, FigureKind::Number)
      .in("log book km", logBookKm, FigureKind::Number)
      .in("days", days, FigureKind::Number)
      .by("year's days", yearDays, FigureKind::Number)
      .by("private a year", kPrivateKmAYear, FigureKind::Number)
      .by("business a year", kBusinessKmAYear, FigureKind::Number)
      .by("limit a year", kLimitKmAYear, FigureKind::Number);
  working->add("Private distance", s.priv, FigureKind::Number, "the rest of the distance travelled, to 0.01 km")
      .in("distance travelled", total, FigureKind::Number)
      .in("business distance", s.business, FigureKind::Number);
}

[[gnu::cold, gnu::noinline]] void recordDeemed(Working* working, const TravelAllowanceInput& in,
                                               const tax::TaxYear& year, const VehicleCostBand& band,
                                               const DeemedCostClaim& r, int days, bool partYear, double use) {
  const auto& scale = year.vehicleCostScale;
  const bool first = &band == scale.data();
  const bool last = &band == &scale.back();
  const double from = first ? 0 : (&band - 1)->upTo + 1;
  working
      ->add("Band of the vehicle cost scale", band.band, FigureKind::Plain,
            first  ? "band {band} of {year}, values up to {to}: {fixed cost} a year, fuel {fuel} and maintenance "
                     "{maintenance} rand a km"
            : last ? "band {band} of {year}, values from {from}: {fixed cost} a year, fuel {fuel} and maintenance "
                     "{maintenance} rand a km"
                   : "band {band} of {year}, values {from} to {to}: {fixed cost} a year, fuel {fuel} and "
                     "maintenance {maintenance} rand a km")
      .in("value", in.value, FigureKind::Rand)
      .by("band", band.band, FigureKind::Plain)
      .by("from", from)
      .by("to", last ? 0 : band.upTo)
      .by("fixed cost", band.fixedCost)
      .by("fuel", band.fuel, FigureKind::Number)
      .by("maintenance", band.maintenance, FigureKind::Number);
  working
      ->add("Fixed cost a km", r.fixedPerKm, FigureKind::Number,
            r.split.total < 1 ? "no distance travelled: 0"
            : partYear ? "{fixed cost} / distance travelled x {days} / {year's days} days, in cents, cut to 0.0001"
                       : "{fixed cost} / distance travelled, in cents, cut to 0.0001")
      .in("distance travelled", r.split.total, FigureKind::Number)
      .in("days", days, FigureKind::Number)
      .by("fixed cost", band.fixedCost)
      .by("year's days", year.days(), FigureKind::Number);
  working
      ->add("Fuel a km", r.fuelPerKm, FigureKind::Number,
            in.includeFuel ? "{fuel} rand a km, in cents" : "fuel costs not included: 0")
      .in("included", in.includeFuel ? 1 : 0, FigureKind::Plain)
      .by("fuel", band.fuel, FigureKind::Number);
  working
      ->add("Maintenance a km", r.maintenancePerKm, FigureKind::Number,
            in.includeMaintenance ? "{maintenance} rand a km, in cents" : "maintenance costs not included: 0")
      .in("included", in.includeMaintenance ? 1 : 0, FigureKind::Plain)
      .by("maintenance", band.maintenance, FigureKind::Number);
  working->add("Rate a km", r.totalPerKm, FigureKind::Number, "fixed cost + fuel + maintenance, cents a km")
      .in("fixed cost", r.fixedPerKm, FigureKind::Number)
      .in("fuel", r.fuelPerKm, FigureKind::Number)
      .in("maintenance", r.maintenancePerKm, FigureKind::Number);
  working->add("Rate a km shown", r.totalPerKmShown, FigureKind::Number, "to one decimal")
      .in("rate a km", r.totalPerKm, FigureKind::Number);
  working->add("Business use", use, FigureKind::Money, "business km x rate a km / 100")
      .in("business distance", r.split.business, FigureKind::Number)
      .in("rate a km", r.totalPerKm, FigureKind::Number);
  recordClaim(working, use, r.claim, in.allowance);
}

[[gnu::cold, gnu::noinline]] void recordCosts(Working* working, const TravelAllowanceInput& in, double totalCosts) {
  working->add("Total costs", totalCosts, FigureKind::Money, "the sum of the costs of the year")
      .in("fuel", in.fuel)
      .in("maintenance", in.maintenance)
      .in("insurance", in.insurance)
      .in("other", in.other)
      .in("wear and tear", in.wearAndTear)
      .in("lease", in.lease);
}

// Without distances: the private use valued by the value of the car.
[[gnu::cold, gnu::noinline]] void recordValuedPrivateUse(Working* working, const TravelAllowanceInput& in,
                                                         const ActualCostClaim& r, int days, int yearDays,
                                                         double priv, double workedOut) {
  const bool less = in.value > 0;
  working
      ->add("Private use", r.privateUse, FigureKind::Money,
            "no distances: value x ({private} % - fuel {fuel} % - maintenance {maintenance} %) x 12 months x "
            "{days} / {year's days} days ({worked out}), at most the costs")
      .in("value", in.value, FigureKind::Rand)
      .in("days", days, FigureKind::Number)
      .in("total costs", r.totalCosts)
      .by("private", kPrivateUseShare * 100, FigureKind::Number)
      .by("fuel", less && in.includeFuel ? kFuelShare * 100 : 0, FigureKind::Number)
      .by("maintenance", less && in.includeMaintenance ? kMaintenanceShare * 100 : 0, FigureKind::Number)
      .by("year's days", yearDays, FigureKind::Number)
      .by("worked out", priv, FigureKind::Money);
  working->add("Business use", workedOut, FigureKind::Money, "total costs - private use worked out, not below 0")
      .in("total costs", r.totalCosts)
      .in("private use worked out", priv);
  recordClaim(working, workedOut, r.claim, in.allowance);
}

// With distances: the costs shared by the business distance.
[[gnu::cold, gnu::noinline]] void recordBusinessShare(Working* working, const TravelAllowanceInput& in,
                                                      const ActualCostClaim& r, double workedOut) {
  working
      ->add("Business use", workedOut, FigureKind::Money,
            in.closeKm - in.openKm > 1 ? "total costs x business distance / distance travelled"
                                       : "1 km or less travelled: 0")
      .in("total costs", r.totalCosts)
      .in("business distance", r.split.business, FigureKind::Number)
      .in("distance travelled", r.split.total, FigureKind::Number);
  working->add("Private use", r.privateUse, FigureKind::Money, "total costs - business use")
      .in("total costs", r.totalCosts)
      .in("business use", workedOut);
  recordClaim(working, workedOut, r.claim, in.allowance);
}

[[gnu::cold, gnu::noinline]] void recordDays(Working* working, const TravelAllowanceInput& in, int days,
                                             const tax::TaxYear& year) {
  working->clear();
  working->taxYear = year.year;
  working->add("Days", days, FigureKind::Number, "end - start + 1, of the {year's days} days of {year}")
      .in("start", in.startDate, FigureKind::Date)
      .in("end", in.endDate, FigureKind::Date)
      .by("year's days", year.days(), FigureKind::Number);
}

// The deemed-cost method without a value, days or log book km.
[[gnu::cold, gnu::noinline]] void recordNoClaim(Working* working, const TravelAllowanceInput& in, int days) {
  working
      ->add("Claim", 0, FigureKind::Money,
            in.value == 0 ? "deemed costs: no value of the vehicle entered, no claim"
            : days == 0   ? "deemed costs: no days in the period, no claim"
                          : "deemed costs: no business km from the log book, no claim")
      .in("value", in.value, FigureKind::Rand)
      .in("days", days, FigureKind::Number)
      .in("log book km", in.logBookKm, FigureKind::Number);
}

// Each calculation below is inlined twice by the functions that offer it:
// once with a working, once with none known while compiling, so that the
// figures alone cost what they did before the working was recorded.
[[gnu::always_inline]] inline DistanceSplit splitDistance(double closeKm, double openKm, double logBookKm, int days,
                                                         int yearDays, Working* working) {
  DistanceSplit s;
  const double total = closeKm - openKm;
  s.total = total;
  // The rule that gave the business km, for the working.
  const char* rule = "";
  const auto deemedSplit = [&s, &rule, total, days, yearDays] {
    s.priv = deemedPrivate(days, yearDays);
    if (s.priv > total) {
      s.business = 0;
      s.priv = total;
      rule = "{private a year} private km a year x {days} / {year's days} days is more than the distance: all private";
    } else {
      s.business = total - s.priv;
      rule = "{private a year} private km a year x {days} / {year's days} days, the rest business";
    }
  };
  if (total > kLimitKmAYear) {
    s.business = kBusinessKmAYear * days / yearDays;
    s.priv = truncateTo(total - s.business, 100);
    rule = "over {limit a year} km: {business a year} business km a year x {days} / {year's days} days";
  } else {
    deemedSplit();
  }
  if (total < kPrivateKmAYear) {
    s.business = 0;
    s.priv = total;
    rule = "under {private a year} km: all private";
  }
  if (days < yearDays && total < kLimitKmAYear + 1) {
    const double limit = kLimitKmAYear * days / yearDays;
    if (total > limit) {
      s.business = truncateTo(limit - kPrivateKmAYear * days / yearDays, 100);
      s.priv = total - s.business;
      rule = "part of the year, over {limit a year} km x {days} / {year's days} days: ({limit a year} - "
             "{private a year}) km x {days} / {year's days} days business";
    } else {
      deemedSplit();
    }
  }
  if (logBookKm > 0) {
    s.business = logBookKm;
    rule = "the log book's business km";
    if (total > 0 && logBookKm > total) {
      s.business = total;
      s.logBookCut = true;
      rule = "the log book's business km, more than the distance travelled: cut to it";
    }
    s.priv = total - s.business;
  }
  if (working) recordSplit(working, s, closeKm, openKm, logBookKm, days, yearDays, rule);
  return s;
}

[[gnu::always_inline]] inline DeemedCostClaim deemedCostClaim(const TravelAllowanceInput& in,
                                                              const tax::TaxYear& year, Working* working) {
  DeemedCostClaim r;
  const int days = in.days();
  const int yearDays = year.days();
  r.split = splitDistance(in.closeKm, in.openKm, in.logBookKm, days, yearDays, working);
  const VehicleCostBand& band = LookupVehicleCostScale(in.value, year);
  r.band = band.band;
  r.fixedCost = band.fixedCost;
  double fixed = r.split.total >= 1 ? band.fixedCost / r.split.total : 0;
  const bool partYear = days > 0 && days < yearDays;
  if (partYear) fixed *= static_cast<double>(days) / yearDays;
  r.fixedPerKm = truncateTo(fixed, 1000000) * 100;
  r.fuelPerKm = in.includeFuel ? band.fuel * 100 : 0;
  r.maintenancePerKm = in.includeMaintenance ? band.maintenance * 100 : 0;
  r.totalPerKm = r.fixedPerKm + r.fuelPerKm + r.maintenancePerKm;
  r.totalPerKmShown = roundHalfEven(r.totalPerKm * 10) / 10;
  const double use = r.split.business * r.totalPerKm / 100;
  r.claim = limitedByAllowance(use, in.allowance);
  if (working) recordDeemed(working, in, year, band, r, days, partYear, use);
  return r;
}

[[gnu::always_inline]] inline ActualCostClaim actualCostClaim(const TravelAllowanceInput& in,
                                                              const tax::TaxYear& year, Working* working) {
  ActualCostClaim r;
  const int days = in.days();
  const int yearDays = year.days();
  r.totalCosts = in.fuel + in.maintenance + in.insurance + in.other + in.wearAndTear + in.lease;
  if (working) recordCosts(working, in, r.totalCosts);
  r.split = splitDistance(in.closeKm, in.openKm, in.logBookKm, days, yearDays, working);
  if (in.closeKm == 0 && in.openKm == 0 && in.logBookKm == 0) {
    // No distances: the private use is a share of the value of the car.
    double priv = in.value * kPrivateUseShare * 12 * days / yearDays;
    if (in.value > 0) {
      if (in.includeFuel) priv -= in.value * kFuelShare * days / yearDays * 12;
      if (in.includeMaintenance) priv -= in.value * kMaintenanceShare * days / yearDays * 12;
    }
    // Shown as at most the costs, so that costs - private use = claim.
    r.privateUse = priv > r.totalCosts ? r.totalCosts : priv;
    const double workedOut = std::max(0.0, r.totalCosts - priv);
    r.claim = limitedByAllowance(workedOut, in.allowance);
    if (working) recordValuedPrivateUse(working, in, r, days, yearDays, priv, workedOut);
    return r;
  }
  const double workedOut = in.closeKm - in.openKm > 1 ? r.totalCosts * r.split.business / r.split.total : 0;
  r.privateUse = r.totalCosts - workedOut;
  r.claim = limitedByAllowance(workedOut, in.allowance);
  if (working) recordBusinessShare(working, in, r, workedOut);
  return r;
}

[[gnu::always_inline]] inline CarAllowanceResult carAllowance(const TravelAllowanceInput& in,
                                                              const tax::TaxYear& year, Working* working) {
  CarAllowanceResult r;
  r.days = in.days();
  r.method = in.RecordsKept == 1 ? 1 : 0;
  if (working) recordDays(working, in, r.days, year);
  const bool noDeemedClaim = in.value == 0 || r.days == 0 || in.logBookKm == 0;
  if (!noDeemedClaim && r.method == 0) r.deemed = deemedCostClaim(in, year, working);
  if (r.method == 1) r.actual = actualCostClaim(in, year, working);
  if (working && noDeemedClaim && r.method == 0) recordNoClaim(working, in, r.days);
  return r;
}

}  // namespace

DistanceSplit SplitDistance(double closeKm, double openKm, double logBookKm, int days, int yearDays,
                            Working* working) {
  if (working) [[unlikely]]
    return splitDistance(closeKm, openKm, logBookKm, days, yearDays, working);
  return splitDistance(closeKm, openKm, logBookKm, days, yearDays, nullptr);
}

DeemedCostClaim CalcDeemedCostClaim(const TravelAllowanceInput& in, const tax::TaxYear& year, Working* working) {
  if (working) [[unlikely]]
    return deemedCostClaim(in, year, working);
  return deemedCostClaim(in, year, nullptr);
}

ActualCostClaim CalcActualCostClaim(const TravelAllowanceInput& in, const tax::TaxYear& year, Working* working) {
  if (working) [[unlikely]]
    return actualCostClaim(in, year, working);
  return actualCostClaim(in, year, nullptr);
}

const DistanceSplit& CarAllowanceResult::split() const { return method == 1 ? actual.split : deemed.split; }
double CarAllowanceResult::claim() const { return method == 1 ? actual.claim : deemed.claim; }

CarAllowanceResult CarAllowanceCalc(const TravelAllowanceInput& in, const tax::TaxYear& year, Working* working) {
  if (working) [[unlikely]]
    return carAllowance(in, year, working);
  return carAllowance(in, year, nullptr);
}

}  // namespace quorin
